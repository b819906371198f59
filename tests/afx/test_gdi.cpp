// GDI wrappers and device contexts on real memory contexts: pixels where the drawing
// arithmetic fixes them, selection and restoring, mapping, clipping, the handle maps and
// handle ownership.

#include <afxwin.h>
#include <afx/ImageList.h>
#include <afx/HandleMap.h>
#include <gtest/gtest.h>

#include "PixelCapture.h"

namespace
{
const COLORREF kBack = RGB(255, 255, 255);
const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kBlue = RGB(0, 0, 255);
const COLORREF kGreen = RGB(0, 160, 0);
const COLORREF kMagenta = RGB(255, 0, 255);

using zaduv_test::CCapturedImage;

// A 64 x 64 screen-compatible bitmap selected into a memory context, cleared to white.
class GdiTest : public ::testing::Test
{
protected:
    enum { kSize = 64 };

    void SetUp() override
    {
        CClientDC screen(NULL);
        ASSERT_TRUE(m_dc.CreateCompatibleDC(&screen));
        ASSERT_TRUE(m_bitmap.CreateCompatibleBitmap(&screen, kSize, kSize));
        m_pOldBitmap = m_dc.SelectObject(&m_bitmap);
        ASSERT_NE(m_pOldBitmap, nullptr);
        m_hOldBitmap = m_pOldBitmap->m_hObject;
        m_dc.FillSolidRect(0, 0, kSize, kSize, kBack);
    }

    void TearDown() override
    {
        ::SelectObject(m_dc.m_hDC, m_hOldBitmap);
        AfxDeleteTempMaps();
    }

    // The whole bitmap, read from device (0, 0) whatever the mapping.
    CCapturedImage Capture()
    {
        CPoint ptWindowOrg = m_dc.SetWindowOrg(0, 0);
        CPoint ptViewportOrg = m_dc.SetViewportOrg(0, 0);
        CCapturedImage image = zaduv_test::CaptureDC(&m_dc, CRect(0, 0, kSize, kSize));
        m_dc.SetWindowOrg(ptWindowOrg);
        m_dc.SetViewportOrg(ptViewportOrg);
        return image;
    }

