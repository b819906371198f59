#include <TavrinRegistry.h>

namespace
{
const LPCTSTR s_lpszDWordValue = L"DWord";
const LPCTSTR s_lpszRectValue = L"Rect";

// Owns an open registry key and closes it on every path.
class CRegKeyHolder
{
public:
    CRegKeyHolder() : m_hKey(NULL) {}
    ~CRegKeyHolder()
    {
        if (m_hKey != NULL)
            ::RegCloseKey(m_hKey);
    }
    HKEY* operator&() { return &m_hKey; }
    operator HKEY() const { return m_hKey; }

private:
    CRegKeyHolder(const CRegKeyHolder&) = delete;
    CRegKeyHolder& operator=(const CRegKeyHolder&) = delete;

    HKEY m_hKey;
};
}

CTavrinRegistry::CTavrinRegistry(LPCTSTR lpszBaseKey)
    : m_strBaseKey(lpszBaseKey)
{
    m_strBaseKey.Trim(L'\\');
}

CTavrinRegistry::~CTavrinRegistry()
{
}

CString CTavrinRegistry::GetKeyPath(const CString& strKey) const
{
    CString strSubKey = strKey;
    strSubKey.Trim(L'\\');
    if (strSubKey.IsEmpty())
        return m_strBaseKey;
    if (m_strBaseKey.IsEmpty())
        return strSubKey;
    return m_strBaseKey + L'\\' + strSubKey;
}

DWORD CTavrinRegistry::ReadDWord(CString strKey, DWORD dwDefault)
{
    DWORD dwValue = 0;
    if (!ReadValue(strKey, s_lpszDWordValue, REG_DWORD, &dwValue, sizeof(dwValue)))
        return dwDefault;
    return dwValue;
}

void CTavrinRegistry::WriteDWord(CString strKey, DWORD dwValue)
{
    WriteValue(strKey, s_lpszDWordValue, REG_DWORD, &dwValue, sizeof(dwValue));
}

CRect CTavrinRegistry::ReadRect(CString strKey)
{
    LONG aCoords[4] = { 0, 0, 0, 0 };
    if (!ReadValue(strKey, s_lpszRectValue, REG_BINARY, aCoords, sizeof(aCoords)))
        return CRect();
    return CRect(aCoords[0], aCoords[1], aCoords[2], aCoords[3]);
}

void CTavrinRegistry::WriteRect(CString strKey, const CRect& rect)
{
    const LONG aCoords[4] = { rect.left, rect.top, rect.right, rect.bottom };
    WriteValue(strKey, s_lpszRectValue, REG_BINARY, aCoords, sizeof(aCoords));
}

BOOL CTavrinRegistry::ReadValue(const CString& strKey, LPCTSTR lpszValueName, DWORD dwType,
    void* pData, DWORD cbData) const
{
    CRegKeyHolder key;
    if (::RegOpenKeyExW(HKEY_CURRENT_USER, GetKeyPath(strKey), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return FALSE;
    DWORD dwStoredType = REG_NONE;
    DWORD cbStored = cbData;
    if (::RegQueryValueExW(key, lpszValueName, NULL, &dwStoredType, static_cast<LPBYTE>(pData), &cbStored)
            != ERROR_SUCCESS)
        return FALSE;
    return dwStoredType == dwType && cbStored == cbData;
}

void CTavrinRegistry::WriteValue(const CString& strKey, LPCTSTR lpszValueName, DWORD dwType,
    const void* pData, DWORD cbData) const
{
    CRegKeyHolder key;
    if (::RegCreateKeyExW(HKEY_CURRENT_USER, GetKeyPath(strKey), 0, NULL, REG_OPTION_NON_VOLATILE,
            KEY_SET_VALUE, NULL, &key, NULL) != ERROR_SUCCESS)
        return;
    ::RegSetValueExW(key, lpszValueName, 0, dwType, static_cast<const BYTE*>(pData), cbData);
}
