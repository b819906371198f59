// CXListCtrl at 1,000, 10,000 and 100,000 items of six columns, each against a plain CListCtrl
// of the same texts in the same parent window, or against its own work at a smaller size.
//
// Targets: a fill (InsertItem, five SetItemText, a check box and a progress cell per row)
// within 1.5 times the plain fill of the same texts; a full repaint of the visible page (every
// cell kind present) within 2 times the plain list view's own painting of those texts; a
// click on a row near the end of 100,000 items within 2 times a click on row 10 of 1,000; and
// linear growth, by the "growth" cases, whose baseline is ten runs at 10,000 items against one
// at 100,000: a ratio within 1.2 means 100,000 items cost at most 12 times 10,000. The plain
// list view's growth cases show how the platform grows by itself.

#include "BenchCase.h"

#include <afxcmn.h>
#include <zaduv.h>

#include <memory>
#include <string>
#include <vector>

namespace
{
const int kColumns = 6;
const int kCheckColumn = 1;
const int kComboColumn = 3;
const int kProgressColumn = 4;
const int kListWidth = 610;
const int kListHeight = 600;

// A parent window, shown so that the lists paint, with an extended list on the left and a
// plain one on the right, and the rows' texts formatted once.
class CXListFixture
{
public:
    explicit CXListFixture(int nItems) : m_nItems(nItems) {}
    ~CXListFixture()
    {
        if (m_wndParent.m_hWnd != NULL)
            m_wndParent.DestroyWindow();
    }

    BOOL Create()
    {
        LPCTSTR lpszClass = AfxRegisterWndClass(0);
        if (!m_wndParent.CreateEx(0, lpszClass, L"bench", WS_POPUP, 0, 0, 2 * kListWidth + 20, kListHeight + 20,
                NULL, NULL))
            return FALSE;
        const DWORD dwStyle = WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SHOWSELALWAYS;
        if (!m_list.Create(dwStyle, CRect(0, 0, kListWidth, kListHeight), &m_wndParent, 1) ||
            !m_plain.Create(dwStyle, CRect(kListWidth + 10, 0, 2 * kListWidth + 10, kListHeight), &m_wndParent, 2))
            return FALSE;
        m_images.Create(16, 16, ILC_COLOR24, 1, 0);
        CBitmap bitmap;
        CClientDC dcScreen(NULL);
        bitmap.CreateCompatibleBitmap(&dcScreen, 16, 16);
        m_images.Add(&bitmap, static_cast<CBitmap*>(NULL));
        LPCWSTR const titles[kColumns] = { L"Patient", L"Read", L"Modality", L"Priority", L"Transfer", L"Status" };
        const int widths[kColumns] = { 130, 50, 110, 90, 120, 90 };
        for (int nColumn = 0; nColumn < kColumns; ++nColumn)
        {
            m_list.InsertColumn(nColumn, titles[nColumn], LVCFMT_LEFT, widths[nColumn]);
            m_plain.InsertColumn(nColumn, titles[nColumn], LVCFMT_LEFT, widths[nColumn]);
        }
        m_list.SetImageList(&m_images, LVSIL_SMALL);
        m_plain.SetImageList(&m_images, LVSIL_SMALL);
        m_priorities.AddItem(L"Routine", 0);
        m_priorities.AddItem(L"Urgent", 1);
        m_priorities.AddItem(L"Stat", 2);

        LPCWSTR const modalities[] = { L"CT", L"MR", L"US", L"CR", L"XA" };
        LPCWSTR const states[] = { L"Queued", L"Receiving", L"Ready", L"Failed" };
        m_texts.resize(static_cast<size_t>(m_nItems));
        for (int i = 0; i < m_nItems; ++i)
        {
            std::vector<CString>& row = m_texts[i];
            row.resize(kColumns);
            row[0].Format(L"Patient %06d", (i * 7919) % 1000003);
            row[2] = modalities[i % 5];
            row[3] = static_cast<LPCWSTR>(m_priorities[i % 3].m_strText);
            row[4].Format(L"%d%%", i % 101);
            row[5] = states[i % 4];
        }
        m_wndParent.ShowWindow(SW_SHOWNOACTIVATE);
        return TRUE;
    }

