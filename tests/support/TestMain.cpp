// The main of every test executable: a console host as the framework expects one, with a
// global application object and AfxWinInit before any window is made. GDI+ is the host's to
// start, so it runs for the whole test run, as an application would keep it.
#include <afxwin.h>
#include <gtest/gtest.h>
#include <cstdio>

#include "GdiplusSession.h"
#include "TestApp.h"

zaduv_test::CTestApp theTestApp(L"ZaDUVTests");

zaduv_test::CTestApp& zaduv_test::TestApp()
{
    return theTestApp;
}

int main(int argc, char** argv)
{
    if (!AfxWinInit(::GetModuleHandleW(NULL), NULL, ::GetCommandLineW(), SW_SHOWNORMAL))
        return 1;
    ::testing::InitGoogleTest(&argc, argv);
    int nResult = 1;
    {
        CGdiplusSession gdiplus;
        if (gdiplus.IsStarted())
            nResult = RUN_ALL_TESTS();
        else
            fprintf(stderr, "GDI+ could not be started\n");
    }
    AfxWinTerm();
    return nResult;
}
