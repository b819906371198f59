// A viewer's zoom tool as a toggle button drawn from four of the host's bitmaps.
#include <afxwin.h>
#include <zaduv.h>

#include "resource.h"

class CViewerToolsDlg : public CDialog
{
public:
    explicit CViewerToolsDlg(CWnd* pParent = NULL) : CDialog(IDD_VIEWER_TOOLS, pParent), m_bZoom(FALSE) {}

protected:
    KaCBitmapButton m_btnZoom;
    BOOL m_bZoom;

    virtual BOOL OnInitDialog()
    {
        CDialog::OnInitDialog();
        m_btnZoom.SubclassDlgItem(IDC_ZOOM, this);
        // Normal, disabled, pressed, checked; 0 for any of the last three reuses the normal one.
        m_btnZoom.LoadBitmaps(IDB_ZOOM_NORMAL, IDB_ZOOM_DISABLED, IDB_ZOOM_PRESSED, IDB_ZOOM_CHECKED);
        return TRUE;
    }

    // A click does not check the button: the host decides and sets the check state.
    afx_msg void OnZoom()
    {
        m_bZoom = !m_bZoom;
        m_btnZoom.SetCheck(m_bZoom ? BST_CHECKED : BST_UNCHECKED);
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CViewerToolsDlg, CDialog)
    ON_BN_CLICKED(IDC_ZOOM, &CViewerToolsDlg::OnZoom)
END_MESSAGE_MAP()
