// The benchmark host: a console program with the application object and GDI+ running, as
// the library expects of any host.
#include <afxwin.h>

#include "BenchRunner.h"
#include "GdiplusSession.h"

CWinApp theBenchApp(L"ZaDUVBench");

int main(int argc, char** argv)
{
    if (!AfxWinInit(::GetModuleHandleW(NULL), NULL, ::GetCommandLineW(), SW_SHOWNORMAL))
        return 1;
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
            nResult = runner.Run();
        else
            printf("GDI+ could not be started\n");
    }
    AfxWinTerm();
    return nResult;
}
