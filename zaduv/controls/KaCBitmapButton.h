#ifndef ZADUV_CONTROLS_KACBITMAPBUTTON_H
#define ZADUV_CONTROLS_KACBITMAPBUTTON_H
// KaCBitmapButton: an owner-drawn push button showing one of four bitmaps of the host's,
// centred on a push-button frame: normal, disabled, pressed or checked. The check state is set
// with the button's set-check message, which makes it usable as a toggle.

#include <afxwin.h>
#include "foundation/ZaDUVDefs.h"

class ZADUV_API KaCBitmapButton : public CButton
{
public:
// Construction
    KaCBitmapButton();
    virtual ~KaCBitmapButton();

// Operations
    // Ids of the host's bitmaps; 0 for the last three stands for nIDNormal. A bitmap that is
    // not found leaves its state drawing the frame only. Makes the button owner-drawn.
    void LoadBitmaps(UINT nIDNormal, UINT nIDDisabled, UINT nIDPressed, UINT nIDChecked);

// Implementation
protected:
    enum { BMP_NORMAL, BMP_DISABLED, BMP_PRESSED, BMP_CHECKED, BMP_COUNT };

    CBitmap m_aBitmaps[BMP_COUNT];
    bool m_bChecked;

    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
    virtual LRESULT OnSetCheck(WPARAM wParam, LPARAM lParam);

    void DrawBitmapCentred(CDC* pDC, CBitmap& bitmap, const CRect& rect, CPoint ptOffset);

    DECLARE_MESSAGE_MAP()
};

#endif
