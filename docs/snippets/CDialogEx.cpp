// A print options dialog whose button row fits its translated captions and stays centred when
// a button is hidden; it opens beside the main window's top-right corner.
#include <afxwin.h>
#include <afxtempl.h>
#include <zaduv.h>

#include "resource.h"

class CPrintOptionsDlg : public CDialogEx
{
public:
    CPrintOptionsDlg(BOOL bCanPreview, CWnd* pParent = NULL)
        : CDialogEx(IDD_PRINT_OPTIONS, pParent), m_bCanPreview(bCanPreview) {}

protected:
    BOOL m_bCanPreview;

    virtual BOOL OnInitDialog();
    afx_msg void OnPrintPreview();
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CPrintOptionsDlg, CDialogEx)
    ON_BN_CLICKED(IDC_PRINT_PREVIEW, &CPrintOptionsDlg::OnPrintPreview)
END_MESSAGE_MAP()

BOOL CPrintOptionsDlg::OnInitDialog()
{
    CDialogEx::OnInitDialog();
    GetDlgItem(IDC_PRINT_PREVIEW)->ShowWindow(m_bCanPreview ? SW_SHOW : SW_HIDE);

    // Only visible buttons take part: a hidden one leaves no gap.
    CArray<UINT, UINT> arrButtons;
    arrButtons.Add(IDOK);
    arrButtons.Add(IDC_PRINT_PREVIEW);
    arrButtons.Add(IDCANCEL);
    const int nGap = 8;
    AdjustButtonWidths(arrButtons, nGap);
    CenterControlsHorizontal(arrButtons, nGap);
    CenterControlHorizontal(IDC_PRINT_NOTE);

    if (CWnd* pMain = AfxGetMainWnd())
    {
        CRect rectMain;
        pMain->GetWindowRect(&rectMain);
        MoveTopRightTo(CPoint(rectMain.right, rectMain.top));
    }
    return TRUE;
}

void CPrintOptionsDlg::OnPrintPreview()
{
    EndDialog(IDC_PRINT_PREVIEW);
}
