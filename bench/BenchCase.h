#ifndef ZADUV_BENCH_BENCHCASE_H
#define ZADUV_BENCH_BENCHCASE_H
// CBenchCase: one benchmark, an operation of the library and a baseline that does the same
// visible work the plainest way, both timed in the same run. Each case registers itself from
// its own source file, once per size it is measured at:
//
//     REGISTER_BENCH_CASE(new CBenchFoo(64));
//
// The runner calls SetUp once, then RunOperation and RunBaseline many times each.

#include <afxwin.h>
#include <string>
#include <vector>

class CBenchCase
{
public:
    typedef CBenchCase* (*PFNCREATECASE)();

// Construction
    virtual ~CBenchCase();

    static void RegisterCase(PFNCREATECASE pfnCreate);
    static const std::vector<PFNCREATECASE>& GetCases();   // in registration order

// Attributes
    virtual std::string GetName() const = 0;
    virtual std::string GetSize() const = 0;            // what the case works on, e.g. "64 rows"
    virtual std::string GetBaselineName() const = 0;
    // The largest ratio of operation to baseline time that is acceptable; 0 when none applies.
    virtual double GetTarget() const;

// Overridables
    virtual BOOL SetUp();
    virtual void TearDown();
    virtual void RunOperation() = 0;
    virtual void RunBaseline() = 0;
};

class CBenchCaseRegistration
{
public:
    explicit CBenchCaseRegistration(CBenchCase::PFNCREATECASE pfnCreate)
    {
        CBenchCase::RegisterCase(pfnCreate);
    }
};

#define BENCH_CONCAT_(a, b) a##b
#define BENCH_CONCAT(a, b) BENCH_CONCAT_(a, b)
#define REGISTER_BENCH_CASE(newExpression) \
    static const CBenchCaseRegistration BENCH_CONCAT(s_benchCase, __LINE__)( \
        []() -> CBenchCase* { return newExpression; })

#endif
