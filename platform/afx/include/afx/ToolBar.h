#ifndef AFX_TOOLBAR_H
#define AFX_TOOLBAR_H
// CToolBar: a control bar built on the toolbar common control. Buttons come from a list of
// command ids (SetButtons, or a toolbar resource through LoadToolBar) and take consecutive
// images of one bitmap strip (SetBitmap/LoadBitmap), whose light grey (RGB 192,192,192)
// background is transparent; a 32-bit strip with an alpha channel is drawn by its alpha. The bar lays its buttons out in a row, or in a column when it
// stands vertically (CalcFixedLayout).
//
// Button styles (GetButtonStyle/SetButtonStyle) hold the control's button style in the low
// word and its state in the high word, the enabled bit inverted so that TBBS_DISABLED names a
// disabled button.

#include <afx/ControlBar.h>
#include <afx/ToolBarCtrl.h>
#include <afx/ImageList.h>

#define TBBS_BUTTON         MAKELONG(TBSTYLE_BUTTON, 0)
#define TBBS_SEPARATOR      MAKELONG(TBSTYLE_SEP, 0)
#define TBBS_CHECKBOX       MAKELONG(TBSTYLE_CHECK, 0)
#define TBBS_GROUP          MAKELONG(TBSTYLE_GROUP, 0)
#define TBBS_CHECKGROUP     MAKELONG(TBSTYLE_CHECKGROUP, 0)
#define TBBS_DROPDOWN       MAKELONG(TBSTYLE_DROPDOWN, 0)
#define TBBS_AUTOSIZE       MAKELONG(TBSTYLE_AUTOSIZE, 0)
#define TBBS_NOPREFIX       MAKELONG(TBSTYLE_NOPREFIX, 0)
#define TBBS_CHECKED        MAKELONG(0, TBSTATE_CHECKED)
#define TBBS_PRESSED        MAKELONG(0, TBSTATE_PRESSED)
#define TBBS_DISABLED       MAKELONG(0, TBSTATE_ENABLED)
#define TBBS_INDETERMINATE  MAKELONG(0, TBSTATE_INDETERMINATE)
#define TBBS_HIDDEN         MAKELONG(0, TBSTATE_HIDDEN)
#define TBBS_WRAPPED        MAKELONG(0, TBSTATE_WRAP)
#define TBBS_ELLIPSES       MAKELONG(0, TBSTATE_ELLIPSES)
#define TBBS_MARKED         MAKELONG(0, TBSTATE_MARKED)

// The resource type of toolbar layouts: version 1, image width and height, then the ids.
#ifndef RT_TOOLBAR
#define RT_TOOLBAR MAKEINTRESOURCE(241)
#endif

class AFX_API CToolBar : public CControlBar
{
    DECLARE_DYNAMIC(CToolBar)
public:
// Construction
    CToolBar();
    virtual BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP,
        UINT nID = AFX_IDW_TOOLBAR);
    virtual BOOL CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle = TBSTYLE_FLAT,
        DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP, CRect rcBorders = CRect(0, 0, 0, 0),
        UINT nID = AFX_IDW_TOOLBAR);

    // The button must hold the image plus 7 pixels across and 6 down.
    void SetSizes(SIZE sizeButton, SIZE sizeImage);
    void SetHeight(int cyHeight);
    BOOL LoadToolBar(LPCTSTR lpszResourceName);
    BOOL LoadToolBar(UINT nIDResource);
    BOOL LoadBitmap(LPCTSTR lpszResourceName);
    BOOL LoadBitmap(UINT nIDResource);
    // Copies the images out of the bitmap; the caller keeps the bitmap. NULL removes the images.
    BOOL SetBitmap(HBITMAP hbmImageWell);
    // Replaces all buttons; ID_SEPARATOR makes a separator. A NULL list makes nIDCount separators
    // for SetButtonInfo to fill in.
    BOOL SetButtons(const UINT* lpIDArray, int nIDCount);

// Attributes
    int CommandToIndex(UINT nIDFind) const;         // -1 for an id not on the bar
    UINT GetItemID(int nIndex) const;               // ID_SEPARATOR also for an index outside the bar
    virtual void GetItemRect(int nIndex, LPRECT lpRect) const;  // empty for an index outside the bar
    UINT GetButtonStyle(int nIndex) const;
    void SetButtonStyle(int nIndex, UINT nStyle);   // the layout's TBBS_WRAPPED is kept
    void GetButtonInfo(int nIndex, UINT& nID, UINT& nStyle, int& iImage) const;
    // For a separator, iImage is its width.
    void SetButtonInfo(int nIndex, UINT nID, UINT nStyle, int iImage);
    BOOL SetButtonText(int nIndex, LPCTSTR lpszText);
    CString GetButtonText(int nIndex) const;
    void GetButtonText(int nIndex, CString& rString) const;
    int GetCount() const;

    // The control under the bar: the same window seen through the control's wrapper.
    CToolBarCtrl& GetToolBarCtrl() const;

// Overridables
    // The size that shows every button in a row (bHorz) or a column; bStretch takes the full
    // length of the frame side. The column layout sets TBBS_WRAPPED on the buttons.
    virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz);
    // The command id of the button at a client point, -1 elsewhere; fills pTI for a tool tip.
    virtual INT_PTR OnToolHitTest(CPoint point, TOOLINFO* pTI) const;
    virtual void OnBarStyleChange(DWORD dwOldStyle, DWORD dwNewStyle);
    // Enables and checks each button by the target's update handlers.
    virtual void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler);
    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);

    virtual ~CToolBar();

// Implementation
protected:
    BOOL GetButtonAt(int nIndex, TBBUTTON* pButton) const;
    void LayoutButtons(BOOL bHorz);

    CSize m_sizeButton;
    CSize m_sizeImage;
    CImageList m_imageList;     // the images of the bitmap strip, owned by the bar
};

#endif
