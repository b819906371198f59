#include "xlistctrl/XListCtrl.h"

#include "foundation/RegisteredMessages.h"
#include "xlistctrl/XComboList.h"

#include <cwchar>
#include <new>

BEGIN_MESSAGE_MAP(CXListCtrl, CListCtrl)
    ON_NOTIFY_REFLECT_EX(NM_CLICK, &CXListCtrl::OnClick)
    ON_NOTIFY_REFLECT_EX(LVN_COLUMNCLICK, &CXListCtrl::OnColumnClick)
    ON_WM_CREATE()
    ON_NOTIFY_REFLECT_EX(NM_CUSTOMDRAW, &CXListCtrl::OnCustomDraw)
    ON_WM_DESTROY()
    ON_WM_LBUTTONDOWN()
    ON_WM_PAINT()
    ON_WM_SYSCOLORCHANGE()
    ON_WM_TIMER()
    ON_REGISTERED_MESSAGE(WM_XCOMBOLIST_VK_ESCAPE, &CXListCtrl::OnComboEscape)
    ON_REGISTERED_MESSAGE(WM_XCOMBOLIST_VK_RETURN, &CXListCtrl::OnComboReturn)
    ON_REGISTERED_MESSAGE(WM_XCOMBOLIST_KEYDOWN, &CXListCtrl::OnComboKeydown)
    ON_REGISTERED_MESSAGE(WM_XCOMBOLIST_LBUTTONUP, &CXListCtrl::OnComboLButtonUp)
    ON_NOTIFY_EX_RANGE(TTN_NEEDTEXTW, 0, 0xFFFF, &CXListCtrl::OnToolTipText)
    ON_NOTIFY_EX_RANGE(TTN_NEEDTEXTA, 0, 0xFFFF, &CXListCtrl::OnToolTipText)
END_MESSAGE_MAP()

namespace
{
const UINT_PTR TIMER_BUTTON = 1;
const UINT_PTR TIMER_ESCAPE = 2;
const UINT_PTR TIMER_COMMIT = 3;
const UINT_PTR TIMER_PREVIEW = 4;
const UINT BUTTON_PERIOD = 100;
const UINT COMBO_PERIOD = 50;

const UINT SINGLE_LINE_LEFT = DT_LEFT | DT_VCENTER | DT_SINGLELINE;
const UINT SINGLE_LINE_CENTER = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
const UINT SINGLE_LINE_RIGHT = DT_RIGHT | DT_VCENTER | DT_SINGLELINE;

// A record array is preceded by its length, so that it is released as a whole and a column
// index can be checked against it.
const size_t RECORD_HEADER = 16;
static_assert(RECORD_HEADER % alignof(XLISTCTRLDATA) == 0, "records must stay aligned");

XLISTCTRLDATA* AllocateRecords(int nCount)
{
    void* pBlock = ::operator new(RECORD_HEADER + nCount * sizeof(XLISTCTRLDATA), std::nothrow);
    if (pBlock == NULL)
        return NULL;
    *static_cast<INT_PTR*>(pBlock) = nCount;
    XLISTCTRLDATA* pRecords = reinterpret_cast<XLISTCTRLDATA*>(static_cast<BYTE*>(pBlock) + RECORD_HEADER);
    for (int i = 0; i < nCount; ++i)
        new (pRecords + i) XLISTCTRLDATA;
    return pRecords;
}

int RecordCount(const XLISTCTRLDATA* pRecords)
{
    return static_cast<int>(*reinterpret_cast<const INT_PTR*>(
        reinterpret_cast<const BYTE*>(pRecords) - RECORD_HEADER));
}

void FreeRecords(XLISTCTRLDATA* pRecords)
{
    const int nCount = RecordCount(pRecords);
    for (int i = 0; i < nCount; ++i)
        pRecords[i].~XLISTCTRLDATA();
    ::operator delete(reinterpret_cast<BYTE*>(pRecords) - RECORD_HEADER);
}

struct SSortContext
{
    PFNLVCOMPARE pfnCompare;
    DWORD_PTR dwData;
};

// Only one integer conversion (d, i, u, o, x, X with flags, a width and a precision of at most
// three digits each) is formatted; anything else could read or write memory the pattern does
// not own, so such a pattern is shown as it is. Length modifiers are dropped: the argument is
// an int.
BOOL MakeSafeIntegerPattern(const CString& strPattern, CString& strSafe)
{
    strSafe.Empty();
    int nConversions = 0;
    const int nLength = strPattern.GetLength();
    for (int i = 0; i < nLength; ++i)
    {
        const TCHAR ch = strPattern[i];
        strSafe += ch;
        if (ch != _T('%'))
            continue;
        if (++i >= nLength)
            return FALSE;
        if (strPattern[i] == _T('%'))
        {
            strSafe += _T('%');
            continue;
        }
        while (i < nLength && _tcschr(_T("-+ #0"), strPattern[i]) != NULL)
            strSafe += strPattern[i++];
        for (int nPart = 0; nPart < 2; ++nPart)
        {
            if (nPart == 1)
            {
                if (i >= nLength || strPattern[i] != _T('.'))
                    break;
                strSafe += strPattern[i++];
            }
            int nDigits = 0;
            while (i < nLength && strPattern[i] >= _T('0') && strPattern[i] <= _T('9'))
            {
                strSafe += strPattern[i++];
                if (++nDigits > 3)
                    return FALSE;
            }
        }
        while (i < nLength && (strPattern[i] == _T('h') || strPattern[i] == _T('l')))
            ++i;
        if (i >= nLength || _tcschr(_T("diuoxX"), strPattern[i]) == NULL)
            return FALSE;
        strSafe += strPattern[i];
        if (++nConversions > 1)
            return FALSE;
    }
    return TRUE;
}

CString FormatInteger(const CString& strSafePattern, int nValue)
{
    const int nNeeded = _scwprintf(strSafePattern, nValue);
    if (nNeeded < 0)
        return strSafePattern;
    CString str;
    LPTSTR lpsz = str.GetBufferSetLength(nNeeded + 1);
    _snwprintf(lpsz, nNeeded + 1, strSafePattern, nValue);
    str.ReleaseBuffer(nNeeded);
    return str;
}
}

XLISTCTRLDATA::XLISTCTRLDATA()
    : bEnabled(TRUE), bBold(FALSE), nImage(-1), bCombo(FALSE), bComboButtonDown(FALSE),
      pComboItems(NULL), nComboListRows(10), nComboSel(0),
      crText(::GetSysColor(COLOR_WINDOWTEXT)), crBackground(::GetSysColor(COLOR_WINDOW)),
      bProgress(FALSE), nProgressPercent(0), bShowProgressText(TRUE), nCheckState(-1), dwItemData(0)
{
}

XLISTCTRLDATA::~XLISTCTRLDATA()
{
    delete pComboItems;
}

// Construction

CXListCtrl::CXListCtrl()
    : m_bHeaderSubclassed(FALSE), m_dwExtendedStyleX(0), m_bComboButtonClicked(FALSE),
      m_nComboItem(0), m_nComboSubItem(0), m_rcComboButton(0, 0, 0, 0), m_rcComboList(0, 0, 0, 0),
      m_pComboList(NULL), m_bComboFontCreated(FALSE), m_pNotifyFrame(NULL)
{
    ReadSysColors();
}

CXListCtrl::~CXListCtrl()
{
    for (SNotifyFrame* pFrame = m_pNotifyFrame; pFrame != NULL; pFrame = pFrame->pOuter)
        pFrame->bDestroyed = TRUE;
    delete m_pComboList;
    m_pComboList = NULL;
    // Here, not in the base destructor, so that OnDestroy still releases the records.
    DestroyWindow();
}

void CXListCtrl::PreSubclassWindow()
{
    CListCtrl::PreSubclassWindow();
    SubclassHeaderControl();
}

void CXListCtrl::SubclassHeaderControl()
{
    if (m_bHeaderSubclassed)
        return;
    HWND hWndHeader = reinterpret_cast<HWND>(SendMessage(LVM_GETHEADER));
    if (hWndHeader != NULL && m_HeaderCtrl.SubclassWindow(hWndHeader))
        m_bHeaderSubclassed = TRUE;
}

