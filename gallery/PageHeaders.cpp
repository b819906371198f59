// The header controls: CXHeaderCtrl painting itself through CMemDC (images at the left, a
// bitmap at the right, long captions cut with an ellipsis) and the two sorted headers attached
// to list views, each shown sorted ascending and descending.

#include "GalleryPage.h"
#include "GalleryStyle.h"

#include <afxcmn.h>
#include <zaduv.h>

class CPageHeaders : public CGalleryPage
{
public:
    CPageHeaders();
    virtual ~CPageHeaders();

    virtual CString GetTitle() const { return L"Header controls"; }
    virtual CString GetDescription() const
    {
        return L"CXHeaderCtrl paints flicker-free through CMemDC; the sorted headers mark the sort column.";
    }

protected:
    virtual BOOL OnCreatePage();
    virtual void OnDraw(CDC* pDC);

// Implementation
private:
    enum { kHeaderHeight = 26, kListWidth = 318, kListHeight = 124, kListGap = 24, kRowGap = 46 };
    enum { IDC_XHEADER = 100, IDC_LIST_FIRST = 110 };

    // Header image 0 is never shown (index 0 means "no image"); 1 and 2 are the unchecked and
    // checked boxes a list control keeps in its header, 3 a marker.
    void CreateImages();
    void CreateBitmap();
    BOOL CreateXHeader(const CRect& rect);
    BOOL CreateSortedList(int nList, const CRect& rect, CXHeaderCtrl& header);
    void FillList(CListCtrl& list, int nSortColumn, BOOL bAscending);
    CRect GetXHeaderRect() const;
    CRect GetListRect(int nList) const;
    void DrawCaption(CDC* pDC, const CRect& rect, LPCWSTR lpszText, CFont* pFont, COLORREF cr);

    CImageList m_images;
    CBitmap m_bitmap;
    CXHeaderCtrl m_header;
    CListCtrl m_lists[4];
    CSortedHeaderCtrl m_sorted[2];
    CXSortedHeaderCtrl m_xsorted[2];
};

REGISTER_GALLERY_PAGE(CPageHeaders, 40, L"headers");

namespace
{
struct SPatientRow
{
    LPCWSTR lpszName;
    LPCWSTR lpszDate;
    LPCWSTR lpszModality;
};

const SPatientRow s_rows[] = {
    { L"Keller, Anna", L"2023-11-04", L"CT" },
    { L"Brandt, Jonas", L"2024-02-19", L"MR" },
    { L"Albers, Mia", L"2022-07-30", L"US" },
    { L"Dorn, Lukas", L"2024-06-02", L"XA" },
    { L"Ernst, Clara", L"2021-12-15", L"CR" },
};

LPCWSTR RowText(const SPatientRow& row, int nColumn)
{
    return nColumn == 0 ? row.lpszName : nColumn == 1 ? row.lpszDate : row.lpszModality;
}
}

CPageHeaders::CPageHeaders()
{
}

CPageHeaders::~CPageHeaders()
{
    // The list views go with their header windows before any header object is destroyed.
    if (m_hWnd != NULL)
        DestroyWindow();
}

BOOL CPageHeaders::OnCreatePage()
{
    CreateImages();
    CreateBitmap();
    if (!CreateXHeader(GetXHeaderRect()))
        return FALSE;
    for (int nList = 0; nList < 4; ++nList)
    {
        CXHeaderCtrl& header = nList < 2 ? static_cast<CXHeaderCtrl&>(m_sorted[nList])
                                         : static_cast<CXHeaderCtrl&>(m_xsorted[nList - 2]);
        if (!CreateSortedList(nList, GetListRect(nList), header))
            return FALSE;
    }

    // The owning list sorts and then tells its header: column and direction.
    FillList(m_lists[0], 1, TRUE);
    m_sorted[0].SetSortImage(1, TRUE);
    FillList(m_lists[1], 1, FALSE);
    m_sorted[1].SetSortImage(1, FALSE);
    FillList(m_lists[2], 0, TRUE);
    m_xsorted[0].SetSortImage(0, TRUE);
    FillList(m_lists[3], 2, FALSE);
    m_xsorted[1].SetSortImage(2, FALSE);
    return TRUE;
}

