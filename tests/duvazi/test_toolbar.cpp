// The framework toolbar under the skin: creation, buttons, layout, hit testing, resources.
#include "TestWindows.h"
#include "resource.h"
#include <afxext.h>
#include <gtest/gtest.h>

using duvazi_test::CHostWnd;

namespace
{
const UINT s_aButtons[] = { ID_TEST_OPEN, ID_TEST_SAVE, ID_SEPARATOR, ID_TEST_PRINT };

class ToolBarTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_host.CreateHost());
    }

    void TearDown() override
    {
        m_host.DestroyWindow();
    }

    CHostWnd m_host;
};
}

TEST_F(ToolBarTest, ButtonsInARowWithHitTestsNamingTheirCommands)
{
    CToolBar bar;
    ASSERT_TRUE(bar.CreateEx(&m_host, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP | CBRS_TOOLTIPS));
    EXPECT_EQ(static_cast<DWORD>(CBRS_ALIGN_TOP | CBRS_TOOLTIPS), bar.GetBarStyle());
    EXPECT_EQ(static_cast<UINT>(AFX_IDW_TOOLBAR), static_cast<UINT>(bar.GetDlgCtrlID()));
    EXPECT_TRUE(bar.GetStyle() & CCS_NORESIZE) << "the bar, not the control, decides its size";
    const UINT aOther[] = { 201, 202 };
    ASSERT_TRUE(bar.SetButtons(aOther, 2));
    ASSERT_TRUE(bar.SetButtons(s_aButtons, 4));
    ASSERT_EQ(4, bar.GetCount()) << "replacing the buttons removes the old ones";
    EXPECT_EQ(static_cast<UINT>(TBBS_SEPARATOR), bar.GetButtonStyle(2));
    EXPECT_EQ(3, bar.CommandToIndex(ID_TEST_PRINT));
    EXPECT_EQ(-1, bar.CommandToIndex(201));

    CRect aItems[4];
    for (int i = 0; i < 4; i++)
        bar.GetItemRect(i, &aItems[i]);
    EXPECT_EQ(CSize(23, 22), aItems[0].Size()) << "the default button size";
    EXPECT_LT(aItems[2].Width(), aItems[0].Width()) << "a separator is narrower than a button";
    for (int i = 1; i < 4; i++)
        EXPECT_EQ(aItems[i - 1].BottomRight(), CPoint(aItems[i].left, aItems[i].bottom)) << "items follow each other";
    CRect rcNone(1, 2, 3, 4);
    bar.GetItemRect(4, &rcNone);
    EXPECT_TRUE(rcNone.IsRectEmpty());
    EXPECT_EQ(CSize(aItems[3].right, aItems[3].bottom), bar.CalcFixedLayout(FALSE, TRUE));

    // What the library's toolbar asks for every mouse message.
    EXPECT_EQ(ID_TEST_SAVE, bar.OnToolHitTest(aItems[1].CenterPoint(), NULL));
    EXPECT_EQ(ID_TEST_PRINT, bar.OnToolHitTest(aItems[3].TopLeft(), NULL));
    EXPECT_EQ(-1, bar.OnToolHitTest(aItems[2].CenterPoint(), NULL)) << "a separator is no tool";
    EXPECT_EQ(-1, bar.OnToolHitTest(CPoint(aItems[3].right + 5, 5), NULL));
}

TEST_F(ToolBarTest, LoadToolBarFromResourcesShowsItsImages)
{
    CToolBar bar;
    ASSERT_TRUE(bar.CreateEx(&m_host, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP));
    EXPECT_FALSE(bar.LoadToolBar(12345));
    EXPECT_EQ(0, bar.GetCount());
    ASSERT_TRUE(bar.LoadToolBar(IDR_TESTBAR));
    ASSERT_EQ(4, bar.GetCount());
    EXPECT_EQ(static_cast<UINT>(ID_SEPARATOR), bar.GetItemID(2));
    EXPECT_EQ(static_cast<UINT>(ID_TEST_PRINT), bar.GetItemID(3));

    // The strip's images are red, green and blue squares on grey that shows transparent.
    CSize size = bar.CalcFixedLayout(FALSE, TRUE);
    bar.SetWindowPos(NULL, 0, 0, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
    zaduv_test::CCapturedImage capture = duvazi_test::PrintClient(bar.m_hWnd);
    CRect rcOpen, rcPrint;
    bar.GetItemRect(0, &rcOpen);
    bar.GetItemRect(3, &rcPrint);
    EXPECT_GT(capture.CountColor(rcOpen, RGB(255, 0, 0)), 30) << "the first image shows on the first button";
    EXPECT_GT(capture.CountColor(rcPrint, RGB(0, 0, 255)), 30) << "the print button shows the third image";
    if (::GetSysColor(COLOR_BTNFACE) != RGB(192, 192, 192))
    {
        EXPECT_EQ(0, capture.CountColor(rcOpen, RGB(192, 192, 192))) << "no grey shows on the button";
    }
}
