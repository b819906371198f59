#ifndef ZADUV_PATIENTLIST_PATIENTLISTCTRL_H
#define ZADUV_PATIENTLIST_PATIENTLISTCTRL_H
// CPatientListCtrl: a report-style list view showing copies of patients, one row per patient
// and one column per column of a patient profile. It filters on what a CFilterEdit hands it
// and sorts by the column whose header the user clicks.
//
// The host calls Init before it subclasses the list view (the columns are made then), feeds
// patients with AddPatient or AddPatientArray and connects a filter edit with AddListener.
// A row's item data is the index of its patient in the store; every removal from the store
// rebuilds the rows, so the indices are always current.

#include <afxcmn.h>
#include <afxtempl.h>
#include <Patient.h>
#include <PatientArray.h>
#include <PatientProfile.h>
#include "foundation/ZaDUVDefs.h"
#include "patientlist/FilterListener.h"
#include "xlistctrl/SortedHeaderCtrl.h"

class ZADUV_API CPatientListCtrl : public CListCtrl, public IFilterListener
{
public:
// Construction
    CPatientListCtrl();
    virtual ~CPatientListCtrl();

    // Copies the profile; call before the list view is subclassed.
    void Init(const CPatientProfile& profile);

// Attributes
    // An empty patient when no row is selected.
    CPatient GetSelectedPatient() const;
    // An empty patient for a row index outside the rows.
    CPatient GetPatient(int nRow) const;
    // 1 when any row is selected, else 0.
    int IsPatientSelected() const;

// Operations
    // Appends a copy and a row showing it, whether or not it matches the filter; a non-zero
    // flag then re-applies the filter.
    void AddPatient(const CPatient& patient, int bReFilter);
    // Adds each patient unfiltered, then sorts ascending by the first column.
    void AddPatientArray(const CPatientArray& arrPatients);
    // Removes the first shown patient equal to this one; one that is filtered out stays.
    void DeletePatient(const CPatient& patient);
    void DeleteAllPatients();
    // Replaces the patient of the first selected row, then sorts and filters again.
    void UpdateSelectedPatient(const CPatient& patient);
    // Selects the last row equal to the patient, else the last row with the same full name.
    void SelectPatient(const CPatient& patient);

    void ReSort();
    // Rebuilds the rows from the store in store order, keeping those that match the filter.
    void ReFilter();
    void AutoSizeColumnWidths();

    // IFilterListener: the text becomes the filter, in lower case.
    virtual void FilterChanged(CString strFilter, int nReserved);

// Implementation
protected:
    CSortedHeaderCtrl m_ctrlHeader;         // the list view's own header, subclassed
    CPatientProfile m_profile;              // texts, titles, widths and orderings
    CArray<CPatient, CPatient> m_arrPatients;   // every patient added, shown or not
    CString m_strFilter;                    // lower case; empty shows every patient
    int m_nSortState;                       // 0 unsorted, +(j+1) ascending or -(j+1) descending by column j

    // The number of items in the list view's header, 0 without a header.
    int GetColumnCount() const;
    static int CALLBACK CompareFunc(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort);

    virtual void PreSubclassWindow();

private:
    int GetEffectiveColumnCount() const;
    // The stored patient a row shows; NULL for a row or an item data outside the store.
    const CPatient* GetRowPatient(int nRow) const;
    const CPatient* GetStoredPatient(LPARAM lParam) const;
    int GetFirstSelectedRow() const;    // -1 when no row is selected
    void ClearSelectedStates();
    // Each inserts a row at nRow, the end of the rows; FALSE when the list view refused it.
    BOOL InsertPatientRow(int nRow, INT_PTR nIndex, int nColumns);
    BOOL AppendRow(int nRow, INT_PTR nIndex, const CString* pTexts, int nColumns);
    void SelectRow(int nRow);
    // Redrawing stays off while many rows change at once, if the list is showing at all.
    BOOL SuspendRedraw();
    void ResumeRedraw(BOOL bSuspended);

protected:
    afx_msg void OnDestroy();
    afx_msg void OnColumnClick(NMHDR* pNMHDR, LRESULT* pResult);
    DECLARE_MESSAGE_MAP()
};

#endif
