// Message maps, reflection, subclassing, the handle map, the pump and timers, driven through
// real windows the way a host application uses them.
#include <afxwin.h>
#include <gtest/gtest.h>
#include <vector>
#include "MessagePump.h"

namespace
{
const UINT WM_APP_PING = WM_APP + 1;
const UINT WM_APP_BASEONLY = WM_APP + 2;
UINT g_nRegistered = ::RegisterWindowMessageW(L"ZaDUV.Tests.Registered");

CRect HostRect() { return CRect(40, 40, 340, 240); }

// A base window with its own map, and a derived window whose map names the base's map.
class CBaseWnd : public CWnd
{
public:
    std::vector<CString> m_log;
    BOOL CreateHost() { return CreateEx(0, AfxRegisterWndClass(0), L"host", WS_POPUP | WS_VISIBLE, HostRect(), NULL, 0); }

protected:
    afx_msg LRESULT OnPing(WPARAM wParam, LPARAM) { m_log.push_back(L"base ping"); return 100 + wParam; }
    afx_msg LRESULT OnBaseOnly(WPARAM, LPARAM) { m_log.push_back(L"base only"); return 7; }
    afx_msg void OnTimer(UINT_PTR nIDEvent)
    {
        CString s;
        s.Format(L"timer %d", static_cast<int>(nIDEvent));
        m_log.push_back(s);
        KillTimer(nIDEvent);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBaseWnd, CWnd)
    ON_MESSAGE(WM_APP_PING, &CBaseWnd::OnPing)
    ON_MESSAGE(WM_APP_BASEONLY, &CBaseWnd::OnBaseOnly)
    ON_WM_TIMER()
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

TEST(MessageMap, DerivedEntryWinsAndBaseEntriesStillReached)
{
    CDerivedWnd wnd;
    ASSERT_TRUE(wnd.CreateHost());
    EXPECT_EQ(205, wnd.SendMessage(WM_APP_PING, 5));
    EXPECT_EQ(7, wnd.SendMessage(WM_APP_BASEONLY));
    EXPECT_EQ(11, wnd.SendMessage(g_nRegistered, 4, 7));
    ASSERT_EQ(3u, wnd.m_log.size());
    EXPECT_EQ(CString(L"derived ping"), wnd.m_log[0]);
    EXPECT_EQ(CString(L"base only"), wnd.m_log[1]);
    EXPECT_EQ(CString(L"registered"), wnd.m_log[2]);
    // A message no map names goes to the default procedure.
    EXPECT_EQ(0, wnd.SendMessage(WM_APP + 50));
}

TEST(MessageMap, BaseObjectDoesNotSeeDerivedEntries)
{
    // The derived window answers first, so a lookup remembered for one class must not serve
    // the other.
    CDerivedWnd derived;
    CBaseWnd wnd;
    ASSERT_TRUE(derived.CreateHost());
    ASSERT_TRUE(wnd.CreateHost());
    EXPECT_EQ(205, derived.SendMessage(WM_APP_PING, 5));
    EXPECT_EQ(105, wnd.SendMessage(WM_APP_PING, 5));
    EXPECT_EQ(206, derived.SendMessage(WM_APP_PING, 6));
    EXPECT_EQ(0, wnd.SendMessage(g_nRegistered, 4, 7));
    EXPECT_TRUE(wnd.IsKindOf(RUNTIME_CLASS(CWnd)));
    EXPECT_FALSE(wnd.IsKindOf(RUNTIME_CLASS(CDialog)));
}

TEST(MessageMap, TimerReachesHandlerThroughThePump)
{
    CBaseWnd wnd;
    ASSERT_TRUE(wnd.CreateHost());
    ASSERT_NE(0u, wnd.SetTimer(3, 50));
    EXPECT_TRUE(zaduv_test::PumpUntil([&] { return !wnd.m_log.empty(); }, 2000));
    ASSERT_EQ(1u, wnd.m_log.size());
    EXPECT_EQ(CString(L"timer 3"), wnd.m_log[0]);
    // The handler killed the timer: it does not fire again.
    zaduv_test::PumpFor(200);
    EXPECT_EQ(1u, wnd.m_log.size());
}

namespace
{
// A child control that answers its own notifications through reflection.
class CReflectingButton : public CButton
{
public:
    int m_nClicked = 0;
    BOOL m_bPassOn = FALSE;
    int m_nCustomDraw = 0;

protected:
    afx_msg BOOL OnClickedEx()
    {
        ++m_nClicked;
        return !m_bPassOn;
    }
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
    UINT m_nCodeSeen = 0;

protected:
    afx_msg BOOL OnNotifyEx(NMHDR* pNMHDR, LRESULT* pResult)
    {
        ++m_nReflected;
        m_nCodeSeen = pNMHDR->code;
        *pResult = 42;
        return !m_bPassOn;
    }
    DECLARE_MESSAGE_MAP()
};

const UINT NM_TEST_CODE = static_cast<UINT>(-900);

BEGIN_MESSAGE_MAP(CNotifyingStatic, CStatic)
    ON_NOTIFY_REFLECT_EX(NM_TEST_CODE, &CNotifyingStatic::OnNotifyEx)
END_MESSAGE_MAP()

class CParentWnd : public CWnd
{
public:
    int m_nParentClicked = 0;
    int m_nParentNotified = 0;
    std::vector<UINT> m_rangeIds;
    BOOL CreateHost() { return CreateEx(0, AfxRegisterWndClass(0), L"parent", WS_POPUP | WS_VISIBLE, HostRect(), NULL, 0); }

protected:
    afx_msg void OnButton() { ++m_nParentClicked; }
    afx_msg void OnTestNotify(NMHDR*, LRESULT* pResult) { ++m_nParentNotified; *pResult = 7; }
    afx_msg BOOL OnRange(UINT nID, NMHDR*, LRESULT*) { m_rangeIds.push_back(nID); return TRUE; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CParentWnd, CWnd)
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

TEST(Reflection, CommandReflectedToChildIsConsumedOrPassedOn)
{
    CParentWnd parent;
    ASSERT_TRUE(parent.CreateHost());
    CReflectingButton button;
    ASSERT_TRUE(button.Create(L"ok", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(10, 10, 80, 40), &parent, 101));

    button.SendMessage(BM_CLICK);
    EXPECT_EQ(1, button.m_nClicked);
    EXPECT_EQ(0, parent.m_nParentClicked) << "the child consumed its own click";

    button.m_bPassOn = TRUE;
    button.SendMessage(BM_CLICK);
    EXPECT_EQ(2, button.m_nClicked);
    EXPECT_EQ(1, parent.m_nParentClicked) << "the _EX handler returned FALSE: the parent gets it too";
}

TEST(Reflection, NotifyReflectedToChildThenToParentMap)
{
    CParentWnd parent;
    ASSERT_TRUE(parent.CreateHost());
    CNotifyingStatic child;
    ASSERT_TRUE(child.Create(L"x", WS_CHILD | WS_VISIBLE, CRect(0, 0, 20, 20), &parent, 102));

    EXPECT_EQ(42, SendTestNotify(parent, child.m_hWnd));
    EXPECT_EQ(1, child.m_nReflected);
    EXPECT_EQ(NM_TEST_CODE, child.m_nCodeSeen);
    EXPECT_EQ(0, parent.m_nParentNotified);

    child.m_bPassOn = TRUE;
    EXPECT_EQ(7, SendTestNotify(parent, child.m_hWnd));
    EXPECT_EQ(2, child.m_nReflected);
    EXPECT_EQ(1, parent.m_nParentNotified);
}

TEST(Reflection, NotifyRangeUsesTheSendersControlId)
{
    CParentWnd parent;
    ASSERT_TRUE(parent.CreateHost());
    // Plain windows without objects: nothing to reflect to, the range entry answers.
    HWND hIn = ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 5, 5, parent.m_hWnd, reinterpret_cast<HMENU>(205), NULL, NULL);
    HWND hOut = ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 5, 5, parent.m_hWnd, reinterpret_cast<HMENU>(211), NULL, NULL);
    SendTestNotify(parent, hIn);
    SendTestNotify(parent, hOut);
    ASSERT_EQ(1u, parent.m_rangeIds.size());
    EXPECT_EQ(205u, parent.m_rangeIds[0]);
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

// A dialog template in memory: one edit control with id 300.
struct EditDialogTemplate
{
    DLGTEMPLATE dlg;
    WORD menu, cls, title;
    DLGITEMTEMPLATE item;
    WORD itemClass[2];
    WORD itemTitle;
    WORD itemExtra;
};

EditDialogTemplate MakeEditDialog()
{
    EditDialogTemplate t = {};
    t.dlg.style = WS_POPUP | WS_VISIBLE | WS_CAPTION;
    t.dlg.cdit = 1;
    t.dlg.cx = 150;
    t.dlg.cy = 60;
    t.item.style = WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL;
    t.item.x = 5;
    t.item.y = 5;
    t.item.cx = 100;
    t.item.cy = 12;
    t.item.id = 300;
    t.itemClass[0] = 0xFFFF;
    t.itemClass[1] = 0x0081;    // the predefined edit class
    return t;
}

class CEditDialog : public CDialog
{
public:
    CCountingEdit m_edit;
    int m_nInit = 0;
protected:
    virtual BOOL OnInitDialog()
    {
        ++m_nInit;
        CDialog::OnInitDialog();
        m_edit.SubclassDlgItem(300, this);
        return TRUE;
    }
};
}

TEST(Subclassing, DialogControlRoutesThroughItsObjectUntilDestroyed)
{
    EditDialogTemplate t = MakeEditDialog();
    CEditDialog dlg;
    ASSERT_TRUE(dlg.CreateIndirect(&t.dlg, NULL));
    EXPECT_EQ(1, dlg.m_nInit);
    ASSERT_NE(nullptr, dlg.m_edit.m_hWnd);
    EXPECT_EQ(1, dlg.m_edit.m_nPreSubclass);
    EXPECT_EQ(&dlg.m_edit, CWnd::FromHandlePermanent(dlg.m_edit.m_hWnd));
    EXPECT_EQ(&dlg, CWnd::FromHandlePermanent(dlg.m_hWnd));
    EXPECT_EQ(&dlg.m_edit, dlg.GetDlgItem(300));

    dlg.m_edit.SendMessage(WM_CHAR, L'a', 1);
    dlg.m_edit.SendMessage(WM_CHAR, L'b', 1);
    EXPECT_EQ(2, dlg.m_edit.m_nChars);
    CString text;
    dlg.m_edit.GetWindowText(text);
    EXPECT_EQ(CString(L"ab"), text) << "the original edit procedure still runs below ours";

    HWND hEdit = dlg.m_edit.m_hWnd;
    HWND hDlg = dlg.m_hWnd;
    dlg.DestroyWindow();
    EXPECT_FALSE(::IsWindow(hDlg));
    EXPECT_EQ(nullptr, dlg.m_hWnd);
    EXPECT_EQ(nullptr, dlg.m_edit.m_hWnd) << "the child was detached when its window went";
    EXPECT_EQ(1, dlg.m_edit.m_nPostNcDestroy);
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hEdit));
}

