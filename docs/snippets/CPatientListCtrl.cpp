// A patient chooser: the patients of a list, filtered as the user types and sorted by the
// column header the user clicks; a double-click or OK takes the selected patient.
#include <afxwin.h>
#include <afxcmn.h>
#include <zaduv.h>

#include "resource.h"

class CPatientsDlg : public CDialog
{
public:
    CPatientsDlg(const CPatientArray& arrPatients, CWnd* pParent = NULL)
        : CDialog(IDD_PATIENTS, pParent), m_arrPatients(arrPatients) {}

    CPatient m_patientChosen;       // selected again when the dialog opens

protected:
    const CPatientArray& m_arrPatients;
    CPatientListCtrl m_listPatients;
    CFilterEdit m_editFilter;

    virtual BOOL OnInitDialog();
    virtual void OnOK();
    afx_msg void OnPatientDblClk(NMHDR* pNMHDR, LRESULT* pResult);
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CPatientsDlg, CDialog)
    ON_NOTIFY(NM_DBLCLK, IDC_PATIENT_LIST, &CPatientsDlg::OnPatientDblClk)
END_MESSAGE_MAP()

BOOL CPatientsDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    // The columns are made from the profile when the list is subclassed: Init comes first.
    const int fields[] = { CPatientProfile::fieldName, CPatientProfile::fieldPatientId,
        CPatientProfile::fieldBirthDate };
    m_listPatients.Init(CPatientProfile(fields, _countof(fields)));
    m_listPatients.SubclassDlgItem(IDC_PATIENT_LIST, this);
    m_editFilter.SubclassDlgItem(IDC_PATIENT_FILTER, this);
    m_editFilter.AddListener(&m_listPatients);

    m_listPatients.AddPatientArray(m_arrPatients);     // copies, sorted by the first column
    m_listPatients.AutoSizeColumnWidths();
    m_listPatients.SelectPatient(m_patientChosen);
    return TRUE;
}

void CPatientsDlg::OnOK()
{
    if (!m_listPatients.IsPatientSelected())
        return;
    m_patientChosen = m_listPatients.GetSelectedPatient();
    CDialog::OnOK();
}

void CPatientsDlg::OnPatientDblClk(NMHDR*, LRESULT* pResult)
{
    *pResult = 0;
    OnOK();
}
