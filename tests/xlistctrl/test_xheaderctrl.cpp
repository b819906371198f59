// CXHeaderCtrl paints the whole header itself. These cases create real header windows,
// fill them with columns as a list control would, and read the pixels the header shows.
#include <gtest/gtest.h>

#include <zaduv.h>

#include <string>
#include <vector>

#include "DibSurface.h"
#include "HostWindow.h"
#include "MessagePump.h"
#include "PixelCapture.h"
#include "header_test_helpers.h"

using namespace zaduv_test;

namespace
{
const UINT kHeaderId = 4711;
const int kHostWidth = 600;
const int kHeaderHeight = 24;
const int kSpacing = 6;
const UINT kCaptionFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS;

// Reaches what the class keeps for itself and records what it hands to its overridables.
class CProbeHeader : public CXHeaderCtrl
{
public:
    std::vector<DRAWITEMSTRUCT> m_drawn;
    std::vector<CRect> m_contentRects;
    std::vector<COLORREF> m_textColours;

    void SetStaticBorder(BOOL bStaticBorder) { m_bStaticBorder = bStaticBorder; }
    void SetDoubleBuffer(BOOL bDoubleBuffer) { m_bDoubleBuffer = bDoubleBuffer; }

    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
    {
        m_drawn.push_back(*lpDrawItemStruct);
        m_textColours.push_back(::GetTextColor(lpDrawItemStruct->hDC));
    }

    virtual int DrawItemContent(CDC* pDC, CRect rect, LPHDITEM lphdi)
    {
        m_contentRects.push_back(rect);
        return CXHeaderCtrl::DrawItemContent(pDC, rect, lphdi);
    }
};

class XHeaderPaint : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(CreateCrispFont(m_font, 11));
        ASSERT_TRUE(m_host.CreateHost(kHostWidth, kHeaderHeight + 16));
        ASSERT_TRUE(m_header.Create(WS_CHILD | WS_VISIBLE | HDS_HORZ | HDS_BUTTONS,
            CRect(0, 0, kHostWidth, kHeaderHeight), &m_host, kHeaderId));
        m_header.SetFont(&m_font);
        ReadColours();
    }

    void ReadColours()
    {
        m_crFace = ::GetSysColor(COLOR_3DFACE);
        m_crLight = ::GetSysColor(COLOR_3DHIGHLIGHT);
        m_crShadow = ::GetSysColor(COLOR_3DSHADOW);
    }

    int AddColumn(LPCTSTR lpszCaption, int cxWidth, int iImage = 0, HBITMAP hBitmap = NULL,
        int fmt = HDF_STRING | HDF_LEFT)
    {
        HDITEM hdi = {};
        hdi.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT | HDI_IMAGE;
        hdi.pszText = const_cast<LPTSTR>(lpszCaption);
        hdi.cxy = cxWidth;
        hdi.fmt = fmt;
        hdi.iImage = iImage;
        if (hBitmap != NULL)
        {
            hdi.mask |= HDI_BITMAP;
            hdi.hbm = hBitmap;
            hdi.fmt |= HDF_BITMAP;
        }
        return m_header.InsertItem(m_header.GetItemCount(), &hdi);
    }

    CRect ItemRect(int nItem) { CRect rect; m_header.GetItemRect(nItem, &rect); return rect; }

    // The caption as the header must show it, drawn by the test into rect.
    CCapturedImage Reference(LPCTSTR lpszCaption, const CRect& rect)
    {
        return RenderText(kHostWidth, kHeaderHeight, m_crFace, &m_font, lpszCaption, rect, kCaptionFormat);
    }

    // Lines from top + 2 to bottom - 2, the end point left out.
    void ExpectDivider(const CCapturedImage& image, int right)
    {
        EXPECT_UNIFORM(image, CRect(right - 1, 2, right, kHeaderHeight - 2), m_crShadow);
        EXPECT_UNIFORM(image, CRect(right, 2, right + 1, kHeaderHeight - 2), m_crLight);
        EXPECT_UNIFORM(image, CRect(right - 1, 1, right + 1, 2), m_crFace);
        EXPECT_UNIFORM(image, CRect(right - 1, kHeaderHeight - 2, right + 1, kHeaderHeight - 1), m_crFace);
    }

    // Checked above the captions, which are centred vertically.
    void ExpectNoDivider(const CCapturedImage& image, int right)
    {
        EXPECT_UNIFORM(image, CRect(right - 1, 2, right + 1, 5), m_crFace);
    }

    // Draw3dRect around (0, 0, cx, height): light top and left, shadow bottom and right, the
    // top-right and bottom-left corners in shadow.
    void ExpectFrame(const CCapturedImage& image, int cx)
    {
        EXPECT_UNIFORM(image, CRect(0, 0, cx - 1, 1), m_crLight);
        EXPECT_UNIFORM(image, CRect(0, 0, 1, kHeaderHeight - 1), m_crLight);
        EXPECT_UNIFORM(image, CRect(cx - 1, 0, cx, kHeaderHeight), m_crShadow);
        EXPECT_UNIFORM(image, CRect(0, kHeaderHeight - 1, cx, kHeaderHeight), m_crShadow);
        EXPECT_UNIFORM(image, CRect(cx, 0, kHostWidth, kHeaderHeight), m_crFace);
    }

    CFont m_font;
    CHostWindow m_host;
    CProbeHeader m_header;
    COLORREF m_crFace;
    COLORREF m_crLight;
    COLORREF m_crShadow;
};

