#ifndef ZADUV_GALLERY_SCREENSHOT_H
#define ZADUV_GALLERY_SCREENSHOT_H
// CScreenshot: the pixels of a window's client area as they are on the screen, saved as PNG
// through GDI+.

#include <afxwin.h>
#include <vector>

class CScreenshot
{
public:
    CScreenshot();

    // Copies the client area of a window that has finished painting, with the visible popups
    // of its thread (drop-downs, tool tips) laid over it where they stand on the screen.
    BOOL Capture(CWnd* pWnd);
    // A part of the client area, in client coordinates.
    BOOL Capture(CWnd* pWnd, const CRect& rectPart);
    // The whole window, its caption and borders included.
    BOOL CaptureWithFrame(CWnd* pWnd);
    BOOL SavePng(LPCWSTR lpszPath) const;

private:
    BOOL CaptureFrom(CDC* pDC, const CRect& rect, CWnd* pPopupsOver = NULL);
    static void CopyPopups(CWnd* pWnd, CDC* pDC);

    int m_cx;
    int m_cy;
    std::vector<DWORD> m_pixels;    // top-down rows, as the 32-bit DIB held them
};

#endif
