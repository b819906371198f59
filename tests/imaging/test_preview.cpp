// CPreviewCtrl subclassing a dialog's static: loading files of every kind GDI+ decodes, what a
// failed load keeps or drops, and the painted geometry of pictures and of the no-picture text.

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

class PreviewTest : public ::testing::Test
{
protected:
    void Create(int cx, int cy)
    {
        ASSERT_TRUE(m_dialog.CreateHost(cx, cy));
        m_dialog.m_preview.SetFont(CFont::FromHandle(static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT))));
    }

    void TearDown() override
    {
        if (m_dialog.m_hWnd != NULL)
            m_dialog.DestroyWindow();
        PumpPending();
    }

    std::wstring Solid(LPCWSTR lpszName, int cx, int cy)
    {
        std::wstring strPath = m_folder.File(lpszName);
        EXPECT_TRUE(WritePicture(strPath, L"image/png", SolidPixels(cx, cy, CR_PICTURE), cx, cy));
        return strPath;
    }

    static CSize ImageSize(GpBitmap* pBitmap)
    {
        UINT cx = 0, cy = 0;
        DllExports::GdipGetImageWidth(pBitmap, &cx);
        DllExports::GdipGetImageHeight(pBitmap, &cy);
        return CSize(cx, cy);
    }

    static PixelFormat Format(GpBitmap* pBitmap)
    {
        PixelFormat format = 0;
        DllExports::GdipGetImagePixelFormat(pBitmap, &format);
        return format;
    }

    static ARGB PixelAt(GpBitmap* pBitmap, int x, int y)
    {
        ARGB argb = 0;
        DllExports::GdipBitmapGetPixel(pBitmap, x, y, &argb);
        return argb;
    }

    CScratchFolder m_folder;
    CPreviewDialog m_dialog;
};
}

TEST_F(PreviewTest, EveryEncodedFormatIsHeldAsA32BitArgbCopyOfItsOwnSize)
{
    Create(202, 202);
    const LPCWSTR mimes[] = { L"image/png", L"image/bmp", L"image/jpeg", L"image/gif", L"image/tiff" };
    for (LPCWSTR lpszMime : mimes)
    {
        SCOPED_TRACE(testing::Message() << lpszMime);
        std::wstring strPath = m_folder.File(L"format.img");
        ASSERT_TRUE(WritePicture(strPath, lpszMime, RampPixels(37, 21), 37, 21));
        ASSERT_NE(0, m_dialog.m_preview.LoadDib(strPath.c_str()));
        ASSERT_NE(nullptr, m_dialog.m_preview.m_pImage);
        EXPECT_EQ(CSize(37, 21), ImageSize(m_dialog.m_preview.m_pImage));
        EXPECT_EQ(PixelFormat32bppARGB, Format(m_dialog.m_preview.m_pImage));
        EXPECT_EQ(0, AfxGetApp()->m_nWaitCursorCount);
        // The file is the host's again as soon as LoadDib returns.
        EXPECT_TRUE(::DeleteFileW(strPath.c_str()));
    }
}

TEST_F(PreviewTest, PaletteAnd16BitFilesBecomeArgbWithTheirOwnColours)
{
    Create(202, 202);
    const COLORREF palette[4] = { RGB(255, 0, 0), RGB(0, 128, 0), RGB(0, 0, 255), RGB(10, 20, 30) };
    std::wstring strPalette = m_folder.File(L"palette.bmp");
    ASSERT_TRUE(WritePaletteBmp(strPalette, 16, 9, palette));
    ASSERT_NE(0, m_dialog.m_preview.LoadDib(strPalette.c_str()));
    GpBitmap* pImage = m_dialog.m_preview.m_pImage;
    EXPECT_EQ(CSize(16, 9), ImageSize(pImage));
    EXPECT_EQ(PixelFormat32bppARGB, Format(pImage));
    EXPECT_EQ(0xFFFF0000u, PixelAt(pImage, 0, 0));
    EXPECT_EQ(0xFF008000u, PixelAt(pImage, 4, 0));
    EXPECT_EQ(0xFF0000FFu, PixelAt(pImage, 4, 1));
    EXPECT_EQ(0xFF0A141Eu, PixelAt(pImage, 15, 0));

    std::wstring str16 = m_folder.File(L"rgb555.bmp");
    ASSERT_TRUE(WriteBmp16(str16, 11, 7, 0x7C1F));
    ASSERT_NE(0, m_dialog.m_preview.LoadDib(str16.c_str()));
    pImage = m_dialog.m_preview.m_pImage;
    EXPECT_EQ(CSize(11, 7), ImageSize(pImage));
    EXPECT_EQ(PixelFormat32bppARGB, Format(pImage));
    EXPECT_EQ(0xFFFF00FFu, PixelAt(pImage, 5, 3));
    EXPECT_TRUE(::DeleteFileW(str16.c_str()));
}

