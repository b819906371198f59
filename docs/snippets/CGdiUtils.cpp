// Keeping a popup on the screen and painting an accent separator with CGdiUtils.
#include <afxwin.h>
#include <zaduv.h>

// Places the popup below the anchor, shifted back into the work area when it would leave it.
void PlacePopupBelow(CWnd* pPopup, const CRect& rectAnchor)
{
    CRect rect;
    pPopup->GetWindowRect(&rect);
    CGdiUtils::MoveRectTo(rect, CPoint(rectAnchor.left, rectAnchor.bottom));
    CRect rectWork;
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &rectWork, 0);
    CGdiUtils::MoveRectVisible(rect, rectWork);
    pPopup->SetWindowPos(NULL, rect.left, rect.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// A vertical line fading from the accent colour to a light shade of the same hue.
void DrawAccentSeparator(CDC* pDC, CPoint ptTop, int nHeight, COLORREF crAccent)
{
    WORD wHue = 0;
    WORD wLuminance = 0;
    WORD wSaturation = 0;
    CGdiUtils::RGBToHLS(crAccent, &wHue, &wLuminance, &wSaturation);
    const COLORREF crLight = CGdiUtils::HLSToRGB(wHue, 220, wSaturation);
    CGdiUtils::DrawVerticalColoredLine(pDC, 1, ptTop, nHeight, crAccent, crLight);
}

// A badge rectangle centred on a cell, as large as the larger of two texts needs.
CRect BadgeRect(CDC* pDC, const CRect& rectCell, LPCTSTR lpszShort, LPCTSTR lpszLong)
{
    const CSize size = CGdiUtils::MaxCSize(pDC->GetTextExtent(lpszShort), pDC->GetTextExtent(lpszLong));
    CRect rect(0, 0, size.cx + 8, size.cy + 2);
    CGdiUtils::CenterRectInRect(rect, rectCell);
    return rect;
}
