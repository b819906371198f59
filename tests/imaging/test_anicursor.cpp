// CAniCursor with the generated busy cursor of the test resources (18 frames, frame i a black
// block at x = 7 + i, y = 13): loading through the host's resource chain, the frame counter
// on a real 33 ms timer, drawn frames, and who owns the cursor after an assignment.

#include <gtest/gtest.h>

#include <zaduv.h>

#include "DibSurface.h"
#include "HostWindow.h"
#include "MessagePump.h"

using namespace zaduv_test;

namespace
{
const UINT IDR_BUSY = 301, IDR_BROKEN = 302, IDR_MISSING = 399;
const COLORREF CR_BLACK = RGB(0, 0, 0);

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
    return surface.Capture().BoundingBox(CR_BLACK);
}

bool IsLiveIcon(HICON hIcon)
{
    ICONINFO info = {};
    if (!::GetIconInfo(hIcon, &info))
        return false;
    ::DeleteObject(info.hbmMask);
    if (info.hbmColor != NULL)
        ::DeleteObject(info.hbmColor);
    return true;
}

class CCursorHost : public CHostWindow
{
public:
    CAniCursorProbe m_cursor;
    int m_nTicks = 0;

protected:
    afx_msg void OnTimer(UINT_PTR)
    {
        ++m_nTicks;
        m_cursor.OnTimer();
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCursorHost, CHostWindow)
    ON_WM_TIMER()
END_MESSAGE_MAP()
}

TEST(AniCursor, EachFrameIsDrawnFromItsOwnStepAndEighteenTicksOfTheHostTimerComeBack)
{
    CCursorHost host;
    ASSERT_TRUE(host.CreateHost(64, 64));
    CAniCursorProbe& cursor = host.m_cursor;
    EXPECT_EQ(33u, cursor.GetTimerMsec());
    ASSERT_TRUE(cursor.Load(IDR_BUSY));
    for (int nFrame = 0; nFrame < 18; ++nFrame)
    {
        EXPECT_EQ(CRect(7 + nFrame, 13, 13 + nFrame, 19), DrawnBlock(cursor)) << "frame " << nFrame;
        cursor.OnTimer();
    }
    cursor.OnTimer();
    host.SetTimer(1, cursor.GetTimerMsec(), NULL);
    ASSERT_TRUE(PumpUntil([&host] { return host.m_nTicks == 16; }, 3000));
    EXPECT_EQ(17, cursor.Frame());
    ASSERT_TRUE(PumpUntil([&host] { return host.m_nTicks == 17; }, 1000));
    host.KillTimer(1);
    EXPECT_EQ(0, cursor.Frame());
    cursor.OnTimer();
    ASSERT_TRUE(cursor.Load(IDR_BUSY));
    EXPECT_EQ(1, cursor.Frame()) << "a load keeps the frame";
}

TEST(AniCursor, AFailedLoadDestroysTheCursorLoadedBefore)
{
    for (UINT nId : { IDR_MISSING, IDR_BROKEN })
    {
        CAniCursorProbe cursor;
        ASSERT_TRUE(cursor.Load(IDR_BUSY));
        HICON hEarlier = cursor.Handle();
        ASSERT_TRUE(IsLiveIcon(hEarlier));
        EXPECT_FALSE(cursor.Load(nId)) << nId;
        EXPECT_EQ(NULL, cursor.Handle());
        EXPECT_FALSE(IsLiveIcon(hEarlier)) << nId;
        EXPECT_TRUE(DrawnBlock(cursor).IsRectEmpty());
        cursor.Draw(NULL, 0, 0, 32, 32);
    }
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
    EXPECT_TRUE(IsLiveIcon(hCursor));
    EXPECT_EQ(CRect(8, 13, 14, 19), DrawnBlock(target)) << "the frame came along";
}
