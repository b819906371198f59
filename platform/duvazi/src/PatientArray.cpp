#include <PatientArray.h>

CPatientArray::CPatientArray()
{
}

CPatientArray::CPatientArray(const CPatientArray& src)
    : CArray<CPatient, CPatient>()
{
    Copy(src);
}

CPatientArray& CPatientArray::operator=(const CPatientArray& src)
{
    Copy(src);
    return *this;
}

CPatientArray::~CPatientArray()
{
}

INT_PTR CPatientArray::Find(const CPatient& patient, INT_PTR nStart) const
{
    for (INT_PTR i = nStart < 0 ? 0 : nStart; i < GetSize(); i++)
    {
        if (GetAt(i) == patient)
            return i;
    }
    return -1;
}
