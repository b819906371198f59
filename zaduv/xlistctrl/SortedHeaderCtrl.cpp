#include "xlistctrl/SortedHeaderCtrl.h"

#include "xlistctrl/SortedHeaderShared.h"

BEGIN_MESSAGE_MAP(CSortedHeaderCtrl, CHeaderCtrl)
END_MESSAGE_MAP()

namespace
{
// Room kept free right of the sort column's caption, in offsets of two space widths.
const int TRIANGLE_ROOM = 2;
}

const int CSortedHeaderCtrl::NOT_SORTED;

CSortedHeaderCtrl::CSortedHeaderCtrl()
    : m_nSortCol(NOT_SORTED), m_bSortAsc(TRUE)
{
}

CSortedHeaderCtrl::~CSortedHeaderCtrl()
{
}

int CSortedHeaderCtrl::IsAscSorted()
{
    return m_bSortAsc;
}

int CSortedHeaderCtrl::GetSortedColumn()
{
    return m_nSortCol;
}

int CSortedHeaderCtrl::SetSortImage(int nCol, BOOL bAsc)
{
    return SortedHeader::SetSortImage(*this, m_nSortCol, m_bSortAsc, nCol, bAsc);
}

void CSortedHeaderCtrl::SetOwnerDraw(int nCol)
{
    SortedHeader::SetOwnerDraw(*this, nCol);
}

void CSortedHeaderCtrl::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    SortedHeader::DrawItem(*this, lpDrawItemStruct, m_nSortCol, m_bSortAsc, TRIANGLE_ROOM);
}
