#include "xlistctrl/XHeaderCtrl.h"

#include "foundation/MemDC.h"

#include <algorithm>

IMPLEMENT_DYNCREATE(CXHeaderCtrl, CHeaderCtrl)

BEGIN_MESSAGE_MAP(CXHeaderCtrl, CHeaderCtrl)
    ON_MESSAGE(HDM_INSERTITEMA, &CXHeaderCtrl::OnInsertItem)
    ON_MESSAGE(HDM_INSERTITEMW, &CXHeaderCtrl::OnInsertItem)
    ON_MESSAGE(HDM_DELETEITEM, &CXHeaderCtrl::OnDeleteItem)
    ON_MESSAGE(HDM_SETIMAGELIST, &CXHeaderCtrl::OnSetImageList)
    ON_MESSAGE(HDM_LAYOUT, &CXHeaderCtrl::OnLayout)
    ON_WM_PAINT()
    ON_WM_SYSCOLORCHANGE()
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

namespace
{
// HDM_GETITEM copies at most this many characters less one, so longer captions are cut.
const int CAPTION_BUFFER = 80;
}

CXHeaderCtrl::CXHeaderCtrl()
    : m_bDoubleBuffer(TRUE),
      m_iSpacing(6),
      m_sizeImage(0, 0),
      m_bStaticBorder(FALSE),
      m_cr3DHighLight(::GetSysColor(COLOR_3DHIGHLIGHT)),
      m_cr3DShadow(::GetSysColor(COLOR_3DSHADOW)),
      m_cr3DFace(::GetSysColor(COLOR_3DFACE)),
      m_crBtnText(::GetSysColor(COLOR_BTNTEXT))
{
}

CXHeaderCtrl::~CXHeaderCtrl()
{
}

void CXHeaderCtrl::DoPaint(CDC* pDC)
{
    CRect rectClip;
    if (pDC->GetClipBox(&rectClip) == ERROR)
        return;

    CRect rectClient;
    GetClientRect(&rectClient);

    pDC->FillSolidRect(&rectClip, m_cr3DFace);

    const int nItems = GetItemCount();

    CPen penHighLight(PS_SOLID, 1, m_cr3DHighLight);
    CPen penShadow(PS_SOLID, 1, m_cr3DShadow);
    CPen* pOldPen = pDC->GetCurrentPen();
    CFont* pOldFont = pDC->SelectObject(GetFont());
    pDC->SetBkColor(m_cr3DFace);
    pDC->SetTextColor(m_crBtnText);

    int iWidth = 0;
    for (int i = 0; i < nItems; i++)
    {
        const int iItem = OrderToIndex(i);

        TCHAR szText[CAPTION_BUFFER];
        szText[0] = _T('\0');
        HDITEM hditem = {};
        hditem.mask = HDI_WIDTH | HDI_TEXT | HDI_FORMAT | HDI_BITMAP | HDI_IMAGE;
        hditem.pszText = szText;
        hditem.cchTextMax = CAPTION_BUFFER;
        GetItem(iItem, &hditem);

        CRect rectItem;
        GetItemRect(iItem, &rectItem);

        if (hditem.fmt & HDF_OWNERDRAW)
        {
            DRAWITEMSTRUCT dis;
            dis.CtlType = ODT_HEADER;
            dis.CtlID = GetDlgCtrlID();
            dis.itemID = iItem;
            dis.itemAction = ODA_DRAWENTIRE;
            dis.itemState = 0;
            dis.hwndItem = m_hWnd;
            dis.hDC = pDC->m_hDC;
            dis.rcItem = rectItem;
            dis.itemData = 0;
            DrawItem(&dis);
        }
        else
        {
            rectItem.DeflateRect(m_iSpacing, 0);
            DrawItemContent(pDC, rectItem, &hditem);
            rectItem.InflateRect(m_iSpacing, 0);
        }

        if (i < nItems - 1)
        {
            pDC->SelectObject(&penShadow);
            pDC->MoveTo(rectItem.right - 1, rectItem.top + 2);
            pDC->LineTo(rectItem.right - 1, rectItem.bottom - 2);

            pDC->SelectObject(&penHighLight);
            pDC->MoveTo(rectItem.right, rectItem.top + 2);
            pDC->LineTo(rectItem.right, rectItem.bottom - 2);
        }

        iWidth += hditem.cxy;
    }

    if (iWidth > 0)
    {
        rectClient.right = rectClient.left + iWidth;
        pDC->Draw3dRect(&rectClient, m_cr3DHighLight, m_cr3DShadow);
    }

    pDC->SelectObject(pOldFont);
    pDC->SelectObject(pOldPen);
    penHighLight.DeleteObject();
    penShadow.DeleteObject();
}

void CXHeaderCtrl::DrawItem(LPDRAWITEMSTRUCT)
{
}

int CXHeaderCtrl::DrawItemContent(CDC* pDC, CRect rect, LPHDITEM lphdi)
{
    CBitmap* pBitmap = NULL;
    BITMAP bm = {};
    if ((lphdi->fmt & HDF_BITMAP) && lphdi->hbm != NULL
        && ::GetObject(lphdi->hbm, sizeof(BITMAP), &bm) != 0)
    {
        pBitmap = CBitmap::FromHandle(lphdi->hbm);
    }

    int w = DrawImage(pDC, rect, lphdi, FALSE);
    if (w != 0)
        rect.left += w + m_iSpacing;

    w = DrawBitmap(pDC, rect, lphdi, pBitmap, &bm, TRUE);
    if (w != 0)
        rect.right -= w + m_iSpacing;

    return DrawItemText(pDC, rect, lphdi);
}

