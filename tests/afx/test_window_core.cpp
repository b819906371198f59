// The window core as a host meets it: tool tips for dialog controls, owners and top-level
// parents, the default window class, parent notifications and framework threads.
#include <afxwin.h>
#include <gtest/gtest.h>
#include <thread>
#include <vector>
#include "DialogTemplate.h"
#include "DibSurface.h"
#include "HookedDialog.h"
#include "HostWindow.h"
#include "MessagePump.h"

using zaduv_test::CDialogTemplate;
using zaduv_test::CHostWindow;

namespace
{
const UINT IDC_SCAN = 501, IDC_ARCHIVE = 502, IDC_NOTE = 503;

CDialogTemplate MakeToolDialog()
{
    CDialogTemplate t(CRect(20, 20, 220, 90), L"Tools", WS_POPUP | WS_CAPTION | WS_VISIBLE);
    t.AddButton(IDC_SCAN, CRect(10, 10, 70, 24), L"Scan")
     .AddButton(IDC_ARCHIVE, CRect(80, 10, 140, 24), L"Archive", BS_PUSHBUTTON | WS_DISABLED)
     .AddEdit(IDC_NOTE, CRect(10, 34, 140, 46))
     .AddStatic(0xFFFF, CRect(150, 10, 190, 24), L"Label");
    return t;
}

// A host dialog that gives its controls tips by id, as hosts write it.
class CTipDialog : public CDialog
{
public:
    int m_nAskedId = 0;
protected:
    afx_msg BOOL OnToolTipText(UINT, NMHDR* pNMHDR, LRESULT* pResult)
    {
        NMTTDISPINFOW* pInfo = reinterpret_cast<NMTTDISPINFOW*>(pNMHDR);
        m_nAskedId = (pInfo->uFlags & TTF_IDISHWND) ? ::GetDlgCtrlID(reinterpret_cast<HWND>(pNMHDR->idFrom)) : -1;
        pInfo->lpszText = const_cast<LPWSTR>(m_nAskedId == IDC_SCAN ? L"Starts the scan" : L"?");
        *pResult = 0;
        return TRUE;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTipDialog, CDialog)
    ON_NOTIFY_EX_RANGE(TTN_NEEDTEXT, 0, 0xFFFF, &CTipDialog::OnToolTipText)
END_MESSAGE_MAP()

CString ShownTipText()
{
    CString strText;
    ::EnumThreadWindows(::GetCurrentThreadId(), [](HWND hWnd, LPARAM lParam) -> BOOL {
        WCHAR szClass[64] = {};
        ::GetClassNameW(hWnd, szClass, 64);
        if (::lstrcmpiW(szClass, TOOLTIPS_CLASSW) != 0 || !::IsWindowVisible(hWnd))
            return TRUE;
        CWnd::FromHandle(hWnd)->GetWindowText(*reinterpret_cast<CString*>(lParam));
        return FALSE;
    }, reinterpret_cast<LPARAM>(&strText));
    return strText;
}

// A main window that counts the messages it pre-translates.
class CCountingMain : public CHostWindow
{
public:
    int m_nPreTranslated = 0;
    virtual BOOL PreTranslateMessage(MSG* pMsg)
    {
        m_nPreTranslated += pMsg->message == WM_APP + 7;
        return CHostWindow::PreTranslateMessage(pMsg);
    }
};
}

TEST(ToolTipsHost, ControlsAreToolsByHandleAndHoveringOneShowsTheTipItsHandlerGives)
{
    CDialogTemplate t = MakeToolDialog();
    CTipDialog dlg;
    ASSERT_TRUE(dlg.CreateIndirect(t, NULL));
    const struct { UINT nID; bool bHide; int nExpected; UINT uFlags; } cases[] = {
        { 0xFFFF, false, -1, 0 },                            // a label is no tool
        { IDC_SCAN, true, -1, 0 },                           // nor is a hidden control
        { IDC_ARCHIVE, false, IDC_ARCHIVE, TTF_IDISHWND },   // disabled, still a tool
        { IDC_NOTE, false, IDC_NOTE, TTF_IDISHWND | TTF_NOTBUTTON | TTF_CENTERTIP },
        { IDC_SCAN, false, IDC_SCAN, TTF_IDISHWND },
    };
    for (const auto& c : cases)
    {
        CWnd* pCtrl = dlg.GetDlgItem(static_cast<int>(c.nID));
        pCtrl->ShowWindow(c.bHide ? SW_HIDE : SW_SHOW);
        CRect rect;
        pCtrl->GetWindowRect(&rect);
        dlg.ScreenToClient(&rect);
        TOOLINFO ti = { sizeof(ti) };
        EXPECT_EQ(c.nExpected, dlg.OnToolHitTest(rect.CenterPoint(), &ti)) << c.nID;
        EXPECT_EQ(c.uFlags, ti.uFlags) << c.nID;
        const bool bTool = c.nExpected != -1;     // a miss leaves the tool information alone
        EXPECT_EQ(std::make_tuple(bTool ? pCtrl->m_hWnd : NULL, bTool ? dlg.m_hWnd : NULL, bTool ? LPSTR_TEXTCALLBACK : NULL),
            std::make_tuple(reinterpret_cast<HWND>(ti.uId), ti.hwnd, ti.lpszText)) << c.nID;
    }

    dlg.EnableToolTips(TRUE);
    CWnd* pScan = dlg.GetDlgItem(IDC_SCAN);
    CRect rcScan;
    pScan->GetWindowRect(&rcScan);
    ::SetCursorPos(rcScan.CenterPoint().x, rcScan.CenterPoint().y);
    // The pump's PreTranslateMessage shows the moves to the tool-tip filter; the tip appears
    // once the mouse has rested for the initial delay.
    for (int i = 0; i < 3; ++i)
        pScan->PostMessage(WM_MOUSEMOVE, 0, MAKELPARAM(rcScan.Width() / 2, rcScan.Height() / 2));
    zaduv_test::PumpUntil([&] { return ShownTipText() == L"Starts the scan"; }, 4000);
    EXPECT_EQ(CString(L"Starts the scan"), ShownTipText());
    EXPECT_EQ(static_cast<int>(IDC_SCAN), dlg.m_nAskedId);
    dlg.EnableToolTips(FALSE);
}

TEST(WindowCore, OwnersTopLevelParentsAndTheDefaultClass)
{
    CCountingMain main;
    CHostWindow other;
    ASSERT_TRUE(main.CreateHost(200, 100));
    ASSERT_TRUE(other.CreateHost(50, 50, WS_POPUP));
    CWnd child;
    ASSERT_TRUE(child.Create(NULL, L"", WS_VISIBLE, CRect(0, 0, 20, 20), &main, 321));
    EXPECT_EQ(&main, child.GetOwner()) << "the owner is the parent until set";
    child.SetOwner(&other);
    EXPECT_EQ(&other, child.GetOwner());
    EXPECT_EQ(main.m_hWnd, ::GetParent(child.m_hWnd)) << "the window itself is not re-parented";
    child.SetOwner(NULL);
    EXPECT_EQ(&main, child.GetOwner());
    // A window of the default class erases nothing, leaving what the context held: it paints
    // all of itself. Grown, it is invalid all over, not only in the new strips.
    zaduv_test::CDibSurface surface(8, 8, RGB(200, 0, 0));
    child.SendMessage(WM_ERASEBKGND, reinterpret_cast<WPARAM>(surface.DC().m_hDC));
    EXPECT_EQ(RGB(200, 0, 0), surface.Pixel(4, 4));
    child.UpdateWindow();
    child.SetWindowPos(NULL, 0, 0, 40, 40, SWP_NOMOVE | SWP_NOZORDER);
    CRgn rgn;
    rgn.CreateRectRgn(0, 0, 0, 0);
    ::GetUpdateRgn(child.m_hWnd, static_cast<HRGN>(rgn.GetSafeHandle()), FALSE);
    EXPECT_TRUE(rgn.PtInRegion(10, 10));

    CDialogTemplate t = MakeToolDialog();
    CDialog dlg;
    ASSERT_TRUE(dlg.CreateIndirect(t, &main));
    CWnd* pScan = dlg.GetDlgItem(IDC_SCAN);
    EXPECT_EQ(std::make_tuple(&main, &main, &dlg, &main), std::make_tuple(pScan->GetTopLevelParent(),
        dlg.GetTopLevelParent(), pScan->GetParentOwner(), dlg.GetTopLevelOwner()));
    // The main window sees a message of the owned dialog once: through the owner chain.
    CMainWindowScope scope(&main);
    pScan->PostMessage(WM_APP + 7);
    zaduv_test::PumpPending();
    EXPECT_EQ(1, main.m_nPreTranslated);
}

TEST(WindowCore, OnlyFrameworkThreadsHaveAThreadObject)
{
    EXPECT_EQ(AfxGetApp(), AfxGetThread()) << "the application is its own thread's object";
    const void* pThread = &pThread;     // not null until the worker answers
    const void* pMainWnd = &pMainWnd;
    INT_PTR nModalResult = 0;
    std::thread([&] {
        pThread = AfxGetThread();
        pMainWnd = AfxGetMainWnd();
        CDialogTemplate t = MakeToolDialog();
        CHookedDialog dlg;
        dlg.m_fnInit = [](CHookedDialog& d) { d.PostMessage(WM_COMMAND, IDOK); };
        nModalResult = dlg.InitModalIndirect(t) ? dlg.DoModal() : 0;
    }).join();
    EXPECT_EQ(nullptr, pThread);
    EXPECT_EQ(nullptr, pMainWnd);
    EXPECT_EQ(IDOK, nModalResult) << "a modal loop still runs on a plain thread";
    // The main window answer falls back from the active window to the main window.
    CHostWindow active;
    ASSERT_TRUE(active.CreateHost(50, 50, WS_POPUP));
    AfxGetThread()->m_pActiveWnd = &active;
    EXPECT_EQ(&active, AfxGetMainWnd());
    AfxGetThread()->m_pActiveWnd = NULL;
    EXPECT_EQ(AfxGetThread()->m_pMainWnd, AfxGetMainWnd());
}
