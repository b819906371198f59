#ifndef AFX_TOOLBARCTRL_H
#define AFX_TOOLBARCTRL_H
// CToolBarCtrl wraps the toolbar common control (TOOLBARCLASSNAME). Buttons are named by
// command id where the control's message takes one (Enable/Check/Press..., GetState, GetRect)
// and by index elsewhere (GetButton, GetItemRect, DeleteButton).

#include <afx/Wnd.h>
#include <afx/ImageList.h>

class CBitmap;

class AFX_API CToolBarCtrl : public CWnd
{
    DECLARE_DYNAMIC(CToolBarCtrl)
public:
// Construction
    CToolBarCtrl();
    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    virtual BOOL CreateEx(DWORD dwExStyle, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

// Attributes
    BOOL IsButtonEnabled(int nID) const;
    BOOL IsButtonChecked(int nID) const;
    BOOL IsButtonPressed(int nID) const;
    BOOL IsButtonHidden(int nID) const;
    BOOL IsButtonIndeterminate(int nID) const;
    BOOL IsButtonHighlighted(int nID) const;
    BOOL SetState(int nID, UINT nState);
    int GetState(int nID) const;                // -1 for an unknown id
    BOOL GetButton(int nIndex, LPTBBUTTON lpButton) const;
    int GetButtonCount() const;
    BOOL GetItemRect(int nIndex, LPRECT lpRect) const;
    BOOL GetRect(int nID, LPRECT lpRect) const;
    void SetButtonStructSize(int nSize);
    CSize GetButtonSize() const;
    BOOL SetButtonSize(CSize size);
    BOOL SetBitmapSize(CSize size);
    BOOL SetButtonWidth(int cxMin, int cxMax);
    void SetOwner(CWnd* pWnd);                  // the window that receives the notifications
    int GetRows() const;
    void SetRows(int nRows, BOOL bLarger, LPRECT lpRect);
    BOOL SetCmdID(int nIndex, UINT nID);
    UINT GetBitmapFlags() const;
    int GetBitmap(int nID) const;
    BOOL ChangeBitmap(int nID, int iBitmap);
    CImageList* GetImageList() const;
    CImageList* SetImageList(CImageList* pImageList);   // both return a temporary wrapper of the old list
    CImageList* GetHotImageList() const;
    CImageList* SetHotImageList(CImageList* pImageList);
    CImageList* GetDisabledImageList() const;
    CImageList* SetDisabledImageList(CImageList* pImageList);
    int GetHotItem() const;
    int SetHotItem(int nHot);                   // returns the previous hot index
    int GetButtonInfo(int nID, TBBUTTONINFO* ptbbi) const;
    BOOL SetButtonInfo(int nID, TBBUTTONINFO* ptbbi);
    void GetMaxSize(LPSIZE pSize) const;
    DWORD GetExtendedStyle() const;
    DWORD SetExtendedStyle(DWORD dwExStyle);
    BOOL SetIndent(int iIndent);
    BOOL SetMaxTextRows(int iMaxRows);
    DWORD GetPadding() const;
    DWORD SetPadding(int cx, int cy);
    HWND GetToolTips() const;
    void SetToolTips(HWND hWndToolTip);

// Operations
    BOOL EnableButton(int nID, BOOL bEnable = TRUE);
    BOOL CheckButton(int nID, BOOL bCheck = TRUE);
    BOOL PressButton(int nID, BOOL bPress = TRUE);
    BOOL HideButton(int nID, BOOL bHide = TRUE);
    BOOL Indeterminate(int nID, BOOL bIndeterminate = TRUE);
    BOOL MarkButton(int nID, BOOL bHighlight = TRUE);
    int AddBitmap(int nNumButtons, UINT nBitmapID);
    int AddBitmap(int nNumButtons, CBitmap* pBitmap);
    BOOL AddButtons(int nNumButtons, LPTBBUTTON lpButtons);
    BOOL InsertButton(int nIndex, LPTBBUTTON lpButton);
    BOOL DeleteButton(int nIndex);
    BOOL MoveButton(UINT nOldPos, UINT nNewPos);
    UINT CommandToIndex(UINT nID) const;        // (UINT)-1 for an unknown id
    // The index of the button at a client point; negative when no button is hit (see TB_HITTEST).
    int HitTest(LPPOINT ppt) const;
    void AutoSize();
    void Customize();

// Implementation
public:
    virtual ~CToolBarCtrl();
};

#endif
