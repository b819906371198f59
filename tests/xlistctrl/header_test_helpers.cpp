#include "header_test_helpers.h"

#include "DibSurface.h"

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
    CDibSurface surface(1, 1, RGB(255, 255, 255));
    CFont* pOldFont = surface.DC().SelectObject(pFont);
    const int o = surface.DC().GetTextExtent(_T(" "), 1).cx * 2;
    surface.DC().SelectObject(pOldFont);
    return o;
}

CCapturedImage RenderText(int cx, int cy, COLORREF crBackground, CFont* pFont, LPCTSTR lpszText,
    const CRect& rect, UINT nFormat)
{
    CDibSurface surface(cx, cy, crBackground);
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
