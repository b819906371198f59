#include <afxwin.h>
#include <afx/ToolBarCtrl.h>
#include <afx/GdiObject.h>

IMPLEMENT_DYNAMIC(CToolBarCtrl, CWnd)

CToolBarCtrl::CToolBarCtrl()
{
}

CToolBarCtrl::~CToolBarCtrl()
{
    DestroyWindow();
}

BOOL CToolBarCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CreateEx(0, dwStyle, rect, pParentWnd, nID);
}

BOOL CToolBarCtrl::CreateEx(DWORD dwExStyle, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    if (!CWnd::CreateEx(dwExStyle, TOOLBARCLASSNAME, NULL, dwStyle | WS_CHILD, rect, pParentWnd, nID))
        return FALSE;
    SetButtonStructSize(sizeof(TBBUTTON));
    return TRUE;
}

BOOL CToolBarCtrl::IsButtonEnabled(int nID) const { return static_cast<BOOL>(SendMessage(TB_ISBUTTONENABLED, static_cast<WPARAM>(nID))); }
BOOL CToolBarCtrl::IsButtonChecked(int nID) const { return static_cast<BOOL>(SendMessage(TB_ISBUTTONCHECKED, static_cast<WPARAM>(nID))); }
BOOL CToolBarCtrl::IsButtonPressed(int nID) const { return static_cast<BOOL>(SendMessage(TB_ISBUTTONPRESSED, static_cast<WPARAM>(nID))); }
BOOL CToolBarCtrl::IsButtonHidden(int nID) const { return static_cast<BOOL>(SendMessage(TB_ISBUTTONHIDDEN, static_cast<WPARAM>(nID))); }
BOOL CToolBarCtrl::IsButtonIndeterminate(int nID) const { return static_cast<BOOL>(SendMessage(TB_ISBUTTONINDETERMINATE, static_cast<WPARAM>(nID))); }
BOOL CToolBarCtrl::IsButtonHighlighted(int nID) const { return static_cast<BOOL>(SendMessage(TB_ISBUTTONHIGHLIGHTED, static_cast<WPARAM>(nID))); }
BOOL CToolBarCtrl::SetState(int nID, UINT nState) { return static_cast<BOOL>(SendMessage(TB_SETSTATE, static_cast<WPARAM>(nID), MAKELPARAM(nState, 0))); }
int CToolBarCtrl::GetState(int nID) const { return static_cast<int>(SendMessage(TB_GETSTATE, static_cast<WPARAM>(nID))); }
BOOL CToolBarCtrl::GetButton(int nIndex, LPTBBUTTON lpButton) const { return static_cast<BOOL>(SendMessage(TB_GETBUTTON, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(lpButton))); }
int CToolBarCtrl::GetButtonCount() const { return static_cast<int>(SendMessage(TB_BUTTONCOUNT)); }
BOOL CToolBarCtrl::GetItemRect(int nIndex, LPRECT lpRect) const { return static_cast<BOOL>(SendMessage(TB_GETITEMRECT, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(lpRect))); }
BOOL CToolBarCtrl::GetRect(int nID, LPRECT lpRect) const { return static_cast<BOOL>(SendMessage(TB_GETRECT, static_cast<WPARAM>(nID), reinterpret_cast<LPARAM>(lpRect))); }
void CToolBarCtrl::SetButtonStructSize(int nSize) { SendMessage(TB_BUTTONSTRUCTSIZE, static_cast<WPARAM>(nSize)); }
BOOL CToolBarCtrl::SetButtonSize(CSize size) { return static_cast<BOOL>(SendMessage(TB_SETBUTTONSIZE, 0, MAKELPARAM(size.cx, size.cy))); }
BOOL CToolBarCtrl::SetBitmapSize(CSize size) { return static_cast<BOOL>(SendMessage(TB_SETBITMAPSIZE, 0, MAKELPARAM(size.cx, size.cy))); }
BOOL CToolBarCtrl::SetButtonWidth(int cxMin, int cxMax) { return static_cast<BOOL>(SendMessage(TB_SETBUTTONWIDTH, 0, MAKELPARAM(cxMin, cxMax))); }
void CToolBarCtrl::SetOwner(CWnd* pWnd) { SendMessage(TB_SETPARENT, reinterpret_cast<WPARAM>(pWnd->GetSafeHwnd())); }
int CToolBarCtrl::GetRows() const { return static_cast<int>(SendMessage(TB_GETROWS)); }
void CToolBarCtrl::SetRows(int nRows, BOOL bLarger, LPRECT lpRect) { SendMessage(TB_SETROWS, MAKEWPARAM(nRows, bLarger), reinterpret_cast<LPARAM>(lpRect)); }
BOOL CToolBarCtrl::SetCmdID(int nIndex, UINT nID) { return static_cast<BOOL>(SendMessage(TB_SETCMDID, static_cast<WPARAM>(nIndex), nID)); }
UINT CToolBarCtrl::GetBitmapFlags() const { return static_cast<UINT>(SendMessage(TB_GETBITMAPFLAGS)); }
int CToolBarCtrl::GetBitmap(int nID) const { return static_cast<int>(SendMessage(TB_GETBITMAP, static_cast<WPARAM>(nID))); }
BOOL CToolBarCtrl::ChangeBitmap(int nID, int iBitmap) { return static_cast<BOOL>(SendMessage(TB_CHANGEBITMAP, static_cast<WPARAM>(nID), iBitmap)); }
int CToolBarCtrl::GetHotItem() const { return static_cast<int>(SendMessage(TB_GETHOTITEM)); }
int CToolBarCtrl::SetHotItem(int nHot) { return static_cast<int>(SendMessage(TB_SETHOTITEM, static_cast<WPARAM>(nHot))); }
int CToolBarCtrl::GetButtonInfo(int nID, TBBUTTONINFO* ptbbi) const { return static_cast<int>(SendMessage(TB_GETBUTTONINFO, static_cast<WPARAM>(nID), reinterpret_cast<LPARAM>(ptbbi))); }
BOOL CToolBarCtrl::SetButtonInfo(int nID, TBBUTTONINFO* ptbbi) { return static_cast<BOOL>(SendMessage(TB_SETBUTTONINFO, static_cast<WPARAM>(nID), reinterpret_cast<LPARAM>(ptbbi))); }
void CToolBarCtrl::GetMaxSize(LPSIZE pSize) const { SendMessage(TB_GETMAXSIZE, 0, reinterpret_cast<LPARAM>(pSize)); }
DWORD CToolBarCtrl::GetExtendedStyle() const { return static_cast<DWORD>(SendMessage(TB_GETEXTENDEDSTYLE)); }
DWORD CToolBarCtrl::SetExtendedStyle(DWORD dwExStyle) { return static_cast<DWORD>(SendMessage(TB_SETEXTENDEDSTYLE, 0, dwExStyle)); }
BOOL CToolBarCtrl::SetIndent(int iIndent) { return static_cast<BOOL>(SendMessage(TB_SETINDENT, static_cast<WPARAM>(iIndent))); }
BOOL CToolBarCtrl::SetMaxTextRows(int iMaxRows) { return static_cast<BOOL>(SendMessage(TB_SETMAXTEXTROWS, static_cast<WPARAM>(iMaxRows))); }
DWORD CToolBarCtrl::GetPadding() const { return static_cast<DWORD>(SendMessage(TB_GETPADDING)); }
DWORD CToolBarCtrl::SetPadding(int cx, int cy) { return static_cast<DWORD>(SendMessage(TB_SETPADDING, 0, MAKELPARAM(cx, cy))); }
HWND CToolBarCtrl::GetToolTips() const { return reinterpret_cast<HWND>(SendMessage(TB_GETTOOLTIPS)); }
void CToolBarCtrl::SetToolTips(HWND hWndToolTip) { SendMessage(TB_SETTOOLTIPS, reinterpret_cast<WPARAM>(hWndToolTip)); }

