// Message maps, reflection, subclassing, the handle map and the pump, driven through real
// windows the way a host application uses them.
#include <afxwin.h>
#include <gtest/gtest.h>
#include <vector>
#include "DialogTemplate.h"
#include "HookedDialog.h"
#include "HostWindow.h"
#include "MessagePump.h"

using zaduv_test::CDialogTemplate;
using zaduv_test::CHostWindow;

namespace
{
const UINT WM_APP_PING = WM_APP + 1, WM_APP_BASEONLY = WM_APP + 2;
const UINT g_nRegistered = ::RegisterWindowMessageW(L"ZaDUV.Tests.Registered");

// A base window with its own map, and a derived window whose map names the base's map.
class CBaseWnd : public CHostWindow
{
public:
    std::vector<CString> m_log;
    afx_msg LRESULT OnPing(WPARAM wParam, LPARAM) { m_log.push_back(L"base ping"); return 100 + wParam; }
    afx_msg LRESULT OnBaseOnly(WPARAM, LPARAM) { m_log.push_back(L"base only"); return 7; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBaseWnd, CHostWindow)
    ON_MESSAGE(WM_APP_PING, &CBaseWnd::OnPing)
    ON_MESSAGE(WM_APP_BASEONLY, &CBaseWnd::OnBaseOnly)
END_MESSAGE_MAP()

class CDerivedWnd : public CBaseWnd
{
public:
    afx_msg LRESULT OnPing(WPARAM wParam, LPARAM) { m_log.push_back(L"derived ping"); return 200 + wParam; }
    afx_msg LRESULT OnRegistered(WPARAM wParam, LPARAM lParam) { m_log.push_back(L"registered"); return wParam + lParam; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDerivedWnd, CBaseWnd)
    ON_MESSAGE(WM_APP_PING, &CDerivedWnd::OnPing)
    ON_REGISTERED_MESSAGE(g_nRegistered, &CDerivedWnd::OnRegistered)
END_MESSAGE_MAP()

const UINT NM_TEST_CODE = static_cast<UINT>(-900);
const COLORREF kText = RGB(255, 0, 0);

// A child that answers its command, its notification and its colour request through
// reflection, or passes them on to its parent.
class CReflectingButton : public CButton
{
public:
    int m_nClicked = 0, m_nNotified = 0;
    BOOL m_bPassOn = FALSE;
    CBrush m_brush;
    CReflectingButton() { m_brush.CreateSolidBrush(RGB(0, 128, 0)); }
    afx_msg BOOL OnClickedEx() { ++m_nClicked; return !m_bPassOn; }
    afx_msg BOOL OnNotifyEx(NMHDR* pNMHDR, LRESULT* pResult)
    {
        m_nNotified += pNMHDR->code == NM_TEST_CODE;
        *pResult = 42;
        return !m_bPassOn;
    }
    afx_msg HBRUSH CtlColor(CDC* pDC, UINT nCtlColor)
    {
        if (m_bPassOn || nCtlColor != CTLCOLOR_STATIC)
            return NULL;
        pDC->SetTextColor(kText);
        return m_brush;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CReflectingButton, CButton)
    ON_CONTROL_REFLECT_EX(BN_CLICKED, &CReflectingButton::OnClickedEx)
    ON_NOTIFY_REFLECT_EX(NM_TEST_CODE, &CReflectingButton::OnNotifyEx)
    ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

class CParentWnd : public CHostWindow
{
public:
    int m_nClicked = 0, m_nNotified = 0;
    std::vector<UINT> m_rangeIds;
    afx_msg void OnButton() { ++m_nClicked; }
    afx_msg void OnTestNotify(NMHDR*, LRESULT* pResult) { ++m_nNotified; *pResult = 7; }
    afx_msg BOOL OnRange(UINT nID, NMHDR*, LRESULT*) { m_rangeIds.push_back(nID); return TRUE; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CParentWnd, CHostWindow)
    ON_BN_CLICKED(101, &CParentWnd::OnButton)
    ON_NOTIFY(NM_TEST_CODE, 101, &CParentWnd::OnTestNotify)
    ON_NOTIFY_EX_RANGE(NM_TEST_CODE, 200, 210, &CParentWnd::OnRange)
END_MESSAGE_MAP()

LRESULT SendTestNotify(CWnd& parent, HWND hWndFrom)
{
    NMHDR nm = { hWndFrom, static_cast<UINT_PTR>(::GetDlgCtrlID(hWndFrom)), NM_TEST_CODE };
    return parent.SendMessage(WM_NOTIFY, nm.idFrom, reinterpret_cast<LPARAM>(&nm));
}

class CCountingEdit : public CEdit
{
public:
    int m_nPreSubclass = 0, m_nChars = 0, m_nPostNcDestroy = 0;
    virtual void PreSubclassWindow() { ++m_nPreSubclass; CEdit::PreSubclassWindow(); }
    virtual void PostNcDestroy() { ++m_nPostNcDestroy; }
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags) { ++m_nChars; CEdit::OnChar(nChar, nRepCnt, nFlags); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCountingEdit, CEdit)
    ON_WM_CHAR()
END_MESSAGE_MAP()

CDialogTemplate MakeEditDialog()
{
    CDialogTemplate t(CRect(0, 0, 150, 60), L"", WS_POPUP | WS_VISIBLE | WS_CAPTION);
    t.AddEdit(300, CRect(5, 5, 105, 17));
    return t;
}

// Notes which object the map holds for the window when its first message arrives.
class CCreateWatcher : public CWnd
{
public:
    CWnd* m_pMappedAtNcCreate = NULL;
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == WM_NCCREATE)
            m_pMappedAtNcCreate = CWnd::FromHandlePermanent(m_hWnd);
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

std::vector<CString>* g_pPreTranslateLog = nullptr;

class CLoggingWnd : public CWnd
{
public:
    CString m_strName;
    BOOL m_bEat = FALSE;
    int m_nKeyDowns = 0;
    virtual BOOL PreTranslateMessage(MSG* pMsg)
    {
        if (pMsg->message == WM_KEYDOWN)
            g_pPreTranslateLog->push_back(m_strName);
        return pMsg->message == WM_KEYDOWN && m_bEat;
    }
    afx_msg void OnKeyDown(UINT, UINT, UINT) { ++m_nKeyDowns; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CLoggingWnd, CWnd)
    ON_WM_KEYDOWN()
END_MESSAGE_MAP()
}

TEST(MessageMap, DerivedEntriesWinBaseEntriesStillAnswerAndTheRestGoesToTheDefault)
{
    CDerivedWnd derived;
    CBaseWnd base;
    ASSERT_TRUE(derived.CreateHost(300, 200) && base.CreateHost(300, 200));
    const struct { CBaseWnd* pWnd; UINT message; LRESULT lExpected; LPCWSTR pszLog; } cases[] = {
        { &derived, WM_APP_PING, 205, L"derived ping" },
        { &derived, WM_APP_BASEONLY, 7, L"base only" },
        { &derived, g_nRegistered, 9, L"registered" },
        { &derived, WM_APP + 50, 0, NULL },
        { &base, WM_APP_PING, 105, L"base ping" },
        { &base, g_nRegistered, 0, NULL },      // the base object never sees derived entries
        { &derived, WM_APP_PING, 205, L"derived ping" },    // a lookup remembered for one class serves only it
    };
    for (const auto& c : cases)
    {
        c.pWnd->m_log.clear();
        EXPECT_EQ(c.lExpected, c.pWnd->SendMessage(c.message, 5, 4)) << c.message;
        EXPECT_EQ(c.pszLog != NULL ? std::vector<CString>{ c.pszLog } : std::vector<CString>(), c.pWnd->m_log);
    }
}

TEST(Reflection, TheChildAnswersFirstAndTheParentWhenPassedOn)
{
    CParentWnd parent;
    ASSERT_TRUE(parent.CreateHost(300, 200));
    CReflectingButton button;
    ASSERT_TRUE(button.Create(L"ok", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(10, 10, 80, 40), &parent, 101));
    CClientDC dc(&button);
    const WPARAM wParamDC = reinterpret_cast<WPARAM>(dc.m_hDC);
    const LPARAM lParamButton = reinterpret_cast<LPARAM>(button.m_hWnd);
    for (BOOL bPassOn : { FALSE, TRUE })
    {
        button.m_bPassOn = bPassOn;
        button.SendMessage(BM_CLICK);
        EXPECT_EQ(bPassOn ? 7 : 42, SendTestNotify(parent, button.m_hWnd));
        // An _EX handler returning FALSE passes it on.
        EXPECT_EQ((bPassOn ? std::vector<int>{ 2, 2, 1, 1 } : std::vector<int>{ 1, 1, 0, 0 }),
            (std::vector<int>{ button.m_nClicked, button.m_nNotified, parent.m_nClicked, parent.m_nNotified }));
        // A null brush from the child leaves the colour to the parent's default processing.
        EXPECT_EQ(bPassOn ? ::DefWindowProcW(parent.m_hWnd, WM_CTLCOLORSTATIC, wParamDC, lParamButton)
                          : reinterpret_cast<LRESULT>(static_cast<HBRUSH>(button.m_brush)),
            parent.SendMessage(WM_CTLCOLORSTATIC, wParamDC, lParamButton));
        EXPECT_TRUE(bPassOn || dc.GetTextColor() == kText) << "the child's handler set up the context";
    }
    // Plain windows without objects: nothing to reflect to, the range entry answers its ids only.
    for (int nID : { 205, 211 })
        SendTestNotify(parent, ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 5, 5, parent.m_hWnd,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(nID)), NULL, NULL));
    EXPECT_EQ(std::vector<UINT>{ 205 }, parent.m_rangeIds);
}

TEST(Subclassing, ControlRoutesThroughItsObjectUntilUnsubclassedOrDestroyed)
{
    CDialogTemplate t = MakeEditDialog();
    CHookedDialog dlg;
    CCountingEdit edit;
    dlg.m_fnInit = [&](CHookedDialog& d) { edit.SubclassDlgItem(300, &d); };
    ASSERT_TRUE(dlg.CreateIndirect(t, NULL));
    EXPECT_EQ(std::make_pair(1, static_cast<CWnd*>(&edit)), std::make_pair(edit.m_nPreSubclass, dlg.GetDlgItem(300)));
    EXPECT_FALSE(CCountingEdit().SubclassWindow(edit.m_hWnd)) << "a window has one permanent object";
    edit.SendMessage(WM_CHAR, L'a', 1);
    EXPECT_EQ(1, edit.m_nChars);
    EXPECT_EQ(1, edit.GetWindowTextLength()) << "the original edit procedure still runs below ours";
    // A handle has 32 significant bits and may come sign-extended or not: both forms reach the object.
    const HWND hOther = reinterpret_cast<HWND>(reinterpret_cast<UINT_PTR>(edit.m_hWnd) ^ 0xFFFFFFFF00000000ull);
    ASSERT_TRUE(::IsWindow(hOther));
    ::SendMessageW(hOther, WM_CHAR, L'a', 1);
    EXPECT_EQ(2, edit.m_nChars);
    EXPECT_EQ(&edit, CWnd::FromHandlePermanent(hOther));

    // Unsubclassed, the window answers as before and the object hears nothing; subclassed again,
    // it goes with its window.
    HWND hEdit = edit.UnsubclassWindow();
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hEdit));
    EXPECT_EQ(0, ::SendMessageW(hEdit, WM_QUERYAFXWNDPROC, 0, 0));
    ::SendMessageW(hEdit, WM_CHAR, L'b', 1);
    EXPECT_EQ(2, edit.m_nChars);
    EXPECT_EQ(3, ::GetWindowTextLengthW(hEdit));
    ASSERT_TRUE(edit.SubclassWindow(hEdit));
    dlg.DestroyWindow();
    EXPECT_EQ(nullptr, edit.m_hWnd) << "the child was detached when its window went";
    EXPECT_EQ(std::make_pair(1, static_cast<CWnd*>(NULL)), std::make_pair(edit.m_nPostNcDestroy, CWnd::FromHandlePermanent(hEdit)));
}

TEST(HandleMap, TemporaryWrappersYieldToThePermanentObjectAndNeverDestroyTheWindow)
{
    HWND hWnd = ::CreateWindowExW(0, L"STATIC", L"plain", WS_POPUP, 0, 0, 10, 10, NULL, NULL, NULL, NULL);
    CWnd* pTemp = CWnd::FromHandle(hWnd);
    EXPECT_EQ(pTemp, CWnd::FromHandle(hWnd)) << "one temporary per handle";
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWnd));
    CWnd::DeleteTempMap();
    EXPECT_TRUE(::IsWindow(hWnd));
    CWnd wnd;
    ASSERT_TRUE(wnd.Attach(hWnd));
    EXPECT_EQ(&wnd, CWnd::FromHandle(hWnd));
    EXPECT_EQ(hWnd, wnd.Detach());
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWnd));
    EXPECT_EQ(nullptr, CWnd::FromHandle(NULL));
    ::DestroyWindow(hWnd);
    CCreateWatcher watcher;
    ASSERT_TRUE(watcher.CreateEx(0, AfxRegisterWndClass(0), L"w", WS_POPUP, 0, 0, 10, 10, NULL, NULL));
    EXPECT_EQ(&watcher, watcher.m_pMappedAtNcCreate) << "an object being created is mapped before its first message";
}

