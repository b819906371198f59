// An open-image dialog: the picture file selected in the list is previewed beside it.
#include <afxwin.h>
#include <zaduv.h>

#include "resource.h"

class COpenImageDlg : public CDialog
{
public:
    COpenImageDlg(LPCTSTR lpszFolder, CWnd* pParent = NULL)
        : CDialog(IDD_OPEN_IMAGE, pParent), m_strFolder(lpszFolder) {}

protected:
    CString m_strFolder;
    CPreviewCtrl m_preview;
    CListBox m_listFiles;

    virtual void DoDataExchange(CDataExchange* pDX)
    {
        CDialog::DoDataExchange(pDX);
        DDX_Control(pDX, IDC_PREVIEW, m_preview);   // a static of the template
        DDX_Control(pDX, IDC_FILES, m_listFiles);
    }

    virtual BOOL OnInitDialog()
    {
        CDialog::OnInitDialog();
        m_preview.SetNoImageText(L"No preview for this file");
        const CString strPattern = m_strFolder + L"\\*.*";
        m_listFiles.SendMessage(LB_DIR, DDL_READWRITE, reinterpret_cast<LPARAM>(static_cast<LPCTSTR>(strPattern)));
        return TRUE;
    }

    afx_msg void OnSelchangeFiles()
    {
        const int nSel = m_listFiles.GetCurSel();
        if (nSel == LB_ERR)
        {
            m_preview.RemoveDib();
            return;
        }
        CString strName;
        m_listFiles.GetText(nSel, strName);
        // 0 for a file GDI+ cannot decode: the control then shows its no-image text.
        m_preview.LoadDib(m_strFolder + L"\\" + strName);
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(COpenImageDlg, CDialog)
    ON_LBN_SELCHANGE(IDC_FILES, &COpenImageDlg::OnSelchangeFiles)
END_MESSAGE_MAP()
