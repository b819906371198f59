#include "HostileInput.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <list>

namespace hostile_test
{
namespace
{
const unsigned DEFAULT_SEED = 20261205;

unsigned ReadEnvironment(const char* pszName, unsigned nDefault)
{
    const char* pszValue = std::getenv(pszName);
    return pszValue != nullptr && *pszValue != 0 ? static_cast<unsigned>(std::strtoul(pszValue, nullptr, 0)) : nDefault;
}

// One kind of input: how many were tried, and what became of them.
struct STally
{
    const char* pszWhat;
    long anOutcomes[3];
};

std::list<STally>& Tallies()
{
    static std::list<STally> tallies;
    return tallies;
}

unsigned RunSeed()
{
    static const unsigned s_nSeed = ReadEnvironment("ZADUV_HOSTILE_SEED", DEFAULT_SEED);
    return s_nSeed;
}

int Rounds()
{
    static const int s_nRounds = static_cast<int>(ReadEnvironment("ZADUV_HOSTILE_ROUNDS", 1));
    return s_nRounds;
}

// Prints the seed before the first case and every tally after the last; a crash ends the run
// before the totals, so a printed total line means no input crashed.
class CHostileReport : public ::testing::Environment
{
public:
    void SetUp() override
    {
        std::printf("hostile inputs: seed %u, rounds %d (replay with ZADUV_HOSTILE_SEED=%u)\n", RunSeed(), Rounds(), RunSeed());
    }
    void TearDown() override
    {
        long nTried = 0;
        for (const STally& tally : Tallies())
        {
            const long* an = tally.anOutcomes;
            std::printf("hostile inputs: %-18s %6ld tried, %6ld refused as stated, %6ld accepted, %6ld withheld\n",
                tally.pszWhat, an[REFUSED] + an[ACCEPTED], an[REFUSED], an[ACCEPTED], an[WITHHELD]);
            nTried += an[REFUSED] + an[ACCEPTED];
        }
        std::printf("hostile inputs: %ld in all, seed %u, 0 crashes\n", nTried, RunSeed());
    }
};

::testing::Environment* const s_pReport = ::testing::AddGlobalTestEnvironment(new CHostileReport);
}

size_t Pick(std::mt19937& random, size_t nLimit)
{
    return nLimit == 0 ? 0 : std::uniform_int_distribution<size_t>(0, nLimit - 1)(random);
}

DWORD BoundaryValue(std::mt19937& random)
{
    static const DWORD values[] = { 0, 1, 2, 0x7F, 0x80, 0xFF, 0x100, 0x7FFF, 0x8000, 0xFFFF, 0x10000,
        0x7FFFFFFF, 0x80000000, 0xFFFFFFFF, 0xFFFFFFFE, 0x40000000 };
    return values[Pick(random, sizeof(values) / sizeof(values[0]))];
}

void PutDWord(std::vector<BYTE>& bytes, size_t nOffset, DWORD dwValue)
{
    for (size_t i = 0; i < 4 && nOffset + i < bytes.size(); ++i)
        bytes[nOffset + i] = static_cast<BYTE>(dwValue >> (8 * i));
}

DWORD GetDWord(const std::vector<BYTE>& bytes, size_t nOffset)
{
    DWORD dwValue = 0;
    for (size_t i = 0; i < 4 && nOffset + i < bytes.size(); ++i)
        dwValue |= static_cast<DWORD>(bytes[nOffset + i]) << (8 * i);
    return dwValue;
}

void Damage(std::vector<BYTE>& bytes, std::mt19937& random, size_t nProtect)
{
    if (bytes.size() <= nProtect + 4)
        return;
    const size_t nSpan = bytes.size() - nProtect;
    switch (Pick(random, 5))
    {
    case 0:
        for (size_t nFlips = 1 + Pick(random, 8); nFlips > 0; --nFlips)
            bytes[nProtect + Pick(random, nSpan)] ^= static_cast<BYTE>(1 << Pick(random, 8));
        break;
    case 1:
        for (size_t nBytes = 1 + Pick(random, 4); nBytes > 0; --nBytes)
            bytes[nProtect + Pick(random, nSpan)] = static_cast<BYTE>(BoundaryValue(random));
        break;
    case 2:
        PutDWord(bytes, nProtect + Pick(random, nSpan - 3), BoundaryValue(random));
        break;
    case 3:
        bytes.resize(nProtect + Pick(random, nSpan));
        break;
    default:
    {
        const size_t nLength = 1 + Pick(random, nSpan / 4);
        const size_t nFirst = nProtect + Pick(random, nSpan - nLength);
        const size_t nSecond = nProtect + Pick(random, nSpan - nLength);
        std::vector<BYTE> block(bytes.begin() + nFirst, bytes.begin() + nFirst + nLength);
        std::copy(bytes.begin() + nSecond, bytes.begin() + nSecond + nLength, bytes.begin() + nFirst);
        std::copy(block.begin(), block.end(), bytes.begin() + nSecond);
        break;
    }
    }
}

void RunRounds(const char* pszWhat, unsigned nSalt, int nBase,
    const std::function<void(std::mt19937& random, EOutcome& outcome)>& fnRound)
{
    auto it = std::find_if(Tallies().begin(), Tallies().end(), [pszWhat](const STally& t) { return std::strcmp(t.pszWhat, pszWhat) == 0; });
    STally& tally = it != Tallies().end() ? *it : (Tallies().push_back(STally{ pszWhat, { 0, 0, 0 } }), Tallies().back());
    std::seed_seq seq{ RunSeed(), nSalt };
    std::mt19937 random(seq);
    for (int i = 0; i < nBase * Rounds() && !::testing::Test::HasFatalFailure(); ++i)
    {
        SCOPED_TRACE("seed " + std::to_string(RunSeed()) + ", round " + std::to_string(i));
        EOutcome outcome = REFUSED;
        fnRound(random, outcome);
        ++tally.anOutcomes[outcome];
    }
}
}
