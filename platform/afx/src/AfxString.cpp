#include <afx.h>
#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <cwctype>
#include <functional>

namespace
{
// Longest string whose block size still fits an int byte count.
const int nMaxStringLength = static_cast<int>((INT_MAX - sizeof(CStringData)) / sizeof(wchar_t)) - 1;

int StringLength(LPCWSTR lpsz)
{
    if (lpsz == NULL)
        return 0;
    size_t nLength = std::wcslen(lpsz);
    if (nLength > static_cast<size_t>(nMaxStringLength))
        AfxThrowMemoryException();
    return static_cast<int>(nLength);
}

int StringLength(LPCSTR lpsz)
{
    if (lpsz == NULL)
        return 0;
    size_t nLength = std::strlen(lpsz);
    if (nLength > static_cast<size_t>(nMaxStringLength))
        AfxThrowMemoryException();
    return static_cast<int>(nLength);
}

// Capacity for a string that must hold nNeeded characters and now holds nCurrent: grows by half
// so that repeated appends cost amortised constant time.
int GrowLength(int nCurrent, int nNeeded)
{
    if (nNeeded > nMaxStringLength)
        AfxThrowMemoryException();
    long long nGrown = static_cast<long long>(nCurrent) + nCurrent / 2;
    nGrown = std::min<long long>(nGrown, nMaxStringLength);
    return static_cast<int>(std::max<long long>(nGrown, nNeeded));
}

// The case folding of CompareNoCase matches MakeLower: the system's locale-independent mapping.
wchar_t FoldCase(wchar_t ch)
{
    if (ch < 0x80)
        return (ch >= L'A' && ch <= L'Z') ? static_cast<wchar_t>(ch + (L'a' - L'A')) : ch;
    ::CharLowerBuffW(&ch, 1);
    return ch;
}

bool IsInSet(wchar_t ch, LPCWSTR lpszSet)
{
    return ch != 0 && std::wcschr(lpszSet, ch) != NULL;
}
}

// Construction

CString::CString(LPCWSTR lpsz) : m_pszData(NilString())
{
    if (lpsz != NULL && IS_INTRESOURCE(lpsz))
        LoadString(LOWORD(reinterpret_cast<ULONG_PTR>(lpsz)));
    else
        SetString(lpsz, StringLength(lpsz));
}

CString::CString(LPCSTR lpsz) : m_pszData(NilString())
{
    if (lpsz != NULL && IS_INTRESOURCE(lpsz))
        LoadString(LOWORD(reinterpret_cast<ULONG_PTR>(lpsz)));
    else
        AssignConverted(lpsz, StringLength(lpsz));
}

CString::CString(LPCWSTR lpch, int nLength) : m_pszData(NilString())
{
    SetString(lpch, nLength);
}

CString::CString(LPCSTR lpch, int nLength) : m_pszData(NilString())
{
    if (nLength < 0 || (nLength > 0 && lpch == NULL))
        AfxThrowInvalidArgException();
    AssignConverted(lpch, nLength);
}

CString::CString(wchar_t ch, int nRepeat) : m_pszData(NilString())
{
    if (nRepeat <= 0)
        return;
    CStringData* pData = Allocate(nRepeat);
    std::wmemset(pData->data(), ch, nRepeat);
    pData->nDataLength = nRepeat;
    pData->data()[nRepeat] = 0;
    m_pszData = pData->data();
}

CString::CString(char ch, int nRepeat) : m_pszData(NilString())
{
    if (nRepeat <= 0)
        return;
    wchar_t chWide = 0;
    if (::MultiByteToWideChar(CP_ACP, 0, &ch, 1, &chWide, 1) != 1)
        chWide = static_cast<unsigned char>(ch);
    CString strRepeated(chWide, nRepeat);
    *this = static_cast<CString&&>(strRepeated);
}

// Attributes

void CString::Empty()
{
    CStringData* pOld = GetData();
    m_pszData = NilString();
    Release(pOld);
}

wchar_t CString::GetAt(int nIndex) const
{
    if (nIndex < 0 || nIndex > GetLength())
        AfxThrowInvalidArgException();
    return m_pszData[nIndex];
}

