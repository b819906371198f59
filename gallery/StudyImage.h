#ifndef ZADUV_GALLERY_STUDYIMAGE_H
#define ZADUV_GALLERY_STUDYIMAGE_H
// CStudyImage: the gallery's sample study picture, a synthetic chest radiograph with a
// centimetre ruler and side marker, drawn at run time so that no picture comes from elsewhere.

#include <afxwin.h>

class CPreviewCtrl;

class CStudyImage
{
public:
    enum { kWidth = 480, kHeight = 600 };

// Operations
    // Writes the picture as a PNG file; FALSE when it cannot.
    static BOOL WritePng(LPCWSTR lpszPath);
    // Writes it to a temporary file, loads it into the preview and deletes the file again.
    static BOOL ShowIn(CPreviewCtrl& preview);

// Implementation
private:
    CStudyImage() = delete;

    static BYTE Density(int x, int y);
    static void DrawAnnotations(CDC* pDC);
};

#endif
