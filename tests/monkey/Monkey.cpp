// The monkey: drives the gallery with seeded random real input (clicks, drags, keys, typing,
// resizes, wheel) page after page for a set time, and fails on a crash, a hang or a rising
// count of live GDI, USER or window objects. MONKEY_SEED replays a run's choices, MONKEY_SECONDS
// sets its length (10 minutes by default), MONKEY_TRACE prints every action as it happens.

#include "GalleryProcess.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <map>
#include <random>
#include <string>

namespace
{
const DWORD kPaceMs = 40;           // between the steps of one action, and after each action
const int kForeignMaxAge = 20;      // actions a dialog, message box or floating bar may stay open
const int kSelectorItemHeight = 30;
const size_t kLogLength = 50;
const char* const OBJECT_KIND_NAMES[CGalleryProcess::OBJECT_KINDS] = { "GDI", "USER", "image list", "borrowed DC", "window" };

enum EAction { ACT_CLICK, ACT_DOUBLE_CLICK, ACT_RIGHT_CLICK, ACT_DRAG, ACT_WHEEL, ACT_KEY, ACT_TYPE, ACT_RESIZE, ACT_IDLE };
const int ACTION_WEIGHTS[] = { 30, 6, 5, 10, 8, 20, 10, 3, 4 };

struct SKey
{
    WORD vkModifier;
    WORD vk;
    const char* lpszName;
};

// Keys a user presses on controls and dialogs. No Alt, F10 or Ctrl+F4: they reach the frame's
// system menu, whose Close would end the gallery as a user ends it, not as a fault does.
const SKey KEYS[] = {
    { 0, VK_LEFT, "Left" }, { 0, VK_RIGHT, "Right" }, { 0, VK_UP, "Up" }, { 0, VK_DOWN, "Down" },
    { 0, VK_HOME, "Home" }, { 0, VK_END, "End" }, { 0, VK_PRIOR, "PageUp" }, { 0, VK_NEXT, "PageDown" },
    { 0, VK_TAB, "Tab" }, { VK_SHIFT, VK_TAB, "Shift+Tab" }, { 0, VK_SPACE, "Space" },
    { 0, VK_RETURN, "Enter" }, { 0, VK_ESCAPE, "Escape" }, { 0, VK_DELETE, "Delete" },
    { 0, VK_BACK, "Backspace" }, { 0, VK_F2, "F2" }, { 0, VK_F4, "F4" }, { VK_CONTROL, 'A', "Ctrl+A" },
    { VK_SHIFT, VK_DOWN, "Shift+Down" }, { VK_CONTROL, VK_END, "Ctrl+End" }, { 0, VK_ADD, "Num+" },
};
}

class CMonkey
{
public:
    typedef std::array<long, CGalleryProcess::OBJECT_KINDS> SCounts;

    CMonkey(unsigned nSeed, int nSeconds)
        : m_rng(nSeed), m_nSeed(nSeed), m_nSeconds(nSeconds) {}

    // 0 when the gallery came through the whole run, 1 otherwise.
    int Run()
    {
        if (!m_gallery.Start())
            return Fail("the gallery did not start"), 1;
        const int nPages = m_gallery.GetPageCount();
        m_visits.assign(nPages, 0);
        ::SetForegroundWindow(m_gallery.GetFrame());
        const ULONGLONG tEnd = ::GetTickCount64() + static_cast<ULONGLONG>(m_nSeconds) * 1000;
        std::vector<int> order(nPages);
        while (!m_bFailed && ::GetTickCount64() < tEnd)
        {
            // Every page once a round, in an order of the seed's choosing, each visit ending
            // in a quiet point.
            for (int i = 0; i < nPages; ++i)
                order[i] = i;
            std::shuffle(order.begin(), order.end(), m_rng);
            for (int i = 0; i < nPages && !m_bFailed && ::GetTickCount64() < tEnd; ++i)
            {
                if (VisitPage(order[i], Random(10, 30)))
                    SampleCounts();
            }
        }
        if (!m_bFailed && !CheckGrowth())
            Fail("live objects grew over the run");
        Summarise();
        return m_bFailed ? 1 : 0;
    }

private:
    // One visit: the page shown from the selector, a first click into it to take the focus from
    // the selector, random actions, and what they left open closed.
    bool VisitPage(int nPage, int nActions)
    {
        if (!ShowPage(nPage))
            return false;
        ++m_visits[nPage];
        Act(ACT_CLICK);
        for (int n = 0; n < nActions && Settle(kPaceMs); ++n)
        {
            CloseForeignWindows(kForeignMaxAge);
            Act(static_cast<EAction>(m_pickAction(m_rng)));
        }
        CloseForeignWindows(0);
        return ShowPage(0);
    }