TEST(Pump, PreTranslateRunsFromTargetUpToMainWindowBeforeDispatch)
{
    std::vector<CString> log;
    g_pPreTranslateLog = &log;
    CLoggingWnd top, middle, leaf;
    top.m_strName = L"top";
    middle.m_strName = L"middle";
    leaf.m_strName = L"leaf";
    ASSERT_TRUE(top.CreateEx(0, AfxRegisterWndClass(0), L"top", WS_POPUP | WS_VISIBLE, CRect(40, 40, 340, 240), NULL, 0));
    ASSERT_TRUE(middle.Create(NULL, L"middle", WS_CHILD | WS_VISIBLE, CRect(0, 0, 200, 100), &top, 1));
    ASSERT_TRUE(leaf.Create(NULL, L"leaf", WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 50), &middle, 2));
    CMainWindowScope main(&top);
    leaf.PostMessage(WM_KEYDOWN, VK_F5, 1);
    zaduv_test::PumpUntil([&] { return leaf.m_nKeyDowns == 1; }, 1000);
    EXPECT_EQ((std::vector<CString>{ L"leaf", L"middle", L"top" }), log);
    log.clear();
    middle.m_bEat = TRUE;
    leaf.PostMessage(WM_KEYDOWN, VK_F5, 1);
    zaduv_test::PumpFor(100);
    EXPECT_EQ((std::vector<CString>{ L"leaf", L"middle" }), log) << "the walk stops at the window that takes it";
    EXPECT_EQ(1, leaf.m_nKeyDowns) << "a message taken in PreTranslateMessage is not dispatched";
    g_pPreTranslateLog = nullptr;

    // Destroying the main window ends the message loop.
    CWnd* pMain = new CWnd;
    ASSERT_TRUE(pMain->CreateEx(0, AfxRegisterWndClass(0), L"main", WS_POPUP, 0, 0, 10, 10, NULL, NULL));
    CMainWindowScope scope(pMain);
    pMain->DestroyWindow();
    EXPECT_EQ(nullptr, AfxGetThread()->m_pMainWnd);
    delete pMain;
    MSG msg;
    EXPECT_TRUE(::PeekMessageW(&msg, NULL, WM_QUIT, WM_QUIT, PM_REMOVE)) << "a quit message was posted";
}

