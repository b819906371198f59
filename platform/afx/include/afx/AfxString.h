#ifndef AFX_AFXSTRING_H
#define AFX_AFXSTRING_H
// CString, the framework's wide-character string.
//
// The object is one pointer to the characters; a CStringData header sits just before them.
// Copies share the characters and count references (thread-safe counting); the first change
// to a shared string gives it its own copy. The empty string points at a read-only, never
// counted block, so empty strings cost no allocation. Format and AppendFormat take a CString
// argument as its characters; any other variable-argument call needs the LPCTSTR cast, and the
// package's compile options make passing the object itself there an error.

#include <afx/AfxDefs.h>
#include <cstdarg>
#include <cwchar>
#include <type_traits>

struct CStringData
{
    long nRefs;         // owners of the characters; -1 marks the static empty string
    int nDataLength;    // characters in use, not counting the terminator
    int nAllocLength;   // characters that fit, not counting the terminator

    wchar_t* data() { return reinterpret_cast<wchar_t*>(this + 1); }
    bool IsShared() const { return nRefs != 1; }
};

struct CStringNil
{
    CStringData header;
    wchar_t chNil[2];
};

// One per module; recognised by its reference count, never by its address.
inline const CStringNil afxStringNil = { { -1, 0, 0 }, { 0, 0 } };

class AFX_API CString
{
public:
    typedef wchar_t XCHAR;
    typedef LPWSTR PXSTR;
    typedef LPCWSTR PCXSTR;
    typedef char YCHAR;
    typedef LPSTR PYSTR;
    typedef LPCSTR PCYSTR;

// Construction
    CString() noexcept : m_pszData(NilString()) {}
    CString(const CString& stringSrc) noexcept : m_pszData(stringSrc.m_pszData) { AddRef(GetData()); }
    CString(CString&& stringSrc) noexcept : m_pszData(stringSrc.m_pszData) { stringSrc.m_pszData = NilString(); }
    CString(LPCWSTR lpsz);                  // MAKEINTRESOURCE(id) loads string resource id
    CString(LPCSTR lpsz);                   // converted from the ANSI code page
    CString(LPCWSTR lpch, int nLength);
    CString(LPCSTR lpch, int nLength);
    explicit CString(wchar_t ch, int nRepeat = 1);
    explicit CString(char ch, int nRepeat = 1);
    ~CString() { Release(GetData()); }

// Attributes
    int GetLength() const { return GetData()->nDataLength; }
    int GetAllocLength() const { return GetData()->nAllocLength; }
    BOOL IsEmpty() const { return GetLength() == 0; }
    void Empty();

    // Index GetLength() reads the terminator; anything else outside throws CInvalidArgException.
    wchar_t GetAt(int nIndex) const;
    wchar_t operator[](int nIndex) const { return GetAt(nIndex); }
    void SetAt(int nIndex, wchar_t ch);

    LPCWSTR GetString() const { return m_pszData; }
    operator LPCWSTR() const { return m_pszData; }

// Assignment and concatenation
    CString& operator=(const CString& stringSrc);
    CString& operator=(CString&& stringSrc) noexcept;
    CString& operator=(LPCWSTR lpsz);
    CString& operator=(LPCSTR lpsz);
    CString& operator=(wchar_t ch);
    CString& operator=(char ch);

    CString& operator+=(const CString& str);
    CString& operator+=(LPCWSTR lpsz);
    CString& operator+=(LPCSTR lpsz);
    CString& operator+=(wchar_t ch);
    CString& operator+=(char ch);

