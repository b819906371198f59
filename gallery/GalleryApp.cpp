#include "GalleryApp.h"

#include "GalleryFrame.h"
#include "GalleryPage.h"
#include "Screenshot.h"

#include <cstdio>
#include <string>
#include <shellapi.h>

CGalleryApp theApp;

CGalleryApp::CGalleryApp()
    : CWinApp(L"ZaDUV gallery"), m_bScreenshots(FALSE), m_nExitCode(EXIT_OK)
{
}

BOOL CGalleryApp::InitInstance()
{
    if (!ParseCommandLine())
    {
        Print(L"usage: zaduv_gallery [--screenshots DIR]");
        m_nExitCode = EXIT_USAGE;
        return FALSE;
    }
    m_pGdiplus.reset(new CGdiplusSession);
    if (!m_pGdiplus->IsStarted())
    {
        Print(L"GDI+ could not be started");
        m_nExitCode = EXIT_FAILED;
        return FALSE;
    }

    m_pFrame.reset(new CGalleryFrame);
    m_pMainWnd = m_pFrame.get();
    if (!m_pFrame->CreateFrame(m_bScreenshots ? SW_SHOWNOACTIVATE : m_nCmdShow))
    {
        Print(L"the gallery window could not be created");
        m_nExitCode = EXIT_FAILED;
        return FALSE;
    }
    if (!m_bScreenshots)
        return TRUE;

    m_nExitCode = RenderScreenshots(m_pFrame.get());
    m_pFrame->DestroyWindow();
    return FALSE;
}

int CGalleryApp::ExitInstance()
{
    CWinApp::ExitInstance();
    m_pMainWnd = NULL;
    m_pFrame.reset();
    m_pGdiplus.reset();
    return m_nExitCode;
}

BOOL CGalleryApp::ParseCommandLine()
{
    int nArgs = 0;
    LPWSTR* ppszArgs = ::CommandLineToArgvW(::GetCommandLineW(), &nArgs);
    if (ppszArgs == NULL)
        return FALSE;
    BOOL bValid = TRUE;
    for (int i = 1; i < nArgs && bValid; ++i)
    {
        if (wcscmp(ppszArgs[i], L"--screenshots") == 0 && i + 1 < nArgs)
        {
            m_bScreenshots = TRUE;
            m_strScreenshotDir = ppszArgs[++i];
        }
        else
        {
            bValid = FALSE;
        }
    }
    ::LocalFree(ppszArgs);
    return bValid && (!m_bScreenshots || !m_strScreenshotDir.IsEmpty());
}

int CGalleryApp::RenderScreenshots(CGalleryFrame* pFrame)
{
    if (!::CreateDirectoryW(m_strScreenshotDir, NULL) && ::GetLastError() != ERROR_ALREADY_EXISTS)
    {
        Print(L"cannot create " + m_strScreenshotDir);
        return EXIT_FAILED;
    }

    int nResult = EXIT_OK;
    for (int nPage = 0; nPage < pFrame->GetPageCount(); ++nPage)
    {
        CString strPath = GetScreenshotPath(pFrame, nPage, CString());
        CGalleryPage* pPage = pFrame->GetPage(nPage);
        if (!pFrame->ShowPage(nPage))
        {
            Print(L"failed: " + strPath);
            nResult = EXIT_FAILED;
            continue;
        }
        PumpPaintMessages();
        pPage->PrepareScreenshot();
        if (!SaveScreenshot(pPage, strPath))
            nResult = EXIT_FAILED;
        CString strName;
        for (int nExtra = 0; pPage->PrepareExtraScreenshot(nExtra, strName); ++nExtra)
        {
            if (!SaveScreenshot(pPage, GetScreenshotPath(pFrame, nPage, strName)))
                nResult = EXIT_FAILED;
        }
    }
    Print(L"gallery pictures: " + m_strScreenshotDir);
    return nResult;
}

// The page as it shows now, with the popups it has open over it.
BOOL CGalleryApp::SaveScreenshot(CGalleryPage* pPage, const CString& strPath)
{
    pPage->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PumpPaintMessages();
    CScreenshot screenshot;
    const BOOL bSaved = screenshot.Capture(pPage) && screenshot.SavePng(strPath);
    Print(bSaved ? strPath : L"failed: " + strPath);
    return bSaved;
}

CString CGalleryApp::GetScreenshotPath(CGalleryFrame* pFrame, int nPage, const CString& strName) const
{
    CString strDir = m_strScreenshotDir;
    if (strDir.Right(1) != L"/" && strDir.Right(1) != L"\\")
        strDir += L'/';
    CString strFile;
    strFile.Format(L"%02d-%s%s.png", nPage + 1, pFrame->GetPageSlug(nPage).GetString(),
        strName.IsEmpty() ? L"" : (L"-" + strName).GetString());
    return strDir + strFile;
}

void CGalleryApp::PumpPaintMessages()
{
    // Everything queued now and the paints it causes, never waiting; a page that keeps
    // repainting (an animation) is cut off after half a second.
    const ULONGLONG tEnd = ::GetTickCount64() + 500;
    MSG msg;
    while (::GetTickCount64() < tEnd && ::PeekMessageW(&msg, NULL, 0, 0, PM_NOREMOVE))
    {
        if (msg.message == WM_QUIT || !AfxPumpMessage())
            break;
    }
}

void CGalleryApp::Print(const CString& str)
{
    int nBytes = ::WideCharToMultiByte(CP_UTF8, 0, str, -1, NULL, 0, NULL, NULL);
    std::string strUtf8(nBytes > 0 ? nBytes - 1 : 0, '\0');
    if (nBytes > 1)
        ::WideCharToMultiByte(CP_UTF8, 0, str, -1, &strUtf8[0], nBytes, NULL, NULL);
    printf("%s\n", strUtf8.c_str());
    fflush(stdout);
}

// A console program, so that --screenshots can report on standard output; it starts the way
// the framework starts a GUI application.
int main()
{
    return AfxWinMain(::GetModuleHandleW(NULL), NULL, ::GetCommandLineW(), SW_SHOWNORMAL);
}
