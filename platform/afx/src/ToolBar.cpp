#include <afxwin.h>
#include <afx/ToolBar.h>
#include <algorithm>
#include <vector>

IMPLEMENT_DYNAMIC(CToolBar, CControlBar)

namespace
{
// Background of toolbar bitmap strips, shown transparent.
const COLORREF crImageWellBackground = RGB(192, 192, 192);

// The layout of an RT_TOOLBAR resource; the ids follow the header.
// A 32-bit strip whose pixels carry alpha is drawn by its alpha; any other (a screen bitmap's
// fourth byte is no alpha) is masked by its grey.
bool HasAlphaChannel(const BITMAP& bm)
{
    if (bm.bmBitsPixel != 32 || bm.bmBits == NULL)
        return false;
    const BYTE* pRow = static_cast<const BYTE*>(bm.bmBits);
    for (LONG y = 0; y < bm.bmHeight; y++, pRow += bm.bmWidthBytes)
    {
        for (LONG x = 0; x < bm.bmWidth; x++)
        {
            if (pRow[x * 4 + 3] != 0)
                return true;
        }
    }
    return false;
}

struct SToolBarResource
{
    WORD wVersion;
    WORD wWidth;
    WORD wHeight;
    WORD wItemCount;
};
}

CToolBar::CToolBar()
    : m_sizeButton(23, 22), m_sizeImage(16, 15)
{
}

CToolBar::~CToolBar()
{
    // The control must let go of the image list before the member destroys it.
    DestroyWindow();
}

BOOL CToolBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    return CreateEx(pParentWnd, 0, dwStyle,
        CRect(m_cxLeftBorder, m_cyTopBorder, m_cxRightBorder, m_cyBottomBorder), nID);
}

BOOL CToolBar::CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, CRect rcBorders, UINT nID)
{
    SetBorders(&rcBorders);
    // The bar styles live in m_dwStyle; the window's low word belongs to the control.
    m_dwStyle = dwStyle & CBRS_ALL;
    DWORD dwWndStyle = (dwStyle & ~CBRS_ALL) | dwCtrlStyle;
    CRect rect(0, 0, 0, 0);
    if (!CWnd::Create(TOOLBARCLASSNAME, NULL, dwWndStyle, rect, pParentWnd, nID))
        return FALSE;
    SendMessage(TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON));
    SetSizes(m_sizeButton, m_sizeImage);
    return TRUE;
}

BOOL CToolBar::PreCreateWindow(CREATESTRUCT& cs)
{
    if (!CControlBar::PreCreateWindow(cs))
        return FALSE;
    // The bar places and sizes itself; the control must not follow its parent.
    cs.style |= CCS_NOPARENTALIGN | CCS_NOMOVEY | CCS_NODIVIDER | CCS_NORESIZE;
    if (m_dwStyle & CBRS_TOOLTIPS)
        cs.style |= TBSTYLE_TOOLTIPS;
    return TRUE;
}

void CToolBar::SetSizes(SIZE sizeButton, SIZE sizeImage)
{
    m_sizeButton = sizeButton;
    m_sizeImage = sizeImage;
    if (m_hWnd == NULL)
        return;
    SendMessage(TB_SETBITMAPSIZE, 0, MAKELPARAM(sizeImage.cx, sizeImage.cy));
    SendMessage(TB_SETBUTTONSIZE, 0, MAKELPARAM(sizeButton.cx, sizeButton.cy));
    Invalidate();
}

