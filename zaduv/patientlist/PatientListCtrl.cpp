#include "patientlist/PatientListCtrl.h"

#include "patientlist/FilterMatcher.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <vector>

namespace
{
// Room the header keeps for its sort triangle beside a column's title.
const int SORT_MARK_ROOM = 20;
}

BEGIN_MESSAGE_MAP(CPatientListCtrl, CListCtrl)
    ON_WM_DESTROY()
    ON_NOTIFY_REFLECT(LVN_COLUMNCLICK, &CPatientListCtrl::OnColumnClick)
END_MESSAGE_MAP()

CPatientListCtrl::CPatientListCtrl()
    : m_nSortState(0)
{
}

// The members go in reverse order - filter text, store, profile, header - and then the list
// control with its window.
CPatientListCtrl::~CPatientListCtrl()
{
}

void CPatientListCtrl::Init(const CPatientProfile& profile)
{
    m_profile = profile;
}

// Attributes

CPatient CPatientListCtrl::GetSelectedPatient() const
{
    const int nRow = GetFirstSelectedRow();
    if (nRow == -1)
        return CPatient();
    const CPatient* pPatient = GetRowPatient(nRow);
    return pPatient != NULL ? *pPatient : CPatient();
}

CPatient CPatientListCtrl::GetPatient(int nRow) const
{
    if (nRow < 0 || nRow >= GetItemCount())
        return CPatient();
    const CPatient* pPatient = GetRowPatient(nRow);
    return pPatient != NULL ? *pPatient : CPatient();
}

int CPatientListCtrl::IsPatientSelected() const
{
    return GetFirstSelectedRow() != -1 ? 1 : 0;
}

// Operations

void CPatientListCtrl::AddPatient(const CPatient& patient, int bReFilter)
{
    const INT_PTR nIndex = m_arrPatients.Add(patient);
    InsertPatientRow(GetItemCount(), nIndex, GetEffectiveColumnCount());
    if (bReFilter)
        ReFilter();
}

// Each patient goes in as AddPatient without filtering puts it; the column count is read
// once for the whole array.
void CPatientListCtrl::AddPatientArray(const CPatientArray& arrPatients)
{
    const BOOL bSuspended = SuspendRedraw();
    const INT_PTR nCount = arrPatients.GetSize();
    const int nColumns = GetEffectiveColumnCount();
    int nRow = GetItemCount();
    SetItemCount(static_cast<int>(std::min<INT_PTR>(nRow + nCount, INT_MAX)));
    for (INT_PTR i = 0; i < nCount; ++i)
    {
        const INT_PTR nIndex = m_arrPatients.Add(arrPatients[i]);
        if (InsertPatientRow(nRow, nIndex, nColumns))
            ++nRow;
    }
    m_nSortState = 1;
    ReSort();
    ResumeRedraw(bSuspended);
}

void CPatientListCtrl::DeletePatient(const CPatient& patient)
{
    const int nRows = GetItemCount();
    for (int nRow = 0; nRow < nRows; ++nRow)
    {
        const LPARAM lParam = static_cast<LPARAM>(GetItemData(nRow));
        const CPatient* pPatient = GetStoredPatient(lParam);
        if (pPatient != NULL && *pPatient == patient)
        {
            m_arrPatients.RemoveAt(static_cast<INT_PTR>(static_cast<int>(lParam)), 1);
            DeleteItem(nRow);
            ReFilter();
            return;
        }
    }
}

void CPatientListCtrl::DeleteAllPatients()
{
    m_arrPatients.RemoveAll();
    DeleteAllItems();
}

void CPatientListCtrl::UpdateSelectedPatient(const CPatient& patient)
{
    const int nRow = GetFirstSelectedRow();
    if (nRow == -1)
        return;
    const int nColumns = GetEffectiveColumnCount();
    for (int nColumn = 0; nColumn < nColumns; ++nColumn)
        SetItemText(nRow, nColumn, m_profile.FormatColumn(nColumn, patient));
    const INT_PTR nIndex = static_cast<int>(GetItemData(nRow));
    if (nIndex >= 0 && nIndex < m_arrPatients.GetSize())
        m_arrPatients[nIndex] = patient;
    ReSort();
    ReFilter();
}

