#ifndef DUVAZI_PATIENTDATE_H
#define DUVAZI_PATIENTDATE_H
// CPatientDate: a calendar day (year, month, day) without time or time zone, as patient records
// carry birth and study dates. The null date (all zero) stands for "unknown".

#include <DuVaziDefs.h>
#include <afx.h>

class DUVAZI_API CPatientDate
{
public:
// Construction
    CPatientDate();                             // the null date
    CPatientDate(int nYear, int nMonth, int nDay);  // an invalid day gives the null date

// Attributes
    int GetYear() const { return m_nYear; }
    int GetMonth() const { return m_nMonth; }
    int GetDay() const { return m_nDay; }
    BOOL IsNull() const { return m_nYear == 0; }

    // Years 1 to 9999, months 1 to 12, days within the month (leap years of the Gregorian calendar).
    BOOL SetDate(int nYear, int nMonth, int nDay);
    void SetNull();

    static BOOL PASCAL IsValidDate(int nYear, int nMonth, int nDay);
    static int PASCAL GetDaysInMonth(int nYear, int nMonth);
    static BOOL PASCAL IsLeapYear(int nYear);

// Operations
    // ISO 8601 "yyyy-mm-dd", independent of the user's locale; empty for the null date.
    CString Format() const;
    // Negative, zero or positive as this day lies before, on or after the other; the null date
    // comes before every real date.
    int Compare(const CPatientDate& date) const;

    BOOL operator==(const CPatientDate& date) const { return Compare(date) == 0; }
    BOOL operator!=(const CPatientDate& date) const { return Compare(date) != 0; }
    BOOL operator<(const CPatientDate& date) const { return Compare(date) < 0; }

// Implementation
private:
    WORD m_nYear;
    BYTE m_nMonth;
    BYTE m_nDay;
};

#endif
