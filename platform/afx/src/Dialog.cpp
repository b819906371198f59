#include <afxwin.h>
#include "AfxState.h"
#include <cstring>

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, &CDialog::OnOK)
    ON_COMMAND(IDCANCEL, &CDialog::OnCancel)
    ON_MESSAGE(WM_INITDIALOG, &CDialog::HandleInitDialog)
    ON_MESSAGE(WM_SETFONT, &CDialog::HandleSetFont)
END_MESSAGE_MAP()

INT_PTR CALLBACK AfxDlgProc(HWND hWnd, UINT message, WPARAM, LPARAM)
{
    // WM_INITDIALOG reaches the object here, after the framework's handler has let it through.
    if (message == WM_INITDIALOG)
    {
        CDialog* pDlg = DYNAMIC_DOWNCAST(CDialog, CWnd::FromHandlePermanent(hWnd));
        return pDlg != NULL ? pDlg->OnInitDialog() : TRUE;
    }
    return FALSE;
}

CDialog::CDialog()
{
    CommonConstruct();
}

CDialog::CDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd)
{
    CommonConstruct();
    m_pParentWnd = pParentWnd;
    m_lpszTemplateName = lpszTemplateName;
}

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
{
    CommonConstruct();
    m_pParentWnd = pParentWnd;
    m_lpszTemplateName = MAKEINTRESOURCE(nIDTemplate);
}

void CDialog::CommonConstruct()
{
    m_lpszTemplateName = NULL;
    m_hDialogTemplate = NULL;
    m_lpDialogTemplate = NULL;
    m_lpDialogInit = NULL;
    m_pParentWnd = NULL;
    m_hWndTop = NULL;
}

CDialog::~CDialog()
{
    if (m_hWnd != NULL && FromHandlePermanent(m_hWnd) == this)
        DestroyWindow();
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd)
{
    return Create(MAKEINTRESOURCE(nIDTemplate), pParentWnd);
}

BOOL CDialog::Create(LPCTSTR lpszTemplateName, CWnd* pParentWnd)
{
    m_lpszTemplateName = lpszTemplateName;
    HINSTANCE hInst = AfxFindResourceHandle(lpszTemplateName, RT_DIALOG);
    HRSRC hResource = ::FindResourceW(hInst, lpszTemplateName, RT_DIALOG);
    HGLOBAL hTemplate = hResource != NULL ? ::LoadResource(hInst, hResource) : NULL;
    if (hTemplate == NULL)
        return FALSE;
    return CreateDlgIndirect(static_cast<LPCDLGTEMPLATE>(::LockResource(hTemplate)), pParentWnd, hInst);
}

BOOL CDialog::CreateIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd, void* lpDialogInit)
{
    m_lpDialogInit = lpDialogInit;
    // Seen by CheckAutoCenter while the window is created.
    LPCDLGTEMPLATE lpOldTemplate = m_lpDialogTemplate;
    m_lpDialogTemplate = lpDialogTemplate;
    BOOL bResult = CreateDlgIndirect(lpDialogTemplate, pParentWnd, NULL);
    m_lpDialogTemplate = lpOldTemplate;
    return bResult;
}

BOOL CDialog::CreateIndirect(HGLOBAL hDialogTemplate, CWnd* pParentWnd)
{
    if (hDialogTemplate == NULL)
        return FALSE;
    LPCDLGTEMPLATE lpTemplate = static_cast<LPCDLGTEMPLATE>(::GlobalLock(hDialogTemplate));
    BOOL bResult = CreateIndirect(lpTemplate, pParentWnd);
    ::GlobalUnlock(hDialogTemplate);
    return bResult;
}

BOOL CDialog::CreateDlgIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd, HINSTANCE hInst)
{
    if (lpDialogTemplate == NULL || m_hWnd != NULL)
        return FALSE;
    if (hInst == NULL)
        hInst = AfxGetResourceHandle();
    if (pParentWnd != NULL)
        m_pParentWnd = pParentWnd;
    // A modeless dialog without a parent stays with the main window (above it, no taskbar button).
    HWND hWndParent = pParentWnd->GetSafeHwnd();
    if (hWndParent == NULL)
        hWndParent = AfxGetMainWnd()->GetSafeHwnd();

    AfxHookWindowCreate(this);
    HWND hWnd = ::CreateDialogIndirectParamW(hInst, lpDialogTemplate, hWndParent, &AfxDlgProc, 0);
    if (!AfxUnhookWindowCreate())
        PostNcDestroy();
    if (hWnd != NULL && m_hWnd == NULL)
        ::DestroyWindow(hWnd);
    return m_hWnd != NULL;
}

