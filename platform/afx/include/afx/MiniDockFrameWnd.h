#ifndef AFX_MINIDOCKFRAMEWND_H
#define AFX_MINIDOCKFRAMEWND_H
// CMiniDockFrameWnd: the small frame of a floating control bar. It holds a floating dock bar,
// fits itself round it, takes the bar's text as its caption, and drags the bar (to dock it
// again) when the user drags its caption; its close button hides the bar.

#include <afx/MiniFrameWnd.h>
#include <afx/DockBar.h>

class AFX_API CMiniDockFrameWnd : public CMiniFrameWnd
{
    DECLARE_DYNCREATE(CMiniDockFrameWnd)
public:
// Construction
    CMiniDockFrameWnd();
    virtual BOOL Create(CWnd* pParent, DWORD dwBarStyle);

// Overridables
    virtual void RecalcLayout(BOOL bNotify = TRUE);
    virtual ~CMiniDockFrameWnd();

// Implementation
public:
    CDockBar m_wndDockBar;

protected:
    CControlBar* GetFloatingBar() const;

    afx_msg void OnClose();
    afx_msg void OnNcLButtonDown(UINT nHitTest, CPoint point);
    afx_msg void OnNcLButtonDblClk(UINT nHitTest, CPoint point);

    DECLARE_MESSAGE_MAP()
};

#endif
