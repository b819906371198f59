// DDX_Text of numbers: good input reaches the member, bad input tells the user what is
// expected, selects the offending text and makes UpdateData return FALSE.
#include <afxwin.h>
#include <gtest/gtest.h>
#include <cwchar>
#include <functional>

#include "DialogTemplate.h"
#include "HookedDialog.h"
#include "MessageBoxCatcher.h"

namespace
{
const UINT IDC_VALUE = 300;

// Exchanges the edit with one member of type T and reports the member as text.
template <class T>
std::function<void(CDataExchange*)> ExchangeAs(T& value)
{
    return [&value](CDataExchange* pDX) { DDX_Text(pDX, IDC_VALUE, value); };
}

struct SMembers
{
    BYTE b = 7;
    short s = 7;
    int i = 7;
    UINT u = 7;
    long l = 7;
    DWORD dw = 7;
    float f = 7;
    double d = 7;
};
}

TEST(DialogDataExchange, NumbersAreCheckedAndBadInputIsReportedAtTheControl)
{
    zaduv_test::CDialogTemplate t(CRect(0, 0, 120, 40), L"DDX");
    t.AddEdit(IDC_VALUE, CRect(5, 5, 100, 17));
    t.AddEdit(301, CRect(5, 20, 100, 32));
    CHookedDialog dlg;
    ASSERT_TRUE(dlg.CreateIndirect(t));
    dlg.ShowWindow(SW_SHOW);
    SMembers m;
    const LPCWSTR kInteger = L"Please enter an integer.";
    const LPCWSTR kPositive = L"Please enter a positive integer.";
    const LPCWSTR kNumber = L"Please enter a number.";
    const LPCWSTR kByte = L"Please enter an integer between 0 and 255.";
    struct SCase
    {
        std::function<void(CDataExchange*)> fnExchange;
        std::function<double()> fnValue;
        LPCWSTR pszInput;
        LPCWSTR pszPrompt;      // NULL: accepted
        double dExpected;
    };
    const SCase cases[] = {
        { ExchangeAs(m.i), [&] { return m.i; }, L"  -42 ", NULL, -42 },
        { ExchangeAs(m.i), [&] { return m.i; }, L"4x", kInteger, 7 },
        { ExchangeAs(m.i), [&] { return m.i; }, L"", kInteger, 7 },
        { ExchangeAs(m.i), [&] { return m.i; }, L"3000000000", kInteger, 7 },
        { ExchangeAs(m.s), [&] { return m.s; }, L"40000", kInteger, 7 },
        { ExchangeAs(m.l), [&] { return m.l; }, L"-2147483648", NULL, -2147483648.0 },
        { ExchangeAs(m.u), [&] { return m.u; }, L"-1", kPositive, 7 },
        { ExchangeAs(m.dw), [&] { return m.dw; }, L"4294967295", NULL, 4294967295.0 },
        { ExchangeAs(m.b), [&] { return m.b; }, L"256", kByte, 7 },
        { ExchangeAs(m.b), [&] { return m.b; }, L"255", NULL, 255 },
        { ExchangeAs(m.d), [&] { return m.d; }, L"2.5e3", NULL, 2500 },
        { ExchangeAs(m.d), [&] { return m.d; }, L"abc", kNumber, 7 },
        { ExchangeAs(m.f), [&] { return m.f; }, L"1e39", kNumber, 7 },
    };
    for (const SCase& c : cases)
    {
        m = SMembers();
        dlg.m_fnExchange = c.fnExchange;
        dlg.SetDlgItemText(IDC_VALUE, c.pszInput);
        dlg.GetDlgItem(301)->SetFocus();
        zaduv_test::CMessageBoxCatcher catcher;
        BOOL bOK = dlg.UpdateData(TRUE);
        EXPECT_EQ(c.pszPrompt == NULL, bOK != FALSE) << c.pszInput;
        EXPECT_EQ(c.dExpected, c.fnValue()) << c.pszInput;
        if (c.pszPrompt == NULL)
        {
            EXPECT_EQ(0, catcher.GetCount()) << c.pszInput;
            continue;
        }
        ASSERT_EQ(1, catcher.GetCount()) << c.pszInput;
        EXPECT_STREQ(c.pszPrompt, catcher.GetBoxes()[0].strText) << c.pszInput;
        EXPECT_STREQ(L"ZaDUVTests", catcher.GetBoxes()[0].strCaption);
        EXPECT_EQ(dlg.m_hWnd, catcher.GetBoxes()[0].hWndOwner);
        CWnd* pEdit = dlg.GetDlgItem(IDC_VALUE);
        EXPECT_EQ(pEdit->m_hWnd, ::GetFocus()) << c.pszInput;
        DWORD dwStart = 1, dwEnd = 0;
        pEdit->SendMessage(EM_GETSEL, reinterpret_cast<WPARAM>(&dwStart), reinterpret_cast<LPARAM>(&dwEnd));
        EXPECT_EQ(0u, dwStart) << c.pszInput;
        EXPECT_EQ(std::wcslen(c.pszInput), dwEnd) << "the whole text is selected for correction";
    }
}

TEST(DialogDataExchange, MembersAreWrittenAsTheUserWouldTypeThem)
{
    zaduv_test::CDialogTemplate t(CRect(0, 0, 120, 40), L"DDX");
    t.AddEdit(IDC_VALUE, CRect(5, 5, 100, 17));
    CHookedDialog dlg;
    ASSERT_TRUE(dlg.CreateIndirect(t));
    SMembers m;
    m.i = -5;
    m.u = 4000000000u;
    m.f = 1.5f;
    m.d = 0.1;
    m.b = 200;
    const struct { std::function<void(CDataExchange*)> fnExchange; LPCWSTR pszText; } cases[] = {
        { ExchangeAs(m.i), L"-5" }, { ExchangeAs(m.u), L"4000000000" }, { ExchangeAs(m.f), L"1.5" },
        { ExchangeAs(m.d), L"0.1" }, { ExchangeAs(m.b), L"200" },
    };
    for (const auto& c : cases)
    {
        dlg.m_fnExchange = c.fnExchange;
        EXPECT_TRUE(dlg.UpdateData(FALSE));
        CString strText;
        dlg.GetDlgItemText(IDC_VALUE, strText);
        EXPECT_STREQ(c.pszText, strText);
    }
}
