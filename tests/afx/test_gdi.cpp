// GDI wrappers and device contexts on real memory contexts: pixels where the drawing
// arithmetic fixes them, selection and restoring, mapping, clipping, the handle maps and
// handle ownership.

#include <afxwin.h>
#include <afx/ImageList.h>
#include <afx/HandleMap.h>
#include <gtest/gtest.h>

#include "DibSurface.h"
#include "HostWindow.h"
#include "PixelCapture.h"

namespace
{
const COLORREF kBack = RGB(255, 255, 255), kRed = RGB(255, 0, 0), kBlue = RGB(0, 0, 255), kGreen = RGB(0, 160, 0);
const COLORREF kMagenta = RGB(255, 0, 255);

using zaduv_test::CCapturedImage;

// A 64 x 64 white surface; captures read its device pixels whatever the mapping.
class GdiTest : public ::testing::Test
{
protected:
    enum { kSize = 64 };
    void SetUp() override { ASSERT_TRUE(m_surface.IsValid()); }
    void TearDown() override { AfxDeleteTempMaps(); }
    CCapturedImage Capture() { return m_surface.Capture(); }

    zaduv_test::CDibSurface m_surface{ kSize, kSize, kBack };
    CDC& m_dc = m_surface.DC();
};

TEST_F(GdiTest, FillSolidRectAndDraw3dRectPaintExactlyTheirPixels)
{
    m_dc.FillSolidRect(CRect(40, 50, 45, 53), kGreen);
    EXPECT_EQ(kGreen, m_dc.GetBkColor());     // the fill colour stays as the background colour
    // Frame at (10, 20), 20 x 15: the top-right and bottom-left corners take the bottom-right colour.
    m_dc.Draw3dRect(10, 20, 20, 15, kRed, kBlue);
    CCapturedImage image = Capture();
    EXPECT_UNIFORM(image, CRect(11, 21, 29, 34), kBack);
    EXPECT_EQ(CRect(10, 20, 29, 34), image.BoundingBox(kRed));
    EXPECT_EQ(CRect(10, 20, 30, 35), image.BoundingBox(kBlue));
    EXPECT_COLOR_COUNT(image, image.GetRect(), kRed, 19 + 14 - 1);
    EXPECT_COLOR_COUNT(image, image.GetRect(), kBlue, 20 + 15 - 1);
    EXPECT_EQ(CRect(40, 50, 45, 53), image.BoundingBox(kGreen));
    EXPECT_COLOR_COUNT(image, image.GetRect(), kGreen, 15);
}

// With separate handles, state goes to both, drawing to the output handle only, and queries and
// the answers of setters come from the attribute handle; a selection answers the object that
// was selected before, itself when it has one, and is undone by selecting that back.
TEST_F(GdiTest, SelectionAndStateReachBothHandlesAndDrawingTheOutput)
{
    HDC hAttrib = ::CreateCompatibleDC(m_dc.m_hDC);
    CPen penRed(PS_SOLID, 1, kRed), penBlue(PS_SOLID, 1, kBlue);
    {
        CDC dc;
        dc.SetOutputDC(m_dc.m_hDC);
        dc.SetAttribDC(hAttrib);
        ::SetBkColor(hAttrib, kGreen);
        EXPECT_EQ(kGreen, dc.SetBkColor(kBlue));
        EXPECT_EQ(kBlue, ::GetBkColor(m_dc.m_hDC));
        ::SelectObject(hAttrib, ::GetStockObject(WHITE_PEN));
        CPen* pOldPen = dc.SelectObject(&penRed);
        ASSERT_EQ(::GetStockObject(WHITE_PEN), pOldPen->GetSafeHandle());
        EXPECT_EQ(&penRed, dc.SelectObject(&penBlue));
        EXPECT_EQ(std::make_pair(&penBlue, penBlue.m_hObject), std::make_pair(dc.GetCurrentPen(), ::GetCurrentObject(m_dc.m_hDC, OBJ_PEN)));
        dc.MoveTo(2, 40);
        dc.LineTo(40, 40);
        EXPECT_PIXEL(Capture(), 20, 40, kBlue);
        EXPECT_EQ(&penBlue, dc.SelectObject(pOldPen));
        EXPECT_EQ(::GetStockObject(WHITE_PEN), ::GetCurrentObject(hAttrib, OBJ_PEN));
        HGDIOBJ hBrush = ::GetCurrentObject(hAttrib, OBJ_BRUSH);
        CGdiObject* pOldStock = dc.SelectStockObject(NULL_BRUSH);
        ASSERT_EQ(hBrush, pOldStock->GetSafeHandle());
        EXPECT_EQ(::GetStockObject(NULL_BRUSH), ::GetCurrentObject(m_dc.m_hDC, OBJ_BRUSH));
        dc.SelectObject(pOldStock);
        dc.ReleaseOutputDC();
        dc.ReleaseAttribDC();
    }
    // Released, not deleted.
    EXPECT_EQ(std::make_pair(DWORD(OBJ_MEMDC), DWORD(OBJ_MEMDC)), std::make_pair(::GetObjectType(hAttrib), ::GetObjectType(m_dc.m_hDC)));
    ::DeleteDC(hAttrib);
}

// Sizes have no origin: they convert by the extents' ratio whatever the axis direction; points
// and drawing follow the origins.
TEST_F(GdiTest, SizesConvertByTheExtentsRatioAndDrawingFollowsTheOrigins)
{
    m_dc.SetWindowOrg(100, 50);
    m_dc.FillSolidRect(105, 53, 2, 2, kRed);
    m_dc.SetWindowOrg(0, 0);
    EXPECT_EQ(CRect(5, 3, 7, 5), Capture().BoundingBox(kRed));
    m_dc.SetMapMode(MM_ANISOTROPIC);
    m_dc.SetWindowExt(2, 2);
    m_dc.SetViewportExt(1, -1);
    CSize size(20, 40);
    CPoint pt(20, 40);
    m_dc.LPtoDP(&size);
    m_dc.LPtoDP(&pt);
    EXPECT_EQ(std::make_pair(CSize(10, 20), CPoint(10, -20)), std::make_pair(size, pt));
    m_dc.DPtoLP(&size);
    EXPECT_EQ(CSize(20, 40), size);
}

TEST_F(GdiTest, EndEllipsisTextStaysInsideItsRectangle)
{
    CRect rect(4, 4, 44, 24);
    const CString str(_T("A caption far too wide for this narrow rectangle"));
    m_dc.DrawText(str, &rect, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX | DT_MODIFYSTRING);
    // A constant string is never shortened, even when the caller asks for it.
    EXPECT_STREQ(_T("A caption far too wide for this narrow rectangle"), str);
    CCapturedImage image = Capture();
    EXPECT_EQ(image.CountColor(kBack) + rect.Width() * rect.Height(), kSize * kSize + image.CountColor(rect, kBack));
    EXPECT_LT(image.CountColor(rect, kBack), rect.Width() * rect.Height());
}

// Temporaries wrap handles nobody owns and go at idle time, leaving the handle alive;
// attached objects delete theirs, detached ones leave it to the caller.
TEST_F(GdiTest, HandleMapsHoldTemporariesAndOwnersReleaseOnlyWhatTheyOwn)
{
    CPen pen(PS_SOLID, 1, kRed);
    EXPECT_EQ(&pen, CGdiObject::FromHandle(pen.m_hObject));
    HBRUSH hBrush = ::CreateSolidBrush(kBlue);
    CBrush* pTemp = CBrush::FromHandle(hBrush);
    EXPECT_EQ(pTemp, afxMapHGDIOBJ()->LookupTemporary(hBrush));
    AfxDeleteTempMaps();
    EXPECT_EQ(nullptr, afxMapHGDIOBJ()->LookupTemporary(hBrush));
    m_dc.FillRect(CRect(0, 0, 4, 4), CBrush::FromHandle(hBrush));
    EXPECT_COLOR_COUNT(Capture(), CRect(0, 0, kSize, kSize), kBlue, 16);
    AfxDeleteTempMaps();
    EXPECT_TRUE(::DeleteObject(hBrush));

    HDC hDC = ::CreateCompatibleDC(m_dc.m_hDC);
    EXPECT_EQ(hDC, CDC::FromHandle(hDC)->m_hAttribDC);
    EXPECT_EQ(&m_dc, CDC::FromHandle(m_dc.m_hDC));
    AfxDeleteTempMaps();
    EXPECT_EQ(nullptr, afxMapHDC()->LookupTemporary(hDC));
    EXPECT_TRUE(::DeleteDC(hDC));

    // Detached, a handle is the caller's; attached, it goes with its object.
    HPEN hPen = ::CreatePen(PS_SOLID, 1, kRed);
    for (bool bDetach : { true, false })
    {
        EXPECT_EQ(static_cast<DWORD>(OBJ_PEN), ::GetObjectType(hPen));
        CPen attached;
        EXPECT_TRUE(attached.Attach(hPen));
        EXPECT_TRUE(!bDetach || attached.Detach() == hPen);
    }
    EXPECT_EQ(0u, ::GetObjectType(hPen));
    EXPECT_EQ(nullptr, afxMapHGDIOBJ()->LookupPermanent(hPen));
    {
        CDC dc;
        ASSERT_TRUE(dc.CreateCompatibleDC(&m_dc));
        hDC = dc;
    }
    EXPECT_EQ(0u, ::GetObjectType(hDC));
    EXPECT_EQ(nullptr, afxMapHDC()->LookupPermanent(hDC));

    // A stock object is held without a map entry: releasing it keeps the map's temporary.
    CGdiObject stock;
    ASSERT_TRUE(stock.CreateStockObject(WHITE_BRUSH));
    CGdiObject* pStockTemp = CGdiObject::FromHandle(stock.m_hObject);
    stock.DeleteObject();
    EXPECT_EQ(pStockTemp, afxMapHGDIOBJ()->LookupTemporary(::GetStockObject(WHITE_BRUSH)));
}

// A wrapper that forgot its handle would exhaust the process's GDI handles long before the end
// (Wine stops near 65,000; Windows at 10,000 by default).
TEST_F(GdiTest, CreatingAndDestroyingObjectsDoesNotLeakHandles)
{
    int nFailures = 0;
    for (int i = 0; i < 70000 && nFailures == 0; ++i)
    {
        CPen pen;
        CBrush brush;
        CBitmap bitmap;
        CRgn rgn;
        CDC dc;
        nFailures += !pen.CreatePen(PS_SOLID, 1, RGB(i & 0xFF, 0, 0)) + !brush.CreateSolidBrush(RGB(0, i & 0xFF, 0)) +
            !bitmap.CreateCompatibleBitmap(&m_dc, 4, 4) + !rgn.CreateRectRgn(0, 0, i & 0xFF, 4) + !dc.CreateCompatibleDC(&m_dc);
        CPen* pOldPen = dc.SelectObject(&pen);
        dc.SelectObject(&brush);
        dc.SelectStockObject(WHITE_BRUSH);
        dc.SelectObject(pOldPen);
        if (i % 1000 == 0)
            AfxDeleteTempMaps();
    }
    EXPECT_EQ(0, nFailures);
}

// A 32 x 16 strip of two 16 x 16 images: red with a magenta (masked) top-left quarter, then blue.
TEST_F(GdiTest, ImageListDrawsAddedImagesThroughTheirMask)
{
    CBitmap strip;
    ASSERT_TRUE(strip.CreateCompatibleBitmap(&m_dc, 32, 16));
    CDC dcStrip;
    ASSERT_TRUE(dcStrip.CreateCompatibleDC(&m_dc));
    CBitmap* pOld = dcStrip.SelectObject(&strip);
    dcStrip.FillSolidRect(0, 0, 16, 16, kRed);
    dcStrip.FillSolidRect(0, 0, 8, 8, kMagenta);
    dcStrip.FillSolidRect(16, 0, 16, 16, kBlue);
    dcStrip.SelectObject(pOld);
    CImageList images;
    ASSERT_TRUE(images.Create(16, 16, ILC_COLOR24 | ILC_MASK, 0, 4));
    EXPECT_EQ(0, images.Add(&strip, kMagenta));
    EXPECT_EQ(2, images.GetImageCount());
    EXPECT_TRUE(images.Draw(&m_dc, 0, CPoint(2, 2), ILD_NORMAL));
    // Part of the second image: 6 x 4 pixels from its (10, 12).
    EXPECT_TRUE(images.DrawIndirect(&m_dc, 1, CPoint(30, 40), CSize(6, 4), CPoint(10, 12)));
    CCapturedImage image = Capture();
    EXPECT_UNIFORM(image, CRect(2, 2, 10, 10), kBack);     // masked
    EXPECT_EQ(CRect(2, 2, 18, 18), image.BoundingBox(kRed));
    EXPECT_COLOR_COUNT(image, image.GetRect(), kRed, 16 * 16 - 8 * 8);
    EXPECT_EQ(CRect(30, 40, 36, 44), image.BoundingBox(kBlue));
    EXPECT_COLOR_COUNT(image, image.GetRect(), kBlue, 24);
}

TEST(GdiWindowTest, ClientWindowAndPaintContextsReleaseWhatTheyTake)
{
    zaduv_test::CHostWindow host;
    ASSERT_TRUE(host.CreateHost(80, 60));
    HDC hClientDC = CClientDC(&host), hWindowDC = CWindowDC(&host);
    // Released already: a second release has nothing to give back.
    EXPECT_EQ(0, ::ReleaseDC(host.m_hWnd, hClientDC) + ::ReleaseDC(host.m_hWnd, hWindowDC));
    EXPECT_EQ(&host, CClientDC(&host).GetWindow());
    // The host paints through a CPaintDC.
    HDC hPaintDC = NULL;
    CRect rcPaint;
    host.SetPaintHandler([&](CDC* pDC) {
        hPaintDC = pDC->m_hDC;
        rcPaint = static_cast<CPaintDC*>(pDC)->m_ps.rcPaint;
    });
    host.UpdateWindow();
    host.InvalidateRect(CRect(5, 6, 15, 16), FALSE);
    host.UpdateWindow();
    EXPECT_EQ(CRect(5, 6, 15, 16), rcPaint);
    EXPECT_FALSE(host.GetUpdateRect(NULL, FALSE));
    EXPECT_TRUE(hPaintDC != NULL && ::ReleaseDC(host.m_hWnd, hPaintDC) == 0) << "EndPaint gave it back";
}
}
