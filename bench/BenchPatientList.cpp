// CPatientListCtrl operations on 1,000, 10,000 and 100,000 stored patients of the sample
// generator, each against the plainest way to put the same rows on the screen: a list view in
// the same parent, filled by LVM_INSERTITEM and LVM_SETITEMTEXT with texts formatted
// beforehand, redrawing off while it fills.
//
// Targets: a ReFilter that shows every patient within 1.2 times that plain fill of the same
// rows; the filter test alone (lower-casing and the first-occurrence search over the cells
// that a filtering ReFilter looks at) under a tenth of that ReFilter; and linear growth, by
// the "growth" cases, whose baseline is ten runs at 10,000 patients against one at 100,000:
// a ratio within 1.2 means 100,000 patients cost at most 12 times 10,000. The growth cases of
// the plain fill and the plain sort show how the platform's list view grows by itself.
//
// Where ReFilter's cost lies: ReFilterFloor sends ReFilter's own messages for an empty filter
// (each cell formatted by the profile, each row inserted with its text alone, the other
// columns set one by one and the item data set last, which the list view answers with a
// changing and a changed notification) straight to the plain list view, without the framework
// or the control class, against the plain fill: the floor of that sequence. ReFilter(all)/floor
// is ReFilter against that floor: what the framework and the control add. ReFilter(all)/by
// hand sends the floor's messages to the patient list's own window instead, through its
// subclassed list view and header: what ReFilter's code adds to the messages it must send.
// (Under Wine the list view asks its header for the column order each time it sets a row's
// text, redrawing off or not: six messages per row through the subclassed header here.)

#include "BenchCase.h"

#include <zaduv.h>
#include <patientlist/FilterMatcher.h>
#include <PatientGenerator.h>

#include <memory>
#include <string>
#include <vector>

namespace
{
const UINT SAMPLE_SEED = 4242;
// A word start in roughly a tenth of the sample patients (names, dates, IDs, modalities).
const wchar_t TENTH_FILTER[] = L"ma";

// The list with its sort state reachable, so that a sort can be chosen without a click.
class CBenchPatientListCtrl : public CPatientListCtrl
{
public:
    void SetSortState(int nSortState) { m_nSortState = nSortState; }
};

// One parent window with the patient list and a plain list view, the sample patients and
// their cell texts formatted once.
class CPatientListFixture
{
public:
    explicit CPatientListFixture(int nPatients) : m_nPatients(nPatients), m_hWndPlain(NULL) {}
    ~CPatientListFixture() { Destroy(); }

    BOOL Create()
    {
        LPCTSTR lpszClass = AfxRegisterWndClass(0);
        if (!m_wndParent.CreateEx(0, lpszClass, L"bench", WS_POPUP, 0, 0, 900, 700, NULL, NULL))
            return FALSE;
        HWND hWndList = CreateListView();
        m_hWndPlain = CreateListView();
        if (hWndList == NULL || m_hWndPlain == NULL)
            return FALSE;
        m_list.Init(m_profile);
        if (!m_list.SubclassWindow(hWndList))
            return FALSE;
        for (int nColumn = 0; nColumn < m_profile.GetColumnCount(); ++nColumn)
        {
            LVCOLUMNW column = {};
            column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
            CString strTitle = m_profile.GetColumnTitle(nColumn);
            column.pszText = const_cast<LPWSTR>(strTitle.GetString());
            column.cx = m_profile.GetColumnWidth(nColumn);
            column.fmt = LVCFMT_LEFT;
            ::SendMessageW(m_hWndPlain, LVM_INSERTCOLUMNW, nColumn, reinterpret_cast<LPARAM>(&column));
        }
        ::SendMessageW(m_hWndPlain, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT);

        CPatientGenerator generator(SAMPLE_SEED);
        generator.Generate(m_nPatients, m_arrPatients);
        m_texts.resize(static_cast<size_t>(m_nPatients));
        for (int i = 0; i < m_nPatients; ++i)
        {
            m_texts[i].resize(static_cast<size_t>(m_profile.GetColumnCount()));
            for (int nColumn = 0; nColumn < m_profile.GetColumnCount(); ++nColumn)
                m_texts[i][nColumn] = m_profile.FormatColumn(nColumn, m_arrPatients[i]);
        }
        m_list.AddPatientArray(m_arrPatients);
        m_list.FilterChanged(L"", 0);
        return TRUE;
    }

    void Destroy()
    {
        if (m_wndParent.m_hWnd != NULL)
            m_wndParent.DestroyWindow();
    }

