// The dialogs page: a study-export dialog built on CResizableDialog, a delete confirmation built
// on CDlgDefaultButton, and a CDialogEx button row before and after it was fitted to its
// captions. Headless, the export dialog is pictured at its template size, enlarged and
// maximised into a set rectangle, and the confirmation as it opens.

#include "GalleryPage.h"
#include "GalleryResource.h"
#include "GalleryStyle.h"
#include "ButtonRowDlg.h"
#include "ConfirmDeleteDlg.h"
#include "StudyExportDlg.h"

#include <memory>

class CPageDialogs : public CGalleryPage
{
public:
    virtual CString GetTitle() const { return L"Dialog bases"; }
    virtual CString GetDescription() const
    {
        return L"CResizableDialog with anchors, grip and limits; CDlgDefaultButton; CDialogEx button rows.";
    }
    virtual int GetExtraShotCount() const { return SHOT_COUNT; }
    virtual BOOL PrepareExtraShot(int nShot, SExtraShot& shot);
    virtual void EndExtraShots();

protected:
    virtual BOOL OnCreatePage();
    virtual void OnDraw(CDC* pDC);

// Implementation
private:
    enum { IDC_OPEN_EXPORT = 100, IDC_OPEN_CONFIRM = 101 };
    enum { SHOT_TEMPLATE_SIZE, SHOT_ENLARGED, SHOT_MAXIMIZED, SHOT_CONFIRM, SHOT_COUNT };
    enum { kButtonWidth = 190, kButtonHeight = 26, kRowTop = 150, kRowPitch = 96 };

    CButton m_btnOpenExport;
    CButton m_btnOpenConfirm;
    CButtonRowDlg m_rowTemplate;
    CButtonRowDlg m_rowFitted;
    std::unique_ptr<CStudyExportDlg> m_pExportShot;
    std::unique_ptr<CConfirmDeleteDlg> m_pConfirmShot;

    BOOL CreateButton(CButton& button, LPCWSTR lpszCaption, int nColumn, UINT nID);
    void DrawAnchorTable(CDC* pDC, int y);
    CPoint GetShotOrigin() const;
    CStudyExportDlg* ShowExportForShot();

    afx_msg void OnOpenExport();
    afx_msg void OnOpenConfirm();
    DECLARE_MESSAGE_MAP()
};

REGISTER_GALLERY_PAGE(CPageDialogs, 70, L"dialogs");

BEGIN_MESSAGE_MAP(CPageDialogs, CGalleryPage)
    ON_BN_CLICKED(IDC_OPEN_EXPORT, &CPageDialogs::OnOpenExport)
    ON_BN_CLICKED(IDC_OPEN_CONFIRM, &CPageDialogs::OnOpenConfirm)
END_MESSAGE_MAP()

BOOL CPageDialogs::OnCreatePage()
{
    const CRect rectContent = GetContentRect();
    if (!CreateButton(m_btnOpenExport, L"Export study...", 0, IDC_OPEN_EXPORT)
        || !CreateButton(m_btnOpenConfirm, L"Delete study...", 1, IDC_OPEN_CONFIRM))
        return FALSE;
    const CPoint ptRow(rectContent.left, rectContent.top + kRowTop);
    if (!m_rowTemplate.Create(this, ptRow) || !m_rowFitted.Create(this, ptRow + CSize(0, kRowPitch)))
        return FALSE;
    m_rowFitted.FitRow();
    return TRUE;
}

BOOL CPageDialogs::CreateButton(CButton& button, LPCWSTR lpszCaption, int nColumn, UINT nID)
{
    const CRect rectContent = GetContentRect();
    const int x = rectContent.left + nColumn * (kButtonWidth + 12);
    const CRect rect(x, rectContent.top + 52, x + kButtonWidth, rectContent.top + 52 + kButtonHeight);
    if (!button.Create(lpszCaption, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, rect, this, nID))
        return FALSE;
    button.SetFont(&m_fontText);
    return TRUE;
}

void CPageDialogs::OnDraw(CDC* pDC)
{
    const CRect rectContent = GetContentRect();
    pDC->SetBkMode(TRANSPARENT);
    pDC->SelectObject(&m_fontBold);
    pDC->SetTextColor(GalleryStyle::crTitle);
    pDC->TextOut(rectContent.left, rectContent.top, CString(L"Dialogs of a study workstation"));
    pDC->SelectObject(&m_fontSmall);
    pDC->SetTextColor(GalleryStyle::crMuted);
    pDC->TextOut(rectContent.left, rectContent.top + 22,
        CString(L"Resize the export dialog: the lists share the growth, the buttons keep to the grip's corner."));

    struct SCaption { int y; LPCWSTR lpszBold; LPCWSTR lpszText; };
    const SCaption captions[] = {
        { kRowTop - 34, L"Button row as the template sized it", L"four buttons of 50 dialog units, captions cut" },
        { kRowTop + kRowPitch - 34, L"After AdjustButtonWidths and CenterControlsHorizontal",
            L"one width for the longest caption, gap 8 pixels, centred" },
    };
    for (const SCaption& caption : captions)
    {
        pDC->SelectObject(&m_fontBold);
        pDC->SetTextColor(GalleryStyle::crText);
        pDC->TextOut(rectContent.left, rectContent.top + caption.y, CString(caption.lpszBold));
        pDC->SelectObject(&m_fontSmall);
        pDC->SetTextColor(GalleryStyle::crMuted);
        pDC->TextOut(rectContent.left, rectContent.top + caption.y + 15, CString(caption.lpszText));
    }
    DrawAnchorTable(pDC, rectContent.top + kRowTop + 2 * kRowPitch);
}

