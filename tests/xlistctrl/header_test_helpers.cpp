#include "header_test_helpers.h"

#include "MessagePump.h"

#include <algorithm>
#include <climits>

namespace zaduv_test
{
BOOL CreateCrispFont(CFont& font, int nPixelHeight)
{
    LOGFONT lf = {};
    lf.lfHeight = -nPixelHeight;
    lf.lfWeight = FW_NORMAL;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfQuality = NONANTIALIASED_QUALITY;
    lstrcpyn(lf.lfFaceName, _T("Tahoma"), LF_FACESIZE);
    return font.CreateFontIndirect(&lf);
}

int SpaceOffset(CFont* pFont)
{
    CSurface surface(1, 1, RGB(255, 255, 255));
    CFont* pOldFont = surface.DC().SelectObject(pFont);
    const int o = surface.DC().GetTextExtent(_T(" "), 1).cx * 2;
    surface.DC().SelectObject(pOldFont);
    return o;
}

CSurface::CSurface(int cx, int cy, COLORREF crFill)
    : m_pOldBitmap(NULL), m_pBits(NULL), m_cx(cx), m_cy(cy)
{
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bmi.bmiHeader.biWidth = cx;
    bmi.bmiHeader.biHeight = -cy;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    bmi.bmiHeader.biCompression = BI_RGB;
    if (!m_dc.CreateCompatibleDC(NULL))
        return;
    HBITMAP hBitmap = ::CreateDIBSection(m_dc.m_hDC, &bmi, DIB_RGB_COLORS, &m_pBits, NULL, 0);
    if (hBitmap == NULL)
    {
        m_pBits = NULL;
        return;
    }
    m_bitmap.Attach(hBitmap);
    m_pOldBitmap = m_dc.SelectObject(&m_bitmap);
    m_dc.FillSolidRect(0, 0, cx, cy, crFill);
}

CSurface::~CSurface()
{
    if (m_pOldBitmap != NULL)
        m_dc.SelectObject(m_pOldBitmap);
}

COLORREF CSurface::Pixel(int x, int y) const
{
    if (m_pBits == NULL || x < 0 || y < 0 || x >= m_cx || y >= m_cy)
        return CLR_INVALID;
    ::GdiFlush();
    const DWORD dw = static_cast<const DWORD*>(m_pBits)[static_cast<size_t>(y) * m_cx + x];
    return RGB((dw >> 16) & 0xFF, (dw >> 8) & 0xFF, dw & 0xFF);
}

CCapturedImage CSurface::Capture() const
{
    CCapturedImage image(m_cx, m_cy);
    for (int y = 0; y < m_cy; ++y)
        for (int x = 0; x < m_cx; ++x)
            image.SetPixel(x, y, Pixel(x, y));
    return image;
}

CCapturedImage RenderText(int cx, int cy, COLORREF crBackground, CFont* pFont, LPCTSTR lpszText,
    const CRect& rect, UINT nFormat)
{
    CSurface surface(cx, cy, crBackground);
    CDC& dc = surface.DC();
    CFont* pOldFont = dc.SelectObject(pFont);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(RGB(0, 0, 0));
    CRect rectText(rect);
    dc.DrawText(lpszText, -1, &rectText, nFormat);
    dc.SelectObject(pOldFont);
    return surface.Capture();
}

int CountInkDifferences(const CCapturedImage& actual, const CCapturedImage& expected, const CRect& rect,
    COLORREF crBackground)
{
    int nDiff = 0;
    for (int y = rect.top; y < rect.bottom; ++y)
        for (int x = rect.left; x < rect.right; ++x)
            if ((actual.Pixel(x, y) != crBackground) != (expected.Pixel(x, y) != crBackground))
                ++nDiff;
    return nDiff;
}

CRect InkBox(const CCapturedImage& image, const CRect& rect, COLORREF crBackground)
{
    CRect box(INT_MAX, INT_MAX, INT_MIN, INT_MIN);
    for (int y = rect.top; y < rect.bottom; ++y)
        for (int x = rect.left; x < rect.right; ++x)
            if (image.Pixel(x, y) != crBackground)
            {
                box.left = std::min<LONG>(box.left, x);
                box.top = std::min<LONG>(box.top, y);
                box.right = std::max<LONG>(box.right, x + 1);
                box.bottom = std::max<LONG>(box.bottom, y + 1);
            }
    return box.left == INT_MAX ? CRect(0, 0, 0, 0) : box;
}

CCapturedImage CaptureAsIs(HWND hWnd)
{
    CRect rectClient;
    ::GetClientRect(hWnd, &rectClient);
    CSurface surface(rectClient.Width(), rectClient.Height(), RGB(0, 0, 0));
    HDC hDC = ::GetDC(hWnd);
    ::BitBlt(surface.DC().m_hDC, 0, 0, rectClient.Width(), rectClient.Height(), hDC, 0, 0, SRCCOPY);
    ::ReleaseDC(hWnd, hDC);
    return surface.Capture();
}

HBITMAP MakeSolidBitmap(int cx, int cy, COLORREF cr)
{
    HDC hScreen = ::GetDC(NULL);
    HBITMAP hBitmap = ::CreateCompatibleBitmap(hScreen, cx, cy);
    HDC hDC = ::CreateCompatibleDC(hScreen);
    HGDIOBJ hOld = ::SelectObject(hDC, hBitmap);
    ::SetBkColor(hDC, cr);
    RECT rect = { 0, 0, cx, cy };
    ::ExtTextOutW(hDC, 0, 0, ETO_OPAQUE, &rect, NULL, 0, NULL);
    ::SelectObject(hDC, hOld);
    ::DeleteDC(hDC);
    ::ReleaseDC(NULL, hScreen);
    return hBitmap;
}
}
