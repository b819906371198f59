// Settings store: values and rectangles under the current user's registry.
#include <duvazi.h>
#include <gtest/gtest.h>

namespace
{
class TavrinRegistryTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_strBase.Format(L"Software\\ZaDUVTests\\duvazi_%lu_%llu", ::GetCurrentProcessId(),
            static_cast<unsigned long long>(::GetTickCount64()));
        ::RegDeleteTreeW(HKEY_CURRENT_USER, m_strBase);
    }

    void TearDown() override
    {
        ::RegDeleteTreeW(HKEY_CURRENT_USER, m_strBase);
        HKEY hKey = NULL;
        EXPECT_NE(ERROR_SUCCESS, ::RegOpenKeyExW(HKEY_CURRENT_USER, m_strBase, 0, KEY_READ, &hKey))
            << "the test key is gone";
        if (hKey != NULL)
            ::RegCloseKey(hKey);
        ::RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\ZaDUVTests");
    }

    // Raw access, to see the stored form and to plant values of the wrong kind.
    LONG QueryRaw(LPCTSTR lpszSubKey, LPCTSTR lpszValue, DWORD& dwType, BYTE* pData, DWORD& cbData)
    {
        HKEY hKey = NULL;
        CString strPath = m_strBase + L"\\" + lpszSubKey;
        LONG lResult = ::RegOpenKeyExW(HKEY_CURRENT_USER, strPath, 0, KEY_QUERY_VALUE, &hKey);
        if (lResult != ERROR_SUCCESS)
            return lResult;
        lResult = ::RegQueryValueExW(hKey, lpszValue, NULL, &dwType, pData, &cbData);
        ::RegCloseKey(hKey);
        return lResult;
    }

    void PlantRaw(LPCTSTR lpszSubKey, LPCTSTR lpszValue, DWORD dwType, const void* pData, DWORD cbData)
    {
        HKEY hKey = NULL;
        CString strPath = m_strBase + L"\\" + lpszSubKey;
        ASSERT_EQ(ERROR_SUCCESS, ::RegCreateKeyExW(HKEY_CURRENT_USER, strPath, 0, NULL, 0, KEY_SET_VALUE, NULL, &hKey, NULL));
        ASSERT_EQ(ERROR_SUCCESS, ::RegSetValueExW(hKey, lpszValue, 0, dwType, static_cast<const BYTE*>(pData), cbData));
        ::RegCloseKey(hKey);
    }

    CString m_strBase;
};
}

TEST_F(TavrinRegistryTest, NothingStoredGivesDefaults)
{
    CTavrinRegistry registry(m_strBase);
    EXPECT_EQ(0x50001434u, registry.ReadDWord(L"Toolbars\\Main", 0x50001434));
    EXPECT_EQ(7u, registry.ReadDWord(L"Missing", 7));
    CRect rect = registry.ReadRect(L"Toolbars\\Main");
    EXPECT_EQ(CRect(0, 0, 0, 0), rect);
    EXPECT_TRUE(rect.IsRectNull());
    HKEY hKey = NULL;
    EXPECT_NE(ERROR_SUCCESS, ::RegOpenKeyExW(HKEY_CURRENT_USER, m_strBase, 0, KEY_READ, &hKey))
        << "reading creates no keys";
}

TEST_F(TavrinRegistryTest, DWordRoundTrip)
{
    CTavrinRegistry registry(m_strBase);
    for (DWORD dwValue : { 0u, 1u, 0x50001434u, 0xFFFFFFFFu })
    {
        registry.WriteDWord(L"Toolbars\\Main", dwValue);
        EXPECT_EQ(dwValue, registry.ReadDWord(L"Toolbars\\Main", 12345)) << std::hex << dwValue;
    }

    DWORD dwType = 0;
    DWORD dwStored = 0;
    DWORD cbData = sizeof(dwStored);
    ASSERT_EQ(ERROR_SUCCESS, QueryRaw(L"Toolbars\\Main", L"DWord", dwType, reinterpret_cast<BYTE*>(&dwStored), cbData));
    EXPECT_EQ(static_cast<DWORD>(REG_DWORD), dwType);
    EXPECT_EQ(0xFFFFFFFFu, dwStored);
}