class CImageListOf : public CImageList
{
public:
    // One solid image per colour, cx x cy each.
    CImageListOf(int cx, int cy, std::initializer_list<COLORREF> colours)
    {
        Create(cx, cy, ILC_COLOR24, static_cast<int>(colours.size()), 0);
        for (COLORREF cr : colours)
        {
            CBitmap bitmap;
            bitmap.Attach(MakeSolidBitmap(cx, cy, cr));
            Add(&bitmap, static_cast<CBitmap*>(NULL));
        }
    }
};
}

TEST_F(XHeaderPaint, FrameSpansTheColumnWidthsAndDividersSeparateTheColumns)
{
    EXPECT_UNIFORM(CaptureClient(&m_header), CRect(0, 0, kHostWidth, kHeaderHeight), m_crFace);
    AddColumn(_T("A"), 100);
    AddColumn(_T("B"), 80);
    AddColumn(_T("C"), 60);
    CCapturedImage image = CaptureClient(&m_header);
    ExpectFrame(image, 240);
    ExpectDivider(image, 100);
    ExpectDivider(image, 180);
    // The last column ends at the frame, with no divider of its own.
    ExpectNoDivider(image, 241);
    EXPECT_PIXEL(image, 240, kHeaderHeight / 2, m_crFace);

    // Reordered, the columns are painted in display order.
    int order[] = { 2, 0, 1 };
    ASSERT_TRUE(m_header.SetOrderArray(3, order));
    image = CaptureClient(&m_header);
    ExpectFrame(image, 240);
    ExpectDivider(image, 60);
    ExpectDivider(image, 160);
    ExpectNoDivider(image, 100);
    ExpectNoDivider(image, 180);
    EXPECT_SAME_INK(image, Reference(_T("C"), CRect(kSpacing, 0, 60 - kSpacing, kHeaderHeight)),
        CRect(2, 2, 58, kHeaderHeight - 2), m_crFace);
    EXPECT_SAME_INK(image, Reference(_T("B"), CRect(160 + kSpacing, 0, 240 - kSpacing, kHeaderHeight)),
        CRect(162, 2, 238, kHeaderHeight - 2), m_crFace);
}

TEST_F(XHeaderPaint, ImageWiderThanItsColumnIsClippedAndPushesTheCaptionOut)
{
    CImageListOf images(40, 16, { RGB(255, 0, 0), RGB(0, 0, 255) });
    m_header.SetImageList(&images);
    AddColumn(_T("Wide"), 30, 1);
    AddColumn(_T("Next"), 100);
    CCapturedImage image = CaptureClient(&m_header);
    // The narrowed column is 18 pixels wide: the image shows its first 18 columns only, and the
    // caption, which would start at 6 + 40 + 6, is not drawn.
    EXPECT_EQ(image.BoundingBox(RGB(0, 0, 255)), CRect(kSpacing, 4, 24, 20));
    EXPECT_UNIFORM(image, CRect(kSpacing, 4, 24, 20), RGB(0, 0, 255));
    const CRect rectInside(1, 1, 29, kHeaderHeight - 1);
    EXPECT_EQ(image.CountColor(rectInside, m_crFace) + image.CountColor(rectInside, RGB(0, 0, 255)),
        rectInside.Width() * rectInside.Height()) << SaveFailureArtifact(image);
    m_header.SetImageList(NULL);
}

