#ifndef AFX_LISTCTRL_H
#define AFX_LISTCTRL_H
// CListCtrl wraps the list-view common control (WC_LISTVIEW). Items and sub-items are named by
// index; every InsertItem form ends in the one that takes an LVITEM. An owner-drawn report
// view (LVS_OWNERDRAWFIXED) has its WM_DRAWITEM reflected from the parent to DrawItem.

#include <afx/Wnd.h>
#include <afx/Coll.h>
#include <afx/ImageList.h>

class CHeaderCtrl;

class AFX_API CListCtrl : public CWnd
{
    DECLARE_DYNAMIC(CListCtrl)
public:
// Construction
    CListCtrl();
    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    virtual BOOL CreateEx(DWORD dwExStyle, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

// Attributes
    COLORREF GetBkColor() const;
    BOOL SetBkColor(COLORREF cr);
    COLORREF GetTextColor() const;
    BOOL SetTextColor(COLORREF cr);
    COLORREF GetTextBkColor() const;
    BOOL SetTextBkColor(COLORREF cr);
    // Both return a temporary wrapper unless an object holds the list.
    CImageList* GetImageList(int nImageList) const;
    CImageList* SetImageList(CImageList* pImageList, int nImageListType);

    int GetItemCount() const;
    // Reserves room for nItems items; a virtual list (LVS_OWNERDATA) takes it as its count.
    void SetItemCount(int nItems);
    BOOL GetItem(LVITEM* pItem) const;
    BOOL SetItem(const LVITEM* pItem);
    BOOL SetItem(int nItem, int nSubItem, UINT nMask, LPCTSTR lpszItem, int nImage,
        UINT nState, UINT nStateMask, LPARAM lParam);
    BOOL SetItem(int nItem, int nSubItem, UINT nMask, LPCTSTR lpszItem, int nImage,
        UINT nState, UINT nStateMask, LPARAM lParam, int nIndent);
    UINT GetItemState(int nItem, UINT nMask) const;
    BOOL SetItemState(int nItem, LVITEM* pItem);
    BOOL SetItemState(int nItem, UINT nState, UINT nMask);
    CString GetItemText(int nItem, int nSubItem) const;
    // Copies at most nLen - 1 characters; returns the number copied.
    int GetItemText(int nItem, int nSubItem, LPTSTR lpszText, int nLen) const;
    BOOL SetItemText(int nItem, int nSubItem, LPCTSTR lpszText);
    DWORD_PTR GetItemData(int nItem) const;
    BOOL SetItemData(int nItem, DWORD_PTR dwData);

    int GetNextItem(int nItem, int nFlags) const;
    // Iterates the selected items in index order; NULL once there are no more.
    POSITION GetFirstSelectedItemPosition() const;
    int GetNextSelectedItem(POSITION& pos) const;
    UINT GetSelectedCount() const;

    BOOL GetItemRect(int nItem, LPRECT lpRect, UINT nCode) const;
    BOOL GetSubItemRect(int iItem, int iSubItem, int nArea, CRect& ref);
    int GetTopIndex() const;
    int GetCountPerPage() const;
    int GetStringWidth(LPCTSTR lpsz) const;

    CHeaderCtrl* GetHeaderCtrl() const;
    BOOL GetColumn(int nCol, LVCOLUMN* pColumn) const;
    BOOL SetColumn(int nCol, const LVCOLUMN* pColumn);
    int GetColumnWidth(int nCol) const;
    BOOL SetColumnWidth(int nCol, int cx);
    // iCount -1 reads the number of columns from the header.
    BOOL GetColumnOrderArray(LPINT piArray, int iCount = -1);
    BOOL SetColumnOrderArray(int iCount, LPINT piArray);

    DWORD GetExtendedStyle();
    // Returns the previous extended style.
    DWORD SetExtendedStyle(DWORD dwNewStyle);

// Operations
    int InsertItem(const LVITEM* pItem);
    int InsertItem(int nItem, LPCTSTR lpszItem);
    int InsertItem(int nItem, LPCTSTR lpszItem, int nImage);
    int InsertItem(UINT nMask, int nItem, LPCTSTR lpszItem, UINT nState, UINT nStateMask,
        int nImage, LPARAM lParam);
    BOOL DeleteItem(int nItem);
    BOOL DeleteAllItems();
    int FindItem(LVFINDINFO* pFindInfo, int nStart = -1) const;
    int HitTest(LVHITTESTINFO* pHitTestInfo) const;
    int HitTest(CPoint pt, UINT* pFlags = NULL) const;
    int SubItemHitTest(LPLVHITTESTINFO pInfo);
    BOOL EnsureVisible(int nItem, BOOL bPartialOK);
    BOOL Scroll(CSize size);
    BOOL RedrawItems(int nFirst, int nLast);
    BOOL Update(int nItem);
    BOOL SortItems(PFNLVCOMPARE pfnCompare, DWORD_PTR dwData);

    int InsertColumn(int nCol, const LVCOLUMN* pColumn);
    // nWidth -1 leaves the width to the control; nSubItem -1 leaves the sub-item unset.
    int InsertColumn(int nCol, LPCTSTR lpszColumnHeading, int nFormat = LVCFMT_LEFT,
        int nWidth = -1, int nSubItem = -1);
    BOOL DeleteColumn(int nCol);

// Overridables
    // Draws one item of an owner-drawn report view; the base draws nothing.
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);

// Implementation
public:
    virtual ~CListCtrl();
protected:
    // The list view destroys its own image lists unless they are shared; the objects that
    // hold them must let go first.
    void RemoveImageList(int nImageList);
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);

    afx_msg void OnNcDestroy();
    DECLARE_MESSAGE_MAP()
};

#endif
