// A level gauge painted without flicker: everything goes into an off-screen bitmap the size
// of the area being repainted, which reaches the window in one block transfer.
#include <afxwin.h>
#include <zaduv.h>

class CLevelGauge : public CWnd
{
public:
    CLevelGauge() : m_nPercent(0) {}

    void SetLevel(int nPercent)
    {
        m_nPercent = nPercent;
        Invalidate(FALSE);
    }

protected:
    int m_nPercent;

    afx_msg BOOL OnEraseBkgnd(CDC*) { return TRUE; }   // the paint covers every pixel

    afx_msg void OnPaint()
    {
        CPaintDC dc(this);
        // Declared after the paint context, so it is copied back before that context ends.
        CMemDC memDC(&dc);
        CRect rect;
        GetClientRect(&rect);
        // The bitmap starts undefined: fill all of it before drawing on it.
        memDC.FillSolidRect(&rect, ::GetSysColor(COLOR_WINDOW));
        CRect rectLevel(rect);
        rectLevel.right = rect.left + rect.Width() * m_nPercent / 100;
        memDC.FillSolidRect(&rectLevel, ::GetSysColor(COLOR_HIGHLIGHT));
        memDC.DrawEdge(&rect, EDGE_SUNKEN, BF_RECT);
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CLevelGauge, CWnd)
    ON_WM_ERASEBKGND()
    ON_WM_PAINT()
END_MESSAGE_MAP()
