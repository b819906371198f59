#include <afxwin.h>
#include <afxext.h>

IMPLEMENT_DYNCREATE(CMiniDockFrameWnd, CMiniFrameWnd)

BEGIN_MESSAGE_MAP(CMiniDockFrameWnd, CMiniFrameWnd)
    ON_WM_CLOSE()
    ON_WM_NCLBUTTONDOWN()
    ON_WM_NCLBUTTONDBLCLK()
END_MESSAGE_MAP()

CMiniDockFrameWnd::CMiniDockFrameWnd()
    : m_wndDockBar(TRUE)
{
}

CMiniDockFrameWnd::~CMiniDockFrameWnd()
{
}

BOOL CMiniDockFrameWnd::Create(CWnd* pParent, DWORD dwBarStyle)
{
    CRect rect(0, 0, 0, 0);
    if (!CMiniFrameWnd::CreateEx(0, NULL, L"", WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN, rect, pParent))
        return FALSE;
    if (!m_wndDockBar.Create(this, WS_CHILD | WS_VISIBLE | (dwBarStyle & CBRS_ALIGN_ANY), AFX_IDW_DOCKBAR_FLOAT))
        return FALSE;
    // The floating bar still serves the frame it came from.
    m_wndDockBar.SetOwner(pParent);
    return TRUE;
}

CControlBar* CMiniDockFrameWnd::GetFloatingBar() const
{
    return m_wndDockBar.GetDockedControlBar(0);
}

void CMiniDockFrameWnd::RecalcLayout(BOOL)
{
    CControlBar* pBar = GetFloatingBar();
    if (m_hWnd == NULL || pBar == NULL || m_bInRecalcLayout)
        return;
    m_bInRecalcLayout = TRUE;
    CSize size = m_wndDockBar.LayoutBars(0, TRUE);
    m_wndDockBar.SetWindowPos(NULL, 0, 0, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
    CRect rect(0, 0, size.cx, size.cy);
    ::AdjustWindowRectEx(&rect, GetStyle(), FALSE, GetExStyle());
    SetWindowPos(NULL, 0, 0, rect.Width(), rect.Height(), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    CString strTitle;
    pBar->GetWindowText(strTitle);
    SetWindowText(strTitle);
    // The frame shows exactly when its bar does, and comes up above its owner, which may have
    // been raised while the frame was hidden.
    const BOOL bShow = (pBar->GetStyle() & WS_VISIBLE) != 0;
    if (bShow && (GetStyle() & WS_VISIBLE) == 0)
        ::SetWindowPos(m_hWnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    else if (!bShow && (GetStyle() & WS_VISIBLE) != 0)
        ShowWindow(SW_HIDE);
    m_bInRecalcLayout = FALSE;
}

void CMiniDockFrameWnd::OnClose()
{
    CControlBar* pBar = GetFloatingBar();
    if (pBar == NULL)
    {
        DestroyWindow();
        return;
    }
    // Closing hides the bar; the host can show it again where it floated.
    if (pBar->m_pDockSite != NULL)
        pBar->m_pDockSite->ShowControlBar(pBar, FALSE, FALSE);
    else
        ShowWindow(SW_HIDE);
}

void CMiniDockFrameWnd::OnNcLButtonDown(UINT nHitTest, CPoint point)
{
    CControlBar* pBar = GetFloatingBar();
    if (nHitTest == HTCAPTION && pBar != NULL && pBar->m_pDockContext != NULL)
    {
        // Dragging the caption drags the bar: it may dock again where it is dropped.
        pBar->m_pDockContext->StartDrag(point);
        return;
    }
    CMiniFrameWnd::OnNcLButtonDown(nHitTest, point);
}

void CMiniDockFrameWnd::OnNcLButtonDblClk(UINT nHitTest, CPoint point)
{
    CControlBar* pBar = GetFloatingBar();
    if (nHitTest == HTCAPTION && pBar != NULL && pBar->m_pDockContext != NULL)
    {
        pBar->m_pDockContext->ToggleDocking();
        return;
    }
    CMiniFrameWnd::OnNcLButtonDblClk(nHitTest, point);
}
