#include <gtest/gtest.h>

#include <zaduv.h>

#include "DibSurface.h"
#include "PixelCapture.h"
#include "foundation_helpers.h"

#include <array>
#include <functional>
#include <vector>

namespace
{
typedef void (WINAPI* PFNRGBTOHLS)(COLORREF, WORD*, WORD*, WORD*);
typedef COLORREF (WINAPI* PFNHLSTORGB)(WORD, WORD, WORD);
typedef std::array<WORD, 3> Hls;

Hls ToHls(PFNRGBTOHLS pfnRGBToHLS, COLORREF cr)
{
    Hls hls = { 999, 999, 999 };
    pfnRGBToHLS(cr, &hls[0], &hls[1], &hls[2]);
    return hls;
}

// Colours whose triples follow from the definition of the conversion, and their way back.
void ExpectKnownColours(PFNRGBTOHLS pfnRGBToHLS, PFNHLSTORGB pfnHLSToRGB)
{
    const struct { COLORREF cr; Hls hls; } known[] = {
        { RGB(0, 0, 0), { 160, 0, 0 } },         { RGB(255, 255, 255), { 160, 240, 0 } },
        { RGB(127, 127, 127), { 160, 120, 0 } }, { RGB(255, 0, 0), { 0, 120, 240 } },
        { RGB(0, 255, 0), { 80, 120, 240 } },    { RGB(0, 0, 255), { 160, 120, 240 } },
        { RGB(255, 255, 0), { 40, 120, 240 } },  { RGB(0, 255, 255), { 120, 120, 240 } },
        { RGB(255, 0, 255), { 200, 120, 240 } }, { RGB(128, 0, 0), { 0, 60, 240 } },
        { RGB(255, 128, 128), { 0, 180, 240 } },
    };
    for (const auto& k : known)
    {
        EXPECT_EQ(ToHls(pfnRGBToHLS, k.cr), k.hls) << std::hex << k.cr;
        EXPECT_EQ(pfnHLSToRGB(k.hls[0], k.hls[1], k.hls[2]), k.cr) << std::hex << k.cr;
    }
}

// Samples at the edges of the scales and of the hue sextants, where rounding differs first.
void ExpectSameAsPlatform(PFNRGBTOHLS pfnRGBToHLS, PFNHLSTORGB pfnHLSToRGB)
{
    HMODULE hShlwapi = ::LoadLibraryW(L"shlwapi.dll");
    const PFNRGBTOHLS pfnPlatformRGBToHLS = ModuleExport<PFNRGBTOHLS>(hShlwapi, "ColorRGBToHLS");
    const PFNHLSTORGB pfnPlatformHLSToRGB = ModuleExport<PFNHLSTORGB>(hShlwapi, "ColorHLSToRGB");
    ASSERT_TRUE(pfnPlatformRGBToHLS != NULL && pfnPlatformHLSToRGB != NULL);
    const int channels[] = { 0, 1, 64, 127, 128, 191, 254, 255 };
    for (int r : channels)
        for (int g : channels)
            for (int b : channels)
                EXPECT_EQ(ToHls(pfnRGBToHLS, RGB(r, g, b)), ToHls(pfnPlatformRGBToHLS, RGB(r, g, b)))
                    << "RGB(" << r << ", " << g << ", " << b << ")";
    for (int h : { 0, 20, 39, 40, 79, 80, 120, 159, 160, 199, 200, 239, 240 })
        for (int l : { 0, 1, 60, 119, 120, 121, 180, 239, 240 })
            for (int s : { 0, 1, 120, 239, 240 })
                EXPECT_EQ(pfnHLSToRGB(h, l, s), pfnPlatformHLSToRGB(h, l, s)) << "HLS(" << h << ", " << l << ", " << s << ")";
}
}

