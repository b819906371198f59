#include "TestWindows.h"
#include <algorithm>

namespace duvazi_test
{
BEGIN_MESSAGE_MAP(CHostWnd, CWnd)
    ON_NOTIFY(NM_CUSTOMDRAW, AFX_IDW_TOOLBAR, OnChildCustomDraw)
END_MESSAGE_MAP()

BOOL CHostWnd::CreateHost(int cx, int cy)
{
    LPCTSTR lpszClass = AfxRegisterWndClass(0, ::LoadCursorW(NULL, IDC_ARROW),
        reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    return CreateEx(0, lpszClass, L"duvazi test host", WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN,
        40, 40, cx, cy, NULL, NULL);
}

void CHostWnd::OnChildCustomDraw(NMHDR*, LRESULT* pResult)
{
    ++m_nCustomDrawNotifies;
    *pResult = CDRF_DODEFAULT;
}

BOOL CCapture::Take(HWND hWnd, UINT nFlags, COLORREF crPrefill)
{
    RECT rc;
    if (!::GetClientRect(hWnd, &rc) || rc.right <= 0 || rc.bottom <= 0)
        return FALSE;
    m_cx = rc.right;
    m_cy = rc.bottom;

    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bmi.bmiHeader.biWidth = m_cx;
    bmi.bmiHeader.biHeight = -m_cy;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    bmi.bmiHeader.biCompression = BI_RGB;
    void* pBits = NULL;
    HDC hdcScreen = ::GetDC(NULL);
    HBITMAP hbm = ::CreateDIBSection(hdcScreen, &bmi, DIB_RGB_COLORS, &pBits, NULL, 0);
    HDC hdc = ::CreateCompatibleDC(hdcScreen);
    ::ReleaseDC(NULL, hdcScreen);
    if (hbm == NULL || hdc == NULL)
    {
        if (hbm != NULL)
            ::DeleteObject(hbm);
        if (hdc != NULL)
            ::DeleteDC(hdc);
        return FALSE;
    }
    HGDIOBJ hOld = ::SelectObject(hdc, hbm);
    HBRUSH hbrPrefill = ::CreateSolidBrush(crPrefill);
    ::FillRect(hdc, &rc, hbrPrefill);
    ::DeleteObject(hbrPrefill);
    ::SendMessageW(hWnd, WM_PRINT, reinterpret_cast<WPARAM>(hdc), nFlags);
    ::GdiFlush();
    const DWORD* pPixels = static_cast<const DWORD*>(pBits);
    m_pixels.assign(pPixels, pPixels + static_cast<size_t>(m_cx) * m_cy);
    ::SelectObject(hdc, hOld);
    ::DeleteDC(hdc);
    ::DeleteObject(hbm);
    return TRUE;
}

COLORREF CCapture::Pixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= m_cx || y >= m_cy)
        return CLR_INVALID;
    DWORD dw = m_pixels[static_cast<size_t>(y) * m_cx + x];
    return RGB((dw >> 16) & 0xFF, (dw >> 8) & 0xFF, dw & 0xFF);
}

int CCapture::CountColor(const RECT& rect, COLORREF cr) const
{
    int nCount = 0;
    for (int y = std::max<int>(rect.top, 0); y < std::min<int>(rect.bottom, m_cy); y++)
    {
        for (int x = std::max<int>(rect.left, 0); x < std::min<int>(rect.right, m_cx); x++)
        {
            if (Pixel(x, y) == cr)
                ++nCount;
        }
    }
    return nCount;
}
}
