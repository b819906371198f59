#include "StudyExportDlg.h"

#include "GalleryResource.h"
#include "StudyImage.h"

#include <shlobj.h>

BEGIN_MESSAGE_MAP(CStudyExportDlg, CResizableDialog)
    ON_BN_CLICKED(IDC_BROWSE, &CStudyExportDlg::OnBrowse)
END_MESSAGE_MAP()

CStudyExportDlg::CStudyExportDlg(CWnd* pParentWnd, BOOL bRememberPlacement)
    : CResizableDialog(IDD_STUDY_EXPORT, pParentWnd), m_bRememberPlacement(bRememberPlacement)
{
}

BOOL CStudyExportDlg::OnInitDialog()
{
    CResizableDialog::OnInitDialog();
    FillSeries();
    SetDlgItemText(IDC_FOLDER, L"D:\\Export\\DOE_JANE\\2026-11-30_CT_THORAX");
    CheckDlgButton(IDC_ANONYMISE, BST_CHECKED);
    m_preview.SetNoImageText(L"No preview");
    if (m_preview.SubclassDlgItem(IDC_PREVIEW, this))
        CStudyImage::ShowIn(m_preview);
    AnchorControls();
    if (m_bRememberPlacement)
        EnableSaveRestore(L"Study export", L"Placement");
    return TRUE;
}

void CStudyExportDlg::FillSeries()
{
    static const LPCWSTR SERIES[] = {
        L"1  Scout, 2 images", L"2  Thorax 5 mm, 62 images", L"3  Thorax 1 mm lung, 310 images",
        L"4  Thorax 1 mm soft tissue, 310 images", L"5  Coronal MPR, 48 images", L"6  Dose report, 1 image",
    };
    CListBox* pList = static_cast<CListBox*>(GetDlgItem(IDC_SERIES));
    for (LPCWSTR lpszSeries : SERIES)
        pList->AddString(lpszSeries);
    pList->SetSel(1);
    pList->SetSel(2);
}

// The list takes 60 percent of the growth across and the preview the rest; both grow downwards.
// The folder row sits on the bottom edge and stretches with its label above it.
void CStudyExportDlg::AnchorControls()
{
    AddAnchorWithLabel(IDC_SERIES, CSize(0, 0), CSize(60, 100));
    AddAnchor(IDC_PREVIEW_LABEL, CSize(60, 0), CSize(100, 0));
    AddAnchor(IDC_PREVIEW, CSize(60, 0), CSize(100, 100));
    AddAnchorWithLabel(IDC_FOLDER, CSize(0, 100), CSize(100, 100));
    AddAnchor(IDC_BROWSE, CSize(100, 100));
    AddAnchor(IDC_ANONYMISE, CSize(0, 100));
    AddAnchor(IDOK, CSize(100, 100));
    AddAnchor(IDCANCEL, CSize(100, 100));
}

void CStudyExportDlg::OnBrowse()
{
    BROWSEINFOW info = {};
    info.hwndOwner = m_hWnd;
    info.lpszTitle = L"Folder to export the study to";
    info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
    LPITEMIDLIST pidl = ::SHBrowseForFolderW(&info);
    if (pidl == NULL)
        return;
    WCHAR szPath[MAX_PATH] = {};
    if (::SHGetPathFromIDListW(pidl, szPath))
        SetDlgItemText(IDC_FOLDER, szPath);
    ::CoTaskMemFree(pidl);
}
