#ifndef ZADUV_TESTS_HARDENING_FUZZENGINE_H
#define ZADUV_TESTS_HARDENING_FUZZENGINE_H
// The one engine of the hardening tests:
//   CFuzz          a seeded run over one class: random picks, counted comparisons, totals
//   SFuzzOp        one entry of a class's operation table: name, weight, the call and its check
//   CFuzzSubject   a control under test with its plain model, its operation table and its
//                  window's life, which the engine ends and begins again
//   RunFuzz        random calls from the table, valid and invalid, on live, destroyed and
//                  never-created windows; every result compared with the stated one
//   RunNeutrality  create, operate, paint, destroy, many times over, and the live GDI, USER
//                  and window counts of hostkit's GuiObjectCounter back where they started
// The command line replays and scales a run: --seed=N --calls=N --cycles=N.

#include <afxwin.h>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace zaduv_fuzz
{
class CFuzz
{
public:
    CFuzz(const char* lpszClass, unsigned nSeed);

    // Uniform in [0, n).
    int Pick(int n) { return n <= 0 ? 0 : static_cast<int>(m_random() % static_cast<unsigned>(n)); }
    // An index from -1 to nCount + 1: the valid ones and three invalid ones around them.
    int Index(int nCount) { return Pick(nCount + 3) - 1; }
    bool Chance(int nPercent) { return Pick(100) < nPercent; }

    template <typename A, typename E>
    void Expect(const A& actual, const E& stated, const char* lpszWhat)
    {
        ++m_nComparisons;
        if (!(actual == stated))
            Fail(lpszWhat, ::testing::PrintToString(actual), ::testing::PrintToString(stated));
    }
    void Fail(const char* lpszWhat, const std::string& strActual, const std::string& strStated);

    const char* m_lpszClass;
    unsigned m_nSeed;
    std::mt19937 m_random;
    const char* m_lpszOp = "";
    const char* m_aRecent[16] = {};     // the operations before the current one, for a failure's report
    long m_nCalls = 0;
    long m_nComparisons = 0;
    long m_nFailures = 0;
};

struct SFuzzOp
{
    const char* lpszName;
    int nWeight;
    std::function<void(CFuzz&)> fnRun;
    bool bLiveOnly = false;     // the call needs the subject's window: without it, it is skipped
};

class CFuzzSubject
{
public:
    virtual ~CFuzzSubject() {}
    virtual std::vector<SFuzzOp> Ops() = 0;
    // The window that a neutrality cycle paints; null when there is none.
    virtual CWnd* Window() { return nullptr; }
    // The engine makes the window, ends it with its own "DestroyWindow" operation and makes it
    // again with "create again"; each empties the model.
    virtual void Create() {}
    virtual void Destroy(CFuzz&) {}
    virtual bool Live() { return Window() != nullptr && Window()->GetSafeHwnd() != nullptr; }
    virtual bool CanRecreate() { return true; }
    // The model against the control, after every call.
    virtual void Check(CFuzz&) {}
};

typedef std::function<std::unique_ptr<CFuzzSubject>()> FuzzFactory;

void RunFuzz(const char* lpszClass, const FuzzFactory& make);
void RunNeutrality(const char* lpszClass, const FuzzFactory& make);

// Two cases per class: the API fuzz and the handle neutrality, both over the same table.
#define ZADUV_FUZZ_CLASS(Class, Subject)                                                                  \
    TEST(Fuzz, Class) { zaduv_fuzz::RunFuzz(#Class, [] { return std::unique_ptr<zaduv_fuzz::CFuzzSubject>(new Subject); }); } \
    TEST(Neutrality, Class) { zaduv_fuzz::RunNeutrality(#Class, [] { return std::unique_ptr<zaduv_fuzz::CFuzzSubject>(new Subject); }); }

std::wstring Text(const CString& str);
}

#endif
