// The cell records and item interface of CXListCtrl on a real report-view list: record
// defaults, the InsertItem forms, sorting by item data and the setters' results on bad input.
// Random operations against a plain model of the cells run in the hardening tests.
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
    CXListComboData Choices()
    {
        CXListComboData items;
        items.AddItem(L"Routine", 10);
        items.AddItem(L"Urgent", 20);
        items.AddItem(L"Stat", 30);
        return items;
    }

    CXListHost m_host;
    COLORREF m_crWindow = 0;
    COLORREF m_crWindowText = 0;
};

TEST_F(XListModel, NewItemHasTheDefaultRecordInEveryColumn)
{
    ASSERT_EQ(List().InsertItem(0, L"a"), 0);
    for (int nCol = 0; nCol < 3; ++nCol)
    {
        SCOPED_TRACE(nCol);
        const XLISTCTRLDATA* p = List().GetCell(0, nCol);
        ASSERT_NE(p, nullptr);
        EXPECT_EQ(std::vector<long long>({ p->bEnabled, p->bBold, p->nImage, p->bCombo, p->bComboButtonDown,
                      p->pComboItems != nullptr, p->nComboListRows, p->nComboSel, p->bProgress, p->nProgressPercent,
                      p->bShowProgressText, p->nCheckState, static_cast<long long>(p->dwItemData) }),
            std::vector<long long>({ TRUE, FALSE, -1, FALSE, FALSE, 0, 10, 0, FALSE, 0, TRUE, -1, 0 }));
        EXPECT_EQ(p->crText, m_crWindowText);
        EXPECT_EQ(p->crBackground, m_crWindow);
        EXPECT_TRUE(p->strToolTip.IsEmpty() && p->strProgressText.IsEmpty());
    }
    EXPECT_EQ(List().GetCell(0, 3), nullptr);
}

TEST_F(XListModel, InsertItemFormsFillElementZeroAndDropTheParameter)
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
    EXPECT_EQ(List().InsertItem(&lvi), -1);
    EXPECT_EQ(List().InsertItem(-1, L"x"), -1);
    EXPECT_EQ(List().InsertItem(-1, L"x", kRed, kBlue), -1);
    EXPECT_EQ(List().InsertItem(nullptr), -1);
    EXPECT_EQ(List().GetItemCount(), 3);
}

int CALLBACK CompareByData(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort)
{
    const int nOrder = static_cast<int>(lParamSort);
    return lParam1 < lParam2 ? -nOrder : (lParam1 > lParam2 ? nOrder : 0);
}

TEST_F(XListModel, SortItemsComparesTheItemDataGivenToSetItemData)
{
    const wchar_t* aTexts[] = { L"d", L"b", L"c", L"a" };
    const DWORD_PTR aData[] = { 40, 20, 30, 10 };
    for (int i = 0; i < 4; ++i)
    {
        List().InsertItem(i, aTexts[i]);
        ASSERT_TRUE(List().SetItemData(i, aData[i]));
    }
    ASSERT_TRUE(List().SortItems(&CompareByData, 1));
    EXPECT_EQ(List().GetItemText(0, 0) + List().GetItemText(1, 0) + List().GetItemText(2, 0) +
        List().GetItemText(3, 0), CString(L"abcd"));
    EXPECT_EQ(List().GetItemData(0), 10u);
    ASSERT_TRUE(List().SortItems(&CompareByData, static_cast<DWORD_PTR>(-1)));
    EXPECT_EQ(List().GetItemText(0, 0), CString(L"d"));
    EXPECT_FALSE(List().SortItems(nullptr, 0));
}

