#ifndef ZADUV_GALLERY_STUDYEXPORTDLG_H
#define ZADUV_GALLERY_STUDYEXPORTDLG_H
// CStudyExportDlg: the export dialog of a study, resizable: the series list and the preview
// share the growth side by side, the folder row stretches, the buttons keep to the corner.

#include <afxwin.h>
#include <zaduv.h>

class CStudyExportDlg : public CResizableDialog
{
public:
// Construction
    // bRememberPlacement: the dialog reopens where the user left it, from the profile.
    explicit CStudyExportDlg(CWnd* pParentWnd = NULL, BOOL bRememberPlacement = FALSE);

// Overridables
    virtual BOOL OnInitDialog();

// Implementation
protected:
    CPreviewCtrl m_preview;
    BOOL m_bRememberPlacement;

    void FillSeries();
    void AnchorControls();

    afx_msg void OnBrowse();
    DECLARE_MESSAGE_MAP()
};

#endif