TEST(Subclassing, UnsubclassRestoresTheOriginalProcedure)
{
    CParentWnd parent;
    ASSERT_TRUE(parent.CreateHost());
    HWND hEdit = ::CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE, 0, 0, 50, 20, parent.m_hWnd, reinterpret_cast<HMENU>(5), NULL, NULL);
    LONG_PTR pfnOriginal = ::GetWindowLongPtrW(hEdit, GWLP_WNDPROC);
    CCountingEdit edit;
    ASSERT_TRUE(edit.SubclassWindow(hEdit));
    EXPECT_FALSE(CCountingEdit().SubclassWindow(hEdit)) << "a window has one permanent object";
    EXPECT_EQ(reinterpret_cast<LONG_PTR>(AfxGetAfxWndProc()), ::GetWindowLongPtrW(hEdit, GWLP_WNDPROC));
    EXPECT_EQ(1, ::SendMessageW(hEdit, WM_QUERYAFXWNDPROC, 0, 0));
    EXPECT_EQ(hEdit, edit.UnsubclassWindow());
    EXPECT_EQ(pfnOriginal, ::GetWindowLongPtrW(hEdit, GWLP_WNDPROC));
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hEdit));
    ::SendMessageW(hEdit, WM_CHAR, L'z', 1);
    EXPECT_EQ(0, edit.m_nChars);
    ::DestroyWindow(hEdit);
}

