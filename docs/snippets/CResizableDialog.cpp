// A study export dialog the user can enlarge: the series list grows with it, the target path
// stretches along the bottom, the buttons stay in the bottom-right corner. Its placement is
// kept from one run to the next.
#include <afxwin.h>
#include <zaduv.h>

#include "resource.h"

class CStudyExportDlg : public CResizableDialog
{
public:
    explicit CStudyExportDlg(CWnd* pParent = NULL) : CResizableDialog(IDD_STUDY_EXPORT, pParent) {}

protected:
    virtual BOOL OnInitDialog();
    afx_msg void OnBrowse();
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CStudyExportDlg, CResizableDialog)
    ON_BN_CLICKED(IDC_BROWSE, &CStudyExportDlg::OnBrowse)
END_MESSAGE_MAP()

BOOL CStudyExportDlg::OnInitDialog()
{
    // The base makes the template's size the smallest the user can drag it to.
    CResizableDialog::OnInitDialog();

    // Anchors in percent of the client area: where the top-left and the bottom-right corners
    // are tied. The margins are measured now, from the template's layout.
    AddAnchor(IDC_SERIES_LIST, CSize(0, 0), CSize(100, 100));
    AddAnchorWithLabel(IDC_TARGET, CSize(0, 100), CSize(100, 100));
    AddAnchor(IDC_BROWSE, CSize(100, 100));     // ANCHOR_NONE: moves, keeps its size
    AddAnchor(IDOK, CSize(100, 100));
    AddAnchor(IDCANCEL, CSize(100, 100));
    SetMaxTrackSize(CSize(1600, 1200));

    // Restores the placement stored in the application's profile; saved again on closing.
    EnableSaveRestore(L"Dialogs", L"StudyExport");
    return TRUE;
}

void CStudyExportDlg::OnBrowse()
{
    SetDlgItemText(IDC_TARGET, L"\\\\archive\\exports");
}