    CDC m_dc;
    CBitmap m_bitmap;
    CBitmap* m_pOldBitmap = nullptr;
    HGDIOBJ m_hOldBitmap = NULL;
};

TEST_F(GdiTest, FillSolidRectFillsExactlyTheRectAndKeepsTheColourAsBackground)
{
    m_dc.FillSolidRect(10, 12, 5, 3, kRed);
    EXPECT_EQ(kRed, m_dc.GetBkColor());
    CRect rect(20, 20, 22, 30);
    m_dc.FillSolidRect(&rect, kBlue);
    EXPECT_EQ(kBlue, m_dc.GetBkColor());

    CCapturedImage image = Capture();
    EXPECT_COLOR_COUNT(image, image.GetRect(), kRed, 15);
    EXPECT_UNIFORM(image, CRect(10, 12, 15, 15), kRed);
    EXPECT_COLOR_COUNT(image, image.GetRect(), kBlue, 20);
    EXPECT_UNIFORM(image, rect, kBlue);
}

TEST_F(GdiTest, Draw3dRectOwnsTopRightAndBottomLeftCornersToTheBottomRightColour)
{
    struct Probe { int x, y; COLORREF cr; };
    // Frame at (10, 20), 20 x 15: columns 10..29, rows 20..34.
    const Probe probes[] = {
        { 10, 20, kRed },  { 28, 20, kRed },  { 29, 20, kBlue },     // top edge and top-right corner
        { 10, 33, kRed },  { 10, 34, kBlue },                        // left edge and bottom-left corner
        { 29, 21, kBlue }, { 29, 34, kBlue }, { 11, 34, kBlue },     // right and bottom edges
        { 11, 21, kBack }, { 28, 33, kBack },                        // inside
        { 9, 20, kBack },  { 30, 20, kBack }, { 10, 19, kBack }, { 10, 35, kBack }, { 30, 34, kBack },
    };

    m_dc.Draw3dRect(10, 20, 20, 15, kRed, kBlue);
    CCapturedImage image = Capture();
    for (const Probe& probe : probes)
        EXPECT_PIXEL(image, probe.x, probe.y, probe.cr);
    EXPECT_COLOR_COUNT(image, image.GetRect(), kRed, 19 + 14 - 1);
    EXPECT_COLOR_COUNT(image, image.GetRect(), kBlue, 20 + 15 - 1);

    m_dc.FillSolidRect(0, 0, kSize, kSize, kBack);
    CRect rect(10, 20, 30, 35);
    m_dc.Draw3dRect(&rect, kRed, kBlue);
    image = Capture();
    for (const Probe& probe : probes)
        EXPECT_PIXEL(image, probe.x, probe.y, probe.cr);
}

TEST_F(GdiTest, SelectObjectAnswersThePreviousObjectAndRestoresIt)
{
    CPen penRed(PS_SOLID, 1, kRed);
    CPen penBlue(PS_SOLID, 1, kBlue);
    HGDIOBJ hStockPen = ::GetCurrentObject(m_dc.m_hDC, OBJ_PEN);

    CPen* pOldPen = m_dc.SelectObject(&penRed);
    ASSERT_NE(pOldPen, nullptr);
    EXPECT_EQ(hStockPen, pOldPen->m_hObject);
    EXPECT_EQ(&penRed, m_dc.SelectObject(&penBlue));     // the attached object itself, not a copy
    EXPECT_EQ(&penBlue, m_dc.GetCurrentPen());
    m_dc.MoveTo(0, 5);
    m_dc.LineTo(kSize, 5);
    EXPECT_PIXEL(Capture(), 30, 5, kBlue);
    EXPECT_EQ(&penBlue, m_dc.SelectObject(pOldPen));
    EXPECT_EQ(hStockPen, ::GetCurrentObject(m_dc.m_hDC, OBJ_PEN));

    CBrush brush(kGreen);
    CBrush* pOldBrush = m_dc.SelectObject(&brush);
    ASSERT_NE(pOldBrush, nullptr);
    m_dc.Rectangle(10, 10, 20, 20);
    CCapturedImage image = Capture();
    EXPECT_PIXEL(image, 15, 15, kGreen);
    EXPECT_PIXEL(image, 10, 15, RGB(0, 0, 0));             // outline with the stock black pen
    EXPECT_EQ(&brush, m_dc.SelectObject(pOldBrush));

    CFont font;
    ASSERT_TRUE(font.CreatePointFont(90, _T("Arial")));
    CFont* pOldFont = m_dc.SelectObject(&font);
    ASSERT_NE(pOldFont, nullptr);
    EXPECT_EQ(&font, m_dc.GetCurrentFont());
    EXPECT_EQ(&font, m_dc.SelectObject(pOldFont));

    CGdiObject* pOldStock = m_dc.SelectStockObject(NULL_BRUSH);
    ASSERT_NE(pOldStock, nullptr);
    EXPECT_EQ(pOldBrush->m_hObject, pOldStock->m_hObject);
    EXPECT_EQ(::GetStockObject(NULL_BRUSH), ::GetCurrentObject(m_dc.m_hDC, OBJ_BRUSH));
    m_dc.SelectObject(pOldStock);
}

TEST_F(GdiTest, SaveDCAndRestoreDCBringBackPenAndColours)
{
    CPen pen(PS_SOLID, 1, kRed);
    HGDIOBJ hPen = ::GetCurrentObject(m_dc.m_hDC, OBJ_PEN);
    m_dc.SetTextColor(kBlue);

    int nSaved = m_dc.SaveDC();
    ASSERT_NE(0, nSaved);
    m_dc.SelectObject(&pen);
    m_dc.SetTextColor(kGreen);
    m_dc.SetBkMode(TRANSPARENT);
    EXPECT_TRUE(m_dc.RestoreDC(nSaved));

    EXPECT_EQ(hPen, ::GetCurrentObject(m_dc.m_hDC, OBJ_PEN));
    EXPECT_EQ(kBlue, m_dc.GetTextColor());
    EXPECT_EQ(OPAQUE, m_dc.GetBkMode());
}

// With separate handles, state goes to both, drawing to the output handle only and queries
// and the answers of setters come from the attribute handle.
TEST_F(GdiTest, SeparateAttributeHandleReceivesStateButNoDrawing)
{
    HDC hAttrib = ::CreateCompatibleDC(m_dc.m_hDC);
    ASSERT_NE(hAttrib, nullptr);
    CPen pen(PS_SOLID, 1, kRed);
    {
        CDC dc;
        dc.SetOutputDC(m_dc.m_hDC);
        dc.SetAttribDC(hAttrib);

        ::SetBkColor(hAttrib, kGreen);
        EXPECT_EQ(kGreen, dc.SetBkColor(kBlue));
        EXPECT_EQ(kBlue, ::GetBkColor(m_dc.m_hDC));
        EXPECT_EQ(kBlue, dc.GetBkColor());

        ::SelectObject(hAttrib, ::GetStockObject(WHITE_PEN));
        HGDIOBJ hAttribPen = ::GetCurrentObject(hAttrib, OBJ_PEN);
        CPen* pOldPen = dc.SelectObject(&pen);
        ASSERT_NE(pOldPen, nullptr);
        EXPECT_EQ(hAttribPen, pOldPen->m_hObject);
        EXPECT_EQ(pen.m_hObject, ::GetCurrentObject(m_dc.m_hDC, OBJ_PEN));
        EXPECT_EQ(pen.m_hObject, ::GetCurrentObject(hAttrib, OBJ_PEN));

        dc.MoveTo(2, 40);
        EXPECT_TRUE(dc.LineTo(40, 40));
        EXPECT_EQ(CPoint(40, 40), dc.GetCurrentPosition());
        EXPECT_PIXEL(Capture(), 20, 40, kRed);

        EXPECT_EQ(CPoint(0, 0), dc.SetWindowOrg(5, 6));
        CPoint ptOrg;
        ::GetWindowOrgEx(m_dc.m_hDC, &ptOrg);
        EXPECT_EQ(CPoint(5, 6), ptOrg);
        EXPECT_EQ(CPoint(5, 6), dc.GetWindowOrg());
        dc.SetWindowOrg(0, 0);

        dc.SelectObject(pOldPen);
        dc.ReleaseOutputDC();
        dc.ReleaseAttribDC();
    }
    EXPECT_EQ(static_cast<DWORD>(OBJ_MEMDC), ::GetObjectType(hAttrib));   // released, not deleted
    EXPECT_EQ(static_cast<DWORD>(OBJ_MEMDC), ::GetObjectType(m_dc.m_hDC));
    ::DeleteDC(hAttrib);
}

TEST_F(GdiTest, WindowOriginShiftsLogicalDrawingToDevicePixels)
{
    EXPECT_EQ(CPoint(0, 0), m_dc.SetWindowOrg(100, 50));
    EXPECT_EQ(CPoint(100, 50), m_dc.GetWindowOrg());
    m_dc.FillSolidRect(105, 53, 2, 2, kRed);
    m_dc.SetPixel(CPoint(110, 60), kBlue);

    CPoint pt(105, 53);
    m_dc.LPtoDP(&pt);
    EXPECT_EQ(CPoint(5, 3), pt);
    CRect rect(0, 0, 10, 10);
    m_dc.DPtoLP(&rect);
    EXPECT_EQ(CRect(100, 50, 110, 60), rect);

    EXPECT_EQ(CPoint(100, 50), m_dc.SetWindowOrg(CPoint(0, 0)));
    CCapturedImage image = Capture();
    EXPECT_UNIFORM(image, CRect(5, 3, 7, 5), kRed);
    EXPECT_COLOR_COUNT(image, image.GetRect(), kRed, 4);
    EXPECT_PIXEL(image, 10, 10, kBlue);
    EXPECT_COLOR_COUNT(image, image.GetRect(), kBlue, 1);

    EXPECT_EQ(CPoint(0, 0), m_dc.OffsetViewportOrg(3, 4));
    EXPECT_EQ(CPoint(3, 4), m_dc.GetViewportOrg());
    m_dc.SetPixel(0, 0, kGreen);
    m_dc.SetViewportOrg(0, 0);
    EXPECT_PIXEL(Capture(), 3, 4, kGreen);
}

TEST_F(GdiTest, SizesConvertByTheExtentRatioWhateverTheAxisDirection)
{
    m_dc.SetMapMode(MM_ANISOTROPIC);
    m_dc.SetWindowExt(2, 2);
    m_dc.SetViewportExt(1, -1);
    EXPECT_EQ(CSize(2, 2), m_dc.GetWindowExt());
    EXPECT_EQ(CSize(1, -1), m_dc.GetViewportExt());

    CSize size(20, 40);
    m_dc.LPtoDP(&size);
    EXPECT_EQ(CSize(10, 20), size);
    m_dc.DPtoLP(&size);
    EXPECT_EQ(CSize(20, 40), size);

    CPoint pt(20, 40);
    m_dc.LPtoDP(&pt);
    EXPECT_EQ(CPoint(10, -20), pt);
    m_dc.SetMapMode(MM_TEXT);
}

TEST_F(GdiTest, ClipBoxFollowsTheSelectedRegionInLogicalCoordinates)
{
    CRect rect;
    EXPECT_EQ(SIMPLEREGION, m_dc.GetClipBox(&rect));
    EXPECT_EQ(CRect(0, 0, kSize, kSize), rect);

    CRgn rgn;
    ASSERT_TRUE(rgn.CreateRectRgn(5, 6, 25, 30));
    EXPECT_EQ(SIMPLEREGION, m_dc.SelectClipRgn(&rgn));
    EXPECT_EQ(SIMPLEREGION, m_dc.GetClipBox(&rect));
    EXPECT_EQ(CRect(5, 6, 25, 30), rect);
    EXPECT_TRUE(m_dc.PtVisible(5, 6));
    EXPECT_FALSE(m_dc.PtVisible(25, 6));

    m_dc.FillSolidRect(0, 0, kSize, kSize, kRed);
    CCapturedImage image = Capture();
    EXPECT_COLOR_COUNT(image, image.GetRect(), kRed, 20 * 24);
    EXPECT_UNIFORM(image, rect, kRed);

    m_dc.SetWindowOrg(5, 6);
    EXPECT_EQ(SIMPLEREGION, m_dc.GetClipBox(&rect));
    EXPECT_EQ(CRect(10, 12, 30, 36), rect);
    m_dc.SetWindowOrg(0, 0);

    CRgn rgnOther, rgnBoth;
    ASSERT_TRUE(rgnOther.CreateRectRgn(40, 40, 50, 45));
    ASSERT_TRUE(rgnBoth.CreateRectRgn(0, 0, 0, 0));
    EXPECT_EQ(COMPLEXREGION, rgnBoth.CombineRgn(&rgn, &rgnOther, RGN_OR));
    EXPECT_EQ(COMPLEXREGION, m_dc.SelectClipRgn(&rgnBoth));
    EXPECT_EQ(COMPLEXREGION, m_dc.GetClipBox(&rect));
    EXPECT_EQ(CRect(5, 6, 50, 45), rect);

    EXPECT_EQ(SIMPLEREGION, m_dc.SelectClipRgn(NULL));
    EXPECT_EQ(SIMPLEREGION, m_dc.GetClipBox(&rect));
    EXPECT_EQ(CRect(0, 0, kSize, kSize), rect);

    EXPECT_EQ(SIMPLEREGION, m_dc.IntersectClipRect(10, 10, 20, 20));
    EXPECT_EQ(COMPLEXREGION, m_dc.ExcludeClipRect(12, 12, 14, 14));
    m_dc.GetClipBox(&rect);
    EXPECT_EQ(CRect(10, 10, 20, 20), rect);
    m_dc.SelectClipRgn(NULL);
}

TEST_F(GdiTest, RegionOperationsAnswerTheirRegionTypes)
{
    CRgn a, b;
    ASSERT_TRUE(a.CreateRectRgn(0, 0, 10, 10));
    ASSERT_TRUE(b.CreateRectRgnIndirect(CRect(5, 5, 15, 15)));
    CRgn c;
    ASSERT_TRUE(c.CreateRectRgn(0, 0, 0, 0));
    EXPECT_EQ(SIMPLEREGION, c.CombineRgn(&a, &b, RGN_AND));
    CRect box;
    EXPECT_EQ(SIMPLEREGION, c.GetRgnBox(&box));
    EXPECT_EQ(CRect(5, 5, 10, 10), box);
    EXPECT_TRUE(c.PtInRegion(5, 5));
    EXPECT_FALSE(c.PtInRegion(CPoint(10, 10)));

    EXPECT_EQ(SIMPLEREGION, c.CopyRgn(&a));
    EXPECT_TRUE(c.EqualRgn(&a));
    EXPECT_EQ(SIMPLEREGION, c.OffsetRgn(CPoint(100, 0)));
    EXPECT_FALSE(c.EqualRgn(&a));
    EXPECT_TRUE(c.RectInRegion(CRect(105, 5, 106, 6)));
    c.SetRectRgn(CRect(1, 2, 3, 4));
    c.GetRgnBox(&box);
    EXPECT_EQ(CRect(1, 2, 3, 4), box);

    POINT triangle[] = { { 0, 0 }, { 20, 0 }, { 0, 20 } };
    CRgn poly;
    ASSERT_TRUE(poly.CreatePolygonRgn(triangle, 3, ALTERNATE));
    EXPECT_TRUE(poly.PtInRegion(2, 2));
    EXPECT_FALSE(poly.PtInRegion(18, 18));
}

TEST_F(GdiTest, EndEllipsisTextStaysInsideItsRectangle)
{
    const CRect rect(4, 4, 44, 24);
    m_dc.SetTextColor(RGB(0, 0, 0));
    m_dc.SetBkMode(TRANSPARENT);
    CRect rectText = rect;
    CString str(_T("A caption far too wide for this narrow rectangle"));
    m_dc.DrawText(str, &rectText, DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);

    CCapturedImage image = Capture();
    EXPECT_LT(image.CountColor(rect, kBack), rect.Width() * rect.Height());     // something was drawn
    EXPECT_UNIFORM(image, CRect(0, 0, kSize, rect.top), kBack);
    EXPECT_UNIFORM(image, CRect(0, rect.bottom, kSize, kSize), kBack);
    EXPECT_UNIFORM(image, CRect(0, rect.top, rect.left, rect.bottom), kBack);
    EXPECT_UNIFORM(image, CRect(rect.right, rect.top, kSize, rect.bottom), kBack);

    // A constant string is never shortened, even when the caller asks for it.
    rectText = rect;
    m_dc.DrawText(str, &rectText, DT_SINGLELINE | DT_END_ELLIPSIS | DT_MODIFYSTRING);
    EXPECT_STREQ(_T("A caption far too wide for this narrow rectangle"), static_cast<LPCTSTR>(str));
}

TEST_F(GdiTest, CompatibleBitmapHoldsWhatIsDrawnIntoIt)
{
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateCompatibleBitmap(&m_dc, 20, 10));
    BITMAP bm = {};
    ASSERT_NE(0, bitmap.GetBitmap(&bm));
    EXPECT_EQ(20, bm.bmWidth);
    EXPECT_EQ(10, bm.bmHeight);
    EXPECT_EQ(CSize(0, 0), bitmap.GetBitmapDimension());
    bitmap.SetBitmapDimension(200, 100);
    EXPECT_EQ(CSize(200, 100), bitmap.GetBitmapDimension());

