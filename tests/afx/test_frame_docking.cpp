// CFrameWnd with control bars: dock bars stacking docked bars along the edges with the pane in
// what remains, hiding and floating a bar, a click on a floating bar's button reaching the
// frame's command map, and a child frame taking its bars' floating frames with it.

#include <gtest/gtest.h>

#include <afxext.h>

#include "HostWindow.h"
#include "MessagePump.h"
#include "../controls/SendMouse.h"

#include <vector>

using namespace zaduv_test;

namespace
{
const UINT IDW_FIRST_BAR = AFX_IDW_CONTROLBAR_FIRST + 40, ID_CMD_A = 0x8101, ID_CMD_B = 0x8102;

class CCommandFrame : public CFrameWnd
{
public:
    std::vector<UINT> m_commands;
    afx_msg void OnCommandB() { m_commands.push_back(ID_CMD_B); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCommandFrame, CFrameWnd)
    ON_COMMAND(ID_CMD_B, &CCommandFrame::OnCommandB)
END_MESSAGE_MAP()

class FrameDocking : public ::testing::Test
{
protected:
    void CreateFrame(CWnd* pParent = NULL)
    {
        m_pFrame = new CCommandFrame;
        const DWORD dwStyle = pParent != NULL ? WS_CHILD | WS_VISIBLE : WS_POPUP | WS_CAPTION | WS_VISIBLE;
        ASSERT_TRUE(m_pFrame->Create(NULL, L"Docking", dwStyle, CRect(60, 60, 460, 360), pParent));
        m_pFrame->EnableDocking(CBRS_ALIGN_ANY);
        ASSERT_TRUE(m_pane.Create(L"STATIC", L"", WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), m_pFrame, AFX_IDW_PANE_FIRST));
        const UINT ids[] = { ID_CMD_A, ID_CMD_B };
        for (int i = 0; i < 2; i++)
        {
            ASSERT_TRUE(m_bars[i].Create(m_pFrame, WS_CHILD | WS_VISIBLE | CBRS_TOP, IDW_FIRST_BAR + i));
            m_bars[i].SetButtons(ids, 2);
            m_bars[i].EnableDocking(CBRS_ALIGN_ANY);
            m_pFrame->DockControlBar(&m_bars[i]);
        }
    }

    void TearDown() override
    {
        if (m_pFrame != NULL)
            m_pFrame->DestroyWindow();
        PumpPending();
    }

    CRect InFrame(CWnd& wnd) const
    {
        CRect rect;
        wnd.GetWindowRect(&rect);
        m_pFrame->ScreenToClient(&rect);
        return rect;
    }

    CCommandFrame* m_pFrame = NULL;     // deletes itself with its window
    CWnd m_pane;
    CToolBar m_bars[2];
};
}

TEST_F(FrameDocking, DockedBarsStackAlongTheTopAndAFloatingBarStillServesTheFrame)
{
    CreateFrame();
    CRect rcClient;
    m_pFrame->GetClientRect(&rcClient);
    EXPECT_EQ(static_cast<UINT>(AFX_IDW_DOCKBAR_TOP), static_cast<UINT>(m_bars[1].m_pDockBar->GetDlgCtrlID()));
    EXPECT_EQ(std::make_pair(0L, InFrame(m_bars[0]).bottom), std::make_pair(InFrame(m_bars[0]).top, InFrame(m_bars[1]).top));
    EXPECT_EQ(CRect(0, InFrame(m_bars[1]).bottom, rcClient.right, rcClient.bottom), InFrame(m_pane));
    EXPECT_EQ(std::make_pair(static_cast<CControlBar*>(&m_bars[1]), static_cast<CFrameWnd*>(m_pFrame)),
        std::make_pair(m_pFrame->GetControlBar(IDW_FIRST_BAR + 1), m_bars[0].GetDockingFrame()));

    m_pFrame->ShowControlBar(&m_bars[0], FALSE, FALSE);
    EXPECT_EQ(0, InFrame(m_bars[1]).top);
    m_pFrame->FloatControlBar(&m_bars[1], CPoint(500, 420));
    EXPECT_EQ(CRect(CPoint(0, 0), rcClient.Size()), InFrame(m_pane));
    ASSERT_TRUE(m_bars[1].IsFloating());
    CFrameWnd* pMiniFrame = m_bars[1].GetDockingFrame();
    ASSERT_TRUE(pMiniFrame != NULL && pMiniFrame->IsKindOf(RUNTIME_CLASS(CMiniDockFrameWnd)) && pMiniFrame->IsWindowVisible());
    CRect rcMini;
    pMiniFrame->GetWindowRect(&rcMini);
    EXPECT_EQ(CPoint(500, 420), rcMini.TopLeft());

    // The bar floats in a window of its own, yet a click on it still reaches the frame it serves.
    PumpPending();
    CRect rcButton;
    m_bars[1].GetItemRect(1, &rcButton);
    m_bars[1].ClientToScreen(&rcButton);
    SendMouse(rcButton.CenterPoint(), MOUSEEVENTF_LEFTDOWN);
    SendMouse(rcButton.CenterPoint(), MOUSEEVENTF_LEFTUP);
    EXPECT_TRUE(PumpUntil([&] { return !m_pFrame->m_commands.empty(); }, 3000));
    EXPECT_EQ(std::vector<UINT>{ ID_CMD_B }, m_pFrame->m_commands);
}

TEST_F(FrameDocking, ChildFrameTakesItsFloatingFramesWithIt)
{
    CHostWindow host;
    ASSERT_TRUE(host.CreateHost(420, 320));
    CreateFrame(&host);
    m_pFrame->FloatControlBar(&m_bars[0], CPoint(520, 60));
    const HWND hWndMini = m_bars[0].GetDockingFrame()->GetSafeHwnd();
    m_pFrame->DestroyWindow();
    m_pFrame = NULL;
    EXPECT_FALSE(::IsWindow(hWndMini));
    EXPECT_EQ(std::make_tuple(HWND(NULL), (CFrameWnd*)NULL, (CWnd*)NULL),
        std::make_tuple(m_bars[0].GetSafeHwnd(), m_bars[0].m_pDockSite, static_cast<CWnd*>(m_bars[0].m_pDockBar)));
}
