// CString: conversion and sharing, printf-style formatting (CString arguments without a cast
// included), buffers filled by Win32 calls, extraction with clamping, searching, case mapping and
// collation, editing, string resources and bad indices.

#include <afx.h>
#include <gtest/gtest.h>

namespace
{
// Ids of the string table in afx_tests.rc.
const UINT IDS_TEST_TITLE = 30001, IDS_TEST_MISSING = 30002, IDS_TEST_FORMAT = 30003, IDS_TEST_UMLAUTS = 30004, IDS_TEST_NEXT_BLOCK = 30017;

// One call's result beside the text expected of it.
struct StringCase { CString strActual; LPCWSTR lpszExpected; };

int Sign(int n) { return (n > 0) - (n < 0); }

template <size_t N>
void ExpectAll(const StringCase (&cases)[N])
{
    for (size_t i = 0; i < N; i++)
        EXPECT_STREQ(cases[i].lpszExpected, cases[i].strActual) << "case " << i;
}
}

TEST(CStringTest, ConvertsNarrowTextSharesCopiesUntilOneChangesAndLendsItsBuffer)
{
    EXPECT_STREQ(L"narrow", CString("narrow"));
    CString strEmbedded(L"a\0b", 3);
    EXPECT_EQ(3, strEmbedded.GetLength());
    EXPECT_TRUE(strEmbedded != CString(L"a\0c", 3));

    CString strOriginal(L"shared text");
    CString strCopy(strOriginal);
    EXPECT_EQ(strOriginal.GetString(), strCopy.GetString());
    strCopy.SetAt(0, L'S');
    CString strThird = strOriginal;
    strThird.GetBuffer()[0] = L'X';
    strThird.ReleaseBuffer();
    EXPECT_STREQ(L"shared text|Shared text|Xhared text", strOriginal + L"|" + strCopy + L"|" + strThird);

    CString strMoved(static_cast<CString&&>(strCopy));
    EXPECT_TRUE(strCopy.IsEmpty());
    strMoved = static_cast<CString&&>(strMoved);
    strMoved += strMoved;
    EXPECT_STREQ(L"Shared textShared text", strMoved);

    // Buffers filled by Win32 calls take the written length, or the one the caller gives.
    DWORD nWritten = ::GetModuleFileNameW(NULL, strMoved.GetBuffer(MAX_PATH), MAX_PATH);
    strMoved.ReleaseBuffer();
    EXPECT_EQ(static_cast<int>(nWritten), strMoved.GetLength());
    ::lstrcpyW(strMoved.GetBuffer(8), L"abcdef");
    strMoved.ReleaseBuffer(3);
    EXPECT_STREQ(L"abc", strMoved);

    // A buffer handed out by an empty string is its own, never the shared empty string.
    CString strEmpty;
    strEmpty.GetBuffer(0)[0] = L'x';
    EXPECT_STREQ(L"", CString());
    strEmpty.ReleaseBuffer(0);
}

TEST(CStringTest, FormatReadsWideStringsAndNumbersAsTheRuntimeDoes)
{
    CString str;
    str.Format(L"[%s|%5s|%-4d|%04x|%c|%hs|%.2f|%%|%I64d|%u]", L"M\x00FCller", L"ab", -7, 0xBEEF, L'Z', "narrow",
               2.5, static_cast<__int64>(-9000000000LL), 4000000000u);
    EXPECT_STREQ(L"[M\x00FCller|   ab|-7  |beef|Z|narrow|2.50|%|-9000000000|4000000000]", str);

    // Longer than any fixed first guess a formatter might use.
    str.Format(L"<%s>", CString(L'x', 5000).GetString());
    EXPECT_TRUE(str.GetLength() == 5002 && str[5001] == L'>');

    // CString arguments as hosts pass them, the string's own characters among them.
    str = L"self";
    str.Format(L"%s and %s", str, str.Left(2));
    str.AppendFormat(L" #%d %s", 3, CString(L"more"));
    EXPECT_STREQ(L"self and se #3 more", str);

    str.Format(IDS_TEST_FORMAT, CString(L"Table"), 12);
    str.AppendFormat(IDS_TEST_FORMAT, L"ICU", 2);
    EXPECT_STREQ(L"Table has 12 rowsICU has 2 rows", str);
}

TEST(CStringTest, ExtractionClampsAndFindHonoursTheStartIndex)
{
    const CString str(L"abcdef");
    const StringCase extracts[] = {
        { str.Mid(2, 3), L"cde" }, { str.Mid(4, 10), L"ef" }, { str.Mid(-3, 2), L"ab" }, { str.Mid(6, 1), L"" },
        { str.Mid(9, 1), L"" }, { str.Mid(1, -4), L"" }, { str.Mid(3, 0x7FFFFFFF), L"def" },
        { str.Mid(-1), L"abcdef" }, { str.Mid(7), L"" }, { str.Left(-1), L"" }, { str.Left(99), L"abcdef" },
        { str.Right(2), L"ef" }, { str.Right(-5), L"" }, { str.Right(99), L"abcdef" },
    };
    ExpectAll(extracts);

    const CString strText(L"one two one two");
    const struct { int nActual, nExpected; } finds[] = {
        { strText.Find(L"one", 1), 8 }, { strText.Find(L"one", 9), -1 }, { strText.Find(L't', 5), 12 },
        { strText.Find(L't', 15), -1 }, { strText.Find(L't', -1), -1 }, { strText.Find(L"three"), -1 },
        // An empty substring is found at the start index, the end included, as on Windows.
        { strText.Find(L"", 15), 15 }, { strText.Find(L"", 16), -1 },
        { strText.ReverseFind(L'o'), 14 }, { strText.FindOneOf(L"xe"), 2 }, { strText.FindOneOf(L"xyz"), -1 },
    };
    for (size_t i = 0; i < _countof(finds); i++)
        EXPECT_EQ(finds[i].nExpected, finds[i].nActual) << "case " << i;
}

