// CPreviewCtrl subclassing a dialog's static: loading files of every kind GDI+ decodes, and the
// painted geometry of pictures and of the no-picture text. Failed loads are driven by the
// hostile and fuzz suites.

#include <gtest/gtest.h>

#include <zaduv.h>
#include <gdiplus.h>

#include "MessagePump.h"
#include "PictureFiles.h"
#include "PixelCapture.h"
#include "PreviewHost.h"

using namespace zaduv_test;
using namespace Gdiplus;

namespace
{
const COLORREF CR_PICTURE = RGB(200, 30, 40);
const COLORREF CR_WHITE = RGB(255, 255, 255);

class PreviewTest : public ::testing::Test
{
protected:
    void Create(int cx, int cy)
    {
        ASSERT_TRUE(m_dialog.CreateHost(cx, cy));
        m_dialog.m_preview.SetFont(CFont::FromHandle(static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT))));
    }
    void TearDown() override { m_dialog.DestroyWindow(); PumpPending(); }

    std::wstring Solid(LPCWSTR lpszName, int cx, int cy)
    {
        std::wstring strPath = m_folder.File(lpszName);
        EXPECT_TRUE(WritePicture(strPath, L"image/png", SolidPixels(cx, cy, CR_PICTURE), cx, cy));
        return strPath;
    }
    CPreviewProbe& Preview() { return m_dialog.m_preview; }
    CCapturedImage Shown() { return CaptureClient(&m_dialog.m_preview); }

    CScratchFolder m_folder;
    CPreviewDialog m_dialog;
};
}

// Every file is held as a 32-bit ARGB copy of its own size, and is the host's again at once.
TEST_F(PreviewTest, EveryKindOfFileIsHeldAsA32BitArgbCopyOfItsOwnSize)
{
    Create(202, 202);
    const std::wstring strPath = m_folder.File(L"picture.img");
    auto load = [&](CSize size) {
        EXPECT_NE(0, Preview().LoadDib(strPath.c_str()));
        UINT cx = 0, cy = 0;
        PixelFormat format = 0;
        DllExports::GdipGetImageWidth(Preview().m_pImage, &cx);
        DllExports::GdipGetImageHeight(Preview().m_pImage, &cy);
        DllExports::GdipGetImagePixelFormat(Preview().m_pImage, &format);
        EXPECT_EQ(size, CSize(cx, cy));
        EXPECT_EQ(PixelFormat32bppARGB, format);
        EXPECT_EQ(0, AfxGetApp()->m_nWaitCursorCount);
        EXPECT_TRUE(::DeleteFileW(strPath.c_str()));
        return Preview().m_pImage;
    };
    for (LPCWSTR lpszMime : { L"image/png", L"image/bmp", L"image/jpeg", L"image/gif", L"image/tiff" })
    {
        SCOPED_TRACE(testing::Message() << lpszMime);
        ASSERT_TRUE(WritePicture(strPath, lpszMime, RampPixels(37, 21), 37, 21));
        load(CSize(37, 21));
    }
    ASSERT_TRUE(WriteBmp16(strPath, 11, 7, 0x7C1F));
    ARGB argb = 0;
    DllExports::GdipBitmapGetPixel(load(CSize(11, 7)), 5, 3, &argb);
    EXPECT_EQ(0xFFFF00FFu, argb) << "5-5-5 magenta";
}

