// CMemDC as a paint handler uses it: drawing in the target's logical coordinates goes into a
// bitmap the size of the clip box and reaches the target only when the surface is destroyed;
// a printing target is drawn on directly and left usable.
#include <gtest/gtest.h>

#include <zaduv.h>

#include "DibSurface.h"
#include "HostWindow.h"
#include "MessagePump.h"
#include "PixelCapture.h"
#include "header_test_helpers.h"

using namespace zaduv_test;

namespace
{
const COLORREF crPaper = RGB(255, 255, 255);
const COLORREF crFill = RGB(20, 120, 220);
const COLORREF crShape = RGB(220, 30, 30);

const int kTargetWidth = 200;
const int kTargetHeight = 100;

// Whether a GDI handle still names a live object.
bool IsLiveObject(HGDIOBJ hObject)
{
    return ::GetObjectType(hObject) != 0;
}

// The stock bitmap a memory context holds before anything is selected; it is never deleted.
HGDIOBJ DefaultBitmap()
{
    HDC hDC = ::CreateCompatibleDC(NULL);
    HGDIOBJ hBitmap = ::GetCurrentObject(hDC, OBJ_BITMAP);
    ::DeleteDC(hDC);
    return hBitmap;
}
}

TEST(MemDC, ShapeDrawnAtTargetCoordinatesLandsThereThroughAnOffsetClipBox)
{
    CDibSurface target(kTargetWidth, kTargetHeight, crPaper);
    ASSERT_TRUE(target.IsValid());
    // Logical (100, 50) is the surface's device (0, 0); the clip box starts far from 0, 0.
    target.DC().SetWindowOrg(100, 50);
    target.DC().IntersectClipRect(120, 60, 180, 90);
    CRect rectClip;
    ASSERT_EQ(target.DC().GetClipBox(&rectClip), SIMPLEREGION);
    ASSERT_EQ(rectClip, CRect(120, 60, 180, 90));

    {
        CMemDC memDC(&target.DC());
        memDC.FillSolidRect(&rectClip, crFill);
        memDC.FillSolidRect(130, 70, 10, 10, crShape);

        // The clip box as the surface reports it is the target's, in the same coordinates.
        CRect rectMemClip;
        memDC.GetClipBox(&rectMemClip);
        EXPECT_EQ(rectMemClip, rectClip);
        // Nothing reaches the target before the copy.
        EXPECT_EQ(target.Pixel(35, 25), crPaper);
        EXPECT_EQ(target.Pixel(20, 10), crPaper);
    }

    CCapturedImage image = target.Capture();
    // Logical (130, 70)-(140, 80) is device (30, 20)-(40, 30).
    EXPECT_UNIFORM(image, CRect(30, 20, 40, 30), crShape);
    EXPECT_COLOR_COUNT(image, image.GetRect(), crShape, 100);
    // The rest of the clip box, device (20, 10)-(80, 40), has the fill.
    EXPECT_COLOR_COUNT(image, CRect(20, 10, 80, 40), crFill, 60 * 30 - 100);
    EXPECT_COLOR_COUNT(image, image.GetRect(), crFill, 60 * 30 - 100);
    EXPECT_PIXEL(image, 19, 10, crPaper);
    EXPECT_PIXEL(image, 80, 39, crPaper);
    EXPECT_PIXEL(image, 20, 9, crPaper);
    EXPECT_PIXEL(image, 79, 40, crPaper);
}

TEST(MemDC, StripClipBoxBuffersAndCopiesOnlyTheStrip)
{
    CDibSurface target(kTargetWidth, kTargetHeight, crPaper);
    ASSERT_TRUE(target.IsValid());
    target.DC().IntersectClipRect(0, 40, kTargetWidth, 60);

    {
        CMemDC memDC(&target.DC());
        // The off-screen bitmap is as large as the strip, not as the target.
        BITMAP bm = {};
        CBitmap* pBitmap = memDC.GetCurrentBitmap();
        ASSERT_NE(pBitmap, nullptr);
        ASSERT_NE(pBitmap->GetBitmap(&bm), 0);
        EXPECT_EQ(bm.bmWidth, kTargetWidth);
        EXPECT_EQ(bm.bmHeight, 20);

        memDC.FillSolidRect(0, 0, kTargetWidth, kTargetHeight, crFill);
        memDC.FillSolidRect(50, 30, 20, 40, crShape);
    }

    CCapturedImage image = target.Capture();
    EXPECT_UNIFORM(image, CRect(0, 0, kTargetWidth, 40), crPaper);
    EXPECT_UNIFORM(image, CRect(0, 60, kTargetWidth, kTargetHeight), crPaper);
    EXPECT_UNIFORM(image, CRect(50, 40, 70, 60), crShape);
    EXPECT_UNIFORM(image, CRect(0, 40, 50, 60), crFill);
    EXPECT_UNIFORM(image, CRect(70, 40, kTargetWidth, 60), crFill);
}

TEST(MemDC, PartialRepaintOfAWindowCopiesOnlyTheInvalidStrip)
{
    CHostWindow host;
    ASSERT_TRUE(host.CreateHost(kTargetWidth, kTargetHeight));
    COLORREF crPaint = crFill;
    CSize sizeBuffered;
    host.SetPaintHandler([&](CDC* pDC) {
        CMemDC memDC(pDC);
        BITMAP bm = {};
        if (memDC.GetCurrentBitmap()->GetBitmap(&bm) != 0)
            sizeBuffered = CSize(bm.bmWidth, bm.bmHeight);
        memDC.FillSolidRect(0, 0, kTargetWidth, kTargetHeight, crPaint);
    });
    host.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
    PumpPending();
    EXPECT_EQ(sizeBuffered, CSize(kTargetWidth, kTargetHeight));

    crPaint = crShape;
    CRect rectStrip(0, 30, kTargetWidth, 45);
    host.InvalidateRect(&rectStrip, FALSE);
    host.UpdateWindow();
    PumpPending();
    EXPECT_EQ(sizeBuffered, CSize(kTargetWidth, 15));

    CCapturedImage image = CaptureAsIs(host.m_hWnd);
    EXPECT_UNIFORM(image, CRect(0, 0, kTargetWidth, 30), crFill);
    EXPECT_UNIFORM(image, rectStrip, crShape);
    EXPECT_UNIFORM(image, CRect(0, 45, kTargetWidth, kTargetHeight), crFill);
}