TEST(HandleMap, TemporaryWrappersAreReplacedByThePermanentObjectAndFreedWhenIdle)
{
    HWND hWnd = ::CreateWindowExW(0, L"STATIC", L"plain", WS_POPUP, 0, 0, 10, 10, NULL, NULL, NULL, NULL);
    CWnd* pTemp = CWnd::FromHandle(hWnd);
    ASSERT_NE(nullptr, pTemp);
    EXPECT_EQ(pTemp, CWnd::FromHandle(hWnd)) << "one temporary per handle";
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWnd));
    CWnd::DeleteTempMap();
    EXPECT_TRUE(::IsWindow(hWnd)) << "deleting a temporary never destroys the window";

    CWnd wnd;
    ASSERT_TRUE(wnd.Attach(hWnd));
    EXPECT_EQ(&wnd, CWnd::FromHandle(hWnd));
    EXPECT_EQ(hWnd, wnd.Detach());
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWnd));
    EXPECT_EQ(nullptr, CWnd::FromHandle(NULL));
    ::DestroyWindow(hWnd);
}

TEST(HandleMap, ObjectAttachedBeforeCreateSeesItsOwnCreateMessage)
{
    class CCreateWatcher : public CWnd
    {
    public:
        HWND m_hWndAtCreate = NULL;
        CWnd* m_pMappedAtNcCreate = NULL;
    protected:
        virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
        {
            if (message == WM_NCCREATE)
                m_pMappedAtNcCreate = CWnd::FromHandlePermanent(m_hWnd);
            if (message == WM_CREATE)
                m_hWndAtCreate = m_hWnd;
            return CWnd::WindowProc(message, wParam, lParam);
        }
    } wnd;
    ASSERT_TRUE(wnd.CreateEx(0, AfxRegisterWndClass(0), L"w", WS_POPUP, 0, 0, 10, 10, NULL, NULL));
    EXPECT_EQ(&wnd, wnd.m_pMappedAtNcCreate);
    EXPECT_EQ(wnd.m_hWnd, wnd.m_hWndAtCreate);
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
        if (pMsg->message == WM_KEYDOWN && g_pPreTranslateLog != nullptr)
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
    ASSERT_TRUE(top.CreateEx(0, AfxRegisterWndClass(0), L"top", WS_POPUP | WS_VISIBLE, HostRect(), NULL, 0));
    ASSERT_TRUE(middle.Create(NULL, L"middle", WS_CHILD | WS_VISIBLE, CRect(0, 0, 200, 100), &top, 1));
    ASSERT_TRUE(leaf.Create(NULL, L"leaf", WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 50), &middle, 2));
    CWinThread* pThread = AfxGetThread();
    ASSERT_NE(nullptr, pThread);
    CWnd* pOldMain = pThread->m_pMainWnd;
    pThread->m_pMainWnd = &top;

    leaf.PostMessage(WM_KEYDOWN, VK_F5, 1);
    zaduv_test::PumpUntil([&] { return leaf.m_nKeyDowns == 1; }, 1000);
    ASSERT_EQ(3u, log.size());
    EXPECT_EQ(CString(L"leaf"), log[0]);
    EXPECT_EQ(CString(L"middle"), log[1]);
    EXPECT_EQ(CString(L"top"), log[2]);
    EXPECT_EQ(1, leaf.m_nKeyDowns);

    log.clear();
    middle.m_bEat = TRUE;
    leaf.PostMessage(WM_KEYDOWN, VK_F5, 1);
    zaduv_test::PumpFor(100);
    ASSERT_EQ(2u, log.size()) << "the walk stops at the window that takes the message";
    EXPECT_EQ(1, leaf.m_nKeyDowns) << "a message taken in PreTranslateMessage is not dispatched";

    pThread->m_pMainWnd = pOldMain;
    g_pPreTranslateLog = nullptr;
}