void CPatientListCtrl::SelectPatient(const CPatient& patient)
{
    // Rows that are not selected need no clearing: setting a state a row already has changes
    // nothing and tells no one.
    ClearSelectedStates();
    const int nRows = GetItemCount();
    int nFound = -1;
    for (int nRow = 0; nRow < nRows; ++nRow)
    {
        const CPatient* pPatient = GetRowPatient(nRow);
        if (pPatient != NULL && *pPatient == patient)
            nFound = nRow;
    }
    if (nFound == -1)
    {
        const CString strFullName = patient.GetFullName(1);
        for (int nRow = 0; nRow < nRows; ++nRow)
        {
            const CPatient* pPatient = GetRowPatient(nRow);
            if (pPatient != NULL && pPatient->GetFullName(1) == strFullName)
                nFound = nRow;
        }
    }
    if (nFound != -1)
        SelectRow(nFound);
}

void CPatientListCtrl::ReSort()
{
    SendMessage(LVM_SORTITEMS, reinterpret_cast<WPARAM>(this), reinterpret_cast<LPARAM>(&CompareFunc));
    m_ctrlHeader.SetSortImage(std::abs(m_nSortState) - 1, m_nSortState >= 0);
}

void CPatientListCtrl::ReFilter()
{
    const BOOL bSuspended = SuspendRedraw();
    ClearSelectedStates();
    DeleteAllItems();

    const int nColumns = GetEffectiveColumnCount();
    // A parent may change the store or the filter from a notification during the rebuild: the
    // loop reads the store's size each time and keeps its own reference to the filter text.
    const CString strFilter = m_strFilter;
    const BOOL bFilter = !strFilter.IsEmpty();
    LPCWSTR lpszFilter = strFilter;
    CFilterMatcher matcher;
    // Each cell is formatted once: the texts found while searching are the ones shown.
    std::vector<CString> texts(static_cast<size_t>(std::max(nColumns, 1)));

    if (!bFilter)
        SetItemCount(static_cast<int>(std::min<INT_PTR>(m_arrPatients.GetSize(), INT_MAX)));
    int nRows = 0;
    for (INT_PTR i = 0; i < m_arrPatients.GetSize() && m_hWnd != NULL; ++i)
    {
        const CPatient& patient = m_arrPatients.GetData()[i];
        int nFormatted = 0;
        BOOL bShow = !bFilter;
        while (!bShow && nFormatted < nColumns)
        {
            texts[nFormatted] = m_profile.FormatColumn(nFormatted, patient);
            bShow = matcher.Matches(texts[nFormatted], lpszFilter);
            ++nFormatted;
        }
        if (!bShow)
            continue;
        for (; nFormatted < nColumns; ++nFormatted)
            texts[nFormatted] = m_profile.FormatColumn(nFormatted, patient);
        if (nColumns == 0)
            texts[0] = m_profile.FormatColumn(0, patient);
        if (AppendRow(nRows, i, texts.data(), nColumns))
            ++nRows;
    }
    if (m_hWnd != NULL && GetItemCount() == 1)
        SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
    ResumeRedraw(bSuspended);
}

void CPatientListCtrl::AutoSizeColumnWidths()
{
    SetRedraw(FALSE);
    const int nColumns = GetColumnCount();
    for (int nColumn = 0; nColumn < nColumns; ++nColumn)
    {
        SetColumnWidth(nColumn, LVSCW_AUTOSIZE_USEHEADER);
        int nHeaderWidth = GetColumnWidth(nColumn);
        if (nColumn != nColumns - 1)
            nHeaderWidth += SORT_MARK_ROOM;
        SetColumnWidth(nColumn, LVSCW_AUTOSIZE);
        const int nContentWidth = GetColumnWidth(nColumn);
        if (nContentWidth < nHeaderWidth)
            SetColumnWidth(nColumn, nHeaderWidth);
    }
    SetRedraw(TRUE);
}

void CPatientListCtrl::FilterChanged(CString strFilter, int /*nReserved*/)
{
    m_strFilter = strFilter;
    m_strFilter.MakeLower();
    ReFilter();
}

// Implementation

int CPatientListCtrl::GetColumnCount() const
{
    HWND hWndHeader = reinterpret_cast<HWND>(SendMessage(LVM_GETHEADER));
    if (hWndHeader == NULL)
        return 0;
    return std::max(0, static_cast<int>(::SendMessageW(hWndHeader, HDM_GETITEMCOUNT, 0, 0)));
}

int CALLBACK CPatientListCtrl::CompareFunc(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort)
{
    CPatientListCtrl* pList = reinterpret_cast<CPatientListCtrl*>(lParamSort);
    const int nSortState = pList->m_nSortState;
    if (nSortState == 0)
        return 0;
    const int nResult = pList->m_profile.ComparePatients(std::abs(nSortState) - 1,
        pList->GetStoredPatient(lParam1), pList->GetStoredPatient(lParam2));
    return nSortState > 0 ? nResult : -std::max(nResult, -INT_MAX);
}

