// Idle processing of the framework's message loop as an application's main loop runs it:
// command user interface updates, temporary objects freed, and no idle work until real input.
#include <afxwin.h>
#include <afxext.h>
#include <afx/HandleMap.h>
#include <gtest/gtest.h>
#include <functional>
#include <string>
#include <thread>
#include "HostWindow.h"

using zaduv_test::CHostWindow;

namespace
{
const UINT ID_SCAN = 601, ID_ARCHIVE = 602, ID_UNHANDLED = 603;

// A main window with a toolbar whose buttons it serves, as a host's frame does.
class CCommandHost : public CHostWindow
{
public:
    int m_nIdleUpdates = 0;
    CToolBar m_toolBar;
    afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM, LPARAM) { ++m_nIdleUpdates; return 0; }
    afx_msg void OnCommand() {}
    afx_msg void OnUpdateArchive(CCmdUI* pCmdUI) { pCmdUI->Enable(FALSE); pCmdUI->SetCheck(1); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCommandHost, CHostWindow)
    ON_MESSAGE(WM_IDLEUPDATECMDUI, &CCommandHost::OnIdleUpdateCmdUI)
    ON_COMMAND(ID_SCAN, &CCommandHost::OnCommand)
    ON_COMMAND(ID_ARCHIVE, &CCommandHost::OnCommand)
    ON_UPDATE_COMMAND_UI(ID_ARCHIVE, &CCommandHost::OnUpdateArchive)
END_MESSAGE_MAP()

// A thread object whose log shows when the loop idles and what it pumps for the host; each time
// idle work ends the next step of the test runs.
class CLoggingThread : public CWinThread
{
public:
    CString m_log;
    void Log(LPCTSTR lpszEntry) { m_log += m_log.IsEmpty() ? L"" : L", "; m_log += lpszEntry; }
    HWND m_hWndWatched = NULL, m_hWndTemp = NULL;     // the host, and a window only a temporary object wraps
    std::vector<std::function<void()>> m_steps;

    virtual BOOL OnIdle(LONG lCount)
    {
        BOOL bMore = CWinThread::OnIdle(lCount);
        CString strEntry;
        strEntry.Format(L"idle %ld%s", lCount, afxMapHWND(TRUE)->LookupTemporary(m_hWndTemp) != NULL ? L" temp" : L"");
        Log(strEntry);
        if (!bMore && !m_steps.empty())
        {
            std::function<void()> fnStep = m_steps.front();
            m_steps.erase(m_steps.begin());
            fnStep();
        }
        return bMore;
    }
    virtual BOOL PumpMessage()
    {
        static const struct { UINT message; LPCTSTR lpszEntry; } s_logged[] = {
            { WM_PAINT, L"paint" }, { WM_SYSTIMER, L"systimer" }, { WM_MOUSEMOVE, L"move" }, { WM_TIMER, L"timer" },
        };
        BOOL bResult = CWinThread::PumpMessage();
        for (const auto& entry : s_logged)
            if (bResult && m_msgCur.hwnd == m_hWndWatched && m_msgCur.message == entry.message)
                Log(entry.lpszEntry);
        return bResult;
    }
};
}

// The loop updates commands, frees temporaries and waits for real input; and the worker, whose
// per-thread state once was freed before its destructors ran, ends without corrupting the heap.
// It runs on a thread of its own, so that no window of other tests (the shared tool tip and its
// timers) counts as activity.
TEST(Idle, WorkerThreadRunsTheLoopAndEndsWithoutCorruptingTheHeap)
{
    int nExitCode = 0, nIdleUpdates = 0;
    CString strLog;
    UINT nStyles[4] = {};
    std::thread([&] {
        CCommandHost host;
        const UINT ids[] = { ID_SCAN, ID_SEPARATOR, ID_ARCHIVE, ID_UNHANDLED };
        if (!host.CreateHost(300, 100, WS_POPUP | WS_VISIBLE) || !host.m_toolBar.Create(&host) || !host.m_toolBar.SetButtons(ids, 4))
            return;
        CLoggingThread thread;
        thread.m_pMainWnd = &host;
        thread.m_hWndTemp = ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 1, 1, host.m_hWnd, NULL, NULL, NULL);
        CWnd::FromHandle(thread.m_hWndTemp);
        thread.m_steps.push_back([&] {
            // Nothing here is real input: the loop must not idle again until the timer. The mouse
            // was last seen where posted messages place it (Windows: the cursor; Wine: 0, 0).
            MSG msgLast = {};
            host.PostMessage(WM_NULL);
            ::PeekMessageW(&msgLast, host.m_hWnd, WM_NULL, WM_NULL, PM_REMOVE);
            msgLast.message = WM_MOUSEMOVE;
            thread.IsIdleMessage(&msgLast);
            thread.Log(L"--");
            thread.m_hWndWatched = host.m_hWnd;
            host.PostMessage(WM_SYSTIMER, 0x7FFF);
            host.PostMessage(WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
            host.PostMessage(WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
            host.Invalidate();
            host.SetTimer(1, 150);
        });
        thread.m_steps.push_back([&] {
            host.KillTimer(1);
            ::PostQuitMessage(5);
        });
        nExitCode = thread.Run();
        strLog = thread.m_log;
        nIdleUpdates = host.m_nIdleUpdates;
        for (int i = 0; i < 4; ++i)
            nStyles[i] = host.m_toolBar.GetButtonStyle(i);
    }).join();
    EXPECT_EQ(5, nExitCode);
    EXPECT_EQ(std::wstring(L"idle 0 temp, idle 1, idle 2, --, systimer, move, move, paint, timer, "
        L"idle 0, idle 1, idle 2"), std::wstring(strLog));
    EXPECT_EQ(2, nIdleUpdates);

    // The toolbar's buttons follow the host's handlers; a command without one is disabled.
    for (UINT& nStyle : nStyles)
        nStyle &= TBBS_DISABLED | TBBS_CHECKED;
    EXPECT_EQ((std::vector<UINT>{ 0, TBBS_DISABLED | TBBS_CHECKED, TBBS_DISABLED }), (std::vector<UINT>{ nStyles[0], nStyles[2], nStyles[3] }));
}
