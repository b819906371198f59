// Patient records as the patient list relies on them: identity and the list's name format.
#include <duvazi.h>
#include <gtest/gtest.h>

namespace
{
CPatient MakePatient(LPCTSTR lpszId, LPCTSTR lpszLast, LPCTSTR lpszFirst, const CPatientDate& dateBirth)
{
    CPatient patient;
    patient.SetPatientId(lpszId);
    patient.SetLastName(lpszLast);
    patient.SetFirstName(lpszFirst);
    patient.SetBirthDate(dateBirth);
    return patient;
}
}

TEST(Patient, IdentityIsIdAndBirthDateOrElseNameAndBirthDate)
{
    const CPatient withId = MakePatient(L"PID000017", L"West", L"Anna", CPatientDate(1970, 3, 21));
    const CPatient withoutId = MakePatient(L"", L"Doe", L"John", CPatientDate(1980, 1, 1));
    const CPatient empty;
    struct { const char* pszWhat; const CPatient* pBase; void (*pfnChange)(CPatient&); bool bSame; } cases[] = {
        { "new name and study", &withId, [](CPatient& p) { p.SetLastName(L"West-Annex"); p.SetModality(L"MR"); }, true },
        { "other birth date", &withId, [](CPatient& p) { p.SetBirthDate(CPatientDate(1970, 3, 22)); }, false },
        { "id in other case", &withId, [](CPatient& p) { p.SetPatientId(L"pid000017"); }, false },
        { "no id, same name", &withoutId, [](CPatient&) {}, true },
        { "no id, other first name", &withoutId, [](CPatient& p) { p.SetFirstName(L"Jane"); }, false },
        { "an id given", &withoutId, [](CPatient& p) { p.SetPatientId(L"PID1"); }, false },
        { "empty but a study", &empty, [](CPatient& p) { p.SetModality(L"CT"); }, true },
        { "a birth date only", &empty, [](CPatient& p) { p.SetBirthDate(CPatientDate(1950, 6, 1)); }, false },
    };
    for (const auto& c : cases)
    {
        CPatient other = *c.pBase;
        c.pfnChange(other);
        EXPECT_EQ(c.bSame, !!(other == *c.pBase) && !!(*c.pBase == other)) << c.pszWhat;
        EXPECT_NE(c.bSame, !!(other != *c.pBase)) << c.pszWhat;
    }
}

TEST(Patient, FullNameOfTheListLeavesOutMissingParts)
{
    struct { LPCWSTR lpszLast, lpszFirst, lpszMiddle, lpszExpected; } cases[] = {
        { L"van Dyke", L"Anne", L"Marie", L"van Dyke, Anne Marie" }, { L"Smith-Jones", L"Al", L"", L"Smith-Jones, Al" },
        { L"Doe", L"", L"", L"Doe" }, { L"", L"Cher", L"", L"Cher" }, { L"Doe", L"", L"Q.", L"Doe, Q." }, { L"", L"", L"", L"" },
    };
    for (const auto& c : cases)
    {
        CPatient patient = MakePatient(L"P", c.lpszLast, c.lpszFirst, CPatientDate());
        patient.SetMiddleName(c.lpszMiddle);
        EXPECT_STREQ(c.lpszExpected, patient.GetFullName(1));
    }
}
