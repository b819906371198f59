// Dialog ownership, modality, the modal loop's idle work, command routing, DLGINIT data and
// automatic centring, driven as a host application drives its dialogs.
#include <afxwin.h>
#include <gtest/gtest.h>
#include <vector>

#include "DialogTemplate.h"
#include "HookedDialog.h"
#include "HostWindow.h"
#include "MessageRecorder.h"
#include "TestApp.h"

using zaduv_test::CDialogTemplate;
using zaduv_test::CHostWindow;

namespace
{
CDialogTemplate SmallTemplate(int x = 0, DWORD dwExtraStyle = 0)
{
    return CDialogTemplate(CRect(x, x, x + 120, x + 60), L"Test", WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | dwExtraStyle);
}

// Ends the dialog at its first idle moment, after noting its owner and the window's rectangle.
void EndWhenIdle(CHookedDialog& dlg, HWND* phWndOwner, CRect* pRect = NULL)
{
    dlg.m_fnKickIdle = [=](CHookedDialog& d, LPARAM) {
        *phWndOwner = ::GetWindow(d, GW_OWNER);
        if (pRect != NULL)
            d.GetWindowRect(pRect);
        d.EndDialog(IDOK);
        return FALSE;
    };
}

const UINT ID_OWNER_COMMAND = 0x8101, ID_APP_COMMAND = 0x8102, IDC_OWNER_CONTROL = 300, ID_SYSTEM_RANGE = 0xF100;

// A host window that handles a command of its dialogs, and ids it must not get from them.
class CCommandOwner : public CHostWindow
{
public:
    std::vector<UINT> m_log;
protected:
    template <UINT nID> void Note() { m_log.push_back(nID); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCommandOwner, CHostWindow)
    ON_COMMAND(ID_OWNER_COMMAND, &CCommandOwner::Note<ID_OWNER_COMMAND>)
    ON_COMMAND(IDC_OWNER_CONTROL, &CCommandOwner::Note<IDC_OWNER_CONTROL>)
    ON_COMMAND(ID_SYSTEM_RANGE, &CCommandOwner::Note<ID_SYSTEM_RANGE>)
END_MESSAGE_MAP()

// The texts of a list's or a combo's items, joined.
CString ItemTexts(CWnd* pCtrl, UINT nGetCount, UINT nGetText)
{
    CString strTexts;
    WCHAR sz[64];
    for (LRESULT i = 0, n = pCtrl->SendMessage(nGetCount); i < n && pCtrl->SendMessage(nGetText, i, reinterpret_cast<LPARAM>(sz)) > 0; ++i)
        strTexts += CString(sz) + L";";
    return strTexts;
}

// Refuses every string, as a list box out of memory would.
LRESULT CALLBACK RefusingListProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    return message == LB_ADDSTRING ? LB_ERRSPACE : ::DefWindowProcW(hWnd, message, wParam, lParam);
}
}

TEST(DialogOwnership, ChildParentGivesItsTopLevelWindowNoParentTheMainWindowAndANestedDialogItsOpener)
{
    CHostWindow host;
    ASSERT_TRUE(host.CreateHost(400, 300, WS_POPUP | WS_VISIBLE | WS_CAPTION));
    CWnd child;
    ASSERT_TRUE(child.Create(NULL, L"child", WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 50), &host, 1));
    CDialogTemplate t = SmallTemplate();
    for (BOOL bHostEnabled : { FALSE, TRUE })
    {
        host.EnableWindow(bHostEnabled);
        CHookedDialog dlg;
        dlg.InitModalIndirect(t, &child);
        HWND hWndOwner = NULL;
        EndWhenIdle(dlg, &hWndOwner);
        EXPECT_EQ(IDOK, dlg.DoModal());
        EXPECT_EQ(host.m_hWnd, hWndOwner);
        EXPECT_EQ(bHostEnabled, host.IsWindowEnabled()) << "the owner comes back as it was";
    }
    CMainWindowScope main(&host);
    CHookedDialog outer, inner;
    outer.InitModalIndirect(t);
    inner.InitModalIndirect(t);
    // The outer dialog opens the inner one from a posted message, as from a button; each step
    // notes the owner and which windows are enabled.
    std::vector<HWND> seen;
    outer.m_fnKickIdle = [](CHookedDialog& dlg, LPARAM nCount) {
        if (nCount == 0 && dlg.m_kicks.size() == 1)
            dlg.PostMessage(WM_APP);
        return FALSE;
    };
    outer.m_fnApp = [&](CHookedDialog& dlg) {
        seen.insert(seen.end(), { ::GetWindow(dlg, GW_OWNER), host.IsWindowEnabled() ? host.m_hWnd : NULL, dlg.m_hWnd });
        EXPECT_EQ(IDOK, inner.DoModal());
        seen.push_back(dlg.IsWindowEnabled() ? dlg.m_hWnd : NULL);
        dlg.EndDialog(IDCANCEL);
    };
    inner.m_fnKickIdle = [&](CHookedDialog& dlg, LPARAM) {
        seen.insert(seen.end(), { ::GetWindow(dlg, GW_OWNER), outer.IsWindowEnabled() ? outer.m_hWnd : NULL });
        dlg.EndDialog(IDOK);
        return FALSE;
    };
    EXPECT_EQ(IDCANCEL, outer.DoModal());
    // The inner dialog belongs to the outer one, not the main window; what is under a modal
    // dialog is disabled until it ends.
    const HWND hWndOuter = seen.size() == 6 ? seen[2] : NULL;
    EXPECT_EQ((std::vector<HWND>{ host.m_hWnd, NULL, hWndOuter, hWndOuter, NULL, hWndOuter }), seen);
    EXPECT_TRUE(host.IsWindowEnabled());
    CDialog byTemplate, byName;
    ASSERT_TRUE(byTemplate.CreateIndirect(t) && byName.Create(L"PATIENTDLG"));
    EXPECT_EQ(std::make_pair(host.m_hWnd, host.m_hWnd), std::make_pair(::GetWindow(byTemplate, GW_OWNER), ::GetWindow(byName, GW_OWNER)));
    CString strCaption;
    byName.GetWindowText(strCaption);
    EXPECT_EQ(CString(L"Named"), strCaption);
}

