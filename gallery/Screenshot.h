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

    // Copies the client area of a window that has finished painting, with the framework frames
    // that float over it (a toolbar's mini frame) where they lie.
    BOOL Capture(CWnd* pWnd);
    BOOL SavePng(LPCWSTR lpszPath) const;

private:
    void CopyFloatingFrames(CWnd* pWnd, CDC* pDC) const;

    int m_cx;
    int m_cy;
    std::vector<DWORD> m_pixels;    // top-down rows, as the 32-bit DIB held them
};

#endif
