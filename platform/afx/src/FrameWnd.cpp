#include <afxwin.h>
#include <afxext.h>
#include <vector>

IMPLEMENT_DYNCREATE(CFrameWnd, CWnd)

BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
    ON_WM_DESTROY()
    ON_WM_SIZE()
    ON_MESSAGE(WM_IDLEUPDATECMDUI, &CFrameWnd::OnIdleUpdateCmdUI)
END_MESSAGE_MAP()

const CRect CFrameWnd::rectDefault(CW_USEDEFAULT, CW_USEDEFAULT, 0, 0);

namespace
{
// The sides in the order RecalcLayout takes them, with the alignment each one docks.
const struct
{
    UINT nID;
    DWORD dwAlign;
} s_dockSides[] = {
    { AFX_IDW_DOCKBAR_TOP, CBRS_ALIGN_TOP },
    { AFX_IDW_DOCKBAR_BOTTOM, CBRS_ALIGN_BOTTOM },
    { AFX_IDW_DOCKBAR_LEFT, CBRS_ALIGN_LEFT },
    { AFX_IDW_DOCKBAR_RIGHT, CBRS_ALIGN_RIGHT },
};

// How far into the client area an empty side still takes a dragged bar.
const int cxDockZone = 32;
}

CFrameWnd::CFrameWnd()
    : m_bInRecalcLayout(FALSE), m_nIdleFlags(0)
{
}

CFrameWnd::~CFrameWnd()
{
}

BOOL CFrameWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
    CWnd* pParentWnd, LPCTSTR lpszMenuName, DWORD dwExStyle, CCreateContext*)
{
    HMENU hMenu = NULL;
    if (lpszMenuName != NULL)
    {
        HINSTANCE hInst = AfxFindResourceHandle(lpszMenuName, RT_MENU);
        hMenu = ::LoadMenuW(hInst, lpszMenuName);
        if (hMenu == NULL)
            return FALSE;
    }
    const BOOL bDefault = CRect(rect) == rectDefault;
    if (!CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle,
            bDefault ? CW_USEDEFAULT : rect.left, bDefault ? CW_USEDEFAULT : rect.top,
            bDefault ? CW_USEDEFAULT : rect.right - rect.left, bDefault ? CW_USEDEFAULT : rect.bottom - rect.top,
            pParentWnd->GetSafeHwnd(), hMenu))
    {
        if (hMenu != NULL)
            ::DestroyMenu(hMenu);
        return FALSE;
    }
    return TRUE;
}

BOOL CFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd, CCreateContext* pContext)
{
    CString strTitle;
    if (strTitle.LoadString(nIDResource))
    {
        int nNewLine = strTitle.Find(L'\n');
        if (nNewLine >= 0)
            strTitle = strTitle.Left(nNewLine);
    }
    LPCTSTR lpszMenu = MAKEINTRESOURCE(nIDResource);
    if (::FindResourceW(AfxFindResourceHandle(lpszMenu, RT_MENU), lpszMenu, RT_MENU) == NULL)
        lpszMenu = NULL;
    return Create(NULL, strTitle, dwDefaultStyle, rectDefault, pParentWnd, lpszMenu, 0, pContext);
}

BOOL CFrameWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    if (!CWnd::PreCreateWindow(cs))
        return FALSE;
    if (cs.lpszClass == NULL)
        cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorW(NULL, IDC_ARROW),
            reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1)));
    cs.style |= WS_CLIPCHILDREN;
    return TRUE;
}

void CFrameWnd::PostNcDestroy()
{
    delete this;
}

BOOL CFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    CWinThread* pThread = AfxGetThread();
    return pThread != NULL && pThread->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

CControlBar* CFrameWnd::GetControlBar(UINT nID)
{
    for (POSITION pos = m_listControlBars.GetHeadPosition(); pos != NULL;)
    {
        CControlBar* pBar = static_cast<CControlBar*>(m_listControlBars.GetNext(pos));
        if (pBar->m_hWnd != NULL && static_cast<UINT>(pBar->GetDlgCtrlID()) == nID)
            return pBar;
    }
    return NULL;
}

void CFrameWnd::AddControlBar(CControlBar* pBar)
{
    if (m_listControlBars.Find(pBar) == NULL)
        m_listControlBars.AddTail(pBar);
}

void CFrameWnd::RemoveControlBar(CControlBar* pBar)
{
    if (POSITION pos = m_listControlBars.Find(pBar))
        m_listControlBars.RemoveAt(pos);
}

