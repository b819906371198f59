#ifndef AFX_WINAPP_H
#define AFX_WINAPP_H
// CWinThread with the message pump, and CWinApp, the application object: instance and
// resource handles, the profile (an INI file, or the registry after SetRegistryKey) and the
// wait cursor. A console host declares a global CWinApp and calls AfxWinInit first.

#include <afx/Wnd.h>
#include <afxres.h>

class CException;

class AFX_API CWinThread : public CCmdTarget
{
    DECLARE_DYNAMIC(CWinThread)
public:
    CWinThread();

// Attributes
    CWnd* m_pMainWnd;       // PreTranslateMessage walks stop here; closing it ends Run
    CWnd* m_pActiveWnd;
    BOOL m_bAutoDelete;
    HANDLE m_hThread;
    DWORD m_nThreadID;
    MSG m_msgCur;           // the message PumpMessage retrieved last

    virtual CWnd* GetMainWnd();

// Overridables
    virtual BOOL InitInstance();
    virtual int Run();
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    virtual BOOL PumpMessage();
    // Count 0 updates the command user interface, 1 frees the temporary handle objects; TRUE
    // asks for another call.
    virtual BOOL OnIdle(LONG lCount);
    virtual BOOL IsIdleMessage(MSG* pMsg);
    virtual int ExitInstance();
    // What a window procedure returns when a handler let an exception through (WM_CREATE: -1).
    virtual LRESULT ProcessWndProcException(CException* e, const MSG* pMsg);

    virtual ~CWinThread();

// Implementation
protected:
    // Sends WM_IDLEUPDATECMDUI to a visible main window and its framework descendants.
    void UpdateMainWindowCmdUI();
};

class AFX_API CWinApp : public CWinThread
{
    DECLARE_DYNAMIC(CWinApp)
public:
    explicit CWinApp(LPCTSTR lpszAppName = NULL);

// Attributes
    LPCTSTR m_pszAppName;
    HINSTANCE m_hInstance;
    LPTSTR m_lpCmdLine;
    int m_nCmdShow;
    LPCTSTR m_pszExeName;
    LPCTSTR m_pszRegistryKey;   // set by SetRegistryKey: the profile lives in the registry
    LPCTSTR m_pszProfileName;   // the INI file, or the application's key name in the registry

// Operations
    HCURSOR LoadCursor(LPCTSTR lpszResourceName) const;
    HCURSOR LoadCursor(UINT nIDResource) const;
    HCURSOR LoadStandardCursor(LPCTSTR lpszCursorName) const;
    HICON LoadIcon(LPCTSTR lpszResourceName) const;
    HICON LoadIcon(UINT nIDResource) const;
    HICON LoadStandardIcon(LPCTSTR lpszIconName) const;

    UINT GetProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nDefault);
    BOOL WriteProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nValue);
    CString GetProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszDefault = NULL);
    BOOL WriteProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszValue);

    HKEY GetAppRegistryKey();
    HKEY GetSectionKey(LPCTSTR lpszSection);

// Overridables
    virtual BOOL InitApplication();
    virtual BOOL InitInstance();
    virtual int ExitInstance();
    virtual int Run();
    virtual void DoWaitCursor(int nCode);   // 1 begin, -1 end, 0 restore
    // Every AfxMessageBox goes through here: owned by the main window's last active popup,
    // captioned with the application's name.
    virtual int DoMessageBox(LPCTSTR lpszPrompt, UINT nType, UINT nIDPrompt);
    // Also tells the user of any failure but a CUserException, which was reported already.
    virtual LRESULT ProcessWndProcException(CException* e, const MSG* pMsg);

    virtual ~CWinApp();

protected:
    void SetRegistryKey(LPCTSTR lpszRegistryKey);
    void SetRegistryKey(UINT nIDRegistryKey);

// Implementation
public:
    void SetCurrentHandles();
    int m_nWaitCursorCount;
    HCURSOR m_hcurWaitCursorRestore;

private:
    CString m_strAppName;       // owners of the strings the public pointers above point into
    CString m_strExeName;
    CString m_strRegistryKey;
    CString m_strProfileName;
};

AFX_API CWinApp* AFXAPI AfxGetApp();
AFX_API CWinThread* AFXAPI AfxGetThread();
AFX_API CWnd* AFXAPI AfxGetMainWnd();
AFX_API LPCTSTR AFXAPI AfxGetAppName();
AFX_API BOOL AFXAPI AfxWinInit(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine, int nCmdShow);
AFX_API void AFXAPI AfxWinTerm();
AFX_API int AFXAPI AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine, int nCmdShow);
AFX_API int AFXAPI AfxMessageBox(LPCTSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);
// The prompt comes from the string table; its id doubles as the help context unless one is given.
AFX_API int AFXAPI AfxMessageBox(UINT nIDPrompt, UINT nType = MB_OK, UINT nIDHelp = static_cast<UINT>(-1));
AFX_API BOOL AFXAPI AfxPumpMessage();
// Called by the window procedure for an exception a handler let through; the caller deletes it.
AFX_API LRESULT AFXAPI AfxProcessWndProcException(CException* e, const MSG* pMsg);
AFX_API void AFXAPI AfxPostQuitMessage(int nExitCode);

#endif
