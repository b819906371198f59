#include <afxwin.h>
#include <cstring>
#include <string>

// CWnd's support for dialogs: owners of popups and the resource script's initial data.

namespace
{
// As the resource compiler writes the messages of DLGINIT records (their 16-bit numbers).
const WORD DLGINIT_LB_ADDSTRING = 0x0401;
const WORD DLGINIT_CB_ADDSTRING = 0x0403;
const WORD DLGINIT_CBEM_INSERTITEM = 0x1234;

WORD ReadWord(const BYTE*& p)
{
    WORD w;
    std::memcpy(&w, p, sizeof(w));
    p += sizeof(w);
    return w;
}

DWORD ReadDword(const BYTE*& p)
{
    DWORD dw;
    std::memcpy(&dw, p, sizeof(dw));
    p += sizeof(dw);
    return dw;
}

// Adds one string; FALSE when the control answers with an error.
BOOL AddDlgInitString(HWND hWndDlg, WORD nIDC, WORD nMsg, LPCSTR lpszText)
{
    switch (nMsg)
    {
    case DLGINIT_LB_ADDSTRING:
    case LB_ADDSTRING:
        return ::SendDlgItemMessageA(hWndDlg, nIDC, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(lpszText)) >= 0;
    case DLGINIT_CB_ADDSTRING:
    case CB_ADDSTRING:
        return ::SendDlgItemMessageA(hWndDlg, nIDC, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(lpszText)) >= 0;
    case DLGINIT_CBEM_INSERTITEM:
    {
        CString strText(lpszText);
        COMBOBOXEXITEMW item = {};
        item.mask = CBEIF_TEXT;
        item.iItem = -1;
        item.pszText = const_cast<LPWSTR>(static_cast<LPCWSTR>(strText));
        return ::SendDlgItemMessageW(hWndDlg, nIDC, CBEM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)) != -1;
    }
    default:
        return TRUE;    // a record for a message no control takes here is skipped
    }
}
}

HWND PASCAL CWnd::GetSafeOwner_(HWND hParent, HWND* pWndTop)
{
    HWND hWnd = hParent;
    if (hWnd == NULL)
        hWnd = AfxGetMainWnd()->GetSafeHwnd();
    // A popup cannot belong to a child window.
    while (hWnd != NULL && (::GetWindowLongPtrW(hWnd, GWL_STYLE) & WS_CHILD))
        hWnd = ::GetParent(hWnd);

    HWND hWndTop = hWnd;
    for (HWND hWndUp = hWnd; hWndUp != NULL; hWndUp = ::GetParent(hWndUp))
        hWndTop = hWndUp;

    if (hParent == NULL && hWnd != NULL)
        hWnd = ::GetLastActivePopup(hWnd);

    if (pWndTop != NULL)
    {
        *pWndTop = NULL;
        if (hWndTop != NULL && hWndTop != hWnd && ::IsWindowEnabled(hWndTop))
        {
            *pWndTop = hWndTop;
            ::EnableWindow(hWndTop, FALSE);
        }
    }
    return hWnd;
}

CWnd* PASCAL CWnd::GetSafeOwner(CWnd* pParent, HWND* pWndTop)
{
    return FromHandle(GetSafeOwner_(pParent->GetSafeHwnd(), pWndTop));
}

BOOL CWnd::ExecuteDlgInit(LPCTSTR lpszResourceName)
{
    if (lpszResourceName == NULL)
        return ExecuteDlgInit(static_cast<LPVOID>(NULL));
    HINSTANCE hInst = AfxFindResourceHandle(lpszResourceName, RT_DLGINIT);
    HRSRC hDlgInit = ::FindResourceW(hInst, lpszResourceName, RT_DLGINIT);
    HGLOBAL hResource = hDlgInit != NULL ? ::LoadResource(hInst, hDlgInit) : NULL;
    return ExecuteDlgInit(hResource != NULL ? ::LockResource(hResource) : NULL);
}

BOOL CWnd::ExecuteDlgInit(LPVOID lpResource)
{
    // Records of WORD id, WORD message, DWORD length and that many bytes of ANSI text, up to
    // an id of 0.
    const BYTE* p = static_cast<const BYTE*>(lpResource);
    BOOL bSuccess = TRUE;
    while (bSuccess && p != NULL)
    {
        WORD nIDC = ReadWord(p);
        if (nIDC == 0)
            break;
        WORD nMsg = ReadWord(p);
        DWORD dwLen = ReadDword(p);
        LPCSTR lpszData = reinterpret_cast<LPCSTR>(p);
        std::string strText(lpszData, ::strnlen(lpszData, dwLen));
        bSuccess = AddDlgInitString(m_hWnd, nIDC, nMsg, strText.c_str());
        p += dwLen;
    }
    return bSuccess;
}