// What StudyExportDlg.cpp registers, in percent of the client area's growth.
void CPageDialogs::DrawAnchorTable(CDC* pDC, int y)
{
    const CRect rectContent = GetContentRect();
    struct SRow { LPCWSTR lpszControl; LPCWSTR lpszTopLeft; LPCWSTR lpszBottomRight; };
    const SRow rows[] = {
        { L"Control of the export dialog", L"top-left anchor", L"bottom-right anchor" },
        { L"Series list and its label", L"0, 0", L"60, 100" },
        { L"Preview and its label", L"60, 0", L"100, 100 (label 100, 0)" },
        { L"Folder edit and its label", L"0, 100", L"100, 100" },
        { L"Browse, Export, Cancel", L"100, 100", L"size kept" },
        { L"Anonymise check box", L"0, 100", L"size kept" },
    };
    const int xColumns[] = { rectContent.left, rectContent.left + 220, rectContent.left + 360 };
    for (int i = 0; i < static_cast<int>(sizeof(rows) / sizeof(rows[0])); ++i)
    {
        pDC->SelectObject(i == 0 ? &m_fontBold : &m_fontSmall);
        pDC->SetTextColor(i == 0 ? GalleryStyle::crText : GalleryStyle::crMuted);
        const int yRow = y + i * 18 + (i > 0 ? 4 : 0);
        pDC->TextOut(xColumns[0], yRow, CString(rows[i].lpszControl));
        pDC->TextOut(xColumns[1], yRow, CString(rows[i].lpszTopLeft));
        pDC->TextOut(xColumns[2], yRow, CString(rows[i].lpszBottomRight));
    }
}

BOOL CPageDialogs::PrepareExtraShot(int nShot, SExtraShot& shot)
{
    shot.bWithFrame = TRUE;
    switch (nShot)
    {
    case SHOT_TEMPLATE_SIZE:
        shot.pWnd = ShowExportForShot();
        shot.strName = L"export-template-size";
        break;
    case SHOT_ENLARGED:
    {
        CRect rect;
        m_pExportShot->GetWindowRect(&rect);
        m_pExportShot->SetWindowPos(NULL, 0, 0, rect.Width() + 240, rect.Height() + 130,
            SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        shot.pWnd = m_pExportShot.get();
        shot.strName = L"export-enlarged";
        break;
    }
    case SHOT_MAXIMIZED:
        m_pExportShot->SetMaximizedRect(CRect(GetShotOrigin() + CSize(-40, -30), CSize(900, 600)));
        m_pExportShot->ShowWindow(SW_MAXIMIZE);
        shot.pWnd = m_pExportShot.get();
        shot.strName = L"export-maximized";
        break;
    case SHOT_CONFIRM:
        m_pExportShot->DestroyWindow();
        m_pConfirmShot.reset(new CConfirmDeleteDlg(this));
        if (!m_pConfirmShot->Create(IDD_CONFIRM_DELETE, this))
            return FALSE;
        m_pConfirmShot->SetWindowPos(NULL, GetShotOrigin().x, GetShotOrigin().y, 0, 0,
            SWP_NOSIZE | SWP_NOZORDER | SWP_SHOWWINDOW);
        shot.pWnd = m_pConfirmShot.get();
        shot.strName = L"confirm-delete";
        break;
    default:
        return FALSE;
    }
    return shot.pWnd != NULL;
}

void CPageDialogs::EndExtraShots()
{
    if (m_pConfirmShot && m_pConfirmShot->GetSafeHwnd() != NULL)
        m_pConfirmShot->DestroyWindow();
    if (m_pExportShot && m_pExportShot->GetSafeHwnd() != NULL)
        m_pExportShot->DestroyWindow();
    m_pConfirmShot.reset();
    m_pExportShot.reset();
}

// Pictures are taken from the screen: the dialogs open over the page, clear of its edges.
CPoint CPageDialogs::GetShotOrigin() const
{
    CRect rect;
    GetWindowRect(&rect);
    return rect.TopLeft() + CSize(60, 40);
}

CStudyExportDlg* CPageDialogs::ShowExportForShot()
{
    m_pExportShot.reset(new CStudyExportDlg(this));
    if (!m_pExportShot->Create(IDD_STUDY_EXPORT, this))
        return NULL;
    m_pExportShot->SetWindowPos(NULL, GetShotOrigin().x, GetShotOrigin().y, 0, 0,
        SWP_NOSIZE | SWP_NOZORDER | SWP_SHOWWINDOW);
    return m_pExportShot.get();
}

void CPageDialogs::OnOpenExport()
{
    CStudyExportDlg dlg(this, TRUE);
    dlg.DoModal();
}

void CPageDialogs::OnOpenConfirm()
{
    CConfirmDeleteDlg dlg(this);
    dlg.DoModal();
}
