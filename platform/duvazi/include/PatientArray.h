#ifndef DUVAZI_PATIENTARRAY_H
#define DUVAZI_PATIENTARRAY_H
// CPatientArray: the framework array of patients, elements passed by value. Hosts hand patients
// to the lists in it, and the lists keep their own patients in one.

#include <DuVaziDefs.h>
#include <Patient.h>
#include <afxtempl.h>

class DUVAZI_API CPatientArray : public CArray<CPatient, CPatient>
{
public:
    CPatientArray();
    CPatientArray(const CPatientArray& src);
    CPatientArray& operator=(const CPatientArray& src);
    virtual ~CPatientArray();

// Operations
    // Index of the first element equal to the patient (CPatient identity), -1 when none.
    INT_PTR Find(const CPatient& patient, INT_PTR nStart = 0) const;
};

#endif
