#include "foundation/GdiUtils.h"

#include <algorithm>

// Colour conversion prefers the platform's ColorRGBToHLS and ColorHLSToRGB, so that a host
// gets exactly the numbers its own shell calls give. The pointers keep whatever the lookup
// found: while shlwapi.dll cannot be loaded or lacks a function the pointer stays null, the
// lookup is tried again on the next call, and the library's own conversion answers meanwhile,
// on the same scales. A conversion is therefore always available here, and the results of
// having none (outputs left unwritten, white) never arise.

CGdiUtils::PFNCOLORRGBTOHLS CGdiUtils::m_pfnColorRGBToHLS = NULL;
CGdiUtils::PFNCOLORHLSTORGB CGdiUtils::m_pfnColorHLSToRGB = NULL;

namespace
{
const int HLSMAX = 240;
const int RGBMAX = 255;
const int HUE_OF_GREY = HLSMAX * 2 / 3;     // what the platform reports for a colour without hue

FARPROC FindShellColorFunction(LPCSTR lpszName)
{
    static const WCHAR szShlwapi[] = L"shlwapi.dll";
    HMODULE hShlwapi = ::GetModuleHandleW(szShlwapi);
    if (hShlwapi == NULL)
        hShlwapi = ::LoadLibraryW(szShlwapi);   // kept loaded for the rest of the process
    return hShlwapi != NULL ? ::GetProcAddress(hShlwapi, lpszName) : NULL;
}

// Integer arithmetic throughout, each division rounded to the nearest step of its scale.
void ConvertRGBToHLS(COLORREF clr, WORD* pwHue, WORD* pwLuminance, WORD* pwSaturation)
{
    const int nRed = GetRValue(clr);
    const int nGreen = GetGValue(clr);
    const int nBlue = GetBValue(clr);
    const int nMax = std::max(nRed, std::max(nGreen, nBlue));
    const int nMin = std::min(nRed, std::min(nGreen, nBlue));
    const int nSum = nMax + nMin;
    const int nDelta = nMax - nMin;

    const int nLuminance = (nSum * HLSMAX + RGBMAX) / (2 * RGBMAX);
    int nHue = HUE_OF_GREY;
    int nSaturation = 0;
    if (nDelta != 0)
    {
        const int nSpan = nLuminance <= HLSMAX / 2 ? nSum : 2 * RGBMAX - nSum;
        nSaturation = (nDelta * HLSMAX + nSpan / 2) / nSpan;

        // Distance of each channel from the largest, in sixths of the hue circle.
        const int nRedDelta = ((nMax - nRed) * (HLSMAX / 6) + nDelta / 2) / nDelta;
        const int nGreenDelta = ((nMax - nGreen) * (HLSMAX / 6) + nDelta / 2) / nDelta;
        const int nBlueDelta = ((nMax - nBlue) * (HLSMAX / 6) + nDelta / 2) / nDelta;
        if (nRed == nMax)
            nHue = nBlueDelta - nGreenDelta;
        else if (nGreen == nMax)
            nHue = HLSMAX / 3 + nRedDelta - nBlueDelta;
        else
            nHue = HLSMAX * 2 / 3 + nGreenDelta - nRedDelta;
        if (nHue < 0)
            nHue += HLSMAX;
        if (nHue > HLSMAX)
            nHue -= HLSMAX;
    }

    if (pwHue != NULL)
        *pwHue = static_cast<WORD>(nHue);
    if (pwLuminance != NULL)
        *pwLuminance = static_cast<WORD>(nLuminance);
    if (pwSaturation != NULL)
        *pwSaturation = static_cast<WORD>(nSaturation);
}

// One channel on the HLS scale from the two magic values that bound it.
int HueToChannel(int nLow, int nHigh, int nHue)
{
    nHue = (nHue % HLSMAX + HLSMAX) % HLSMAX;
    if (nHue < HLSMAX / 6)
        return nLow + ((nHigh - nLow) * nHue + HLSMAX / 12) / (HLSMAX / 6);
    if (nHue < HLSMAX / 2)
        return nHigh;
    if (nHue < HLSMAX * 2 / 3)
        return nLow + ((nHigh - nLow) * (HLSMAX * 2 / 3 - nHue) + HLSMAX / 12) / (HLSMAX / 6);
    return nLow;
}

BYTE ChannelFromScale(int nValue)
{
    return static_cast<BYTE>(std::min(std::max((nValue * RGBMAX + HLSMAX / 2) / HLSMAX, 0), RGBMAX));
}

// Luminance and saturation beyond the scale count as its top.
COLORREF ConvertHLSToRGB(WORD wHue, WORD wLuminance, WORD wSaturation)
{
    const int nLuminance = std::min<int>(wLuminance, HLSMAX);
    const int nSaturation = std::min<int>(wSaturation, HLSMAX);
    if (nSaturation == 0)
    {
        const BYTE byGrey = static_cast<BYTE>(nLuminance * RGBMAX / HLSMAX);
        return RGB(byGrey, byGrey, byGrey);
    }

    const int nHigh = nLuminance <= HLSMAX / 2
        ? (nLuminance * (HLSMAX + nSaturation) + HLSMAX / 2) / HLSMAX
        : nLuminance + nSaturation - (nLuminance * nSaturation + HLSMAX / 2) / HLSMAX;
    const int nLow = 2 * nLuminance - nHigh;
    const int nHue = wHue;
    return RGB(ChannelFromScale(HueToChannel(nLow, nHigh, nHue + HLSMAX / 3)),
               ChannelFromScale(HueToChannel(nLow, nHigh, nHue)),
               ChannelFromScale(HueToChannel(nLow, nHigh, nHue - HLSMAX / 3)));
}
}

