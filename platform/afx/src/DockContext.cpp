#include <afxwin.h>
#include <afxext.h>
#include <algorithm>

namespace
{
// Inverts a frame of width nEdge round rect on the screen; a second call restores it.
void InvertFrame(const CRect& rect, int nEdge)
{
    HDC hdc = ::GetDCEx(NULL, NULL, DCX_WINDOW | DCX_CACHE);
    if (hdc == NULL)
        return;
    HGDIOBJ hOldBrush = ::SelectObject(hdc, ::GetStockObject(GRAY_BRUSH));
    ::PatBlt(hdc, rect.left, rect.top, rect.Width(), nEdge, PATINVERT);
    ::PatBlt(hdc, rect.left, rect.bottom - nEdge, rect.Width(), nEdge, PATINVERT);
    ::PatBlt(hdc, rect.left, rect.top + nEdge, nEdge, rect.Height() - 2 * nEdge, PATINVERT);
    ::PatBlt(hdc, rect.right - nEdge, rect.top + nEdge, nEdge, rect.Height() - 2 * nEdge, PATINVERT);
    ::SelectObject(hdc, hOldBrush);
    ::ReleaseDC(NULL, hdc);
}
}

CDockContext::CDockContext(CControlBar* pBar)
    : m_pBar(pBar), m_pDockSite(NULL), m_dwDockStyle(0), m_rectLast(0, 0, 0, 0), m_ptLast(0, 0),
      m_bDitherLast(FALSE), m_rectDragHorz(0, 0, 0, 0), m_rectDragVert(0, 0, 0, 0),
      m_rectFrameDragHorz(0, 0, 0, 0), m_bFlip(FALSE), m_bDragging(FALSE), m_sizeHorz(0, 0),
      m_sizeVert(0, 0), m_ptOffset(0, 0)
{
}

CDockContext::~CDockContext()
{
}

void CDockContext::StartDrag(CPoint pt)
{
    m_pDockSite = m_pBar->m_pDockSite;
    m_dwDockStyle = m_pBar->m_dwDockStyle;
    if (m_pDockSite == NULL || m_pBar->m_hWnd == NULL)
        return;

    // Both shapes of the bar, then its layout as it stands.
    m_sizeHorz = m_pBar->CalcFixedLayout(FALSE, TRUE);
    m_sizeVert = m_pBar->CalcFixedLayout(FALSE, FALSE);
    m_pBar->CalcFixedLayout(FALSE, m_pBar->IsHorz());
    CRect rcFrame(0, 0, m_sizeHorz.cx, m_sizeHorz.cy);
    ::AdjustWindowRectEx(&rcFrame, WS_POPUP | WS_CAPTION | WS_SYSMENU, FALSE, WS_EX_TOOLWINDOW);
    m_rectFrameDragHorz = CRect(0, 0, rcFrame.Width(), rcFrame.Height());
    m_rectDragHorz = CRect(CPoint(0, 0), m_sizeHorz);
    m_rectDragVert = CRect(CPoint(0, 0), m_sizeVert);

    // The drag starts from what the user sees: the bar, or the frame it floats in.
    CRect rcStart;
    if (m_pBar->IsFloating())
        m_pBar->GetParentFrame()->GetWindowRect(&rcStart);
    else
        m_pBar->GetWindowRect(&rcStart);
    m_ptOffset = pt - rcStart.TopLeft();
    m_ptLast = pt;
    m_rectLast = rcStart;
    m_bDitherLast = m_pBar->IsFloating();
    m_bDragging = TRUE;
    DrawFocusRect();
    Track();
}

CRect CDockContext::GetDockedRect(DWORD dwSide) const
{
    if (dwSide == 0)
        return m_rectFrameDragHorz;
    return (dwSide & CBRS_ORIENT_HORZ) ? m_rectDragHorz : m_rectDragVert;
}

DWORD CDockContext::CanDock(CDockBar** ppDockBar)
{
    return m_pDockSite->CanDock(CRect(m_ptLast, CSize(1, 1)), m_dwDockStyle, ppDockBar);
}

void CDockContext::Move(CPoint pt)
{
    m_ptLast = pt;
    const DWORD dwSide = CanDock();
    CRect rect = GetDockedRect(dwSide);
    // The pointer keeps its place on the bar as far as the new shape allows.
    CPoint ptOffset(std::min(m_ptOffset.x, static_cast<LONG>(std::max(rect.Width() - 1, 0))),
        std::min(m_ptOffset.y, static_cast<LONG>(std::max(rect.Height() - 1, 0))));
    rect.OffsetRect(pt - ptOffset);
    if (rect == m_rectLast && m_bDitherLast == (dwSide == 0))
        return;
    DrawFocusRect(TRUE);
    m_rectLast = rect;
    m_bDitherLast = dwSide == 0;
    DrawFocusRect();
}

BOOL CDockContext::Track()
{
    m_pBar->SetCapture();
    while (m_bDragging && CWnd::GetCapture() == m_pBar)
    {
        MSG msg;
        if (!::PeekMessageW(&msg, NULL, 0, 0, PM_REMOVE))
        {
            // A release that never reaches the queue (taken by another desktop) ends the drag.
            if ((::GetAsyncKeyState(::GetSystemMetrics(SM_SWAPBUTTON) ? VK_RBUTTON : VK_LBUTTON) & 0x8000) == 0)
                break;
            ::MsgWaitForMultipleObjects(0, NULL, FALSE, 100, QS_ALLINPUT);
            continue;
        }
        switch (msg.message)
        {
        case WM_QUIT:
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            CancelDrag();
            return FALSE;
        case WM_MOUSEMOVE:
            Move(msg.pt);
            break;
        case WM_LBUTTONUP:
            Move(msg.pt);
            EndDrag();
            return TRUE;
        case WM_KEYDOWN:
            if (msg.wParam == VK_ESCAPE)
            {
                CancelDrag();
                return FALSE;
            }
            break;
        case WM_RBUTTONDOWN:
            CancelDrag();
            return FALSE;
        default:
            ::DispatchMessageW(&msg);
            break;
        }
    }
    CancelDrag();
    return FALSE;
}

void CDockContext::EndDrag()
{
    CancelDrag();
    CDockBar* pDockBar = NULL;
    if (CanDock(&pDockBar) != 0 && pDockBar != NULL)
        m_pDockSite->DockControlBar(m_pBar, pDockBar, &m_rectLast);
    else
        m_pDockSite->FloatControlBar(m_pBar, m_rectLast.TopLeft(), CBRS_ALIGN_TOP);
}

void CDockContext::CancelDrag()
{
    if (!m_bDragging)
        return;
    DrawFocusRect(TRUE);
    m_bDragging = FALSE;
    if (CWnd::GetCapture() == m_pBar)
        ::ReleaseCapture();
}

void CDockContext::DrawFocusRect(BOOL)
{
    // Inverting twice restores the screen: the same call draws and removes.
    InvertFrame(m_rectLast, m_bDitherLast ? 3 : 1);
}

void CDockContext::ToggleDocking()
{
    m_pDockSite = m_pBar->m_pDockSite;
    if (m_pDockSite == NULL || m_pBar->m_hWnd == NULL)
        return;
    if (m_pBar->IsFloating())
    {
        m_pDockSite->DockControlBar(m_pBar, 0U, NULL);
    }
    else
    {
        CRect rect;
        m_pBar->GetWindowRect(&rect);
        m_pDockSite->FloatControlBar(m_pBar, rect.TopLeft(), CBRS_ALIGN_TOP);
    }
}