TEST(GdiUtilsRect, MovesAndCentringKeepTheSizeAndHalveTowardZero)
{
    const struct
    {
        const char* pszCase;
        CRect rect;
        std::function<void(CRect&)> fnMove;
        CRect rectExpected;
    } cases[] = {
        { "top to -5", CRect(10, 20, 40, 70), [](CRect& r) { CGdiUtils::MoveRectTopTo(r, -5); }, CRect(10, -5, 40, 45) },
        { "bottom to 7", CRect(10, 20, 40, 70), [](CRect& r) { CGdiUtils::MoveRectBottomTo(r, 7); }, CRect(10, -43, 40, 7) },
        { "left to -100", CRect(10, 20, 40, 70), [](CRect& r) { CGdiUtils::MoveRectLeftTo(r, -100); }, CRect(-100, 20, -70, 70) },
        { "right to 3", CRect(10, 20, 40, 70), [](CRect& r) { CGdiUtils::MoveRectRightTo(r, 3); }, CRect(-27, 20, 3, 70) },
        { "to (30, -40)", CRect(-8, 5, 2, 9), [](CRect& r) { CGdiUtils::MoveRectTo(r, CPoint(30, -40)); }, CRect(30, -40, 40, -36) },
        { "vertical in 0..15", CRect(3, 100, 9, 110), [](CRect& r) { CGdiUtils::CenterRectVertical(r, CRect(0, 0, 50, 15)); }, CRect(3, 2, 9, 12) },
        // (-15 + 0 - 10 + 0) / 2 is -12, where rounding down would give -13.
        { "vertical in -15..0", CRect(3, 0, 9, 10), [](CRect& r) { CGdiUtils::CenterRectVertical(r, CRect(0, -15, 50, 0)); }, CRect(3, -12, 9, -2) },
        { "4x4 in 11x11", CRect(0, 0, 4, 4), [](CRect& r) { CGdiUtils::CenterRectInRect(r, CRect(0, 0, 11, 11)); }, CRect(3, 3, 7, 7) },
        { "in a negative reference", CRect(5, 5, 15, 16), [](CRect& r) { CGdiUtils::CenterRectInRect(r, CRect(-21, -30, 0, 0)); }, CRect(-15, -20, -5, -9) },
    };
    for (const auto& c : cases)
    {
        CRect rect = c.rect;
        c.fnMove(rect);
        EXPECT_EQ(rect, c.rectExpected) << c.pszCase;
    }
}

TEST(GdiUtilsRect, MoveRectVisibleShiftsIntoTheBoundsAndMaxCSizeTakesSignedMaxima)
{
    const CRect rectBounds(10, 20, 110, 70);
    const struct { const char* pszCase; CRect rect; CRect rectExpected; } cases[] = {
        { "inside stays", CRect(20, 30, 40, 50), CRect(20, 30, 40, 50) },
        { "exactly the bounds stays", CRect(10, 20, 110, 70), CRect(10, 20, 110, 70) },
        { "past bottom right", CRect(100, 60, 130, 90), CRect(80, 40, 110, 70) },
        { "past top left", CRect(-5, 0, 15, 30), CRect(10, 20, 30, 50) },
        { "wider than the bounds", CRect(50, 30, 200, 40), CRect(10, 30, 160, 40) },
        { "larger both ways", CRect(0, 0, 150, 80), CRect(10, 20, 160, 100) },
    };
    for (const auto& c : cases)
    {
        CRect rect = c.rect;
        CGdiUtils::MoveRectVisible(rect, rectBounds);
        EXPECT_EQ(rect, c.rectExpected) << c.pszCase;
    }
    EXPECT_EQ(CGdiUtils::MaxCSize(CSize(-5, 7), CSize(3, -9)), CSize(3, 7));
    EXPECT_EQ(CGdiUtils::MaxCSize(CSize(-5, -7), CSize(-6, -2)), CSize(-5, -2));
}

