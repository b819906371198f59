// The first page: what CGdiUtils does to rectangles, how its gradient lines look and how its
// colour conversions round-trip. Every "after" rectangle, line and colour on the page is the
// library's own result, computed while painting.

#include "GalleryPage.h"
#include "GalleryStyle.h"

#include <zaduv.h>

class CPageGdiUtils : public CGalleryPage
{
public:
    virtual CString GetTitle() const { return L"GDI utilities"; }
    virtual CString GetDescription() const
    {
        return L"CGdiUtils: rectangles moved, centred and clamped; vertical gradient lines; RGB and HLS colours.";
    }

protected:
    virtual void OnDraw(CDC* pDC);

// Implementation
private:
    enum { kPanelWidth = 124, kCanvasHeight = 76, kPanelGap = 10, kPanelHeight = 108 };

    // What a rectangle panel marks besides the rectangles: the line, point or rectangle the
    // operation was given.
    struct SGuide
    {
        enum EKind { NONE, HORIZONTAL, VERTICAL, POINT, RECTANGLE } eKind;
        int nValue;
        CPoint point;
        CRect rect;

        static SGuide None() { return { NONE, 0, CPoint(), CRect() }; }
        static SGuide Horizontal(int y) { return { HORIZONTAL, y, CPoint(), CRect() }; }
        static SGuide Vertical(int x) { return { VERTICAL, x, CPoint(), CRect() }; }
        static SGuide Point(CPoint pt) { return { POINT, 0, pt, CRect() }; }
        static SGuide Rectangle(const CRect& rect) { return { RECTANGLE, 0, CPoint(), rect }; }
    };

    int DrawSectionTitle(CDC* pDC, int y, LPCWSTR lpszTitle);
    void DrawLegend(CDC* pDC, int y);
    void DrawMoveRow(CDC* pDC, int y);
    void DrawCentreAndClampRow(CDC* pDC, int y);
    void DrawRectPanel(CDC* pDC, int nColumn, int y, LPCWSTR lpszName, LPCWSTR lpszArgs,
        const CRect& rectBefore, const CRect& rectAfter, const SGuide& guide);
    void DrawGuide(CDC* pDC, const SGuide& guide, const CRect& rectCanvas);
    void DrawGradients(CDC* pDC, int y);
    void DrawColours(CDC* pDC, int y);

    CRect DrawCanvas(CDC* pDC, const CRect& rect);
    void DrawLabel(CDC* pDC, const CString& str, const CRect& rect, CFont* pFont, COLORREF cr, UINT nFormat);
    void DrawSwatch(CDC* pDC, const CRect& rect, COLORREF cr);
};

REGISTER_GALLERY_PAGE(CPageGdiUtils, 10, L"gdi-utilities");

void CPageGdiUtils::OnDraw(CDC* pDC)
{
    CRect rectContent = GetContentRect();
    int y = rectContent.top;
    y = DrawSectionTitle(pDC, y, L"Rectangles: moved, centred and clamped");
    DrawLegend(pDC, y - 20);
    DrawMoveRow(pDC, y);
    DrawCentreAndClampRow(pDC, y + kPanelHeight + 8);
    y += 2 * kPanelHeight + 22;
    y = DrawSectionTitle(pDC, y, L"Gradient lines: DrawVerticalColoredLine, one pen per row");
    DrawGradients(pDC, y);
    y += 124 + 14;
    y = DrawSectionTitle(pDC, y, L"Colours: RGBToHLS and HLSToRGB");
    DrawColours(pDC, y);
}

int CPageGdiUtils::DrawSectionTitle(CDC* pDC, int y, LPCWSTR lpszTitle)
{
    CRect rectContent = GetContentRect();
    CRect rect(rectContent.left, y, rectContent.right, y + 18);
    DrawLabel(pDC, lpszTitle, rect, &m_fontBold, GalleryStyle::crTitle, DT_LEFT | DT_VCENTER);
    return y + 22;
}

