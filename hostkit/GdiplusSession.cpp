#include "GdiplusSession.h"

#include <gdiplus.h>

CGdiplusSession::CGdiplusSession()
    : m_token(0)
{
    Gdiplus::GdiplusStartupInput input;
    if (Gdiplus::GdiplusStartup(&m_token, &input, NULL) != Gdiplus::Ok)
        m_token = 0;
}

CGdiplusSession::~CGdiplusSession()
{
    if (m_token != 0)
        Gdiplus::GdiplusShutdown(m_token);
}
