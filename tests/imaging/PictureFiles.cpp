#include "PictureFiles.h"

#include <gdiplus.h>

using namespace Gdiplus;

namespace zaduv_test
{
namespace
{
BOOL FindEncoder(LPCWSTR lpszMime, CLSID* pClsid)
{
    UINT nEncoders = 0;
    UINT nBytes = 0;
    if (DllExports::GdipGetImageEncodersSize(&nEncoders, &nBytes) != Ok || nBytes == 0)
        return FALSE;
    std::vector<BYTE> buffer(nBytes);
    ImageCodecInfo* pCodecs = reinterpret_cast<ImageCodecInfo*>(buffer.data());
    if (DllExports::GdipGetImageEncoders(nEncoders, nBytes, pCodecs) != Ok)
        return FALSE;
    for (UINT i = 0; i < nEncoders; ++i)
    {
        if (pCodecs[i].MimeType != NULL && wcscmp(pCodecs[i].MimeType, lpszMime) == 0)
        {
            *pClsid = pCodecs[i].Clsid;
            return TRUE;
        }
    }
    return FALSE;
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
    pPalette->Flags = 0;
    pPalette->Count = 256;
    for (UINT i = 0; i < 256; ++i)
        pPalette->Entries[i] = 0xFF000000 | ((i >> 5) * 255 / 7) << 16 | (((i >> 2) & 7) * 255 / 7) << 8 | ((i & 3) * 255 / 3);
    DllExports::GdipSetImagePalette(pBitmap, pPalette);
    GpRect rect(0, 0, cx, cy);
    BitmapData data;
    if (DllExports::GdipBitmapLockBits(pBitmap, &rect, ImageLockModeWrite, PixelFormat8bppIndexed, &data) != Ok)
    {
        DllExports::GdipDisposeImage(pBitmap);
        return NULL;
    }
    for (int y = 0; y < cy; ++y)
    {
        BYTE* pRow = static_cast<BYTE*>(data.Scan0) + y * data.Stride;
        for (int x = 0; x < cx; ++x)
        {
            DWORD argb = pixels[static_cast<size_t>(y) * cx + x];
            pRow[x] = static_cast<BYTE>(((argb >> 16) & 0xE0) | ((argb >> 11) & 0x1C) | ((argb >> 6) & 0x03));
        }
    }
    DllExports::GdipBitmapUnlockBits(pBitmap, &data);
    return pBitmap;
}

template <class T>
void Append(std::vector<BYTE>& bytes, T value)
{
    const BYTE* p = reinterpret_cast<const BYTE*>(&value);
    bytes.insert(bytes.end(), p, p + sizeof(T));
}

// File and info headers of a bottom-up BMP whose rows are padded to four bytes.
std::vector<BYTE> BmpHeaders(int cx, int cy, WORD nBitCount, DWORD nColors, DWORD nRowBytes)
{
    BITMAPFILEHEADER bfh = {};
    BITMAPINFOHEADER bih = {};
    const DWORD nOffset = sizeof(bfh) + sizeof(bih) + nColors * sizeof(RGBQUAD);
    bfh.bfType = 0x4D42;
    bfh.bfOffBits = nOffset;
    bfh.bfSize = nOffset + nRowBytes * cy;
    bih.biSize = sizeof(bih);
    bih.biWidth = cx;
    bih.biHeight = cy;
    bih.biPlanes = 1;
    bih.biBitCount = nBitCount;
    bih.biCompression = BI_RGB;
    bih.biSizeImage = nRowBytes * cy;
    bih.biClrUsed = nColors;
    std::vector<BYTE> bytes;
    Append(bytes, bfh);
    Append(bytes, bih);
    return bytes;
}
}

CScratchFolder::CScratchFolder()
{
    wchar_t szTemp[MAX_PATH];
    ::GetTempPathW(MAX_PATH, szTemp);
    static LONG s_nFolders = 0;
    m_strPath = std::wstring(szTemp) + L"zaduv_imaging_" + std::to_wstring(::GetCurrentProcessId()) + L"_"
        + std::to_wstring(::InterlockedIncrement(&s_nFolders));
    ::CreateDirectoryW(m_strPath.c_str(), NULL);
}

CScratchFolder::~CScratchFolder()
{
    WIN32_FIND_DATAW fd;
    HANDLE hFind = ::FindFirstFileW((m_strPath + L"\\*").c_str(), &fd);
    if (hFind != INVALID_HANDLE_VALUE)
    {
        do
        {
            if ((fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0)
                ::DeleteFileW(File(fd.cFileName).c_str());
            else if (wcscmp(fd.cFileName, L".") != 0 && wcscmp(fd.cFileName, L"..") != 0)
                ::RemoveDirectoryW(File(fd.cFileName).c_str());
        } while (::FindNextFileW(hFind, &fd));
        ::FindClose(hFind);
    }
    ::RemoveDirectoryW(m_strPath.c_str());
}

std::vector<DWORD> SolidPixels(int cx, int cy, COLORREF cr)
{
    const DWORD argb = 0xFF000000 | (GetRValue(cr) << 16) | (GetGValue(cr) << 8) | GetBValue(cr);
    return std::vector<DWORD>(static_cast<size_t>(cx) * cy, argb);
}

std::vector<DWORD> RampPixels(int cx, int cy)
{
    std::vector<DWORD> pixels(static_cast<size_t>(cx) * cy);
    for (int y = 0; y < cy; ++y)
    {
        for (int x = 0; x < cx; ++x)
            pixels[static_cast<size_t>(y) * cx + x] = 0xFF000000 | ((x * 255 / cx) << 16) | ((y * 255 / cy) << 8) | ((x + y) & 0xFF);
    }
    return pixels;
}

BOOL WritePicture(const std::wstring& strPath, LPCWSTR lpszMime, const std::vector<DWORD>& pixels, int cx, int cy)
{
    CLSID clsid;
    if (!FindEncoder(lpszMime, &clsid))
        return FALSE;
    std::vector<DWORD> buffer(pixels);
    GpBitmap* pBitmap = wcscmp(lpszMime, L"image/gif") == 0 ? CreateIndexedBitmap(buffer, cx, cy) : NULL;
    if (pBitmap == NULL && DllExports::GdipCreateBitmapFromScan0(cx, cy, cx * 4, PixelFormat32bppARGB,
            reinterpret_cast<BYTE*>(buffer.data()), &pBitmap) != Ok)
        return FALSE;
    GpStatus status = DllExports::GdipSaveImageToFile(pBitmap, strPath.c_str(), &clsid, NULL);
    DllExports::GdipDisposeImage(pBitmap);
    return status == Ok;
}

BOOL WritePaletteBmp(const std::wstring& strPath, int cx, int cy, const COLORREF (&palette)[4])
{
    const DWORD nRowBytes = (cx + 3) & ~3;
    std::vector<BYTE> bytes = BmpHeaders(cx, cy, 8, 4, nRowBytes);
    for (COLORREF cr : palette)
        Append(bytes, RGBQUAD{ GetBValue(cr), GetGValue(cr), GetRValue(cr), 0 });
    for (int yFile = 0; yFile < cy; ++yFile)
    {
        const int y = cy - 1 - yFile;
        for (DWORD x = 0; x < nRowBytes; ++x)
            bytes.push_back(static_cast<BYTE>(x < static_cast<DWORD>(cx) ? (x / 4 + y) % 4 : 0));
    }
    return WriteBytes(strPath, bytes);
}

BOOL WriteBmp16(const std::wstring& strPath, int cx, int cy, WORD wColor)
{
    const DWORD nRowBytes = (cx * 2 + 3) & ~3;
    std::vector<BYTE> bytes = BmpHeaders(cx, cy, 16, 0, nRowBytes);
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
    HANDLE hFile = ::CreateFileW(strPath.c_str(), GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING, 0, NULL);
    if (hFile == INVALID_HANDLE_VALUE)
        return bytes;
    bytes.resize(::GetFileSize(hFile, NULL));
    DWORD nRead = 0;
    if (!bytes.empty() && !::ReadFile(hFile, bytes.data(), static_cast<DWORD>(bytes.size()), &nRead, NULL))
        nRead = 0;
    bytes.resize(nRead);
    ::CloseHandle(hFile);
    return bytes;
}

BOOL WriteBytes(const std::wstring& strPath, const std::vector<BYTE>& bytes)
{
    HANDLE hFile = ::CreateFileW(strPath.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
    if (hFile == INVALID_HANDLE_VALUE)
        return FALSE;
    DWORD nWritten = 0;
    BOOL bOk = bytes.empty() || ::WriteFile(hFile, bytes.data(), static_cast<DWORD>(bytes.size()), &nWritten, NULL);
    ::CloseHandle(hFile);
    return bOk && nWritten == bytes.size();
}
}
