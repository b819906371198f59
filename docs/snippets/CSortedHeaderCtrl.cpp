// A plain list of studies whose header shows the sort column and direction. The dialog sorts;
// the header only shows what it is told.
#include <afxwin.h>
#include <afxcmn.h>
#include <zaduv.h>

#include "resource.h"

class CStudiesDlg : public CDialog
{
public:
    explicit CStudiesDlg(CWnd* pParent = NULL) : CDialog(IDD_STUDIES, pParent) {}

protected:
    // A framework window: the header's draw requests for its sort column come back through it.
    CListCtrl m_listStudies;
    CSortedHeaderCtrl m_header;

    virtual BOOL OnInitDialog()
    {
        CDialog::OnInitDialog();
        m_listStudies.SubclassDlgItem(IDC_STUDIES, this);
        m_listStudies.InsertColumn(0, L"Study", LVCFMT_LEFT, 180);
        m_listStudies.InsertColumn(1, L"Images", LVCFMT_RIGHT, 70);
        m_header.SubclassWindow(m_listStudies.GetHeaderCtrl()->GetSafeHwnd());
        const struct { LPCTSTR lpszStudy; LPCTSTR lpszImages; int nImages; } studies[] = {
            { L"Thorax with contrast", L"612", 612 },
            { L"Knee left", L"380", 380 },
        };
        for (int nItem = 0; nItem < static_cast<int>(_countof(studies)); ++nItem)
        {
            m_listStudies.InsertItem(nItem, studies[nItem].lpszStudy);
            m_listStudies.SetItemText(nItem, 1, studies[nItem].lpszImages);
            m_listStudies.SetItemData(nItem, studies[nItem].nImages);
        }
        return TRUE;
    }

    // Item data is the image count; every column sorts by it here.
    static int CALLBACK CompareStudies(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort)
    {
        const int nOrder = lParam1 < lParam2 ? -1 : (lParam1 > lParam2 ? 1 : 0);
        return lParamSort != 0 ? nOrder : -nOrder;
    }

    afx_msg void OnColumnClick(NMHDR* pNMHDR, LRESULT* pResult)
    {
        const int nColumn = reinterpret_cast<NMLISTVIEW*>(pNMHDR)->iSubItem;
        // The same column again turns the direction round; another one starts ascending.
        const BOOL bAscending = nColumn == m_header.GetSortedColumn() ? !m_header.IsAscSorted() : TRUE;
        m_listStudies.SortItems(&CStudiesDlg::CompareStudies, bAscending);
        m_header.SetSortImage(nColumn, bAscending);
        *pResult = 0;
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CStudiesDlg, CDialog)
    ON_NOTIFY(LVN_COLUMNCLICK, IDC_STUDIES, &CStudiesDlg::OnColumnClick)
END_MESSAGE_MAP()
