#ifndef DUVAZI_PATIENT_H
#define DUVAZI_PATIENT_H
// CPatient: one patient record as the product's applications list it - name, patient ID,
// birth date, sex and the date and modality of the latest study.
//
// Identity: two records denote the same patient when their patient IDs are equal
// (case-sensitively, as IDs are issued) and their birth dates are equal. Records without an ID
// (unidentified patients, emergency admissions) are told apart by name and birth date instead,
// and never equal a record that has an ID. The empty patient - no ID, no name, no birth date -
// therefore equals only another empty one. Sex, study date and modality are not part of the
// identity: they change between studies of the same patient.

#include <DuVaziDefs.h>
#include <PatientDate.h>
#include <afx.h>

class DUVAZI_API CPatient
{
public:
    enum ESex
    {
        sexUnknown = 0,
        sexMale,
        sexFemale,
        sexOther
    };

    // Arguments of GetFullName.
    enum ENameFormat
    {
        nameFirstLast = 0,      // "First Middle Last"
        nameLastFirst = 1,      // "Last, First Middle"; also used for any unknown format value
        nameDicom = 2           // "Last^First^Middle", the interchange form of person names
    };

// Construction
    CPatient();
    CPatient(const CPatient& patient);
    CPatient& operator=(const CPatient& patient);
    virtual ~CPatient();

// Attributes
    const CString& GetLastName() const { return m_strLastName; }
    void SetLastName(LPCTSTR lpszLastName);
    const CString& GetFirstName() const { return m_strFirstName; }
    void SetFirstName(LPCTSTR lpszFirstName);
    const CString& GetMiddleName() const { return m_strMiddleName; }
    void SetMiddleName(LPCTSTR lpszMiddleName);
    const CString& GetPatientId() const { return m_strPatientId; }
    void SetPatientId(LPCTSTR lpszPatientId);
    const CPatientDate& GetBirthDate() const { return m_dateBirth; }
    void SetBirthDate(const CPatientDate& date);
    ESex GetSex() const { return m_eSex; }
    void SetSex(ESex eSex);             // a value outside ESex is stored as sexUnknown
    const CPatientDate& GetStudyDate() const { return m_dateStudy; }
    void SetStudyDate(const CPatientDate& date);
    const CString& GetModality() const { return m_strModality; }
    void SetModality(LPCTSTR lpszModality);

    // One letter per sex: "M", "F", "O"; empty when unknown.
    CString GetSexCode() const;
    // No ID, no name and no birth date.
    BOOL IsEmpty() const;

// Operations
    // The name parts joined in the given ENameFormat; missing parts leave out their separators.
    CString GetFullName(int nFormat) const;

    BOOL operator==(const CPatient& patient) const;
    BOOL operator!=(const CPatient& patient) const { return !(*this == patient); }

    void Empty();

// Implementation
protected:
    CString m_strLastName;
    CString m_strFirstName;
    CString m_strMiddleName;
    CString m_strPatientId;
    CPatientDate m_dateBirth;
    ESex m_eSex;
    CPatientDate m_dateStudy;
    CString m_strModality;      // the study's modality code, e.g. "CT" or "MR"
};

#endif