    CDC dcMem;
    ASSERT_TRUE(dcMem.CreateCompatibleDC(&m_dc));
    CBitmap* pOld = dcMem.SelectObject(&bitmap);
    ASSERT_NE(pOld, nullptr);
    EXPECT_EQ(&bitmap, dcMem.GetCurrentBitmap());
    dcMem.FillSolidRect(0, 0, 20, 10, kRed);
    dcMem.FillSolidRect(19, 9, 1, 1, kBlue);
    EXPECT_TRUE(m_dc.BitBlt(30, 30, 20, 10, &dcMem, 0, 0, SRCCOPY));
    EXPECT_EQ(&bitmap, dcMem.SelectObject(pOld));

    EXPECT_TRUE(m_dc.StretchBlt(0, 0, 4, 4, &m_dc, 30, 30, 2, 2, SRCCOPY));
    CCapturedImage image = Capture();
    EXPECT_PIXEL(image, 30, 30, kRed);
    EXPECT_PIXEL(image, 49, 39, kBlue);
    EXPECT_PIXEL(image, 50, 39, kBack);
    EXPECT_COLOR_COUNT(image, CRect(30, 30, 50, 40), kRed, 199);
    EXPECT_UNIFORM(image, CRect(0, 0, 4, 4), kRed);
    EXPECT_COLOR_COUNT(image, image.GetRect(), kRed, 199 + 16);
}

