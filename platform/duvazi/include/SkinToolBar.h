#ifndef DUVAZI_SKINTOOLBAR_H
#define DUVAZI_SKINTOOLBAR_H
// CSkinToolBar: the product's toolbar in the flat skin. Through the toolbar's custom drawing
// (NM_CUSTOMDRAW, reflected back from the parent) it fills the button under the pointer and a
// pressed or checked button with the skin's hot and pressed colours, frames them, and writes
// the button captions in the caption text colours. A tool tip shows the part after '\n' of the
// string resource named by the button's command id, as menus and status bars do.
//
// Caption text colours: normal, hot, pressed and disabled. A value with its high byte set
// (0xFFFFFFFF, CLR_DEFAULT) is no colour: the skin's own text colour for that state applies.

#include <DuVaziDefs.h>
#include <SkinStubWnd.h>
#include <afxext.h>

class DUVAZI_API CSkinToolBar : public CToolBar
{
    DECLARE_DYNAMIC(CSkinToolBar)
public:
// Construction
    CSkinToolBar();
    virtual ~CSkinToolBar();

// Attributes
    BOOL IsCustomizing() const { return m_bCustomizing; }
    // The colours painting uses for a state: the caption colour set, or the skin's.
    COLORREF GetTextColor(UINT nItemState) const;
    COLORREF GetFaceColor() const { return m_crFace; }
    COLORREF GetHotColor() const { return m_crHot; }
    COLORREF GetPressedColor() const { return m_crPressed; }
    COLORREF GetBorderColor() const { return m_crBorder; }

// Overridables
    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
protected:
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult);

public:
    virtual void SetCaptionTextColors(COLORREF crNormal, COLORREF crHot, COLORREF crPressed, COLORREF crDisabled);
    virtual void GetCaptionTextColors(COLORREF& crNormal, COLORREF& crHot, COLORREF& crPressed, COLORREF& crDisabled);
    // Sizes the bar to show all its buttons in its orientation, repainting it when asked;
    // nothing happens before the bar has a window.
    virtual void RecalcLayout(BOOL bRepaint);
    // While customizing, every button shows a dotted frame and nothing is hot-tracked.
    virtual void BeginCustomize();
    virtual void EndCustomize();
    // Prepares the skin's colours from the palette of CSkinStubWnd; PreCreateWindow calls it.
    virtual BOOL OnInitSkinBitmapInfos();
    // Custom-draw stages of one button; each sets *pResult to the answer for the control.
    virtual void OnItemPrePaint(CDC* pDC, LPNMTBCUSTOMDRAW lpTBCustomDraw, LRESULT* pResult);
    virtual void OnItemPostPaint(CDC* pDC, LPNMTBCUSTOMDRAW lpTBCustomDraw, LRESULT* pResult);
    virtual LRESULT OnMouseLeave(WPARAM wParam, LPARAM lParam);

// Implementation
protected:
    void TrackMouseLeave();
    void PaintBackground(CDC* pDC, const RECT& rcPaint);
    void FrameItem(CDC* pDC, const CRect& rcItem, COLORREF crFrame, BOOL bDotted);

    enum { captionNormal, captionHot, captionPressed, captionDisabled, captionCount };
    static BOOL PASCAL IsSkinDefault(COLORREF cr) { return (cr & 0xFF000000) != 0; }
    void LoadSkinColors();

    COLORREF m_crCaption[captionCount];     // as given; IsSkinDefault: the skin's colour
    COLORREF m_crFace;
    COLORREF m_crText;
    COLORREF m_crHot;
    COLORREF m_crPressed;
    COLORREF m_crBorder;
    COLORREF m_crDisabledText;
    BOOL m_bCustomizing;
    BOOL m_bTrackingMouse;      // a WM_MOUSELEAVE is requested
    CString m_strTipText;       // the text handed to the last tool-tip request

    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnCustomDraw(NMHDR* pNMHDR, LRESULT* pResult);

    DECLARE_MESSAGE_MAP()
};

#endif