void CXListCtrl::ReadSysColors()
{
    m_cr3DFace = ::GetSysColor(COLOR_3DFACE);
    m_cr3DHighLight = ::GetSysColor(COLOR_3DHIGHLIGHT);
    m_cr3DShadow = ::GetSysColor(COLOR_3DSHADOW);
    m_crBtnFace = ::GetSysColor(COLOR_BTNFACE);
    m_crBtnShadow = ::GetSysColor(COLOR_BTNSHADOW);
    m_crBtnText = ::GetSysColor(COLOR_BTNTEXT);
    m_crGrayText = ::GetSysColor(COLOR_GRAYTEXT);
    m_crHighLight = ::GetSysColor(COLOR_HIGHLIGHT);
    m_crHighLightText = ::GetSysColor(COLOR_HIGHLIGHTTEXT);
    m_crWindow = ::GetSysColor(COLOR_WINDOW);
    m_crWindowText = ::GetSysColor(COLOR_WINDOWTEXT);
}

// Records

XLISTCTRLDATA* CXListCtrl::GetRecords(int nItem) const
{
    if (m_hWnd == NULL)
        return NULL;
    LVITEM lvi = {};
    lvi.mask = LVIF_PARAM;
    lvi.iItem = nItem;
    if (!CListCtrl::GetItem(&lvi))
        return NULL;
    return reinterpret_cast<XLISTCTRLDATA*>(lvi.lParam);
}

XLISTCTRLDATA* CXListCtrl::GetCell(int nItem, int nSubItem) const
{
    XLISTCTRLDATA* pRecords = GetRecords(nItem);
    if (pRecords == NULL || nSubItem < 0 || nSubItem >= RecordCount(pRecords))
        return NULL;
    return pRecords + nSubItem;
}

BOOL CXListCtrl::IsValidItem(int nItem) const
{
    return m_hWnd != NULL && nItem >= 0 && nItem < CListCtrl::GetItemCount();
}

BOOL CXListCtrl::IsValidCell(int nItem, int nSubItem)
{
    return IsValidItem(nItem) && nSubItem >= 0 && nSubItem < GetColumns();
}

// A list without columns still gets element 0: it carries the item's flag and data.
int CXListCtrl::InsertRecords(int nItem)
{
    const int nColumns = GetColumns();
    XLISTCTRLDATA* pRecords = AllocateRecords(nColumns > 0 ? nColumns : 1);
    if (pRecords == NULL)
        return -1;
    // Without a window (never created, or already destroyed) nothing can hold the records.
    if (!CListCtrl::SetItem(nItem, 0, LVIF_PARAM, NULL, 0, 0, 0, reinterpret_cast<LPARAM>(pRecords)))
    {
        FreeRecords(pRecords);
        return -1;
    }
    return nItem;
}

void CXListCtrl::ReleaseRecords(int nItem)
{
    XLISTCTRLDATA* pRecords = GetRecords(nItem);
    if (pRecords == NULL)
        return;
    const int nCount = RecordCount(pRecords);
    for (int i = 0; i < nCount; ++i)
        StoreCheckState(pRecords + i, i, -1);
    CListCtrl::SetItem(nItem, 0, LVIF_PARAM, NULL, 0, 0, 0, 0);
    FreeRecords(pRecords);
}

void CXListCtrl::StoreCheckState(XLISTCTRLDATA* pCell, int nSubItem, int nCheckState)
{
    const int nDelta = (nCheckState == 1 ? 1 : 0) - (pCell->nCheckState == 1 ? 1 : 0);
    pCell->nCheckState = nCheckState;
    if (nDelta == 0)
        return;
    if (nSubItem >= m_arrCheckedCount.GetSize())
    {
        const INT_PTR nOld = m_arrCheckedCount.GetSize();
        m_arrCheckedCount.SetSize(nSubItem + 1);
        for (INT_PTR i = nOld; i <= nSubItem; ++i)
            m_arrCheckedCount[i] = 0;
    }
    m_arrCheckedCount[nSubItem] += nDelta;
}

void CXListCtrl::UpdateHeaderCheckState(int nSubItem)
{
    if (GetHeaderCheckedState(nSubItem) != 0)
        SetHeaderCheckedState(nSubItem, CountCheckedItems(nSubItem) == CListCtrl::GetItemCount() ? 2 : 1);
}

int CALLBACK CXListCtrl::CompareRecords(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort)
{
    const SSortContext* pContext = reinterpret_cast<const SSortContext*>(lParamSort);
    const XLISTCTRLDATA* pRecords1 = reinterpret_cast<const XLISTCTRLDATA*>(lParam1);
    const XLISTCTRLDATA* pRecords2 = reinterpret_cast<const XLISTCTRLDATA*>(lParam2);
    return pContext->pfnCompare(
        static_cast<LPARAM>(pRecords1 != NULL ? pRecords1->dwItemData : 0),
        static_cast<LPARAM>(pRecords2 != NULL ? pRecords2->dwItemData : 0),
        static_cast<LPARAM>(pContext->dwData));
}

// Attributes

int CXListCtrl::GetColumns()
{
    HWND hWndHeader = m_bHeaderSubclassed ? m_HeaderCtrl.m_hWnd : NULL;
    if (hWndHeader == NULL && m_hWnd != NULL)
        hWndHeader = reinterpret_cast<HWND>(SendMessage(LVM_GETHEADER));
    if (hWndHeader == NULL)
        return 0;
    const int nCount = static_cast<int>(::SendMessageW(hWndHeader, HDM_GETITEMCOUNT, 0, 0));
    return nCount > 0 ? nCount : 0;
}

int CXListCtrl::GetCurSel()
{
    return CListCtrl::GetNextItem(-1, LVNI_SELECTED);
}