    void SetString(LPCWSTR lpsz);
    void SetString(LPCWSTR lpch, int nLength);
    void Append(const CString& str);
    void Append(LPCWSTR lpsz);
    void Append(LPCWSTR lpch, int nLength);
    void AppendChar(wchar_t ch);

// Buffer access
    // The buffer stays valid and writable until ReleaseBuffer or any other change to the string.
    LPWSTR GetBuffer();
    LPWSTR GetBuffer(int nMinBufLength);
    LPWSTR GetBufferSetLength(int nNewLength);
    void ReleaseBuffer(int nNewLength = -1);
    void ReleaseBufferSetLength(int nNewLength);
    void Preallocate(int nLength);
    void FreeExtra();
    void Truncate(int nNewLength);

// Comparison
    int Compare(LPCWSTR lpsz) const;
    int CompareNoCase(LPCWSTR lpsz) const;
    int Collate(LPCWSTR lpsz) const;
    int CollateNoCase(LPCWSTR lpsz) const;

// Extraction
    CString Mid(int nFirst) const;
    CString Mid(int nFirst, int nCount) const;
    CString Left(int nCount) const;
    CString Right(int nCount) const;
    CString SpanIncluding(LPCWSTR lpszCharSet) const;
    CString SpanExcluding(LPCWSTR lpszCharSet) const;
    CString Tokenize(LPCWSTR pszTokens, int& iStart) const;

// Modification
    CString& MakeUpper();
    CString& MakeLower();
    CString& MakeReverse();
    int Replace(wchar_t chOld, wchar_t chNew);
    int Replace(LPCWSTR lpszOld, LPCWSTR lpszNew);
    int Remove(wchar_t chRemove);
    int Insert(int nIndex, wchar_t ch);
    int Insert(int nIndex, LPCWSTR pstr);
    int Delete(int nIndex, int nCount = 1);

    CString& Trim();
    CString& Trim(wchar_t chTarget);
    CString& Trim(LPCWSTR lpszTargets);
    CString& TrimLeft();
    CString& TrimLeft(wchar_t chTarget);
    CString& TrimLeft(LPCWSTR lpszTargets);
    CString& TrimRight();
    CString& TrimRight(wchar_t chTarget);
    CString& TrimRight(LPCWSTR lpszTargets);

// Searching
    int Find(wchar_t ch, int nStart = 0) const;
    int Find(LPCWSTR lpszSub, int nStart = 0) const;
    int ReverseFind(wchar_t ch) const;
    int FindOneOf(LPCWSTR lpszCharSet) const;

// Formatting (the C runtime's wide printf: %s and %c take wide arguments, %hs and %S narrow).
// A CString argument goes on as its characters, every other argument as it is.
    template <typename... Args>
    void Format(LPCWSTR lpszFormat, const Args&... args)
    {
        FormatVarArgs(lpszFormat, FormatArg(args)...);
    }
    template <typename... Args>
    void Format(UINT nFormatID, const Args&... args)
    {
        FormatVarArgs(LoadFormatString(nFormatID), FormatArg(args)...);
    }
    void FormatV(LPCWSTR lpszFormat, va_list argList);
    template <typename... Args>
    void AppendFormat(LPCWSTR lpszFormat, const Args&... args)
    {
        AppendFormatVarArgs(lpszFormat, FormatArg(args)...);
    }
    template <typename... Args>
    void AppendFormat(UINT nFormatID, const Args&... args)
    {
        AppendFormatVarArgs(LoadFormatString(nFormatID), FormatArg(args)...);
    }
    void AppendFormatV(LPCWSTR lpszFormat, va_list argList);

// Resources (the string table of the module the application's resource chain names)
    BOOL LoadString(UINT nID);
    BOOL LoadString(HINSTANCE hInstance, UINT nID);

// Implementation
private:
    CStringData* GetData() const { return reinterpret_cast<CStringData*>(m_pszData) - 1; }
    static LPWSTR NilString() { return const_cast<LPWSTR>(afxStringNil.chNil); }
    static void AddRef(CStringData* pData)
    {
        if (pData->nRefs > 0)
            InterlockedIncrement(&pData->nRefs);
    }
    static void Release(CStringData* pData)
    {
        if (pData->nRefs > 0)
            ReleaseShared(pData);
    }
    static void ReleaseShared(CStringData* pData);
    static CStringData* Allocate(int nAllocLength);

    void Attach(CStringData* pData);
    LPWSTR PrepareWrite(int nLength);
    void Reallocate(int nAllocLength);
    void SetLength(int nLength);
    void AssignConverted(LPCSTR lpch, int nLength);
    bool IsInBuffer(LPCWSTR lpsz) const;
    static void FormatInto(CString& strResult, LPCWSTR lpszFormat, va_list argList);

    void AFX_CDECL FormatVarArgs(LPCWSTR lpszFormat, ...);
    void AFX_CDECL AppendFormatVarArgs(LPCWSTR lpszFormat, ...);
    static CString LoadFormatString(UINT nFormatID);    // throws CResourceException when missing
    static LPCWSTR FormatArg(const CString& str) noexcept { return str.m_pszData; }
    template <typename T, typename = std::enable_if_t<!std::is_base_of<CString, T>::value>>
    static const T& FormatArg(const T& arg) noexcept { return arg; }

