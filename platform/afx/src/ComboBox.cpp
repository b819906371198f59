#include <afxwin.h>
#include "OwnerDrawNotify.h"

IMPLEMENT_DYNAMIC(CComboBox, CWnd)

CComboBox::CComboBox() {}
CComboBox::~CComboBox() { DestroyWindow(); }

BOOL CComboBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create(L"COMBOBOX", NULL, dwStyle, rect, pParentWnd, nID);
}

namespace
{
LPARAM TextParam(LPCTSTR lpsz) { return reinterpret_cast<LPARAM>(lpsz); }
}

int CComboBox::GetCount() const { return static_cast<int>(SendMessage(CB_GETCOUNT)); }
int CComboBox::GetCurSel() const { return static_cast<int>(SendMessage(CB_GETCURSEL)); }
int CComboBox::SetCurSel(int nSelect) { return static_cast<int>(SendMessage(CB_SETCURSEL, static_cast<WPARAM>(nSelect))); }
DWORD CComboBox::GetEditSel() const { return static_cast<DWORD>(SendMessage(CB_GETEDITSEL)); }
BOOL CComboBox::SetEditSel(int nStartChar, int nEndChar) { return SendMessage(CB_SETEDITSEL, 0, MAKELPARAM(nStartChar, nEndChar)) == TRUE; }
DWORD_PTR CComboBox::GetItemData(int nIndex) const { return static_cast<DWORD_PTR>(SendMessage(CB_GETITEMDATA, static_cast<WPARAM>(nIndex))); }
int CComboBox::SetItemData(int nIndex, DWORD_PTR dwItemData) { return static_cast<int>(SendMessage(CB_SETITEMDATA, static_cast<WPARAM>(nIndex), static_cast<LPARAM>(dwItemData))); }
void* CComboBox::GetItemDataPtr(int nIndex) const { return reinterpret_cast<void*>(GetItemData(nIndex)); }
int CComboBox::SetItemDataPtr(int nIndex, void* pData) { return SetItemData(nIndex, reinterpret_cast<DWORD_PTR>(pData)); }
int CComboBox::GetLBText(int nIndex, LPTSTR lpszText) const { return static_cast<int>(SendMessage(CB_GETLBTEXT, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(lpszText))); }
int CComboBox::GetLBTextLen(int nIndex) const { return static_cast<int>(SendMessage(CB_GETLBTEXTLEN, static_cast<WPARAM>(nIndex))); }
int CComboBox::SetItemHeight(int nIndex, UINT cyItemHeight) { return static_cast<int>(SendMessage(CB_SETITEMHEIGHT, static_cast<WPARAM>(nIndex), MAKELONG(cyItemHeight, 0))); }
int CComboBox::GetItemHeight(int nIndex) const { return static_cast<int>(SendMessage(CB_GETITEMHEIGHT, static_cast<WPARAM>(nIndex))); }
int CComboBox::FindStringExact(int nIndexStart, LPCTSTR lpszFind) const { return static_cast<int>(SendMessage(CB_FINDSTRINGEXACT, static_cast<WPARAM>(nIndexStart), TextParam(lpszFind))); }
int CComboBox::SetExtendedUI(BOOL bExtended) { return static_cast<int>(SendMessage(CB_SETEXTENDEDUI, bExtended)); }
BOOL CComboBox::GetExtendedUI() const { return static_cast<BOOL>(SendMessage(CB_GETEXTENDEDUI)); }
void CComboBox::GetDroppedControlRect(LPRECT lprect) const { SendMessage(CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(lprect)); }
BOOL CComboBox::GetDroppedState() const { return static_cast<BOOL>(SendMessage(CB_GETDROPPEDSTATE)); }
int CComboBox::GetDroppedWidth() const { return static_cast<int>(SendMessage(CB_GETDROPPEDWIDTH)); }
int CComboBox::SetDroppedWidth(UINT nWidth) { return static_cast<int>(SendMessage(CB_SETDROPPEDWIDTH, nWidth)); }
int CComboBox::GetTopIndex() const { return static_cast<int>(SendMessage(CB_GETTOPINDEX)); }
int CComboBox::SetTopIndex(int nIndex) { return static_cast<int>(SendMessage(CB_SETTOPINDEX, static_cast<WPARAM>(nIndex))); }
BOOL CComboBox::SetMinVisibleItems(int iMinVisible) { return static_cast<BOOL>(SendMessage(CB_SETMINVISIBLE, static_cast<WPARAM>(iMinVisible))); }
int CComboBox::GetMinVisible() const { return static_cast<int>(SendMessage(CB_GETMINVISIBLE)); }