    void Act(EAction action)
    {
        RECT rect;
        const HWND hWndTarget = PickTarget(rect);
        const POINT pt = RandomPoint(rect), ptTo = RandomPoint(rect);
        switch (action)
        {
        case ACT_CLICK:
        case ACT_DOUBLE_CLICK:
        case ACT_RIGHT_CLICK:
            Log("%s (%ld,%ld) on %s", action == ACT_CLICK ? "click" : action == ACT_DOUBLE_CLICK ? "double click" : "right click",
                pt.x, pt.y, DescribeWindow(::WindowFromPoint(pt)).c_str());
            MoveTo(pt);
            for (int i = action == ACT_DOUBLE_CLICK ? 2 : 1; i > 0; --i)
                Press(action == ACT_RIGHT_CLICK ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN);
            break;
        case ACT_DRAG:
            // Toolbars torn off, header dividers and dialog edges pulled, list rows swept.
            Log("drag (%ld,%ld)-(%ld,%ld) from %s", pt.x, pt.y, ptTo.x, ptTo.y, DescribeWindow(::WindowFromPoint(pt)).c_str());
            Drag(pt, ptTo);
            break;
        case ACT_WHEEL:
        {
            const int nNotches = Random(-3, 3);
            Log("wheel %d at (%ld,%ld) on %s", nNotches, pt.x, pt.y, DescribeWindow(::WindowFromPoint(pt)).c_str());
            MoveTo(pt);
            Mouse(MOUSEEVENTF_WHEEL, static_cast<DWORD>(nNotches * WHEEL_DELTA));
            break;
        }
        case ACT_KEY:
        {
            const SKey& key = KEYS[Random(0, _countof(KEYS) - 1)];
            GUITHREADINFO info = { sizeof(info) };
            ::GetGUIThreadInfo(0, &info);
            Log("key %s to %s", key.lpszName, DescribeWindow(info.hwndFocus).c_str());
            Chord(key.vkModifier, key.vk);
            break;
        }
        case ACT_TYPE:
            Type();
            break;
        case ACT_RESIZE:
            Resize(hWndTarget == m_gallery.GetPage() ? m_gallery.GetFrame() : ::GetAncestor(hWndTarget, GA_ROOT));
            break;
        case ACT_IDLE:
        {
            // Hands off: the filter's delay, the fader's steps and the tips' timers run.
            const int nMs = Random(200, 1500);
            Log("idle %d ms", nMs);
            Settle(nMs);
            break;
        }
        }
    }

    // Letters, digits and spaces as a user types a name or a filter, now and then a capital.
    void Type()
    {
        static const char CHARS[] = "abcdefghijklmnopqrstuvwxyz0123456789  ";
        std::string strText;
        for (int n = Random(1, 8); n > 0; --n)
            strText += CHARS[Random(0, sizeof(CHARS) - 2)];
        Log("type \"%s\"", strText.c_str());
        for (char ch : strText)
            Chord(Random(0, 9) == 0 ? VK_SHIFT : 0, ch == ' ' ? VK_SPACE : static_cast<WORD>(toupper(ch)));
    }

