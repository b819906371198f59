// The cell records and item interface of CXListCtrl on a real report-view list: the InsertItem
// forms and the setters' results on bad input. Random operations against a plain model of the
// cells run in the hardening tests.
#include <gtest/gtest.h>

#include "DialogTemplate.h"
#include "MessagePump.h"
#include "xlist_test_helpers.h"

#include <string>

using namespace zaduv_test;

namespace
{
const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kBlue = RGB(0, 0, 255);

class XListModel : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_host.Create({ { L"Name", LVCFMT_LEFT, 100 }, { L"Check", LVCFMT_LEFT, 80 },
                                    { L"State", LVCFMT_LEFT, 100 } }, FALSE));
        m_crWindow = ::GetSysColor(COLOR_WINDOW);
        m_crWindowText = ::GetSysColor(COLOR_WINDOWTEXT);
    }
    CProbeXList& List() { return m_host.m_list; }
    static CXListComboData Choices()
    {
        CXListComboData items;
        const LPCWSTR aTexts[] = { L"Routine", L"Urgent", L"Stat" };
        for (int i = 0; i < 3; ++i)
            items.AddItem(aTexts[i], 10 * (i + 1));
        return items;
    }

    CXListHost m_host;
    COLORREF m_crWindow = 0;
    COLORREF m_crWindowText = 0;
};

TEST_F(XListModel, InsertItemFormsFillElementZeroDropTheParameterAndKeepColoursOfMinusOne)
{
    LVITEM lvi = {};
    lvi.mask = LVIF_TEXT | LVIF_PARAM;
    lvi.iItem = 0;
    lvi.pszText = const_cast<LPWSTR>(L"described");
    lvi.iImage = 5;
    lvi.lParam = 1234;
    ASSERT_EQ(List().InsertItem(&lvi), 0);
    EXPECT_EQ(List().GetCell(0, 0)->nImage, 5);
    EXPECT_EQ(List().GetItemData(0), 0u);

    ASSERT_EQ(List().InsertItem(1, L"coloured", kRed, static_cast<COLORREF>(-1)), 1);
    EXPECT_EQ(List().GetCell(1, 0)->crText, kRed);
    EXPECT_EQ(List().GetCell(1, 0)->crBackground, static_cast<COLORREF>(-1));
    EXPECT_EQ(List().GetCell(1, 0)->nImage, -1);

    ASSERT_EQ(List().InsertItem(99, L"appended"), 2);
    EXPECT_EQ(List().GetItemText(2, 0), CString(L"appended"));
    EXPECT_EQ(List().GetCell(2, 0)->crText, m_crWindowText);

    lvi.iItem = -1;
    EXPECT_EQ(std::vector<int>({ List().InsertItem(&lvi), List().InsertItem(-1, L"x"),
                  List().InsertItem(-1, L"x", kRed, kBlue), List().InsertItem(nullptr) }),
        std::vector<int>(4, -1));
    EXPECT_EQ(List().GetItemCount(), 3);

    // Colours of -1 mean the window's colours only through SetItemText.
    ASSERT_TRUE(List().SetItemText(0, 1, L"b", static_cast<COLORREF>(-1), static_cast<COLORREF>(-1)));
    EXPECT_EQ(List().GetCell(0, 1)->crText, m_crWindowText);
    EXPECT_EQ(List().GetItemColor(0, 1), m_crWindow);
    List().SetItemColor(0, 1, kRed, static_cast<COLORREF>(-1));
    EXPECT_EQ(List().GetItemColor(0, 1), static_cast<COLORREF>(-1));
    List().SetItemColor(0, 1, kRed, kBlue);
    EXPECT_EQ(List().GetItemColor(0, 1), kBlue);
    EXPECT_EQ(List().GetCell(0, 1)->crText, kRed);
}