TEST_F(GdiTest, PointFontHeightUsesTheContextResolutionAndMapping)
{
    int nLogPixelsY = m_dc.GetDeviceCaps(LOGPIXELSY);
    CFont font;
    ASSERT_TRUE(font.CreatePointFont(120, _T("Arial")));
    LOGFONT lf = {};
    ASSERT_NE(0, font.GetLogFont(&lf));
    EXPECT_EQ(-::MulDiv(nLogPixelsY, 120, 720), lf.lfHeight);
    EXPECT_STREQ(_T("Arial"), lf.lfFaceName);

    // Two logical units to the pixel: the same point size takes twice the logical height.
    m_dc.SetMapMode(MM_ANISOTROPIC);
    m_dc.SetWindowExt(2, 2);
    m_dc.SetViewportExt(1, 1);
    CFont fontScaled;
    ASSERT_TRUE(fontScaled.CreatePointFont(120, _T("Arial"), &m_dc));
    fontScaled.GetLogFont(&lf);
    EXPECT_EQ(-2 * ::MulDiv(nLogPixelsY, 120, 720), lf.lfHeight);
    m_dc.SetMapMode(MM_TEXT);
}

TEST_F(GdiTest, FromHandleAnswersTheAttachedObjectOrATemporaryThatLeavesTheHandleAlive)
{
    CPen pen(PS_SOLID, 1, kRed);
    EXPECT_EQ(&pen, CPen::FromHandle(pen));
    EXPECT_EQ(&pen, CGdiObject::FromHandle(pen.m_hObject));

    HBRUSH hBrush = ::CreateSolidBrush(kBlue);
    CBrush* pTemp = CBrush::FromHandle(hBrush);
    ASSERT_NE(pTemp, nullptr);
    EXPECT_TRUE(pTemp->IsKindOf(RUNTIME_CLASS(CBrush)));
    EXPECT_EQ(hBrush, pTemp->m_hObject);
    EXPECT_EQ(pTemp, CBrush::FromHandle(hBrush));
    EXPECT_EQ(pTemp, afxMapHGDIOBJ()->LookupTemporary(hBrush));

    AfxDeleteTempMaps();
    EXPECT_EQ(nullptr, afxMapHGDIOBJ()->LookupTemporary(hBrush));
    EXPECT_EQ(static_cast<DWORD>(OBJ_BRUSH), ::GetObjectType(hBrush));
    m_dc.FillRect(CRect(0, 0, 4, 4), CBrush::FromHandle(hBrush));
    EXPECT_COLOR_COUNT(Capture(), CRect(0, 0, kSize, kSize), kBlue, 16);
    AfxDeleteTempMaps();
    EXPECT_TRUE(::DeleteObject(hBrush));

    HDC hDC = ::CreateCompatibleDC(m_dc.m_hDC);
    CDC* pTempDC = CDC::FromHandle(hDC);
    ASSERT_NE(pTempDC, nullptr);
    EXPECT_EQ(hDC, pTempDC->m_hDC);
    EXPECT_EQ(hDC, pTempDC->m_hAttribDC);
    EXPECT_EQ(&m_dc, CDC::FromHandle(m_dc.m_hDC));
    AfxDeleteTempMaps();
    EXPECT_EQ(nullptr, afxMapHDC()->LookupTemporary(hDC));
    EXPECT_EQ(static_cast<DWORD>(OBJ_MEMDC), ::GetObjectType(hDC));
    EXPECT_TRUE(::DeleteDC(hDC));
}

