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

void Store(LPCWSTR lpszLine) { AfxGetApp()->WriteProfileString(kSection, kEntry, lpszLine); }
CString Stored() { return AfxGetApp()->GetProfileString(kSection, kEntry); }

class ResizablePlacementTest : public ::testing::TestWithParam<bool>
{
protected:
    // With the parameter set, the application keeps its profile in the registry for the test,
    // as a host does with SetRegistryKey in its InitInstance.
    void SetUp() override
    {
        s_strIniFile = AfxGetApp()->m_pszProfileName;
        if (GetParam())
            CAppProfileAccess::SetRegistryKeyOf(AfxGetApp(), L"ZaDUV Tests");
        Store(NULL);
    }
    void TearDown() override
    {
        Store(NULL);
        AfxGetApp()->m_pszRegistryKey = NULL;
        AfxGetApp()->m_pszProfileName = s_strIniFile;
    }

    // Creates the dialog at (100, 80), 640 x 480, and restores what the profile holds.
    void Open(CTestResizableDialog& dlg)
    {
        ASSERT_TRUE(dlg.CreateFromTemplate(dialogs_test::MakeResizableTemplate(), CPoint(100, 80)));
        dlg.SetWindowPos(NULL, 0, 0, 640, 480, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        dlg.ShowWindow(SW_SHOWNA);
        dlg.EnableSaveRestore(kSection, kEntry);
    }
    CRect OpenedWith(LPCWSTR lpszLine)
    {
        Store(lpszLine);
        CTestResizableDialog dlg;
        Open(dlg);
        CRect rect = dlg.WindowRect();
        dlg.DestroyWindow();
        return rect;
    }

    static CString s_strIniFile;    // the application points into it after the test
};

CString ResizablePlacementTest::s_strIniFile;
}

TEST_P(ResizablePlacementTest, SavedOnDestroyAndRestored)
{
    ASSERT_EQ(GetParam(), AfxGetApp()->m_pszRegistryKey != nullptr);
    {
        CTestResizableDialog dlg;
        ASSERT_TRUE(dlg.CreateFromTemplate());
        dlg.DestroyWindow();
        EXPECT_EQ(CString(), Stored()) << "not saved without EnableSaveRestore";
    }
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
    EXPECT_EQ(CRect(120, 90, 520, 390), dlg.WindowRect());
    dlg.SetWindowPos(NULL, 30, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    dlg.DestroyWindow();
    EXPECT_EQ(CString(L"30,40,430,340,1,0"), Stored());
}

TEST_P(ResizablePlacementTest, MalformedLinesLeaveTheTemplatePlacement)
{
    EXPECT_EQ(CRect(120, 90, 520, 390), OpenedWith(L"120, 90,+520,390,1,0 and more,7")) << "text after six numbers";
    const std::wstring strLongNumber(5000, L'7');
    const std::wstring strLongList = L"1,2" + std::wstring(5000, L',');
    const LPCWSTR lines[] = {
        L"", L"120,90,520", L"120,90,520,390,1", L"a,b,c,d,e,f", L"120;90;520;390;1;0",
        L"120,90,520,4294967686,1,0", L"120,90,520,2147483648,1,0", L"120,90,520,390,1,99999999999", L"120,90,520,390,1,-",
        L"120 ,90,520,390,1,0", strLongNumber.c_str(), strLongList.c_str(),
    };
    for (LPCWSTR lpszLine : lines)
        EXPECT_EQ(CRect(100, 80, 740, 560), OpenedWith(lpszLine)) << std::string(lpszLine, lpszLine + std::min(40, ::lstrlenW(lpszLine)));
}

INSTANTIATE_TEST_SUITE_P(Stores, ResizablePlacementTest, ::testing::Values(false, true),
    [](const ::testing::TestParamInfo<bool>& info) { return info.param ? "Registry" : "IniFile"; });
