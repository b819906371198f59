#include "controls/ColorListBox.h"

namespace
{
const COLORREF KEEP_COLOR = static_cast<COLORREF>(-1);
const DWORD_PTR NO_ITEM_DATA = static_cast<DWORD_PTR>(-1);

COLORLISTITEM MakeStartRecord()
{
    COLORLISTITEM record;
    record.dwData = 0;
    record.crText = ::GetSysColor(COLOR_WINDOWTEXT);
    record.crBk = ::GetSysColor(COLOR_WINDOW);
    record.crSelText = ::GetSysColor(COLOR_HIGHLIGHTTEXT);
    record.crSelBk = ::GetSysColor(COLOR_HIGHLIGHT);
    return record;
}
}

BEGIN_MESSAGE_MAP(CColorListBox, CListBox)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CColorListBox::CColorListBox()
    : m_nTabStop(0)
{
}

// The window normally frees the records when it is destroyed; these are what an object
// destroyed before its window still held.
CColorListBox::~CColorListBox()
{
    for (const COLORLISTITEM* pRecord : m_records)
        delete pRecord;
}

int CColorListBox::AddString(LPCTSTR lpszItem, COLORREF crText)
{
    SetRedraw(FALSE);
    int nIndex = CListBox::AddString(lpszItem);
    return AddRecord(nIndex, crText);
}

int CColorListBox::InsertString(int nIndex, LPCTSTR lpszItem, COLORREF crText)
{
    SetRedraw(FALSE);
    int nResult = CListBox::InsertString(nIndex, lpszItem);
    return AddRecord(nResult, crText);
}

int CColorListBox::DeleteString(UINT nIndex)
{
    if (nIndex < static_cast<UINT>(GetCount()))
        FreeRecord(static_cast<int>(nIndex));
    return CListBox::DeleteString(nIndex);
}

void CColorListBox::ResetContent()
{
    const int nCount = GetCount();
    for (int i = 0; i < nCount; ++i)
        FreeRecord(i);
    CListBox::ResetContent();
}

void CColorListBox::SetItemColor(int nIndex, COLORREF crText, COLORREF crBk, COLORREF crSelText, COLORREF crSelBk)
{
    COLORLISTITEM* pRecord = GetRecord(nIndex);
    if (pRecord == NULL)
        return;
    pRecord->crText = crText;
    if (crBk != KEEP_COLOR)
        pRecord->crBk = crBk;
    if (crSelText != KEEP_COLOR)
        pRecord->crSelText = crSelText;
    if (crSelBk != KEEP_COLOR)
        pRecord->crSelBk = crSelBk;
    Invalidate(TRUE);
}

DWORD_PTR CColorListBox::GetItemData(int nIndex) const
{
    const COLORLISTITEM* pRecord = GetRecord(nIndex);
    return pRecord != NULL ? pRecord->dwData : NO_ITEM_DATA;
}

void* CColorListBox::GetItemDataPtr(int nIndex) const
{
    return reinterpret_cast<void*>(GetItemData(nIndex));
}

int CColorListBox::SetItemData(int nIndex, DWORD_PTR dwItemData)
{
    COLORLISTITEM* pRecord = GetRecord(nIndex);
    if (pRecord == NULL)
        return 0;
    pRecord->dwData = dwItemData;
    return 1;
}

int CColorListBox::SetItemDataPtr(int nIndex, void* pData)
{
    return SetItemData(nIndex, reinterpret_cast<DWORD_PTR>(pData));
}

void CColorListBox::SelectByItemData(DWORD_PTR dwData)
{
    const int nCount = GetCount();
    for (int i = 0; i < nCount; ++i)
    {
        const COLORLISTITEM* pRecord = static_cast<const COLORLISTITEM*>(CListBox::GetItemDataPtr(i));
        if (OwnsRecord(pRecord) && pRecord->dwData == dwData)
        {
            SetCurSel(i);
            return;
        }
    }
    SetCurSel(-1);
}

DWORD_PTR CColorListBox::GetSelectedItemData() const
{
    const COLORLISTITEM* pRecord = GetRecord(GetCurSel());
    return pRecord != NULL ? pRecord->dwData : 0;
}

void CColorListBox::SetTabStop(int nTabStop)
{
    m_nTabStop = nTabStop;
}

// A control subclassed after creation never sees the measuring request of its creation.
void CColorListBox::PreSubclassWindow()
{
    CListBox::PreSubclassWindow();
    SetItemHeight(0, static_cast<UINT>(GetItemHeightFromFont()));
}

void CColorListBox::MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct)
{
    lpMeasureItemStruct->itemHeight = static_cast<UINT>(GetItemHeightFromFont());
}

