#ifndef ZADUV_GALLERY_BUTTONROWDLG_H
#define ZADUV_GALLERY_BUTTONROWDLG_H
// CButtonRowDlg: a child dialog holding a row of buttons whose captions are longer than the
// template made them, shown as the template left them or after the row was fitted.

#include <afxwin.h>
#include <zaduv.h>

class CButtonRowDlg : public CDialogEx
{
public:
// Construction
    CButtonRowDlg();
    BOOL Create(CWnd* pParentWnd, CPoint ptTopLeft);

// Operations
    // Widens the buttons to the longest caption, as far as the row allows, and centres them.
    void FitRow();

// Implementation
protected:
    enum { kGap = 8 };

    virtual void OnOK() {}
    virtual void OnCancel() {}
    void GetRowIds(CArray<UINT, UINT>& arrIDs) const;
};

#endif
