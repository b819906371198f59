#include "dialogs/DlgDefaultButton.h"

BEGIN_MESSAGE_MAP(CDlgDefaultButton, CSkinDialog)
    ON_WM_SHOWWINDOW()
END_MESSAGE_MAP()

CDlgDefaultButton::CDlgDefaultButton(UINT nIDTemplate, UINT nIDDefaultButton, CWnd* pParentWnd)
    : CSkinDialog(nIDTemplate, pParentWnd, static_cast<CSkinStubWnd::EFlags>(2)),
      m_nDefaultButton(nIDDefaultButton)
{
}

CDlgDefaultButton::~CDlgDefaultButton()
{
}

void CDlgDefaultButton::SetDefaultButton(UINT nID)
{
    m_nDefaultButton = nID;
}

void CDlgDefaultButton::SetCursor(UINT nID)
{
    ::EnumChildWindows(m_hWnd, &CDlgDefaultButton::SetCursorEnumProc, static_cast<LPARAM>(nID));
}

BOOL CALLBACK CDlgDefaultButton::SetCursorEnumProc(HWND hWnd, LPARAM lParam)
{
    // The stored id is sign-extended and the searched one is not, so no id with the high bit
    // set ever matches: the unnamed statics (id -1) never take the pointer.
    if (static_cast<LPARAM>(static_cast<LONG>(::GetWindowLongW(hWnd, GWL_ID))) != lParam)
        return TRUE;
    RECT rect;
    ::GetWindowRect(hWnd, &rect);
    ::SetCursorPos((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    return FALSE;
}

void CDlgDefaultButton::OnShowWindow(BOOL /*bShow*/, UINT /*nStatus*/)
{
    Default();
    if (m_nDefaultButton != 0)
        SetCursor(m_nDefaultButton);
}
