// A thumbnail view that cross-fades between the host's bitmaps. The fader is not a window: the
// view forwards its timer and draws it from the paint handler through GDI+.
#include <afxwin.h>
#include <zaduv.h>
#include <gdiplus.h>
#include <memory>

#include "resource.h"

class CThumbnailView : public CWnd
{
public:
    // Fades to another of the host's bitmaps.
    void ShowSlice(UINT nBitmapId)
    {
        if (m_pFader)
            m_pFader->FadeTo(nBitmapId);
    }

protected:
    std::unique_ptr<CBitmapFader> m_pFader;     // made for the window, so after it exists

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct)
    {
        if (CWnd::OnCreate(lpCreateStruct) == -1)
            return -1;
        m_pFader.reset(new CBitmapFader(m_hWnd));
        m_pFader->SetBitmap(IDB_SLICE_CHEST);
        return 0;
    }

    afx_msg void OnDestroy()
    {
        m_pFader.reset();
        CWnd::OnDestroy();
    }

    afx_msg void OnTimer(UINT_PTR nIDEvent)
    {
        if (nIDEvent == CBitmapFader::m_ciFaderTimerId && m_pFader)
            m_pFader->OnTimer();
        else
            CWnd::OnTimer(nIDEvent);
    }

    afx_msg BOOL OnEraseBkgnd(CDC*) { return TRUE; }   // the picture covers the client area

    afx_msg void OnPaint()
    {
        CPaintDC dc(this);
        CRect rect;
        GetClientRect(&rect);
        Gdiplus::GpGraphics* pGraphics = NULL;
        if (m_pFader && Gdiplus::DllExports::GdipCreateFromHDC(dc.GetSafeHdc(), &pGraphics) == Gdiplus::Ok)
        {
            m_pFader->Draw(*pGraphics, rect);
            Gdiplus::DllExports::GdipDeleteGraphics(pGraphics);
        }
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CThumbnailView, CWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_TIMER()
    ON_WM_ERASEBKGND()
    ON_WM_PAINT()
END_MESSAGE_MAP()