BOOL CComboBox::LimitText(int nMaxChars) { return static_cast<BOOL>(SendMessage(CB_LIMITTEXT, static_cast<WPARAM>(nMaxChars))); }
void CComboBox::ShowDropDown(BOOL bShowIt) { SendMessage(CB_SHOWDROPDOWN, bShowIt); }
int CComboBox::AddString(LPCTSTR lpszString) { return static_cast<int>(SendMessage(CB_ADDSTRING, 0, TextParam(lpszString))); }
int CComboBox::DeleteString(UINT nIndex) { return static_cast<int>(SendMessage(CB_DELETESTRING, nIndex)); }
int CComboBox::InsertString(int nIndex, LPCTSTR lpszString) { return static_cast<int>(SendMessage(CB_INSERTSTRING, static_cast<WPARAM>(nIndex), TextParam(lpszString))); }
void CComboBox::ResetContent() { SendMessage(CB_RESETCONTENT); }
int CComboBox::Dir(UINT attr, LPCTSTR lpszWildCard) { return static_cast<int>(SendMessage(CB_DIR, attr, TextParam(lpszWildCard))); }
int CComboBox::FindString(int nStartAfter, LPCTSTR lpszString) const { return static_cast<int>(SendMessage(CB_FINDSTRING, static_cast<WPARAM>(nStartAfter), TextParam(lpszString))); }
int CComboBox::SelectString(int nStartAfter, LPCTSTR lpszString) { return static_cast<int>(SendMessage(CB_SELECTSTRING, static_cast<WPARAM>(nStartAfter), TextParam(lpszString))); }
void CComboBox::Clear() { SendMessage(WM_CLEAR); }
void CComboBox::Copy() { SendMessage(WM_COPY); }
void CComboBox::Cut() { SendMessage(WM_CUT); }
void CComboBox::Paste() { SendMessage(WM_PASTE); }

void CComboBox::GetLBText(int nIndex, CString& rString) const
{
    int nLen = GetLBTextLen(nIndex);
    if (nLen == CB_ERR)
    {
        rString.Empty();
        return;
    }
    GetLBText(nIndex, rString.GetBufferSetLength(nLen));
    rString.ReleaseBuffer(nLen);
}

void CComboBox::DrawItem(LPDRAWITEMSTRUCT) {}
void CComboBox::MeasureItem(LPMEASUREITEMSTRUCT) {}
int CComboBox::CompareItem(LPCOMPAREITEMSTRUCT) { return 0; }
void CComboBox::DeleteItem(LPDELETEITEMSTRUCT) {}

BOOL CComboBox::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    // A _REFLECT entry in the class's map answers before the virtual.
    if (ReflectChildNotify(message, wParam, lParam, pResult))
        return TRUE;
    LRESULT lResult = TRUE;
    if (!AfxDispatchOwnerDraw(this, message, lParam, lResult))
        return FALSE;
    if (pResult != NULL)
        *pResult = lResult;
    return TRUE;
}

namespace
{
bool HasEditField(HWND hWndCtrl)
{
    return (::GetWindowLongPtrW(hWndCtrl, GWL_STYLE) & (CBS_SIMPLE | CBS_DROPDOWN | CBS_DROPDOWNLIST)) != CBS_DROPDOWNLIST;
}

void SaveComboText(HWND hWndCtrl, CString& value)
{
    if (HasEditField(hWndCtrl))
    {
        CWnd::FromHandle(hWndCtrl)->GetWindowText(value);
        return;
    }
    WPARAM nSel = static_cast<WPARAM>(::SendMessageW(hWndCtrl, CB_GETCURSEL, 0, 0));
    int nLen = static_cast<int>(::SendMessageW(hWndCtrl, CB_GETLBTEXTLEN, nSel, 0));
    if (nLen == CB_ERR)
    {
        value.Empty();
        return;
    }
    ::SendMessageW(hWndCtrl, CB_GETLBTEXT, nSel, reinterpret_cast<LPARAM>(value.GetBufferSetLength(nLen)));
    value.ReleaseBuffer(nLen);
}

// A value that is not in the list still shows in an edit field; a drop-down list then shows
// no selection rather than a stale one.
void LoadComboText(HWND hWndCtrl, UINT nFindMessage, const CString& value)
{
    LRESULT nIndex = ::SendMessageW(hWndCtrl, nFindMessage, static_cast<WPARAM>(-1),
        reinterpret_cast<LPARAM>(static_cast<LPCTSTR>(value)));
    ::SendMessageW(hWndCtrl, CB_SETCURSEL, static_cast<WPARAM>(nIndex), 0);
    if (nIndex == CB_ERR && HasEditField(hWndCtrl))
        ::SetWindowTextW(hWndCtrl, value);
}
}

void AFXAPI DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        index = static_cast<int>(::SendMessageW(hWndCtrl, CB_GETCURSEL, 0, 0));
    else
        ::SendMessageW(hWndCtrl, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void AFXAPI DDX_CBString(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        SaveComboText(hWndCtrl, value);
    else
        LoadComboText(hWndCtrl, CB_FINDSTRING, value);
}

void AFXAPI DDX_CBStringExact(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        SaveComboText(hWndCtrl, value);
    else
        LoadComboText(hWndCtrl, CB_FINDSTRINGEXACT, value);
}
