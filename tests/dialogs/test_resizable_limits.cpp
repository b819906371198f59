// CResizableDialog: track-size limits, the maximised rectangle, the size grip's pixels and its
// hit test, on real dialogs.
#include "ResizableTestDialog.h"
#include <MessagePump.h>
#include <PixelCapture.h>
#include <gtest/gtest.h>

using dialogs_test::CTestResizableDialog;

namespace
{
CSize WindowSize(const CWnd& wnd)
{
    CRect rect;
    wnd.GetWindowRect(&rect);
    return rect.Size();
}

MINMAXINFO AskMinMax(CWnd& wnd)
{
    MINMAXINFO mmi = {};
    mmi.ptMinTrackSize = CPoint(1, 2);
    mmi.ptMaxTrackSize = CPoint(3, 4);
    mmi.ptMaxPosition = CPoint(5, 6);
    mmi.ptMaxSize = CPoint(7, 8);
    wnd.SendMessage(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&mmi));
    return mmi;
}

class ResizableLimitsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        zaduv_test::CDialogTemplate tmpl = dialogs_test::MakeResizableTemplate();
        m_dlg.SetMinTrackSize(CSize(20, 20));
        ASSERT_TRUE(m_dlg.CreateFromTemplate(tmpl));
        m_sizeCreated = WindowSize(m_dlg);
    }
    void TearDown() override { m_dlg.DestroyWindow(); }

    CTestResizableDialog m_dlg;
    CSize m_sizeCreated;
};
}

