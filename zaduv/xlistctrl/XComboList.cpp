#include "xlistctrl/XComboList.h"

#include "foundation/RegisteredMessages.h"

BEGIN_MESSAGE_MAP(CXComboList, CWnd)
    ON_WM_LBUTTONDOWN()
    ON_WM_KILLFOCUS()
    ON_WM_CREATE()
    ON_WM_VSCROLL()
    ON_WM_DESTROY()
    ON_WM_TIMER()
END_MESSAGE_MAP()

namespace
{
const UINT_PTR TRACKING_TIMER = 1;
const UINT TRACKING_PERIOD = 80;
const int SCROLLBAR_WIDTH = 11;
}

CXComboList::CXComboList(CWnd* pParent)
    : m_pParent(pParent), m_nCount(0), m_bFirstTime(TRUE)
{
}

CXComboList::~CXComboList()
{
    DestroyWindow();
}

void CXComboList::SetActive()
{
    if (!::IsWindow(m_ListBox.GetSafeHwnd()))
        return;
    m_ListBox.SetFocus();
    if (!m_bFirstTime)
        return;
    m_bFirstTime = FALSE;
    Layout();
    SetTimer(TRACKING_TIMER, TRACKING_PERIOD);
}

// The popup shrinks to whole rows; the list box keeps a one-pixel strip above it and leaves
// room for the scroll bar only when the entries do not fit.
void CXComboList::Layout()
{
    CRect rectWindow;
    GetWindowRect(&rectWindow);
    const int nItemHeight = m_ListBox.GetItemHeight(0);
    if (nItemHeight <= 0)
        return;

    CRect rect;
    GetClientRect(&rect);
    rect.top += 1;
    const int nRows = rectWindow.Height() / nItemHeight;
    rect.bottom = rect.top + nRows * nItemHeight;
    const int nCount = m_ListBox.GetCount();
    const BOOL bScroll = nCount > nRows;
    if (bScroll)
        rect.right -= SCROLLBAR_WIDTH;

    MoveWindow(rectWindow.left, rectWindow.top, rectWindow.Width(), nRows * nItemHeight + 2, TRUE);
    ::SetWindowPos(m_ListBox.GetSafeHwnd(), HWND_TOP, rect.left, rect.top, rect.Width(), nRows * nItemHeight, 0);
    m_wndSBVert.MoveWindow(rect.right, rect.top, bScroll ? SCROLLBAR_WIDTH : 0, nRows * nItemHeight, TRUE);

    SCROLLINFO si = {};
    si.cbSize = sizeof(si);
    m_wndSBVert.GetScrollInfo(&si, SIF_ALL);
    const int nSel = m_ListBox.GetCurSel();
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    si.nMin = 0;
    si.nMax = nCount < 0 ? 1 : nCount;
    si.nPage = static_cast<UINT>(nRows);
    si.nPos = nSel < 0 ? 0 : nSel;
    m_ListBox.SetTopIndex(nSel > 0 ? nSel - 1 : 0);
    m_wndSBVert.SetScrollInfo(&si, TRUE);
    m_wndSBVert.SetScrollPos(si.nPos, TRUE);
    m_wndSBVert.ShowWindow(bScroll ? SW_SHOW : SW_HIDE);
}

BOOL CXComboList::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KEYDOWN)
    {
        SCROLLINFO si = {};
        si.cbSize = sizeof(si);
        m_wndSBVert.GetScrollInfo(&si, SIF_ALL);
        const UINT nKey = static_cast<UINT>(pMsg->wParam);
        int nPos = 0;
        if (nKey == VK_RETURN)
            SendToParent(WM_XCOMBOLIST_VK_RETURN);
        else if (nKey == VK_ESCAPE)
            SendToParent(WM_XCOMBOLIST_VK_ESCAPE);
        else if (PositionForKey(nKey, si, nPos))
        {
            SendToParent(WM_XCOMBOLIST_KEYDOWN);
            SetLimitedScrollPos(nPos, si);
        }
    }
    else if (pMsg->message == WM_LBUTTONUP)
    {
        SendToParent(WM_XCOMBOLIST_LBUTTONUP);
    }
    return CWnd::PreTranslateMessage(pMsg);
}

