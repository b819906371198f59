#include <afxwin.h>
#include "FrameworkPrompt.h"
#include <cerrno>
#include <cfloat>
#include <cwchar>
#include <limits>
#include <type_traits>

namespace
{
bool IsBlank(WCHAR ch)
{
    return ch == L' ' || ch == L'\t';
}

// A whole number with optional blanks around it; unsigned types take no sign.
bool ParseInteger(LPCWSTR psz, bool bUnsigned, LONGLONG& nValue)
{
    while (IsBlank(*psz))
        ++psz;
    if (bUnsigned && *psz == L'-')
        return false;
    LPCWSTR pszDigits = (*psz == L'-' || *psz == L'+') ? psz + 1 : psz;
    if (*pszDigits < L'0' || *pszDigits > L'9')
        return false;
    LPWSTR pszEnd = NULL;
    errno = 0;
    nValue = std::wcstoll(psz, &pszEnd, 10);
    if (errno == ERANGE)
        return false;
    while (IsBlank(*pszEnd))
        ++pszEnd;
    return *pszEnd == L'\0';
}

bool ParseReal(LPCWSTR psz, double dMax, double& dValue)
{
    while (IsBlank(*psz))
        ++psz;
    if (*psz == L'\0')
        return false;
    LPWSTR pszEnd = NULL;
    errno = 0;
    dValue = std::wcstod(psz, &pszEnd);
    if (pszEnd == psz || (errno == ERANGE && dValue != 0.0) || dValue > dMax || dValue < -dMax)
        return false;
    while (IsBlank(*pszEnd))
        ++pszEnd;
    return *pszEnd == L'\0';
}

CString ControlText(HWND hWndCtrl)
{
    CString strText;
    CWnd::FromHandle(hWndCtrl)->GetWindowText(strText);
    return strText;
}

// The user is told what was expected before the exchange stops at the offending control.
void FailWithPrompt(CDataExchange* pDX, UINT nIDPrompt)
{
    AfxShowPrompt(nIDPrompt, MB_ICONEXCLAMATION);
    pDX->Fail();
}

template <class T>
void ExchangeInteger(CDataExchange* pDX, int nIDC, T& value, UINT nIDPrompt)
{
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    const bool bUnsigned = std::is_unsigned<T>::value;
    if (pDX->m_bSaveAndValidate)
    {
        LONGLONG nValue = 0;
        if (!ParseInteger(ControlText(hWndCtrl), bUnsigned, nValue) ||
            nValue < static_cast<LONGLONG>(std::numeric_limits<T>::min()) ||
            nValue > static_cast<LONGLONG>(std::numeric_limits<T>::max()))
            FailWithPrompt(pDX, nIDPrompt);
        value = static_cast<T>(nValue);
    }
    else
    {
        CString strValue;
        if (bUnsigned)
            strValue.Format(L"%llu", static_cast<ULONGLONG>(value));
        else
            strValue.Format(L"%lld", static_cast<LONGLONG>(value));
        ::SetWindowTextW(hWndCtrl, strValue);
    }
}

template <class T>
void ExchangeReal(CDataExchange* pDX, int nIDC, T& value, int nDigits)
{
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
    {
        double dValue = 0.0;
        if (!ParseReal(ControlText(hWndCtrl), std::numeric_limits<T>::max(), dValue))
            FailWithPrompt(pDX, AFX_IDP_PARSE_REAL);
        value = static_cast<T>(dValue);
    }
    else
    {
        CString strValue;
        strValue.Format(L"%.*g", nDigits, static_cast<double>(value));
        ::SetWindowTextW(hWndCtrl, strValue);
    }
}
}

CDataExchange::CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
    : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd), m_hWndLastControl(NULL), m_bEditLastControl(FALSE)
{
}

HWND CDataExchange::PrepareCtrl(int nIDC)
{
    HWND hWndCtrl = ::GetDlgItem(m_pDlgWnd->m_hWnd, nIDC);
    if (hWndCtrl == NULL)
        Fail();
    m_hWndLastControl = hWndCtrl;
    m_bEditLastControl = FALSE;
    return hWndCtrl;
}

HWND CDataExchange::PrepareEditCtrl(int nIDC)
{
    HWND hWndCtrl = PrepareCtrl(nIDC);
    m_bEditLastControl = TRUE;
    return hWndCtrl;
}

void CDataExchange::Fail()
{
    // Only a validating pass has a control for the user to correct.
    if (m_bSaveAndValidate && m_hWndLastControl != NULL)
    {
        ::SetFocus(m_hWndLastControl);
        if (m_bEditLastControl)
            ::SendMessageW(m_hWndLastControl, EM_SETSEL, 0, -1);
    }
    AfxThrowUserException();
}

void AFXAPI DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl)
{
    if (rControl.m_hWnd != NULL)
        return;
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (!rControl.SubclassWindow(hWndCtrl))
        pDX->Fail();
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = ControlText(hWndCtrl);
    else
        ::SetWindowTextW(hWndCtrl, value);
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, BYTE& value) { ExchangeInteger(pDX, nIDC, value, AFX_IDP_PARSE_BYTE); }
void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, short& value) { ExchangeInteger(pDX, nIDC, value, AFX_IDP_PARSE_INT); }
void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, int& value) { ExchangeInteger(pDX, nIDC, value, AFX_IDP_PARSE_INT); }
void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, UINT& value) { ExchangeInteger(pDX, nIDC, value, AFX_IDP_PARSE_UINT); }
void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, long& value) { ExchangeInteger(pDX, nIDC, value, AFX_IDP_PARSE_INT); }
void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, DWORD& value) { ExchangeInteger(pDX, nIDC, value, AFX_IDP_PARSE_UINT); }
void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, float& value) { ExchangeReal(pDX, nIDC, value, FLT_DIG); }
void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, double& value) { ExchangeReal(pDX, nIDC, value, DBL_DIG); }

void AFXAPI DDX_Check(CDataExchange* pDX, int nIDC, int& value)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = static_cast<int>(::SendMessageW(hWndCtrl, BM_GETCHECK, 0, 0));
    else
        ::SendMessageW(hWndCtrl, BM_SETCHECK, static_cast<WPARAM>(value), 0);
}
