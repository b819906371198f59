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
const UINT IDR_BUSY = 301;
const UINT IDR_BROKEN = 302;
const UINT IDR_MISSING = 399;
const COLORREF CR_BLACK = RGB(0, 0, 0);

class CAniCursorProbe : public CAniCursor
{
public:
    using CAniCursor::operator=;
    HICON Handle() const { return m_hCursor; }
    int Frame() const { return m_nFrame; }
};

CCapturedImage DrawOnWhite(CAniCursor& cursor, CDC* pDC = NULL)
{
    CDibSurface surface(32, 32, RGB(255, 255, 255));
    cursor.Draw(pDC != NULL ? pDC : &surface.DC(), 0, 0, 32, 32);
    return surface.Capture();
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

TEST(AniCursor, EachFrameIsDrawnFromItsOwnStep)
{
    CAniCursorProbe cursor;
    EXPECT_EQ(33u, cursor.GetTimerMsec());
    ASSERT_TRUE(cursor.Load(IDR_BUSY));
    EXPECT_EQ(33u, cursor.GetTimerMsec());
    for (int nFrame = 0; nFrame < 18; ++nFrame)
    {
        CCapturedImage image = DrawOnWhite(cursor);
        EXPECT_EQ(CRect(7 + nFrame, 13, 13 + nFrame, 19), image.BoundingBox(CR_BLACK)) << "frame " << nFrame;
        cursor.OnTimer();
    }
}

TEST(AniCursor, EighteenTicksOfTheHostTimerBringTheFrameBackAndLoadKeepsIt)
{
    CCursorHost host;
    ASSERT_TRUE(host.CreateHost(64, 64));
    CAniCursorProbe& cursor = host.m_cursor;
    ASSERT_TRUE(cursor.Load(IDR_BUSY));
    cursor.OnTimer();
    host.SetTimer(1, cursor.GetTimerMsec(), NULL);
    ASSERT_TRUE(PumpUntil([&host] { return host.m_nTicks == 16; }, 3000));
    EXPECT_EQ(17, cursor.Frame());
    ASSERT_TRUE(PumpUntil([&host] { return host.m_nTicks == 17; }, 1000));
    host.KillTimer(1);
    EXPECT_EQ(0, cursor.Frame());
    cursor.OnTimer();
    EXPECT_EQ(1, cursor.Frame());
    ASSERT_TRUE(cursor.Load(IDR_BUSY));
    EXPECT_EQ(1, cursor.Frame());
}

TEST(AniCursor, AFailedLoadDestroysTheCursorLoadedBefore)
{
    const UINT badIds[] = { IDR_MISSING, IDR_BROKEN };
    for (UINT nId : badIds)
    {
        CAniCursorProbe cursor;
        ASSERT_TRUE(cursor.Load(IDR_BUSY));
        HICON hEarlier = cursor.Handle();
        ASSERT_TRUE(IsLiveIcon(hEarlier));
        EXPECT_FALSE(cursor.Load(nId)) << nId;
        EXPECT_EQ(NULL, cursor.Handle());
        EXPECT_FALSE(IsLiveIcon(hEarlier)) << nId;
        EXPECT_EQ(0, DrawOnWhite(cursor).CountColor(CR_BLACK));
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
    EXPECT_EQ(1, target.Frame());
    EXPECT_TRUE(IsLiveIcon(hCursor));
    EXPECT_EQ(CRect(8, 13, 14, 19), DrawOnWhite(target).BoundingBox(CR_BLACK));
}