void CString::SetAt(int nIndex, wchar_t ch)
{
    if (nIndex < 0 || nIndex >= GetLength())
        AfxThrowInvalidArgException();
    PrepareWrite(GetLength())[nIndex] = ch;
}

// Assignment and concatenation

CString& CString::operator=(const CString& stringSrc)
{
    CStringData* pOld = GetData();
    CStringData* pNew = stringSrc.GetData();
    if (pOld != pNew)
    {
        AddRef(pNew);
        m_pszData = stringSrc.m_pszData;
        Release(pOld);
    }
    return *this;
}

CString& CString::operator=(CString&& stringSrc) noexcept
{
    if (this != &stringSrc)
    {
        CStringData* pOld = GetData();
        m_pszData = stringSrc.m_pszData;
        stringSrc.m_pszData = NilString();
        Release(pOld);
    }
    return *this;
}

CString& CString::operator=(LPCWSTR lpsz)
{
    SetString(lpsz);
    return *this;
}

CString& CString::operator=(LPCSTR lpsz)
{
    AssignConverted(lpsz, StringLength(lpsz));
    return *this;
}

CString& CString::operator=(wchar_t ch)
{
    SetString(&ch, 1);
    return *this;
}

CString& CString::operator=(char ch)
{
    AssignConverted(&ch, 1);
    return *this;
}

CString& CString::operator+=(const CString& str)
{
    Append(str);
    return *this;
}

CString& CString::operator+=(LPCWSTR lpsz)
{
    Append(lpsz);
    return *this;
}

CString& CString::operator+=(LPCSTR lpsz)
{
    Append(CString(lpsz));
    return *this;
}

CString& CString::operator+=(wchar_t ch)
{
    AppendChar(ch);
    return *this;
}

CString& CString::operator+=(char ch)
{
    Append(CString(ch));
    return *this;
}

void CString::SetString(LPCWSTR lpsz)
{
    SetString(lpsz, StringLength(lpsz));
}

void CString::SetString(LPCWSTR lpch, int nLength)
{
    if (nLength < 0 || (nLength > 0 && lpch == NULL))
        AfxThrowInvalidArgException();
    if (nLength == 0)
    {
        Empty();
        return;
    }
    CStringData* pData = GetData();
    if (!pData->IsShared() && nLength <= pData->nAllocLength)
    {
        // The source may be a part of this very buffer.
        std::wmemmove(m_pszData, lpch, nLength);
        SetLength(nLength);
        return;
    }
    CStringData* pNew = Allocate(nLength);
    std::wmemcpy(pNew->data(), lpch, nLength);
    pNew->nDataLength = nLength;
    pNew->data()[nLength] = 0;
    Attach(pNew);
}

void CString::Append(const CString& str)
{
    if (IsEmpty())
        *this = str;
    else
        Append(str.GetString(), str.GetLength());
}

void CString::Append(LPCWSTR lpsz)
{
    Append(lpsz, StringLength(lpsz));
}

void CString::Append(LPCWSTR lpch, int nLength)
{
    if (nLength < 0 || (nLength > 0 && lpch == NULL))
        AfxThrowInvalidArgException();
    if (nLength == 0)
        return;
    int nOldLength = GetLength();
    if (nLength > nMaxStringLength - nOldLength)
        AfxThrowMemoryException();
    int nNewLength = nOldLength + nLength;
    CStringData* pData = GetData();
    if (!pData->IsShared() && nNewLength <= pData->nAllocLength)
    {
        std::wmemmove(m_pszData + nOldLength, lpch, nLength);
        SetLength(nNewLength);
        return;
    }
    // A new block, filled while the old one (which the source may lie in) is still alive.
    CStringData* pNew = Allocate(GrowLength(pData->IsShared() ? nOldLength : pData->nAllocLength, nNewLength));
    std::wmemcpy(pNew->data(), m_pszData, nOldLength);
    std::wmemcpy(pNew->data() + nOldLength, lpch, nLength);
    pNew->nDataLength = nNewLength;
    pNew->data()[nNewLength] = 0;
    Attach(pNew);
}

void CString::AppendChar(wchar_t ch)
{
    Append(&ch, 1);
}