    // The bottom-right corner pulled through the window's own sizing border; the frame stays
    // large enough to show a page, and everything stays on the screen.
    void Resize(HWND hWnd)
    {
        RECT rect;
        ::GetWindowRect(hWnd, &rect);
        const POINT ptFrom = { rect.right - 2, rect.bottom - 2 };
        POINT ptTo = { ptFrom.x + Random(-150, 150), ptFrom.y + Random(-120, 120) };
        if (hWnd == m_gallery.GetFrame())
            ptTo = { std::max<long>(ptTo.x, rect.left + 640), std::max<long>(ptTo.y, rect.top + 420) };
        ptTo = RandomPoint({ ptTo.x, ptTo.y, ptTo.x, ptTo.y });
        Log("resize %s: corner (%ld,%ld)-(%ld,%ld)", DescribeWindow(hWnd).c_str(), ptFrom.x, ptFrom.y, ptTo.x, ptTo.y);
        Drag(ptFrom, ptTo);
    }

    // Mostly the page; when a dialog, a floating bar or a drop-down is open, often that window
    // (the whole window: captions and borders are where users drag). Half of the time one of
    // the controls inside, so that small buttons and links get their share of the clicks.
    HWND PickTarget(RECT& rect)
    {
        const std::vector<HWND> windows = m_gallery.GetVisibleWindows();
        HWND hWnd = m_gallery.GetPage();
        if (!windows.empty() && Random(0, 1) == 0)
            hWnd = windows[Random(0, static_cast<int>(windows.size()) - 1)];
        const std::vector<HWND> children = m_gallery.GetVisibleWindows(hWnd);
        if (!children.empty() && Random(0, 1) == 0)
            hWnd = children[Random(0, static_cast<int>(children.size()) - 1)];
        if (hWnd != m_gallery.GetPage())
            return ::GetWindowRect(hWnd, &rect), hWnd;
        ::GetClientRect(hWnd, &rect);
        ::MapWindowPoints(hWnd, NULL, reinterpret_cast<POINT*>(&rect), 2);
        return hWnd;
    }

    // A point of the rectangle, on the screen.
    POINT RandomPoint(const RECT& rect)
    {
        const long x = Random(rect.left, std::max(rect.left, rect.right - 1));
        const long y = Random(rect.top, std::max(rect.top, rect.bottom - 1));
        return { std::min<long>(std::max<long>(x, 0), ::GetSystemMetrics(SM_CXSCREEN) - 1),
                 std::min<long>(std::max<long>(y, 0), ::GetSystemMetrics(SM_CYSCREEN) - 1) };
    }

    int Random(int nLow, int nHigh) { return std::uniform_int_distribution<int>(nLow, nHigh)(m_rng); }

