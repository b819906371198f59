// CRect, CPoint and CSize: construction, the Win32-backed set operations, inflating,
// offsetting and moving, the operators, and coordinates on the negative side of the origin.

#include <afx.h>
#include <gtest/gtest.h>

namespace
{
::testing::AssertionResult RectIs(const RECT& rc, int l, int t, int r, int b)
{
    if (rc.left == l && rc.top == t && rc.right == r && rc.bottom == b)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "rect (" << rc.left << ", " << rc.top << ", " << rc.right << ", "
                                         << rc.bottom << "), expected (" << l << ", " << t << ", " << r << ", "
                                         << b << ")";
}
}

TEST(CRectTest, ConstructionAndAttributes)
{
    const RECT rc = { -10, -20, 30, 40 };
    CRect rect(rc);
    EXPECT_TRUE(RectIs(rect, -10, -20, 30, 40));
    EXPECT_EQ(40, rect.Width());
    EXPECT_EQ(60, rect.Height());
    EXPECT_EQ(CSize(40, 60), rect.Size());
    EXPECT_EQ(CPoint(-10, -20), rect.TopLeft());
    EXPECT_EQ(CPoint(30, 40), rect.BottomRight());
    EXPECT_EQ(CPoint(10, 10), rect.CenterPoint());
    // Halving truncates toward zero on the negative side too.
    EXPECT_EQ(CPoint(-1, -2), CRect(-3, -5, 0, 0).CenterPoint());

    EXPECT_TRUE(RectIs(CRect(CPoint(5, 6), CSize(10, 20)), 5, 6, 15, 26));
    EXPECT_TRUE(RectIs(CRect(CPoint(5, 6), CPoint(1, 2)), 5, 6, 1, 2));
    EXPECT_TRUE(RectIs(CRect(&rc), -10, -20, 30, 40));
    EXPECT_TRUE(CRect().IsRectNull());
    EXPECT_TRUE(CRect().IsRectEmpty());
    EXPECT_TRUE(CRect(5, 5, 5, 9).IsRectEmpty());
    EXPECT_TRUE(CRect(5, 5, 2, 9).IsRectEmpty());
    EXPECT_FALSE(CRect(5, 5, 2, 9).IsRectNull());

    // Right and bottom edges are outside.
    EXPECT_TRUE(rect.PtInRect(CPoint(-10, -20)));
    EXPECT_TRUE(rect.PtInRect(CPoint(29, 39)));
    EXPECT_FALSE(rect.PtInRect(CPoint(30, 0)));
    EXPECT_FALSE(rect.PtInRect(CPoint(0, 40)));

    // The corner references write through to the rectangle.
    rect.TopLeft() = CPoint(0, 0);
    rect.BottomRight().x = 5;
    EXPECT_TRUE(RectIs(rect, 0, 0, 5, 40));
    LPRECT lpRect = rect;
    lpRect->bottom = 7;
    EXPECT_EQ(7, rect.Height());
}

TEST(CRectTest, SetOperationsFollowTheSystem)
{
    CRect rect;
    EXPECT_TRUE(rect.IntersectRect(CRect(-10, -10, 10, 10), CRect(0, -20, 20, 5)));
    EXPECT_TRUE(RectIs(rect, 0, -10, 10, 5));
    EXPECT_FALSE(rect.IntersectRect(CRect(0, 0, 10, 10), CRect(10, 0, 20, 10)));
    EXPECT_TRUE(rect.IsRectNull());

    EXPECT_TRUE(rect.UnionRect(CRect(-5, -5, 0, 0), CRect(10, 10, 20, 30)));
    EXPECT_TRUE(RectIs(rect, -5, -5, 20, 30));
    // An empty rectangle does not take part in a union.
    EXPECT_TRUE(rect.UnionRect(CRect(100, 100, 100, 200), CRect(1, 2, 3, 4)));
    EXPECT_TRUE(RectIs(rect, 1, 2, 3, 4));

    EXPECT_TRUE(rect.SubtractRect(CRect(0, 0, 100, 50), CRect(0, 0, 100, 20)));
    EXPECT_TRUE(RectIs(rect, 0, 20, 100, 50));
    // A subtrahend that does not cover a whole side leaves the rectangle unchanged.
    EXPECT_TRUE(rect.SubtractRect(CRect(0, 0, 100, 50), CRect(10, 0, 90, 20)));
    EXPECT_TRUE(RectIs(rect, 0, 0, 100, 50));

    CRect a(0, 0, 10, 10);
    EXPECT_TRUE(RectIs(a & CRect(5, -5, 15, 5), 5, 0, 10, 5));
    EXPECT_TRUE(RectIs(a | CRect(-5, 5, 3, 20), -5, 0, 10, 20));
    a &= CRect(2, 2, 4, 4);
    EXPECT_TRUE(RectIs(a, 2, 2, 4, 4));
    a |= CRect(-1, -1, 0, 0);
    EXPECT_TRUE(RectIs(a, -1, -1, 4, 4));
    EXPECT_TRUE(a == CRect(-1, -1, 4, 4));
    EXPECT_TRUE(a != CRect(-1, -1, 4, 5));
    EXPECT_TRUE(a.EqualRect(CRect(-1, -1, 4, 4)));
}

