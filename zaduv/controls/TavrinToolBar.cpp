#include "controls/TavrinToolBar.h"

#include <algorithm>

BEGIN_MESSAGE_MAP(CTavrinToolBar, CSkinToolBar)
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_RBUTTONDOWN()
    ON_WM_RBUTTONUP()
    ON_WM_LBUTTONDBLCLK()
    ON_NOTIFY_REFLECT(NM_CUSTOMDRAW, &CTavrinToolBar::OnCustomDraw)
    ON_MESSAGE(WM_MOUSELEAVE, &CTavrinToolBar::OnMouseLeave)
    ON_WM_CANCELMODE()
END_MESSAGE_MAP()

namespace
{
const DWORD dwDefaultStyle = WS_CHILD | WS_VISIBLE | CBRS_ALIGN_LEFT | CBRS_BORDER_RIGHT | CBRS_TOOLTIPS
    | CBRS_FLYBY | CBRS_SIZE_DYNAMIC;
// The part of a floating frame that stays on a monitor, so a stored place off every monitor
// still leaves a caption to take hold of.
const int cxKeepVisible = 48;
const int cyKeepVisible = 24;

// The top-left of a floating frame moved onto the work area nearest to it.
CPoint KeepOnMonitor(CPoint pt)
{
    MONITORINFO mi = { sizeof(MONITORINFO) };
    if (!::GetMonitorInfoW(::MonitorFromPoint(pt, MONITOR_DEFAULTTONEAREST), &mi))
        return pt;
    const CRect rcWork(mi.rcWork);
    pt.x = std::max(std::min(pt.x, rcWork.right - cxKeepVisible), rcWork.left);
    pt.y = std::max(std::min(pt.y, rcWork.bottom - cyKeepVisible), rcWork.top);
    return pt;
}
}

CTavrinToolBar::CTavrinToolBar(CTavrinRegistry& registry)
    : m_registry(registry), m_nPressedID(-1), m_nHotID(-1), m_pFrame(NULL)
{
    SetCaptionTextColors(0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF);
}

CTavrinToolBar::~CTavrinToolBar()
{
}

DWORD CTavrinToolBar::ReadStyle() const
{
    DWORD dwStyle = m_registry.ReadDWord(m_strKey, dwDefaultStyle);
    // Of the window style only the visibility is the user's; stray bits of a damaged value
    // must not make the bar a popup, disabled or framed.
    return WS_CHILD | (dwStyle & WS_VISIBLE) | (dwStyle & CBRS_ALL & 0xFFFF);
}

BOOL CTavrinToolBar::Create(CFrameWnd* pFrame, const CString& strKey, UINT nIDResource, UINT nIDTitle)
{
    m_strKey = strKey;
    m_pFrame = pFrame;
    DWORD dwStyle = ReadStyle();
    if (dwStyle & CBRS_FLOATING)
        dwStyle &= ~WS_VISIBLE;
    if (pFrame == NULL || !CToolBar::Create(pFrame, dwStyle, AFX_IDW_TOOLBAR))
        return FALSE;
    if (nIDResource != 0 && !LoadToolBar(nIDResource))
        return FALSE;
    EnableDocking(CBRS_ALIGN_ANY);
    SetInitialPosition(false);
    CString strTitle;
    if (nIDTitle != 0 && strTitle.LoadString(nIDTitle))
        SetWindowText(strTitle);
    m_nPressedID = m_nHotID = -1;
    return TRUE;
}

void CTavrinToolBar::SetInitialPosition(bool bShow)
{
    if (m_pFrame == NULL || m_hWnd == NULL)
        return;
    const DWORD dwStyle = ReadStyle();
    CRect rect = m_registry.ReadRect(m_strKey);
    if (dwStyle & CBRS_FLOATING)
    {
        m_pFrame->ShowControlBar(this, bShow && (dwStyle & WS_VISIBLE) != 0, FALSE);
        m_pFrame->FloatControlBar(this, KeepOnMonitor(rect.TopLeft()), CBRS_ALIGN_TOP);
    }
    else
    {
        m_pFrame->DockControlBar(this, 0U, (rect.Width() != 0 && rect.Height() != 0) ? &rect : NULL);
    }
}

void CTavrinToolBar::SavePosition()
{
    if (m_hWnd == NULL)
        return;
    const DWORD dwValue = (GetStyle() & 0xFFFF0000) | (m_dwStyle & 0xFFFF);
    CRect rect;
    CFrameWnd* pDockingFrame = GetDockingFrame();
    if ((dwValue & CBRS_FLOATING) && pDockingFrame != NULL)
    {
        pDockingFrame->GetWindowRect(&rect);
    }
    else
    {
        GetWindowRect(&rect);
        // A bar pushed off the left of the screen comes back at the edge with its width.
        if (rect.left < 0 && rect.right > 100)
        {
            rect.right -= rect.left;
            rect.left = 0;
        }
    }
    m_registry.WriteDWord(m_strKey, dwValue);
    m_registry.WriteRect(m_strKey, rect);
}

