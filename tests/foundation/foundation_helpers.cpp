#include "foundation_helpers.h"

#include <cstdio>

namespace
{
std::wstring ZaDUVModulePath()
{
    WCHAR szPath[MAX_PATH] = {};
    ::GetModuleFileNameW(::GetModuleHandleW(L"zaduv.dll"), szPath, MAX_PATH);
    return szPath;
}

std::string ReadWholeFile(const std::wstring& strPath)
{
    std::string strData;
    if (FILE* pFile = _wfopen(strPath.c_str(), L"rb"))
    {
        char buffer[65536];
        for (size_t nRead; (nRead = fread(buffer, 1, sizeof(buffer), pFile)) != 0;)
            strData.append(buffer, nRead);
        fclose(pFile);
    }
    return strData;
}

bool WriteWholeFile(const std::wstring& strPath, const std::string& strData)
{
    FILE* pFile = _wfopen(strPath.c_str(), L"wb");
    if (pFile == NULL)
        return false;
    const bool bWritten = fwrite(strData.data(), 1, strData.size(), pFile) == strData.size();
    return fclose(pFile) == 0 && bWritten;
}

std::wstring NewTempFolder()
{
    WCHAR szTemp[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, szTemp);
    for (UINT nAttempt = 0; nAttempt < 1000; nAttempt++)
    {
        WCHAR szFolder[MAX_PATH] = {};
        ::wsprintfW(szFolder, L"%szaduv-test-%lu-%u", szTemp, ::GetCurrentProcessId(), nAttempt);
        if (::CreateDirectoryW(szFolder, NULL))
            return szFolder;
    }
    return std::wstring();
}
}

CModuleCopy::CModuleCopy(const std::vector<Patch>& patches)
{
    std::string strImage = ReadWholeFile(ZaDUVModulePath());
    if (strImage.empty())
        return;
    for (const Patch& patch : patches)
    {
        int nCount = 0;
        for (size_t nPos = strImage.find(patch.first); !patch.first.empty() && patch.first.size() == patch.second.size()
             && nPos != std::string::npos; nPos = strImage.find(patch.first, nPos + patch.first.size()), nCount++)
            strImage.replace(nPos, patch.second.size(), patch.second);
        m_patchCounts.push_back(nCount);
    }

    m_strFolder = NewTempFolder();
    if (m_strFolder.empty())
        return;
    const std::wstring strPath = m_strFolder + L"\\zaduv_copy.dll";
    if (WriteWholeFile(strPath, strImage))
        m_strPath = strPath;
}

CModuleCopy::~CModuleCopy()
{
    if (!m_strPath.empty())
        ::DeleteFileW(m_strPath.c_str());
    if (!m_strFolder.empty())
        ::RemoveDirectoryW(m_strFolder.c_str());
}

std::string WideBytes(const wchar_t* psz)
{
    return std::string(reinterpret_cast<const char*>(psz), ::lstrlenW(psz) * sizeof(wchar_t));
}

SChildResult RunChildTest(const char* pszTestName)
{
    SChildResult result = { static_cast<DWORD>(-1), std::string() };

    WCHAR szExe[MAX_PATH] = {};
    ::GetModuleFileNameW(NULL, szExe, MAX_PATH);
    WCHAR szTemp[MAX_PATH] = {};
    WCHAR szOutput[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, szTemp);
    if (!::GetTempFileNameW(szTemp, L"zdv", 0, szOutput))
    {
        result.strOutput = "no temporary file for the child's output";
        return result;
    }

    SECURITY_ATTRIBUTES sa = { sizeof(sa), NULL, TRUE };
    HANDLE hOutput = ::CreateFileW(szOutput, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &sa,
                                   CREATE_ALWAYS, FILE_ATTRIBUTE_TEMPORARY, NULL);
    std::wstring strCommand = L"\"" + std::wstring(szExe) + L"\" --gtest_also_run_disabled_tests --gtest_filter=";
    for (const char* p = pszTestName; *p != '\0'; p++)
        strCommand += static_cast<wchar_t>(*p);

    STARTUPINFOW si = {};
    si.cb = sizeof(si);
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdOutput = hOutput;
    si.hStdError = hOutput;
    PROCESS_INFORMATION pi = {};
    std::vector<wchar_t> command(strCommand.begin(), strCommand.end());
    command.push_back(L'\0');
    // Without a console of its own the child has only the handles given here; a console host
    // started for it would hold on to this process's output and keep a test runner waiting.
    if (::CreateProcessW(NULL, command.data(), NULL, NULL, TRUE, DETACHED_PROCESS, NULL, NULL, &si, &pi))
    {
        // Bounded only so that a hung child cannot hang the whole run.
        if (::WaitForSingleObject(pi.hProcess, 120000) == WAIT_OBJECT_0)
            ::GetExitCodeProcess(pi.hProcess, &result.dwExitCode);
        else
        {
            ::TerminateProcess(pi.hProcess, 1);
            result.strOutput = "the child did not finish\n";
        }
        ::CloseHandle(pi.hThread);
        ::CloseHandle(pi.hProcess);
    }
    else
        result.strOutput = "the child could not be started\n";
    ::CloseHandle(hOutput);

    result.strOutput += ReadWholeFile(szOutput);
    ::DeleteFileW(szOutput);
    return result;
}

PFNDLLENTRYPOINT ModuleEntryPoint(HMODULE hModule)
{
    BYTE* pBase = reinterpret_cast<BYTE*>(hModule);
    const IMAGE_DOS_HEADER* pDosHeader = reinterpret_cast<const IMAGE_DOS_HEADER*>(pBase);
    const IMAGE_NT_HEADERS* pNtHeaders = reinterpret_cast<const IMAGE_NT_HEADERS*>(pBase + pDosHeader->e_lfanew);
    // Through an address: a data pointer cast straight to a function pointer does not build.
    ULONG_PTR nEntry = reinterpret_cast<ULONG_PTR>(pBase) + pNtHeaders->OptionalHeader.AddressOfEntryPoint;
    return reinterpret_cast<PFNDLLENTRYPOINT>(nEntry);
}