    // What a host does to show its rows: insert, set the texts, and the cells' kinds.
    void FillXList(int nItems)
    {
        m_list.SetRedraw(FALSE);
        m_list.DeleteAllItems();
        for (int i = 0; i < nItems; ++i)
        {
            const std::vector<CString>& row = m_texts[i];
            m_list.InsertItem(i, row[0]);
            for (int nColumn = 1; nColumn < kColumns; ++nColumn)
                m_list.SetItemText(i, nColumn, row[nColumn]);
            m_list.SetCheckbox(i, kCheckColumn, i % 2);
            m_list.SetProgress(i, kProgressColumn);
            m_list.UpdateProgress(i, kProgressColumn, i % 101);
        }
        m_list.SetRedraw(TRUE);
    }

    void FillPlain(int nItems)
    {
        m_plain.SetRedraw(FALSE);
        m_plain.DeleteAllItems();
        for (int i = 0; i < nItems; ++i)
        {
            const std::vector<CString>& row = m_texts[i];
            m_plain.InsertItem(i, row[0]);
            for (int nColumn = 1; nColumn < kColumns; ++nColumn)
                m_plain.SetItemText(i, nColumn, row[nColumn]);
        }
        m_plain.SetRedraw(TRUE);
    }

    // The cells the first page shows get every kind: an image, a combo, bold and coloured
    // text, a disabled row; the second row is selected, so its combo draws its frame.
    void DecorateFirstPage()
    {
        for (int i = 0; i < 40 && i < m_nItems; ++i)
        {
            m_list.SetItemImage(i, 2, 0);
            m_list.SetComboBox(i, kComboColumn, TRUE, m_priorities, 3, i % 3);
            m_list.SetBold(i, 5, i % 2);
            m_list.SetItemColor(i, 5, RGB(190, 30, 40), RGB(253, 234, 234));
            m_plain.SetItem(i, 2, LVIF_IMAGE, NULL, 0, 0, 0, 0);
        }
        m_list.SetEnabled(3, FALSE);
        m_list.SetCurSel(1);
        m_plain.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
    }