TEST(CStringTest, CaseMappingCoversNonAsciiLettersAndCollationTheRuntimesDefaultLocale)
{
    CString str(L"M\x00FCLLER, J\x00D6RG \x00C4rzteHaus 42");
    EXPECT_STREQ(L"m\x00FCller, j\x00F6rg \x00E4rztehaus 42", str.MakeLower());
    EXPECT_STREQ(L"M\x00DCLLER, J\x00D6RG \x00C4RZTEHAUS 42", str.MakeUpper());

    // Folding to lower case puts '_' before letters, as the runtime's case-insensitive compare
    // does; collation is in character-code order: hyphens count, capitals before small letters.
    const struct { LPCWSTR lpsz1, lpsz2; int nCompareNoCase, nCollate, nCollateNoCase; } cases[] = {
        { L"_x", L"Ax", -1, 1, -1 }, { L"co-op", L"coop", -1, -1, -1 }, { L"Zeta", L"alpha", 1, -1, 1 },
        { L"abc", L"ABC", 0, 1, 0 }, { L"", NULL, 0, 0, 0 },
    };
    for (const auto& c : cases)
    {
        const CString str1(c.lpsz1);
        EXPECT_EQ(c.nCompareNoCase, Sign(str1.CompareNoCase(c.lpsz2 ? c.lpsz2 : L""))) << c.lpsz1;
        EXPECT_EQ(c.nCollate, Sign(str1.Collate(c.lpsz2))) << c.lpsz1;
        EXPECT_EQ(c.nCollateNoCase, Sign(str1.CollateNoCase(c.lpsz2))) << c.lpsz1;
    }
}

TEST(CStringTest, EditingKeepsIndicesInRange)
{
    const StringCase trims[] = {
        { CString(L"  \t padded \r\n").Trim(), L"padded" }, { CString(L"   ").Trim(), L"" },
        { CString(L"xxabcxx").TrimRight(L'x'), L"xxabc" }, { CString(L"-=abc=-").Trim(L"=-"), L"abc" },
    };
    ExpectAll(trims);

    CString str(L"a.b.c");
    EXPECT_EQ(2, str.Replace(L".", L" :: "));
    EXPECT_EQ(2, str.Replace(L" :: ", L""));
    EXPECT_STREQ(L"abc", str);
    EXPECT_EQ(2, CString(L"aaaa").Replace(L"aa", L"b"));
    EXPECT_EQ(2, str.Remove(L'b') + str.Remove(L'c'));

    EXPECT_EQ(2, str.Insert(99, L'!'));
    EXPECT_EQ(4, str.Insert(-5, L">>"));
    // The inserted text may be this string's own characters.
    EXPECT_EQ(6, str.Insert(1, str.GetString() + 2));
    EXPECT_STREQ(L">a!>a!", str);
    EXPECT_EQ(4, str.Delete(1, 2));
    EXPECT_EQ(1, str.Delete(1, 99));
    EXPECT_STREQ(L">", str);
}

TEST(CStringTest, LoadsStringsThroughTheResourceChainAndRejectsBadIndices)
{
    CString str(L"unchanged");
    EXPECT_FALSE(str.LoadString(IDS_TEST_MISSING));
    EXPECT_STREQ(L"unchanged", str);

    ASSERT_TRUE(str.LoadString(IDS_TEST_NEXT_BLOCK));
    EXPECT_STREQ(L"Next block", str);
    EXPECT_STREQ(L"Patient list", CString(MAKEINTRESOURCE(IDS_TEST_TITLE)));
    EXPECT_STREQ(L"Gr\x00F6\x00DF" L"e \x00C4\x00D6\x00DC", CString(MAKEINTRESOURCE(IDS_TEST_UMLAUTS)));

    // Bad indices throw the pre-allocated invalid-argument exception: undeleted, it leaks nothing.
    str = L"abc";
    EXPECT_THROW(str.GetAt(-1), CInvalidArgException*);
    EXPECT_THROW(str.GetAt(4), CInvalidArgException*);
    EXPECT_EQ(0, str.GetAt(3));
    EXPECT_THROW(str.SetAt(3, L'x'), CInvalidArgException*);
    EXPECT_THROW(str.Truncate(4), CInvalidArgException*);
    EXPECT_THROW(str.ReleaseBufferSetLength(str.GetAllocLength() + 1), CInvalidArgException*);
    EXPECT_STREQ(L"abc", str);
}
