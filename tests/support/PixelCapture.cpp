#include "PixelCapture.h"

#include "DibSurface.h"
#include "GeometryPrinters.h"
#include "MessagePump.h"
#include "PngFile.h"

#include <algorithm>
#include <cstdio>
#include <map>

namespace zaduv_test
{
namespace
{
int NextSerial()
{
    static int s_nSerial = 0;
    return ++s_nSerial;
}

DWORD ToDibPixel(COLORREF cr)
{
    return (static_cast<DWORD>(GetRValue(cr)) << 16) | (static_cast<DWORD>(GetGValue(cr)) << 8) | GetBValue(cr);
}

COLORREF FromDibPixel(DWORD dw)
{
    return RGB((dw >> 16) & 0xFF, (dw >> 8) & 0xFF, dw & 0xFF);
}

std::string Narrow(const std::wstring& str)
{
    char sz[MAX_PATH * 3] = {};
    ::WideCharToMultiByte(CP_UTF8, 0, str.c_str(), -1, sz, sizeof(sz), NULL, NULL);
    return sz;
}

// Under Wine the file's path on the host as well, so that it can be opened from there.
std::string DisplayPath(const std::wstring& strPath)
{
    typedef char* (CDECL* PFNUNIXNAME)(LPCWSTR);
    static PFNUNIXNAME s_pfnUnixName = reinterpret_cast<PFNUNIXNAME>(
        ::GetProcAddress(::GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name"));
    std::string str = Narrow(strPath);
    if (s_pfnUnixName != NULL)
    {
        if (char* pszUnix = s_pfnUnixName(strPath.c_str()))
        {
            str += std::string(" (") + pszUnix + ")";
            ::HeapFree(::GetProcessHeap(), 0, pszUnix);
        }
    }
    return str;
}

std::string CurrentTestName()
{
    const ::testing::TestInfo* pInfo = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string str = pInfo != NULL ? std::string(pInfo->test_suite_name()) + "." + pInfo->name() : "no-test";
    std::replace_if(str.begin(), str.end(), [](char ch) { return strchr("/\\:*?\"<>|", ch) != NULL; }, '_');
    return str;
}

// "kRed = RGB(255,0,0)" for a named value; a literal shows its value only.
std::string Label(const char* lpszExpression, const std::string& strValue)
{
    std::string strExpression = lpszExpression;
    return strExpression == strValue || strExpression.find_first_not_of("-0123456789") == std::string::npos
        ? strValue : strExpression + " = " + strValue;
}

std::string RowAround(const CCapturedImage& image, int x, int y)
{
    std::string str = "  row " + std::to_string(y) + " from x=" + std::to_string(std::max(0, x - 3)) + ":";
    for (int i = std::max(0, x - 3); i < std::min(x + 4, image.Width()); ++i)
        str += " " + ColorName(image.Pixel(i, y));
    return str;
}

std::wstring GetArtifactFolder()
{
    // <build>/bin/<test>.exe saves into <build>/test-artifacts.
    WCHAR szPath[MAX_PATH] = {};
    ::GetModuleFileNameW(NULL, szPath, MAX_PATH);
    std::wstring strFolder(szPath);
    strFolder.erase(strFolder.find_last_of(L"\\/"));
    strFolder.erase(strFolder.find_last_of(L"\\/"));
    return strFolder + L"\\test-artifacts";
}
}

CCapturedImage::CCapturedImage()
    : m_cx(0), m_cy(0), m_nSerial(NextSerial())
{
}

CCapturedImage::CCapturedImage(int cx, int cy, COLORREF crFill)
    : m_cx(std::max(cx, 0)), m_cy(std::max(cy, 0)), m_nSerial(NextSerial()),
      m_pixels(static_cast<size_t>(m_cx) * m_cy, ToDibPixel(crFill))
{
}

COLORREF CCapturedImage::Pixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= m_cx || y >= m_cy)
        return CLR_INVALID;
    return FromDibPixel(m_pixels[static_cast<size_t>(y) * m_cx + x]);
}

int CCapturedImage::CountColor(const CRect& rect, COLORREF cr) const
{
    CRect rectClip;
    if (!rectClip.IntersectRect(&rect, GetRect()))
        return 0;
    int nCount = 0;
    for (int y = rectClip.top; y < rectClip.bottom; ++y)
        for (int x = rectClip.left; x < rectClip.right; ++x)
            nCount += Pixel(x, y) == cr ? 1 : 0;
    return nCount;
}

BOOL CCapturedImage::IsUniform(const CRect& rect, COLORREF cr) const
{
    CRect rectClip;
    if (!rectClip.IntersectRect(&rect, GetRect()))
        return FALSE;
    return CountColor(rectClip, cr) == rectClip.Width() * rectClip.Height();
}

CRect CCapturedImage::BoundingBox(COLORREF cr, const CRect& rectWithin) const
{
    CRect rectClip;
    CRect rectBox(0, 0, 0, 0);
    if (!rectClip.IntersectRect(&rectWithin, GetRect()))
        return rectBox;
    for (int y = rectClip.top; y < rectClip.bottom; ++y)
        for (int x = rectClip.left; x < rectClip.right; ++x)
            if (Pixel(x, y) == cr)
                rectBox = rectBox.IsRectEmpty() ? CRect(x, y, x + 1, y + 1) : (rectBox | CRect(x, y, x + 1, y + 1));
    return rectBox;
}

int CCapturedImage::FindColumn(const CRect& rect, COLORREF cr) const
{
    CRect rectClip;
    if (!rectClip.IntersectRect(&rect, GetRect()))
        return -1;
    for (int x = rectClip.left; x < rectClip.right; ++x)
        for (int y = rectClip.top; y < rectClip.bottom; ++y)
            if (Pixel(x, y) == cr)
                return x;
    return -1;
}

CCapturedImage CaptureClient(HWND hWnd)
{
    if (!::IsWindow(hWnd))
        return CCapturedImage();
    ::RedrawWindow(hWnd, NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PumpPending();
    return CaptureAsIs(hWnd);
}

CCapturedImage CaptureAsIs(HWND hWnd)
{
    CRect rectClient;
    if (!::IsWindow(hWnd) || !::GetClientRect(hWnd, &rectClient))
        return CCapturedImage();
    CDibSurface surface(rectClient.Width(), rectClient.Height(), RGB(0, 0, 0));
    HDC hDC = ::GetDC(hWnd);
    ::BitBlt(surface.DC().GetSafeHdc(), 0, 0, rectClient.Width(), rectClient.Height(), hDC, 0, 0, SRCCOPY);
    ::ReleaseDC(hWnd, hDC);
    return surface.Capture();   // empty when the surface could not be made
}

CCapturedImage CapturePrintClient(HWND hWnd, UINT nFlags, COLORREF crClear)
{
    CRect rectClient;
    if (!::IsWindow(hWnd) || !::GetClientRect(hWnd, &rectClient))
        return CCapturedImage();
    CDibSurface surface(rectClient.Width(), rectClient.Height(), crClear);
    if (surface.IsValid())
        ::SendMessageW(hWnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(surface.DC().GetSafeHdc()), nFlags);
    return surface.Capture();
}

BOOL SavePng(const CCapturedImage& image, LPCWSTR lpszPath)
{
    return CPngFile::Save(lpszPath, image.GetBits(), image.Width(), image.Height());
}

std::string SaveFailureArtifact(const CCapturedImage& image)
{
    // One file per image: the first failure of a capture tells all its later ones.
    static std::map<int, std::string> s_saved;
    auto it = s_saved.find(image.GetSerial());
    if (it != s_saved.end())
        return it->second;
    std::wstring strFolder = GetArtifactFolder();
    ::CreateDirectoryW(strFolder.c_str(), NULL);
    std::string strFile = CurrentTestName() + "-" + std::to_string(image.GetSerial());
    std::wstring strPath = strFolder + L"\\" + std::wstring(strFile.begin(), strFile.end()) + L".png";
    return s_saved[image.GetSerial()] = SavePng(image, strPath.c_str())
        ? "capture saved to " + DisplayPath(strPath) : "the capture could not be saved to " + Narrow(strPath);
}

std::string ColorName(COLORREF cr)
{
    if (cr == CLR_INVALID)
        return "(outside)";
    char sz[32];
    snprintf(sz, sizeof(sz), "RGB(%u,%u,%u)", GetRValue(cr), GetGValue(cr), GetBValue(cr));
    return sz;
}

::testing::AssertionResult AssertPixel(const char* lpszImage, const char* lpszX, const char* lpszY,
    const char* lpszColor, const CCapturedImage& image, int x, int y, COLORREF cr)
{
    COLORREF crActual = image.Pixel(x, y);
    if (crActual == cr)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
        << "pixel (" << Label(lpszX, std::to_string(x)) << ", " << Label(lpszY, std::to_string(y)) << ") of "
        << lpszImage << " (" << image.Width() << "x" << image.Height() << ") is " << ColorName(crActual)
        << ", expected " << Label(lpszColor, ColorName(cr)) << "\n" << RowAround(image, x, y) << "\n  "
        << SaveFailureArtifact(image);
}

::testing::AssertionResult AssertColorCount(const char* lpszImage, const char* lpszRect,
    const char* lpszColor, const char* lpszCount, const CCapturedImage& image, const CRect& rect,
    COLORREF cr, int nCount)
{
    int nActual = image.CountColor(rect, cr);
    if (nActual == nCount)
        return ::testing::AssertionSuccess();
    CRect rectBox = image.BoundingBox(cr, rect);
    return ::testing::AssertionFailure()
        << lpszImage << " has " << nActual << " pixels of " << Label(lpszColor, ColorName(cr)) << " in "
        << Label(lpszRect, ::testing::PrintToString(rect)) << ", expected " << Label(lpszCount, std::to_string(nCount))
        << (nActual > 0 ? "; they lie within " + ::testing::PrintToString(rectBox) : std::string()) << "\n  "
        << SaveFailureArtifact(image);
}

::testing::AssertionResult AssertUniform(const char* lpszImage, const char* lpszRect,
    const char* lpszColor, const CCapturedImage& image, const CRect& rect, COLORREF cr)
{
    if (image.IsUniform(rect, cr))
        return ::testing::AssertionSuccess();
    CRect rectClip;
    rectClip.IntersectRect(&rect, image.GetRect());
    return ::testing::AssertionFailure() << Label(lpszRect, ::testing::PrintToString(rect)) << " of " << lpszImage << " ("
        << image.Width() << "x" << image.Height() << ") is not all " << Label(lpszColor, ColorName(cr)) << ": "
        << image.CountColor(rectClip, cr) << " of its " << rectClip.Width() * rectClip.Height()
        << " pixels inside the image are\n  " << SaveFailureArtifact(image);
}
}
