// The sorted headers attached, as the lists attach them, to the header of a real list view in
// report view. The platform header paints the columns and asks the list view to draw the
// owner-drawn ones; the list view object reflects that request to the header object. Both
// classes are driven alike; they differ only in the room kept for the triangle.
#include <gtest/gtest.h>

#include <zaduv.h>
#include <afxcmn.h>

#include <vector>

#include "DibSurface.h"
#include "HostWindow.h"
#include "MessagePump.h"
#include "PixelCapture.h"
#include "header_test_helpers.h"

using namespace zaduv_test;

namespace
{
const UINT kListId = 300;
const UINT kSortedFormat = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS;

template <class THeader> struct STriangleRoom;
template <> struct STriangleRoom<CSortedHeaderCtrl> { static const int nOffsets = 2; };
template <> struct STriangleRoom<CXSortedHeaderCtrl> { static const int nOffsets = 3; };

template <class THeader>
class SortedHeader : public ::testing::Test
{
protected:
    static const int kRoom = STriangleRoom<THeader>::nOffsets;

    void SetUp() override
    {
        ASSERT_TRUE(CreateCrispFont(m_font, 11));
        ASSERT_TRUE(m_host.CreateHost(560, 160));
        ASSERT_TRUE(m_list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, CRect(10, 10, 550, 150), &m_host, kListId));
        m_list.SetFont(&m_font);
        m_list.InsertColumn(0, _T("Name"), LVCFMT_LEFT, 170);
        m_list.InsertColumn(1, _T("Date"), LVCFMT_CENTER, 160);
        m_list.InsertColumn(2, _T("Size"), LVCFMT_RIGHT, 150);
        m_list.InsertItem(0, _T("first row"));
        ASSERT_TRUE(m_header.SubclassWindow(ListView_GetHeader(m_list.m_hWnd)));
        ASSERT_EQ(m_header.GetFont()->GetSafeHandle(), m_font.GetSafeHandle());
    }

    void TearDown() override
    {
        // The list view goes first and takes its header window with it, as in a dialog.
        if (m_list.m_hWnd != NULL)
            m_list.DestroyWindow();
    }

    int Offset() const { return SpaceOffset(m_header.GetFont()); }

    CRect ItemRect(int nItem) { CRect rect; m_header.GetItemRect(nItem, &rect); return rect; }

    CSize HeaderSize() { CRect rect; m_header.GetClientRect(&rect); return rect.Size(); }

    int Format(int nItem)
    {
        HDITEM hdi = {};
        hdi.mask = HDI_FORMAT;
        EXPECT_TRUE(m_header.GetItem(nItem, &hdi));
        return hdi.fmt;
    }

    void SetCaption(int nItem, LPCTSTR lpszCaption)
    {
        HDITEM hdi = {};
        hdi.mask = HDI_TEXT;
        hdi.pszText = const_cast<LPTSTR>(lpszCaption);
        ASSERT_TRUE(m_header.SetItem(nItem, &hdi));
    }

    // The caption of a sort column, drawn by the test into the label the class must use: the
    // item less the room for the triangle and one offset at each side, moved by (+1, +2) and
    // right +1 when pressed.
    CCapturedImage ReferenceCaption(const CSize& size, LPCTSTR lpszCaption, const CRect& rcItem, UINT nAlign,
        int nRoomOffsets, BOOL bPressed)
    {
        const int o = Offset();
        const int nShift = bPressed ? 1 : 0;
        const CRect rcLabel(rcItem.left + nShift + o, rcItem.top + 2 * nShift, rcItem.right + nShift - (nRoomOffsets + 1) * o,
            rcItem.bottom);
        return RenderText(size.cx, size.cy, m_crFace, m_header.GetFont(), lpszCaption, rcLabel,
            kSortedFormat | nAlign);
    }

    // Where the text of a sort column may be: left of the room kept for the triangle.
    CRect CaptionArea(const CRect& rcItem)
    {
        return CRect(rcItem.left, rcItem.top, rcItem.right - (kRoom + 1) * Offset(), rcItem.bottom);
    }

