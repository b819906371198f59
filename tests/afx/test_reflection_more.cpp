// Scrolling, parent notifications and the owner-draw list messages reach the control's own
// object: through the list box's virtuals, or through _REFLECT entries of any window class.
#include <afxwin.h>
#include <gtest/gtest.h>
#include <commctrl.h>
#include <algorithm>
#include <vector>
#include "DialogTemplate.h"
#include "HostWindow.h"
#include "MessagePump.h"
#include "../controls/SendMouse.h"

using namespace zaduv_test;

namespace
{
// Items of a list without strings: one heap letter each, which the list must free.
int g_nLiveLetters = 0;
LPCTSTR NewLetter(wchar_t ch) { ++g_nLiveLetters; return reinterpret_cast<LPCTSTR>(new wchar_t(ch)); }
wchar_t Letter(ULONG_PTR dwData) { return *reinterpret_cast<wchar_t*>(dwData); }

class CLetterList : public CListBox
{
public:
    std::vector<UINT> m_keys;
    virtual int CompareItem(LPCOMPAREITEMSTRUCT p) { return Letter(p->itemData1) - Letter(p->itemData2); }
    virtual void DeleteItem(LPDELETEITEMSTRUCT p) { --g_nLiveLetters; delete reinterpret_cast<wchar_t*>(p->itemData); }
    virtual int VKeyToItem(UINT nKey, UINT) { m_keys.push_back(nKey); return -1; }
    virtual int CharToItem(UINT nKey, UINT)
    {
        for (int i = 0; i < GetCount(); ++i)
            if (Letter(GetItemData(i)) == nKey)
                return i;
        return -2;
    }
};

class CReflector : public CWnd
{
public:
    struct SEntry { UINT message, a; LPARAM b; };
    std::vector<SEntry> m_log;
    bool Saw(UINT message, UINT a) const { return std::any_of(m_log.begin(), m_log.end(), [=](const SEntry& e) { return e.message == message && e.a == a; }); }
    afx_msg void HScroll(UINT nSBCode, UINT) { m_log.push_back({ WM_HSCROLL, nSBCode, 0 }); }
    afx_msg void VScroll(UINT nSBCode, UINT) { m_log.push_back({ WM_VSCROLL, nSBCode, 0 }); }
    afx_msg void ParentNotify(UINT message, LPARAM lParam) { m_log.push_back({ WM_PARENTNOTIFY, LOWORD(message), lParam }); }
    afx_msg int CompareItem(LPCOMPAREITEMSTRUCT p) { m_log.push_back({ WM_COMPAREITEM, 0, 0 }); return p->itemData1 < p->itemData2 ? -1 : 1; }
    afx_msg void DeleteItem(LPDELETEITEMSTRUCT p) { m_log.push_back({ WM_DELETEITEM, p->itemID, 0 }); }
    afx_msg int CharToItem(UINT nKey, UINT) { m_log.push_back({ WM_CHARTOITEM, nKey, 0 }); return -2; }
    afx_msg int VKeyToItem(UINT nKey, UINT) { m_log.push_back({ WM_VKEYTOITEM, nKey, 0 }); return -2; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CReflector, CWnd)
    ON_WM_HSCROLL_REFLECT()
    ON_WM_VSCROLL_REFLECT()
    ON_WM_PARENTNOTIFY_REFLECT()
    ON_WM_COMPAREITEM_REFLECT()
    ON_WM_DELETEITEM_REFLECT()
    ON_WM_CHARTOITEM_REFLECT()
    ON_WM_VKEYTOITEM_REFLECT()
END_MESSAGE_MAP()
}

TEST(ReflectionMore, OwnerDrawListBoxOrdersFindsAndFreesItsItems)
{
    CDialogTemplate t(CRect(0, 0, 160, 100), L"letters", WS_POPUP | WS_VISIBLE | WS_CAPTION);
    t.AddListBox(500, CRect(5, 5, 100, 80), LBS_OWNERDRAWFIXED | LBS_SORT | LBS_WANTKEYBOARDINPUT | WS_BORDER);
    CDialog dlg;
    ASSERT_TRUE(dlg.CreateIndirect(t, NULL));
    CLetterList list;
    ASSERT_TRUE(list.SubclassDlgItem(500, &dlg));
    for (wchar_t ch : { L'c', L'a', L'd', L'b' })
        list.AddString(NewLetter(ch));
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(L'a' + i, Letter(list.GetItemData(i))) << "CompareItem sorts";
    EXPECT_EQ(std::make_pair(3, LB_ERR), std::make_pair(list.DeleteString(0), list.DeleteString(17)));
    EXPECT_EQ(3, g_nLiveLetters) << "DeleteItem freed the removed item only";

    list.SetFocus();
    list.PostMessage(WM_KEYDOWN, VK_HOME, 1);
    list.PostMessage(WM_CHAR, L'd', 1);
    EXPECT_TRUE(PumpUntil([&] { return list.GetCurSel() == 2; }, 2000)) << "CharToItem chose 'd'";
    EXPECT_EQ(std::vector<UINT>{ VK_HOME }, list.m_keys);
    dlg.DestroyWindow();
    EXPECT_EQ(0, g_nLiveLetters) << "destroying the list freed every item";
}

TEST(ReflectionMore, ReflectEntriesAnswerScrollParentNotifyAndListMessages)
{
    const INITCOMMONCONTROLSEX icc = { sizeof(icc), ICC_BAR_CLASSES };
    ::InitCommonControlsEx(&icc);
    CHostWindow host;
    ASSERT_TRUE(host.CreateHost(300, 200));
    CReflector bar, track, child, list;
    ASSERT_TRUE(bar.Create(L"SCROLLBAR", NULL, WS_VISIBLE | SBS_HORZ, CRect(10, 10, 200, 30), &host, 1));
    ASSERT_TRUE(track.Create(TRACKBAR_CLASS, NULL, WS_VISIBLE | TBS_VERT, CRect(220, 10, 250, 150), &host, 2));
    ASSERT_TRUE(child.Create(NULL, L"", WS_VISIBLE, CRect(10, 40, 110, 90), &host, 3));
    ASSERT_TRUE(list.Create(L"LISTBOX", NULL, WS_VISIBLE | LBS_OWNERDRAWFIXED | LBS_SORT | LBS_WANTKEYBOARDINPUT,
        CRect(120, 40, 200, 150), &host, 4));
    ::SetScrollRange(bar.m_hWnd, SB_CTL, 0, 10, FALSE);
    bar.SendMessage(WM_KEYDOWN, VK_RIGHT, 1);
    track.SendMessage(WM_KEYDOWN, VK_DOWN, 1);
    EXPECT_TRUE(bar.Saw(WM_HSCROLL, SB_LINERIGHT));
    EXPECT_TRUE(track.Saw(WM_VSCROLL, TB_LINEDOWN));
    ASSERT_TRUE(child.Saw(WM_PARENTNOTIFY, WM_CREATE));
    EXPECT_EQ(reinterpret_cast<LPARAM>(child.m_hWnd), child.m_log[0].b);

    list.SendMessage(LB_ADDSTRING, 0, 20);
    list.SendMessage(LB_ADDSTRING, 0, 10);
    EXPECT_TRUE(list.Saw(WM_COMPAREITEM, 0));
    EXPECT_EQ(10, list.SendMessage(LB_GETITEMDATA, 0)) << "the reflected comparison ordered the items";
    list.SendMessage(WM_CHAR, L'x', 1);
    list.SendMessage(WM_KEYDOWN, VK_END, 1);
    list.SendMessage(LB_DELETESTRING, 1);
    EXPECT_TRUE(list.Saw(WM_CHARTOITEM, L'x'));
    EXPECT_TRUE(list.Saw(WM_VKEYTOITEM, VK_END));
    EXPECT_TRUE(list.Saw(WM_DELETEITEM, 1));

    // A real click inside the child reaches the parent as a notification about the point.
    host.SetForegroundWindow();
    CPoint pt(20, 20);
    child.ClientToScreen(&pt);
    SendMouse(pt, MOUSEEVENTF_LEFTDOWN);
    SendMouse(pt, MOUSEEVENTF_LEFTUP);
    EXPECT_TRUE(PumpUntil([&] { return child.Saw(WM_PARENTNOTIFY, WM_LBUTTONDOWN); }, 2000));
    const LPARAM lParamChild = reinterpret_cast<LPARAM>(child.m_hWnd);
    child.DestroyWindow();
    EXPECT_EQ(std::make_pair(UINT(WM_DESTROY), lParamChild), std::make_pair(child.m_log.back().a, child.m_log.back().b));
}