TEST_F(GdiTest, DetachAndDestructionLeaveTheMapsWithoutTheObject)
{
    HPEN hPen;
    {
        CPen pen(PS_SOLID, 1, kRed);
        hPen = pen;
        EXPECT_EQ(&pen, afxMapHGDIOBJ()->LookupPermanent(hPen));
        EXPECT_EQ(hPen, pen.Detach());
        EXPECT_EQ(nullptr, afxMapHGDIOBJ()->LookupPermanent(hPen));
        EXPECT_EQ(nullptr, pen.m_hObject);
    }
    EXPECT_EQ(static_cast<DWORD>(OBJ_PEN), ::GetObjectType(hPen));   // detached: the caller's now
    {
        CPen pen;
        EXPECT_TRUE(pen.Attach(hPen));
    }
    EXPECT_EQ(0u, ::GetObjectType(hPen));                             // attached: deleted with it
    EXPECT_EQ(nullptr, afxMapHGDIOBJ()->LookupPermanent(hPen));

    HDC hDC;
    {
        CDC dc;
        ASSERT_TRUE(dc.CreateCompatibleDC(&m_dc));
        hDC = dc;
        EXPECT_EQ(&dc, CDC::FromHandle(hDC));
    }
    EXPECT_EQ(0u, ::GetObjectType(hDC));
    EXPECT_EQ(nullptr, afxMapHDC()->LookupPermanent(hDC));
}

