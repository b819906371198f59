#include "dialogs/ResizableDialog.h"
#include <algorithm>
#include <climits>

namespace
{
const int kClassNameLength = 260;

COLORREF GripLight(COLORREF cr)
{
    auto light = [](int v) { return std::min(v * 95 / 255 + 160, 255); };
    return RGB(light(GetRValue(cr)), light(GetGValue(cr)), light(GetBValue(cr)));
}

COLORREF GripDark(COLORREF cr)
{
    auto dark = [](int v) { return static_cast<int>(static_cast<float>(v) * 0.5f); };
    return RGB(dark(GetRValue(cr)), dark(GetGValue(cr)), dark(GetBValue(cr)));
}

// Reads one number as "%d" does (leading blanks, a sign, digits), but refuses one that does
// not fit in 32 bits instead of keeping whatever the overflow leaves.
bool ParseInt(LPCWSTR& lpsz, int& nValue)
{
    while (*lpsz == L' ' || (*lpsz >= L'\t' && *lpsz <= L'\r'))
        ++lpsz;
    bool bNegative = *lpsz == L'-';
    if (*lpsz == L'-' || *lpsz == L'+')
        ++lpsz;
    if (*lpsz < L'0' || *lpsz > L'9')
        return false;
    long long nMagnitude = 0;
    for (; *lpsz >= L'0' && *lpsz <= L'9'; ++lpsz)
    {
        nMagnitude = nMagnitude * 10 + (*lpsz - L'0');
        if (nMagnitude > static_cast<long long>(INT_MAX) + 1)
            return false;
    }
    long long nSigned = bNegative ? -nMagnitude : nMagnitude;
    if (nSigned > INT_MAX)
        return false;
    nValue = static_cast<int>(nSigned);
    return true;
}

// The stored placement: "%d,%d,%d,%d,%d,%d"; whatever follows the sixth number is ignored.
bool ParsePlacement(LPCWSTR lpsz, int (&anValues)[6])
{
    for (int i = 0; i < 6; ++i)
    {
        if (i > 0 && *lpsz++ != L',')
            return false;
        if (!ParseInt(lpsz, anValues[i]))
            return false;
    }
    return true;
}
}

BEGIN_MESSAGE_MAP(CResizableDialog, CSkinDialog)
    ON_WM_NCHITTEST()
    ON_WM_GETMINMAXINFO()
    ON_WM_SIZE()
    ON_WM_DESTROY()
    ON_WM_PAINT()
END_MESSAGE_MAP()

CResizableDialog::CResizableDialog()
    : m_plAnchors(10)
{
    Construct();
}

CResizableDialog::CResizableDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : CDialogEx(nIDTemplate, pParentWnd), m_plAnchors(10)
{
    Construct();
}

CResizableDialog::CResizableDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd)
    : CDialogEx(lpszTemplateName, pParentWnd), m_plAnchors(10)
{
    Construct();
}

void CResizableDialog::Construct()
{
    m_bInitDone = FALSE;
    m_bUseMinTrack = TRUE;
    m_bUseMaxTrack = FALSE;
    m_bUseMaxRect = FALSE;
    m_bShowGrip = TRUE;
    m_bEnableSaveRestore = FALSE;
    m_sizeGrip = CSize(::GetSystemMetrics(SM_CXVSCROLL), ::GetSystemMetrics(SM_CYHSCROLL));
    m_rcGrip.SetRectEmpty();
    m_ptMinTrackSize = m_ptMaxTrackSize = m_ptMaxPos = m_ptMaxSize = POINT();
}

CResizableDialog::~CResizableDialog()
{
    for (POSITION pos = m_plAnchors.GetHeadPosition(); pos != NULL; )
        delete static_cast<SAnchor*>(m_plAnchors.GetNext(pos));
    m_plAnchors.RemoveAll();
}

void CResizableDialog::AddAnchor(HWND hWnd, CSize sizeTopLeft, CSize sizeBottomRight)
{
    if (hWnd == NULL || !::IsWindow(hWnd))
        return;

    WCHAR szClass[kClassNameLength] = {};
    ::GetClassNameW(hWnd, szClass, kClassNameLength);
    CString strClass(szClass);
    strClass.MakeUpper();
    LONG lStyle = ::GetWindowLongW(hWnd, GWL_STYLE);

    // Check boxes, radio buttons and group boxes overlap their neighbours; without clipping
    // a moved group box paints over the controls it frames.
    if (strClass == L"BUTTON" && (lStyle & 7) != 0)
        ::SetWindowLongW(hWnd, GWL_STYLE, lStyle | WS_CLIPSIBLINGS);

    SAnchor anchor = {};
    anchor.hWnd = hWnd;
    anchor.bAdjustHScroll = strClass == L"LISTBOX";
    if (strClass == L"STATIC")
    {
        int nType = lStyle & 0x1F;
        anchor.bNeedsRefresh = (nType <= 2 || (lStyle & SS_CENTERIMAGE) != 0) && nType != SS_SIMPLE;
    }

    CRect rcClient;
    GetClientRect(&rcClient);
    CRect rcControl;
    ::GetWindowRect(hWnd, &rcControl);
    ScreenToClient(&rcControl);
    if (sizeBottomRight.cx == -1 && sizeBottomRight.cy == -1)
        sizeBottomRight = sizeTopLeft;
    const int cx = rcClient.Width(), cy = rcClient.Height();
    anchor.sizeTopLeft = sizeTopLeft;
    anchor.sizeMarginTopLeft = CSize(rcControl.left - cx * sizeTopLeft.cx / 100,
        rcControl.top - cy * sizeTopLeft.cy / 100);
    anchor.sizeBottomRight = sizeBottomRight;
    anchor.sizeMarginBottomRight = CSize(rcControl.right - cx * sizeBottomRight.cx / 100,
        rcControl.bottom - cy * sizeBottomRight.cy / 100);
    m_plAnchors.AddTail(new SAnchor(anchor));
}