    // Points of the etched triangle that the line tables fix: starts of lines are painted, end
    // points are not. y values count from the top of the context.
    void ExpectTriangle(const CCapturedImage& image, const CRect& rcItem, BOOL bAsc)
    {
        const int o = Offset();
        const int R = rcItem.right;
        const int B = rcItem.bottom;
        SCOPED_TRACE(testing::Message() << (bAsc ? "ascending" : "descending") << ", o = " << o);
        if (bAsc)
        {
            EXPECT_PIXEL(image, R - 3 * o / 2, o - 1, m_crLight);            // light edge starts
            EXPECT_PIXEL(image, R - 2 * o - 1, B - o, m_crShadow);           // the tip, shadow starts
            EXPECT_PIXEL(image, R - 5 * o / 2 - 1, o - 1, m_crShadow);       // top-left corner
            EXPECT_PIXEL(image, R - 2 * o, o - 1, m_crShadow);               // along the top edge
            EXPECT_PIXEL(image, R - 2 * o - 1, B - o + 1, m_crFace);         // light line's end point
            EXPECT_PIXEL(image, R - 3 * o / 2 + 1, o - 1, m_crFace);         // right of the top edge
            EXPECT_PIXEL(image, R - 2 * o, o - 2, m_crFace);                 // above the top edge
        }
        else
        {
            EXPECT_PIXEL(image, R - 3 * o / 2, B - o, m_crLight);            // bottom-right corner
            EXPECT_PIXEL(image, R - 2 * o, B - o, m_crLight);                // along the bottom edge
            EXPECT_PIXEL(image, R - 5 * o / 2 - 1, B - o, m_crLight);        // last pixel of the bottom
            EXPECT_PIXEL(image, R - 5 * o / 2 - 2, B - o, m_crFace);         // its end point
            EXPECT_PIXEL(image, R - 5 * o / 2 - 1, B - o - 1, m_crShadow);   // shadow starts
            EXPECT_PIXEL(image, R - 2 * o, o - 2, m_crFace);                 // shadow's end point
            EXPECT_PIXEL(image, R - 2 * o, B - o + 1, m_crFace);             // below the bottom edge
        }
    }

    // A column the class drew: plain face wherever the caption is not.
    void ExpectFaceAround(const CCapturedImage& image, const CRect& rcItem)
    {
        EXPECT_UNIFORM(image, CRect(rcItem.left, rcItem.top, rcItem.left + 2, rcItem.bottom), m_crFace);
        EXPECT_UNIFORM(image, CRect(rcItem.left, rcItem.top, rcItem.right, rcItem.top + 1), m_crFace);
        EXPECT_UNIFORM(image, CRect(rcItem.left, rcItem.bottom - 1, rcItem.right, rcItem.bottom), m_crFace);
        EXPECT_UNIFORM(image, CRect(rcItem.right - 1, rcItem.top, rcItem.right, rcItem.bottom), m_crFace);
    }

    // Draws one column as the platform asks for it, through the list view's reflection, into
    // a memory surface with the header's font.
    CCapturedImage DrawThroughList(int nItem, UINT nState, const CSize& size, const CRect& rcItem)
    {
        CDibSurface surface(size.cx, size.cy, RGB(1, 2, 3));
        CDC& dc = surface.DC();
        CFont* pOldFont = dc.SelectObject(m_header.GetFont());
        dc.SetBkMode(TRANSPARENT);
        dc.SetTextColor(RGB(0, 0, 0));
        DRAWITEMSTRUCT dis = { ODT_HEADER, static_cast<UINT>(m_header.GetDlgCtrlID()), static_cast<UINT>(nItem),
            ODA_DRAWENTIRE, nState, m_header.m_hWnd, dc.m_hDC, rcItem, 0 };
        m_list.SendMessage(WM_DRAWITEM, dis.CtlID, reinterpret_cast<LPARAM>(&dis));
        dc.SelectObject(pOldFont);
        return surface.Capture();
    }

    CFont m_font;
    CHostWindow m_host;
    CListCtrl m_list;
    THeader m_header;
    const COLORREF m_crFace = ::GetSysColor(COLOR_3DFACE);
    const COLORREF m_crLight = ::GetSysColor(COLOR_3DHILIGHT);
    const COLORREF m_crShadow = ::GetSysColor(COLOR_3DSHADOW);
};

typedef ::testing::Types<CSortedHeaderCtrl, CXSortedHeaderCtrl> SortedHeaderTypes;
TYPED_TEST_SUITE(SortedHeader, SortedHeaderTypes);
}

