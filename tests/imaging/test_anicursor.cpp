// CAniCursor with the generated busy cursor of the test resources (18 frames, frame i a black
// block at x = 7 + i, y = 13): each frame drawn from its own step, and who owns the cursor
// after an assignment. Failed loads are driven by the hostile and fuzz suites.

#include <gtest/gtest.h>

#include <zaduv.h>

#include "DibSurface.h"

using namespace zaduv_test;

namespace
{
const UINT IDR_BUSY = 301;

class CAniCursorProbe : public CAniCursor
{
public:
    using CAniCursor::operator=;
    HICON Handle() const { return m_hCursor; }
    int Frame() const { return m_nFrame; }
};

// Where the frame drawn on white is black.
CRect DrawnBlock(CAniCursor& cursor)
{
    CDibSurface surface(32, 32, RGB(255, 255, 255));
    cursor.Draw(&surface.DC(), 0, 0, 32, 32);
    return surface.Capture().BoundingBox(RGB(0, 0, 0));
}
}

TEST(AniCursor, EachFrameIsDrawnFromItsOwnStepAndALoadKeepsTheFrame)
{
    CAniCursorProbe cursor;
    ASSERT_TRUE(cursor.Load(IDR_BUSY));
    for (int nFrame = 0; nFrame < 18; ++nFrame)
    {
        EXPECT_EQ(CRect(7 + nFrame, 13, 13 + nFrame, 19), DrawnBlock(cursor)) << "frame " << nFrame;
        cursor.OnTimer();
    }
    cursor.OnTimer();
    ASSERT_TRUE(cursor.Load(IDR_BUSY));
    EXPECT_EQ(1, cursor.Frame());
}

TEST(AniCursor, AssignmentHandsTheCursorOverSoOnlyOneObjectDestroysIt)
{
    CAniCursorProbe target;
    HICON hCursor = NULL;
    {
        CAniCursorProbe source;
        ASSERT_TRUE(source.Load(IDR_BUSY));
        source.OnTimer();
        hCursor = source.Handle();
        target = source;
        EXPECT_EQ(NULL, source.Handle());
    }
    EXPECT_EQ(hCursor, target.Handle());
    ICONINFO info = {};
    ASSERT_TRUE(::GetIconInfo(hCursor, &info)) << "the source destroyed the cursor it handed over";
    ::DeleteObject(info.hbmMask);
    ::DeleteObject(info.hbmColor);
    EXPECT_EQ(CRect(8, 13, 14, 19), DrawnBlock(target)) << "the frame came along";
}