    int m_nItems;
    CWnd m_wndParent;
    CXListCtrl m_list;
    CListCtrl m_plain;
    CImageList m_images;
    CXListComboData m_priorities;
    std::vector<std::vector<CString>> m_texts;
};

void PumpPending()
{
    MSG msg;
    while (::PeekMessageW(&msg, NULL, 0, 0, PM_REMOVE))
    {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}

// A press and release at a point of the list, as the mouse gives them.
void Click(CListCtrl& list, CPoint point)
{
    const LPARAM lParam = MAKELPARAM(point.x, point.y);
    list.PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, lParam);
    list.PostMessage(WM_LBUTTONUP, 0, lParam);
    PumpPending();
}

void Repaint(CWnd& wnd)
{
    wnd.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

int CALLBACK CompareData(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort)
{
    const int nSign = static_cast<int>(lParamSort);
    return lParam1 < lParam2 ? -nSign : (lParam1 > lParam2 ? nSign : 0);
}

class CBenchXListFill : public CBenchCase
{
public:
    explicit CBenchXListFill(int nItems) : m_nItems(nItems) {}

    virtual std::string GetName() const { return "XList.Fill"; }
    virtual std::string GetSize() const { return std::to_string(m_nItems); }
    virtual std::string GetBaselineName() const { return "plain CListCtrl fill"; }
    virtual double GetTarget() const { return 1.5; }
    virtual BOOL SetUp()
    {
        m_pFixture.reset(new CXListFixture(m_nItems));
        return m_pFixture->Create();
    }
    virtual void TearDown() { m_pFixture.reset(); }
    virtual void RunOperation() { m_pFixture->FillXList(m_nItems); }
    virtual void RunBaseline() { m_pFixture->FillPlain(m_nItems); }

private:
    int m_nItems;
    std::unique_ptr<CXListFixture> m_pFixture;
};

class CBenchXListPaint : public CBenchCase
{
public:
    explicit CBenchXListPaint(int nItems) : m_nItems(nItems) {}

    virtual std::string GetName() const { return "XList.RepaintPage"; }
    virtual std::string GetSize() const { return std::to_string(m_nItems); }
    virtual std::string GetBaselineName() const { return "plain list view painting"; }
    virtual double GetTarget() const { return 2.0; }
    virtual BOOL SetUp()
    {
        m_pFixture.reset(new CXListFixture(m_nItems));
        if (!m_pFixture->Create())
            return FALSE;
        m_pFixture->FillXList(m_nItems);
        m_pFixture->FillPlain(m_nItems);
        m_pFixture->DecorateFirstPage();
        PumpPending();
        return TRUE;
    }
    virtual void TearDown() { m_pFixture.reset(); }
    virtual void RunOperation() { Repaint(m_pFixture->m_list); }
    virtual void RunBaseline() { Repaint(m_pFixture->m_plain); }

private:
    int m_nItems;
    std::unique_ptr<CXListFixture> m_pFixture;
};

// Two rows in turn, so that every click moves the selection; on the plain text of column 0.
class CBenchXListClick : public CBenchCase
{
public:
    virtual std::string GetName() const { return "XList.ClickRow"; }
    virtual std::string GetSize() const { return "row 99990 of 100000"; }
    virtual std::string GetBaselineName() const { return "row 10 of 1000"; }
    virtual double GetTarget() const { return 2.0; }
    virtual BOOL SetUp()
    {
        m_pLarge.reset(new CXListFixture(100000));
        m_pSmall.reset(new CXListFixture(1000));
        if (!m_pLarge->Create() || !m_pSmall->Create())
            return FALSE;
        m_pLarge->FillXList(100000);
        m_pSmall->FillXList(1000);
        m_pLarge->m_list.EnsureVisible(99999, FALSE);
        m_pLarge->m_list.EnsureVisible(99985, FALSE);
        PumpPending();
        m_nCall = 0;
        return RowPoint(m_pLarge->m_list, 99990, m_ptLarge[0]) && RowPoint(m_pLarge->m_list, 99991, m_ptLarge[1]) &&
            RowPoint(m_pSmall->m_list, 10, m_ptSmall[0]) && RowPoint(m_pSmall->m_list, 11, m_ptSmall[1]);
    }
    virtual void TearDown()
    {
        m_pLarge.reset();
        m_pSmall.reset();
    }
    virtual void RunOperation() { Click(m_pLarge->m_list, m_ptLarge[++m_nCall % 2]); }
    virtual void RunBaseline() { Click(m_pSmall->m_list, m_ptSmall[++m_nCall % 2]); }

private:
    static BOOL RowPoint(CXListCtrl& list, int nItem, CPoint& point)
    {
        CRect rect;
        if (!list.GetSubItemRect(nItem, 0, LVIR_BOUNDS, rect))
            return FALSE;
        point = CPoint(rect.left + 20, rect.CenterPoint().y);
        return TRUE;
    }

    std::unique_ptr<CXListFixture> m_pLarge;
    std::unique_ptr<CXListFixture> m_pSmall;
    CPoint m_ptLarge[2];
    CPoint m_ptSmall[2];
    long long m_nCall = 0;
};

enum EGrowth { GROWTH_SETCHECKBOX, GROWTH_DELETEALL, GROWTH_SORT, GROWTH_PLAIN_DELETEALL, GROWTH_PLAIN_SORT };

const char* GrowthName(EGrowth eGrowth)
{
    switch (eGrowth)
    {
    case GROWTH_SETCHECKBOX: return "XList.SetCheckbox(column)/growth";
    case GROWTH_DELETEALL: return "XList.Fill+DeleteAllItems/growth";
    case GROWTH_SORT: return "XList.SortItems/growth";
    case GROWTH_PLAIN_DELETEALL: return "XList.PlainFill+DeleteAllItems/growth";
    case GROWTH_PLAIN_SORT: return "XList.PlainSortItems/growth";
    }
    return "";
}

// One run of a growth operation on one fixture.
class CGrowthRunner
{
public:
    CGrowthRunner(EGrowth eGrowth, CXListFixture& fixture) : m_eGrowth(eGrowth), m_fixture(fixture) {}

    BOOL SetUp()
    {
        const int nItems = m_fixture.m_nItems;
        m_fixture.FillXList(nItems);
        m_fixture.FillPlain(nItems);
        for (int i = 0; i < nItems; ++i)
        {
            const DWORD_PTR dwData = static_cast<DWORD_PTR>((i * 7919LL) % nItems);
            m_fixture.m_list.SetItemData(i, dwData);
            m_fixture.m_plain.SetItemData(i, dwData);
        }
        return m_fixture.m_list.SetHeaderCheckedState(kCheckColumn, 1);
    }

    void Run()
    {
        CXListCtrl& list = m_fixture.m_list;
        const int nItems = m_fixture.m_nItems;
        ++m_nCall;
        switch (m_eGrowth)
        {
        case GROWTH_SETCHECKBOX:
            // Every cell checked, then every cell unchecked: the header follows the last one.
            for (int i = 0; i < nItems; ++i)
                list.SetCheckbox(i, kCheckColumn, static_cast<int>(m_nCall % 2));
            break;
        case GROWTH_DELETEALL:
            m_fixture.FillXList(nItems);
            list.DeleteAllItems();
            break;
        case GROWTH_PLAIN_DELETEALL:
            m_fixture.FillPlain(nItems);
            m_fixture.m_plain.DeleteAllItems();
            break;
        case GROWTH_SORT:
            list.SortItems(&CompareData, m_nCall % 2 != 0 ? 1 : static_cast<DWORD_PTR>(-1));
            break;
        case GROWTH_PLAIN_SORT:
            m_fixture.m_plain.SortItems(&CompareData, m_nCall % 2 != 0 ? 1 : static_cast<DWORD_PTR>(-1));
            break;
        }
    }

private:
    EGrowth m_eGrowth;
    CXListFixture& m_fixture;
    long long m_nCall = 0;
};

class CBenchXListGrowth : public CBenchCase
{
public:
    explicit CBenchXListGrowth(EGrowth eGrowth) : m_eGrowth(eGrowth) {}

    virtual std::string GetName() const { return GrowthName(m_eGrowth); }
    virtual std::string GetSize() const { return "100000"; }
    virtual std::string GetBaselineName() const { return "10 x the same at 10000"; }
    virtual double GetTarget() const
    {
        return m_eGrowth == GROWTH_PLAIN_DELETEALL || m_eGrowth == GROWTH_PLAIN_SORT ? 0.0 : 1.2;
    }
    virtual BOOL SetUp()
    {
        m_pLarge.reset(new CXListFixture(100000));
        m_pSmall.reset(new CXListFixture(10000));
        if (!m_pLarge->Create() || !m_pSmall->Create())
            return FALSE;
        m_pLargeRunner.reset(new CGrowthRunner(m_eGrowth, *m_pLarge));
        m_pSmallRunner.reset(new CGrowthRunner(m_eGrowth, *m_pSmall));
        return m_pLargeRunner->SetUp() && m_pSmallRunner->SetUp();
    }
    virtual void TearDown()
    {
        m_pLargeRunner.reset();
        m_pSmallRunner.reset();
        m_pLarge.reset();
        m_pSmall.reset();
    }
    virtual void RunOperation() { m_pLargeRunner->Run(); }
    virtual void RunBaseline()
    {
        for (int i = 0; i < 10; ++i)
            m_pSmallRunner->Run();
    }

private:
    EGrowth m_eGrowth;
    std::unique_ptr<CXListFixture> m_pLarge;
    std::unique_ptr<CXListFixture> m_pSmall;
    std::unique_ptr<CGrowthRunner> m_pLargeRunner;
    std::unique_ptr<CGrowthRunner> m_pSmallRunner;
};
}

REGISTER_BENCH_CASE(new CBenchXListFill(1000));
REGISTER_BENCH_CASE(new CBenchXListFill(10000));
REGISTER_BENCH_CASE(new CBenchXListFill(100000));
REGISTER_BENCH_CASE(new CBenchXListPaint(1000));
REGISTER_BENCH_CASE(new CBenchXListPaint(10000));
REGISTER_BENCH_CASE(new CBenchXListPaint(100000));
REGISTER_BENCH_CASE(new CBenchXListClick);
REGISTER_BENCH_CASE(new CBenchXListGrowth(GROWTH_SETCHECKBOX));
REGISTER_BENCH_CASE(new CBenchXListGrowth(GROWTH_DELETEALL));
REGISTER_BENCH_CASE(new CBenchXListGrowth(GROWTH_PLAIN_DELETEALL));
REGISTER_BENCH_CASE(new CBenchXListGrowth(GROWTH_SORT));
REGISTER_BENCH_CASE(new CBenchXListGrowth(GROWTH_PLAIN_SORT));
