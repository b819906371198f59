#ifndef ZADUV_GALLERY_GDIPLUSSESSION_H
#define ZADUV_GALLERY_GDIPLUSSESSION_H
// CGdiplusSession: GDI+ started for as long as the object lives. The library leaves starting
// GDI+ to its host; the gallery keeps it running from start-up to exit.

#include <afxwin.h>

class CGdiplusSession
{
public:
    CGdiplusSession();
    ~CGdiplusSession();

    BOOL IsStarted() const { return m_token != 0; }

private:
    ULONG_PTR m_token;

    CGdiplusSession(const CGdiplusSession&) = delete;
    CGdiplusSession& operator=(const CGdiplusSession&) = delete;
};

#endif
