// The extended list against a plain model of its cells, through the drop-down a click opens,
// and its combo entries against a vector.
#include <zaduv.h>
#include <xlistctrl/XComboList.h>

#include "DibSurface.h"
#include "FuzzEngine.h"
#include "HostWindow.h"
#include "MessagePump.h"

#include <algorithm>

using namespace zaduv_fuzz;
using zaduv_test::CHostWindow;

namespace
{
const int kColumns = 3;

class CFuzzXList : public CXListCtrl
{
public:
    using CXListCtrl::m_pComboList;
};

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
    BOOL bProgress = FALSE;
};

struct SModelRow
{
    std::vector<SModelCell> cells;
    DWORD_PTR dwData = 0;
};

int CALLBACK CompareAscending(LPARAM lParam1, LPARAM lParam2, LPARAM)
{
    return lParam1 < lParam2 ? -1 : (lParam1 > lParam2 ? 1 : 0);
}

CXListComboData Choices()
{
    CXListComboData items;
    items.AddItem(L"Routine", 10);
    items.AddItem(L"Urgent", 20);
    items.AddItem(L"Stat", 30);
    return items;
}

// The list in a visible host, three columns, and the plain model of what every getter answers.
class CXListSubject : public CFuzzSubject
{
public:
    CXListSubject() : m_pList(new CFuzzXList) {}
    CWnd* Window() override { return m_pList.get(); }
    CFuzzXList& List() { return *m_pList; }

    void Destroy(CFuzz&) override
    {
        m_host.DestroyWindow();
        m_model.clear();
        m_nHeaderState = -1;
    }

    void Create() override
    {
        // A list object attaches its header once; a new window gets a new object.
        if (m_pList->GetSafeHwnd() == nullptr && m_bUsed)
            m_pList.reset(new CFuzzXList);
        m_bUsed = true;
        m_host.CreateHost(360, 200);
        List().Create(WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SHOWSELALWAYS, CRect(0, 0, 360, 200), &m_host, 100);
        for (int c = 0; c < kColumns; ++c)
            List().InsertColumn(c, L"Column", LVCFMT_LEFT, 110);
        List().SetHeaderCheckedState(1, 1);
        m_nHeaderState = List().GetSafeHwnd() ? 1 : -1;
    }

    int CountChecked(int nCol) const
    {
        return static_cast<int>(std::count_if(m_model.begin(), m_model.end(),
            [&](const SModelRow& row) { return row.cells[nCol].nCheck == 1; }));
    }

    void CheckCell(CFuzz& f, int i, int c)
    {
        const SModelCell& cell = m_model[i].cells[c];
        f.Expect(Text(List().GetItemText(i, c)), cell.strText, "GetItemText");
        f.Expect(Text(List().GetItemToolTipText(i, c)), cell.strTip, "GetItemToolTipText");
        f.Expect(std::vector<long long>({ List().GetCheckbox(i, c), List().GetBold(i, c), List().GetItemColor(i, c),
                     List().GetComboSel(i, c), List().IsComboBoxItem(i, c) }),
            std::vector<long long>({ cell.nCheck, cell.bBold, cell.crBackground, cell.nComboSel, cell.bCombo }),
            "check, bold, colour, combo selection, combo flag");
    }

    // The item count and one random cell after every call; everything now and then.
    void Check(CFuzz& f) override
    {
        f.Expect(List().GetItemCount(), static_cast<int>(m_model.size()), "GetItemCount");
        f.Expect(List().GetHeaderCheckedState(1), m_nHeaderState, "GetHeaderCheckedState(1)");
        for (int c = 0; c < kColumns; ++c)
            f.Expect(List().CountCheckedItems(c), List().GetSafeHwnd() ? CountChecked(c) : 0, "CountCheckedItems");
        const int nRows = static_cast<int>(m_model.size());
        const bool bAll = f.m_nCalls % 50 == 0;
        for (int i = bAll ? 0 : f.Pick(nRows); i < nRows; ++i)
        {
            f.Expect(List().GetItemData(i), m_model[i].dwData, "GetItemData");
            f.Expect(List().GetEnabled(i), m_model[i].cells[0].bEnabled, "GetEnabled");
            for (int c = 0; c < kColumns; ++c)
                CheckCell(f, i, c);
            if (!bAll)
                break;
        }
    }

