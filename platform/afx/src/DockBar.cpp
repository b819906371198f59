#include <afxwin.h>
#include <afxext.h>
#include <algorithm>

IMPLEMENT_DYNAMIC(CDockBar, CControlBar)

BEGIN_MESSAGE_MAP(CDockBar, CControlBar)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

CDockBar::CDockBar(BOOL bFloating)
    : m_bFloating(bFloating)
{
    m_cxLeftBorder = m_cxRightBorder = m_cyTopBorder = m_cyBottomBorder = 0;
}

CDockBar::~CDockBar()
{
    for (const SDockedBar& docked : m_bars)
    {
        if (docked.pBar->m_pDockBar == this)
            docked.pBar->m_pDockBar = NULL;
    }
}

BOOL CDockBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    m_dwStyle = dwStyle & CBRS_ALIGN_ANY;
    CRect rect(0, 0, 0, 0);
    return CWnd::Create(AfxRegisterWndClass(0, ::LoadCursorW(NULL, IDC_ARROW)), NULL,
        (dwStyle & ~CBRS_ALL) | WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, rect, pParentWnd, nID);
}

LRESULT CDockBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_DELETEITEM:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    {
        // What docked bars tell their parent is meant for the frame they serve.
        LRESULT lResult = 0;
        if (OnWndMsg(message, wParam, lParam, &lResult))
            return lResult;
        CWnd* pOwner = GetOwner();
        if (pOwner != NULL && pOwner->m_hWnd != m_hWnd)
            return pOwner->SendMessage(message, wParam, lParam);
        break;
    }
    default:
        break;
    }
    return CControlBar::WindowProc(message, wParam, lParam);
}

int CDockBar::GetDockedCount() const
{
    return static_cast<int>(m_bars.size());
}

int CDockBar::GetDockedVisibleCount() const
{
    return static_cast<int>(std::count_if(m_bars.begin(), m_bars.end(), [](const SDockedBar& docked) {
        return docked.pBar->m_hWnd != NULL && (docked.pBar->GetStyle() & WS_VISIBLE) != 0;
    }));
}

CControlBar* CDockBar::GetDockedControlBar(int nPos) const
{
    if (nPos < 0 || nPos >= GetDockedCount())
        return NULL;
    return m_bars[static_cast<size_t>(nPos)].pBar;
}

void CDockBar::DockControlBar(CControlBar* pBar, LPCRECT lpRect)
{
    const BOOL bHorz = (m_dwStyle & CBRS_ORIENT_HORZ) != 0;
    if (pBar->GetParent() != this)
        pBar->SetParent(this);
    CDockBar* pOldDockBar = pBar->m_pDockBar;
    if (pOldDockBar != NULL)
        pOldDockBar->RemoveControlBar(pBar);

    SDockedBar docked = { pBar, 0 };
    auto itInsert = m_bars.end();
    if (lpRect != NULL && !m_bFloating)
    {
        CRect rect(lpRect);
        ScreenToClient(&rect);
        docked.nOffset = std::max(bHorz ? static_cast<int>(rect.left) : static_cast<int>(rect.top), 0);
        // A drop above (or left of) a docked row goes before it.
        const int nAcross = bHorz ? rect.top : rect.left;
        itInsert = std::find_if(m_bars.begin(), m_bars.end(), [&](const SDockedBar& other) {
            CRect rcOther;
            other.pBar->GetWindowRect(&rcOther);
            ScreenToClient(&rcOther);
            return nAcross < (bHorz ? rcOther.CenterPoint().y : rcOther.CenterPoint().x);
        });
    }
    m_bars.insert(itInsert, docked);

    DWORD dwStyle = pBar->m_dwStyle & ~(CBRS_ALIGN_ANY | CBRS_FLOATING);
    dwStyle |= m_dwStyle & CBRS_ALIGN_ANY;
    if (m_bFloating)
        dwStyle |= CBRS_FLOATING;
    pBar->m_pDockBar = this;
    pBar->SetBarStyle(dwStyle);
}

BOOL CDockBar::RemoveControlBar(CControlBar* pBar)
{
    auto it = std::find_if(m_bars.begin(), m_bars.end(), [&](const SDockedBar& docked) { return docked.pBar == pBar; });
    if (it == m_bars.end())
        return FALSE;
    m_bars.erase(it);
    if (pBar->m_pDockBar == this)
        pBar->m_pDockBar = NULL;
    // An empty floating frame goes away once the current message is done with it.
    if (m_bFloating && m_bars.empty())
    {
        CWnd* pFrame = GetParent();
        pFrame->ShowWindow(SW_HIDE);
        pFrame->PostMessage(WM_CLOSE);
    }
    return TRUE;
}

CSize CDockBar::LayoutBars(int nLength, BOOL bMove)
{
    const BOOL bHorz = (m_dwStyle & CBRS_ORIENT_HORZ) != 0;
    int nAcross = 0;
    int nAlong = 0;
    for (const SDockedBar& docked : m_bars)
    {
        CControlBar* pBar = docked.pBar;
        if (pBar->m_hWnd == NULL || (pBar->GetStyle() & WS_VISIBLE) == 0)
            continue;
        CSize size = pBar->CalcFixedLayout(FALSE, bHorz);
        const int cxAlong = bHorz ? size.cx : size.cy;
        // A bar dropped near the end moves in until it fits; one wider than the side starts at 0.
        const int nOffset = m_bFloating ? 0 : std::max(std::min(docked.nOffset, nLength - cxAlong), 0);
        if (bMove)
        {
            CPoint pt = bHorz ? CPoint(nOffset, nAcross) : CPoint(nAcross, nOffset);
            pBar->SetWindowPos(NULL, pt.x, pt.y, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
        }
        nAcross += bHorz ? size.cy : size.cx;
        nAlong = std::max(nAlong, nOffset + cxAlong);
    }
    if (!m_bFloating)
        nAlong = nLength;
    return bHorz ? CSize(nAlong, nAcross) : CSize(nAcross, nAlong);
}

CSize CDockBar::CalcFixedLayout(BOOL bStretch, BOOL)
{
    return LayoutBars(bStretch ? 32767 : 0, FALSE);
}

void CDockBar::OnUpdateCmdUI(CFrameWnd*, BOOL)
{
}

BOOL CDockBar::OnEraseBkgnd(CDC* pDC)
{
    CRect rect;
    GetClientRect(&rect);
    pDC->FillSolidRect(&rect, ::GetSysColor(COLOR_BTNFACE));
    return TRUE;
}

void CDockBar::OnPaint()
{
    CPaintDC dc(this);
}