    // Real input, in screen coordinates.
    void MoveTo(POINT pt)
    {
        const int cx = ::GetSystemMetrics(SM_CXSCREEN), cy = ::GetSystemMetrics(SM_CYSCREEN);
        Mouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, 0, (pt.x * 65536 + cx / 2) / cx, (pt.y * 65536 + cy / 2) / cy);
    }

    void Mouse(DWORD dwFlags, DWORD dwData = 0, LONG dx = 0, LONG dy = 0)
    {
        INPUT input = { INPUT_MOUSE };
        input.mi = { dx, dy, dwData, dwFlags, 0, 0 };
        ::SendInput(1, &input, sizeof(input));
    }

    // A button down and up again (the up flag of each button is its down flag doubled).
    void Press(DWORD dwDown)
    {
        Mouse(dwDown);
        Mouse(dwDown * 2);
    }

    void Drag(POINT ptFrom, POINT ptTo)
    {
        MoveTo(ptFrom);
        Mouse(MOUSEEVENTF_LEFTDOWN);
        const int nSteps = Random(2, 6);
        for (int i = 1; i <= nSteps && Settle(kPaceMs / 2); ++i)
            MoveTo({ ptFrom.x + (ptTo.x - ptFrom.x) * i / nSteps, ptFrom.y + (ptTo.y - ptFrom.y) * i / nSteps });
        Mouse(MOUSEEVENTF_LEFTUP);
    }

    void Key(WORD vk, bool bUp)
    {
        const bool bExtended = (vk >= VK_PRIOR && vk <= VK_DOWN) || vk == VK_DELETE;
        INPUT input = { INPUT_KEYBOARD };
        input.ki = { vk, static_cast<WORD>(::MapVirtualKeyW(vk, MAPVK_VK_TO_VSC)),
            static_cast<DWORD>((bUp ? KEYEVENTF_KEYUP : 0) | (bExtended ? KEYEVENTF_EXTENDEDKEY : 0)), 0, 0 };
        ::SendInput(1, &input, sizeof(input));
    }

    void Chord(WORD vkModifier, WORD vk)
    {
        if (vkModifier != 0)
            Key(vkModifier, false);
        Key(vk, false);
        Key(vk, true);
        if (vkModifier != 0)
            Key(vkModifier, true);
    }

    // A click on the page's line in the selector, as a user picks a page.
    bool ShowPage(int nPage)
    {
        for (int nTry = 0; nTry < 3 && !m_bFailed && m_gallery.GetCurrentPage() != nPage; ++nTry)
        {
            CloseForeignWindows(0);
            RECT rect;
            ::GetWindowRect(m_gallery.GetSelector(), &rect);
            const int nRow = nPage - m_gallery.GetTopPage();
            const POINT pt = { rect.left + 60, rect.top + nRow * kSelectorItemHeight + kSelectorItemHeight / 2 };
            Log("show page %d: click (%ld,%ld)", nPage, pt.x, pt.y);
            MoveTo(pt);
            Press(MOUSEEVENTF_LEFTDOWN);
            Settle(4 * kPaceMs);
        }
        return !m_bFailed && (m_gallery.GetCurrentPage() == nPage || Fail("the page selector does not answer"));
    }

    // Dialogs, message boxes and floating bars' frames (windows with a caption) that random
    // input opened and left open for nMaxAge actions: Escape first, as a user would, then the
    // window is told to close. Popups without a caption (tips, drop-downs) belong to their
    // controls and are left to them.
    void CloseForeignWindows(int nMaxAge)
    {
        std::map<HWND, int> ages;
        for (HWND hWnd : m_gallery.GetVisibleWindows())
        {
            if ((::GetWindowLongW(hWnd, GWL_STYLE) & WS_CAPTION) != WS_CAPTION)
                continue;
            if ((ages[hWnd] = m_foreignAge[hWnd] + 1) <= nMaxAge)
                continue;
            Log("close %s", DescribeWindow(hWnd).c_str());
            ::SetForegroundWindow(hWnd);
            Chord(0, VK_ESCAPE);
            if (Settle(2 * kPaceMs) && ::IsWindowVisible(hWnd))
                ::PostMessageW(hWnd, WM_CLOSE, 0, 0);
            Settle(2 * kPaceMs);
        }
        m_foreignAge.swap(ages);
    }

    // Gives the gallery nMs to work through the input, then checks that it runs and answers. A
    // crash that waits behind a debugger's dialog (not in the project's prefix, which prints
    // the backtrace and ends the program) leaves the windows unanswered and shows as a hang.
    bool Settle(DWORD nMs)
    {
        DWORD nExitCode = 0;
        if (m_bFailed)
            return false;
        if (!m_gallery.IsRunning(nMs, nExitCode))
        {
            char szReason[64];
            snprintf(szReason, sizeof(szReason), "the gallery ended (exit code 0x%lx)", nExitCode);
            return Fail(szReason);
        }
        return !m_gallery.IsHung() || Fail("the gallery stopped answering");
    }

    // A quiet point: the first page freshly shown, nothing open, the pointer resting on the
    // selector's empty part, the input worked through.
    void SampleCounts()
    {
        RECT rect;
        ::GetWindowRect(m_gallery.GetSelector(), &rect);
        MoveTo({ rect.left + 20, rect.bottom - 20 });
        if (!Settle(10 * kPaceMs))
            return;
        SCounts counts;
        for (int nKind = 0; nKind < CGalleryProcess::OBJECT_KINDS; ++nKind)
            counts[nKind] = m_gallery.GetLiveObjects(static_cast<CGalleryProcess::EObjectKind>(nKind));
        m_samples.push_back(counts);
        Log("quiet point: %ld GDI, %ld USER, %ld image lists, %ld borrowed DCs, %ld windows", counts[0], counts[1],
            counts[2], counts[3], counts[4]);
    }

    // Growth is a rising floor, not a peak: a tip still showing or a cache filled late comes
    // and goes, a leak stays. The baseline is the highest count at the quiet points of the
    // first round (everything a page makes once per process exists by then); the run fails
    // when even the lowest count of its last round lies above it by more than a few objects
    // and a percent.
    bool CheckGrowth() const
    {
        const size_t nRound = m_visits.size();
        if (m_samples.size() < 2 * nRound || m_samples.front()[0] < 0)
        {
            printf("monkey: growth not judged: %s\n", m_samples.empty() || m_samples.front()[0] >= 0
                ? "fewer than two rounds of quiet points" : "the gallery counts no objects");
            return true;
        }
        bool bFlat = true;
        for (int nKind = 0; nKind < CGalleryProcess::OBJECT_KINDS; ++nKind)
        {
            long nBaseline = 0, nFloor = LONG_MAX;
            for (size_t i = 0; i < nRound; ++i)
                nBaseline = std::max(nBaseline, m_samples[i][nKind]);
            for (size_t i = m_samples.size() - nRound; i < m_samples.size(); ++i)
                nFloor = std::min(nFloor, m_samples[i][nKind]);
            const long nTolerance = 8 + nBaseline / 100;
            printf("monkey: %s objects: first round's peak %ld, last round's floor %ld, tolerance %ld\n",
                OBJECT_KIND_NAMES[nKind], nBaseline, nFloor, nTolerance);
            bFlat = bFlat && nFloor <= nBaseline + nTolerance;
        }
        return bFlat;
    }

    void Summarise() const
    {
        printf("monkey: %ld actions, seed %u, visits per page:", m_nActions, m_nSeed);
        for (int nVisits : m_visits)
            printf(" %d", nVisits);
        printf("\nmonkey: %zu quiet points; %s\n", m_samples.size(), m_bFailed ? "FAILED" : "passed");
    }

    void Log(const char* lpszFormat, ...)
    {
        char szText[400];
        const int nLength = snprintf(szText, sizeof(szText), "#%ld page %d: ", ++m_nActions, m_gallery.GetCurrentPage());
        va_list args;
        va_start(args, lpszFormat);
        vsnprintf(szText + nLength, sizeof(szText) - nLength, lpszFormat, args);
        va_end(args);
        if (m_bTrace)
            printf("%s\n", szText);
        m_log.push_back(szText);
        if (m_log.size() > kLogLength)
            m_log.pop_front();
    }

    bool Fail(const std::string& strReason)
    {
        m_bFailed = true;
        printf("monkey: FAILED: %s\nmonkey: replay with MONKEY_SEED=%u; the last %zu actions:\n", strReason.c_str(),
            m_nSeed, m_log.size());
        for (const std::string& strLine : m_log)
            printf("  %s\n", strLine.c_str());
        fflush(stdout);
        return false;
    }

    std::mt19937 m_rng;
    std::discrete_distribution<int> m_pickAction{ std::begin(ACTION_WEIGHTS), std::end(ACTION_WEIGHTS) };
    unsigned m_nSeed;
    int m_nSeconds;
    CGalleryProcess m_gallery;
    std::deque<std::string> m_log;      // the last kLogLength actions
    std::map<HWND, int> m_foreignAge;   // actions each captioned foreign window has been open for
    std::vector<SCounts> m_samples;     // live objects at each quiet point
    std::vector<int> m_visits;          // per page
    long m_nActions = 0;
    bool m_bFailed = false;
    const bool m_bTrace = getenv("MONKEY_TRACE") != NULL;
};

int main()
{
    const char* lpszSeed = getenv("MONKEY_SEED");
    const char* lpszSeconds = getenv("MONKEY_SECONDS");
    const unsigned nSeed = lpszSeed != NULL && *lpszSeed != '\0' ? static_cast<unsigned>(strtoul(lpszSeed, NULL, 10))
        : static_cast<unsigned>(::GetTickCount64() ^ (::GetCurrentProcessId() << 16));
    const int nSeconds = lpszSeconds != NULL && *lpszSeconds != '\0' ? atoi(lpszSeconds) : 600;
    printf("monkey: MONKEY_SEED=%u MONKEY_SECONDS=%d\n", nSeed, nSeconds);
    fflush(stdout);
    return CMonkey(nSeed, nSeconds).Run();
}
