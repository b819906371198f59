// CXHeaderCtrl paints the whole header itself. These cases create real header windows,
// fill them with columns as a list control would, and read the pixels the header shows.
#include <gtest/gtest.h>

#include <zaduv.h>

#include <string>
#include <vector>

#include "DialogTemplate.h"
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

    CSize GetImageSize() const { return m_sizeImage; }
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

// System colours changed for one case and put back afterwards.
class CSysColorsGuard
{
public:
    CSysColorsGuard(std::initializer_list<std::pair<int, COLORREF>> colours)
    {
        for (const auto& colour : colours)
        {
            m_elements.push_back(colour.first);
            m_saved.push_back(::GetSysColor(colour.first));
            m_new.push_back(colour.second);
        }
        ::SetSysColors(static_cast<int>(m_elements.size()), m_elements.data(), m_new.data());
    }

    ~CSysColorsGuard()
    {
        ::SetSysColors(static_cast<int>(m_elements.size()), m_elements.data(), m_saved.data());
    }

private:
    std::vector<int> m_elements;
    std::vector<COLORREF> m_saved;
    std::vector<COLORREF> m_new;
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

    CRect ItemRect(int nItem)
    {
        CRect rect;
        m_header.GetItemRect(nItem, &rect);
        return rect;
    }

    // The caption as the header must show it, drawn by the test into rect.
    CCapturedImage Reference(LPCTSTR lpszCaption, const CRect& rect)
    {
        return RenderText(kHostWidth, kHeaderHeight, m_crFace, &m_font, lpszCaption, rect, kCaptionFormat);
    }

    void ExpectDivider(const CCapturedImage& image, int right)
    {
        for (int y = 2; y < kHeaderHeight - 2; ++y)
        {
            EXPECT_PIXEL(image, right - 1, y, m_crShadow);
            EXPECT_PIXEL(image, right, y, m_crLight);
        }
        // Lines from top + 2 to bottom - 2, the end point left out.
        EXPECT_PIXEL(image, right - 1, 1, m_crFace);
        EXPECT_PIXEL(image, right, 1, m_crFace);
        EXPECT_PIXEL(image, right - 1, kHeaderHeight - 2, m_crFace);
        EXPECT_PIXEL(image, right, kHeaderHeight - 2, m_crFace);
    }

    // Checked above the captions, which are centred vertically.
    void ExpectNoDivider(const CCapturedImage& image, int right)
    {
        for (int y = 2; y < 5; ++y)
        {
            EXPECT_PIXEL(image, right - 1, y, m_crFace);
            EXPECT_PIXEL(image, right, y, m_crFace);
        }
    }

