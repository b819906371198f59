#ifndef ZADUV_TESTS_MONKEY_GALLERYPROCESS_H
#define ZADUV_TESTS_MONKEY_GALLERYPROCESS_H
// CGalleryProcess: the gallery started by the monkey, seen from outside: its top-level windows,
// whether it still runs and answers, its page selector and the live object counts it reports.

#include <windows.h>
#include <cstdio>
#include <string>
#include <vector>

class CGalleryProcess
{
public:
    // In the order the gallery answers them.
    enum EObjectKind { OBJECTS_GDI, OBJECTS_USER, OBJECTS_IMAGE_LISTS, OBJECTS_BORROWED_DCS, OBJECTS_WINDOWS, OBJECT_KINDS };
    enum { kHangMs = 5000, kSelectorId = 100 };

    ~CGalleryProcess()
    {
        DWORD nExitCode = 0;
        if (m_process.hProcess != NULL && IsRunning(0, nExitCode))
        {
            ::PostMessageW(m_hWndFrame, WM_CLOSE, 0, 0);
            if (IsRunning(10000, nExitCode))
                ::TerminateProcess(m_process.hProcess, 1);
        }
        if (m_process.hProcess != NULL)
            ::CloseHandle(m_process.hProcess), ::CloseHandle(m_process.hThread);
    }

    // Starts the gallery beside this program with --monkey and waits for its window.
    bool Start()
    {
        wchar_t szPath[MAX_PATH];
        DWORD nLength = ::GetModuleFileNameW(NULL, szPath, MAX_PATH);
        while (nLength > 0 && szPath[nLength - 1] != L'\\' && szPath[nLength - 1] != L'/')
            --nLength;
        std::wstring strCommand = L"\"" + std::wstring(szPath, nLength) + L"zaduv_gallery.exe\" --monkey";
        // The links of the controls page open their targets through the shell: it gets no
        // browser to start, so that clicks stay inside the gallery.
        wchar_t szOverrides[400] = L"";
        ::GetEnvironmentVariableW(L"WINEDLLOVERRIDES", szOverrides, 300);
        ::SetEnvironmentVariableW(L"WINEDLLOVERRIDES", (std::wstring(szOverrides) + L";winebrowser.exe=d").c_str());
        STARTUPINFOW si = { sizeof(si) };
        if (!::CreateProcessW(NULL, &strCommand[0], NULL, NULL, FALSE, 0, NULL, NULL, &si, &m_process))
            return false;
        ::WaitForInputIdle(m_process.hProcess, 30000);
        DWORD nExitCode = 0, nProcessId = 0;
        for (int nTry = 0; nTry < 300 && nProcessId != m_process.dwProcessId && IsRunning(100, nExitCode); ++nTry)
        {
            m_hWndFrame = ::FindWindowW(NULL, L"ZaDUV gallery");
            ::GetWindowThreadProcessId(m_hWndFrame, &nProcessId);
        }
        m_hWndSelector = ::GetDlgItem(m_hWndFrame, kSelectorId);
        return m_hWndSelector != NULL;
    }

    HWND GetFrame() const { return m_hWndFrame; }
    HWND GetSelector() const { return m_hWndSelector; }
    int GetPageCount() const { return static_cast<int>(Ask(m_hWndSelector, LB_GETCOUNT)); }
    int GetCurrentPage() const { return static_cast<int>(Ask(m_hWndSelector, LB_GETCURSEL)); }
    int GetTopPage() const { return static_cast<int>(Ask(m_hWndSelector, LB_GETTOPINDEX)); }

    // The frame's one child beside the selector.
    HWND GetPage() const
    {
        HWND hWnd = ::GetWindow(m_hWndFrame, GW_CHILD);
        return hWnd == m_hWndSelector ? ::GetWindow(hWnd, GW_HWNDNEXT) : hWnd;
    }

    // Visible top-level windows of the gallery besides its frame (dialogs, message boxes,
    // floating bars, drop-downs, tips), or with hWndParent, its visible windows at any depth.
    std::vector<HWND> GetVisibleWindows(HWND hWndParent = NULL) const
    {
        std::pair<const CGalleryProcess*, std::vector<HWND>> search(this, {});
        if (hWndParent == NULL)
            ::EnumWindows(&CollectWindow, reinterpret_cast<LPARAM>(&search));
        else
            ::EnumChildWindows(hWndParent, &CollectWindow, reinterpret_cast<LPARAM>(&search));
        return search.second;
    }

    // Waits up to nMs for the gallery to end; false and the exit code once it has.
    bool IsRunning(DWORD nMs, DWORD& nExitCode) const
    {
        if (::WaitForSingleObject(m_process.hProcess, nMs) != WAIT_OBJECT_0)
            return true;
        ::GetExitCodeProcess(m_process.hProcess, &nExitCode);
        return false;
    }

    // The gallery's windows share one thread: when the frame does not answer within kHangMs,
    // none does.
    bool IsHung() const { return Ask(m_hWndFrame, WM_NULL) != 0; }

    // What the gallery's counter reports, -1 where it counts nothing.
    long GetLiveObjects(EObjectKind kind) const { return static_cast<long>(Ask(m_hWndFrame, m_nMsgLiveObjects, kind)); }

private:
    // Every question has its time limit, so that a gallery that hangs cannot hang the monkey;
    // -1 when it goes unanswered.
    static LRESULT Ask(HWND hWnd, UINT nMsg, WPARAM wParam = 0)
    {
        DWORD_PTR nResult = 0;
        return ::SendMessageTimeoutW(hWnd, nMsg, wParam, 0, SMTO_NORMAL, kHangMs, &nResult) != 0 ? static_cast<LRESULT>(nResult) : -1;
    }

    static BOOL CALLBACK CollectWindow(HWND hWnd, LPARAM lParam)
    {
        auto* pSearch = reinterpret_cast<std::pair<const CGalleryProcess*, std::vector<HWND>>*>(lParam);
        DWORD nProcessId = 0;
        ::GetWindowThreadProcessId(hWnd, &nProcessId);
        if (nProcessId == pSearch->first->m_process.dwProcessId && hWnd != pSearch->first->m_hWndFrame && ::IsWindowVisible(hWnd))
            pSearch->second.push_back(hWnd);
        return TRUE;
    }

    PROCESS_INFORMATION m_process = {};
    HWND m_hWndFrame = NULL;
    HWND m_hWndSelector = NULL;
    const UINT m_nMsgLiveObjects = ::RegisterWindowMessageW(L"ZaDUV.Gallery.LiveGuiObjects");
};

inline std::string DescribeWindow(HWND hWnd)
{
    char szClass[64] = "", szTitle[64] = "", szText[200];
    ::GetClassNameA(hWnd, szClass, sizeof(szClass));
    ::GetWindowTextA(hWnd, szTitle, sizeof(szTitle));
    snprintf(szText, sizeof(szText), "%p %s \"%s\"", static_cast<void*>(hWnd), szClass, szTitle);
    return szText;
}

#endif
