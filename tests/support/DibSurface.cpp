#include "DibSurface.h"

#include <algorithm>

namespace zaduv_test
{
CDibSurface::CDibSurface(int cx, int cy, COLORREF crFill)
    : m_hOldBitmap(NULL), m_pBits(NULL), m_cx(std::max(cx, 0)), m_cy(std::max(cy, 0))
{
    if (m_cx == 0 || m_cy == 0 || !m_dc.CreateCompatibleDC(NULL))
        return;
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bmi.bmiHeader.biWidth = m_cx;
    bmi.bmiHeader.biHeight = -m_cy;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    bmi.bmiHeader.biCompression = BI_RGB;
    void* pBits = NULL;
    HBITMAP hBitmap = ::CreateDIBSection(m_dc.GetSafeHdc(), &bmi, DIB_RGB_COLORS, &pBits, NULL, 0);
    if (hBitmap == NULL)
        return;
    m_bitmap.Attach(hBitmap);
    m_pBits = pBits;
    m_hOldBitmap = m_dc.SelectObject(hBitmap);
    m_dc.FillSolidRect(0, 0, m_cx, m_cy, crFill);
}

CDibSurface::~CDibSurface()
{
    if (m_hOldBitmap != NULL)
        m_dc.SelectObject(m_hOldBitmap);
}

COLORREF CDibSurface::Pixel(int x, int y) const
{
    if (m_pBits == NULL || x < 0 || y < 0 || x >= m_cx || y >= m_cy)
        return CLR_INVALID;
    ::GdiFlush();
    const DWORD dw = static_cast<const DWORD*>(m_pBits)[static_cast<size_t>(y) * m_cx + x];
    return RGB((dw >> 16) & 0xFF, (dw >> 8) & 0xFF, dw & 0xFF);
}

CCapturedImage CDibSurface::Capture() const
{
    if (m_pBits == NULL)
        return CCapturedImage();
    ::GdiFlush();
    CCapturedImage image(m_cx, m_cy);
    const DWORD* pSrc = static_cast<const DWORD*>(m_pBits);
    std::transform(pSrc, pSrc + static_cast<size_t>(m_cx) * m_cy, image.GetBits(),
        [](DWORD dw) { return dw & 0x00FFFFFF; });
    return image;
}
}
