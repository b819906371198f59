// CString: construction and sharing, printf-style formatting, buffers filled by Win32 calls,
// extraction with clamping, searching, case mapping, editing, comparison and string resources.

#include <afx.h>
#include <gtest/gtest.h>

namespace
{
// Ids of tests/afx/test_string.rc.
const UINT IDS_TEST_TITLE = 30001;
const UINT IDS_TEST_MISSING = 30002;
const UINT IDS_TEST_FORMAT = 30003;
const UINT IDS_TEST_UMLAUTS = 30004;
const UINT IDS_TEST_NEXT_BLOCK = 30017;

// Runs f and reports whether it threw the framework's invalid-argument exception.
template<class F>
bool ThrowsInvalidArg(F f)
{
    try
    {
        f();
    }
    catch (CInvalidArgException* e)
    {
        e->Delete();
        return true;
    }
    return false;
}
}

TEST(CStringTest, ConstructsFromEveryKindOfSource)
{
    EXPECT_STREQ(L"", CString().GetString());
    EXPECT_STREQ(L"wide", CString(L"wide").GetString());
    EXPECT_STREQ(L"narrow", CString("narrow").GetString());
    EXPECT_STREQ(L"xxxx", CString(L'x', 4).GetString());
    EXPECT_STREQ(L"", CString(L'x', 0).GetString());
    EXPECT_STREQ(L"abc", CString(L"abcdef", 3).GetString());
    EXPECT_STREQ(L"", CString(static_cast<LPCWSTR>(NULL)).GetString());

    CString strEmbedded(L"a\0b", 3);
    EXPECT_EQ(3, strEmbedded.GetLength());
    EXPECT_EQ(L'b', strEmbedded[2]);

    if (::GetACP() == 1252)
    {
        EXPECT_STREQ(L"Gr\x00F6\x00DF" L"e", CString("Gr\xF6\xDF" "e").GetString());
    }

    CString strAssigned;
    strAssigned = "ansi";
    EXPECT_STREQ(L"ansi", strAssigned.GetString());
    strAssigned = L'c';
    EXPECT_STREQ(L"c", strAssigned.GetString());
}

TEST(CStringTest, CopiesShareUntilOneChanges)
{
    CString strOriginal(L"shared text");
    CString strCopy(strOriginal);
    EXPECT_EQ(strOriginal.GetString(), strCopy.GetString());

    strCopy.SetAt(0, L'S');
    EXPECT_STREQ(L"shared text", strOriginal.GetString());
    EXPECT_STREQ(L"Shared text", strCopy.GetString());

    CString strThird = strOriginal;
    LPWSTR pszBuffer = strThird.GetBuffer();
    pszBuffer[0] = L'X';
    strThird.ReleaseBuffer();
    EXPECT_STREQ(L"shared text", strOriginal.GetString());
    EXPECT_STREQ(L"Xhared text", strThird.GetString());

    CString strMoved(static_cast<CString&&>(strCopy));
    EXPECT_STREQ(L"Shared text", strMoved.GetString());
    EXPECT_TRUE(strCopy.IsEmpty());
    strMoved = static_cast<CString&&>(strMoved);
    EXPECT_STREQ(L"Shared text", strMoved.GetString());
    strOriginal = strOriginal;
    EXPECT_STREQ(L"shared text", strOriginal.GetString());
}

TEST(CStringTest, FormatReadsWideStringsAndNumbersAsTheRuntimeDoes)
{
    CString str;
    const wchar_t* pszName = L"M\x00FCller";
    str.Format(L"%s", pszName);
    EXPECT_STREQ(L"M\x00FCller", str.GetString());

    str.Format(L"%d,%d", -12, 345);
    EXPECT_STREQ(L"-12,345", str.GetString());

    str.Format(L"[%5s|%-4d|%04x|%c|%hs|%.2f|%%]", L"ab", 7, 0xBEEF, L'Z', "narrow", 2.5);
    EXPECT_STREQ(L"[   ab|7   |beef|Z|narrow|2.50|%]", str.GetString());

    str.Format(L"%I64d %u", static_cast<__int64>(-9000000000LL), 4000000000u);
    EXPECT_STREQ(L"-9000000000 4000000000", str.GetString());

    // Longer than any fixed first guess a formatter might use.
    CString strLong(L'x', 5000);
    str.Format(L"<%s>", strLong.GetString());
    ASSERT_EQ(5002, str.GetLength());
    EXPECT_EQ(L'<', str[0]);
    EXPECT_EQ(L'>', str[5001]);

    // The string's own characters as an argument.
    str = L"self";
    str.Format(L"%s and %s", str.GetString(), str.GetString());
    EXPECT_STREQ(L"self and self", str.GetString());

    str.AppendFormat(L" #%d", 3);
    EXPECT_STREQ(L"self and self #3", str.GetString());

    str.Format(IDS_TEST_FORMAT, L"Table", 12);
    EXPECT_STREQ(L"Table has 12 rows", str.GetString());
}

