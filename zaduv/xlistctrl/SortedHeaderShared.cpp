#include "xlistctrl/SortedHeaderShared.h"

namespace
{
// The triangle sits at the right end of the item; its y values are counted from the top of
// the context, where the header's items start. Lines leave their end point unpainted.
void DrawSortTriangle(CDC* pDC, const CRect& rcItem, int offset, BOOL bSortAsc)
{
    const int R = rcItem.right;
    const int B = rcItem.bottom;
    const int o = offset;
    const int o3half = (3 * o) / 2;
    const int o5half = (5 * o) / 2;

    CPen penLight(PS_SOLID, 1, ::GetSysColor(COLOR_3DHILIGHT));
    CPen penShadow(PS_SOLID, 1, ::GetSysColor(COLOR_3DSHADOW));
    CPen* pOldPen = pDC->SelectObject(&penLight);

    if (bSortAsc)
    {
        // Pointing down.
        pDC->MoveTo(R - o3half, o - 1);
        pDC->LineTo(R - 2 * o - 1, B - o + 1);
        pDC->MoveTo(R - 2 * o - 1, B - o);
        pDC->SelectObject(&penShadow);
        pDC->LineTo(R - o5half - 1, o - 1);
        pDC->LineTo(R - o3half, o - 1);
    }
    else
    {
        // Pointing up.
        pDC->MoveTo(R - 2 * o, o - 1);
        pDC->LineTo(R - o3half, B - o);
        pDC->LineTo(R - o5half - 2, B - o);
        pDC->MoveTo(R - o5half - 1, B - o - 1);
        pDC->SelectObject(&penShadow);
        pDC->LineTo(R - 2 * o, o - 2);
    }

    pDC->SelectObject(pOldPen);
    penLight.DeleteObject();
    penShadow.DeleteObject();
}
}

namespace SortedHeader
{
int SetSortImage(CHeaderCtrl& header, int& nSortCol, BOOL& bSortAsc, int nCol, BOOL bAsc)
{
    const int nPrevCol = nSortCol;
    bSortAsc = bAsc;
    nSortCol = nCol;
    SetOwnerDraw(header, nCol);
    if (header.GetSafeHwnd() != NULL)
        header.Invalidate(TRUE);
    return nPrevCol;
}

void SetOwnerDraw(CHeaderCtrl& header, int nCol)
{
    HDITEM hditem = {};
    hditem.mask = HDI_FORMAT;
    if (!header.GetItem(nCol, &hditem))
        return;
    hditem.fmt |= HDF_OWNERDRAW;
    header.SetItem(nCol, &hditem);
}

void DrawItem(CHeaderCtrl& header, LPDRAWITEMSTRUCT lpDrawItemStruct, int nSortCol, BOOL bSortAsc,
    int nRoomOffsets)
{
    CDC* pDC = CDC::FromHandle(lpDrawItemStruct->hDC);
    const CRect rcItem(lpDrawItemStruct->rcItem);
    CRect rcLabel(rcItem);

    CBrush brush(::GetSysColor(COLOR_3DFACE));
    pDC->FillRect(&rcLabel, &brush);

    // Every distance scales with the header font through the width of a space.
    const int offset = pDC->GetTextExtent(_T(" "), 1).cx * 2;

    TCHAR szText[256];
    szText[0] = _T('\0');
    HDITEM hditem = {};
    hditem.mask = HDI_TEXT | HDI_FORMAT;
    hditem.pszText = szText;
    hditem.cchTextMax = 255;
    header.GetItem(static_cast<int>(lpDrawItemStruct->itemID), &hditem);

    UINT uFormat = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS;
    if (hditem.fmt & HDF_CENTER)
        uFormat |= DT_CENTER;
    else if (hditem.fmt & HDF_RIGHT)
        uFormat |= DT_RIGHT;

    // A pressed column shows its caption pushed in; any other state leaves it in place.
    if (lpDrawItemStruct->itemState == ODS_SELECTED)
    {
        rcLabel.left++;
        rcLabel.top += 2;
        rcLabel.right++;
    }

    const BOOL bSortColumn = static_cast<int>(lpDrawItemStruct->itemID) == nSortCol;
    if (bSortColumn)
        rcLabel.right -= nRoomOffsets * offset;

    rcLabel.left += offset;
    rcLabel.right -= offset;

    pDC->DrawText(szText, -1, &rcLabel, uFormat);

    if (bSortColumn)
        DrawSortTriangle(pDC, rcItem, offset, bSortAsc);
}
}
