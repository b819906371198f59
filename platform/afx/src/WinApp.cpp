#include <afxwin.h>
#include <afx/HandleMap.h>
#include <afxres.h>
#include "AfxState.h"
#include <memory>

namespace
{
// Process-wide application state: one application object per process, as in the framework.
CWinApp* g_pApp = NULL;
HINSTANCE g_hInstance = NULL;
HINSTANCE g_hResource = NULL;

// Lets AfxPumpMessage work in a host that has no application object of its own; released
// when the thread ends.
CWinThread* DefaultThread()
{
    std::unique_ptr<CWinThread>& pThread = AfxGetThreadState()->m_pDefaultThread;
    if (!pThread)
        pThread.reset(new CWinThread);
    return pThread.get();
}
}

HINSTANCE AFXAPI AfxGetInstanceHandle()
{
    return g_hInstance != NULL ? g_hInstance : ::GetModuleHandleW(NULL);
}

HINSTANCE AFXAPI AfxGetResourceHandle()
{
    return g_hResource != NULL ? g_hResource : AfxGetInstanceHandle();
}

void AFXAPI AfxSetResourceHandle(HINSTANCE hInstResource)
{
    g_hResource = hInstResource;
}

HINSTANCE AFXAPI AfxFindResourceHandle(LPCTSTR lpszName, LPCTSTR lpszType)
{
    // The application's resource module first, then the application itself; what neither has
    // is looked for in the resource module, where the caller's load then fails cleanly.
    HINSTANCE hResource = AfxGetResourceHandle();
    if (::FindResourceW(hResource, lpszName, lpszType) != NULL)
        return hResource;
    HINSTANCE hInstance = AfxGetInstanceHandle();
    if (hInstance != hResource && ::FindResourceW(hInstance, lpszName, lpszType) != NULL)
        return hInstance;
    return hResource;
}

CWinApp* AFXAPI AfxGetApp()
{
    return g_pApp;
}

CWinThread* AFXAPI AfxGetThread()
{
    // The application is the thread object of the thread that made it; a thread started
    // without a framework thread object has none.
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (pState->m_pCurrentThread != NULL)
        return pState->m_pCurrentThread;
    if (g_pApp != NULL && g_pApp->m_nThreadID == ::GetCurrentThreadId())
        return g_pApp;
    return NULL;
}

CWnd* AFXAPI AfxGetMainWnd()
{
    CWinThread* pThread = AfxGetThread();
    return pThread != NULL ? pThread->GetMainWnd() : NULL;
}

LPCTSTR AFXAPI AfxGetAppName()
{
    return g_pApp != NULL ? g_pApp->m_pszAppName : L"";
}

BOOL AFXAPI AfxWinInit(HINSTANCE hInstance, HINSTANCE, LPTSTR lpCmdLine, int nCmdShow)
{
    g_hInstance = hInstance;
    if (g_hResource == NULL)
        g_hResource = hInstance;

    INITCOMMONCONTROLSEX icc = { sizeof(INITCOMMONCONTROLSEX),
        ICC_WIN95_CLASSES | ICC_BAR_CLASSES | ICC_LISTVIEW_CLASSES | ICC_TAB_CLASSES | ICC_STANDARD_CLASSES };
    ::InitCommonControlsEx(&icc);

    if (CWinApp* pApp = AfxGetApp())
    {
        pApp->m_hInstance = hInstance;
        pApp->m_lpCmdLine = lpCmdLine;
        pApp->m_nCmdShow = nCmdShow;
        pApp->SetCurrentHandles();
    }
    return TRUE;
}

void AFXAPI AfxWinTerm()
{
    AfxDeleteTempMaps();
}

int AFXAPI AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine, int nCmdShow)
{
    int nReturnCode = -1;
    CWinApp* pApp = AfxGetApp();
    if (AfxWinInit(hInstance, hPrevInstance, lpCmdLine, nCmdShow) && pApp != NULL &&
        pApp->InitApplication())
    {
        if (pApp->InitInstance())
            nReturnCode = pApp->Run();
        else
            nReturnCode = pApp->ExitInstance();
    }
    AfxWinTerm();
    return nReturnCode;
}

BOOL AFXAPI AfxPumpMessage()
{
    CWinThread* pThread = AfxGetThread();
    return (pThread != NULL ? pThread : DefaultThread())->PumpMessage();
}

