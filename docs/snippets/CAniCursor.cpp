// A busy indicator: an animated cursor of the host's resources drawn in the middle of a small
// window on the host's own timer.
#include <afxwin.h>
#include <zaduv.h>

#include "resource.h"

class CBusyIndicator : public CWnd
{
public:
    // FALSE when the host's resources hold no usable cursor of that id.
    BOOL Start()
    {
        if (!m_cursor.Load(IDR_BUSY_CURSOR))
            return FALSE;
        SetTimer(TIMER_FRAME, m_cursor.GetTimerMsec(), NULL);
        return TRUE;
    }

    void Stop() { KillTimer(TIMER_FRAME); }

protected:
    enum { TIMER_FRAME = 1, CURSOR_SIZE = 32 };
    CAniCursor m_cursor;

    afx_msg void OnTimer(UINT_PTR nIDEvent)
    {
        if (nIDEvent != TIMER_FRAME)
        {
            CWnd::OnTimer(nIDEvent);
            return;
        }
        m_cursor.OnTimer();     // the next of 18 frames
        Invalidate(FALSE);
    }

    afx_msg void OnPaint()
    {
        CPaintDC dc(this);
        CRect rect;
        GetClientRect(&rect);
        dc.FillSolidRect(&rect, ::GetSysColor(COLOR_WINDOW));
        m_cursor.Draw(&dc, (rect.Width() - CURSOR_SIZE) / 2, (rect.Height() - CURSOR_SIZE) / 2,
            CURSOR_SIZE, CURSOR_SIZE);
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBusyIndicator, CWnd)
    ON_WM_TIMER()
    ON_WM_PAINT()
END_MESSAGE_MAP()
