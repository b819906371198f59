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

// Reaches what the classes keep to themselves.
template <class THeader>
class CProbe : public THeader
{
public:
    CSize GetImageSize() const { return this->m_sizeImage; }
    const AFX_MSGMAP* GetMap() const { return this->GetMessageMap(); }
    static const AFX_MSGMAP* GetWindowMap() { return CWnd::GetThisMessageMap(); }
};

template <class THeader>
class SortedHeader : public ::testing::Test
{
protected:
    typedef CProbe<THeader> CHeader;
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
        m_crFace = ::GetSysColor(COLOR_3DFACE);
        m_crLight = ::GetSysColor(COLOR_3DHILIGHT);
        m_crShadow = ::GetSysColor(COLOR_3DSHADOW);
    }

    void TearDown() override
    {
        // The list view goes first and takes its header window with it, as in a dialog.
        if (m_list.m_hWnd != NULL)
            m_list.DestroyWindow();
    }

    int Offset() const { return SpaceOffset(m_header.GetFont()); }

    CRect ItemRect(int nItem)
    {
        CRect rect;
        m_header.GetItemRect(nItem, &rect);
        return rect;
    }

    CSize HeaderSize()
    {
        CRect rect;
        m_header.GetClientRect(&rect);
        return rect.Size();
    }

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
        CRect rcLabel(rcItem);
        if (bPressed)
        {
            rcLabel.left++;
            rcLabel.top += 2;
            rcLabel.right++;
        }
        rcLabel.right -= nRoomOffsets * o;
        rcLabel.left += o;
        rcLabel.right -= o;
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
        DRAWITEMSTRUCT dis = {};
        dis.CtlType = ODT_HEADER;
        dis.CtlID = m_header.GetDlgCtrlID();
        dis.itemID = nItem;
        dis.itemAction = ODA_DRAWENTIRE;
        dis.itemState = nState;
        dis.hwndItem = m_header.m_hWnd;
        dis.hDC = dc.m_hDC;
        dis.rcItem = rcItem;
        m_list.SendMessage(WM_DRAWITEM, dis.CtlID, reinterpret_cast<LPARAM>(&dis));
        dc.SelectObject(pOldFont);
        return surface.Capture();
    }

    CFont m_font;
    CHostWindow m_host;
    CListCtrl m_list;
    CHeader m_header;
    COLORREF m_crFace;
    COLORREF m_crLight;
    COLORREF m_crShadow;
};

typedef ::testing::Types<CSortedHeaderCtrl, CXSortedHeaderCtrl> SortedHeaderTypes;
TYPED_TEST_SUITE(SortedHeader, SortedHeaderTypes);
}

TYPED_TEST(SortedHeader, StartsUnsortedAndLeavesColumnsMessagesAndImagesToThePlatform)
{
    EXPECT_EQ(TypeParam::NOT_SORTED, -1);
    EXPECT_EQ(this->m_header.GetSortedColumn(), TypeParam::NOT_SORTED);
    EXPECT_NE(this->m_header.IsAscSorted(), 0);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(this->Format(i) & HDF_OWNERDRAW, 0) << "column " << i;
    // The platform paints the columns, edges and all: the class's face-only drawing does not.
    CCapturedImage image = CaptureClient(&this->m_header);
    const CRect rcItem = this->ItemRect(0);
    EXPECT_NE(image.Pixel(rcItem.right - 1, rcItem.top + 1), this->m_crFace) << SaveFailureArtifact(image);

    const AFX_MSGMAP* pMap = this->m_header.GetMap();
    ASSERT_NE(pMap, nullptr);
    EXPECT_EQ(pMap->lpEntries[0].nSig, static_cast<UINT_PTR>(AfxSig_end));
    EXPECT_EQ(pMap->pfnGetBaseMap(), this->m_header.GetWindowMap());
    CImageList images;
    ASSERT_TRUE(images.Create(20, 18, ILC_COLOR24, 1, 0));
    CBitmap bitmap;
    bitmap.Attach(MakeSolidBitmap(20, 18, RGB(0, 200, 0)));
    images.Add(&bitmap, static_cast<CBitmap*>(NULL));
    this->m_header.SetImageList(&images);
    EXPECT_EQ(this->m_header.GetImageList()->GetSafeHandle(), images.GetSafeHandle());
    EXPECT_EQ(this->m_header.GetImageSize(), CSize(0, 0));
    this->m_header.SetImageList(NULL);
}

