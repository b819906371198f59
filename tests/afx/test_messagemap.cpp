// Message maps, reflection, subclassing, the handle map, the pump and timers, driven through
// real windows the way a host application uses them.
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
const UINT WM_APP_PING = WM_APP + 1;
const UINT WM_APP_BASEONLY = WM_APP + 2;
const UINT g_nRegistered = ::RegisterWindowMessageW(L"ZaDUV.Tests.Registered");

// A base window with its own map, and a derived window whose map names the base's map.
class CBaseWnd : public CHostWindow
{
public:
    std::vector<CString> m_log;
protected:
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
protected:
    afx_msg LRESULT OnPing(WPARAM wParam, LPARAM) { m_log.push_back(L"derived ping"); return 200 + wParam; }
    afx_msg LRESULT OnRegistered(WPARAM wParam, LPARAM lParam) { m_log.push_back(L"registered"); return wParam + lParam; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDerivedWnd, CBaseWnd)
    ON_MESSAGE(WM_APP_PING, &CDerivedWnd::OnPing)
    ON_REGISTERED_MESSAGE(g_nRegistered, &CDerivedWnd::OnRegistered)
END_MESSAGE_MAP()
}

TEST(MessageMap, DerivedEntriesWinBaseEntriesStillAnswerAndTheRestGoesToTheDefault)
{
    CDerivedWnd derived;
    CBaseWnd base;
    ASSERT_TRUE(derived.CreateHost(300, 200));
    ASSERT_TRUE(base.CreateHost(300, 200));
    const struct { CBaseWnd* pWnd; UINT message; LRESULT lExpected; LPCWSTR pszLog; } cases[] = {
        { &derived, WM_APP_PING, 205, L"derived ping" },
        { &derived, WM_APP_BASEONLY, 7, L"base only" },
        { &derived, g_nRegistered, 9, L"registered" },
        { &derived, WM_APP + 50, 0, NULL },
        { &base, WM_APP_PING, 105, L"base ping" },
        { &base, g_nRegistered, 0, NULL },      // the base object never sees derived entries
    };
    for (const auto& c : cases)
    {
        c.pWnd->m_log.clear();
        EXPECT_EQ(c.lExpected, c.pWnd->SendMessage(c.message, 5, 4)) << c.message;
        EXPECT_EQ(c.pszLog != NULL ? std::vector<CString>{ c.pszLog } : std::vector<CString>(), c.pWnd->m_log);
    }
}

