// The foundation and the header classes against their stated arithmetic and state: the
// geometry and colour utilities, the off-screen surface's copy, the painted header's face and
// frame, and the sorted headers' sort state and owner-drawn columns.
#include <zaduv.h>

#include "DibSurface.h"
#include "FuzzEngine.h"
#include "HostWindow.h"

#include <algorithm>
#include <shlwapi.h>

using namespace zaduv_fuzz;
using zaduv_test::CDibSurface;
using zaduv_test::CHostWindow;

namespace
{
CRect SomeRect(CFuzz& f)
{
    const int x = f.Pick(2001) - 1000, y = f.Pick(2001) - 1000;
    return CRect(x, y, x + f.Pick(300), y + f.Pick(300));
}

class CGdiUtilsSubject : public CFuzzSubject
{
public:
    std::vector<SFuzzOp> Ops() override
    {
        return {
            { "MoveRect*To", 4, [](CFuzz& f) {
                 const CRect rect = SomeRect(f);
                 const int v = f.Pick(2001) - 1000;
                 CRect a = rect, b = rect, c = rect, d = rect, e = rect;
                 CGdiUtils::MoveRectTopTo(a, v);
                 CGdiUtils::MoveRectBottomTo(b, v);
                 CGdiUtils::MoveRectLeftTo(c, v);
                 CGdiUtils::MoveRectRightTo(d, v);
                 CGdiUtils::MoveRectTo(e, CPoint(v, -v));
                 f.Expect(a, CRect(rect.left, v, rect.right, v + rect.Height()), "MoveRectTopTo");
                 f.Expect(b, CRect(rect.left, v - rect.Height(), rect.right, v), "MoveRectBottomTo");
                 f.Expect(c, CRect(v, rect.top, v + rect.Width(), rect.bottom), "MoveRectLeftTo");
                 f.Expect(d, CRect(v - rect.Width(), rect.top, v, rect.bottom), "MoveRectRightTo");
                 f.Expect(e, CRect(v, -v, v + rect.Width(), -v + rect.Height()), "MoveRectTo");
             } },
            { "Center*", 3, [](CFuzz& f) {
                 const CRect rect = SomeRect(f), ref = SomeRect(f);
                 CRect a = rect, b = rect;
                 CGdiUtils::CenterRectVertical(a, ref);
                 CGdiUtils::CenterRectInRect(b, ref);
                 const int y = (ref.bottom + ref.top - rect.bottom + rect.top) / 2;
                 f.Expect(a, CRect(rect.left, y, rect.right, y + rect.Height()), "CenterRectVertical");
                 const int x2 = (ref.right - rect.right + rect.left + ref.left) / 2;
                 const int y2 = (ref.bottom - rect.bottom + ref.top + rect.top) / 2;
                 f.Expect(b, CRect(x2, y2, x2 + rect.Width(), y2 + rect.Height()), "CenterRectInRect");
             } },
            { "MoveRectVisible", 3, [](CFuzz& f) {
                 CRect rect = SomeRect(f), stated = rect;
                 const CRect bounds = SomeRect(f);
                 const int w = rect.Width(), h = rect.Height();
                 if (stated.bottom > bounds.bottom)
                     stated.bottom = bounds.bottom, stated.top = bounds.bottom - h;
                 if (stated.right > bounds.right)
                     stated.right = bounds.right, stated.left = bounds.right - w;
                 if (stated.left < bounds.left)
                     stated.right = stated.right - stated.left + bounds.left, stated.left = bounds.left;
                 if (stated.top < bounds.top)
                     stated.bottom = stated.bottom - stated.top + bounds.top, stated.top = bounds.top;
                 CGdiUtils::MoveRectVisible(rect, bounds);
                 f.Expect(rect, stated, "MoveRectVisible");
             } },
            { "MaxCSize", 1, [](CFuzz& f) {
                 const CSize a(f.Pick(2001) - 1000, f.Pick(2001) - 1000), b(f.Pick(2001) - 1000, f.Pick(2001) - 1000);
                 f.Expect(CGdiUtils::MaxCSize(a, b), CSize(std::max(a.cx, b.cx), std::max(a.cy, b.cy)), "MaxCSize");
             } },
            { "RGBToHLS and HLSToRGB", 2, [](CFuzz& f) {
                 const COLORREF cr = RGB(f.Pick(256), f.Pick(256), f.Pick(256));
                 WORD h = 0, l = 0, s = 0, h2 = 0, l2 = 0, s2 = 0;
                 CGdiUtils::RGBToHLS(cr, &h, &l, &s);
                 ::ColorRGBToHLS(cr, &h2, &l2, &s2);
                 f.Expect(std::vector<WORD>({ h, l, s }), std::vector<WORD>({ h2, l2, s2 }), "RGBToHLS");
                 const WORD hue = static_cast<WORD>(f.Pick(241)), lum = static_cast<WORD>(f.Pick(241)),
                            sat = static_cast<WORD>(f.Pick(241));
                 f.Expect(CGdiUtils::HLSToRGB(hue, lum, sat), ::ColorHLSToRGB(hue, lum, sat), "HLSToRGB");
             } },
            { "DrawVerticalColoredLine", 2, [](CFuzz& f) {
                 const COLORREF crBack = RGB(1, 2, 3);
                 CDibSurface surface(4, 40, crBack);
                 const int n = f.Pick(36) - 3;
                 const COLORREF crStart = RGB(f.Pick(256), f.Pick(256), f.Pick(256));
                 const COLORREF crEnd = RGB(f.Pick(256), f.Pick(256), f.Pick(256));
                 CGdiUtils::DrawVerticalColoredLine(&surface.DC(), 1, CPoint(1, 2), n, crStart, crEnd);
                 for (int i = 0; i < std::max(n, 0) + 1; ++i)
                 {
                     COLORREF crStated = crBack;
                     if (i < n)
                     {
                         int ch[3];
                         for (int k = 0; k < 3; ++k)
                         {
                             const float a = static_cast<float>((crStart >> (8 * k)) & 0xFF);
                             const float b = static_cast<float>((crEnd >> (8 * k)) & 0xFF);
                             ch[k] = static_cast<int>(a + i * ((b - a) / static_cast<float>(n))) & 0xFF;
                         }
                         crStated = RGB(ch[0], ch[1], ch[2]);
                     }
                     f.Expect(surface.Pixel(1, 2 + i), crStated, "gradient row");
                 }
             } },
        };
    }
};

class CMemDCSubject : public CFuzzSubject
{
public:
    std::vector<SFuzzOp> Ops() override
    {
        return {
            { "draw through the surface", 1, [](CFuzz& f) {
                 const COLORREF crBefore = RGB(10, 20, 30), crDrawn = RGB(f.Pick(256), 200, 100);
                 CDibSurface surface(40, 30, crBefore);
                 CRect clip(f.Pick(45) - 5, f.Pick(35) - 5, f.Pick(45) - 5, f.Pick(35) - 5);
                 clip.NormalizeRect();
                 surface.DC().IntersectClipRect(clip);
                 {
                     CMemDC mem(&surface.DC());
                     CRect box;
                     mem.GetClipBox(box);
                     mem.FillSolidRect(box, crDrawn);
                 }
                 CRect inside;
                 inside.IntersectRect(clip, CRect(0, 0, 40, 30));
                 for (int k = 0; k < 8; ++k)
                 {
                     const CPoint pt(f.Pick(40), f.Pick(30));
                     f.Expect(surface.Pixel(pt.x, pt.y), inside.PtInRect(pt) ? crDrawn : crBefore,
                         "pixel after the copy back");
                 }
             } },
        };
    }
};

// The header of a list in a host: columns as a model of owner-drawn flags; the sort state of
// the sorted classes; for the painted class its face, frame and spacing.
template <class THeader>
class CHeaderSubject : public CFuzzSubject
{
public:
    CWnd* Window() override { return &m_header; }

