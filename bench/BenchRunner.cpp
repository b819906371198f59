#include "BenchRunner.h"

#include "BenchCase.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>

namespace
{
std::string FormatTime(double dNs)
{
    char sz[32];
    if (dNs < 1000.0)
        snprintf(sz, sizeof(sz), "%.0f ns", dNs);
    else if (dNs < 1000000.0)
        snprintf(sz, sizeof(sz), "%.2f us", dNs / 1000.0);
    else
        snprintf(sz, sizeof(sz), "%.2f ms", dNs / 1000000.0);
    return sz;
}

std::string JsonString(const std::string& str)
{
    std::string strResult = "\"";
    for (char ch : str)
    {
        if (ch == '"' || ch == '\\')
            strResult += '\\';
        strResult += ch;
    }
    return strResult + "\"";
}
}

CBenchRunner::CBenchRunner()
    : m_bQuick(FALSE), m_bStrict(FALSE), m_dTicksPerNs(0.0), m_cxName(0), m_cxSize(0), m_cxBaseline(0)
{
    LARGE_INTEGER frequency;
    ::QueryPerformanceFrequency(&frequency);
    m_dTicksPerNs = static_cast<double>(frequency.QuadPart) / 1e9;
}

BOOL CBenchRunner::ParseArguments(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i)
    {
        if (strcmp(argv[i], "--filter") == 0 && i + 1 < argc)
            m_strFilter = argv[++i];
        else if (strcmp(argv[i], "--quick") == 0)
            m_bQuick = TRUE;
        else if (strcmp(argv[i], "--strict") == 0)
            m_bStrict = TRUE;
        else
            return FALSE;
    }
    return TRUE;
}

void CBenchRunner::PrintUsage()
{
    printf("usage: zaduv_bench [--filter TEXT] [--quick] [--strict]\n");
}

int CBenchRunner::Run()
{
    std::vector<std::unique_ptr<CBenchCase>> cases;
    for (CBenchCase::PFNCREATECASE pfnCreate : CBenchCase::GetCases())
    {
        std::unique_ptr<CBenchCase> pCase(pfnCreate());
        if (pCase->GetName().find(m_strFilter) != std::string::npos)
            cases.push_back(std::move(pCase));
    }
    if (cases.empty())
    {
        printf("no benchmark matches \"%s\"\n", m_strFilter.c_str());
        return 1;
    }

    SetColumnWidths(cases);
    PrintHeader();
    std::vector<SResult> results;
    BOOL bFailed = FALSE;
    for (const std::unique_ptr<CBenchCase>& pCase : cases)
    {
        SResult result;
        if (!Measure(pCase.get(), result))
        {
            printf("%-*s %-*s could not be set up\n", m_cxName, pCase->GetName().c_str(), m_cxSize,
                pCase->GetSize().c_str());
            bFailed = TRUE;
            continue;
        }
        PrintRow(result);
        results.push_back(result);
    }
    PrintSummary(results);
    BOOL bMissed = std::any_of(results.begin(), results.end(), [](const SResult& r) { return !r.bMet; });
    return bFailed || (m_bStrict && bMissed) ? 1 : 0;
}

void CBenchRunner::SetColumnWidths(const std::vector<std::unique_ptr<CBenchCase>>& cases)
{
    m_cxName = 4;
    m_cxSize = 4;
    m_cxBaseline = 11;
    for (const std::unique_ptr<CBenchCase>& pCase : cases)
    {
        m_cxName = std::max(m_cxName, static_cast<int>(pCase->GetName().size()));
        m_cxSize = std::max(m_cxSize, static_cast<int>(pCase->GetSize().size()));
        m_cxBaseline = std::max(m_cxBaseline, static_cast<int>(pCase->GetBaselineName().size()));
    }
}

BOOL CBenchRunner::Measure(CBenchCase* pCase, SResult& result)
{
    if (!pCase->SetUp())
    {
        pCase->TearDown();
        return FALSE;
    }
    // Operation and baseline alternate, so that whatever else the machine does at the moment
    // weighs on both alike.
    double dOperationBatchNs = 0.0;
    double dBaselineBatchNs = 0.0;
    long long nOperationCalls = Calibrate(pCase, &CBenchCase::RunOperation, dOperationBatchNs);
    long long nBaselineCalls = Calibrate(pCase, &CBenchCase::RunBaseline, dBaselineBatchNs);
    const int nSamples = GetSampleCount(dOperationBatchNs, dBaselineBatchNs);
    std::vector<double> operation;
    std::vector<double> baseline;
    for (int i = 0; i < nSamples; ++i)
    {
        operation.push_back(TimeBatch(pCase, &CBenchCase::RunOperation, nOperationCalls) / nOperationCalls);
        baseline.push_back(TimeBatch(pCase, &CBenchCase::RunBaseline, nBaselineCalls) / nBaselineCalls);
    }
    pCase->TearDown();

    result.strName = pCase->GetName();
    result.strSize = pCase->GetSize();
    result.strBaseline = pCase->GetBaselineName();
    result.dOperationNs = Median(operation);
    result.dBaselineNs = Median(baseline);
    result.dRatio = result.dBaselineNs > 0.0 ? result.dOperationNs / result.dBaselineNs : 0.0;
    result.dTarget = pCase->GetTarget();
    result.bMet = result.dTarget <= 0.0 || result.dRatio <= result.dTarget;
    result.nSamples = nSamples;
    return TRUE;
}