TEST_F(PreviewTest, AMissingPathOrAFolderKeepsTheShownPicture)
{
    Create(202, 202);
    ASSERT_NE(0, m_dialog.m_preview.LoadDib(Solid(L"shown.png", 50, 50).c_str()));
    const std::wstring badPaths[] = { m_folder.File(L"no such file.png"), m_folder.Path() };
    for (const std::wstring& strPath : badPaths)
    {
        EXPECT_EQ(0, m_dialog.m_preview.LoadDib(strPath.c_str()));
        EXPECT_NE(0, m_dialog.m_preview.IsValidDib());
        CCapturedImage image = CaptureClient(&m_dialog.m_preview);
        EXPECT_PIXEL(image, 101, 101, CR_PICTURE);
    }
    EXPECT_EQ(0, m_dialog.m_preview.LoadDib(NULL));
    EXPECT_NE(0, m_dialog.m_preview.IsValidDib());
}

TEST_F(PreviewTest, UndecodableFilesDropThePictureAndShowTheText)
{
    Create(202, 202);
    m_dialog.m_preview.SetNoImageText(L"No image");
    std::vector<BYTE> png = ReadBytes(Solid(L"whole.png", 60, 60));
    struct SCase { LPCWSTR lpszName; std::vector<BYTE> bytes; };
    const SCase cases[] = {
        { L"notes.txt", std::vector<BYTE>{ 'P', 'a', 't', 'i', 'e', 'n', 't', '\r', '\n' } },
        { L"empty.png", std::vector<BYTE>() },
        { L"half.png", std::vector<BYTE>(png.begin(), png.begin() + 40) },
    };
    for (const SCase& c : cases)
    {
        SCOPED_TRACE(testing::Message() << c.lpszName);
        ASSERT_NE(0, m_dialog.m_preview.LoadDib(m_folder.File(L"whole.png").c_str()));
        std::wstring strPath = m_folder.File(c.lpszName);
        ASSERT_TRUE(WriteBytes(strPath, c.bytes));
        EXPECT_EQ(0, m_dialog.m_preview.LoadDib(strPath.c_str()));
        EXPECT_EQ(0, m_dialog.m_preview.IsValidDib());
        EXPECT_EQ(0, AfxGetApp()->m_nWaitCursorCount);
        EXPECT_TRUE(::DeleteFileW(strPath.c_str()));
        CCapturedImage image = CaptureClient(&m_dialog.m_preview);
        EXPECT_EQ(0, image.CountColor(CR_PICTURE));
        EXPECT_GT(image.CountColor(RGB(255, 255, 255)), 0);
        EXPECT_PIXEL(image, 1, 1, ::GetSysColor(COLOR_BTNSHADOW));
    }
}

TEST_F(PreviewTest, TheFileCanBeDeletedAtOnceAndThePictureStillPaints)
{
    Create(202, 202);
    std::wstring strPath = Solid(L"gone.png", 80, 80);
    ASSERT_NE(0, m_dialog.m_preview.LoadDib(strPath.c_str()));
    ASSERT_TRUE(::DeleteFileW(strPath.c_str()));
    CCapturedImage image = CaptureClient(&m_dialog.m_preview);
    EXPECT_UNIFORM(image, CRect(61, 61, 141, 141), CR_PICTURE);
}