TEST(DialogModalLoop, IdleKicksTheDialogAndTellsTheOwner)
{
    for (DWORD dwStyle : { 0ul, static_cast<DWORD>(DS_NOIDLEMSG) })
    {
        CHostWindow host;
        ASSERT_TRUE(host.CreateHost(400, 300, WS_POPUP | WS_VISIBLE | WS_CAPTION));
        zaduv_test::CMessageRecorder recorder;
        recorder.Attach(&host);
        recorder.Watch(WM_ENTERIDLE);
        CDialogTemplate t = SmallTemplate(0, dwStyle);
        CHookedDialog dlg;
        dlg.InitModalIndirect(t, &host);
        BOOL bVisibleAtInit = TRUE, bVisibleAtFirstKick = FALSE;
        HWND hWndDlg = NULL;
        dlg.m_fnInit = [&](CHookedDialog& d) { bVisibleAtInit = d.IsWindowVisible(); hWndDlg = d.m_hWnd; };
        // Asks for more idle time twice, then ends: the count runs 0, 1, 2 without a message between.
        dlg.m_fnKickIdle = [&](CHookedDialog& d, LPARAM nCount) {
            bVisibleAtFirstKick = bVisibleAtFirstKick || (d.m_kicks.size() == 1 && d.IsWindowVisible());
            if (nCount < 2)
                return TRUE;
            d.EndDialog(IDOK);
            return FALSE;
        };
        EXPECT_EQ(IDOK, dlg.DoModal());
        EXPECT_FALSE(bVisibleAtInit);
        EXPECT_TRUE(bVisibleAtFirstKick) << "shown when the queue first went idle";
        ASSERT_GE(dlg.m_kicks.size(), 3u);
        for (size_t i = 0, n = dlg.m_kicks.size(); i < n; ++i)
        {
            EXPECT_EQ(static_cast<WPARAM>(MSGF_DIALOGBOX), dlg.m_kicks[i].wParam);
            EXPECT_TRUE(i + 3 < n || dlg.m_kicks[i].lParam == static_cast<LPARAM>(i + 3 - n)) << "the last counts run 0, 1, 2";
        }
        for (const zaduv_test::SRecordedMessage& m : recorder.GetMessages())
            EXPECT_EQ(std::make_pair(static_cast<WPARAM>(MSGF_DIALOGBOX), reinterpret_cast<LPARAM>(hWndDlg)),
                std::make_pair(m.wParam, m.lParam));
        EXPECT_EQ(dwStyle == 0, recorder.Count(WM_ENTERIDLE) > 0) << "DS_NOIDLEMSG keeps the owner uninformed";
    }
}

TEST(DialogCommands, UnhandledCommandsGoToTheOwnerThenTheApplication)
{
    CCommandOwner owner;
    ASSERT_TRUE(owner.CreateHost(400, 300, WS_POPUP | WS_VISIBLE | WS_CAPTION));
    CDialogTemplate t = SmallTemplate();
    CHookedDialog dlg;
    ASSERT_TRUE(dlg.CreateIndirect(t, &owner));
    std::vector<UINT> appLog;
    zaduv_test::TestApp().m_fnCmdMsg = [&](UINT nID, int nCode) -> BOOL {
        if (nCode == CN_COMMAND)
            appLog.push_back(nID);
        return nCode == CN_COMMAND && nID == ID_APP_COMMAND;
    };
    const struct { UINT nID; int nOwn; std::vector<UINT> owner, app; } cases[] = {
        { ID_DIALOG_OWN_COMMAND, 1, {}, {} },
        { ID_OWNER_COMMAND, 0, { ID_OWNER_COMMAND }, {} },
        { ID_APP_COMMAND, 0, {}, { ID_APP_COMMAND } },
        { IDC_OWNER_CONTROL, 0, {}, {} },   // control ids stay with the dialog
        { ID_SYSTEM_RANGE, 0, {}, {} },     // so do system commands
    };
    for (const auto& c : cases)
    {
        dlg.m_nOwnCommands = 0;
        owner.m_log.clear();
        appLog.clear();
        dlg.SendMessage(WM_COMMAND, MAKEWPARAM(c.nID, 0), 0);
        EXPECT_EQ(std::make_tuple(c.nOwn, c.owner, c.app), std::make_tuple(dlg.m_nOwnCommands, owner.m_log, appLog)) << std::hex << c.nID;
    }
    zaduv_test::TestApp().m_fnCmdMsg = nullptr;
}

