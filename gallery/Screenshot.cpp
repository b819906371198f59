#include "Screenshot.h"

#include <algorithm>
#include <gdiplus.h>

namespace
{
BOOL FindPngEncoder(CLSID* pClsid)
{
    UINT nEncoders = 0;
    UINT nBytes = 0;
    if (Gdiplus::DllExports::GdipGetImageEncodersSize(&nEncoders, &nBytes) != Gdiplus::Ok || nBytes == 0)
        return FALSE;
    std::vector<BYTE> buffer(nBytes);
    Gdiplus::ImageCodecInfo* pCodecs = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
    if (Gdiplus::DllExports::GdipGetImageEncoders(nEncoders, nBytes, pCodecs) != Gdiplus::Ok)
        return FALSE;
    for (UINT i = 0; i < nEncoders; ++i)
    {
        if (pCodecs[i].MimeType != NULL && wcscmp(pCodecs[i].MimeType, L"image/png") == 0)
        {
            *pClsid = pCodecs[i].Clsid;
            return TRUE;
        }
    }
    return FALSE;
}
}

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
        for (DWORD& dw : m_pixels)
            dw |= 0xFF000000;
    }
    dcMem.SelectObject(hOldBitmap);
    ::DeleteObject(hBitmap);
    return bCopied;
}

BOOL CScreenshot::SavePng(LPCWSTR lpszPath) const
{
    CLSID clsidPng;
    if (m_pixels.empty() || !FindPngEncoder(&clsidPng))
        return FALSE;
    Gdiplus::GpBitmap* pBitmap = NULL;
    if (Gdiplus::DllExports::GdipCreateBitmapFromScan0(m_cx, m_cy, m_cx * 4, PixelFormat32bppARGB,
            reinterpret_cast<BYTE*>(const_cast<DWORD*>(m_pixels.data())), &pBitmap) != Gdiplus::Ok)
        return FALSE;
    Gdiplus::GpStatus status = Gdiplus::DllExports::GdipSaveImageToFile(pBitmap, lpszPath, &clsidPng, NULL);
    Gdiplus::DllExports::GdipDisposeImage(pBitmap);
    return status == Gdiplus::Ok;
}
