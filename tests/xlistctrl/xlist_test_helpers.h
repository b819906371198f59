#ifndef ZADUV_TESTS_XLISTCTRL_XLIST_TEST_HELPERS_H
#define ZADUV_TESTS_XLISTCTRL_XLIST_TEST_HELPERS_H
// Helpers of the extended list tests:
//   CProbeXList   CXListCtrl with its protected state readable and its hooks counted
//   CXListHost    a host window with a CXListCtrl child in report view, columns inserted,
//                 in a crisp font, optionally hidden (the model test never paints)
//   ClickAt       a press and release at a client point, through the queue and the pump

#include <afxwin.h>
#include <gtest/gtest.h>
#include <zaduv.h>
#include <xlistctrl/XComboList.h>

#include "HostWindow.h"

#include <functional>
#include <vector>

namespace zaduv_test
{
class CProbeXList : public CXListCtrl
{
public:
    using CXListCtrl::GetCell;
    using CXListCtrl::m_pComboList;

    // Each committed choice as (item, column, selection), in order.
    std::vector<std::vector<int>> m_changes;

    virtual void ComboboxItemChanged(int nItem, int nSubItem, int nComboSel)
    {
        m_changes.push_back({ nItem, nSubItem, nComboSel });
    }
};

struct SColumn
{
    LPCTSTR lpszTitle;
    int nFormat;
    int nWidth;
};

// A host window that hands the list's two registered messages to a test's function.
class CNotifyHost : public CHostWindow
{
public:
    std::function<void(UINT, WPARAM, LPARAM)> m_fnNotify;

protected:
    afx_msg LRESULT OnCheckboxClicked(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnComboSelection(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};

class CXListHost
{
public:
    // The list fills the host's client area but for a margin of 10 pixels.
    BOOL Create(const std::vector<SColumn>& columns, BOOL bVisible = TRUE,
        DWORD dwListStyle = LVS_REPORT | LVS_SHOWSELALWAYS, int cx = 420, int cy = 220);

    CNotifyHost m_host;
    CProbeXList m_list;
    CFont m_font;
};

// Posts WM_LBUTTONDOWN and WM_LBUTTONUP at a client point of the window and pumps them.
void ClickAt(CWnd* pWnd, CPoint point);
// The centre of a cell in client coordinates.
CPoint CellCenter(CXListCtrl& list, int nItem, int nSubItem);
}

#endif
