#ifndef ZADUV_CONTROLS_STATICLINK_H
#define ZADUV_CONTROLS_STATICLINK_H
// CStaticLink: a static text control shown as a hyperlink. The text is underlined in the link
// colour, the pointer is a hand over it, and a click hands the target to the shell with the
// verb "open"; a successful opening turns the text to the visited colour.

#include <afxwin.h>
#include "foundation/ZaDUVDefs.h"

class ZADUV_API CStaticLink : public CStatic
{
    DECLARE_DYNAMIC(CStaticLink)
public:
// Construction
    // An empty or null target means that the window text is used at the first click.
    CStaticLink(LPCTSTR lpszLink = NULL);
    virtual ~CStaticLink();

// Attributes
    // Shared by all links; a changed unvisited colour applies to links constructed afterwards.
    static COLORREF g_colorUnvisited;
    static COLORREF g_colorVisited;
    // The library's hand cursor, loaded again by every constructor.
    static HCURSOR g_hCursorLink;

    // Nothing is repainted.
    void SetURL(const CString& strURL);
    CString GetURL() const;

// Operations
    // The shell's result (above 32 on success); NULL without a target, and the shell is not asked.
    HINSTANCE Navigate();

// Implementation
protected:
    COLORREF m_color;
    CFont m_font;           // underlined copy of the control's font, made at the first colouring
    CString m_link;

    BOOL IsPlainText() const;
    void CreateUnderlinedFont();

    afx_msg LRESULT OnNcHitTest(CPoint point);
    afx_msg HBRUSH CtlColor(CDC* pDC, UINT nCtlColor);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    DECLARE_MESSAGE_MAP()
};

#endif
