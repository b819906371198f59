// Which counters are real: under Wine 8, GetProcessMemoryInfo leaves PrivateUsage at 0 and
// answers PagefileUsage with the process's private bytes as they grow and shrink, but its
// PeakPagefileUsage is only the current value again, not a high-water mark; PeakWorkingSetSize
// is a real high-water mark, of resident pages, libraries included. On Windows PrivateUsage,
// PagefileUsage and PeakPagefileUsage are what their names say. So the private bytes are
// PagefileUsage, and their peak is the larger of PeakPagefileUsage and what a sampling thread
// saw of PagefileUsage every millisecond while the case ran. The empty case (the same host
// data and windows, the list left empty) is subtracted from every peak.
// From one fill of the patient list to the next the private bytes swing by up to 16 MB with no
// trend, back to the same floor every few fills, so single readings after the 10th and the
// 100th fill can differ by megabytes without a byte leaked. The growth over 100 refills is
// therefore judged on low-water marks: the lowest private bytes after any of the fills 11 to
// 20 against the lowest after any of the fills 91 to 100; a leak of even a few hundred bytes
// per fill raises the second by eighty fills' worth. The highest of the last ten shows the swing.
#include "BenchMemory.h"

#include <afxcmn.h>
#include <psapi.h>
#include <zaduv.h>
#include <PatientGenerator.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace
{
const int ROWS = 100000;
const int REFILL_ROWS = 10000;
const int REFILL_CYCLES = 100;
const int WINDOW_CYCLES = 10;   // each low-water mark is taken over this many fills
const int XLIST_COLUMNS = 6;
const double TARGET = 1.5;

enum EList { LIST_NONE, LIST_PLAIN_PATIENTS, LIST_PATIENTS, LIST_PLAIN_ROWS, LIST_XLIST };

struct SCase
{
    const char* pszName;
    EList eList;
    bool bRefill;
};

const SCase CASES[] = {
    { "empty", LIST_NONE, false },
    { "plain-patients", LIST_PLAIN_PATIENTS, false },
    { "patients", LIST_PATIENTS, false },
    { "plain-rows", LIST_PLAIN_ROWS, false },
    { "xlist", LIST_XLIST, false },
    { "plain-patients-refill", LIST_PLAIN_PATIENTS, true },
    { "patients-refill", LIST_PATIENTS, true },
    { "plain-rows-refill", LIST_PLAIN_ROWS, true },
    { "xlist-refill", LIST_XLIST, true },
};

// Watches the private bytes from its own thread for as long as it lives.
class CPeakSampler
{
public:
    CPeakSampler() : m_bStop(0), m_nPeak(0)
    {
        m_hThread = ::CreateThread(NULL, 0, &CPeakSampler::Run, this, 0, NULL);
    }
    ~CPeakSampler() { Stop(); }

    SIZE_T Stop()
    {
        if (m_hThread != NULL)
        {
            ::InterlockedExchange(&m_bStop, 1);
            ::WaitForSingleObject(m_hThread, INFINITE);
            ::CloseHandle(m_hThread);
            m_hThread = NULL;
        }
        return m_nPeak;
    }

private:
    static DWORD WINAPI Run(LPVOID pParam)
    {
        CPeakSampler* pThis = static_cast<CPeakSampler*>(pParam);
        while (::InterlockedCompareExchange(&pThis->m_bStop, 0, 0) == 0)
        {
            PROCESS_MEMORY_COUNTERS counters = { sizeof(counters) };
            if (::GetProcessMemoryInfo(::GetCurrentProcess(), &counters, sizeof(counters)) && counters.PagefileUsage > pThis->m_nPeak)
                pThis->m_nPeak = counters.PagefileUsage;
            ::Sleep(1);
        }
        return 0;
    }

    HANDLE m_hThread;
    volatile LONG m_bStop;
    SIZE_T m_nPeak;
};

PROCESS_MEMORY_COUNTERS_EX Counters()
{
    PROCESS_MEMORY_COUNTERS_EX counters = {};
    counters.cb = sizeof(counters);
    ::GetProcessMemoryInfo(::GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof(counters));
    return counters;
}

// The six texts of one extended-list row, as a host would format them.
void RowTexts(int i, CString (&texts)[XLIST_COLUMNS])
{
    LPCWSTR const modalities[] = { L"CT", L"MR", L"US", L"CR", L"XA" };
    LPCWSTR const states[] = { L"Queued", L"Receiving", L"Ready", L"Failed" };
    texts[0].Format(L"Patient %06d", (i * 7919) % 1000003);
    texts[1].Format(L"%d", i % 2);
    texts[2] = modalities[i % 5];
    texts[3] = i % 3 == 0 ? L"Routine" : i % 3 == 1 ? L"Urgent" : L"Stat";
    texts[4].Format(L"%d%%", i % 101);
    texts[5] = states[i % 4];
}

// One parent window with one list in it and the host's data: the sample patients, as a host
// holds them before it hands them to the list.
class CMemoryHost
{
public:
    explicit CMemoryHost(EList eList) : m_eList(eList) {}
    ~CMemoryHost()
    {
        if (m_wndParent.m_hWnd != NULL)
            m_wndParent.DestroyWindow();
    }

    BOOL Create(int nRows)
    {
        CPatientGenerator generator(4242);
        generator.Generate(nRows, m_arrPatients);
        if (!m_wndParent.CreateEx(0, AfxRegisterWndClass(0), L"bench", WS_POPUP, 0, 0, 900, 700, NULL, NULL))
            return FALSE;
        const DWORD dwStyle = WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SHOWSELALWAYS;
        const CRect rect(0, 0, 880, 680);
        if (m_eList == LIST_PATIENTS)
        {
            m_patients.Init(m_profile);
            HWND hWnd = ::CreateWindowExW(0, WC_LISTVIEWW, L"", dwStyle, 0, 0, 880, 680, m_wndParent.m_hWnd, NULL,
                AfxGetInstanceHandle(), NULL);
            return hWnd != NULL && m_patients.SubclassWindow(hWnd);
        }
        CListCtrl& list = m_eList == LIST_XLIST ? m_xlist : m_plain;
        if (!list.Create(dwStyle, rect, &m_wndParent, 1))
            return FALSE;
        const int nColumns = m_eList == LIST_PLAIN_PATIENTS ? m_profile.GetColumnCount() : XLIST_COLUMNS;
        for (int nColumn = 0; nColumn < nColumns; ++nColumn)
            list.InsertColumn(nColumn, L"Column", LVCFMT_LEFT, 100);
        list.SetExtendedStyle(LVS_EX_FULLROWSELECT);
        return TRUE;
    }

    void Fill(int nRows)
    {
        switch (m_eList)
        {
        case LIST_PATIENTS:
            m_patients.DeleteAllPatients();
            m_patients.AddPatientArray(m_arrPatients);
            break;
        case LIST_PLAIN_PATIENTS:
            m_plain.DeleteAllItems();
            for (int i = 0; i < nRows; ++i)
            {
                m_plain.InsertItem(i, m_profile.FormatColumn(0, m_arrPatients[i]));
                for (int nColumn = 1; nColumn < m_profile.GetColumnCount(); ++nColumn)
                    m_plain.SetItemText(i, nColumn, m_profile.FormatColumn(nColumn, m_arrPatients[i]));
            }
            break;
        case LIST_PLAIN_ROWS:
            FillRows(m_plain, nRows);
            break;
        case LIST_XLIST:
            FillRows(m_xlist, nRows);
            break;
        case LIST_NONE:
            break;
        }
    }

private:
    // The extended list hides the base's item operations, so each list is filled as its type.
    template <class TList>
    static void FillRows(TList& list, int nRows)
    {
        list.DeleteAllItems();
        CString texts[XLIST_COLUMNS];
        for (int i = 0; i < nRows; ++i)
        {
            RowTexts(i, texts);
            list.InsertItem(i, texts[0]);
            for (int nColumn = 1; nColumn < XLIST_COLUMNS; ++nColumn)
                list.SetItemText(i, nColumn, texts[nColumn]);
        }
    }

    EList m_eList;
    CWnd m_wndParent;
    CPatientProfile m_profile;
    CPatientArray m_arrPatients;
    CPatientListCtrl m_patients;
    CXListCtrl m_xlist;
    CListCtrl m_plain;
};

const SCase* FindCase(const char* pszName)
{
    for (const SCase& c : CASES)
        if (std::strcmp(c.pszName, pszName) == 0)
            return &c;
    return nullptr;
}

// Runs this program with "--memory-case NAME" and reads the numbers of its last line.
bool RunChild(const char* pszCase, double (&values)[5])
{
    wchar_t szModule[MAX_PATH];
    ::GetModuleFileNameW(NULL, szModule, MAX_PATH);
    CString strCommand;
    strCommand.Format(L"\"%s\" --memory-case %S", szModule, pszCase);
    SECURITY_ATTRIBUTES sa = { sizeof(sa), NULL, TRUE };
    HANDLE hRead = NULL, hWrite = NULL;
    if (!::CreatePipe(&hRead, &hWrite, &sa, 0))
        return false;
    ::SetHandleInformation(hRead, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW si = { sizeof(si) };
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdOutput = hWrite;
    si.hStdError = ::GetStdHandle(STD_ERROR_HANDLE);
    si.hStdInput = ::GetStdHandle(STD_INPUT_HANDLE);
    PROCESS_INFORMATION pi = {};
    std::vector<wchar_t> command(strCommand.GetString(), strCommand.GetString() + strCommand.GetLength() + 1);
    const BOOL bStarted = ::CreateProcessW(NULL, command.data(), NULL, NULL, TRUE, 0, NULL, NULL, &si, &pi);
    ::CloseHandle(hWrite);
    std::string strOutput;
    char buffer[512];
    for (DWORD nRead = 0; bStarted && ::ReadFile(hRead, buffer, sizeof(buffer), &nRead, NULL) && nRead > 0;)
        strOutput.append(buffer, nRead);
    ::CloseHandle(hRead);
    if (!bStarted)
        return false;
    ::WaitForSingleObject(pi.hProcess, INFINITE);
    DWORD dwExit = 1;
    ::GetExitCodeProcess(pi.hProcess, &dwExit);
    ::CloseHandle(pi.hProcess);
    ::CloseHandle(pi.hThread);
    const size_t nLine = strOutput.rfind("memory ");
    return dwExit == 0 && nLine != std::string::npos
        && std::sscanf(strOutput.c_str() + nLine, "memory %*s %lf %lf %lf %lf %lf", &values[0], &values[1], &values[2], &values[3],
               &values[4]) == 5;
}

double Megabytes(double dBytes) { return dBytes / (1024.0 * 1024.0); }
}

int RunMemoryCase(const char* pszCase)
{
    const SCase* pCase = FindCase(pszCase);
    if (pCase == nullptr)
        return 2;
    const int nRows = pCase->bRefill ? REFILL_ROWS : ROWS;
    CPeakSampler sampler;
    CMemoryHost host(pCase->eList);
    if (!host.Create(nRows))
        return 1;
    host.Fill(nRows);
    // The first window starts after the heap has settled over the first ten fills.
    const SIZE_T nFirst = Counters().PagefileUsage;
    const SIZE_T nNone = pCase->bRefill ? ~static_cast<SIZE_T>(0) : nFirst;
    SIZE_T nSettledLow = nNone, nLastLow = nNone, nLastHigh = pCase->bRefill ? 0 : nFirst;
    for (int nCycle = 2; pCase->bRefill && nCycle <= REFILL_CYCLES; ++nCycle)
    {
        host.Fill(nRows);
        const SIZE_T nBytes = Counters().PagefileUsage;
        if (nCycle > WINDOW_CYCLES && nCycle <= 2 * WINDOW_CYCLES)
            nSettledLow = std::min(nSettledLow, nBytes);
        if (nCycle > REFILL_CYCLES - WINDOW_CYCLES)
        {
            nLastLow = std::min(nLastLow, nBytes);
            nLastHigh = std::max(nLastHigh, nBytes);
        }
    }
    const PROCESS_MEMORY_COUNTERS_EX counters = Counters();
    const SIZE_T nPeak = std::max<SIZE_T>(sampler.Stop(), std::max(counters.PeakPagefileUsage, counters.PagefileUsage));
    std::printf("memory %s %.0f %.0f %.0f %.0f %.0f\n", pszCase, static_cast<double>(nPeak), static_cast<double>(nFirst),
        static_cast<double>(nSettledLow), static_cast<double>(nLastLow), static_cast<double>(nLastHigh));
    return 0;
}

int RunMemoryBench(const char* pszFilter)
{
    if (pszFilter != nullptr && std::strstr("Memory", pszFilter) == nullptr && std::strstr(pszFilter, "Memory") == nullptr)
        return 0;
    double empty[5] = {};
    if (!RunChild("empty", empty))
    {
        std::printf("Memory: the empty case did not run\n");
        return 1;
    }
    std::printf("\nMemory, peak private bytes above an empty process (%.1f MB), %d rows:\n", Megabytes(empty[0]), ROWS);
    int nMissed = 0;
    const struct { const char* pszName; const char* pszCase; const char* pszPlain; } pairs[] = {
        { "Memory.PatientList", "patients", "plain-patients" },
        { "Memory.XListCtrl", "xlist", "plain-rows" },
    };
    for (const auto& pair : pairs)
    {
        double list[5] = {}, plain[5] = {};
        if (!RunChild(pair.pszCase, list) || !RunChild(pair.pszPlain, plain))
        {
            std::printf("  %-20s did not run\n", pair.pszName);
            ++nMissed;
            continue;
        }
        const double dRatio = (list[0] - empty[0]) / (plain[0] - empty[0]);
        const bool bMet = dRatio <= TARGET;
        nMissed += bMet ? 0 : 1;
        std::printf("  %-20s %8.1f MB  plain list view %8.1f MB  ratio %5.2f  target %.1f  %s\n", pair.pszName,
            Megabytes(list[0] - empty[0]), Megabytes(plain[0] - empty[0]), dRatio, TARGET, bMet ? "met" : "MISSED");
        std::fflush(stdout);
    }
    std::printf("Memory, private bytes after the 1st fill of %d rows, the lowest after fills %d-%d and %d-%d, and the highest"
                " after fills %d-%d:\n", REFILL_ROWS, WINDOW_CYCLES + 1, 2 * WINDOW_CYCLES, REFILL_CYCLES - WINDOW_CYCLES + 1,
        REFILL_CYCLES, REFILL_CYCLES - WINDOW_CYCLES + 1, REFILL_CYCLES);
    for (const char* pszCase : { "patients-refill", "plain-patients-refill", "xlist-refill", "plain-rows-refill" })
    {
        double values[5] = {};
        if (!RunChild(pszCase, values))
        {
            std::printf("  %-22s did not run\n", pszCase);
            ++nMissed;
            continue;
        }
        std::printf("  %-22s %7.1f MB  %7.1f MB  %7.1f MB  %7.1f MB  growth %+8.1f KB\n", pszCase, Megabytes(values[1]),
            Megabytes(values[2]), Megabytes(values[3]), Megabytes(values[4]), (values[3] - values[2]) / 1024.0);
        std::fflush(stdout);
    }
    return nMissed;
}
