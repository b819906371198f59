#include <gtest/gtest.h>

#include <zaduv.h>

#include "DibSurface.h"
#include "PixelCapture.h"
#include "foundation_helpers.h"

#include <vector>

namespace
{
void ExpectRect(const CRect& rect, int left, int top, int right, int bottom, const char* pszCase)
{
    EXPECT_EQ(rect.left, left) << pszCase;
    EXPECT_EQ(rect.top, top) << pszCase;
    EXPECT_EQ(rect.right, right) << pszCase;
    EXPECT_EQ(rect.bottom, bottom) << pszCase;
}

struct SHls
{
    WORD wHue, wLuminance, wSaturation;
};

// Colours whose triples follow from the definition of the conversion, and their way back.
struct SKnownColour
{
    COLORREF cr;
    SHls hls;
} const s_knownColours[] = {
    { RGB(0, 0, 0), { 160, 0, 0 } },
    { RGB(255, 255, 255), { 160, 240, 0 } },
    { RGB(127, 127, 127), { 160, 120, 0 } },
    { RGB(255, 0, 0), { 0, 120, 240 } },
    { RGB(0, 255, 0), { 80, 120, 240 } },
    { RGB(0, 0, 255), { 160, 120, 240 } },
    { RGB(255, 255, 0), { 40, 120, 240 } },
    { RGB(0, 255, 255), { 120, 120, 240 } },
    { RGB(255, 0, 255), { 200, 120, 240 } },
    { RGB(128, 0, 0), { 0, 60, 240 } },
    { RGB(255, 128, 128), { 0, 180, 240 } },
};

// The platform's own conversions, as a host would call them.
typedef void (WINAPI* PFNRGBTOHLS)(COLORREF, WORD*, WORD*, WORD*);
typedef COLORREF (WINAPI* PFNHLSTORGB)(WORD, WORD, WORD);

PFNRGBTOHLS PlatformRGBToHLS()
{
    return ModuleExport<PFNRGBTOHLS>(::LoadLibraryW(L"shlwapi.dll"), "ColorRGBToHLS");
}

PFNHLSTORGB PlatformHLSToRGB()
{
    return ModuleExport<PFNHLSTORGB>(::LoadLibraryW(L"shlwapi.dll"), "ColorHLSToRGB");
}

// The conversions of a loaded copy of the library and its two exported lookup pointers.
struct SCopyConversion
{
    explicit SCopyConversion(HMODULE hCopy)
        : pfnRGBToHLS(ModuleExport<PFNRGBTOHLS>(hCopy, ZaDUVExportName::RGB_TO_HLS)),
          pfnHLSToRGB(ModuleExport<PFNHLSTORGB>(hCopy, ZaDUVExportName::HLS_TO_RGB)),
          ppfnRGBToHLS(ModuleExport<PFNRGBTOHLS*>(hCopy, ZaDUVExportName::PFN_RGB_TO_HLS)),
          ppfnHLSToRGB(ModuleExport<PFNHLSTORGB*>(hCopy, ZaDUVExportName::PFN_HLS_TO_RGB))
    {
    }
    bool IsComplete() const
    {
        return pfnRGBToHLS != NULL && pfnHLSToRGB != NULL && ppfnRGBToHLS != NULL && ppfnHLSToRGB != NULL;
    }