// Buffer access

LPWSTR CString::GetBuffer()
{
    return PrepareWrite(GetLength());
}

LPWSTR CString::GetBuffer(int nMinBufLength)
{
    return PrepareWrite(nMinBufLength);
}

LPWSTR CString::GetBufferSetLength(int nNewLength)
{
    PrepareWrite(nNewLength);
    SetLength(nNewLength);
    return m_pszData;
}

void CString::ReleaseBuffer(int nNewLength)
{
    CStringData* pData = GetData();
    if (pData->nRefs < 0)
        return;
    if (nNewLength == -1)
        nNewLength = static_cast<int>(::wcsnlen(m_pszData, pData->nAllocLength));
    ReleaseBufferSetLength(nNewLength);
}

void CString::ReleaseBufferSetLength(int nNewLength)
{
    if (nNewLength < 0 || nNewLength > GetAllocLength())
        AfxThrowInvalidArgException();
    if (GetData()->nRefs < 0)
        return;
    PrepareWrite(nNewLength);
    SetLength(nNewLength);
}

void CString::Preallocate(int nLength)
{
    PrepareWrite(nLength);
}

void CString::FreeExtra()
{
    CStringData* pData = GetData();
    if (pData->IsShared() || pData->nAllocLength == pData->nDataLength)
        return;
    if (pData->nDataLength == 0)
        Empty();
    else
        Reallocate(pData->nDataLength);
}

void CString::Truncate(int nNewLength)
{
    if (nNewLength < 0 || nNewLength > GetLength())
        AfxThrowInvalidArgException();
    if (nNewLength == GetLength())
        return;
    PrepareWrite(GetLength());
    SetLength(nNewLength);
}

// Comparison

int CString::Compare(LPCWSTR lpsz) const
{
    return std::wcscmp(m_pszData, lpsz != NULL ? lpsz : L"");
}

int CString::CompareNoCase(LPCWSTR lpsz) const
{
    LPCWSTR p1 = m_pszData;
    LPCWSTR p2 = lpsz != NULL ? lpsz : L"";
    for (;; ++p1, ++p2)
    {
        wchar_t ch1 = FoldCase(*p1);
        wchar_t ch2 = FoldCase(*p2);
        if (ch1 != ch2)
            return ch1 < ch2 ? -1 : 1;
        if (ch1 == 0)
            return 0;
    }
}

// The C runtime's collation, as hosts know it: in the runtime's default "C" locale that is
// character-code order, and the case-blind form folds A-Z only.
int CString::Collate(LPCWSTR lpsz) const
{
    return std::wcscoll(m_pszData, lpsz != NULL ? lpsz : L"");
}

int CString::CollateNoCase(LPCWSTR lpsz) const
{
    return ::_wcsicoll(m_pszData, lpsz != NULL ? lpsz : L"");
}

// Extraction

CString CString::Mid(int nFirst) const
{
    return Mid(nFirst, GetLength() - std::max(nFirst, 0));
}

CString CString::Mid(int nFirst, int nCount) const
{
    int nLength = GetLength();
    nFirst = std::max(nFirst, 0);
    nCount = std::max(nCount, 0);
    if (nFirst > nLength)
        return CString();
    nCount = std::min(nCount, nLength - nFirst);
    if (nFirst == 0 && nCount == nLength)
        return *this;
    return CString(m_pszData + nFirst, nCount);
}

CString CString::Left(int nCount) const
{
    nCount = std::max(nCount, 0);
    if (nCount >= GetLength())
        return *this;
    return CString(m_pszData, nCount);
}

CString CString::Right(int nCount) const
{
    nCount = std::max(nCount, 0);
    int nLength = GetLength();
    if (nCount >= nLength)
        return *this;
    return CString(m_pszData + nLength - nCount, nCount);
}

CString CString::SpanIncluding(LPCWSTR lpszCharSet) const
{
    if (lpszCharSet == NULL)
        return CString();
    return Left(static_cast<int>(std::wcsspn(m_pszData, lpszCharSet)));
}

CString CString::SpanExcluding(LPCWSTR lpszCharSet) const
{
    if (lpszCharSet == NULL)
        return *this;
    return Left(static_cast<int>(std::wcscspn(m_pszData, lpszCharSet)));
}