TEST(DialogInit, ResourceStringsFillTheListsAndFailingInitDataOrExchangeEndsWithMinusOne)
{
    CHookedDialog lists(403);
    CString strItems;
    lists.m_fnInit = [&](CHookedDialog& d) {
        strItems = ItemTexts(d.GetDlgItem(404), CB_GETCOUNT, CB_GETLBTEXT) + L"|" + ItemTexts(d.GetDlgItem(405), LB_GETCOUNT, LB_GETTEXT);
        d.EndDialog(IDOK);
    };
    EXPECT_EQ(IDOK, lists.DoModal());
    EXPECT_EQ(CString(L"Axial;Coronal;|Sagittal;"), strItems);

    WNDCLASSW wc = {};
    wc.lpfnWndProc = &RefusingListProc;
    wc.hInstance = ::GetModuleHandleW(NULL);
    wc.lpszClassName = L"ZaDUVRefusingList";
    ::RegisterClassW(&wc);
    CDialogTemplate t = SmallTemplate();
    t.AddControl(L"ZaDUVRefusingList", 500, CRect(5, 5, 60, 40), 0);
    // One LB_ADDSTRING record for control 500, then the end.
    const BYTE initData[] = { 0xF4, 0x01, 0x80, 0x01, 3, 0, 0, 0, 'C', 'T', 0, 0, 0 };
    CHookedDialog refused;
    refused.InitModalIndirect(t, NULL, const_cast<BYTE*>(initData));
    bool bHostInitRan = false;
    refused.m_fnInit = [&](CHookedDialog&) { bHostInitRan = true; };
    EXPECT_EQ(-1, refused.DoModal());

    CDialogTemplate tPlain = SmallTemplate();
    CHookedDialog badExchange;
    badExchange.InitModalIndirect(tPlain);
    badExchange.m_fnExchange = [](CDataExchange* pDX) {
        CString strMissing;
        DDX_Text(pDX, 999, strMissing);
    };
    EXPECT_EQ(-1, badExchange.DoModal());
    EXPECT_FALSE(badExchange.m_bInitResult);
    EXPECT_FALSE(bHostInitRan);
}

TEST(DialogPlacement, CentredOnlyWhenNeitherTemplateNorDialogPlacedIt)
{
    CHostWindow host;
    ASSERT_TRUE(host.CreateHost(600, 400, WS_POPUP | WS_VISIBLE | WS_CAPTION));
    const CPoint ptMoved(123, 77);
    // 401 is at the origin, 406 placed by its template.
    const struct { UINT nIDTemplate; int x; DWORD dwStyle; bool bMove; bool bCentred; } cases[] = {
        { 0, 0, 0, false, true }, { 0, 20, 0, false, false }, { 0, 0, DS_CENTER, false, false },
        { 401, 0, 0, false, true }, { 406, 0, 0, false, false }, { 401, 0, 0, true, false },
    };
    CRect rcHost;
    host.GetWindowRect(&rcHost);
    for (const auto& c : cases)
    {
        CDialogTemplate t = SmallTemplate(c.x, c.dwStyle);
        CHookedDialog dlg(c.nIDTemplate, &host);
        if (c.nIDTemplate == 0)
        {
            dlg.m_lpszTemplateName = NULL;
            dlg.InitModalIndirect(t, &host);
        }
        CRect rcAfterInit, rcShown;
        dlg.m_fnInit = [&](CHookedDialog& d) {
            if (c.bMove)
                d.SetWindowPos(NULL, ptMoved.x, ptMoved.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            d.GetWindowRect(&rcAfterInit);
        };
        HWND hWndOwner = NULL;
        EndWhenIdle(dlg, &hWndOwner, &rcShown);
        ASSERT_EQ(IDOK, dlg.DoModal()) << c.nIDTemplate << " at " << c.x;
        if (c.bCentred)
        {
            EXPECT_NEAR(rcHost.CenterPoint().x, rcShown.CenterPoint().x, 1) << c.nIDTemplate;
            EXPECT_NEAR(rcHost.CenterPoint().y, rcShown.CenterPoint().y, 1) << c.nIDTemplate;
        }
        else
            EXPECT_EQ(c.bMove ? CRect(ptMoved, rcAfterInit.Size()) : rcAfterInit, rcShown) << c.nIDTemplate << " at " << c.x;
    }
}
