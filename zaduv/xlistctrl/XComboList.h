#ifndef ZADUV_XLISTCTRL_XCOMBOLIST_H
#define ZADUV_XLISTCTRL_XCOMBOLIST_H
// CXComboList: the popup that drops down below a combo cell of CXListCtrl. It holds a list box
// of the cell's choices and an 11-pixel scroll bar of its own, selects the entry under the
// pointer every 80 ms and reports keys, clicks and focus losses to its owner through the four
// WM_XCOMBOLIST_* messages (sent, both parameters 0). It never writes the cell and never
// destroys itself; the owner fills it, calls SetActive, and destroys and deletes it.
//
// Internal to the library.

#include <afxwin.h>

class CXComboList : public CWnd
{
public:
// Construction
    explicit CXComboList(CWnd* pParent);
    virtual ~CXComboList();

// Operations
    // Gives the list box the focus; the first call also lays the popup out and starts tracking.
    void SetActive();

// Overridables
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    // The popup's own vertical bar, whatever nBar says.
    virtual CScrollBar* GetScrollBar(int nBar) const;

// Implementation
public:
    CListBox m_ListBox;

protected:
    void Layout();
    // The new scroll position for a navigation or letter key; FALSE for any other key.
    BOOL PositionForKey(UINT nKey, const SCROLLINFO& si, int& nPos);
    void SetLimitedScrollPos(int nPos, const SCROLLINFO& si);
    void SendToParent(UINT message);

    CScrollBar m_wndSBVert;
    CWnd* m_pParent;            // not owned
    int m_nCount;               // focus losses so far
    BOOL m_bFirstTime;

    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnDestroy();
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    DECLARE_MESSAGE_MAP()

private:
    CXComboList(const CXComboList&) = delete;
    CXComboList& operator=(const CXComboList&) = delete;
};

#endif
