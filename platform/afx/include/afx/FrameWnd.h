#ifndef AFX_FRAMEWND_H
#define AFX_FRAMEWND_H
// CFrameWnd: a top-level window that hosts control bars. EnableDocking gives it a dock bar on
// each side asked for; RecalcLayout stacks the dock bars along the client edges (top, bottom,
// left, right) and hands what remains to the pane (AFX_IDW_PANE_FIRST), if there is one.
// Commands reach the frame, then the application. A frame deletes itself once its window is
// gone: create it with new.

#include <afx/Wnd.h>
#include <afx/ControlBar.h>
#include <afx/PtrList.h>

#define AFX_IDW_PANE_FIRST 0xE900

class CDockBar;
class CMiniDockFrameWnd;

class AFX_API CFrameWnd : public CWnd
{
    DECLARE_DYNCREATE(CFrameWnd)
public:
// Construction
    CFrameWnd();
    virtual BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName,
        DWORD dwStyle = WS_OVERLAPPEDWINDOW, const RECT& rect = rectDefault,
        CWnd* pParentWnd = NULL, LPCTSTR lpszMenuName = NULL, DWORD dwExStyle = 0,
        CCreateContext* pContext = NULL);
    // The title is the string resource nIDResource (up to its first '\n'), the menu the menu
    // resource of that id when there is one.
    virtual BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW,
        CWnd* pParentWnd = NULL, CCreateContext* pContext = NULL);

    static const CRect rectDefault;

// Attributes
    CControlBar* GetControlBar(UINT nID);
    BOOL IsFrameWnd() const { return TRUE; }

// Operations
    // Creates the dock bars of the sides in dwDockStyle (CBRS_ALIGN_*).
    void EnableDocking(DWORD dwDockStyle);
    // Docks into the dock bar nDockBarID (AFX_IDW_DOCKBAR_*), or with 0 into the first one
    // the bar's alignment allows; lpRect (screen) places it along the side.
    void DockControlBar(CControlBar* pBar, UINT nDockBarID = 0, LPCRECT lpRect = NULL);
    void DockControlBar(CControlBar* pBar, CDockBar* pDockBar, LPCRECT lpRect = NULL);
    // Puts the bar in its own mini frame at point (screen), laid out as dwStyle aligns it.
    void FloatControlBar(CControlBar* pBar, CPoint point, DWORD dwStyle = CBRS_ALIGN_TOP);
    void ShowControlBar(CControlBar* pBar, BOOL bShow, BOOL bDelay);
    // The side (CBRS_ALIGN_*) whose dock zone rect (screen) falls in, 0 for none.
    DWORD CanDock(CRect rect, DWORD dwDockStyle, CDockBar** ppDockBar = NULL);
    void AddControlBar(CControlBar* pBar);
    void RemoveControlBar(CControlBar* pBar);

// Overridables
    virtual void RecalcLayout(BOOL bNotify = TRUE);
    void DelayRecalcLayout(BOOL bNotify = TRUE);
    virtual CMiniDockFrameWnd* CreateFloatingFrame(DWORD dwStyle);
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);
    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
    virtual void PostNcDestroy();

    virtual ~CFrameWnd();

// Implementation
public:
    CPtrList m_listControlBars;     // every bar whose dock site this frame is
    BOOL m_bInRecalcLayout;
    enum { idleLayout = 0x01 };
    UINT m_nIdleFlags;

protected:
    CDockBar* GetDockBar(UINT nDockBarID) const;

    afx_msg void OnDestroy();       // the floating frames of its bars go with it
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()
};

#endif
