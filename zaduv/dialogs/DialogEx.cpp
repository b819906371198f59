#include "dialogs/DialogEx.h"
#include <algorithm>

namespace
{
// The library makes every skinned dialog with the skin's background.
const CSkinStubWnd::EFlags kSkinFlags = static_cast<CSkinStubWnd::EFlags>(2);
// Room left and right of a caption inside its button.
const int kCaptionPadding = 16;
}

CDialogEx::CDialogEx()
    : CSkinDialog(kSkinFlags)
{
}

CDialogEx::CDialogEx(UINT nIDTemplate, CWnd* pParentWnd)
    : CSkinDialog(nIDTemplate, pParentWnd, kSkinFlags)
{
}

CDialogEx::CDialogEx(LPCTSTR lpszTemplateName, CWnd* pParentWnd)
    : CSkinDialog(lpszTemplateName, pParentWnd, kSkinFlags)
{
}

CDialogEx::~CDialogEx()
{
}

int CDialogEx::PixelToDialogUnitsX(int nPixels)
{
    return ::MulDiv(nPixels, 4, LOWORD(::GetDialogBaseUnits()));
}

int CDialogEx::PixelToDialogUnitsY(int nPixels)
{
    return ::MulDiv(nPixels, 8, HIWORD(::GetDialogBaseUnits()));
}

CRect CDialogEx::GetControlRect(UINT nID) const
{
    CRect rect(0, 0, 0, 0);
    CWnd* pWnd = GetDlgItem(static_cast<int>(nID));
    if (pWnd == NULL)
        return rect;
    pWnd->GetWindowRect(&rect);
    ScreenToClient(&rect);
    return rect;
}

void CDialogEx::MoveControlTo(UINT nID, int x, int y)
{
    CWnd* pWnd = GetDlgItem(static_cast<int>(nID));
    if (pWnd != NULL)
        pWnd->SetWindowPos(NULL, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

void CDialogEx::OffsetControl(UINT nID, int dx, int dy)
{
    CRect rect = GetControlRect(nID);
    MoveControlTo(nID, rect.left + dx, rect.top + dy);
}

void CDialogEx::MoveControlLeftTo(UINT nID, int x)
{
    MoveControlTo(nID, x, GetControlRect(nID).top);
}

void CDialogEx::MoveControlTopTo(UINT nID, int y)
{
    MoveControlTo(nID, GetControlRect(nID).left, y);
}

void CDialogEx::MoveTopRightTo(CPoint point)
{
    CRect rect;
    GetWindowRect(&rect);
    SetWindowPos(NULL, point.x - rect.Width(), point.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

void CDialogEx::CenterControlHorizontal(UINT nID)
{
    CRect rcClient;
    GetClientRect(&rcClient);
    CRect rect = GetControlRect(nID);
    MoveControlLeftTo(nID, (rcClient.Width() - rect.Width()) / 2);
}

CWnd* CDialogEx::GetRowControl(UINT nID) const
{
    CWnd* pWnd = GetDlgItem(static_cast<int>(nID));
    return pWnd != NULL && (pWnd->GetStyle() & WS_VISIBLE) != 0 ? pWnd : NULL;
}

void CDialogEx::CenterControlsHorizontal(const CArray<UINT, UINT>& arrIDs, int nGap)
{
    CRect rcClient;
    GetClientRect(&rcClient);
    int nCount = 0;
    int nTotal = 0;
    for (INT_PTR i = 0; i < arrIDs.GetSize(); ++i)
    {
        if (GetRowControl(arrIDs[i]) == NULL)
            continue;
        ++nCount;
        nTotal += GetControlRect(arrIDs[i]).Width();
    }
    int x = (rcClient.right - (nCount - 1) * nGap - rcClient.left - nTotal) / 2;
    if (x < 0)
        x = 0;
    for (INT_PTR i = 0; i < arrIDs.GetSize(); ++i)
    {
        if (GetRowControl(arrIDs[i]) == NULL)
            continue;
        MoveControlLeftTo(arrIDs[i], x);
        x += GetControlRect(arrIDs[i]).Width() + nGap;
    }
}

void CDialogEx::AdjustButtonWidths(const CArray<UINT, UINT>& arrIDs, int nGap)
{
    CRect rcClient;
    GetClientRect(&rcClient);
    int nAvailable = rcClient.Width() - 2 * nGap;

    CWindowDC dc(this);
    HGDIOBJ hOldFont = dc.SelectObject(reinterpret_cast<HGDIOBJ>(SendMessage(WM_GETFONT)));
    int nWidest = 0;
    int nCount = 0;
    for (INT_PTR i = 0; i < arrIDs.GetSize(); ++i)
    {
        if (GetRowControl(arrIDs[i]) == NULL)
            continue;
        ++nCount;
        int nCurrent = GetControlRect(arrIDs[i]).Width();
        CString strCaption;
        GetDlgItemText(static_cast<int>(arrIDs[i]), strCaption);
        CRect rcText(0, 0, 0, 0);
        dc.DrawText(strCaption, &rcText, DT_CALCRECT);
        int nNeeded = rcText.Width() + kCaptionPadding;
        if (nNeeded > nCurrent)
            nWidest = std::max(nWidest, nNeeded);
    }
    dc.SelectObject(hOldFont);
    nAvailable -= (nCount - 1) * nGap;
    if (nCount < 1 || nWidest < 1)
        return;

    int nWidth = std::min(nWidest, nAvailable / nCount);
    for (INT_PTR i = 0; i < arrIDs.GetSize(); ++i)
    {
        CWnd* pWnd = GetRowControl(arrIDs[i]);
        if (pWnd == NULL)
            continue;
        pWnd->SetWindowPos(NULL, 0, 0, nWidth, GetControlRect(arrIDs[i]).Height(), SWP_NOMOVE | SWP_NOZORDER);
    }
}