    // The store indices that a filter shows, in store order, by the list's own rule.
    std::vector<int> Matching(LPCWSTR lpszFilter) const
    {
        std::vector<int> rows;
        CFilterMatcher matcher;
        for (int i = 0; i < m_nPatients; ++i)
        {
            if (*lpszFilter == 0)
            {
                rows.push_back(i);
                continue;
            }
            for (const CString& strText : m_texts[i])
            {
                if (matcher.Matches(strText, lpszFilter))
                {
                    rows.push_back(i);
                    break;
                }
            }
        }
        return rows;
    }

    // The plain way: the rows' texts straight into a list view.
    void FillPlain(const std::vector<int>& rows)
    {
        ::SendMessageW(m_hWndPlain, WM_SETREDRAW, FALSE, 0);
        ::SendMessageW(m_hWndPlain, LVM_DELETEALLITEMS, 0, 0);
        ::SendMessageW(m_hWndPlain, LVM_SETITEMCOUNT, rows.size(), 0);
        int nRow = 0;
        for (int i : rows)
        {
            const std::vector<CString>& texts = m_texts[i];
            LVITEMW item = {};
            item.mask = LVIF_TEXT | LVIF_PARAM;
            item.iItem = nRow;
            item.pszText = const_cast<LPWSTR>(texts[0].GetString());
            item.lParam = i;
            nRow = static_cast<int>(::SendMessageW(m_hWndPlain, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
            for (size_t nColumn = 1; nColumn < texts.size(); ++nColumn)
            {
                LVITEMW sub = {};
                sub.iSubItem = static_cast<int>(nColumn);
                sub.pszText = const_cast<LPWSTR>(texts[nColumn].GetString());
                ::SendMessageW(m_hWndPlain, LVM_SETITEMTEXTW, nRow, reinterpret_cast<LPARAM>(&sub));
            }
            ++nRow;
        }
        ::SendMessageW(m_hWndPlain, WM_SETREDRAW, TRUE, 0);
        ::InvalidateRect(m_hWndPlain, NULL, TRUE);
    }

    // The messages ReFilter sends for an empty filter, straight to a list view: each cell
    // formatted by the profile, the row inserted with its text alone, the other columns set
    // one by one and the item data last.
    void FillFloor(HWND hWndList)
    {
        ::SendMessageW(hWndList, WM_SETREDRAW, FALSE, 0);
        ::SendMessageW(hWndList, LVM_DELETEALLITEMS, 0, 0);
        ::SendMessageW(hWndList, LVM_SETITEMCOUNT, m_arrPatients.GetSize(), 0);
        const int nColumns = m_profile.GetColumnCount();
        for (int i = 0; i < m_nPatients; ++i)
        {
            const CPatient& patient = m_arrPatients[i];
            CString strText = m_profile.FormatColumn(0, patient);
            LVITEMW item = {};
            item.mask = LVIF_TEXT;
            item.iItem = i;
            item.pszText = const_cast<LPWSTR>(strText.GetString());
            const int nRow = static_cast<int>(::SendMessageW(hWndList, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
            for (int nColumn = 1; nColumn < nColumns; ++nColumn)
            {
                strText = m_profile.FormatColumn(nColumn, patient);
                LVITEMW sub = {};
                sub.iSubItem = nColumn;
                sub.pszText = const_cast<LPWSTR>(strText.GetString());
                ::SendMessageW(hWndList, LVM_SETITEMTEXTW, nRow, reinterpret_cast<LPARAM>(&sub));
            }
            LVITEMW data = {};
            data.mask = LVIF_PARAM;
            data.iItem = nRow;
            data.lParam = i;
            ::SendMessageW(hWndList, LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&data));
        }
        ::SendMessageW(hWndList, WM_SETREDRAW, TRUE, 0);
        ::InvalidateRect(hWndList, NULL, TRUE);
    }

    int m_nPatients;
    CWnd m_wndParent;
    CBenchPatientListCtrl m_list;
    HWND m_hWndPlain;
    CPatientProfile m_profile;
    CPatientArray m_arrPatients;
    std::vector<std::vector<CString>> m_texts;

private:
    HWND CreateListView()
    {
        return ::CreateWindowExW(0, WC_LISTVIEWW, L"", WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SHOWSELALWAYS,
            0, 0, 880, 680, m_wndParent.m_hWnd, NULL, AfxGetInstanceHandle(), NULL);
    }
};

enum EOperation
{
    OP_REFILTER_ALL,
    OP_REFILTER_TENTH,
    OP_FILTER_TEST,
    OP_RESORT,
    OP_ADD_PATIENT_ARRAY,
    OP_SELECT_PATIENT,
    OP_DELETE_PATIENT,
    OP_PLAIN_FILL,
    OP_PLAIN_SORT,
    OP_FLOOR_FILL,
    OP_REFILTER_OVER_FLOOR,
    OP_REFILTER_BY_HAND,
};

const char* OperationName(EOperation eOperation)
{
    switch (eOperation)
    {
    case OP_REFILTER_ALL: return "PatientList.ReFilter(all)";
    case OP_REFILTER_TENTH: return "PatientList.ReFilter(10%)";
    case OP_FILTER_TEST: return "PatientList.FilterTest";
    case OP_RESORT: return "PatientList.ReSort";
    case OP_ADD_PATIENT_ARRAY: return "PatientList.AddPatientArray";
    case OP_SELECT_PATIENT: return "PatientList.SelectPatient";
    case OP_DELETE_PATIENT: return "PatientList.DeletePatient";
    case OP_PLAIN_FILL: return "PatientList.PlainFill";
    case OP_PLAIN_SORT: return "PatientList.PlainSort";
    case OP_FLOOR_FILL: return "PatientList.ReFilterFloor(all)";
    case OP_REFILTER_OVER_FLOOR: return "PatientList.ReFilter(all)/floor";
    case OP_REFILTER_BY_HAND: return "PatientList.ReFilter(all)/by hand";
    }
    return "";
}

// One operation on one fixture, with what it needs to repeat itself.
class COperationRunner
{
public:
    COperationRunner(EOperation eOperation, CPatientListFixture& fixture)
        : m_eOperation(eOperation), m_fixture(fixture), m_nCall(0), m_nSink(0)
    {
    }

    void Run()
    {
        CBenchPatientListCtrl& list = m_fixture.m_list;
        const int nPatients = m_fixture.m_nPatients;
        ++m_nCall;
        switch (m_eOperation)
        {
        case OP_REFILTER_ALL:
        case OP_REFILTER_OVER_FLOOR:
        case OP_REFILTER_BY_HAND:
            list.FilterChanged(L"", 0);
            break;
        case OP_REFILTER_TENTH:
            list.FilterChanged(TENTH_FILTER, 0);
            break;
        case OP_FILTER_TEST:
            m_nSink += static_cast<int>(FilterTest());
            break;
        case OP_RESORT:
            // Name ascending and birth date descending in turn: every sort reorders every row.
            list.SetSortState(m_nCall % 2 != 0 ? 1 : -3);
            list.ReSort();
            break;
        case OP_ADD_PATIENT_ARRAY:
            list.DeleteAllPatients();
            list.AddPatientArray(m_fixture.m_arrPatients);
            break;
        case OP_SELECT_PATIENT:
            list.SelectPatient(m_fixture.m_arrPatients[m_nCall % 2 != 0 ? nPatients - 1 : nPatients / 2]);
            break;
        case OP_DELETE_PATIENT:
        {
            // Deleted and added back at the end, so the store keeps its size.
            const CPatient patient = list.GetPatient(static_cast<int>((m_nCall * 7919LL) % list.GetItemCount()));
            list.DeletePatient(patient);
            list.AddPatient(patient, 0);
            break;
        }
        case OP_PLAIN_FILL:
            if (m_allRows.empty())
                m_allRows = m_fixture.Matching(L"");
            m_fixture.FillPlain(m_allRows);
            break;
        case OP_FLOOR_FILL:
            m_fixture.FillFloor(m_fixture.m_hWndPlain);
            break;
        case OP_PLAIN_SORT:
            // The same two orders as ReSort, on the formatted texts of the plain list.
            if (m_allRows.empty())
            {
                m_allRows = m_fixture.Matching(L"");
                m_fixture.FillPlain(m_allRows);
            }
            m_nSortColumn = m_nCall % 2 != 0 ? 0 : 2;
            m_nSortSign = m_nCall % 2 != 0 ? 1 : -1;
            ::SendMessageW(m_fixture.m_hWndPlain, LVM_SORTITEMS, reinterpret_cast<WPARAM>(this),
                reinterpret_cast<LPARAM>(&ComparePlainTexts));
            break;
        }
    }

    static int CALLBACK ComparePlainTexts(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort)
    {
        const COperationRunner* pRunner = reinterpret_cast<const COperationRunner*>(lParamSort);
        const std::vector<std::vector<CString>>& texts = pRunner->m_fixture.m_texts;
        return pRunner->m_nSortSign * texts[lParam1][pRunner->m_nSortColumn].CompareNoCase(
            texts[lParam2][pRunner->m_nSortColumn]);
    }

    // What a filtering ReFilter does besides formatting and filling: each cell lower-cased and
    // searched, column by column until one matches.
    size_t FilterTest()
    {
        size_t nShown = 0;
        for (const std::vector<CString>& texts : m_fixture.m_texts)
        {
            for (const CString& strText : texts)
            {
                if (m_matcher.Matches(strText, TENTH_FILTER))
                {
                    ++nShown;
                    break;
                }
            }
        }
        return nShown;
    }

    EOperation m_eOperation;
    CPatientListFixture& m_fixture;
    long long m_nCall;
    volatile int m_nSink;
    CFilterMatcher m_matcher;
    std::vector<int> m_allRows;
    int m_nSortColumn = 0;
    int m_nSortSign = 1;
};

// A size's operation against the plain fill of the rows it shows.
class CBenchPatientListOperation : public CBenchCase
{
public:
    CBenchPatientListOperation(EOperation eOperation, int nPatients)
        : m_eOperation(eOperation), m_nPatients(nPatients)
    {
    }

    virtual std::string GetName() const { return OperationName(m_eOperation); }
    virtual std::string GetSize() const { return std::to_string(m_nPatients); }
    virtual std::string GetBaselineName() const
    {
        if (m_eOperation == OP_FILTER_TEST)
            return "ReFilter(10%) itself";
        if (m_eOperation == OP_REFILTER_OVER_FLOOR)
            return "its messages to a bare list view";
        if (m_eOperation == OP_REFILTER_BY_HAND)
            return "its messages by hand to its window";
        return "plain fill, " + std::to_string(m_rows.size()) + " rows";
    }
    virtual double GetTarget() const
    {
        if (m_eOperation == OP_REFILTER_ALL)
            return 1.2;
        if (m_eOperation == OP_FILTER_TEST)
            return 0.1;
        return 0.0;
    }

    virtual BOOL SetUp()
    {
        m_pFixture.reset(new CPatientListFixture(m_nPatients));
        if (!m_pFixture->Create())
            return FALSE;
        m_pRunner.reset(new COperationRunner(m_eOperation, *m_pFixture));
        if (m_eOperation == OP_REFILTER_TENTH || m_eOperation == OP_FILTER_TEST)
            m_rows = m_pFixture->Matching(TENTH_FILTER);
        else
            m_rows = m_pFixture->Matching(L"");
        if (m_rows.empty())
        {
            for (int i = 0; i < m_nPatients; ++i)
                m_rows.push_back(i);
        }
        return TRUE;
    }

    virtual void TearDown()
    {
        m_pRunner.reset();
        m_pFixture.reset();
    }

    virtual void RunOperation() { m_pRunner->Run(); }

    virtual void RunBaseline()
    {
        if (m_eOperation == OP_FILTER_TEST)
            m_pFixture->m_list.FilterChanged(TENTH_FILTER, 0);
        else if (m_eOperation == OP_REFILTER_OVER_FLOOR)
            m_pFixture->FillFloor(m_pFixture->m_hWndPlain);
        else if (m_eOperation == OP_REFILTER_BY_HAND)
            m_pFixture->FillFloor(m_pFixture->m_list.m_hWnd);
        else
            m_pFixture->FillPlain(m_rows);
    }

private:
    EOperation m_eOperation;
    int m_nPatients;
    std::unique_ptr<CPatientListFixture> m_pFixture;
    std::unique_ptr<COperationRunner> m_pRunner;
    std::vector<int> m_rows;
};

// Growth: one run at 100,000 patients against ten runs at 10,000. The plain fill and the plain
// sort have no target: they show how the platform's list view itself grows.
class CBenchPatientListGrowth : public CBenchCase
{
public:
    explicit CBenchPatientListGrowth(EOperation eOperation) : m_eOperation(eOperation) {}

    virtual std::string GetName() const { return std::string(OperationName(m_eOperation)) + "/growth"; }
    virtual std::string GetSize() const { return "100000"; }
    virtual std::string GetBaselineName() const { return "10 x the same at 10000"; }
    virtual double GetTarget() const
    {
        return m_eOperation == OP_PLAIN_FILL || m_eOperation == OP_PLAIN_SORT ? 0.0 : 1.2;
    }

    virtual BOOL SetUp()
    {
        m_pLarge.reset(new CPatientListFixture(100000));
        m_pSmall.reset(new CPatientListFixture(10000));
        if (!m_pLarge->Create() || !m_pSmall->Create())
            return FALSE;
        m_pLargeRunner.reset(new COperationRunner(m_eOperation, *m_pLarge));
        m_pSmallRunner.reset(new COperationRunner(m_eOperation, *m_pSmall));
        return TRUE;
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
    EOperation m_eOperation;
    std::unique_ptr<CPatientListFixture> m_pLarge;
    std::unique_ptr<CPatientListFixture> m_pSmall;
    std::unique_ptr<COperationRunner> m_pLargeRunner;
    std::unique_ptr<COperationRunner> m_pSmallRunner;
};
}

REGISTER_BENCH_CASE(new CBenchPatientListOperation(OP_REFILTER_ALL, 1000));
REGISTER_BENCH_CASE(new CBenchPatientListOperation(OP_REFILTER_ALL, 10000));
REGISTER_BENCH_CASE(new CBenchPatientListOperation(OP_REFILTER_ALL, 100000));
REGISTER_BENCH_CASE(new CBenchPatientListOperation(OP_FLOOR_FILL, 10000));
REGISTER_BENCH_CASE(new CBenchPatientListOperation(OP_FLOOR_FILL, 100000));
REGISTER_BENCH_CASE(new CBenchPatientListOperation(OP_REFILTER_OVER_FLOOR, 10000));
REGISTER_BENCH_CASE(new CBenchPatientListOperation(OP_REFILTER_OVER_FLOOR, 100000));
REGISTER_BENCH_CASE(new CBenchPatientListOperation(OP_REFILTER_BY_HAND, 10000));
REGISTER_BENCH_CASE(new CBenchPatientListOperation(OP_REFILTER_TENTH, 1000));
REGISTER_BENCH_CASE(new CBenchPatientListOperation(OP_REFILTER_TENTH, 10000));
REGISTER_BENCH_CASE(new CBenchPatientListOperation(OP_REFILTER_TENTH, 100000));
REGISTER_BENCH_CASE(new CBenchPatientListOperation(OP_FILTER_TEST, 1000));
REGISTER_BENCH_CASE(new CBenchPatientListOperation(OP_FILTER_TEST, 10000));
REGISTER_BENCH_CASE(new CBenchPatientListOperation(OP_FILTER_TEST, 100000));
REGISTER_BENCH_CASE(new CBenchPatientListOperation(OP_RESORT, 1000));
REGISTER_BENCH_CASE(new CBenchPatientListOperation(OP_RESORT, 10000));
REGISTER_BENCH_CASE(new CBenchPatientListOperation(OP_RESORT, 100000));
REGISTER_BENCH_CASE(new CBenchPatientListOperation(OP_ADD_PATIENT_ARRAY, 1000));
REGISTER_BENCH_CASE(new CBenchPatientListOperation(OP_ADD_PATIENT_ARRAY, 10000));
REGISTER_BENCH_CASE(new CBenchPatientListOperation(OP_ADD_PATIENT_ARRAY, 100000));
REGISTER_BENCH_CASE(new CBenchPatientListOperation(OP_SELECT_PATIENT, 1000));
REGISTER_BENCH_CASE(new CBenchPatientListOperation(OP_SELECT_PATIENT, 10000));
REGISTER_BENCH_CASE(new CBenchPatientListOperation(OP_SELECT_PATIENT, 100000));
REGISTER_BENCH_CASE(new CBenchPatientListOperation(OP_DELETE_PATIENT, 1000));
REGISTER_BENCH_CASE(new CBenchPatientListOperation(OP_DELETE_PATIENT, 10000));
REGISTER_BENCH_CASE(new CBenchPatientListOperation(OP_DELETE_PATIENT, 100000));

REGISTER_BENCH_CASE(new CBenchPatientListGrowth(OP_REFILTER_ALL));
REGISTER_BENCH_CASE(new CBenchPatientListGrowth(OP_REFILTER_TENTH));
REGISTER_BENCH_CASE(new CBenchPatientListGrowth(OP_RESORT));
REGISTER_BENCH_CASE(new CBenchPatientListGrowth(OP_ADD_PATIENT_ARRAY));
REGISTER_BENCH_CASE(new CBenchPatientListGrowth(OP_SELECT_PATIENT));
REGISTER_BENCH_CASE(new CBenchPatientListGrowth(OP_DELETE_PATIENT));
REGISTER_BENCH_CASE(new CBenchPatientListGrowth(OP_PLAIN_FILL));
REGISTER_BENCH_CASE(new CBenchPatientListGrowth(OP_PLAIN_SORT));