void CResizableDialog::AddAnchor(UINT nID, CSize sizeTopLeft, CSize sizeBottomRight)
{
    CWnd* pWnd = GetDlgItem(static_cast<int>(nID));
    AddAnchor(pWnd->GetSafeHwnd(), sizeTopLeft, sizeBottomRight);
}

void CResizableDialog::AddAnchorWithLabel(UINT nID, CSize sizeTopLeft, CSize sizeBottomRight)
{
    CWnd* pWnd = GetDlgItem(static_cast<int>(nID));
    if (pWnd == NULL)
        return;
    AddAnchor(pWnd->m_hWnd, sizeTopLeft, sizeBottomRight);
    AddAnchor(::GetWindow(pWnd->m_hWnd, GW_HWNDPREV), sizeTopLeft, sizeBottomRight);
}

void CResizableDialog::SetMinTrackSize(const CSize& size)
{
    m_ptMinTrackSize.x = size.cx;
    m_ptMinTrackSize.y = size.cy;
    m_bUseMinTrack = TRUE;
}

void CResizableDialog::ResetMinTrackSize()
{
    m_bUseMinTrack = FALSE;
}

void CResizableDialog::SetMaxTrackSize(const CSize& size)
{
    m_ptMaxTrackSize.x = size.cx;
    m_ptMaxTrackSize.y = size.cy;
    m_bUseMaxTrack = TRUE;
}

void CResizableDialog::ResetMaxTrackSize()
{
    m_bUseMaxTrack = FALSE;
}

void CResizableDialog::SetMaximizedRect(const CRect& rect)
{
    m_ptMaxPos.x = rect.left;
    m_ptMaxPos.y = rect.top;
    m_ptMaxSize.x = rect.Width();
    m_ptMaxSize.y = rect.Height();
    m_bUseMaxRect = TRUE;
}

void CResizableDialog::ResetMaximizedRect()
{
    m_bUseMaxRect = FALSE;
}

void CResizableDialog::ShowSizeGrip(BOOL bShow)
{
    if (m_bShowGrip == bShow)
        return;
    m_bShowGrip = bShow;
    if (m_hWnd != NULL)
        InvalidateRect(&m_rcGrip, TRUE);
}

void CResizableDialog::EnableSaveRestore(LPCWSTR lpszSection, LPCWSTR lpszEntry)
{
    m_strSection = lpszSection;
    m_strEntry = lpszEntry;
    m_bEnableSaveRestore = TRUE;
    LoadWindowRect();
}

BOOL CResizableDialog::OnInitDialog()
{
    CSkinDialog::OnInitDialog();
    UpdateGripPos();
    CRect rect;
    GetWindowRect(&rect);
    // The dialog cannot be dragged smaller than its template made it.
    SetMinTrackSize(rect.Size());
    m_bInitDone = TRUE;
    return TRUE;
}

