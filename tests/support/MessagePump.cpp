#include "MessagePump.h"

namespace zaduv_test
{
bool PumpUntil(const std::function<bool()>& pred, DWORD nTimeoutMs)
{
    const ULONGLONG tEnd = ::GetTickCount64() + nTimeoutMs;
    for (;;)
    {
        PumpPending();
        if (pred())
            return true;
        ULONGLONG tNow = ::GetTickCount64();
        if (tNow >= tEnd)
            return pred();
        DWORD nWait = static_cast<DWORD>(std::min<ULONGLONG>(tEnd - tNow, 10));
        ::MsgWaitForMultipleObjects(0, NULL, FALSE, nWait, QS_ALLINPUT);
    }
}

void PumpFor(DWORD nMs)
{
    PumpUntil([] { return false; }, nMs);
}

void PumpPending()
{
    // A quit message belongs to a loop a test runs itself, not to these pumps.
    MSG msg;
    while (::PeekMessageW(&msg, NULL, 0, 0, PM_NOREMOVE))
    {
        if (msg.message == WM_QUIT)
            ::PeekMessageW(&msg, NULL, 0, 0, PM_REMOVE);
        else
            AfxPumpMessage();
    }
}
}