LRESULT AFXAPI AfxProcessWndProcException(CException* e, const MSG* pMsg)
{
    CWinThread* pThread = AfxGetThread();
    return (pThread != NULL ? pThread : DefaultThread())->ProcessWndProcException(e, pMsg);
}

void AFXAPI AfxPostQuitMessage(int nExitCode)
{
    ::PostQuitMessage(nExitCode);
}

IMPLEMENT_DYNAMIC(CWinThread, CCmdTarget)

CWinThread::CWinThread()
    : m_pMainWnd(NULL), m_pActiveWnd(NULL), m_bAutoDelete(FALSE), m_hThread(NULL), m_nThreadID(0), m_msgCur()
{
}

CWinThread::~CWinThread()
{
}

// The in-place active window, else the main window, else whatever window of this thread the user
// works in: a box or dialog owned by the result is modal to what the user sees.
CWnd* CWinThread::GetMainWnd()
{
    if (m_pActiveWnd != NULL)
        return m_pActiveWnd;
    if (m_pMainWnd != NULL)
        return m_pMainWnd;
    return CWnd::GetActiveWindow();
}

BOOL CWinThread::InitInstance()
{
    return FALSE;
}

int CWinThread::ExitInstance()
{
    return static_cast<int>(m_msgCur.wParam);
}

LRESULT CWinThread::ProcessWndProcException(CException*, const MSG* pMsg)
{
    if (pMsg->message == WM_CREATE)
        return -1;      // the window is not created
    if (pMsg->message == WM_PAINT)
        ::ValidateRect(pMsg->hwnd, NULL);   // or it would be painted again forever
    return 0;
}

BOOL CWinThread::PumpMessage()
{
    if (!::GetMessageW(&m_msgCur, NULL, 0, 0))
        return FALSE;
    AfxGetThreadState()->m_msgCur = m_msgCur;
    if (m_msgCur.message != WM_KICKIDLE && !PreTranslateMessage(&m_msgCur))
    {
        ::TranslateMessage(&m_msgCur);
        ::DispatchMessageW(&m_msgCur);
    }
    return TRUE;
}

BOOL CWinThread::PreTranslateMessage(MSG* pMsg)
{
    // From the target window up through its parents to the main window; then, for windows
    // outside the main window (modeless dialogs), the main window gets a last look.
    CWnd* pMainWnd = AfxGetMainWnd();
    if (CWnd::WalkPreTranslateTree(pMainWnd->GetSafeHwnd(), pMsg))
        return TRUE;
    if (pMainWnd != NULL && pMainWnd->m_hWnd != NULL)
    {
        CWnd* pWnd = CWnd::FromHandle(pMsg->hwnd);
        if (pWnd != NULL && pWnd->GetTopLevelParent() != pMainWnd)
            return pMainWnd->PreTranslateMessage(pMsg);
    }
    return FALSE;
}

BOOL CWinThread::IsIdleMessage(MSG* pMsg)
{
    // Painting, the caret's blink and a mouse that did not move are no activity that calls for
    // idle work again.
    if (pMsg->message == WM_PAINT || pMsg->message == WM_SYSTIMER)
        return FALSE;
    if (pMsg->message == WM_MOUSEMOVE || pMsg->message == WM_NCMOUSEMOVE)
    {
        AFX_THREAD_STATE* pState = AfxGetThreadState();
        if (pState->m_nMsgLast == pMsg->message && pState->m_ptCursorLast.x == pMsg->pt.x &&
            pState->m_ptCursorLast.y == pMsg->pt.y)
            return FALSE;
        pState->m_ptCursorLast = pMsg->pt;
        pState->m_nMsgLast = pMsg->message;
    }
    return TRUE;
}

BOOL CWinThread::OnIdle(LONG lCount)
{
    if (lCount <= 0)
        UpdateMainWindowCmdUI();
    else if (lCount == 1)
        AfxDeleteTempMaps();    // nothing of this round's messages holds a temporary any more
    return lCount <= 1;
}

void CWinThread::UpdateMainWindowCmdUI()
{
    CWnd* pMainWnd = m_pMainWnd;
    if (pMainWnd == NULL || pMainWnd->m_hWnd == NULL || !pMainWnd->IsWindowVisible())
        return;
    AfxCallWndProc(pMainWnd, pMainWnd->m_hWnd, WM_IDLEUPDATECMDUI, TRUE, 0);
    pMainWnd->SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE, 0, TRUE, TRUE);
}

