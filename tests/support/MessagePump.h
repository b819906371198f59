#ifndef ZADUV_TESTS_MESSAGEPUMP_H
#define ZADUV_TESTS_MESSAGEPUMP_H
// Bounded message pumps for tests: they run the framework's pump (PreTranslateMessage chain
// included) until a condition holds or the time is up, and never sleep blindly.

#include <afxwin.h>
#include <functional>

namespace zaduv_test
{
// Pumps messages until pred() is true or nTimeoutMs have passed; returns pred()'s last value.
bool PumpUntil(const std::function<bool()>& pred, DWORD nTimeoutMs);

// Pumps every message that arrives during nMs milliseconds.
void PumpFor(DWORD nMs);

// Pumps what is queued now (including paints), without waiting.
void PumpPending();
}

#endif