TEST_F(GdiTest, ReleasingAStockObjectKeepsTheMapsTemporaryForIt)
{
    CGdiObject stock;
    ASSERT_TRUE(stock.CreateStockObject(WHITE_BRUSH));
    CGdiObject* pTemp = CGdiObject::FromHandle(stock.m_hObject);
    ASSERT_NE(pTemp, &stock);
    stock.DeleteObject();
    EXPECT_EQ(pTemp, afxMapHGDIOBJ()->LookupTemporary(::GetStockObject(WHITE_BRUSH)));
}

// A wrapper that forgot its handle would exhaust the process's GDI handles long before the end
// (Wine stops near 65,000; Windows at 10,000 by default).
TEST_F(GdiTest, CreatingAndDestroyingObjectsDoesNotLeakHandles)
{
    const int nRounds = 70000;
    int nFailures = 0;
    for (int i = 0; i < nRounds && nFailures == 0; ++i)
    {
        CPen pen;
        CBrush brush;
        CBitmap bitmap;
        CRgn rgn;
        CDC dc;
        nFailures += pen.CreatePen(PS_SOLID, 1, RGB(i & 0xFF, 0, 0)) ? 0 : 1;
        nFailures += brush.CreateSolidBrush(RGB(0, i & 0xFF, 0)) ? 0 : 1;
        nFailures += bitmap.CreateCompatibleBitmap(&m_dc, 4, 4) ? 0 : 1;
        nFailures += rgn.CreateRectRgn(0, 0, i & 0xFF, 4) ? 0 : 1;
        nFailures += dc.CreateCompatibleDC(&m_dc) ? 0 : 1;
        if (nFailures == 0)
        {
            CPen* pOldPen = dc.SelectObject(&pen);
            dc.SelectObject(&brush);
            dc.SelectStockObject(WHITE_BRUSH);
            dc.SelectObject(pOldPen);
        }
        if (i % 1000 == 0)
            AfxDeleteTempMaps();
    }
    EXPECT_EQ(0, nFailures);
}

