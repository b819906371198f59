#include "MessageRecorder.h"

#include "MessagePump.h"

#include <algorithm>
#include <cstdio>

namespace zaduv_test
{
namespace
{
std::string Hex(ULONGLONG n)
{
    char sz[32];
    snprintf(sz, sizeof(sz), "0x%llx", n);
    return sz;
}

std::string Narrow(LPCWSTR lpsz)
{
    int n = ::WideCharToMultiByte(CP_UTF8, 0, lpsz, -1, NULL, 0, NULL, NULL);
    std::string str(n > 0 ? n - 1 : 0, '\0');
    if (n > 1)
        ::WideCharToMultiByte(CP_UTF8, 0, lpsz, -1, &str[0], n, NULL, NULL);
    return str;
}

std::string Describe(const SRecordedMessage& msg, const CMessageRecorder* pNames)
{
    std::string str = MessageName(msg.message);
    if (msg.message == WM_NOTIFY)
        str += " " + NotifyCodeName(msg.nCode) + " id=" + std::to_string(msg.nIDFrom);
    else if (msg.message == WM_COMMAND)
        str += " code=" + std::to_string(msg.nCode) + " id=" + std::to_string(msg.nIDFrom);
    else
        str += " w=" + std::to_string(static_cast<long long>(msg.wParam)) +
               " l=" + std::to_string(static_cast<long long>(msg.lParam));
    if (msg.nDetail != 0)
        str += " detail=" + std::to_string(static_cast<long long>(msg.nDetail));
    if (pNames != NULL)
        str += " @" + pNames->GetWindowName(msg.hWnd);
    return str;
}

// Only the fields the row compares; the rest do not matter to it.
std::string Describe(const SExpectedMessage& row)
{
    std::string str = MessageName(row.message);
    if (row.nFields & MF_CODE)
        str += " " + (row.message == WM_NOTIFY ? NotifyCodeName(row.nCode) : "code=" + std::to_string(row.nCode));
    if (row.nFields & MF_ID)
        str += " id=" + std::to_string(row.nIDFrom);
    if (row.nFields & MF_WPARAM)
        str += " w=" + std::to_string(static_cast<long long>(row.wParam));
    if (row.nFields & MF_LPARAM)
        str += " l=" + std::to_string(static_cast<long long>(row.lParam));
    if (row.nFields & MF_FROM)
        str += " from=" + Hex(reinterpret_cast<UINT_PTR>(row.hWndFrom));
    if (row.nFields & MF_DETAIL)
        str += " detail=" + std::to_string(static_cast<long long>(row.nDetail));
    if (row.nFields & MF_WINDOW)
        str += " to=" + Hex(reinterpret_cast<UINT_PTR>(row.hWnd));
    return str;
}

std::string Pad(const std::string& str, size_t nWidth)
{
    return str.size() >= nWidth ? str : str + std::string(nWidth - str.size(), ' ');
}

struct SDumpRow
{
    int iExpected;          // -1: no expected row here
    int iActual;            // -1: nothing arrived for it
    bool bMismatch;
};

std::string Dump(const std::vector<SDumpRow>& rows, const std::vector<SRecordedMessage>& actual,
    const std::vector<SExpectedMessage>& expected, const CMessageRecorder* pNames)
{
    std::vector<std::pair<std::string, std::string>> cells;
    size_t nWidth = 8;
    for (const SDumpRow& row : rows)
    {
        std::string strLeft = row.iExpected >= 0
            ? std::to_string(row.iExpected) + "  " + Describe(expected[row.iExpected]) : "";
        std::string strRight = row.iActual >= 0
            ? std::to_string(row.iActual) + "  " + Describe(actual[row.iActual], pNames)
            : (row.iExpected >= 0 ? "(missing)" : "");
        nWidth = std::max(nWidth, strLeft.size());
        cells.emplace_back(strLeft, strRight);
    }
    std::string str = "    " + Pad("expected", nWidth) + " | actual\n";
    for (size_t i = 0; i < rows.size(); ++i)
        str += (rows[i].bMismatch ? "  > " : "    ") + Pad(cells[i].first, nWidth) + " | " + cells[i].second + "\n";
    return str;
}
}

SExpectedMessage& SExpectedMessage::WParam(WPARAM w)
{
    wParam = w;
    nFields |= MF_WPARAM;
    return *this;
}

SExpectedMessage& SExpectedMessage::LParam(LPARAM l)
{
    lParam = l;
    nFields |= MF_LPARAM;
    return *this;
}

SExpectedMessage& SExpectedMessage::From(HWND hWndControl)
{
    hWndFrom = hWndControl;
    nFields |= MF_FROM;
    return *this;
}

SExpectedMessage& SExpectedMessage::To(HWND hWndReceiver)
{
    hWnd = hWndReceiver;
    nFields |= MF_WINDOW;
    return *this;
}

SExpectedMessage& SExpectedMessage::Detail(INT_PTR n)
{
    nDetail = n;
    nFields |= MF_DETAIL;
    return *this;
}

bool SExpectedMessage::Matches(const SRecordedMessage& msg) const
{
    return msg.message == message &&
        (!(nFields & MF_WPARAM) || msg.wParam == wParam) &&
        (!(nFields & MF_LPARAM) || msg.lParam == lParam) &&
        (!(nFields & MF_CODE) || msg.nCode == nCode) &&
        (!(nFields & MF_ID) || msg.nIDFrom == nIDFrom) &&
        (!(nFields & MF_FROM) || msg.hWndFrom == hWndFrom) &&
        (!(nFields & MF_WINDOW) || msg.hWnd == hWnd) &&
        (!(nFields & MF_DETAIL) || msg.nDetail == nDetail);
}

SExpectedMessage ExpectMessage(UINT message)
{
    SExpectedMessage row = {};
    row.message = message;
    return row;
}

SExpectedMessage ExpectMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    return ExpectMessage(message).WParam(wParam).LParam(lParam);
}

