#include "PixelCapture.h"

#include "DibSurface.h"
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

CCapturedImage CaptureByPrint(HWND hWnd, UINT message, UINT nFlags, COLORREF crClear, const CRect& rectSize)
{
    CDibSurface surface(rectSize.Width(), rectSize.Height(), crClear);
    if (!surface.IsValid())
        return CCapturedImage();
    ::SendMessageW(hWnd, message, reinterpret_cast<WPARAM>(surface.DC().GetSafeHdc()), nFlags);
    return surface.Capture();
}

std::string Narrow(const std::wstring& str)
{
    int n = ::WideCharToMultiByte(CP_UTF8, 0, str.c_str(), -1, NULL, 0, NULL, NULL);
    std::string strResult(n > 0 ? n - 1 : 0, '\0');
    if (n > 1)
        ::WideCharToMultiByte(CP_UTF8, 0, str.c_str(), -1, &strResult[0], n, NULL, NULL);
    return strResult;
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

// "kRed = RGB(255,0,0)" for a named value; a literal or an expanded macro shows its value only.
std::string Label(const char* lpszExpression, const std::string& strValue)
{
    std::string strExpression = lpszExpression;
    if (strExpression == strValue || strExpression.empty() || strExpression[0] == '(' ||
        strExpression.find_first_not_of("-0123456789") == std::string::npos)
        return strValue;
    return strExpression + " = " + strValue;
}

std::string RectText(const CRect& rect)
{
    return "(" + std::to_string(rect.left) + ", " + std::to_string(rect.top) + ", " + std::to_string(rect.right) +
           ", " + std::to_string(rect.bottom) + ")";
}

std::string RowAround(const CCapturedImage& image, int x, int y)
{
    std::string str = "  row " + std::to_string(y) + " from x=" + std::to_string(std::max(0, x - 3)) + ":";
    for (COLORREF cr : image.Row(y, x - 3, x + 4))
        str += " " + ColorName(cr);
    return str;
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

void CCapturedImage::SetPixel(int x, int y, COLORREF cr)
{
    if (x >= 0 && y >= 0 && x < m_cx && y < m_cy)
        m_pixels[static_cast<size_t>(y) * m_cx + x] = ToDibPixel(cr);
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
    {
        for (int x = rectClip.left; x < rectClip.right; ++x)
        {
            if (Pixel(x, y) != cr)
                continue;
            if (rectBox.IsRectEmpty())
                rectBox.SetRect(x, y, x + 1, y + 1);
            rectBox.left = std::min<LONG>(rectBox.left, x);
            rectBox.right = std::max<LONG>(rectBox.right, x + 1);
            rectBox.bottom = y + 1;
        }
    }
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

int CCapturedImage::FindRow(const CRect& rect, COLORREF cr) const
{
    CRect rectClip;
    if (!rectClip.IntersectRect(&rect, GetRect()))
        return -1;
    for (int y = rectClip.top; y < rectClip.bottom; ++y)
        for (int x = rectClip.left; x < rectClip.right; ++x)
            if (Pixel(x, y) == cr)
                return y;
    return -1;
}

std::vector<COLORREF> CCapturedImage::Row(int y, int xFrom, int xTo) const
{
    std::vector<COLORREF> colours;
    for (int x = std::max(xFrom, 0); x < std::min(xTo, m_cx); ++x)
        colours.push_back(Pixel(x, y));
    return colours;
}

std::vector<COLORREF> CCapturedImage::Column(int x, int yFrom, int yTo) const
{
    std::vector<COLORREF> colours;
    for (int y = std::max(yFrom, 0); y < std::min(yTo, m_cy); ++y)
        colours.push_back(Pixel(x, y));
    return colours;
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
    if (!surface.IsValid())
        return CCapturedImage();
    HDC hDC = ::GetDC(hWnd);
    ::BitBlt(surface.DC().GetSafeHdc(), 0, 0, rectClient.Width(), rectClient.Height(), hDC, 0, 0, SRCCOPY);
    ::ReleaseDC(hWnd, hDC);
    return surface.Capture();
}

CCapturedImage CapturePrintClient(HWND hWnd, UINT nFlags, COLORREF crClear)
{
    CRect rectClient;
    if (!::IsWindow(hWnd) || !::GetClientRect(hWnd, &rectClient))
        return CCapturedImage();
    return CaptureByPrint(hWnd, WM_PRINTCLIENT, nFlags, crClear, rectClient);
}

CCapturedImage CapturePrint(HWND hWnd, UINT nFlags, COLORREF crClear)
{
    CRect rectWindow;
    if (!::IsWindow(hWnd) || !::GetWindowRect(hWnd, &rectWindow))
        return CCapturedImage();
    return CaptureByPrint(hWnd, WM_PRINT, nFlags, crClear, rectWindow);
}

CCapturedImage CaptureDC(CDC* pDC, const CRect& rect)
{
    if (pDC == NULL || pDC->GetSafeHdc() == NULL)
        return CCapturedImage();
    CDibSurface surface(rect.Width(), rect.Height(), RGB(0, 0, 0));
    if (!surface.IsValid())
        return CCapturedImage();
    ::BitBlt(surface.DC().GetSafeHdc(), 0, 0, rect.Width(), rect.Height(), pDC->GetSafeHdc(), rect.left, rect.top,
        SRCCOPY);
    return surface.Capture();
}

BOOL SavePng(const CCapturedImage& image, LPCWSTR lpszPath)
{
    return CPngFile::Save(lpszPath, image.GetBits(), image.Width(), image.Height());
}

BOOL ReadImageFile(LPCWSTR lpszPath, CCapturedImage& image)
{
    image = CCapturedImage();
    std::vector<DWORD> pixels;
    int cx = 0;
    int cy = 0;
    if (!CPngFile::Load(lpszPath, pixels, cx, cy))
        return FALSE;
    CCapturedImage result(cx, cy);
    std::transform(pixels.begin(), pixels.end(), result.GetBits(), [](DWORD dw) { return dw & 0x00FFFFFF; });
    image = result;
    return TRUE;
}

std::wstring GetArtifactFolder()
{
    // <build>/bin/<test>.exe saves into <build>/test-artifacts.
    WCHAR szPath[MAX_PATH] = {};
    ::GetModuleFileNameW(NULL, szPath, MAX_PATH);
    std::wstring strFolder(szPath);
    for (int i = 0; i < 2; ++i)
    {
        size_t nSlash = strFolder.find_last_of(L"\\/");
        if (nSlash != std::wstring::npos)
            strFolder.erase(nSlash);
    }
    return strFolder + L"\\test-artifacts";
}

std::string SaveFailureArtifact(const CCapturedImage& image)
{
    // One file per test and image: the first failure of a capture tells all its later ones.
    static std::map<std::string, std::map<int, std::string>> s_saved;
    std::string strTest = CurrentTestName();
    std::map<int, std::string>& saved = s_saved[strTest];
    auto it = saved.find(image.GetSerial());
    if (it != saved.end())
        return it->second;

    std::wstring strFolder = GetArtifactFolder();
    ::CreateDirectoryW(strFolder.c_str(), NULL);
    std::string strFile = strTest;
    if (!saved.empty())
        strFile += "-" + std::to_string(saved.size() + 1);
    std::wstring strPath = strFolder + L"\\" + std::wstring(strFile.begin(), strFile.end()) + L".png";
    std::string strNote = SavePng(image, strPath.c_str())
        ? "capture saved to " + DisplayPath(strPath)
        : "the capture could not be saved to " + Narrow(strPath);
    saved[image.GetSerial()] = strNote;
    return strNote;
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
        << Label(lpszRect, RectText(rect)) << ", expected " << Label(lpszCount, std::to_string(nCount))
        << (nActual > 0 ? "; they lie within " + RectText(rectBox) : std::string()) << "\n  "
        << SaveFailureArtifact(image);
}

::testing::AssertionResult AssertUniform(const char* lpszImage, const char* lpszRect,
    const char* lpszColor, const CCapturedImage& image, const CRect& rect, COLORREF cr)
{
    if (image.IsUniform(rect, cr))
        return ::testing::AssertionSuccess();
    CRect rectClip;
    rectClip.IntersectRect(&rect, image.GetRect());
    int nFirstX = -1;
    int nFirstY = -1;
    for (int y = rectClip.top; y < rectClip.bottom && nFirstX < 0; ++y)
        for (int x = rectClip.left; x < rectClip.right && nFirstX < 0; ++x)
            if (image.Pixel(x, y) != cr)
            {
                nFirstX = x;
                nFirstY = y;
            }
    ::testing::AssertionResult result = ::testing::AssertionFailure();
    result << Label(lpszRect, RectText(rect)) << " of " << lpszImage << " is not all " << Label(lpszColor, ColorName(cr));
    if (nFirstX >= 0)
        result << ": (" << nFirstX << ", " << nFirstY << ") is " << ColorName(image.Pixel(nFirstX, nFirstY));
    else
        result << ": it lies outside the " << image.Width() << "x" << image.Height() << " image";
    return result << "\n  " << SaveFailureArtifact(image);
}
}