TYPED_TEST(SortedHeader, SetSortImageReturnsThePreviousColumnAndOwnerDrawsOnlySortColumns)
{
    auto& header = this->m_header;
    auto ownerDrawn = [&] {
        return std::vector<int>({ this->Format(0) & HDF_OWNERDRAW, this->Format(1) & HDF_OWNERDRAW,
            this->Format(2) & HDF_OWNERDRAW });
    };
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

TYPED_TEST(SortedHeader, TriangleInBothDirectionsAndTheCaptionInTheRoomLeftOfIt)
{
    const CSize size = this->HeaderSize();
    const struct
    {
        int nColumn;
        LPCTSTR lpszCaption;
        UINT nAlign;
    } cases[] = { { 0, _T("Name"), DT_LEFT }, { 1, _T("Date"), DT_CENTER }, { 2, _T("Size"), DT_RIGHT } };
    for (const auto& c : cases)
    {
        for (BOOL bAsc : { TRUE, FALSE })
        {
            SCOPED_TRACE(testing::Message() << "column " << c.nColumn << (bAsc ? " ascending" : " descending"));
            this->m_header.SetSortImage(c.nColumn, bAsc);
            CCapturedImage image = CaptureClient(&this->m_header);
            const CRect rcItem = this->ItemRect(c.nColumn);
            this->ExpectTriangle(image, rcItem, bAsc);
            this->ExpectFaceAround(image, rcItem);
            const CRect rectCaption = this->CaptionArea(rcItem);
            EXPECT_SAME_INK(image, this->ReferenceCaption(size, c.lpszCaption, rcItem, c.nAlign, TestFixture::kRoom,
                FALSE), rectCaption, this->m_crFace);
            EXPECT_GT(InkBox(image, rectCaption, this->m_crFace).Width(), 0);
        }
    }
    // The room is exactly 3 (or 4) offsets: with one offset more or less a right-aligned caption
    // would stand elsewhere. Glyph bearings differ between fonts, so compare with drawn text.
    const CRect rcItem = this->ItemRect(2);
    for (int nRoom : { TestFixture::kRoom - 1, TestFixture::kRoom + 1 })
    {
        SCOPED_TRACE(testing::Message() << "room of " << nRoom << " offsets");
        CCapturedImage other = this->ReferenceCaption(size, _T("Size"), rcItem, DT_RIGHT, nRoom, FALSE);
        EXPECT_GT(CountInkDifferences(CaptureClient(&this->m_header), other, this->CaptionArea(rcItem),
            this->m_crFace), 0);
    }
}

TYPED_TEST(SortedHeader, LargerFontGrowsTheTriangleAndItsRoom)
{
    const int oSmall = this->Offset();
    CFont fontLarge;
    ASSERT_TRUE(CreateCrispFont(fontLarge, 22));
    this->m_list.SetFont(&fontLarge);
    EXPECT_GT(this->Offset(), oSmall);
    for (BOOL bAsc : { TRUE, FALSE })
    {
        this->m_header.SetSortImage(2, bAsc);
        CCapturedImage image = CaptureClient(&this->m_header);
        const CRect rcItem = this->ItemRect(2);
        this->ExpectTriangle(image, rcItem, bAsc);
        EXPECT_SAME_INK(image, this->ReferenceCaption(this->HeaderSize(), _T("Size"), rcItem, DT_RIGHT,
            TestFixture::kRoom, FALSE), this->CaptionArea(rcItem), this->m_crFace);
    }
    this->m_list.SetFont(&this->m_font);
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

TYPED_TEST(SortedHeader, LongCaptionIsCutWithAnEllipsisBeforeTheTriangle)
{
    LPCTSTR lpszLong = _T("Date of the most recent examination");
    this->SetCaption(1, lpszLong);
    this->m_header.SetSortImage(1, FALSE);
    CCapturedImage image = CaptureClient(&this->m_header);
    const CRect rcItem = this->ItemRect(1);
    this->ExpectTriangle(image, rcItem, FALSE);
    EXPECT_SAME_INK(image, this->ReferenceCaption(this->HeaderSize(), lpszLong, rcItem, DT_CENTER,
        TestFixture::kRoom, FALSE), this->CaptionArea(rcItem), this->m_crFace);
    // Nothing but the triangle in the room.
    const CRect rectRoom(this->CaptionArea(rcItem).right, rcItem.top, rcItem.right, rcItem.bottom);
    EXPECT_EQ(image.CountColor(rectRoom, this->m_crFace) + image.CountColor(rectRoom, this->m_crLight)
        + image.CountColor(rectRoom, this->m_crShadow), rectRoom.Width() * rectRoom.Height())
        << SaveFailureArtifact(image);
}

// The label moves right by 1 and its top down by 2 (its right edge follows by 1); the caption
// is centred vertically in that label. Only the pressed state moves it, and the triangle's top
// stays o - 1 from the context's top wherever the item is drawn.
TYPED_TEST(SortedHeader, PressedStateShiftsOnlyTheCaption)
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
    const struct
    {
        UINT nState;
        const CCapturedImage* pReference;
    } cases[] = { { 0, &referenceNormal }, { ODS_SELECTED, &referencePressed },
        { ODS_SELECTED | ODS_FOCUS, &referenceNormal } };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.nState);
        CCapturedImage image = this->DrawThroughList(1, c.nState, size, rcItem);
        EXPECT_SAME_INK(image, *c.pReference, rectCaption, this->m_crFace);
        this->ExpectTriangle(image, rcItem, TRUE);
        this->ExpectFaceAround(image, rcItem);
        // The whole item was filled, nothing beside it touched.
        EXPECT_UNIFORM(image, CRect(0, 0, rcItem.left, size.cy), RGB(1, 2, 3));
        EXPECT_UNIFORM(image, CRect(rcItem.right, 0, size.cx, size.cy), RGB(1, 2, 3));
    }
    const int o = this->Offset();
    CRect rcLower = this->ItemRect(0);
    rcLower.OffsetRect(0, 10);
    this->m_header.SetSortImage(0, TRUE);
    CCapturedImage image = this->DrawThroughList(0, 0, CSize(size.cx, size.cy + 10), rcLower);
    EXPECT_PIXEL(image, rcLower.right - 3 * o / 2, o - 1, this->m_crLight);
    EXPECT_PIXEL(image, rcLower.right - 2 * o - 1, rcLower.bottom - o, this->m_crShadow);
}

