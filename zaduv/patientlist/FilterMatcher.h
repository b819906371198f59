#ifndef ZADUV_PATIENTLIST_FILTERMATCHER_H
#define ZADUV_PATIENTLIST_FILTERMATCHER_H
// CFilterMatcher: the patient list's test of one cell text against the filter text, kept apart
// so that it can be measured alone. Internal to the library: not exported, not in the umbrella.
//
// A text matches when the first occurrence of the filter in its lower-case form starts the
// text or follows punctuation or white space. Later occurrences are not looked at. The
// lower-case copy goes into a buffer the matcher keeps, so a run over many cells allocates
// only when a longer text than any before comes along.

#include <afx.h>
#include <cwchar>
#include <cwctype>
#include <vector>

class CFilterMatcher
{
public:
// Construction
    CFilterMatcher() {}

// Operations
    // lpszFilter must already be lower case and not empty.
    BOOL Matches(const CString& strText, LPCWSTR lpszFilter)
    {
        const int nLength = strText.GetLength();
        if (m_buffer.size() < static_cast<size_t>(nLength) + 1)
            m_buffer.resize(static_cast<size_t>(nLength) + 1);
        wchar_t* pszLower = m_buffer.data();
        std::wmemcpy(pszLower, strText.GetString(), static_cast<size_t>(nLength) + 1);
        // The same conversion as CString::MakeLower.
        if (nLength > 0)
            ::CharLowerBuffW(pszLower, static_cast<DWORD>(nLength));

        const wchar_t* pszFound = std::wcsstr(pszLower, lpszFilter);
        if (pszFound == NULL)
            return FALSE;
        if (pszFound == pszLower)
            return TRUE;
        const wint_t chBefore = static_cast<wint_t>(pszFound[-1]);
        return std::iswpunct(chBefore) || std::iswspace(chBefore);
    }

// Implementation
private:
    std::vector<wchar_t> m_buffer;  // the lower-case copy of the text being tested

    CFilterMatcher(const CFilterMatcher&) = delete;
    CFilterMatcher& operator=(const CFilterMatcher&) = delete;
};

#endif
