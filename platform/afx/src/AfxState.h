#ifndef AFX_SRC_AFXSTATE_H
#define AFX_SRC_AFXSTATE_H
// Per-thread framework state, private to the afx library.

#include <afxwin.h>
#include <afx/HandleMap.h>
#include <memory>
#include "MessageMapCache.h"

class CToolTipCtrl;

struct AFX_THREAD_STATE
{
    CWnd* m_pWndInit = NULL;            // object waiting for the next window created on this thread
    HHOOK m_hHookOldCbtFilter = NULL;
    MSG m_lastSentMsg = {};             // the message the innermost handler is processing
    MSG m_msgCur = {};                  // the message the pump retrieved last
    POINT m_ptCursorLast = { -1, -1 };  // where the last mouse move was: a repeat is no activity
    UINT m_nMsgLast = 0;
    CWinThread* m_pCurrentThread = NULL;
    HWND m_hLockoutNotifyWindow = NULL;
    HWND m_hWndToolTip = NULL;          // the thread's shared tool-tip control
    CWnd* m_pLastHit = NULL;            // window whose tool the tip was last shown for
    INT_PTR m_nLastHit = -1;            // hit code of that tool
    TOOLINFO m_lastInfo = {};
    CString m_strToolText;
    std::unique_ptr<CWinThread> m_pDefaultThread;   // AfxPumpMessage's loop on a thread without one
    CMessageMapCache m_msgMapCache;     // the entries message maps were last asked for

    // Destroyed in reverse order: windows last, as AfxDeleteTempMaps frees them.
    std::unique_ptr<CHandleMap> m_pMapHWND;
    std::unique_ptr<CHandleMap> m_pMapHMENU;
    std::unique_ptr<CHandleMap> m_pMapHIMAGELIST;
    std::unique_ptr<CHandleMap> m_pMapHGDIOBJ;
    std::unique_ptr<CHandleMap> m_pMapHDC;
};

// The calling thread's state, made on first use and destroyed when the thread ends.
AFX_THREAD_STATE* AfxGetThreadState();

// A window handle has 32 significant bits; a 64-bit process may be handed it sign-extended or
// not (Wine passes either once a handle's top bit is set), so the window map keys on one form.
inline HWND AfxCanonicalHwnd(HWND hWnd)
{
    return reinterpret_cast<HWND>(static_cast<INT_PTR>(static_cast<LONG>(reinterpret_cast<UINT_PTR>(hWnd))));
}

#endif
