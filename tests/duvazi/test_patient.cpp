// Patient records: dates, identity, names and the patient array.
#include <duvazi.h>
#include <gtest/gtest.h>

namespace
{
CPatient MakePatient(LPCTSTR lpszId, LPCTSTR lpszLast, LPCTSTR lpszFirst, LPCTSTR lpszMiddle,
    const CPatientDate& dateBirth)
{
    CPatient patient;
    patient.SetPatientId(lpszId);
    patient.SetLastName(lpszLast);
    patient.SetFirstName(lpszFirst);
    patient.SetMiddleName(lpszMiddle);
    patient.SetBirthDate(dateBirth);
    return patient;
}
}

TEST(PatientDate, NullDateIsUnknownAndFormatsEmpty)
{
    CPatientDate date;
    EXPECT_TRUE(date.IsNull());
    EXPECT_STREQ(L"", date.Format());
    EXPECT_TRUE(CPatientDate(1970, 3, 21).Compare(date) > 0);
    EXPECT_TRUE(date.Compare(CPatientDate(1, 1, 1)) < 0);
}

TEST(PatientDate, ValidatesCalendarDays)
{
    struct { int y, m, d; bool bValid; } cases[] = {
        { 2000, 2, 29, true },      // divisible by 400
        { 1900, 2, 29, false },     // divisible by 100 only
        { 2024, 2, 29, true },
        { 2023, 2, 29, false },
        { 2023, 4, 31, false },
        { 2023, 12, 31, true },
        { 2023, 13, 1, false },
        { 2023, 0, 1, false },
        { 2023, 1, 0, false },
        { 0, 1, 1, false },
        { 10000, 1, 1, false },
    };
    for (const auto& c : cases)
    {
        CPatientDate date(c.y, c.m, c.d);
        EXPECT_EQ(c.bValid, !date.IsNull()) << c.y << "-" << c.m << "-" << c.d;
        if (c.bValid)
        {
            EXPECT_EQ(c.y, date.GetYear());
            EXPECT_EQ(c.m, date.GetMonth());
            EXPECT_EQ(c.d, date.GetDay());
        }
    }

    CPatientDate date(1970, 3, 21);
    EXPECT_FALSE(date.SetDate(1970, 2, 30));
    EXPECT_TRUE(date.IsNull()) << "a rejected day leaves the date unknown, not half set";
}

TEST(PatientDate, FormatsIsoWithZeroPadding)
{
    EXPECT_STREQ(L"1970-03-21", CPatientDate(1970, 3, 21).Format());
    EXPECT_STREQ(L"0999-01-05", CPatientDate(999, 1, 5).Format());
    EXPECT_STREQ(L"2026-12-31", CPatientDate(2026, 12, 31).Format());
}

TEST(PatientDate, ComparesAsCalendarDays)
{
    EXPECT_LT(CPatientDate(1999, 12, 31).Compare(CPatientDate(2000, 1, 1)), 0);
    EXPECT_LT(CPatientDate(1970, 3, 21).Compare(CPatientDate(1970, 12, 1)), 0);
    EXPECT_LT(CPatientDate(1970, 12, 1).Compare(CPatientDate(1970, 12, 9)), 0);
    EXPECT_GT(CPatientDate(2010, 2, 1).Compare(CPatientDate(2009, 10, 1)), 0);
    EXPECT_EQ(0, CPatientDate(2010, 2, 1).Compare(CPatientDate(2010, 2, 1)));
    EXPECT_TRUE(CPatientDate(2010, 2, 1) == CPatientDate(2010, 2, 1));
    EXPECT_TRUE(CPatientDate(2010, 2, 1) != CPatientDate(2010, 2, 2));
}

TEST(Patient, DefaultPatientIsEmpty)
{
    CPatient patient;
    EXPECT_TRUE(patient.IsEmpty());
    EXPECT_STREQ(L"", patient.GetFullName(1));
    EXPECT_STREQ(L"", patient.GetPatientId());
    EXPECT_EQ(CPatient::sexUnknown, patient.GetSex());
    EXPECT_STREQ(L"", patient.GetSexCode());
    EXPECT_TRUE(patient.GetBirthDate().IsNull());
    EXPECT_TRUE(patient.GetStudyDate().IsNull());
    EXPECT_STREQ(L"", patient.GetModality());
}