    void Create() override
    {
        m_host.CreateHost(300, 30);
        m_header.Create(WS_CHILD | WS_VISIBLE | HDS_BUTTONS | HDS_HORZ, CRect(0, 0, 300, 24), &m_host, 10);
    }
    void Destroy(CFuzz&) override
    {
        m_host.DestroyWindow();
        m_ownerDrawn.clear();
    }

    void Check(CFuzz& f) override
    {
        // A message to no window answers 0.
        f.Expect(m_header.GetItemCount(), static_cast<int>(m_ownerDrawn.size()), "GetItemCount");
        for (size_t c = 0; c < m_ownerDrawn.size(); ++c)
        {
            HDITEM item = {};
            item.mask = HDI_FORMAT;
            m_header.GetItem(static_cast<int>(c), &item);
            f.Expect((item.fmt & HDF_OWNERDRAW) != 0, m_ownerDrawn[c], "owner-drawn column");
        }
    }

    std::vector<SFuzzOp> Ops() override
    {
        std::vector<SFuzzOp> ops = {
            { "InsertItem", 4, [this](CFuzz& f) {
                 const int nPos = f.Pick(static_cast<int>(m_ownerDrawn.size()) + 1);
                 HDITEM item = {};
                 item.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT | HDI_IMAGE;
                 item.pszText = const_cast<LPWSTR>(L"A caption of a column");
                 item.cxy = 20 + f.Pick(70);
                 item.fmt = HDF_STRING | (f.Chance(30) ? HDF_IMAGE : 0);
                 item.iImage = f.Pick(3);
                 const int nResult = m_header.InsertItem(nPos, &item);
                 f.Expect(nResult, m_header.GetSafeHwnd() ? nPos : 0, "InsertItem");
                 if (m_header.GetSafeHwnd())
                     m_ownerDrawn.insert(m_ownerDrawn.begin() + nResult, false);
             } },
            { "DeleteItem", 2, [this](CFuzz& f) {
                 const int nPos = f.Index(static_cast<int>(m_ownerDrawn.size()));
                 const bool bValid = nPos >= 0 && nPos < static_cast<int>(m_ownerDrawn.size());
                 f.Expect(m_header.DeleteItem(nPos) != FALSE, bValid, "DeleteItem");
                 if (bValid)
                     m_ownerDrawn.erase(m_ownerDrawn.begin() + nPos);
             } },
            { "paint", 2, [this](CFuzz& f) { PaintAndCheck(f, m_header); } },
        };
        AddSortOps(ops, m_header);
        return ops;
    }

