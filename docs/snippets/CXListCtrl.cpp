// A worklist dialog: studies waiting to be imported, each with a check box, a priority chosen
// from a drop-down and the progress of its transfer.
#include <afxwin.h>
#include <afxcmn.h>
#include <zaduv.h>

#include "resource.h"

class CWorklistDlg : public CDialog
{
public:
    explicit CWorklistDlg(CWnd* pParent = NULL) : CDialog(IDD_WORKLIST, pParent) {}

    // The transfer of a study reports its progress.
    void ShowTransfer(int nItem, int nPercent) { m_list.UpdateProgress(nItem, COL_TRANSFER, nPercent); }

protected:
    enum { COL_IMPORT, COL_PATIENT, COL_PRIORITY, COL_TRANSFER };

    CXListCtrl m_list;
    CImageList m_imagesHeader;

    virtual void DoDataExchange(CDataExchange* pDX);
    virtual BOOL OnInitDialog();
    void AddStudy(int nItem, LPCTSTR lpszPatient, int nPriority, DWORD_PTR dwStudyKey);

    afx_msg LRESULT OnCheckboxClicked(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnComboSelection(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CWorklistDlg, CDialog)
    ON_REGISTERED_MESSAGE(WM_XLISTCTRL_CHECKBOX_CLICKED, &CWorklistDlg::OnCheckboxClicked)
    ON_REGISTERED_MESSAGE(WM_XLISTCTRL_COMBO_SELECTION, &CWorklistDlg::OnComboSelection)
END_MESSAGE_MAP()

void CWorklistDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    // The template's list is in report view; subclassing it attaches its header as well.
    DDX_Control(pDX, IDC_WORKLIST, m_list);
}

BOOL CWorklistDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    // Every column before the first item: an item gets its cells for the columns it finds.
    m_list.InsertColumn(COL_IMPORT, L"", LVCFMT_LEFT, 30);
    m_list.InsertColumn(COL_PATIENT, L"Patient", LVCFMT_LEFT, 140);
    m_list.InsertColumn(COL_PRIORITY, L"Priority", LVCFMT_LEFT, 90);
    m_list.InsertColumn(COL_TRANSFER, L"Transfer", LVCFMT_LEFT, 120);
    m_list.SetEmptyMessageText(L"No studies are waiting.");
    m_list.EnableToolTips(TRUE);

    // A header check box is the header item's image: 1 unchecked, 2 checked.
    m_imagesHeader.Create(IDB_HEADER_CHECKS, 16, 0, RGB(255, 0, 255));
    m_list.GetHeaderCtrl()->SetImageList(&m_imagesHeader);
    HDITEM hdi = {};
    hdi.mask = HDI_FORMAT;
    m_list.GetHeaderCtrl()->GetItem(COL_IMPORT, &hdi);
    hdi.fmt |= HDF_IMAGE;
    m_list.GetHeaderCtrl()->SetItem(COL_IMPORT, &hdi);
    m_list.SetHeaderCheckedState(COL_IMPORT, 1);

    AddStudy(0, L"Keller, Anna", 1, 4711);
    AddStudy(1, L"Brandt, Jonas", 0, 4712);
    m_list.SetEnabled(1, FALSE);    // still arriving: its cells ignore clicks
    return TRUE;
}

void CWorklistDlg::AddStudy(int nItem, LPCTSTR lpszPatient, int nPriority, DWORD_PTR dwStudyKey)
{
    m_list.InsertItem(nItem, L"");
    m_list.SetItemData(nItem, dwStudyKey);
    m_list.SetCheckbox(nItem, COL_IMPORT, 0);
    m_list.SetItemText(nItem, COL_PATIENT, lpszPatient);
    m_list.SetItemToolTipText(nItem, COL_PATIENT, L"Check the name\nbefore importing.");

    CXListComboData priorities;
    priorities.AddItem(L"Routine", 0);
    priorities.AddItem(L"Urgent", 1);
    priorities.AddItem(L"Emergency", 2);
    m_list.SetComboBox(nItem, COL_PRIORITY, TRUE, priorities, 3, nPriority);

    m_list.SetProgress(nItem, COL_TRANSFER, TRUE, L"%d%% received");
}

// wParam is the item, lParam the column; the cell already holds its new state.
LRESULT CWorklistDlg::OnCheckboxClicked(WPARAM wParam, LPARAM lParam)
{
    const int nItem = static_cast<int>(wParam);
    m_list.SetBold(nItem, COL_PATIENT, m_list.GetCheckbox(nItem, static_cast<int>(lParam)) == 1);
    return 0;
}

// The choice is already in the cell; the drop-down closes after this returns.
LRESULT CWorklistDlg::OnComboSelection(WPARAM wParam, LPARAM lParam)
{
    const int nItem = static_cast<int>(wParam);
    const BOOL bEmergency = m_list.GetSelectedComboItemData(nItem, static_cast<int>(lParam)) == 2;
    m_list.SetItemColor(nItem, COL_PATIENT, bEmergency ? RGB(192, 0, 0) : ::GetSysColor(COLOR_WINDOWTEXT),
        ::GetSysColor(COLOR_WINDOW));
    return 0;
}
