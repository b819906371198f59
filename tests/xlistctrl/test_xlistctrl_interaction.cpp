// CXListCtrl driven as a user drives it: clicks on check boxes, header check boxes and
// disabled items, the combo drop-down opened by a press on its button and answered with keys,
// the pointer, and the cell tool tips; the parent's messages are recorded
// with what the control showed when each arrived.
#include <gtest/gtest.h>

#include "MessagePump.h"
#include "MessageRecorder.h"
#include "xlist_test_helpers.h"

#include <algorithm>

using namespace zaduv_test;

namespace
{
// The drop-down's messages stay inside the library; their names are registered alike.
const UINT WM_XCOMBOLIST_VK_RETURN = ::RegisterWindowMessageW(L"WM_XCOMBOLIST_VK_RETURN");
const UINT WM_XCOMBOLIST_VK_ESCAPE = ::RegisterWindowMessageW(L"WM_XCOMBOLIST_VK_ESCAPE");
const UINT WM_XCOMBOLIST_KEYDOWN = ::RegisterWindowMessageW(L"WM_XCOMBOLIST_KEYDOWN");

class XListInteraction : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_host.Create({ { L"Name", LVCFMT_LEFT, 90 }, { L"Check", LVCFMT_LEFT, 90 },
                                    { L"Priority", LVCFMT_LEFT, 110 }, { L"Status", LVCFMT_LEFT, 100 } }));
        for (int i = 0; i < 4; ++i)
        {
            List().InsertItem(i, L"row");
            List().SetCheckbox(i, 1, 0);
        }
        m_recorder.Attach(&m_host.m_host, "host");
        m_recorder.Watch(WM_XLISTCTRL_CHECKBOX_CLICKED);
        m_recorder.Watch(WM_XLISTCTRL_COMBO_SELECTION);
        m_recorder.RecordNotify(FALSE);
        m_recorder.RecordCommand(FALSE);
        // As in a host, the pump has a main window. Without one the active window stands in, and
        // once the drop-down is active the pump's last-chance route gives it every key twice.
        AfxGetThread()->m_pMainWnd = &m_host.m_host;
    }
    void TearDown() override { AfxGetThread()->m_pMainWnd = NULL; }
    CProbeXList& List() { return m_host.m_list; }

    // Opens the drop-down of cell (1, 2) with nEntries entries, the entry nSel shown, by a
    // press on the combo button of the selected row.
    void OpenCombo(int nEntries, int nSel, int nRows = 4)
    {
        CXListComboData items;
        const wchar_t* aTexts[] = { L"Routine", L"Urgent", L"Stat", L"Later", L"Soon", L"Never", L"Today" };
        for (int i = 0; i < nEntries; ++i)
            items.AddItem(aTexts[i], 100 + i);
        ASSERT_TRUE(List().SetComboBox(1, 2, TRUE, items, nRows, nSel));
        PressComboButton();
    }
    void PressComboButton()
    {
        List().SetCurSel(1);
        List().SetFocus();
        // Away from the popup, so that its tracking leaves the selection alone.
        ::SetCursorPos(0, 0);
        PumpPending();
        CRect cell;
        List().GetSubItemRect(1, 2, LVIR_BOUNDS, cell);
        ClickAt(&List(), CPoint(cell.right - 3, cell.CenterPoint().y));
        ASSERT_NE(List().m_pComboList, nullptr);
        ASSERT_TRUE(::IsWindowVisible(List().m_pComboList->m_hWnd));
    }
    // Records the drop-down's reports to the list.
    void WatchList(std::initializer_list<UINT> messages)
    {
        m_listRecorder.Attach(&List(), "list");
        m_listRecorder.RecordNotify(FALSE);
        for (UINT message : messages)
            m_listRecorder.Watch(message);
    }
    CListBox& ComboListBox() { return List().m_pComboList->m_ListBox; }
    void PressKey(UINT nKey)
    {
        ComboListBox().PostMessage(WM_KEYDOWN, nKey, 1);
        PumpPending();
    }

    CXListHost m_host;
    CMessageRecorder m_recorder;
    CMessageRecorder m_listRecorder;
};

