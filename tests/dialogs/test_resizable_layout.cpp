// CResizableDialog: anchored controls follow real resizes of a real dialog.
#include "ResizableTestDialog.h"
#include <MessageRecorder.h>
#include <gtest/gtest.h>

using dialogs_test::CTestResizableDialog;

namespace
{
enum : UINT { IDC_STRETCH = 1301, IDC_CORNER, IDC_HALF, IDC_STILL, IDC_LABEL, IDC_EDIT, IDC_SUBJECT, IDC_MISSING = 1399 };

// Six controls at 400 x 300: four buttons one under the other, a label and its edit.
class ResizableLayoutTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        zaduv_test::CDialogTemplate tmpl = dialogs_test::MakeResizableTemplate();
        for (UINT nID : { IDC_STRETCH, IDC_CORNER, IDC_HALF, IDC_STILL })
            tmpl.AddButton(nID, CRect(0, 0, 10, 10), L"Button");
        tmpl.AddStatic(IDC_LABEL, CRect(0, 0, 10, 10), L"Path").AddEdit(IDC_EDIT, CRect(0, 0, 10, 10));
        ASSERT_TRUE(m_dlg.CreateFromTemplate(tmpl));
        m_dlg.SetClientSize(400, 300);
        for (UINT nID : { IDC_STRETCH, IDC_CORNER, IDC_HALF, IDC_STILL })
            Place(nID, CRect(10, 10, 110, 30) + CPoint(0, 30 * static_cast<int>(nID - IDC_STRETCH)));
        Place(IDC_LABEL, CRect(10, 130, 50, 150));
        Place(IDC_EDIT, CRect(60, 130, 200, 150));
    }
    void TearDown() override { m_dlg.DestroyWindow(); }

    void Place(UINT nID, const CRect& rect) { m_dlg.GetDlgItem(nID)->MoveWindow(&rect, FALSE); }
    HWND Item(UINT nID) const { return ::GetDlgItem(m_dlg.m_hWnd, nID); }

    CTestResizableDialog m_dlg;
};
}

TEST_F(ResizableLayoutTest, AnchorsStretchMoveAndHalfMoveControls)
{
    m_dlg.AddAnchor(IDC_STRETCH, CSize(0, 0), CSize(100, 0));
    m_dlg.AddAnchor(IDC_CORNER, CSize(100, 100), ANCHOR_NONE);
    m_dlg.AddAnchor(Item(IDC_HALF), CSize(50, 0), CSize(50, 0));
    m_dlg.AddAnchor(IDC_STILL, CSize(0, 0), CSize(0, 0));
    m_dlg.AddAnchorWithLabel(IDC_EDIT, CSize(0, 100), CSize(100, 100));
    m_dlg.AddAnchor(IDC_MISSING, CSize(0, 0), CSize(100, 100));

    struct { CSize sizeClient; CRect rcStretch, rcCorner, rcHalf, rcLabel, rcEdit; } cases[] = {
        { CSize(500, 400), CRect(10, 10, 210, 30), CRect(110, 140, 210, 160), CRect(60, 70, 160, 90),
          CRect(10, 230, 150, 250), CRect(60, 230, 300, 250) },
        { CSize(403, 300), CRect(10, 10, 113, 30), CRect(13, 40, 113, 60), CRect(11, 70, 111, 90),
          CRect(10, 130, 53, 150), CRect(60, 130, 203, 150) },
        { CSize(400, 300), CRect(10, 10, 110, 30), CRect(10, 40, 110, 60), CRect(10, 70, 110, 90),
          CRect(10, 130, 50, 150), CRect(60, 130, 200, 150) },
    };
    for (const auto& c : cases)
    {
        m_dlg.SetClientSize(c.sizeClient.cx, c.sizeClient.cy);
        EXPECT_EQ(c.rcStretch, m_dlg.GetControlRect(IDC_STRETCH)) << c.sizeClient.cx;
        EXPECT_EQ(c.rcCorner, m_dlg.GetControlRect(IDC_CORNER)) << c.sizeClient.cx;
        EXPECT_EQ(c.rcHalf, m_dlg.GetControlRect(IDC_HALF)) << c.sizeClient.cx;
        EXPECT_EQ(CRect(10, 100, 110, 120), m_dlg.GetControlRect(IDC_STILL)) << c.sizeClient.cx;
        EXPECT_EQ(c.rcLabel, m_dlg.GetControlRect(IDC_LABEL)) << "the label follows its edit";
        EXPECT_EQ(c.rcEdit, m_dlg.GetControlRect(IDC_EDIT)) << c.sizeClient.cx;
    }
}

