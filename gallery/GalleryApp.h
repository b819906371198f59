#ifndef ZADUV_GALLERY_GALLERYAPP_H
#define ZADUV_GALLERY_GALLERYAPP_H
// CGalleryApp: the gallery application. Without arguments it opens the gallery window and runs
// until it is closed; with --screenshots DIR it renders every page to DIR/<nn>-<slug>.png,
// prints each path and exits; with --monkey it counts its live GDI and USER objects and tells
// them to the monkey that drives it.

#include <afxwin.h>
#include <memory>

#include "GalleryFrame.h"
#include "GdiplusSession.h"

class CGalleryApp : public CWinApp
{
public:
    CGalleryApp();

// Overridables
    virtual BOOL InitInstance();
    virtual int ExitInstance();

// Attributes
    // Pictures leave out what differs from run to run (timings), so they stay reproducible.
    BOOL IsRenderingScreenshots() const { return m_bScreenshots; }

// Implementation
protected:
    enum { EXIT_OK = 0, EXIT_FAILED = 1, EXIT_USAGE = 2 };

    BOOL ParseCommandLine();
    int RenderScreenshots(CGalleryFrame* pFrame);
    BOOL RenderExtraShots(CGalleryFrame* pFrame, int nPage);
    CString GetScreenshotPath(CGalleryFrame* pFrame, int nPage, const CString& strName = CString()) const;
    void ReportSaved(BOOL bSaved, const CString& strPath, int& nResult) const;
    static void PumpPaintMessages();
    static void Print(const CString& str);

    std::unique_ptr<CGdiplusSession> m_pGdiplus;    // the imaging controls need it running
    std::unique_ptr<CGalleryFrame> m_pFrame;        // the main window, closed before it is deleted
    CString m_strScreenshotDir;     // set by --screenshots
    BOOL m_bScreenshots;
    BOOL m_bMonkey;
    int m_nExitCode;
};

#endif
