#ifndef ZADUV_TESTS_HOSTILE_HOSTILEINPUT_H
#define ZADUV_TESTS_HOSTILE_HOSTILEINPUT_H
// What the hostile-input cases share: one seed per run, printed at the start so that a failure
// replays (ZADUV_HOSTILE_SEED=<seed>, and ZADUV_HOSTILE_ROUNDS=<n> for n times the inputs), the
// ways bytes get damaged, and the totals each kind of input reports at the end of the run.

#include <afxwin.h>
#include <functional>
#include <random>
#include <string>
#include <vector>

namespace hostile_test
{
size_t Pick(std::mt19937& random, size_t nLimit);   // 0 .. nLimit - 1
DWORD BoundaryValue(std::mt19937& random);           // 0, 1, 0x7F.., 0x80.., 0xFF.. and their kin

// Blind damage anywhere in the bytes: flipped bits, bytes or 32-bit words overwritten with
// boundary values, a cut, or two blocks swapped. nProtect leading bytes are never touched.
void Damage(std::vector<BYTE>& bytes, std::mt19937& random, size_t nProtect = 0);
void PutDWord(std::vector<BYTE>& bytes, size_t nOffset, DWORD dwValue);
DWORD GetDWord(const std::vector<BYTE>& bytes, size_t nOffset);

// What became of one input: refused as stated, accepted, or withheld from a platform that
// cannot take it (the case says which and why).
enum EOutcome { REFUSED, ACCEPTED, WITHHELD };

// nBase times ZADUV_HOSTILE_ROUNDS rounds of one kind of input, tallied under pszWhat. Each
// round gets a random engine seeded from the run's seed and the case's salt, so that a case run
// alone sees the inputs it saw in the whole run, and its failures name the seed and round. The
// rounds end at the first fatal failure.
void RunRounds(const char* pszWhat, unsigned nSalt, int nBase,
    const std::function<void(std::mt19937& random, EOutcome& outcome)>& fnRound);
}

#endif