TEST_F(XHeaderPaint, ImageZeroIsNoneABitmapSitsAtTheRightIsLeftOutWhenTooWideAndSharesAColumnWithAnImage)
{
    const COLORREF crBitmap = RGB(200, 0, 200);
    CImageListOf images(16, 16, { RGB(255, 0, 0), RGB(0, 160, 0) });
    m_header.SetImageList(&images);
    CBitmap bitmapSmall;
    CBitmap bitmapWide;
    bitmapSmall.Attach(MakeSolidBitmap(10, 10, crBitmap));
    bitmapWide.Attach(MakeSolidBitmap(50, 8, crBitmap));
    AddColumn(_T("Bitmap"), 120, 0, bitmapSmall);
    AddColumn(_T("Too wide"), 60, 0, bitmapWide);
    AddColumn(_T("All three"), 200, 1, bitmapSmall);
    CCapturedImage image = CaptureClient(&m_header);
    // Image index 0 draws nothing.
    EXPECT_COLOR_COUNT(image, image.GetRect(), RGB(255, 0, 0), 0);
    const CRect rectBitmap(120 - kSpacing - 10, kHeaderHeight / 2 - 5, 120 - kSpacing, kHeaderHeight / 2 + 5);
    EXPECT_UNIFORM(image, rectBitmap, crBitmap);
    EXPECT_EQ(image.BoundingBox(crBitmap, CRect(0, 0, 180, kHeaderHeight)), rectBitmap);
    EXPECT_SAME_INK(image, Reference(_T("Bitmap"), CRect(kSpacing, 0, rectBitmap.left - kSpacing, kHeaderHeight)),
        CRect(2, 2, rectBitmap.left, kHeaderHeight - 2), m_crFace);
    // 50 pixels do not fit into 48: no bitmap, and the caption keeps the whole column.
    EXPECT_SAME_INK(image, Reference(_T("Too wide"), CRect(120 + kSpacing, 0, 180 - kSpacing, kHeaderHeight)),
        CRect(122, 2, 178, kHeaderHeight - 2), m_crFace);
    // Image at the left, bitmap at the right, the caption between them.
    EXPECT_EQ(image.BoundingBox(RGB(0, 160, 0)), CRect(180 + kSpacing, 4, 180 + kSpacing + 16, 20));
    EXPECT_EQ(image.BoundingBox(crBitmap, CRect(180, 0, 380, kHeaderHeight)),
        CRect(380 - kSpacing - 10, 7, 380 - kSpacing, 17));
    EXPECT_SAME_INK(image, Reference(_T("All three"),
        CRect(180 + 2 * kSpacing + 16, 0, 380 - 2 * kSpacing - 10, kHeaderHeight)),
        CRect(180 + kSpacing + 16, 2, 380 - kSpacing - 10, kHeaderHeight - 2), m_crFace);
    m_header.SetImageList(NULL);
}