CGdiUtils& CGdiUtils::operator=(const CGdiUtils& /*other*/)
{
    return *this;
}

void CGdiUtils::RGBToHLS(COLORREF clr, WORD* pwHue, WORD* pwLuminance, WORD* pwSaturation)
{
    if (m_pfnColorRGBToHLS == NULL)
        m_pfnColorRGBToHLS = reinterpret_cast<PFNCOLORRGBTOHLS>(FindShellColorFunction("ColorRGBToHLS"));
    if (m_pfnColorRGBToHLS != NULL)
        (*m_pfnColorRGBToHLS)(clr, pwHue, pwLuminance, pwSaturation);
    else
        ConvertRGBToHLS(clr, pwHue, pwLuminance, pwSaturation);
}

COLORREF CGdiUtils::HLSToRGB(WORD wHue, WORD wLuminance, WORD wSaturation)
{
    if (m_pfnColorHLSToRGB == NULL)
        m_pfnColorHLSToRGB = reinterpret_cast<PFNCOLORHLSTORGB>(FindShellColorFunction("ColorHLSToRGB"));
    if (m_pfnColorHLSToRGB != NULL)
        return (*m_pfnColorHLSToRGB)(wHue, wLuminance, wSaturation);
    return ConvertHLSToRGB(wHue, wLuminance, wSaturation);
}

void CGdiUtils::MoveRectTopTo(CRect& rect, int y)
{
    const int nHeight = rect.Height();
    rect.top = y;
    rect.bottom = y + nHeight;
}

void CGdiUtils::MoveRectBottomTo(CRect& rect, int y)
{
    const int nHeight = rect.Height();
    rect.bottom = y;
    rect.top = y - nHeight;
}

void CGdiUtils::MoveRectLeftTo(CRect& rect, int x)
{
    const int nWidth = rect.Width();
    rect.left = x;
    rect.right = x + nWidth;
}

void CGdiUtils::MoveRectRightTo(CRect& rect, int x)
{
    const int nWidth = rect.Width();
    rect.right = x;
    rect.left = x - nWidth;
}

void CGdiUtils::MoveRectTo(CRect& rect, const CPoint& point)
{
    rect.OffsetRect(-rect.left, -rect.top);
    rect.OffsetRect(point.x, point.y);
}

void CGdiUtils::CenterRectVertical(CRect& rect, const CRect& rectRef)
{
    const int nHeight = rect.Height();
    rect.top = (rectRef.bottom + rectRef.top - rect.bottom + rect.top) / 2;
    rect.bottom = rect.top + nHeight;
}

void CGdiUtils::CenterRectInRect(CRect& rect, const CRect& rectRef)
{
    const int x = (rectRef.right - rect.right + rect.left + rectRef.left) / 2;
    const int y = (rectRef.bottom - rect.bottom + rectRef.top + rect.top) / 2;
    rect.OffsetRect(-rect.left, -rect.top);
    rect.OffsetRect(x, y);
}

void CGdiUtils::MoveRectVisible(CRect& rect, const CRect& rectBounds)
{
    if (rect.bottom > rectBounds.bottom)
        MoveRectBottomTo(rect, rectBounds.bottom);
    if (rect.right > rectBounds.right)
        MoveRectRightTo(rect, rectBounds.right);
    if (rect.left < rectBounds.left)
        MoveRectLeftTo(rect, rectBounds.left);
    if (rect.top < rectBounds.top)
        MoveRectTopTo(rect, rectBounds.top);
}

CSize CGdiUtils::MaxCSize(const CSize& size1, const CSize& size2)
{
    return CSize(std::max(size1.cx, size2.cx), std::max(size1.cy, size2.cy));
}

void CGdiUtils::DrawVerticalColoredLine(CDC* pDC, int nPenWidth, const CPoint& ptStart,
                                        int nLength, COLORREF crStart, COLORREF crEnd)
{
    const float fRed = static_cast<float>(GetRValue(crStart));
    const float fGreen = static_cast<float>(GetGValue(crStart));
    const float fBlue = static_cast<float>(GetBValue(crStart));

    const float fLength = static_cast<float>(nLength);
    const float fRedStep = (static_cast<float>(GetRValue(crEnd)) - fRed) / fLength;
    const float fGreenStep = (static_cast<float>(GetGValue(crEnd)) - fGreen) / fLength;
    const float fBlueStep = (static_cast<float>(GetBValue(crEnd)) - fBlue) / fLength;

    if (nLength < 1)
        return;

    for (int i = 0; i < nLength; i++)
    {
        const float fRow = static_cast<float>(i);
        const int nRed = static_cast<int>(fRed + fRow * fRedStep) & 0xFF;
        const int nGreen = static_cast<int>(fGreen + fRow * fGreenStep) & 0xFF;
        const int nBlue = static_cast<int>(fBlue + fRow * fBlueStep) & 0xFF;
        const COLORREF cr = static_cast<COLORREF>(nRed | (nGreen << 8) | (nBlue << 16));

        CPen pen;
        if (!pen.CreatePen(PS_SOLID, nPenWidth, cr))
            continue;
        CPen* pOldPen = pDC->SelectObject(&pen);
        pDC->MoveTo(ptStart.x, ptStart.y + i);
        pDC->LineTo(ptStart.x, ptStart.y + i + 1);
        pDC->SelectObject(pOldPen);
    }
}