TYPED_TEST(SortedHeader, SetSortImageReturnsThePreviousColumnAndOwnerDrawsOnlySortColumns)
{
    auto& header = this->m_header;
    auto ownerDrawn = [&] {
        return std::vector<int>({ this->Format(0) & HDF_OWNERDRAW, this->Format(1) & HDF_OWNERDRAW,
            this->Format(2) & HDF_OWNERDRAW });
    };
    EXPECT_EQ(header.GetSortedColumn(), TypeParam::NOT_SORTED);
    EXPECT_NE(header.IsAscSorted(), 0);
    EXPECT_EQ(ownerDrawn(), std::vector<int>({ 0, 0, 0 }));
    // The platform paints the columns, edges and all: the class's face-only drawing does not.
    const CRect rcFirst = this->ItemRect(0);
    EXPECT_NE(CaptureClient(&header).Pixel(rcFirst.right - 1, rcFirst.top + 1), this->m_crFace);
    EXPECT_EQ(header.SetSortImage(1, TRUE), -1);
    EXPECT_EQ(header.GetSortedColumn(), 1);
    EXPECT_EQ(ownerDrawn(), std::vector<int>({ 0, HDF_OWNERDRAW, 0 }));
    // The alignment the list gave the column is kept.
    EXPECT_EQ(this->Format(1) & HDF_JUSTIFYMASK, HDF_CENTER);
    // Only the direction changes: the same column comes back.
    EXPECT_EQ(header.SetSortImage(1, FALSE), 1);
    EXPECT_EQ(header.IsAscSorted(), 0);
    EXPECT_EQ(header.SetSortImage(2, TRUE), 1);
    EXPECT_EQ(ownerDrawn(), std::vector<int>({ 0, HDF_OWNERDRAW, HDF_OWNERDRAW }));
    EXPECT_EQ(header.SetSortImage(TypeParam::NOT_SORTED, TRUE), 2);
    EXPECT_EQ(header.GetSortedColumn(), TypeParam::NOT_SORTED);
    // A column that does not exist is remembered but touches no column.
    EXPECT_EQ(header.SetSortImage(9, FALSE), TypeParam::NOT_SORTED);
    EXPECT_EQ(header.GetSortedColumn(), 9);
    EXPECT_EQ(header.GetItemCount(), 3);
    EXPECT_EQ(this->Format(0) & HDF_OWNERDRAW, 0);
}

// The caption keeps to the room left of the triangle, cut with an ellipsis when long; nothing
// but the triangle is in the room, and a larger font grows both.
TYPED_TEST(SortedHeader, TriangleInBothDirectionsAndTheCaptionInTheRoomLeftOfIt)
{
    CFont fontLarge;
    ASSERT_TRUE(CreateCrispFont(fontLarge, 22));
    const struct { int nColumn; LPCTSTR lpszCaption; UINT nAlign; CFont* pFont; } cases[] = { { 0, _T("Name"), DT_LEFT, &this->m_font },
        { 1, _T("Date of the most recent examination"), DT_CENTER, &this->m_font },
        { 2, _T("Size"), DT_RIGHT, &this->m_font }, { 2, _T("Size"), DT_RIGHT, &fontLarge } };
    const int oSmall = this->Offset();
    for (const auto& c : cases)
    {
        this->m_list.SetFont(c.pFont);
        this->SetCaption(c.nColumn, c.lpszCaption);
        for (BOOL bAsc : { TRUE, FALSE })
        {
            SCOPED_TRACE(testing::Message() << "column " << c.nColumn << (bAsc ? " ascending" : " descending")
                                            << ", offset " << this->Offset());
            this->m_header.SetSortImage(c.nColumn, bAsc);
            CCapturedImage image = CaptureClient(&this->m_header);
            const CRect rcItem = this->ItemRect(c.nColumn);
            this->ExpectTriangle(image, rcItem, bAsc);
            this->ExpectFaceAround(image, rcItem);
            const CRect rectCaption = this->CaptionArea(rcItem);
            EXPECT_SAME_INK(image, this->ReferenceCaption(this->HeaderSize(), c.lpszCaption, rcItem, c.nAlign,
                TestFixture::kRoom, FALSE), rectCaption, this->m_crFace);
            EXPECT_GT(InkBox(image, rectCaption, this->m_crFace).Width(), 0);
            const CRect rectRoom(rectCaption.right, rcItem.top, rcItem.right, rcItem.bottom);
            EXPECT_EQ(image.CountColor(rectRoom, this->m_crFace) + image.CountColor(rectRoom, this->m_crLight)
                + image.CountColor(rectRoom, this->m_crShadow), rectRoom.Width() * rectRoom.Height())
                << SaveFailureArtifact(image);
        }
    }
    EXPECT_GT(this->Offset(), oSmall);
    this->m_list.SetFont(&this->m_font);
    // The room is exactly 3 (or 4) offsets: with one offset more or less a right-aligned caption
    // would stand elsewhere. Glyph bearings differ between fonts, so compare with drawn text.
    const CRect rcItem = this->ItemRect(2);
    for (int nRoom : { TestFixture::kRoom - 1, TestFixture::kRoom + 1 })
    {
        SCOPED_TRACE(testing::Message() << "room of " << nRoom << " offsets");
        CCapturedImage other = this->ReferenceCaption(this->HeaderSize(), _T("Size"), rcItem, DT_RIGHT, nRoom, FALSE);
        EXPECT_GT(CountInkDifferences(CaptureClient(&this->m_header), other, this->CaptionArea(rcItem),
            this->m_crFace), 0);
    }
}

