#ifndef AFX_CMDUI_H
#define AFX_CMDUI_H
// CCmdUI carries one user-interface item (a menu item, a toolbar button, a dialog control)
// through the update handlers of a command target: ON_UPDATE_COMMAND_UI handlers call Enable,
// SetCheck, SetRadio or SetText on it, and DoUpdate runs them for the item's command id.

#include <afx/CmdTarget.h>

class CMenu;
class CWnd;

class AFX_API CCmdUI
{
public:
// Construction
    CCmdUI();
    virtual ~CCmdUI() {}

// Attributes
    UINT m_nID;             // command id of the item
    UINT m_nIndex;          // position of a menu item or toolbar button
    CMenu* m_pMenu;         // the menu holding the item, NULL for other items
    CMenu* m_pSubMenu;      // the popup a menu item opens, NULL for a command item
    CMenu* m_pParentMenu;
    CWnd* m_pOther;         // the control (or bar) holding the item when it is no menu item
    BOOL m_bEnableChanged;  // an update handler called Enable
    BOOL m_bContinueRouting;
    UINT m_nIndexMax;       // number of items of the menu or bar being updated

// Operations
    virtual void Enable(BOOL bOn = TRUE);
    virtual void SetCheck(int nCheck = 1);  // 0 clear, 1 checked, 2 indeterminate
    virtual void SetRadio(BOOL bOn = TRUE);
    virtual void SetText(LPCTSTR lpszText);
    // Lets the handler that calls this pass the item on to the next command target.
    void ContinueRouting();

    // Runs pTarget's update handler for m_nID; without one and with bDisableIfNoHndler the item
    // is disabled unless pTarget handles the command itself. TRUE when a handler ran.
    BOOL DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHndler);
};

#endif