    PFNRGBTOHLS pfnRGBToHLS;
    PFNHLSTORGB pfnHLSToRGB;
    PFNRGBTOHLS* ppfnRGBToHLS;
    PFNHLSTORGB* ppfnHLSToRGB;
};

void ExpectKnownColours(PFNRGBTOHLS pfnRGBToHLS, PFNHLSTORGB pfnHLSToRGB)
{
    for (const SKnownColour& known : s_knownColours)
    {
        SHls hls = { 999, 999, 999 };
        pfnRGBToHLS(known.cr, &hls.wHue, &hls.wLuminance, &hls.wSaturation);
        EXPECT_EQ(hls.wHue, known.hls.wHue) << std::hex << known.cr;
        EXPECT_EQ(hls.wLuminance, known.hls.wLuminance) << std::hex << known.cr;
        EXPECT_EQ(hls.wSaturation, known.hls.wSaturation) << std::hex << known.cr;
        EXPECT_EQ(pfnHLSToRGB(hls.wHue, hls.wLuminance, hls.wSaturation), known.cr) << std::hex << known.cr;
    }
}

// Samples at the edges of the scales and of the hue sextants, where rounding differs first.
void ExpectSameAsPlatform(PFNRGBTOHLS pfnRGBToHLS, PFNHLSTORGB pfnHLSToRGB)
{
    const PFNRGBTOHLS pfnPlatformRGBToHLS = PlatformRGBToHLS();
    const PFNHLSTORGB pfnPlatformHLSToRGB = PlatformHLSToRGB();
    ASSERT_NE(pfnPlatformRGBToHLS, nullptr);
    ASSERT_NE(pfnPlatformHLSToRGB, nullptr);

    const int channels[] = { 0, 1, 64, 127, 128, 191, 254, 255 };
    for (int r : channels)
    {
        for (int g : channels)
        {
            for (int b : channels)
            {
                SHls mine = {}, platform = {};
                pfnRGBToHLS(RGB(r, g, b), &mine.wHue, &mine.wLuminance, &mine.wSaturation);
                pfnPlatformRGBToHLS(RGB(r, g, b), &platform.wHue, &platform.wLuminance, &platform.wSaturation);
                EXPECT_TRUE(mine.wHue == platform.wHue && mine.wLuminance == platform.wLuminance
                            && mine.wSaturation == platform.wSaturation)
                    << "RGB(" << r << ", " << g << ", " << b << ") gives " << mine.wHue << ", "
                    << mine.wLuminance << ", " << mine.wSaturation << " instead of " << platform.wHue
                    << ", " << platform.wLuminance << ", " << platform.wSaturation;
            }
        }
    }

    const int hues[] = { 0, 20, 39, 40, 79, 80, 120, 159, 160, 199, 200, 239, 240 };
    const int luminances[] = { 0, 1, 60, 119, 120, 121, 180, 239, 240 };
    const int saturations[] = { 0, 1, 120, 239, 240 };
    for (int h : hues)
    {
        for (int l : luminances)
        {
            for (int s : saturations)
            {
                EXPECT_EQ(pfnHLSToRGB(h, l, s), pfnPlatformHLSToRGB(h, l, s))
                    << "HLS(" << h << ", " << l << ", " << s << ")";
            }
        }
    }
}
}

TEST(GdiUtilsMoveRect, EdgeMovesKeepTheSize)
{
    CRect rect(10, 20, 40, 70);
    CGdiUtils::MoveRectTopTo(rect, -5);
    ExpectRect(rect, 10, -5, 40, 45, "top to -5");
    CGdiUtils::MoveRectBottomTo(rect, 7);
    ExpectRect(rect, 10, -43, 40, 7, "bottom to 7");
    CGdiUtils::MoveRectLeftTo(rect, -100);
    ExpectRect(rect, -100, -43, -70, 7, "left to -100");
    CGdiUtils::MoveRectRightTo(rect, 3);
    ExpectRect(rect, -27, -43, 3, 7, "right to 3");
}

TEST(GdiUtilsMoveRect, MoveRectToPutsTheTopLeftCornerOnThePoint)
{
    CRect rect(-8, 5, 2, 9);
    CGdiUtils::MoveRectTo(rect, CPoint(30, -40));
    ExpectRect(rect, 30, -40, 40, -36, "to (30, -40)");
}

TEST(GdiUtilsCenter, CenterRectVerticalHalvesTowardZero)
{
    CRect rect(3, 100, 9, 110);
    CGdiUtils::CenterRectVertical(rect, CRect(0, 0, 50, 15));
    ExpectRect(rect, 3, 2, 9, 12, "height 10 in 0..15");

    // (-15 + 0 - 10 + 0) / 2 is -12, where rounding down would give -13.
    rect.SetRect(3, 0, 9, 10);
    CGdiUtils::CenterRectVertical(rect, CRect(0, -15, 50, 0));
    ExpectRect(rect, 3, -12, 9, -2, "height 10 in -15..0");
}