TEST(Patient, SameIdAndBirthDateIsSamePatient)
{
    CPatient a = MakePatient(L"PID000017", L"West-Annex", L"Anna", L"", CPatientDate(1970, 3, 21));
    CPatient b = MakePatient(L"PID000017", L"West", L"Anna", L"M.", CPatientDate(1970, 3, 21));
    b.SetModality(L"MR");
    b.SetStudyDate(CPatientDate(2024, 5, 1));
    b.SetSex(CPatient::sexFemale);
    EXPECT_TRUE(a == b) << "a changed name or a new study does not make another patient";
    EXPECT_FALSE(a != b);

    CPatient otherBirth = a;
    otherBirth.SetBirthDate(CPatientDate(1970, 3, 22));
    EXPECT_FALSE(a == otherBirth);

    CPatient otherId = a;
    otherId.SetPatientId(L"PID000018");
    EXPECT_FALSE(a == otherId);

    CPatient otherCase = a;
    otherCase.SetPatientId(L"pid000017");
    EXPECT_FALSE(a == otherCase) << "IDs are compared as issued, case included";
}

TEST(Patient, PatientsWithoutIdAreToldApartByNameAndBirthDate)
{
    CPatient a = MakePatient(L"", L"Doe", L"John", L"", CPatientDate(1980, 1, 1));
    CPatient same = MakePatient(L"", L"Doe", L"John", L"", CPatientDate(1980, 1, 1));
    CPatient otherName = MakePatient(L"", L"Doe", L"Jane", L"", CPatientDate(1980, 1, 1));
    CPatient withId = MakePatient(L"PID1", L"Doe", L"John", L"", CPatientDate(1980, 1, 1));
    EXPECT_TRUE(a == same);
    EXPECT_FALSE(a == otherName);
    EXPECT_FALSE(a == withId);
    EXPECT_FALSE(withId == a);
}

TEST(Patient, EmptyPatientEqualsOnlyAnEmptyOne)
{
    CPatient empty;
    EXPECT_TRUE(empty == CPatient());

    CPatient nameOnly;
    nameOnly.SetLastName(L"Doe");
    CPatient idOnly;
    idOnly.SetPatientId(L"PID1");
    CPatient birthOnly;
    birthOnly.SetBirthDate(CPatientDate(1950, 6, 1));
    EXPECT_FALSE(empty == nameOnly);
    EXPECT_FALSE(empty == idOnly);
    EXPECT_FALSE(empty == birthOnly);
    EXPECT_FALSE(nameOnly == empty);

    // Study data is no identity: a patient with only a study is still empty.
    CPatient studyOnly;
    studyOnly.SetModality(L"CT");
    EXPECT_TRUE(studyOnly.IsEmpty());
    EXPECT_TRUE(empty == studyOnly);
}

TEST(Patient, FullNameFormats)
{
    CPatient full = MakePatient(L"P", L"van Dyke", L"Anne", L"Marie", CPatientDate());
    CPatient noMiddle = MakePatient(L"P", L"Smith-Jones", L"Al", L"", CPatientDate());
    CPatient lastOnly = MakePatient(L"P", L"Doe", L"", L"", CPatientDate());
    CPatient givenOnly = MakePatient(L"P", L"", L"Cher", L"", CPatientDate());
    CPatient noFirst = MakePatient(L"P", L"Doe", L"", L"Q.", CPatientDate());

    EXPECT_STREQ(L"van Dyke, Anne Marie", full.GetFullName(1));
    EXPECT_STREQ(L"Smith-Jones, Al", noMiddle.GetFullName(1));
    EXPECT_STREQ(L"Doe", lastOnly.GetFullName(1));
    EXPECT_STREQ(L"Cher", givenOnly.GetFullName(1));
    EXPECT_STREQ(L"Doe, Q.", noFirst.GetFullName(1));

    EXPECT_STREQ(L"Anne Marie van Dyke", full.GetFullName(CPatient::nameFirstLast));
    EXPECT_STREQ(L"Al Smith-Jones", noMiddle.GetFullName(CPatient::nameFirstLast));
    EXPECT_STREQ(L"Doe", lastOnly.GetFullName(CPatient::nameFirstLast));

    EXPECT_STREQ(L"van Dyke^Anne^Marie", full.GetFullName(CPatient::nameDicom));
    EXPECT_STREQ(L"Smith-Jones^Al", noMiddle.GetFullName(CPatient::nameDicom));
    EXPECT_STREQ(L"Doe^^Q.", noFirst.GetFullName(CPatient::nameDicom));

    // Unknown formats read as the list's format 1.
    EXPECT_STREQ(full.GetFullName(1), full.GetFullName(7));
    EXPECT_STREQ(full.GetFullName(1), full.GetFullName(-1));
}