// Item 0 has records; item 1 was inserted by the base class and has none.
TEST_F(XListModel, SettersAnswerBadItemsColumnsAndMissingRecords)
{
    List().InsertItem(0, L"with records");
    List().CListCtrl::InsertItem(1, L"without");
    const struct { int nItem; int nCol; BOOL bTextResult; } aCases[] = { { -1, 0, FALSE }, { 2, 0, FALSE }, { 0, -1, FALSE }, { 0, 3, FALSE }, { 1, 1, TRUE } };
    for (const auto& c : aCases)
    {
        SCOPED_TRACE(testing::Message() << c.nItem << "," << c.nCol);
        const int t = c.bTextResult;
        EXPECT_EQ(std::vector<long long>({ List().SetItemText(c.nItem, c.nCol, L"t"),
                      List().SetItemText(c.nItem, c.nCol, nullptr, kRed, kBlue), List().SetItemImage(c.nItem, c.nCol, 1),
                      List().SetBold(c.nItem, c.nCol, TRUE), List().GetBold(c.nItem, c.nCol),
                      List().SetEnabled(c.nItem, c.nCol, FALSE), List().SetCheckbox(c.nItem, c.nCol, 1),
                      List().GetCheckbox(c.nItem, c.nCol), List().SetProgress(c.nItem, c.nCol, TRUE, L"%d"),
                      List().SetComboBox(c.nItem, c.nCol, TRUE, Choices(), 5, 1),
                      List().SetItemToolTipText(c.nItem, c.nCol, L"tip"), List().GetItemColor(c.nItem, c.nCol) }),
            std::vector<long long>({ t, t, t, 0, 0, 0, 0, -1, 0, 0, 0, 0 }));
        EXPECT_TRUE(List().GetItemToolTipText(c.nItem, c.nCol).IsEmpty());
        List().SetItemColor(c.nItem, c.nCol, kRed, kBlue);
        List().UpdateProgress(c.nItem, c.nCol, 50);
        List().DeleteProgress(c.nItem, c.nCol);
    }
    for (int nItem : { -1, 1, 2 })
        EXPECT_EQ(std::vector<long long>({ List().SetEnabled(nItem, FALSE), List().GetEnabled(nItem),
                      List().SetItemData(nItem, 7), static_cast<long long>(List().GetItemData(nItem)) }),
            std::vector<long long>({ 0, 0, 0, 0 })) << nItem;
    // The combo queries check the item through its record only.
    EXPECT_EQ(std::vector<int>({ List().GetComboSel(1, 0), List().GetComboSel(0, 0), List().GetComboItemCount(7, 0),
                  List().GetComboItemData(0, 0, 0), List().GetSelectedComboItemData(1, 0), List().CountCheckedItems(-1),
                  List().CountCheckedItems(3), List().GetHeaderCheckedState(3), List().SetHeaderCheckedState(-1, 1) }),
        std::vector<int>({ 0, -1, 0, -1, -1, 0, 0, -1, 0 }));
    EXPECT_FALSE(List().SortItems(nullptr, 0));
    EXPECT_EQ(List().GetItemText(0, 0), CString(L"with records"));
    EXPECT_EQ(List().GetItemColor(0, 0), m_crWindow);
    EXPECT_EQ(List().GetItemCount(), 2);
}

TEST_F(XListModel, ComboCellsTakeTheirInitialSelectionAndSelectByData)
{
    for (int i = 0; i < 4; ++i)
        List().InsertItem(i, L"row");
    List().SetItemText(3, 2, L"kept");
    const struct { int nItem; int nSel; LPCWSTR lpszText; int nData; } aCases[] = { { 0, -1, L"?", -1 }, { 1, 1, L"Urgent", 20 }, { 2, 0, L"Routine", 10 }, { 3, 3, L"kept", -1 } };
    for (const auto& c : aCases)
    {
        SCOPED_TRACE(c.nSel);
        ASSERT_TRUE(List().SetComboBox(c.nItem, 2, TRUE, Choices(), 4, c.nSel));
        EXPECT_TRUE(List().IsComboBoxItem(c.nItem, 2));
        EXPECT_EQ(List().GetComboSel(c.nItem, 2), c.nSel);
        EXPECT_EQ(List().GetComboText(c.nItem, 2), CString(c.lpszText));
        EXPECT_EQ(List().GetSelectedComboItemData(c.nItem, 2), c.nData);
        EXPECT_EQ(List().GetComboItemCount(c.nItem, 2), 3);
    }
    EXPECT_TRUE(List().GetExtendedStyle() & LVS_EX_FULLROWSELECT);

    List().SetComboSelByData(1, 2, 99);
    EXPECT_EQ(List().GetComboSel(1, 2), 1);
    EXPECT_EQ(List().GetComboText(1, 2), CString(L"Urgent"));
    List().SetComboSelByData(1, 2, 30);
    EXPECT_EQ(List().GetComboSel(1, 2), 2);
    EXPECT_EQ(List().GetComboText(1, 2), CString(L"Stat"));

    // Switching the combo off keeps its entries and selection.
    ASSERT_TRUE(List().SetComboBox(1, 2, FALSE, CXListComboData(), 1, 0));
    EXPECT_FALSE(List().IsComboBoxItem(1, 2));
    EXPECT_EQ(List().GetComboSel(1, 2), -1);
    EXPECT_EQ(List().GetCell(1, 2)->pComboItems->GetSize(), 3);
}

TEST(XListHosting, SubclassedFromADialogTemplateTheListAttachesItsHeader)
{
    CDialog dialog;
    CDialogTemplate dlgTemplate(CRect(0, 0, 200, 100), L"XList", WS_POPUP | WS_CAPTION);
    dlgTemplate.AddListView(100, CRect(5, 5, 195, 95));
    ASSERT_TRUE(dialog.CreateIndirect(dlgTemplate.GetTemplate()));
    CProbeXList list;
    ASSERT_TRUE(list.SubclassDlgItem(100, &dialog));
    list.InsertColumn(0, L"A", LVCFMT_LEFT, 60);
    list.InsertColumn(1, L"B", LVCFMT_LEFT, 60);
    EXPECT_EQ(list.GetColumns(), 2);
    EXPECT_EQ(CWnd::FromHandlePermanent(ListView_GetHeader(list.m_hWnd)) != nullptr, true);
    list.InsertItem(0, L"a");
    EXPECT_TRUE(list.SetHeaderCheckedState(1, 2));
    EXPECT_EQ(list.GetHeaderCheckedState(1), 2);
    dialog.DestroyWindow();
    EXPECT_EQ(list.m_hWnd, nullptr);
}
}