TEST_F(XHeaderPaint, LongCaptionEndsWithAnEllipsisAndOnlyItsFirst79CharactersCount)
{
    LPCTSTR lpszLong = _T("A caption far too long for its column");
    std::basic_string<TCHAR> strShown;
    for (int i = 0; i < 79; ++i)
        strShown += static_cast<TCHAR>(_T('0') + i % 10);
    const std::basic_string<TCHAR> strCaption = strShown + _T("WWWWW");
    AddColumn(lpszLong, 90);
    AddColumn(strCaption.c_str(), 500);
    CCapturedImage image = CaptureClient(&m_header);

    const CRect rectText(kSpacing, 0, 90 - kSpacing, kHeaderHeight);
    CCapturedImage reference = Reference(lpszLong, rectText);
    EXPECT_SAME_INK(image, reference, CRect(1, 1, 89, kHeaderHeight - 1), m_crFace);
    // The ellipsis is what tells this caption from the plainly clipped one.
    CCapturedImage clipped = RenderText(kHostWidth, kHeaderHeight, m_crFace, &m_font, lpszLong, rectText,
        DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    EXPECT_GT(CountInkDifferences(reference, clipped, rectText, m_crFace), 0);

    const CRect rectWide(90 + kSpacing, 0, 590 - kSpacing, kHeaderHeight);
    const CRect rectInside(91, 1, 589, kHeaderHeight - 1);
    EXPECT_SAME_INK(image, Reference(strShown.c_str(), rectWide), rectInside, m_crFace);
    EXPECT_GT(CountInkDifferences(Reference(strCaption.c_str(), rectWide), Reference(strShown.c_str(), rectWide),
        rectInside, m_crFace), 0);
}

TEST_F(XHeaderPaint, OwnerDrawnColumnGoesToDrawItemAndKeepsItsDivider)
{
    AddColumn(_T("First"), 100);
    AddColumn(_T("Owner"), 120, 0, NULL, HDF_STRING | HDF_OWNERDRAW);
    AddColumn(_T("Last"), 80);
    m_header.m_drawn.clear();
    m_header.m_contentRects.clear();
    CCapturedImage image = CaptureClient(&m_header);

    ASSERT_EQ(m_header.m_drawn.size(), 1u);
    const DRAWITEMSTRUCT& dis = m_header.m_drawn[0];
    EXPECT_EQ(std::vector<UINT>({ dis.CtlType, dis.CtlID, dis.itemID, dis.itemAction, dis.itemState }),
        std::vector<UINT>({ ODT_HEADER, kHeaderId, 1, ODA_DRAWENTIRE, 0 }));
    EXPECT_EQ(dis.hwndItem, m_header.m_hWnd);
    EXPECT_EQ(CRect(dis.rcItem), ItemRect(1));
    EXPECT_EQ(dis.itemData, 0u);
    // The first column's caption left the text colour black for the columns after it.
    EXPECT_EQ(m_header.m_textColours[0], RGB(0, 0, 0));
    EXPECT_EQ(m_header.m_contentRects, std::vector<CRect>({ CRect(kSpacing, 0, 100 - kSpacing, kHeaderHeight),
        CRect(220 + kSpacing, 0, 300 - kSpacing, kHeaderHeight) }));
    ExpectDivider(image, 100);
    ExpectDivider(image, 220);
    EXPECT_UNIFORM(image, CRect(101, 1, 219, kHeaderHeight - 1), m_crFace);
}

TEST_F(XHeaderPaint, PaintingWithoutTheOffScreenSurfaceGivesTheSamePixels)
{
    CImageListOf images(16, 16, { RGB(255, 0, 0), RGB(0, 160, 0) });
    m_header.SetImageList(&images);
    AddColumn(_T("Image"), 120, 1);
    AddColumn(_T("A caption that does not fit"), 90);
    AddColumn(_T("Plain"), 70);
    CCapturedImage buffered = CaptureClient(&m_header);
    m_header.SetDoubleBuffer(FALSE);
    CCapturedImage direct = CaptureClient(&m_header);
    int nDifferent = 0;
    for (int y = 0; y < buffered.Height(); ++y)
        for (int x = 0; x < buffered.Width(); ++x)
            nDifferent += buffered.Pixel(x, y) != direct.Pixel(x, y);
    EXPECT_EQ(nDifferent, 0) << SaveFailureArtifact(buffered) << "\n" << SaveFailureArtifact(direct);
    m_header.SetImageList(NULL);

    // Erasing the background is left to the painting: nothing drawn, and answered as done.
    const COLORREF crMarker = RGB(250, 0, 250);
    CDibSurface surface(kHostWidth, kHeaderHeight, crMarker);
    EXPECT_NE(m_header.SendMessage(WM_ERASEBKGND, reinterpret_cast<WPARAM>(surface.DC().m_hDC)), 0);
    EXPECT_UNIFORM(surface.Capture(), CRect(0, 0, kHostWidth, kHeaderHeight), crMarker);
}

// The system tells only top-level windows of a colour change; the host window of the framework
// passes it on to the header, which re-reads its colours. Captions stay black.
TEST_F(XHeaderPaint, NextPaintAfterASystemColourChangeUsesTheNewColours)
{
    AddColumn(_T("Caption"), 120);
    AddColumn(_T("Next"), 80);
    const COLORREF crOldFace = m_crFace;
    const COLORREF crNewText = RGB(190, 0, 0);
    const int aElements[] = { COLOR_3DFACE, COLOR_3DHIGHLIGHT, COLOR_3DSHADOW, COLOR_BTNTEXT };
    const COLORREF aNew[] = { RGB(200, 220, 240), RGB(250, 250, 200), RGB(90, 60, 30), crNewText };
    COLORREF aSaved[4];
    for (int i = 0; i < 4; ++i)
        aSaved[i] = ::GetSysColor(aElements[i]);
    ::SetSysColors(4, aElements, aNew);
    PumpPending();
    ReadColours();
    CCapturedImage image = CaptureClient(&m_header);
    ::SetSysColors(4, aElements, aSaved);
    ASSERT_EQ(m_crFace, RGB(200, 220, 240));
    ExpectFrame(image, 200);
    ExpectDivider(image, 120);
    EXPECT_COLOR_COUNT(image, image.GetRect(), crNewText, 0);
    EXPECT_SAME_INK(image, Reference(_T("Caption"), CRect(kSpacing, 0, 120 - kSpacing, kHeaderHeight)),
        CRect(2, 2, 118, kHeaderHeight - 2), m_crFace);
    EXPECT_GT(image.CountColor(CRect(2, 2, 118, kHeaderHeight - 2), RGB(0, 0, 0)), 0);
    PumpPending();
    ReadColours();
    EXPECT_EQ(m_crFace, crOldFace);
    ExpectFrame(CaptureClient(&m_header), 200);
}

TEST_F(XHeaderPaint, LayoutIsWidenedByTwoBordersOnlyWithAStaticBorder)
{
    WINDOWPOS wp[2] = {};
    for (int nStatic = 0; nStatic < 2; ++nStatic)
    {
        m_header.SetStaticBorder(nStatic);
        RECT rect = { 0, 0, 300, 200 };
        HDLAYOUT layout = { &rect, &wp[nStatic] };
        ASSERT_TRUE(m_header.Layout(&layout));
        EXPECT_EQ(wp[nStatic].x, 0);
        EXPECT_EQ(rect.top, wp[nStatic].cy);
    }
    EXPECT_GT(wp[0].cy, 0);
    EXPECT_EQ(wp[1].cy, wp[0].cy);
    EXPECT_EQ(wp[0].cx, 300);
    EXPECT_EQ(wp[1].cx, 300 + 2 * ::GetSystemMetrics(SM_CXBORDER));
}

TEST_F(XHeaderPaint, InsertAndDeleteOfEitherCharacterSetReachTheHeaderWindow)
{
    EXPECT_EQ(AddColumn(_T("One"), 50), 0);
    EXPECT_EQ(AddColumn(_T("Two"), 70), 1);
    char szThree[] = "Three";
    HDITEMA hdiA = {};
    hdiA.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
    hdiA.pszText = szThree;
    hdiA.cxy = 30;
    EXPECT_EQ(m_header.SendMessage(HDM_INSERTITEMA, 2, reinterpret_cast<LPARAM>(&hdiA)), 2);
    ExpectFrame(CaptureClient(&m_header), 150);
    EXPECT_TRUE(m_header.DeleteItem(0));
    EXPECT_FALSE(m_header.DeleteItem(7));
    ExpectFrame(CaptureClient(&m_header), 100);
    EXPECT_SAME_INK(CaptureClient(&m_header), Reference(_T("Three"), CRect(70 + kSpacing, 0, 100 - kSpacing,
        kHeaderHeight)), CRect(72, 2, 98, kHeaderHeight - 2), m_crFace);
}
