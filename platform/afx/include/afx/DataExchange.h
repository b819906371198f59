#ifndef AFX_DATAEXCHANGE_H
#define AFX_DATAEXCHANGE_H
// CDataExchange and the DDX_ functions: DoDataExchange moves values between a window's
// controls and its members. Bad input is reported to the user with the framework's text for
// the kind of value expected; the control gets the focus back with its text selected and
// the exchange stops with a CUserException, which UpdateData turns into FALSE.

#include <afx/AfxDefs.h>
#include <afx/AfxString.h>
#include <afxres.h>

class CWnd;

class AFX_API CDataExchange
{
public:
// Construction
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate);

// Attributes
    BOOL m_bSaveAndValidate;    // TRUE: controls to members; FALSE: members to controls
    CWnd* m_pDlgWnd;

// Operations
    HWND PrepareCtrl(int nIDC);
    HWND PrepareEditCtrl(int nIDC);
    // Gives the last prepared control the focus (an edit also its text selected) and throws
    // CUserException; UpdateData catches it and returns FALSE.
    void Fail();

// Implementation
    HWND m_hWndLastControl;
    BOOL m_bEditLastControl;
};

AFX_API void AFXAPI DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);
AFX_API void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, CString& value);
AFX_API void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, BYTE& value);
AFX_API void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, short& value);
AFX_API void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, int& value);
AFX_API void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, UINT& value);
AFX_API void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, long& value);
AFX_API void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, DWORD& value);
AFX_API void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, float& value);
AFX_API void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, double& value);
AFX_API void AFXAPI DDX_Check(CDataExchange* pDX, int nIDC, int& value);

#endif