TYPED_TEST(SortedHeader, RealPressOfTheSortColumnShiftsItsCaption)
{
    this->m_header.SetSortImage(1, TRUE);
    const CSize size = this->HeaderSize();
    const CRect rcItem = this->ItemRect(1);
    const CRect rectCaption(rcItem.left, rcItem.top, this->CaptionArea(rcItem).right + 1, rcItem.bottom);
    const LPARAM lParamPoint = MAKELPARAM(rcItem.CenterPoint().x, rcItem.CenterPoint().y);
    this->m_header.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, lParamPoint);
    CCapturedImage pressed = CaptureClient(&this->m_header);
    this->m_header.SendMessage(WM_LBUTTONUP, 0, lParamPoint);
    PumpPending();
    CCapturedImage released = CaptureClient(&this->m_header);
    EXPECT_SAME_INK(pressed, this->ReferenceCaption(size, _T("Date"), rcItem, DT_CENTER, TestFixture::kRoom, TRUE),
        rectCaption, this->m_crFace);
    EXPECT_SAME_INK(released, this->ReferenceCaption(size, _T("Date"), rcItem, DT_CENTER, TestFixture::kRoom, FALSE),
        rectCaption, this->m_crFace);
    this->ExpectTriangle(pressed, rcItem, TRUE);
    this->ExpectTriangle(released, rcItem, TRUE);
}
