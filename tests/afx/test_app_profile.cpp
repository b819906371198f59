// The application's name and profile as a host sees them: the title from its string table or
// else its executable's name, settings under Software\<company>\<name>, and AfxMessageBox
// through the host's own DoMessageBox. The hosts are separate programs (tests/apphost), each
// with its own application object.

#include <afxwin.h>
#include <gtest/gtest.h>
#include <cstdio>

namespace
{
// Runs a host next to this executable and returns what it printed.
CString RunHost(LPCWSTR lpszExeName)
{
    WCHAR szPath[MAX_PATH];
    ::GetModuleFileNameW(NULL, szPath, MAX_PATH);
    CString strCommand(szPath), strOutput;
    strCommand = L"\"" + strCommand.Left(strCommand.ReverseFind(L'\\') + 1) + lpszExeName + L".exe\"";
    FILE* pPipe = ::_wpopen(strCommand, L"rt");
    WCHAR szLine[256];
    while (pPipe != NULL && ::fgetws(szLine, 256, pPipe) != NULL)
        strOutput += szLine;
    if (pPipe != NULL)
        ::_pclose(pPipe);
    return strOutput;
}
}

TEST(AppProfileTest, NameComesFromTheConstructorElseTheTitleResourceElseTheExecutable)
{
    const struct { LPCWSTR lpszExe, lpszAppName; } hosts[] = { { L"afx_apphost_titled", L"Report Viewer" }, { L"afx_apphost", L"afx_apphost" } };
    for (const auto& host : hosts)
    {
        const LPCWSTR lpszExe = host.lpszExe, lpszAppName = host.lpszAppName;
        // Settings an earlier version of the host left where the framework keeps them.
        const CString strAppKey = CString(L"Software\\ZaDUV Tests\\") + lpszAppName;
        ::RegDeleteTreeW(HKEY_CURRENT_USER, strAppKey);
        const WCHAR szLayout[] = L"compact";
        ASSERT_EQ(ERROR_SUCCESS, ::RegSetKeyValueW(HKEY_CURRENT_USER, strAppKey + L"\\Settings", L"Layout", REG_SZ, szLayout, sizeof(szLayout)));
        CString strExpected;
        strExpected.Format(L"app=%s\nexe=%s\nprofile=%s\nkey=ZaDUV Tests\nlayout=compact\nprompt=Saved. type=%u\nbox=%d\n",
                           lpszAppName, lpszExe, lpszAppName, MB_YESNO, IDYES);
        EXPECT_STREQ(strExpected, RunHost(lpszExe)) << lpszExe;
        DWORD dwRuns = 0, cb = sizeof(dwRuns);
        ::RegGetValueW(HKEY_CURRENT_USER, strAppKey + L"\\Settings", L"Runs", RRF_RT_REG_DWORD, NULL, &dwRuns, &cb);
        EXPECT_EQ(1u, dwRuns) << lpszExe;
        ::RegDeleteTreeW(HKEY_CURRENT_USER, strAppKey);
    }
    // afx_tests.rc has a title; the test application was constructed with a name of its own.
    CString strTitle;
    ASSERT_TRUE(strTitle.LoadString(AFX_IDS_APP_TITLE));
    EXPECT_STRNE(strTitle, AfxGetApp()->m_pszAppName);
    EXPECT_STREQ(L"ZaDUVTests", AfxGetAppName());
}
