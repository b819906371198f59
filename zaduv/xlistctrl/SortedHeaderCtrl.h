#ifndef ZADUV_XLISTCTRL_SORTEDHEADERCTRL_H
#define ZADUV_XLISTCTRL_SORTEDHEADERCTRL_H
// CSortedHeaderCtrl: a header that shows by which column a list is sorted and in which
// direction. The sort column is made owner-drawn and drawn here: its caption in the room left
// of a small etched triangle at the right end, pointing down for ascending and up for
// descending. The platform header paints every other column and asks for the owner-drawn ones
// through its parent; the framework reflects that request back to DrawItem, so the list view
// that holds the header must be attached to a framework window object. The room kept free for
// the triangle is twice the offset, an offset being two space widths of the header font.
//
// The owning list sorts and then calls SetSortImage; the header never sorts.
//
//     m_header.SubclassWindow(listView.GetHeaderCtrl()->GetSafeHwnd());
//     m_header.SetSortImage(nColumn, bAscending);
//
// The message map is empty and based on the platform header's own handling, not on
// CXHeaderCtrl's: none of CXHeaderCtrl's handlers run. The class reports CXHeaderCtrl's
// run-time class.

#include "xlistctrl/XHeaderCtrl.h"

class ZADUV_API CSortedHeaderCtrl : public CXHeaderCtrl
{
public:
// Construction
    CSortedHeaderCtrl();
    virtual ~CSortedHeaderCtrl();

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