int CWinThread::Run()
{
    BOOL bIdle = TRUE;
    LONG lIdleCount = 0;
    MSG msg;
    for (;;)
    {
        while (bIdle && !::PeekMessageW(&msg, NULL, 0, 0, PM_NOREMOVE))
        {
            if (!OnIdle(lIdleCount++))
                bIdle = FALSE;
        }
        do
        {
            if (!PumpMessage())
                return ExitInstance();
            if (IsIdleMessage(&m_msgCur))
            {
                bIdle = TRUE;
                lIdleCount = 0;
            }
        } while (::PeekMessageW(&msg, NULL, 0, 0, PM_NOREMOVE));
    }
}

IMPLEMENT_DYNAMIC(CWinApp, CWinThread)

CWinApp::CWinApp(LPCTSTR lpszAppName)
    : m_pszAppName(NULL), m_hInstance(NULL), m_lpCmdLine(NULL), m_nCmdShow(SW_SHOWNORMAL),
      m_pszExeName(NULL), m_pszRegistryKey(NULL), m_pszProfileName(NULL),
      m_nWaitCursorCount(0), m_hcurWaitCursorRestore(NULL)
{
    if (lpszAppName != NULL)
    {
        m_strAppName = lpszAppName;
        m_pszAppName = m_strAppName;
    }
    g_pApp = this;
    m_hThread = ::GetCurrentThread();
    m_nThreadID = ::GetCurrentThreadId();
}

CWinApp::~CWinApp()
{
    if (g_pApp == this)
        g_pApp = NULL;
}

void CWinApp::SetCurrentHandles()
{
    WCHAR szPath[MAX_PATH] = {};
    ::GetModuleFileNameW(m_hInstance, szPath, MAX_PATH);
    CString strPath(szPath);
    int nSlash = strPath.ReverseFind(L'\\');
    CString strFile = strPath.Mid(nSlash + 1);
    int nDot = strFile.ReverseFind(L'.');
    m_strExeName = nDot >= 0 ? strFile.Left(nDot) : strFile;
    m_pszExeName = m_strExeName;
    // The name the constructor was given wins; then the title the host's resources give it.
    if (m_pszAppName == NULL)
    {
        if (!m_strAppName.LoadString(AFX_IDS_APP_TITLE))
            m_strAppName = m_strExeName;
        m_pszAppName = m_strAppName;
    }
    if (m_pszProfileName == NULL)
    {
        m_strProfileName = m_strExeName + L".INI";
        m_pszProfileName = m_strProfileName;
    }
}

void CWinApp::SetRegistryKey(LPCTSTR lpszRegistryKey)
{
    m_strRegistryKey = lpszRegistryKey;
    m_pszRegistryKey = m_strRegistryKey;
    // In the registry the profile name is the application's own key.
    m_strProfileName = m_pszAppName != NULL ? m_pszAppName : L"";
    m_pszProfileName = m_strProfileName;
}

void CWinApp::SetRegistryKey(UINT nIDRegistryKey)
{
    CString strKey;
    strKey.LoadString(nIDRegistryKey);
    SetRegistryKey(strKey);
}

BOOL CWinApp::InitApplication()
{
    return TRUE;
}

BOOL CWinApp::InitInstance()
{
    return TRUE;
}

int CWinApp::ExitInstance()
{
    return CWinThread::ExitInstance();
}

LRESULT CWinApp::ProcessWndProcException(CException* e, const MSG* pMsg)
{
    if (pMsg->message == WM_CREATE || pMsg->message == WM_PAINT)
        return CWinThread::ProcessWndProcException(e, pMsg);
    UINT nIDPrompt = AFX_IDP_INTERNAL_FAILURE;
    LRESULT lResult = 0;
    if (pMsg->message == WM_COMMAND)
    {
        if (pMsg->lParam == 0)
            nIDPrompt = AFX_IDP_COMMAND_FAILURE;    // a menu or accelerator command
        lResult = TRUE;     // the command was handled, if unsuccessfully
    }
    if (!e->IsKindOf(RUNTIME_CLASS(CUserException)))
        e->ReportError(MB_ICONEXCLAMATION | MB_SYSTEMMODAL, nIDPrompt);
    return lResult;
}

int CWinApp::Run()
{
    if (m_pMainWnd == NULL)
        AfxPostQuitMessage(0);
    return CWinThread::Run();
}

