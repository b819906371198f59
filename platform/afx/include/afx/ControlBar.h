#ifndef AFX_CONTROLBAR_H
#define AFX_CONTROLBAR_H
// CControlBar: the base of bars that sit along a frame's edge (toolbars, status bars). The bar
// keeps its own styles (CBRS_*) in m_dwStyle, apart from the window style whose low word belongs
// to the control; the borders they ask for take the non-client area: an etched edge on each
// CBRS_BORDER_* side, the inner margins given to SetBorders, and a gripper with CBRS_GRIPPER.
// Docking is driven by the frame window (CFrameWnd); a bar that may dock drags itself by a press
// outside its items (the gripper, its margins) through its dock context.

#include <afx/Wnd.h>

// Control-bar styles, kept in CControlBar::m_dwStyle.
#define CBRS_ALIGN_LEFT     0x1000L
#define CBRS_ALIGN_TOP      0x2000L
#define CBRS_ALIGN_RIGHT    0x4000L
#define CBRS_ALIGN_BOTTOM   0x8000L
#define CBRS_ALIGN_ANY      0xF000L

#define CBRS_BORDER_LEFT    0x0100L
#define CBRS_BORDER_TOP     0x0200L
#define CBRS_BORDER_RIGHT   0x0400L
#define CBRS_BORDER_BOTTOM  0x0800L
#define CBRS_BORDER_ANY     0x0F00L

#define CBRS_TOOLTIPS       0x0010L
#define CBRS_FLYBY          0x0020L
#define CBRS_FLOAT_MULTI    0x0040L
#define CBRS_BORDER_3D      0x0080L
#define CBRS_HIDE_INPLACE   0x0008L
#define CBRS_SIZE_DYNAMIC   0x0004L
#define CBRS_SIZE_FIXED     0x0002L
#define CBRS_FLOATING       0x0001L

#define CBRS_GRIPPER        0x00400000L

#define CBRS_ORIENT_HORZ    (CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM)
#define CBRS_ORIENT_VERT    (CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT)
#define CBRS_ORIENT_ANY     (CBRS_ORIENT_HORZ | CBRS_ORIENT_VERT)

#define CBRS_ALL            0x0040FFFFL

#define CBRS_NOALIGN        0x00000000L
#define CBRS_LEFT           (CBRS_ALIGN_LEFT | CBRS_BORDER_RIGHT)
#define CBRS_TOP            (CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM)
#define CBRS_RIGHT          (CBRS_ALIGN_RIGHT | CBRS_BORDER_LEFT)
#define CBRS_BOTTOM         (CBRS_ALIGN_BOTTOM | CBRS_BORDER_TOP)

// Ids of the frame's standard bars.
#define AFX_IDW_CONTROLBAR_FIRST    0xE800
#define AFX_IDW_CONTROLBAR_LAST     0xE8FF
#define AFX_IDW_TOOLBAR             0xE800
#define AFX_IDW_STATUS_BAR          0xE801
#define AFX_IDW_PREVIEW_BAR         0xE802
#define AFX_IDW_RESIZE_BAR          0xE803
#define AFX_IDW_REBAR               0xE804
#define AFX_IDW_DIALOGBAR           0xE805
#define AFX_IDW_DOCKBAR_TOP         0xE81B
#define AFX_IDW_DOCKBAR_LEFT        0xE81C
#define AFX_IDW_DOCKBAR_RIGHT       0xE81D
#define AFX_IDW_DOCKBAR_BOTTOM      0xE81E
#define AFX_IDW_DOCKBAR_FLOAT       0xE81F

// The command id of a separator in a bar's id list.
#ifndef ID_SEPARATOR
#define ID_SEPARATOR 0
#endif

class CFrameWnd;
class CDockBar;
class CDockContext;

class AFX_API CControlBar : public CWnd
{
    DECLARE_DYNAMIC(CControlBar)
protected:
// Construction
    CControlBar();

public:
// Attributes
    // Inner margins, given for a horizontal bar; a vertical bar turns them with itself.
    void SetBorders(int cxLeft = 0, int cyTop = 0, int cxRight = 0, int cyBottom = 0);
    void SetBorders(LPCRECT lpRect);
    CRect GetBorders() const;

    DWORD GetBarStyle();
    void SetBarStyle(DWORD dwStyle);    // only the CBRS_* bits are kept
    // Sides (CBRS_ALIGN_*) the bar may dock to, and CBRS_FLOAT_MULTI.
    void EnableDocking(DWORD dwDockStyle);
    BOOL IsFloating() const;
    BOOL IsHorz() const;                // lies along a top or bottom edge (or has no alignment)
    // The frame the bar sits in: the dock site when docked, its mini frame when floating.
    CFrameWnd* GetDockingFrame() const;

// Overridables
    // The bar's size: bStretch asks for the full length of the frame side, bHorz for the
    // horizontal layout. The base answers the borders alone.
    virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz);
    // Shrinks a window rectangle to the part inside the borders (edges, margins, gripper).
    virtual void CalcInsideRect(CRect& rect, BOOL bHorz) const;
    virtual void DrawBorders(CDC* pDC, CRect& rect);
    virtual void DrawGripper(CDC* pDC, const CRect& rect);
    virtual void OnBarStyleChange(DWORD dwOldStyle, DWORD dwNewStyle);
    // Runs the update handlers of pTarget for the bar's items. The target is the bar's owner
    // window (this layer has no frame class; the pointer only carries the owner through). The
    // base updates the bar's child controls.
    virtual void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler);

    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
    virtual void PostNcDestroy();       // deletes the object when m_bAutoDelete is set

    virtual ~CControlBar();

// Implementation
public:
    int m_cxLeftBorder, m_cxRightBorder;
    int m_cyTopBorder, m_cyBottomBorder;
    int m_cxDefaultGap;         // gap between docked bars
    BOOL m_bAutoDelete;         // delete this object when its window is destroyed
    DWORD m_dwStyle;            // CBRS_* styles
    DWORD m_dwDockStyle;        // sides given to EnableDocking
    CFrameWnd* m_pDockSite;     // frame the bar docks in, NULL until docked
    CDockBar* m_pDockBar;       // dock bar holding the bar, NULL until docked
    CDockContext* m_pDockContext;   // drag state while docking, NULL until docking starts

    enum { cxEdge = 2, cxGripper = 7 };   // etched edge and gripper band, in pixels

protected:
    BOOL IsDragPoint(CPoint point) const;   // docked or floating, and no item under the point

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg LRESULT OnNcHitTest(CPoint point);
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg void OnNcPaint();
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);     // outside an item: drags the bar
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);   // outside an item: floats or docks it
    afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()
};

#endif