TEST(GdiWindowTest, ClientAndWindowContextsReleaseWhatTheyTake)
{
    HWND hWnd = ::CreateWindowEx(0, WC_STATIC, _T(""), WS_POPUP | WS_CAPTION, 100, 100, 80, 60, NULL, NULL,
                                 ::GetModuleHandle(NULL), NULL);
    ASSERT_NE(hWnd, nullptr);
    CWnd* pWnd = CWnd::FromHandle(hWnd);
    POINT ptClient = { 0, 0 };
    ::ClientToScreen(hWnd, &ptClient);
    RECT rectWindow;
    ::GetWindowRect(hWnd, &rectWindow);
    ASSERT_NE(ptClient.y, rectWindow.top);

    HDC hClientDC, hWindowDC;
    {
        CClientDC dcClient(pWnd);
        CWindowDC dcWindow(pWnd);
        hClientDC = dcClient;
        hWindowDC = dcWindow;
        ASSERT_NE(hClientDC, nullptr);
        ASSERT_NE(hWindowDC, nullptr);
        EXPECT_EQ(pWnd, dcClient.GetWindow());
        EXPECT_EQ(pWnd, dcWindow.GetWindow());
        EXPECT_EQ(dcClient.m_hDC, dcClient.m_hAttribDC);

        POINT ptOrg;
        ::GetDCOrgEx(hClientDC, &ptOrg);
        EXPECT_EQ(CPoint(ptClient), CPoint(ptOrg));
        ::GetDCOrgEx(hWindowDC, &ptOrg);
        EXPECT_EQ(CPoint(rectWindow.left, rectWindow.top), CPoint(ptOrg));
    }
    // Released already: a second release has nothing to give back.
    EXPECT_EQ(0, ::ReleaseDC(hWnd, hClientDC));
    EXPECT_EQ(0, ::ReleaseDC(hWnd, hWindowDC));
    AfxDeleteTempMaps();
    ::DestroyWindow(hWnd);
}

struct PaintRecord
{
    HDC hDC;
    RECT rcPaint;
};

LRESULT CALLBACK PaintRecorderProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    if (nMsg != WM_PAINT)
        return ::DefWindowProc(hWnd, nMsg, wParam, lParam);
    CPaintDC dc(CWnd::FromHandle(hWnd));
    PaintRecord* pRecord = reinterpret_cast<PaintRecord*>(::GetWindowLongPtr(hWnd, GWLP_USERDATA));
    pRecord->hDC = dc.m_hDC;
    pRecord->rcPaint = dc.m_ps.rcPaint;
    return 0;
}

TEST(GdiWindowTest, PaintContextPaintsTheUpdateRegionAndReleasesItsHandle)
{
    WNDCLASS wc = {};
    wc.lpfnWndProc = &PaintRecorderProc;
    wc.hInstance = ::GetModuleHandle(NULL);
    wc.lpszClassName = _T("AfxGdiPaintRecorder");
    ::RegisterClass(&wc);
    HWND hWnd = ::CreateWindowEx(0, wc.lpszClassName, _T(""), WS_POPUP, 0, 0, 40, 30, NULL, NULL, wc.hInstance,
                                 NULL);
    ASSERT_NE(hWnd, nullptr);
    PaintRecord record = {};
    ::SetWindowLongPtr(hWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&record));
    ::ShowWindow(hWnd, SW_SHOWNOACTIVATE);
    ::UpdateWindow(hWnd);

    RECT rectInvalid = { 5, 6, 15, 16 };
    ::InvalidateRect(hWnd, &rectInvalid, FALSE);
    ::UpdateWindow(hWnd);
    EXPECT_EQ(CRect(5, 6, 15, 16), CRect(record.rcPaint));
    EXPECT_FALSE(::GetUpdateRect(hWnd, NULL, FALSE));
    ASSERT_NE(record.hDC, nullptr);
    EXPECT_EQ(0, ::ReleaseDC(hWnd, record.hDC));     // EndPaint gave it back

    AfxDeleteTempMaps();
    ::DestroyWindow(hWnd);
    ::UnregisterClass(wc.lpszClassName, wc.hInstance);
}

