// Message boxes as the user sees them: CWnd::MessageBox and AfxMessageBox carry the
// application's name as their caption, and AfxMessageBox is owned by the main window's last
// active popup.
#include <afxwin.h>
#include <gtest/gtest.h>
#include "HookedDialog.h"
#include "HostWindow.h"
#include "MessageBoxCatcher.h"

TEST(MessageBoxTest, BoxesCarryTheApplicationsNameAndBelongToTheActivePopup)
{
    zaduv_test::CHostWindow mainWnd;
    ASSERT_TRUE(mainWnd.CreateHost(300, 200));
    CMainWindowScope main(&mainWnd);
    CWnd popup;
    ASSERT_TRUE(popup.CreateEx(0, AfxRegisterWndClass(0), L"Options", WS_POPUP | WS_CAPTION | WS_VISIBLE,
                               80, 80, 200, 120, mainWnd.m_hWnd, NULL));
    popup.SetActiveWindow();
    zaduv_test::CMessageBoxCatcher catcher(IDCANCEL);
    EXPECT_EQ(IDCANCEL, AfxMessageBox(L"Overwrite the report?", MB_OKCANCEL));
    EXPECT_EQ(IDCANCEL, AfxMessageBox(30001, MB_OKCANCEL));     // "Patient list" in afx_tests.rc
    EXPECT_EQ(0, AfxMessageBox(30002)) << "a prompt the string table lacks shows nothing";
    mainWnd.MessageBox(L"Report saved.");     // an OK box: what Cancel answers is the system's affair
    EXPECT_EQ(IDCANCEL, mainWnd.MessageBox(L"Discard?", L"Report", MB_YESNOCANCEL));
    const struct { LPCWSTR pszText; LPCWSTR pszCaption; HWND hWndOwner; } expected[] = {
        { L"Overwrite the report?", L"ZaDUVTests", popup.m_hWnd },
        { L"Patient list", L"ZaDUVTests", popup.m_hWnd },
        { L"Report saved.", L"ZaDUVTests", mainWnd.m_hWnd },
        { L"Discard?", L"Report", mainWnd.m_hWnd },
    };
    ASSERT_EQ(4, catcher.GetCount());
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(std::make_tuple(CString(expected[i].pszText), CString(expected[i].pszCaption), expected[i].hWndOwner),
            std::make_tuple(catcher.GetBoxes()[i].strText, catcher.GetBoxes()[i].strCaption, catcher.GetBoxes()[i].hWndOwner));
    popup.DestroyWindow();
}
