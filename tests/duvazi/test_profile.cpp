// Patient profile: columns, cell texts and orderings as a patient list uses them.
#include <duvazi.h>
#include <gtest/gtest.h>
#include <algorithm>
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

TEST(PatientProfile, DefaultColumns)
{
    CPatientProfile profile;
    ASSERT_EQ(nDefaultColumns, profile.GetColumnCount());
    LPCTSTR aTitles[nDefaultColumns] = { L"Name", L"Patient ID", L"Birth Date", L"Sex", L"Study Date", L"Modality" };
    for (int i = 0; i < nDefaultColumns; i++)
    {
        EXPECT_STREQ(aTitles[i], profile.GetColumnTitle(i));
        EXPECT_GT(profile.GetColumnWidth(i), 0) << "column " << i;
        EXPECT_EQ(i, profile.GetColumnField(i));
    }
    EXPECT_GT(profile.GetColumnWidth(0), profile.GetColumnWidth(3)) << "a name needs more room than a sex code";
}

TEST(PatientProfile, FormatsEveryColumn)
{
    CPatientProfile profile;
    CPatient patient = SamplePatient();
    EXPECT_STREQ(L"West-Annex, Anna M.", profile.FormatColumn(0, patient));
    EXPECT_STREQ(patient.GetFullName(1), profile.FormatColumn(0, patient));
    EXPECT_STREQ(L"PID000123", profile.FormatColumn(1, patient));
    EXPECT_STREQ(L"1970-03-21", profile.FormatColumn(2, patient));
    EXPECT_STREQ(L"F", profile.FormatColumn(3, patient));
    EXPECT_STREQ(L"2024-11-05", profile.FormatColumn(4, patient));
    EXPECT_STREQ(L"MR", profile.FormatColumn(5, patient));

    CPatient empty;
    for (int i = 0; i < nDefaultColumns; i++)
        EXPECT_STREQ(L"", profile.FormatColumn(i, empty)) << "column " << i;
}

TEST(PatientProfile, ColumnsOutsideTheProfile)
{
    CPatientProfile profile;
    CPatient a = SamplePatient();
    CPatient b = MakePatient(L"PID1", L"Adams", L"Amy", CPatientDate(1990, 1, 1));
    for (int nColumn : { -1, nDefaultColumns, 100, INT_MIN, INT_MAX })
    {
        EXPECT_STREQ(L"", profile.GetColumnTitle(nColumn)) << nColumn;
        EXPECT_EQ(0, profile.GetColumnWidth(nColumn)) << nColumn;
        EXPECT_STREQ(L"", profile.FormatColumn(nColumn, a)) << nColumn;
        EXPECT_EQ(0, profile.ComparePatients(nColumn, &a, &b)) << nColumn;
        EXPECT_EQ(-1, profile.GetColumnField(nColumn)) << nColumn;
    }
}

TEST(PatientProfile, NamesCompareIgnoringCase)
{
    CPatientProfile profile;
    CPatient upper = MakePatient(L"1", L"Smith", L"Anne", CPatientDate());
    CPatient lower = MakePatient(L"2", L"smith", L"anne", CPatientDate());
    CPatient adams = MakePatient(L"3", L"adams", L"Zoe", CPatientDate());
    CPatient baker = MakePatient(L"4", L"Baker", L"Al", CPatientDate());
    CPatient smithBob = MakePatient(L"5", L"Smith", L"Bob", CPatientDate());
    CPatient de = MakePatient(L"6", L"De", L"Zed", CPatientDate());
    CPatient deVries = MakePatient(L"7", L"De Vries", L"Al", CPatientDate());

    EXPECT_EQ(0, profile.ComparePatients(0, &upper, &lower));
    // By character code "Baker" would come before "adams".
    EXPECT_LT(profile.ComparePatients(0, &adams, &baker), 0);
    EXPECT_GT(profile.ComparePatients(0, &baker, &adams), 0);
    // Same last name: the first name decides.
    EXPECT_LT(profile.ComparePatients(0, &upper, &smithBob), 0);
    // The last name is compared whole: every "De" before any "De Vries", although the cell
    // text "De Vries, Al" would come before "De, Zed" (space before comma).
    EXPECT_LT(profile.ComparePatients(0, &de, &deVries), 0);
}

