// Type-to-result: a shown window with a CFilterEdit connected to a CPatientListCtrl holding
// 10,000 sample patients. A call types two real keys (SendInput) into the focused filter edit,
// each followed by messages until the list has painted the rows of the new filter: its row
// count is the one the filter gives, a WM_PAINT of the list has been dispatched since, and
// nothing of it is left to paint. The first key, "a", narrows "m" (7 in 10 patients) to "ma"
// (about 1 in 7); the second, a backspace, widens it again.
//
// The baseline is the delay alone: the same two keys into a plain edit in the same window,
// whose change starts a one-second window timer, each until that timer fires. The target, 1.1
// times, leaves a tenth of a second per key for filtering and painting 10,000 patients.

#include "BenchCase.h"

#include <zaduv.h>
#include <patientlist/FilterMatcher.h>
#include <PatientGenerator.h>

#include <cstdio>
#include <memory>
#include <string>

namespace
{
const UINT SAMPLE_SEED = 4242;
const int PATIENT_COUNT = 10000;
const UINT ID_FILTER = 1;
const UINT ID_LIST = 2;
const UINT ID_PLAIN_EDIT = 3;
const UINT_PTR PLAIN_TIMER_ID = 1;
const UINT PLAIN_DELAY_MS = 1000;
// A key whose result never shows is a fault of the run, not a slow result: give up after this.
const DWORD GIVE_UP_MS = 10000;

// The host window: the filter edit and the list, and a plain edit whose changes start the
// baseline's timer.
class CTypeHostWnd : public CWnd
{
protected:
    afx_msg void OnPlainChange()
    {
        HWND hWndPlain = ::GetDlgItem(m_hWnd, ID_PLAIN_EDIT);
        ::KillTimer(hWndPlain, PLAIN_TIMER_ID);
        ::SetTimer(hWndPlain, PLAIN_TIMER_ID, PLAIN_DELAY_MS, NULL);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTypeHostWnd, CWnd)
    ON_EN_CHANGE(ID_PLAIN_EDIT, &CTypeHostWnd::OnPlainChange)
END_MESSAGE_MAP()

class CBenchTypeToResult : public CBenchCase
{
public:
    CBenchTypeToResult() : m_hWndPlain(NULL), m_nRowsM(0), m_nRowsMa(0) {}

    virtual std::string GetName() const { return "PatientList.TypeToResult"; }
    virtual std::string GetSize() const { return std::to_string(PATIENT_COUNT) + ", 2 keys"; }
    virtual std::string GetBaselineName() const { return "2 keys to a plain edit's 1 s timer"; }
    virtual double GetTarget() const { return 1.1; }

    virtual BOOL SetUp()
    {
        if (!m_wndHost.CreateEx(0, AfxRegisterWndClass(0, ::LoadCursorW(NULL, IDC_ARROW),
                reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)), L"type to result",
                WS_OVERLAPPEDWINDOW | WS_VISIBLE, 20, 20, 900, 700, NULL, NULL))
            return FALSE;
        HWND hWndFilter = CreateChild(L"EDIT", WS_BORDER | ES_AUTOHSCROLL, 10, 10, 200, 24, ID_FILTER);
        m_hWndPlain = CreateChild(L"EDIT", WS_BORDER | ES_AUTOHSCROLL, 220, 10, 200, 24, ID_PLAIN_EDIT);
        HWND hWndList = CreateChild(WC_LISTVIEWW, LVS_REPORT | LVS_SHOWSELALWAYS, 10, 44, 870, 610, ID_LIST);
        if (hWndFilter == NULL || m_hWndPlain == NULL || hWndList == NULL)
            return FALSE;
        m_list.Init(m_profile);
        if (!m_list.SubclassWindow(hWndList) || !m_filter.SubclassWindow(hWndFilter))
            return FALSE;
        m_filter.AddListener(&m_list);

        CPatientGenerator generator(SAMPLE_SEED);
        generator.Generate(PATIENT_COUNT, m_arrPatients);
        m_list.AddPatientArray(m_arrPatients);
        m_nRowsM = CountMatching(L"m");
        m_nRowsMa = CountMatching(L"ma");

        // Both edits start at "m", the list showing what "m" shows, everything painted.
        m_wndHost.SetForegroundWindow();
        m_filter.SetWindowText(L"m");
        ::SetWindowTextW(m_hWndPlain, L"m");
        if (!PumpUntil([this] { return m_list.GetItemCount() == m_nRowsM; }, nullptr))
            return FALSE;
        ::KillTimer(m_hWndPlain, PLAIN_TIMER_ID);
        m_wndHost.UpdateWindow();
        return TRUE;
    }

    virtual void TearDown()
    {
        m_wndHost.DestroyWindow();
    }

    virtual void RunOperation()
    {
        TypeIntoFilter(TRUE, m_nRowsMa);
        TypeIntoFilter(FALSE, m_nRowsM);
    }

