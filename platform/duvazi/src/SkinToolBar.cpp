#include <SkinToolBar.h>

IMPLEMENT_DYNAMIC(CSkinToolBar, CToolBar)

BEGIN_MESSAGE_MAP(CSkinToolBar, CToolBar)
    ON_WM_MOUSEMOVE()
    ON_NOTIFY_REFLECT(NM_CUSTOMDRAW, &CSkinToolBar::OnCustomDraw)
    ON_MESSAGE(WM_MOUSELEAVE, &CSkinToolBar::OnMouseLeave)
END_MESSAGE_MAP()

CSkinToolBar::CSkinToolBar()
    : m_crFace(0), m_crText(0), m_crHot(0), m_crPressed(0), m_crBorder(0), m_crDisabledText(0),
      m_bCustomizing(FALSE), m_bTrackingMouse(FALSE)
{
    for (int i = 0; i < captionCount; i++)
        m_crCaption[i] = CLR_NONE;
    LoadSkinColors();
}

CSkinToolBar::~CSkinToolBar()
{
}

void CSkinToolBar::LoadSkinColors()
{
    m_crFace = CSkinStubWnd::GetSkinColor(CSkinStubWnd::colorFace);
    m_crText = CSkinStubWnd::GetSkinColor(CSkinStubWnd::colorText);
    m_crHot = CSkinStubWnd::GetSkinColor(CSkinStubWnd::colorHot);
    m_crPressed = CSkinStubWnd::GetSkinColor(CSkinStubWnd::colorPressed);
    m_crBorder = CSkinStubWnd::GetSkinColor(CSkinStubWnd::colorBorder);
    m_crDisabledText = CSkinStubWnd::GetSkinColor(CSkinStubWnd::colorDisabledText);
}

COLORREF CSkinToolBar::GetTextColor(UINT nItemState) const
{
    if (nItemState & CDIS_DISABLED)
        return IsSkinDefault(m_crCaption[captionDisabled]) ? m_crDisabledText : m_crCaption[captionDisabled];
    int nCaption = captionNormal;
    if (nItemState & (CDIS_SELECTED | CDIS_CHECKED))
        nCaption = captionPressed;
    else if ((nItemState & CDIS_HOT) && !m_bCustomizing)
        nCaption = captionHot;
    return IsSkinDefault(m_crCaption[nCaption]) ? m_crText : m_crCaption[nCaption];
}

BOOL CSkinToolBar::PreCreateWindow(CREATESTRUCT& cs)
{
    if (!CToolBar::PreCreateWindow(cs))
        return FALSE;
    // The skin draws the buttons flat; raised edges would fight its frames.
    cs.style |= TBSTYLE_FLAT;
    OnInitSkinBitmapInfos();
    return TRUE;
}

BOOL CSkinToolBar::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    NMHDR* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
    if (pNMHDR->code == TTN_GETDISPINFOW && (m_dwStyle & CBRS_TOOLTIPS))
    {
        NMTTDISPINFOW* pDispInfo = reinterpret_cast<NMTTDISPINFOW*>(pNMHDR);
        UINT nID = (pDispInfo->uFlags & TTF_IDISHWND)
            ? static_cast<UINT>(::GetDlgCtrlID(reinterpret_cast<HWND>(pNMHDR->idFrom)))
            : static_cast<UINT>(pNMHDR->idFrom);
        CString strPrompt;
        if (nID != ID_SEPARATOR && CommandToIndex(nID) >= 0 && strPrompt.LoadString(nID))
        {
            // A command prompt reads "status bar text\ntool tip"; the tip is the part after '\n'.
            int nNewLine = strPrompt.Find(L'\n');
            m_strTipText = nNewLine >= 0 ? strPrompt.Mid(nNewLine + 1) : strPrompt;
            if (!m_strTipText.IsEmpty())
            {
                pDispInfo->lpszText = const_cast<LPWSTR>(m_strTipText.GetString());
                pDispInfo->hinst = NULL;
                *pResult = 0;
                return TRUE;
            }
        }
    }
    return CToolBar::OnNotify(wParam, lParam, pResult);
}

void CSkinToolBar::SetCaptionTextColors(COLORREF crNormal, COLORREF crHot, COLORREF crPressed, COLORREF crDisabled)
{
    m_crCaption[captionNormal] = crNormal;
    m_crCaption[captionHot] = crHot;
    m_crCaption[captionPressed] = crPressed;
    m_crCaption[captionDisabled] = crDisabled;
    if (m_hWnd != NULL)
        Invalidate();
}

void CSkinToolBar::GetCaptionTextColors(COLORREF& crNormal, COLORREF& crHot, COLORREF& crPressed, COLORREF& crDisabled)
{
    crNormal = m_crCaption[captionNormal];
    crHot = m_crCaption[captionHot];
    crPressed = m_crCaption[captionPressed];
    crDisabled = m_crCaption[captionDisabled];
}

