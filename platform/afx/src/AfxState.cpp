#include <afxwin.h>
#include "AfxState.h"

namespace
{
// The state lives in a system TLS slot and is freed by this module's thread detach. A C++
// thread_local with a destructor cannot hold it: with this toolchain the runtime frees a
// thread's thread_local storage before it runs their destructors, so they would write into
// freed heap blocks at every thread exit.
DWORD StateSlot()
{
    static const DWORD s_dwSlot = ::TlsAlloc();
    return s_dwSlot;
}

void DeleteThreadState()
{
    DWORD dwSlot = StateSlot();
    if (dwSlot == TLS_OUT_OF_INDEXES)
        return;
    delete static_cast<AFX_THREAD_STATE*>(::TlsGetValue(dwSlot));
    ::TlsSetValue(dwSlot, NULL);
}
}

AFX_THREAD_STATE* AfxGetThreadState()
{
    DWORD dwSlot = StateSlot();
    if (dwSlot == TLS_OUT_OF_INDEXES)
        AfxThrowMemoryException();
    AFX_THREAD_STATE* pState = static_cast<AFX_THREAD_STATE*>(::TlsGetValue(dwSlot));
    if (pState == NULL)
    {
        pState = new AFX_THREAD_STATE;
        ::TlsSetValue(dwSlot, pState);
    }
    return pState;
}

// A process that is ending frees nothing: its other threads are gone without detaching.
extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD dwReason, LPVOID lpReserved)
{
    if (dwReason == DLL_THREAD_DETACH || (dwReason == DLL_PROCESS_DETACH && lpReserved == NULL))
        DeleteThreadState();
    if (dwReason == DLL_PROCESS_DETACH && lpReserved == NULL && StateSlot() != TLS_OUT_OF_INDEXES)
        ::TlsFree(StateSlot());
    return TRUE;
}