int CXHeaderCtrl::DrawImage(CDC* pDC, CRect rect, LPHDITEM lphdi, BOOL bRight)
{
    CImageList* pImageList = GetImageList();
    if (pImageList == NULL || lphdi->iImage == 0)
        return 0;
    if (rect.Width() <= 0)
        return 0;

    CPoint point;
    point.y = (rect.top + rect.bottom) / 2 - (m_sizeImage.cy >> 1);
    point.x = bRight ? rect.right - m_sizeImage.cx : rect.left;

    // A column narrower than the image shows the image's left part only.
    CSize size(std::min(rect.Width(), static_cast<int>(m_sizeImage.cx)), m_sizeImage.cy);

    // Masked parts of the image take the colour the header is painted with.
    const COLORREF crOldBk = pImageList->SetBkColor(pDC->GetBkColor());
    pImageList->DrawIndirect(pDC, lphdi->iImage, point, size, CPoint(0, 0));
    pImageList->SetBkColor(crOldBk);

    return m_sizeImage.cx;
}

int CXHeaderCtrl::DrawBitmap(CDC* pDC, CRect rect, LPHDITEM, CBitmap* pBitmap, BITMAP* pBitmapInfo, BOOL bRight)
{
    if (pBitmap == NULL)
        return 0;
    if (pBitmapInfo->bmWidth > rect.Width() || rect.Width() <= 0)
        return 0;

    CPoint point;
    point.y = (rect.top + rect.bottom) / 2 - (pBitmapInfo->bmHeight >> 1);
    point.x = bRight ? rect.right - pBitmapInfo->bmWidth : rect.left;

    CDC dc;
    if (!dc.CreateCompatibleDC(pDC))
        return 0;
    CBitmap* pOldBitmap = dc.SelectObject(pBitmap);
    const BOOL bCopied = pDC->BitBlt(point.x, point.y, pBitmapInfo->bmWidth, pBitmapInfo->bmHeight,
        &dc, 0, 0, SRCCOPY);
    dc.SelectObject(pOldBitmap);
    dc.DeleteDC();

    return bCopied ? pBitmapInfo->bmWidth : 0;
}

int CXHeaderCtrl::DrawItemText(CDC* pDC, CRect rect, LPHDITEM lphdi)
{
    // Stays black for the rest of the paint, owner-drawn columns painted later included.
    pDC->SetTextColor(RGB(0, 0, 0));

    int nWidth = 0;
    if (rect.Width() > 0 && (lphdi->mask & HDI_TEXT) && (lphdi->fmt & HDF_STRING))
    {
        CSize size;
        size = pDC->GetTextExtent(lphdi->pszText, lstrlen(lphdi->pszText));
        // Captions are centred whatever alignment the column asks for.
        pDC->DrawText(lphdi->pszText, -1, &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
        nWidth = std::max(0, std::min(static_cast<int>(size.cx), rect.Width()));
    }
    return nWidth;
}

void CXHeaderCtrl::ReadSysColors()
{
    m_cr3DHighLight = ::GetSysColor(COLOR_3DHIGHLIGHT);
    m_cr3DShadow = ::GetSysColor(COLOR_3DSHADOW);
    m_cr3DFace = ::GetSysColor(COLOR_3DFACE);
    m_crBtnText = ::GetSysColor(COLOR_BTNTEXT);
}

LRESULT CXHeaderCtrl::OnInsertItem(WPARAM, LPARAM)
{
    return Default();
}

LRESULT CXHeaderCtrl::OnDeleteItem(WPARAM, LPARAM)
{
    return Default();
}

LRESULT CXHeaderCtrl::OnSetImageList(WPARAM, LPARAM lParam)
{
    IMAGEINFO info;
    if (::ImageList_GetImageInfo(reinterpret_cast<HIMAGELIST>(lParam), 0, &info))
    {
        m_sizeImage.cx = info.rcImage.right - info.rcImage.left;
        m_sizeImage.cy = info.rcImage.bottom - info.rcImage.top;
    }
    return Default();
}

LRESULT CXHeaderCtrl::OnLayout(WPARAM, LPARAM lParam)
{
    LPHDLAYOUT lphdlayout = reinterpret_cast<LPHDLAYOUT>(lParam);
    if (m_bStaticBorder)
        lphdlayout->prc->right += ::GetSystemMetrics(SM_CXBORDER) * 2;
    return CWnd::DefWindowProc(HDM_LAYOUT, 0, lParam);
}

void CXHeaderCtrl::OnPaint()
{
    CPaintDC dc(this);
    if (m_bDoubleBuffer)
    {
        CMemDC memDC(&dc);
        DoPaint(&memDC);
    }
    else
    {
        DoPaint(&dc);
    }
}

void CXHeaderCtrl::OnSysColorChange()
{
    CHeaderCtrl::OnSysColorChange();
    ReadSysColors();
}

BOOL CXHeaderCtrl::OnEraseBkgnd(CDC*)
{
    return TRUE;
}