void CSkinToolBar::RecalcLayout(BOOL bRepaint)
{
    if (m_hWnd == NULL)
        return;
    CSize size = CalcFixedLayout(FALSE, IsHorz());
    SetWindowPos(NULL, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    if (bRepaint)
        Invalidate();
}

void CSkinToolBar::BeginCustomize()
{
    m_bCustomizing = TRUE;
    if (m_hWnd != NULL)
    {
        GetToolBarCtrl().SetHotItem(-1);
        Invalidate();
    }
}

void CSkinToolBar::EndCustomize()
{
    m_bCustomizing = FALSE;
    if (m_hWnd != NULL)
        Invalidate();
}

BOOL CSkinToolBar::OnInitSkinBitmapInfos()
{
    LoadSkinColors();
    return TRUE;
}

void CSkinToolBar::OnItemPrePaint(CDC* pDC, LPNMTBCUSTOMDRAW lpTBCustomDraw, LRESULT* pResult)
{
    const UINT nState = lpTBCustomDraw->nmcd.uItemState;
    // A disabled button shows no state: it keeps the face.
    COLORREF crFill = CLR_NONE;
    if (!(nState & CDIS_DISABLED))
    {
        if (nState & (CDIS_SELECTED | CDIS_CHECKED))
            crFill = m_crPressed;
        else if ((nState & CDIS_HOT) && !m_bCustomizing)
            crFill = m_crHot;
    }

    if (crFill != CLR_NONE)
    {
        COLORREF crOldBk = pDC->GetBkColor();
        pDC->FillSolidRect(&lpTBCustomDraw->nmcd.rc, crFill);
        pDC->SetBkColor(crOldBk);
    }

    COLORREF crText = GetTextColor(nState);
    lpTBCustomDraw->clrText = crText;
    lpTBCustomDraw->clrTextHighlight = crText;
    lpTBCustomDraw->clrBtnFace = m_crFace;
    lpTBCustomDraw->clrHighlightHotTrack = m_crHot;
    lpTBCustomDraw->nStringBkMode = TRANSPARENT;
    lpTBCustomDraw->nHLStringBkMode = TRANSPARENT;
    // The control draws image and caption over the skin's fill, without its own edges,
    // offsets or background.
    *pResult = CDRF_NOTIFYPOSTPAINT | TBCDRF_NOEDGES | TBCDRF_NOOFFSET | TBCDRF_NOETCHEDEFFECT
        | TBCDRF_NOBACKGROUND | TBCDRF_USECDCOLORS;
}

void CSkinToolBar::OnItemPostPaint(CDC* pDC, LPNMTBCUSTOMDRAW lpTBCustomDraw, LRESULT* pResult)
{
    const UINT nState = lpTBCustomDraw->nmcd.uItemState;
    CRect rcItem(lpTBCustomDraw->nmcd.rc);
    if (m_bCustomizing)
        FrameItem(pDC, rcItem, m_crBorder, TRUE);
    else if (!(nState & CDIS_DISABLED) && (nState & (CDIS_SELECTED | CDIS_CHECKED | CDIS_HOT)))
        FrameItem(pDC, rcItem, m_crBorder, FALSE);
    *pResult = CDRF_DODEFAULT;
}

LRESULT CSkinToolBar::OnMouseLeave(WPARAM, LPARAM)
{
    m_bTrackingMouse = FALSE;
    // The control clears its own hot button.
    return Default();
}

void CSkinToolBar::TrackMouseLeave()
{
    if (m_bTrackingMouse)
        return;
    TRACKMOUSEEVENT tme = { sizeof(TRACKMOUSEEVENT), TME_LEAVE, m_hWnd, 0 };
    m_bTrackingMouse = ::TrackMouseEvent(&tme);
}

void CSkinToolBar::FrameItem(CDC* pDC, const CRect& rcItem, COLORREF crFrame, BOOL bDotted)
{
    CPen pen(bDotted ? PS_DOT : PS_SOLID, 1, crFrame);
    CPen* pOldPen = pDC->SelectObject(&pen);
    CGdiObject* pOldBrush = pDC->SelectStockObject(NULL_BRUSH);
    int nOldBkMode = pDC->SetBkMode(TRANSPARENT);
    pDC->Rectangle(&rcItem);
    pDC->SetBkMode(nOldBkMode);
    pDC->SelectObject(pOldBrush);
    pDC->SelectObject(pOldPen);
}

void CSkinToolBar::OnMouseMove(UINT nFlags, CPoint point)
{
    // Customizing shows no hot button: the control does not see the pointer move.
    if (m_bCustomizing)
        return;
    TrackMouseLeave();
    CToolBar::OnMouseMove(nFlags, point);
}

void CSkinToolBar::OnCustomDraw(NMHDR* pNMHDR, LRESULT* pResult)
{
    LPNMTBCUSTOMDRAW lpTBCustomDraw = reinterpret_cast<LPNMTBCUSTOMDRAW>(pNMHDR);
    CDC* pDC = CDC::FromHandle(lpTBCustomDraw->nmcd.hdc);
    switch (lpTBCustomDraw->nmcd.dwDrawStage)
    {
    case CDDS_PREPAINT:
        PaintBackground(pDC, lpTBCustomDraw->nmcd.rc);
        *pResult = CDRF_NOTIFYITEMDRAW;
        break;
    case CDDS_ITEMPREPAINT:
        OnItemPrePaint(pDC, lpTBCustomDraw, pResult);
        break;
    case CDDS_ITEMPOSTPAINT:
        OnItemPostPaint(pDC, lpTBCustomDraw, pResult);
        break;
    default:
        *pResult = CDRF_DODEFAULT;
        break;
    }
}

void CSkinToolBar::PaintBackground(CDC* pDC, const RECT& rcPaint)
{
    COLORREF crOldBk = pDC->GetBkColor();
    pDC->FillSolidRect(&rcPaint, m_crFace);
    pDC->SetBkColor(crOldBk);
}
