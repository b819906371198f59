#ifndef AFX_MINIFRAMEWND_H
#define AFX_MINIFRAMEWND_H
// CMiniFrameWnd: a frame with the small caption of a tool window, for palettes and floating bars.

#include <afx/FrameWnd.h>

class AFX_API CMiniFrameWnd : public CFrameWnd
{
    DECLARE_DYNCREATE(CMiniFrameWnd)
public:
// Construction
    CMiniFrameWnd();
    BOOL Create(LPCTSTR lpClassName, LPCTSTR lpWindowName, DWORD dwStyle, const RECT& rect,
        CWnd* pParentWnd = NULL, UINT nID = 0);
    BOOL CreateEx(DWORD dwExStyle, LPCTSTR lpClassName, LPCTSTR lpWindowName, DWORD dwStyle,
        const RECT& rect, CWnd* pParentWnd = NULL, UINT nID = 0);

    virtual ~CMiniFrameWnd();
};

#endif