    // Draw3dRect around (0, 0, cx, height): light top and left, shadow bottom and right, the
    // top-right and bottom-left corners in shadow.
    void ExpectFrame(const CCapturedImage& image, int cx)
    {
        for (int x = 0; x < cx - 1; ++x)
            EXPECT_PIXEL(image, x, 0, m_crLight);
        for (int y = 0; y < kHeaderHeight - 1; ++y)
            EXPECT_PIXEL(image, 0, y, m_crLight);
        for (int y = 0; y < kHeaderHeight; ++y)
            EXPECT_PIXEL(image, cx - 1, y, m_crShadow);
        for (int x = 0; x < cx; ++x)
            EXPECT_PIXEL(image, x, kHeaderHeight - 1, m_crShadow);
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
}

TEST_F(XHeaderPaint, ReorderedColumnsArePaintedInDisplayOrder)
{
    AddColumn(_T("Wide"), 100);
    AddColumn(_T("Mid"), 80);
    AddColumn(_T("Narrow"), 60);
    int order[] = { 2, 0, 1 };
    ASSERT_TRUE(m_header.SetOrderArray(3, order));
    ASSERT_EQ(ItemRect(2), CRect(0, 0, 60, kHeaderHeight));

    CCapturedImage image = CaptureClient(&m_header);
    ExpectFrame(image, 240);
    ExpectDivider(image, 60);
    ExpectDivider(image, 160);
    // Where the dividers of the index order would have been.
    ExpectNoDivider(image, 100);
    ExpectNoDivider(image, 180);
    // Each caption sits in the column that now shows it.
    CCapturedImage reference = RenderText(kHostWidth, kHeaderHeight, m_crFace, &m_font, _T("Narrow"),
        CRect(kSpacing, 0, 60 - kSpacing, kHeaderHeight), kCaptionFormat);
    CCapturedImage reference2 = RenderText(kHostWidth, kHeaderHeight, m_crFace, &m_font, _T("Mid"),
        CRect(160 + kSpacing, 0, 240 - kSpacing, kHeaderHeight), kCaptionFormat);
    EXPECT_SAME_INK(image, reference, CRect(2, 2, 58, kHeaderHeight - 2), m_crFace);
    EXPECT_SAME_INK(image, reference2, CRect(162, 2, 238, kHeaderHeight - 2), m_crFace);
}

TEST_F(XHeaderPaint, HeaderWithoutColumnsIsPlainFace)
{
    CCapturedImage image = CaptureClient(&m_header);
    EXPECT_UNIFORM(image, image.GetRect(), m_crFace);
}

TEST_F(XHeaderPaint, ImageIndexZeroDrawsNothingAndOtherImagesSitAtTheLeft)
{
    CImageListOf images(16, 16, { RGB(255, 0, 0), RGB(0, 160, 0), RGB(0, 0, 255) });
    const COLORREF crListBackground = images.GetBkColor();
    m_header.SetImageList(&images);
    EXPECT_EQ(m_header.GetImageSize(), CSize(16, 16));
    AddColumn(_T("None"), 150, 0);
    AddColumn(_T("Green"), 150, 1);

    CCapturedImage image = CaptureClient(&m_header);
    EXPECT_COLOR_COUNT(image, image.GetRect(), RGB(255, 0, 0), 0);
    EXPECT_COLOR_COUNT(image, image.GetRect(), RGB(0, 0, 255), 0);
    // Narrowed by the spacing, centred vertically with half the image height.
    const CRect rectGreen(150 + kSpacing, kHeaderHeight / 2 - 8, 150 + kSpacing + 16, kHeaderHeight / 2 + 8);
    EXPECT_UNIFORM(image, rectGreen, RGB(0, 160, 0));
    EXPECT_COLOR_COUNT(image, image.GetRect(), RGB(0, 160, 0), 16 * 16);

    // Without an image the caption has the whole narrowed column; with one it starts after
    // the image and a spacing.
    EXPECT_SAME_INK(image, Reference(_T("None"), CRect(kSpacing, 0, 150 - kSpacing, kHeaderHeight)),
        CRect(2, 2, 148, kHeaderHeight - 2), m_crFace);
    EXPECT_SAME_INK(image, Reference(_T("Green"), CRect(150 + kSpacing + 16 + kSpacing, 0, 300 - kSpacing,
        kHeaderHeight)), CRect(rectGreen.right, 2, 298, kHeaderHeight - 2), m_crFace);

    // The list's own background colour is put back after drawing.
    EXPECT_EQ(images.GetBkColor(), crListBackground);
    m_header.SetImageList(NULL);
}

TEST_F(XHeaderPaint, ImageWiderThanItsColumnIsClippedAndPushesTheCaptionOut)
{
    CImageListOf images(40, 16, { RGB(255, 0, 0), RGB(0, 0, 255) });
    m_header.SetImageList(&images);
    EXPECT_EQ(m_header.GetImageSize(), CSize(40, 16));
    AddColumn(_T("Wide"), 30, 1);
    AddColumn(_T("Next"), 100);

    CCapturedImage image = CaptureClient(&m_header);
    // The narrowed column is 18 pixels wide: the image shows its first 18 columns only.
    EXPECT_UNIFORM(image, CRect(kSpacing, 4, 24, 20), RGB(0, 0, 255));
    EXPECT_EQ(image.BoundingBox(RGB(0, 0, 255)), CRect(kSpacing, 4, 24, 20));
    // The caption would start at 6 + 40 + 6, past the column: it is not drawn.
    CRect rectInside(1, 1, 29, kHeaderHeight - 1);
    EXPECT_EQ(image.CountColor(rectInside, m_crFace) + image.CountColor(rectInside, RGB(0, 0, 255)),
        rectInside.Width() * rectInside.Height()) << SaveFailureArtifact(image);
    m_header.SetImageList(NULL);
}

TEST_F(XHeaderPaint, BitmapSitsAtTheRightAndIsLeftOutWhenTooWide)
{
    const COLORREF crBitmap = RGB(200, 0, 200);
    CBitmap bitmapSmall;
    CBitmap bitmapWide;
    bitmapSmall.Attach(MakeSolidBitmap(10, 10, crBitmap));
    bitmapWide.Attach(MakeSolidBitmap(50, 8, crBitmap));
    AddColumn(_T("Bitmap"), 120, 0, bitmapSmall);
    AddColumn(_T("Too wide"), 60, 0, bitmapWide);

    CCapturedImage image = CaptureClient(&m_header);
    const CRect rectBitmap(120 - kSpacing - 10, kHeaderHeight / 2 - 5, 120 - kSpacing, kHeaderHeight / 2 + 5);
    EXPECT_UNIFORM(image, rectBitmap, crBitmap);
    EXPECT_EQ(image.BoundingBox(crBitmap), rectBitmap);
    EXPECT_SAME_INK(image, Reference(_T("Bitmap"), CRect(kSpacing, 0, rectBitmap.left - kSpacing, kHeaderHeight)),
        CRect(2, 2, rectBitmap.left, kHeaderHeight - 2), m_crFace);
    // 50 pixels do not fit into 48: no bitmap, and the caption keeps the whole column.
    EXPECT_SAME_INK(image, Reference(_T("Too wide"), CRect(120 + kSpacing, 0, 180 - kSpacing, kHeaderHeight)),
        CRect(122, 2, 178, kHeaderHeight - 2), m_crFace);
}

TEST_F(XHeaderPaint, ImageBitmapAndCaptionShareAColumn)
{
    const COLORREF crBitmap = RGB(200, 0, 200);
    CImageListOf images(16, 16, { RGB(255, 0, 0), RGB(0, 160, 0) });
    m_header.SetImageList(&images);
    CBitmap bitmap;
    bitmap.Attach(MakeSolidBitmap(12, 12, crBitmap));
    AddColumn(_T("All three"), 200, 1, bitmap);

    CCapturedImage image = CaptureClient(&m_header);
    EXPECT_EQ(image.BoundingBox(RGB(0, 160, 0)), CRect(kSpacing, 4, kSpacing + 16, 20));
    EXPECT_EQ(image.BoundingBox(crBitmap), CRect(200 - kSpacing - 12, 6, 200 - kSpacing, 18));
    EXPECT_SAME_INK(image, Reference(_T("All three"),
        CRect(kSpacing + 16 + kSpacing, 0, 200 - kSpacing - 12 - kSpacing, kHeaderHeight)),
        CRect(kSpacing + 16, 2, 200 - kSpacing - 12, kHeaderHeight - 2), m_crFace);
    m_header.SetImageList(NULL);
}

TEST_F(XHeaderPaint, LongCaptionEndsWithAnEllipsisInsideItsColumn)
{
    LPCTSTR lpszLong = _T("A caption far too long for its column");
    AddColumn(lpszLong, 90);
    AddColumn(_T("Next"), 60);

    CCapturedImage image = CaptureClient(&m_header);
    const CRect rectText(kSpacing, 0, 90 - kSpacing, kHeaderHeight);
    CCapturedImage reference = Reference(lpszLong, rectText);
    EXPECT_SAME_INK(image, reference, CRect(1, 1, 89, kHeaderHeight - 1), m_crFace);
    // The ellipsis is what tells this caption from the plainly clipped one.
    CCapturedImage clipped = RenderText(kHostWidth, kHeaderHeight, m_crFace, &m_font, lpszLong, rectText,
        DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    EXPECT_GT(CountInkDifferences(reference, clipped, rectText, m_crFace), 0);
    EXPECT_LE(InkBox(image, CRect(1, 1, 89, kHeaderHeight - 1), m_crFace).right, 90 - kSpacing);
}

TEST_F(XHeaderPaint, CaptionOfMoreThan79CharactersShowsItsFirst79)
{
    std::basic_string<TCHAR> strCaption;
    for (int i = 0; i < 79; ++i)
        strCaption += static_cast<TCHAR>(_T('0') + i % 10);
    const std::basic_string<TCHAR> strShown = strCaption;
    strCaption += _T("WWWWW");
    AddColumn(strCaption.c_str(), 580);

    CCapturedImage image = CaptureClient(&m_header);
    const CRect rectText(kSpacing, 0, 580 - kSpacing, kHeaderHeight);
    const CRect rectInside(1, 1, 579, kHeaderHeight - 1);
    EXPECT_SAME_INK(image, Reference(strShown.c_str(), rectText), rectInside, m_crFace);
    // The whole caption would look different in the same space.
    EXPECT_GT(CountInkDifferences(Reference(strCaption.c_str(), rectText), Reference(strShown.c_str(), rectText),
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
    EXPECT_EQ(dis.CtlType, static_cast<UINT>(ODT_HEADER));
    EXPECT_EQ(dis.CtlID, kHeaderId);
    EXPECT_EQ(dis.itemID, 1u);
    EXPECT_EQ(dis.itemAction, static_cast<UINT>(ODA_DRAWENTIRE));
    EXPECT_EQ(dis.itemState, 0u);
    EXPECT_EQ(dis.hwndItem, m_header.m_hWnd);
    EXPECT_EQ(CRect(dis.rcItem), ItemRect(1));
    EXPECT_EQ(dis.itemData, 0u);
    // The first column's caption left the text colour black for the columns after it.
    EXPECT_EQ(m_header.m_textColours[0], RGB(0, 0, 0));

    // The other columns get their content drawn in the rectangle narrowed by the spacing.
    ASSERT_EQ(m_header.m_contentRects.size(), 2u);
    EXPECT_EQ(m_header.m_contentRects[0], CRect(kSpacing, 0, 100 - kSpacing, kHeaderHeight));
    EXPECT_EQ(m_header.m_contentRects[1], CRect(220 + kSpacing, 0, 300 - kSpacing, kHeaderHeight));

    // DrawItem drew nothing: the owner-drawn column is plain face between its dividers.
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
    EXPECT_EQ(CountInkDifferences(buffered, direct, buffered.GetRect(), RGB(1, 2, 3)), 0);
    int nDifferent = 0;
    for (int y = 0; y < buffered.Height(); ++y)
        for (int x = 0; x < buffered.Width(); ++x)
            nDifferent += buffered.Pixel(x, y) != direct.Pixel(x, y);
    EXPECT_EQ(nDifferent, 0) << SaveFailureArtifact(buffered) << "\n" << SaveFailureArtifact(direct);
    m_header.SetImageList(NULL);
}

TEST_F(XHeaderPaint, EraseBackgroundAnswersTrueAndPaintsNothing)
{
    AddColumn(_T("A"), 100);
    const COLORREF crMarker = RGB(250, 0, 250);
    CDibSurface surface(kHostWidth, kHeaderHeight, crMarker);
    const LRESULT lResult = m_header.SendMessage(WM_ERASEBKGND, reinterpret_cast<WPARAM>(surface.DC().m_hDC));
    EXPECT_NE(lResult, 0);
    EXPECT_UNIFORM(surface.Capture(), CRect(0, 0, kHostWidth, kHeaderHeight), crMarker);
}

TEST_F(XHeaderPaint, NextPaintAfterASystemColourChangeUsesTheNewColours)
{
    AddColumn(_T("Caption"), 120);
    AddColumn(_T("Next"), 80);
    const COLORREF crOldFace = m_crFace;
    const COLORREF crNewFace = RGB(200, 220, 240);
    const COLORREF crNewLight = RGB(250, 250, 200);
    const COLORREF crNewShadow = RGB(90, 60, 30);
    const COLORREF crNewText = RGB(190, 0, 0);
    {
        CSysColorsGuard colours({ { COLOR_3DFACE, crNewFace }, { COLOR_3DHIGHLIGHT, crNewLight },
            { COLOR_3DSHADOW, crNewShadow }, { COLOR_BTNTEXT, crNewText } });

        // The host is a top-level window of the framework: it passes the change on to the header.
        PumpPending();
        ReadColours();
        ASSERT_EQ(m_crFace, crNewFace);
        CCapturedImage image = CaptureClient(&m_header);
        ExpectFrame(image, 200);
        ExpectDivider(image, 120);
        // Captions stay black whatever the button text colour is.
        EXPECT_COLOR_COUNT(image, image.GetRect(), crNewText, 0);
        EXPECT_SAME_INK(image, Reference(_T("Caption"), CRect(kSpacing, 0, 120 - kSpacing, kHeaderHeight)),
            CRect(2, 2, 118, kHeaderHeight - 2), crNewFace);
        EXPECT_GT(image.CountColor(CRect(2, 2, 118, kHeaderHeight - 2), RGB(0, 0, 0)), 0);
    }
    PumpPending();
    ReadColours();
    EXPECT_EQ(m_crFace, crOldFace);
    ExpectFrame(CaptureClient(&m_header), 200);
}

TEST_F(XHeaderPaint, LayoutIsWidenedByTwoBordersOnlyWithAStaticBorder)
{
    RECT rect = { 0, 0, 300, 200 };
    WINDOWPOS wp = {};
    HDLAYOUT layout = { &rect, &wp };
    ASSERT_TRUE(m_header.Layout(&layout));
    EXPECT_EQ(wp.x, 0);
    EXPECT_EQ(wp.cx, 300);
    EXPECT_GT(wp.cy, 0);
    EXPECT_EQ(rect.top, wp.cy);

    m_header.SetStaticBorder(TRUE);
    RECT rectWide = { 0, 0, 300, 200 };
    WINDOWPOS wpWide = {};
    HDLAYOUT layoutWide = { &rectWide, &wpWide };
    ASSERT_TRUE(m_header.Layout(&layoutWide));
    EXPECT_EQ(wpWide.cx, 300 + 2 * ::GetSystemMetrics(SM_CXBORDER));
    EXPECT_EQ(wpWide.cy, wp.cy);
}

TEST_F(XHeaderPaint, ImageSizeFollowsImageZeroOfEachNewList)
{
    EXPECT_EQ(m_header.GetImageSize(), CSize(0, 0));
    CImageListOf small(12, 10, { RGB(1, 1, 1) });
    CImageListOf large(24, 20, { RGB(1, 1, 1), RGB(2, 2, 2) });
    EXPECT_EQ(m_header.SetImageList(&small), nullptr);
    EXPECT_EQ(m_header.GetImageSize(), CSize(12, 10));
    EXPECT_EQ(m_header.SetImageList(&large)->GetSafeHandle(), small.GetSafeHandle());
    EXPECT_EQ(m_header.GetImageSize(), CSize(24, 20));
    EXPECT_EQ(m_header.GetImageList()->GetSafeHandle(), large.GetSafeHandle());
    // A list without images tells nothing: the last size stays.
    CImageList empty;
    ASSERT_TRUE(empty.Create(40, 40, ILC_COLOR24, 0, 1));
    m_header.SetImageList(&empty);
    EXPECT_EQ(m_header.GetImageSize(), CSize(24, 20));
    m_header.SetImageList(NULL);
}

TEST_F(XHeaderPaint, InsertAndDeleteReachTheHeaderWindow)
{
    EXPECT_EQ(AddColumn(_T("One"), 50), 0);
    EXPECT_EQ(AddColumn(_T("Two"), 70), 1);
    // The narrow-character insert message is passed on as well.
    char szThree[] = "Three";
    HDITEMA hdiA = {};
    hdiA.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
    hdiA.pszText = szThree;
    hdiA.cxy = 30;
    hdiA.fmt = HDF_STRING;
    EXPECT_EQ(m_header.SendMessage(HDM_INSERTITEMA, 2, reinterpret_cast<LPARAM>(&hdiA)), 2);
    EXPECT_EQ(m_header.GetItemCount(), 3);
    ExpectFrame(CaptureClient(&m_header), 150);

    EXPECT_TRUE(m_header.DeleteItem(0));
    EXPECT_FALSE(m_header.DeleteItem(7));
    EXPECT_EQ(m_header.GetItemCount(), 2);
    TCHAR szText[16] = {};
    HDITEM hdi = {};
    hdi.mask = HDI_TEXT;
    hdi.pszText = szText;
    hdi.cchTextMax = 16;
    ASSERT_TRUE(m_header.GetItem(1, &hdi));
    EXPECT_STREQ(szText, _T("Three"));
    ExpectFrame(CaptureClient(&m_header), 100);
}

TEST(XHeaderClass, RunTimeClassCreatesAWorkingHeader)
{
    CRuntimeClass* pClass = RUNTIME_CLASS(CXHeaderCtrl);
    EXPECT_STREQ(pClass->m_lpszClassName, "CXHeaderCtrl");
    EXPECT_EQ(pClass->m_wSchema, 0xFFFFu);
    EXPECT_EQ(pClass->m_pfnGetBaseClass(), RUNTIME_CLASS(CHeaderCtrl));
    EXPECT_EQ(CRuntimeClass::FromName("CXHeaderCtrl"), pClass);

    CObject* pObject = CRuntimeClass::CreateObject("CXHeaderCtrl");
    ASSERT_NE(pObject, nullptr);
    EXPECT_TRUE(pObject->IsKindOf(RUNTIME_CLASS(CHeaderCtrl)));
    CXHeaderCtrl* pHeader = DYNAMIC_DOWNCAST(CXHeaderCtrl, pObject);
    ASSERT_NE(pHeader, nullptr);
    EXPECT_EQ(pHeader->GetSpacing(), kSpacing);

    CHostWindow host;
    ASSERT_TRUE(host.CreateHost(200, 30));
    ASSERT_TRUE(pHeader->Create(WS_CHILD | WS_VISIBLE | HDS_HORZ, CRect(0, 0, 200, 24), &host, 1));
    HDITEM hdi = {};
    hdi.mask = HDI_WIDTH | HDI_FORMAT;
    hdi.cxy = 90;
    hdi.fmt = HDF_LEFT;
    pHeader->InsertItem(0, &hdi);
    CCapturedImage image = CaptureClient(pHeader);
    EXPECT_PIXEL(image, 0, 0, ::GetSysColor(COLOR_3DHIGHLIGHT));
    EXPECT_PIXEL(image, 89, 10, ::GetSysColor(COLOR_3DSHADOW));
    EXPECT_PIXEL(image, 90, 10, ::GetSysColor(COLOR_3DFACE));
    delete pObject;

    // The sorted headers declare no class of their own.
    CSortedHeaderCtrl sorted;
    CXSortedHeaderCtrl xsorted;
    EXPECT_EQ(sorted.GetRuntimeClass(), pClass);
    EXPECT_EQ(xsorted.GetRuntimeClass(), pClass);
    EXPECT_EQ(sorted.GetSpacing(), kSpacing);
    EXPECT_EQ(xsorted.GetSpacing(), kSpacing);
}

// The system tells only top-level windows of a colour change; the dialog passes it on, so the
// header re-reads its cached colours, and the platform's controls refresh their shared copy.
TEST(XHeaderInDialog, SystemColourChangeReachesTheHeaderThroughItsDialog)
{
    const UINT kPlainId = 4712;
    CDialogTemplate dlgTemplate(CRect(0, 0, 200, 60), L"Colours", WS_POPUP | WS_VISIBLE);
    dlgTemplate.AddHeader(kHeaderId, CRect(0, 0, 200, 14));
    CDialog dlg;
    ASSERT_TRUE(dlg.CreateIndirect(dlgTemplate, NULL));
    CXHeaderCtrl header;
    ASSERT_TRUE(header.SubclassDlgItem(kHeaderId, &dlg));
    HDITEM hdi = {};
    hdi.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
    hdi.pszText = const_cast<LPTSTR>(_T("Study"));
    hdi.cxy = 100;
    hdi.fmt = HDF_STRING | HDF_LEFT;
    header.InsertItem(0, &hdi);
    const CPoint ptFace(150, 5);
    const COLORREF crOldFace = ::GetSysColor(COLOR_3DFACE);
    const COLORREF crOldText = ::GetSysColor(COLOR_BTNTEXT);
    const COLORREF crNewFace = RGB(200, 220, 240);
    const COLORREF crNewText = RGB(190, 0, 0);
    EXPECT_PIXEL(CaptureClient(&header), ptFace.x, ptFace.y, crOldFace);
    {
        CSysColorsGuard colours({ { COLOR_3DFACE, crNewFace }, { COLOR_BTNTEXT, crNewText } });
        PumpPending();
        EXPECT_PIXEL(CaptureClient(&header), ptFace.x, ptFace.y, crNewFace);
    }
    PumpPending();
    EXPECT_PIXEL(CaptureClient(&header), ptFace.x, ptFace.y, crOldFace);

    CHeaderCtrl plain;
    ASSERT_TRUE(plain.Create(WS_CHILD | WS_VISIBLE | HDS_HORZ, CRect(0, 30, 200, 54), &dlg, kPlainId));
    plain.SetFont(dlg.GetFont());
    plain.InsertItem(0, &hdi);
    CCapturedImage image = CaptureClient(&plain);
    EXPECT_COLOR_COUNT(image, image.GetRect(), crNewText, 0);
    EXPECT_COLOR_COUNT(image, image.GetRect(), crNewFace, 0);
    EXPECT_GT(image.CountColor(image.GetRect(), crOldText), 0);
    dlg.DestroyWindow();
}