// A 32 x 16 strip of two 16 x 16 images: red with a magenta (masked) top-left quarter, then blue.
TEST_F(GdiTest, ImageListDrawsAddedImagesThroughTheirMask)
{
    CBitmap strip;
    ASSERT_TRUE(strip.CreateCompatibleBitmap(&m_dc, 32, 16));
    {
        CDC dcStrip;
        ASSERT_TRUE(dcStrip.CreateCompatibleDC(&m_dc));
        CBitmap* pOld = dcStrip.SelectObject(&strip);
        dcStrip.FillSolidRect(0, 0, 16, 16, kRed);
        dcStrip.FillSolidRect(0, 0, 8, 8, kMagenta);
        dcStrip.FillSolidRect(16, 0, 16, 16, kBlue);
        dcStrip.SelectObject(pOld);
    }

    CImageList images;
    ASSERT_TRUE(images.Create(16, 16, ILC_COLOR24 | ILC_MASK, 0, 4));
    EXPECT_EQ(0, images.Add(&strip, kMagenta));
    EXPECT_EQ(2, images.GetImageCount());
    int cx = 0, cy = 0;
    EXPECT_TRUE(images.GetIconSize(&cx, &cy));
    EXPECT_EQ(16, cx);
    EXPECT_EQ(16, cy);

    EXPECT_TRUE(images.Draw(&m_dc, 0, CPoint(2, 2), ILD_NORMAL));
    CCapturedImage image = Capture();
    EXPECT_UNIFORM(image, CRect(2, 2, 10, 10), kBack);     // masked
    EXPECT_PIXEL(image, 10, 10, kRed);
    EXPECT_PIXEL(image, 17, 2, kRed);
    EXPECT_COLOR_COUNT(image, image.GetRect(), kRed, 16 * 16 - 8 * 8);

    // Part of the second image: 6 x 4 pixels from its (10, 12), with the list's background.
    images.SetBkColor(kGreen);
    EXPECT_EQ(kGreen, images.GetBkColor());
    EXPECT_TRUE(images.DrawIndirect(&m_dc, 1, CPoint(30, 40), CSize(6, 4), CPoint(10, 12)));
    image = Capture();
    EXPECT_UNIFORM(image, CRect(30, 40, 36, 44), kBlue);
    EXPECT_COLOR_COUNT(image, image.GetRect(), kBlue, 24);

    EXPECT_TRUE(images.Remove(0));
    EXPECT_EQ(1, images.GetImageCount());
    IMAGEINFO info = {};
    EXPECT_TRUE(images.GetImageInfo(0, &info));
    EXPECT_EQ(CRect(0, 0, 16, 16), CRect(info.rcImage));
}

TEST(ImageListMapTest, FromHandleAnswersTheAttachedListOrATemporary)
{
    CImageList images;
    ASSERT_TRUE(images.Create(8, 8, ILC_COLOR24, 1, 1));
    EXPECT_EQ(&images, CImageList::FromHandle(images));
    EXPECT_EQ(&images, CImageList::FromHandlePermanent(images));

    HIMAGELIST hRaw = ImageList_Create(8, 8, ILC_COLOR24, 1, 1);
    CImageList* pTemp = CImageList::FromHandle(hRaw);
    ASSERT_NE(pTemp, nullptr);
    EXPECT_EQ(hRaw, pTemp->m_hImageList);
    EXPECT_EQ(nullptr, CImageList::FromHandlePermanent(hRaw));
    AfxDeleteTempMaps();
    EXPECT_EQ(nullptr, afxMapHIMAGELIST()->LookupTemporary(hRaw));
    EXPECT_EQ(0, ImageList_GetImageCount(hRaw));
    int cx = 0, cy = 0;
    EXPECT_TRUE(ImageList_GetIconSize(hRaw, &cx, &cy));   // the list outlives its temporary
    EXPECT_EQ(8, cx);
    EXPECT_TRUE(ImageList_Destroy(hRaw));

    HIMAGELIST hDetached = images.Detach();
    EXPECT_EQ(nullptr, CImageList::FromHandlePermanent(hDetached));
    EXPECT_FALSE(images.DeleteImageList());
    EXPECT_TRUE(ImageList_Destroy(hDetached));
}
}
