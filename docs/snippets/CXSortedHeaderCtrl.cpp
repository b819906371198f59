// A report list that sorts by the column the user clicks. CXListCtrl already has a
// CXSortedHeaderCtrl as its header; a derived class tells it the sort column.
#include <afxwin.h>
#include <afxcmn.h>
#include <zaduv.h>

#include "resource.h"

class CReportList : public CXListCtrl
{
public:
    void ShowSortColumn(int nColumn, BOOL bAscending) { m_HeaderCtrl.SetSortImage(nColumn, bAscending); }
};

class CReportsDlg : public CDialog
{
public:
    explicit CReportsDlg(CWnd* pParent = NULL)
        : CDialog(IDD_REPORTS, pParent), m_nSortColumn(-1), m_bSortAscending(TRUE) {}

protected:
    CReportList m_list;
    int m_nSortColumn;
    BOOL m_bSortAscending;

    virtual void DoDataExchange(CDataExchange* pDX)
    {
        CDialog::DoDataExchange(pDX);
        DDX_Control(pDX, IDC_REPORTS, m_list);
    }

    virtual BOOL OnInitDialog()
    {
        CDialog::OnInitDialog();
        m_list.InsertColumn(0, L"Report", LVCFMT_LEFT, 160);
        m_list.InsertColumn(1, L"Date", LVCFMT_LEFT, 90);
        const struct { LPCTSTR lpszTitle; LPCTSTR lpszDate; DWORD_PTR dwDate; } reports[] = {
            { L"Thorax follow-up", L"2026-03-02", 20260302 },
            { L"Knee MR", L"2025-11-17", 20251117 },
        };
        for (int nItem = 0; nItem < static_cast<int>(_countof(reports)); ++nItem)
        {
            m_list.InsertItem(nItem, reports[nItem].lpszTitle);
            m_list.SetItemText(nItem, 1, reports[nItem].lpszDate);
            m_list.SetItemData(nItem, reports[nItem].dwDate);
        }
        return TRUE;
    }

    // Item data is the report's date as yyyymmdd; every column sorts by it here.
    static int CALLBACK CompareReports(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort)
    {
        const int nOrder = lParam1 < lParam2 ? -1 : (lParam1 > lParam2 ? 1 : 0);
        return lParamSort != 0 ? nOrder : -nOrder;
    }

    // The list passes the column click on to its parent.
    afx_msg void OnColumnClick(NMHDR* pNMHDR, LRESULT* pResult)
    {
        const int nColumn = reinterpret_cast<NMLISTVIEW*>(pNMHDR)->iSubItem;
        m_bSortAscending = nColumn == m_nSortColumn ? !m_bSortAscending : TRUE;
        m_nSortColumn = nColumn;
        m_list.SortItems(&CReportsDlg::CompareReports, m_bSortAscending);
        m_list.ShowSortColumn(m_nSortColumn, m_bSortAscending);
        *pResult = 0;
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CReportsDlg, CDialog)
    ON_NOTIFY(LVN_COLUMNCLICK, IDC_REPORTS, &CReportsDlg::OnColumnClick)
END_MESSAGE_MAP()
