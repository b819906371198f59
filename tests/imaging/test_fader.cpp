// CBitmapFader in a host window: timer 2 and repaints on the host, drawn pixels at known steps,
// and SetBitmap from a worker thread while the window's thread fades and draws.

#include <gtest/gtest.h>

#include <zaduv.h>
#include <gdiplus.h>

#include "DibSurface.h"
#include "HostWindow.h"
#include "MessagePump.h"

#include <atomic>
#include <thread>
#include <utility>
#include <vector>

using namespace zaduv_test;
using namespace Gdiplus;

namespace
{
// Generated resources of the test executable: 8 x 8 solid bitmaps.
const UINT IDB_RED = 201, IDB_GREEN = 202, IDB_BLUE = 203;
const COLORREF CR_WHITE = RGB(255, 255, 255);

typedef std::vector<std::pair<UINT, int>> CLayers;     // (nBitmapId, nStep), bottom first

class CFaderProbe : public CBitmapFader
{
public:
    using CBitmapFader::CBitmapFader;

    CLayers Layers()
    {
        CSingleLock lock(&m_csFadeSteps, TRUE);
        CLayers layers;
        for (POSITION pos = m_listFadeSteps.GetHeadPosition(); pos != NULL;)
        {
            const SFadeStep& step = m_listFadeSteps.GetNext(pos);
            layers.emplace_back(step.nBitmapId, step.nStep);
        }
        return layers;
    }

    // One or more layers, steps 1 to 10, never rising from bottom to top.
    bool IsWellFormed()
    {
        CLayers layers = Layers();
        for (size_t i = 0; i < layers.size(); ++i)
            if (layers[i].second < 1 || layers[i].second > 10 || (i > 0 && layers[i].second > layers[i - 1].second))
                return false;
        return !layers.empty();
    }
};

class FaderTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_host.CreateHost(200, 100));
        m_pFader.reset(new CFaderProbe(m_host.m_hWnd));
    }
    void TearDown() override
    {
        ::KillTimer(m_host.m_hWnd, CBitmapFader::m_ciFaderTimerId);
        m_pFader.reset();
        m_host.DestroyWindow();
        PumpPending();
    }

    void Tick(int nTicks)
    {
        while (nTicks-- > 0)
            m_pFader->OnTimer();
    }
    // True when timer 2 was running on the host (it is not afterwards).
    bool TimerWasRunning() { return ::KillTimer(m_host.m_hWnd, CBitmapFader::m_ciFaderTimerId) != FALSE; }
    // After a tick, the host must repaint.
    bool TickInvalidates()
    {
        ::ValidateRect(m_host.m_hWnd, NULL);
        m_pFader->OnTimer();
        return ::GetUpdateRect(m_host.m_hWnd, NULL, FALSE) != FALSE;
    }
    // The fader drawn into rect of a white 320 x 220 surface.
    CCapturedImage DrawOnWhite(const CRect& rect)
    {
        CDibSurface surface(320, 220, CR_WHITE);
        GpGraphics* pGraphics = NULL;
        EXPECT_EQ(Ok, DllExports::GdipCreateFromHDC(surface.DC().GetSafeHdc(), &pGraphics));
        m_pFader->Draw(*pGraphics, rect);
        DllExports::GdipDeleteGraphics(pGraphics);
        return surface.Capture();
    }
    bool DrawsNothing() { return DrawOnWhite(CRect(0, 0, 40, 40)).IsUniform(CRect(0, 0, 320, 220), CR_WHITE); }

    CHostWindow m_host;
    std::unique_ptr<CFaderProbe> m_pFader;
};
}

// The layers' schedule is checked against a model by the fuzz suite; here, the host's side.
TEST_F(FaderTest, FadesRunTimerTwoOnTheHostAndEveryTickRepaintsIt)
{
    EXPECT_TRUE(TickInvalidates()) << "no layers: only the invalidation";
    m_pFader->FadeTo(IDB_RED);
    EXPECT_TRUE(TimerWasRunning()) << "an empty fader";
    m_pFader->FadeTo(IDB_RED);
    EXPECT_FALSE(TimerWasRunning()) << "the id shown alone: nothing to do";
    m_pFader->FadeTo(IDB_GREEN);
    Tick(1);
    m_pFader->SetBitmap(IDB_RED);
    EXPECT_TRUE(TickInvalidates());
    EXPECT_FALSE(TimerWasRunning()) << "a tick after SetBitmap stops the timer";
    for (int nTicks : { 8, 9 })
    {
        m_pFader->FadeTo(IDB_GREEN);
        Tick(nTicks);
        EXPECT_EQ(nTicks < 9, TimerWasRunning()) << nTicks << " ticks into a fade";
        m_pFader->SetBitmap(IDB_RED);
    }
}

