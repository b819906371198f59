// A delete confirmation that puts the pointer on the harmless choice, or on Delete when the
// study is safely archived.
#include <afxwin.h>
#include <zaduv.h>

#include "resource.h"

class CConfirmDeleteDlg : public CDlgDefaultButton
{
public:
    CConfirmDeleteDlg(BOOL bArchived, CWnd* pParent = NULL)
        : CDlgDefaultButton(IDD_CONFIRM_DELETE, IDC_KEEP, pParent), m_bArchived(bArchived) {}

protected:
    BOOL m_bArchived;

    virtual BOOL OnInitDialog()
    {
        CDlgDefaultButton::OnInitDialog();
        // The pointer moves when the dialog is shown, after this returns.
        if (m_bArchived)
            SetDefaultButton(IDC_DELETE);
        return TRUE;
    }

    afx_msg void OnKeep() { EndDialog(IDC_KEEP); }
    afx_msg void OnDelete() { EndDialog(IDC_DELETE); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CConfirmDeleteDlg, CDlgDefaultButton)
    ON_BN_CLICKED(IDC_KEEP, &CConfirmDeleteDlg::OnKeep)
    ON_BN_CLICKED(IDC_DELETE, &CConfirmDeleteDlg::OnDelete)
END_MESSAGE_MAP()