void CPageGdiUtils::DrawLegend(CDC* pDC, int y)
{
    struct SEntry { LPCWSTR lpszText; int nKind; };
    const SEntry entries[] = { { L"before", 0 }, { L"after", 1 }, { L"given line, point or bounds", 2 } };
    CRect rectContent = GetContentRect();
    int x = rectContent.right - 330;
    for (const SEntry& entry : entries)
    {
        CRect rectMark(x, y + 4, x + 16, y + 14);
        if (entry.nKind == 0)
        {
            CPen pen(PS_DOT, 1, GalleryStyle::crBefore);
            CPen* pOldPen = pDC->SelectObject(&pen);
            CGdiObject* pOldBrush = pDC->SelectStockObject(NULL_BRUSH);
            pDC->Rectangle(&rectMark);
            pDC->SelectObject(pOldBrush);
            pDC->SelectObject(pOldPen);
        }
        else if (entry.nKind == 1)
        {
            pDC->FillSolidRect(&rectMark, GalleryStyle::crAfterFill);
            CBrush brush(GalleryStyle::crAfterEdge);
            pDC->FrameRect(&rectMark, &brush);
        }
        else
        {
            CBrush brush(GalleryStyle::crReference);
            pDC->FrameRect(&rectMark, &brush);
        }
        CRect rectText(rectMark.right + 5, y, rectMark.right + 200, y + 18);
        DrawLabel(pDC, entry.lpszText, rectText, &m_fontSmall, GalleryStyle::crMuted, DT_LEFT | DT_VCENTER);
        CSize size;
        {
            CFont* pOldFont = pDC->SelectObject(&m_fontSmall);
            size = pDC->GetTextExtent(entry.lpszText, static_cast<int>(wcslen(entry.lpszText)));
            pDC->SelectObject(pOldFont);
        }
        x = rectText.left + size.cx + 14;
    }
}

void CPageGdiUtils::DrawMoveRow(CDC* pDC, int y)
{
    CRect rect(30, 40, 80, 64);
    CGdiUtils::MoveRectTopTo(rect, 12);
    DrawRectPanel(pDC, 0, y, L"MoveRectTopTo", L"y = 12", CRect(30, 40, 80, 64), rect, SGuide::Horizontal(12));

    rect.SetRect(30, 10, 80, 34);
    CGdiUtils::MoveRectBottomTo(rect, 66);
    DrawRectPanel(pDC, 1, y, L"MoveRectBottomTo", L"y = 66", CRect(30, 10, 80, 34), rect, SGuide::Horizontal(66));

    rect.SetRect(66, 26, 106, 50);
    CGdiUtils::MoveRectLeftTo(rect, 12);
    DrawRectPanel(pDC, 2, y, L"MoveRectLeftTo", L"x = 12", CRect(66, 26, 106, 50), rect, SGuide::Vertical(12));

    rect.SetRect(14, 26, 54, 50);
    CGdiUtils::MoveRectRightTo(rect, 112);
    DrawRectPanel(pDC, 3, y, L"MoveRectRightTo", L"x = 112", CRect(14, 26, 54, 50), rect, SGuide::Vertical(112));

    rect.SetRect(10, 8, 50, 32);
    CGdiUtils::MoveRectTo(rect, CPoint(70, 42));
    DrawRectPanel(pDC, 4, y, L"MoveRectTo", L"point (70, 42)", CRect(10, 8, 50, 32), rect,
        SGuide::Point(CPoint(70, 42)));
}