namespace
{
class CModalDialog : public CDialog
{
protected:
    virtual BOOL OnInitDialog()
    {
        CDialog::OnInitDialog();
        // Press Enter on the edit: the dialog manager turns it into IDOK inside our modal loop.
        GetDlgItem(300)->PostMessage(WM_KEYDOWN, VK_RETURN, 1);
        return TRUE;
    }
};
}

TEST(Dialog, ModalLoopRunsPreTranslateAndEndsWithTheCommand)
{
    EditDialogTemplate t = MakeEditDialog();
    CModalDialog dlg;
    ASSERT_TRUE(dlg.InitModalIndirect(&t.dlg));
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ(nullptr, dlg.m_hWnd);
}

TEST(Dialog, MissingTemplateFailsCleanly)
{
    CDialog dlg(12345);
    EXPECT_EQ(-1, dlg.DoModal());
    EXPECT_FALSE(dlg.Create(12345));
    EXPECT_EQ(nullptr, dlg.m_hWnd);
}

TEST(WinApp, ProfileStringsRoundTripInTheRegistry)
{
    CWinApp* pApp = AfxGetApp();
    ASSERT_NE(nullptr, pApp);
    class CKeyedApp : public CWinApp { public: using CWinApp::SetRegistryKey; };
    static_cast<CKeyedApp*>(pApp)->SetRegistryKey(L"ZaDUV Tests");
    EXPECT_TRUE(pApp->WriteProfileString(L"Placement", L"Main", L"1,2,3,4,5,6"));
    EXPECT_EQ(CString(L"1,2,3,4,5,6"), pApp->GetProfileString(L"Placement", L"Main"));
    EXPECT_EQ(CString(L"dflt"), pApp->GetProfileString(L"Placement", L"Missing", L"dflt"));
    EXPECT_TRUE(pApp->WriteProfileInt(L"Placement", L"Count", 17));
    EXPECT_EQ(17u, pApp->GetProfileInt(L"Placement", L"Count", 3));
    EXPECT_TRUE(pApp->WriteProfileString(L"Placement", NULL, NULL));
    EXPECT_EQ(CString(L""), pApp->GetProfileString(L"Placement", L"Main"));
    ::RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\ZaDUV Tests");
}

