// A filter edit driving the host's own listener: a picker that keeps the series whose
// description contains the text typed.
#include <afxwin.h>
#include <afxtempl.h>
#include <zaduv.h>

#include "resource.h"

class CSeriesPickerDlg : public CDialog, public IFilterListener
{
public:
    explicit CSeriesPickerDlg(CWnd* pParent = NULL) : CDialog(IDD_SERIES_PICKER, pParent) {}

    CArray<CString, const CString&> m_arrSeries;    // filled by the caller

    // One second after the user stopped typing, with the whole text; the int is always 0.
    virtual void FilterChanged(CString strFilter, int nReserved);

protected:
    CFilterEdit m_editFilter;
    CListBox m_listSeries;

    virtual void DoDataExchange(CDataExchange* pDX);
    virtual BOOL OnInitDialog();
};

void CSeriesPickerDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SERIES_FILTER, m_editFilter);
    DDX_Control(pDX, IDC_SERIES_LIST, m_listSeries);
}

BOOL CSeriesPickerDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    // One listener per edit; the edit forgets it when its window is destroyed.
    m_editFilter.AddListener(this);
    FilterChanged(CString(), 0);
    return TRUE;
}

void CSeriesPickerDlg::FilterChanged(CString strFilter, int)
{
    strFilter.MakeLower();
    m_listSeries.ResetContent();
    for (INT_PTR i = 0; i < m_arrSeries.GetSize(); ++i)
    {
        CString strDescription = m_arrSeries[i];
        if (strFilter.IsEmpty() || strDescription.MakeLower().Find(strFilter) >= 0)
            m_listSeries.AddString(m_arrSeries[i]);
    }
}