TEST(GdiUtilsCenter, CenterRectInRectHalvesTowardZero)
{
    CRect rect(0, 0, 4, 4);
    CGdiUtils::CenterRectInRect(rect, CRect(0, 0, 11, 11));
    ExpectRect(rect, 3, 3, 7, 7, "4x4 in 11x11");

    // x = (0 - 15 + 5 - 21) / 2 = -15 and y = (0 - 16 - 30 + 5) / 2 = -20, not -16 and -21.
    rect.SetRect(5, 5, 15, 16);
    CGdiUtils::CenterRectInRect(rect, CRect(-21, -30, 0, 0));
    ExpectRect(rect, -15, -20, -5, -9, "10x11 in negative reference");
}

TEST(GdiUtilsMoveRectVisible, ShiftsIntoTheBounds)
{
    const CRect rectBounds(10, 20, 110, 70);
    const struct
    {
        const char* pszCase;
        CRect rect;
        CRect rectExpected;
    } cases[] = {
        { "inside stays", CRect(20, 30, 40, 50), CRect(20, 30, 40, 50) },
        { "exactly the bounds stays", CRect(10, 20, 110, 70), CRect(10, 20, 110, 70) },
        { "past bottom right", CRect(100, 60, 130, 90), CRect(80, 40, 110, 70) },
        { "past top left", CRect(-5, 0, 15, 30), CRect(10, 20, 30, 50) },
        { "wider than the bounds", CRect(50, 30, 200, 40), CRect(10, 30, 160, 40) },
        { "taller than the bounds", CRect(30, -100, 40, 0), CRect(30, 20, 40, 120) },
        { "larger both ways", CRect(0, 0, 150, 80), CRect(10, 20, 160, 100) },
    };
    for (const auto& c : cases)
    {
        CRect rect = c.rect;
        CGdiUtils::MoveRectVisible(rect, rectBounds);
        ExpectRect(rect, c.rectExpected.left, c.rectExpected.top, c.rectExpected.right,
                   c.rectExpected.bottom, c.pszCase);
    }
}

TEST(GdiUtilsMaxCSize, TakesTheLargerOfEachSignedComponent)
{
    const CSize size = CGdiUtils::MaxCSize(CSize(-5, 7), CSize(3, -9));
    EXPECT_EQ(size.cx, 3);
    EXPECT_EQ(size.cy, 7);
    const CSize sizeNegative = CGdiUtils::MaxCSize(CSize(-5, -7), CSize(-6, -2));
    EXPECT_EQ(sizeNegative.cx, -5);
    EXPECT_EQ(sizeNegative.cy, -2);
}

TEST(GdiUtilsColour, ConvertsKnownColoursBothWays)
{
    ExpectKnownColours(&CGdiUtils::RGBToHLS, &CGdiUtils::HLSToRGB);
}

TEST(GdiUtilsColour, NullOutputPointersAreSkipped)
{
    WORD wLuminance = 999;
    CGdiUtils::RGBToHLS(RGB(255, 0, 0), NULL, &wLuminance, NULL);
    EXPECT_EQ(wLuminance, 120);
}

// A fresh copy of the library shows the lookup through its exported pointers: null until the
// first conversion, then the platform's functions.
TEST(GdiUtilsColour, LooksUpThePlatformConversionOnFirstUse)
{
    EXPECT_CHILD_TEST_PASSES("GdiUtilsColourInChild.DISABLED_LooksUpThePlatformConversionOnFirstUse");
}