long long CBenchRunner::Calibrate(CBenchCase* pCase, PFNRUN pfnRun, double& dBatchNs) const
{
    // Enough calls for one batch to last a few milliseconds, well above the timer's grain.
    const double dWantedNs = m_bQuick ? 2e6 : 10e6;
    long long nCalls = 1;
    for (;;)
    {
        dBatchNs = TimeBatch(pCase, pfnRun, nCalls);
        if (dBatchNs >= dWantedNs || nCalls >= (1LL << 30))
            return nCalls;
        double dScale = dBatchNs > 0.0 ? dWantedNs * 1.2 / dBatchNs : 10.0;
        nCalls = static_cast<long long>(nCalls * std::min(std::max(dScale, 2.0), 10.0));
    }
}

int CBenchRunner::GetSampleCount(double dOperationBatchNs, double dBaselineBatchNs) const
{
    // Slow cases (a batch of one call lasting seconds) get fewer samples, so that a whole run
    // stays in minutes; three still give a median.
    const int nMost = m_bQuick ? 5 : 15;
    const double dBudgetNs = m_bQuick ? 1e9 : 5e9;
    double dPairNs = std::max(dOperationBatchNs + dBaselineBatchNs, 1.0);
    return static_cast<int>(std::min<double>(nMost, std::max(3.0, dBudgetNs / dPairNs)));
}

double CBenchRunner::TimeBatch(CBenchCase* pCase, PFNRUN pfnRun, long long nCalls) const
{
    LARGE_INTEGER tStart;
    LARGE_INTEGER tEnd;
    ::QueryPerformanceCounter(&tStart);
    for (long long i = 0; i < nCalls; ++i)
        (pCase->*pfnRun)();
    ::QueryPerformanceCounter(&tEnd);
    return static_cast<double>(tEnd.QuadPart - tStart.QuadPart) / m_dTicksPerNs;
}

double CBenchRunner::Median(std::vector<double> values)
{
    if (values.empty())
        return 0.0;
    std::sort(values.begin(), values.end());
    size_t nMiddle = values.size() / 2;
    return values.size() % 2 != 0 ? values[nMiddle] : (values[nMiddle - 1] + values[nMiddle]) / 2.0;
}

void CBenchRunner::PrintHeader() const
{
    printf("ZaDUV benchmarks: median time per call over up to %d samples, operation and baseline alternating%s\n\n",
        m_bQuick ? 5 : 15, m_bQuick ? " (quick)" : "");
    printf("%-*s  %-*s %12s %12s  %-*s %8s %4s  %s\n", m_cxName, "case", m_cxSize, "size", "operation", "baseline",
        m_cxBaseline, "baseline is", "ratio", "runs", "target");
    fflush(stdout);
}

void CBenchRunner::PrintRow(const SResult& result) const
{
    char szTarget[48];
    if (result.dTarget > 0.0)
        snprintf(szTarget, sizeof(szTarget), "<= %.2f %s", result.dTarget, result.bMet ? "met" : "MISSED");
    else
        snprintf(szTarget, sizeof(szTarget), "none");
    printf("%-*s  %-*s %12s %12s  %-*s %8.2f %4d  %s\n", m_cxName, result.strName.c_str(), m_cxSize,
        result.strSize.c_str(), FormatTime(result.dOperationNs).c_str(), FormatTime(result.dBaselineNs).c_str(),
        m_cxBaseline, result.strBaseline.c_str(), result.dRatio, result.nSamples, szTarget);
    fflush(stdout);
}

void CBenchRunner::PrintSummary(const std::vector<SResult>& results) const
{
    printf("\nsummary (JSON lines):\n");
    for (const SResult& result : results)
    {
        char szTarget[32];
        if (result.dTarget > 0.0)
            snprintf(szTarget, sizeof(szTarget), "%.4g", result.dTarget);
        else
            snprintf(szTarget, sizeof(szTarget), "null");
        printf("{\"case\":%s,\"size\":%s,\"operation_ns\":%.1f,\"baseline\":%s,\"baseline_ns\":%.1f,"
               "\"ratio\":%.4g,\"target\":%s,\"met\":%s,\"samples\":%d}\n",
            JsonString(result.strName).c_str(), JsonString(result.strSize).c_str(), result.dOperationNs,
            JsonString(result.strBaseline).c_str(), result.dBaselineNs, result.dRatio, szTarget,
            result.bMet ? "true" : "false", result.nSamples);
    }
    fflush(stdout);
}
