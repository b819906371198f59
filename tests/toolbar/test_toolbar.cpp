// CTavrinToolBar in a real frame: the docking state it restores from and saves to the settings
// store, the notifications its frame receives for real mouse input, the pointer operations,
// and dragging it by its free area out of the frame and by its mini frame's caption back in.

#include <gtest/gtest.h>

#include <zaduv.h>

#include "MessagePump.h"
#include "MessageRecorder.h"
#include "../controls/SendMouse.h"
#include "resource.h"

#include <map>
#include <vector>

using namespace zaduv_test;

namespace
{
const DWORD DOCKED_LEFT = 0x50001434;
const DWORD DOCKED_TOP = WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM | CBRS_TOOLTIPS;
const int MARGIN = -1;      // a target in the bar's margin, on no button
const int AWAY = -2;        // a target off the frame

// A settings store in memory, so each case starts from the state it writes.
class CMemoryRegistry : public CTavrinRegistry
{
public:
    CMemoryRegistry() : CTavrinRegistry(L"") {}
    virtual DWORD ReadDWord(CString strKey, DWORD dwDefault) { return m_dwords.count(strKey) ? m_dwords[strKey] : dwDefault; }
    virtual void WriteDWord(CString strKey, DWORD dwValue) { m_dwords[strKey] = dwValue; }
    virtual CRect ReadRect(CString strKey) { return m_rects.count(strKey) ? m_rects[strKey] : CRect(); }
    virtual void WriteRect(CString strKey, const CRect& rect) { m_rects[strKey] = rect; }

    std::map<CString, DWORD> m_dwords;
    std::map<CString, CRect> m_rects;
};

// The host frame: it records the tools' commands and disables ID_TOOL_OFF on updates.
class CTestFrame : public CFrameWnd
{
public:
    std::vector<UINT> m_commands;

protected:
    afx_msg void OnTool(UINT nID) { m_commands.push_back(nID); }
    afx_msg void OnUpdateToolOff(CCmdUI* pCmdUI) { pCmdUI->Enable(FALSE); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTestFrame, CFrameWnd)
    ON_COMMAND_RANGE(ID_TOOL_A, ID_TOOL_E, &CTestFrame::OnTool)
    ON_UPDATE_COMMAND_UI(ID_TOOL_OFF, &CTestFrame::OnUpdateToolOff)
END_MESSAGE_MAP()

class TavrinToolBar : public ::testing::Test
{
protected:
    void SetUp() override
    {
        SendMouse(CPoint(5, 700), 0);
        m_pFrame = new CTestFrame;
        ASSERT_TRUE(m_pFrame->Create(NULL, L"Toolbar host", WS_OVERLAPPED | WS_CAPTION | WS_VISIBLE,
            CRect(100, 100, 560, 420)));
        m_pFrame->EnableDocking(CBRS_ALIGN_ANY);
        PumpPending();
    }

    void TearDown() override
    {
        m_recorder.DetachAll();
        m_pFrame->DestroyWindow();
        PumpPending();
    }

    void CreateBar(DWORD dwStored = 0, const CRect& rcStored = CRect())
    {
        if (dwStored != 0)
        {
            m_registry.WriteDWord(L"Main", dwStored);
            m_registry.WriteRect(L"Main", rcStored);
        }
        ASSERT_TRUE(m_bar.Create(m_pFrame, L"Main", IDR_TESTBAR, IDS_TESTBAR_TITLE));
        m_bar.GetToolBarCtrl().EnableButton(ID_TOOL_OFF, FALSE);
        PumpPending();
    }

    UINT GetDockBarID() const { return m_bar.m_pDockBar != NULL ? m_bar.m_pDockBar->GetDlgCtrlID() : 0; }

    CPoint ScreenPoint(int nTarget) const
    {
        CRect rect;
        if (nTarget == AWAY)
            return CPoint(620, 620);
        m_bar.GetWindowRect(&rect);
        if (nTarget == MARGIN)
            return CPoint(rect.CenterPoint().x, rect.top + 2);
        m_bar.GetItemRect(m_bar.CommandToIndex(nTarget), &rect);
        m_bar.ClientToScreen(&rect);
        return rect.CenterPoint();
    }

    void Mouse(int nTarget, DWORD dwFlags = 0)
    {
        SendMouse(ScreenPoint(nTarget), dwFlags);
        PumpFor(30);
    }

    void RecordNotifications()
    {
        m_recorder.RecordNotify(FALSE);
        m_recorder.RecordCommand(FALSE);
        for (UINT message = WM_TOOLBARBUTTON_PRESSED; message <= WM_TOOLBARBUTTON_HOT; message++)
            m_recorder.Watch(message);
        m_recorder.Attach(m_pFrame, "frame");
        m_recorder.Clear();
    }