namespace
{
const UINT NM_TEST_CODE = static_cast<UINT>(-900);

// Children that answer their own notifications through reflection, or pass them on.
class CReflectingButton : public CButton
{
public:
    int m_nClicked = 0;
    BOOL m_bPassOn = FALSE;
protected:
    afx_msg BOOL OnClickedEx() { ++m_nClicked; return !m_bPassOn; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CReflectingButton, CButton)
    ON_CONTROL_REFLECT_EX(BN_CLICKED, &CReflectingButton::OnClickedEx)
END_MESSAGE_MAP()

class CNotifyingStatic : public CStatic
{
public:
    int m_nReflected = 0;
    BOOL m_bPassOn = FALSE;
protected:
    afx_msg BOOL OnNotifyEx(NMHDR* pNMHDR, LRESULT* pResult)
    {
        m_nReflected += pNMHDR->code == NM_TEST_CODE;
        *pResult = 42;
        return !m_bPassOn;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CNotifyingStatic, CStatic)
    ON_NOTIFY_REFLECT_EX(NM_TEST_CODE, &CNotifyingStatic::OnNotifyEx)
END_MESSAGE_MAP()

class CParentWnd : public CHostWindow
{
public:
    int m_nParentClicked = 0;
    int m_nParentNotified = 0;
    std::vector<UINT> m_rangeIds;
protected:
    afx_msg void OnButton() { ++m_nParentClicked; }
    afx_msg void OnTestNotify(NMHDR*, LRESULT* pResult) { ++m_nParentNotified; *pResult = 7; }
    afx_msg BOOL OnRange(UINT nID, NMHDR*, LRESULT*) { m_rangeIds.push_back(nID); return TRUE; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CParentWnd, CHostWindow)
    ON_BN_CLICKED(101, &CParentWnd::OnButton)
    ON_NOTIFY(NM_TEST_CODE, 102, &CParentWnd::OnTestNotify)
    ON_NOTIFY_EX_RANGE(NM_TEST_CODE, 200, 210, &CParentWnd::OnRange)
END_MESSAGE_MAP()

LRESULT SendTestNotify(CWnd& parent, HWND hWndFrom)
{
    NMHDR nm = { hWndFrom, static_cast<UINT_PTR>(::GetDlgCtrlID(hWndFrom)), NM_TEST_CODE };
    return parent.SendMessage(WM_NOTIFY, nm.idFrom, reinterpret_cast<LPARAM>(&nm));
}
}

TEST(Reflection, CommandsAndNotificationsReachTheChildFirstAndTheParentWhenPassedOn)
{
    CParentWnd parent;
    ASSERT_TRUE(parent.CreateHost(300, 200));
    CReflectingButton button;
    ASSERT_TRUE(button.Create(L"ok", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(10, 10, 80, 40), &parent, 101));
    CNotifyingStatic child;
    ASSERT_TRUE(child.Create(L"x", WS_CHILD | WS_VISIBLE, CRect(0, 50, 20, 70), &parent, 102));
    for (BOOL bPassOn : { FALSE, TRUE })
    {
        button.m_bPassOn = child.m_bPassOn = bPassOn;
        button.SendMessage(BM_CLICK);
        EXPECT_EQ(bPassOn ? 7 : 42, SendTestNotify(parent, child.m_hWnd));
        EXPECT_EQ(bPassOn ? 2 : 1, button.m_nClicked);
        EXPECT_EQ(bPassOn ? 2 : 1, child.m_nReflected);
        EXPECT_EQ(bPassOn ? 1 : 0, parent.m_nParentClicked) << "an _EX handler returning FALSE passes it on";
        EXPECT_EQ(bPassOn ? 1 : 0, parent.m_nParentNotified);
    }
    // Plain windows without objects: nothing to reflect to, the range entry answers its ids only.
    HWND hIn = ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 5, 5, parent.m_hWnd, reinterpret_cast<HMENU>(205), NULL, NULL);
    HWND hOut = ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 5, 5, parent.m_hWnd, reinterpret_cast<HMENU>(211), NULL, NULL);
    SendTestNotify(parent, hIn);
    SendTestNotify(parent, hOut);
    EXPECT_EQ(std::vector<UINT>{ 205 }, parent.m_rangeIds);
}

namespace
{
// A static that colours itself through the reflected colour request.
class CColouredStatic : public CStatic
{
public:
    CBrush m_brush;
    BOOL m_bAnswer = TRUE;
    CColouredStatic() { m_brush.CreateSolidBrush(RGB(0, 128, 0)); }
protected:
    afx_msg HBRUSH CtlColor(CDC* pDC, UINT nCtlColor)
    {
        if (!m_bAnswer || nCtlColor != CTLCOLOR_STATIC)
            return NULL;
        pDC->SetTextColor(RGB(255, 0, 0));
        return m_brush;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CColouredStatic, CStatic)
    ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()
}

TEST(Reflection, ColourRequestAnsweredByTheChildElseByTheDefault)
{
    CHostWindow parent;
    ASSERT_TRUE(parent.CreateHost(300, 200));
    CColouredStatic child;
    ASSERT_TRUE(child.Create(L"text", WS_CHILD | WS_VISIBLE, CRect(0, 0, 60, 20), &parent, 5));
    CClientDC dc(&child);
    const WPARAM wParam = reinterpret_cast<WPARAM>(dc.m_hDC);
    const LPARAM lParam = reinterpret_cast<LPARAM>(child.m_hWnd);
    EXPECT_EQ(reinterpret_cast<LRESULT>(static_cast<HBRUSH>(child.m_brush)), parent.SendMessage(WM_CTLCOLORSTATIC, wParam, lParam));
    EXPECT_EQ(RGB(255, 0, 0), dc.GetTextColor()) << "the child's handler set up the context";
    child.m_bAnswer = FALSE;
    EXPECT_EQ(::DefWindowProcW(parent.m_hWnd, WM_CTLCOLORSTATIC, wParam, lParam), parent.SendMessage(WM_CTLCOLORSTATIC, wParam, lParam));
}

namespace
{
class CCountingEdit : public CEdit
{
public:
    int m_nPreSubclass = 0;
    int m_nChars = 0;
    int m_nPostNcDestroy = 0;
protected:
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

class CEditDialog : public CDialog
{
public:
    CCountingEdit m_edit;
protected:
    virtual BOOL OnInitDialog()
    {
        CDialog::OnInitDialog();
        m_edit.SubclassDlgItem(300, this);
        return TRUE;
    }
};
}

TEST(Subclassing, DialogControlRoutesThroughItsObjectUntilDestroyed)
{
    CDialogTemplate t = MakeEditDialog();
    CEditDialog dlg;
    ASSERT_TRUE(dlg.CreateIndirect(t, NULL));
    ASSERT_NE(nullptr, dlg.m_edit.m_hWnd);
    EXPECT_EQ(1, dlg.m_edit.m_nPreSubclass);
    EXPECT_EQ(&dlg.m_edit, dlg.GetDlgItem(300));
    dlg.m_edit.SendMessage(WM_CHAR, L'a', 1);
    dlg.m_edit.SendMessage(WM_CHAR, L'b', 1);
    EXPECT_EQ(2, dlg.m_edit.m_nChars);
    CString text;
    dlg.m_edit.GetWindowText(text);
    EXPECT_EQ(CString(L"ab"), text) << "the original edit procedure still runs below ours";

    HWND hEdit = dlg.m_edit.m_hWnd;
    dlg.DestroyWindow();
    EXPECT_EQ(nullptr, dlg.m_hWnd);
    EXPECT_EQ(nullptr, dlg.m_edit.m_hWnd) << "the child was detached when its window went";
    EXPECT_EQ(1, dlg.m_edit.m_nPostNcDestroy);
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hEdit));
}

TEST(Subclassing, UnsubclassRestoresTheOriginalProcedure)
{
    CHostWindow parent;
    ASSERT_TRUE(parent.CreateHost(300, 200));
    HWND hEdit = ::CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE, 0, 0, 50, 20, parent.m_hWnd, reinterpret_cast<HMENU>(5), NULL, NULL);
    LONG_PTR pfnOriginal = ::GetWindowLongPtrW(hEdit, GWLP_WNDPROC);
    CCountingEdit edit;
    ASSERT_TRUE(edit.SubclassWindow(hEdit));
    EXPECT_FALSE(CCountingEdit().SubclassWindow(hEdit)) << "a window has one permanent object";
    EXPECT_EQ(1, ::SendMessageW(hEdit, WM_QUERYAFXWNDPROC, 0, 0));
    EXPECT_EQ(hEdit, edit.UnsubclassWindow());
    EXPECT_EQ(pfnOriginal, ::GetWindowLongPtrW(hEdit, GWLP_WNDPROC));
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hEdit));
    ::SendMessageW(hEdit, WM_CHAR, L'z', 1);
    EXPECT_EQ(0, edit.m_nChars);
}