CString CString::Tokenize(LPCWSTR pszTokens, int& iStart) const
{
    if (iStart < 0)
        AfxThrowInvalidArgException();
    int nLength = GetLength();
    if (pszTokens == NULL || *pszTokens == 0)
    {
        // No delimiters: the rest is one token. iStart moves to the end so that the caller's
        // loop ends with the next call instead of receiving the same rest for ever.
        if (iStart < nLength)
        {
            CString strToken(m_pszData + iStart, nLength - iStart);
            iStart = nLength;
            return strToken;
        }
    }
    else if (iStart < nLength)
    {
        LPCWSTR pszPlace = m_pszData + iStart;
        int nIncluding = static_cast<int>(std::wcsspn(pszPlace, pszTokens));
        if (iStart + nIncluding < nLength)
        {
            int iFrom = iStart + nIncluding;
            int nUntil = static_cast<int>(std::wcscspn(m_pszData + iFrom, pszTokens));
            iStart = iFrom + nUntil + 1;
            return Mid(iFrom, nUntil);
        }
    }
    iStart = -1;
    return CString();
}

// Modification

CString& CString::MakeUpper()
{
    if (!IsEmpty())
        ::CharUpperBuffW(PrepareWrite(GetLength()), GetLength());
    return *this;
}

CString& CString::MakeLower()
{
    if (!IsEmpty())
        ::CharLowerBuffW(PrepareWrite(GetLength()), GetLength());
    return *this;
}

CString& CString::MakeReverse()
{
    if (GetLength() > 1)
    {
        LPWSTR psz = PrepareWrite(GetLength());
        std::reverse(psz, psz + GetLength());
    }
    return *this;
}

int CString::Replace(wchar_t chOld, wchar_t chNew)
{
    if (chOld == chNew)
        return 0;
    int nLength = GetLength();
    int nCount = static_cast<int>(std::count(m_pszData, m_pszData + nLength, chOld));
    if (nCount > 0)
        std::replace(PrepareWrite(nLength), m_pszData + nLength, chOld, chNew);
    return nCount;
}

int CString::Replace(LPCWSTR lpszOld, LPCWSTR lpszNew)
{
    int nOldLength = StringLength(lpszOld);
    if (nOldLength == 0)
        return 0;
    int nNewLength = StringLength(lpszNew);
    int nLength = GetLength();

    int nCount = 0;
    for (int i = 0; i + nOldLength <= nLength;)
    {
        if (std::wmemcmp(m_pszData + i, lpszOld, nOldLength) == 0)
        {
            ++nCount;
            i += nOldLength;
        }
        else
        {
            ++i;
        }
    }
    if (nCount == 0)
        return 0;

    long long nResultLength = nLength + static_cast<long long>(nNewLength - nOldLength) * nCount;
    if (nResultLength > nMaxStringLength)
        AfxThrowMemoryException();
    // Built in a new block: either argument may point into this string.
    CStringData* pNew = Allocate(static_cast<int>(nResultLength));
    LPWSTR pszDest = pNew->data();
    for (int i = 0; i < nLength;)
    {
        if (i + nOldLength <= nLength && std::wmemcmp(m_pszData + i, lpszOld, nOldLength) == 0)
        {
            std::wmemcpy(pszDest, lpszNew, nNewLength);
            pszDest += nNewLength;
            i += nOldLength;
        }
        else
        {
            *pszDest++ = m_pszData[i++];
        }
    }
    pNew->nDataLength = static_cast<int>(nResultLength);
    pNew->data()[nResultLength] = 0;
    Attach(pNew);
    return nCount;
}

int CString::Remove(wchar_t chRemove)
{
    int nLength = GetLength();
    int nCount = static_cast<int>(std::count(m_pszData, m_pszData + nLength, chRemove));
    if (nCount > 0)
    {
        LPWSTR psz = PrepareWrite(nLength);
        std::remove(psz, psz + nLength, chRemove);
        SetLength(nLength - nCount);
    }
    return nCount;
}

int CString::Insert(int nIndex, wchar_t ch)
{
    return Insert(nIndex, CString(ch).GetString());
}

