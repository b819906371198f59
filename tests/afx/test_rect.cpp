// CRect, CPoint and CSize: the rectangle arithmetic of the class itself on the negative side of
// the origin, and points and sizes unpacked from message parameters.

#include <afx.h>
#include <gtest/gtest.h>

namespace
{
const RECT rcBorders = { 1, 2, 3, 4 };

// The rectangle (-10, -10, 10, 10) after a statement on `rect`, the statement's text and the
// rectangle expected.
#define RECT_CASE(statement, l, t, r, b) \
    { #statement, [] { CRect rect(-10, -10, 10, 10); statement; return rect; }(), CRect(l, t, r, b) }
}

TEST(CRectTest, OperationsWorkOnNegativeCoordinates)
{
    const struct { const char* lpszStatement; CRect rectActual; CRect rectExpected; } cases[] = {
        RECT_CASE(rect.InflateRect(1, 2, 3, 4), -11, -12, 13, 14),
        RECT_CASE(rect.InflateRect(&rcBorders), -11, -12, 13, 14),
        RECT_CASE(rect.DeflateRect(1, 2, 3, 4), -9, -8, 7, 6),
        RECT_CASE(rect.DeflateRect(&rcBorders), -9, -8, 7, 6),
        RECT_CASE(rect = rect - &rcBorders, -9, -8, 7, 6),
        RECT_CASE(rect.DeflateRect(15, 12); rect.NormalizeRect(), -5, -2, 5, 2),
        RECT_CASE(rect -= CPoint(5, -5), -15, -5, 5, 15),
        RECT_CASE(rect.MoveToXY(-100, 50), -100, 50, -80, 70),
        RECT_CASE(rect = rect & CRect(5, -20, 30, 0), 5, -10, 10, 0),
        RECT_CASE(rect |= CRect(-20, 0, -15, 30), -20, -10, 10, 30),
        // MulDiv rounds half away from zero.
        RECT_CASE(rect = CRect(-3, -5, 3, 5).MulDiv(1, 2), -2, -3, 2, 3),
        // The corner references write through to the rectangle.
        RECT_CASE(rect.TopLeft() = CPoint(-1, -2); rect.BottomRight().x = 5, -1, -2, 5, 10),
    };
    for (const auto& c : cases)
        EXPECT_TRUE(EqualRect(&c.rectActual, &c.rectExpected)) << c.lpszStatement << " gave "
            << ::testing::PrintToString(c.rectActual) << ", not " << ::testing::PrintToString(c.rectExpected);
    // Halving truncates toward zero.
    EXPECT_EQ(CPoint(-1, -2), CRect(-3, -5, 0, 0).CenterPoint());
    // Packed message coordinates are signed 16-bit values.
    EXPECT_EQ(CPoint(-5, 300), CPoint(MAKELPARAM(static_cast<WORD>(-5), 300)));
    EXPECT_EQ(CSize(-2, -7), CSize(static_cast<DWORD>(MAKELONG(static_cast<WORD>(-2), static_cast<WORD>(-7)))));
}
