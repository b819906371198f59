#include "xlist_test_helpers.h"

#include "MessagePump.h"
#include "header_test_helpers.h"

namespace zaduv_test
{
BEGIN_MESSAGE_MAP(CNotifyHost, CHostWindow)
    ON_REGISTERED_MESSAGE(WM_XLISTCTRL_CHECKBOX_CLICKED, &CNotifyHost::OnCheckboxClicked)
    ON_REGISTERED_MESSAGE(WM_XLISTCTRL_COMBO_SELECTION, &CNotifyHost::OnComboSelection)
END_MESSAGE_MAP()

LRESULT CNotifyHost::OnCheckboxClicked(WPARAM wParam, LPARAM lParam)
{
    if (m_fnNotify)
        m_fnNotify(WM_XLISTCTRL_CHECKBOX_CLICKED, wParam, lParam);
    return 0;
}

LRESULT CNotifyHost::OnComboSelection(WPARAM wParam, LPARAM lParam)
{
    if (m_fnNotify)
        m_fnNotify(WM_XLISTCTRL_COMBO_SELECTION, wParam, lParam);
    return 0;
}

BOOL CXListHost::Create(const std::vector<SColumn>& columns, BOOL bVisible, DWORD dwListStyle, int cx, int cy)
{
    if (!CreateCrispFont(m_font, 13) || !m_host.CreateHost(cx, cy, WS_POPUP | (bVisible ? WS_VISIBLE : 0)))
        return FALSE;
    if (!m_list.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | dwListStyle, CRect(10, 10, cx - 10, cy - 10), &m_host, 100))
        return FALSE;
    m_list.SetFont(&m_font);
    for (size_t i = 0; i < columns.size(); ++i)
        m_list.InsertColumn(static_cast<int>(i), columns[i].lpszTitle, columns[i].nFormat, columns[i].nWidth);
    PumpPending();
    return TRUE;
}

void ClickAt(CWnd* pWnd, CPoint point)
{
    const LPARAM lParam = MAKELPARAM(point.x, point.y);
    pWnd->PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, lParam);
    pWnd->PostMessage(WM_LBUTTONUP, 0, lParam);
    PumpPending();
}

CPoint CellCenter(CXListCtrl& list, int nItem, int nSubItem)
{
    CRect rect;
    list.GetSubItemRect(nItem, nSubItem, LVIR_BOUNDS, rect);
    return rect.CenterPoint();
}
}