void CPageHeaders::CreateImages()
{
    if (m_images.GetSafeHandle() != NULL)
        m_images.DeleteImageList();
    const int cx = 16;
    m_images.Create(cx, cx, ILC_COLOR24, 4, 0);

    CClientDC dcScreen(NULL);
    CDC dc;
    dc.CreateCompatibleDC(&dcScreen);
    const COLORREF crFace = ::GetSysColor(COLOR_3DFACE);
    for (int nImage = 0; nImage < 4; ++nImage)
    {
        CBitmap bitmap;
        bitmap.CreateCompatibleBitmap(&dcScreen, cx, cx);
        CBitmap* pOldBitmap = dc.SelectObject(&bitmap);
        CRect rect(0, 0, cx, cx);
        dc.FillSolidRect(&rect, crFace);
        if (nImage == 1 || nImage == 2)
        {
            CRect rectBox(1, 1, 15, 15);
            dc.DrawFrameControl(&rectBox, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_FLAT | (nImage == 2 ? DFCS_CHECKED : 0));
        }
        else if (nImage == 3)
        {
            CBrush brush(RGB(214, 98, 34));
            CPen pen(PS_SOLID, 1, RGB(150, 60, 20));
            CBrush* pOldBrush = dc.SelectObject(&brush);
            CPen* pOldPen = dc.SelectObject(&pen);
            POINT star[] = { { 8, 1 }, { 10, 6 }, { 15, 6 }, { 11, 9 }, { 13, 15 }, { 8, 11 }, { 3, 15 }, { 5, 9 },
                { 1, 6 }, { 6, 6 } };
            dc.Polygon(star, 10);
            dc.SelectObject(pOldPen);
            dc.SelectObject(pOldBrush);
        }
        dc.SelectObject(pOldBitmap);
        m_images.Add(&bitmap, static_cast<CBitmap*>(NULL));
    }
}

void CPageHeaders::CreateBitmap()
{
    m_bitmap.DeleteObject();
    CClientDC dcScreen(NULL);
    CDC dc;
    dc.CreateCompatibleDC(&dcScreen);
    m_bitmap.CreateCompatibleBitmap(&dcScreen, 14, 14);
    CBitmap* pOldBitmap = dc.SelectObject(&m_bitmap);
    dc.FillSolidRect(0, 0, 14, 14, ::GetSysColor(COLOR_3DFACE));
    CBrush brush(RGB(38, 98, 178));
    CBrush* pOldBrush = dc.SelectObject(&brush);
    CGdiObject* pOldPen = dc.SelectStockObject(NULL_PEN);
    dc.Ellipse(1, 1, 14, 14);
    dc.FillSolidRect(6, 4, 2, 2, RGB(255, 255, 255));
    dc.FillSolidRect(6, 7, 2, 4, RGB(255, 255, 255));
    dc.SelectObject(pOldPen);
    dc.SelectObject(pOldBrush);
    dc.SelectObject(pOldBitmap);
}

BOOL CPageHeaders::CreateXHeader(const CRect& rect)
{
    if (!m_header.Create(WS_CHILD | WS_VISIBLE | HDS_HORZ | HDS_BUTTONS, rect, this, IDC_XHEADER))
        return FALSE;
    m_header.SetFont(&m_fontText);
    m_header.SetImageList(&m_images);

    struct SColumn
    {
        LPCWSTR lpszCaption;
        int cx;
        int iImage;
        BOOL bBitmap;
    } const columns[] = {
        { L"Selected", 110, 2, FALSE },
        { L"Archived", 110, 1, FALSE },
        { L"Priority", 100, 3, FALSE },
        { L"Details", 110, 0, TRUE },
        { L"Referring physician and department", 120, 0, FALSE },
    };
    for (const SColumn& column : columns)
    {
        HDITEM hdi = {};
        hdi.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT | HDI_IMAGE;
        hdi.pszText = const_cast<LPWSTR>(column.lpszCaption);
        hdi.cxy = column.cx;
        hdi.fmt = HDF_STRING | HDF_LEFT;
        hdi.iImage = column.iImage;
        if (column.bBitmap)
        {
            hdi.mask |= HDI_BITMAP;
            hdi.fmt |= HDF_BITMAP;
            hdi.hbm = m_bitmap;
        }
        m_header.InsertItem(m_header.GetItemCount(), &hdi);
    }
    return TRUE;
}