CDockBar* CFrameWnd::GetDockBar(UINT nDockBarID) const
{
    CWnd* pWnd = GetDlgItem(static_cast<int>(nDockBarID));
    return DYNAMIC_DOWNCAST(CDockBar, pWnd);
}

void CFrameWnd::EnableDocking(DWORD dwDockStyle)
{
    for (const auto& side : s_dockSides)
    {
        if ((dwDockStyle & side.dwAlign) == 0 || GetDockBar(side.nID) != NULL)
            continue;
        CDockBar* pDockBar = new CDockBar;
        pDockBar->m_bAutoDelete = TRUE;
        if (!pDockBar->Create(this, WS_CHILD | WS_VISIBLE | side.dwAlign, side.nID))
            delete pDockBar;
    }
    RecalcLayout();
}

void CFrameWnd::DockControlBar(CControlBar* pBar, UINT nDockBarID, LPCRECT lpRect)
{
    CDockBar* pDockBar = nDockBarID != 0 ? GetDockBar(nDockBarID) : NULL;
    // Without an id: the side the bar is aligned to, then any side it may dock to, then any.
    for (int nPass = 0; pDockBar == NULL && nPass < 3; nPass++)
    {
        const DWORD dwWanted = nPass == 0 ? (pBar->m_dwStyle & pBar->m_dwDockStyle & CBRS_ALIGN_ANY)
            : nPass == 1 ? (pBar->m_dwDockStyle & CBRS_ALIGN_ANY) : CBRS_ALIGN_ANY;
        for (const auto& side : s_dockSides)
        {
            if ((dwWanted & side.dwAlign) != 0 && (pDockBar = GetDockBar(side.nID)) != NULL)
                break;
        }
    }
    if (pDockBar != NULL)
        DockControlBar(pBar, pDockBar, lpRect);
}

void CFrameWnd::DockControlBar(CControlBar* pBar, CDockBar* pDockBar, LPCRECT lpRect)
{
    if (pBar == NULL || pBar->m_hWnd == NULL || pDockBar == NULL)
        return;
    pBar->m_pDockSite = this;
    AddControlBar(pBar);
    pDockBar->DockControlBar(pBar, lpRect);
    RecalcLayout();
}

CMiniDockFrameWnd* CFrameWnd::CreateFloatingFrame(DWORD dwStyle)
{
    CMiniDockFrameWnd* pFrame = new CMiniDockFrameWnd;
    if (!pFrame->Create(this, dwStyle))
    {
        delete pFrame;
        return NULL;
    }
    return pFrame;
}

