#ifndef ZADUV_IMAGING_PREVIEWCTRL_H
#define ZADUV_IMAGING_PREVIEWCTRL_H
// CPreviewCtrl: a static control that shows one picture file, shrunk to fit and centred, or a
// short text when it has none. It paints whenever the static asks its parent for colours.
// The host keeps GDI+ started while the control holds a picture.

#include <afxwin.h>
#include "foundation/ZaDUVDefs.h"

namespace Gdiplus
{
class GpBitmap;
}

class ZADUV_API CPreviewCtrl : public CStatic
{
public:
// Construction
    CPreviewCtrl();
    virtual ~CPreviewCtrl();

// Attributes
    int IsValidDib() const;
    // Shown at the next paint; does not repaint by itself.
    void SetNoImageText(LPCTSTR lpszText);

// Operations
    // Any file GDI+ decodes, held as a 32-bit ARGB copy so the file is free again on return.
    // A missing path or a folder changes nothing; any other failure leaves no picture.
    int LoadDib(LPCTSTR lpszPath);
    void RemoveDib();
    void UpdateDib();

// Implementation
protected:
    Gdiplus::GpBitmap* m_pImage;    // owned; NULL when there is no picture
    CString m_strNoImageText;

    void PaintDib(int bDraw);
    void ClearDib();
    void DestroyImage();
    void CopyDecodedImage(Gdiplus::GpBitmap* pDecoded);
    void DrawImage(CDC* pDC, const CRect& rectInner);
    void DrawNoImageText(CDC* pDC, const CRect& rectInner);

    afx_msg HBRUSH CtlColor(CDC* pDC, UINT nCtlColor);
    DECLARE_MESSAGE_MAP()
};

#endif
