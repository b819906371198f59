// Message boxes as the user sees them: CWnd::MessageBox and AfxMessageBox carry the
// application's name as their caption, and AfxMessageBox is owned by the main window's last
// active popup.
#include <afxwin.h>
#include <gtest/gtest.h>
#include "HostWindow.h"
#include "MessageBoxCatcher.h"

using zaduv_test::CMessageBoxCatcher;

namespace
{
const UINT IDS_TEST_TITLE = 30001;      // "Patient list" in afx_tests.rc
const UINT IDS_TEST_MISSING = 30002;
}

TEST(MessageBoxTest, WindowMessageBoxWithoutCaptionShowsTheApplicationsName)
{
    zaduv_test::CHostWindow host;
    ASSERT_TRUE(host.CreateHost(200, 100));
    CMessageBoxCatcher catcher(IDNO);
    EXPECT_EQ(IDNO, host.MessageBox(L"Report saved."));
    EXPECT_EQ(IDNO, host.MessageBox(L"Discard?", L"Report", MB_YESNO));
    ASSERT_EQ(2, catcher.GetCount());
    EXPECT_STREQ(L"ZaDUVTests", catcher.GetBoxes()[0].strCaption);
    EXPECT_STREQ(L"Report saved.", catcher.GetBoxes()[0].strText);
    EXPECT_EQ(host.m_hWnd, catcher.GetBoxes()[0].hWndOwner);
    EXPECT_STREQ(L"Report", catcher.GetBoxes()[1].strCaption);
}

TEST(MessageBoxTest, AfxMessageBoxIsOwnedByTheMainWindowsActivePopup)
{
    zaduv_test::CHostWindow mainWnd;
    ASSERT_TRUE(mainWnd.CreateHost(300, 200));
    CWnd* pOldMain = AfxGetApp()->m_pMainWnd;
    AfxGetApp()->m_pMainWnd = &mainWnd;
    CWnd popup;
    ASSERT_TRUE(popup.CreateEx(0, AfxRegisterWndClass(0), L"Options", WS_POPUP | WS_CAPTION | WS_VISIBLE,
                               80, 80, 200, 120, mainWnd.m_hWnd, NULL));
    popup.SetActiveWindow();
    {
        CMessageBoxCatcher catcher(IDCANCEL);
        EXPECT_EQ(IDCANCEL, AfxMessageBox(L"Overwrite the report?", MB_OKCANCEL));
        EXPECT_EQ(IDCANCEL, AfxMessageBox(IDS_TEST_TITLE, MB_OKCANCEL));
        EXPECT_EQ(0, AfxMessageBox(IDS_TEST_MISSING)) << "a prompt the string table lacks shows nothing";
        ASSERT_EQ(2, catcher.GetCount());
        EXPECT_STREQ(L"ZaDUVTests", catcher.GetBoxes()[0].strCaption);
        EXPECT_EQ(popup.m_hWnd, catcher.GetBoxes()[0].hWndOwner);
        EXPECT_STREQ(L"Patient list", catcher.GetBoxes()[1].strText);
    }
    AfxGetApp()->m_pMainWnd = pOldMain;
    popup.DestroyWindow();
}