TEST_F(FaderTest, DrawStretchesIntoTheRectanglesSizeAtTheOriginWithStepFiveAtHalfAlpha)
{
    m_pFader->SetBitmap(IDB_RED);
    CCapturedImage image = DrawOnWhite(CRect(100, 100, 300, 200));
    // Stretching 8 x 8 pixels blends the last source pixel towards the edge; the middle is pure.
    for (CPoint pt : { CPoint(20, 20), CPoint(150, 70) })
        EXPECT_PIXEL(image, pt.x, pt.y, RGB(255, 0, 0));
    for (CPoint pt : { CPoint(201, 50), CPoint(100, 101), CPoint(250, 150) })
        EXPECT_PIXEL(image, pt.x, pt.y, CR_WHITE);

    m_pFader->FadeTo(IDB_BLUE);
    Tick(4);
    ASSERT_EQ(CLayers({ { IDB_RED, 10 }, { IDB_BLUE, 5 } }), m_pFader->Layers());
    const COLORREF cr = DrawOnWhite(CRect(0, 0, 100, 100)).Pixel(50, 50);
    EXPECT_NEAR(128, GetRValue(cr), 2) << ColorName(cr);
    EXPECT_NEAR(0, GetGValue(cr), 2) << ColorName(cr);
    EXPECT_NEAR(128, GetBValue(cr), 2) << ColorName(cr);
}

// Bitmap objects are copied: the caller may release its own at once.
TEST_F(FaderTest, BitmapObjectsShowTheirPictureAndANullOrMissingOneDrawsNothing)
{
    std::vector<DWORD> pixels(16 * 16, 0xFF0000FF);
    GpBitmap* pBitmap = NULL;
    ASSERT_EQ(Ok, DllExports::GdipCreateBitmapFromScan0(16, 16, 64, PixelFormat32bppARGB,
        reinterpret_cast<BYTE*>(pixels.data()), &pBitmap));
    m_pFader->SetBitmap(pBitmap);
    DllExports::GdipDisposeImage(pBitmap);
    std::fill(pixels.begin(), pixels.end(), 0);
    EXPECT_PIXEL(DrawOnWhite(CRect(0, 0, 40, 40)), 20, 20, RGB(0, 0, 255));
    {
        CDibSurface source(16, 16, RGB(10, 200, 30));
        CBitmap bitmap;
        bitmap.Attach(::CopyImage(source.GetBitmap(), IMAGE_BITMAP, 0, 0, 0));
        m_pFader->SetBitmap(&bitmap);
    }
    EXPECT_PIXEL(DrawOnWhite(CRect(0, 0, 40, 40)), 20, 20, RGB(10, 200, 30));

    m_pFader->SetBitmap(static_cast<CBitmap*>(NULL));
    EXPECT_EQ(1u, m_pFader->Layers().size());
    EXPECT_TRUE(DrawsNothing()) << "a null-bitmap layer";
    m_pFader->SetBitmap(999u);
    EXPECT_TRUE(DrawsNothing()) << "a missing resource";
}

// The worker runs from before the first round of the window's thread until after its last.
TEST_F(FaderTest, AWorkerSettingBitmapsWhileTheWindowFadesAndDrawsNeverTearsTheLayers)
{
    m_pFader->SetBitmap(IDB_RED);
    std::atomic<bool> bStop(false);
    std::atomic<int> nWorkerCalls(0);
    std::thread worker([this, &bStop, &nWorkerCalls] {
        DWORD pixels[4 * 4] = {};
        GpBitmap* pBitmap = NULL;
        DllExports::GdipCreateBitmapFromScan0(4, 4, 16, PixelFormat32bppARGB, reinterpret_cast<BYTE*>(pixels), &pBitmap);
        for (int i = 0; !bStop; ++i, ++nWorkerCalls)
            i % 2 == 0 ? m_pFader->SetBitmap(IDB_GREEN) : m_pFader->SetBitmap(pBitmap);
        DllExports::GdipDisposeImage(pBitmap);
    });
    while (nWorkerCalls == 0)
        std::this_thread::yield();
    CDibSurface surface(40, 40, CR_WHITE);
    GpGraphics* pGraphics = NULL;
    DllExports::GdipCreateFromHDC(surface.DC().GetSafeHdc(), &pGraphics);
    bool bWellFormed = true;
    for (int nRound = 0; nRound < 2000; ++nRound)
    {
        m_pFader->FadeTo(nRound % 2 == 0 ? IDB_BLUE : IDB_RED);
        m_pFader->OnTimer();
        m_pFader->Draw(*pGraphics, CRect(0, 0, 40, 40));
        bWellFormed = bWellFormed && m_pFader->IsWellFormed();
    }
    const int nCallsDuringRounds = nWorkerCalls;
    bStop = true;
    worker.join();
    DllExports::GdipDeleteGraphics(pGraphics);
    EXPECT_TRUE(bWellFormed);
    EXPECT_GT(nCallsDuringRounds, 1);
}
