#include "Screenshot.h"

#include "PngFile.h"

#include <vector>

CScreenshot::CScreenshot()
    : m_cx(0), m_cy(0)
{
}

BOOL CScreenshot::Capture(CWnd* pWnd)
{
    CRect rectClient;
    pWnd->GetClientRect(&rectClient);
    CClientDC dcWindow(pWnd);
    return CaptureFrom(&dcWindow, rectClient, pWnd);
}

BOOL CScreenshot::Capture(CWnd* pWnd, const CRect& rectPart)
{
    CClientDC dcWindow(pWnd);
    return CaptureFrom(&dcWindow, rectPart);
}

BOOL CScreenshot::CaptureWithFrame(CWnd* pWnd)
{
    CRect rectWindow;
    pWnd->GetWindowRect(&rectWindow);
    CWindowDC dcWindow(pWnd);
    return CaptureFrom(&dcWindow, CRect(CPoint(0, 0), rectWindow.Size()));
}

BOOL CScreenshot::CaptureFrom(CDC* pDC, const CRect& rect, CWnd* pPopupsOver)
{
    if (rect.IsRectEmpty())
        return FALSE;

    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bmi.bmiHeader.biWidth = rect.Width();
    bmi.bmiHeader.biHeight = -rect.Height();
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    bmi.bmiHeader.biCompression = BI_RGB;
    void* pBits = NULL;
    CDC dcMem;
    if (!dcMem.CreateCompatibleDC(pDC))
        return FALSE;
    HBITMAP hBitmap = ::CreateDIBSection(dcMem.GetSafeHdc(), &bmi, DIB_RGB_COLORS, &pBits, NULL, 0);
    if (hBitmap == NULL)
        return FALSE;
    HGDIOBJ hOldBitmap = dcMem.SelectObject(hBitmap);
    BOOL bCopied = dcMem.BitBlt(0, 0, rect.Width(), rect.Height(), pDC, rect.left, rect.top, SRCCOPY);
    if (bCopied && pPopupsOver != NULL)
        CopyPopups(pPopupsOver, &dcMem);
    ::GdiFlush();
    if (bCopied)
    {
        m_cx = rect.Width();
        m_cy = rect.Height();
        const DWORD* pSrc = static_cast<const DWORD*>(pBits);
        m_pixels.assign(pSrc, pSrc + static_cast<size_t>(m_cx) * m_cy);
    }
    dcMem.SelectObject(hOldBitmap);
    ::DeleteObject(hBitmap);
    return bCopied;
}

// Each window surface holds only its own pixels, so popups (drop-downs, tips, a toolbar's floating
// frame) are copied one by one, lowest first. All top-level windows are looked through: Windows
// keeps owned windows above their owner, but Wine can leave a floating frame below it.
void CScreenshot::CopyPopups(CWnd* pWnd, CDC* pDC)
{
    const HWND hWndRoot = ::GetAncestor(pWnd->m_hWnd, GA_ROOT);
    const DWORD nThread = ::GetCurrentThreadId();
    std::vector<HWND> popups;
    for (HWND hWnd = ::GetTopWindow(NULL); hWnd != NULL; hWnd = ::GetWindow(hWnd, GW_HWNDNEXT))
    {
        if (hWnd != hWndRoot && ::IsWindowVisible(hWnd) && ::GetWindowThreadProcessId(hWnd, NULL) == nThread &&
            (::GetWindowLongW(hWnd, GWL_STYLE) & WS_POPUP) != 0)
            popups.push_back(hWnd);
    }
    CPoint ptOrigin(0, 0);
    pWnd->ClientToScreen(&ptOrigin);
    for (auto it = popups.rbegin(); it != popups.rend(); ++it)
    {
        CRect rect;
        ::GetWindowRect(*it, &rect);
        HDC hDC = ::GetWindowDC(*it);
        if (hDC == NULL)
            continue;
        ::BitBlt(pDC->GetSafeHdc(), rect.left - ptOrigin.x, rect.top - ptOrigin.y, rect.Width(), rect.Height(),
            hDC, 0, 0, SRCCOPY);
        ::ReleaseDC(*it, hDC);
    }
}

BOOL CScreenshot::SavePng(LPCWSTR lpszPath) const
{
    return CPngFile::Save(lpszPath, m_pixels.data(), m_cx, m_cy);
}
