// Dialog ownership, modality, the modal loop's idle work, command routing, DLGINIT data and
// automatic centring, driven as a host application drives its dialogs.
#include <afxwin.h>
#include <gtest/gtest.h>
#include <string>
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
// Makes a window the thread's main window for one test.
class CMainWindowScope
{
public:
    explicit CMainWindowScope(CWnd* pWnd) : m_pThread(AfxGetThread()), m_pOld(m_pThread->m_pMainWnd)
    {
        m_pThread->m_pMainWnd = pWnd;
    }
    ~CMainWindowScope() { m_pThread->m_pMainWnd = m_pOld; }
private:
    CWinThread* m_pThread;
    CWnd* m_pOld;
};

HWND Owner(HWND hWnd)
{
    return ::GetWindow(hWnd, GW_OWNER);
}

CDialogTemplate SmallTemplate(int x = 0, int y = 0, DWORD dwExtraStyle = 0)
{
    return CDialogTemplate(CRect(x, y, x + 120, y + 60), L"Test",
        WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | dwExtraStyle);
}
}

TEST(DialogModality, DialogOpenedFromAModalDialogIsModalToIt)
{
    CHostWindow host;
    ASSERT_TRUE(host.CreateHost(400, 300, WS_POPUP | WS_VISIBLE | WS_CAPTION));
    CMainWindowScope main(&host);
    CDialogTemplate t = SmallTemplate();
    CHookedDialog outer, inner;
    outer.InitModalIndirect(t);
    inner.InitModalIndirect(t);

    HWND hWndOuter = NULL, hWndOuterOwner = NULL, hWndInnerOwner = NULL;
    BOOL bHostEnabledUnderOuter = TRUE, bOuterEnabledUnderInner = TRUE, bOuterEnabledAfterInner = FALSE;
    INT_PTR nInnerResult = 0;
    // The outer dialog opens the inner one from a posted message, as from a button.
    outer.m_fnKickIdle = [](CHookedDialog& dlg, LPARAM nCount) {
        if (nCount == 0 && dlg.m_kicks.size() == 1)
            dlg.PostMessage(WM_APP);
        return FALSE;
    };
    outer.m_fnApp = [&](CHookedDialog& dlg) {
        hWndOuter = dlg.m_hWnd;
        hWndOuterOwner = Owner(dlg);
        bHostEnabledUnderOuter = host.IsWindowEnabled();
        nInnerResult = inner.DoModal();
        bOuterEnabledAfterInner = dlg.IsWindowEnabled();
        dlg.EndDialog(IDCANCEL);
    };
    inner.m_fnKickIdle = [&](CHookedDialog& dlg, LPARAM) {
        hWndInnerOwner = Owner(dlg);
        bOuterEnabledUnderInner = outer.IsWindowEnabled();
        dlg.EndDialog(IDOK);
        return FALSE;
    };

    EXPECT_EQ(IDCANCEL, outer.DoModal());
    EXPECT_EQ(IDOK, nInnerResult);
    EXPECT_EQ(host.m_hWnd, hWndOuterOwner);
    EXPECT_FALSE(bHostEnabledUnderOuter);
    EXPECT_EQ(hWndOuter, hWndInnerOwner) << "the inner dialog belongs to the outer one, not the main window";
    EXPECT_FALSE(bOuterEnabledUnderInner) << "the dialog under a modal dialog is disabled";
    EXPECT_TRUE(bOuterEnabledAfterInner);
    EXPECT_TRUE(host.IsWindowEnabled());
}

TEST(DialogModality, ChildParentGivesItsTopLevelWindowAndADisabledOwnerStaysDisabled)
{
    CHostWindow host;
    ASSERT_TRUE(host.CreateHost(400, 300, WS_POPUP | WS_VISIBLE | WS_CAPTION));
    CWnd child;
    ASSERT_TRUE(child.Create(NULL, L"child", WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 50), &host, 1));
    CDialogTemplate t = SmallTemplate();
    for (BOOL bHostEnabled : { TRUE, FALSE })
    {
        host.EnableWindow(bHostEnabled);
        CHookedDialog dlg;
        dlg.InitModalIndirect(t, &child);
        HWND hWndOwner = NULL;
        dlg.m_fnKickIdle = [&](CHookedDialog& d, LPARAM) {
            hWndOwner = Owner(d);
            d.EndDialog(IDOK);
            return FALSE;
        };
        EXPECT_EQ(IDOK, dlg.DoModal());
        EXPECT_EQ(host.m_hWnd, hWndOwner);
        EXPECT_EQ(bHostEnabled, host.IsWindowEnabled()) << "the owner comes back as it was";
    }
}

