#include <PatientProfile.h>
#include <cwctype>

namespace
{
int Sign(int n)
{
    return (n > 0) - (n < 0);
}
}

CPatientProfile::CPatientProfile()
    : m_aColumns(), m_nColumns(0)
{
    static const int s_aDefaultFields[fieldCount] =
        { fieldName, fieldPatientId, fieldBirthDate, fieldSex, fieldStudyDate, fieldModality };
    SetColumns(s_aDefaultFields, fieldCount);
}

CPatientProfile::CPatientProfile(const int* pFields, int nCount)
    : CPatientProfile()
{
    SetColumns(pFields, nCount);
}

CPatientProfile::CPatientProfile(const CPatientProfile& profile)
    : m_aColumns(), m_nColumns(0)
{
    *this = profile;
}

CPatientProfile& CPatientProfile::operator=(const CPatientProfile& profile)
{
    for (int i = 0; i < maxColumns; i++)
        m_aColumns[i] = profile.m_aColumns[i];
    m_nColumns = profile.m_nColumns;
    return *this;
}

CPatientProfile::~CPatientProfile()
{
}

int CPatientProfile::GetColumnCount() const
{
    return m_nColumns;
}

CString CPatientProfile::GetColumnTitle(int nColumn) const
{
    if (!IsValidColumn(nColumn))
        return CString();
    return GetFieldTitle(m_aColumns[nColumn].nField);
}

int CPatientProfile::GetColumnWidth(int nColumn) const
{
    return IsValidColumn(nColumn) ? m_aColumns[nColumn].nWidth : 0;
}

int CPatientProfile::GetColumnField(int nColumn) const
{
    return IsValidColumn(nColumn) ? m_aColumns[nColumn].nField : -1;
}

BOOL CPatientProfile::SetColumns(const int* pFields, int nCount)
{
    if (nCount < 0 || nCount > maxColumns || (nCount > 0 && pFields == NULL))
        return FALSE;
    for (int i = 0; i < nCount; i++)
    {
        if (pFields[i] < 0 || pFields[i] >= fieldCount)
            return FALSE;
    }
    for (int i = 0; i < nCount; i++)
    {
        m_aColumns[i].nField = pFields[i];
        m_aColumns[i].nWidth = GetFieldDefaultWidth(pFields[i]);
    }
    m_nColumns = nCount;
    return TRUE;
}

BOOL CPatientProfile::SetColumnWidth(int nColumn, int nWidth)
{
    if (!IsValidColumn(nColumn) || nWidth < 0)
        return FALSE;
    m_aColumns[nColumn].nWidth = nWidth;
    return TRUE;
}

CString PASCAL CPatientProfile::GetFieldTitle(int nField)
{
    switch (nField)
    {
    case fieldName:
        return CString(L"Name");
    case fieldPatientId:
        return CString(L"Patient ID");
    case fieldBirthDate:
        return CString(L"Birth Date");
    case fieldSex:
        return CString(L"Sex");
    case fieldStudyDate:
        return CString(L"Study Date");
    case fieldModality:
        return CString(L"Modality");
    default:
        return CString();
    }
}

int PASCAL CPatientProfile::GetFieldDefaultWidth(int nField)
{
    switch (nField)
    {
    case fieldName:
        return 180;
    case fieldPatientId:
        return 90;
    case fieldBirthDate:
    case fieldStudyDate:
        return 85;
    case fieldSex:
        return 40;
    case fieldModality:
        return 65;
    default:
        return 0;
    }
}

CString CPatientProfile::FormatColumn(int nColumn, const CPatient& patient) const
{
    switch (GetColumnField(nColumn))
    {
    case fieldName:
        return patient.GetFullName(CPatient::nameLastFirst);
    case fieldPatientId:
        return patient.GetPatientId();
    case fieldBirthDate:
        return patient.GetBirthDate().Format();
    case fieldSex:
        return patient.GetSexCode();
    case fieldStudyDate:
        return patient.GetStudyDate().Format();
    case fieldModality:
        return patient.GetModality();
    default:
        return CString();
    }
}

int CPatientProfile::ComparePatients(int nColumn, const CPatient* pPatient1, const CPatient* pPatient2)
{
    int nField = GetColumnField(nColumn);
    if (nField < 0)
        return 0;
    if (pPatient1 == NULL || pPatient2 == NULL)
        return (pPatient1 != NULL) - (pPatient2 != NULL);

    switch (nField)
    {
    case fieldName:
        return CompareNames(*pPatient1, *pPatient2);
    case fieldPatientId:
        return CompareNatural(pPatient1->GetPatientId(), pPatient2->GetPatientId());
    case fieldBirthDate:
        return pPatient1->GetBirthDate().Compare(pPatient2->GetBirthDate());
    case fieldSex:
        return Sign(pPatient1->GetSexCode().Compare(pPatient2->GetSexCode()));
    case fieldStudyDate:
        return pPatient1->GetStudyDate().Compare(pPatient2->GetStudyDate());
    case fieldModality:
        return Sign(pPatient1->GetModality().CompareNoCase(pPatient2->GetModality()));
    default:
        return 0;
    }
}

int PASCAL CPatientProfile::CompareNames(const CPatient& patient1, const CPatient& patient2)
{
    int nResult = patient1.GetLastName().CompareNoCase(patient2.GetLastName());
    if (nResult == 0)
        nResult = patient1.GetFirstName().CompareNoCase(patient2.GetFirstName());
    if (nResult == 0)
        nResult = patient1.GetMiddleName().CompareNoCase(patient2.GetMiddleName());
    return Sign(nResult);
}

int PASCAL CPatientProfile::CompareNatural(LPCTSTR lpsz1, LPCTSTR lpsz2)
{
    LPCTSTR p1 = lpsz1 != NULL ? lpsz1 : L"";
    LPCTSTR p2 = lpsz2 != NULL ? lpsz2 : L"";
    while (*p1 != 0 && *p2 != 0)
    {
        if (std::iswdigit(*p1) && std::iswdigit(*p2))
        {
            // Compare the runs by value: without leading zeros, the longer run is the larger
            // number, and runs of equal length compare digit by digit.
            while (*p1 == L'0')
                ++p1;
            while (*p2 == L'0')
                ++p2;
            LPCTSTR pEnd1 = p1;
            LPCTSTR pEnd2 = p2;
            while (std::iswdigit(*pEnd1))
                ++pEnd1;
            while (std::iswdigit(*pEnd2))
                ++pEnd2;
            if (pEnd1 - p1 != pEnd2 - p2)
                return pEnd1 - p1 < pEnd2 - p2 ? -1 : 1;
            for (; p1 < pEnd1; ++p1, ++p2)
            {
                if (*p1 != *p2)
                    return *p1 < *p2 ? -1 : 1;
            }
            p2 = pEnd2;
            continue;
        }
        wint_t ch1 = std::towlower(*p1);
        wint_t ch2 = std::towlower(*p2);
        if (ch1 != ch2)
            return ch1 < ch2 ? -1 : 1;
        ++p1;
        ++p2;
    }
    if (*p1 != 0 || *p2 != 0)
        return *p1 == 0 ? -1 : 1;
    return Sign(std::wcscmp(lpsz1 != NULL ? lpsz1 : L"", lpsz2 != NULL ? lpsz2 : L""));
}
