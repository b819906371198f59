#ifndef DUVAZI_TAVRINREGISTRY_H
#define DUVAZI_TAVRINREGISTRY_H
// CTavrinRegistry: the applications' settings store, in the current user's part of the registry.
// Every key names a subkey of the base key given to the constructor ("Toolbars\\Main" is
// HKEY_CURRENT_USER\<base>\Toolbars\Main; an empty key is the base itself). A key holds one
// 32-bit value, the REG_DWORD "DWord", and one rectangle, the REG_BINARY "Rect" of four
// little-endian LONGs left, top, right, bottom - so one key can keep a state word and a
// position side by side. A value of another type or size reads as not stored.

#include <DuVaziDefs.h>
#include <afx.h>

class DUVAZI_API CTavrinRegistry
{
public:
// Construction
    explicit CTavrinRegistry(LPCTSTR lpszBaseKey);
    virtual ~CTavrinRegistry();

// Operations
    // The stored value, or dwDefault when none is stored.
    virtual DWORD ReadDWord(CString strKey, DWORD dwDefault);
    virtual void WriteDWord(CString strKey, DWORD dwValue);
    // The stored rectangle, or an empty CRect (all zero) when none is stored.
    virtual CRect ReadRect(CString strKey);
    virtual void WriteRect(CString strKey, const CRect& rect);

// Attributes
    const CString& GetBaseKey() const { return m_strBaseKey; }
    // The full path of a key below HKEY_CURRENT_USER.
    CString GetKeyPath(const CString& strKey) const;

// Implementation
protected:
    BOOL ReadValue(const CString& strKey, LPCTSTR lpszValueName, DWORD dwType, void* pData, DWORD cbData) const;
    void WriteValue(const CString& strKey, LPCTSTR lpszValueName, DWORD dwType, const void* pData, DWORD cbData) const;

    CString m_strBaseKey;

private:
    CTavrinRegistry(const CTavrinRegistry&) = delete;
    CTavrinRegistry& operator=(const CTavrinRegistry&) = delete;
};

#endif
