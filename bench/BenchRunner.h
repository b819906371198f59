#ifndef ZADUV_BENCH_BENCHRUNNER_H
#define ZADUV_BENCH_BENCHRUNNER_H
// CBenchRunner: runs the registered cases that match the command line and prints one table
// line per case (operation and baseline time per call, their ratio, the target) and then the
// same results as JSON lines for scripts.
//   --filter TEXT   only cases whose name contains TEXT
//   --quick         fewer and shorter samples
// Each case gets up to 15 samples (5 when quick) within a time budget, and never fewer than 3.
//   --strict        exit 1 when a case misses its target

#include <afxwin.h>
#include <memory>
#include <string>
#include <vector>

class CBenchCase;

class CBenchRunner
{
public:
    CBenchRunner();

    BOOL ParseArguments(int argc, char** argv);
    int Run();
    static void PrintUsage();

// Implementation
private:
    struct SResult
    {
        std::string strName;
        std::string strSize;
        std::string strBaseline;
        double dOperationNs;    // median time of one call
        double dBaselineNs;
        double dRatio;
        double dTarget;         // 0: none
        BOOL bMet;
        int nSamples;
    };

    typedef void (CBenchCase::*PFNRUN)();

    BOOL Measure(CBenchCase* pCase, SResult& result);
    long long Calibrate(CBenchCase* pCase, PFNRUN pfnRun, double& dBatchNs) const;
    int GetSampleCount(double dOperationBatchNs, double dBaselineBatchNs) const;
    double TimeBatch(CBenchCase* pCase, PFNRUN pfnRun, long long nCalls) const;
    static double Median(std::vector<double> values);
    void SetColumnWidths(const std::vector<std::unique_ptr<CBenchCase>>& cases);
    void PrintHeader() const;
    void PrintRow(const SResult& result) const;
    void PrintSummary(const std::vector<SResult>& results) const;

    std::string m_strFilter;
    BOOL m_bQuick;
    BOOL m_bStrict;
    double m_dTicksPerNs;
    int m_cxName;           // table columns as wide as their longest entry
    int m_cxSize;
    int m_cxBaseline;
};

#endif
