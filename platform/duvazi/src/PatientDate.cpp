#include <PatientDate.h>

CPatientDate::CPatientDate()
    : m_nYear(0), m_nMonth(0), m_nDay(0)
{
}

CPatientDate::CPatientDate(int nYear, int nMonth, int nDay)
    : m_nYear(0), m_nMonth(0), m_nDay(0)
{
    SetDate(nYear, nMonth, nDay);
}

BOOL CPatientDate::SetDate(int nYear, int nMonth, int nDay)
{
    if (!IsValidDate(nYear, nMonth, nDay))
    {
        SetNull();
        return FALSE;
    }
    m_nYear = static_cast<WORD>(nYear);
    m_nMonth = static_cast<BYTE>(nMonth);
    m_nDay = static_cast<BYTE>(nDay);
    return TRUE;
}

void CPatientDate::SetNull()
{
    m_nYear = 0;
    m_nMonth = 0;
    m_nDay = 0;
}

BOOL PASCAL CPatientDate::IsLeapYear(int nYear)
{
    return (nYear % 4 == 0 && nYear % 100 != 0) || nYear % 400 == 0;
}

int PASCAL CPatientDate::GetDaysInMonth(int nYear, int nMonth)
{
    static const int s_aDays[12] = { 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31 };
    if (nMonth < 1 || nMonth > 12)
        return 0;
    if (nMonth == 2 && IsLeapYear(nYear))
        return 29;
    return s_aDays[nMonth - 1];
}

BOOL PASCAL CPatientDate::IsValidDate(int nYear, int nMonth, int nDay)
{
    if (nYear < 1 || nYear > 9999)
        return FALSE;
    return nDay >= 1 && nDay <= GetDaysInMonth(nYear, nMonth);
}

CString CPatientDate::Format() const
{
    CString str;
    if (!IsNull())
        str.Format(L"%04d-%02d-%02d", m_nYear, m_nMonth, m_nDay);
    return str;
}

int CPatientDate::Compare(const CPatientDate& date) const
{
    if (m_nYear != date.m_nYear)
        return m_nYear < date.m_nYear ? -1 : 1;
    if (m_nMonth != date.m_nMonth)
        return m_nMonth < date.m_nMonth ? -1 : 1;
    if (m_nDay != date.m_nDay)
        return m_nDay < date.m_nDay ? -1 : 1;
    return 0;
}