TEST(HandleMap, TemporaryWrappersYieldToThePermanentObjectAndNeverDestroyTheWindow)
{
    HWND hWnd = ::CreateWindowExW(0, L"STATIC", L"plain", WS_POPUP, 0, 0, 10, 10, NULL, NULL, NULL, NULL);
    CWnd* pTemp = CWnd::FromHandle(hWnd);
    ASSERT_NE(nullptr, pTemp);
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

    // An object being created is mapped before its first message and sees its own creation.
    class CCreateWatcher : public CWnd
    {
    public:
        CWnd* m_pMappedAtNcCreate = NULL;
    protected:
        virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
        {
            if (message == WM_NCCREATE)
                m_pMappedAtNcCreate = CWnd::FromHandlePermanent(m_hWnd);
            return CWnd::WindowProc(message, wParam, lParam);
        }
    } watcher;
    ASSERT_TRUE(watcher.CreateEx(0, AfxRegisterWndClass(0), L"w", WS_POPUP, 0, 0, 10, 10, NULL, NULL));
    EXPECT_EQ(&watcher, watcher.m_pMappedAtNcCreate);
}

namespace
{
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
protected:
    afx_msg void OnKeyDown(UINT, UINT, UINT) { ++m_nKeyDowns; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CLoggingWnd, CWnd)
    ON_WM_KEYDOWN()
END_MESSAGE_MAP()
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
    EXPECT_EQ(1, leaf.m_nKeyDowns);