HCURSOR CWinApp::LoadCursor(LPCTSTR lpszResourceName) const
{
    return ::LoadCursorW(AfxFindResourceHandle(lpszResourceName, RT_GROUP_CURSOR), lpszResourceName);
}

HCURSOR CWinApp::LoadCursor(UINT nIDResource) const
{
    return LoadCursor(MAKEINTRESOURCE(nIDResource));
}

HCURSOR CWinApp::LoadStandardCursor(LPCTSTR lpszCursorName) const
{
    return ::LoadCursorW(NULL, lpszCursorName);
}

HICON CWinApp::LoadIcon(LPCTSTR lpszResourceName) const
{
    return ::LoadIconW(AfxFindResourceHandle(lpszResourceName, RT_GROUP_ICON), lpszResourceName);
}

HICON CWinApp::LoadIcon(UINT nIDResource) const
{
    return LoadIcon(MAKEINTRESOURCE(nIDResource));
}

HICON CWinApp::LoadStandardIcon(LPCTSTR lpszIconName) const
{
    return ::LoadIconW(NULL, lpszIconName);
}

void CWinApp::DoWaitCursor(int nCode)
{
    m_nWaitCursorCount += nCode;
    if (m_nWaitCursorCount > 0)
    {
        HCURSOR hcurPrev = ::SetCursor(::LoadCursorW(NULL, IDC_WAIT));
        if (nCode > 0 && m_nWaitCursorCount == 1)
            m_hcurWaitCursorRestore = hcurPrev;
    }
    else
    {
        m_nWaitCursorCount = 0;
        ::SetCursor(m_hcurWaitCursorRestore);
    }
}

// nIDPrompt is the help context of the prompt, for overrides that offer help; the framework
// itself has no help system to hand it to.
int CWinApp::DoMessageBox(LPCTSTR lpszPrompt, UINT nType, UINT nIDPrompt)
{
    HWND hWndOwner = AfxGetMainWnd()->GetSafeHwnd();
    if (hWndOwner != NULL)
        hWndOwner = ::GetLastActivePopup(hWndOwner);
    return ::MessageBoxW(hWndOwner, lpszPrompt, m_pszAppName, nType);
}

int AFXAPI AfxMessageBox(LPCTSTR lpszText, UINT nType, UINT nIDHelp)
{
    if (CWinApp* pApp = AfxGetApp())
        return pApp->DoMessageBox(lpszText, nType, nIDHelp);
    return ::MessageBoxW(NULL, lpszText, NULL, nType);
}

int AFXAPI AfxMessageBox(UINT nIDPrompt, UINT nType, UINT nIDHelp)
{
    CString strPrompt;
    if (!strPrompt.LoadString(nIDPrompt))
        return 0;
    if (nIDHelp == static_cast<UINT>(-1))
        nIDHelp = nIDPrompt;
    return AfxMessageBox(strPrompt, nType, nIDHelp);
}

HKEY CWinApp::GetAppRegistryKey()
{
    if (m_pszRegistryKey == NULL)
        return NULL;
    HKEY hSoftKey = NULL;
    HKEY hCompanyKey = NULL;
    HKEY hAppKey = NULL;
    if (::RegOpenKeyExW(HKEY_CURRENT_USER, L"Software", 0, KEY_WRITE | KEY_READ, &hSoftKey) == ERROR_SUCCESS)
    {
        DWORD dw;
        if (::RegCreateKeyExW(hSoftKey, m_pszRegistryKey, 0, NULL, REG_OPTION_NON_VOLATILE,
                KEY_WRITE | KEY_READ, NULL, &hCompanyKey, &dw) == ERROR_SUCCESS)
        {
            ::RegCreateKeyExW(hCompanyKey, m_pszProfileName, 0, NULL, REG_OPTION_NON_VOLATILE,
                KEY_WRITE | KEY_READ, NULL, &hAppKey, &dw);
        }
    }
    if (hSoftKey != NULL)
        ::RegCloseKey(hSoftKey);
    if (hCompanyKey != NULL)
        ::RegCloseKey(hCompanyKey);
    return hAppKey;
}

HKEY CWinApp::GetSectionKey(LPCTSTR lpszSection)
{
    HKEY hAppKey = GetAppRegistryKey();
    if (hAppKey == NULL)
        return NULL;
    HKEY hSectionKey = NULL;
    DWORD dw;
    ::RegCreateKeyExW(hAppKey, lpszSection, 0, NULL, REG_OPTION_NON_VOLATILE, KEY_WRITE | KEY_READ,
        NULL, &hSectionKey, &dw);
    ::RegCloseKey(hAppKey);
    return hSectionKey;
}

