#ifndef ZADUV_TESTS_IMAGING_PICTUREFILES_H
#define ZADUV_TESTS_IMAGING_PICTUREFILES_H
// Picture files the imaging tests make for themselves: through the GDI+ encoders (PNG, BMP,
// JPEG, GIF, TIFF) and, where one exact pixel layout is needed, byte by byte (a 16-bit BMP). Everything goes into one scratch folder per object, removed with it, so a
// file some decoder still holds cannot spill into the next test.

#include <afxwin.h>
#include <string>
#include <vector>

namespace zaduv_test
{
class CScratchFolder
{
public:
    CScratchFolder();
    ~CScratchFolder();
    std::wstring File(LPCWSTR lpszName) const { return m_strPath + L"\\" + lpszName; }

private:
    std::wstring m_strPath;
};

// Rows top-down, 0xAARRGGBB: one colour, or colour ramps across both axes.
std::vector<DWORD> SolidPixels(int cx, int cy, COLORREF cr);
std::vector<DWORD> RampPixels(int cx, int cy);

// lpszMime is "image/png", "image/bmp", "image/jpeg", "image/gif" or "image/tiff".
BOOL WritePicture(const std::wstring& strPath, LPCWSTR lpszMime, const std::vector<DWORD>& pixels, int cx, int cy);
// Every pixel the 5-5-5 value wColor.
BOOL WriteBmp16(const std::wstring& strPath, int cx, int cy, WORD wColor);

// Wine's GDI+ differs from Windows' in places the tests name; they ask this to say so.
bool RunningOnWine();
std::vector<BYTE> ReadBytes(const std::wstring& strPath);
BOOL WriteBytes(const std::wstring& strPath, const std::vector<BYTE>& bytes);
}

#endif
