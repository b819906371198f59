// The application object of a host. The framework layer has no WinMain of its own: a host's
// main() starts the application the way the framework starts a GUI program.
#include <afxwin.h>
#include <zaduv.h>
#include <gdiplus.h>

#include "MainFrame.h"

class CExampleApp : public CWinApp
{
public:
    CExampleApp() : CWinApp(L"ExampleViewer"), m_gdiplusToken(0) {}

    virtual BOOL InitInstance()
    {
        // The profile keeps what CResizableDialog::EnableSaveRestore stores.
        SetRegistryKey(L"Example");
        // The imaging controls need GDI+ from before their first picture until after their last.
        Gdiplus::GdiplusStartupInput input;
        if (Gdiplus::GdiplusStartup(&m_gdiplusToken, &input, NULL) != Gdiplus::Ok)
            return FALSE;
        CMainFrame* pFrame = new CMainFrame;    // deletes itself when its window is gone
        m_pMainWnd = pFrame;
        if (!pFrame->Create(NULL, L"Example viewer"))
            return FALSE;
        pFrame->ShowWindow(m_nCmdShow);
        pFrame->UpdateWindow();
        return TRUE;
    }

    virtual int ExitInstance()
    {
        if (m_gdiplusToken != 0)
            Gdiplus::GdiplusShutdown(m_gdiplusToken);
        return CWinApp::ExitInstance();
    }

private:
    ULONG_PTR m_gdiplusToken;
};

CExampleApp theApp;

int main()
{
    return AfxWinMain(::GetModuleHandleW(NULL), NULL, ::GetCommandLineW(), SW_SHOWNORMAL);
}
