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

BOOL CScreenshot::SavePng(LPCWSTR lpszPath) const
{
    return CPngFile::Save(lpszPath, m_pixels.data(), m_cx, m_cy);
}