SExpectedMessage ExpectNotify(UINT nCode, UINT_PTR nIDFrom)
{
    SExpectedMessage row = ExpectMessage(WM_NOTIFY);
    row.nCode = nCode;
    row.nIDFrom = nIDFrom;
    row.nFields = MF_CODE | MF_ID;
    return row;
}

SExpectedMessage ExpectCommand(UINT nCode, UINT nID)
{
    SExpectedMessage row = ExpectMessage(WM_COMMAND);
    row.nCode = nCode;
    row.nIDFrom = nID;
    row.nFields = MF_CODE | MF_ID;
    return row;
}

CMessageRecorder::CMessageRecorder()
    : m_bNotify(TRUE), m_bCommand(TRUE)
{
}

CMessageRecorder::~CMessageRecorder()
{
    DetachAll();
}

BOOL CMessageRecorder::Attach(HWND hWnd, LPCSTR lpszName)
{
    if (!::IsWindow(hWnd) || m_windows.count(hWnd) != 0)
        return FALSE;
    if (!::SetWindowSubclass(hWnd, RecorderProc, reinterpret_cast<UINT_PTR>(this),
            reinterpret_cast<DWORD_PTR>(this)))
        return FALSE;
    std::string strName;
    if (lpszName != NULL)
    {
        strName = lpszName;
    }
    else
    {
        WCHAR szClass[64] = {};
        ::GetClassNameW(hWnd, szClass, 64);
        strName = Narrow(szClass) + "#" + std::to_string(::GetDlgCtrlID(hWnd));
    }
    m_windows[hWnd] = strName;
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

void CMessageRecorder::Watch(UINT message)
{
    m_watched.insert(message);
}

void CMessageRecorder::IgnoreNotify(UINT nCode)
{
    m_ignoredNotify.insert(nCode);
}

void CMessageRecorder::SetNotifyDetail(UINT nCode, std::function<INT_PTR(const NMHDR*)> fnRead)
{
    m_detailReaders[nCode] = std::move(fnRead);
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

int CMessageRecorder::CountNotify(UINT nCode) const
{
    return static_cast<int>(std::count_if(m_messages.begin(), m_messages.end(),
        [nCode](const SRecordedMessage& msg) { return msg.message == WM_NOTIFY && msg.nCode == nCode; }));
}

std::string CMessageRecorder::GetWindowName(HWND hWnd) const
{
    auto it = m_windows.find(hWnd);
    return it != m_windows.end() ? it->second : Hex(reinterpret_cast<UINT_PTR>(hWnd));
}

void CMessageRecorder::Record(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    SRecordedMessage msg = { hWnd, message, wParam, lParam, 0, 0, NULL, 0 };
    if (message == WM_NOTIFY && m_bNotify && lParam != 0)
    {
        const NMHDR* pNMHDR = reinterpret_cast<const NMHDR*>(lParam);
        if (m_ignoredNotify.count(pNMHDR->code) != 0)
            return;
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

std::vector<SExpectedMessage> ExpectedTable(std::initializer_list<SExpectedMessage> rows)
{
    return std::vector<SExpectedMessage>(rows);
}

std::vector<SExpectedMessage> ExpectedTable(const std::vector<SExpectedMessage>& rows)
{
    return rows;
}

::testing::AssertionResult MatchMessages(const std::vector<SRecordedMessage>& actual,
    const std::vector<SExpectedMessage>& expected, EMessageMatch match, const CMessageRecorder* pNames)
{
    std::vector<SDumpRow> rows;
    bool bFailed = false;
    size_t iActual = 0;
    for (size_t iExpected = 0; iExpected < expected.size(); ++iExpected)
    {
        const SExpectedMessage& row = expected[iExpected];
        size_t iFound = iActual;
        if (match == MATCH_IN_ORDER)
        {
            while (iFound < actual.size() && !row.Matches(actual[iFound]))
                ++iFound;
            if (iFound == actual.size())
            {
                rows.push_back({ static_cast<int>(iExpected), -1, true });
                bFailed = true;
                continue;
            }
            for (; iActual < iFound; ++iActual)
                rows.push_back({ -1, static_cast<int>(iActual), false });
            rows.push_back({ static_cast<int>(iExpected), static_cast<int>(iFound), false });
            iActual = iFound + 1;
        }
        else if (iActual < actual.size())
        {
            bool bMatch = row.Matches(actual[iActual]);
            rows.push_back({ static_cast<int>(iExpected), static_cast<int>(iActual), !bMatch });
            bFailed = bFailed || !bMatch;
            ++iActual;
        }
        else
        {
            rows.push_back({ static_cast<int>(iExpected), -1, true });
            bFailed = true;
        }
    }
    for (; iActual < actual.size(); ++iActual)
    {
        // Extra messages only break an exact match.
        rows.push_back({ -1, static_cast<int>(iActual), match == MATCH_EXACT });
        bFailed = bFailed || match == MATCH_EXACT;
    }
    if (!bFailed)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
        << (match == MATCH_EXACT ? "the messages differ from the expected sequence"
                                 : "the expected messages did not all arrive in this order")
        << " (" << expected.size() << " expected, " << actual.size() << " recorded; '>' marks the faults):\n"
        << Dump(rows, actual, expected, pNames);
}

::testing::AssertionResult MatchMessages(const CMessageRecorder& recorder,
    const std::vector<SExpectedMessage>& expected, EMessageMatch match)
{
    return MatchMessages(recorder.GetMessages(), expected, match, &recorder);
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
    return MatchMessages(recorder, { expected }, MATCH_IN_ORDER)
        << "(waited " << nTimeoutMs << " ms)";
}

std::string MessageName(UINT message)
{
    static const struct { UINT message; const char* lpszName; } s_names[] = {
        { WM_NOTIFY, "WM_NOTIFY" }, { WM_COMMAND, "WM_COMMAND" }, { WM_TIMER, "WM_TIMER" },
        { WM_PAINT, "WM_PAINT" }, { WM_ERASEBKGND, "WM_ERASEBKGND" }, { WM_SIZE, "WM_SIZE" },
        { WM_MOVE, "WM_MOVE" }, { WM_SETFOCUS, "WM_SETFOCUS" }, { WM_KILLFOCUS, "WM_KILLFOCUS" },
        { WM_CTLCOLORSTATIC, "WM_CTLCOLORSTATIC" }, { WM_CTLCOLOREDIT, "WM_CTLCOLOREDIT" },
        { WM_CTLCOLORLISTBOX, "WM_CTLCOLORLISTBOX" }, { WM_CTLCOLORBTN, "WM_CTLCOLORBTN" },
        { WM_DRAWITEM, "WM_DRAWITEM" }, { WM_MEASUREITEM, "WM_MEASUREITEM" },
        { WM_PARENTNOTIFY, "WM_PARENTNOTIFY" }, { WM_SETCURSOR, "WM_SETCURSOR" },
        { WM_GETMINMAXINFO, "WM_GETMINMAXINFO" }, { WM_WINDOWPOSCHANGED, "WM_WINDOWPOSCHANGED" },
        { WM_HSCROLL, "WM_HSCROLL" }, { WM_VSCROLL, "WM_VSCROLL" }, { WM_CONTEXTMENU, "WM_CONTEXTMENU" },
        { WM_CLOSE, "WM_CLOSE" }, { WM_DESTROY, "WM_DESTROY" }, { WM_SETTEXT, "WM_SETTEXT" },
    };
    for (const auto& entry : s_names)
        if (entry.message == message)
            return entry.lpszName;
    if (message >= 0xC000 && message <= 0xFFFF)
    {
        // Registered messages share the atom table with clipboard formats.
        WCHAR szName[256] = {};
        if (::GetClipboardFormatNameW(message, szName, 256) > 0)
            return Narrow(szName);
    }
    if (message >= WM_APP && message < 0xC000)
        return "WM_APP+" + std::to_string(message - WM_APP);
    if (message >= WM_USER && message < WM_APP)
        return "WM_USER+" + std::to_string(message - WM_USER);
    return Hex(message);
}

std::string NotifyCodeName(UINT nCode)
{
    static const struct { UINT nCode; const char* lpszName; } s_names[] = {
        { NM_CLICK, "NM_CLICK" }, { NM_DBLCLK, "NM_DBLCLK" }, { NM_RCLICK, "NM_RCLICK" },
        { NM_RDBLCLK, "NM_RDBLCLK" }, { NM_RETURN, "NM_RETURN" }, { NM_SETFOCUS, "NM_SETFOCUS" },
        { NM_KILLFOCUS, "NM_KILLFOCUS" }, { NM_CUSTOMDRAW, "NM_CUSTOMDRAW" }, { NM_HOVER, "NM_HOVER" },
        { NM_RELEASEDCAPTURE, "NM_RELEASEDCAPTURE" }, { NM_TOOLTIPSCREATED, "NM_TOOLTIPSCREATED" },
        { LVN_ITEMCHANGING, "LVN_ITEMCHANGING" }, { LVN_ITEMCHANGED, "LVN_ITEMCHANGED" },
        { LVN_INSERTITEM, "LVN_INSERTITEM" }, { LVN_DELETEITEM, "LVN_DELETEITEM" },
        { LVN_DELETEALLITEMS, "LVN_DELETEALLITEMS" }, { LVN_COLUMNCLICK, "LVN_COLUMNCLICK" },
        { LVN_BEGINDRAG, "LVN_BEGINDRAG" }, { LVN_KEYDOWN, "LVN_KEYDOWN" },
        { LVN_GETDISPINFOW, "LVN_GETDISPINFO" }, { LVN_ITEMACTIVATE, "LVN_ITEMACTIVATE" },
        { LVN_HOTTRACK, "LVN_HOTTRACK" }, { LVN_GETINFOTIPW, "LVN_GETINFOTIP" },
        { HDN_ITEMCHANGINGW, "HDN_ITEMCHANGING" }, { HDN_ITEMCHANGEDW, "HDN_ITEMCHANGED" },
        { HDN_ITEMCLICKW, "HDN_ITEMCLICK" }, { HDN_ITEMDBLCLICKW, "HDN_ITEMDBLCLICK" },
        { HDN_DIVIDERDBLCLICKW, "HDN_DIVIDERDBLCLICK" }, { HDN_BEGINTRACKW, "HDN_BEGINTRACK" },
        { HDN_ENDTRACKW, "HDN_ENDTRACK" }, { HDN_TRACKW, "HDN_TRACK" },
        { HDN_ITEMCHANGINGA, "HDN_ITEMCHANGING(A)" }, { HDN_ITEMCHANGEDA, "HDN_ITEMCHANGED(A)" },
        { HDN_ITEMCLICKA, "HDN_ITEMCLICK(A)" }, { HDN_BEGINTRACKA, "HDN_BEGINTRACK(A)" },
        { HDN_ENDTRACKA, "HDN_ENDTRACK(A)" }, { HDN_TRACKA, "HDN_TRACK(A)" },
        { TTN_GETDISPINFOW, "TTN_GETDISPINFO" }, { TTN_SHOW, "TTN_SHOW" }, { TTN_POP, "TTN_POP" },
        { TBN_DROPDOWN, "TBN_DROPDOWN" }, { TBN_HOTITEMCHANGE, "TBN_HOTITEMCHANGE" },
    };
    for (const auto& entry : s_names)
        if (entry.nCode == nCode)
            return entry.lpszName;
    return "code=" + std::to_string(static_cast<int>(nCode));
}
}