// Pictures smaller than the inner area keep their size; larger ones shrink by the larger ratio.
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
        m_dialog.m_preview.MoveWindow(10, 10, c.cxClient, c.cyClient);
        ASSERT_NE(0, m_dialog.m_preview.LoadDib(Solid(L"scaled.png", c.cxImage, c.cyImage).c_str()));
        CCapturedImage image = CaptureClient(&m_dialog.m_preview);
        // The outermost drawn pixels may blend with the background when GDI+ scales.
        CRect rectInside(c.rectDrawn);
        rectInside.DeflateRect(1, 1);
        EXPECT_UNIFORM(image, rectInside, CR_PICTURE);
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
    m_dialog.m_preview.SetNoImageText(strText);
    CCapturedImage image = CaptureClient(&m_dialog.m_preview);

    CClientDC dc(&m_dialog.m_preview);
    CFont* pOldFont = dc.SelectObject(m_dialog.m_preview.GetFont());
    CRect rectBlock(1, 1, 201, 151);
    dc.DrawText(strText, &rectBlock, DT_CALCRECT | DT_WORDBREAK | DT_CENTER);
    dc.SelectObject(pOldFont);
    rectBlock.OffsetRect((200 - rectBlock.Width()) / 2, (150 - rectBlock.Height()) / 2);

    const COLORREF crWhite = RGB(255, 255, 255);
    CRect rectInk = image.BoundingBox(crWhite);
    ASSERT_FALSE(rectInk.IsRectEmpty());
    EXPECT_EQ(rectInk, rectInk & rectBlock) << "block " << ::testing::PrintToString(rectBlock);
    const CRect rectFirstLine(rectBlock.left, rectBlock.top, rectBlock.right, rectBlock.CenterPoint().y);
    const CRect rectSecondLine(rectBlock.left, rectBlock.CenterPoint().y, rectBlock.right, rectBlock.bottom);
    EXPECT_NEAR(image.FindColumn(rectFirstLine, crWhite), image.FindColumn(rectSecondLine, crWhite), 1);
    EXPECT_EQ(image.CountColor(crWhite), image.CountColor(rectBlock, crWhite));
    EXPECT_PIXEL(image, 1, 1, ::GetSysColor(COLOR_BTNSHADOW));
    EXPECT_PIXEL(image, 200, 150, ::GetSysColor(COLOR_BTNSHADOW));
}

TEST_F(PreviewTest, SetNoImageTextWaitsForTheNextPaintAndAnEmptyTextLeavesAPlainField)
{
    Create(202, 102);
    const COLORREF crShadow = ::GetSysColor(COLOR_BTNSHADOW);
    EXPECT_UNIFORM(CaptureClient(&m_dialog.m_preview), CRect(1, 1, 201, 101), crShadow);
    m_dialog.m_preview.SetNoImageText(L"No study selected");
    EXPECT_UNIFORM(CaptureAsIs(m_dialog.m_preview.m_hWnd), CRect(1, 1, 201, 101), crShadow);
    EXPECT_GT(CaptureClient(&m_dialog.m_preview).CountColor(RGB(255, 255, 255)), 0);
}

TEST_F(PreviewTest, WithAPictureAndNoDrawFlagTheTextSitsOnShadowInsideButtonFace)
{
    Create(202, 102);
    m_dialog.m_preview.SetNoImageText(L"Hidden");
    ASSERT_NE(0, m_dialog.m_preview.LoadDib(Solid(L"face.png", 20, 20).c_str()));
    m_dialog.m_preview.PaintDib(0);
    CCapturedImage image = CaptureAsIs(m_dialog.m_preview.m_hWnd);
    EXPECT_PIXEL(image, 1, 1, ::GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(0, image.CountColor(CR_PICTURE));
    EXPECT_GT(image.CountColor(::GetSysColor(COLOR_BTNSHADOW)), 0);
    EXPECT_GT(image.CountColor(RGB(255, 255, 255)), 0);

    m_dialog.m_preview.RemoveDib();
    EXPECT_EQ(0, m_dialog.m_preview.IsValidDib());
    EXPECT_PIXEL(CaptureAsIs(m_dialog.m_preview.m_hWnd), 1, 1, ::GetSysColor(COLOR_BTNSHADOW));
}
