// Sample patients: the same seed gives the same patients on every run and machine.
#include <duvazi.h>
#include <gtest/gtest.h>
#include <string>

namespace
{
std::wstring Describe(const CPatient& patient)
{
    CString str;
    str.Format(L"%s | %s | %s | %s | %s | %s", patient.GetPatientId().GetString(),
        patient.GetFullName(1).GetString(), patient.GetBirthDate().Format().GetString(),
        patient.GetSexCode().GetString(), patient.GetStudyDate().Format().GetString(),
        patient.GetModality().GetString());
    return str.GetString();
}
}

TEST(PatientGenerator, SequenceIsPinnedPerSeedAndRestartsOnReset)
{
    // Independent of the C runtime's rand, the locale and the platform.
    CPatientGenerator generator(42);
    EXPECT_EQ(L"PID000001 | Lee, Tom | 1998-01-13 | M | 2018-09-18 | MR", Describe(generator.Next()));
    EXPECT_EQ(L"PID000002 | Bianchi, Nancy | 2016-11-28 | F | 2024-01-14 | CT", Describe(generator.Next()));
    generator.Reset();
    EXPECT_EQ(L"PID000001 | Lee, Tom | 1998-01-13 | M | 2018-09-18 | MR", Describe(generator.Next()));

    CPatientArray first, other;
    CPatientGenerator(1234).Generate(300, first);
    CPatientGenerator(1235).Generate(300, other);
    ASSERT_EQ(300, first.GetSize());
    int nSameAsOther = 0;
    for (int i = 0; i < 300; i++)
        nSameAsOther += first[i].GetFullName(1) == other[i].GetFullName(1) && first[i].GetBirthDate() == other[i].GetBirthDate();
    EXPECT_LT(nSameAsOther, 10) << "another seed gives other patients";
}
