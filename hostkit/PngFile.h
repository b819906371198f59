#ifndef ZADUV_HOSTKIT_PNGFILE_H
#define ZADUV_HOSTKIT_PNGFILE_H
// CPngFile: 32-bit pixels written to PNG files and read back, through the flat API of GDI+,
// which the host must have started (CGdiplusSession).

#include <afxwin.h>
#include <vector>

class CPngFile
{
public:
// Operations
    // Rows top-down, each pixel 0x00RRGGBB as a 32-bit DIB holds it; the file is fully opaque.
    // FALSE when there are no pixels or the file cannot be written.
    static BOOL Save(LPCWSTR lpszPath, const DWORD* pPixels, int cx, int cy);
    // A DIB section or a device-dependent bitmap, not selected into a device context; the
    // file is opaque.
    static BOOL Save(LPCWSTR lpszPath, HBITMAP hBitmap);

    // Any picture GDI+ decodes, as rows top-down of 0xAARRGGBB; FALSE, with no pixels and a
    // size of zero, when it cannot.
    static BOOL Load(LPCWSTR lpszPath, std::vector<DWORD>& pixels, int& cx, int& cy);

// Implementation
private:
    CPngFile() = delete;
};

#endif
