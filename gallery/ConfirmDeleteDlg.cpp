#include "ConfirmDeleteDlg.h"

#include "GalleryResource.h"

CConfirmDeleteDlg::CConfirmDeleteDlg(CWnd* pParentWnd)
    : CDlgDefaultButton(IDD_CONFIRM_DELETE, IDCANCEL, pParentWnd)
{
}

BOOL CConfirmDeleteDlg::OnInitDialog()
{
    CDlgDefaultButton::OnInitDialog();
    SendDlgItemMessage(IDC_CONFIRM_ICON, STM_SETICON, reinterpret_cast<WPARAM>(::LoadIconW(NULL, IDI_WARNING)), 0);
    return TRUE;
}