BOOL CXComboList::PositionForKey(UINT nKey, const SCROLLINFO& si, int& nPos)
{
    const BOOL bListBox = ::IsWindow(m_ListBox.GetSafeHwnd());
    int nCur = bListBox ? m_ListBox.GetCurSel() : 0;
    if (nCur < 0)
        nCur = 0;
    const int nPage = static_cast<int>(si.nPage);
    switch (nKey)
    {
    case VK_PRIOR: nPos = nCur - nPage + 1; return TRUE;
    case VK_NEXT: nPos = nCur + nPage - 1; return TRUE;
    case VK_END: nPos = si.nMax; return TRUE;
    case VK_HOME: nPos = 0; return TRUE;
    case VK_UP: nPos = nCur - 1; return TRUE;
    case VK_DOWN: nPos = nCur + 1; return TRUE;
    default: break;
    }
    if (nKey < 'A' || nKey > 'Z')
        return FALSE;
    if (!bListBox)
    {
        nPos = 0;
        return TRUE;
    }
    const TCHAR szLetter[2] = { static_cast<TCHAR>(nKey), 0 };
    const int nFound = m_ListBox.FindString(nCur, szLetter);
    if (nFound == LB_ERR)
        return FALSE;
    nPos = nFound;
    return TRUE;
}

void CXComboList::SetLimitedScrollPos(int nPos, const SCROLLINFO& si)
{
    if (nPos < 0)
        nPos = 0;
    if (nPos > si.nMax)
        nPos = si.nMax;
    m_wndSBVert.SetScrollPos(nPos, TRUE);
}

CScrollBar* CXComboList::GetScrollBar(int) const
{
    return const_cast<CScrollBar*>(&m_wndSBVert);
}

void CXComboList::SendToParent(UINT message)
{
    if (m_pParent != NULL)
        ::SendMessageW(m_pParent->GetSafeHwnd(), message, 0, 0);
}

// Handlers

int CXComboList::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    const CRect rectEmpty(0, 0, 0, 0);
    m_ListBox.Create(WS_CHILD | WS_VISIBLE | LBS_NOINTEGRALHEIGHT, rectEmpty, this, 0);
    m_wndSBVert.Create(WS_CHILD | WS_VISIBLE | SBS_VERT, rectEmpty, this, 0);
    CWnd* pOwner = GetParent();
    if (pOwner != NULL)
    {
        if (CFont* pFont = pOwner->GetFont())
        {
            m_ListBox.SetFont(pFont, FALSE);
            m_wndSBVert.SetFont(pFont, FALSE);
        }
    }
    return 0;
}

void CXComboList::OnTimer(UINT_PTR)
{
    if (!::IsWindow(m_ListBox.GetSafeHwnd()))
        return;
    CPoint point;
    ::GetCursorPos(&point);
    ScreenToClient(&point);
    BOOL bOutside = TRUE;
    const int nItem = static_cast<int>(m_ListBox.ItemFromPoint(point, bOutside));
    if (bOutside)
        return;
    if (nItem != m_ListBox.GetCurSel() && nItem >= 0 && nItem < m_ListBox.GetCount())
        m_ListBox.SetCurSel(nItem);
}

void CXComboList::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar*)
{
    if (!::IsWindow(m_ListBox.GetSafeHwnd()))
        return;
    const MSG* pMsg = GetCurrentMessage();
    m_ListBox.SendMessage(WM_VSCROLL, pMsg->wParam, pMsg->lParam);

    SCROLLINFO si = {};
    si.cbSize = sizeof(si);
    m_wndSBVert.GetScrollInfo(&si, SIF_ALL);
    int nNewPos = si.nPos;
    switch (nSBCode)
    {
    case SB_LINEUP: nNewPos = si.nPos - 1; break;
    case SB_LINEDOWN: nNewPos = si.nPos + 1; break;
    case SB_PAGEUP: nNewPos = si.nPos - static_cast<int>(si.nPage); break;
    case SB_PAGEDOWN: nNewPos = si.nPos + static_cast<int>(si.nPage); break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: nNewPos = static_cast<int>(nPos); break;
    case SB_TOP: nNewPos = 0; break;
    case SB_BOTTOM: nNewPos = si.nMax; break;
    case SB_ENDSCROLL: return;
    default: break;
    }
    SetLimitedScrollPos(nNewPos, si);
}

// Only the strip above the list box reaches the popup itself.
void CXComboList::OnLButtonDown(UINT nFlags, CPoint point)
{
    SendToParent(WM_XCOMBOLIST_LBUTTONUP);
    CWnd::OnLButtonDown(nFlags, point);
}

void CXComboList::OnKillFocus(CWnd* pNewWnd)
{
    CWnd::OnKillFocus(pNewWnd);
    ++m_nCount;
    if (m_nCount > 2)
        SendToParent(WM_XCOMBOLIST_VK_ESCAPE);
}

void CXComboList::OnDestroy()
{
    KillTimer(TRACKING_TIMER);
    if (::IsWindow(m_ListBox.GetSafeHwnd()))
        m_ListBox.DestroyWindow();
    CWnd::OnDestroy();
}