TEST(GdiUtilsColourInChild, DISABLED_LooksUpThePlatformConversionOnFirstUse)
{
    CModuleCopy copy;
    ASSERT_TRUE(copy.IsValid());
    HMODULE hCopy = ::LoadLibraryW(copy.Path().c_str());
    ASSERT_NE(hCopy, nullptr);
    const SCopyConversion copied(hCopy);
    ASSERT_TRUE(copied.IsComplete());

    EXPECT_EQ(*copied.ppfnRGBToHLS, nullptr);
    EXPECT_EQ(*copied.ppfnHLSToRGB, nullptr);
    WORD wHue = 0, wLuminance = 0, wSaturation = 0;
    copied.pfnRGBToHLS(RGB(0, 0, 255), &wHue, &wLuminance, &wSaturation);
    EXPECT_EQ(*copied.ppfnRGBToHLS, PlatformRGBToHLS());
    EXPECT_EQ(*copied.ppfnHLSToRGB, nullptr) << "each pointer is looked up by its own conversion";
    EXPECT_EQ(copied.pfnHLSToRGB(wHue, wLuminance, wSaturation), RGB(0, 0, 255));
    EXPECT_EQ(*copied.ppfnHLSToRGB, PlatformHLSToRGB());

    EXPECT_TRUE(::FreeLibrary(hCopy));
}

// Where shlwapi.dll cannot be found the library converts by itself: a copy whose module name
// is spelt differently stands for a system without it.
TEST(GdiUtilsColour, ConvertsByItselfWithoutThePlatform)
{
    EXPECT_CHILD_TEST_PASSES("GdiUtilsColourInChild.DISABLED_ConvertsByItselfWithoutThePlatform");
}

TEST(GdiUtilsColourInChild, DISABLED_ConvertsByItselfWithoutThePlatform)
{
    CModuleCopy copy({ CModuleCopy::Patch(WideBytes(L"shlwapi.dll"), WideBytes(L"nowhere.dll")) });
    ASSERT_TRUE(copy.IsValid());
    ASSERT_EQ(copy.PatchCounts()[0], 1) << "the module name the lookup uses";
    HMODULE hCopy = ::LoadLibraryW(copy.Path().c_str());
    ASSERT_NE(hCopy, nullptr);
    const SCopyConversion copied(hCopy);
    ASSERT_TRUE(copied.IsComplete());

    ExpectKnownColours(copied.pfnRGBToHLS, copied.pfnHLSToRGB);
    ExpectSameAsPlatform(copied.pfnRGBToHLS, copied.pfnHLSToRGB);
    EXPECT_EQ(*copied.ppfnRGBToHLS, nullptr) << "a failed lookup stays unset, to be tried again";
    EXPECT_EQ(*copied.ppfnHLSToRGB, nullptr);

    // Beyond the 0-240 scale luminance and saturation count as its top: full luminance is white.
    EXPECT_EQ(copied.pfnHLSToRGB(300, 300, 300), RGB(255, 255, 255));
    EXPECT_EQ(copied.pfnHLSToRGB(65535, 120, 65535), copied.pfnHLSToRGB(65535 % 240, 120, 240));

    EXPECT_TRUE(::FreeLibrary(hCopy));
}

TEST(GdiUtilsGradient, BlackToBlueOverFourRowsSteps)
{
    const COLORREF crBackground = RGB(1, 2, 3);
    zaduv_test::CDibSurface surface(16, 16, crBackground);
    ASSERT_TRUE(surface.IsValid());
    CGdiUtils::DrawVerticalColoredLine(&surface.DC(), 1, CPoint(5, 3), 4, RGB(0, 0, 0), RGB(0, 0, 255));
    const zaduv_test::CCapturedImage image = surface.Capture();

    EXPECT_PIXEL(image, 5, 3, RGB(0, 0, 0));
    EXPECT_PIXEL(image, 5, 4, RGB(0, 0, 63));
    EXPECT_PIXEL(image, 5, 5, RGB(0, 0, 127));
    EXPECT_PIXEL(image, 5, 6, RGB(0, 0, 191));
    EXPECT_PIXEL(image, 5, 7, crBackground);               // the end colour is never drawn
    EXPECT_COLOR_COUNT(image, image.GetRect(), crBackground, 16 * 16 - 4);
}

