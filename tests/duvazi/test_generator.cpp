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

TEST(PatientGenerator, SameSeedSamePatientsOtherSeedOthers)
{
    CPatientArray first;
    CPatientArray second;
    CPatientArray other;
    CPatientGenerator(1234).Generate(500, first);
    CPatientGenerator(1234).Generate(500, second);
    CPatientGenerator(1235).Generate(500, other);
    ASSERT_EQ(500, second.GetSize());
    int nSameAsOther = 0;
    for (int i = 0; i < 500; i++)
    {
        ASSERT_EQ(Describe(first[i]), Describe(second[i])) << "patient " << i;
        if (first[i].GetFullName(1) == other[i].GetFullName(1) && first[i].GetBirthDate() == other[i].GetBirthDate())
            ++nSameAsOther;
    }
    EXPECT_LT(nSameAsOther, 10);

    CPatientGenerator generator(1234);
    generator.Next();
    generator.Reset();
    EXPECT_EQ(Describe(first[0]), Describe(generator.Next())) << "Reset starts the sequence again";
}

TEST(PatientGenerator, SequenceIsPinned)
{
    // The generator must not depend on the C runtime's rand, the locale or the platform.
    CPatientGenerator generator(42);
    EXPECT_EQ(L"PID000001 | Lee, Tom | 1998-01-13 | M | 2018-09-18 | MR", Describe(generator.Next()));
    EXPECT_EQ(L"PID000002 | Bianchi, Nancy | 2016-11-28 | F | 2024-01-14 | CT", Describe(generator.Next()));
}