TEST_F(XListInteraction, CheckBoxClickCyclesAndNotifiesOnceBeforeHeaderAndSelection)
{
    // Without full-row select a click beside column 0 selects nothing.
    List().SetExtendedStyle(LVS_EX_FULLROWSELECT);
    ASSERT_TRUE(List().SetHeaderCheckedState(1, 1));
    for (int i = 0; i < 3; ++i)
        List().SetCheckbox(i, 1, 1);
    std::vector<int> seen;
    m_host.m_host.m_fnNotify = [&](UINT, WPARAM, LPARAM) {
        seen = { List().GetCheckbox(3, 1), List().GetHeaderCheckedState(1), List().GetCurSel() };
    };
    m_recorder.Clear();
    ClickAt(&List(), CellCenter(List(), 3, 1));
    EXPECT_MESSAGES(m_recorder, ExpectMessage(WM_XLISTCTRL_CHECKBOX_CLICKED, 3, 1));
    // The cell had changed, the header and the selection not yet.
    EXPECT_EQ(seen, std::vector<int>({ 1, 1, -1 }));
    EXPECT_EQ(List().GetHeaderCheckedState(1), 2);
    EXPECT_EQ(List().GetCurSel(), 3);

    for (int nExpected : { 0, 1 })
    {
        ClickAt(&List(), CellCenter(List(), 3, 1));
        EXPECT_EQ(List().GetCheckbox(3, 1), nExpected);
        EXPECT_EQ(List().GetHeaderCheckedState(1), nExpected == 1 ? 2 : 1);
    }
    List().SetCheckbox(2, 1, 2);
    ClickAt(&List(), CellCenter(List(), 2, 1));
    EXPECT_EQ(List().GetCheckbox(2, 1), 0);
    EXPECT_EQ(m_recorder.Count(WM_XLISTCTRL_CHECKBOX_CLICKED), 4);
}

TEST_F(XListInteraction, HeaderClickChecksAndUnchecksTheColumnWithoutNotifying)
{
    List().SetCheckbox(2, 1, -1);
    ASSERT_TRUE(List().SetHeaderCheckedState(1, 1));
    m_recorder.Clear();
    CRect rectHeader;
    List().GetHeaderCtrl()->GetItemRect(1, &rectHeader);
    for (int nHeader : { 2, 1 })
    {
        ClickAt(List().GetHeaderCtrl(), rectHeader.CenterPoint());
        EXPECT_EQ(List().GetHeaderCheckedState(1), nHeader);
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(List().GetCheckbox(i, 1), i == 2 ? -1 : nHeader - 1) << i;
    }
    EXPECT_EQ(m_recorder.Count(WM_XLISTCTRL_CHECKBOX_CLICKED), 0);
}

TEST_F(XListInteraction, ClicksOnADisabledItemOrCellDoNothingAtAll)
{
    ASSERT_TRUE(List().SetEnabled(2, FALSE));
    ASSERT_TRUE(List().SetEnabled(1, 1, FALSE));
    m_recorder.Clear();
    ClickAt(&List(), CellCenter(List(), 2, 1));
    ClickAt(&List(), CellCenter(List(), 2, 0));
    ClickAt(&List(), CellCenter(List(), 1, 1));
    EXPECT_EQ(List().GetCheckbox(2, 1), 0);
    EXPECT_EQ(List().GetCheckbox(1, 1), 0);
    EXPECT_EQ(List().GetCurSel(), -1);
    EXPECT_EQ(m_recorder.Count(WM_XLISTCTRL_CHECKBOX_CLICKED), 0);
}