TEST(WinApp, WaitCursorNestsAndRestores)
{
    HCURSOR hArrow = ::LoadCursorW(NULL, IDC_ARROW);
    ::SetCursor(hArrow);
    CCmdTarget target;
    target.BeginWaitCursor();
    EXPECT_EQ(::LoadCursorW(NULL, IDC_WAIT), ::GetCursor());
    target.BeginWaitCursor();
    target.EndWaitCursor();
    EXPECT_EQ(::LoadCursorW(NULL, IDC_WAIT), ::GetCursor()) << "still one level deep";
    target.EndWaitCursor();
    EXPECT_EQ(hArrow, ::GetCursor());
}

namespace
{
// A window with one tool over its left half whose text comes by callback.
class CToolWnd : public CWnd
{
public:
    int m_nTextRequests = 0;
    UINT m_nLastToolId = 0;
    virtual INT_PTR OnToolHitTest(CPoint point, TOOLINFO* pTI) const
    {
        CRect rect;
        GetClientRect(&rect);
        rect.right /= 2;
        if (!rect.PtInRect(point))
            return -1;
        pTI->hwnd = m_hWnd;
        pTI->uId = 77;
        pTI->rect = rect;
        pTI->lpszText = LPSTR_TEXTCALLBACKW;
        return 77;
    }
protected:
    afx_msg BOOL OnNeedText(UINT, NMHDR* pNMHDR, LRESULT* pResult)
    {
        NMTTDISPINFOW* pInfo = reinterpret_cast<NMTTDISPINFOW*>(pNMHDR);
        ++m_nTextRequests;
        m_nLastToolId = static_cast<UINT>(pNMHDR->idFrom);
        pInfo->lpszText = const_cast<LPWSTR>(L"left half");
        *pResult = 0;
        return TRUE;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CToolWnd, CWnd)
    ON_NOTIFY_EX_RANGE(TTN_NEEDTEXTW, 0, 0xFFFF, &CToolWnd::OnNeedText)
END_MESSAGE_MAP()
}

TEST(ToolTips, HoveringAToolAsksItsWindowForTheText)
{
    CToolWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, AfxRegisterWndClass(0, ::LoadCursorW(NULL, IDC_ARROW)), L"tips",
        WS_POPUP | WS_VISIBLE, HostRect(), NULL, 0));
    EXPECT_FALSE(wnd.EnableToolTips(TRUE));
    CPoint ptScreen(HostRect().left + 20, HostRect().top + 20);
    ::SetCursorPos(ptScreen.x, ptScreen.y);
    // The pump's PreTranslateMessage shows the moves to the tool-tip filter; the tip appears
    // once the mouse has rested for the initial delay.
    for (int i = 0; i < 3; ++i)
        wnd.PostMessage(WM_MOUSEMOVE, 0, MAKELPARAM(20 + i, 20));
    EXPECT_TRUE(zaduv_test::PumpUntil([&] { return wnd.m_nTextRequests > 0; }, 4000));
    EXPECT_EQ(77u, wnd.m_nLastToolId);

    // Outside every tool nothing more is asked for.
    wnd.EnableToolTips(FALSE);
    int nRequests = wnd.m_nTextRequests;
    wnd.PostMessage(WM_MOUSEMOVE, 0, MAKELPARAM(250, 20));
    zaduv_test::PumpFor(100);
    EXPECT_EQ(nRequests, wnd.m_nTextRequests);
}

