#include "FuzzEngine.h"

#include "GuiObjectCounter.h"
#include "MessagePump.h"

#include <cstdio>
#include <cwchar>

namespace hostkit
{
void PrintTo(const SGuiObjectCounts& c, std::ostream* pStream)
{
    *pStream << "{gdi " << c.nGdi << ", user " << c.nUser << ", image lists " << c.nImageLists
             << ", borrowed DCs " << c.nBorrowedDCs << ", windows " << c.nWindows << "}";
}
}

namespace zaduv_fuzz
{
namespace
{
struct SSettings
{
    unsigned nSeed;
    long nCalls = 2000;     // the brief run of every test; make fuzz asks for the long one
    long nCycles = 20;
    bool bSeedGiven = false;
};

const SSettings& Settings()
{
    static const SSettings settings = [] {
        SSettings s;
        s.nSeed = ::GetTickCount() ^ (::GetCurrentProcessId() << 16);
        int nArgs = 0;
        LPWSTR* ppArgs = ::CommandLineToArgvW(::GetCommandLineW(), &nArgs);
        for (int i = 1; ppArgs && i < nArgs; ++i)
        {
            if (wcsncmp(ppArgs[i], L"--seed=", 7) == 0)
            {
                s.nSeed = static_cast<unsigned>(wcstoul(ppArgs[i] + 7, nullptr, 10));
                s.bSeedGiven = true;
            }
            else if (wcsncmp(ppArgs[i], L"--calls=", 8) == 0)
                s.nCalls = wcstol(ppArgs[i] + 8, nullptr, 10);
            else if (wcsncmp(ppArgs[i], L"--cycles=", 9) == 0)
                s.nCycles = wcstol(ppArgs[i] + 9, nullptr, 10);
        }
        ::LocalFree(ppArgs);
        return s;
    }();
    return settings;
}

// What was running when a fault ended the process, so the run can be replayed.
CFuzz* g_pRunning = nullptr;

LONG WINAPI ReportCrash(EXCEPTION_POINTERS* pInfo)
{
    if (g_pRunning)
        fprintf(stderr, "[fuzz] CRASH 0x%08lx in %s, seed %u, call %ld, operation %s\n",
            pInfo->ExceptionRecord->ExceptionCode, g_pRunning->m_lpszClass, g_pRunning->m_nSeed,
            g_pRunning->m_nCalls, g_pRunning->m_lpszOp);
    fflush(stderr);
    return EXCEPTION_CONTINUE_SEARCH;
}

const SFuzzOp& PickByWeight(CFuzz& fuzz, const std::vector<SFuzzOp>& ops)
{
    int nTotal = 0;
    for (const SFuzzOp& op : ops)
        nTotal += op.nWeight;
    int n = fuzz.Pick(nTotal);
    for (const SFuzzOp& op : ops)
    {
        if (n < op.nWeight)
            return op;
        n -= op.nWeight;
    }
    return ops.back();
}

void RunOne(CFuzz& fuzz, CFuzzSubject& subject, const std::vector<SFuzzOp>& ops)
{
    const SFuzzOp& op = PickByWeight(fuzz, ops);
    fuzz.m_aRecent[fuzz.m_nCalls % 16] = fuzz.m_lpszOp;
    fuzz.m_lpszOp = op.lpszName;
    ++fuzz.m_nCalls;
    if (!op.bLiveOnly || subject.Live())
        op.fnRun(fuzz);
    subject.Check(fuzz);
}

// The table and, for a subject with a window, the engine's own operations on its life.
std::vector<SFuzzOp> OpsWithLife(CFuzzSubject& subject, bool bDestroy, bool bCreate)
{
    std::vector<SFuzzOp> ops = subject.Ops();
    if (bDestroy && subject.Window() != nullptr)
        ops.push_back({ "DestroyWindow", 1, [&subject](CFuzz& f) { subject.Destroy(f); } });
    if (bCreate && subject.Window() != nullptr && subject.CanRecreate())
        ops.push_back({ "create again", 1, [&subject](CFuzz&) {
            if (!subject.Live())
                subject.Create();
        } });
    return ops;
}

void End(CFuzz& fuzz, std::unique_ptr<CFuzzSubject>& pSubject)
{
    pSubject->Destroy(fuzz);
    pSubject.reset();
    zaduv_test::PumpPending();
}

class CRunningScope
{
public:
    explicit CRunningScope(CFuzz& fuzz)
    {
        g_pRunning = &fuzz;
        ::SetUnhandledExceptionFilter(&ReportCrash);
    }
    ~CRunningScope() { g_pRunning = nullptr; }
};
}

std::wstring Text(const CString& str)
{
    return std::wstring(str.GetString(), str.GetLength());
}

CFuzz::CFuzz(const char* lpszClass, unsigned nSeed)
    : m_lpszClass(lpszClass), m_nSeed(nSeed), m_random(nSeed)
{
}

void CFuzz::Fail(const char* lpszWhat, const std::string& strActual, const std::string& strStated)
{
    if (++m_nFailures <= 20)
        fprintf(stderr, "[fuzz] %s seed %u call %ld operation %s: %s is %s, stated %s\n", m_lpszClass,
            m_nSeed, m_nCalls, m_lpszOp, lpszWhat, strActual.c_str(), strStated.c_str());
    if (m_nFailures == 1)
    {
        fprintf(stderr, "[fuzz] the operations before it:");
        for (long n = m_nCalls + 1; n < m_nCalls + 17; ++n)
            fprintf(stderr, " %s;", m_aRecent[n % 16] ? m_aRecent[n % 16] : "");
        fprintf(stderr, "\n");
    }
}

// A class's seed is the run's seed mixed with its name, so --seed=N with a filter on one class
// replays exactly that class's calls.
unsigned ClassSeed(const char* lpszClass)
{
    unsigned nSeed = Settings().nSeed;
    for (const char* p = lpszClass; *p; ++p)
        nSeed = nSeed * 31u + static_cast<unsigned char>(*p);
    return nSeed;
}

void RunFuzz(const char* lpszClass, const FuzzFactory& make)
{
    CFuzz fuzz(lpszClass, Settings().bSeedGiven ? Settings().nSeed : ClassSeed(lpszClass));
    CRunningScope running(fuzz);
    printf("[fuzz] %s: seed %u (replay: --seed=%u --calls=%ld --gtest_filter=Fuzz.%s)\n", lpszClass,
        fuzz.m_nSeed, fuzz.m_nSeed, Settings().nCalls, lpszClass);
    // A twentieth of the calls go to a control whose window was never created; the rest to
    // one made with a window, which the engine's own operations destroy and make again.
    const long nCalls = Settings().nCalls;
    const long nNeverCreated = nCalls / 20;
    {
        std::unique_ptr<CFuzzSubject> pSubject = make();
        const std::vector<SFuzzOp> ops = OpsWithLife(*pSubject, true, false);
        while (fuzz.m_nCalls < nNeverCreated)
            RunOne(fuzz, *pSubject, ops);
        End(fuzz, pSubject);
    }
    std::unique_ptr<CFuzzSubject> pSubject = make();
    pSubject->Create();
    const std::vector<SFuzzOp> ops = OpsWithLife(*pSubject, true, true);
    while (fuzz.m_nCalls < nCalls)
    {
        RunOne(fuzz, *pSubject, ops);
        if (fuzz.m_nCalls % 64 == 0)
            zaduv_test::PumpPending();
    }
    End(fuzz, pSubject);
    printf("[fuzz] %s: %ld calls, %ld comparisons, %ld failures, seed %u\n", lpszClass, fuzz.m_nCalls,
        fuzz.m_nComparisons, fuzz.m_nFailures, fuzz.m_nSeed);
    EXPECT_EQ(fuzz.m_nFailures, 0) << lpszClass << " seed " << fuzz.m_nSeed;
    EXPECT_GT(fuzz.m_nComparisons, 0) << lpszClass;
}

// Counted by the import-table wrappers of hostkit's GuiObjectCounter: GetGuiResources answers 0
// under Wine.
void RunNeutrality(const char* lpszClass, const FuzzFactory& make)
{
    ASSERT_TRUE(hostkit::InstallGuiObjectCounter());
    CFuzz fuzz(lpszClass, Settings().bSeedGiven ? Settings().nSeed : ClassSeed(lpszClass) ^ 0x5a5a5a5au);
    CRunningScope running(fuzz);
    const int kOpsPerCycle = 8;
    hostkit::SGuiObjectCounts during = {};
    auto cycle = [&] {
        std::unique_ptr<CFuzzSubject> pSubject = make();
        pSubject->Create();
        // The cycle ends in destruction anyway; until then every call paints a live control.
        const std::vector<SFuzzOp> ops = OpsWithLife(*pSubject, false, false);
        for (int i = 0; i < kOpsPerCycle; ++i)
        {
            RunOne(fuzz, *pSubject, ops);
            if (CWnd* pWnd = pSubject->Window(); pWnd && pWnd->GetSafeHwnd())
                pWnd->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        }
        during = hostkit::GetLiveGuiObjectCounts();
        End(fuzz, pSubject);
    };
    // The first cycle leaves what lives for the whole process: shared cursors, cached fonts.
    cycle();
    const hostkit::SGuiObjectCounts before = hostkit::GetLiveGuiObjectCounts();
    for (long n = 0; n < Settings().nCycles; ++n)
        cycle();
    const hostkit::SGuiObjectCounts after = hostkit::GetLiveGuiObjectCounts();
    printf("[neutrality] %s: %ld cycles, %ld calls, %ld failures, seed %u; live objects before ", lpszClass,
        Settings().nCycles, fuzz.m_nCalls, fuzz.m_nFailures, fuzz.m_nSeed);
    std::string strBefore = ::testing::PrintToString(before), strAfter = ::testing::PrintToString(after);
    const std::string strDuring = ::testing::PrintToString(during);
    printf("%s, in the last cycle %s, after %s\n", strBefore.c_str(), strDuring.c_str(), strAfter.c_str());
    EXPECT_EQ(after, before) << lpszClass;
    EXPECT_EQ(fuzz.m_nFailures, 0) << lpszClass << " seed " << fuzz.m_nSeed;
}
}
