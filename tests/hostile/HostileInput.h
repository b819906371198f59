#ifndef ZADUV_TESTS_HOSTILE_HOSTILEINPUT_H
#define ZADUV_TESTS_HOSTILE_HOSTILEINPUT_H
// What the hostile-input cases share: one seed per run, printed at the start so that a failure
// replays (ZADUV_HOSTILE_SEED=<seed>, and ZADUV_HOSTILE_ROUNDS=<n> for n times the inputs), the
// ways bytes get damaged, and the totals each kind of input reports at the end of the run.

#include <afxwin.h>
#include <random>
#include <string>
#include <vector>

namespace hostile_test
{
// A random engine for one case: the run's seed mixed with the case's own salt, so that one
// case run alone sees the inputs it saw in the whole run.
std::mt19937 CaseRandom(unsigned nSalt);
unsigned RunSeed();
int Rounds(int nBase);     // nBase times ZADUV_HOSTILE_ROUNDS

size_t Pick(std::mt19937& random, size_t nLimit);   // 0 .. nLimit - 1
DWORD BoundaryValue(std::mt19937& random);           // 0, 1, 0x7F.., 0x80.., 0xFF.. and their kin

// Blind damage anywhere in the bytes: flipped bits, bytes or 32-bit words overwritten with
// boundary values, a cut, or two blocks swapped. nProtect leading bytes are never touched.
void Damage(std::vector<BYTE>& bytes, std::mt19937& random, size_t nProtect = 0);
void PutDWord(std::vector<BYTE>& bytes, size_t nOffset, DWORD dwValue);
DWORD GetDWord(const std::vector<BYTE>& bytes, size_t nOffset);

// One kind of input: how many were tried, refused as stated, accepted, and withheld from a
// platform that cannot take them (the case says which and why).
struct STally
{
    const char* pszWhat;
    long nTried;
    long nRefused;
    long nAccepted;
    long nWithheld;
};
STally& Tally(const char* pszWhat);
void Count(STally& tally, bool bAccepted);
}

#endif