BOOL CXListCtrl::SetCurSel(int nItem)
{
    return CListCtrl::SetItemState(nItem, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}

DWORD_PTR CXListCtrl::GetItemData(int nItem)
{
    XLISTCTRLDATA* pRecords = IsValidItem(nItem) ? GetRecords(nItem) : NULL;
    return pRecords != NULL ? pRecords->dwItemData : 0;
}

BOOL CXListCtrl::SetItemData(int nItem, DWORD_PTR dwData)
{
    XLISTCTRLDATA* pRecords = IsValidItem(nItem) ? GetRecords(nItem) : NULL;
    if (pRecords == NULL)
        return FALSE;
    pRecords->dwItemData = dwData;
    return TRUE;
}

BOOL CXListCtrl::SetItemText(int nItem, int nSubItem, LPCTSTR lpszText)
{
    if (!IsValidCell(nItem, nSubItem))
        return FALSE;
    const BOOL bResult = CListCtrl::SetItemText(nItem, nSubItem, lpszText);
    UpdateSubItem(nItem, nSubItem);
    return bResult;
}

BOOL CXListCtrl::SetItemText(int nItem, int nSubItem, LPCTSTR lpszText, COLORREF crText, COLORREF crBackground)
{
    if (!IsValidCell(nItem, nSubItem))
        return FALSE;
    BOOL bResult = TRUE;
    if (lpszText != NULL)
        bResult = CListCtrl::SetItemText(nItem, nSubItem, lpszText);
    if (XLISTCTRLDATA* pCell = GetCell(nItem, nSubItem))
    {
        pCell->crText = crText == static_cast<COLORREF>(-1) ? m_crWindowText : crText;
        pCell->crBackground = crBackground == static_cast<COLORREF>(-1) ? m_crWindow : crBackground;
    }
    UpdateSubItem(nItem, nSubItem);
    return bResult;
}

void CXListCtrl::SetItemColor(int nItem, int nSubItem, COLORREF crText, COLORREF crBackground)
{
    XLISTCTRLDATA* pCell = IsValidCell(nItem, nSubItem) ? GetCell(nItem, nSubItem) : NULL;
    if (pCell == NULL || (pCell->crText == crText && pCell->crBackground == crBackground))
        return;
    pCell->crText = crText;
    pCell->crBackground = crBackground;
    Invalidate(TRUE);
}

COLORREF CXListCtrl::GetItemColor(int nItem, int nSubItem)
{
    XLISTCTRLDATA* pCell = IsValidCell(nItem, nSubItem) ? GetCell(nItem, nSubItem) : NULL;
    return pCell != NULL ? pCell->crBackground : 0;
}

BOOL CXListCtrl::SetItemImage(int nItem, int nSubItem, int nImage)
{
    if (!IsValidCell(nItem, nSubItem))
        return FALSE;
    if (XLISTCTRLDATA* pCell = GetCell(nItem, nSubItem))
        pCell->nImage = nImage;
    UpdateSubItem(nItem, nSubItem);
    return TRUE;
}

BOOL CXListCtrl::SetBold(int nItem, int nSubItem, BOOL bBold)
{
    XLISTCTRLDATA* pCell = IsValidCell(nItem, nSubItem) ? GetCell(nItem, nSubItem) : NULL;
    if (pCell == NULL)
        return FALSE;
    pCell->bBold = bBold;
    UpdateSubItem(nItem, nSubItem);
    return TRUE;
}

BOOL CXListCtrl::GetBold(int nItem, int nSubItem)
{
    XLISTCTRLDATA* pCell = IsValidCell(nItem, nSubItem) ? GetCell(nItem, nSubItem) : NULL;
    return pCell != NULL ? pCell->bBold : FALSE;
}

BOOL CXListCtrl::SetEnabled(int nItem, BOOL bEnable)
{
    XLISTCTRLDATA* pRecords = IsValidItem(nItem) ? GetRecords(nItem) : NULL;
    if (pRecords == NULL)
        return FALSE;
    pRecords->bEnabled = bEnable;
    CRect rect;
    CListCtrl::GetItemRect(nItem, &rect, LVIR_BOUNDS);
    InvalidateRect(&rect, TRUE);
    UpdateWindow();
    return TRUE;
}

BOOL CXListCtrl::SetEnabled(int nItem, int nSubItem, BOOL bEnable)
{
    XLISTCTRLDATA* pCell = IsValidCell(nItem, nSubItem) ? GetCell(nItem, nSubItem) : NULL;
    if (pCell == NULL)
        return FALSE;
    pCell->bEnabled = bEnable;
    return TRUE;
}

BOOL CXListCtrl::GetEnabled(int nItem)
{
    XLISTCTRLDATA* pRecords = IsValidItem(nItem) ? GetRecords(nItem) : NULL;
    return pRecords != NULL ? pRecords->bEnabled : FALSE;
}

BOOL CXListCtrl::SetCheckbox(int nItem, int nSubItem, int nCheckedState)
{
    XLISTCTRLDATA* pCell = IsValidCell(nItem, nSubItem) ? GetCell(nItem, nSubItem) : NULL;
    if (pCell == NULL)
        return FALSE;
    StoreCheckState(pCell, nSubItem, nCheckedState);
    UpdateSubItem(nItem, nSubItem);
    UpdateHeaderCheckState(nSubItem);
    return TRUE;
}

int CXListCtrl::GetCheckbox(int nItem, int nSubItem)
{
    XLISTCTRLDATA* pCell = IsValidCell(nItem, nSubItem) ? GetCell(nItem, nSubItem) : NULL;
    return pCell != NULL ? pCell->nCheckState : -1;
}

int CXListCtrl::CountCheckedItems(int nSubItem)
{
    if (nSubItem < 0 || nSubItem >= GetColumns() || nSubItem >= m_arrCheckedCount.GetSize())
        return 0;
    return m_arrCheckedCount[nSubItem];
}

int CXListCtrl::GetHeaderCheckedState(int nSubItem)
{
    if (nSubItem < 0 || nSubItem >= GetColumns())
        return -1;
    HDITEM hdi = {};
    hdi.mask = HDI_IMAGE;
    ::SendMessageW(reinterpret_cast<HWND>(SendMessage(LVM_GETHEADER)), HDM_GETITEMW,
        static_cast<WPARAM>(nSubItem), reinterpret_cast<LPARAM>(&hdi));
    return hdi.iImage;
}

BOOL CXListCtrl::SetHeaderCheckedState(int nSubItem, int nCheckedState)
{
    if (nSubItem < 0 || nSubItem >= GetColumns())
        return FALSE;
    HDITEM hdi = {};
    hdi.mask = HDI_IMAGE;
    hdi.iImage = nCheckedState;
    ::SendMessageW(reinterpret_cast<HWND>(SendMessage(LVM_GETHEADER)), HDM_SETITEMW,
        static_cast<WPARAM>(nSubItem), reinterpret_cast<LPARAM>(&hdi));
    return TRUE;
}

BOOL CXListCtrl::SetProgress(int nItem, int nSubItem, BOOL bShowProgressText, LPCTSTR lpszProgressText)
{
    XLISTCTRLDATA* pCell = IsValidCell(nItem, nSubItem) ? GetCell(nItem, nSubItem) : NULL;
    if (pCell == NULL)
        return FALSE;
    pCell->bProgress = TRUE;
    pCell->nProgressPercent = 0;
    pCell->bShowProgressText = bShowProgressText;
    pCell->strProgressText = lpszProgressText != NULL ? lpszProgressText : _T("");
    UpdateSubItem(nItem, nSubItem);
    return TRUE;
}

void CXListCtrl::UpdateProgress(int nItem, int nSubItem, int nPercent)
{
    XLISTCTRLDATA* pCell = IsValidCell(nItem, nSubItem) ? GetCell(nItem, nSubItem) : NULL;
    if (pCell == NULL)
        return;
    pCell->nProgressPercent = nPercent;
    UpdateSubItem(nItem, nSubItem);
}

void CXListCtrl::DeleteProgress(int nItem, int nSubItem)
{
    XLISTCTRLDATA* pCell = IsValidCell(nItem, nSubItem) ? GetCell(nItem, nSubItem) : NULL;
    if (pCell == NULL)
        return;
    pCell->bProgress = FALSE;
    pCell->nProgressPercent = 0;
    UpdateSubItem(nItem, nSubItem);
}

BOOL CXListCtrl::SetComboBox(int nItem, int nSubItem, BOOL bEnableCombo, const CXListComboData& comboItems,
    int nComboListRows, int nInitialComboSel)
{
    // The drop-down belongs to a selected row, and a selected row is highlighted across.
    const DWORD dwExStyle = static_cast<DWORD>(SendMessage(LVM_GETEXTENDEDLISTVIEWSTYLE));
    SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, dwExStyle | LVS_EX_FULLROWSELECT);

    XLISTCTRLDATA* pCell = IsValidCell(nItem, nSubItem) ? GetCell(nItem, nSubItem) : NULL;
    if (pCell == NULL)
        return FALSE;
    pCell->bCombo = bEnableCombo;
    if (bEnableCombo)
    {
        CXListComboData* pCopy = new (std::nothrow) CXListComboData;
        if (pCopy == NULL)
            return FALSE;
        try
        {
            pCopy->Copy(comboItems);
        }
        catch (CException* e)
        {
            e->Delete();
            delete pCopy;
            return FALSE;
        }
        delete pCell->pComboItems;
        pCell->pComboItems = pCopy;
        pCell->nComboListRows = nComboListRows;
        pCell->nComboSel = nInitialComboSel;
        if (nInitialComboSel >= 0 && nInitialComboSel < pCopy->GetSize())
            SetItemText(nItem, nSubItem, pCopy->GetAt(nInitialComboSel).m_strText);
        else if (nInitialComboSel < 0)
            SetItemText(nItem, nSubItem, _T("?"));
    }
    UpdateSubItem(nItem, nSubItem);
    return TRUE;
}

BOOL CXListCtrl::IsComboBoxItem(int nItem, int nSubItem) const
{
    const XLISTCTRLDATA* pCell = GetCell(nItem, nSubItem);
    return pCell != NULL && pCell->bCombo ? TRUE : FALSE;
}

int CXListCtrl::GetComboSel(int nItem, int nSubItem) const
{
    if (GetRecords(nItem) == NULL)
        return 0;
    const XLISTCTRLDATA* pCell = GetCell(nItem, nSubItem);
    return pCell != NULL && pCell->bCombo ? pCell->nComboSel : -1;
}

