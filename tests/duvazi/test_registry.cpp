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
        m_strBase.Format(L"Software\\ZaDUVTests\\duvazi_%lu", ::GetCurrentProcessId());
        ::RegDeleteTreeW(HKEY_CURRENT_USER, m_strBase);
    }

    void TearDown() override
    {
        ::RegDeleteTreeW(HKEY_CURRENT_USER, m_strBase);
        ::RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\ZaDUVTests");
    }

    CString m_strBase;
};
}

TEST_F(TavrinRegistryTest, DefaultsUntilWrittenThenReadBackThroughAnotherObject)
{
    CTavrinRegistry empty(m_strBase);
    EXPECT_EQ(7u, empty.ReadDWord(L"Toolbars\\Main", 7));
    EXPECT_TRUE(empty.ReadRect(L"Toolbars\\Main").IsRectNull());
    empty.WriteDWord(L"ValueOnly", 99);
    EXPECT_TRUE(empty.ReadRect(L"ValueOnly").IsRectNull()) << "a value alone stores no rectangle";

    for (DWORD dwValue : { 0u, 0x50001434u, 0xFFFFFFFFu })
    {
        const CRect rect(-20, static_cast<int>(dwValue & 0xFF), 300, 35);
        {
            CTavrinRegistry writer(m_strBase);
            writer.WriteDWord(L"Toolbars\\Main", dwValue);
            writer.WriteRect(L"Toolbars\\Main", rect);
        }
        CTavrinRegistry reader(m_strBase);
        EXPECT_EQ(dwValue, reader.ReadDWord(L"Toolbars\\Main", 12345)) << std::hex << dwValue;
        EXPECT_EQ(rect, reader.ReadRect(L"Toolbars\\Main"));
    }
    EXPECT_EQ(99u, CTavrinRegistry(m_strBase).ReadDWord(L"ValueOnly", 0));
    EXPECT_EQ(8u, CTavrinRegistry(m_strBase + L"\\Elsewhere").ReadDWord(L"Toolbars\\Main", 8));
}
