// An import log: one line per message, errors in red, each line carrying the key of the study
// it is about.
#include <afxwin.h>
#include <zaduv.h>

#include "resource.h"

class CImportLogDlg : public CDialog
{
public:
    explicit CImportLogDlg(CWnd* pParent = NULL) : CDialog(IDD_IMPORT_LOG, pParent) {}

    void AddEntry(LPCTSTR lpszText, DWORD_PTR dwStudyKey, BOOL bError)
    {
        const int nItem = m_listLog.AddString(lpszText, bError ? RGB(192, 0, 0) : ::GetSysColor(COLOR_WINDOWTEXT));
        if (nItem < 0)
            return;
        m_listLog.SetItemData(nItem, dwStudyKey);
        // -1 keeps a colour: an error line keeps its normal background.
        if (bError)
            m_listLog.SetItemColor(nItem, RGB(192, 0, 0), KEEP_COLOR, RGB(192, 0, 0), RGB(255, 220, 220));
    }

    void ShowStudy(DWORD_PTR dwStudyKey) { m_listLog.SelectByItemData(dwStudyKey); }

protected:
    static const COLORREF KEEP_COLOR = static_cast<COLORREF>(-1);
    CColorListBox m_listLog;

    virtual BOOL OnInitDialog()
    {
        CDialog::OnInitDialog();
        // The template's list box has LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_USETABSTOPS.
        m_listLog.SubclassDlgItem(IDC_IMPORT_LOG, this);
        m_listLog.SetTabStop(12);
        return TRUE;
    }
};