int CXListCtrl::GetComboItemCount(int nItem, int nSubItem) const
{
    const XLISTCTRLDATA* pCell = GetCell(nItem, nSubItem);
    if (pCell == NULL || !pCell->bCombo || pCell->pComboItems == NULL)
        return 0;
    return static_cast<int>(pCell->pComboItems->GetSize());
}

int CXListCtrl::GetComboItemData(int nItem, int nSubItem, int nComboItem) const
{
    const XLISTCTRLDATA* pCell = GetCell(nItem, nSubItem);
    if (pCell == NULL || !pCell->bCombo || pCell->pComboItems == NULL || nComboItem < 0 ||
        nComboItem >= pCell->pComboItems->GetSize())
        return -1;
    return pCell->pComboItems->GetAt(nComboItem).m_nData;
}

int CXListCtrl::GetSelectedComboItemData(int nItem, int nSubItem) const
{
    const int nSel = GetComboSel(nItem, nSubItem);
    return nSel < 0 ? -1 : GetComboItemData(nItem, nSubItem, nSel);
}

void CXListCtrl::SetComboSelByData(int nItem, int nSubItem, int nData)
{
    XLISTCTRLDATA* pCell = GetCell(nItem, nSubItem);
    if (pCell == NULL || !pCell->bCombo || pCell->pComboItems == NULL)
        return;
    for (INT_PTR i = 0; i < pCell->pComboItems->GetSize(); ++i)
    {
        if (pCell->pComboItems->GetAt(i).m_nData == nData)
        {
            pCell->nComboSel = static_cast<int>(i);
            CListCtrl::SetItemText(nItem, nSubItem, pCell->pComboItems->GetAt(i).m_strText);
            return;
        }
    }
}

CString CXListCtrl::GetComboText(int nItem, int nSubItem)
{
    if (!IsValidCell(nItem, nSubItem))
        return CString();
    return CListCtrl::GetItemText(nItem, nSubItem);
}

BOOL CXListCtrl::SetItemToolTipText(int nItem, int nSubItem, LPCTSTR lpszToolTipText)
{
    XLISTCTRLDATA* pCell = IsValidCell(nItem, nSubItem) ? GetCell(nItem, nSubItem) : NULL;
    if (pCell == NULL)
        return FALSE;
    pCell->strToolTip = lpszToolTipText != NULL ? lpszToolTipText : _T("");
    return TRUE;
}

CString CXListCtrl::GetItemToolTipText(int nItem, int nSubItem)
{
    XLISTCTRLDATA* pCell = IsValidCell(nItem, nSubItem) ? GetCell(nItem, nSubItem) : NULL;
    return pCell != NULL ? pCell->strToolTip : CString();
}

void CXListCtrl::DeleteAllToolTips()
{
    const int nColumns = GetColumns();
    const int nItems = CListCtrl::GetItemCount();
    for (int nItem = 0; nItem < nItems; ++nItem)
    {
        for (int nSubItem = 0; nSubItem < nColumns; ++nSubItem)
        {
            if (XLISTCTRLDATA* pCell = GetCell(nItem, nSubItem))
                pCell->strToolTip.Empty();
        }
    }
}

DWORD CXListCtrl::SetExtendedStyleX(DWORD dwNewStyle)
{
    const DWORD dwOld = m_dwExtendedStyleX;
    m_dwExtendedStyleX = dwNewStyle;
    return dwOld;
}

BOOL CXListCtrl::GetSubItemRect(int nItem, int nSubItem, int nArea, CRect& rect)
{
    if (!IsValidCell(nItem, nSubItem))
        return FALSE;
    const BOOL bResult = CListCtrl::GetSubItemRect(nItem, nSubItem, nArea, rect);
    if (nSubItem != 0 || GetColumns() < 2)
        return bResult;
    CRect rectNext;
    const BOOL bNext = GetSubItemRect(nItem, 1, LVIR_BOUNDS, rectNext);
    rect.right = rectNext.left;
    return bNext;
}

// Operations

int CXListCtrl::InsertItem(const LVITEM* pItem)
{
    if (pItem == NULL || pItem->iItem < 0)
        return -1;
    const int nItem = CListCtrl::InsertItem(pItem);
    if (nItem < 0)
        return nItem;
    if (InsertRecords(nItem) < 0)
        return -1;
    XLISTCTRLDATA* pRecords = GetRecords(nItem);
    pRecords->crText = m_crWindowText;
    pRecords->crBackground = m_crWindow;
    pRecords->nImage = pItem->iImage;
    return nItem;
}

int CXListCtrl::InsertItem(int nItem, LPCTSTR lpszItem)
{
    if (nItem < 0)
        return -1;
    return InsertItem(nItem, lpszItem, m_crWindowText, m_crWindow);
}

int CXListCtrl::InsertItem(int nItem, LPCTSTR lpszItem, COLORREF crText, COLORREF crBackground)
{
    if (nItem < 0)
        return -1;
    const int nNew = CListCtrl::InsertItem(LVIF_TEXT, nItem, lpszItem, 0, 0, 0, 0);
    if (nNew < 0)
        return nNew;
    if (InsertRecords(nNew) < 0)
        return -1;
    XLISTCTRLDATA* pRecords = GetRecords(nNew);
    pRecords->crText = crText;
    pRecords->crBackground = crBackground;
    return nNew;
}

BOOL CXListCtrl::DeleteItem(int nItem)
{
    if (!IsValidItem(nItem))
        return FALSE;
    ReleaseRecords(nItem);
    return CListCtrl::DeleteItem(nItem);
}

BOOL CXListCtrl::DeleteAllItems()
{
    const int nItems = CListCtrl::GetItemCount();
    for (int nItem = 0; nItem < nItems; ++nItem)
        ReleaseRecords(nItem);
    return CListCtrl::DeleteAllItems();
}

BOOL CXListCtrl::SetItem(const LVITEM* pItem)
{
    if (pItem == NULL || pItem->iItem < 0)
        return -1;
    // The item's parameter is its record array and stays so.
    LVITEM lvi = *pItem;
    lvi.mask &= ~LVIF_PARAM;
    if (!CListCtrl::SetItem(&lvi))
        return FALSE;
    XLISTCTRLDATA* pCell = GetCell(pItem->iItem, pItem->iSubItem);
    if (pCell == NULL)
        return FALSE;
    pCell->nImage = pItem->iImage;
    UpdateSubItem(pItem->iItem, pItem->iSubItem);
    return TRUE;
}

BOOL CXListCtrl::SortItems(PFNLVCOMPARE pfnCompare, DWORD_PTR dwData)
{
    if (pfnCompare == NULL)
        return FALSE;
    SSortContext context = { pfnCompare, dwData };
    return CListCtrl::SortItems(&CXListCtrl::CompareRecords, reinterpret_cast<DWORD_PTR>(&context));
}

// A hidden list (or one whose redrawing is off) and a row out of view have nothing to repaint;
// filling thousands of rows then costs no invalidation per cell.
void CXListCtrl::UpdateSubItem(int nItem, int nSubItem)
{
    if (m_hWnd == NULL || nItem < 0 || !IsWindowVisible())
        return;
    CRect rect;
    CRect rectClient;
    GetClientRect(&rectClient);
    if (!CListCtrl::GetItemRect(nItem, &rect, LVIR_BOUNDS) || rect.top >= rectClient.bottom ||
        rect.bottom <= rectClient.top)
        return;
    if (nSubItem >= GetColumns() || nSubItem < -1)
        return;
    if (nSubItem >= 0)
        GetSubItemRect(nItem, nSubItem, LVIR_BOUNDS, rect);
    InvalidateRect(&rect, TRUE);
    UpdateWindow();
}

void CXListCtrl::ComboboxItemChanged(int, int, int)
{
}

// Lifecycle handlers

int CXListCtrl::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CListCtrl::OnCreate(lpCreateStruct) == -1)
        return -1;
    SubclassHeaderControl();
    return 0;
}

void CXListCtrl::OnDestroy()
{
    const int nItems = CListCtrl::GetItemCount();
    for (int nItem = 0; nItem < nItems; ++nItem)
        ReleaseRecords(nItem);
    CListCtrl::OnDestroy();
}