// Pictures smaller than the inner area keep their size; larger ones shrink by the larger ratio.
// Each file is deleted before the picture paints.
TEST_F(PreviewTest, PicturesAreShrunkToFitAndCentredInTheInnerArea)
{
    struct SCase { int cxClient, cyClient, cxImage, cyImage; CRect rectDrawn; };
    const SCase cases[] = {
        { 202, 202, 100, 50, CRect(51, 76, 151, 126) },     // drawn at its own size
        { 202, 202, 400, 100, CRect(1, 76, 201, 126) },     // scale 1/2
        { 202, 102, 300, 300, CRect(51, 1, 151, 101) },     // scale 1/3
    };
    Create(202, 202);
    for (const SCase& c : cases)
    {
        SCOPED_TRACE(testing::Message() << c.cxImage << " x " << c.cyImage);
        Preview().MoveWindow(10, 10, c.cxClient, c.cyClient);
        const std::wstring strPath = Solid(L"scaled.png", c.cxImage, c.cyImage);
        ASSERT_NE(0, Preview().LoadDib(strPath.c_str()));
        ASSERT_TRUE(::DeleteFileW(strPath.c_str()));
        CCapturedImage image = Shown();
        // The outermost drawn pixels may blend with the background when GDI+ scales.
        EXPECT_UNIFORM(image, CRect(c.rectDrawn.left + 1, c.rectDrawn.top + 1, c.rectDrawn.right - 1, c.rectDrawn.bottom - 1), CR_PICTURE);
        CRect rectFound = image.BoundingBox(CR_PICTURE, CRect(1, 1, c.cxClient - 1, c.cyClient - 1));
        EXPECT_EQ(rectFound, rectFound & c.rectDrawn);
        EXPECT_PIXEL(image, 1, 1, ::GetSysColor(COLOR_BTNFACE));
    }
}

// The text block is centred; its lines start at the block's left edge.
TEST_F(PreviewTest, TheNoImageTextIsAWhiteBlockCentredOnButtonShadow)
{
    Create(202, 152);
    const CString strText(L"MMMMMMMM\nMM");
    Preview().SetNoImageText(strText);
    CCapturedImage image = Shown();
    CClientDC dc(&Preview());
    CFont* pOldFont = dc.SelectObject(Preview().GetFont());
    CRect rectBlock(1, 1, 201, 151);
    dc.DrawText(strText, &rectBlock, DT_CALCRECT | DT_WORDBREAK | DT_CENTER);
    dc.SelectObject(pOldFont);
    rectBlock.OffsetRect((200 - rectBlock.Width()) / 2, (150 - rectBlock.Height()) / 2);

    const CRect rectInk = image.BoundingBox(CR_WHITE);
    ASSERT_FALSE(rectInk.IsRectEmpty());
    EXPECT_EQ(rectInk, rectInk & rectBlock) << "block " << ::testing::PrintToString(rectBlock);
    const int yMiddle = rectBlock.CenterPoint().y;
    EXPECT_NEAR(image.FindColumn(CRect(rectBlock.left, rectBlock.top, rectBlock.right, yMiddle), CR_WHITE),
        image.FindColumn(CRect(rectBlock.left, yMiddle, rectBlock.right, rectBlock.bottom), CR_WHITE), 1);
    EXPECT_EQ(image.CountColor(CR_WHITE), image.CountColor(rectBlock, CR_WHITE));
    EXPECT_PIXEL(image, 1, 1, ::GetSysColor(COLOR_BTNSHADOW));
    EXPECT_PIXEL(image, 200, 150, ::GetSysColor(COLOR_BTNSHADOW));
}

TEST_F(PreviewTest, SetNoImageTextWaitsForTheNextPaintAndPaintDibWithoutDrawShowsIt)
{
    Create(202, 102);
    const COLORREF crShadow = ::GetSysColor(COLOR_BTNSHADOW);
    EXPECT_UNIFORM(Shown(), CRect(1, 1, 201, 101), crShadow) << "an empty text leaves a plain field";
    Preview().SetNoImageText(L"No study selected");
    EXPECT_UNIFORM(CaptureAsIs(Preview().m_hWnd), CRect(1, 1, 201, 101), crShadow);
    EXPECT_GT(Shown().CountColor(CR_WHITE), 0);

    ASSERT_NE(0, Preview().LoadDib(Solid(L"face.png", 20, 20).c_str()));
    Preview().PaintDib(0);
    CCapturedImage image = CaptureAsIs(Preview().m_hWnd);
    EXPECT_PIXEL(image, 1, 1, ::GetSysColor(COLOR_BTNFACE)) << "the text sits on shadow inside button face";
    EXPECT_EQ(0, image.CountColor(CR_PICTURE));
    EXPECT_GT(image.CountColor(crShadow), 0);
    EXPECT_GT(image.CountColor(CR_WHITE), 0);
    Preview().RemoveDib();
    EXPECT_EQ(0, Preview().IsValidDib());
    EXPECT_PIXEL(CaptureAsIs(Preview().m_hWnd), 1, 1, crShadow);
}