TEST(CStringTest, BufferFilledByWin32CallsTakesTheWrittenLength)
{
    CString strPath;
    DWORD nWritten = ::GetModuleFileNameW(NULL, strPath.GetBuffer(MAX_PATH), MAX_PATH);
    strPath.ReleaseBuffer();
    ASSERT_GT(nWritten, 0u);
    EXPECT_EQ(static_cast<int>(nWritten), strPath.GetLength());
    EXPECT_EQ(0, strPath.Right(4).CompareNoCase(L".exe"));

    ASSERT_TRUE(::SetEnvironmentVariableW(L"AFX_STRING_TEST", L"value from the environment"));
    CString strValue;
    DWORD nLength = ::GetEnvironmentVariableW(L"AFX_STRING_TEST", NULL, 0);
    ASSERT_GT(nLength, 1u);
    // The variable's length includes the terminator; the explicit release length excludes it.
    ::GetEnvironmentVariableW(L"AFX_STRING_TEST", strValue.GetBuffer(nLength), nLength);
    strValue.ReleaseBuffer(nLength - 1);
    EXPECT_STREQ(L"value from the environment", strValue.GetString());
    ::SetEnvironmentVariableW(L"AFX_STRING_TEST", NULL);

    CString strFixed(L"abc");
    LPWSTR psz = strFixed.GetBufferSetLength(5);
    EXPECT_EQ(5, strFixed.GetLength());
    psz[3] = L'd';
    psz[4] = L'e';
    strFixed.ReleaseBuffer();
    EXPECT_STREQ(L"abcde", strFixed.GetString());

    // A buffer handed out by an empty string is writable and never the shared empty string.
    CString strEmpty;
    LPWSTR pszEmpty = strEmpty.GetBuffer(0);
    pszEmpty[0] = 0;
    strEmpty.ReleaseBuffer();
    EXPECT_STREQ(L"", CString().GetString());
}

TEST(CStringTest, ExtractionClampsLikeTheFramework)
{
    const CString str(L"abcdef");
    struct
    {
        int nFirst;
        int nCount;
        LPCWSTR lpszExpected;
    } const cases[] = {
        { 2, 3, L"cde" }, { 4, 10, L"ef" }, { -3, 2, L"ab" }, { 6, 1, L"" },
        { 9, 1, L"" }, { 1, -4, L"" }, { 0, 0x7FFFFFFF, L"abcdef" }, { 3, 0x7FFFFFFF, L"def" },
    };
    for (const auto& c : cases)
        EXPECT_STREQ(c.lpszExpected, str.Mid(c.nFirst, c.nCount).GetString()) << c.nFirst << "," << c.nCount;

    EXPECT_STREQ(L"cdef", str.Mid(2).GetString());
    EXPECT_STREQ(L"abcdef", str.Mid(-1).GetString());
    EXPECT_STREQ(L"", str.Mid(7).GetString());
    EXPECT_STREQ(L"ab", str.Left(2).GetString());
    EXPECT_STREQ(L"", str.Left(-1).GetString());
    EXPECT_STREQ(L"abcdef", str.Left(99).GetString());
    EXPECT_STREQ(L"ef", str.Right(2).GetString());
    EXPECT_STREQ(L"", str.Right(-5).GetString());
    EXPECT_STREQ(L"abcdef", str.Right(99).GetString());
    EXPECT_STREQ(L"123", CString(L"123abc").SpanIncluding(L"0123456789").GetString());
    EXPECT_STREQ(L"name", CString(L"name=value").SpanExcluding(L"=;").GetString());
}