TEST(Pump, DestroyingTheMainWindowEndsTheMessageLoop)
{
    CWinThread* pThread = AfxGetThread();
    ASSERT_NE(nullptr, pThread);
    CWnd* pOldMain = pThread->m_pMainWnd;
    CWnd* pMain = new CWnd;
    ASSERT_TRUE(pMain->CreateEx(0, AfxRegisterWndClass(0), L"main", WS_POPUP, 0, 0, 10, 10, NULL, NULL));
    pThread->m_pMainWnd = pMain;
    pMain->DestroyWindow();
    EXPECT_EQ(nullptr, pThread->m_pMainWnd);
    delete pMain;
    MSG msg;
    EXPECT_TRUE(::PeekMessageW(&msg, NULL, WM_QUIT, WM_QUIT, PM_REMOVE)) << "a quit message was posted";
    pThread->m_pMainWnd = pOldMain;
}

namespace
{
const UINT IDD_PATIENT = 401;
const UINT IDC_PATIENT_NAME = 402;

// A dialog from the test's resources whose edit is exchanged with a member.
class CPatientDialog : public CDialog
{
public:
    CPatientDialog() : CDialog(IDD_PATIENT) {}
    CString m_strName;
    CString m_strTyped;
    int m_nInit = 0;
protected:
    virtual void DoDataExchange(CDataExchange* pDX)
    {
        CDialog::DoDataExchange(pDX);
        DDX_Text(pDX, IDC_PATIENT_NAME, m_strName);
    }
    virtual BOOL OnInitDialog()
    {
        CDialog::OnInitDialog();
        ++m_nInit;
        GetDlgItemText(IDC_PATIENT_NAME, m_strTyped);    // what DDX put in
        SetDlgItemText(IDC_PATIENT_NAME, L"Doe, Jane");
        PostMessage(WM_COMMAND, IDOK);
        return TRUE;
    }
};
}

TEST(Dialog, ModalFromResourceIdExchangesDataBothWays)
{
    CPatientDialog dlg;
    dlg.m_strName = L"Roe, Richard";
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ(1, dlg.m_nInit);
    EXPECT_EQ(CString(L"Roe, Richard"), dlg.m_strTyped) << "members reach the controls at init";
    EXPECT_EQ(CString(L"Doe, Jane"), dlg.m_strName) << "OnOK saves the controls back";
}

TEST(Dialog, ModelessFromResourceName)
{
    CDialog dlg;
    ASSERT_TRUE(dlg.Create(L"PATIENTDLG"));
    ASSERT_NE(nullptr, dlg.GetDlgItem(IDC_PATIENT_NAME));
    CString strCaption;
    dlg.GetWindowText(strCaption);
    EXPECT_EQ(CString(L"Named"), strCaption);
    EXPECT_TRUE(dlg.DestroyWindow());
    EXPECT_EQ(nullptr, dlg.m_hWnd);
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

class CColourParent : public CWnd
{
public:
    int m_nAsked = 0;
protected:
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
    {
        ++m_nAsked;
        return CWnd::OnCtlColor(pDC, pWnd, nCtlColor);   // offers the request to the child first
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CColourParent, CWnd)
    ON_WM_CTLCOLOR()
END_MESSAGE_MAP()
}

TEST(Reflection, ColourRequestAnsweredByTheChildElseByTheParent)
{
    CColourParent parent;
    ASSERT_TRUE(parent.CreateEx(0, AfxRegisterWndClass(0), L"parent", WS_POPUP | WS_VISIBLE, HostRect(), NULL, 0));
    CColouredStatic child;
    ASSERT_TRUE(child.Create(L"text", WS_CHILD | WS_VISIBLE, CRect(0, 0, 60, 20), &parent, 5));

    CClientDC dc(&child);
    LRESULT hbr = parent.SendMessage(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc.m_hDC), reinterpret_cast<LPARAM>(child.m_hWnd));
    EXPECT_EQ(reinterpret_cast<LRESULT>(static_cast<HBRUSH>(child.m_brush)), hbr);
    EXPECT_EQ(RGB(255, 0, 0), dc.GetTextColor()) << "the child's handler set up the context";
    EXPECT_EQ(1, parent.m_nAsked);

    // A null brush from the child leaves the answer to the parent's default processing.
    child.m_bAnswer = FALSE;
    hbr = parent.SendMessage(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc.m_hDC), reinterpret_cast<LPARAM>(child.m_hWnd));
    EXPECT_EQ(::DefWindowProcW(parent.m_hWnd, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc.m_hDC),
        reinterpret_cast<LPARAM>(child.m_hWnd)), hbr);
    EXPECT_NE(reinterpret_cast<LRESULT>(static_cast<HBRUSH>(child.m_brush)), hbr);
    EXPECT_EQ(2, parent.m_nAsked);
}
