#include <afxwin.h>
#include <afxext.h>
#include <algorithm>

IMPLEMENT_DYNAMIC(CControlBar, CWnd)

BEGIN_MESSAGE_MAP(CControlBar, CWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_NCHITTEST()
    ON_WM_NCCALCSIZE()
    ON_WM_NCPAINT()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONDBLCLK()
    ON_MESSAGE(WM_IDLEUPDATECMDUI, &CControlBar::OnIdleUpdateCmdUI)
END_MESSAGE_MAP()

CControlBar::CControlBar()
    : m_cxLeftBorder(6), m_cxRightBorder(6),
      m_cyTopBorder(2), m_cyBottomBorder(2),
      m_cxDefaultGap(2),
      m_bAutoDelete(FALSE),
      m_dwStyle(0),
      m_dwDockStyle(0),
      m_pDockSite(NULL),
      m_pDockBar(NULL),
      m_pDockContext(NULL)
{
}

CControlBar::~CControlBar()
{
    DestroyWindow();
    delete m_pDockContext;
}

void CControlBar::SetBorders(int cxLeft, int cyTop, int cxRight, int cyBottom)
{
    m_cxLeftBorder = std::max(cxLeft, 0);
    m_cyTopBorder = std::max(cyTop, 0);
    m_cxRightBorder = std::max(cxRight, 0);
    m_cyBottomBorder = std::max(cyBottom, 0);
    if (m_hWnd != NULL)
        SetWindowPos(NULL, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void CControlBar::SetBorders(LPCRECT lpRect)
{
    SetBorders(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}

CRect CControlBar::GetBorders() const
{
    return CRect(m_cxLeftBorder, m_cyTopBorder, m_cxRightBorder, m_cyBottomBorder);
}

DWORD CControlBar::GetBarStyle()
{
    return m_dwStyle;
}

void CControlBar::SetBarStyle(DWORD dwStyle)
{
    dwStyle &= CBRS_ALL;
    if (dwStyle == m_dwStyle)
        return;
    DWORD dwOldStyle = m_dwStyle;
    m_dwStyle = dwStyle;
    OnBarStyleChange(dwOldStyle, dwStyle);
}

void CControlBar::EnableDocking(DWORD dwDockStyle)
{
    m_dwDockStyle = dwDockStyle & (CBRS_ALIGN_ANY | CBRS_FLOAT_MULTI);
    if (m_pDockContext == NULL)
        m_pDockContext = new CDockContext(this);
}

CFrameWnd* CControlBar::GetDockingFrame() const
{
    return GetParentFrame();
}

BOOL CControlBar::IsFloating() const
{
    return m_pDockBar != NULL && (m_dwStyle & CBRS_FLOATING) != 0;
}

BOOL CControlBar::IsHorz() const
{
    return (m_dwStyle & CBRS_ORIENT_HORZ) != 0 || (m_dwStyle & CBRS_ORIENT_ANY) == 0;
}

CSize CControlBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    CRect rcInside(0, 0, 0, 0);
    CalcInsideRect(rcInside, bHorz);
    CSize size(-rcInside.Width(), -rcInside.Height());
    if (bStretch)
    {
        if (bHorz)
            size.cx = 32767;
        else
            size.cy = 32767;
    }
    return size;
}

void CControlBar::CalcInsideRect(CRect& rect, BOOL bHorz) const
{
    if (m_dwStyle & CBRS_BORDER_LEFT)
        rect.left += cxEdge;
    if (m_dwStyle & CBRS_BORDER_TOP)
        rect.top += cxEdge;
    if (m_dwStyle & CBRS_BORDER_RIGHT)
        rect.right -= cxEdge;
    if (m_dwStyle & CBRS_BORDER_BOTTOM)
        rect.bottom -= cxEdge;

    if (bHorz)
    {
        if (m_dwStyle & CBRS_GRIPPER)
            rect.left += cxGripper;
        rect.left += m_cxLeftBorder;
        rect.top += m_cyTopBorder;
        rect.right -= m_cxRightBorder;
        rect.bottom -= m_cyBottomBorder;
    }
    else
    {
        if (m_dwStyle & CBRS_GRIPPER)
            rect.top += cxGripper;
        rect.left += m_cyTopBorder;
        rect.top += m_cxLeftBorder;
        rect.right -= m_cyBottomBorder;
        rect.bottom -= m_cxRightBorder;
    }
}

void CControlBar::DrawBorders(CDC* pDC, CRect& rect)
{
    const COLORREF crShadow = ::GetSysColor(COLOR_BTNSHADOW);
    const COLORREF crHilite = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    // Each bordered side gets an etched line: shadow outside, highlight inside.
    if (m_dwStyle & CBRS_BORDER_TOP)
    {
        pDC->FillSolidRect(rect.left, rect.top, rect.Width(), 1, crShadow);
        pDC->FillSolidRect(rect.left, rect.top + 1, rect.Width(), 1, crHilite);
    }
    if (m_dwStyle & CBRS_BORDER_BOTTOM)
    {
        pDC->FillSolidRect(rect.left, rect.bottom - 2, rect.Width(), 1, crShadow);
        pDC->FillSolidRect(rect.left, rect.bottom - 1, rect.Width(), 1, crHilite);
    }
    if (m_dwStyle & CBRS_BORDER_LEFT)
    {
        pDC->FillSolidRect(rect.left, rect.top, 1, rect.Height(), crShadow);
        pDC->FillSolidRect(rect.left + 1, rect.top, 1, rect.Height(), crHilite);
    }
    if (m_dwStyle & CBRS_BORDER_RIGHT)
    {
        pDC->FillSolidRect(rect.right - 2, rect.top, 1, rect.Height(), crShadow);
        pDC->FillSolidRect(rect.right - 1, rect.top, 1, rect.Height(), crHilite);
    }
    rect.DeflateRect((m_dwStyle & CBRS_BORDER_LEFT) ? cxEdge : 0, (m_dwStyle & CBRS_BORDER_TOP) ? cxEdge : 0,
        (m_dwStyle & CBRS_BORDER_RIGHT) ? cxEdge : 0, (m_dwStyle & CBRS_BORDER_BOTTOM) ? cxEdge : 0);
}

void CControlBar::DrawGripper(CDC* pDC, const CRect& rect)
{
    const COLORREF crShadow = ::GetSysColor(COLOR_BTNSHADOW);
    const COLORREF crHilite = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    // A raised bar of three pixels across the band that CalcInsideRect reserved.
    if (IsHorz())
        pDC->Draw3dRect(rect.left + 2, rect.top + 2, 3, std::max(rect.Height() - 4, 0), crHilite, crShadow);
    else
        pDC->Draw3dRect(rect.left + 2, rect.top + 2, std::max(rect.Width() - 4, 0), 3, crHilite, crShadow);
}

void CControlBar::OnBarStyleChange(DWORD dwOldStyle, DWORD dwNewStyle)
{
    const DWORD dwFrameStyles = CBRS_BORDER_ANY | CBRS_GRIPPER | CBRS_ORIENT_ANY;
    if (m_hWnd != NULL && ((dwOldStyle ^ dwNewStyle) & dwFrameStyles) != 0)
        SetWindowPos(NULL, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

BOOL CControlBar::PreCreateWindow(CREATESTRUCT& cs)
{
    if (!CWnd::PreCreateWindow(cs))
        return FALSE;
    INITCOMMONCONTROLSEX icc = { sizeof(INITCOMMONCONTROLSEX), ICC_BAR_CLASSES };
    ::InitCommonControlsEx(&icc);
    cs.style |= WS_CLIPSIBLINGS;
    return TRUE;
}

void CControlBar::PostNcDestroy()
{
    if (m_bAutoDelete)
        delete this;
}

void CControlBar::OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp)
{
    Default();
    CRect rcInside(0, 0, 0, 0);
    CalcInsideRect(rcInside, IsHorz());
    RECT& rcClient = lpncsp->rgrc[0];
    rcClient.left += rcInside.left;
    rcClient.top += rcInside.top;
    rcClient.right = std::max(rcClient.left, rcClient.right + rcInside.right);
    rcClient.bottom = std::max(rcClient.top, rcClient.bottom + rcInside.bottom);
}

void CControlBar::OnNcPaint()
{
    Default();

    CRect rcWindow;
    GetWindowRect(&rcWindow);
    CRect rcClient;
    GetClientRect(&rcClient);
    ClientToScreen(&rcClient);
    rcClient.OffsetRect(-rcWindow.left, -rcWindow.top);
    rcWindow.OffsetRect(-rcWindow.left, -rcWindow.top);

    // Leave the window's own frame (WS_BORDER and the like) to the system.
    CRect rcFrame(0, 0, 0, 0);
    ::AdjustWindowRectEx(&rcFrame, GetStyle() & ~WS_CAPTION, FALSE, GetExStyle());
    rcWindow.DeflateRect(-rcFrame.left, -rcFrame.top, rcFrame.right, rcFrame.bottom);

    CWindowDC dc(this);
    dc.ExcludeClipRect(&rcClient);
    dc.FillSolidRect(&rcWindow, ::GetSysColor(COLOR_BTNFACE));
    DrawBorders(&dc, rcWindow);
    if (m_dwStyle & CBRS_GRIPPER)
        DrawGripper(&dc, rcWindow);
}

int CControlBar::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    // Docking changes the parent; commands and updates keep going to the window created under.
    if (m_hWndOwner == NULL)
        SetOwner(GetParent());
    if (CFrameWnd* pFrame = DYNAMIC_DOWNCAST(CFrameWnd, GetParent()))
    {
        m_pDockSite = pFrame;
        pFrame->AddControlBar(this);
    }
    return 0;
}

void CControlBar::OnDestroy()
{
    if (m_pDockBar != NULL)
        m_pDockBar->RemoveControlBar(this);
    if (m_pDockSite != NULL)
        m_pDockSite->RemoveControlBar(this);
    m_pDockBar = NULL;
    m_pDockSite = NULL;
    CWnd::OnDestroy();
}

LRESULT CControlBar::OnNcHitTest(CPoint)
{
    // Borders and gripper belong to the bar: a press there may start a drag.
    return HTCLIENT;
}

BOOL CControlBar::IsDragPoint(CPoint point) const
{
    return m_pDockBar != NULL && m_pDockContext != NULL && OnToolHitTest(point, NULL) == -1;
}

void CControlBar::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (!IsDragPoint(point))
    {
        CWnd::OnLButtonDown(nFlags, point);
        return;
    }
    ClientToScreen(&point);
    m_pDockContext->StartDrag(point);
}

void CControlBar::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    if (!IsDragPoint(point))
    {
        CWnd::OnLButtonDblClk(nFlags, point);
        return;
    }
    m_pDockContext->ToggleDocking();
}

void CControlBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler)
{
    UpdateDialogControls(reinterpret_cast<CWnd*>(pTarget), bDisableIfNoHndler);
}

LRESULT CControlBar::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM)
{
    // The bar's commands go where its notifications go: to its owner.
    if (GetStyle() & WS_VISIBLE)
    {
        if (CWnd* pTarget = GetOwner())
            OnUpdateCmdUI(reinterpret_cast<CFrameWnd*>(pTarget), static_cast<BOOL>(wParam));
    }
    return 0;
}