void CFrameWnd::FloatControlBar(CControlBar* pBar, CPoint point, DWORD dwStyle)
{
    if (pBar == NULL || pBar->m_hWnd == NULL)
        return;
    CDockBar* pOldDockBar = pBar->m_pDockBar;
    const DWORD dwAlign = dwStyle & CBRS_ALIGN_ANY;
    CMiniDockFrameWnd* pFrame = NULL;
    if (pOldDockBar != NULL && pOldDockBar->m_bFloating
        && (pOldDockBar->m_dwStyle & CBRS_ALIGN_ANY) == dwAlign)
    {
        // Already floating the same way: only its frame moves.
        pFrame = DYNAMIC_DOWNCAST(CMiniDockFrameWnd, pOldDockBar->GetParent());
    }
    if (pFrame == NULL)
    {
        pFrame = CreateFloatingFrame(dwAlign);
        if (pFrame == NULL)
            return;
        pBar->m_pDockSite = this;
        AddControlBar(pBar);
        pFrame->m_wndDockBar.DockControlBar(pBar);
    }
    pFrame->SetWindowPos(NULL, point.x, point.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    pFrame->RecalcLayout();
    RecalcLayout();
}

void CFrameWnd::ShowControlBar(CControlBar* pBar, BOOL bShow, BOOL bDelay)
{
    if (pBar == NULL || pBar->m_hWnd == NULL)
        return;
    pBar->SetWindowPos(NULL, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE
        | (bShow ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
    if (pBar->m_pDockBar != NULL && pBar->m_pDockBar->m_bFloating)
    {
        if (CFrameWnd* pFrame = DYNAMIC_DOWNCAST(CFrameWnd, pBar->m_pDockBar->GetParent()))
            pFrame->RecalcLayout();
    }
    if (bDelay)
        DelayRecalcLayout();
    else
        RecalcLayout();
}

DWORD CFrameWnd::CanDock(CRect rect, DWORD dwDockStyle, CDockBar** ppDockBar)
{
    for (const auto& side : s_dockSides)
    {
        CDockBar* pDockBar = GetDockBar(side.nID);
        if ((dwDockStyle & side.dwAlign) == 0 || pDockBar == NULL)
            continue;
        // An empty or thin side still takes a drop within a band along its edge.
        CRect rcZone;
        pDockBar->GetWindowRect(&rcZone);
        switch (side.dwAlign)
        {
        case CBRS_ALIGN_TOP: rcZone.bottom = std::max(rcZone.bottom, rcZone.top + cxDockZone); break;
        case CBRS_ALIGN_BOTTOM: rcZone.top = std::min(rcZone.top, rcZone.bottom - cxDockZone); break;
        case CBRS_ALIGN_LEFT: rcZone.right = std::max(rcZone.right, rcZone.left + cxDockZone); break;
        default: rcZone.left = std::min(rcZone.left, rcZone.right - cxDockZone); break;
        }
        CRect rcHit;
        if (rcHit.IntersectRect(&rcZone, &rect))
        {
            if (ppDockBar != NULL)
                *ppDockBar = pDockBar;
            return side.dwAlign;
        }
    }
    if (ppDockBar != NULL)
        *ppDockBar = NULL;
    return 0;
}

void CFrameWnd::RecalcLayout(BOOL)
{
    if (m_hWnd == NULL || m_bInRecalcLayout)
        return;
    m_bInRecalcLayout = TRUE;
    m_nIdleFlags &= ~idleLayout;
    CRect rcClient;
    GetClientRect(&rcClient);
    for (const auto& side : s_dockSides)
    {
        CDockBar* pDockBar = GetDockBar(side.nID);
        if (pDockBar == NULL)
            continue;
        const BOOL bHorz = (side.dwAlign & CBRS_ORIENT_HORZ) != 0;
        CSize size = pDockBar->LayoutBars(bHorz ? rcClient.Width() : rcClient.Height(), TRUE);
        CRect rcBar(rcClient);
        switch (side.dwAlign)
        {
        case CBRS_ALIGN_TOP: rcBar.bottom = rcClient.top += size.cy; break;
        case CBRS_ALIGN_BOTTOM: rcBar.top = rcClient.bottom -= size.cy; break;
        case CBRS_ALIGN_LEFT: rcBar.right = rcClient.left += size.cx; break;
        default: rcBar.left = rcClient.right -= size.cx; break;
        }
        pDockBar->SetWindowPos(NULL, rcBar.left, rcBar.top, rcBar.Width(), rcBar.Height(),
            SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (CWnd* pPane = GetDlgItem(AFX_IDW_PANE_FIRST))
        pPane->MoveWindow(&rcClient);
    m_bInRecalcLayout = FALSE;
}

void CFrameWnd::DelayRecalcLayout(BOOL)
{
    m_nIdleFlags |= idleLayout;
}

void CFrameWnd::OnDestroy()
{
    // A mini frame belongs to the top-level window, which may outlive this frame.
    std::vector<HWND> floatingFrames;
    for (POSITION pos = m_listControlBars.GetHeadPosition(); pos != NULL;)
    {
        CControlBar* pBar = static_cast<CControlBar*>(m_listControlBars.GetNext(pos));
        if (pBar->m_pDockBar != NULL && pBar->m_pDockBar->m_bFloating)
            floatingFrames.push_back(pBar->m_pDockBar->GetParent()->GetSafeHwnd());
    }
    for (HWND hWndFrame : floatingFrames)
    {
        if (::IsWindow(hWndFrame))
            ::DestroyWindow(hWndFrame);
    }
    for (POSITION pos = m_listControlBars.GetHeadPosition(); pos != NULL;)
        static_cast<CControlBar*>(m_listControlBars.GetNext(pos))->m_pDockSite = NULL;
    m_listControlBars.RemoveAll();
    CWnd::OnDestroy();
}

void CFrameWnd::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    if (nType != SIZE_MINIMIZED)
        RecalcLayout();
}

LRESULT CFrameWnd::OnIdleUpdateCmdUI(WPARAM, LPARAM)
{
    if (m_nIdleFlags & idleLayout)
        RecalcLayout();
    return 0;
}