TEST_F(XListInteraction, DropDownLaysOutWholeRowsWithAScrollBarOnlyWhenNeeded)
{
    const struct { int nEntries; int nSel; BOOL bScroll; int nTop; } aCases[] = { { 7, 3, TRUE, 2 }, { 2, 0, FALSE, 0 } };
    for (const auto& c : aCases)
    {
        SCOPED_TRACE(c.nEntries);
        OpenCombo(c.nEntries, c.nSel);
        CXComboList* pCombo = List().m_pComboList;
        CRect cell;
        List().GetSubItemRect(1, 2, LVIR_BOUNDS, cell);
        CRect rectPopup;
        pCombo->GetWindowRect(&rectPopup);
        List().ScreenToClient(&rectPopup);
        const int nItemHeight = ComboListBox().GetItemHeight(0);
        const int nRows = ((cell.Height() - 1) * 4) / nItemHeight;
        EXPECT_EQ(rectPopup, CRect(cell.left + 3, cell.bottom, cell.right - 6, cell.bottom + nRows * nItemHeight + 2));
        CRect rectList;
        ComboListBox().GetWindowRect(&rectList);
        CRect rectClient;
        pCombo->GetClientRect(&rectClient);
        EXPECT_EQ(rectList.Width(), rectClient.Width() - (c.bScroll ? 11 : 0));
        EXPECT_EQ(rectList.Height(), nRows * nItemHeight);
        CScrollBar* pBar = pCombo->GetScrollBar(SB_VERT);
        EXPECT_EQ(pBar->IsWindowVisible(), c.bScroll);
        SCROLLINFO si = { sizeof(si) };
        pBar->GetScrollInfo(&si, SIF_ALL);
        EXPECT_EQ(si.nMax, c.nEntries);
        // The platform keeps a page within the range: min(rows, entries + 1).
        EXPECT_EQ(static_cast<int>(si.nPage), std::min(nRows, c.nEntries + 1));
        EXPECT_EQ(si.nPos, c.nSel);
        EXPECT_EQ(ComboListBox().GetTopIndex(), c.nTop);
        EXPECT_EQ(ComboListBox().GetCurSel(), c.nSel);
        PressKey(VK_ESCAPE);
        ASSERT_TRUE(PumpUntil([&] { return List().m_pComboList == nullptr; }, 1000));
    }
}

TEST_F(XListInteraction, EnterCommitsAfterFiftyMillisecondsThenTellsTheParentThenTheHook)
{
    OpenCombo(5, 1);
    WatchList({ WM_XCOMBOLIST_VK_RETURN });
    std::vector<int> seen;
    m_host.m_host.m_fnNotify = [&](UINT, WPARAM, LPARAM) {
        seen = { static_cast<int>(List().m_changes.size()), List().GetComboSel(1, 2) };
    };
    m_recorder.Clear();
    ComboListBox().SetCurSel(3);
    PressKey(VK_RETURN);
    EXPECT_EQ(m_listRecorder.Count(WM_XCOMBOLIST_VK_RETURN), 1);
    EXPECT_EQ(List().GetComboText(1, 2), CString(L"Urgent"));
    ASSERT_MESSAGE_WITHIN(m_recorder, ExpectMessage(WM_XLISTCTRL_COMBO_SELECTION, 1, 2), 1000);
    // The parent saw the committed choice before the hook ran.
    EXPECT_EQ(seen, std::vector<int>({ 0, 3 }));
    EXPECT_EQ(List().m_changes, std::vector<std::vector<int>>({ { 1, 2, 3 } }));
    EXPECT_EQ(List().GetComboText(1, 2), CString(L"Later"));
    EXPECT_EQ(List().GetSelectedComboItemData(1, 2), 103);
    EXPECT_EQ(List().m_pComboList, nullptr);
}

TEST_F(XListInteraction, KeysPreviewWithoutNotifyingAndEscapeRestoresTheOpeningTextOrAQuestionMark)
{
    OpenCombo(5, 1);
    WatchList({ WM_XCOMBOLIST_KEYDOWN, WM_XCOMBOLIST_VK_ESCAPE });
    m_recorder.Clear();
    PressKey(VK_DOWN);
    EXPECT_EQ(m_listRecorder.Count(WM_XCOMBOLIST_KEYDOWN), 1);
    ASSERT_TRUE(PumpUntil([&] { return List().GetComboText(1, 2) == L"Stat"; }, 1000));
    EXPECT_EQ(List().GetComboSel(1, 2), 1);
    // A letter with a match moves the selection; one without sends nothing.
    PressKey('S');
    EXPECT_EQ(m_listRecorder.Count(WM_XCOMBOLIST_KEYDOWN), 2);
    // Escape does not cancel a preview still on its timer: let it show first.
    ASSERT_TRUE(PumpUntil([&] { return List().GetComboText(1, 2) == L"Soon"; }, 1000));
    PressKey('Q');
    EXPECT_EQ(m_listRecorder.Count(WM_XCOMBOLIST_KEYDOWN), 2);

    PressKey(VK_ESCAPE);
    EXPECT_EQ(m_listRecorder.Count(WM_XCOMBOLIST_VK_ESCAPE), 1);
    EXPECT_EQ(List().GetComboText(1, 2), CString(L"Urgent"));
    ASSERT_TRUE(PumpUntil([&] { return List().m_pComboList == nullptr; }, 1000));
    EXPECT_EQ(m_recorder.Count(WM_XLISTCTRL_COMBO_SELECTION), 0);
    EXPECT_TRUE(List().m_changes.empty());

    // A text not among the entries comes back as "?".
    List().SetItemText(1, 2, L"Elsewhere");
    PressComboButton();
    PressKey(VK_ESCAPE);
    EXPECT_EQ(List().GetComboText(1, 2), CString(L"?"));
}

