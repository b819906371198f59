// CMemDC as a paint handler uses it: drawing in the target's logical coordinates goes into a
// bitmap the size of the clip box and reaches the target only when the surface is destroyed;
// a printing target is drawn on directly and left usable.
#include <gtest/gtest.h>

#include <zaduv.h>

#include "DibSurface.h"
#include "HostWindow.h"
#include "MessagePump.h"
#include "PixelCapture.h"

#include <vector>

using namespace zaduv_test;

namespace
{
const COLORREF crPaper = RGB(255, 255, 255);
const COLORREF crFill = RGB(20, 120, 220);
const COLORREF crShape = RGB(220, 30, 30);
const int kWidth = 200;
const int kHeight = 100;
}

TEST(MemDC, ShapeAtTargetCoordinatesLandsThereThroughAnOffsetClipBoxAndTheBufferIsReleased)
{
    CDibSurface target(kWidth, kHeight, crPaper);
    // Logical (100, 50) is the surface's device (0, 0); the clip box starts far from 0, 0.
    target.DC().SetWindowOrg(100, 50);
    target.DC().IntersectClipRect(120, 60, 180, 90);
    const HDC hTargetDC = target.DC().m_hDC;
    HDC hMemDC = NULL;
    HGDIOBJ hBitmap = NULL;
    {
        CMemDC memDC(&target.DC());
        hMemDC = memDC.m_hDC;
        hBitmap = ::GetCurrentObject(hMemDC, OBJ_BITMAP);
        EXPECT_NE(hMemDC, hTargetDC);
        EXPECT_FALSE(memDC.IsPrinting());
        memDC.FillSolidRect(120, 60, 60, 30, crFill);
        memDC.FillSolidRect(130, 70, 10, 10, crShape);
        EXPECT_EQ(target.Pixel(35, 25), crPaper);
    }
    CCapturedImage image = target.Capture();
    // Logical (130, 70)-(140, 80) is device (30, 20)-(40, 30); the clip box device (20, 10)-(80, 40).
    EXPECT_UNIFORM(image, CRect(30, 20, 40, 30), crShape);
    EXPECT_COLOR_COUNT(image, image.GetRect(), crShape, 100);
    EXPECT_COLOR_COUNT(image, CRect(20, 10, 80, 40), crFill, 60 * 30 - 100);
    EXPECT_COLOR_COUNT(image, image.GetRect(), crFill, 60 * 30 - 100);
    EXPECT_EQ(::GetObjectType(hMemDC), 0u);
    EXPECT_EQ(::GetObjectType(hBitmap), 0u);
    EXPECT_EQ(::GetCurrentObject(hTargetDC, OBJ_BITMAP), target.GetBitmap());

    // A clip box without area: nothing reaches the target, which stays usable.
    target.DC().SelectClipRgn(NULL);
    target.DC().IntersectClipRect(150, 50, 150, 80);
    {
        CMemDC memDC(&target.DC());
        memDC.FillSolidRect(0, 0, 400, 300, crPaper);
    }
    EXPECT_UNIFORM(target.Capture(), CRect(30, 20, 40, 30), crShape);
    target.DC().SelectClipRgn(NULL);
    target.DC().FillSolidRect(100, 50, 5, 5, crFill);
    EXPECT_EQ(target.Pixel(2, 2), crFill);
}

TEST(MemDC, PartialRepaintOfAWindowBuffersAndCopiesOnlyTheInvalidStrip)
{
    CHostWindow host;
    ASSERT_TRUE(host.CreateHost(kWidth, kHeight));
    COLORREF crPaint = crFill;
    CSize sizeBuffered;
    host.SetPaintHandler([&](CDC* pDC) {
        CMemDC memDC(pDC);
        BITMAP bm = {};
        if (memDC.GetCurrentBitmap()->GetBitmap(&bm) != 0)
            sizeBuffered = CSize(bm.bmWidth, bm.bmHeight);
        memDC.FillSolidRect(0, 0, kWidth, kHeight, crPaint);
    });
    host.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
    PumpPending();
    EXPECT_EQ(sizeBuffered, CSize(kWidth, kHeight));

    crPaint = crShape;
    CRect rectStrip(0, 30, kWidth, 45);
    host.InvalidateRect(&rectStrip, FALSE);
    host.UpdateWindow();
    PumpPending();
    EXPECT_EQ(sizeBuffered, CSize(kWidth, 15));
    CCapturedImage image = CaptureAsIs(host.m_hWnd);
    EXPECT_UNIFORM(image, CRect(0, 0, kWidth, 30), crFill);
    EXPECT_UNIFORM(image, rectStrip, crShape);
    EXPECT_UNIFORM(image, CRect(0, 45, kWidth, kHeight), crFill);
}

TEST(MemDC, PrintingTargetIsDrawnOnDirectlyAndStaysUsable)
{
    CDibSurface target(kWidth, kHeight, crPaper);
    CDC& dcTarget = target.DC();
    dcTarget.m_bPrinting = TRUE;
    dcTarget.SetWindowOrg(10, 10);
    const HDC hTargetDC = dcTarget.m_hDC;
    {
        CMemDC memDC(&dcTarget);
        EXPECT_TRUE(memDC.IsPrinting() && memDC.m_hDC == hTargetDC);
        memDC.FillSolidRect(20, 20, 30, 10, crShape);
        // No buffer: the drawing is on the target at once.
        EXPECT_EQ(std::vector<COLORREF>({ target.Pixel(10, 10), target.Pixel(40, 20) }), std::vector<COLORREF>({ crShape, crPaper }));
    }
    EXPECT_TRUE(dcTarget.m_hDC == hTargetDC && CDC::FromHandle(hTargetDC) == &dcTarget);
    EXPECT_EQ(::GetCurrentObject(hTargetDC, OBJ_BITMAP), target.GetBitmap());
    dcTarget.FillSolidRect(60, 60, 5, 5, crFill);
    EXPECT_EQ(target.Pixel(50, 50), crFill);
}
