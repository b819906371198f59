#ifndef ZADUV_DIALOGS_DIALOGEX_H
#define ZADUV_DIALOGS_DIALOGEX_H
// CDialogEx: the skinned dialog base with operations that measure and move the dialog's child
// controls at run time. Controls are named by their dialog control id; a row of controls takes
// part only with its visible children, so hidden controls leave no gap.

#include <afxwin.h>
#include <afxtempl.h>
#include <SkinDialog.h>
#include "foundation/ZaDUVDefs.h"

class ZADUV_API CDialogEx : public CSkinDialog
{
public:
// Construction
    CDialogEx();
    CDialogEx(UINT nIDTemplate, CWnd* pParentWnd);
    CDialogEx(LPCTSTR lpszTemplateName, CWnd* pParentWnd);
    virtual ~CDialogEx();

// Attributes
    int PixelToDialogUnitsX(int nPixels);
    int PixelToDialogUnitsY(int nPixels);
    // In the dialog's client coordinates; empty when no child has the id.
    CRect GetControlRect(UINT nID) const;

// Operations
    void OffsetControl(UINT nID, int dx, int dy);
    void MoveControlLeftTo(UINT nID, int x);
    void MoveControlTopTo(UINT nID, int y);
    // Moves the dialog itself; its size stays.
    void MoveTopRightTo(CPoint point);
    void CenterControlHorizontal(UINT nID);
    void CenterControlsHorizontal(const CArray<UINT, UINT>& arrIDs, int nGap);
    // Gives the row one width that fits the widest caption, but no more than the row can take
    // in the client area; nothing changes when every caption already fits.
    void AdjustButtonWidths(const CArray<UINT, UINT>& arrIDs, int nGap);

// Implementation
protected:
    CWnd* GetRowControl(UINT nID) const;    // NULL when missing or hidden
    void MoveControlTo(UINT nID, int x, int y);
};

#endif
