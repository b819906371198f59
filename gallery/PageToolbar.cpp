// The toolbar page: a frame window with a CTavrinToolBar docked at its top and a second one
// floating in its own mini frame, both restored from states stored as an earlier run saved
// them, and the notifications the frame received from them, newest first.

#include "GalleryPage.h"
#include "GalleryResource.h"
#include "GalleryStyle.h"

#include <zaduv.h>

#include <deque>
#include <functional>

namespace
{
const LPCWSTR STORE_BASE = L"Software\\ZaDUV\\Gallery";
const LPCWSTR KEY_MAIN = L"Toolbars\\Main";
const LPCWSTR KEY_TOOLS = L"Toolbars\\Tools";
const DWORD DOCKED_TOP = WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM | CBRS_TOOLTIPS | CBRS_FLYBY | CBRS_SIZE_DYNAMIC;
const DWORD FLOATING = WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP | CBRS_TOOLTIPS | CBRS_FLYBY | CBRS_FLOATING;

struct SCommandName
{
    UINT nID;
    LPCWSTR lpszName;
};

const SCommandName COMMANDS[] = {
    { ID_VIEW_OPEN, L"open" }, { ID_VIEW_SAVE, L"save" }, { ID_VIEW_ZOOM, L"zoom" }, { ID_VIEW_PAN, L"pan" },
    { ID_TOOL_LEVEL, L"window level" }, { ID_TOOL_MEASURE, L"measure" }, { ID_TOOL_ZOOM, L"tool zoom" },
};

CString CommandName(WPARAM wParam)
{
    for (const SCommandName& command : COMMANDS)
    {
        if (command.nID == wParam)
            return command.lpszName;
    }
    return static_cast<INT_PTR>(wParam) == -1 ? CString(L"none") : CString(L"0");
}
}

// The host frame: it reports every notice and command of its toolbars to the page.
class CToolbarHostFrame : public CFrameWnd
{
public:
    std::function<void(const CString&)> m_fnReport;

protected:
    LRESULT Report(LPCWSTR lpszNotice, WPARAM wParam, LPARAM lParam)
    {
        CString strLine;
        strLine.Format(L"%s (%s, %d)", lpszNotice, CommandName(wParam).GetString(), static_cast<int>(lParam));
        if (m_fnReport)
            m_fnReport(strLine);
        return 0;
    }

    afx_msg LRESULT OnPressed(WPARAM wParam, LPARAM lParam) { return Report(L"PRESSED", wParam, lParam); }
    afx_msg LRESULT OnReleased(WPARAM wParam, LPARAM lParam) { return Report(L"RELEASED", wParam, lParam); }
    afx_msg LRESULT OnDblClk(WPARAM wParam, LPARAM lParam) { return Report(L"DBLCLK", wParam, lParam); }
    afx_msg LRESULT OnRDown(WPARAM wParam, LPARAM lParam) { return Report(L"RDOWN", wParam, lParam); }
    afx_msg LRESULT OnRUp(WPARAM wParam, LPARAM lParam) { return Report(L"RUP", wParam, lParam); }
    afx_msg LRESULT OnHot(WPARAM wParam, LPARAM lParam) { return Report(L"HOT", wParam, lParam); }
    afx_msg void OnToolCommand(UINT nID) { Report(L"command", nID, 0); }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CToolbarHostFrame, CFrameWnd)
    ON_MESSAGE(WM_TOOLBARBUTTON_PRESSED, &CToolbarHostFrame::OnPressed)
    ON_MESSAGE(WM_TOOLBARBUTTON_RELEASED, &CToolbarHostFrame::OnReleased)
    ON_MESSAGE(WM_TOOLBARBUTTON_DBLCLK, &CToolbarHostFrame::OnDblClk)
    ON_MESSAGE(WM_TOOLBARBUTTON_RDOWN, &CToolbarHostFrame::OnRDown)
    ON_MESSAGE(WM_TOOLBARBUTTON_RUP, &CToolbarHostFrame::OnRUp)
    ON_MESSAGE(WM_TOOLBARBUTTON_HOT, &CToolbarHostFrame::OnHot)
    ON_COMMAND_RANGE(ID_VIEW_OPEN, ID_TOOL_ZOOM, &CToolbarHostFrame::OnToolCommand)
END_MESSAGE_MAP()

class CPageToolbar : public CGalleryPage
{
public:
    CPageToolbar();

    virtual CString GetTitle() const { return L"Toolbar"; }
    virtual CString GetDescription() const
    {
        return L"CTavrinToolBar docked and floating, restored from the settings store; the frame's notifications.";
    }
    virtual void PrepareScreenshot();

protected:
    virtual BOOL OnCreatePage();
    virtual void OnDraw(CDC* pDC);

// Implementation
private:
    enum { kFrameWidth = 430, kFrameHeight = 250, kStripLeft = kFrameWidth + 30, kLineHeight = 18, kMaxNotices = 14 };

    void StoreEarlierRun();
    void AddNotice(const CString& strNotice);
    static void ClickAtPointer();