void CResizableDialog::ArrangeLayout()
{
    CRect rcClient;
    GetClientRect(&rcClient);
    const int cx = rcClient.Width(), cy = rcClient.Height();
    HDWP hdwp = ::BeginDeferWindowPos(static_cast<int>(m_plAnchors.GetCount()));
    for (POSITION pos = m_plAnchors.GetHeadPosition(); pos != NULL; )
    {
        const SAnchor& anchor = *static_cast<SAnchor*>(m_plAnchors.GetNext(pos));
        CRect rcOld;
        ::GetWindowRect(anchor.hWnd, &rcOld);
        ScreenToClient(&rcOld);
        CRect rcNew(anchor.sizeTopLeft.cx * cx / 100 + anchor.sizeMarginTopLeft.cx,
            anchor.sizeTopLeft.cy * cy / 100 + anchor.sizeMarginTopLeft.cy,
            anchor.sizeBottomRight.cx * cx / 100 + anchor.sizeMarginBottomRight.cx,
            anchor.sizeBottomRight.cy * cy / 100 + anchor.sizeMarginBottomRight.cy);
        if (::EqualRect(&rcNew, &rcOld))
            continue;
        if (anchor.bAdjustHScroll)
        {
            // A list box that grows keeps a scroll position beyond its new limit unless it is
            // moved and repainted at once.
            CWnd* pWnd = CWnd::FromHandle(anchor.hWnd);
            int nGrow = rcNew.Width() - rcOld.Width();
            int nLimit = pWnd->GetScrollLimit(SB_HORZ);
            if (nLimit > 0 && pWnd->GetScrollPos(SB_HORZ) > nLimit - nGrow)
                MoveAtOnce(anchor, rcNew);
        }
        if (anchor.bNeedsRefresh)
            MoveAtOnce(anchor, rcNew);
        if (hdwp != NULL)
            hdwp = ::DeferWindowPos(hdwp, anchor.hWnd, NULL, rcNew.left, rcNew.top, rcNew.Width(),
                rcNew.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    }
    InvalidateRect(&m_rcGrip, TRUE);
    UpdateGripPos();
    InvalidateRect(&m_rcGrip, TRUE);
    if (hdwp != NULL)
        ::EndDeferWindowPos(hdwp);
}

void CResizableDialog::MoveAtOnce(const SAnchor& anchor, const CRect& rect)
{
    ::MoveWindow(anchor.hWnd, rect.left, rect.top, rect.Width(), rect.Height(), TRUE);
    ::InvalidateRect(anchor.hWnd, NULL, TRUE);
}

void CResizableDialog::UpdateGripPos()
{
    GetClientRect(&m_rcGrip);
    m_rcGrip.left = m_rcGrip.right - m_sizeGrip.cx;
    m_rcGrip.top = m_rcGrip.bottom - m_sizeGrip.cy;
}

void CResizableDialog::DrawGripRidge(CDC* pDC, int nOffset)
{
    const int xStart = m_rcGrip.left + nOffset;
    for (int i = 0; xStart + i <= m_rcGrip.right; ++i)
    {
        int x = xStart + i;
        int y = m_rcGrip.bottom - i;
        COLORREF cr = pDC->GetPixel(x, y);
        pDC->SetPixel(x, y, GripLight(cr));
        if (x > xStart)
            pDC->SetPixel(x + 1, y + 1, GripDark(cr));
    }
}

void CResizableDialog::LoadWindowRect()
{
    CString strPlacement = AfxGetApp()->GetProfileString(m_strSection, m_strEntry);
    if (strPlacement.IsEmpty())
        return;
    WINDOWPLACEMENT wp = {};
    wp.length = sizeof(WINDOWPLACEMENT);
    GetWindowPlacement(&wp);
    int anValues[6];
    if (!ParsePlacement(strPlacement, anValues))
        return;
    wp.rcNormalPosition.left = anValues[0];
    wp.rcNormalPosition.top = anValues[1];
    wp.rcNormalPosition.right = anValues[2];
    wp.rcNormalPosition.bottom = anValues[3];
    wp.showCmd = static_cast<UINT>(anValues[4]);
    wp.flags = static_cast<UINT>(anValues[5]);
    // A rectangle left on a monitor that is gone is brought back into view by the platform.
    SetWindowPlacement(&wp);
}

void CResizableDialog::SaveWindowRect()
{
    WINDOWPLACEMENT wp = {};
    wp.length = sizeof(WINDOWPLACEMENT);
    GetWindowPlacement(&wp);
    CString strPlacement;
    strPlacement.Format(L"%d,%d,%d,%d,%d,%d", wp.rcNormalPosition.left, wp.rcNormalPosition.top,
        wp.rcNormalPosition.right, wp.rcNormalPosition.bottom, wp.showCmd, wp.flags);
    AfxGetApp()->WriteProfileString(m_strSection, m_strEntry, strPlacement);
}

LRESULT CResizableDialog::OnNcHitTest(CPoint point)
{
    CPoint ptClient(point);
    ScreenToClient(&ptClient);
    if (m_bShowGrip && m_rcGrip.PtInRect(ptClient) && ptClient.x >= 0 && ptClient.y >= 0)
        return HTBOTTOMRIGHT;
    return CSkinDialog::OnNcHitTest(point);
}

void CResizableDialog::OnGetMinMaxInfo(MINMAXINFO* lpMMI)
{
    if (!m_bInitDone)
        return;
    if (m_bUseMinTrack)
        lpMMI->ptMinTrackSize = m_ptMinTrackSize;
    if (m_bUseMaxTrack)
        lpMMI->ptMaxTrackSize = m_ptMaxTrackSize;
    if (m_bUseMaxRect)
    {
        lpMMI->ptMaxPosition = m_ptMaxPos;
        lpMMI->ptMaxSize = m_ptMaxSize;
    }
}

void CResizableDialog::OnSize(UINT nType, int /*cx*/, int /*cy*/)
{
    Default();
    if (nType != SIZE_MAXSHOW && nType != SIZE_MAXHIDE && m_bInitDone)
        ArrangeLayout();
}

void CResizableDialog::OnDestroy()
{
    CSkinDialog::OnDestroy();
    if (m_bEnableSaveRestore)
        SaveWindowRect();
}

void CResizableDialog::OnPaint()
{
    CPaintDC dc(this);
    if (!m_bShowGrip || IsZoomed())
        return;
    DrawGripRidge(&dc, 0);
    DrawGripRidge(&dc, 6);
}
