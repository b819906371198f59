// DDX_Text of numbers: members reach the edit as the user would type them; good input comes
// back, bad input tells the user what is expected, selects the offending text and makes
// UpdateData return FALSE.
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

struct SMembers { BYTE b = 7; short s = 7; int i = 7; UINT u = 7; long l = 7; DWORD dw = 7; float f = 7; double d = 7; };

// Exchanges the edit with one member and reads the member back as a number.
struct SExchange { std::function<void(CDataExchange*)> fnExchange; std::function<double()> fnValue; };

template <class T>
SExchange As(T& value)
{
    return { [&value](CDataExchange* pDX) { DDX_Text(pDX, IDC_VALUE, value); }, [&value] { return double(value); } };
}
}

TEST(DialogDataExchange, NumbersAreWrittenAsTypedAndBadInputIsReportedAtTheControl)
{
    zaduv_test::CDialogTemplate t(CRect(0, 0, 120, 40), L"DDX");
    t.AddEdit(IDC_VALUE, CRect(5, 5, 100, 17));
    t.AddEdit(301, CRect(5, 20, 100, 32));
    CHookedDialog dlg;
    ASSERT_TRUE(dlg.CreateIndirect(t));
    dlg.ShowWindow(SW_SHOW);
    SMembers m = { 200, 7, -5, 4000000000u, 7, 7, 1.5f, 0.1 };
    const struct { SExchange x; LPCWSTR pszText; } writes[] = {
        { As(m.i), L"-5" }, { As(m.u), L"4000000000" }, { As(m.f), L"1.5" }, { As(m.d), L"0.1" }, { As(m.b), L"200" },
    };
    for (const auto& c : writes)
    {
        dlg.m_fnExchange = c.x.fnExchange;
        EXPECT_TRUE(dlg.UpdateData(FALSE));
        CString strText;
        dlg.GetDlgItemText(IDC_VALUE, strText);
        EXPECT_STREQ(c.pszText, strText);
    }

    const LPCWSTR kInteger = L"Please enter an integer.";
    const LPCWSTR kNumber = L"Please enter a number.";
    const struct { SExchange x; LPCWSTR pszInput; LPCWSTR pszPrompt; double dExpected; } reads[] = {
        { As(m.i), L"  -42 ", NULL, -42 },
        { As(m.i), L"4x", kInteger, 7 },
        { As(m.i), L"", kInteger, 7 },
        { As(m.i), L"3000000000", kInteger, 7 },
        { As(m.s), L"40000", kInteger, 7 },
        { As(m.l), L"-2147483648", NULL, -2147483648.0 },
        { As(m.u), L"-1", L"Please enter a positive integer.", 7 },
        { As(m.dw), L"4294967295", NULL, 4294967295.0 },
        { As(m.b), L"256", L"Please enter an integer between 0 and 255.", 7 },
        { As(m.b), L"255", NULL, 255 },
        { As(m.d), L"2.5e3", NULL, 2500 },
        { As(m.d), L"abc", kNumber, 7 },
        { As(m.f), L"1e39", kNumber, 7 },
    };
    for (const auto& c : reads)
    {
        m = SMembers();
        dlg.m_fnExchange = c.x.fnExchange;
        dlg.SetDlgItemText(IDC_VALUE, c.pszInput);
        dlg.GetDlgItem(301)->SetFocus();
        zaduv_test::CMessageBoxCatcher catcher;
        EXPECT_EQ(c.pszPrompt == NULL, dlg.UpdateData(TRUE) != FALSE) << c.pszInput;
        EXPECT_EQ(c.dExpected, c.x.fnValue()) << c.pszInput;
        if (c.pszPrompt == NULL)
        {
            EXPECT_EQ(0, catcher.GetCount()) << c.pszInput;
            continue;
        }
        ASSERT_EQ(1, catcher.GetCount()) << c.pszInput;
        EXPECT_EQ(std::make_tuple(CString(c.pszPrompt), CString(L"ZaDUVTests"), dlg.m_hWnd), std::make_tuple(
            catcher.GetBoxes()[0].strText, catcher.GetBoxes()[0].strCaption, catcher.GetBoxes()[0].hWndOwner)) << c.pszInput;
        EXPECT_EQ(dlg.GetDlgItem(IDC_VALUE)->m_hWnd, ::GetFocus()) << c.pszInput;
        EXPECT_EQ(MAKELONG(0, std::wcslen(c.pszInput)), dlg.SendDlgItemMessage(IDC_VALUE, EM_GETSEL)) << "the whole text is selected for correction";
    }
}