TEST(GdiUtilsGradient, ChannelsTruncateIndependently)
{
    // Red steps by -66.67 and green by 51.67: truncation gives 133 and 151, rounding 133 and 152.
    const COLORREF crBackground = RGB(1, 2, 3);
    zaduv_test::CDibSurface surface(8, 8, crBackground);
    ASSERT_TRUE(surface.IsValid());
    CGdiUtils::DrawVerticalColoredLine(&surface.DC(), 1, CPoint(2, 1), 3, RGB(200, 100, 50), RGB(0, 255, 50));
    const zaduv_test::CCapturedImage image = surface.Capture();

    EXPECT_PIXEL(image, 2, 1, RGB(200, 100, 50));
    EXPECT_PIXEL(image, 2, 2, RGB(133, 151, 50));
    EXPECT_PIXEL(image, 2, 3, RGB(66, 203, 50));
    EXPECT_PIXEL(image, 2, 4, crBackground);
}

TEST(GdiUtilsGradient, LengthOneDrawsTheStartColour)
{
    const COLORREF crBackground = RGB(1, 2, 3);
    zaduv_test::CDibSurface surface(8, 8, crBackground);
    ASSERT_TRUE(surface.IsValid());
    CGdiUtils::DrawVerticalColoredLine(&surface.DC(), 1, CPoint(0, 0), 1, RGB(10, 20, 30), RGB(250, 250, 250));
    const zaduv_test::CCapturedImage image = surface.Capture();

    EXPECT_PIXEL(image, 0, 0, RGB(10, 20, 30));
    EXPECT_COLOR_COUNT(image, image.GetRect(), crBackground, 8 * 8 - 1);
}

TEST(GdiUtilsGradient, LengthBelowOneDrawsNothing)
{
    for (int nLength : { 0, -1, -50 })
    {
        SCOPED_TRACE(testing::Message() << "length " << nLength);
        const COLORREF crBackground = RGB(1, 2, 3);
        zaduv_test::CDibSurface surface(8, 8, crBackground);
        ASSERT_TRUE(surface.IsValid());
        CGdiUtils::DrawVerticalColoredLine(&surface.DC(), 1, CPoint(3, 3), nLength, RGB(0, 0, 0), RGB(255, 255, 255));
        const zaduv_test::CCapturedImage image = surface.Capture();
        EXPECT_UNIFORM(image, image.GetRect(), crBackground);
    }
}

TEST(GdiUtilsGradient, PenWidthThreePaintsABandThreePixelsWide)
{
    const COLORREF crBackground = RGB(1, 2, 3);
    const COLORREF crLine = RGB(200, 0, 0);
    zaduv_test::CDibSurface surface(16, 16, crBackground);
    ASSERT_TRUE(surface.IsValid());
    CGdiUtils::DrawVerticalColoredLine(&surface.DC(), 3, CPoint(7, 4), 6, crLine, crLine);
    const zaduv_test::CCapturedImage image = surface.Capture();

    // Rows away from the round ends of the wide pen.
    EXPECT_UNIFORM(image, CRect(6, 5, 9, 9), crLine);
    EXPECT_UNIFORM(image, CRect(0, 0, 6, 16), crBackground);
    EXPECT_UNIFORM(image, CRect(9, 0, 16, 16), crBackground);
}