BOOL CPageHeaders::CreateSortedList(int nList, const CRect& rect, CXHeaderCtrl& header)
{
    CListCtrl& list = m_lists[nList];
    if (!list.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | LVS_REPORT | LVS_SHOWSELALWAYS, rect, this,
            IDC_LIST_FIRST + nList))
        return FALSE;
    list.SetFont(&m_fontText);
    list.SetExtendedStyle(LVS_EX_FULLROWSELECT);
    list.InsertColumn(0, L"Patient", LVCFMT_LEFT, 118);
    list.InsertColumn(1, L"Study date", LVCFMT_CENTER, 104);
    list.InsertColumn(2, L"Modality", LVCFMT_RIGHT, 92);
    return header.SubclassWindow(ListView_GetHeader(list.m_hWnd));
}

void CPageHeaders::FillList(CListCtrl& list, int nSortColumn, BOOL bAscending)
{
    const int nRows = static_cast<int>(sizeof(s_rows) / sizeof(s_rows[0]));
    int order[nRows];
    for (int i = 0; i < nRows; ++i)
        order[i] = i;
    for (int i = 1; i < nRows; ++i)
        for (int j = i; j > 0; --j)
        {
            int nCompare = wcscmp(RowText(s_rows[order[j - 1]], nSortColumn), RowText(s_rows[order[j]], nSortColumn));
            if (bAscending ? nCompare <= 0 : nCompare >= 0)
                break;
            std::swap(order[j - 1], order[j]);
        }
    for (int i = 0; i < nRows; ++i)
    {
        const SPatientRow& row = s_rows[order[i]];
        list.InsertItem(i, row.lpszName);
        list.SetItemText(i, 1, row.lpszDate);
        list.SetItemText(i, 2, row.lpszModality);
    }
}

CRect CPageHeaders::GetXHeaderRect() const
{
    CRect rectContent = GetContentRect();
    return CRect(rectContent.left, rectContent.top + 24, rectContent.right, rectContent.top + 24 + kHeaderHeight);
}

CRect CPageHeaders::GetListRect(int nList) const
{
    CRect rectHeader = GetXHeaderRect();
    const int nRow = nList % 2;
    const int nColumn = nList / 2;
    const int x = rectHeader.left + nColumn * (kListWidth + kListGap);
    const int y = rectHeader.bottom + 82 + nRow * (kListHeight + kRowGap);
    return CRect(x, y, x + kListWidth, y + kListHeight);
}

void CPageHeaders::OnDraw(CDC* pDC)
{
    CRect rectHeader = GetXHeaderRect();
    DrawCaption(pDC, CRect(rectHeader.left, rectHeader.top - 24, rectHeader.right, rectHeader.top - 4),
        L"CXHeaderCtrl: images, a bitmap, ellipsis, dividers and frame", &m_fontBold, GalleryStyle::crTitle);
    DrawCaption(pDC, CRect(rectHeader.left, rectHeader.bottom + 6, rectHeader.right, rectHeader.bottom + 24),
        L"Image 0 is \"no image\"; the header check boxes are images 1 and 2. Captions are always centred.",
        &m_fontSmall, GalleryStyle::crMuted);

    LPCWSTR titles[] = {
        L"CSortedHeaderCtrl, ascending by study date",
        L"CSortedHeaderCtrl, descending by study date",
        L"CXSortedHeaderCtrl, ascending by patient",
        L"CXSortedHeaderCtrl, descending by modality",
    };
    for (int nList = 0; nList < 4; ++nList)
    {
        CRect rectList = GetListRect(nList);
        if (nList % 2 == 0)
        {
            CRect rectSection(rectList.left, rectList.top - 48, rectList.right, rectList.top - 28);
            DrawCaption(pDC, rectSection, nList < 2 ? L"Sorted header: room of 2 offsets" : L"Extended sorted header: room of 3 offsets",
                &m_fontBold, GalleryStyle::crTitle);
        }
        DrawCaption(pDC, CRect(rectList.left, rectList.top - 22, rectList.right, rectList.top - 4), titles[nList],
            &m_fontSmall, GalleryStyle::crMuted);
    }
}

void CPageHeaders::DrawCaption(CDC* pDC, const CRect& rect, LPCWSTR lpszText, CFont* pFont, COLORREF cr)
{
    CFont* pOldFont = pDC->SelectObject(pFont);
    COLORREF crOld = pDC->SetTextColor(cr);
    CRect rectText(rect);
    pDC->DrawText(lpszText, -1, &rectText, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
    pDC->SetTextColor(crOld);
    pDC->SelectObject(pOldFont);
}
