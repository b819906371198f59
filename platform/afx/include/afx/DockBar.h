#ifndef AFX_DOCKBAR_H
#define AFX_DOCKBAR_H
// CDockBar: the strip along one side of a frame (or the inside of a floating mini frame) that
// holds docked control bars. Bars are stacked one per row, across the side in the order they
// were docked; each keeps the offset along the side it was dropped at, moved in as far as the
// side needs to show the whole bar.

#include <afx/ControlBar.h>
#include <vector>

class AFX_API CDockBar : public CControlBar
{
    DECLARE_DYNAMIC(CDockBar)
public:
// Construction
    explicit CDockBar(BOOL bFloating = FALSE);
    BOOL Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID);

// Attributes
    BOOL m_bFloating;
    int GetDockedCount() const;
    int GetDockedVisibleCount() const;
    CControlBar* GetDockedControlBar(int nPos) const;

// Operations
    // lpRect (screen) gives the place along the side; NULL puts the bar after the others.
    void DockControlBar(CControlBar* pBar, LPCRECT lpRect = NULL);
    BOOL RemoveControlBar(CControlBar* pBar);

// Overridables
    // Lays the bars out and answers the strip's size; bStretch fills the frame side.
    virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz);
    // The docked bars update themselves; the strip has nothing of its own to update.
    virtual void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler);
    // Commands and notifications of the docked bars go on to the frame.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual ~CDockBar();

// Implementation
public:
    // Sets the bars on their places for a strip of nLength along the side.
    CSize LayoutBars(int nLength, BOOL bMove);

protected:
    struct SDockedBar
    {
        CControlBar* pBar;
        int nOffset;        // from the strip's start along the side, as dropped
    };
    std::vector<SDockedBar> m_bars;

    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);

    DECLARE_MESSAGE_MAP()
};

#endif
