// A host application built against the installed package: an application object, a window of
// the framework, the library's exported messages and utilities.
#include <afxwin.h>
#include <zaduv.h>
#include <cstdio>

CWinApp theApp(L"PackageHost");

int main()
{
    if (!AfxWinInit(::GetModuleHandleW(NULL), NULL, ::GetCommandLineW(), SW_HIDE))
        return 1;
    if (WM_XLISTCTRL_CHECKBOX_CLICKED != ::RegisterWindowMessageW(L"WM_XLISTCTRL_CHECKBOX_CLICKED"))
        return 2;
    CRect rect(10, 10, 20, 30);
    CGdiUtils::CenterRectInRect(rect, CRect(0, 0, 100, 100));
    if (rect != CRect(45, 40, 55, 60))
        return 3;
    CWnd wnd;
    if (!wnd.CreateEx(0, AfxRegisterWndClass(0), L"host", WS_POPUP, 0, 0, 10, 10, NULL, NULL))
        return 4;
    wnd.DestroyWindow();
    std::printf("package host: ok\n");
    return 0;
}
