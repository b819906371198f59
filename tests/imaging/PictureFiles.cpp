#include "PictureFiles.h"

#include <gdiplus.h>
#include <cstdio>

using namespace Gdiplus;

namespace zaduv_test
{
namespace
{
// The encoders GDI+ registers under these well-known class ids, the last part telling them apart.
CLSID EncoderOf(LPCWSTR lpszMime)
{
    const struct { LPCWSTR lpszMime; BYTE nLast; } encoders[] = {
        { L"image/bmp", 0x00 }, { L"image/jpeg", 0x01 }, { L"image/gif", 0x02 }, { L"image/tiff", 0x05 }, { L"image/png", 0x06 },
    };
    CLSID clsid = { 0x557CF400, 0x1A04, 0x11D3, { 0x9A, 0x73, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E } };
    for (const auto& encoder : encoders)
        if (wcscmp(encoder.lpszMime, lpszMime) == 0)
            clsid.Data1 += encoder.nLast;
    return clsid;
}

// A GIF holds palette indices. Windows' encoder quantises 32-bit pixels itself; Wine's writes
// an image without pixels, so the pixels are handed over already indexed (3-3-2 bits of RGB).
GpBitmap* CreateIndexedBitmap(const std::vector<DWORD>& pixels, int cx, int cy)
{
    GpBitmap* pBitmap = NULL;
    if (DllExports::GdipCreateBitmapFromScan0(cx, cy, 0, PixelFormat8bppIndexed, NULL, &pBitmap) != Ok)
        return NULL;
    std::vector<BYTE> paletteBytes(sizeof(ColorPalette) + 255 * sizeof(ARGB));
    ColorPalette* pPalette = reinterpret_cast<ColorPalette*>(paletteBytes.data());
    pPalette->Count = 256;
    for (UINT i = 0; i < 256; ++i)
        pPalette->Entries[i] = 0xFF000000 | ((i >> 5) * 255 / 7) << 16 | (((i >> 2) & 7) * 255 / 7) << 8 | ((i & 3) * 255 / 3);
    DllExports::GdipSetImagePalette(pBitmap, pPalette);
    GpRect rect(0, 0, cx, cy);
    BitmapData data;
    DllExports::GdipBitmapLockBits(pBitmap, &rect, ImageLockModeWrite, PixelFormat8bppIndexed, &data);
    for (int y = 0; y < cy; ++y)
        for (int x = 0; x < cx; ++x)
        {
            const DWORD argb = pixels[static_cast<size_t>(y) * cx + x];
            static_cast<BYTE*>(data.Scan0)[y * data.Stride + x] =
                static_cast<BYTE>(((argb >> 16) & 0xE0) | ((argb >> 11) & 0x1C) | ((argb >> 6) & 0x03));
        }
    DllExports::GdipBitmapUnlockBits(pBitmap, &data);
    return pBitmap;
}

template <class T>
void Append(std::vector<BYTE>& bytes, const T& value)
{
    const BYTE* p = reinterpret_cast<const BYTE*>(&value);
    bytes.insert(bytes.end(), p, p + sizeof(T));
}
}

CScratchFolder::CScratchFolder()
{
    static LONG s_nFolders = 0;
    wchar_t szTemp[MAX_PATH];
    ::GetTempPathW(MAX_PATH, szTemp);
    m_strPath = std::wstring(szTemp) + L"zaduv_imaging_" + std::to_wstring(::GetCurrentProcessId()) + L"_"
        + std::to_wstring(::InterlockedIncrement(&s_nFolders));
    ::CreateDirectoryW(m_strPath.c_str(), NULL);
}

CScratchFolder::~CScratchFolder()
{
    WIN32_FIND_DATAW fd;
    HANDLE hFind = ::FindFirstFileW(File(L"*").c_str(), &fd);
    for (BOOL bMore = hFind != INVALID_HANDLE_VALUE; bMore; bMore = ::FindNextFileW(hFind, &fd))
        ::DeleteFileW(File(fd.cFileName).c_str());
    if (hFind != INVALID_HANDLE_VALUE)
        ::FindClose(hFind);
    ::RemoveDirectoryW(m_strPath.c_str());
}

std::vector<DWORD> SolidPixels(int cx, int cy, COLORREF cr)
{
    return std::vector<DWORD>(static_cast<size_t>(cx) * cy, 0xFF000000 | (GetRValue(cr) << 16) | (GetGValue(cr) << 8) | GetBValue(cr));
}

std::vector<DWORD> RampPixels(int cx, int cy)
{
    std::vector<DWORD> pixels(static_cast<size_t>(cx) * cy);
    for (int y = 0; y < cy; ++y)
        for (int x = 0; x < cx; ++x)
            pixels[static_cast<size_t>(y) * cx + x] = 0xFF000000 | ((x * 255 / cx) << 16) | ((y * 255 / cy) << 8) | ((x + y) & 0xFF);
    return pixels;
}

BOOL WritePicture(const std::wstring& strPath, LPCWSTR lpszMime, const std::vector<DWORD>& pixels, int cx, int cy)
{
    const CLSID clsid = EncoderOf(lpszMime);
    std::vector<DWORD> buffer(pixels);
    GpBitmap* pBitmap = wcscmp(lpszMime, L"image/gif") == 0 ? CreateIndexedBitmap(buffer, cx, cy) : NULL;
    if (pBitmap == NULL && DllExports::GdipCreateBitmapFromScan0(cx, cy, cx * 4, PixelFormat32bppARGB,
            reinterpret_cast<BYTE*>(buffer.data()), &pBitmap) != Ok)
        return FALSE;
    const GpStatus status = DllExports::GdipSaveImageToFile(pBitmap, strPath.c_str(), &clsid, NULL);
    DllExports::GdipDisposeImage(pBitmap);
    return status == Ok;
}

// A bottom-up BMP without a palette, each row padded to four bytes.
BOOL WriteBmp16(const std::wstring& strPath, int cx, int cy, WORD wColor)
{
    const DWORD nRowBytes = (cx * 2 + 3) & ~3, nOffset = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    std::vector<BYTE> bytes;
    Append(bytes, BITMAPFILEHEADER{ 0x4D42, nOffset + nRowBytes * cy, 0, 0, nOffset });
    Append(bytes, BITMAPINFOHEADER{ sizeof(BITMAPINFOHEADER), cx, cy, 1, 16, BI_RGB, nRowBytes * cy, 0, 0, 0, 0 });
    for (int y = 0; y < cy; ++y)
    {
        for (int x = 0; x < cx; ++x)
            Append(bytes, wColor);
        bytes.resize(bytes.size() + nRowBytes - cx * 2, 0);
    }
    return WriteBytes(strPath, bytes);
}

bool RunningOnWine()
{
    HMODULE hNtdll = ::GetModuleHandleW(L"ntdll.dll");
    return hNtdll != NULL && ::GetProcAddress(hNtdll, "wine_get_version") != NULL;
}

std::vector<BYTE> ReadBytes(const std::wstring& strPath)
{
    std::vector<BYTE> bytes;
    if (FILE* pFile = _wfopen(strPath.c_str(), L"rb"))
    {
        BYTE buffer[4096];
        for (size_t n; (n = fread(buffer, 1, sizeof(buffer), pFile)) > 0;)
            bytes.insert(bytes.end(), buffer, buffer + n);
        fclose(pFile);
    }
    return bytes;
}

BOOL WriteBytes(const std::wstring& strPath, const std::vector<BYTE>& bytes)
{
    FILE* pFile = _wfopen(strPath.c_str(), L"wb");
    if (pFile == NULL)
        return FALSE;
    const bool bWritten = bytes.empty() || fwrite(bytes.data(), bytes.size(), 1, pFile) == 1;
    return (fclose(pFile) == 0 && bWritten) ? TRUE : FALSE;
}
}