TEST(PatientProfile, DatesCompareAsDates)
{
    CPatientProfile profile;
    CPatient a = MakePatient(L"1", L"A", L"A", CPatientDate(1999, 12, 31));
    CPatient b = MakePatient(L"2", L"B", L"B", CPatientDate(2000, 1, 1));
    CPatient c = MakePatient(L"3", L"C", L"C", CPatientDate(1970, 3, 21));
    CPatient d = MakePatient(L"4", L"D", L"D", CPatientDate(1970, 12, 1));
    CPatient unknown = MakePatient(L"5", L"E", L"E", CPatientDate());
    EXPECT_LT(profile.ComparePatients(2, &a, &b), 0);
    EXPECT_LT(profile.ComparePatients(2, &c, &d), 0) << "March before December";
    EXPECT_GT(profile.ComparePatients(2, &b, &c), 0);
    EXPECT_LT(profile.ComparePatients(2, &unknown, &c), 0) << "an unknown date comes first";
    EXPECT_EQ(0, profile.ComparePatients(2, &unknown, &unknown));

    a.SetStudyDate(CPatientDate(2019, 12, 31));
    b.SetStudyDate(CPatientDate(2020, 1, 1));
    EXPECT_LT(profile.ComparePatients(4, &a, &b), 0);
    EXPECT_GT(profile.ComparePatients(4, &b, &a), 0);
}

TEST(PatientProfile, IdsCompareNaturally)
{
    EXPECT_LT(CPatientProfile::CompareNatural(L"PID9", L"PID10"), 0);
    EXPECT_GT(CPatientProfile::CompareNatural(L"PID100", L"PID99"), 0);
    EXPECT_LT(CPatientProfile::CompareNatural(L"A2B9", L"A2B10"), 0);
    EXPECT_LT(CPatientProfile::CompareNatural(L"pid5", L"PID6"), 0) << "letters ignore case";
    EXPECT_LT(CPatientProfile::CompareNatural(L"PID", L"PID1"), 0);
    EXPECT_LT(CPatientProfile::CompareNatural(L"", L"0"), 0);
    EXPECT_LT(CPatientProfile::CompareNatural(L"X99999999999999999999", L"X100000000000000000000"), 0)
        << "digit runs longer than any integer still compare by value";
    EXPECT_EQ(0, CPatientProfile::CompareNatural(L"PID000123", L"PID000123"));
    EXPECT_EQ(0, CPatientProfile::CompareNatural(NULL, L""));

    // Equal by value or case alone: still a fixed order, and the reverse question gets the
    // reverse answer.
    int nZeros = CPatientProfile::CompareNatural(L"PID000123", L"PID123");
    EXPECT_NE(0, nZeros);
    EXPECT_EQ(-nZeros, CPatientProfile::CompareNatural(L"PID123", L"PID000123"));
    int nCase = CPatientProfile::CompareNatural(L"pid7", L"PID7");
    EXPECT_NE(0, nCase);
    EXPECT_EQ(-nCase, CPatientProfile::CompareNatural(L"PID7", L"pid7"));

    CPatientProfile profile;
    CPatient nine = MakePatient(L"PID9", L"A", L"A", CPatientDate());
    CPatient ten = MakePatient(L"PID10", L"A", L"A", CPatientDate());
    EXPECT_LT(profile.ComparePatients(1, &nine, &ten), 0);
}