TEST_F(ResizableLayoutTest, OnlyChangedControlsMoveOncePerResizeAndOnlyForLayoutSizeTypes)
{
    m_dlg.AddAnchor(IDC_STRETCH, CSize(0, 0), CSize(100, 0));
    m_dlg.AddAnchor(IDC_STILL, CSize(0, 0), CSize(0, 0));
    m_dlg.AddAnchor(IDC_CORNER, CSize(100, 0), ANCHOR_NONE);
    zaduv_test::CMessageRecorder recorder;
    for (UINT nID : { IDC_STRETCH, IDC_STILL, IDC_CORNER })
        recorder.Attach(Item(nID));
    recorder.Watch(WM_WINDOWPOSCHANGING);
    m_dlg.SetClientSize(450, 300);
    EXPECT_EQ(0u, recorder.GetMessages(Item(IDC_STILL)).size()) << "an unchanged control is not moved";
    EXPECT_EQ(1u, recorder.GetMessages(Item(IDC_STRETCH)).size());
    EXPECT_EQ(1u, recorder.GetMessages(Item(IDC_CORNER)).size());

    struct { UINT nType; bool bLaysOut; } cases[] = {
        { SIZE_RESTORED, true }, { SIZE_MINIMIZED, true }, { SIZE_MAXIMIZED, true },
        { SIZE_MAXSHOW, false }, { SIZE_MAXHIDE, false },
    };
    for (const auto& c : cases)
    {
        Place(IDC_STRETCH, CRect(0, 0, 5, 5));
        m_dlg.SendMessage(WM_SIZE, c.nType, MAKELPARAM(450, 300));
        EXPECT_EQ(c.bLaysOut ? CRect(10, 10, 160, 30) : CRect(0, 0, 5, 5), m_dlg.GetControlRect(IDC_STRETCH))
            << "size type " << c.nType;
    }
}

namespace
{
struct SClassCase
{
    LPCWSTR lpszClass;
    DWORD dwStyle;
    bool bMovedAtOnce;      // before the deferred batch commits
    bool bClipsSiblings;
};

void PrintTo(const SClassCase& c, std::ostream* pStream)
{
    *pStream << std::string(c.lpszClass, c.lpszClass + ::lstrlenW(c.lpszClass)) << " style 0x" << std::hex << c.dwStyle;
}

class ResizableClassTest : public ::testing::TestWithParam<SClassCase> {};
}

// A control that must repaint when moved is moved at once, so it reaches its new place before
// a control registered earlier whose move waits in the batch.
TEST_P(ResizableClassTest, ClassDecidesImmediateMovesAndSiblingClipping)
{
    const SClassCase& c = GetParam();
    zaduv_test::CDialogTemplate tmpl = dialogs_test::MakeResizableTemplate();
    tmpl.AddButton(IDC_STRETCH, CRect(0, 0, 10, 10), L"Plain")
        .AddControl(c.lpszClass, IDC_SUBJECT, CRect(0, 0, 10, 10), c.dwStyle, L"Subject");
    CTestResizableDialog dlg;
    ASSERT_TRUE(dlg.CreateFromTemplate(tmpl));
    dlg.SetClientSize(400, 300);
    HWND hSubject = ::GetDlgItem(dlg.m_hWnd, IDC_SUBJECT);
    ::MoveWindow(hSubject, 10, 40, 200, 100, FALSE);
    if (lstrcmpiW(c.lpszClass, L"listbox") == 0)
    {
        ::SendMessageW(hSubject, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"A long series description"));
        ::SendMessageW(hSubject, LB_SETHORIZONTALEXTENT, 600, 0);
        if (c.bMovedAtOnce)
            ::SendMessageW(hSubject, WM_HSCROLL, SB_RIGHT, 0);
    }
    dlg.AddAnchor(IDC_STRETCH, CSize(0, 0), CSize(100, 0));
    dlg.AddAnchor(hSubject, CSize(0, 0), CSize(100, 100));
    EXPECT_EQ(c.bClipsSiblings, (::GetWindowLongW(hSubject, GWL_STYLE) & WS_CLIPSIBLINGS) != 0);

    zaduv_test::CMessageRecorder recorder;
    recorder.Attach(dlg.GetDlgItem(IDC_STRETCH));
    recorder.Attach(hSubject);
    recorder.Watch(WM_WINDOWPOSCHANGING);
    dlg.SetClientSize(500, 400);
    ASSERT_GE(recorder.GetMessages().size(), 2u);
    EXPECT_EQ(c.bMovedAtOnce, recorder.GetMessages().front().hWnd == hSubject) << "moved at once";
    EXPECT_EQ(CRect(10, 40, 310, 240), dlg.GetControlRect(IDC_SUBJECT));
    dlg.DestroyWindow();
}

INSTANTIATE_TEST_SUITE_P(Classes, ResizableClassTest, ::testing::Values(
    SClassCase{ L"Static", SS_LEFT, true, false },
    SClassCase{ L"STATIC", SS_RIGHT, true, false },
    SClassCase{ L"static", SS_BLACKRECT, false, false },
    SClassCase{ L"Static", SS_BITMAP | SS_CENTERIMAGE, true, false },
    SClassCase{ L"Static", SS_SIMPLE | SS_CENTERIMAGE, false, false },
    SClassCase{ L"Button", BS_PUSHBUTTON, false, false },
    SClassCase{ L"button", BS_AUTOCHECKBOX, false, true },
    SClassCase{ L"BUTTON", BS_AUTORADIOBUTTON, false, true },
    SClassCase{ L"Button", BS_GROUPBOX, false, true },
    SClassCase{ L"Edit", ES_LEFT | WS_BORDER, false, false },
    SClassCase{ L"ListBox", WS_HSCROLL | WS_BORDER | LBS_NOINTEGRALHEIGHT, false, false },
    SClassCase{ L"ListBox", WS_HSCROLL | WS_BORDER | LBS_NOINTEGRALHEIGHT, true, false }));