void CToolBar::SetHeight(int cyHeight)
{
    CRect rcInside(0, 0, 0, 0);
    CalcInsideRect(rcInside, TRUE);
    int cyEdges = -rcInside.Height() - m_cyTopBorder - m_cyBottomBorder;
    int cySpare = std::max(cyHeight - cyEdges - static_cast<int>(m_sizeButton.cy), 0);
    m_cyTopBorder = cySpare / 2;
    m_cyBottomBorder = cySpare - m_cyTopBorder;
    if (m_hWnd != NULL)
        SetWindowPos(NULL, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

BOOL CToolBar::LoadToolBar(LPCTSTR lpszResourceName)
{
    HINSTANCE hInst = AfxFindResourceHandle(lpszResourceName, RT_TOOLBAR);
    HRSRC hRsrc = ::FindResourceW(hInst, lpszResourceName, RT_TOOLBAR);
    if (hRsrc == NULL)
        return FALSE;
    HGLOBAL hGlobal = ::LoadResource(hInst, hRsrc);
    const SToolBarResource* pData = static_cast<const SToolBarResource*>(::LockResource(hGlobal));
    DWORD cbData = ::SizeofResource(hInst, hRsrc);
    if (pData == NULL || cbData < sizeof(SToolBarResource) || pData->wVersion != 1
        || cbData < sizeof(SToolBarResource) + pData->wItemCount * sizeof(WORD))
        return FALSE;

    const WORD* pItems = reinterpret_cast<const WORD*>(pData + 1);
    std::vector<UINT> ids(pItems, pItems + pData->wItemCount);
    if (!SetButtons(ids.empty() ? NULL : ids.data(), static_cast<int>(ids.size())))
        return FALSE;
    CSize sizeImage(pData->wWidth, pData->wHeight);
    SetSizes(CSize(sizeImage.cx + 7, sizeImage.cy + 7), sizeImage);
    return LoadBitmap(lpszResourceName);
}

BOOL CToolBar::LoadToolBar(UINT nIDResource)
{
    return LoadToolBar(MAKEINTRESOURCE(nIDResource));
}

BOOL CToolBar::LoadBitmap(LPCTSTR lpszResourceName)
{
    HINSTANCE hInst = AfxFindResourceHandle(lpszResourceName, RT_BITMAP);
    HBITMAP hbm = static_cast<HBITMAP>(::LoadImageW(hInst, lpszResourceName, IMAGE_BITMAP, 0, 0,
        LR_CREATEDIBSECTION));
    if (hbm == NULL)
        return FALSE;
    BOOL bResult = SetBitmap(hbm);
    ::DeleteObject(hbm);
    return bResult;
}

BOOL CToolBar::LoadBitmap(UINT nIDResource)
{
    return LoadBitmap(MAKEINTRESOURCE(nIDResource));
}

BOOL CToolBar::SetBitmap(HBITMAP hbmImageWell)
{
    if (m_hWnd != NULL)
        SendMessage(TB_SETIMAGELIST, 0, 0);
    m_imageList.DeleteImageList();
    if (hbmImageWell == NULL)
        return TRUE;

    BITMAP bm;
    if (::GetObjectW(hbmImageWell, sizeof(bm), &bm) == 0 || m_sizeImage.cx <= 0 || m_sizeImage.cy <= 0)
        return FALSE;
    int nImages = bm.bmWidth / m_sizeImage.cx;
    if (nImages == 0)
        return FALSE;

    HIMAGELIST hImageList = NULL;
    int nFirst = -1;
    if (HasAlphaChannel(bm))
    {
        hImageList = ImageList_Create(m_sizeImage.cx, m_sizeImage.cy, ILC_COLOR32, nImages, 0);
        if (hImageList != NULL)
            nFirst = ImageList_Add(hImageList, hbmImageWell, NULL);
    }
    else
    {
        // Masking blackens the masked pixels of its source: work on a copy, not the caller's bitmap.
        HBITMAP hbmCopy = static_cast<HBITMAP>(::CopyImage(hbmImageWell, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
        hImageList = ImageList_Create(m_sizeImage.cx, m_sizeImage.cy, ILC_COLOR24 | ILC_MASK, nImages, 0);
        if (hImageList != NULL && hbmCopy != NULL)
            nFirst = ImageList_AddMasked(hImageList, hbmCopy, crImageWellBackground);
        if (hbmCopy != NULL)
            ::DeleteObject(hbmCopy);
    }
    if (nFirst < 0)
    {
        if (hImageList != NULL)
            ImageList_Destroy(hImageList);
        return FALSE;
    }

    m_imageList.Attach(hImageList);
    if (m_hWnd != NULL)
    {
        SendMessage(TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(hImageList));
        // A new image list may make the control size its buttons anew; the bar's sizes rule.
        SetSizes(m_sizeButton, m_sizeImage);
    }
    return TRUE;
}

BOOL CToolBar::SetButtons(const UINT* lpIDArray, int nIDCount)
{
    if (m_hWnd == NULL || nIDCount < 0)
        return FALSE;
    for (int nIndex = GetCount() - 1; nIndex >= 0; nIndex--)
        SendMessage(TB_DELETEBUTTON, static_cast<WPARAM>(nIndex));
    if (nIDCount == 0)
        return TRUE;

    std::vector<TBBUTTON> buttons(static_cast<size_t>(nIDCount));
    int iImage = 0;
    for (int i = 0; i < nIDCount; i++)
    {
        TBBUTTON& button = buttons[static_cast<size_t>(i)];
        UINT nID = lpIDArray != NULL ? lpIDArray[i] : ID_SEPARATOR;
        button.fsState = TBSTATE_ENABLED;
        if (nID == ID_SEPARATOR)
        {
            button.fsStyle = TBSTYLE_SEP;
        }
        else
        {
            button.idCommand = static_cast<int>(nID);
            button.fsStyle = TBSTYLE_BUTTON;
            button.iBitmap = iImage++;
        }
    }
    return static_cast<BOOL>(SendMessage(TB_ADDBUTTONS, static_cast<WPARAM>(nIDCount),
        reinterpret_cast<LPARAM>(buttons.data())));
}

int CToolBar::GetCount() const
{
    return m_hWnd != NULL ? static_cast<int>(SendMessage(TB_BUTTONCOUNT)) : 0;
}

BOOL CToolBar::GetButtonAt(int nIndex, TBBUTTON* pButton) const
{
    if (nIndex < 0 || nIndex >= GetCount())
        return FALSE;
    return static_cast<BOOL>(SendMessage(TB_GETBUTTON, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(pButton)));
}

int CToolBar::CommandToIndex(UINT nIDFind) const
{
    if (m_hWnd == NULL)
        return -1;
    return static_cast<int>(SendMessage(TB_COMMANDTOINDEX, nIDFind));
}

UINT CToolBar::GetItemID(int nIndex) const
{
    TBBUTTON button;
    if (!GetButtonAt(nIndex, &button) || (button.fsStyle & TBSTYLE_SEP))
        return ID_SEPARATOR;
    return static_cast<UINT>(button.idCommand);
}

void CToolBar::GetItemRect(int nIndex, LPRECT lpRect) const
{
    if (nIndex < 0 || nIndex >= GetCount()
        || !SendMessage(TB_GETITEMRECT, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(lpRect)))
        ::SetRectEmpty(lpRect);
}

UINT CToolBar::GetButtonStyle(int nIndex) const
{
    TBBUTTON button;
    if (!GetButtonAt(nIndex, &button))
        return 0;
    return MAKELONG(button.fsStyle, button.fsState ^ TBSTATE_ENABLED);
}

void CToolBar::SetButtonStyle(int nIndex, UINT nStyle)
{
    TBBUTTON button;
    if (!GetButtonAt(nIndex, &button))
        return;
    BYTE fsState = static_cast<BYTE>(HIWORD(nStyle) ^ TBSTATE_ENABLED);
    fsState = static_cast<BYTE>((fsState & ~TBSTATE_WRAP) | (button.fsState & TBSTATE_WRAP));

    TBBUTTONINFOW tbbi = {};
    tbbi.cbSize = sizeof(tbbi);
    tbbi.dwMask = TBIF_BYINDEX | TBIF_STYLE | TBIF_STATE;
    tbbi.fsStyle = LOBYTE(LOWORD(nStyle));
    tbbi.fsState = fsState;
    SendMessage(TB_SETBUTTONINFOW, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(&tbbi));
}

void CToolBar::GetButtonInfo(int nIndex, UINT& nID, UINT& nStyle, int& iImage) const
{
    TBBUTTON button;
    if (!GetButtonAt(nIndex, &button))
    {
        nID = ID_SEPARATOR;
        nStyle = 0;
        iImage = 0;
        return;
    }
    nID = static_cast<UINT>(button.idCommand);
    nStyle = MAKELONG(button.fsStyle, button.fsState ^ TBSTATE_ENABLED);
    iImage = button.iBitmap;
}

void CToolBar::SetButtonInfo(int nIndex, UINT nID, UINT nStyle, int iImage)
{
    TBBUTTON button;
    if (!GetButtonAt(nIndex, &button))
        return;
    BYTE fsState = static_cast<BYTE>(HIWORD(nStyle) ^ TBSTATE_ENABLED);
    fsState = static_cast<BYTE>((fsState & ~TBSTATE_WRAP) | (button.fsState & TBSTATE_WRAP));

    TBBUTTONINFOW tbbi = {};
    tbbi.cbSize = sizeof(tbbi);
    tbbi.dwMask = TBIF_BYINDEX | TBIF_COMMAND | TBIF_STYLE | TBIF_STATE | TBIF_IMAGE;
    tbbi.idCommand = static_cast<int>(nID);
    tbbi.fsStyle = LOBYTE(LOWORD(nStyle));
    tbbi.fsState = fsState;
    tbbi.iImage = iImage;
    SendMessage(TB_SETBUTTONINFOW, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(&tbbi));
}

BOOL CToolBar::SetButtonText(int nIndex, LPCTSTR lpszText)
{
    if (nIndex < 0 || nIndex >= GetCount())
        return FALSE;
    TBBUTTONINFOW tbbi = {};
    tbbi.cbSize = sizeof(tbbi);
    tbbi.dwMask = TBIF_BYINDEX | TBIF_TEXT;
    tbbi.pszText = const_cast<LPWSTR>(lpszText != NULL ? lpszText : L"");
    return static_cast<BOOL>(SendMessage(TB_SETBUTTONINFOW, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(&tbbi)));
}

CString CToolBar::GetButtonText(int nIndex) const
{
    CString strText;
    GetButtonText(nIndex, strText);
    return strText;
}

void CToolBar::GetButtonText(int nIndex, CString& rString) const
{
    rString.Empty();
    if (nIndex < 0 || nIndex >= GetCount())
        return;
    // The control tells no length: grow the buffer until the text fits with room to spare.
    for (int cchBuffer = 64; cchBuffer <= 0x10000; cchBuffer *= 4)
    {
        TBBUTTONINFOW tbbi = {};
        tbbi.cbSize = sizeof(tbbi);
        tbbi.dwMask = TBIF_BYINDEX | TBIF_TEXT;
        tbbi.pszText = rString.GetBuffer(cchBuffer);
        tbbi.pszText[0] = 0;
        tbbi.cchText = cchBuffer;
        SendMessage(TB_GETBUTTONINFOW, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(&tbbi));
        rString.ReleaseBuffer();
        if (rString.GetLength() < cchBuffer - 1)
            return;
    }
}

CToolBarCtrl& CToolBar::GetToolBarCtrl() const
{
    // The wrapper adds no data to CWnd: this bar's window object serves as the control's.
    return *reinterpret_cast<CToolBarCtrl*>(const_cast<CToolBar*>(this));
}

void CToolBar::LayoutButtons(BOOL bHorz)
{
    const int nCount = GetCount();
    for (int nIndex = 0; nIndex < nCount; nIndex++)
    {
        TBBUTTON button;
        if (!GetButtonAt(nIndex, &button))
            continue;
        // A column wraps after every item; a row never does.
        BYTE fsState = static_cast<BYTE>(bHorz ? (button.fsState & ~TBSTATE_WRAP) : (button.fsState | TBSTATE_WRAP));
        if (fsState == button.fsState)
            continue;
        TBBUTTONINFOW tbbi = {};
        tbbi.cbSize = sizeof(tbbi);
        tbbi.dwMask = TBIF_BYINDEX | TBIF_STATE;
        tbbi.fsState = fsState;
        SendMessage(TB_SETBUTTONINFOW, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(&tbbi));
    }
    SendMessage(TB_AUTOSIZE);
}

CSize CToolBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    CRect rcButtons(0, 0, 0, 0);
    if (m_hWnd != NULL)
    {
        LayoutButtons(bHorz);
        const int nCount = GetCount();
        for (int nIndex = 0; nIndex < nCount; nIndex++)
        {
            TBBUTTON button;
            if (!GetButtonAt(nIndex, &button) || (button.fsState & TBSTATE_HIDDEN))
                continue;
            CRect rcItem;
            GetItemRect(nIndex, &rcItem);
            rcButtons.UnionRect(&rcButtons, &rcItem);
        }
    }

    CSize size(rcButtons.right, rcButtons.bottom);
    if (rcButtons.IsRectEmpty())
        size = bHorz ? CSize(0, m_sizeButton.cy) : CSize(m_sizeButton.cx, 0);

    CRect rcInside(0, 0, 0, 0);
    CalcInsideRect(rcInside, bHorz);
    size.cx -= rcInside.Width();
    size.cy -= rcInside.Height();
    if (bStretch)
    {
        if (bHorz)
            size.cx = 32767;
        else
            size.cy = 32767;
    }
    return size;
}

INT_PTR CToolBar::OnToolHitTest(CPoint point, TOOLINFO* pTI) const
{
    if (m_hWnd == NULL)
        return -1;
    int nIndex = static_cast<int>(SendMessage(TB_HITTEST, 0, reinterpret_cast<LPARAM>(&point)));
    TBBUTTON button;
    if (nIndex < 0 || !GetButtonAt(nIndex, &button) || (button.fsStyle & TBSTYLE_SEP))
        return -1;

    INT_PTR nHit = button.idCommand;
    if (pTI != NULL)
    {
        pTI->hwnd = m_hWnd;
        pTI->uId = static_cast<UINT_PTR>(nHit);
        GetItemRect(nIndex, &pTI->rect);
        pTI->lpszText = LPSTR_TEXTCALLBACK;
    }
    return nHit;
}

void CToolBar::OnBarStyleChange(DWORD dwOldStyle, DWORD dwNewStyle)
{
    CControlBar::OnBarStyleChange(dwOldStyle, dwNewStyle);
    if (m_hWnd != NULL && ((dwOldStyle ^ dwNewStyle) & CBRS_ORIENT_ANY) != 0)
        LayoutButtons(IsHorz());
}

namespace
{
// The update item of one toolbar button: state changes go to the button, not to the bar window.
class CToolCmdUI : public CCmdUI
{
public:
    virtual void Enable(BOOL bOn)
    {
        m_bEnableChanged = TRUE;
        CToolBar* pToolBar = static_cast<CToolBar*>(m_pOther);
        UINT nNewStyle = pToolBar->GetButtonStyle(static_cast<int>(m_nIndex)) & ~TBBS_DISABLED;
        if (!bOn)
            nNewStyle = (nNewStyle | TBBS_DISABLED) & ~TBBS_PRESSED;
        pToolBar->SetButtonStyle(static_cast<int>(m_nIndex), nNewStyle);
    }
    virtual void SetCheck(int nCheck)
    {
        CToolBar* pToolBar = static_cast<CToolBar*>(m_pOther);
        UINT nNewStyle = pToolBar->GetButtonStyle(static_cast<int>(m_nIndex)) & ~(TBBS_CHECKED | TBBS_INDETERMINATE);
        if (nCheck == 1)
            nNewStyle |= TBBS_CHECKED;
        else if (nCheck == 2)
            nNewStyle |= TBBS_INDETERMINATE;
        pToolBar->SetButtonStyle(static_cast<int>(m_nIndex), nNewStyle | TBBS_CHECKBOX);
    }
    virtual void SetText(LPCTSTR)
    {
    }
};
}

void CToolBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler)
{
    CToolCmdUI state;
    state.m_pOther = this;
    state.m_nIndexMax = static_cast<UINT>(GetCount());
    CCmdTarget* pCmdTarget = reinterpret_cast<CWnd*>(pTarget);
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; state.m_nIndex++)
    {
        state.m_nID = GetItemID(static_cast<int>(state.m_nIndex));
        if (state.m_nID != ID_SEPARATOR)
            state.DoUpdate(pCmdTarget, bDisableIfNoHndler);
    }
    CControlBar::OnUpdateCmdUI(pTarget, bDisableIfNoHndler);
}
