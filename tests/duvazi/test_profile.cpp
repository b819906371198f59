// Patient profile: columns, cell texts and orderings as a patient list uses them.
#include <duvazi.h>
#include <gtest/gtest.h>
#include <cwchar>
#include <vector>

namespace
{
int Sign(int n)
{
    return (n > 0) - (n < 0);
}

CPatient MakePatient(LPCTSTR lpszId, LPCTSTR lpszLast, LPCTSTR lpszFirst, const CPatientDate& dateBirth)
{
    CPatient patient;
    patient.SetPatientId(lpszId);
    patient.SetLastName(lpszLast);
    patient.SetFirstName(lpszFirst);
    patient.SetBirthDate(dateBirth);
    return patient;
}

CPatient SamplePatient()
{
    CPatient patient = MakePatient(L"PID000123", L"West-Annex", L"Anna", CPatientDate(1970, 3, 21));
    patient.SetMiddleName(L"M.");
    patient.SetSex(CPatient::sexFemale);
    patient.SetStudyDate(CPatientDate(2024, 11, 5));
    patient.SetModality(L"MR");
    return patient;
}

const int nDefaultColumns = 6;
}

TEST(PatientProfile, DefaultColumnsTitlesWidthsAndCells)
{
    CPatientProfile profile;
    ASSERT_EQ(nDefaultColumns, profile.GetColumnCount());
    const CPatient patient = SamplePatient();
    const CPatient empty;
    struct { LPCWSTR lpszTitle, lpszCell; } columns[nDefaultColumns] = {
        { L"Name", L"West-Annex, Anna M." }, { L"Patient ID", L"PID000123" }, { L"Birth Date", L"1970-03-21" },
        { L"Sex", L"F" }, { L"Study Date", L"2024-11-05" }, { L"Modality", L"MR" },
    };
    for (int i = 0; i < nDefaultColumns; i++)
    {
        EXPECT_STREQ(columns[i].lpszTitle, profile.GetColumnTitle(i));
        EXPECT_GT(profile.GetColumnWidth(i), 0) << "column " << i;
        EXPECT_STREQ(columns[i].lpszCell, profile.FormatColumn(i, patient));
        EXPECT_STREQ(L"", profile.FormatColumn(i, empty)) << "column " << i;
    }
    EXPECT_GT(profile.GetColumnWidth(0), profile.GetColumnWidth(3)) << "a name needs more room than a sex code";
}

TEST(PatientProfile, ColumnsOutsideTheProfileAndNullPatients)
{
    CPatientProfile profile;
    CPatient a = SamplePatient();
    CPatient b = MakePatient(L"PID1", L"Adams", L"Amy", CPatientDate(1990, 1, 1));
    for (int nColumn : { -1, nDefaultColumns, INT_MIN, INT_MAX })
    {
        EXPECT_TRUE(profile.GetColumnTitle(nColumn).IsEmpty() && profile.FormatColumn(nColumn, a).IsEmpty()) << nColumn;
        EXPECT_EQ(0, profile.GetColumnWidth(nColumn) + profile.ComparePatients(nColumn, &a, &b)) << nColumn;
    }
    for (int nColumn = 0; nColumn < nDefaultColumns; nColumn++)
        EXPECT_EQ(std::vector<int>({ -1, 1, 0 }), std::vector<int>({ Sign(profile.ComparePatients(nColumn, NULL, &a)),
            Sign(profile.ComparePatients(nColumn, &a, NULL)), profile.ComparePatients(nColumn, NULL, NULL) }));
}

