#ifndef ZADUV_GALLERY_CONFIRMDELETEDLG_H
#define ZADUV_GALLERY_CONFIRMDELETEDLG_H
// CConfirmDeleteDlg: asks before a study leaves the workstation. The safe answer, Keep, is the
// default button, and the pointer is put on it whenever the dialog appears.

#include <afxwin.h>
#include <zaduv.h>

class CConfirmDeleteDlg : public CDlgDefaultButton
{
public:
// Construction
    explicit CConfirmDeleteDlg(CWnd* pParentWnd = NULL);

// Overridables
    virtual BOOL OnInitDialog();
};

#endif
