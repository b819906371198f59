#ifndef AFX_DOCKCONTEXT_H
#define AFX_DOCKCONTEXT_H
// CDockContext: drags a control bar by its gripper (or its mini frame's caption). While the
// left button is held a frame rectangle follows the pointer; over a dock zone of the frame it
// takes the docked shape, elsewhere the floating one. Releasing docks or floats the bar there;
// Escape, a right click or losing the capture leaves it as it was.

#include <afx/ControlBar.h>

class AFX_API CDockContext
{
public:
// Construction
    explicit CDockContext(CControlBar* pBar);
    virtual ~CDockContext();

// Operations
    virtual void StartDrag(CPoint pt);     // pt: the press, in screen coordinates
    void ToggleDocking();                  // a double-click: float a docked bar, dock a floating one

// Attributes
    CControlBar* m_pBar;
    CFrameWnd* m_pDockSite;
    DWORD m_dwDockStyle;        // sides the bar may dock to
    CRect m_rectLast;           // the rectangle drawn last (screen)
    CPoint m_ptLast;            // pointer at the last move
    BOOL m_bDitherLast;         // the last rectangle was the floating shape
    CRect m_rectDragHorz, m_rectDragVert, m_rectFrameDragHorz;
    BOOL m_bFlip;

// Implementation
protected:
    BOOL Track();
    void Move(CPoint pt);
    void EndDrag();
    void CancelDrag();
    void DrawFocusRect(BOOL bRemoveRect = FALSE);
    DWORD CanDock(CDockBar** ppDockBar = NULL);
    CRect GetDockedRect(DWORD dwSide) const;

    BOOL m_bDragging;
    CSize m_sizeHorz, m_sizeVert;  // the bar laid out as a row and as a column
    CPoint m_ptOffset;             // pointer from the top-left of the dragged rectangle
};

#endif