UINT CWinApp::GetProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nDefault)
{
    if (m_pszRegistryKey == NULL)
        return ::GetPrivateProfileIntW(lpszSection, lpszEntry, nDefault, m_pszProfileName);
    HKEY hSecKey = GetSectionKey(lpszSection);
    if (hSecKey == NULL)
        return static_cast<UINT>(nDefault);
    DWORD dwValue = 0;
    DWORD dwType = 0;
    DWORD dwCount = sizeof(DWORD);
    LONG lResult = ::RegQueryValueExW(hSecKey, lpszEntry, NULL, &dwType, reinterpret_cast<LPBYTE>(&dwValue), &dwCount);
    ::RegCloseKey(hSecKey);
    return lResult == ERROR_SUCCESS && dwType == REG_DWORD ? static_cast<UINT>(dwValue) : static_cast<UINT>(nDefault);
}

BOOL CWinApp::WriteProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nValue)
{
    if (m_pszRegistryKey == NULL)
    {
        CString strValue;
        strValue.Format(L"%d", nValue);
        return ::WritePrivateProfileStringW(lpszSection, lpszEntry, strValue, m_pszProfileName);
    }
    HKEY hSecKey = GetSectionKey(lpszSection);
    if (hSecKey == NULL)
        return FALSE;
    DWORD dwValue = static_cast<DWORD>(nValue);
    LONG lResult = ::RegSetValueExW(hSecKey, lpszEntry, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dwValue), sizeof(dwValue));
    ::RegCloseKey(hSecKey);
    return lResult == ERROR_SUCCESS;
}

CString CWinApp::GetProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszDefault)
{
    if (m_pszRegistryKey == NULL)
    {
        if (lpszDefault == NULL)
            lpszDefault = L"";
        WCHAR szBuffer[4096];
        ::GetPrivateProfileStringW(lpszSection, lpszEntry, lpszDefault, szBuffer, 4096, m_pszProfileName);
        return CString(szBuffer);
    }
    HKEY hSecKey = GetSectionKey(lpszSection);
    CString strValue = lpszDefault != NULL ? lpszDefault : L"";
    if (hSecKey == NULL)
        return strValue;
    DWORD dwType = 0;
    DWORD dwCount = 0;
    if (::RegQueryValueExW(hSecKey, lpszEntry, NULL, &dwType, NULL, &dwCount) == ERROR_SUCCESS && dwType == REG_SZ)
    {
        CString strStored;
        LPWSTR pszBuffer = strStored.GetBuffer(static_cast<int>(dwCount / sizeof(WCHAR)) + 1);
        LONG lResult = ::RegQueryValueExW(hSecKey, lpszEntry, NULL, &dwType, reinterpret_cast<LPBYTE>(pszBuffer), &dwCount);
        pszBuffer[dwCount / sizeof(WCHAR)] = L'\0';
        strStored.ReleaseBuffer();
        if (lResult == ERROR_SUCCESS)
            strValue = strStored;
    }
    ::RegCloseKey(hSecKey);
    return strValue;
}

BOOL CWinApp::WriteProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszValue)
{
    if (m_pszRegistryKey == NULL)
        return ::WritePrivateProfileStringW(lpszSection, lpszEntry, lpszValue, m_pszProfileName);

    if (lpszEntry == NULL)
    {
        // No entry: delete the whole section.
        HKEY hAppKey = GetAppRegistryKey();
        if (hAppKey == NULL)
            return FALSE;
        LONG lResult = ::RegDeleteKeyW(hAppKey, lpszSection);
        ::RegCloseKey(hAppKey);
        return lResult == ERROR_SUCCESS;
    }
    HKEY hSecKey = GetSectionKey(lpszSection);
    if (hSecKey == NULL)
        return FALSE;
    LONG lResult;
    if (lpszValue == NULL)
        lResult = ::RegDeleteValueW(hSecKey, lpszEntry);
    else
        lResult = ::RegSetValueExW(hSecKey, lpszEntry, 0, REG_SZ, reinterpret_cast<const BYTE*>(lpszValue),
            static_cast<DWORD>((::lstrlenW(lpszValue) + 1) * sizeof(WCHAR)));
    ::RegCloseKey(hSecKey);
    return lResult == ERROR_SUCCESS;
}