BOOL CTavrinToolBar::SetCursor(UINT nID)
{
    const int nIndex = CommandToIndex(nID);
    if (nIndex == -1)
        return FALSE;
    CRect rect;
    GetItemRect(nIndex, &rect);
    CPoint pt((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    ClientToScreen(&pt);
    ::SetCursorPos(pt.x, pt.y);
    return TRUE;
}

BOOL CTavrinToolBar::ReleasePressedButtonWithNoMouse(UINT nID) const
{
    if (CommandToIndex(nID) == -1 || !SendMessage(TB_ISBUTTONPRESSED, nID))
        return TRUE;
    if (HitTestCursor() == static_cast<int>(nID))
        return FALSE;
    SendMessage(TB_PRESSBUTTON, nID, MAKELPARAM(FALSE, 0));
    return TRUE;
}

void CTavrinToolBar::SetCaptionTextColors(COLORREF crNormal, COLORREF crHot, COLORREF crPressed, COLORREF crDisabled)
{
    CSkinToolBar::SetCaptionTextColors(crNormal, crHot, crPressed, crDisabled);
}

int CTavrinToolBar::HitTest(CPoint point) const
{
    return static_cast<int>(OnToolHitTest(point, NULL));
}

int CTavrinToolBar::HitTestCursor() const
{
    CPoint pt;
    ::GetCursorPos(&pt);
    ScreenToClient(&pt);
    return HitTest(pt);
}

BOOL CTavrinToolBar::IsEnabledButton(int nID) const
{
    return nID != -1 && SendMessage(TB_ISBUTTONENABLED, static_cast<WPARAM>(nID)) != 0;
}

void CTavrinToolBar::Notify(UINT message, int nID, LPARAM lParam) const
{
    // Ids go out sign-extended: no button arrives as all bits set.
    if (m_pFrame != NULL && m_pFrame->GetSafeHwnd() != NULL)
        m_pFrame->PostMessage(message, static_cast<WPARAM>(static_cast<INT_PTR>(nID)), lParam);
}

void CTavrinToolBar::TrackLeave(DWORD dwFlags)
{
    TRACKMOUSEEVENT tme = { sizeof(TRACKMOUSEEVENT), dwFlags, m_hWnd, 0 };
    ::TrackMouseEvent(&tme);
}

void CTavrinToolBar::EndPendingPress(int nHitID)
{
    // The press ends away from its button: the button must not stay down.
    SendMessage(TB_PRESSBUTTON, static_cast<WPARAM>(static_cast<INT_PTR>(nHitID)), MAKELPARAM(FALSE, 0));
    Notify(WM_TOOLBARBUTTON_RELEASED, m_nPressedID, 0);
    m_nPressedID = -1;
}

void CTavrinToolBar::OnLButtonDown(UINT nFlags, CPoint point)
{
    CControlBar::OnLButtonDown(nFlags, point);
    const int nID = HitTest(point);
    if (!IsEnabledButton(nID))
        return;
    m_nPressedID = nID;
    Notify(WM_TOOLBARBUTTON_PRESSED, nID, 0);
    TrackLeave(TME_LEAVE);
}

void CTavrinToolBar::OnLButtonUp(UINT, CPoint point)
{
    if (m_nPressedID != -1)
    {
        const int nID = HitTest(point);
        if (IsEnabledButton(nID))
        {
            Notify(WM_TOOLBARBUTTON_RELEASED, nID, nID == m_nPressedID ? 1 : 0);
            TrackLeave(TME_CANCEL);
        }
        m_nPressedID = -1;
    }
    Default();
}

void CTavrinToolBar::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    CControlBar::OnLButtonDblClk(nFlags, point);
    const int nID = HitTest(point);
    if (IsEnabledButton(nID))
        Notify(WM_TOOLBARBUTTON_DBLCLK, nID, 0);
}

void CTavrinToolBar::OnRButtonDown(UINT, CPoint point)
{
    Default();
    m_nPressedID = HitTest(point);
    Notify(WM_TOOLBARBUTTON_RDOWN, m_nPressedID, 0);
    TrackLeave(TME_LEAVE);
}

void CTavrinToolBar::OnRButtonUp(UINT, CPoint point)
{
    Notify(WM_TOOLBARBUTTON_RUP, HitTest(point), 0);
    TrackLeave(TME_CANCEL);
    m_nPressedID = -1;
    Default();
}

void CTavrinToolBar::OnMouseMove(UINT nFlags, CPoint point)
{
    CSkinToolBar::OnMouseMove(nFlags, point);
    const int nID = HitTest(point);
    if (nID != m_nHotID)
    {
        const BOOL bEnabled = CommandToIndex(static_cast<UINT>(nID)) != -1 && IsEnabledButton(nID);
        m_nHotID = nID;
        Notify(WM_TOOLBARBUTTON_HOT, nID, bEnabled ? 1 : 0);
    }
    if (m_nPressedID != -1 && nID != m_nPressedID)
    {
        Notify(WM_TOOLBARBUTTON_RELEASED, m_nPressedID, 0);
        m_nPressedID = -1;
        TrackLeave(TME_CANCEL);
    }
}

void CTavrinToolBar::OnCancelMode()
{
    Default();
    if (m_nPressedID == -1)
        return;
    const int nID = HitTestCursor();
    if (nID != m_nPressedID)
    {
        EndPendingPress(nID);
        TrackLeave(TME_CANCEL);
    }
}

LRESULT CTavrinToolBar::OnMouseLeave(WPARAM wParam, LPARAM lParam)
{
    CSkinToolBar::OnMouseLeave(wParam, lParam);
    if (m_nPressedID != -1)
    {
        const int nID = HitTestCursor();
        if (nID != m_nPressedID)
        {
            EndPendingPress(nID);
            Notify(WM_TOOLBARBUTTON_HOT, 0, 0);
        }
    }
    return 0;
}
