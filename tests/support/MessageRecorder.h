#ifndef ZADUV_TESTS_MESSAGERECORDER_H
#define ZADUV_TESTS_MESSAGERECORDER_H
// The messages parent windows receive, recorded in arrival order, and checked against tables.
//   SRecordedMessage   one message as it arrived, WM_NOTIFY and WM_COMMAND unpacked
//   SExpectedMessage   one row of an expected table and the fields it compares
//   CMessageRecorder   subclasses windows and records WM_NOTIFY, WM_COMMAND and watched
//                      messages; one stream per window and a combined one
//   MatchMessages      compares a stream with a table; on failure a side-by-side dump
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

// The fields of a recorded message that an expected row compares besides the message number,
// which is always compared.
enum EMessageField : UINT
{
    MF_WPARAM = 0x01,
    MF_LPARAM = 0x02,
    MF_CODE = 0x04,
    MF_ID = 0x08,
    MF_FROM = 0x10,
    MF_WINDOW = 0x20,
    MF_DETAIL = 0x40,
};

struct SExpectedMessage
{
    UINT message;
    UINT nFields;           // EMessageField bits
    WPARAM wParam;
    LPARAM lParam;
    UINT nCode;
    UINT_PTR nIDFrom;
    HWND hWndFrom;
    HWND hWnd;
    INT_PTR nDetail;

    SExpectedMessage& WParam(WPARAM w);
    SExpectedMessage& LParam(LPARAM l);
    SExpectedMessage& From(HWND hWndControl);
    SExpectedMessage& To(HWND hWndReceiver);
    SExpectedMessage& Detail(INT_PTR n);

    bool Matches(const SRecordedMessage& msg) const;
};

SExpectedMessage ExpectMessage(UINT message);                                 // parameters not compared
SExpectedMessage ExpectMessage(UINT message, WPARAM wParam, LPARAM lParam);   // both compared
SExpectedMessage ExpectNotify(UINT nCode, UINT_PTR nIDFrom);                  // WM_NOTIFY
SExpectedMessage ExpectCommand(UINT nCode, UINT nID);                         // WM_COMMAND

class CMessageRecorder
{
public:
// Construction
    CMessageRecorder();
    ~CMessageRecorder();    // detaches from every window still alive

    // Records what hWnd receives from now on, under a name used in failure dumps.
    BOOL Attach(HWND hWnd, LPCSTR lpszName = NULL);
    BOOL Attach(const CWnd* pWnd, LPCSTR lpszName = NULL) { return Attach(pWnd->GetSafeHwnd(), lpszName); }
    void Detach(HWND hWnd);
    void DetachAll();

// Attributes
    // WM_NOTIFY and WM_COMMAND are recorded unless turned off; other messages once watched.
    void RecordNotify(BOOL bRecord) { m_bNotify = bRecord; }
    void RecordCommand(BOOL bRecord) { m_bCommand = bRecord; }
    void Watch(UINT message);
    // Leaves out notifications that only add noise to a case (NM_CUSTOMDRAW, tool tips...).
    void IgnoreNotify(UINT nCode);
    // Reads one value of a notification's own structure into SRecordedMessage::nDetail.
    void SetNotifyDetail(UINT nCode, std::function<INT_PTR(const NMHDR*)> fnRead);

    const std::vector<SRecordedMessage>& GetMessages() const { return m_messages; }
    std::vector<SRecordedMessage> GetMessages(HWND hWnd) const;
    int Count(UINT message) const;
    int CountNotify(UINT nCode) const;
    std::string GetWindowName(HWND hWnd) const;

// Operations
    void Clear() { m_messages.clear(); }

// Implementation
private:
    void Record(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK RecorderProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam,
        UINT_PTR uIdSubclass, DWORD_PTR dwRefData);

    std::map<HWND, std::string> m_windows;
    std::vector<SRecordedMessage> m_messages;
    std::set<UINT> m_watched;
    std::set<UINT> m_ignoredNotify;
    std::map<UINT, std::function<INT_PTR(const NMHDR*)>> m_detailReaders;
    BOOL m_bNotify;
    BOOL m_bCommand;

    CMessageRecorder(const CMessageRecorder&) = delete;
    CMessageRecorder& operator=(const CMessageRecorder&) = delete;
};

enum EMessageMatch
{
    MATCH_EXACT,            // the stream is the table, message for message
    MATCH_IN_ORDER,         // the table's rows appear in the stream in order; others may interleave
};

// The table forms the check macros accept: rows one by one, a braced list of rows, an array
// or a vector.
template <class... TRows>
std::vector<SExpectedMessage> ExpectedTable(const SExpectedMessage& row, const TRows&... rows)
{
    return std::vector<SExpectedMessage>{ row, rows... };
}
std::vector<SExpectedMessage> ExpectedTable(std::initializer_list<SExpectedMessage> rows);
std::vector<SExpectedMessage> ExpectedTable(const std::vector<SExpectedMessage>& rows);
template <size_t N>
std::vector<SExpectedMessage> ExpectedTable(const SExpectedMessage (&rows)[N])
{
    return std::vector<SExpectedMessage>(rows, rows + N);
}

::testing::AssertionResult MatchMessages(const std::vector<SRecordedMessage>& actual,
    const std::vector<SExpectedMessage>& expected, EMessageMatch match,
    const CMessageRecorder* pNames = NULL);
::testing::AssertionResult MatchMessages(const CMessageRecorder& recorder,
    const std::vector<SExpectedMessage>& expected, EMessageMatch match);

// Pumps messages until a message matching the row arrives or the time is up.
::testing::AssertionResult WaitForMessage(const CMessageRecorder& recorder, const SExpectedMessage& expected,
    DWORD nTimeoutMs);

// Readable names for dumps: the message (registered ones by their registered name) and the
// notification code.
std::string MessageName(UINT message);
std::string NotifyCodeName(UINT nCode);
}

// The stream (a recorder, or a vector from GetMessages(hWnd)) against the rows that follow.
#define EXPECT_MESSAGES(stream, ...) \
    EXPECT_TRUE(::zaduv_test::MatchMessages(stream, ::zaduv_test::ExpectedTable(__VA_ARGS__), \
        ::zaduv_test::MATCH_EXACT))
#define ASSERT_MESSAGES(stream, ...) \
    ASSERT_TRUE(::zaduv_test::MatchMessages(stream, ::zaduv_test::ExpectedTable(__VA_ARGS__), \
        ::zaduv_test::MATCH_EXACT))
#define EXPECT_MESSAGES_IN_ORDER(stream, ...) \
    EXPECT_TRUE(::zaduv_test::MatchMessages(stream, ::zaduv_test::ExpectedTable(__VA_ARGS__), \
        ::zaduv_test::MATCH_IN_ORDER))
#define ASSERT_MESSAGES_IN_ORDER(stream, ...) \
    ASSERT_TRUE(::zaduv_test::MatchMessages(stream, ::zaduv_test::ExpectedTable(__VA_ARGS__), \
        ::zaduv_test::MATCH_IN_ORDER))
#define EXPECT_MESSAGE_WITHIN(recorder, expected, timeoutMs) \
    EXPECT_TRUE(::zaduv_test::WaitForMessage(recorder, expected, timeoutMs))
#define ASSERT_MESSAGE_WITHIN(recorder, expected, timeoutMs) \
    ASSERT_TRUE(::zaduv_test::WaitForMessage(recorder, expected, timeoutMs))

#endif
