// CResizableDialog: the placement saved as one profile line when the window goes and restored
// by EnableSaveRestore, on the application's INI file and on the registry.
#include "ResizableTestDialog.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <string>

using dialogs_test::CTestResizableDialog;

namespace
{
const LPCWSTR kSection = L"Placement tests";
const LPCWSTR kEntry = L"Study export";

// Reaches CWinApp's protected SetRegistryKey for the application object; never instantiated.
struct CAppProfileAccess : CWinApp
{
    static void SetRegistryKeyOf(CWinApp* pApp, LPCTSTR lpszKey)
    {
        void (CWinApp::*pfnSetKey)(LPCTSTR) = &CAppProfileAccess::SetRegistryKey;
        (pApp->*pfnSetKey)(lpszKey);
    }
};

// Switches the application's profile to the registry for one test and back to its INI file,
// as a host does with SetRegistryKey in its InitInstance.
class CRegistryProfile
{
public:
    CRegistryProfile() : m_pApp(AfxGetApp())
    {
        s_strIniFile = m_pApp->m_pszProfileName;
        CAppProfileAccess::SetRegistryKeyOf(m_pApp, L"ZaDUV Tests");
    }
    ~CRegistryProfile()
    {
        m_pApp->WriteProfileString(kSection, NULL, NULL);
        m_pApp->m_pszRegistryKey = NULL;
        m_pApp->m_pszProfileName = s_strIniFile;
    }

private:
    CWinApp* m_pApp;
    static CString s_strIniFile;    // the application points into it after the test
};

CString CRegistryProfile::s_strIniFile;

class ResizablePlacementTest : public ::testing::Test
{
protected:
    void SetUp() override { Store(NULL); }
    void TearDown() override { Store(NULL); }

    static void Store(LPCWSTR lpszLine) { AfxGetApp()->WriteProfileString(kSection, kEntry, lpszLine); }
    static CString Stored() { return AfxGetApp()->GetProfileString(kSection, kEntry); }

    // Creates the dialog at (100, 80), 640 x 480, and restores what the profile holds.
    void Open(CTestResizableDialog& dlg)
    {
        zaduv_test::CDialogTemplate tmpl = dialogs_test::MakeResizableTemplate();
        ASSERT_TRUE(dlg.CreateFromTemplate(tmpl, CPoint(100, 80)));
        dlg.SetWindowPos(NULL, 0, 0, 640, 480, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        dlg.ShowWindow(SW_SHOWNA);
        dlg.EnableSaveRestore(kSection, kEntry);
    }
    static CRect WindowRect(const CWnd& wnd)
    {
        CRect rect;
        wnd.GetWindowRect(&rect);
        return rect;
    }

    void SavesAndRestores()
    {
        {
            CTestResizableDialog dlg;
            Open(dlg);
            EXPECT_EQ(CString(), Stored()) << "nothing is written before the window goes";
            dlg.DestroyWindow();
        }
        EXPECT_EQ(CString(L"100,80,740,560,1,0"), Stored());

        Store(L"120,90,520,390,1,0");
        CTestResizableDialog dlg;
        Open(dlg);
        EXPECT_EQ(CRect(120, 90, 520, 390), WindowRect(dlg));
        dlg.SetWindowPos(NULL, 30, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        dlg.DestroyWindow();
        EXPECT_EQ(CString(L"30,40,430,340,1,0"), Stored());
    }
};
}

TEST_F(ResizablePlacementTest, SavedOnDestroyAndRestoredFromTheIniFile)
{
    ASSERT_EQ(nullptr, AfxGetApp()->m_pszRegistryKey);
    SavesAndRestores();
}

TEST_F(ResizablePlacementTest, SavedOnDestroyAndRestoredFromTheRegistry)
{
    CRegistryProfile registry;
    Store(NULL);
    SavesAndRestores();
    Store(NULL);
}

TEST_F(ResizablePlacementTest, NotSavedWithoutEnableSaveRestore)
{
    CTestResizableDialog dlg;
    zaduv_test::CDialogTemplate tmpl = dialogs_test::MakeResizableTemplate();
    ASSERT_TRUE(dlg.CreateFromTemplate(tmpl));
    dlg.DestroyWindow();
    EXPECT_EQ(CString(), Stored());
}

TEST_F(ResizablePlacementTest, MalformedLinesLeaveTheTemplatePlacement)
{
    const std::wstring strLongNumber(5000, L'7');
    const std::wstring strLongList = L"1,2" + std::wstring(5000, L',');
    const LPCWSTR lines[] = {
        L"", L"120,90,520", L"120,90,520,390,1", L"a,b,c,d,e,f", L"120;90;520;390;1;0",
        L"120,90,520,4294967686,1,0", L"120,90,520,2147483648,1,0", L"120,90,520,390,1,99999999999", L"120,90,520,390,1,-",
        L"120 ,90,520,390,1,0", strLongNumber.c_str(), strLongList.c_str(),
    };
    Store(L"120,90,520,390,1,0");
    {
        CTestResizableDialog dlg;
        Open(dlg);
        ASSERT_EQ(CRect(120, 90, 520, 390), WindowRect(dlg)) << "a well-formed line is applied";
        dlg.DestroyWindow();
    }
    for (LPCWSTR lpszLine : lines)
    {
        Store(lpszLine);
        CTestResizableDialog dlg;
        Open(dlg);
        EXPECT_EQ(CRect(100, 80, 740, 560), WindowRect(dlg)) << std::string(lpszLine, lpszLine + std::min(40, ::lstrlenW(lpszLine)));
        dlg.DestroyWindow();
    }
}

TEST_F(ResizablePlacementTest, TextAfterTheSixthNumberIsIgnored)
{
    Store(L"120, 90,+520,390,1,0 and more,7");
    CTestResizableDialog dlg;
    Open(dlg);
    EXPECT_EQ(CRect(120, 90, 520, 390), WindowRect(dlg));
    dlg.DestroyWindow();
}

// A screen that was unplugged: Windows documents that SetWindowPlacement moves a window that
// would be off every screen back into view, and Wine 8 does the same, so the restored dialog
// shows where the user can reach it.
TEST_F(ResizablePlacementTest, APlacementOffEveryMonitorIsBroughtBackIntoView)
{
    Store(L"-5000,-4000,-4600,-3700,1,0");
    CTestResizableDialog dlg;
    Open(dlg);
    CRect rect = WindowRect(dlg);
    EXPECT_EQ(CSize(400, 300), rect.Size());
    EXPECT_NE(nullptr, ::MonitorFromRect(&rect, MONITOR_DEFAULTTONULL)) << "on a monitor";
    dlg.DestroyWindow();
}
