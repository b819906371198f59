#ifndef DUVAZI_TESTS_TESTWINDOWS_H
#define DUVAZI_TESTS_TESTWINDOWS_H
// Helpers of the duvazi tests: a top-level host window that records the notifications it
// gets, and a capture of what a window paints (WM_PRINT into a 32-bit memory bitmap).

#include <afxext.h>

#include "PixelCapture.h"

namespace duvazi_test
{
// A plain framework window to host controls; it counts the WM_NOTIFY codes that reach its
// own message map (and not a reflecting child).
class CHostWnd : public CWnd
{
public:
    BOOL CreateHost(int cx = 480, int cy = 200);

    int m_nCustomDrawNotifies = 0;

protected:
    afx_msg void OnChildCustomDraw(NMHDR* pNMHDR, LRESULT* pResult);
    DECLARE_MESSAGE_MAP()
};

// The pixels a window paints of itself, captured through WM_PRINT.
class CCapture
{
public:
    // nFlags as WM_PRINT takes them; the client area, erased, by default.
    BOOL Take(HWND hWnd, UINT nFlags = PRF_CLIENT | PRF_ERASEBKGND, COLORREF crPrefill = RGB(1, 2, 3));

    int Width() const { return m_image.Width(); }
    int Height() const { return m_image.Height(); }
    COLORREF Pixel(int x, int y) const { return m_image.Pixel(x, y); }
    // Pixels of exactly this colour inside the rectangle (clipped to the capture).
    int CountColor(const RECT& rect, COLORREF cr) const { return m_image.CountColor(rect, cr); }

private:
    zaduv_test::CCapturedImage m_image;
};
}

#endif
