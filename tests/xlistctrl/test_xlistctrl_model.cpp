// The cell records and item interface of CXListCtrl on a real report-view list: the InsertItem
// forms, the setters' results on bad input, and random operations against a plain model.
#include <gtest/gtest.h>

#include "DialogTemplate.h"
#include "MessagePump.h"
#include "xlist_test_helpers.h"

#include <algorithm>
#include <random>
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

// The plain model: what every getter must answer, kept beside the control.
struct SModelCell
{
    std::wstring strText;
    std::wstring strTip;
    int nCheck = -1;
    BOOL bBold = FALSE;
    BOOL bEnabled = TRUE;
    COLORREF crBackground = 0;
    int nComboSel = -1;     // -1 also for a cell without a combo
    BOOL bCombo = FALSE;
};

struct SModelRow
{
    std::vector<SModelCell> cells = std::vector<SModelCell>(3);
    DWORD_PTR dwData = 0;
};

int CALLBACK CompareAscending(LPARAM lParam1, LPARAM lParam2, LPARAM)
{
    return lParam1 < lParam2 ? -1 : (lParam1 > lParam2 ? 1 : 0);
}

TEST_F(XListModel, RandomOperationsMatchAPlainModel)
{
    const int kColumns = 3;
    std::mt19937 random(20240607);
    std::vector<SModelRow> model;
    DWORD_PTR dwNextData = 1;
    int nHeaderState = 1;
    ASSERT_TRUE(List().SetHeaderCheckedState(1, 1));
    auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    auto countChecked = [&](int nCol) {
        return static_cast<int>(std::count_if(model.begin(), model.end(),
            [&](const SModelRow& row) { return row.cells[nCol].nCheck == 1; }));
    };

    for (int nStep = 0; nStep < 2500; ++nStep)
    {
        SCOPED_TRACE(nStep);
        const int nCount = static_cast<int>(model.size());
        // Indices from -1 to count + 1: two of them invalid.
        const int nItem = pick(nCount + 3) - 1;
        const int nCol = pick(kColumns + 2) - 1;
        const bool bItemValid = nItem >= 0 && nItem < nCount;
        const bool bValid = bItemValid && nCol >= 0 && nCol < kColumns;
        SModelCell* pCell = bValid ? &model[nItem].cells[nCol] : nullptr;
        const std::wstring strText = L"t" + std::to_wstring(nStep);
        const int nValue = pick(4) - 1;
        switch (pick(nCount > 40 ? 14 : 12))
        {
        case 0:
        case 1:
        {
            const int nWhere = pick(nCount + 1);
            ASSERT_EQ(List().InsertItem(nWhere, strText.c_str()), nWhere);
            SModelRow row;
            for (SModelCell& cell : row.cells)
                cell.crBackground = m_crWindow;
            row.cells[0].strText = strText;
            model.insert(model.begin() + nWhere, row);
            break;
        }
        case 2:
            ASSERT_EQ(List().SetItemText(nItem, nCol, strText.c_str()), bValid);
            if (pCell)
                pCell->strText = strText;
            break;
        case 3:
            ASSERT_EQ(List().SetCheckbox(nItem, nCol, nValue), bValid);
            if (pCell)
                pCell->nCheck = nValue;
            if (pCell && nCol == 1)
                nHeaderState = countChecked(1) == nCount ? 2 : 1;
            break;
        case 4:
            ASSERT_EQ(List().SetBold(nItem, nCol, nValue & 1), bValid);
            if (pCell)
                pCell->bBold = nValue & 1;
            break;
        case 5:
            ASSERT_EQ(List().SetEnabled(nItem, nCol, nValue & 1), bValid);
            if (pCell)
                pCell->bEnabled = nValue & 1;
            break;
        case 6:
            List().SetItemColor(nItem, nCol, kRed, RGB(nStep & 0xFF, 0, 0));
            if (pCell)
                pCell->crBackground = RGB(nStep & 0xFF, 0, 0);
            break;
        case 7:
            ASSERT_EQ(List().SetItemToolTipText(nItem, nCol, strText.c_str()), bValid);
            if (pCell)
                pCell->strTip = strText;
            break;
        case 8:
            ASSERT_EQ(List().SetItemData(nItem, dwNextData), bItemValid);
            if (bItemValid)
                model[nItem].dwData = dwNextData;
            ++dwNextData;
            break;
        case 9:
            ASSERT_EQ(List().SetComboBox(nItem, nCol, TRUE, Choices(), 3, nValue), bValid);
            if (pCell)
            {
                pCell->bCombo = TRUE;
                pCell->nComboSel = nValue;
                pCell->strText = nValue < 0 ? L"?" : Choices()[nValue].m_strText.GetString();
            }
            break;
        case 10:
            ASSERT_EQ(List().DeleteItem(nItem), bItemValid);
            if (bItemValid)
                model.erase(model.begin() + nItem);
            break;
        case 11:
            // Distinct data keeps the order defined: the rows without data get their own.
            for (int i = 0; i < nCount; ++i)
            {
                if (model[i].dwData == 0)
                {
                    ASSERT_TRUE(List().SetItemData(i, model[i].dwData = dwNextData++));
                }
            }
            ASSERT_TRUE(List().SortItems(&CompareAscending, 0));
            std::sort(model.begin(), model.end(),
                [](const SModelRow& a, const SModelRow& b) { return a.dwData < b.dwData; });
            break;
        default:
            ASSERT_TRUE(nValue < 0 ? List().DeleteAllItems() : List().DeleteItem(nCount - 1));
            if (nValue < 0)
                model.clear();
            else
                model.pop_back();
            break;
        }

        ASSERT_EQ(List().GetItemCount(), static_cast<int>(model.size()));
        // The header box follows the last check of its column; a column without one keeps none.
        ASSERT_EQ(List().GetHeaderCheckedState(1), nHeaderState);
        ASSERT_EQ(List().GetHeaderCheckedState(2), 0);
        for (int c = 0; c < kColumns; ++c)
            ASSERT_EQ(List().CountCheckedItems(c), countChecked(c));
        for (int i = 0; i < static_cast<int>(model.size()); ++i)
        {
            ASSERT_EQ(List().GetItemData(i), model[i].dwData) << "item " << i;
            ASSERT_EQ(List().GetEnabled(i), model[i].cells[0].bEnabled) << "item " << i;
            for (int c = 0; c < kColumns; ++c)
            {
                const SModelCell& cell = model[i].cells[c];
                ASSERT_EQ(std::wstring(List().GetItemText(i, c).GetString()), cell.strText) << i << "," << c;
                ASSERT_EQ(std::wstring(List().GetItemToolTipText(i, c).GetString()), cell.strTip) << i << "," << c;
                ASSERT_EQ(std::vector<long long>({ List().GetCheckbox(i, c), List().GetBold(i, c),
                              List().GetItemColor(i, c), List().GetComboSel(i, c), List().IsComboBoxItem(i, c) }),
                    std::vector<long long>({ cell.nCheck, cell.bBold, cell.crBackground, cell.nComboSel, cell.bCombo }))
                    << i << "," << c;
            }
        }
    }
}
}
