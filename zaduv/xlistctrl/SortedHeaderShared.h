#ifndef ZADUV_XLISTCTRL_SORTEDHEADERSHARED_H
#define ZADUV_XLISTCTRL_SORTEDHEADERSHARED_H
// What CSortedHeaderCtrl and CXSortedHeaderCtrl have in common, written once. The two classes
// differ only in the room they keep free for the sort triangle, and they share no base of
// their own, so each forwards to these functions with its own fields. Internal to the library.

#include <afxwin.h>
#include <afx/HeaderCtrl.h>

namespace SortedHeader
{
// Stores the sort state, makes the column owner-drawn and repaints the whole header; returns
// the previous sort column.
int SetSortImage(CHeaderCtrl& header, int& nSortCol, BOOL& bSortAsc, int nCol, BOOL bAsc);

// Adds HDF_OWNERDRAW to the column's format; a column that does not exist is left alone.
void SetOwnerDraw(CHeaderCtrl& header, int nCol);

// Draws one owner-drawn column: face, caption and, for the sort column, the triangle. The sort
// column's caption keeps nRoomOffsets space widths times two free at the right for the triangle.
void DrawItem(CHeaderCtrl& header, LPDRAWITEMSTRUCT lpDrawItemStruct, int nSortCol, BOOL bSortAsc,
    int nRoomOffsets);
}

#endif
