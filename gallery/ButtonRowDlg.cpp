#include "ButtonRowDlg.h"

#include "GalleryResource.h"

CButtonRowDlg::CButtonRowDlg()
    : CDialogEx(IDD_BUTTON_ROW, NULL)
{
}

BOOL CButtonRowDlg::Create(CWnd* pParentWnd, CPoint ptTopLeft)
{
    if (!CDialogEx::Create(IDD_BUTTON_ROW, pParentWnd))
        return FALSE;
    SetWindowPos(NULL, ptTopLeft.x, ptTopLeft.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    return TRUE;
}

void CButtonRowDlg::FitRow()
{
    CArray<UINT, UINT> arrIDs;
    GetRowIds(arrIDs);
    AdjustButtonWidths(arrIDs, kGap);
    CenterControlsHorizontal(arrIDs, kGap);
}

void CButtonRowDlg::GetRowIds(CArray<UINT, UINT>& arrIDs) const
{
    arrIDs.Add(IDC_ROW_ARCHIVE);
    arrIDs.Add(IDC_ROW_BURN);
    arrIDs.Add(IDC_ROW_PRINT);
    arrIDs.Add(IDCANCEL);
}
