// Framework tool tips: a window that enabled them is asked for a tool under the mouse
// (OnToolHitTest) on every mouse message the pump pre-translates; each distinct answer becomes
// the one tool of the thread's shared tool-tip control, whose text is asked for by callback.
#include <afxwin.h>
#include "AfxState.h"

namespace
{
bool IsToolTipMouseMessage(UINT message)
{
    return message == WM_MOUSEMOVE || message == WM_NCMOUSEMOVE || message == WM_LBUTTONUP ||
        message == WM_RBUTTONUP || message == WM_MBUTTONUP || message == WM_LBUTTONDOWN ||
        message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN;
}

HWND ThreadToolTip()
{
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (pState->m_hWndToolTip == NULL || !::IsWindow(pState->m_hWndToolTip))
    {
        pState->m_hWndToolTip = ::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, NULL,
            WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
            CW_USEDEFAULT, NULL, NULL, AfxGetInstanceHandle(), NULL);
        pState->m_pLastHit = NULL;
        pState->m_nLastHit = -1;
    }
    return pState->m_hWndToolTip;
}

// The visible child whose window rectangle holds a client point of hWnd, disabled ones included
// (they get no mouse messages of their own, so the system's hit testing would pass them by);
// children without an id of their own (labels) are no tools.
HWND ChildToolFromPoint(HWND hWnd, POINT point)
{
    ::ClientToScreen(hWnd, &point);
    for (HWND hWndChild = ::GetWindow(hWnd, GW_CHILD); hWndChild != NULL;
         hWndChild = ::GetWindow(hWndChild, GW_HWNDNEXT))
    {
        if (static_cast<WORD>(::GetDlgCtrlID(hWndChild)) == 0xFFFF ||
            !(::GetWindowLongPtrW(hWndChild, GWL_STYLE) & WS_VISIBLE))
            continue;
        RECT rect;
        ::GetWindowRect(hWndChild, &rect);
        if (::PtInRect(&rect, point))
            return hWndChild;
    }
    return NULL;
}

void RemoveLastTool(AFX_THREAD_STATE* pState)
{
    if (pState->m_nLastHit != -1 && pState->m_hWndToolTip != NULL)
    {
        ::SendMessageW(pState->m_hWndToolTip, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&pState->m_lastInfo));
        ::SendMessageW(pState->m_hWndToolTip, TTM_ACTIVATE, FALSE, 0);
    }
    pState->m_pLastHit = NULL;
    pState->m_nLastHit = -1;
}
}

BOOL CWnd::EnableToolTips(BOOL bEnable)
{
    BOOL bOldEnabled = (m_nFlags & WF_TOOLTIPS) != 0;
    if (bEnable)
    {
        m_nFlags |= WF_TOOLTIPS;
        ThreadToolTip();
    }
    else
    {
        if (AfxGetThreadState()->m_pLastHit == this)
            CancelToolTips();
        m_nFlags &= ~WF_TOOLTIPS;
    }
    return bOldEnabled;
}

void PASCAL CWnd::CancelToolTips(BOOL)
{
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (pState->m_hWndToolTip != NULL)
        ::SendMessageW(pState->m_hWndToolTip, TTM_POP, 0, 0);
    RemoveLastTool(pState);
}

void CWnd::FilterToolTipMessage(MSG* pMsg)
{
    if (!IsToolTipMouseMessage(pMsg->message) || m_hWnd == NULL)
        return;
    // Only mouse messages of this window or of its children concern its tools.
    if (pMsg->hwnd != m_hWnd && !::IsChild(m_hWnd, pMsg->hwnd))
        return;

    AFX_THREAD_STATE* pState = AfxGetThreadState();
    HWND hWndTip = ThreadToolTip();
    if (hWndTip == NULL)
        return;

    CPoint point = pMsg->pt;
    ScreenToClient(&point);
    TOOLINFO ti = {};
    ti.cbSize = TTTOOLINFOW_V2_SIZE;
    INT_PTR nHit = OnToolHitTest(point, &ti);

    if (pState->m_pLastHit != this || pState->m_nLastHit != nHit)
    {
        RemoveLastTool(pState);
        if (nHit != -1)
        {
            if (ti.hwnd == NULL)
                ti.hwnd = m_hWnd;
            if (ti.lpszText == NULL)
                ti.lpszText = LPSTR_TEXTCALLBACKW;
            ti.uFlags |= TTF_TRANSPARENT;
            ::SendMessageW(hWndTip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
            ::SendMessageW(hWndTip, TTM_ACTIVATE, TRUE, 0);
            pState->m_lastInfo = ti;
            pState->m_pLastHit = this;
            pState->m_nLastHit = nHit;
        }
    }
    if (nHit == -1)
        return;

    // Relay the message as if it were addressed to the tool's window; a tool that is a window
    // is hit by messages of that window.
    MSG msgRelay = *pMsg;
    HWND hWndTool = (pState->m_lastInfo.uFlags & TTF_IDISHWND) != 0
        ? reinterpret_cast<HWND>(pState->m_lastInfo.uId) : pState->m_lastInfo.hwnd;
    if (msgRelay.hwnd != hWndTool && msgRelay.message != WM_NCMOUSEMOVE)
    {
        CPoint pt(GET_X_LPARAM(msgRelay.lParam), GET_Y_LPARAM(msgRelay.lParam));
        ::MapWindowPoints(msgRelay.hwnd, hWndTool, &pt, 1);
        msgRelay.lParam = MAKELPARAM(pt.x, pt.y);
        msgRelay.hwnd = hWndTool;
    }
    ::SendMessageW(hWndTip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&msgRelay));
}

INT_PTR CWnd::OnToolHitTest(CPoint point, TOOLINFO* pTI) const
{
    HWND hWndChild = ChildToolFromPoint(m_hWnd, point);
    if (hWndChild == NULL)
        return -1;
    if (pTI != NULL)
    {
        pTI->hwnd = m_hWnd;
        pTI->uId = reinterpret_cast<UINT_PTR>(hWndChild);
        pTI->uFlags |= TTF_IDISHWND;
        pTI->lpszText = LPSTR_TEXTCALLBACK;
        if (!(::SendMessageW(hWndChild, WM_GETDLGCODE, 0, 0) & DLGC_BUTTON))
            pTI->uFlags |= TTF_NOTBUTTON | TTF_CENTERTIP;
    }
    return ::GetDlgCtrlID(hWndChild);
}
