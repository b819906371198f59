// CString as hosts use it: CString arguments straight into Format and AppendFormat.

#include <afx.h>
#include <gtest/gtest.h>

namespace
{
const UINT IDS_TEST_FORMAT = 30003;     // "%s has %d rows" in afx_tests.rc
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
