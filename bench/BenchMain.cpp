// The benchmark host: a console program with the application object and GDI+ running, as
// the library expects of any host.
#include <afxwin.h>

#include <cstring>

#include "BenchMemory.h"
#include "BenchRunner.h"
#include "GdiplusSession.h"

CWinApp theBenchApp(L"ZaDUVBench");

int main(int argc, char** argv)
{
    if (!AfxWinInit(::GetModuleHandleW(NULL), NULL, ::GetCommandLineW(), SW_SHOWNORMAL))
        return 1;
    if (argc == 3 && std::strcmp(argv[1], "--memory-case") == 0)
    {
        const int nCaseResult = RunMemoryCase(argv[2]);
        AfxWinTerm();
        return nCaseResult;
    }
    // The memory cases run in processes of their own, after the timed ones.
    const char* pszFilter = nullptr;
    bool bStrict = false;
    for (int i = 1; i < argc; ++i)
    {
        if (std::strcmp(argv[i], "--filter") == 0 && i + 1 < argc)
            pszFilter = argv[i + 1];
        bStrict = bStrict || std::strcmp(argv[i], "--strict") == 0;
    }
    const bool bMemoryOnly = pszFilter != nullptr && std::strncmp(pszFilter, "Memory", 6) == 0;
    CBenchRunner runner;
    if (!runner.ParseArguments(argc, argv))
    {
        CBenchRunner::PrintUsage();
        return 2;
    }
    int nResult = 1;
    {
        CGdiplusSession gdiplus;
        if (gdiplus.IsStarted())
        {
            nResult = bMemoryOnly ? 0 : runner.Run();
            const int nMissed = RunMemoryBench(pszFilter);
            if (bStrict && nMissed != 0)
                nResult = 1;
        }
        else
            printf("GDI+ could not be started\n");
    }
    AfxWinTerm();
    return nResult;
}