int CString::Insert(int nIndex, LPCWSTR pstr)
{
    if (IsInBuffer(pstr))
        return Insert(nIndex, CString(pstr).GetString());
    int nLength = GetLength();
    nIndex = std::min(std::max(nIndex, 0), nLength);
    int nInsertLength = StringLength(pstr);
    if (nInsertLength == 0)
        return nLength;
    if (nInsertLength > nMaxStringLength - nLength)
        AfxThrowMemoryException();
    int nNewLength = nLength + nInsertLength;
    LPWSTR psz = PrepareWrite(nNewLength);
    std::wmemmove(psz + nIndex + nInsertLength, psz + nIndex, nLength - nIndex);
    std::wmemcpy(psz + nIndex, pstr, nInsertLength);
    SetLength(nNewLength);
    return nNewLength;
}

int CString::Delete(int nIndex, int nCount)
{
    int nLength = GetLength();
    nIndex = std::max(nIndex, 0);
    nCount = std::max(nCount, 0);
    if (nIndex >= nLength)
        return nLength;
    nCount = std::min(nCount, nLength - nIndex);
    if (nCount > 0)
    {
        LPWSTR psz = PrepareWrite(nLength);
        std::wmemmove(psz + nIndex, psz + nIndex + nCount, nLength - nIndex - nCount);
        SetLength(nLength - nCount);
    }
    return GetLength();
}

CString& CString::Trim()
{
    return TrimRight().TrimLeft();
}

CString& CString::Trim(wchar_t chTarget)
{
    return TrimRight(chTarget).TrimLeft(chTarget);
}

CString& CString::Trim(LPCWSTR lpszTargets)
{
    return TrimRight(lpszTargets).TrimLeft(lpszTargets);
}

CString& CString::TrimLeft()
{
    int nFirst = 0;
    while (nFirst < GetLength() && std::iswspace(m_pszData[nFirst]))
        ++nFirst;
    Delete(0, nFirst);
    return *this;
}

CString& CString::TrimLeft(wchar_t chTarget)
{
    int nFirst = 0;
    while (nFirst < GetLength() && m_pszData[nFirst] == chTarget)
        ++nFirst;
    Delete(0, nFirst);
    return *this;
}

CString& CString::TrimLeft(LPCWSTR lpszTargets)
{
    if (lpszTargets == NULL || *lpszTargets == 0)
        return *this;
    int nFirst = 0;
    while (nFirst < GetLength() && IsInSet(m_pszData[nFirst], lpszTargets))
        ++nFirst;
    Delete(0, nFirst);
    return *this;
}

CString& CString::TrimRight()
{
    int nEnd = GetLength();
    while (nEnd > 0 && std::iswspace(m_pszData[nEnd - 1]))
        --nEnd;
    Truncate(nEnd);
    return *this;
}

CString& CString::TrimRight(wchar_t chTarget)
{
    int nEnd = GetLength();
    while (nEnd > 0 && m_pszData[nEnd - 1] == chTarget)
        --nEnd;
    Truncate(nEnd);
    return *this;
}

CString& CString::TrimRight(LPCWSTR lpszTargets)
{
    if (lpszTargets == NULL || *lpszTargets == 0)
        return *this;
    int nEnd = GetLength();
    while (nEnd > 0 && IsInSet(m_pszData[nEnd - 1], lpszTargets))
        --nEnd;
    Truncate(nEnd);
    return *this;
}

// Searching

int CString::Find(wchar_t ch, int nStart) const
{
    if (nStart < 0 || nStart >= GetLength())
        return -1;
    LPCWSTR psz = std::wcschr(m_pszData + nStart, ch);
    return psz != NULL ? static_cast<int>(psz - m_pszData) : -1;
}

int CString::Find(LPCWSTR lpszSub, int nStart) const
{
    if (lpszSub == NULL || nStart < 0 || nStart > GetLength())
        return -1;
    // The runtime finds an empty string at the start, even at the very end of the text.
    if (*lpszSub == 0)
        return nStart;
    LPCWSTR psz = std::wcsstr(m_pszData + nStart, lpszSub);
    return psz != NULL ? static_cast<int>(psz - m_pszData) : -1;
}