// The column that sorted last stays owner-drawn: without a triangle its caption reaches to one
// offset from the right edge, and nothing else is in the column.
TYPED_TEST(SortedHeader, NotSortedLeavesTheOldColumnOwnerDrawnWithoutATriangle)
{
    this->m_header.SetSortImage(2, FALSE);
    EXPECT_EQ(this->m_header.SetSortImage(TypeParam::NOT_SORTED, TRUE), 2);
    EXPECT_EQ(this->Format(2) & HDF_OWNERDRAW, HDF_OWNERDRAW);
    const CRect rcItem = this->ItemRect(2);
    CCapturedImage reference = this->ReferenceCaption(this->HeaderSize(), _T("Size"), rcItem, DT_RIGHT, 0, FALSE);
    for (int nSorted : { TypeParam::NOT_SORTED, 0 })
    {
        this->m_header.SetSortImage(nSorted, TRUE);
        CCapturedImage image = CaptureClient(&this->m_header);
        this->ExpectFaceAround(image, rcItem);
        EXPECT_SAME_INK(image, reference, rcItem, this->m_crFace);
    }
    this->ExpectTriangle(CaptureClient(&this->m_header), this->ItemRect(0), TRUE);
}

// The label moves right by 1 and its top down by 2 (its right edge follows by 1) while the
// sort column is pressed; a focused selected item draws as released, and the triangle's top
// stays o - 1 from the context's top wherever the item is drawn.
TYPED_TEST(SortedHeader, PressingTheSortColumnShiftsOnlyTheCaption)
{
    this->m_header.SetSortImage(1, TRUE);
    const CSize size = this->HeaderSize();
    const CRect rcItem = this->ItemRect(1);
    const CRect rectCaption(rcItem.left, rcItem.top, this->CaptionArea(rcItem).right + 1, rcItem.bottom);
    CCapturedImage referenceNormal = this->ReferenceCaption(size, _T("Date"), rcItem, DT_CENTER,
        TestFixture::kRoom, FALSE);
    CCapturedImage referencePressed = this->ReferenceCaption(size, _T("Date"), rcItem, DT_CENTER,
        TestFixture::kRoom, TRUE);
    ASSERT_GT(CountInkDifferences(referenceNormal, referencePressed, rectCaption, this->m_crFace), 0);
    const LPARAM lParamPoint = MAKELPARAM(rcItem.CenterPoint().x, rcItem.CenterPoint().y);
    this->m_header.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, lParamPoint);
    CCapturedImage pressed = CaptureClient(&this->m_header);
    this->m_header.SendMessage(WM_LBUTTONUP, 0, lParamPoint);
    PumpPending();
    CCapturedImage focused = this->DrawThroughList(1, ODS_SELECTED | ODS_FOCUS, size, rcItem);
    EXPECT_UNIFORM(focused, CRect(0, 0, rcItem.left, size.cy), RGB(1, 2, 3));
    EXPECT_UNIFORM(focused, CRect(rcItem.right, 0, size.cx, size.cy), RGB(1, 2, 3));
    const struct { const CCapturedImage* pImage; const CCapturedImage* pReference; } cases[] = { { &pressed, &referencePressed }, { &focused, &referenceNormal } };
    for (const auto& c : cases)
    {
        EXPECT_SAME_INK(*c.pImage, *c.pReference, rectCaption, this->m_crFace);
        this->ExpectTriangle(*c.pImage, rcItem, TRUE);
        this->ExpectFaceAround(*c.pImage, rcItem);
    }
    EXPECT_SAME_INK(CaptureClient(&this->m_header), referenceNormal, rectCaption, this->m_crFace);

    const int o = this->Offset();
    CRect rcLower = this->ItemRect(0);
    rcLower.OffsetRect(0, 10);
    this->m_header.SetSortImage(0, TRUE);
    CCapturedImage image = this->DrawThroughList(0, 0, CSize(size.cx, size.cy + 10), rcLower);
    EXPECT_PIXEL(image, rcLower.right - 3 * o / 2, o - 1, this->m_crLight);
    EXPECT_PIXEL(image, rcLower.right - 2 * o - 1, rcLower.bottom - o, this->m_crShadow);
}