    log.clear();
    middle.m_bEat = TRUE;
    leaf.PostMessage(WM_KEYDOWN, VK_F5, 1);
    zaduv_test::PumpFor(100);
    EXPECT_EQ((std::vector<CString>{ L"leaf", L"middle" }), log) << "the walk stops at the window that takes it";
    EXPECT_EQ(1, leaf.m_nKeyDowns) << "a message taken in PreTranslateMessage is not dispatched";
    g_pPreTranslateLog = nullptr;
}

TEST(Pump, DestroyingTheMainWindowEndsTheMessageLoop)
{
    CWnd* pMain = new CWnd;
    ASSERT_TRUE(pMain->CreateEx(0, AfxRegisterWndClass(0), L"main", WS_POPUP, 0, 0, 10, 10, NULL, NULL));
    CMainWindowScope main(pMain);
    pMain->DestroyWindow();
    EXPECT_EQ(nullptr, AfxGetThread()->m_pMainWnd);
    delete pMain;
    MSG msg;
    EXPECT_TRUE(::PeekMessageW(&msg, NULL, WM_QUIT, WM_QUIT, PM_REMOVE)) << "a quit message was posted";
}

namespace
{
// Presses Enter on the edit: the dialog manager turns it into IDOK inside our modal loop.
class CModalDialog : public CDialog
{
protected:
    virtual BOOL OnInitDialog()
    {
        CDialog::OnInitDialog();
        GetDlgItem(300)->PostMessage(WM_KEYDOWN, VK_RETURN, 1);
        return TRUE;
    }
};

const UINT IDC_PATIENT_NAME = 402;

// A dialog from the test's resources (401) whose edit is exchanged with a member.
class CPatientDialog : public CDialog
{
public:
    CPatientDialog() : CDialog(401) {}
    CString m_strName;
    CString m_strTyped;
protected:
    virtual void DoDataExchange(CDataExchange* pDX) { DDX_Text(pDX, IDC_PATIENT_NAME, m_strName); }
    virtual BOOL OnInitDialog()
    {
        CDialog::OnInitDialog();
        GetDlgItemText(IDC_PATIENT_NAME, m_strTyped);    // what DDX put in
        SetDlgItemText(IDC_PATIENT_NAME, L"Doe, Jane");
        PostMessage(WM_COMMAND, IDOK);
        return TRUE;
    }
};
}

TEST(Dialog, ModalLoopsEndWithTheCommandAndExchangeDataBothWays)
{
    CDialogTemplate t = MakeEditDialog();
    CModalDialog dlg;
    ASSERT_TRUE(dlg.InitModalIndirect(t));
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ(nullptr, dlg.m_hWnd);

    CPatientDialog patient;
    patient.m_strName = L"Roe, Richard";
    EXPECT_EQ(IDOK, patient.DoModal());
    EXPECT_EQ(CString(L"Roe, Richard"), patient.m_strTyped) << "members reach the controls at init";
    EXPECT_EQ(CString(L"Doe, Jane"), patient.m_strName) << "OnOK saves the controls back";

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
