#ifndef ZADUV_TESTS_PIXELCAPTURE_H
#define ZADUV_TESTS_PIXELCAPTURE_H
// Pixels of windows and device contexts, read into memory where a test can look at them.
//   CCapturedImage     a 32-bit top-down copy of some pixels, with queries
//   CaptureClient      a window's client area as it is on the screen, after it has repainted
//   CaptureAsIs        a window's client area as it is on the screen now, without repainting it
//   CapturePrintClient the client area painted through WM_PRINTCLIENT into a memory bitmap
//   SavePng            through GDI+ (CPngFile), which the host must have started
//   EXPECT_PIXEL...    pixel checks that save a PNG of the capture when they fail

#include <afxwin.h>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace zaduv_test
{
class CCapturedImage
{
public:
// Construction
    CCapturedImage();
    CCapturedImage(int cx, int cy, COLORREF crFill = RGB(0, 0, 0));

// Attributes
    int Width() const { return m_cx; }
    int Height() const { return m_cy; }
    BOOL IsEmpty() const { return m_cx <= 0 || m_cy <= 0; }
    CRect GetRect() const { return CRect(0, 0, m_cx, m_cy); }

    // CLR_INVALID outside the image.
    COLORREF Pixel(int x, int y) const;
    // Rows top-down, each pixel 0x00RRGGBB as a 32-bit DIB stores it.
    const DWORD* GetBits() const { return m_pixels.data(); }
    DWORD* GetBits() { return m_pixels.data(); }

// Queries (rectangles are clipped to the image)
    int CountColor(const CRect& rect, COLORREF cr) const;
    int CountColor(COLORREF cr) const { return CountColor(GetRect(), cr); }
    BOOL IsUniform(const CRect& rect, COLORREF cr) const;
    // The smallest rectangle holding every pixel of the colour; empty when there is none.
    CRect BoundingBox(COLORREF cr, const CRect& rectWithin) const;
    CRect BoundingBox(COLORREF cr) const { return BoundingBox(cr, GetRect()); }
    // The first column (from the left) inside rect holding the colour, or -1.
    int FindColumn(const CRect& rect, COLORREF cr) const;

    int GetSerial() const { return m_nSerial; }  // tells captures apart for failure artifacts

// Implementation
private:
    int m_cx;
    int m_cy;
    int m_nSerial;
    std::vector<DWORD> m_pixels;
};

// Repaints the window and its children, pumps the paint messages, then copies the client area
// from the window's device context.
CCapturedImage CaptureClient(HWND hWnd);
inline CCapturedImage CaptureClient(const CWnd* pWnd) { return CaptureClient(pWnd->GetSafeHwnd()); }
// The client area copied from the window's device context as it is, for tests that look at
// what the last paint left.
CCapturedImage CaptureAsIs(HWND hWnd);

// Sends WM_PRINTCLIENT with a memory DC of the client size, cleared to
// crClear first so that what the window leaves unpainted shows.
CCapturedImage CapturePrintClient(HWND hWnd, UINT nFlags = PRF_CLIENT | PRF_ERASEBKGND,
    COLORREF crClear = RGB(1, 2, 3));

// The pixels as a 32-bit PNG, fully opaque; FALSE when the image is empty or the file cannot
// be written.
BOOL SavePng(const CCapturedImage& image, LPCWSTR lpszPath);

// Saves the capture once per test (and image) into <build>/test-artifacts/<Suite>.<Test>.png
// and returns a line naming the file, for a failure message.
std::string SaveFailureArtifact(const CCapturedImage& image);

std::string ColorName(COLORREF cr);

::testing::AssertionResult AssertPixel(const char* lpszImage, const char* lpszX, const char* lpszY,
    const char* lpszColor, const CCapturedImage& image, int x, int y, COLORREF cr);
::testing::AssertionResult AssertColorCount(const char* lpszImage, const char* lpszRect,
    const char* lpszColor, const char* lpszCount, const CCapturedImage& image, const CRect& rect,
    COLORREF cr, int nCount);
::testing::AssertionResult AssertUniform(const char* lpszImage, const char* lpszRect,
    const char* lpszColor, const CCapturedImage& image, const CRect& rect, COLORREF cr);
}

#define EXPECT_PIXEL(image, x, y, colour) \
    EXPECT_PRED_FORMAT4(::zaduv_test::AssertPixel, image, x, y, colour)
#define ASSERT_PIXEL(image, x, y, colour) \
    ASSERT_PRED_FORMAT4(::zaduv_test::AssertPixel, image, x, y, colour)
#define EXPECT_COLOR_COUNT(image, rect, colour, count) \
    EXPECT_PRED_FORMAT4(::zaduv_test::AssertColorCount, image, rect, colour, count)
#define EXPECT_UNIFORM(image, rect, colour) \
    EXPECT_PRED_FORMAT3(::zaduv_test::AssertUniform, image, rect, colour)

#endif