void CPageGdiUtils::DrawCentreAndClampRow(CDC* pDC, int y)
{
    const CRect rectRef(12, 8, 112, 68);
    CRect rect(18, 12, 62, 28);
    CGdiUtils::CenterRectVertical(rect, rectRef);
    DrawRectPanel(pDC, 0, y, L"CenterRectVertical", L"x kept", CRect(18, 12, 62, 28), rect,
        SGuide::Rectangle(rectRef));

    rect.SetRect(4, 4, 48, 24);
    CGdiUtils::CenterRectInRect(rect, rectRef);
    DrawRectPanel(pDC, 1, y, L"CenterRectInRect", L"both directions", CRect(4, 4, 48, 24), rect,
        SGuide::Rectangle(rectRef));

    const CRect rectBounds(16, 12, 108, 64);
    rect.SetRect(76, 44, 120, 72);
    CGdiUtils::MoveRectVisible(rect, rectBounds);
    DrawRectPanel(pDC, 2, y, L"MoveRectVisible", L"out at bottom right", CRect(76, 44, 120, 72), rect,
        SGuide::Rectangle(rectBounds));

    rect.SetRect(4, 2, 48, 30);
    CGdiUtils::MoveRectVisible(rect, rectBounds);
    DrawRectPanel(pDC, 3, y, L"MoveRectVisible", L"out at top left", CRect(4, 2, 48, 30), rect,
        SGuide::Rectangle(rectBounds));

    // Larger than its bounds: it ends on their left and top edges and overhangs the others.
    const CRect rectSmallBounds(20, 14, 80, 50);
    rect.SetRect(6, 6, 96, 60);
    CGdiUtils::MoveRectVisible(rect, rectSmallBounds);
    DrawRectPanel(pDC, 4, y, L"MoveRectVisible", L"larger than the bounds", CRect(6, 6, 96, 60), rect,
        SGuide::Rectangle(rectSmallBounds));
}

void CPageGdiUtils::DrawRectPanel(CDC* pDC, int nColumn, int y, LPCWSTR lpszName, LPCWSTR lpszArgs,
    const CRect& rectBefore, const CRect& rectAfter, const SGuide& guide)
{
    CRect rectContent = GetContentRect();
    int x = rectContent.left + nColumn * (kPanelWidth + kPanelGap);
    CRect rectCanvas = DrawCanvas(pDC, CRect(x, y, x + kPanelWidth, y + kCanvasHeight));
    CPoint ptOrigin = rectCanvas.TopLeft();

    int nSaved = pDC->SaveDC();
    pDC->IntersectClipRect(&rectCanvas);
    pDC->SelectStockObject(NULL_BRUSH);

    // The result first, then what the operation was given over it, then where it started.
    CRect rect(rectAfter);
    rect.OffsetRect(ptOrigin);
    pDC->FillSolidRect(&rect, GalleryStyle::crAfterFill);
    CBrush brushEdge(GalleryStyle::crAfterEdge);
    pDC->FrameRect(&rect, &brushEdge);

    DrawGuide(pDC, guide, rectCanvas);

    CPen penBefore(PS_DOT, 1, GalleryStyle::crBefore);
    rect = rectBefore;
    rect.OffsetRect(ptOrigin);
    pDC->SelectObject(&penBefore);
    pDC->Rectangle(&rect);
    pDC->RestoreDC(nSaved);

    CRect rectName(x, rectCanvas.bottom + 5, x + kPanelWidth, rectCanvas.bottom + 19);
    DrawLabel(pDC, lpszName, rectName, &m_fontBold, GalleryStyle::crText, DT_LEFT | DT_VCENTER | DT_END_ELLIPSIS);
    CRect rectArgs(x, rectName.bottom, x + kPanelWidth, rectName.bottom + 14);
    DrawLabel(pDC, lpszArgs, rectArgs, &m_fontSmall, GalleryStyle::crMuted, DT_LEFT | DT_VCENTER | DT_END_ELLIPSIS);
}

void CPageGdiUtils::DrawGuide(CDC* pDC, const SGuide& guide, const CRect& rectCanvas)
{
    const CPoint ptOrigin = rectCanvas.TopLeft();
    CPen pen(guide.eKind == SGuide::HORIZONTAL || guide.eKind == SGuide::VERTICAL ? PS_DASH : PS_SOLID, 1,
        GalleryStyle::crReference);
    CPen* pOldPen = pDC->SelectObject(&pen);
    CGdiObject* pOldBrush = pDC->SelectStockObject(NULL_BRUSH);
    switch (guide.eKind)
    {
    case SGuide::HORIZONTAL:
        pDC->MoveTo(rectCanvas.left, ptOrigin.y + guide.nValue);
        pDC->LineTo(rectCanvas.right, ptOrigin.y + guide.nValue);
        break;
    case SGuide::VERTICAL:
        pDC->MoveTo(ptOrigin.x + guide.nValue, rectCanvas.top);
        pDC->LineTo(ptOrigin.x + guide.nValue, rectCanvas.bottom);
        break;
    case SGuide::POINT:
    {
        CPoint pt = guide.point + ptOrigin;
        pDC->MoveTo(pt.x - 5, pt.y);
        pDC->LineTo(pt.x + 6, pt.y);
        pDC->MoveTo(pt.x, pt.y - 5);
        pDC->LineTo(pt.x, pt.y + 6);
        break;
    }
    case SGuide::RECTANGLE:
    {
        CRect rect(guide.rect);
        rect.OffsetRect(ptOrigin);
        pDC->Rectangle(&rect);
        break;
    }
    default:
        break;
    }
    pDC->SelectObject(pOldBrush);
    pDC->SelectObject(pOldPen);
}