TEST_F(TavrinRegistryTest, RectRoundTripAndStoredForm)
{
    CTavrinRegistry registry(m_strBase);
    const CRect rcFloating(-20, 5, 300, 35);
    registry.WriteRect(L"Toolbars\\Main", rcFloating);
    EXPECT_EQ(rcFloating, registry.ReadRect(L"Toolbars\\Main"));

    DWORD dwType = 0;
    LONG aCoords[5] = {};
    DWORD cbData = sizeof(aCoords);
    ASSERT_EQ(ERROR_SUCCESS, QueryRaw(L"Toolbars\\Main", L"Rect", dwType, reinterpret_cast<BYTE*>(aCoords), cbData));
    EXPECT_EQ(static_cast<DWORD>(REG_BINARY), dwType);
    ASSERT_EQ(4 * sizeof(LONG), cbData);
    EXPECT_EQ(-20, aCoords[0]);
    EXPECT_EQ(5, aCoords[1]);
    EXPECT_EQ(300, aCoords[2]);
    EXPECT_EQ(35, aCoords[3]);
}

TEST_F(TavrinRegistryTest, OneKeyHoldsAValueAndARectangle)
{
    CTavrinRegistry registry(m_strBase);
    registry.WriteDWord(L"Bar", 0x2001);
    registry.WriteRect(L"Bar", CRect(1, 2, 3, 4));
    registry.WriteDWord(L"Other", 99);
    EXPECT_EQ(0x2001u, registry.ReadDWord(L"Bar", 0));
    EXPECT_EQ(CRect(1, 2, 3, 4), registry.ReadRect(L"Bar"));
    EXPECT_EQ(99u, registry.ReadDWord(L"Other", 0));
    EXPECT_TRUE(registry.ReadRect(L"Other").IsRectNull()) << "a value alone stores no rectangle";
}

TEST_F(TavrinRegistryTest, StoredSettingsOutliveTheObject)
{
    {
        CTavrinRegistry writer(m_strBase);
        writer.WriteDWord(L"Persist", 42);
        writer.WriteRect(L"Persist", CRect(10, 20, 110, 50));
    }
    CTavrinRegistry reader(m_strBase + L"\\");
    EXPECT_EQ(42u, reader.ReadDWord(L"Persist", 0));
    EXPECT_EQ(CRect(10, 20, 110, 50), reader.ReadRect(L"\\Persist\\"));

    CTavrinRegistry otherBase(m_strBase + L"\\Elsewhere");
    EXPECT_EQ(5u, otherBase.ReadDWord(L"Persist", 5)) << "another base key sees other settings";
}

TEST_F(TavrinRegistryTest, ValuesOfAnotherKindReadAsNotStored)
{
    CTavrinRegistry registry(m_strBase);
    const wchar_t szText[] = L"1234";
    PlantRaw(L"Odd", L"DWord", REG_SZ, szText, sizeof(szText));
    const LONG aShort[3] = { 1, 2, 3 };
    PlantRaw(L"Odd", L"Rect", REG_BINARY, aShort, sizeof(aShort));
    EXPECT_EQ(77u, registry.ReadDWord(L"Odd", 77));
    EXPECT_TRUE(registry.ReadRect(L"Odd").IsRectNull());

    const LONG aLong[6] = { 1, 2, 3, 4, 5, 6 };
    PlantRaw(L"Long", L"Rect", REG_BINARY, aLong, sizeof(aLong));
    EXPECT_TRUE(registry.ReadRect(L"Long").IsRectNull());
    const ULONGLONG qw = 5;
    PlantRaw(L"Long", L"DWord", REG_QWORD, &qw, sizeof(qw));
    EXPECT_EQ(8u, registry.ReadDWord(L"Long", 8));
}

TEST_F(TavrinRegistryTest, KeyPaths)
{
    CTavrinRegistry registry(L"\\Software\\ZaDUV\\Gallery\\");
    EXPECT_STREQ(L"Software\\ZaDUV\\Gallery", registry.GetBaseKey());
    EXPECT_STREQ(L"Software\\ZaDUV\\Gallery\\Toolbars\\Main", registry.GetKeyPath(L"Toolbars\\Main"));
    EXPECT_STREQ(L"Software\\ZaDUV\\Gallery", registry.GetKeyPath(L""));
}