// Item 0 has records; item 1 was inserted by the base class and has none.
TEST_F(XListModel, SettersAnswerBadItemsColumnsAndMissingRecords)
{
    List().InsertItem(0, L"with records");
    List().CListCtrl::InsertItem(1, L"without");
    struct SCase
    {
        int nItem;
        int nCol;
        const char* lpszWhat;
        BOOL bTextResult;
    };
    const SCase aCases[] = {
        { -1, 0, "item -1", FALSE }, { 2, 0, "item == count", FALSE }, { 0, -1, "column -1", FALSE },
        { 0, 3, "column == count", FALSE }, { 1, 1, "no record", TRUE },
    };
    CXListComboData items = Choices();
    for (const SCase& c : aCases)
    {
        SCOPED_TRACE(c.lpszWhat);
        EXPECT_EQ(List().SetItemText(c.nItem, c.nCol, L"t"), c.bTextResult);
        EXPECT_EQ(List().SetItemText(c.nItem, c.nCol, nullptr, kRed, kBlue), c.bTextResult);
        EXPECT_EQ(List().SetItemImage(c.nItem, c.nCol, 1), c.bTextResult);
        EXPECT_FALSE(List().SetBold(c.nItem, c.nCol, TRUE));
        EXPECT_FALSE(List().GetBold(c.nItem, c.nCol));
        EXPECT_FALSE(List().SetEnabled(c.nItem, c.nCol, FALSE));
        EXPECT_FALSE(List().SetCheckbox(c.nItem, c.nCol, 1));
        EXPECT_EQ(List().GetCheckbox(c.nItem, c.nCol), -1);
        EXPECT_FALSE(List().SetProgress(c.nItem, c.nCol, TRUE, L"%d"));
        EXPECT_FALSE(List().SetComboBox(c.nItem, c.nCol, TRUE, items, 5, 1));
        EXPECT_FALSE(List().SetItemToolTipText(c.nItem, c.nCol, L"tip"));
        EXPECT_TRUE(List().GetItemToolTipText(c.nItem, c.nCol).IsEmpty());
        EXPECT_EQ(List().GetItemColor(c.nItem, c.nCol), 0u);
        List().SetItemColor(c.nItem, c.nCol, kRed, kBlue);
        List().UpdateProgress(c.nItem, c.nCol, 50);
        List().DeleteProgress(c.nItem, c.nCol);
    }
    const int aBadItems[] = { -1, 1, 2 };
    for (int nItem : aBadItems)
    {
        SCOPED_TRACE(nItem);
        EXPECT_FALSE(List().SetEnabled(nItem, FALSE));
        EXPECT_FALSE(List().GetEnabled(nItem));
        EXPECT_FALSE(List().SetItemData(nItem, 7));
        EXPECT_EQ(List().GetItemData(nItem), 0u);
        EXPECT_FALSE(List().DeleteItem(nItem == 1 ? 5 : nItem));
    }
    // The combo queries check the item through its record only.
    EXPECT_EQ(List().GetComboSel(1, 0), 0);
    EXPECT_EQ(List().GetComboSel(0, 0), -1);
    EXPECT_EQ(List().GetComboItemCount(7, 0), 0);
    EXPECT_EQ(List().GetComboItemData(0, 0, 0), -1);
    EXPECT_EQ(List().GetSelectedComboItemData(1, 0), -1);
    EXPECT_EQ(List().CountCheckedItems(-1), 0);
    EXPECT_EQ(List().CountCheckedItems(3), 0);
    EXPECT_EQ(List().GetHeaderCheckedState(3), -1);
    EXPECT_FALSE(List().SetHeaderCheckedState(-1, 1));
    EXPECT_TRUE(List().GetComboText(0, 3).IsEmpty());
    // Nothing of the above reached item 0.
    EXPECT_EQ(List().GetItemText(0, 0), CString(L"with records"));
    EXPECT_EQ(List().GetItemColor(0, 0), m_crWindow);
    EXPECT_EQ(List().GetItemCount(), 2);
}

TEST_F(XListModel, ColoursOfMinusOneMeanTheWindowColoursOnlyThroughSetItemText)
{
    List().InsertItem(0, L"a");
    ASSERT_TRUE(List().SetItemText(0, 1, L"b", static_cast<COLORREF>(-1), static_cast<COLORREF>(-1)));
    EXPECT_EQ(List().GetCell(0, 1)->crText, m_crWindowText);
    EXPECT_EQ(List().GetItemColor(0, 1), m_crWindow);
    List().SetItemColor(0, 1, kRed, static_cast<COLORREF>(-1));
    EXPECT_EQ(List().GetItemColor(0, 1), static_cast<COLORREF>(-1));
    List().SetItemColor(0, 1, kRed, kBlue);
    EXPECT_EQ(List().GetItemColor(0, 1), kBlue);
    EXPECT_EQ(List().GetCell(0, 1)->crText, kRed);
}

TEST_F(XListModel, ComboCellsTakeTheirInitialSelectionAndSelectByData)
{
    for (int i = 0; i < 4; ++i)
        List().InsertItem(i, L"row");
    List().SetItemText(3, 2, L"kept");
    const struct
    {
        int nItem;
        int nSel;
        LPCWSTR lpszText;
        int nData;
    } aCases[] = { { 0, -1, L"?", -1 }, { 1, 1, L"Urgent", 20 }, { 2, 0, L"Routine", 10 }, { 3, 3, L"kept", -1 } };
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

TEST_F(XListModel, HeaderCheckStateFollowsTheLastCheckOfItsColumn)
{
    for (int i = 0; i < 3; ++i)
        List().InsertItem(i, L"row");
    ASSERT_TRUE(List().SetHeaderCheckedState(1, 1));
    const int aStates[][3] = { { 1, 1, 0 }, { 1, 1, 1 }, { 1, 2, 1 }, { 1, 1, 1 } };
    for (const auto& states : aStates)
    {
        for (int i = 0; i < 3; ++i)
            List().SetCheckbox(i, 1, states[i]);
        EXPECT_EQ(List().GetHeaderCheckedState(1), states[0] + states[1] + states[2] == 3 ? 2 : 1);
    }
    ASSERT_TRUE(List().DeleteItem(0));
    EXPECT_EQ(List().CountCheckedItems(1), 2);
}

TEST_F(XListModel, ColumnZeroEndsWhereColumnOneBegins)
{
    List().InsertItem(0, L"a");
    CRect rect0;
    CRect rect1;
    ASSERT_TRUE(List().GetSubItemRect(0, 0, LVIR_BOUNDS, rect0));
    ASSERT_TRUE(List().GetSubItemRect(0, 1, LVIR_BOUNDS, rect1));
    EXPECT_EQ(rect0.right, rect1.left);
    EXPECT_EQ(rect0.Width(), 100);
    EXPECT_FALSE(List().GetSubItemRect(0, 3, LVIR_BOUNDS, rect0));
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