void CPageGdiUtils::DrawGradients(CDC* pDC, int y)
{
    struct SLine { COLORREF crStart; COLORREF crEnd; int nPenWidth; };
    const SLine lines[] = {
        { RGB(0, 0, 0), RGB(255, 0, 0), 1 },
        { RGB(255, 0, 0), RGB(255, 255, 0), 1 },
        { RGB(0, 0, 128), RGB(0, 200, 255), 2 },
        { RGB(0, 100, 0), RGB(180, 255, 120), 3 },
        { RGB(120, 0, 160), RGB(255, 150, 0), 4 },
        { RGB(60, 60, 60), RGB(240, 240, 240), 6 },
        { RGB(0, 80, 160), RGB(255, 255, 255), 8 },
        { RGB(200, 0, 60), RGB(0, 60, 200), 12 },
        { RGB(255, 200, 0), RGB(0, 0, 0), 16 },
    };
    const int nLines = static_cast<int>(sizeof(lines) / sizeof(lines[0]));
    const int nLength = 72;
    CRect rectContent = GetContentRect();
    CRect rectCanvas = DrawCanvas(pDC, CRect(rectContent.left, y, rectContent.right, y + 124));
    int cxColumn = rectCanvas.Width() / nLines;
    for (int i = 0; i < nLines; ++i)
    {
        const SLine& line = lines[i];
        int xColumn = rectCanvas.left + i * cxColumn;
        int xLine = xColumn + cxColumn / 2;
        CGdiUtils::DrawVerticalColoredLine(pDC, line.nPenWidth, CPoint(xLine, rectCanvas.top + 14), nLength,
            line.crStart, line.crEnd);

        int yLabel = rectCanvas.top + 14 + nLength + 12;
        CString strWidth;
        strWidth.Format(L"width %d", line.nPenWidth);
        DrawLabel(pDC, strWidth, CRect(xColumn, yLabel, xColumn + cxColumn, yLabel + 14), &m_fontSmall,
            GalleryStyle::crText, DT_CENTER | DT_VCENTER);
        int xSwatch = xLine - 17;
        DrawSwatch(pDC, CRect(xSwatch, yLabel + 16, xSwatch + 12, yLabel + 24), line.crStart);
        DrawLabel(pDC, L"\x2192", CRect(xSwatch + 12, yLabel + 13, xSwatch + 22, yLabel + 27), &m_fontSmall,
            GalleryStyle::crMuted, DT_CENTER | DT_VCENTER);
        DrawSwatch(pDC, CRect(xSwatch + 22, yLabel + 16, xSwatch + 34, yLabel + 24), line.crEnd);
    }
}

