// CComboBox in a host dialog: chosen by typing and dropped down while the dialog's ON_CBN_
// entries hear each step; an owner-drawn combo sorts, draws and frees its
// items itself; data exchange with combos and lists.
#include <afxwin.h>
#include <gtest/gtest.h>
#include <algorithm>
#include <functional>
#include <vector>
#include "DialogTemplate.h"
#include "MessagePump.h"

using namespace zaduv_test;

namespace
{
const UINT IDC_FRUIT = 600, IDC_NUMBERS = 601, IDC_EDITCOMBO = 602, IDC_LIST = 603;

// Owner-drawn, sorted, without strings: every item is an int the combo owns.
class CNumberCombo : public CComboBox
{
public:
    static int s_nLive;
    int m_nDrawn = 0;
    static int Value(ULONG_PTR dwData) { return *reinterpret_cast<int*>(dwData); }
    void AddNumber(int n) { ++s_nLive; AddString(reinterpret_cast<LPCTSTR>(new int(n))); }
    virtual int CompareItem(LPCOMPAREITEMSTRUCT p) { return Value(p->itemData1) - Value(p->itemData2); }
    virtual void DeleteItem(LPDELETEITEMSTRUCT p) { --s_nLive; delete reinterpret_cast<int*>(p->itemData); }
    virtual void DrawItem(LPDRAWITEMSTRUCT p) { m_nDrawn += p->itemID != static_cast<UINT>(-1); }
};
int CNumberCombo::s_nLive = 0;

class CComboDialog : public CDialog
{
public:
    CComboBox m_fruit, m_edit;
    CNumberCombo m_numbers;
    CListBox m_list;
    std::vector<UINT> m_codes;
    std::function<void(CDataExchange*)> m_fnExchange;
    bool Heard(UINT nCode) const { return std::find(m_codes.begin(), m_codes.end(), nCode) != m_codes.end(); }
    virtual void DoDataExchange(CDataExchange* pDX)
    {
        DDX_Control(pDX, IDC_FRUIT, m_fruit);
        DDX_Control(pDX, IDC_NUMBERS, m_numbers);
        DDX_Control(pDX, IDC_EDITCOMBO, m_edit);
        DDX_Control(pDX, IDC_LIST, m_list);
        if (m_fnExchange)
            m_fnExchange(pDX);
    }
    template <UINT nCode> void Note() { m_codes.push_back(nCode); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CComboDialog, CDialog)
    ON_CBN_SELCHANGE(IDC_FRUIT, &CComboDialog::Note<CBN_SELCHANGE>)
    ON_CBN_DROPDOWN(IDC_FRUIT, &CComboDialog::Note<CBN_DROPDOWN>)
    ON_CBN_CLOSEUP(IDC_FRUIT, &CComboDialog::Note<CBN_CLOSEUP>)
    ON_CBN_SELENDCANCEL(IDC_FRUIT, &CComboDialog::Note<CBN_SELENDCANCEL>)
    ON_CBN_SETFOCUS(IDC_FRUIT, &CComboDialog::Note<CBN_SETFOCUS>)
    ON_CBN_KILLFOCUS(IDC_FRUIT, &CComboDialog::Note<CBN_KILLFOCUS>)
    ON_CBN_EDITCHANGE(IDC_EDITCOMBO, &CComboDialog::Note<CBN_EDITCHANGE>)
    ON_CBN_EDITUPDATE(IDC_EDITCOMBO, &CComboDialog::Note<CBN_EDITUPDATE>)
    ON_LBN_SETFOCUS(IDC_LIST, &CComboDialog::Note<LBN_SETFOCUS>)
    ON_LBN_KILLFOCUS(IDC_LIST, &CComboDialog::Note<LBN_KILLFOCUS>)
END_MESSAGE_MAP()

class ComboBoxTest : public ::testing::Test
{
protected:
    CComboDialog m_dlg;
    void SetUp() override
    {
        CDialogTemplate t(CRect(0, 0, 200, 140), L"combos", WS_POPUP | WS_VISIBLE | WS_CAPTION);
        t.AddControl(L"ComboBox", IDC_FRUIT, CRect(5, 5, 100, 80), CBS_DROPDOWNLIST | CBS_SORT | WS_VSCROLL);
        t.AddControl(L"ComboBox", IDC_NUMBERS, CRect(105, 5, 190, 80), CBS_DROPDOWNLIST | CBS_SORT | CBS_OWNERDRAWFIXED);
        t.AddControl(L"ComboBox", IDC_EDITCOMBO, CRect(5, 25, 100, 100), CBS_DROPDOWN | CBS_AUTOHSCROLL);
        t.AddListBox(IDC_LIST, CRect(105, 40, 190, 130), LBS_NOTIFY | LBS_SORT | WS_BORDER);
        ASSERT_TRUE(m_dlg.CreateIndirect(t, NULL));
        for (LPCTSTR lpsz : { L"cherry", L"apple", L"banana" })
        {
            m_dlg.m_fruit.AddString(lpsz);
            m_dlg.m_edit.AddString(lpsz);
            m_dlg.m_list.AddString(lpsz);
        }
    }
    // The window goes before the members its notifications write to.
    void TearDown() override { m_dlg.DestroyWindow(); }
    BOOL Exchange(BOOL bSave, std::function<void(CDataExchange*)> fn)
    {
        m_dlg.m_fnExchange = fn;
        return m_dlg.UpdateData(bSave);
    }
};
}

TEST_F(ComboBoxTest, TypingAndTheDropDownNotifyTheDialog)
{
    CComboBox& fruit = m_dlg.m_fruit;
    fruit.SetFocus();
    fruit.PostMessage(WM_CHAR, L'c', 1);
    EXPECT_TRUE(PumpUntil([&] { return fruit.GetCurSel() == 2; }, 2000));
    m_dlg.m_edit.GetWindow(GW_CHILD)->PostMessage(WM_CHAR, L'k', 1);
    EXPECT_TRUE(PumpUntil([&] { return m_dlg.Heard(CBN_EDITCHANGE); }, 2000));
    m_dlg.m_list.SetFocus();
    fruit.SetFocus();
    fruit.ShowDropDown();
    EXPECT_TRUE(fruit.GetDroppedState());
    fruit.ShowDropDown(FALSE);
    for (int nCode : { CBN_SETFOCUS, CBN_SELCHANGE, CBN_EDITUPDATE, CBN_KILLFOCUS, LBN_SETFOCUS, LBN_KILLFOCUS, CBN_DROPDOWN,
                       CBN_CLOSEUP, CBN_SELENDCANCEL })
        EXPECT_TRUE(m_dlg.Heard(nCode)) << nCode;
}

TEST_F(ComboBoxTest, OwnerDrawnComboSortsDrawsAndFreesItsItems)
{
    CNumberCombo& numbers = m_dlg.m_numbers;
    for (int n : { 30, 10, 20 })
        numbers.AddNumber(n);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(10 * (i + 1), CNumberCombo::Value(numbers.GetItemData(i)));
    numbers.SetCurSel(1);
    numbers.RedrawWindow();
    EXPECT_GT(numbers.m_nDrawn, 0);
    EXPECT_EQ(2, numbers.DeleteString(0));
    EXPECT_EQ(2, CNumberCombo::s_nLive);
    m_dlg.DestroyWindow();
    EXPECT_EQ(0, CNumberCombo::s_nLive);
}

TEST_F(ComboBoxTest, DataExchangeWithCombosAndListsAndBadIndices)
{
    int nIndex = 2;
    CString strEdit = L"ban", strList = L"ch", strMissing = L"ban";
    ASSERT_TRUE(Exchange(FALSE, [&](CDataExchange* pDX) {
        DDX_CBIndex(pDX, IDC_FRUIT, nIndex);
        DDX_CBString(pDX, IDC_EDITCOMBO, strEdit);
        DDX_LBString(pDX, IDC_LIST, strList);
    }));
    // The edit combo and the list select the first item that starts with the text.
    EXPECT_EQ(std::make_tuple(2, 2, 2), std::make_tuple(m_dlg.m_fruit.GetCurSel(), m_dlg.m_edit.GetCurSel(), m_dlg.m_list.GetCurSel()));

    strEdit = L"kiwi";
    ASSERT_TRUE(Exchange(FALSE, [&](CDataExchange* pDX) {
        DDX_CBString(pDX, IDC_EDITCOMBO, strEdit);
        DDX_CBStringExact(pDX, IDC_FRUIT, strMissing);
        DDX_LBStringExact(pDX, IDC_LIST, strMissing);
    }));
    EXPECT_EQ(std::make_pair(-1, -1), std::make_pair(m_dlg.m_fruit.GetCurSel(), m_dlg.m_list.GetCurSel())) << "no exact match selects nothing";

    m_dlg.m_fruit.SetCurSel(0);
    m_dlg.m_list.SetCurSel(1);
    ASSERT_TRUE(Exchange(TRUE, [&](CDataExchange* pDX) {
        DDX_CBString(pDX, IDC_EDITCOMBO, strEdit);
        DDX_CBString(pDX, IDC_FRUIT, strMissing);
        DDX_LBIndex(pDX, IDC_LIST, nIndex);
        DDX_LBString(pDX, IDC_LIST, strList);
    }));
    // Text not in the list stays in the edit field.
    EXPECT_EQ(std::make_tuple(CString(L"kiwi"), CString(L"apple"), 1, CString(L"banana")), std::make_tuple(strEdit, strMissing, nIndex, strList));

    // A bad index gives an empty text, never a stale one; a drop-down list has no edit field.
    m_dlg.m_fruit.GetLBText(99, strList);
    EXPECT_TRUE(strList.IsEmpty());
    EXPECT_EQ(std::make_pair(FALSE, TRUE), std::make_pair(m_dlg.m_fruit.SetEditSel(0, 1), m_dlg.m_edit.SetEditSel(0, 1)));
}