    void AddSortOps(std::vector<SFuzzOp>&, CXHeaderCtrl&) {}
    template <class T>
    void AddSortOps(std::vector<SFuzzOp>& ops, T& header)
    {
        ops.push_back({ "SetSortImage", 5, [this, &header](CFuzz& f) {
            const int nCol = f.Index(static_cast<int>(m_ownerDrawn.size())) - (f.Chance(10) ? 1 : 0);
            const BOOL bAsc = f.Pick(2);
            f.Expect(header.SetSortImage(nCol, bAsc), m_nSortCol, "SetSortImage answers the previous column");
            m_nSortCol = nCol;
            m_bSortAsc = bAsc;
            if (nCol >= 0 && nCol < static_cast<int>(m_ownerDrawn.size()))
                m_ownerDrawn[nCol] = true;
            f.Expect(header.GetSortedColumn(), m_nSortCol, "GetSortedColumn");
            f.Expect(header.IsAscSorted(), m_bSortAsc, "IsAscSorted");
        } });
    }

    void PaintAndCheck(CFuzz& f, CHeaderCtrl& header)
    {
        header.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    }

    // The painted header: face colour right of the columns, the frame's light edge at its
    // top-left corner, through both DoPaint and the window's own paint.
    void PaintAndCheck(CFuzz& f, CXHeaderCtrl& header)
    {
        f.Expect(header.GetSpacing(), 6, "GetSpacing");
        if (!header.GetSafeHwnd())
            return;
        header.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        CRect client;
        header.GetClientRect(client);
        CDibSurface surface(client.Width(), client.Height(), RGB(1, 2, 3));
        header.DoPaint(&surface.DC());
        int nWidth = 0;
        for (int c = 0; c < header.GetItemCount(); ++c)
        {
            CRect rect;
            header.GetItemRect(c, rect);
            nWidth += rect.Width();
        }
        if (nWidth < client.Width() - 1)
            f.Expect(surface.Pixel(client.Width() - 1, client.Height() / 2), ::GetSysColor(COLOR_3DFACE), "face");
        if (nWidth > 0)
            f.Expect(surface.Pixel(0, 0), ::GetSysColor(COLOR_3DHIGHLIGHT), "frame corner");
    }

    CHostWindow m_host;
    THeader m_header;
    std::vector<bool> m_ownerDrawn;
    int m_nSortCol = -1;
    BOOL m_bSortAsc = TRUE;
};

typedef CHeaderSubject<CXHeaderCtrl> CXHeaderSubject;
typedef CHeaderSubject<CSortedHeaderCtrl> CSortedHeaderSubject;
typedef CHeaderSubject<CXSortedHeaderCtrl> CXSortedHeaderSubject;
}

ZADUV_FUZZ_CLASS(CGdiUtils, CGdiUtilsSubject)
ZADUV_FUZZ_CLASS(CMemDC, CMemDCSubject)
ZADUV_FUZZ_CLASS(CXHeaderCtrl, CXHeaderSubject)
ZADUV_FUZZ_CLASS(CSortedHeaderCtrl, CSortedHeaderSubject)
ZADUV_FUZZ_CLASS(CXSortedHeaderCtrl, CXSortedHeaderSubject)