TEST(CStringTest, FindHonoursTheStartIndex)
{
    const CString str(L"one two one two");
    EXPECT_EQ(0, str.Find(L"one"));
    EXPECT_EQ(8, str.Find(L"one", 1));
    EXPECT_EQ(-1, str.Find(L"one", 9));
    EXPECT_EQ(4, str.Find(L't'));
    EXPECT_EQ(12, str.Find(L't', 5));
    EXPECT_EQ(-1, str.Find(L't', 15));
    EXPECT_EQ(-1, str.Find(L't', -1));
    EXPECT_EQ(15, str.Find(L"", 15));
    EXPECT_EQ(-1, str.Find(L"", 16));
    EXPECT_EQ(-1, str.Find(L"three"));
    EXPECT_EQ(14, str.ReverseFind(L'o'));
    EXPECT_EQ(-1, str.ReverseFind(L'z'));
    EXPECT_EQ(2, str.FindOneOf(L"xe"));
    EXPECT_EQ(-1, str.FindOneOf(L"xyz"));
}

TEST(CStringTest, CaseMappingCoversNonAsciiLetters)
{
    CString str(L"M\x00FCLLER, J\x00D6RG \x00C4rzteHaus 42");
    str.MakeLower();
    EXPECT_STREQ(L"m\x00FCller, j\x00F6rg \x00E4rztehaus 42", str.GetString());
    str.MakeUpper();
    EXPECT_STREQ(L"M\x00DCLLER, J\x00D6RG \x00C4RZTEHAUS 42", str.GetString());
    EXPECT_STREQ(L"cba", CString(L"abc").MakeReverse().GetString());

    EXPECT_EQ(0, CString(L"M\x00DCller").CompareNoCase(L"m\x00FCLLER"));
    EXPECT_LT(CString(L"apple").CompareNoCase(L"BANANA"), 0);
    EXPECT_GT(CString(L"Zebra").CompareNoCase(L"apple"), 0);
    // Folding to lower case puts '_' before letters, as the runtime's case-insensitive compare does.
    EXPECT_LT(CString(L"_x").CompareNoCase(L"Ax"), 0);
}

TEST(CStringTest, EditingOperations)
{
    CString str(L"  \t padded \r\n");
    EXPECT_STREQ(L"padded", str.Trim().GetString());
    EXPECT_STREQ(L"padded \n", CString(L"\t padded \n").TrimLeft().GetString());
    EXPECT_STREQ(L"xxabc", CString(L"xxabcxx").TrimRight(L'x').GetString());
    EXPECT_STREQ(L"abc", CString(L"-=abc=-").Trim(L"=-").GetString());
    EXPECT_STREQ(L"", CString(L"   ").Trim().GetString());

    CString strReplace(L"a.b.c");
    EXPECT_EQ(2, strReplace.Replace(L'.', L'/'));
    EXPECT_STREQ(L"a/b/c", strReplace.GetString());
    EXPECT_EQ(2, strReplace.Replace(L"/", L" :: "));
    EXPECT_STREQ(L"a :: b :: c", strReplace.GetString());
    EXPECT_EQ(2, strReplace.Replace(L" :: ", L""));
    EXPECT_STREQ(L"abc", strReplace.GetString());
    EXPECT_EQ(0, strReplace.Replace(L"zz", L"y"));
    EXPECT_EQ(0, strReplace.Replace(L"", L"y"));
    EXPECT_EQ(2, CString(L"aaaa").Replace(L"aa", L"b"));

    CString strRemove(L"b-a-n-a-n-a");
    EXPECT_EQ(5, strRemove.Remove(L'-'));
    EXPECT_STREQ(L"banana", strRemove.GetString());

    CString strInsert(L"ace");
    EXPECT_EQ(4, strInsert.Insert(1, L'b'));
    EXPECT_EQ(5, strInsert.Insert(99, L"!"));
    EXPECT_EQ(7, strInsert.Insert(-5, L">>"));
    EXPECT_STREQ(L">>abce!", strInsert.GetString());
    // The inserted text may be this string's own characters.
    EXPECT_EQ(10, strInsert.Insert(2, strInsert.GetString() + 4));
    EXPECT_STREQ(L">>ce!abce!", strInsert.GetString());

    CString strDelete(L"abcdef");
    EXPECT_EQ(4, strDelete.Delete(1, 2));
    EXPECT_STREQ(L"adef", strDelete.GetString());
    EXPECT_EQ(2, strDelete.Delete(2, 99));
    EXPECT_EQ(2, strDelete.Delete(5));
    EXPECT_STREQ(L"ad", strDelete.GetString());
}

