// The frame creates its toolbar, lets it restore where the user left it, saves it on closing
// and follows the presses and hovering the toolbar posts.
#include "MainFrame.h"
#include "resource.h"

BEGIN_MESSAGE_MAP(CMainFrame, CFrameWnd)
    ON_WM_CREATE()
    ON_WM_CLOSE()
    ON_MESSAGE(WM_TOOLBARBUTTON_PRESSED, &CMainFrame::OnToolbarButtonPressed)
    ON_MESSAGE(WM_TOOLBARBUTTON_RELEASED, &CMainFrame::OnToolbarButtonReleased)
    ON_MESSAGE(WM_TOOLBARBUTTON_HOT, &CMainFrame::OnToolbarButtonHot)
END_MESSAGE_MAP()

CMainFrame::CMainFrame()
    : m_registry(L"Software\\Example\\Viewer"), m_barMain(m_registry), m_nArmedTool(-1)
{
}

int CMainFrame::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CFrameWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    // Create docks or floats the bar as stored, so the frame offers its sides first.
    EnableDocking(CBRS_ALIGN_ANY);
    if (!m_barMain.Create(this, L"Toolbars\\Main", IDR_MAIN_TOOLBAR, IDS_MAIN_TOOLBAR))
        return -1;
    // A bar stored as floating stays hidden until this call.
    m_barMain.SetInitialPosition(true);
    return 0;
}

void CMainFrame::OnClose()
{
    // Nothing saves the bar's place by itself.
    m_barMain.SavePosition();
    CFrameWnd::OnClose();
}

// Posted before the button's command arrives, so a tool can start on the press itself.
LRESULT CMainFrame::OnToolbarButtonPressed(WPARAM wParam, LPARAM)
{
    m_nArmedTool = static_cast<int>(wParam);
    return 0;
}

// lParam 1: released on the button that was pressed, its command follows; 0: abandoned.
LRESULT CMainFrame::OnToolbarButtonReleased(WPARAM, LPARAM)
{
    m_nArmedTool = -1;
    return 0;
}

// wParam -1 once the pointer is over no button; lParam is the button's enabled flag.
LRESULT CMainFrame::OnToolbarButtonHot(WPARAM wParam, LPARAM lParam)
{
    CString strTitle(L"Example viewer");
    CString strHint;
    if (static_cast<int>(wParam) > 0 && lParam != 0 && strHint.LoadString(static_cast<UINT>(wParam)))
        strTitle += L" - " + strHint;
    SetWindowText(strTitle);
    return 0;
}