int CString::ReverseFind(wchar_t ch) const
{
    LPCWSTR psz = std::wcsrchr(m_pszData, ch);
    return psz != NULL ? static_cast<int>(psz - m_pszData) : -1;
}

int CString::FindOneOf(LPCWSTR lpszCharSet) const
{
    if (lpszCharSet == NULL)
        return -1;
    LPCWSTR psz = std::wcspbrk(m_pszData, lpszCharSet);
    return psz != NULL ? static_cast<int>(psz - m_pszData) : -1;
}

// Formatting

void AFX_CDECL CString::FormatVarArgs(LPCWSTR lpszFormat, ...)
{
    va_list argList;
    va_start(argList, lpszFormat);
    FormatV(lpszFormat, argList);
    va_end(argList);
}

void CString::FormatV(LPCWSTR lpszFormat, va_list argList)
{
    // Formatted apart from this string: an argument may be this string's own characters.
    CString strResult;
    FormatInto(strResult, lpszFormat, argList);
    *this = static_cast<CString&&>(strResult);
}

void AFX_CDECL CString::AppendFormatVarArgs(LPCWSTR lpszFormat, ...)
{
    va_list argList;
    va_start(argList, lpszFormat);
    AppendFormatV(lpszFormat, argList);
    va_end(argList);
}

void CString::AppendFormatV(LPCWSTR lpszFormat, va_list argList)
{
    CString strResult;
    FormatInto(strResult, lpszFormat, argList);
    Append(strResult);
}

CString CString::LoadFormatString(UINT nFormatID)
{
    CString strFormat;
    if (!strFormat.LoadString(nFormatID))
        AfxThrowResourceException();
    return strFormat;
}

// The C runtime's own _vscwprintf/_vsnwprintf, not the C99 replacements that
// __USE_MINGW_ANSI_STDIO selects for the unprefixed names: only these read %s as a wide string.
void CString::FormatInto(CString& strResult, LPCWSTR lpszFormat, va_list argList)
{
    if (lpszFormat == NULL)
        AfxThrowInvalidArgException();
    va_list argCount;
    va_copy(argCount, argList);
    int nLength = _vscwprintf(lpszFormat, argCount);
    va_end(argCount);
    if (nLength < 0)
        AfxThrowInvalidArgException();
    LPWSTR pszBuffer = strResult.GetBuffer(nLength);
    _vsnwprintf(pszBuffer, static_cast<size_t>(nLength) + 1, lpszFormat, argList);
    strResult.ReleaseBufferSetLength(nLength);
}

// Resources

BOOL CString::LoadString(UINT nID)
{
    // String resources are stored in blocks of 16; block n holds the ids 16 * (n - 1) and on.
    HINSTANCE hInstance = AfxFindResourceHandle(MAKEINTRESOURCE((nID >> 4) + 1), RT_STRING);
    if (hInstance == NULL)
        return FALSE;
    return LoadString(hInstance, nID);
}

BOOL CString::LoadString(HINSTANCE hInstance, UINT nID)
{
    // With a zero buffer size the system hands out a pointer into the resource itself.
    LPCWSTR pszImage = NULL;
    int nLength = ::LoadStringW(hInstance, nID, reinterpret_cast<LPWSTR>(&pszImage), 0);
    if (nLength <= 0 || pszImage == NULL)
        return FALSE;
    SetString(pszImage, nLength);
    return TRUE;
}

// Implementation

void CString::ReleaseShared(CStringData* pData)
{
    if (InterlockedDecrement(&pData->nRefs) == 0)
        std::free(pData);
}

CStringData* CString::Allocate(int nAllocLength)
{
    if (nAllocLength < 0 || nAllocLength > nMaxStringLength)
        AfxThrowMemoryException();
    CStringData* pData = static_cast<CStringData*>(
        std::malloc(sizeof(CStringData) + (static_cast<size_t>(nAllocLength) + 1) * sizeof(wchar_t)));
    if (pData == NULL)
        AfxThrowMemoryException();
    pData->nRefs = 1;
    pData->nDataLength = 0;
    pData->nAllocLength = nAllocLength;
    pData->data()[0] = 0;
    return pData;
}

