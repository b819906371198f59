#ifndef ZADUV_DIALOGS_DLGDEFAULTBUTTON_H
#define ZADUV_DIALOGS_DLGDEFAULTBUTTON_H
// CDlgDefaultButton: a skinned dialog that puts the mouse pointer on the centre of a chosen
// button every time it is shown or hidden, so that the user finds the default choice under
// the pointer.

#include <afxwin.h>
#include <SkinDialog.h>
#include "foundation/ZaDUVDefs.h"

class ZADUV_API CDlgDefaultButton : public CSkinDialog
{
public:
// Construction
    // nIDDefaultButton 0: the pointer never moves.
    CDlgDefaultButton(UINT nIDTemplate, UINT nIDDefaultButton, CWnd* pParentWnd = NULL);
    virtual ~CDlgDefaultButton();

// Operations
protected:
    void SetDefaultButton(UINT nID);
    // The first descendant with the id wins, controls inside child windows included.
    void SetCursor(UINT nID);

// Implementation
protected:
    afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);
    DECLARE_MESSAGE_MAP()

private:
    static BOOL CALLBACK SetCursorEnumProc(HWND hWnd, LPARAM lParam);

    UINT m_nDefaultButton;
};

#endif
