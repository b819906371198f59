// KaCBitmapButton subclassing a push button of a real dialog: the four state bitmaps and their
// precedence, the (2, 2) shift and the frame of each state, centring and clipping, the
// set-check message, and what happens to bitmaps that are replaced or missing.

#include <gtest/gtest.h>

#include <zaduv.h>

#include "DialogTemplate.h"
#include "DibSurface.h"
#include "MessagePump.h"
#include "MessageRecorder.h"
#include "PixelCapture.h"
#include "SendMouse.h"
#include "resource.h"

using namespace zaduv_test;

namespace
{
const UINT IDC_BITMAP_BUTTON = 100;
const COLORREF NORMAL = RGB(255, 0, 0);
const COLORREF DISABLED = RGB(128, 128, 0);
const COLORREF PRESSED = RGB(0, 255, 0);
const COLORREF CHECKED = RGB(0, 0, 255);
const CSize BITMAP_SIZE(16, 12);
const CSize BUTTON_SIZE(75, 23);    // odd, so centring halves truncate

// Lets the tests see which bitmap handles the button holds.
class CProbeButton : public KaCBitmapButton
{
public:
    HGDIOBJ GetBitmapHandle(int nIndex) const { return m_aBitmaps[nIndex].GetSafeHandle(); }
};

class BitmapButtonTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CDialogTemplate dlgTemplate(CRect(0, 0, 120, 50), L"Bitmap button test", WS_POPUP | WS_CAPTION | WS_VISIBLE | DS_MODALFRAME);
        dlgTemplate.AddButton(IDC_BITMAP_BUTTON, CRect(10, 10, 60, 24), L"Button");
        ASSERT_TRUE(m_dialog.CreateIndirect(dlgTemplate.GetTemplate()));
        ASSERT_TRUE(m_button.SubclassDlgItem(IDC_BITMAP_BUTTON, &m_dialog));
        m_button.SetWindowPos(NULL, 0, 0, BUTTON_SIZE.cx, BUTTON_SIZE.cy, SWP_NOMOVE | SWP_NOZORDER);
        PumpPending();
    }

    void TearDown() override { m_dialog.DestroyWindow(); PumpPending(); }

    // The push-button frame as the platform draws it with these flags.
    static CCapturedImage ReferenceFrame(UINT nFlags)
    {
        CDibSurface surface(BUTTON_SIZE.cx, BUTTON_SIZE.cy, RGB(1, 2, 3));
        CRect rect(CPoint(0, 0), BUTTON_SIZE);
        surface.DC().DrawFrameControl(&rect, DFC_BUTTON, nFlags);
        return surface.Capture();
    }

    // Pixels outside the bitmap that differ from the reference frame.
    static int FrameMismatches(const CCapturedImage& image, const CCapturedImage& reference, const CRect& rectBitmap)
    {
        int nMismatches = 0;
        for (int y = 0; y < image.Height(); ++y)
            for (int x = 0; x < image.Width(); ++x)
                if (!rectBitmap.PtInRect(CPoint(x, y)) && image.Pixel(x, y) != reference.Pixel(x, y))
                    ++nMismatches;
        return nMismatches;
    }

    static CRect BitmapRect(CPoint ptOffset)
    {
        const CPoint ptTopLeft((BUTTON_SIZE.cx - BITMAP_SIZE.cx) / 2 + ptOffset.x,
            (BUTTON_SIZE.cy - BITMAP_SIZE.cy) / 2 + ptOffset.y);
        return CRect(ptTopLeft, BITMAP_SIZE);
    }

    // Each press lands 10 pixels from the one before, so two presses never make a double-click.
    void PressWithMouse(DWORD dwFlags)
    {
        if (dwFlags == MOUSEEVENTF_LEFTDOWN)
            m_cxPress = -m_cxPress;
        CRect rect;
        m_button.GetWindowRect(&rect);
        SendMouse(rect.CenterPoint() + CPoint(m_cxPress, 0), dwFlags);
    }

    CDialog m_dialog;
    CProbeButton m_button;
    int m_cxPress = 5;
};
}

TEST_F(BitmapButtonTest, EachStateShowsItsBitmapOnItsFrameDisabledBeforeCheckedBeforePressed)
{
    m_button.LoadBitmaps(IDB_BUTTON_NORMAL, IDB_BUTTON_DISABLED, IDB_BUTTON_PRESSED, IDB_BUTTON_CHECKED);
    EXPECT_EQ(static_cast<UINT>(BS_OWNERDRAW), m_button.GetStyle() & BS_TYPEMASK);
    struct SCase { const char* lpszName; bool bPressed, bChecked, bDisabled; COLORREF cr; CPoint ptOffset; UINT nFrame; } cases[] = {
        { "normal", false, false, false, NORMAL, CPoint(0, 0), DFCS_BUTTONPUSH },
        { "pressed", true, false, false, PRESSED, CPoint(2, 2), DFCS_BUTTONPUSH | DFCS_PUSHED },
        { "checked", false, true, false, CHECKED, CPoint(2, 2), DFCS_BUTTONPUSH | DFCS_CHECKED },
        { "checked and pressed", true, true, false, CHECKED, CPoint(2, 2), DFCS_BUTTONPUSH | DFCS_CHECKED | DFCS_PUSHED },
        { "disabled", false, false, true, DISABLED, CPoint(0, 0), DFCS_BUTTONPUSH | DFCS_INACTIVE },
        { "disabled and checked", false, true, true, DISABLED, CPoint(2, 2), DFCS_BUTTONPUSH | DFCS_CHECKED | DFCS_INACTIVE },
    };
    for (const SCase& c : cases)
    {
        SCOPED_TRACE(c.lpszName);
        m_button.EnableWindow(!c.bDisabled);
        m_button.SetCheck(c.bChecked ? BST_CHECKED : BST_UNCHECKED);
        if (c.bPressed)
        {
            PressWithMouse(MOUSEEVENTF_LEFTDOWN);
            ASSERT_TRUE(PumpUntil([&] { return (m_button.GetState() & BST_PUSHED) != 0; }, 3000));
        }
        CCapturedImage image = CaptureClient(&m_button);
        if (c.bPressed)
        {
            PressWithMouse(MOUSEEVENTF_LEFTUP);
            PumpUntil([&] { return (m_button.GetState() & BST_PUSHED) == 0; }, 3000);
        }
        EXPECT_EQ(BitmapRect(c.ptOffset), image.BoundingBox(c.cr)) << SaveFailureArtifact(image);
        EXPECT_EQ(BITMAP_SIZE.cx * BITMAP_SIZE.cy, image.CountColor(c.cr));
        EXPECT_EQ(0, FrameMismatches(image, ReferenceFrame(c.nFrame), BitmapRect(c.ptOffset))) << SaveFailureArtifact(image);
    }
    EXPECT_EQ(BST_UNCHECKED, m_button.GetCheck() & BST_CHECKED) << "clicking never checks the button";
}

