#ifndef AFX_HEADERCTRL_H
#define AFX_HEADERCTRL_H
// CHeaderCtrl wraps the header common control (WC_HEADER). Items are named by index; display
// positions are turned into indices with OrderToIndex. Owner-drawn items come back to the
// object as a reflected WM_DRAWITEM, answered by the virtual DrawItem. The class keeps no
// message map of its own, so a derived map based on it means the control's default handling.

#include <afx/Wnd.h>
#include <afx/ImageList.h>

class AFX_API CHeaderCtrl : public CWnd
{
    DECLARE_DYNAMIC(CHeaderCtrl)
public:
// Construction
    CHeaderCtrl();
    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    virtual BOOL CreateEx(DWORD dwExStyle, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

// Attributes
    int GetItemCount() const;
    BOOL GetItem(int nPos, HDITEM* pHeaderItem) const;
    BOOL SetItem(int nPos, HDITEM* pHeaderItem);
    CImageList* GetImageList() const;
    CImageList* SetImageList(CImageList* pImageList);
    BOOL GetItemRect(int nIndex, LPRECT lpRect) const;
    // iCount -1 reads as many entries as there are items.
    BOOL GetOrderArray(LPINT piArray, int iCount = -1);
    BOOL SetOrderArray(int iCount, LPINT piArray);
    int OrderToIndex(int nOrder) const;
    int GetBitmapMargin() const;
    int SetBitmapMargin(int nWidth);

// Operations
    int InsertItem(int nPos, HDITEM* phdi);
    BOOL DeleteItem(int nPos);
    BOOL Layout(HDLAYOUT* pHeaderLayout);
    int HitTest(LPHDHITTESTINFO pHeaderHitTestInfo);
    int SetHotDivider(CPoint pt);
    int SetHotDivider(int nIndex);

// Overridables
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);

// Implementation
public:
    virtual ~CHeaderCtrl();
protected:
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
};

#endif