TEST_F(XListInteraction, ThePointerOverAnEntrySelectsItWithinOneTrackingPeriod)
{
    OpenCombo(5, 0);
    CRect rectItem;
    ComboListBox().GetItemRect(2, &rectItem);
    ComboListBox().ClientToScreen(&rectItem);
    ::SetCursorPos(rectItem.CenterPoint().x, rectItem.CenterPoint().y);
    EXPECT_TRUE(PumpUntil([&] { return ComboListBox().GetCurSel() == 2; }, 1000));
    EXPECT_EQ(List().GetComboSel(1, 2), 0);
}

TEST_F(XListInteraction, AParentThatDeletesTheListInItsHandlerDoesNotCrashTheHost)
{
    CProbeXList* pList = new CProbeXList;
    ASSERT_TRUE(pList->Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, CRect(0, 0, 200, 100), &m_host.m_host, 101));
    pList->InsertColumn(0, L"A", LVCFMT_LEFT, 100);
    pList->InsertItem(0, L"a");
    pList->SetCheckbox(0, 0, 0);
    pList->SetHeaderCheckedState(0, 1);
    int nCalls = 0;
    m_host.m_host.m_fnNotify = [&](UINT, WPARAM, LPARAM) {
        ++nCalls;
        delete pList;
    };
    ClickAt(pList, CellCenter(*pList, 0, 0));
    EXPECT_EQ(nCalls, 1);
    EXPECT_EQ(::GetDlgItem(m_host.m_host.m_hWnd, 101), nullptr);
}

// The tip window a hover has shown, if any.
HWND ShownTip()
{
    HWND hWndTip = NULL;
    ::EnumThreadWindows(::GetCurrentThreadId(), [](HWND hWnd, LPARAM lParam) -> BOOL {
        WCHAR szClass[64] = {};
        ::GetClassNameW(hWnd, szClass, 64);
        if (::lstrcmpiW(szClass, TOOLTIPS_CLASSW) != 0 || !::IsWindowVisible(hWnd))
            return TRUE;
        *reinterpret_cast<HWND*>(lParam) = hWnd;
        return FALSE;
    }, reinterpret_cast<LPARAM>(&hWndTip));
    return hWndTip;
}

TEST_F(XListInteraction, HoverShowsTheCellsTipInTheToolTipWindowLineByLine)
{
    const struct { int nItem; LPCWSTR lpszTip; } aCases[] = { { 1, L"one line" }, { 2, L"first line\nsecond line" } };
    List().EnableToolTips(TRUE);
    int aHeights[2] = {};
    for (int i = 0; i < 2; ++i)
    {
        SCOPED_TRACE(i);
        List().SetItemText(aCases[i].nItem, 3, L"label");
        ASSERT_TRUE(List().SetItemToolTipText(aCases[i].nItem, 3, aCases[i].lpszTip));
        const CPoint point = CellCenter(List(), aCases[i].nItem, 3);
        CPoint ptScreen(point);
        List().ClientToScreen(&ptScreen);
        ::SetCursorPos(ptScreen.x, ptScreen.y);
        for (int nMove = 0; nMove < 3; ++nMove)
            List().PostMessage(WM_MOUSEMOVE, 0, MAKELPARAM(point.x, point.y));
        CString strShown;
        PumpUntil([&] {
            strShown.Empty();
            if (ShownTip() != NULL)
                CWnd::FromHandle(ShownTip())->GetWindowText(strShown);
            return strShown == aCases[i].lpszTip;
        }, 4000);
        ASSERT_EQ(strShown, CString(aCases[i].lpszTip));
        // Windows breaks lines only in a tip given a maximum width; Wine breaks them anyway.
        EXPECT_GT(::SendMessageW(ShownTip(), TTM_GETMAXTIPWIDTH, 0, 0), 0);
        CRect rectTip;
        ::GetWindowRect(ShownTip(), &rectTip);
        aHeights[i] = rectTip.Height();
    }
    // The second line makes the tip taller by a line.
    EXPECT_GT(aHeights[1], aHeights[0] + 8);
    List().EnableToolTips(FALSE);
}
}