TEST(Dialog, ModalLoopsEndWithTheCommandAndExchangeDataBothWays)
{
    // Enter on the edit: the dialog manager turns it into IDOK inside our modal loop.
    CDialogTemplate t = MakeEditDialog();
    CHookedDialog dlg;
    dlg.m_fnInit = [](CHookedDialog& d) { d.GetDlgItem(300)->PostMessage(WM_KEYDOWN, VK_RETURN, 1); };
    ASSERT_TRUE(dlg.InitModalIndirect(t));
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ(nullptr, dlg.m_hWnd);

    // A dialog from the test's resources whose edit (402) is exchanged with a member.
    CHookedDialog patient(401);
    CString strName = L"Roe, Richard", strTyped;
    patient.m_fnExchange = [&](CDataExchange* pDX) { DDX_Text(pDX, 402, strName); };
    patient.m_fnInit = [&](CHookedDialog& d) {
        d.GetDlgItemText(402, strTyped);
        d.SetDlgItemText(402, L"Doe, Jane");
        d.PostMessage(WM_COMMAND, IDOK);
    };
    EXPECT_EQ(IDOK, patient.DoModal());
    EXPECT_EQ(CString(L"Roe, Richard"), strTyped) << "members reach the controls at init";
    EXPECT_EQ(CString(L"Doe, Jane"), strName) << "OnOK saves the controls back";

    CDialog missing(12345);
    EXPECT_EQ(-1, missing.DoModal());
    EXPECT_FALSE(missing.Create(12345));
    EXPECT_EQ(nullptr, missing.m_hWnd);
}

TEST(WinApp, WaitCursorNestsAndRestores)
{
    HCURSOR hArrow = ::LoadCursorW(NULL, IDC_ARROW);
    ::SetCursor(hArrow);
    CCmdTarget target;
    target.BeginWaitCursor();
    target.BeginWaitCursor();
    target.EndWaitCursor();
    EXPECT_EQ(::LoadCursorW(NULL, IDC_WAIT), ::GetCursor()) << "still one level deep";
    target.EndWaitCursor();
    EXPECT_EQ(hArrow, ::GetCursor());
}
