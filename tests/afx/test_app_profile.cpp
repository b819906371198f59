// The application's name and profile as a host sees them: the title from its string table or
// else its executable's name, settings under Software\<company>\<name>, and AfxMessageBox
// through the host's own DoMessageBox. The hosts are separate programs (tests/apphost), each
// with its own application object.

#include <afxwin.h>
#include <gtest/gtest.h>
#include <cstdio>

namespace
{
const LPCWSTR kCompanyKey = L"Software\\ZaDUV Tests";

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

CString AppKey(LPCWSTR lpszAppName)
{
    return CString(kCompanyKey) + L"\\" + lpszAppName;
}

DWORD ReadRuns(LPCWSTR lpszAppName)
{
    DWORD dwRuns = 0, cb = sizeof(dwRuns);
    ::RegGetValueW(HKEY_CURRENT_USER, AppKey(lpszAppName) + L"\\Settings", L"Runs", RRF_RT_REG_DWORD, NULL, &dwRuns, &cb);
    return dwRuns;
}
}

TEST(AppProfileTest, NameComesFromTheTitleResourceElseTheExecutable)
{
    struct { LPCWSTR lpszExe; LPCWSTR lpszAppName; } hosts[] = {
        { L"afx_apphost_titled", L"Report Viewer" },
        { L"afx_apphost", L"afx_apphost" },
    };
    for (const auto& host : hosts)
    {
        // Settings an earlier version of the host left where the framework keeps them.
        ::RegDeleteTreeW(HKEY_CURRENT_USER, AppKey(host.lpszAppName));
        const WCHAR szLayout[] = L"compact";
        ASSERT_EQ(ERROR_SUCCESS, ::RegSetKeyValueW(HKEY_CURRENT_USER, AppKey(host.lpszAppName) + L"\\Settings",
                                                   L"Layout", REG_SZ, szLayout, sizeof(szLayout)));

        CString strOutput = RunHost(host.lpszExe);
        CString strExpected;
        strExpected.Format(L"app=%s\nexe=%s\nprofile=%s\nkey=ZaDUV Tests\nlayout=compact\n"
                           L"prompt=Saved. type=%u\nbox=%d\n",
                           host.lpszAppName, host.lpszExe, host.lpszAppName, MB_YESNO, IDYES);
        strOutput.Remove(L'\r');
        EXPECT_STREQ(strExpected, strOutput) << host.lpszExe;
        EXPECT_EQ(1u, ReadRuns(host.lpszAppName)) << host.lpszExe;
        ::RegDeleteTreeW(HKEY_CURRENT_USER, AppKey(host.lpszAppName));
    }
}

TEST(AppProfileTest, ConstructorNameWinsOverTheTitleResource)
{
    // afx_tests.rc has a title; the test application was constructed with a name of its own.
    CString strTitle;
    ASSERT_TRUE(strTitle.LoadString(AFX_IDS_APP_TITLE));
    EXPECT_STRNE(strTitle, AfxGetApp()->m_pszAppName);
    EXPECT_STREQ(L"ZaDUVTests", AfxGetApp()->m_pszAppName);
    EXPECT_STREQ(L"ZaDUVTests", AfxGetAppName());
}
