#ifndef ZADUV_XLISTCTRL_XHEADERCTRL_H
#define ZADUV_XLISTCTRL_XHEADERCTRL_H
// CXHeaderCtrl: a header control that paints itself, flicker-free through CMemDC: a flat
// face, a raised frame around the columns, an etched divider between columns and, in each
// column, an image of the header's image list at the left, an optional bitmap at the right and
// the caption centred between them. Image index 0 means no image (a list control keeps a
// column's check box there: 1 unchecked, 2 checked). Owner-drawn columns go to DrawItem,
// which is left empty for derived classes.
//
// Used inside the library; exported because the sorted headers derive from it.

#include <afxwin.h>
#include <afx/HeaderCtrl.h>
#include "foundation/ZaDUVDefs.h"

class ZADUV_API CXHeaderCtrl : public CHeaderCtrl
{
    DECLARE_DYNCREATE(CXHeaderCtrl)
public:
// Construction
    CXHeaderCtrl();
    virtual ~CXHeaderCtrl();

// Attributes
    // The gap kept at both ends of a column's content and between image, caption and bitmap.
    int GetSpacing() const { return m_iSpacing; }

// Operations
    void DoPaint(CDC* pDC);

// Overridables
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
    // Draws image, bitmap and caption into rect, the column already narrowed by the spacing;
    // returns the width of the caption drawn.
    virtual int DrawItemContent(CDC* pDC, CRect rect, LPHDITEM lphdi);

// Implementation
protected:
    // Each returns the width taken, 0 when nothing was drawn.
    int DrawImage(CDC* pDC, CRect rect, LPHDITEM lphdi, BOOL bRight);
    int DrawBitmap(CDC* pDC, CRect rect, LPHDITEM lphdi, CBitmap* pBitmap, BITMAP* pBitmapInfo, BOOL bRight);
    // Returns the caption width clipped to rect, never negative.
    int DrawItemText(CDC* pDC, CRect rect, LPHDITEM lphdi);
    void ReadSysColors();

    BOOL m_bDoubleBuffer;       // paint through an off-screen surface
    int m_iSpacing;
    CSize m_sizeImage;          // image 0 of the header's image list
    BOOL m_bStaticBorder;       // widen the layout by two border widths
    COLORREF m_cr3DHighLight;
    COLORREF m_cr3DShadow;
    COLORREF m_cr3DFace;
    COLORREF m_crBtnText;

    afx_msg LRESULT OnInsertItem(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnDeleteItem(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSetImageList(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnLayout(WPARAM wParam, LPARAM lParam);
    afx_msg void OnPaint();
    afx_msg void OnSysColorChange();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    DECLARE_MESSAGE_MAP()
};

#endif