BOOL CDialog::InitModalIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd, void* lpDialogInit)
{
    m_lpDialogTemplate = lpDialogTemplate;
    m_pParentWnd = pParentWnd;
    m_lpDialogInit = lpDialogInit;
    return TRUE;
}

BOOL CDialog::InitModalIndirect(HGLOBAL hDialogTemplate, CWnd* pParentWnd)
{
    m_hDialogTemplate = hDialogTemplate;
    m_pParentWnd = pParentWnd;
    return TRUE;
}

LPCDLGTEMPLATE CDialog::LockTemplate(HINSTANCE& hInst, HGLOBAL& hTemplate) const
{
    hInst = AfxGetResourceHandle();
    hTemplate = NULL;
    if (m_lpszTemplateName != NULL)
    {
        hInst = AfxFindResourceHandle(m_lpszTemplateName, RT_DIALOG);
        HRSRC hResource = ::FindResourceW(hInst, m_lpszTemplateName, RT_DIALOG);
        HGLOBAL hResData = hResource != NULL ? ::LoadResource(hInst, hResource) : NULL;
        return hResData != NULL ? static_cast<LPCDLGTEMPLATE>(::LockResource(hResData)) : NULL;
    }
    if (m_hDialogTemplate != NULL)
    {
        hTemplate = m_hDialogTemplate;
        return static_cast<LPCDLGTEMPLATE>(::GlobalLock(hTemplate));
    }
    return m_lpDialogTemplate;
}

void CDialog::UnlockTemplate(HGLOBAL hTemplate) const
{
    if (hTemplate != NULL)
        ::GlobalUnlock(hTemplate);
}

HWND CDialog::PreModal()
{
    HWND hWndTop = NULL;
    HWND hWndOwner = CWnd::GetSafeOwner_(m_pParentWnd->GetSafeHwnd(), &hWndTop);
    m_hWndTop = hWndTop;
    return hWndOwner;
}

void CDialog::PostModal()
{
    if (m_hWndTop != NULL)
        ::EnableWindow(m_hWndTop, TRUE);
    m_hWndTop = NULL;
}

INT_PTR CDialog::DoModal()
{
    HINSTANCE hInst = NULL;
    HGLOBAL hTemplate = NULL;
    LPCDLGTEMPLATE lpTemplate = LockTemplate(hInst, hTemplate);
    if (lpTemplate == NULL)
        return -1;

    HWND hWndParent = PreModal();
    BOOL bEnableParent = FALSE;
    if (hWndParent != NULL && ::IsWindowEnabled(hWndParent))
    {
        ::EnableWindow(hWndParent, FALSE);
        bEnableParent = TRUE;
    }

    m_nModalResult = -1;
    try
    {
        RunModal(hInst, lpTemplate, hWndParent);
    }
    catch (CException* e)
    {
        // A failure the handlers let through ends the dialog; the owner comes back below.
        AfxUnhookWindowCreate();
        e->Delete();
        m_nFlags &= ~(WF_MODALLOOP | WF_CONTINUEMODAL);
        m_nModalResult = -1;
    }
    UnlockTemplate(hTemplate);

    if (bEnableParent)
        ::EnableWindow(hWndParent, TRUE);
    else if (hWndParent != NULL && ::IsWindowEnabled(hWndParent))
        ::EnableWindow(hWndParent, FALSE);  // the system's EndDialog may have enabled it (Wine does)
    if (hWndParent != NULL && ::GetActiveWindow() == m_hWnd)
        ::SetActiveWindow(hWndParent);
    DestroyWindow();
    PostModal();
    return m_nModalResult;
}

