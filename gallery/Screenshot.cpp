#include "Screenshot.h"

#include "PngFile.h"

CScreenshot::CScreenshot()
    : m_cx(0), m_cy(0)
{
}

BOOL CScreenshot::Capture(CWnd* pWnd)
{
    CRect rectClient;
    pWnd->GetClientRect(&rectClient);
    if (rectClient.IsRectEmpty())
        return FALSE;

    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bmi.bmiHeader.biWidth = rectClient.Width();
    bmi.bmiHeader.biHeight = -rectClient.Height();
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    bmi.bmiHeader.biCompression = BI_RGB;
    void* pBits = NULL;
    CClientDC dcWindow(pWnd);
    CDC dcMem;
    if (!dcMem.CreateCompatibleDC(&dcWindow))
        return FALSE;
    HBITMAP hBitmap = ::CreateDIBSection(dcMem.GetSafeHdc(), &bmi, DIB_RGB_COLORS, &pBits, NULL, 0);
    if (hBitmap == NULL)
        return FALSE;
    HGDIOBJ hOldBitmap = dcMem.SelectObject(hBitmap);
    BOOL bCopied = dcMem.BitBlt(0, 0, rectClient.Width(), rectClient.Height(), &dcWindow, 0, 0, SRCCOPY);
    if (bCopied)
        CopyFloatingFrames(pWnd, &dcMem);
    ::GdiFlush();
    if (bCopied)
    {
        m_cx = rectClient.Width();
        m_cy = rectClient.Height();
        const DWORD* pSrc = static_cast<const DWORD*>(pBits);
        m_pixels.assign(pSrc, pSrc + static_cast<size_t>(m_cx) * m_cy);
    }
    dcMem.SelectObject(hOldBitmap);
    ::DeleteObject(hBitmap);
    return bCopied;
}

// A floating frame is a window of its own, painted on its own surface: each is copied from there,
// the bottom-most first, so the picture shows what the screen shows. Windows keeps owned windows
// above their owner; Wine can leave one below it once the owner is raised, so the frames are
// taken from the whole list rather than from the windows above the owner only.
void CScreenshot::CopyFloatingFrames(CWnd* pWnd, CDC* pDC) const
{
    CRect rectPage;
    pWnd->GetClientRect(&rectPage);
    pWnd->ClientToScreen(&rectPage);
    HWND hWndTop = ::GetAncestor(pWnd->GetSafeHwnd(), GA_ROOT);
    for (HWND hWnd = ::GetWindow(hWndTop, GW_HWNDLAST); hWnd != NULL; hWnd = ::GetWindow(hWnd, GW_HWNDPREV))
    {
        CRect rectFrame;
        ::GetWindowRect(hWnd, &rectFrame);
        CRect rectOver;
        if (!::IsWindowVisible(hWnd) || ::GetWindow(hWnd, GW_OWNER) != hWndTop
            || DYNAMIC_DOWNCAST(CFrameWnd, CWnd::FromHandlePermanent(hWnd)) == NULL
            || !rectOver.IntersectRect(&rectFrame, &rectPage))
            continue;
        HDC hdcFrame = ::GetWindowDC(hWnd);
        ::BitBlt(pDC->GetSafeHdc(), rectFrame.left - rectPage.left, rectFrame.top - rectPage.top,
            rectFrame.Width(), rectFrame.Height(), hdcFrame, 0, 0, SRCCOPY);
        ::ReleaseDC(hWnd, hdcFrame);
    }
}

BOOL CScreenshot::SavePng(LPCWSTR lpszPath) const
{
    return CPngFile::Save(lpszPath, m_pixels.data(), m_cx, m_cy);
}
