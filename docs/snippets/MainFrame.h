// The main window of the example host: a frame with the application toolbar.
#ifndef EXAMPLE_MAINFRAME_H
#define EXAMPLE_MAINFRAME_H

#include <afxwin.h>
#include <afxext.h>
#include <zaduv.h>

class CMainFrame : public CFrameWnd
{
public:
    CMainFrame();

protected:
    CTavrinRegistry m_registry;     // declared before the toolbar, which keeps a reference to it
    CTavrinToolBar m_barMain;
    int m_nArmedTool;               // the button held down, -1 when none

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnClose();
    afx_msg LRESULT OnToolbarButtonPressed(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnToolbarButtonReleased(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnToolbarButtonHot(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};

#endif