void CDialog::RunModal(HINSTANCE hInst, LPCDLGTEMPLATE lpTemplate, HWND hWndParent)
{
    m_nFlags |= WF_CONTINUEMODAL;
    AfxHookWindowCreate(this);
    ::CreateDialogIndirectParamW(hInst, lpTemplate, hWndParent, &AfxDlgProc, 0);
    if (!AfxUnhookWindowCreate())
        m_nFlags &= ~WF_CONTINUEMODAL;
    if (m_hWnd == NULL)
        return;
    if (m_nFlags & WF_CONTINUEMODAL)
    {
        // Shown once the queue is first idle, after the host's first paint and idle work.
        DWORD dwFlags = MLF_SHOWONIDLE;
        if (GetStyle() & DS_NOIDLEMSG)
            dwFlags |= MLF_NOIDLEMSG;
        RunModalLoop(dwFlags);
    }
    if (m_hWnd != NULL)
        SetWindowPos(NULL, 0, 0, 0, 0, SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
}

void CDialog::EndDialog(int nResult)
{
    if (m_nFlags & (WF_MODALLOOP | WF_CONTINUEMODAL))
        EndModalLoop(nResult);
    ::EndDialog(m_hWnd, nResult);
}

LRESULT CDialog::HandleInitDialog(WPARAM, LPARAM)
{
    // Let the dialog manager run: it calls AfxDlgProc, which calls OnInitDialog.
    return Default();
}

LRESULT CDialog::HandleSetFont(WPARAM wParam, LPARAM)
{
    OnSetFont(CFont::FromHandle(reinterpret_cast<HFONT>(wParam)));
    return Default();
}

BOOL CDialog::OnInitDialog()
{
    // The resource script's list and combo box strings first, then the members.
    BOOL bDlgInit = m_lpDialogInit != NULL ? ExecuteDlgInit(m_lpDialogInit) : ExecuteDlgInit(m_lpszTemplateName);
    if (!bDlgInit || !UpdateData(FALSE))
    {
        EndDialog(-1);
        return FALSE;
    }
    return TRUE;
}

BOOL CDialog::CheckAutoCenter()
{
    HINSTANCE hInst = NULL;
    HGLOBAL hTemplate = NULL;
    LPCDLGTEMPLATE lpTemplate = LockTemplate(hInst, hTemplate);
    if (lpTemplate == NULL)
        return TRUE;
    // An extended template starts with a version of 1 and a signature of 0xFFFF.
    DWORD dwStyle = lpTemplate->style;
    short x = lpTemplate->x;
    short y = lpTemplate->y;
    const WORD* pWords = reinterpret_cast<const WORD*>(lpTemplate);
    if (pWords[0] == 1 && pWords[1] == 0xFFFF)
    {
        const BYTE* pBytes = reinterpret_cast<const BYTE*>(lpTemplate);
        std::memcpy(&dwStyle, pBytes + 12, sizeof(dwStyle));
        std::memcpy(&x, pBytes + 18, sizeof(x));
        std::memcpy(&y, pBytes + 20, sizeof(y));
    }
    UnlockTemplate(hTemplate);
    return !(dwStyle & (DS_CENTER | DS_CENTERMOUSE | DS_ABSALIGN)) && x == 0 && y == 0;
}

void CDialog::OnSetFont(CFont*)
{
}

void CDialog::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg)
{
    if (CWnd::PreTranslateMessage(pMsg))
        return TRUE;
    // Tab, arrows, Enter and Escape move between the controls as the dialog manager does.
    return PreTranslateInput(pMsg);
}

BOOL CDialog::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    // Only commands go further: no control notifications, no control ids, no system commands.
    if ((nCode != CN_COMMAND && static_cast<UINT>(nCode) != CN_UPDATE_COMMAND_UI) || nID < 0x8000 || nID >= 0xF000)
        return FALSE;
    CWnd* pOwner = GetParent();
    if (pOwner != NULL && pOwner->m_hWnd != m_hWnd && pOwner->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    CWinThread* pThread = AfxGetThread();
    return pThread != NULL && pThread->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

void CDialog::NextDlgCtrl() const { ::SendMessageW(m_hWnd, WM_NEXTDLGCTL, 0, 0); }
void CDialog::PrevDlgCtrl() const { ::SendMessageW(m_hWnd, WM_NEXTDLGCTL, 1, 0); }
void CDialog::GotoDlgCtrl(CWnd* pWndCtrl) { ::SendMessageW(m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(pWndCtrl->GetSafeHwnd()), 1); }
void CDialog::SetDefID(UINT nID) { ::SendMessageW(m_hWnd, DM_SETDEFID, nID, 0); }
DWORD CDialog::GetDefID() const { return static_cast<DWORD>(::SendMessageW(m_hWnd, DM_GETDEFID, 0, 0)); }
void CDialog::MapDialogRect(LPRECT lpRect) const { ::MapDialogRect(m_hWnd, lpRect); }