// Painting

BOOL CXListCtrl::OnCustomDraw(NMHDR* pNMHDR, LRESULT* pResult)
{
    NMLVCUSTOMDRAW* pLVCD = reinterpret_cast<NMLVCUSTOMDRAW*>(pNMHDR);
    *pResult = CDRF_DODEFAULT;
    const DWORD dwStage = pLVCD->nmcd.dwDrawStage;
    if (dwStage == CDDS_PREPAINT || dwStage == CDDS_ITEMPREPAINT)
    {
        *pResult = CDRF_NOTIFYSUBITEMDRAW;
        return TRUE;
    }
    if (dwStage != (CDDS_ITEMPREPAINT | CDDS_SUBITEM))
        return TRUE;

    const int nItem = static_cast<int>(pLVCD->nmcd.dwItemSpec);
    const int nSubItem = pLVCD->iSubItem;
    XLISTCTRLDATA* pRecords = reinterpret_cast<XLISTCTRLDATA*>(pLVCD->nmcd.lItemlParam);
    if (pRecords != NULL && (nSubItem < 0 || nSubItem >= RecordCount(pRecords)))
        pRecords = NULL;
    CDC* pDC = CDC::FromHandle(pLVCD->nmcd.hdc);

    COLORREF crText = m_crWindowText;
    COLORREF crBkgnd = m_crWindow;
    if (pRecords != NULL)
    {
        crText = pRecords[nSubItem].crText;
        crBkgnd = pRecords[nSubItem].crBackground;
        if (!pRecords[0].bEnabled)
            crText = m_crGrayText;
    }
    pLVCD->clrText = crText;
    pLVCD->clrTextBk = crBkgnd;

    CRect rect;
    GetSubItemRect(nItem, nSubItem, LVIR_BOUNDS, rect);
    const XLISTCTRLDATA* pCell = pRecords != NULL ? pRecords + nSubItem : NULL;
    if (pCell != NULL && pCell->bProgress)
        DrawProgress(nItem, nSubItem, pDC, crText, crBkgnd, rect, pRecords);
    else if (pCell != NULL && pCell->bCombo)
    {
        if (CListCtrl::GetItemState(nItem, LVIS_SELECTED) != 0)
            DrawComboBox(nItem, nSubItem, pDC, crText, crBkgnd, rect, pRecords);
        else
            DrawTextW(nItem, nSubItem, pDC, crText, crBkgnd, rect, pRecords);
    }
    else if (pCell != NULL && pCell->nCheckState != -1)
        DrawCheckbox(nItem, nSubItem, pDC, crText, crBkgnd, rect, pRecords);
    else
    {
        rect.left += DrawImage(nItem, nSubItem, pDC, crText, crBkgnd, rect, pRecords);
        DrawTextW(nItem, nSubItem, pDC, crText, crBkgnd, rect, pRecords);
    }
    *pResult = CDRF_SKIPDEFAULT;
    return TRUE;
}

void CXListCtrl::GetDrawColors(int nItem, int nSubItem, COLORREF& crText, COLORREF& crBkgnd)
{
    const DWORD dwStyle = GetStyle();
    const DWORD dwExStyle = static_cast<DWORD>(SendMessage(LVM_GETEXTENDEDLISTVIEWSTYLE));
    if (CListCtrl::GetItemState(nItem, LVIS_SELECTED) == 0)
        return;
    if (dwExStyle & LVS_EX_FULLROWSELECT)
    {
        crText = m_crHighLightText;
        crBkgnd = m_crHighLight;
        return;
    }
    if (nSubItem != 0)
        return;
    if (::GetFocus() == m_hWnd)
    {
        crText = m_crHighLightText;
        crBkgnd = m_crHighLight;
    }
    else if (dwStyle & LVS_SHOWSELALWAYS)
    {
        crText = m_crWindowText;
        crBkgnd = m_crBtnFace;
    }
}

void CXListCtrl::DrawTextW(int nItem, int nSubItem, CDC* pDC, COLORREF crText, COLORREF crBkgnd,
    CRect rect, XLISTCTRLDATA* pXLCD)
{
    GetDrawColors(nItem, nSubItem, crText, crBkgnd);
    pDC->FillSolidRect(&rect, crBkgnd);
    rect.DeflateRect(6, 0);
    const CString str = CListCtrl::GetItemText(nItem, nSubItem);
    if (str.IsEmpty())
        return;

    HDITEM hdi = {};
    hdi.mask = HDI_FORMAT;
    ::SendMessageW(reinterpret_cast<HWND>(SendMessage(LVM_GETHEADER)), HDM_GETITEMW,
        static_cast<WPARAM>(nSubItem), reinterpret_cast<LPARAM>(&hdi));
    UINT nFormat = SINGLE_LINE_RIGHT;
    if ((hdi.fmt & HDF_JUSTIFYMASK) == HDF_LEFT)
        nFormat = SINGLE_LINE_LEFT;
    else if ((hdi.fmt & HDF_JUSTIFYMASK) == HDF_CENTER)
        nFormat = SINGLE_LINE_CENTER;

    CFont fontBold;
    CFont* pOldFont = NULL;
    if (pXLCD != NULL && pXLCD[nSubItem].bBold)
    {
        HGDIOBJ hFont = ::GetCurrentObject(pDC->m_hAttribDC, OBJ_FONT);
        LOGFONT lf = {};
        if (hFont != NULL && ::GetObjectW(hFont, sizeof(lf), &lf) != 0)
        {
            lf.lfWeight = FW_BOLD;
            if (fontBold.CreateFontIndirect(&lf))
                pOldFont = pDC->SelectObject(&fontBold);
        }
    }
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(crText);
    pDC->SetBkColor(crBkgnd);
    pDC->DrawText(str, &rect, nFormat);
    if (pOldFont != NULL)
        pDC->SelectObject(pOldFont);
}

int CXListCtrl::DrawImage(int nItem, int nSubItem, CDC* pDC, COLORREF crText, COLORREF crBkgnd,
    CRect rect, XLISTCTRLDATA* pXLCD)
{
    GetDrawColors(nItem, nSubItem, crText, crBkgnd);
    pDC->FillSolidRect(&rect, crBkgnd);
    const int nSpacing = m_HeaderCtrl.GetSpacing();
    rect.left += nSpacing;
    HIMAGELIST hImageList = reinterpret_cast<HIMAGELIST>(SendMessage(LVM_GETIMAGELIST, LVSIL_SMALL));
    if (hImageList == NULL || pXLCD == NULL || pXLCD[nSubItem].nImage == -1)
        return 0;
    const int nImage = pXLCD[nSubItem].nImage;
    int cx = 0;
    int cy = 0;
    IMAGEINFO ii = {};
    if (::ImageList_GetImageInfo(hImageList, nImage, &ii))
    {
        cx = ii.rcImage.right - ii.rcImage.left;
        cy = ii.rcImage.bottom - ii.rcImage.top;
    }
    if (nImage < 0 || rect.Width() <= 0)
        return 0;

    const CPoint point(rect.left, (rect.top + rect.bottom) / 2 - (cy >> 1));
    const CSize size(rect.Width() < cx ? rect.Width() : cx, rect.Height() < cy ? rect.Height() : cy);
    const COLORREF crOldBk = ::ImageList_GetBkColor(hImageList);
    ::ImageList_SetBkColor(hImageList, crBkgnd);
    CImageList::FromHandle(hImageList)->DrawIndirect(pDC, nImage, point, size, CPoint(0, 0), ILD_NORMAL,
        SRCCOPY, CLR_DEFAULT, CLR_DEFAULT, 0, 0, CLR_DEFAULT);
    ::ImageList_SetBkColor(hImageList, crOldBk);
    return cx + nSpacing;
}

