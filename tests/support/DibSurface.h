#ifndef ZADUV_TESTS_DIBSURFACE_H
#define ZADUV_TESTS_DIBSURFACE_H
// CDibSurface: a 32-bit top-down DIB section selected into a memory DC, filled with one colour
// when made, to draw on and read back. A DIB section keeps every colour exactly, whatever the
// screen's depth.

#include <afxwin.h>

#include "PixelCapture.h"

namespace zaduv_test
{
class CDibSurface
{
public:
// Construction
    // The fill leaves crFill as the DC's background colour, as CDC::FillSolidRect does.
    CDibSurface(int cx, int cy, COLORREF crFill);
    ~CDibSurface();

// Attributes
    BOOL IsValid() const { return m_pBits != NULL; }
    int Width() const { return m_cx; }
    int Height() const { return m_cy; }
    CDC& DC() { return m_dc; }
    HBITMAP GetBitmap() const { return static_cast<HBITMAP>(m_bitmap.GetSafeHandle()); }

    // Device pixels, whatever mapping or clipping the DC has been given; CLR_INVALID outside.
    COLORREF Pixel(int x, int y) const;

// Operations
    // All device pixels; an empty image when the surface could not be made.
    CCapturedImage Capture() const;

// Implementation
private:
    CBitmap m_bitmap;           // declared first: destroyed after the DC let go of it
    CDC m_dc;
    HGDIOBJ m_hOldBitmap;
    void* m_pBits;
    int m_cx;
    int m_cy;

    CDibSurface(const CDibSurface&) = delete;
    CDibSurface& operator=(const CDibSurface&) = delete;
};
}

#endif