CSize CToolBarCtrl::GetButtonSize() const
{
    DWORD dwSize = static_cast<DWORD>(SendMessage(TB_GETBUTTONSIZE));
    return CSize(LOWORD(dwSize), HIWORD(dwSize));
}

CImageList* CToolBarCtrl::GetImageList() const
{
    return CImageList::FromHandle(reinterpret_cast<HIMAGELIST>(SendMessage(TB_GETIMAGELIST)));
}

CImageList* CToolBarCtrl::SetImageList(CImageList* pImageList)
{
    HIMAGELIST hOld = reinterpret_cast<HIMAGELIST>(SendMessage(TB_SETIMAGELIST, 0,
        reinterpret_cast<LPARAM>(pImageList != NULL ? pImageList->GetSafeHandle() : NULL)));
    return CImageList::FromHandle(hOld);
}

CImageList* CToolBarCtrl::GetHotImageList() const
{
    return CImageList::FromHandle(reinterpret_cast<HIMAGELIST>(SendMessage(TB_GETHOTIMAGELIST)));
}

CImageList* CToolBarCtrl::SetHotImageList(CImageList* pImageList)
{
    HIMAGELIST hOld = reinterpret_cast<HIMAGELIST>(SendMessage(TB_SETHOTIMAGELIST, 0,
        reinterpret_cast<LPARAM>(pImageList != NULL ? pImageList->GetSafeHandle() : NULL)));
    return CImageList::FromHandle(hOld);
}