TEST(CRectTest, InflateDeflateOffsetAndMove)
{
    CRect rect(0, 0, 10, 10);
    rect.InflateRect(2, 3);
    EXPECT_TRUE(RectIs(rect, -2, -3, 12, 13));
    rect.DeflateRect(CSize(2, 3));
    EXPECT_TRUE(RectIs(rect, 0, 0, 10, 10));
    rect.InflateRect(1, 2, 3, 4);
    EXPECT_TRUE(RectIs(rect, -1, -2, 13, 14));
    rect.DeflateRect(1, 2, 3, 4);
    EXPECT_TRUE(RectIs(rect, 0, 0, 10, 10));
    const RECT rcBorders = { 1, 2, 3, 4 };
    rect.InflateRect(&rcBorders);
    EXPECT_TRUE(RectIs(rect, -1, -2, 13, 14));
    rect.DeflateRect(&rcBorders);
    rect.InflateRect(CSize(-1, -1));
    EXPECT_TRUE(RectIs(rect, 1, 1, 9, 9));
    rect.DeflateRect(5, 5);
    EXPECT_TRUE(RectIs(rect, 6, 6, 4, 4));
    EXPECT_TRUE(rect.IsRectEmpty());
    rect.NormalizeRect();
    EXPECT_TRUE(RectIs(rect, 4, 4, 6, 6));

    rect.OffsetRect(-10, -20);
    EXPECT_TRUE(RectIs(rect, -6, -16, -4, -14));
    rect.OffsetRect(CPoint(1, 1));
    rect.OffsetRect(CSize(1, 1));
    EXPECT_TRUE(RectIs(rect, -4, -14, -2, -12));

    rect.MoveToXY(-100, 50);
    EXPECT_TRUE(RectIs(rect, -100, 50, -98, 52));
    rect.MoveToX(0);
    rect.MoveToY(-1);
    EXPECT_TRUE(RectIs(rect, 0, -1, 2, 1));
    rect.MoveToXY(CPoint(3, 3));
    EXPECT_TRUE(RectIs(rect, 3, 3, 5, 5));

    rect.SetRect(CPoint(1, 2), CPoint(3, 4));
    EXPECT_TRUE(RectIs(rect, 1, 2, 3, 4));
    rect.SetRectEmpty();
    EXPECT_TRUE(rect.IsRectNull());
    rect.CopyRect(CRect(9, 8, 7, 6));
    EXPECT_TRUE(RectIs(rect, 9, 8, 7, 6));
}

TEST(CRectTest, ArithmeticOperators)
{
    const CRect rect(-10, -10, 10, 10);
    const RECT rcBorders = { 1, 2, 3, 4 };
    EXPECT_TRUE(RectIs(rect + CPoint(5, -5), -5, -15, 15, 5));
    EXPECT_TRUE(RectIs(rect - CPoint(5, -5), -15, -5, 5, 15));
    EXPECT_TRUE(RectIs(rect + CSize(1, 2), -9, -8, 11, 12));
    EXPECT_TRUE(RectIs(rect - CSize(1, 2), -11, -12, 9, 8));
    EXPECT_TRUE(RectIs(rect + &rcBorders, -11, -12, 13, 14));
    EXPECT_TRUE(RectIs(rect - &rcBorders, -9, -8, 7, 6));

    CRect moving(rect);
    moving += CPoint(1, 1);
    moving -= CSize(2, 2);
    EXPECT_TRUE(RectIs(moving, -11, -11, 9, 9));
    moving += &rcBorders;
    moving -= &rcBorders;
    EXPECT_TRUE(RectIs(moving, -11, -11, 9, 9));
    moving -= CPoint(-1, -1);
    moving += CSize(0, 0);
    EXPECT_TRUE(moving == rect);

    // MulDiv rounds half away from zero, negative coordinates included.
    EXPECT_TRUE(RectIs(CRect(-3, -5, 3, 5).MulDiv(1, 2), -2, -3, 2, 3));
    EXPECT_TRUE(RectIs(CRect(10, 20, 30, 40).MulDiv(3, 2), 15, 30, 45, 60));

    EXPECT_TRUE(RectIs(CPoint(1, 2) + &rcBorders, 2, 4, 4, 6));
    EXPECT_TRUE(RectIs(CSize(1, 2) - &rcBorders, 0, 0, 2, 2));
}

TEST(CRectTest, PointAndSizeArithmetic)
{
    CPoint point(3, -4);
    point.Offset(1, 1);
    point.Offset(CSize(-10, 0));
    point.Offset(CPoint(0, 10));
    EXPECT_EQ(CPoint(-6, 7), point);
    point += CSize(1, 1);
    point -= CPoint(2, 2);
    EXPECT_EQ(CPoint(-7, 6), point);
    EXPECT_EQ(CPoint(7, -6), -point);
    EXPECT_EQ(CSize(-8, 4), point - CPoint(1, 2));
    EXPECT_EQ(CPoint(-6, 8), point + CSize(1, 2));
    EXPECT_EQ(CPoint(-8, 4), point - CSize(1, 2));
    EXPECT_EQ(CPoint(-6, 8), point + CPoint(1, 2));
    EXPECT_TRUE(point != CPoint(0, 0));

    // Packed message coordinates are signed 16-bit values.
    CPoint fromLParam(MAKELPARAM(static_cast<WORD>(-5), 300));
    EXPECT_EQ(CPoint(-5, 300), fromLParam);
    CSize fromDword(MAKELONG(static_cast<WORD>(-2), 7));
    EXPECT_EQ(CSize(-2, 7), fromDword);

    CSize size(10, 20);
    size += CSize(1, 1);
    size -= CSize(2, 3);
    EXPECT_EQ(CSize(9, 18), size);
    EXPECT_EQ(CSize(-9, -18), -size);
    EXPECT_EQ(CSize(10, 20), size + CSize(1, 2));
    EXPECT_EQ(CSize(8, 16), size - CSize(1, 2));
    EXPECT_EQ(CPoint(10, 20), size + CPoint(1, 2));
    EXPECT_EQ(CPoint(8, 16), size - CPoint(1, 2));
    size.SetSize(0, -1);
    EXPECT_EQ(CSize(0, -1), size);
    point.SetPoint(4, 4);
    EXPECT_EQ(CPoint(4, 4), point);
}
