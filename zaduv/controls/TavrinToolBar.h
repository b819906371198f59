#ifndef ZADUV_CONTROLS_TAVRINTOOLBAR_H
#define ZADUV_CONTROLS_TAVRINTOOLBAR_H
// CTavrinToolBar: the applications' dockable toolbar. It restores its docking state and place
// from the host's settings store under a key of the host's choosing and saves them when asked,
// and posts the user's mouse actions on its buttons to its frame (WM_TOOLBARBUTTON_*: the
// command id in wParam, -1 for none) so that the frame can act on a press before the command.

#include <afxwin.h>
#include <afxext.h>
#include <SkinToolBar.h>
#include <TavrinRegistry.h>
#include "foundation/ZaDUVDefs.h"

#define WM_TOOLBARBUTTON_PRESSED    (WM_USER + 1001)    // command id, 0
#define WM_TOOLBARBUTTON_RELEASED   (WM_USER + 1002)    // id, 1 when released on the pressed button
#define WM_TOOLBARBUTTON_DBLCLK     (WM_USER + 1003)    // command id, 0
#define WM_TOOLBARBUTTON_RDOWN      (WM_USER + 1004)    // command id or -1, 0
#define WM_TOOLBARBUTTON_RUP        (WM_USER + 1005)    // command id or -1, 0
#define WM_TOOLBARBUTTON_HOT        (WM_USER + 1006)    // command id or -1, enabled flag

class ZADUV_API CTavrinToolBar : public CSkinToolBar
{
public:
// Construction
    // The store stays the host's and must outlive the toolbar.
    explicit CTavrinToolBar(CTavrinRegistry& registry);
    virtual ~CTavrinToolBar();

    // Creates the bar in pFrame with the stored style (visible and docked left when nothing is
    // stored), loads the toolbar resource and the title string when their ids are not 0, and
    // docks or floats it as stored; a stored floating bar stays hidden until SetInitialPosition.
    BOOL Create(CFrameWnd* pFrame, const CString& strKey, UINT nIDResource, UINT nIDTitle);
    using CSkinToolBar::Create;

// Operations
    // Docks or floats the bar as stored; a floating bar is shown when bShow and stored visible.
    void SetInitialPosition(bool bShow);
    // Stores the style word and the rectangle (of the floating frame, or of the docked bar).
    void SavePosition();
    // Moves the pointer to the centre of the button; FALSE for an id not on the bar.
    BOOL SetCursor(UINT nID);
    // Releases a button left pressed unless the pointer is over it (then FALSE).
    BOOL ReleasePressedButtonWithNoMouse(UINT nID) const;

// Overridables
    virtual void SetCaptionTextColors(COLORREF crNormal, COLORREF crHot, COLORREF crPressed, COLORREF crDisabled);
    virtual LRESULT OnMouseLeave(WPARAM wParam, LPARAM lParam);

// Implementation
protected:
    CTavrinRegistry& m_registry;
    CString m_strKey;
    int m_nPressedID;       // button a press is pending on, -1 when none
    int m_nHotID;           // button last reported under the pointer, -1 for none
    CFrameWnd* m_pFrame;

    DWORD ReadStyle() const;
    int HitTest(CPoint point) const;
    int HitTestCursor() const;
    BOOL IsEnabledButton(int nID) const;
    void Notify(UINT message, int nID, LPARAM lParam) const;
    void TrackLeave(DWORD dwFlags);
    void EndPendingPress(int nHitID);

    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnRButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnCancelMode();

    DECLARE_MESSAGE_MAP()
};

#endif
