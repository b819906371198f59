#include "FaderView.h"

#include "GalleryResource.h"

#include <gdiplus.h>

BEGIN_MESSAGE_MAP(CFaderView, CWnd)
    ON_WM_ERASEBKGND()
    ON_WM_PAINT()
    ON_WM_TIMER()
    ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

CFaderView::CFaderView()
    : m_nShownId(IDB_SLICE_CHEST)
{
}

CFaderView::~CFaderView()
{
    if (m_hWnd != NULL)
        DestroyWindow();
}

BOOL CFaderView::Create(CWnd* pParentWnd, const CRect& rect, UINT nID)
{
    LPCTSTR lpszClass = AfxRegisterWndClass(0, ::LoadCursorW(NULL, IDC_HAND));
    if (!CWnd::Create(lpszClass, L"", WS_CHILD | WS_VISIBLE, rect, pParentWnd, nID))
        return FALSE;
    m_pFader.reset(new CBitmapFader(m_hWnd));
    m_pFader->SetBitmap(m_nShownId);
    return TRUE;
}

void CFaderView::ShowFadeAfter(int nTicks)
{
    m_pFader->SetBitmap(IDB_SLICE_CHEST);
    m_pFader->FadeTo(IDB_SLICE_ABDOMEN);
    m_nShownId = IDB_SLICE_ABDOMEN;
    KillTimer(CBitmapFader::m_ciFaderTimerId);
    for (int i = 0; i < nTicks; ++i)
        m_pFader->OnTimer();
    KillTimer(CBitmapFader::m_ciFaderTimerId);
    RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
}

BOOL CFaderView::OnEraseBkgnd(CDC*)
{
    return TRUE;    // the layers cover every pixel, drawn through a memory bitmap
}

void CFaderView::OnPaint()
{
    CPaintDC dc(this);
    CRect rect;
    GetClientRect(&rect);
    CDC dcMem;
    CBitmap bitmap;
    if (!dcMem.CreateCompatibleDC(&dc) || !bitmap.CreateCompatibleBitmap(&dc, rect.Width(), rect.Height()))
        return;
    CBitmap* pOldBitmap = dcMem.SelectObject(&bitmap);
    PaintLayers(&dcMem, rect);
    dc.BitBlt(0, 0, rect.Width(), rect.Height(), &dcMem, 0, 0, SRCCOPY);
    dcMem.SelectObject(pOldBitmap);
}

void CFaderView::PaintLayers(CDC* pDC, const CRect& rect)
{
    pDC->FillSolidRect(&rect, RGB(0, 0, 0));
    Gdiplus::GpGraphics* pGraphics = NULL;
    if (Gdiplus::DllExports::GdipCreateFromHDC(pDC->GetSafeHdc(), &pGraphics) != Gdiplus::Ok)
        return;
    m_pFader->Draw(*pGraphics, rect);
    Gdiplus::DllExports::GdipDeleteGraphics(pGraphics);
}

void CFaderView::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == CBitmapFader::m_ciFaderTimerId)
        m_pFader->OnTimer();
    else
        CWnd::OnTimer(nIDEvent);
}

void CFaderView::OnLButtonDown(UINT, CPoint)
{
    m_nShownId = m_nShownId == IDB_SLICE_CHEST ? IDB_SLICE_ABDOMEN : IDB_SLICE_CHEST;
    m_pFader->FadeTo(m_nShownId);
}