    // Presses the combo button of a selected combo cell with a click and closes the
    // drop-down the way its popup reports an escape.
    void OpenAndCloseDropDown(CFuzz& f)
    {
        int nItem = -1;
        for (int i = 0; i < static_cast<int>(m_model.size()) && nItem < 0; ++i)
        {
            // A click toggles a cell that has a check box, and a progress cell paints no button.
            const SModelCell& cell = m_model[i].cells[2];
            if (cell.bCombo && cell.nCheck < 0 && !cell.bProgress && cell.bEnabled && m_model[i].cells[0].bEnabled)
                nItem = i;
        }
        if (nItem < 0 || !List().GetSafeHwnd())
            return;
        List().EnsureVisible(nItem, FALSE);
        List().SetCurSel(nItem);
        CRect rect;
        List().GetSubItemRect(nItem, 2, LVIR_BOUNDS, rect);
        const LPARAM lPoint = MAKELPARAM(rect.right - 3, rect.CenterPoint().y);
        List().PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, lPoint);
        List().PostMessage(WM_LBUTTONUP, 0, lPoint);
        f.Expect(zaduv_test::PumpUntil([&] { return List().m_pComboList != nullptr; }, 3000), true,
            "drop-down opened by a click on the button");
        static const UINT WM_ESCAPE = ::RegisterWindowMessageW(L"WM_XCOMBOLIST_VK_ESCAPE");
        List().SendMessage(WM_ESCAPE);
        f.Expect(zaduv_test::PumpUntil([&] { return List().m_pComboList == nullptr; }, 3000), true,
            "drop-down closed after an escape");
        // An escape writes back the text the drop-down opened with: the shown text when an entry
        // has it, "?" when none has, and nothing (empty) when the cell showed none.
        SModelCell& cell = m_model[nItem].cells[2];
        const CXListComboData entries = Choices();
        std::wstring strShown = cell.strText;
        if (strShown.empty() && cell.nComboSel >= 0 && cell.nComboSel < entries.GetSize())
            strShown = Text(entries[cell.nComboSel].m_strText);
        bool bFound = false;
        for (INT_PTR e = 0; e < entries.GetSize(); ++e)
            bFound = bFound || Text(entries[e].m_strText) == strShown;
        cell.strText = strShown.empty() ? L"" : (bFound ? strShown : L"?");
        List().SetItemState(nItem, 0, LVIS_SELECTED);
    }

    std::vector<SFuzzOp> Ops() override
    {
        // A call on a random cell, valid or not; the model's cell is null when it is not.
        auto cellOp = [this](const char* lpszName, int nWeight, std::function<void(CFuzz&, int, int, SModelCell*)> fn) {
            return SFuzzOp{ lpszName, nWeight, [this, fn](CFuzz& f) {
                const int i = f.Index(static_cast<int>(m_model.size())), c = f.Index(kColumns);
                const bool bValid = i >= 0 && i < static_cast<int>(m_model.size()) && c >= 0 && c < kColumns;
                fn(f, i, c, bValid ? &m_model[i].cells[c] : nullptr);
            } };
        };
        return {
            { "InsertItem", 12, [this](CFuzz& f) {
                 const int nWhere = f.Index(static_cast<int>(m_model.size()));
                 const std::wstring strText = L"t" + std::to_wstring(f.m_nCalls);
                 const int nResult = List().InsertItem(nWhere, strText.c_str());
                 const int nStated = nWhere < 0 || !List().GetSafeHwnd() ? -1
                     : std::min(nWhere, static_cast<int>(m_model.size()));
                 f.Expect(nResult, nStated, "InsertItem");
                 if (nStated < 0)
                     return;
                 SModelRow row;
                 row.cells.resize(kColumns);
                 for (SModelCell& c : row.cells)
                     c.crBackground = ::GetSysColor(COLOR_WINDOW);
                 row.cells[0].strText = strText;
                 m_model.insert(m_model.begin() + nStated, row);
             } },
            cellOp("SetItemText", 6, [this](CFuzz& f, int i, int c, SModelCell* p) {
                 const std::wstring strText = L"s" + std::to_wstring(f.m_nCalls);
                 f.Expect(List().SetItemText(i, c, strText.c_str()), p != nullptr, "SetItemText");
                 if (p)
                     p->strText = strText;
             }),
            cellOp("SetCheckbox", 6, [this](CFuzz& f, int i, int c, SModelCell* p) {
                 const int nState = f.Pick(4) - 1;
                 f.Expect(List().SetCheckbox(i, c, nState), p != nullptr, "SetCheckbox");
                 if (p)
                     p->nCheck = nState;
                 if (p && c == 1)
                     m_nHeaderState = CountChecked(1) == static_cast<int>(m_model.size()) ? 2 : 1;
             }),
            cellOp("SetBold", 5, [this](CFuzz& f, int i, int c, SModelCell* p) {
                 const BOOL bBold = f.Pick(2);
                 f.Expect(List().SetBold(i, c, bBold), p != nullptr, "SetBold");
                 if (p)
                     p->bBold = bBold;
             }),
            cellOp("SetEnabled", 4, [this](CFuzz& f, int i, int c, SModelCell* p) {
                 const BOOL bEnabled = f.Chance(70);
                 f.Expect(List().SetEnabled(i, c, bEnabled), p != nullptr, "SetEnabled");
                 if (p)
                     p->bEnabled = bEnabled;
             }),
            cellOp("SetItemColor", 4, [this](CFuzz& f, int i, int c, SModelCell* p) {
                 const COLORREF cr = RGB(f.Pick(256), 0, f.Pick(256));
                 List().SetItemColor(i, c, RGB(255, 0, 0), cr);
                 if (p)
                     p->crBackground = cr;
             }),
            cellOp("SetItemToolTipText", 3, [this](CFuzz& f, int i, int c, SModelCell* p) {
                 const std::wstring strTip = L"tip" + std::to_wstring(f.m_nCalls);
                 f.Expect(List().SetItemToolTipText(i, c, strTip.c_str()), p != nullptr, "SetItemToolTipText");
                 if (p)
                     p->strTip = strTip;
             }),
            { "SetItemData", 4, [this](CFuzz& f) {
                 const int i = f.Index(static_cast<int>(m_model.size()));
                 const bool bValid = i >= 0 && i < static_cast<int>(m_model.size());
                 f.Expect(List().SetItemData(i, ++m_dwNextData), bValid, "SetItemData");
                 if (bValid)
                     m_model[i].dwData = m_dwNextData;
             } },
            cellOp("SetComboBox", 4, [this](CFuzz& f, int i, int c, SModelCell* p) {
                 const int nSel = f.Pick(5) - 1;
                 f.Expect(List().SetComboBox(i, c, TRUE, Choices(), 3, nSel), p != nullptr, "SetComboBox");
                 if (!p)
                     return;
                 p->bCombo = TRUE;
                 p->nComboSel = nSel;
                 if (nSel < 3)
                     p->strText = nSel < 0 ? L"?" : Text(Choices()[nSel].m_strText);
             }),
            cellOp("SetProgress", 2, [this](CFuzz& f, int i, int c, SModelCell* p) {
                 f.Expect(List().SetProgress(i, c, f.Pick(2), f.Chance(50) ? L"%d%%" : nullptr), p != nullptr,
                     "SetProgress");
                 List().UpdateProgress(i, c, f.Pick(120));
                 const bool bDelete = f.Chance(50);
                 if (bDelete)
                     List().DeleteProgress(i, c);
                 if (p)
                     p->bProgress = !bDelete;
             }),
            { "DeleteItem", 6, [this](CFuzz& f) {
                 const int i = f.Index(static_cast<int>(m_model.size()));
                 const bool bValid = i >= 0 && i < static_cast<int>(m_model.size());
                 f.Expect(List().DeleteItem(i), bValid, "DeleteItem");
                 if (bValid)
                     m_model.erase(m_model.begin() + i);
             } },
            { "SortItems", 1, [this](CFuzz& f) {
                 for (size_t i = 0; i < m_model.size(); ++i)
                     if (m_model[i].dwData == 0)
                         List().SetItemData(static_cast<int>(i), m_model[i].dwData = ++m_dwNextData);
                 f.Expect(List().SortItems(&CompareAscending, 0), List().GetSafeHwnd() != nullptr, "SortItems");
                 std::sort(m_model.begin(), m_model.end(),
                     [](const SModelRow& a, const SModelRow& b) { return a.dwData < b.dwData; });
             } },
            { "DeleteAllItems", 1, [this](CFuzz& f) {
                 f.Expect(List().DeleteAllItems(), List().GetSafeHwnd() != nullptr, "DeleteAllItems");
                 m_model.clear();
             } },
            { "drop-down open and close", 2, [this](CFuzz& f) { OpenAndCloseDropDown(f); } },
        };
    }

    CHostWindow m_host;
    std::unique_ptr<CFuzzXList> m_pList;
    std::vector<SModelRow> m_model;
    DWORD_PTR m_dwNextData = 0;
    int m_nHeaderState = -1;   // -1: no window to ask
    bool m_bUsed = false;
};
}