void CXListCtrl::DrawCheckbox(int nItem, int nSubItem, CDC* pDC, COLORREF crText, COLORREF crBkgnd,
    CRect& rect, XLISTCTRLDATA* pXLCD)
{
    GetDrawColors(nItem, nSubItem, crText, crBkgnd);
    pDC->FillSolidRect(&rect, crBkgnd);

    CRect box(rect.left + 9, rect.top, 0, rect.bottom - 1);
    box.right = box.left + box.Height();
    const CString str = CListCtrl::GetItemText(nItem, nSubItem);
    if (str.IsEmpty())
    {
        box.left = rect.left + rect.Width() / 2 - box.Height() / 2 - 1;
        box.right = box.left + box.Height();
    }

    const XLISTCTRLDATA& cell = pXLCD[nSubItem];
    UINT nState = DFCS_BUTTONCHECK;
    if (cell.nCheckState == 1)
        nState |= DFCS_CHECKED;
    if (!cell.bEnabled)
        nState |= DFCS_INACTIVE;
    pDC->DrawFrameControl(&box, DFC_BUTTON, nState);

    if (cell.nCheckState == 2)
    {
        pDC->SetTextColor(RGB(0, 0, 0));
        pDC->DrawText(_T("?"), &box, DT_CENTER);
    }
    if (!str.IsEmpty())
    {
        pDC->SetBkMode(TRANSPARENT);
        pDC->SetTextColor(crText);
        pDC->SetBkColor(crBkgnd);
        CRect rectText(box.right + 4, rect.top, rect.right, rect.bottom);
        pDC->DrawText(str, &rectText, SINGLE_LINE_LEFT);
    }
}

CString CXListCtrl::FormatProgressText(const XLISTCTRLDATA& cell) const
{
    CString strPattern = cell.strProgressText.IsEmpty() ? CString(_T("%d%%")) : cell.strProgressText;
    CString strSafe;
    if (!MakeSafeIntegerPattern(strPattern, strSafe))
        return strPattern;
    return FormatInteger(strSafe, cell.nProgressPercent);
}

void CXListCtrl::DrawProgress(int, int nSubItem, CDC* pDC, COLORREF crText, COLORREF crBkgnd,
    CRect& rect, XLISTCTRLDATA* pXLCD)
{
    rect.bottom -= 1;
    rect.left += 1;
    rect.right -= 2;

    CPen penShadow(PS_SOLID, 1, m_crBtnShadow);
    CPen* pOldPen = pDC->SelectObject(&penShadow);
    pDC->MoveTo(rect.left, rect.bottom);
    pDC->LineTo(rect.right + 1, rect.bottom);
    pDC->MoveTo(rect.left, rect.top);
    pDC->LineTo(rect.right, rect.top);
    pDC->MoveTo(rect.left, rect.top);
    pDC->LineTo(rect.left, rect.bottom);
    pDC->MoveTo(rect.right, rect.top);
    pDC->LineTo(rect.right, rect.bottom);

    pDC->FillSolidRect(CRect(rect.left + 1, rect.top + 1, rect.right, rect.bottom), RGB(0xE0, 0xE0, 0xE0));

    CPen penBlack(PS_SOLID, 1, RGB(0, 0, 0));
    pDC->SelectObject(&penBlack);
    pDC->MoveTo(rect.left + 1, rect.top + 1);
    pDC->LineTo(rect.right, rect.top + 1);
    pDC->MoveTo(rect.left + 1, rect.top + 1);
    pDC->LineTo(rect.left + 1, rect.bottom);
    pDC->SelectObject(pOldPen);

    const XLISTCTRLDATA& cell = pXLCD[nSubItem];
    const int nPercent = cell.nProgressPercent;
    if (nPercent <= 0)
        return;
    const int nBarRight = (rect.left + 2) + ((rect.right - (rect.left + 2)) * nPercent) / 100;
    pDC->FillSolidRect(CRect(rect.left + 2, rect.top + 2, nBarRight, rect.bottom), m_crHighLight);
    if (!cell.bShowProgressText)
        return;

    const CString str = FormatProgressText(cell);
    pDC->SetBkMode(TRANSPARENT);
    CRect rectText(rect);
    rectText.DeflateRect(1, 1);
    rectText.top += 1;

    CRgn rgnBar;
    rgnBar.CreateRectRgn(rect.left + 2, rect.top + 2, nBarRight, rect.bottom);
    pDC->SelectClipRgn(&rgnBar);
    pDC->SetTextColor(crBkgnd);
    pDC->DrawText(str, &rectText, SINGLE_LINE_CENTER);

    CRgn rgnRest;
    rgnRest.CreateRectRgn(nBarRight + 1, rect.top + 2, rect.right, rect.bottom);
    pDC->SelectClipRgn(&rgnRest);
    pDC->SetTextColor(crText);
    pDC->DrawText(str, &rectText, SINGLE_LINE_CENTER);
    pDC->SelectClipRgn(NULL);
}

void CXListCtrl::DrawComboBox(int nItem, int nSubItem, CDC* pDC, COLORREF, COLORREF crBkgnd,
    CRect& rect, XLISTCTRLDATA* pXLCD)
{
    rect.bottom += 1;
    rect.left += 3;
    rect.right -= 5;

    CPen penShadow(PS_SOLID, 1, m_crBtnShadow);
    CPen* pOldPen = pDC->SelectObject(&penShadow);
    pDC->MoveTo(rect.left, rect.bottom - 2);
    pDC->LineTo(rect.right, rect.bottom - 2);
    pDC->MoveTo(rect.left, rect.top);
    pDC->LineTo(rect.right, rect.top);
    pDC->MoveTo(rect.left, rect.top);
    pDC->LineTo(rect.left, rect.bottom - 2);
    pDC->MoveTo(rect.right, rect.top);
    pDC->LineTo(rect.right, rect.bottom - 1);

    CPen penBlack(PS_SOLID, 1, RGB(0, 0, 0));
    pDC->SelectObject(&penBlack);
    pDC->FillSolidRect(CRect(rect.left + 2, rect.top + 2, rect.right - 2, rect.bottom - 2), crBkgnd);

    CRect rectButton(rect.right + 1 - rect.Height(), rect.top, rect.right + 1, rect.bottom);
    rectButton.DeflateRect(2, 2);

    XLISTCTRLDATA& cell = pXLCD[nSubItem];
    CString strShown = CListCtrl::GetItemText(nItem, nSubItem);
    if (strShown.IsEmpty() && cell.pComboItems != NULL && cell.nComboSel >= 0 &&
        cell.nComboSel < cell.pComboItems->GetSize())
        strShown = cell.pComboItems->GetAt(cell.nComboSel).m_strText;

    if (!strShown.IsEmpty())
    {
        pDC->SetBkMode(TRANSPARENT);
        pDC->SetTextColor(cell.bEnabled ? m_crWindowText : m_crGrayText);
        pDC->SetBkColor(m_crWindow);
        CRect rectText(rect.left + 3, rect.top - 1, rectButton.left - 1, rect.bottom);
        pDC->DrawText(strShown, &rectText, SINGLE_LINE_LEFT);
    }

    if (!cell.bComboButtonDown)
    {
        CRect rectFace(rectButton);
        pDC->DrawEdge(&rectFace, EDGE_RAISED, BF_RECT);
        rectFace.DeflateRect(2, 2);
        pDC->FillSolidRect(&rectFace, m_crBtnFace);
        for (int k = 0; k < 3; ++k)
        {
            pDC->MoveTo(rectFace.left + 1 + k, rectFace.top + 2 + k);
            pDC->LineTo(rectFace.left + 1 + k + 5 - 2 * k, rectFace.top + 2 + k);
        }
    }
    else
    {
        m_rcComboButton = rectButton;
        CRect rectFace(rectButton);
        CBrush brushShadow(m_cr3DShadow);
        pDC->FrameRect(&rectFace, &brushShadow);
        rectFace.DeflateRect(1, 1);
        pDC->FillSolidRect(&rectFace, m_crBtnFace);
        for (int k = 0; k < 3; ++k)
        {
            pDC->MoveTo(rectFace.left + 3 + k, rectFace.top + 4 + k);
            pDC->LineTo(rectFace.left + 3 + k + 5 - 2 * k, rectFace.top + 4 + k);
        }
        if (m_pComboList == NULL)
            OpenComboList(nItem, nSubItem, pXLCD, pDC, rect, strShown);
    }
    pDC->SelectObject(pOldPen);
}