    CMemoryRegistry m_registry;
    CTestFrame* m_pFrame = NULL;        // deletes itself with its window
    CTavrinToolBar m_bar{ m_registry };
    CMessageRecorder m_recorder;
};

// The rest of a drag gesture: a drag runs its own loop from the press and takes the capture
// there, so the move and the release are sent from a timer that loop dispatches.
std::vector<std::pair<CPoint, DWORD>> s_gestureRest;

void CALLBACK SendGestureRest(HWND, UINT, UINT_PTR nIDEvent, DWORD)
{
    if (::GetCapture() == NULL)
        return;
    ::KillTimer(NULL, nIDEvent);
    for (const auto& input : s_gestureRest)
        SendMouse(input.first, input.second);
    s_gestureRest.clear();
}

void Drag(CPoint ptFrom, CPoint ptTo)
{
    SendMouse(ptFrom, MOUSEEVENTF_LEFTDOWN);
    s_gestureRest = { { ptTo, 0 }, { ptTo, MOUSEEVENTF_LEFTUP } };
    ::SetTimer(NULL, 0, 10, SendGestureRest);
}

SExpectedMessage Notice(UINT message, int nID, LPARAM lParam = 0)
{
    return ExpectMessage(message, static_cast<WPARAM>(static_cast<INT_PTR>(nID)), lParam);
}
}

TEST_F(TavrinToolBar, NothingStoredDocksLeftVisibleWithTheDefaultStyle)
{
    CreateBar();
    EXPECT_EQ(static_cast<UINT>(AFX_IDW_DOCKBAR_LEFT), GetDockBarID());
    EXPECT_FALSE(m_bar.IsFloating());
    EXPECT_TRUE(m_bar.IsWindowVisible());
    EXPECT_EQ(0x1434u, m_bar.GetBarStyle() & 0xFFFF);
    EXPECT_EQ(m_pFrame, m_bar.GetDockingFrame());
    CString strTitle;
    m_bar.GetWindowText(strTitle);
    EXPECT_EQ(CString(L"Test tools"), strTitle);

    m_bar.SavePosition();
    CRect rcBar;
    m_bar.GetWindowRect(&rcBar);
    EXPECT_EQ(DOCKED_LEFT & 0x5000FFFF, m_registry.m_dwords[L"Main"] & 0x5000FFFF);
    EXPECT_EQ(rcBar, m_registry.m_rects[L"Main"]);
}

TEST_F(TavrinToolBar, StoredFloatingStyleFloatsHiddenUntilShown)
{
    CreateBar(DOCKED_LEFT | CBRS_FLOATING, CRect(300, 200, 420, 260));
    ASSERT_TRUE(m_bar.IsFloating());
    CFrameWnd* pMiniFrame = m_bar.GetDockingFrame();
    ASSERT_TRUE(pMiniFrame != NULL && pMiniFrame != m_pFrame);
    EXPECT_FALSE(m_bar.GetStyle() & WS_VISIBLE);
    EXPECT_FALSE(pMiniFrame->IsWindowVisible());
    EXPECT_TRUE(m_bar.IsHorz());
    CRect rcFrame;
    pMiniFrame->GetWindowRect(&rcFrame);
    EXPECT_EQ(CPoint(300, 200), rcFrame.TopLeft());

    m_bar.SetInitialPosition(false);
    EXPECT_FALSE(pMiniFrame->IsWindowVisible());
    m_bar.SetInitialPosition(true);
    EXPECT_TRUE(m_bar.IsWindowVisible());

    m_bar.SavePosition();
    EXPECT_EQ(static_cast<DWORD>(CBRS_FLOATING | WS_VISIBLE), m_registry.m_dwords[L"Main"] & (CBRS_FLOATING | WS_VISIBLE));
    pMiniFrame->GetWindowRect(&rcFrame);
    EXPECT_EQ(rcFrame, m_registry.m_rects[L"Main"]);
}

// A docked bar off the left of the screen is saved at the edge with its width when it reaches
// past x = 100, as it is otherwise.
TEST_F(TavrinToolBar, SavedLeftEdgeOffScreenComesBackAtZero)
{
    const struct { DWORD dwStyle; bool bShifted; } cases[] = { { DOCKED_TOP, true }, { DOCKED_LEFT, false } };
    for (const auto& c : cases)
    {
        CMemoryRegistry registry;
        registry.WriteDWord(L"Edge", c.dwStyle);
        CTavrinToolBar bar(registry);
        ASSERT_TRUE(bar.Create(m_pFrame, L"Edge", IDR_TESTBAR, 0));
        CRect rcBar, rcFrame;
        bar.GetWindowRect(&rcBar);
        m_pFrame->GetWindowRect(&rcFrame);
        m_pFrame->SetWindowPos(NULL, rcFrame.left - rcBar.left - 20, rcFrame.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        bar.GetWindowRect(&rcBar);
        ASSERT_EQ(-20, rcBar.left);
        ASSERT_EQ(c.bShifted, rcBar.right > 100);
        bar.SavePosition();
        const CRect rcSaved = registry.m_rects[L"Edge"];
        EXPECT_EQ(c.bShifted ? 0 : rcBar.left, rcSaved.left);
        EXPECT_EQ(rcBar.Width(), rcSaved.Width());
        EXPECT_EQ(rcBar.top, rcSaved.top);
    }
}

// Each row: what the mouse does (target, button flags) and what the frame receives.
TEST_F(TavrinToolBar, MouseActionsPostTheirNotificationsToTheFrame)
{
    struct SStep { int nTarget; DWORD dwFlags; };
    const struct { const char* pszName; std::vector<SStep> steps; std::vector<SExpectedMessage> expected; } cases[] = {
        { "press and release on one button",
          { { ID_TOOL_A, 0 }, { ID_TOOL_A, MOUSEEVENTF_LEFTDOWN }, { ID_TOOL_A, MOUSEEVENTF_LEFTUP } },
          { Notice(WM_TOOLBARBUTTON_HOT, ID_TOOL_A, 1), Notice(WM_TOOLBARBUTTON_PRESSED, ID_TOOL_A),
            Notice(WM_TOOLBARBUTTON_RELEASED, ID_TOOL_A, 1) } },
        { "press and release on a disabled button",
          { { ID_TOOL_OFF, 0 }, { ID_TOOL_OFF, MOUSEEVENTF_LEFTDOWN }, { ID_TOOL_OFF, MOUSEEVENTF_LEFTUP } },
          { Notice(WM_TOOLBARBUTTON_HOT, ID_TOOL_OFF, 0) } },
        { "press, drag to another button, release",
          { { ID_TOOL_A, 0 }, { ID_TOOL_A, MOUSEEVENTF_LEFTDOWN }, { ID_TOOL_B, 0 }, { ID_TOOL_B, MOUSEEVENTF_LEFTUP } },
          { Notice(WM_TOOLBARBUTTON_HOT, ID_TOOL_A, 1), Notice(WM_TOOLBARBUTTON_PRESSED, ID_TOOL_A),
            Notice(WM_TOOLBARBUTTON_HOT, ID_TOOL_B, 1), Notice(WM_TOOLBARBUTTON_RELEASED, ID_TOOL_A, 0) } },
        { "double click",
          { { ID_TOOL_D, 0 }, { ID_TOOL_D, MOUSEEVENTF_LEFTDOWN }, { ID_TOOL_D, MOUSEEVENTF_LEFTUP },
            { ID_TOOL_D, MOUSEEVENTF_LEFTDOWN }, { ID_TOOL_D, MOUSEEVENTF_LEFTUP } },
          { Notice(WM_TOOLBARBUTTON_HOT, ID_TOOL_D, 1), Notice(WM_TOOLBARBUTTON_PRESSED, ID_TOOL_D),
            Notice(WM_TOOLBARBUTTON_RELEASED, ID_TOOL_D, 1), Notice(WM_TOOLBARBUTTON_DBLCLK, ID_TOOL_D) } },
        { "right clicks on a button and on no button",
          { { ID_TOOL_B, 0 }, { ID_TOOL_B, MOUSEEVENTF_RIGHTDOWN }, { ID_TOOL_B, MOUSEEVENTF_RIGHTUP },
            { MARGIN, 0 }, { MARGIN, MOUSEEVENTF_RIGHTDOWN }, { MARGIN, MOUSEEVENTF_RIGHTUP } },
          { Notice(WM_TOOLBARBUTTON_HOT, ID_TOOL_B, 1), Notice(WM_TOOLBARBUTTON_RDOWN, ID_TOOL_B),
            Notice(WM_TOOLBARBUTTON_RUP, ID_TOOL_B), Notice(WM_TOOLBARBUTTON_HOT, -1, 0),
            Notice(WM_TOOLBARBUTTON_RDOWN, -1), Notice(WM_TOOLBARBUTTON_RUP, -1) } },
        { "moving across buttons and the margin",
          { { ID_TOOL_A, 0 }, { MARGIN, 0 }, { ID_TOOL_D, 0 }, { ID_TOOL_D, 0 }, { ID_TOOL_E, 0 } },
          { Notice(WM_TOOLBARBUTTON_HOT, ID_TOOL_A, 1), Notice(WM_TOOLBARBUTTON_HOT, -1, 0),
            Notice(WM_TOOLBARBUTTON_HOT, ID_TOOL_D, 1), Notice(WM_TOOLBARBUTTON_HOT, ID_TOOL_E, 1) } },
    };
    CreateBar();
    RecordNotifications();
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.pszName);
        // Away over the margin: the bar forgets its hot button.
        Mouse(MARGIN);
        Mouse(AWAY);
        m_recorder.Clear();
        for (const SStep& step : c.steps)
            Mouse(step.nTarget, step.dwFlags);
        EXPECT_MESSAGES(m_recorder, c.expected);
    }
    // The toolbar's own click handling still runs after the notifications: a click on A, none
    // for the press that left B's button, then the double click's first click on D.
    ASSERT_GE(m_pFrame->m_commands.size(), 2u);
    EXPECT_EQ(ID_TOOL_A, m_pFrame->m_commands[0]);
    EXPECT_EQ(ID_TOOL_D, m_pFrame->m_commands[1]);
}