ZADUV_FUZZ_CLASS(CXListCtrl, CXListSubject)

namespace
{
// The combo entries against a vector: the array operations a host builds them with, and copies
// that hold their own entries.
class CComboDataSubject : public CFuzzSubject
{
public:
    void Check(CFuzz& f, const CXListComboData& items)
    {
        std::vector<std::pair<std::wstring, int>> entries;
        for (INT_PTR i = 0; i < items.GetSize(); ++i)
            entries.push_back({ Text(items[i].m_strText), items[i].m_nData });
        f.Expect(entries, m_model, "entries");
    }

    std::vector<SFuzzOp> Ops() override
    {
        return {
            { "AddItem", 5, [this](CFuzz& f) {
                 const int nData = f.Pick(100);
                 f.Expect(m_items.AddItem(L"entry", nData), static_cast<INT_PTR>(m_model.size()), "AddItem");
                 m_model.push_back({ L"entry", nData });
                 Check(f, m_items);
             } },
            { "InsertAt and RemoveAt", 3, [this](CFuzz& f) {
                 const int i = f.Pick(static_cast<int>(m_model.size()) + 1);
                 if (f.Chance(50) || m_model.empty())
                 {
                     m_items.InsertAt(i, SXListComboItem(L"inserted", -i));
                     m_model.insert(m_model.begin() + i, { L"inserted", -i });
                 }
                 else
                 {
                     m_items.RemoveAt(std::min(i, static_cast<int>(m_model.size()) - 1));
                     m_model.erase(m_model.begin() + std::min(i, static_cast<int>(m_model.size()) - 1));
                 }
                 Check(f, m_items);
             } },
            { "SetSize", 1, [this](CFuzz& f) {
                 const int n = f.Pick(static_cast<int>(m_model.size()) + 3);
                 m_items.SetSize(n);
                 m_model.resize(n, { L"", 0 });
                 Check(f, m_items);
             } },
            { "copy and assignment", 2, [this](CFuzz& f) {
                 CXListComboData copy(m_items), assigned;
                 assigned.AddItem(L"overwritten", 1);
                 assigned = copy;
                 if (!m_model.empty())
                     m_items[0].m_strText = L"changed";      // the copies keep their own entries
                 Check(f, copy);
                 Check(f, assigned);
                 if (!m_model.empty())
                     m_model[0].first = L"changed";
                 Check(f, m_items);
             } },
        };
    }

    CXListComboData m_items;
    std::vector<std::pair<std::wstring, int>> m_model;
};
}

ZADUV_FUZZ_CLASS(CXListComboData, CComboDataSubject)