TEST(DialogOwnership, ModelessDialogWithoutParentBelongsToTheMainWindow)
{
    CHostWindow host;
    ASSERT_TRUE(host.CreateHost(400, 300, WS_POPUP | WS_VISIBLE | WS_CAPTION));
    CMainWindowScope main(&host);
    CDialogTemplate t = SmallTemplate();
    CDialog byTemplate, byName;
    ASSERT_TRUE(byTemplate.CreateIndirect(t));
    ASSERT_TRUE(byName.Create(L"PATIENTDLG"));
    EXPECT_EQ(host.m_hWnd, Owner(byTemplate));
    EXPECT_EQ(host.m_hWnd, Owner(byName));
}

TEST(DialogModalLoop, IdleKicksTheDialogAndTellsTheOwner)
{
    struct SCase { DWORD dwStyle; bool bEnterIdle; };
    const SCase cases[] = { { 0, true }, { DS_NOIDLEMSG, false } };
    for (const SCase& c : cases)
    {
        CHostWindow host;
        ASSERT_TRUE(host.CreateHost(400, 300, WS_POPUP | WS_VISIBLE | WS_CAPTION));
        zaduv_test::CMessageRecorder recorder;
        recorder.Attach(&host);
        recorder.Watch(WM_ENTERIDLE);
        CDialogTemplate t = SmallTemplate(0, 0, c.dwStyle);
        CHookedDialog dlg;
        dlg.InitModalIndirect(t, &host);
        BOOL bVisibleAtInit = TRUE, bVisibleAtFirstKick = FALSE;
        HWND hWndDlg = NULL;
        dlg.m_fnInit = [&](CHookedDialog& d) { bVisibleAtInit = d.IsWindowVisible(); hWndDlg = d.m_hWnd; };
        // Asks for more idle time twice, then ends: the count runs 0, 1, 2 without a message between.
        dlg.m_fnKickIdle = [&](CHookedDialog& d, LPARAM nCount) {
            if (d.m_kicks.size() == 1)
                bVisibleAtFirstKick = d.IsWindowVisible();
            if (nCount < 2)
                return TRUE;
            d.EndDialog(IDOK);
            return FALSE;
        };
        EXPECT_EQ(IDOK, dlg.DoModal());
        EXPECT_FALSE(bVisibleAtInit);
        EXPECT_TRUE(bVisibleAtFirstKick) << "shown when the queue first went idle";
        ASSERT_GE(dlg.m_kicks.size(), 3u);
        for (size_t i = 0; i < dlg.m_kicks.size(); ++i)
            EXPECT_EQ(static_cast<WPARAM>(MSGF_DIALOGBOX), dlg.m_kicks[i].wParam);
        const size_t n = dlg.m_kicks.size();
        EXPECT_EQ(0, dlg.m_kicks[n - 3].lParam);
        EXPECT_EQ(1, dlg.m_kicks[n - 2].lParam);
        EXPECT_EQ(2, dlg.m_kicks[n - 1].lParam);
        int nEnterIdle = 0;
        for (const zaduv_test::SRecordedMessage& m : recorder.GetMessages())
        {
            if (m.message != WM_ENTERIDLE)
                continue;
            ++nEnterIdle;
            EXPECT_EQ(static_cast<WPARAM>(MSGF_DIALOGBOX), m.wParam);
            EXPECT_EQ(reinterpret_cast<LPARAM>(hWndDlg), m.lParam);
        }
        if (c.bEnterIdle)
            EXPECT_GE(nEnterIdle, 1);
        else
            EXPECT_EQ(0, nEnterIdle) << "DS_NOIDLEMSG";
    }
}

namespace
{
const UINT ID_OWNER_COMMAND = 0x8101;
const UINT ID_APP_COMMAND = 0x8102;
const UINT IDC_OWNER_CONTROL = 300;
const UINT ID_SYSTEM_RANGE = 0xF100;

// A host window that handles a command of its dialogs, and a control id it must not get.
class CCommandOwner : public CHostWindow
{
public:
    std::vector<UINT> m_log;
protected:
    afx_msg void OnOwnerCommand() { m_log.push_back(ID_OWNER_COMMAND); }
    afx_msg void OnControl() { m_log.push_back(IDC_OWNER_CONTROL); }
    afx_msg void OnSystem() { m_log.push_back(ID_SYSTEM_RANGE); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCommandOwner, CHostWindow)
    ON_COMMAND(ID_OWNER_COMMAND, &CCommandOwner::OnOwnerCommand)
    ON_COMMAND(IDC_OWNER_CONTROL, &CCommandOwner::OnControl)
    ON_COMMAND(ID_SYSTEM_RANGE, &CCommandOwner::OnSystem)
END_MESSAGE_MAP()
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
        if (nCode != CN_COMMAND)
            return FALSE;
        appLog.push_back(nID);
        return nID == ID_APP_COMMAND;
    };