// The pointer operations: SetCursor moves the pointer to a button's centre (an unknown id
// leaves it), and a pressed button is released only when the pointer is not over it.
TEST_F(TavrinToolBar, SetCursorMovesThePointerAndReleasePressedButtonKeepsTheOneUnderIt)
{
    CreateBar();
    EXPECT_TRUE(m_bar.SetCursor(ID_TOOL_B));
    CPoint pt;
    ::GetCursorPos(&pt);
    EXPECT_EQ(ScreenPoint(ID_TOOL_B), pt);
    EXPECT_FALSE(m_bar.SetCursor(999));
    CPoint ptAfter;
    ::GetCursorPos(&ptAfter);
    EXPECT_EQ(pt, ptAfter);

    CToolBarCtrl& ctrl = m_bar.GetToolBarCtrl();
    EXPECT_TRUE(m_bar.ReleasePressedButtonWithNoMouse(999));
    ctrl.PressButton(ID_TOOL_B);
    EXPECT_FALSE(m_bar.ReleasePressedButtonWithNoMouse(ID_TOOL_B));
    EXPECT_TRUE(ctrl.IsButtonPressed(ID_TOOL_B));
    m_bar.SetCursor(ID_TOOL_A);
    EXPECT_TRUE(m_bar.ReleasePressedButtonWithNoMouse(ID_TOOL_B));
    EXPECT_FALSE(ctrl.IsButtonPressed(ID_TOOL_B));
}