TEST(GdiUtilsColour, ConvertsKnownColoursBothWaysAndSkipsNullOutputs)
{
    ExpectKnownColours(&CGdiUtils::RGBToHLS, &CGdiUtils::HLSToRGB);
    WORD wLuminance = 999;
    CGdiUtils::RGBToHLS(RGB(255, 0, 0), NULL, &wLuminance, NULL);
    EXPECT_EQ(wLuminance, 120);
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
    const PFNRGBTOHLS pfnRGBToHLS = ModuleExport<PFNRGBTOHLS>(hCopy, ZaDUVExportName::RGB_TO_HLS);
    const PFNHLSTORGB pfnHLSToRGB = ModuleExport<PFNHLSTORGB>(hCopy, ZaDUVExportName::HLS_TO_RGB);
    PFNRGBTOHLS* ppfnRGBToHLS = ModuleExport<PFNRGBTOHLS*>(hCopy, ZaDUVExportName::PFN_RGB_TO_HLS);
    PFNHLSTORGB* ppfnHLSToRGB = ModuleExport<PFNHLSTORGB*>(hCopy, ZaDUVExportName::PFN_HLS_TO_RGB);
    ASSERT_TRUE(pfnRGBToHLS != NULL && pfnHLSToRGB != NULL && ppfnRGBToHLS != NULL && ppfnHLSToRGB != NULL);

    ExpectKnownColours(pfnRGBToHLS, pfnHLSToRGB);
    ExpectSameAsPlatform(pfnRGBToHLS, pfnHLSToRGB);
    EXPECT_EQ(*ppfnRGBToHLS, nullptr) << "a failed lookup stays unset, to be tried again";
    EXPECT_EQ(*ppfnHLSToRGB, nullptr);
    // Beyond the 0-240 scale luminance and saturation count as its top: full luminance is white.
    EXPECT_EQ(pfnHLSToRGB(300, 300, 300), RGB(255, 255, 255));
    EXPECT_EQ(pfnHLSToRGB(65535, 120, 65535), pfnHLSToRGB(65535 % 240, 120, 240));

    EXPECT_TRUE(::FreeLibrary(hCopy));
}

TEST(GdiUtilsGradient, RowsStepFromTheStartColourAndTruncateEachChannel)
{
    const COLORREF crBackground = RGB(1, 2, 3);
    const struct
    {
        int nLength;
        COLORREF crFrom, crTo;
        std::vector<COLORREF> rows;     // drawn downwards from (2, 1)
    } cases[] = {
        { 4, RGB(0, 0, 0), RGB(0, 0, 255), { RGB(0, 0, 0), RGB(0, 0, 63), RGB(0, 0, 127), RGB(0, 0, 191) } },
        // Red steps by -66.67 and green by 51.67: truncation gives 133 and 151, rounding 133 and 152.
        { 3, RGB(200, 100, 50), RGB(0, 255, 50), { RGB(200, 100, 50), RGB(133, 151, 50), RGB(66, 203, 50) } },
        { 1, RGB(10, 20, 30), RGB(250, 250, 250), { RGB(10, 20, 30) } },
        { 0, RGB(0, 0, 0), RGB(255, 255, 255), {} },
        { -50, RGB(0, 0, 0), RGB(255, 255, 255), {} },
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(testing::Message() << "length " << c.nLength);
        zaduv_test::CDibSurface surface(8, 8, crBackground);
        CGdiUtils::DrawVerticalColoredLine(&surface.DC(), 1, CPoint(2, 1), c.nLength, c.crFrom, c.crTo);
        const zaduv_test::CCapturedImage image = surface.Capture();
        for (size_t i = 0; i < c.rows.size(); i++)
            EXPECT_PIXEL(image, 2, 1 + static_cast<int>(i), c.rows[i]);
        EXPECT_COLOR_COUNT(image, image.GetRect(), crBackground, 64 - static_cast<int>(c.rows.size()))
            << "the end colour is never drawn";
    }
}

TEST(GdiUtilsGradient, PenWidthThreePaintsABandAndTheCallersPenStaysSelected)
{
    const COLORREF crBackground = RGB(1, 2, 3);
    const COLORREF crLine = RGB(200, 0, 0);
    zaduv_test::CDibSurface surface(16, 16, crBackground);
    CPen penCaller(PS_DASH, 1, RGB(0, 255, 0));
    CPen* pPenBefore = surface.DC().SelectObject(&penCaller);
    CGdiUtils::DrawVerticalColoredLine(&surface.DC(), 3, CPoint(7, 4), 6, crLine, crLine);
    EXPECT_EQ(::GetCurrentObject(surface.DC().GetSafeHdc(), OBJ_PEN), penCaller.GetSafeHandle());
    surface.DC().SelectObject(pPenBefore);
    const zaduv_test::CCapturedImage image = surface.Capture();
    // Rows away from the round ends of the wide pen.
    EXPECT_UNIFORM(image, CRect(6, 5, 9, 9), crLine);
    EXPECT_UNIFORM(image, CRect(0, 0, 6, 16), crBackground);
    EXPECT_UNIFORM(image, CRect(9, 0, 16, 16), crBackground);
}
