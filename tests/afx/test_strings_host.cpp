// CString as hosts use it: CString arguments straight into Format and AppendFormat, and
// collation in the C runtime's default locale.

#include <afx.h>
#include <gtest/gtest.h>

namespace
{
const UINT IDS_TEST_FORMAT = 30003;     // "%s has %d rows" in afx_tests.rc

int Sign(int n)
{
    return (n > 0) - (n < 0);
}
}

TEST(CStringHostTest, FormatTakesCStringArgumentsWithoutACast)
{
    CString strName(L"M\x00FCller");
    const CString strWard(L"Ward 3");
    CString str;
    str.Format(L"%s: %d (%s, %s)", strName, 42, strWard, strName.Left(2));
    EXPECT_STREQ(L"M\x00FCller: 42 (Ward 3, M\x00FC)", str);

    str.AppendFormat(L"; %s %c %hs", strWard.Mid(5), L'!', "ok");
    EXPECT_STREQ(L"M\x00FCller: 42 (Ward 3, M\x00FC); 3 ! ok", str);

    // The string being formatted may be its own argument.
    str.Format(L"%s/%s", str.Left(3), str);
    EXPECT_STREQ(L"M\x00FCl/M\x00FCller: 42 (Ward 3, M\x00FC); 3 ! ok", str);

    str.Format(IDS_TEST_FORMAT, strWard, 7);
    EXPECT_STREQ(L"Ward 3 has 7 rows", str);
    str.AppendFormat(IDS_TEST_FORMAT, CString(L"ICU"), 2);
    EXPECT_STREQ(L"Ward 3 has 7 rowsICU has 2 rows", str);
}

TEST(CStringHostTest, CollateFollowsTheRuntimesDefaultLocale)
{
    // Character-code order: hyphens count, capitals sort before small letters.
    struct { LPCWSTR lpsz1; LPCWSTR lpsz2; int nCollate; int nCollateNoCase; } cases[] = {
        { L"co-op", L"coop", -1, -1 },
        { L"Zeta", L"alpha", -1, 1 },
        { L"abc", L"ABC", 1, 0 },
        { L"x_1", L"XA1", 1, -1 },
        { L"", NULL, 0, 0 },
    };
    for (const auto& c : cases)
    {
        CString str(c.lpsz1);
        EXPECT_EQ(c.nCollate, Sign(str.Collate(c.lpsz2))) << "Collate " << str.GetString();
        EXPECT_EQ(c.nCollateNoCase, Sign(str.CollateNoCase(c.lpsz2))) << "CollateNoCase " << str.GetString();
    }
}