    struct SCase { UINT nID; int nOwn; std::vector<UINT> owner; std::vector<UINT> app; };
    const SCase cases[] = {
        { ID_DIALOG_OWN_COMMAND, 1, {}, {} },
        { ID_OWNER_COMMAND, 0, { ID_OWNER_COMMAND }, {} },
        { ID_APP_COMMAND, 0, {}, { ID_APP_COMMAND } },
        { IDC_OWNER_CONTROL, 0, {}, {} },   // control ids stay with the dialog
        { ID_SYSTEM_RANGE, 0, {}, {} },     // so do system commands
    };
    for (const SCase& c : cases)
    {
        dlg.m_nOwnCommands = 0;
        owner.m_log.clear();
        appLog.clear();
        dlg.SendMessage(WM_COMMAND, MAKEWPARAM(c.nID, 0), 0);
        EXPECT_EQ(c.nOwn, dlg.m_nOwnCommands) << std::hex << c.nID;
        EXPECT_EQ(c.owner, owner.m_log) << std::hex << c.nID;
        EXPECT_EQ(c.app, appLog) << std::hex << c.nID;
    }
    zaduv_test::TestApp().m_fnCmdMsg = nullptr;
}

namespace
{
const UINT IDD_LISTS = 403;
const UINT IDC_LISTS_COMBO = 404;
const UINT IDC_LISTS_LIST = 405;

std::vector<CString> ItemTexts(CWnd* pCtrl, UINT nGetCount, UINT nGetText)
{
    std::vector<CString> texts;
    int nCount = static_cast<int>(pCtrl->SendMessage(nGetCount));
    for (int i = 0; i < nCount; ++i)
    {
        WCHAR sz[64] = {};
        pCtrl->SendMessage(nGetText, i, reinterpret_cast<LPARAM>(sz));
        texts.push_back(sz);
    }
    return texts;
}

// Refuses every string, as a list box out of memory would.
LRESULT CALLBACK RefusingListProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == LB_ADDSTRING)
        return LB_ERRSPACE;
    return ::DefWindowProcW(hWnd, message, wParam, lParam);
}
}

TEST(DialogInit, ResourceStringsFillTheListsBeforeTheHostsInit)
{
    CHookedDialog dlg(IDD_LISTS);
    std::vector<CString> combo, list;
    dlg.m_fnInit = [&](CHookedDialog& d) {
        combo = ItemTexts(d.GetDlgItem(IDC_LISTS_COMBO), CB_GETCOUNT, CB_GETLBTEXT);
        list = ItemTexts(d.GetDlgItem(IDC_LISTS_LIST), LB_GETCOUNT, LB_GETTEXT);
        d.EndDialog(IDOK);
    };
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ((std::vector<CString>{ L"Axial", L"Coronal" }), combo);
    EXPECT_EQ((std::vector<CString>{ L"Sagittal" }), list);
}

TEST(DialogInit, FailingInitDataOrExchangeEndsTheDialogWithMinusOne)
{
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
    EXPECT_FALSE(refused.m_bInitResult);

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

namespace
{
const UINT IDD_PATIENT_AT_ORIGIN = 401;
const UINT IDD_PLACED = 406;
}

TEST(DialogPlacement, CentredOnlyWhenNeitherTemplateNorDialogPlacedIt)
{
    CHostWindow host;
    ASSERT_TRUE(host.CreateHost(600, 400, WS_POPUP | WS_VISIBLE | WS_CAPTION));
    const POINT ptMoved = { 123, 77 };
    struct SCase { const char* pszName; UINT nIDTemplate; int x; int y; DWORD dwStyle; bool bMove; bool bCentred; };
    const SCase cases[] = {
        { "memory at origin", 0, 0, 0, 0, false, true },
        { "memory placed", 0, 20, 20, 0, false, false },
        { "memory DS_CENTER", 0, 0, 0, DS_CENTER, false, false },
        { "resource at origin", IDD_PATIENT_AT_ORIGIN, 0, 0, 0, false, true },
        { "resource placed", IDD_PLACED, 0, 0, 0, false, false },
        { "resource moved by the host", IDD_PATIENT_AT_ORIGIN, 0, 0, 0, true, false },
    };
    CRect rcHost;
    host.GetWindowRect(&rcHost);
    for (const SCase& c : cases)
    {
        CDialogTemplate t = SmallTemplate(c.x, c.y, c.dwStyle);
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
        dlg.m_fnKickIdle = [&](CHookedDialog& d, LPARAM) {
            d.GetWindowRect(&rcShown);
            d.EndDialog(IDOK);
            return FALSE;
        };
        ASSERT_EQ(IDOK, dlg.DoModal()) << c.pszName;
        if (c.bCentred)
        {
            EXPECT_NEAR(rcHost.CenterPoint().x, rcShown.CenterPoint().x, 1) << c.pszName;
            EXPECT_NEAR(rcHost.CenterPoint().y, rcShown.CenterPoint().y, 1) << c.pszName;
        }
        else
        {
            EXPECT_EQ(rcAfterInit, rcShown) << c.pszName << ": left where the template or the host put it";
        }
        if (c.bMove)
        {
            EXPECT_EQ(CPoint(ptMoved), rcShown.TopLeft()) << c.pszName;
        }
    }
}
