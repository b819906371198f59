// An about box with two links: the product's home page, taken from the static's own text,
// and a support address given as the target.
#include <afxwin.h>
#include <zaduv.h>

#include "resource.h"

class CAboutDlg : public CDialog
{
public:
    explicit CAboutDlg(CWnd* pParent = NULL)
        : CDialog(IDD_ABOUT, pParent), m_linkSupport(L"mailto:support@example.org") {}

protected:
    CStaticLink m_linkHome;         // no target: the first click opens the window text
    CStaticLink m_linkSupport;

    virtual void DoDataExchange(CDataExchange* pDX)
    {
        CDialog::DoDataExchange(pDX);
        // Plain text statics with their own ids; an image static would open its target but
        // would not be drawn as a link.
        DDX_Control(pDX, IDC_HOMEPAGE, m_linkHome);
        DDX_Control(pDX, IDC_SUPPORT_MAIL, m_linkSupport);
    }
};
