#ifndef ZADUV_TESTS_IMAGING_PREVIEWHOST_H
#define ZADUV_TESTS_IMAGING_PREVIEWHOST_H
// A modeless dialog whose static is subclassed with a CPreviewCtrl, as a host does it, and a
// probe that lets the tests reach the held picture and the protected painting operations.

#include <afxwin.h>
#include <zaduv.h>

namespace zaduv_test
{
class CPreviewProbe : public CPreviewCtrl
{
public:
    using CPreviewCtrl::m_pImage;
    using CPreviewCtrl::PaintDib;
};

class CPreviewDialog : public CDialog
{
public:
    static const UINT IDC_PREVIEW = 100;

    // The static gets a client area of exactly cx x cy pixels and the dialog's font.
    BOOL CreateHost(int cx, int cy);

    CPreviewProbe m_preview;

protected:
    virtual void OnOK() {}
    virtual void OnCancel() {}
};
}

#endif
