// Prints what every font the tests, the gallery and the benchmarks draw with resolves to here:
// the face, its metrics, the extent of a sample line and a checksum of the rendered glyphs, plus
// the dialog base units of the tests' dialog font. Run once with the project's pinned fonts and
// once with another font family offered, the two outputs must match line for line.

#include <windows.h>

#include <cstdio>
#include <cwchar>

namespace
{
const wchar_t kSample[] = L"Patient 0123456789 AaBbGgWwYy-.,:;!?";

// A sum over the pixels of the sample drawn in black on white, so a different glyph set or
// hinting shows even where the metrics happen to agree.
unsigned long RenderChecksum(HDC hdcScreen, HFONT hFont)
{
    const int cx = 400, cy = 40;
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bmi.bmiHeader.biWidth = cx;
    bmi.bmiHeader.biHeight = -cy;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    void* pBits = nullptr;
    HBITMAP hBitmap = ::CreateDIBSection(hdcScreen, &bmi, DIB_RGB_COLORS, &pBits, nullptr, 0);
    HDC hdc = ::CreateCompatibleDC(hdcScreen);
    HGDIOBJ hOldBitmap = ::SelectObject(hdc, hBitmap);
    HGDIOBJ hOldFont = ::SelectObject(hdc, hFont);
    RECT rect = { 0, 0, cx, cy };
    ::FillRect(hdc, &rect, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    ::SetTextColor(hdc, RGB(0, 0, 0));
    ::SetBkMode(hdc, TRANSPARENT);
    ::TextOutW(hdc, 2, 2, kSample, static_cast<int>(wcslen(kSample)));
    ::GdiFlush();
    unsigned long sum = 0;
    const DWORD* pPixels = static_cast<const DWORD*>(pBits);
    for (int i = 0; i < cx * cy; ++i)
        sum = sum * 31 + (pPixels[i] & 0xFFFFFF) + static_cast<unsigned long>(i % cx);
    ::SelectObject(hdc, hOldFont);
    ::SelectObject(hdc, hOldBitmap);
    ::DeleteDC(hdc);
    ::DeleteObject(hBitmap);
    return sum;
}

void PrintFont(LPCWSTR lpszWhat, HFONT hFont)
{
    HDC hdc = ::GetDC(nullptr);
    HGDIOBJ hOld = ::SelectObject(hdc, hFont);
    wchar_t szFace[LF_FACESIZE] = {};
    ::GetTextFaceW(hdc, LF_FACESIZE, szFace);
    TEXTMETRICW tm = {};
    ::GetTextMetricsW(hdc, &tm);
    SIZE size = {};
    ::GetTextExtentPoint32W(hdc, kSample, static_cast<int>(wcslen(kSample)), &size);
    ::SelectObject(hdc, hOld);
    std::wprintf(L"%ls: face \"%ls\" height %ld ascent %ld avg %ld max %ld extent %ldx%ld glyphs %08lx\n",
        lpszWhat, szFace, tm.tmHeight, tm.tmAscent, tm.tmAveCharWidth, tm.tmMaxCharWidth,
        size.cx, size.cy, RenderChecksum(hdc, hFont));
    ::ReleaseDC(nullptr, hdc);
}

void PrintFace(LPCWSTR lpszFace, int nHeight, int nWeight, BYTE nQuality)
{
    LOGFONTW lf = {};
    lf.lfHeight = nHeight;
    lf.lfWeight = nWeight;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfQuality = nQuality;
    wcsncpy(lf.lfFaceName, lpszFace, LF_FACESIZE - 1);
    HFONT hFont = ::CreateFontIndirectW(&lf);
    wchar_t szWhat[96];
    swprintf(szWhat, 96, L"\"%ls\" %d weight %d quality %d", lpszFace, nHeight, nWeight, nQuality);
    PrintFont(szWhat, hFont);
    ::DeleteObject(hFont);
}

// The base units of a dialog whose template names "MS Shell Dlg" 8, as the tests' templates do.
void PrintDialogBaseUnits()
{
    alignas(4) WORD wTemplate[64] = {};
    DLGTEMPLATE* pTemplate = reinterpret_cast<DLGTEMPLATE*>(wTemplate);
    pTemplate->style = WS_POPUP | DS_SETFONT;
    pTemplate->cx = 100;
    pTemplate->cy = 50;
    WORD* pWord = reinterpret_cast<WORD*>(pTemplate + 1);
    *pWord++ = 0;   // no menu
    *pWord++ = 0;   // the dialog class
    *pWord++ = 0;   // no caption
    *pWord++ = 8;   // point size
    for (const wchar_t* p = L"MS Shell Dlg"; ; ++p)
    {
        *pWord++ = *p;
        if (*p == 0)
            break;
    }
    HWND hDlg = ::CreateDialogIndirectParamW(::GetModuleHandleW(nullptr), pTemplate, nullptr,
        [](HWND, UINT, WPARAM, LPARAM) -> INT_PTR { return FALSE; }, 0);
    RECT rect = { 0, 0, 4, 8 };
    ::MapDialogRect(hDlg, &rect);
    std::wprintf(L"dialog base units \"MS Shell Dlg\" 8: %ld x %ld\n", rect.right, rect.bottom);
    PrintFont(L"dialog font", reinterpret_cast<HFONT>(::SendMessageW(hDlg, WM_GETFONT, 0, 0)));
    ::DestroyWindow(hDlg);
}


bool IsFamilyOffered(LPCWSTR lpszFamily)
{
    HDC hdc = ::GetDC(nullptr);
    LOGFONTW lf = {};
    lf.lfCharSet = DEFAULT_CHARSET;
    wcsncpy(lf.lfFaceName, lpszFamily, LF_FACESIZE - 1);
    bool bFound = false;
    ::EnumFontFamiliesExW(hdc, &lf,
        [](const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM lParam) -> int {
            *reinterpret_cast<bool*>(lParam) = true;
            return 0;
        }, reinterpret_cast<LPARAM>(&bFound), 0);
    ::ReleaseDC(nullptr, hdc);
    return bFound;
}
}

// With --offers FAMILY it only answers whether that family is offered, so the check can tell
// that its second run really saw another font family.
int wmain(int argc, wchar_t** argv)
{
    if (argc > 2 && std::wcscmp(argv[1], L"--offers") == 0)
    {
        const bool bOffered = IsFamilyOffered(argv[2]);
        std::wprintf(L"%ls\n", bOffered ? L"offered" : L"missing");
        return bOffered ? 0 : 1;
    }
    NONCLIENTMETRICSW ncm = {};
    ncm.cbSize = sizeof(ncm);
    ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(ncm), &ncm, 0);
    HFONT hMessageFont = ::CreateFontIndirectW(&ncm.lfMessageFont);
    PrintFont(L"message font", hMessageFont);
    ::DeleteObject(hMessageFont);
    PrintFont(L"DEFAULT_GUI_FONT", static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT)));
    PrintFont(L"SYSTEM_FONT", static_cast<HFONT>(::GetStockObject(SYSTEM_FONT)));
    PrintFont(L"ANSI_VAR_FONT", static_cast<HFONT>(::GetStockObject(ANSI_VAR_FONT)));
    PrintFace(L"MS Shell Dlg", -11, FW_NORMAL, DEFAULT_QUALITY);
    PrintFace(L"MS Shell Dlg 2", -11, FW_NORMAL, DEFAULT_QUALITY);
    PrintFace(L"Tahoma", -11, FW_NORMAL, NONANTIALIASED_QUALITY);
    PrintFace(L"Tahoma", -13, FW_BOLD, DEFAULT_QUALITY);
    PrintFace(L"Tahoma", -20, FW_BOLD, DEFAULT_QUALITY);
    PrintDialogBaseUnits();
    return 0;
}