void CXListCtrl::OnPaint()
{
    Default();
    if (CListCtrl::GetItemCount() != 0)
        return;

    CDC* pDC = GetDC();
    if (pDC == NULL)
        return;
    const int nSaved = pDC->SaveDC();
    CRect rectBand;
    GetWindowRect(&rectBand);
    ScreenToClient(&rectBand);
    HWND hWndHeader = reinterpret_cast<HWND>(SendMessage(LVM_GETHEADER));
    if (hWndHeader != NULL)
    {
        CRect rectItem;
        if (::SendMessageW(hWndHeader, HDM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&rectItem)))
            rectBand.top += rectItem.bottom;
        else if (::IsWindowVisible(hWndHeader))
        {
            CRect rectHeader;
            ::GetWindowRect(hWndHeader, &rectHeader);
            ScreenToClient(&rectHeader);
            rectBand.top = rectHeader.bottom;
        }
    }
    rectBand.top += 10;

    CBrush brush(m_crWindow);
    pDC->FillRect(&rectBand, &brush);
    pDC->SetTextColor(m_crWindowText);
    pDC->SetBkColor(m_crWindow);
    pDC->SelectStockObject(ANSI_VAR_FONT);
    pDC->DrawText(m_strEmptyMessage, -1, &rectBand, DT_CENTER | DT_WORDBREAK | DT_NOCLIP | DT_NOPREFIX);
    pDC->RestoreDC(nSaved);
    ReleaseDC(pDC);
}

void CXListCtrl::OnSysColorChange()
{
    CListCtrl::OnSysColorChange();
    ReadSysColors();
}

// Interaction

BOOL CXListCtrl::NotifyParent(UINT message, int nItem, int nSubItem)
{
    HWND hWndReceiver = ::GetParent(m_hWnd);
    if (hWndReceiver == NULL)
        hWndReceiver = ::GetWindow(m_hWnd, GW_OWNER);
    if (hWndReceiver == NULL || !::IsWindow(hWndReceiver))
        return TRUE;
    SNotifyFrame frame = { FALSE, m_pNotifyFrame };
    m_pNotifyFrame = &frame;
    ::SendMessageW(hWndReceiver, message, static_cast<WPARAM>(static_cast<INT_PTR>(nItem)),
        static_cast<LPARAM>(nSubItem));
    if (frame.bDestroyed)
        return FALSE;
    m_pNotifyFrame = frame.pOuter;
    return m_hWnd != NULL && ::IsWindow(m_hWnd);
}

// In a report view no row above the first visible one can hold a point of the client area,
// so the search starts there and stops below the point; other views search every item.
int CXListCtrl::ItemFromPoint(CPoint point)
{
    const int nCount = CListCtrl::GetItemCount();
    const BOOL bReport = (GetStyle() & LVS_TYPEMASK) == LVS_REPORT;
    int nItem = bReport ? CListCtrl::GetTopIndex() : 0;
    if (nItem < 0)
        nItem = 0;
    for (; nItem < nCount; ++nItem)
    {
        CRect rect;
        if (!CListCtrl::GetItemRect(nItem, &rect, LVIR_BOUNDS))
            continue;
        if (rect.PtInRect(point))
            return nItem;
        if (bReport && rect.top > point.y)
            break;
    }
    return -1;
}

void CXListCtrl::OnLButtonDown(UINT, CPoint point)
{
    if (CListCtrl::GetItemCount() == 0)
        return EscapeAndDefault();
    const int nItem = ItemFromPoint(point);
    if (nItem < 0)
        return EscapeAndDefault();
    XLISTCTRLDATA* pRecords = GetRecords(nItem);
    if (pRecords == NULL || !pRecords->bEnabled)
        return;
    const int nColumns = GetColumns();
    int nSubItem = 0;
    CRect rect;
    for (; nSubItem < nColumns; ++nSubItem)
    {
        if (GetSubItemRect(nItem, nSubItem, LVIR_BOUNDS, rect) && rect.PtInRect(point))
            break;
    }
    XLISTCTRLDATA* pCell = nSubItem < nColumns ? GetCell(nItem, nSubItem) : NULL;
    if (pCell == NULL)
        return EscapeAndDefault();

    if (pCell->nCheckState >= 0)
        return ToggleCheckbox(nItem, nSubItem, pCell);
    if (!pCell->bCombo)
        return EscapeAndDefault();
    if (!pCell->bEnabled)
        return static_cast<void>(Default());
    DestroyComboList();
    if (point.x >= rect.right - rect.Height() && point.x <= rect.right)
        return PressComboButton(nItem, nSubItem, pCell);
    Default();
}

void CXListCtrl::EscapeAndDefault()
{
    if (m_pComboList != NULL)
        OnComboEscape(0, 0);
    Default();
}

void CXListCtrl::ToggleCheckbox(int nItem, int nSubItem, XLISTCTRLDATA* pCell)
{
    if (!pCell->bEnabled)
        return;
    int nState = pCell->nCheckState;
    if (nState == 0)
        nState = 1;
    else if (nState == 1 || nState == 2)
        nState = 0;
    StoreCheckState(pCell, nSubItem, nState);
    UpdateSubItem(nItem, nSubItem);
    if (!NotifyParent(WM_XLISTCTRL_CHECKBOX_CLICKED, nItem, nSubItem))
        return;
    UpdateHeaderCheckState(nSubItem);
    Default();
}

void CXListCtrl::PressComboButton(int nItem, int nSubItem, XLISTCTRLDATA* pCell)
{
    pCell->bComboButtonDown = TRUE;
    m_bComboButtonClicked = TRUE;
    m_nComboItem = nItem;
    m_nComboSubItem = nSubItem;
    CXListCtrl::UpdateSubItem(nItem, nSubItem);
    SetTimer(TIMER_BUTTON, BUTTON_PERIOD);
    Default();
}

void CXListCtrl::DestroyComboList()
{
    if (m_pComboList == NULL)
        return;
    m_pComboList->DestroyWindow();
    delete m_pComboList;
    m_pComboList = NULL;
}

void CXListCtrl::OpenComboList(int nItem, int nSubItem, XLISTCTRLDATA* pXLCD, CDC* pDC, const CRect& rect,
    CString strText)
{
    m_pComboList = new (std::nothrow) CXComboList(this);
    if (m_pComboList == NULL)
        return;
    m_nComboItem = nItem;
    m_nComboSubItem = nSubItem;
    const XLISTCTRLDATA& cell = pXLCD[nSubItem];

    m_rcComboList.left = rect.left;
    m_rcComboList.right = rect.right - 1;
    m_rcComboList.top = rect.top + rect.Height() - 1;
    m_rcComboList.bottom = m_rcComboList.top + (rect.Height() - 2) * cell.nComboListRows;
    ClientToScreen(&m_rcComboList);

    LPCTSTR lpszClass = AfxRegisterWndClass(CS_SAVEBITS | CS_CLASSDC, ::LoadCursorW(NULL, IDC_ARROW));
    if (!m_pComboList->CreateEx(0, lpszClass, _T(""), WS_POPUP | WS_VISIBLE | WS_BORDER, m_rcComboList,
            this, 0, NULL))
        return;
    m_strComboInitialText.Empty();

    if (!m_bComboFontCreated)
    {
        HGDIOBJ hFont = ::GetCurrentObject(pDC->m_hAttribDC, OBJ_FONT);
        LOGFONT lf = {};
        if (hFont != NULL && ::GetObjectW(hFont, sizeof(lf), &lf) != 0 && m_fontComboList.CreateFontIndirect(&lf))
            m_bComboFontCreated = TRUE;
    }
    CListBox& listBox = m_pComboList->m_ListBox;
    if (m_bComboFontCreated)
        listBox.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(m_fontComboList.GetSafeHandle()), FALSE);

    if (cell.pComboItems != NULL)
    {
        for (INT_PTR i = 0; i < cell.pComboItems->GetSize(); ++i)
        {
            if (!cell.pComboItems->GetAt(i).m_strText.IsEmpty())
                listBox.AddString(cell.pComboItems->GetAt(i).m_strText);
        }
    }

    if (strText.IsEmpty())
    {
        if (listBox.GetCount() > 0)
            listBox.GetText(0, strText);
        SetItemText(nItem, nSubItem, strText);
    }
    else
    {
        const int nFound = listBox.FindStringExact(-1, strText);
        if (nFound == LB_ERR)
            m_strComboInitialText = _T("?");
        else
        {
            listBox.SetCurSel(nFound);
            listBox.GetText(nFound, m_strComboInitialText);
        }
    }
    if (m_pComboList != NULL)
        m_pComboList->SetActive();
}

