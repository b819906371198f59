#ifndef ZADUV_GALLERY_FADERVIEW_H
#define ZADUV_GALLERY_FADERVIEW_H
// CFaderView: a child window that shows a CBitmapFader, as a viewer shows a series' thumbnail:
// the two axial slices cross-fade on every click. It forwards the fader's timer and paints its
// layers through GDI+ into a memory bitmap.

#include <afxwin.h>
#include <zaduv.h>

#include <memory>

class CFaderView : public CWnd
{
public:
// Construction
    CFaderView();
    virtual ~CFaderView();
    BOOL Create(CWnd* pParentWnd, const CRect& rect, UINT nID);

// Operations
    // The first slice shown, a fade to the second started and advanced by nTicks steps at once,
    // with no timer left running: the picture of a known moment of the fade.
    void ShowFadeAfter(int nTicks);

// Implementation
protected:
    std::unique_ptr<CBitmapFader> m_pFader;
    UINT m_nShownId;

    void PaintLayers(CDC* pDC, const CRect& rect);

    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnPaint();
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()
};

#endif