TEST_F(BitmapButtonTest, TheSetCheckMessageRepaintsOnlyOnAChangeAndTreatsIndeterminateAsUnchecked)
{
    m_button.LoadBitmaps(IDB_BUTTON_NORMAL, IDB_BUTTON_DISABLED, IDB_BUTTON_PRESSED, IDB_BUTTON_CHECKED);
    CaptureClient(&m_button);
    CMessageRecorder recorder;
    recorder.Attach(&m_dialog, "dialog");
    recorder.Watch(WM_DRAWITEM);
    struct SStep { WPARAM nCheck; int nRepaints; COLORREF cr; } steps[] = {
        { BST_CHECKED, 1, CHECKED },
        { BST_CHECKED, 0, CHECKED },
        { BST_INDETERMINATE, 1, NORMAL },
        { BST_UNCHECKED, 0, NORMAL },
    };
    for (const SStep& step : steps)
    {
        SCOPED_TRACE(testing::Message() << "check " << step.nCheck);
        recorder.Clear();
        m_button.SendMessage(BM_SETCHECK, step.nCheck);
        PumpPending();
        EXPECT_EQ(step.nRepaints, recorder.Count(WM_DRAWITEM));
        CCapturedImage image = CaptureAsIs(m_button.m_hWnd);
        EXPECT_GT(image.CountColor(step.cr), 0) << SaveFailureArtifact(image);
    }
}

TEST_F(BitmapButtonTest, OnlyANormalBitmapServesEveryStateAndALargerOneIsCentredAndClipped)
{
    // Only the normal bitmap serves every state; checked still shifts it.
    m_button.LoadBitmaps(IDB_BUTTON_NORMAL, 0, 0, 0);
    m_button.SetCheck(BST_CHECKED);
    CCapturedImage checked = CaptureClient(&m_button);
    EXPECT_EQ(BitmapRect(CPoint(2, 2)), checked.BoundingBox(NORMAL)) << SaveFailureArtifact(checked);
    m_button.SetCheck(BST_UNCHECKED);

    m_button.LoadBitmaps(IDB_BUTTON_LARGE, 0, 0, 0);
    CCapturedImage image = CaptureClient(&m_button);
    // (75 - 200) / 2 = -62 and (23 - 100) / 2 = -38, truncated toward zero: the quadrants
    // meet at (38, 12).
    EXPECT_PIXEL(image, 37, 11, RGB(255, 0, 255));
    EXPECT_PIXEL(image, 38, 11, RGB(0, 255, 255));
    EXPECT_PIXEL(image, 37, 12, RGB(255, 255, 0));
    EXPECT_PIXEL(image, 38, 12, RGB(0, 0, 0));
    EXPECT_PIXEL(image, 0, 0, RGB(255, 0, 255));
    EXPECT_PIXEL(image, BUTTON_SIZE.cx - 1, BUTTON_SIZE.cy - 1, RGB(0, 0, 0));
}

TEST_F(BitmapButtonTest, ReplacedBitmapsAreDeletedAndMissingOnesLeaveTheFrameOnly)
{
    m_button.LoadBitmaps(IDB_BUTTON_NORMAL, IDB_BUTTON_DISABLED, IDB_BUTTON_PRESSED, IDB_BUTTON_CHECKED);
    HGDIOBJ aEarlier[4];
    for (int i = 0; i < 4; ++i)
        aEarlier[i] = m_button.GetBitmapHandle(i);
    m_button.LoadBitmaps(0xF000, 0, 0, 0);
    for (int i = 0; i < 4; ++i)
    {
        EXPECT_EQ(0u, ::GetObjectType(aEarlier[i])) << "earlier bitmap " << i << " was deleted";
        EXPECT_EQ(nullptr, m_button.GetBitmapHandle(i));
    }
    CCapturedImage image = CaptureClient(&m_button);
    EXPECT_EQ(0, FrameMismatches(image, ReferenceFrame(DFCS_BUTTONPUSH), CRect())) << SaveFailureArtifact(image);

    HGDIOBJ hLast;
    {
        CProbeButton button;
        button.LoadBitmaps(IDB_BUTTON_NORMAL, 0, 0, 0);
        hLast = button.GetBitmapHandle(0);
        ASSERT_EQ(static_cast<DWORD>(OBJ_BITMAP), ::GetObjectType(hLast));
    }
    EXPECT_EQ(0u, ::GetObjectType(hLast)) << "the destructor deletes the bitmaps";
}
