#include "GallerySelector.h"

#include "GalleryStyle.h"

BEGIN_MESSAGE_MAP(CGallerySelector, CListBox)
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

CGallerySelector::CGallerySelector()
{
}

CGallerySelector::~CGallerySelector()
{
}

BOOL CGallerySelector::CreateSelector(const CRect& rect, CWnd* pParentWnd, UINT nID)
{
    NONCLIENTMETRICSW ncm = {};
    ncm.cbSize = sizeof(ncm);
    ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(ncm), &ncm, 0);
    LOGFONTW lf = ncm.lfMessageFont;
    lf.lfHeight = lf.lfHeight * 9 / 8;
    m_font.CreateFontIndirect(&lf);
    lf.lfWeight = FW_BOLD;
    m_fontSelected.CreateFontIndirect(&lf);

    if (!Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | LBS_OWNERDRAWFIXED |
            LBS_HASSTRINGS, rect, pParentWnd, nID))
        return FALSE;
    SetFont(&m_font, FALSE);
    SetItemHeight(0, kItemHeight);
    return TRUE;
}

void CGallerySelector::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    if (lpDrawItemStruct->itemID == static_cast<UINT>(-1))
        return;
    CDC* pDC = CDC::FromHandle(lpDrawItemStruct->hDC);
    CRect rect(lpDrawItemStruct->rcItem);
    BOOL bSelected = (lpDrawItemStruct->itemState & ODS_SELECTED) != 0;

    pDC->FillSolidRect(&rect, bSelected ? GalleryStyle::crPage : GalleryStyle::crSelector);
    if (bSelected)
        pDC->FillSolidRect(rect.left, rect.top, 4, rect.Height(), GalleryStyle::crAfterEdge);

    CString strText;
    GetText(static_cast<int>(lpDrawItemStruct->itemID), strText);
    int nOldMode = pDC->SetBkMode(TRANSPARENT);
    COLORREF crOldText = pDC->SetTextColor(bSelected ? GalleryStyle::crTitle : GalleryStyle::crText);
    CFont* pOldFont = pDC->SelectObject(bSelected ? &m_fontSelected : &m_font);
    CRect rectText(rect);
    rectText.DeflateRect(16, 0, 8, 0);
    pDC->DrawText(strText, &rectText, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
    pDC->SelectObject(pOldFont);
    pDC->SetTextColor(crOldText);
    pDC->SetBkMode(nOldMode);
}

void CGallerySelector::MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct)
{
    lpMeasureItemStruct->itemHeight = kItemHeight;
}

BOOL CGallerySelector::OnEraseBkgnd(CDC* pDC)
{
    CRect rectClient;
    GetClientRect(&rectClient);
    pDC->FillSolidRect(&rectClient, GalleryStyle::crSelector);
    return TRUE;
}