    virtual void RunBaseline()
    {
        TypeIntoPlainEdit(TRUE);
        TypeIntoPlainEdit(FALSE);
    }

private:
    HWND CreateChild(LPCWSTR lpszClass, DWORD dwStyle, int x, int y, int cx, int cy, UINT nID)
    {
        return ::CreateWindowExW(0, lpszClass, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | dwStyle, x, y, cx, cy,
            m_wndHost.m_hWnd, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)), AfxGetInstanceHandle(), NULL);
    }

    // One key at the end of the filter edit's text, then messages until the list has painted
    // the rows of the new filter: the new rows are in, a WM_PAINT of the list came after them,
    // and none of the list is waiting to be painted again.
    void TypeIntoFilter(BOOL bNarrow, int nExpected)
    {
        m_filter.SetFocus();
        const int nLength = m_filter.GetWindowTextLength();
        m_filter.SetSel(nLength, nLength);
        TypeKey(bNarrow);
        BOOL bPaintedSince = FALSE;
        HWND hWndList = m_list.m_hWnd;
        PumpUntil([&] { return bPaintedSince && !::GetUpdateRect(hWndList, NULL, FALSE); },
            [&](const MSG& msg) {
                if (msg.hwnd == hWndList && msg.message == WM_PAINT && m_list.GetItemCount() == nExpected)
                    bPaintedSince = TRUE;
            });
    }

    // The same key at the end of the plain edit's text, then messages until its timer fires.
    void TypeIntoPlainEdit(BOOL bNarrow)
    {
        ::SetFocus(m_hWndPlain);
        const int nLength = ::GetWindowTextLengthW(m_hWndPlain);
        ::SendMessageW(m_hWndPlain, EM_SETSEL, nLength, nLength);
        TypeKey(bNarrow);
        BOOL bFired = FALSE;
        HWND hWndPlain = m_hWndPlain;
        PumpUntil([&] { return bFired; }, [&](const MSG& msg) {
            if (msg.hwnd == hWndPlain && msg.message == WM_TIMER && msg.wParam == PLAIN_TIMER_ID)
            {
                ::KillTimer(hWndPlain, PLAIN_TIMER_ID);
                bFired = TRUE;
            }
        });
    }

    int CountMatching(LPCWSTR lpszFilter) const
    {
        CFilterMatcher matcher;
        int nRows = 0;
        for (INT_PTR i = 0; i < m_arrPatients.GetSize(); ++i)
        {
            for (int nColumn = 0; nColumn < m_profile.GetColumnCount(); ++nColumn)
            {
                if (matcher.Matches(m_profile.FormatColumn(nColumn, m_arrPatients[i]), lpszFilter))
                {
                    ++nRows;
                    break;
                }
            }
        }
        return nRows;
    }

    // "a" after the "m" that is there, or a backspace that takes it away again.
    static void TypeKey(BOOL bNarrow)
    {
        INPUT input[2] = { { INPUT_KEYBOARD }, { INPUT_KEYBOARD } };
        input[0].ki.wVk = input[1].ki.wVk = static_cast<WORD>(bNarrow ? 'A' : VK_BACK);
        input[1].ki.dwFlags = KEYEVENTF_KEYUP;
        ::SendInput(2, input, sizeof(INPUT));
    }

    // Translates and dispatches every message until the condition holds, looking at each one
    // before it goes; waits for more without spinning, and gives up after GIVE_UP_MS.
    template <class PRED, class WATCH>
    static BOOL PumpUntil(PRED pred, WATCH watch)
    {
        const ULONGLONG tEnd = ::GetTickCount64() + GIVE_UP_MS;
        for (;;)
        {
            MSG msg;
            while (::PeekMessageW(&msg, NULL, 0, 0, PM_REMOVE))
            {
                Watch(watch, msg);
                ::TranslateMessage(&msg);
                ::DispatchMessageW(&msg);
                if (pred())
                    return TRUE;
            }
            if (pred())
                return TRUE;
            const ULONGLONG tNow = ::GetTickCount64();
            if (tNow >= tEnd)
            {
                std::printf("type-to-result: no result within %lu ms\n", GIVE_UP_MS);
                return FALSE;
            }
            ::MsgWaitForMultipleObjects(0, NULL, FALSE, static_cast<DWORD>(tEnd - tNow), QS_ALLINPUT);
        }
    }

    template <class WATCH>
    static void Watch(WATCH& watch, const MSG& msg) { watch(msg); }
    static void Watch(std::nullptr_t, const MSG&) {}

    CTypeHostWnd m_wndHost;
    CFilterEdit m_filter;
    CPatientListCtrl m_list;
    HWND m_hWndPlain;
    CPatientProfile m_profile;
    CPatientArray m_arrPatients;
    int m_nRowsM;
    int m_nRowsMa;
};
}

REGISTER_BENCH_CASE(new CBenchTypeToResult());
