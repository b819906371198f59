#ifndef ZADUV_TESTS_MESSAGERECORDER_H
#define ZADUV_TESTS_MESSAGERECORDER_H
// The messages parent windows receive, recorded in arrival order, and checked against tables.
//   SRecordedMessage   one message as it arrived, WM_NOTIFY and WM_COMMAND unpacked
//   SExpectedMessage   one row of an expected table
//   CMessageRecorder   subclasses windows and records WM_NOTIFY, WM_COMMAND and watched messages
// Every case: Clear(), act, check.
//
//     recorder.Attach(&host);
//     recorder.Watch(WM_XLISTCTRL_CHECKBOX_CLICKED);
//     recorder.Clear();
//     ...click...
//     EXPECT_MESSAGES(recorder, ExpectMessage(WM_XLISTCTRL_CHECKBOX_CLICKED, 2, 1));

#include <afxwin.h>
#include <gtest/gtest.h>
#include <functional>
#include <initializer_list>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace zaduv_test
{
struct SRecordedMessage
{
    HWND hWnd;              // the window that received the message
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    UINT nCode;             // WM_NOTIFY: NMHDR::code; WM_COMMAND: HIWORD(wParam); else 0
    UINT_PTR nIDFrom;       // WM_NOTIFY: NMHDR::idFrom; WM_COMMAND: LOWORD(wParam); else 0
    HWND hWndFrom;          // WM_NOTIFY: NMHDR::hwndFrom; WM_COMMAND: the control; else NULL
    INT_PTR nDetail;        // what the recorder's detail reader took from the notification
};

// WM_NOTIFY and WM_COMMAND rows compare code and id; other rows their parameters, when given.
struct SExpectedMessage
{
    UINT message;
    bool bParams;
    WPARAM wParam;
    LPARAM lParam;
    UINT nCode;
    UINT_PTR nIDFrom;

    bool Matches(const SRecordedMessage& msg) const;
};

inline SExpectedMessage ExpectMessage(UINT message) { return { message, false, 0, 0, 0, 0 }; }
inline SExpectedMessage ExpectMessage(UINT message, WPARAM wParam, LPARAM lParam) { return { message, true, wParam, lParam, 0, 0 }; }
inline SExpectedMessage ExpectNotify(UINT nCode, UINT_PTR nIDFrom) { return { WM_NOTIFY, true, 0, 0, nCode, nIDFrom }; }
inline SExpectedMessage ExpectCommand(UINT nCode, UINT nID) { return { WM_COMMAND, true, 0, 0, nCode, nID }; }

class CMessageRecorder
{
public:
    CMessageRecorder() {}
    ~CMessageRecorder() { DetachAll(); }

    // Records what hWnd receives from now on.
    BOOL Attach(HWND hWnd, LPCSTR lpszName = NULL);
    BOOL Attach(const CWnd* pWnd, LPCSTR lpszName = NULL) { return Attach(pWnd->GetSafeHwnd(), lpszName); }
    void Detach(HWND hWnd);
    void DetachAll();

    // WM_NOTIFY and WM_COMMAND are recorded unless turned off; other messages once watched.
    void RecordNotify(BOOL bRecord) { m_bNotify = bRecord; }
    void RecordCommand(BOOL bRecord) { m_bCommand = bRecord; }
    void Watch(UINT message) { m_watched.insert(message); }
    // Reads one value of a notification's own structure into SRecordedMessage::nDetail.
    void SetNotifyDetail(UINT nCode, std::function<INT_PTR(const NMHDR*)> fnRead) { m_detailReaders[nCode] = fnRead; }

    const std::vector<SRecordedMessage>& GetMessages() const { return m_messages; }
    std::string GetWindowName(HWND hWnd) const;
    std::vector<SRecordedMessage> GetMessages(HWND hWnd) const;
    int Count(UINT message) const;
    void Clear() { m_messages.clear(); }

private:
    void Record(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK RecorderProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam,
        UINT_PTR uIdSubclass, DWORD_PTR dwRefData);

    std::map<HWND, std::string> m_windows;     // with the names failure listings use
    std::vector<SRecordedMessage> m_messages;
    std::set<UINT> m_watched;
    std::map<UINT, std::function<INT_PTR(const NMHDR*)>> m_detailReaders;
    BOOL m_bNotify = TRUE;
    BOOL m_bCommand = TRUE;

    CMessageRecorder(const CMessageRecorder&) = delete;
    CMessageRecorder& operator=(const CMessageRecorder&) = delete;
};

// The table forms the check macros accept: rows one by one, a braced list of rows or a vector.
template <class... TRows>
std::vector<SExpectedMessage> ExpectedTable(const SExpectedMessage& row, const TRows&... rows)
{
    return std::vector<SExpectedMessage>{ row, rows... };
}
inline std::vector<SExpectedMessage> ExpectedTable(std::initializer_list<SExpectedMessage> rows) { return rows; }
inline std::vector<SExpectedMessage> ExpectedTable(const std::vector<SExpectedMessage>& rows) { return rows; }

// The stream is the table, message for message; on failure both are listed side by side.
::testing::AssertionResult MatchMessages(const std::vector<SRecordedMessage>& actual,
    const std::vector<SExpectedMessage>& expected, const CMessageRecorder* pNames = NULL);
inline ::testing::AssertionResult MatchMessages(const CMessageRecorder& recorder,
    const std::vector<SExpectedMessage>& expected)
{
    return MatchMessages(recorder.GetMessages(), expected, &recorder);
}

// Pumps messages until a message matching the row arrives or the time is up.
::testing::AssertionResult WaitForMessage(const CMessageRecorder& recorder, const SExpectedMessage& expected,
    DWORD nTimeoutMs);
}

// The stream (a recorder, or a vector from GetMessages(hWnd)) against the rows that follow.
#define EXPECT_MESSAGES(stream, ...) \
    EXPECT_TRUE(::zaduv_test::MatchMessages(stream, ::zaduv_test::ExpectedTable(__VA_ARGS__)))
#define ASSERT_MESSAGE_WITHIN(recorder, expected, timeoutMs) \
    ASSERT_TRUE(::zaduv_test::WaitForMessage(recorder, expected, timeoutMs))

#endif