TEST(PatientProfile, SexAndModalityOrders)
{
    CPatientProfile profile;
    CPatient female = MakePatient(L"1", L"A", L"A", CPatientDate());
    female.SetSex(CPatient::sexFemale);
    female.SetModality(L"ct");
    CPatient male = MakePatient(L"2", L"B", L"B", CPatientDate());
    male.SetSex(CPatient::sexMale);
    male.SetModality(L"CT");
    CPatient unknown = MakePatient(L"3", L"C", L"C", CPatientDate());
    unknown.SetModality(L"MR");
    EXPECT_LT(profile.ComparePatients(3, &female, &male), 0);
    EXPECT_LT(profile.ComparePatients(3, &unknown, &female), 0);
    EXPECT_EQ(0, profile.ComparePatients(5, &female, &male));
    EXPECT_LT(profile.ComparePatients(5, &male, &unknown), 0);
}

TEST(PatientProfile, NullPatientsComeFirst)
{
    CPatientProfile profile;
    CPatient patient = SamplePatient();
    for (int nColumn = 0; nColumn < nDefaultColumns; nColumn++)
    {
        EXPECT_LT(profile.ComparePatients(nColumn, NULL, &patient), 0);
        EXPECT_GT(profile.ComparePatients(nColumn, &patient, NULL), 0);
        EXPECT_EQ(0, profile.ComparePatients(nColumn, NULL, NULL));
    }
}

TEST(PatientProfile, EveryColumnIsAConsistentOrder)
{
    // Sorting with a comparison that is not a strict weak order misplaces rows; check the
    // properties on generated patients, which share names, dates and modalities.
    CPatientGenerator generator(7);
    CPatientArray patients;
    generator.Generate(400, patients);
    patients.Add(CPatient());
    CPatientProfile profile;
    for (int nColumn = 0; nColumn < profile.GetColumnCount(); nColumn++)
    {
        for (INT_PTR i = 0; i < patients.GetSize(); i += 7)
        {
            EXPECT_EQ(0, profile.ComparePatients(nColumn, &patients[i], &patients[i]));
            for (INT_PTR j = 0; j < patients.GetSize(); j += 13)
            {
                ASSERT_EQ(Sign(profile.ComparePatients(nColumn, &patients[i], &patients[j])),
                          -Sign(profile.ComparePatients(nColumn, &patients[j], &patients[i])))
                    << "column " << nColumn << " rows " << i << ", " << j;
            }
        }

        std::vector<const CPatient*> sorted;
        for (INT_PTR i = 0; i < patients.GetSize(); i++)
            sorted.push_back(&patients[i]);
        auto less = [&](const CPatient* p1, const CPatient* p2) { return profile.ComparePatients(nColumn, p1, p2) < 0; };
        std::stable_sort(sorted.begin(), sorted.end(), less);
        for (size_t k = 1; k < sorted.size(); k++)
            ASSERT_LE(profile.ComparePatients(nColumn, sorted[k - 1], sorted[k]), 0) << "column " << nColumn;
        // Transitivity: whatever precedes an element orders no later than everything after it.
        for (size_t k = 0; k + 10 < sorted.size(); k += 10)
            ASSERT_LE(profile.ComparePatients(nColumn, sorted[k], sorted[k + 10]), 0) << "column " << nColumn;
    }
}

TEST(PatientProfile, ChosenColumnsSubsetAndOrder)
{
    const int aFields[] = { CPatientProfile::fieldModality, CPatientProfile::fieldName };
    CPatientProfile profile(aFields, 2);
    ASSERT_EQ(2, profile.GetColumnCount());
    EXPECT_STREQ(L"Modality", profile.GetColumnTitle(0));
    EXPECT_STREQ(L"Name", profile.GetColumnTitle(1));
    CPatient patient = SamplePatient();
    EXPECT_STREQ(L"MR", profile.FormatColumn(0, patient));
    EXPECT_STREQ(L"West-Annex, Anna M.", profile.FormatColumn(1, patient));
    EXPECT_STREQ(L"", profile.FormatColumn(2, patient));

    CPatient adams = MakePatient(L"9", L"Adams", L"Amy", CPatientDate());
    adams.SetModality(L"US");
    EXPECT_LT(profile.ComparePatients(1, &adams, &patient), 0) << "column 1 orders by name";
    EXPECT_GT(profile.ComparePatients(0, &adams, &patient), 0) << "column 0 orders by modality";
}