TEST_F(ResizableLimitsTest, CannotBeMadeSmallerThanCreatedUnlessReset)
{
    MINMAXINFO mmi = AskMinMax(m_dlg);
    EXPECT_EQ(CPoint(m_sizeCreated.cx, m_sizeCreated.cy), CPoint(mmi.ptMinTrackSize))
        << "OnInitDialog replaces the size set before the window existed";
    EXPECT_EQ(CPoint(3, 4), CPoint(mmi.ptMaxTrackSize)) << "parts without a flag stay as the system put them";
    EXPECT_EQ(CPoint(7, 8), CPoint(mmi.ptMaxSize));

    m_dlg.SetWindowPos(NULL, 0, 0, 50, 40, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(m_sizeCreated, WindowSize(m_dlg)) << "a resizing frame is held at the minimum";

    m_dlg.ResetMinTrackSize();
    EXPECT_EQ(CPoint(1, 2), CPoint(AskMinMax(m_dlg).ptMinTrackSize));
    m_dlg.SetMinTrackSize(CSize(120, 90));
    m_dlg.SetMaxTrackSize(CSize(500, 400));
    mmi = AskMinMax(m_dlg);
    EXPECT_EQ(CPoint(120, 90), CPoint(mmi.ptMinTrackSize));
    EXPECT_EQ(CPoint(500, 400), CPoint(mmi.ptMaxTrackSize));
    m_dlg.SetWindowPos(NULL, 0, 0, 50, 40, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(CSize(120, 90), WindowSize(m_dlg));
    m_dlg.SetWindowPos(NULL, 0, 0, 900, 900, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(CSize(500, 400), WindowSize(m_dlg));
    m_dlg.ResetMaxTrackSize();
    EXPECT_EQ(CPoint(3, 4), CPoint(AskMinMax(m_dlg).ptMaxTrackSize));
}

TEST_F(ResizableLimitsTest, MaximisedToTheSetRectangle)
{
    m_dlg.SetMaximizedRect(CRect(0, 0, 800, 600));
    MINMAXINFO mmi = AskMinMax(m_dlg);
    EXPECT_EQ(CPoint(0, 0), CPoint(mmi.ptMaxPosition));
    EXPECT_EQ(CPoint(800, 600), CPoint(mmi.ptMaxSize));
    m_dlg.ShowWindow(SW_MAXIMIZE);
    CRect rect;
    m_dlg.GetWindowRect(&rect);
    EXPECT_TRUE(m_dlg.IsZoomed());
    EXPECT_EQ(CRect(0, 0, 800, 600), rect);
    m_dlg.ShowWindow(SW_RESTORE);
    m_dlg.ResetMaximizedRect();
    EXPECT_EQ(CPoint(7, 8), CPoint(AskMinMax(m_dlg).ptMaxSize));
}

TEST_F(ResizableLimitsTest, GripAnswersTheHitTestOnlyInsideItsSquare)
{
    m_dlg.SetClientSize(300, 200);
    const int cxGrip = ::GetSystemMetrics(SM_CXVSCROLL), cyGrip = ::GetSystemMetrics(SM_CYHSCROLL);
    auto hitTest = [&](int x, int y) {
        CPoint pt(x, y);
        m_dlg.ClientToScreen(&pt);
        return m_dlg.SendMessage(WM_NCHITTEST, 0, MAKELPARAM(pt.x, pt.y));
    };
    struct { int x, y; LRESULT nShown; } cases[] = {
        { 300 - cxGrip, 200 - cyGrip, HTBOTTOMRIGHT },
        { 299, 199, HTBOTTOMRIGHT },
        { 299 - cxGrip, 199, HTCLIENT },
        { 299, 199 - cyGrip, HTCLIENT },
        { 10, 10, HTCLIENT },
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.nShown, hitTest(c.x, c.y)) << c.x << "," << c.y;
    m_dlg.ShowSizeGrip(FALSE);
    EXPECT_EQ(HTCLIENT, hitTest(299, 199)) << "a hidden grip leaves the default answer";
}

TEST_F(ResizableLimitsTest, ShowSizeGripRepaintsOnlyOnAChange)
{
    m_dlg.SetClientSize(300, 200);
    m_dlg.ShowWindow(SW_SHOWNA);
    m_dlg.UpdateWindow();
    CRect rcUpdate;
    m_dlg.ShowSizeGrip(TRUE);
    EXPECT_FALSE(m_dlg.GetUpdateRect(&rcUpdate)) << "the same value repaints nothing";
    m_dlg.ShowSizeGrip(FALSE);
    ASSERT_TRUE(m_dlg.GetUpdateRect(&rcUpdate));
    CRect rcGrip(300 - ::GetSystemMetrics(SM_CXVSCROLL), 200 - ::GetSystemMetrics(SM_CYHSCROLL), 300, 200);
    EXPECT_EQ(rcGrip, rcUpdate);
}

namespace
{
struct SGripColours
{
    COLORREF crFace;
    COLORREF crLight;
    COLORREF crDark;
};

void PrintTo(const SGripColours& c, std::ostream* pStream)
{
    *pStream << "face " << zaduv_test::ColorName(c.crFace);
}

class ResizableGripPixelsTest : public ::testing::TestWithParam<SGripColours>
{
protected:
    void TearDown() override { CSkinStubWnd::ResetSkinColors(); }
};
}

// The grip draws two ridges on the face: a light diagonal with a dark one right below it,
// and the same again six pixels to the right.
TEST_P(ResizableGripPixelsTest, TwoRidgesOfLightAndDarkPixels)
{
    const SGripColours& c = GetParam();
    CSkinStubWnd::SetSkinColor(CSkinStubWnd::colorFace, c.crFace);
    CTestResizableDialog dlg;
    zaduv_test::CDialogTemplate tmpl = dialogs_test::MakeResizableTemplate();
    ASSERT_TRUE(dlg.CreateFromTemplate(tmpl));
    dlg.SetClientSize(300, 200);
    dlg.ShowWindow(SW_SHOWNA);
    zaduv_test::CCapturedImage image = zaduv_test::CaptureClient(&dlg);
    const int L = 300 - ::GetSystemMetrics(SM_CXVSCROLL), B = 200, R = 300;
    for (int i = 1; L + i < R; ++i)
    {
        EXPECT_PIXEL(image, L + i, B - i, c.crLight);
        if (L + 6 + i < R)
        {
            EXPECT_PIXEL(image, L + 6 + i, B - i, c.crLight);
        }
        if (i >= 2 && L + i + 1 < R)
        {
            EXPECT_PIXEL(image, L + i + 1, B - i + 1, c.crDark);
        }
        if (i >= 2 && L + 7 + i < R)
        {
            EXPECT_PIXEL(image, L + 7 + i, B - i + 1, c.crDark);
        }
    }
    EXPECT_PIXEL(image, L + 5, B - 1, c.crFace);
    EXPECT_PIXEL(image, L - 1, B - 1, c.crFace);
    EXPECT_PIXEL(image, L + 2, B - 1, c.crFace);

    dlg.ShowSizeGrip(FALSE);
    image = zaduv_test::CaptureClient(&dlg);
    EXPECT_UNIFORM(image, CRect(L, B - (R - L), R, B), c.crFace);
    dlg.ShowSizeGrip(TRUE);
    dlg.SetMaximizedRect(CRect(0, 0, 640, 480));
    dlg.ShowWindow(SW_MAXIMIZE);
    image = zaduv_test::CaptureClient(&dlg);
    CRect rcClient;
    dlg.GetClientRect(&rcClient);
    EXPECT_UNIFORM(image, CRect(rcClient.right - 20, rcClient.bottom - 20, rcClient.right, rcClient.bottom), c.crFace)
        << "a maximised dialog has no grip";
    dlg.DestroyWindow();
}

INSTANTIATE_TEST_SUITE_P(Faces, ResizableGripPixelsTest, ::testing::Values(
    SGripColours{ RGB(255, 255, 255), RGB(255, 255, 255), RGB(127, 127, 127) },
    SGripColours{ RGB(0, 0, 0), RGB(160, 160, 160), RGB(0, 0, 0) },
    SGripColours{ RGB(255, 128, 1), RGB(255, 207, 160), RGB(127, 64, 0) }));
