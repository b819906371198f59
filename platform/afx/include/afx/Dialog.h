#ifndef AFX_DIALOG_H
#define AFX_DIALOG_H
// CDialog: modal and modeless dialogs from a resource template (by id or name) or from a
// template in memory. A modal dialog runs the framework's own loop, so PreTranslateMessage
// and idle work (WM_KICKIDLE) run inside it as in any other window. Without a parent, a modal
// dialog belongs to the window the user works in (the main window's last active popup) and a
// modeless one to the main window.

#include <afx/Wnd.h>
#include <afx/DataExchange.h>

class AFX_API CDialog : public CWnd
{
    DECLARE_DYNAMIC(CDialog)
public:
// Construction
    CDialog();
    explicit CDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd = NULL);
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = NULL);

    virtual BOOL Create(LPCTSTR lpszTemplateName, CWnd* pParentWnd = NULL);
    virtual BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = NULL);
    virtual BOOL CreateIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd = NULL,
        void* lpDialogInit = NULL);
    virtual BOOL CreateIndirect(HGLOBAL hDialogTemplate, CWnd* pParentWnd = NULL);
    BOOL InitModalIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd = NULL,
        void* lpDialogInit = NULL);
    BOOL InitModalIndirect(HGLOBAL hDialogTemplate, CWnd* pParentWnd = NULL);

// Operations
    virtual INT_PTR DoModal();
    void EndDialog(int nResult);
    void NextDlgCtrl() const;
    void PrevDlgCtrl() const;
    void GotoDlgCtrl(CWnd* pWndCtrl);
    void SetDefID(UINT nID);
    DWORD GetDefID() const;
    void MapDialogRect(LPRECT lpRect) const;

// Overridables
    virtual BOOL OnInitDialog();
    virtual void OnSetFont(CFont* pFont);
    virtual void OnOK();
    virtual void OnCancel();
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    // Commands the dialog does not handle go to its owner, then to the thread's object.
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);
    // Whether to centre the dialog after WM_INITDIALOG: its template gives no position and
    // asks for no system placement.
    virtual BOOL CheckAutoCenter();

    virtual ~CDialog();

// Implementation
    LPCTSTR m_lpszTemplateName;     // resource name, or MAKEINTRESOURCE of an id
    HGLOBAL m_hDialogTemplate;      // a template handle given to CreateIndirect/InitModalIndirect
    LPCDLGTEMPLATE m_lpDialogTemplate;
    void* m_lpDialogInit;
    CWnd* m_pParentWnd;
    HWND m_hWndTop;                 // top-level window disabled for the modal run, if any

protected:
    BOOL CreateDlgIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd, HINSTANCE hInst);
    HWND PreModal();
    void PostModal();

    afx_msg LRESULT HandleInitDialog(WPARAM, LPARAM);
    afx_msg LRESULT HandleSetFont(WPARAM, LPARAM);

    DECLARE_MESSAGE_MAP()

private:
    void CommonConstruct();
    void RunModal(HINSTANCE hInst, LPCDLGTEMPLATE lpTemplate, HWND hWndParent);
    LPCDLGTEMPLATE LockTemplate(HINSTANCE& hInst, HGLOBAL& hTemplate) const;
    void UnlockTemplate(HGLOBAL hTemplate) const;
};

// The dialog procedure under every framework dialog; the window procedure is AfxWndProc.
AFX_API INT_PTR CALLBACK AfxDlgProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

#endif
