#ifndef ZADUV_HOSTKIT_GDIPLUSSESSION_H
#define ZADUV_HOSTKIT_GDIPLUSSESSION_H
// CGdiplusSession: GDI+ started for as long as the object lives. The library leaves starting
// GDI+ to its host; a host keeps one session from start-up to exit.

#include <afxwin.h>

class CGdiplusSession
{
public:
// Construction
    CGdiplusSession();
    ~CGdiplusSession();

// Attributes
    BOOL IsStarted() const { return m_token != 0; }

// Implementation
private:
    ULONG_PTR m_token;

    CGdiplusSession(const CGdiplusSession&) = delete;
    CGdiplusSession& operator=(const CGdiplusSession&) = delete;
};

#endif
