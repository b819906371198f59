#include <Patient.h>

CPatient::CPatient()
    : m_eSex(sexUnknown)
{
}

CPatient::CPatient(const CPatient& patient)
    : m_strLastName(patient.m_strLastName),
      m_strFirstName(patient.m_strFirstName),
      m_strMiddleName(patient.m_strMiddleName),
      m_strPatientId(patient.m_strPatientId),
      m_dateBirth(patient.m_dateBirth),
      m_eSex(patient.m_eSex),
      m_dateStudy(patient.m_dateStudy),
      m_strModality(patient.m_strModality)
{
}

CPatient& CPatient::operator=(const CPatient& patient)
{
    m_strLastName = patient.m_strLastName;
    m_strFirstName = patient.m_strFirstName;
    m_strMiddleName = patient.m_strMiddleName;
    m_strPatientId = patient.m_strPatientId;
    m_dateBirth = patient.m_dateBirth;
    m_eSex = patient.m_eSex;
    m_dateStudy = patient.m_dateStudy;
    m_strModality = patient.m_strModality;
    return *this;
}

CPatient::~CPatient()
{
}

void CPatient::SetLastName(LPCTSTR lpszLastName)
{
    m_strLastName = lpszLastName;
}

void CPatient::SetFirstName(LPCTSTR lpszFirstName)
{
    m_strFirstName = lpszFirstName;
}

void CPatient::SetMiddleName(LPCTSTR lpszMiddleName)
{
    m_strMiddleName = lpszMiddleName;
}

void CPatient::SetPatientId(LPCTSTR lpszPatientId)
{
    m_strPatientId = lpszPatientId;
}

void CPatient::SetBirthDate(const CPatientDate& date)
{
    m_dateBirth = date;
}

void CPatient::SetSex(ESex eSex)
{
    m_eSex = (eSex >= sexUnknown && eSex <= sexOther) ? eSex : sexUnknown;
}

void CPatient::SetStudyDate(const CPatientDate& date)
{
    m_dateStudy = date;
}

void CPatient::SetModality(LPCTSTR lpszModality)
{
    m_strModality = lpszModality;
}

CString CPatient::GetSexCode() const
{
    switch (m_eSex)
    {
    case sexMale:
        return CString(L"M");
    case sexFemale:
        return CString(L"F");
    case sexOther:
        return CString(L"O");
    default:
        return CString();
    }
}

BOOL CPatient::IsEmpty() const
{
    return m_strPatientId.IsEmpty() && m_strLastName.IsEmpty() && m_strFirstName.IsEmpty()
        && m_strMiddleName.IsEmpty() && m_dateBirth.IsNull();
}

CString CPatient::GetFullName(int nFormat) const
{
    CString strName;
    if (nFormat == nameFirstLast)
    {
        const CString* aParts[3] = { &m_strFirstName, &m_strMiddleName, &m_strLastName };
        for (const CString* pPart : aParts)
        {
            if (pPart->IsEmpty())
                continue;
            if (!strName.IsEmpty())
                strName += L' ';
            strName += *pPart;
        }
    }
    else if (nFormat == nameDicom)
    {
        // Trailing empty components are dropped, inner ones keep their caret.
        strName = m_strLastName + L'^' + m_strFirstName + L'^' + m_strMiddleName;
        strName.TrimRight(L'^');
    }
    else
    {
        CString strGiven = m_strFirstName;
        if (!m_strMiddleName.IsEmpty())
        {
            if (!strGiven.IsEmpty())
                strGiven += L' ';
            strGiven += m_strMiddleName;
        }
        strName = m_strLastName;
        if (!strGiven.IsEmpty())
        {
            if (!strName.IsEmpty())
                strName += L", ";
            strName += strGiven;
        }
    }
    return strName;
}

BOOL CPatient::operator==(const CPatient& patient) const
{
    if (m_strPatientId != patient.m_strPatientId || m_dateBirth != patient.m_dateBirth)
        return FALSE;
    if (!m_strPatientId.IsEmpty())
        return TRUE;
    return m_strLastName == patient.m_strLastName && m_strFirstName == patient.m_strFirstName
        && m_strMiddleName == patient.m_strMiddleName;
}

void CPatient::Empty()
{
    *this = CPatient();
}
