// CResizableDialog: track-size limits, the maximised rectangle, the size grip's pixels and its
// hit test, on real dialogs.
#include "ResizableTestDialog.h"
#include <PixelCapture.h>
#include <gtest/gtest.h>

using dialogs_test::CTestResizableDialog;

namespace
{
// What the dialog answers when the system proposes 1,2 / 3,4 / 5,6 / 7,8.
MINMAXINFO AskMinMax(CWnd& wnd)
{
    MINMAXINFO mmi = { { 0, 0 }, { 7, 8 }, { 5, 6 }, { 1, 2 }, { 3, 4 } };
    wnd.SendMessage(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&mmi));
    return mmi;
}

class ResizableLimitsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_dlg.SetMinTrackSize(CSize(20, 20));
        ASSERT_TRUE(m_dlg.CreateFromTemplate());
        m_sizeCreated = m_dlg.WindowRect().Size();
    }
    void TearDown() override { m_dlg.DestroyWindow(); }

    void Resize(int cx, int cy) { m_dlg.SetWindowPos(NULL, 0, 0, cx, cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE); }

    CTestResizableDialog m_dlg;
    CSize m_sizeCreated;
};
}

TEST_F(ResizableLimitsTest, TrackSizesFromInitDialogAndTheSettersAndTheMaximisedRectangle)
{
    MINMAXINFO mmi = AskMinMax(m_dlg);
    EXPECT_EQ(CPoint(m_sizeCreated.cx, m_sizeCreated.cy), CPoint(mmi.ptMinTrackSize))
        << "OnInitDialog replaces the size set before the window existed";
    EXPECT_EQ(CPoint(3, 4), CPoint(mmi.ptMaxTrackSize)) << "parts without a flag stay as the system put them";
    EXPECT_EQ(CPoint(7, 8), CPoint(mmi.ptMaxSize));
    Resize(50, 40);
    EXPECT_EQ(m_sizeCreated, m_dlg.WindowRect().Size()) << "a resizing frame is held at the minimum";

    m_dlg.ResetMinTrackSize();
    EXPECT_EQ(CPoint(1, 2), CPoint(AskMinMax(m_dlg).ptMinTrackSize));
    m_dlg.SetMinTrackSize(CSize(120, 90));
    m_dlg.SetMaxTrackSize(CSize(500, 400));
    Resize(50, 40);
    EXPECT_EQ(CSize(120, 90), m_dlg.WindowRect().Size());
    Resize(900, 900);
    EXPECT_EQ(CSize(500, 400), m_dlg.WindowRect().Size());
    m_dlg.ResetMaxTrackSize();
    EXPECT_EQ(CPoint(3, 4), CPoint(AskMinMax(m_dlg).ptMaxTrackSize));

    m_dlg.SetMaximizedRect(CRect(0, 0, 800, 600));
    m_dlg.ShowWindow(SW_MAXIMIZE);
    EXPECT_EQ(CRect(0, 0, 800, 600), m_dlg.WindowRect());
    m_dlg.ShowWindow(SW_RESTORE);
    m_dlg.ResetMaximizedRect();
    EXPECT_EQ(CPoint(7, 8), CPoint(AskMinMax(m_dlg).ptMaxSize));
}

