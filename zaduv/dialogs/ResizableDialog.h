#ifndef ZADUV_DIALOGS_RESIZABLEDIALOG_H
#define ZADUV_DIALOGS_RESIZABLEDIALOG_H
// CResizableDialog: a dialog whose controls follow its edges when the user resizes it. Each
// control is registered once with the anchors of its top-left and bottom-right corners, in
// percent of the client area; every resize moves the changed controls in one deferred batch.
// The dialog also bounds its track size, draws a size grip in the bottom-right corner and can
// keep its placement in the application's profile from one run to the next.

#include <afxwin.h>
#include "dialogs/DialogEx.h"

// The bottom-right anchor of a control that moves with its top-left anchor and keeps its size.
#define ANCHOR_NONE CSize(-1, -1)

class ZADUV_API CResizableDialog : public CDialogEx
{
public:
// Construction
    CResizableDialog();
    CResizableDialog(UINT nIDTemplate, CWnd* pParentWnd = NULL);
    CResizableDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd = NULL);
    virtual ~CResizableDialog();

// Operations
    // Register after the base OnInitDialog, when the dialog has its initial size: the margins
    // are measured from the client area as it is now. A handle or id that names no control is
    // ignored.
    void AddAnchor(HWND hWnd, CSize sizeTopLeft, CSize sizeBottomRight = ANCHOR_NONE);
    void AddAnchor(UINT nID, CSize sizeTopLeft, CSize sizeBottomRight = ANCHOR_NONE);
    // Registers the control and, with the same anchors, the window before it in z-order:
    // normally its label in the dialog template.
    void AddAnchorWithLabel(UINT nID, CSize sizeTopLeft, CSize sizeBottomRight = ANCHOR_NONE);

    void SetMinTrackSize(const CSize& size);
    void ResetMinTrackSize();
    void SetMaxTrackSize(const CSize& size);
    void ResetMaxTrackSize();
    void SetMaximizedRect(const CRect& rect);
    void ResetMaximizedRect();
    void ShowSizeGrip(BOOL bShow);
    // Call while the window exists: restores the placement stored under the section and
    // entry of the application's profile at once, and stores it again when the window goes.
    void EnableSaveRestore(LPCWSTR lpszSection, LPCWSTR lpszEntry);

// Overridables
    virtual BOOL OnInitDialog();

// Implementation
protected:
    struct SAnchor
    {
        HWND hWnd;
        BOOL bAdjustHScroll;    // a list box: keep its horizontal scroll position reachable
        BOOL bNeedsRefresh;     // a text static that repaints wrongly when only moved
        CSize sizeTopLeft;
        CSize sizeMarginTopLeft;
        CSize sizeBottomRight;
        CSize sizeMarginBottomRight;
    };

    BOOL m_bShowGrip;
    BOOL m_bUseMaxTrack;
    BOOL m_bUseMinTrack;
    BOOL m_bUseMaxRect;
    BOOL m_bEnableSaveRestore;
    CString m_strSection;
    CString m_strEntry;
    BOOL m_bInitDone;
    CSize m_sizeGrip;
    CRect m_rcGrip;
    POINT m_ptMinTrackSize;
    POINT m_ptMaxTrackSize;
    POINT m_ptMaxPos;
    POINT m_ptMaxSize;
    CPtrList m_plAnchors;       // SAnchor*, owned, in registration order

    afx_msg LRESULT OnNcHitTest(CPoint point);
    afx_msg void OnGetMinMaxInfo(MINMAXINFO* lpMMI);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnDestroy();
    afx_msg void OnPaint();
    DECLARE_MESSAGE_MAP()

private:
    void Construct();
    void ArrangeLayout();
    void MoveAtOnce(const SAnchor& anchor, const CRect& rect);
    void DrawGripRidge(CDC* pDC, int nOffset);
    void UpdateGripPos();
    void LoadWindowRect();
    void SaveWindowRect();
};

#endif
