#ifndef ZADUV_TESTS_AFX_HOOKEDDIALOG_H
#define ZADUV_TESTS_AFX_HOOKEDDIALOG_H
// CHookedDialog: a dialog whose initialization, idle work and posted WM_APP a test supplies as
// functions, so that each case of the dialog tests acts from inside the dialog as a host's
// dialog would. A modal one ends itself with -2 after a few seconds, so a broken loop fails
// its test instead of hanging the run.

#include <afxwin.h>
#include <functional>
#include <vector>

// The id of a command the dialog handles itself.
const UINT ID_DIALOG_OWN_COMMAND = 0x8100;

class CHookedDialog : public CDialog
{
public:
    CHookedDialog() {}
    explicit CHookedDialog(UINT nIDTemplate, CWnd* pParentWnd = NULL) : CDialog(nIDTemplate, pParentWnd) {}

    static const INT_PTR kTimedOut = -2;

    std::function<void(CHookedDialog&)> m_fnInit;                   // after CDialog::OnInitDialog
    std::function<BOOL(CHookedDialog&, LPARAM nCount)> m_fnKickIdle; // answers WM_KICKIDLE
    std::function<void(CHookedDialog&)> m_fnApp;                     // a posted WM_APP
    std::function<void(CDataExchange*)> m_fnExchange;
    std::function<BOOL(MSG*)> m_fnPreTranslate;
    std::vector<MSG> m_kicks;      // every WM_KICKIDLE as it came (wParam, lParam)
    BOOL m_bInitResult = FALSE;
    int m_nOwnCommands = 0;

protected:
    virtual BOOL OnInitDialog();
    virtual void DoDataExchange(CDataExchange* pDX) { CDialog::DoDataExchange(pDX); if (m_fnExchange) m_fnExchange(pDX); }
    virtual BOOL PreTranslateMessage(MSG* pMsg) { return (m_fnPreTranslate && m_fnPreTranslate(pMsg)) || CDialog::PreTranslateMessage(pMsg); }

    afx_msg LRESULT OnKickIdle(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnApp(WPARAM, LPARAM) { if (m_fnApp) m_fnApp(*this); return 0; }
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnOwnCommand() { ++m_nOwnCommands; }
    DECLARE_MESSAGE_MAP()
};

// Makes a window the thread's main window for one test.
class CMainWindowScope
{
public:
    explicit CMainWindowScope(CWnd* pWnd) : m_pOld(AfxGetThread()->m_pMainWnd) { AfxGetThread()->m_pMainWnd = pWnd; }
    ~CMainWindowScope() { AfxGetThread()->m_pMainWnd = m_pOld; }
private:
    CWnd* m_pOld;
};

#endif
