#ifndef ZADUV_XLISTCTRL_XSORTEDHEADERCTRL_H
#define ZADUV_XLISTCTRL_XSORTEDHEADERCTRL_H
// CXSortedHeaderCtrl: the header of the extended list control. The same as
// CSortedHeaderCtrl but for the room kept free for the sort triangle, three offsets instead of
// two. The platform header paints every column that is not owner-drawn, item images included
// (the list control's header check boxes); the sort column comes back as a reflected
// WM_DRAWITEM to DrawItem.
//
// The message map is empty and based on the platform header's own handling, not on
// CXHeaderCtrl's: none of CXHeaderCtrl's handlers run. The class reports CXHeaderCtrl's
// run-time class.

#include "xlistctrl/XHeaderCtrl.h"

class ZADUV_API CXSortedHeaderCtrl : public CXHeaderCtrl
{
public:
// Construction
    CXSortedHeaderCtrl();
    virtual ~CXSortedHeaderCtrl();

// Attributes
    static const int NOT_SORTED = -1;

    int IsAscSorted();
    int GetSortedColumn();

// Operations
    // nCol NOT_SORTED removes the triangle; the previous sort column stays owner-drawn and is
    // drawn without it. Returns the previous sort column.
    int SetSortImage(int nCol, BOOL bAsc);

// Implementation
protected:
    void SetOwnerDraw(int nCol);
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);

    int m_nSortCol;             // NOT_SORTED or the sort column's index
    BOOL m_bSortAsc;            // non-zero ascending, zero descending

    DECLARE_MESSAGE_MAP()
};

#endif
