#include <afxwin.h>
#include <afx/HandleMap.h>
#include <map>
#include "AfxState.h"

namespace
{
bool IsImeWindowClass(HWND hWnd)
{
    WCHAR szClass[32];
    if (::GetClassNameW(hWnd, szClass, 32) == 0)
        return false;
    return ::lstrcmpiW(szClass, L"IME") == 0 || ::lstrcmpiW(szClass, L"MSCTFIME UI") == 0;
}

// A dialog that neither moved nor showed itself while it initialized is centred, if its
// template leaves the position to the framework.
LRESULT CallInitDialog(CWnd* pWnd, WPARAM wParam, LPARAM lParam)
{
    CRect rectOld;
    pWnd->GetWindowRect(&rectOld);
    DWORD dwStyleOld = pWnd->GetStyle();
    LRESULT lResult = pWnd->WindowProc(WM_INITDIALOG, wParam, lParam);
    if (pWnd->m_hWnd == NULL || (dwStyleOld & WS_VISIBLE) || (pWnd->GetStyle() & (WS_CHILD | WS_VISIBLE)))
        return lResult;
    CRect rectNew;
    pWnd->GetWindowRect(&rectNew);
    CDialog* pDialog = DYNAMIC_DOWNCAST(CDialog, pWnd);
    if (rectNew == rectOld && pDialog != NULL && pDialog->CheckAutoCenter())
        pDialog->CenterWindow();
    return lResult;
}

LRESULT CALLBACK CbtFilterHook(int code, WPARAM wParam, LPARAM lParam)
{
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (code != HCBT_CREATEWND)
        return ::CallNextHookEx(pState->m_hHookOldCbtFilter, code, wParam, lParam);

    HWND hWnd = AfxCanonicalHwnd(reinterpret_cast<HWND>(wParam));
    CWnd* pWndInit = pState->m_pWndInit;
    if (pWndInit != NULL && !IsImeWindowClass(hWnd))
    {
        pState->m_pWndInit = NULL;
        pWndInit->Attach(hWnd);
        pWndInit->PreSubclassWindow();
        WNDPROC* ppfnSuper = pWndInit->GetSuperWndProcAddr();
        WNDPROC pfnOld = reinterpret_cast<WNDPROC>(::SetWindowLongPtrW(hWnd, GWLP_WNDPROC,
            reinterpret_cast<LONG_PTR>(&AfxWndProc)));
        if (pfnOld != &AfxWndProc)
            *ppfnSuper = pfnOld;
    }
    return ::CallNextHookEx(pState->m_hHookOldCbtFilter, code, wParam, lParam);
}
}

const MSG* AFXAPI AfxGetCurrentMessage()
{
    return &AfxGetThreadState()->m_lastSentMsg;
}

void AFXAPI AfxHookWindowCreate(CWnd* pWnd)
{
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (pState->m_hHookOldCbtFilter == NULL)
        pState->m_hHookOldCbtFilter = ::SetWindowsHookExW(WH_CBT, &CbtFilterHook, NULL, ::GetCurrentThreadId());
    pState->m_pWndInit = pWnd;
}

BOOL AFXAPI AfxUnhookWindowCreate()
{
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (pState->m_hHookOldCbtFilter != NULL)
    {
        ::UnhookWindowsHookEx(pState->m_hHookOldCbtFilter);
        pState->m_hHookOldCbtFilter = NULL;
    }
    if (pState->m_pWndInit != NULL)
    {
        pState->m_pWndInit = NULL;
        return FALSE;   // no window was created for the object
    }
    return TRUE;
}

WNDPROC AFXAPI AfxGetAfxWndProc()
{
    return &AfxWndProc;
}

namespace
{
// The body of AfxCallWndProc with the thread's state already at hand: every message a
// framework window receives comes through here.
LRESULT CallWndProc(AFX_THREAD_STATE* pState, CWnd* pWnd, HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    MSG oldState = pState->m_lastSentMsg;   // handlers nest: keep the outer message
    pState->m_lastSentMsg.hwnd = hWnd;
    pState->m_lastSentMsg.message = nMsg;
    pState->m_lastSentMsg.wParam = wParam;
    pState->m_lastSentMsg.lParam = lParam;
    const MSG msg = pState->m_lastSentMsg;

    LRESULT lResult = 0;
    try
    {
        if (nMsg == WM_INITDIALOG)
            lResult = CallInitDialog(pWnd, wParam, lParam);
        else
            lResult = pWnd->WindowProc(nMsg, wParam, lParam);
    }
    catch (CException* e)
    {
        // A framework exception must not unwind through the system's frames.
        lResult = AfxProcessWndProcException(e, &msg);
        e->Delete();
    }

    pState->m_lastSentMsg = oldState;
    return lResult;
}
}

LRESULT AFXAPI AfxCallWndProc(CWnd* pWnd, HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    return CallWndProc(AfxGetThreadState(), pWnd, hWnd, nMsg, wParam, lParam);
}

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    if (nMsg == WM_QUERYAFXWNDPROC)
        return 1;
    // The state is fetched once for the lookup and the call.
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    CHandleMap* pMap = pState->m_pMapHWND.get();
    hWnd = AfxCanonicalHwnd(hWnd);
    CWnd* pWnd = pMap != NULL ? static_cast<CWnd*>(pMap->LookupPermanent(hWnd)) : NULL;
    if (pWnd == NULL || pWnd->m_hWnd != hWnd)
        return ::DefWindowProcW(hWnd, nMsg, wParam, lParam);
    return CallWndProc(pState, pWnd, hWnd, nMsg, wParam, lParam);
}

LPCTSTR AFXAPI AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor, HBRUSH hbrBackground, HICON hIcon)
{
    // One class per combination, named after its parameters, registered once per process.
    static std::map<CString, CString> s_classNames;
    HINSTANCE hInst = AfxGetInstanceHandle();
    CString strName;
    if (hCursor == NULL && hbrBackground == NULL && hIcon == NULL)
        strName.Format(L"Afx:%p:%x", static_cast<void*>(hInst), nClassStyle);
    else
        strName.Format(L"Afx:%p:%x:%p:%p:%p", static_cast<void*>(hInst), nClassStyle,
            static_cast<void*>(hCursor), static_cast<void*>(hbrBackground), static_cast<void*>(hIcon));

    auto it = s_classNames.find(strName);
    if (it != s_classNames.end())
        return it->second;

    WNDCLASSW wc = {};
    if (!::GetClassInfoW(hInst, strName, &wc))
    {
        wc.style = nClassStyle;
        wc.lpfnWndProc = ::DefWindowProcW;
        wc.hInstance = hInst;
        wc.hIcon = hIcon;
        wc.hCursor = hCursor;
        wc.hbrBackground = hbrBackground;
        wc.lpszClassName = strName;
        if (!::RegisterClassW(&wc))
            return NULL;
    }
    return s_classNames.emplace(strName, strName).first->second;
}
