#include <afxwin.h>
#include "FrameworkPrompt.h"

namespace
{
LPCTSTR BuiltInPrompt(UINT nIDPrompt)
{
    switch (nIDPrompt)
    {
    case AFX_IDP_COMMAND_FAILURE:
        return _T("Command failed.");
    case AFX_IDP_INTERNAL_FAILURE:
        return _T("Internal application error.");
    case AFX_IDP_PARSE_INT:
        return _T("Please enter an integer.");
    case AFX_IDP_PARSE_REAL:
        return _T("Please enter a number.");
    case AFX_IDP_PARSE_BYTE:
        return _T("Please enter an integer between 0 and 255.");
    case AFX_IDP_PARSE_UINT:
        return _T("Please enter a positive integer.");
    default:
        return _T("No error message is available.");
    }
}
}

CString AfxLoadPromptString(UINT nIDPrompt)
{
    CString strPrompt;
    if (!strPrompt.LoadString(nIDPrompt) || strPrompt.IsEmpty())
        strPrompt = BuiltInPrompt(nIDPrompt);
    return strPrompt;
}

int AfxShowPrompt(LPCTSTR lpszText, UINT nType)
{
    return AfxMessageBox(lpszText, nType);
}

int AfxShowPrompt(UINT nIDPrompt, UINT nType)
{
    return AfxShowPrompt(AfxLoadPromptString(nIDPrompt), nType);
}
