#include "MessageBoxCatcher.h"

namespace zaduv_test
{
namespace
{
thread_local CMessageBoxCatcher* t_pCatcher = nullptr;

// The text of a message box is the static with this id, on Windows and Wine alike.
const int kMessageBoxTextId = 0xFFFF;
}

CMessageBoxCatcher::CMessageBoxCatcher(WPARAM nAnswer) : m_nAnswer(nAnswer), m_pOuter(t_pCatcher)
{
    t_pCatcher = this;
    m_hHook = ::SetWindowsHookExW(WH_CALLWNDPROCRET, &HookProc, NULL, ::GetCurrentThreadId());
}

CMessageBoxCatcher::~CMessageBoxCatcher()
{
    if (m_hHook != NULL)
        ::UnhookWindowsHookEx(m_hHook);
    t_pCatcher = m_pOuter;
}

bool CMessageBoxCatcher::IsMessageBox(HWND hWnd)
{
    WCHAR szClass[16] = {};
    ::GetClassNameW(hWnd, szClass, 16);
    // Framework dialogs have an object; a message box is the system's own dialog.
    return ::lstrcmpW(szClass, L"#32770") == 0 && CWnd::FromHandlePermanent(hWnd) == NULL &&
        ::GetDlgItem(hWnd, kMessageBoxTextId) != NULL;
}

LRESULT CALLBACK CMessageBoxCatcher::HookProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    CMessageBoxCatcher* pThis = t_pCatcher;
    const CWPRETSTRUCT* pMsg = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    if (nCode == HC_ACTION && pThis != nullptr && pMsg->message == WM_INITDIALOG && IsMessageBox(pMsg->hwnd))
    {
        SCaughtMessageBox box;
        CWnd::FromHandle(::GetDlgItem(pMsg->hwnd, kMessageBoxTextId))->GetWindowText(box.strText);
        CWnd::FromHandle(pMsg->hwnd)->GetWindowText(box.strCaption);
        box.hWndOwner = ::GetWindow(pMsg->hwnd, GW_OWNER);
        pThis->m_boxes.push_back(box);
        ::PostMessageW(pMsg->hwnd, WM_COMMAND, pThis->m_nAnswer, 0);
    }
    return ::CallNextHookEx(pThis != nullptr ? pThis->m_hHook : NULL, nCode, wParam, lParam);
}
}