void CPatientListCtrl::PreSubclassWindow()
{
    CListCtrl::PreSubclassWindow();
    if (m_ctrlHeader.m_hWnd == NULL)
        m_ctrlHeader.SubclassWindow(::GetDlgItem(m_hWnd, 0));
    const int nColumns = m_profile.GetColumnCount();
    for (int nColumn = 0; nColumn < nColumns; ++nColumn)
        InsertColumn(nColumn, m_profile.GetColumnTitle(nColumn), LVCFMT_LEFT, m_profile.GetColumnWidth(nColumn), -1);
    SetExtendedStyle(GetExtendedStyle() | LVS_EX_FULLROWSELECT);
}

int CPatientListCtrl::GetEffectiveColumnCount() const
{
    return std::min(m_profile.GetColumnCount(), GetColumnCount());
}

const CPatient* CPatientListCtrl::GetRowPatient(int nRow) const
{
    return GetStoredPatient(static_cast<LPARAM>(GetItemData(nRow)));
}

const CPatient* CPatientListCtrl::GetStoredPatient(LPARAM lParam) const
{
    // Item data holds a signed 32-bit store index.
    const INT_PTR nIndex = static_cast<int>(lParam);
    if (nIndex < 0 || nIndex >= m_arrPatients.GetSize())
        return NULL;
    return m_arrPatients.GetData() + nIndex;
}

// A list without a window has no rows: a message to no window would answer row 0.
int CPatientListCtrl::GetFirstSelectedRow() const
{
    return m_hWnd != NULL ? GetNextItem(-1, LVNI_SELECTED) : -1;
}

void CPatientListCtrl::ClearSelectedStates()
{
    for (int nRow = GetNextItem(-1, LVNI_SELECTED); nRow != -1 && m_hWnd != NULL;
         nRow = GetNextItem(nRow, LVNI_SELECTED))
        SetItemState(nRow, 0, LVIS_SELECTED);
}

// A row as AddPatient makes it: text and item data at once, then the other columns.
BOOL CPatientListCtrl::InsertPatientRow(int nRow, INT_PTR nIndex, int nColumns)
{
    const CPatient& patient = m_arrPatients.GetData()[nIndex];
    nRow = InsertItem(LVIF_TEXT | LVIF_PARAM, nRow, m_profile.FormatColumn(0, patient), 0, 0, 0,
        static_cast<LPARAM>(nIndex));
    if (nRow == -1)
        return FALSE;
    for (int nColumn = 1; nColumn < nColumns; ++nColumn)
        SetItemText(nRow, nColumn, m_profile.FormatColumn(nColumn, patient));
    return TRUE;
}

// A row as ReFilter makes it: the text alone, then the other columns, the item data last.
BOOL CPatientListCtrl::AppendRow(int nRow, INT_PTR nIndex, const CString* pTexts, int nColumns)
{
    nRow = InsertItem(LVIF_TEXT, nRow, pTexts[0], 0, 0, 0, 0);
    if (nRow == -1)
        return FALSE;
    for (int nColumn = 1; nColumn < nColumns; ++nColumn)
        SetItemText(nRow, nColumn, pTexts[nColumn]);
    SetItemData(nRow, static_cast<DWORD_PTR>(nIndex));
    return TRUE;
}

void CPatientListCtrl::SelectRow(int nRow)
{
    SetItemState(nRow, LVIS_SELECTED, LVIS_SELECTED);
    EnsureVisible(nRow, FALSE);
}

BOOL CPatientListCtrl::SuspendRedraw()
{
    // Redrawing turned off clears WS_VISIBLE, so a list that is hidden or whose host already
    // turned redrawing off is left exactly as it is.
    if ((GetStyle() & WS_VISIBLE) == 0)
        return FALSE;
    SetRedraw(FALSE);
    return TRUE;
}

void CPatientListCtrl::ResumeRedraw(BOOL bSuspended)
{
    if (!bSuspended || m_hWnd == NULL)
        return;
    SetRedraw(TRUE);
    Invalidate();
}

// Message handlers

void CPatientListCtrl::OnDestroy()
{
    CWnd::OnDestroy();
}

void CPatientListCtrl::OnColumnClick(NMHDR* pNMHDR, LRESULT* pResult)
{
    const NMLISTVIEW* pNMListView = reinterpret_cast<const NMLISTVIEW*>(pNMHDR);
    const int nClicked = pNMListView->iSubItem + 1;
    if (std::abs(m_nSortState) == nClicked)
        m_nSortState = -m_nSortState;
    else
        m_nSortState = nClicked;
    ReSort();
    *pResult = 0;
}
