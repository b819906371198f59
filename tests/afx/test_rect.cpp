// CRect, CPoint and CSize: the rectangle operations on the negative side of the origin, and
// points and sizes unpacked from message parameters.

#include <afx.h>
#include <gtest/gtest.h>

namespace
{
const RECT rcBorders = { 1, 2, 3, 4 };

struct RectCase
{
    const char* lpszStatement;
    CRect rectActual;
    CRect rectExpected;
};

// The rectangle (-10, -10, 10, 10) after a statement on `rect`, the statement's text and the
// rectangle expected.
#define RECT_CASE(statement, l, t, r, b) \
    { #statement, [] { CRect rect(-10, -10, 10, 10); statement; return rect; }(), CRect(l, t, r, b) }
}

TEST(CRectTest, OperationsWorkOnNegativeCoordinates)
{
    const RectCase cases[] = {
        RECT_CASE(rect.InflateRect(2, 3), -12, -13, 12, 13),
        RECT_CASE(rect.InflateRect(CSize(2, 3)), -12, -13, 12, 13),
        RECT_CASE(rect.InflateRect(1, 2, 3, 4), -11, -12, 13, 14),
        RECT_CASE(rect.InflateRect(&rcBorders), -11, -12, 13, 14),
        RECT_CASE(rect.DeflateRect(2, 3), -8, -7, 8, 7),
        RECT_CASE(rect.DeflateRect(CSize(2, 3)), -8, -7, 8, 7),
        RECT_CASE(rect.DeflateRect(1, 2, 3, 4), -9, -8, 7, 6),
        RECT_CASE(rect.DeflateRect(&rcBorders), -9, -8, 7, 6),
        RECT_CASE(rect = rect - &rcBorders, -9, -8, 7, 6),
        RECT_CASE(rect.DeflateRect(15, 12), 5, 2, -5, -2),
        RECT_CASE(rect.DeflateRect(15, 12); rect.NormalizeRect(), -5, -2, 5, 2),
        RECT_CASE(rect.OffsetRect(-5, 3), -15, -7, 5, 13),
        RECT_CASE(rect -= CPoint(5, -5), -15, -5, 5, 15),
        RECT_CASE(rect.MoveToXY(-100, 50), -100, 50, -80, 70),
        RECT_CASE(rect.IntersectRect(rect, CRect(0, -20, 20, 5)), 0, -10, 10, 5),
        // Rectangles that only touch have no intersection.
        RECT_CASE(rect.IntersectRect(rect, CRect(10, 0, 20, 10)), 0, 0, 0, 0),
        RECT_CASE(rect = rect & CRect(5, -20, 30, 0), 5, -10, 10, 0),
        RECT_CASE(rect.UnionRect(rect, CRect(15, 20, 30, 40)), -10, -10, 30, 40),
        // An empty rectangle does not take part in a union.
        RECT_CASE(rect.UnionRect(CRect(100, 100, 100, 200), rect), -10, -10, 10, 10),
        RECT_CASE(rect |= CRect(-20, 0, -15, 30), -20, -10, 10, 30),
        RECT_CASE(rect.SubtractRect(rect, CRect(-10, -10, 10, 0)), -10, 0, 10, 10),
        // A subtrahend that does not cover a whole side leaves the rectangle unchanged.
        RECT_CASE(rect.SubtractRect(rect, CRect(0, -10, 10, 0)), -10, -10, 10, 10),
        // MulDiv rounds half away from zero.
        RECT_CASE(rect = CRect(-3, -5, 3, 5).MulDiv(1, 2), -2, -3, 2, 3),
        // The corner references write through to the rectangle.
        RECT_CASE(rect.TopLeft() = CPoint(-1, -2); rect.BottomRight().x = 5, -1, -2, 5, 10),
    };
    for (const RectCase& c : cases)
    {
        const CRect& a = c.rectActual;
        const CRect& e = c.rectExpected;
        EXPECT_TRUE(a.left == e.left && a.top == e.top && a.right == e.right && a.bottom == e.bottom)
            << c.lpszStatement << " gave " << ::testing::PrintToString(a) << ", not " << ::testing::PrintToString(e);
    }

    // Halving truncates toward zero; right and bottom edges are outside.
    EXPECT_EQ(CPoint(-1, -2), CRect(-3, -5, 0, 0).CenterPoint());
    EXPECT_TRUE(CRect(-10, -20, 30, 40).PtInRect(CPoint(-10, 39)));
    EXPECT_FALSE(CRect(-10, -20, 30, 40).PtInRect(CPoint(30, 0)));
}

TEST(CRectTest, PackedMessageCoordinatesAreSigned16BitValues)
{
    EXPECT_EQ(CPoint(-5, 300), CPoint(MAKELPARAM(static_cast<WORD>(-5), 300)));
    EXPECT_EQ(CSize(-2, -7), CSize(static_cast<DWORD>(MAKELONG(static_cast<WORD>(-2), static_cast<WORD>(-7)))));
}
