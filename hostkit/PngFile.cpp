#include "PngFile.h"

#include <algorithm>
#include <cwchar>
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

// Writes the bitmap and disposes of it, written or not.
BOOL SaveAndDispose(Gdiplus::GpBitmap* pBitmap, LPCWSTR lpszPath)
{
    CLSID clsidPng;
    Gdiplus::GpStatus status = FindPngEncoder(&clsidPng)
        ? Gdiplus::DllExports::GdipSaveImageToFile(pBitmap, lpszPath, &clsidPng, NULL)
        : Gdiplus::GenericError;
    Gdiplus::DllExports::GdipDisposeImage(pBitmap);
    return status == Gdiplus::Ok;
}
}

BOOL CPngFile::Save(LPCWSTR lpszPath, const DWORD* pPixels, int cx, int cy)
{
    if (lpszPath == NULL || pPixels == NULL || cx <= 0 || cy <= 0)
        return FALSE;
    // GDI+ reads the caller's buffer in place; give it opaque pixels.
    std::vector<DWORD> opaque(pPixels, pPixels + static_cast<size_t>(cx) * cy);
    for (DWORD& dw : opaque)
        dw |= 0xFF000000;
    Gdiplus::GpBitmap* pBitmap = NULL;
    if (Gdiplus::DllExports::GdipCreateBitmapFromScan0(cx, cy, cx * 4, PixelFormat32bppARGB,
            reinterpret_cast<BYTE*>(opaque.data()), &pBitmap) != Gdiplus::Ok)
        return FALSE;
    return SaveAndDispose(pBitmap, lpszPath);
}

BOOL CPngFile::Save(LPCWSTR lpszPath, HBITMAP hBitmap)
{
    if (lpszPath == NULL || hBitmap == NULL)
        return FALSE;
    // GDI+ reads the fourth byte of a 32-bit bitmap as padding, not alpha: the file is opaque.
    Gdiplus::GpBitmap* pBitmap = NULL;
    if (Gdiplus::DllExports::GdipCreateBitmapFromHBITMAP(hBitmap, NULL, &pBitmap) != Gdiplus::Ok)
        return FALSE;
    return SaveAndDispose(pBitmap, lpszPath);
}

BOOL CPngFile::Load(LPCWSTR lpszPath, std::vector<DWORD>& pixels, int& cx, int& cy)
{
    pixels.clear();
    cx = 0;
    cy = 0;
    Gdiplus::GpBitmap* pBitmap = NULL;
    if (lpszPath == NULL || Gdiplus::DllExports::GdipCreateBitmapFromFile(lpszPath, &pBitmap) != Gdiplus::Ok)
        return FALSE;
    UINT nWidth = 0;
    UINT nHeight = 0;
    Gdiplus::DllExports::GdipGetImageWidth(pBitmap, &nWidth);
    Gdiplus::DllExports::GdipGetImageHeight(pBitmap, &nHeight);
    Gdiplus::GpRect rect(0, 0, static_cast<INT>(nWidth), static_cast<INT>(nHeight));
    Gdiplus::BitmapData data = {};
    BOOL bResult = FALSE;
    if (nWidth > 0 && nHeight > 0 &&
        Gdiplus::DllExports::GdipBitmapLockBits(pBitmap, &rect, Gdiplus::ImageLockModeRead,
            PixelFormat32bppARGB, &data) == Gdiplus::Ok)
    {
        pixels.resize(static_cast<size_t>(nWidth) * nHeight);
        for (UINT y = 0; y < nHeight; ++y)
        {
            const DWORD* pRow = reinterpret_cast<const DWORD*>(static_cast<const BYTE*>(data.Scan0) + y * data.Stride);
            std::copy(pRow, pRow + nWidth, pixels.begin() + static_cast<size_t>(y) * nWidth);
        }
        Gdiplus::DllExports::GdipBitmapUnlockBits(pBitmap, &data);
        cx = static_cast<int>(nWidth);
        cy = static_cast<int>(nHeight);
        bResult = TRUE;
    }
    Gdiplus::DllExports::GdipDisposeImage(pBitmap);
    return bResult;
}
