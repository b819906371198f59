// Message boxes as the user sees them: CWnd::MessageBox and AfxMessageBox carry the
// application's name as their caption, and AfxMessageBox is owned by the main window's last
// active popup. A thread timer reads each box from inside its own modal loop and answers it.

#include <afxwin.h>
#include <gtest/gtest.h>

#include "HostWindow.h"

namespace
{
const UINT IDS_TEST_TITLE = 30001;      // "Patient list" in afx_tests.rc
const UINT IDS_TEST_MISSING = 30002;

struct SeenBox
{
    int nSeen = 0;
    CString strCaption;
    CString strText;
    HWND hWndOwner = NULL;
    WPARAM nAnswer = IDOK;
};
SeenBox g_box;

BOOL CALLBACK CollectText(HWND hWnd, LPARAM)
{
    WCHAR szText[256];
    if (::GetWindowTextW(hWnd, szText, 256) > 0)
        g_box.strText += CString(szText) + L"|";
    return TRUE;
}

BOOL CALLBACK AnswerBox(HWND hWnd, LPARAM)
{
    WCHAR szClass[16];
    if (!::IsWindowVisible(hWnd) || ::GetClassNameW(hWnd, szClass, 16) == 0 || lstrcmpW(szClass, L"#32770") != 0)
        return TRUE;
    WCHAR szCaption[256] = {};
    ::GetWindowTextW(hWnd, szCaption, 256);
    g_box.strCaption = szCaption;
    g_box.hWndOwner = ::GetWindow(hWnd, GW_OWNER);
    g_box.strText.Empty();
    ::EnumChildWindows(hWnd, CollectText, 0);
    g_box.nSeen++;
    ::PostMessageW(hWnd, WM_COMMAND, g_box.nAnswer, 0);
    return FALSE;
}

void CALLBACK OnBoxTimer(HWND, UINT, UINT_PTR, DWORD)
{
    ::EnumThreadWindows(::GetCurrentThreadId(), AnswerBox, 0);
}

// Answers every message box this thread shows while it lives.
class CBoxAnswerer
{
public:
    explicit CBoxAnswerer(WPARAM nAnswer) : m_nTimer(::SetTimer(NULL, 0, 30, OnBoxTimer))
    {
        g_box = SeenBox();
        g_box.nAnswer = nAnswer;
    }
    ~CBoxAnswerer() { ::KillTimer(NULL, m_nTimer); }

    UINT_PTR m_nTimer;
};

// The application's main window for the test's length.
class CMainWndScope
{
public:
    explicit CMainWndScope(CWnd* pWnd) : m_pOld(AfxGetApp()->m_pMainWnd) { AfxGetApp()->m_pMainWnd = pWnd; }
    ~CMainWndScope() { AfxGetApp()->m_pMainWnd = m_pOld; }

    CWnd* m_pOld;
};
}

TEST(MessageBoxTest, WindowMessageBoxWithoutCaptionShowsTheApplicationsName)
{
    zaduv_test::CHostWindow host;
    ASSERT_TRUE(host.CreateHost(200, 100));
    {
        CBoxAnswerer answerer(IDOK);
        EXPECT_EQ(IDOK, host.MessageBox(L"Report saved."));
        EXPECT_EQ(1, g_box.nSeen);
        EXPECT_STREQ(L"ZaDUVTests", g_box.strCaption);
        EXPECT_EQ(host.m_hWnd, g_box.hWndOwner);
        EXPECT_NE(-1, g_box.strText.Find(L"Report saved."));
    }
    {
        CBoxAnswerer answerer(IDNO);
        EXPECT_EQ(IDNO, host.MessageBox(L"Discard?", L"Report", MB_YESNO));
        EXPECT_STREQ(L"Report", g_box.strCaption);
    }
}

TEST(MessageBoxTest, AfxMessageBoxIsOwnedByTheMainWindowsActivePopup)
{
    zaduv_test::CHostWindow mainWnd;
    ASSERT_TRUE(mainWnd.CreateHost(300, 200));
    CMainWndScope scope(&mainWnd);
    CWnd popup;
    ASSERT_TRUE(popup.CreateEx(0, AfxRegisterWndClass(0), L"Options", WS_POPUP | WS_CAPTION | WS_VISIBLE,
                               80, 80, 200, 120, mainWnd.m_hWnd, NULL));
    popup.SetActiveWindow();
    ASSERT_EQ(popup.m_hWnd, ::GetLastActivePopup(mainWnd.m_hWnd));

    CBoxAnswerer answerer(IDCANCEL);
    EXPECT_EQ(IDCANCEL, AfxMessageBox(L"Overwrite the report?", MB_OKCANCEL));
    EXPECT_EQ(1, g_box.nSeen);
    EXPECT_STREQ(L"ZaDUVTests", g_box.strCaption);
    EXPECT_EQ(popup.m_hWnd, g_box.hWndOwner);

    EXPECT_EQ(IDCANCEL, AfxMessageBox(IDS_TEST_TITLE, MB_OKCANCEL));
    EXPECT_EQ(2, g_box.nSeen);
    EXPECT_NE(-1, g_box.strText.Find(L"Patient list"));

    // A prompt the string table lacks shows nothing.
    EXPECT_EQ(0, AfxMessageBox(IDS_TEST_MISSING));
    EXPECT_EQ(2, g_box.nSeen);
    popup.DestroyWindow();
}
