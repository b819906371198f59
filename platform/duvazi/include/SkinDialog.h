#ifndef DUVAZI_SKINDIALOG_H
#define DUVAZI_SKINDIALOG_H
// CSkinDialog: the product's dialog base. It paints what its CSkinStubWnd::EFlags give to the
// skin in the flat skin's colours: with SKIN_BACKGROUND the dialog's face and the backgrounds of
// its static texts, check boxes, radio buttons and group boxes; with SKIN_TEXT their text.
// Controls that answer their colour request themselves (reflected WM_CTLCOLOR) keep their own.

#include <DuVaziDefs.h>
#include <SkinStubWnd.h>
#include <afxwin.h>

class DUVAZI_API CSkinDialog : public CDialog
{
    DECLARE_DYNAMIC(CSkinDialog)
public:
// Construction
    explicit CSkinDialog(CSkinStubWnd::EFlags eFlags = CSkinStubWnd::SKIN_BACKGROUND);
    explicit CSkinDialog(UINT nIDTemplate, CWnd* pParentWnd = NULL,
        CSkinStubWnd::EFlags eFlags = CSkinStubWnd::SKIN_BACKGROUND);
    explicit CSkinDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd = NULL,
        CSkinStubWnd::EFlags eFlags = CSkinStubWnd::SKIN_BACKGROUND);
    virtual ~CSkinDialog();

// Attributes
    CSkinStubWnd::EFlags GetSkinFlags() const { return m_eSkinFlags; }
    // Takes effect at once: the dialog and its children repaint.
    void SetSkinFlags(CSkinStubWnd::EFlags eFlags);
    COLORREF GetSkinFaceColor() const { return m_crFace; }
    COLORREF GetSkinTextColor() const { return m_crText; }

// Overridables
protected:
    virtual void DoDataExchange(CDataExchange* pDX);
public:
    virtual BOOL OnInitDialog();
    // Prepares the skin's drawing resources from the palette of CSkinStubWnd; FALSE when they
    // cannot be made, in which case the dialog keeps the system's look. OnInitDialog calls it.
    virtual BOOL OnInitSkinBitmapInfos();

// Implementation
protected:
    BOOL IsSkinned(int nFlag) const { return (m_eSkinFlags & nFlag) != 0 && m_brushFace.GetSafeHandle() != NULL; }
    static BOOL PASCAL IsSkinnedCtlColor(UINT nCtlColor);
    void ReleaseSkinResources();

    CSkinStubWnd::EFlags m_eSkinFlags;
    CBrush m_brushFace;         // the face colour, made by OnInitSkinBitmapInfos
    COLORREF m_crFace;
    COLORREF m_crText;

    afx_msg void OnDestroy();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);

    DECLARE_MESSAGE_MAP()
};

#endif