TEST(PatientProfile, MoreOrFewerColumnsThanAListHeader)
{
    // A list with a six-column header may get a profile of sixteen columns or of one.
    int aMany[CPatientProfile::maxColumns];
    for (int i = 0; i < CPatientProfile::maxColumns; i++)
        aMany[i] = i % CPatientProfile::fieldCount;
    CPatientProfile many;
    ASSERT_TRUE(many.SetColumns(aMany, CPatientProfile::maxColumns));
    EXPECT_EQ(CPatientProfile::maxColumns, many.GetColumnCount());
    EXPECT_STREQ(L"Name", many.GetColumnTitle(6));
    EXPECT_STREQ(L"Modality", many.GetColumnTitle(CPatientProfile::maxColumns - 5));

    const int aOne[] = { CPatientProfile::fieldPatientId };
    CPatientProfile one;
    ASSERT_TRUE(one.SetColumns(aOne, 1));
    EXPECT_EQ(1, one.GetColumnCount());
    EXPECT_STREQ(L"Patient ID", one.GetColumnTitle(0));

    CPatientProfile none;
    ASSERT_TRUE(none.SetColumns(NULL, 0));
    EXPECT_EQ(0, none.GetColumnCount());
    EXPECT_STREQ(L"", none.FormatColumn(0, SamplePatient()));
}

TEST(PatientProfile, InvalidColumnListsAreRefused)
{
    CPatientProfile profile;
    const int aBadField[] = { CPatientProfile::fieldName, CPatientProfile::fieldCount };
    EXPECT_FALSE(profile.SetColumns(aBadField, 2));
    const int aNegative[] = { -1 };
    EXPECT_FALSE(profile.SetColumns(aNegative, 1));
    int aTooMany[CPatientProfile::maxColumns + 1] = {};
    EXPECT_FALSE(profile.SetColumns(aTooMany, CPatientProfile::maxColumns + 1));
    EXPECT_FALSE(profile.SetColumns(aNegative, -1));
    EXPECT_FALSE(profile.SetColumns(NULL, 2));
    EXPECT_EQ(nDefaultColumns, profile.GetColumnCount()) << "a refused list leaves the profile as it was";
    EXPECT_STREQ(L"Name", profile.GetColumnTitle(0));

    CPatientProfile fromBadList(aBadField, 2);
    EXPECT_EQ(nDefaultColumns, fromBadList.GetColumnCount());
}

TEST(PatientProfile, WidthsAndCopies)
{
    CPatientProfile profile;
    EXPECT_TRUE(profile.SetColumnWidth(1, 123));
    EXPECT_FALSE(profile.SetColumnWidth(1, -5));
    EXPECT_FALSE(profile.SetColumnWidth(nDefaultColumns, 50));
    EXPECT_EQ(123, profile.GetColumnWidth(1));

    CPatientProfile copy(profile);
    CPatientProfile assigned;
    const int aOne[] = { CPatientProfile::fieldSex };
    assigned.SetColumns(aOne, 1);
    assigned = profile;
    EXPECT_EQ(123, copy.GetColumnWidth(1));
    EXPECT_EQ(nDefaultColumns, assigned.GetColumnCount());
    EXPECT_EQ(123, assigned.GetColumnWidth(1));

    profile.SetColumns(aOne, 1);
    EXPECT_EQ(nDefaultColumns, copy.GetColumnCount()) << "copies keep their own columns";
    EXPECT_EQ(CPatientProfile::GetFieldDefaultWidth(CPatientProfile::fieldSex), profile.GetColumnWidth(0))
        << "new columns start at their field's width";
}