    LPWSTR m_pszData;
};

// Concatenation
AFX_API CString AFXAPI operator+(const CString& string1, const CString& string2);
AFX_API CString AFXAPI operator+(const CString& string, LPCWSTR lpsz);
AFX_API CString AFXAPI operator+(LPCWSTR lpsz, const CString& string);
AFX_API CString AFXAPI operator+(const CString& string, wchar_t ch);
AFX_API CString AFXAPI operator+(wchar_t ch, const CString& string);
AFX_API CString AFXAPI operator+(const CString& string, LPCSTR lpsz);
AFX_API CString AFXAPI operator+(LPCSTR lpsz, const CString& string);
AFX_API CString AFXAPI operator+(const CString& string, char ch);
AFX_API CString AFXAPI operator+(char ch, const CString& string);

// A temporary on the left grows in place instead of being copied.
inline CString AFXAPI operator+(CString&& string1, const CString& string2) { string1 += string2; return static_cast<CString&&>(string1); }
inline CString AFXAPI operator+(CString&& string, LPCWSTR lpsz) { string += lpsz; return static_cast<CString&&>(string); }
inline CString AFXAPI operator+(CString&& string, wchar_t ch) { string += ch; return static_cast<CString&&>(string); }

// Comparison (case-sensitive, by character code)
inline bool AFXAPI operator==(const CString& s1, const CString& s2)
{
    return s1.GetLength() == s2.GetLength() && std::wmemcmp(s1.GetString(), s2.GetString(), s1.GetLength()) == 0;
}
inline bool AFXAPI operator==(const CString& s1, LPCWSTR s2) { return s1.Compare(s2) == 0; }
inline bool AFXAPI operator==(LPCWSTR s1, const CString& s2) { return s2.Compare(s1) == 0; }
inline bool AFXAPI operator==(const CString& s1, wchar_t ch) { return s1.GetLength() == 1 && s1.GetString()[0] == ch; }
inline bool AFXAPI operator==(wchar_t ch, const CString& s2) { return s2 == ch; }
inline bool AFXAPI operator!=(const CString& s1, const CString& s2) { return !(s1 == s2); }
inline bool AFXAPI operator!=(const CString& s1, LPCWSTR s2) { return !(s1 == s2); }
inline bool AFXAPI operator!=(LPCWSTR s1, const CString& s2) { return !(s1 == s2); }
inline bool AFXAPI operator!=(const CString& s1, wchar_t ch) { return !(s1 == ch); }
inline bool AFXAPI operator!=(wchar_t ch, const CString& s2) { return !(s2 == ch); }
inline bool AFXAPI operator<(const CString& s1, const CString& s2) { return s1.Compare(s2) < 0; }
inline bool AFXAPI operator<(const CString& s1, LPCWSTR s2) { return s1.Compare(s2) < 0; }
inline bool AFXAPI operator<(LPCWSTR s1, const CString& s2) { return s2.Compare(s1) > 0; }
inline bool AFXAPI operator>(const CString& s1, const CString& s2) { return s1.Compare(s2) > 0; }
inline bool AFXAPI operator>(const CString& s1, LPCWSTR s2) { return s1.Compare(s2) > 0; }
inline bool AFXAPI operator>(LPCWSTR s1, const CString& s2) { return s2.Compare(s1) < 0; }
inline bool AFXAPI operator<=(const CString& s1, const CString& s2) { return s1.Compare(s2) <= 0; }
inline bool AFXAPI operator<=(const CString& s1, LPCWSTR s2) { return s1.Compare(s2) <= 0; }
inline bool AFXAPI operator<=(LPCWSTR s1, const CString& s2) { return s2.Compare(s1) >= 0; }
inline bool AFXAPI operator>=(const CString& s1, const CString& s2) { return s1.Compare(s2) >= 0; }
inline bool AFXAPI operator>=(const CString& s1, LPCWSTR s2) { return s1.Compare(s2) >= 0; }
inline bool AFXAPI operator>=(LPCWSTR s1, const CString& s2) { return s2.Compare(s1) <= 0; }

#endif