TEST(CStringTest, TokenizeWalksAllTokensAndEnds)
{
    const CString str(L";alpha;;beta gamma;");
    CString strJoined;
    int nTokens = 0;
    int iPos = 0;
    for (CString strToken = str.Tokenize(L"; ", iPos); iPos != -1; strToken = str.Tokenize(L"; ", iPos))
    {
        strJoined += L"[" + strToken + L"]";
        ASSERT_LT(++nTokens, 10);
    }
    EXPECT_STREQ(L"[alpha][beta][gamma]", strJoined.GetString());

    iPos = 2;
    EXPECT_STREQ(L"lpha;;beta gamma;", str.Tokenize(L"", iPos).GetString());
    EXPECT_STREQ(L"", str.Tokenize(L"", iPos).GetString());
    EXPECT_EQ(-1, iPos);
}

TEST(CStringTest, ConcatenationAndComparisonOperators)
{
    CString str(L"ab");
    EXPECT_STREQ(L"abcd", (str + CString(L"cd")).GetString());
    EXPECT_STREQ(L"abcd", (str + L"cd").GetString());
    EXPECT_STREQ(L"cdab", (L"cd" + str).GetString());
    EXPECT_STREQ(L"abc", (str + L'c').GetString());
    EXPECT_STREQ(L"cab", (L'c' + str).GetString());
    EXPECT_STREQ(L"abcd", (str + "cd").GetString());
    EXPECT_STREQ(L"cdab", ("cd" + str).GetString());
    EXPECT_STREQ(L"ab-ab", (CString(str) + L"-" + str).GetString());
    str += L"c";
    str += L'd';
    str += "e";
    str += CString(L"f");
    str += str;
    EXPECT_STREQ(L"abcdefabcdef", str.GetString());

    const CString strB(L"b");
    EXPECT_TRUE(strB == L"b" && L"b" == strB && strB == CString(L"b") && strB == L'b');
    EXPECT_TRUE(strB != L"a" && L"a" != strB && strB != CString(L"bb") && strB != L'a');
    EXPECT_TRUE(strB > L"a" && L"c" > strB && strB < L"c" && L"a" < strB);
    EXPECT_TRUE(strB >= L"b" && L"b" >= strB && strB <= L"b" && L"b" <= strB);
    EXPECT_TRUE(CString(L"a") < strB && !(strB < CString(L"a")));
    // Case-sensitive, by character code.
    EXPECT_TRUE(CString(L"B") < CString(L"a"));
    EXPECT_TRUE(CString(L"a\0x", 3) != CString(L"a\0y", 3));
    EXPECT_EQ(0, strB.Collate(L"b"));
    EXPECT_LT(CString(L"apple").Collate(L"banana"), 0);
    EXPECT_EQ(0, CString(L"ABC").CollateNoCase(L"abc"));
}

TEST(CStringTest, LoadsStringsThroughTheResourceChain)
{
    CString str(L"unchanged");
    EXPECT_FALSE(str.LoadString(IDS_TEST_MISSING));
    EXPECT_STREQ(L"unchanged", str.GetString());

    ASSERT_TRUE(str.LoadString(IDS_TEST_TITLE));
    EXPECT_STREQ(L"Patient list", str.GetString());
    ASSERT_TRUE(str.LoadString(IDS_TEST_NEXT_BLOCK));
    EXPECT_STREQ(L"Next block", str.GetString());
    ASSERT_TRUE(str.LoadString(IDS_TEST_UMLAUTS));
    EXPECT_STREQ(L"Gr\x00F6\x00DF" L"e \x00C4\x00D6\x00DC", str.GetString());

    CString strFromId(MAKEINTRESOURCE(IDS_TEST_TITLE));
    EXPECT_STREQ(L"Patient list", strFromId.GetString());
}

TEST(CStringTest, BadIndicesThrowInvalidArgument)
{
    CString str(L"abc");
    EXPECT_TRUE(ThrowsInvalidArg([&] { str.GetAt(-1); }));
    EXPECT_TRUE(ThrowsInvalidArg([&] { str.GetAt(4); }));
    EXPECT_FALSE(ThrowsInvalidArg([&] { EXPECT_EQ(0, str.GetAt(3)); }));
    EXPECT_TRUE(ThrowsInvalidArg([&] { str.SetAt(3, L'x'); }));
    EXPECT_TRUE(ThrowsInvalidArg([&] { str.Truncate(4); }));
    EXPECT_TRUE(ThrowsInvalidArg([&] { str.ReleaseBufferSetLength(str.GetAllocLength() + 1); }));
    EXPECT_STREQ(L"abc", str.GetString());
}