    CTavrinRegistry m_registry;
    CToolbarHostFrame* m_pHostFrame;   // deletes itself with its window
    CStatic m_wndPane;
    CTavrinToolBar m_barMain;
    CTavrinToolBar m_barTools;
    std::deque<CString> m_notices;      // newest first

    afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);
    DECLARE_MESSAGE_MAP()
};

REGISTER_GALLERY_PAGE(CPageToolbar, 70, L"toolbar");

BEGIN_MESSAGE_MAP(CPageToolbar, CGalleryPage)
    ON_WM_SHOWWINDOW()
END_MESSAGE_MAP()

CPageToolbar::CPageToolbar()
    : m_registry(STORE_BASE), m_pHostFrame(NULL), m_barMain(m_registry), m_barTools(m_registry)
{
}

// What SavePosition wrote when the user last closed the viewer: the main bar docked at the top,
// the tools floating over the lower right of the frame.
void CPageToolbar::StoreEarlierRun()
{
    CRect rectFrame;
    m_pHostFrame->GetWindowRect(&rectFrame);
    m_registry.WriteDWord(KEY_MAIN, DOCKED_TOP);
    m_registry.WriteRect(KEY_MAIN, CRect());
    m_registry.WriteDWord(KEY_TOOLS, FLOATING);
    m_registry.WriteRect(KEY_TOOLS, CRect(rectFrame.right - 150, rectFrame.bottom - 90, rectFrame.right - 50, rectFrame.bottom - 50));
}

BOOL CPageToolbar::OnCreatePage()
{
    const CRect rectContent = GetContentRect();
    m_pHostFrame = new CToolbarHostFrame;
    m_pHostFrame->m_fnReport = [this](const CString& strNotice) { AddNotice(strNotice); };
    CRect rectFrame(rectContent.TopLeft(), CSize(kFrameWidth, kFrameHeight));
    if (!m_pHostFrame->Create(NULL, L"Viewer", WS_CHILD | WS_VISIBLE | WS_BORDER, rectFrame, this))
        return FALSE;
    m_pHostFrame->EnableDocking(CBRS_ALIGN_ANY);
    if (!m_wndPane.Create(L"Image pane", WS_CHILD | WS_VISIBLE | SS_CENTER | SS_CENTERIMAGE | SS_SUNKEN,
            CRect(0, 0, 0, 0), m_pHostFrame, AFX_IDW_PANE_FIRST))
        return FALSE;
    m_wndPane.SetFont(&m_fontText);
    StoreEarlierRun();
    if (!m_barMain.Create(m_pHostFrame, KEY_MAIN, IDR_TOOLBAR_MAIN, 0)
        || !m_barTools.Create(m_pHostFrame, KEY_TOOLS, IDR_TOOLBAR_TOOLS, IDS_TOOLBAR_TOOLS))
        return FALSE;
    m_pHostFrame->RecalcLayout();
    return TRUE;
}

// The floating bar's frame is a window of its own: it shows and hides with the page.
void CPageToolbar::OnShowWindow(BOOL bShow, UINT nStatus)
{
    CGalleryPage::OnShowWindow(bShow, nStatus);
    if (m_pHostFrame != NULL && m_barTools.GetSafeHwnd() != NULL && m_barTools.IsFloating())
        m_pHostFrame->ShowControlBar(&m_barTools, bShow, FALSE);
}

void CPageToolbar::AddNotice(const CString& strNotice)
{
    m_notices.push_front(strNotice);
    if (m_notices.size() > kMaxNotices)
        m_notices.pop_back();
    Invalidate(FALSE);
}

void CPageToolbar::ClickAtPointer()
{
    INPUT inputs[2] = {};
    inputs[0].type = inputs[1].type = INPUT_MOUSE;
    inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    ::SendInput(2, inputs, sizeof(INPUT));
}

// A user's short session: a click on zoom, then the pointer resting on the floating measure.
void CPageToolbar::PrepareScreenshot()
{
    m_barMain.SetCursor(ID_VIEW_ZOOM);
    ClickAtPointer();
    m_barTools.SetCursor(ID_TOOL_MEASURE);
}

void CPageToolbar::OnDraw(CDC* pDC)
{
    const CRect rectContent = GetContentRect();
    int x = rectContent.left + kStripLeft;
    int y = rectContent.top;
    pDC->SetBkMode(TRANSPARENT);
    pDC->SelectObject(&m_fontBold);
    pDC->SetTextColor(GalleryStyle::crTitle);
    pDC->TextOut(x, y, CString(L"Recent notifications, newest first"));
    pDC->SelectObject(&m_fontText);
    pDC->SetTextColor(GalleryStyle::crText);
    for (const CString& strNotice : m_notices)
    {
        y += kLineHeight;
        pDC->TextOut(x, y, strNotice);
    }
    if (m_notices.empty())
    {
        pDC->SetTextColor(GalleryStyle::crMuted);
        pDC->TextOut(x, y + kLineHeight, CString(L"(none yet: move over the toolbars)"));
    }
}
