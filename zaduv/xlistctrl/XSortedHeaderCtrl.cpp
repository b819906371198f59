#include "xlistctrl/XSortedHeaderCtrl.h"

#include "xlistctrl/SortedHeaderShared.h"

BEGIN_MESSAGE_MAP(CXSortedHeaderCtrl, CHeaderCtrl)
END_MESSAGE_MAP()

namespace
{
// Room kept free right of the sort column's caption, in offsets of two space widths.
const int TRIANGLE_ROOM = 3;
}

const int CXSortedHeaderCtrl::NOT_SORTED;

CXSortedHeaderCtrl::CXSortedHeaderCtrl()
    : m_nSortCol(NOT_SORTED), m_bSortAsc(TRUE)
{
}

CXSortedHeaderCtrl::~CXSortedHeaderCtrl()
{
}

int CXSortedHeaderCtrl::IsAscSorted()
{
    return m_bSortAsc;
}

int CXSortedHeaderCtrl::GetSortedColumn()
{
    return m_nSortCol;
}

int CXSortedHeaderCtrl::SetSortImage(int nCol, BOOL bAsc)
{
    return SortedHeader::SetSortImage(*this, m_nSortCol, m_bSortAsc, nCol, bAsc);
}

void CXSortedHeaderCtrl::SetOwnerDraw(int nCol)
{
    SortedHeader::SetOwnerDraw(*this, nCol);
}

void CXSortedHeaderCtrl::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    SortedHeader::DrawItem(*this, lpDrawItemStruct, m_nSortCol, m_bSortAsc, TRIANGLE_ROOM);
}
