#include "GalleryApp.h"

#include "GalleryFrame.h"
#include "GalleryPage.h"
#include "GuiObjectCounter.h"
#include "Screenshot.h"

#include <cstdio>
#include <string>
#include <shellapi.h>

CGalleryApp theApp;

CGalleryApp::CGalleryApp()
    : CWinApp(L"ZaDUV gallery"), m_bScreenshots(FALSE), m_bMonkey(FALSE), m_nExitCode(EXIT_OK)
{
}

BOOL CGalleryApp::InitInstance()
{
    if (!ParseCommandLine())
    {
        Print(L"usage: zaduv_gallery [--screenshots DIR | --monkey]");
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

    // Counted from before the first window, so that a quiet point sees everything the pages made.
    if (m_bMonkey && !hostkit::InstallGuiObjectCounter())
    {
        Print(L"the object counter could not be installed");
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
    if (m_bMonkey)
        m_pFrame->AnswerLiveObjectCounts();
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
        else if (wcscmp(ppszArgs[i], L"--monkey") == 0)
        {
            m_bMonkey = TRUE;
        }
        else
        {
            bValid = FALSE;
        }
    }
    ::LocalFree(ppszArgs);
    return bValid && (!m_bScreenshots || (!m_strScreenshotDir.IsEmpty() && !m_bMonkey));
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
        CString strPath = GetScreenshotPath(pFrame, nPage);
        CGalleryPage* pPage = pFrame->GetPage(nPage);
        CScreenshot screenshot;
        BOOL bSaved = FALSE;
        if (pFrame->ShowPage(nPage))
        {
            PumpPaintMessages();
            pPage->PrepareScreenshot();
            pPage->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
            PumpPaintMessages();
            bSaved = screenshot.Capture(pPage) && screenshot.SavePng(strPath);
        }
        ReportSaved(bSaved, strPath, nResult);
        if (bSaved && !RenderExtraShots(pFrame, nPage))
            nResult = EXIT_FAILED;
    }
    Print(L"gallery pictures: " + m_strScreenshotDir);
    return nResult;
}

// The page's further pictures, each in its own file named after the page and the picture.
BOOL CGalleryApp::RenderExtraShots(CGalleryFrame* pFrame, int nPage)
{
    CGalleryPage* pPage = pFrame->GetPage(nPage);
    int nResult = EXIT_OK;
    for (int nShot = 0; nShot < pPage->GetExtraShotCount(); ++nShot)
    {
        CGalleryPage::SExtraShot shot = { NULL, CRect(), FALSE, CString() };
        BOOL bReady = pPage->PrepareExtraShot(nShot, shot) && shot.pWnd != NULL;
        if (bReady)
        {
            shot.pWnd->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
            PumpPaintMessages();
        }
        CScreenshot screenshot;
        if (bReady && shot.bWithFrame)
            bReady = screenshot.CaptureWithFrame(shot.pWnd);
        else if (bReady)
            bReady = shot.rectPart.IsRectEmpty() ? screenshot.Capture(shot.pWnd) : screenshot.Capture(shot.pWnd, shot.rectPart);
        CString strPath = GetScreenshotPath(pFrame, nPage, shot.strName);
        ReportSaved(bReady && screenshot.SavePng(strPath), strPath, nResult);
    }
    pPage->EndExtraShots();
    PumpPaintMessages();
    return nResult == EXIT_OK;
}

void CGalleryApp::ReportSaved(BOOL bSaved, const CString& strPath, int& nResult) const
{
    if (bSaved)
    {
        Print(strPath);
    }
    else
    {
        Print(L"failed: " + strPath);
        nResult = EXIT_FAILED;
    }
}

CString CGalleryApp::GetScreenshotPath(CGalleryFrame* pFrame, int nPage, const CString& strName) const
{
    CString strDir = m_strScreenshotDir;
    if (strDir.Right(1) != L"/" && strDir.Right(1) != L"\\")
        strDir += L'/';
    CString strFile;
    strFile.Format(L"%02d-%s", nPage + 1, pFrame->GetPageSlug(nPage).GetString());
    if (!strName.IsEmpty())
        strFile += L"-" + strName;
    strFile += L".png";
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