CImageList* CToolBarCtrl::GetDisabledImageList() const
{
    return CImageList::FromHandle(reinterpret_cast<HIMAGELIST>(SendMessage(TB_GETDISABLEDIMAGELIST)));
}

CImageList* CToolBarCtrl::SetDisabledImageList(CImageList* pImageList)
{
    HIMAGELIST hOld = reinterpret_cast<HIMAGELIST>(SendMessage(TB_SETDISABLEDIMAGELIST, 0,
        reinterpret_cast<LPARAM>(pImageList != NULL ? pImageList->GetSafeHandle() : NULL)));
    return CImageList::FromHandle(hOld);
}

BOOL CToolBarCtrl::EnableButton(int nID, BOOL bEnable) { return static_cast<BOOL>(SendMessage(TB_ENABLEBUTTON, static_cast<WPARAM>(nID), MAKELPARAM(bEnable, 0))); }
BOOL CToolBarCtrl::CheckButton(int nID, BOOL bCheck) { return static_cast<BOOL>(SendMessage(TB_CHECKBUTTON, static_cast<WPARAM>(nID), MAKELPARAM(bCheck, 0))); }
BOOL CToolBarCtrl::PressButton(int nID, BOOL bPress) { return static_cast<BOOL>(SendMessage(TB_PRESSBUTTON, static_cast<WPARAM>(nID), MAKELPARAM(bPress, 0))); }
BOOL CToolBarCtrl::HideButton(int nID, BOOL bHide) { return static_cast<BOOL>(SendMessage(TB_HIDEBUTTON, static_cast<WPARAM>(nID), MAKELPARAM(bHide, 0))); }
BOOL CToolBarCtrl::Indeterminate(int nID, BOOL bIndeterminate) { return static_cast<BOOL>(SendMessage(TB_INDETERMINATE, static_cast<WPARAM>(nID), MAKELPARAM(bIndeterminate, 0))); }
BOOL CToolBarCtrl::MarkButton(int nID, BOOL bHighlight) { return static_cast<BOOL>(SendMessage(TB_MARKBUTTON, static_cast<WPARAM>(nID), MAKELPARAM(bHighlight, 0))); }
BOOL CToolBarCtrl::AddButtons(int nNumButtons, LPTBBUTTON lpButtons) { return static_cast<BOOL>(SendMessage(TB_ADDBUTTONS, static_cast<WPARAM>(nNumButtons), reinterpret_cast<LPARAM>(lpButtons))); }
BOOL CToolBarCtrl::InsertButton(int nIndex, LPTBBUTTON lpButton) { return static_cast<BOOL>(SendMessage(TB_INSERTBUTTON, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(lpButton))); }
BOOL CToolBarCtrl::DeleteButton(int nIndex) { return static_cast<BOOL>(SendMessage(TB_DELETEBUTTON, static_cast<WPARAM>(nIndex))); }
BOOL CToolBarCtrl::MoveButton(UINT nOldPos, UINT nNewPos) { return static_cast<BOOL>(SendMessage(TB_MOVEBUTTON, nOldPos, nNewPos)); }
UINT CToolBarCtrl::CommandToIndex(UINT nID) const { return static_cast<UINT>(SendMessage(TB_COMMANDTOINDEX, nID)); }
int CToolBarCtrl::HitTest(LPPOINT ppt) const { return static_cast<int>(SendMessage(TB_HITTEST, 0, reinterpret_cast<LPARAM>(ppt))); }
void CToolBarCtrl::AutoSize() { SendMessage(TB_AUTOSIZE); }
void CToolBarCtrl::Customize() { SendMessage(TB_CUSTOMIZE); }

int CToolBarCtrl::AddBitmap(int nNumButtons, UINT nBitmapID)
{
    TBADDBITMAP tbab;
    tbab.hInst = AfxFindResourceHandle(MAKEINTRESOURCE(nBitmapID), RT_BITMAP);
    tbab.nID = nBitmapID;
    return static_cast<int>(SendMessage(TB_ADDBITMAP, static_cast<WPARAM>(nNumButtons), reinterpret_cast<LPARAM>(&tbab)));
}

int CToolBarCtrl::AddBitmap(int nNumButtons, CBitmap* pBitmap)
{
    TBADDBITMAP tbab;
    tbab.hInst = NULL;
    tbab.nID = reinterpret_cast<UINT_PTR>(pBitmap != NULL ? pBitmap->GetSafeHandle() : NULL);
    return static_cast<int>(SendMessage(TB_ADDBITMAP, static_cast<WPARAM>(nNumButtons), reinterpret_cast<LPARAM>(&tbab)));
}