void CXListCtrl::UnpressComboButton()
{
    static BOOL s_bUnpressing = FALSE;
    if (s_bUnpressing)
        return;
    s_bUnpressing = TRUE;
    if (m_bComboButtonClicked && IsValidCell(m_nComboItem, m_nComboSubItem))
    {
        if (XLISTCTRLDATA* pCell = GetCell(m_nComboItem, m_nComboSubItem))
        {
            pCell->bComboButtonDown = FALSE;
            UpdateSubItem(m_nComboItem, m_nComboSubItem);
        }
    }
    m_bComboButtonClicked = FALSE;
    s_bUnpressing = FALSE;
}

BOOL CXListCtrl::OnClick(NMHDR*, LRESULT* pResult)
{
    if (m_bComboButtonClicked)
        Invalidate(TRUE);
    UnpressComboButton();
    *pResult = 0;
    return FALSE;
}

BOOL CXListCtrl::OnColumnClick(NMHDR* pNMHDR, LRESULT* pResult)
{
    const int nSubItem = reinterpret_cast<NMLISTVIEW*>(pNMHDR)->iSubItem;
    *pResult = 0;
    const int nState = GetHeaderCheckedState(nSubItem);
    if (nState == 0)
        return FALSE;
    const BOOL bCheck = nState == 1;
    SetHeaderCheckedState(nSubItem, bCheck ? 2 : 1);
    m_HeaderCtrl.UpdateWindow();
    const int nItems = CListCtrl::GetItemCount();
    for (int nItem = 0; nItem < nItems; ++nItem)
    {
        XLISTCTRLDATA* pCell = GetCell(nItem, nSubItem);
        if (pCell == NULL || pCell->nCheckState == -1)
            continue;
        StoreCheckState(pCell, nSubItem, bCheck ? 1 : 0);
        UpdateSubItem(nItem, nSubItem);
    }
    return FALSE;
}

void CXListCtrl::OnTimer(UINT_PTR nIDEvent)
{
    switch (nIDEvent)
    {
    case TIMER_BUTTON:
        if (m_bComboButtonClicked)
        {
            CPoint point;
            ::GetCursorPos(&point);
            ScreenToClient(&point);
            if (!m_rcComboButton.PtInRect(point))
                UnpressComboButton();
        }
        else if (m_pComboList != NULL)
            m_pComboList->SetActive();
        else
            KillTimer(TIMER_BUTTON);
        break;
    case TIMER_ESCAPE:
        KillTimer(TIMER_ESCAPE);
        DestroyComboList();
        Invalidate(TRUE);
        break;
    case TIMER_COMMIT:
        KillTimer(TIMER_COMMIT);
        if (m_pComboList != NULL)
            CommitComboSelection();
        break;
    case TIMER_PREVIEW:
        KillTimer(TIMER_PREVIEW);
        PreviewComboSelection();
        break;
    default:
        break;
    }
}

void CXListCtrl::CommitComboSelection()
{
    const int nSel = m_pComboList->m_ListBox.GetCurSel();
    const int nItem = m_nComboItem;
    const int nSubItem = m_nComboSubItem;
    if (nSel != LB_ERR && GetRecords(nItem) != NULL && IsValidCell(nItem, nSubItem))
    {
        CString strText;
        m_pComboList->m_ListBox.GetText(nSel, strText);
        if (XLISTCTRLDATA* pCell = GetCell(nItem, nSubItem))
            pCell->nComboSel = nSel;
        SetItemText(nItem, nSubItem, strText);
        UpdateSubItem(nItem, nSubItem);
        // The parent may delete the list or destroy its window meanwhile; then nothing follows.
        if (!NotifyParent(WM_XLISTCTRL_COMBO_SELECTION, nItem, nSubItem))
            return;
        const XLISTCTRLDATA* pCell = GetCell(nItem, nSubItem);
        ComboboxItemChanged(nItem, nSubItem, pCell != NULL ? pCell->nComboSel : nSel);
    }
    if (m_pComboList != NULL)
        m_pComboList->DestroyWindow();
    Invalidate(TRUE);
    delete m_pComboList;
    m_pComboList = NULL;
}

void CXListCtrl::PreviewComboSelection()
{
    if (m_pComboList == NULL)
        return;
    const int nSel = m_pComboList->m_ListBox.GetCurSel();
    if (nSel == LB_ERR)
        return;
    CString strText;
    m_pComboList->m_ListBox.GetText(nSel, strText);
    if (!IsValidCell(m_nComboItem, m_nComboSubItem))
        return;
    SetItemText(m_nComboItem, m_nComboSubItem, strText);
    UpdateSubItem(m_nComboItem, m_nComboSubItem);
}

LRESULT CXListCtrl::OnComboEscape(WPARAM, LPARAM)
{
    KillTimer(TIMER_BUTTON);
    SetTimer(TIMER_ESCAPE, COMBO_PERIOD);
    SetItemText(m_nComboItem, m_nComboSubItem, m_strComboInitialText);
    UpdateSubItem(m_nComboItem, m_nComboSubItem);
    Invalidate(TRUE);
    UpdateWindow();
    return 0;
}

LRESULT CXListCtrl::OnComboReturn(WPARAM, LPARAM)
{
    KillTimer(TIMER_BUTTON);
    SetTimer(TIMER_COMMIT, COMBO_PERIOD);
    return 0;
}

LRESULT CXListCtrl::OnComboLButtonUp(WPARAM, LPARAM)
{
    KillTimer(TIMER_BUTTON);
    SetTimer(TIMER_COMMIT, COMBO_PERIOD);
    return 0;
}

LRESULT CXListCtrl::OnComboKeydown(WPARAM, LPARAM)
{
    SetTimer(TIMER_PREVIEW, COMBO_PERIOD);
    return 0;
}

// Tool tips

INT_PTR CXListCtrl::OnToolHitTest(CPoint point, TOOLINFO* pTI) const
{
    LVHITTESTINFO hti = {};
    hti.pt = point;
    SendMessage(LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(&hti));
    if ((hti.flags & LVHT_ONITEMLABEL) == 0)
        return -1;
    // In 32 bits, as a tool id is compared.
    const int nID = hti.iItem * 1000 + hti.iSubItem + 1;
    if (pTI != NULL)
    {
        pTI->hwnd = m_hWnd;
        pTI->uId = static_cast<UINT_PTR>(static_cast<UINT>(nID));
        GetClientRect(&pTI->rect);
        pTI->lpszText = LPSTR_TEXTCALLBACK;
    }
    return nID;
}

BOOL CXListCtrl::OnToolTipText(UINT, NMHDR* pNMHDR, LRESULT* pResult)
{
    if (pNMHDR->idFrom == 0)
        return TRUE;
    // Tips with line breaks show as several lines once the tip has a maximum width.
    ::SendMessageW(pNMHDR->hwndFrom, TTM_SETMAXTIPWIDTH, 0, SHRT_MAX);
    *pResult = 0;

    const MSG* pMsg = GetCurrentMessage();
    LVHITTESTINFO hti = {};
    hti.pt = pMsg->pt;
    ScreenToClient(&hti.pt);
    SendMessage(LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(&hti));
    if ((hti.flags & LVHT_ONITEMLABEL) == 0)
        return FALSE;
    XLISTCTRLDATA* pCell = GetCell(hti.iItem, hti.iSubItem);
    if (pCell == NULL)
        return FALSE;
    reinterpret_cast<NMTTDISPINFOW*>(pNMHDR)->lpszText = const_cast<LPWSTR>(pCell->strToolTip.GetString());
    return FALSE;
}