void CPageGdiUtils::DrawColours(CDC* pDC, int y)
{
    const COLORREF colours[] = {
        RGB(220, 20, 20), RGB(255, 140, 0), RGB(250, 220, 0), RGB(30, 160, 60), RGB(0, 128, 128),
        RGB(30, 90, 220), RGB(110, 40, 170), RGB(255, 105, 180), RGB(139, 69, 19), RGB(128, 128, 128),
    };
    const int nColours = static_cast<int>(sizeof(colours) / sizeof(colours[0]));
    CRect rectContent = GetContentRect();
    const int cxLabel = 84;
    const int xStrip = rectContent.left + cxLabel;
    const int cxStrip = rectContent.right - xStrip;
    const int cxCell = cxStrip / nColours;

    struct SRowLabel { int yOffset; LPCWSTR lpszText; };
    const SRowLabel labels[] = {
        { 0, L"colour" }, { 22, L"round trip" }, { 44, L"H L S" }, { 62, L"hue 0-239" },
        { 84, L"luminance" },
    };
    for (const SRowLabel& label : labels)
        DrawLabel(pDC, label.lpszText, CRect(rectContent.left, y + label.yOffset, xStrip - 6, y + label.yOffset + 18),
            &m_fontSmall, GalleryStyle::crMuted, DT_LEFT | DT_VCENTER | DT_END_ELLIPSIS);

    for (int i = 0; i < nColours; ++i)
    {
        WORD wHue = 0;
        WORD wLuminance = 0;
        WORD wSaturation = 0;
        CGdiUtils::RGBToHLS(colours[i], &wHue, &wLuminance, &wSaturation);
        COLORREF crRoundTrip = CGdiUtils::HLSToRGB(wHue, wLuminance, wSaturation);

        int x = xStrip + i * cxCell;
        DrawSwatch(pDC, CRect(x, y, x + cxCell - 6, y + 18), colours[i]);
        DrawSwatch(pDC, CRect(x, y + 22, x + cxCell - 6, y + 40), crRoundTrip);
        CString strHLS;
        strHLS.Format(L"%u %u %u", wHue, wLuminance, wSaturation);
        DrawLabel(pDC, strHLS, CRect(x - 2, y + 44, x + cxCell - 4, y + 60), &m_fontSmall, GalleryStyle::crText,
            DT_CENTER | DT_VCENTER);
    }

    // Ramps built with HLSToRGB alone: every hue at full saturation, then blue from black to white.
    const int cxRamp = nColours * cxCell - 6;
    for (int x = 0; x < cxRamp; ++x)
    {
        WORD wValue = static_cast<WORD>(x * 240 / cxRamp);
        pDC->FillSolidRect(xStrip + x, y + 62, 1, 18, CGdiUtils::HLSToRGB(wValue, 120, 240));
        pDC->FillSolidRect(xStrip + x, y + 84, 1, 18, CGdiUtils::HLSToRGB(160, wValue, 240));
    }
    CBrush brushBorder(GalleryStyle::crCanvasBorder);
    pDC->FrameRect(CRect(xStrip - 1, y + 61, xStrip + cxRamp + 1, y + 81), &brushBorder);
    pDC->FrameRect(CRect(xStrip - 1, y + 83, xStrip + cxRamp + 1, y + 103), &brushBorder);
}

CRect CPageGdiUtils::DrawCanvas(CDC* pDC, const CRect& rect)
{
    pDC->FillSolidRect(&rect, GalleryStyle::crCanvas);
    CBrush brushBorder(GalleryStyle::crCanvasBorder);
    pDC->FrameRect(&rect, &brushBorder);
    CRect rectInside(rect);
    rectInside.DeflateRect(1, 1);
    return rectInside;
}

void CPageGdiUtils::DrawLabel(CDC* pDC, const CString& str, const CRect& rect, CFont* pFont, COLORREF cr, UINT nFormat)
{
    CFont* pOldFont = pDC->SelectObject(pFont);
    COLORREF crOld = pDC->SetTextColor(cr);
    int nOldMode = pDC->SetBkMode(TRANSPARENT);
    CRect rectText(rect);
    pDC->DrawText(str, &rectText, nFormat | DT_SINGLELINE | DT_NOPREFIX);
    pDC->SetBkMode(nOldMode);
    pDC->SetTextColor(crOld);
    pDC->SelectObject(pOldFont);
}

void CPageGdiUtils::DrawSwatch(CDC* pDC, const CRect& rect, COLORREF cr)
{
    pDC->FillSolidRect(&rect, cr);
    CBrush brushBorder(RGB(GetRValue(cr) * 3 / 4, GetGValue(cr) * 3 / 4, GetBValue(cr) * 3 / 4));
    pDC->FrameRect(&rect, &brushBorder);
}