TEST(Patient, SexCodesAndInvalidSex)
{
    CPatient patient;
    patient.SetSex(CPatient::sexMale);
    EXPECT_STREQ(L"M", patient.GetSexCode());
    patient.SetSex(CPatient::sexFemale);
    EXPECT_STREQ(L"F", patient.GetSexCode());
    patient.SetSex(CPatient::sexOther);
    EXPECT_STREQ(L"O", patient.GetSexCode());
    patient.SetSex(static_cast<CPatient::ESex>(42));
    EXPECT_EQ(CPatient::sexUnknown, patient.GetSex());
    EXPECT_STREQ(L"", patient.GetSexCode());
}

TEST(Patient, CopiesAreIndependent)
{
    CPatient original = MakePatient(L"PID5", L"Novak", L"Jan", L"", CPatientDate(1961, 7, 4));
    original.SetModality(L"CT");
    CPatient copy(original);
    CPatient assigned;
    assigned = original;
    EXPECT_TRUE(copy == original);
    EXPECT_STREQ(L"CT", assigned.GetModality());

    copy.SetLastName(L"Nowak");
    assigned.SetModality(L"MR");
    EXPECT_STREQ(L"Novak", original.GetLastName());
    EXPECT_STREQ(L"CT", original.GetModality());

    original.Empty();
    EXPECT_TRUE(original.IsEmpty());
    EXPECT_STREQ(L"Nowak", copy.GetLastName());
}

TEST(PatientArray, AddIndexRemove)
{
    CPatientArray patients;
    EXPECT_EQ(0, patients.GetSize());
    for (int i = 0; i < 50; i++)
    {
        CString strId;
        strId.Format(L"PID%03d", i);
        CPatient patient = MakePatient(strId, L"Last", L"First", L"", CPatientDate(1950 + i, 1, 1));
        EXPECT_EQ(i, patients.Add(patient)) << "Add returns the new index";
    }
    ASSERT_EQ(50, patients.GetSize());
    // Growing moved the patients several times; every one must have survived intact.
    for (int i = 0; i < 50; i++)
    {
        CString strId;
        strId.Format(L"PID%03d", i);
        EXPECT_STREQ(strId, patients[i].GetPatientId());
        EXPECT_EQ(1950 + i, patients[i].GetBirthDate().GetYear());
    }

    patients[3].SetLastName(L"Changed");
    const CPatientArray& constPatients = patients;
    EXPECT_STREQ(L"Changed", constPatients[3].GetLastName());

    patients.RemoveAt(10, 5);
    ASSERT_EQ(45, patients.GetSize());
    EXPECT_STREQ(L"PID009", patients[9].GetPatientId());
    EXPECT_STREQ(L"PID015", patients[10].GetPatientId());

    EXPECT_EQ(10, patients.Find(patients[10]));
    EXPECT_EQ(-1, patients.Find(MakePatient(L"PID012", L"Last", L"First", L"", CPatientDate(1962, 1, 1))));
    EXPECT_EQ(-1, patients.Find(patients[0], 1));

    patients.RemoveAll();
    EXPECT_EQ(0, patients.GetSize());
}

TEST(PatientArray, CopyOwnsItsPatients)
{
    CPatientArray source;
    source.Add(MakePatient(L"A1", L"Adams", L"Amy", L"", CPatientDate(1990, 2, 3)));
    source.Add(MakePatient(L"B2", L"Baker", L"Bob", L"", CPatientDate(1991, 4, 5)));

    CPatientArray copy(source);
    CPatientArray assigned;
    assigned.Add(MakePatient(L"X", L"X", L"X", L"", CPatientDate()));
    assigned = source;
    source[0].SetLastName(L"Changed");
    source.RemoveAt(1);

    ASSERT_EQ(2, copy.GetSize());
    ASSERT_EQ(2, assigned.GetSize());
    EXPECT_STREQ(L"Adams", copy[0].GetLastName());
    EXPECT_STREQ(L"Baker", assigned[1].GetLastName());
}

TEST(PatientArray, ServesAsTheFrameworkArray)
{
    // Code written against the framework array type takes a patient array as it is.
    CPatientArray patients;
    CArray<CPatient, CPatient>& base = patients;
    base.Add(MakePatient(L"C3", L"Clark", L"Cy", L"", CPatientDate(1985, 8, 9)));
    EXPECT_EQ(1, patients.GetSize());
    EXPECT_STREQ(L"Clark", patients[0].GetLastName());
    bool bRefused = false;
    try
    {
        base.RemoveAt(1, 1);
    }
    catch (CInvalidArgException* e)
    {
        bRefused = true;
        e->Delete();
    }
    EXPECT_TRUE(bRefused) << "removing past the end is refused, not a crash";
    EXPECT_EQ(1, patients.GetSize());
}