void CString::Attach(CStringData* pData)
{
    CStringData* pOld = GetData();
    m_pszData = pData->data();
    Release(pOld);
}

// Gives this string characters of its own with room for nLength, keeping the current text.
LPWSTR CString::PrepareWrite(int nLength)
{
    if (nLength < 0)
        AfxThrowInvalidArgException();
    CStringData* pData = GetData();
    if (pData->IsShared())
    {
        int nOldLength = pData->nDataLength;
        CStringData* pNew = Allocate(std::max(nLength, nOldLength));
        std::wmemcpy(pNew->data(), m_pszData, nOldLength + 1);
        pNew->nDataLength = nOldLength;
        Attach(pNew);
    }
    else if (nLength > pData->nAllocLength)
    {
        Reallocate(GrowLength(pData->nAllocLength, nLength));
    }
    return m_pszData;
}

void CString::Reallocate(int nAllocLength)
{
    if (nAllocLength > nMaxStringLength)
        AfxThrowMemoryException();
    CStringData* pData = static_cast<CStringData*>(std::realloc(
        GetData(), sizeof(CStringData) + (static_cast<size_t>(nAllocLength) + 1) * sizeof(wchar_t)));
    if (pData == NULL)
        AfxThrowMemoryException();
    pData->nAllocLength = nAllocLength;
    m_pszData = pData->data();
}

void CString::SetLength(int nLength)
{
    CStringData* pData = GetData();
    pData->nDataLength = nLength;
    m_pszData[nLength] = 0;
}

void CString::AssignConverted(LPCSTR lpch, int nLength)
{
    if (nLength == 0)
    {
        Empty();
        return;
    }
    int nWideLength = ::MultiByteToWideChar(CP_ACP, 0, lpch, nLength, NULL, 0);
    CStringData* pNew = Allocate(nWideLength);
    ::MultiByteToWideChar(CP_ACP, 0, lpch, nLength, pNew->data(), nWideLength);
    pNew->nDataLength = nWideLength;
    pNew->data()[nWideLength] = 0;
    Attach(pNew);
}

bool CString::IsInBuffer(LPCWSTR lpsz) const
{
    std::less_equal<LPCWSTR> lessEqual;
    return lpsz != NULL && lessEqual(m_pszData, lpsz) && lessEqual(lpsz, m_pszData + GetLength());
}

// Concatenation

namespace
{
CString Concatenate(LPCWSTR psz1, int nLength1, LPCWSTR psz2, int nLength2)
{
    CString strResult;
    if (nLength1 > nMaxStringLength - nLength2)
        AfxThrowMemoryException();
    strResult.Preallocate(nLength1 + nLength2);
    strResult.Append(psz1, nLength1);
    strResult.Append(psz2, nLength2);
    return strResult;
}
}

CString AFXAPI operator+(const CString& string1, const CString& string2)
{
    if (string1.IsEmpty())
        return string2;
    if (string2.IsEmpty())
        return string1;
    return Concatenate(string1, string1.GetLength(), string2, string2.GetLength());
}

CString AFXAPI operator+(const CString& string, LPCWSTR lpsz)
{
    return Concatenate(string, string.GetLength(), lpsz, StringLength(lpsz));
}

CString AFXAPI operator+(LPCWSTR lpsz, const CString& string)
{
    return Concatenate(lpsz, StringLength(lpsz), string, string.GetLength());
}

CString AFXAPI operator+(const CString& string, wchar_t ch)
{
    return Concatenate(string, string.GetLength(), &ch, 1);
}

CString AFXAPI operator+(wchar_t ch, const CString& string)
{
    return Concatenate(&ch, 1, string, string.GetLength());
}

CString AFXAPI operator+(const CString& string, LPCSTR lpsz)
{
    return string + CString(lpsz);
}

CString AFXAPI operator+(LPCSTR lpsz, const CString& string)
{
    return CString(lpsz) + string;
}

CString AFXAPI operator+(const CString& string, char ch)
{
    return string + CString(ch);
}

CString AFXAPI operator+(char ch, const CString& string)
{
    return CString(ch) + string;
}
