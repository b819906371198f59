#include "MessageRecorder.h"

#include "MessagePump.h"

#include <algorithm>
#include <cstdio>

namespace zaduv_test
{
namespace
{
std::string Narrow(LPCWSTR lpsz)
{
    char sz[MAX_PATH * 3] = {};
    ::WideCharToMultiByte(CP_UTF8, 0, lpsz, -1, sz, sizeof(sz), NULL, NULL);
    return sz;
}

// Registered messages by their registered name (they share the atom table with clipboard
// formats); the rest by number, notification codes signed as the headers write them.
std::string MessageName(UINT message)
{
    WCHAR szName[128] = {};
    if (message >= 0xC000 && ::GetClipboardFormatNameW(message, szName, 128) > 0)
        return Narrow(szName);
    if (message == WM_NOTIFY)
        return "WM_NOTIFY";
    if (message == WM_COMMAND)
        return "WM_COMMAND";
    char sz[16];
    snprintf(sz, sizeof(sz), "0x%04x", message);
    return sz;
}

std::string Describe(UINT message, UINT nCode, UINT_PTR nID, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NOTIFY || message == WM_COMMAND)
        return MessageName(message) + " code=" + std::to_string(static_cast<int>(nCode)) + " id=" + std::to_string(nID);
    return MessageName(message) + " w=" + std::to_string(static_cast<long long>(wParam)) +
        " l=" + std::to_string(static_cast<long long>(lParam));
}
}

bool SExpectedMessage::Matches(const SRecordedMessage& msg) const
{
    if (msg.message != message)
        return false;
    if (message == WM_NOTIFY || message == WM_COMMAND)
        return !bParams || (msg.nCode == nCode && msg.nIDFrom == nIDFrom);
    return !bParams || (msg.wParam == wParam && msg.lParam == lParam);
}

BOOL CMessageRecorder::Attach(HWND hWnd, LPCSTR lpszName)
{
    if (!::IsWindow(hWnd) || m_windows.count(hWnd) != 0 ||
        !::SetWindowSubclass(hWnd, RecorderProc, reinterpret_cast<UINT_PTR>(this), reinterpret_cast<DWORD_PTR>(this)))
        return FALSE;
    m_windows[hWnd] = lpszName != NULL ? lpszName : "#" + std::to_string(::GetDlgCtrlID(hWnd));
    return TRUE;
}

void CMessageRecorder::Detach(HWND hWnd)
{
    if (m_windows.erase(hWnd) != 0 && ::IsWindow(hWnd))
        ::RemoveWindowSubclass(hWnd, RecorderProc, reinterpret_cast<UINT_PTR>(this));
}

void CMessageRecorder::DetachAll()
{
    while (!m_windows.empty())
        Detach(m_windows.begin()->first);
}

std::vector<SRecordedMessage> CMessageRecorder::GetMessages(HWND hWnd) const
{
    std::vector<SRecordedMessage> stream;
    std::copy_if(m_messages.begin(), m_messages.end(), std::back_inserter(stream),
        [hWnd](const SRecordedMessage& msg) { return msg.hWnd == hWnd; });
    return stream;
}

int CMessageRecorder::Count(UINT message) const
{
    return static_cast<int>(std::count_if(m_messages.begin(), m_messages.end(),
        [message](const SRecordedMessage& msg) { return msg.message == message; }));
}

std::string CMessageRecorder::GetWindowName(HWND hWnd) const
{
    auto it = m_windows.find(hWnd);
    return it != m_windows.end() ? it->second : "?";
}

void CMessageRecorder::Record(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    SRecordedMessage msg = { hWnd, message, wParam, lParam, 0, 0, NULL, 0 };
    if (message == WM_NOTIFY && m_bNotify && lParam != 0)
    {
        const NMHDR* pNMHDR = reinterpret_cast<const NMHDR*>(lParam);
        msg.nCode = pNMHDR->code;
        msg.nIDFrom = pNMHDR->idFrom;
        msg.hWndFrom = pNMHDR->hwndFrom;
        auto it = m_detailReaders.find(pNMHDR->code);
        if (it != m_detailReaders.end())
            msg.nDetail = it->second(pNMHDR);
    }
    else if (message == WM_COMMAND && m_bCommand)
    {
        msg.nCode = HIWORD(wParam);
        msg.nIDFrom = LOWORD(wParam);
        msg.hWndFrom = reinterpret_cast<HWND>(lParam);
    }
    else if (m_watched.count(message) == 0)
    {
        return;
    }
    m_messages.push_back(msg);
}

LRESULT CALLBACK CMessageRecorder::RecorderProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam,
    UINT_PTR, DWORD_PTR dwRefData)
{
    CMessageRecorder* pThis = reinterpret_cast<CMessageRecorder*>(dwRefData);
    if (message == WM_NCDESTROY)
        pThis->Detach(hWnd);
    else
        pThis->Record(hWnd, message, wParam, lParam);
    return ::DefSubclassProc(hWnd, message, wParam, lParam);
}

::testing::AssertionResult MatchMessages(const std::vector<SRecordedMessage>& actual,
    const std::vector<SExpectedMessage>& expected, const CMessageRecorder* pNames)
{
    bool bFailed = actual.size() != expected.size();
    std::string strRows;
    for (size_t i = 0; i < std::max(actual.size(), expected.size()); ++i)
    {
        const bool bMismatch = i >= actual.size() || i >= expected.size() || !expected[i].Matches(actual[i]);
        bFailed = bFailed || bMismatch;
        std::string strExpected = "(none)";
        std::string strActual = "(missing)";
        if (i < expected.size())
        {
            const SExpectedMessage& row = expected[i];
            strExpected = row.bParams ? Describe(row.message, row.nCode, row.nIDFrom, row.wParam, row.lParam)
                                      : MessageName(row.message);
        }
        if (i < actual.size())
        {
            const SRecordedMessage& msg = actual[i];
            strActual = Describe(msg.message, msg.nCode, msg.nIDFrom, msg.wParam, msg.lParam);
            if (pNames != NULL)
                strActual += " @" + pNames->GetWindowName(msg.hWnd);
        }
        strRows += (bMismatch ? "  > " : "    ") + std::to_string(i) + "  " + strExpected + "  |  " + strActual + "\n";
    }
    if (!bFailed)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "the messages differ from the expected sequence (" << expected.size()
        << " expected, " << actual.size() << " recorded; '>' marks the faults; expected | actual):\n" << strRows;
}

::testing::AssertionResult WaitForMessage(const CMessageRecorder& recorder, const SExpectedMessage& expected,
    DWORD nTimeoutMs)
{
    auto fnArrived = [&recorder, &expected] {
        const std::vector<SRecordedMessage>& messages = recorder.GetMessages();
        return std::any_of(messages.begin(), messages.end(),
            [&expected](const SRecordedMessage& msg) { return expected.Matches(msg); });
    };
    if (PumpUntil(fnArrived, nTimeoutMs))
        return ::testing::AssertionSuccess();
    return MatchMessages(recorder, { expected }) << "(waited " << nTimeoutMs << " ms for the first row)";
}
}
