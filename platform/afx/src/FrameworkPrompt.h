#ifndef AFX_SRC_FRAMEWORKPROMPT_H
#define AFX_SRC_FRAMEWORKPROMPT_H
// The framework's own prompts (AFX_IDP_ ids): their text and the one place that shows them to
// the user, owned by the window the user is working in and captioned with the application's
// name.

#include <afx.h>
#include <afxres.h>

CString AfxLoadPromptString(UINT nIDPrompt);
int AfxShowPrompt(LPCTSTR lpszText, UINT nType);
int AfxShowPrompt(UINT nIDPrompt, UINT nType);

#endif