TEST(MemDC, ZeroAreaClipBoxLeavesTheTargetUnchangedAndReleasesEverything)
{
    CDibSurface target(kTargetWidth, kTargetHeight, crPaper);
    ASSERT_TRUE(target.IsValid());
    target.DC().SetWindowOrg(-15, -25);
    target.DC().IntersectClipRect(50, 50, 50, 80);
    CRect rectClip;
    ASSERT_EQ(target.DC().GetClipBox(&rectClip), NULLREGION);

    HDC hMemDC = NULL;
    HGDIOBJ hBitmap = NULL;
    {
        CMemDC memDC(&target.DC());
        hMemDC = memDC.m_hDC;
        if (hMemDC != NULL)
            hBitmap = ::GetCurrentObject(hMemDC, OBJ_BITMAP);
        memDC.FillSolidRect(-100, -100, 400, 300, crShape);
        memDC.MoveTo(0, 0);
        memDC.LineTo(150, 90);
    }

    EXPECT_UNIFORM(target.Capture(), CRect(0, 0, kTargetWidth, kTargetHeight), crPaper);
    if (hMemDC != NULL)
    {
        EXPECT_FALSE(IsLiveObject(hMemDC));
    }
    // A zero-sized bitmap may not be made at all; the stock one stays, as it must.
    if (hBitmap != NULL && hBitmap != DefaultBitmap())
    {
        EXPECT_FALSE(IsLiveObject(hBitmap));
    }
    // The target still works.
    target.DC().SelectClipRgn(NULL);
    target.DC().FillSolidRect(-15, -25, 5, 5, crFill);
    EXPECT_EQ(target.Pixel(2, 2), crFill);
}

TEST(MemDC, BufferingSurfaceReleasesItsContextAndBitmapButNotTheTargets)
{
    CDibSurface target(kTargetWidth, kTargetHeight, crPaper);
    ASSERT_TRUE(target.IsValid());
    HDC hTargetDC = target.DC().m_hDC;

    HDC hMemDC = NULL;
    HGDIOBJ hBitmap = NULL;
    {
        CMemDC memDC(&target.DC());
        hMemDC = memDC.m_hDC;
        ASSERT_NE(hMemDC, nullptr);
        EXPECT_NE(hMemDC, hTargetDC);
        EXPECT_EQ(memDC.m_hAttribDC, hMemDC);
        EXPECT_FALSE(memDC.IsPrinting());
        hBitmap = ::GetCurrentObject(hMemDC, OBJ_BITMAP);
        EXPECT_NE(hBitmap, target.GetBitmap());
        memDC.FillSolidRect(0, 0, kTargetWidth, kTargetHeight, crFill);
    }

    EXPECT_FALSE(IsLiveObject(hMemDC));
    EXPECT_FALSE(IsLiveObject(hBitmap));
    EXPECT_EQ(::GetObjectType(hTargetDC), static_cast<DWORD>(OBJ_MEMDC));
    EXPECT_EQ(::GetCurrentObject(hTargetDC, OBJ_BITMAP), target.GetBitmap());
    EXPECT_EQ(CDC::FromHandle(hTargetDC), &target.DC());
    EXPECT_UNIFORM(target.Capture(), CRect(0, 0, kTargetWidth, kTargetHeight), crFill);
}

TEST(MemDC, PrintingTargetIsDrawnOnDirectlyAndStaysUsable)
{
    CDibSurface target(kTargetWidth, kTargetHeight, crPaper);
    ASSERT_TRUE(target.IsValid());
    CDC& dcTarget = target.DC();
    dcTarget.m_bPrinting = TRUE;
    dcTarget.SetWindowOrg(10, 10);
    HDC hTargetDC = dcTarget.m_hDC;

    {
        CMemDC memDC(&dcTarget);
        EXPECT_TRUE(memDC.IsPrinting());
        EXPECT_EQ(memDC.m_hDC, hTargetDC);
        EXPECT_EQ(memDC.m_hAttribDC, dcTarget.m_hAttribDC);
        EXPECT_EQ(memDC.GetWindowOrg(), CPoint(10, 10));

        memDC.FillSolidRect(20, 20, 30, 10, crShape);
        // No buffer: the drawing is on the target at once.
        EXPECT_EQ(target.Pixel(10, 10), crShape);
        EXPECT_EQ(target.Pixel(39, 19), crShape);
        EXPECT_EQ(target.Pixel(40, 20), crPaper);
    }

    // Neither the handle nor the target object's hold on it was given up.
    EXPECT_EQ(dcTarget.m_hDC, hTargetDC);
    EXPECT_EQ(::GetObjectType(hTargetDC), static_cast<DWORD>(OBJ_MEMDC));
    EXPECT_EQ(::GetCurrentObject(hTargetDC, OBJ_BITMAP), target.GetBitmap());
    EXPECT_EQ(CDC::FromHandle(hTargetDC), &dcTarget);
    dcTarget.FillSolidRect(60, 60, 5, 5, crFill);
    EXPECT_EQ(target.Pixel(50, 50), crFill);
    EXPECT_EQ(target.Pixel(10, 10), crShape);
}