TEST_F(ResizableLimitsTest, GripHitTestAndRepaintOnlyOnAChange)
{
    m_dlg.SetClientSize(300, 200);
    m_dlg.ShowWindow(SW_SHOWNA);
    m_dlg.UpdateWindow();
    const CRect rcGrip(300 - ::GetSystemMetrics(SM_CXVSCROLL), 200 - ::GetSystemMetrics(SM_CYHSCROLL), 300, 200);
    auto hitTest = [&](int x, int y) {
        CPoint pt(x, y);
        m_dlg.ClientToScreen(&pt);
        return m_dlg.SendMessage(WM_NCHITTEST, 0, MAKELPARAM(pt.x, pt.y));
    };
    struct { int x, y; LRESULT nShown; } cases[] = {
        { rcGrip.left, rcGrip.top, HTBOTTOMRIGHT }, { 299, 199, HTBOTTOMRIGHT },
        { rcGrip.left - 1, 199, HTCLIENT }, { 299, rcGrip.top - 1, HTCLIENT }, { 10, 10, HTCLIENT },
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.nShown, hitTest(c.x, c.y)) << c.x << "," << c.y;

    CRect rcUpdate;
    m_dlg.ShowSizeGrip(TRUE);
    EXPECT_FALSE(m_dlg.GetUpdateRect(&rcUpdate)) << "the same value repaints nothing";
    m_dlg.ShowSizeGrip(FALSE);
    ASSERT_TRUE(m_dlg.GetUpdateRect(&rcUpdate));
    EXPECT_EQ(rcGrip, rcUpdate);
    EXPECT_EQ(HTCLIENT, hitTest(299, 199)) << "a hidden grip leaves the default answer";
}

namespace
{
struct SGripColours { COLORREF crFace, crLight, crDark; };

void PrintTo(const SGripColours& c, std::ostream* pStream) { *pStream << "face " << zaduv_test::ColorName(c.crFace); }

class ResizableGripPixelsTest : public ::testing::TestWithParam<SGripColours>
{
protected:
    void TearDown() override { CSkinStubWnd::ResetSkinColors(); }
};
}

// Two ridges on the face: a light diagonal with a dark one right below it, and the same again
// six pixels to the right; none when hidden or maximised.
TEST_P(ResizableGripPixelsTest, TwoRidgesOfLightAndDarkPixels)
{
    const SGripColours& c = GetParam();
    CSkinStubWnd::SetSkinColor(CSkinStubWnd::colorFace, c.crFace);
    CTestResizableDialog dlg;
    ASSERT_TRUE(dlg.CreateFromTemplate());
    dlg.SetClientSize(300, 200);
    dlg.ShowWindow(SW_SHOWNA);
    zaduv_test::CCapturedImage image = zaduv_test::CaptureClient(&dlg);
    const int L = 300 - ::GetSystemMetrics(SM_CXVSCROLL), B = 200, R = 300;
    for (int i = 1; L + i < R; ++i)
        for (int nRidge : { 0, 6 })
        {
            if (L + nRidge + i < R)
            {
                EXPECT_PIXEL(image, L + nRidge + i, B - i, c.crLight);
            }
            if (i >= 2 && L + nRidge + i + 1 < R)
            {
                EXPECT_PIXEL(image, L + nRidge + i + 1, B - i + 1, c.crDark);
            }
        }
    for (int x : { L - 1, L + 2, L + 5 })
        EXPECT_PIXEL(image, x, B - 1, c.crFace);

    dlg.ShowSizeGrip(FALSE);
    EXPECT_UNIFORM(zaduv_test::CaptureClient(&dlg), CRect(L, B - (R - L), R, B), c.crFace);
    dlg.ShowSizeGrip(TRUE);
    dlg.SetMaximizedRect(CRect(0, 0, 640, 480));
    dlg.ShowWindow(SW_MAXIMIZE);
    CRect rc;
    dlg.GetClientRect(&rc);
    EXPECT_UNIFORM(zaduv_test::CaptureClient(&dlg), CRect(rc.right - 20, rc.bottom - 20, rc.right, rc.bottom), c.crFace)
        << "a maximised dialog has no grip";
    dlg.DestroyWindow();
}

INSTANTIATE_TEST_SUITE_P(Faces, ResizableGripPixelsTest, ::testing::Values(
    SGripColours{ RGB(255, 255, 255), RGB(255, 255, 255), RGB(127, 127, 127) },
    SGripColours{ RGB(0, 0, 0), RGB(160, 160, 160), RGB(0, 0, 0) },
    SGripColours{ RGB(255, 128, 1), RGB(255, 207, 160), RGB(127, 64, 0) }));