// A metafile keeps the calls in the order made: per row a pen of the row's colour and the
// given width is made, selected, used for one step down, deselected and deleted.
TEST(GdiUtilsGradient, MakesSelectsAndDeletesOnePenPerRow)
{
    HDC hdcMeta = ::CreateEnhMetaFileW(NULL, NULL, NULL, NULL);
    ASSERT_NE(hdcMeta, nullptr);
    CDC dc;
    dc.Attach(hdcMeta);
    CGdiUtils::DrawVerticalColoredLine(&dc, 2, CPoint(4, 10), 3, RGB(0, 0, 0), RGB(0, 0, 255));
    dc.Detach();
    HENHMETAFILE hMetafile = ::CloseEnhMetaFile(hdcMeta);
    ASSERT_NE(hMetafile, nullptr);
    std::vector<BYTE> bits(::GetEnhMetaFileBits(hMetafile, 0, NULL));
    ::GetEnhMetaFileBits(hMetafile, static_cast<UINT>(bits.size()), bits.data());
    ::DeleteEnhMetaFile(hMetafile);

    std::vector<const ENHMETARECORD*> records;
    for (size_t nOffset = 0; nOffset + sizeof(EMR) <= bits.size();)
    {
        const ENHMETARECORD* pRecord = reinterpret_cast<const ENHMETARECORD*>(&bits[nOffset]);
        if (pRecord->iType != EMR_HEADER && pRecord->iType != EMR_EOF)
            records.push_back(pRecord);
        if (pRecord->nSize == 0)
            break;
        nOffset += pRecord->nSize;
    }
    ASSERT_EQ(records.size(), 3u * 6u);
    const BYTE blues[] = { 0, 85, 170 };
    for (size_t i = 0; i < 3; i++)
    {
        const ENHMETARECORD* const* pRow = &records[i * 6];
        ASSERT_EQ(pRow[0]->iType, static_cast<DWORD>(EMR_CREATEPEN)) << "row " << i;
        const EMRCREATEPEN* pCreate = reinterpret_cast<const EMRCREATEPEN*>(pRow[0]);
        EXPECT_EQ(pCreate->lopn.lopnStyle, static_cast<UINT>(PS_SOLID));
        EXPECT_EQ(pCreate->lopn.lopnWidth.x, 2);
        EXPECT_EQ(pCreate->lopn.lopnColor, RGB(0, 0, blues[i])) << "row " << i;
        ASSERT_EQ(pRow[1]->iType, static_cast<DWORD>(EMR_SELECTOBJECT)) << "row " << i;
        EXPECT_EQ(reinterpret_cast<const EMRSELECTOBJECT*>(pRow[1])->ihObject, pCreate->ihPen);
        ASSERT_EQ(pRow[2]->iType, static_cast<DWORD>(EMR_MOVETOEX)) << "row " << i;
        EXPECT_EQ(reinterpret_cast<const EMRMOVETOEX*>(pRow[2])->ptl.x, 4);
        EXPECT_EQ(reinterpret_cast<const EMRMOVETOEX*>(pRow[2])->ptl.y, static_cast<LONG>(10 + i));
        ASSERT_EQ(pRow[3]->iType, static_cast<DWORD>(EMR_LINETO)) << "row " << i;
        EXPECT_EQ(reinterpret_cast<const EMRLINETO*>(pRow[3])->ptl.x, 4);
        EXPECT_EQ(reinterpret_cast<const EMRLINETO*>(pRow[3])->ptl.y, static_cast<LONG>(11 + i));
        ASSERT_EQ(pRow[4]->iType, static_cast<DWORD>(EMR_SELECTOBJECT)) << "row " << i;
        EXPECT_EQ(reinterpret_cast<const EMRSELECTOBJECT*>(pRow[4])->ihObject, ENHMETA_STOCK_OBJECT | BLACK_PEN)
            << "the pen the context had before";
        ASSERT_EQ(pRow[5]->iType, static_cast<DWORD>(EMR_DELETEOBJECT)) << "row " << i;
        EXPECT_EQ(reinterpret_cast<const EMRDELETEOBJECT*>(pRow[5])->ihObject, pCreate->ihPen);
    }
}

TEST(GdiUtilsGradient, LeavesTheCallersPenSelected)
{
    zaduv_test::CDibSurface surface(8, 8, RGB(255, 255, 255));
    ASSERT_TRUE(surface.IsValid());
    CPen penCaller(PS_DASH, 1, RGB(0, 255, 0));
    CPen* pPenBefore = surface.DC().SelectObject(&penCaller);
    CGdiUtils::DrawVerticalColoredLine(&surface.DC(), 2, CPoint(1, 1), 5, RGB(0, 0, 0), RGB(255, 0, 0));
    EXPECT_EQ(::GetCurrentObject(surface.DC().GetSafeHdc(), OBJ_PEN), penCaller.GetSafeHandle());
    surface.DC().SelectObject(pPenBefore);
}