void CColorListBox::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    // An empty list that gets the focus asks for item -1.
    if (static_cast<int>(lpDrawItemStruct->itemID) < 0)
        return;
    const COLORLISTITEM* pOwned = reinterpret_cast<const COLORLISTITEM*>(lpDrawItemStruct->itemData);
    const COLORLISTITEM record = OwnsRecord(pOwned) ? *pOwned : MakeStartRecord();
    CDC* pDC = CDC::FromHandle(lpDrawItemStruct->hDC);
    const CRect rectItem(lpDrawItemStruct->rcItem);
    const UINT nState = lpDrawItemStruct->itemState;

    if (lpDrawItemStruct->itemAction & (ODA_DRAWENTIRE | ODA_SELECT))
    {
        CBrush brush;
        brush.CreateSolidBrush((nState & ODS_SELECTED) ? record.crSelBk : record.crBk);
        pDC->FillRect(&rectItem, &brush);
    }
    // Inverting: a second focus request takes the frame away again.
    if (lpDrawItemStruct->itemAction & ODA_FOCUS)
        pDC->DrawFocusRect(&rectItem);

    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    COLORREF crText = record.crText;
    if (nState & ODS_SELECTED)
        crText = record.crSelText;
    else if (nState & ODS_DISABLED)
        crText = ::GetSysColor(COLOR_GRAYTEXT);
    const COLORREF crOldText = pDC->SetTextColor(crText);

    CString strText;
    CListBox::GetText(static_cast<int>(lpDrawItemStruct->itemID), strText);
    DrawItemText(pDC, strText, rectItem);

    pDC->SetTextColor(crOldText);
    pDC->SetBkMode(nOldMode);
}

// Implementation

// Redraw was switched off by the caller; it comes back on whatever the list box answered.
// A hidden list box (one that a dialog fills before it shows) is painted whole when it
// appears, and the platform drops invalidation of hidden windows, so it is not asked for there:
// it would cost a round trip per item.
int CColorListBox::AddRecord(int nIndex, COLORREF crText)
{
    if (nIndex >= 0)
    {
        // What SetItemColor(nIndex, crText, -1, -1, -1) does; the invalidation follows below.
        COLORLISTITEM* pRecord = new COLORLISTITEM(MakeStartRecord());
        pRecord->crText = crText;
        m_records.insert(pRecord);
        CListBox::SetItemDataPtr(nIndex, pRecord);
    }
    SetRedraw(TRUE);
    if (IsWindowVisible())
        Invalidate(TRUE);
    return nIndex;
}

COLORLISTITEM* CColorListBox::GetRecord(int nIndex) const
{
    if (nIndex < 0 || nIndex >= GetCount())
        return NULL;
    COLORLISTITEM* pRecord = static_cast<COLORLISTITEM*>(CListBox::GetItemDataPtr(nIndex));
    return OwnsRecord(pRecord) ? pRecord : NULL;
}

BOOL CColorListBox::OwnsRecord(const COLORLISTITEM* pRecord) const
{
    return pRecord != NULL && m_records.count(pRecord) != 0;
}

void CColorListBox::FreeRecord(int nIndex)
{
    COLORLISTITEM* pRecord = GetRecord(nIndex);
    if (pRecord == NULL)
        return;
    m_records.erase(pRecord);
    CListBox::SetItemDataPtr(nIndex, NULL);
    delete pRecord;
}

// The window's DC as it comes, without the control's font: the height follows the DC's own
// text metrics, three pixels less.
int CColorListBox::GetItemHeightFromFont()
{
    CWindowDC dc(this);
    TEXTMETRIC tm;
    dc.GetTextMetrics(&tm);
    return tm.tmHeight - 3;
}

// Measuring first leaves the rectangle exactly as tall as the text, so the text starts at the
// item's top-left corner and its lowest pixels may reach into the next item until that one draws.
void CColorListBox::DrawItemText(CDC* pDC, const CString& strText, CRect rect)
{
    UINT nFormat = DT_SINGLELINE | DT_VCENTER;
    if (GetStyle() & LBS_USETABSTOPS)
    {
        nFormat |= DT_EXPANDTABS;
        if (m_nTabStop > 0)
            nFormat |= DT_TABSTOP;
    }
    if (m_nTabStop <= 0)
    {
        pDC->DrawText(strText, -1, &rect, nFormat | DT_CALCRECT);
        pDC->DrawText(strText, -1, &rect, nFormat);
        return;
    }
    DRAWTEXTPARAMS params;
    params.cbSize = sizeof(DRAWTEXTPARAMS);
    params.iTabLength = m_nTabStop;
    params.iLeftMargin = 0;
    params.iRightMargin = 0;
    params.uiLengthDrawn = static_cast<UINT>(strText.GetLength());
    pDC->DrawTextEx(strText, &rect, nFormat | DT_CALCRECT, &params);
    pDC->DrawTextEx(strText, &rect, nFormat, &params);
}

void CColorListBox::OnDestroy()
{
    ResetContent();
    CListBox::OnDestroy();
}