TEST_F(TavrinToolBar, DragsOutToFloatAndByTheCaptionBackToDock)
{
    CreateBar();
    Drag(ScreenPoint(MARGIN), CPoint(640, 300));
    ASSERT_TRUE(PumpUntil([&] { return m_bar.IsFloating() != FALSE; }, 3000));
    CFrameWnd* pMiniFrame = m_bar.GetDockingFrame();
    ASSERT_TRUE(pMiniFrame != NULL && pMiniFrame != m_pFrame);
    EXPECT_TRUE(pMiniFrame->IsWindowVisible());
    EXPECT_TRUE(m_bar.IsHorz());

    const HWND hWndMini = pMiniFrame->GetSafeHwnd();
    CRect rcMini, rcClient;
    pMiniFrame->GetWindowRect(&rcMini);
    m_pFrame->GetClientRect(&rcClient);
    m_pFrame->ClientToScreen(&rcClient);
    const CPoint ptCaption(rcMini.left + 20, rcMini.top + ::GetSystemMetrics(SM_CYSMCAPTION) / 2 + 1);
    Drag(ptCaption, rcClient.TopLeft() + CPoint(60, 4));
    ASSERT_TRUE(PumpUntil([&] { return !m_bar.IsFloating() && m_bar.m_pDockBar != NULL; }, 3000));
    EXPECT_EQ(static_cast<UINT>(AFX_IDW_DOCKBAR_TOP), GetDockBarID());
    EXPECT_EQ(m_pFrame, m_bar.GetDockingFrame());
    EXPECT_TRUE(m_bar.IsWindowVisible());
    // The emptied mini frame goes away.
    EXPECT_TRUE(PumpUntil([&] { return !::IsWindow(hWndMini); }, 3000));
}
