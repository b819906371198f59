// Patient records as the patient list relies on them: identity, copies, the list's name format
// and the patient array.
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
    struct
    {
        const char* pszWhat;
        const CPatient* pBase;
        void (*pfnChange)(CPatient&);
        bool bSame;
    } cases[] = {
        { "new name and study", &withId, [](CPatient& p) { p.SetLastName(L"West-Annex"); p.SetModality(L"MR"); }, true },
        { "other birth date", &withId, [](CPatient& p) { p.SetBirthDate(CPatientDate(1970, 3, 22)); }, false },
        { "other id", &withId, [](CPatient& p) { p.SetPatientId(L"PID000018"); }, false },
        { "id in other case", &withId, [](CPatient& p) { p.SetPatientId(L"pid000017"); }, false },
        { "no id, same name", &withoutId, [](CPatient&) {}, true },
        { "no id, other first name", &withoutId, [](CPatient& p) { p.SetFirstName(L"Jane"); }, false },
        { "an id given", &withoutId, [](CPatient& p) { p.SetPatientId(L"PID1"); }, false },
        { "empty", &empty, [](CPatient&) {}, true },
        { "empty but a study", &empty, [](CPatient& p) { p.SetModality(L"CT"); }, true },
        { "a last name only", &empty, [](CPatient& p) { p.SetLastName(L"Doe"); }, false },
        { "an id only", &empty, [](CPatient& p) { p.SetPatientId(L"PID1"); }, false },
        { "a birth date only", &empty, [](CPatient& p) { p.SetBirthDate(CPatientDate(1950, 6, 1)); }, false },
    };
    for (const auto& c : cases)
    {
        CPatient other = *c.pBase;
        c.pfnChange(other);
        EXPECT_EQ(c.bSame, !!(other == *c.pBase)) << c.pszWhat;
        EXPECT_EQ(c.bSame, !!(*c.pBase == other)) << c.pszWhat;
        EXPECT_NE(c.bSame, !!(other != *c.pBase)) << c.pszWhat;
    }
}

TEST(Patient, CopiesAndAssignmentsAreIndependent)
{
    CPatient original = MakePatient(L"PID5", L"Novak", L"Jan", CPatientDate(1961, 7, 4));
    original.SetModality(L"CT");
    CPatient copy(original);
    CPatient assigned = MakePatient(L"X", L"X", L"X", CPatientDate(2000, 1, 1));
    assigned = original;
    EXPECT_TRUE(copy == original);
    EXPECT_TRUE(assigned == original);
    EXPECT_STREQ(L"CT", assigned.GetModality());

    copy.SetLastName(L"Nowak");
    assigned.SetModality(L"MR");
    original.Empty();
    EXPECT_TRUE(original.IsEmpty());
    EXPECT_STREQ(L"Nowak", copy.GetLastName());
    EXPECT_STREQ(L"Novak", assigned.GetLastName());
    EXPECT_STREQ(L"MR", assigned.GetModality());
}

TEST(Patient, FullNameOfTheListLeavesOutMissingParts)
{
    struct { LPCWSTR lpszLast, lpszFirst, lpszMiddle, lpszExpected; } cases[] = {
        { L"van Dyke", L"Anne", L"Marie", L"van Dyke, Anne Marie" },
        { L"Smith-Jones", L"Al", L"", L"Smith-Jones, Al" },
        { L"Doe", L"", L"", L"Doe" },
        { L"", L"Cher", L"", L"Cher" },
        { L"Doe", L"", L"Q.", L"Doe, Q." },
        { L"", L"", L"", L"" },
    };
    for (const auto& c : cases)
    {
        CPatient patient = MakePatient(L"P", c.lpszLast, c.lpszFirst, CPatientDate());
        patient.SetMiddleName(c.lpszMiddle);
        EXPECT_STREQ(c.lpszExpected, patient.GetFullName(1));
    }
}

TEST(PatientArray, AddRemoveAndCopiesThatOwnTheirPatients)
{
    CPatientArray patients;
    for (int i = 0; i < 20; i++)
        EXPECT_EQ(i, patients.Add(MakePatient(L"PID", L"Last", L"First", CPatientDate(1950 + i, 1, 1))));
    CPatientArray copy(patients);
    CPatientArray assigned;
    assigned = patients;
    patients.RemoveAt(10, 5);
    ASSERT_EQ(15, patients.GetSize());
    EXPECT_EQ(1965, patients[10].GetBirthDate().GetYear());
    patients[0].SetLastName(L"Changed");
    patients.RemoveAll();
    const CPatientArray& constCopy = copy;
    ASSERT_EQ(20, constCopy.GetSize());
    EXPECT_STREQ(L"Last", constCopy[0].GetLastName());
    ASSERT_EQ(20, assigned.GetSize());
    EXPECT_EQ(1969, assigned[19].GetBirthDate().GetYear());
}
