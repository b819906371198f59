#ifndef ZADUV_FOUNDATION_GDIUTILS_H
#define ZADUV_FOUNDATION_GDIUTILS_H
// CGdiUtils: static rectangle, size, colour and gradient helpers for hosts and controls.

#include <afxwin.h>
#include "foundation/ZaDUVDefs.h"

class ZADUV_API CGdiUtils
{
// Operations
public:
    // Hue, luminance and saturation on the 0-240 scale, channels on 0-255.
    static void RGBToHLS(COLORREF clr, WORD* pwHue, WORD* pwLuminance, WORD* pwSaturation);
    static COLORREF HLSToRGB(WORD wHue, WORD wLuminance, WORD wSaturation);

    // Each of these moves the rectangle and keeps its width and height.
    static void MoveRectTopTo(CRect& rect, int y);
    static void MoveRectBottomTo(CRect& rect, int y);
    static void MoveRectLeftTo(CRect& rect, int x);
    static void MoveRectRightTo(CRect& rect, int x);
    static void MoveRectTo(CRect& rect, const CPoint& point);
    static void CenterRectVertical(CRect& rect, const CRect& rectRef);
    static void CenterRectInRect(CRect& rect, const CRect& rectRef);
    // A rectangle larger than the bounds ends on their left and top edges.
    static void MoveRectVisible(CRect& rect, const CRect& rectBounds);

    static CSize MaxCSize(const CSize& size1, const CSize& size2);

    // Paints nLength rows from ptStart downwards, one pen per row; the first row has crStart
    // and crEnd itself is never reached.
    static void DrawVerticalColoredLine(CDC* pDC, int nPenWidth, const CPoint& ptStart,
                                        int nLength, COLORREF crStart, COLORREF crEnd);

// Implementation
public:
    // There is nothing to copy.
    CGdiUtils& operator=(const CGdiUtils& other);

private:
    typedef void (WINAPI* PFNCOLORRGBTOHLS)(COLORREF, WORD*, WORD*, WORD*);
    typedef COLORREF (WINAPI* PFNCOLORHLSTORGB)(WORD, WORD, WORD);

    // The platform's conversions, looked up in shlwapi.dll on first use; null until then and
    // for as long as the lookup fails.
    static PFNCOLORRGBTOHLS m_pfnColorRGBToHLS;
    static PFNCOLORHLSTORGB m_pfnColorHLSToRGB;
};

#endif