TEST(PatientProfile, EachColumnOrdersByItsField)
{
    // One field given as its cell reads ("Last, First" for names), the others left empty.
    auto with = [](int nColumn, LPCWSTR lpszValue) {
        CPatient patient;
        CString str(lpszValue);
        int nComma = str.Find(L',');
        int y = 0, m = 0, d = 0;
        swscanf(lpszValue, L"%d-%d-%d", &y, &m, &d);
        switch (nColumn)
        {
        case 0: patient.SetLastName(str.Left(nComma)); patient.SetFirstName(str.Mid(nComma + 2)); break;
        case 1: patient.SetPatientId(str); break;
        case 2: patient.SetBirthDate(CPatientDate(y, m, d)); break;
        case 3: patient.SetSex(str == L"M" ? CPatient::sexMale : str == L"F" ? CPatient::sexFemale : CPatient::sexUnknown); break;
        case 4: patient.SetStudyDate(CPatientDate(y, m, d)); break;
        case 5: patient.SetModality(str); break;
        }
        return patient;
    };
    struct { int nColumn; LPCWSTR lpszA, lpszB; int nSign; } cases[] = {
        { 0, L"Smith, Anne", L"smith, anne", 0 },
        { 0, L"adams, Zoe", L"Baker, Al", -1 },         // by character code "Baker" would come first
        { 0, L"De, Zed", L"De Vries, Al", -1 },         // the last name whole, not the cell text
        { 1, L"PID9", L"PID10", -1 },                   // ids naturally: digit runs by value
        { 1, L"pid5", L"PID6", -1 },
        { 1, L"X99999999999999999999", L"X100000000000000000000", -1 },
        { 1, L"PID000123", L"PID123", -1 },             // equal by value or letters: still a fixed order
        { 1, L"pid7", L"PID7", 1 },
        { 2, L"1999-12-31", L"2000-01-01", -1 },
        { 2, L"", L"1900-01-01", -1 },                  // unknown first
        { 3, L"F", L"M", -1 },
        { 4, L"2019-12-31", L"2020-01-01", -1 },
        { 5, L"ct", L"CT", 0 },
    };
    CPatientProfile profile;
    for (const auto& c : cases)
    {
        CPatient a = with(c.nColumn, c.lpszA);
        CPatient b = with(c.nColumn, c.lpszB);
        EXPECT_EQ(c.nSign, Sign(profile.ComparePatients(c.nColumn, &a, &b))) << c.lpszA << " " << c.lpszB;
        EXPECT_EQ(-c.nSign, Sign(profile.ComparePatients(c.nColumn, &b, &a))) << c.lpszA << " " << c.lpszB;
    }
}

TEST(PatientProfile, ChosenColumnSetsAndInvalidListsThatLeaveTheProfileAsItWas)
{
    const int aFields[] = { CPatientProfile::fieldModality, CPatientProfile::fieldName };
    CPatientProfile chosen(aFields, 2);
    CPatient patient = SamplePatient();
    CPatient adams = MakePatient(L"9", L"Adams", L"Amy", CPatientDate());
    adams.SetModality(L"US");
    EXPECT_STREQ(L"Name", chosen.GetColumnTitle(1));
    EXPECT_STREQ(L"MR", chosen.FormatColumn(0, patient));
    EXPECT_GT(chosen.ComparePatients(0, &adams, &patient), 0) << "column 0 orders by modality";
    EXPECT_LT(chosen.ComparePatients(1, &adams, &patient), 0) << "column 1 orders by name";

    int aMany[CPatientProfile::maxColumns + 1] = {};
    const int aBadField[] = { CPatientProfile::fieldName, CPatientProfile::fieldCount };
    EXPECT_FALSE(chosen.SetColumns(aBadField, 2) || chosen.SetColumns(aMany, CPatientProfile::maxColumns + 1)
        || chosen.SetColumns(NULL, 2));
    EXPECT_EQ(2, chosen.GetColumnCount());
    CPatientProfile copy = chosen;
    ASSERT_TRUE(chosen.SetColumns(aMany, CPatientProfile::maxColumns));
    EXPECT_STREQ(L"Name", chosen.GetColumnTitle(CPatientProfile::maxColumns - 1));
    ASSERT_TRUE(chosen.SetColumns(NULL, 0));
    EXPECT_EQ(0, chosen.GetColumnCount());
    EXPECT_STREQ(L"Name", copy.GetColumnTitle(1)) << "a copy keeps its own columns";
}
