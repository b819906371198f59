#ifndef ZADUV_TESTS_XLISTCTRL_HEADER_TEST_HELPERS_H
#define ZADUV_TESTS_XLISTCTRL_HEADER_TEST_HELPERS_H
// Helpers of the header and drawing-surface tests:
//   CreateCrispFont    Tahoma of a pixel height, without anti-aliasing, so that text drawn by
//                      the control and text drawn by a test match pixel for pixel
//   SpaceOffset        two widths of " " in a font: the unit of the sorted headers' geometry
//   RenderText         a caption drawn on a plain background, as the reference to compare with
//   CountInkDifferences  positions where one image has ink (not the background) and the other not
//   InkBox             the bounding box of the ink inside a rectangle
//   MakeSolidBitmap    a device-dependent bitmap of one colour

#include <afxwin.h>
#include <gtest/gtest.h>

#include "GeometryPrinters.h"
#include "PixelCapture.h"

namespace zaduv_test
{
BOOL CreateCrispFont(CFont& font, int nPixelHeight);
int SpaceOffset(CFont* pFont);

// Text drawn black on crBackground into rect of a cx x cy surface, in the given font.
CCapturedImage RenderText(int cx, int cy, COLORREF crBackground, CFont* pFont, LPCTSTR lpszText,
    const CRect& rect, UINT nFormat);

int CountInkDifferences(const CCapturedImage& actual, const CCapturedImage& expected, const CRect& rect,
    COLORREF crBackground);
CRect InkBox(const CCapturedImage& image, const CRect& rect, COLORREF crBackground);

HBITMAP MakeSolidBitmap(int cx, int cy, COLORREF cr);
}

// The ink inside rect of a capture is the reference's ink, position for position; on failure
// both pictures are saved.
#define EXPECT_SAME_INK(actual, expected, rect, background)                                           \
    do                                                                                                 \
    {                                                                                                  \
        const int nDiff_ = ::zaduv_test::CountInkDifferences(actual, expected, rect, background);     \
        EXPECT_EQ(nDiff_, 0) << "ink differs from the reference in " << #rect << "\n  actual: "        \
                             << ::zaduv_test::SaveFailureArtifact(actual)                              \
                             << "\n  reference: " << ::zaduv_test::SaveFailureArtifact(expected);     \
    } while (0)

#endif
