// CPatientListCtrl hosted in a real dialog the way an application hosts it: Init, SubclassDlgItem,
// AddPatientArray and a CFilterEdit connected as the filter. Sorting is driven by clicks on the
// header; what the parent receives is recorded.

#include <gtest/gtest.h>

#include <zaduv.h>

#include <PatientGenerator.h>

#include "DialogTemplate.h"
#include "MessagePump.h"
#include "MessageRecorder.h"

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

using namespace zaduv_test;

namespace
{
const UINT IDC_LIST = 200;
const UINT IDC_PLAIN_LIST = 201;
const UINT IDC_FILTER = 202;

typedef std::vector<std::wstring> Texts;
typedef std::vector<int> Rows;

class CTestPatientList : public CPatientListCtrl
{
public:
    using CPatientListCtrl::m_nSortState;
    using CPatientListCtrl::GetColumnCount;
    using CPatientListCtrl::CompareFunc;
    CSortedHeaderCtrl& Header() { return m_ctrlHeader; }
};

// Counts the column clicks that reach the parent from either list.
class CListHostDialog : public CDialog
{
public:
    int m_nListColumnClicks = 0;
    int m_nPlainColumnClicks = 0;

protected:
    virtual void OnOK() {}
    virtual void OnCancel() {}
    afx_msg void OnListColumnClick(NMHDR*, LRESULT*) { ++m_nListColumnClicks; }
    afx_msg void OnPlainColumnClick(NMHDR*, LRESULT*) { ++m_nPlainColumnClicks; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CListHostDialog, CDialog)
    ON_NOTIFY(LVN_COLUMNCLICK, IDC_LIST, &CListHostDialog::OnListColumnClick)
    ON_NOTIFY(LVN_COLUMNCLICK, IDC_PLAIN_LIST, &CListHostDialog::OnPlainColumnClick)
END_MESSAGE_MAP()

CPatient MakePatient(LPCWSTR lpszLast, LPCWSTR lpszFirst, LPCWSTR lpszId, LPCWSTR lpszModality, int nBirthYear = 1970)
{
    CPatient patient;
    patient.SetLastName(lpszLast);
    patient.SetFirstName(lpszFirst);
    patient.SetPatientId(lpszId);
    patient.SetModality(lpszModality);
    patient.SetBirthDate(CPatientDate(nBirthYear, 1, 1));
    return patient;
}

CPatientProfile NameIdModalityProfile()
{
    const int aFields[] = { CPatientProfile::fieldName, CPatientProfile::fieldPatientId,
                            CPatientProfile::fieldModality };
    return CPatientProfile(aFields, 3);
}

// The word-start cases, in the ID column unless said otherwise. With "an": 0, 1, 4 and 6 match.
CPatientArray WordStartPatients()
{
    CPatientArray arr;
    arr.Add(MakePatient(L"Smith", L"Bob", L"West-Annex", L"CT"));       // after a hyphen
    arr.Add(MakePatient(L"Jones", L"Amy", L"Annex", L"MR"));            // at the start
    arr.Add(MakePatient(L"Moore", L"Tom", L"Planet", L"US"));           // after a letter
    arr.Add(MakePatient(L"Kurt", L"Lee", L"Plan Annex", L"XA"));        // first occurrence after a letter
    arr.Add(MakePatient(L"Anders", L"Eve", L"Plan Annex", L"DX", 1980)); // the name matches
    arr.Add(MakePatient(L"Ryan", L"Tim", L"K-77", L"NM"));              // "ryan": after a letter
    arr.Add(MakePatient(L"Ward", L"Joe", L"Old Anvil", L"PT"));         // after a space
    return arr;
}

class PatientListTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CDialogTemplate dlgTemplate(CRect(0, 0, 400, 250), L"Patient list test",
            WS_POPUP | WS_CAPTION | WS_VISIBLE | DS_MODALFRAME);
        dlgTemplate.AddEdit(IDC_FILTER, CRect(7, 7, 200, 21));
        dlgTemplate.AddListView(IDC_LIST, CRect(7, 26, 393, 136));
        dlgTemplate.AddListView(IDC_PLAIN_LIST, CRect(7, 140, 393, 243));
        ASSERT_TRUE(m_dialog.CreateIndirect(dlgTemplate.GetTemplate()));
        ASSERT_TRUE(m_plain.SubclassDlgItem(IDC_PLAIN_LIST, &m_dialog));
        PumpPending();
    }

    void TearDown() override { m_dialog.DestroyWindow(); PumpPending(); }

    // As a host does it: the profile first, then the subclassing that builds the columns.
    void AttachList(const CPatientProfile& profile = NameIdModalityProfile(), bool bWithPatients = true)
    {
        m_list.Init(profile);
        ASSERT_TRUE(m_list.SubclassDlgItem(IDC_LIST, &m_dialog));
        ASSERT_TRUE(m_edit.SubclassDlgItem(IDC_FILTER, &m_dialog));
        m_edit.AddListener(&m_list);
        if (bWithPatients)
        {
            m_patients.Copy(WordStartPatients());
            m_list.AddPatientArray(m_patients);
        }
    }

    Texts Column(int nColumn)
    {
        Texts texts;
        for (int nRow = 0; nRow < m_list.GetItemCount(); ++nRow)
            texts.push_back(m_list.GetItemText(nRow, nColumn).GetString());
        return texts;
    }

    Rows ItemData()
    {
        Rows data;
        for (int nRow = 0; nRow < m_list.GetItemCount(); ++nRow)
            data.push_back(static_cast<int>(m_list.GetItemData(nRow)));
        return data;
    }

    Rows Selected()
    {
        Rows rows;
        for (POSITION pos = m_list.GetFirstSelectedItemPosition(); pos != NULL;)
            rows.push_back(m_list.GetNextSelectedItem(pos));
        return rows;
    }

    // Button down and up at the centre of the header item, posted as the mouse would.
    void ClickHeader(HWND hWndList, int nColumn)
    {
        HWND hWndHeader = ListView_GetHeader(hWndList);
        CRect rect;
        ASSERT_TRUE(Header_GetItemRect(hWndHeader, nColumn, &rect));
        const LPARAM lParam = MAKELPARAM(rect.CenterPoint().x, rect.CenterPoint().y);
        ::PostMessageW(hWndHeader, WM_MOUSEMOVE, 0, lParam);
        ::PostMessageW(hWndHeader, WM_LBUTTONDOWN, MK_LBUTTON, lParam);
        ::PostMessageW(hWndHeader, WM_LBUTTONUP, 0, lParam);
    }

    CListHostDialog m_dialog;
    CTestPatientList m_list;
    CFilterEdit m_edit;
    CListCtrl m_plain;
    CPatientArray m_patients;
};
}

TEST_F(PatientListTest, HeaderClicksSortAndToggleWithoutReachingTheParent)
{
    CPatientProfile profile = NameIdModalityProfile();
    profile.SetColumnWidth(1, 123);
    AttachList(profile);
    ASSERT_EQ(m_list.GetColumnCount(), 3);
    EXPECT_EQ(m_list.GetColumnWidth(1), 123);
    EXPECT_EQ(CWnd::FromHandlePermanent(ListView_GetHeader(m_list.m_hWnd)), &m_list.Header());

    const Texts byName{ L"Anders, Eve", L"Jones, Amy", L"Kurt, Lee", L"Moore, Tom", L"Ryan, Tim",
                        L"Smith, Bob", L"Ward, Joe" };
    EXPECT_EQ(Column(0), byName) << "AddPatientArray sorts by the first column";
    EXPECT_EQ(ItemData(), (Rows{ 4, 1, 3, 2, 5, 0, 6 }));

    const struct { int nColumn; int nState; Texts texts; } clicks[] = {
        { 2, 3, { L"CT", L"DX", L"MR", L"NM", L"PT", L"US", L"XA" } },
        { 2, -3, { L"XA", L"US", L"PT", L"NM", L"MR", L"DX", L"CT" } },
        { 0, 1, byName },
    };
    for (const auto& c : clicks)
    {
        const int nBefore = m_list.m_nSortState;
        ClickHeader(m_list.m_hWnd, c.nColumn);
        ASSERT_TRUE(PumpUntil([&] { return m_list.m_nSortState != nBefore; }, 2000)) << "the click did not arrive";
        EXPECT_EQ(m_list.m_nSortState, c.nState);
        EXPECT_EQ(m_list.Header().GetSortedColumn(), c.nColumn);
        EXPECT_EQ(m_list.Header().IsAscSorted() != 0, c.nState > 0);
        EXPECT_EQ(Column(abs(c.nState) - 1), c.texts);
        for (int nRow = 0; nRow < m_list.GetItemCount(); ++nRow)
            EXPECT_EQ(m_list.GetPatient(nRow).GetPatientId(), m_list.GetItemText(nRow, 1)) << "row " << nRow;
    }

    m_plain.InsertColumn(0, L"Plain", LVCFMT_LEFT, 120);
    ClickHeader(m_plain.m_hWnd, 0);
    ASSERT_TRUE(PumpUntil([&] { return m_dialog.m_nPlainColumnClicks > 0; }, 2000));
    EXPECT_EQ(m_dialog.m_nListColumnClicks, 0);
}

TEST_F(PatientListTest, UnsortedKeepsTheOrderAndCompareFuncToleratesStaleIndices)
{
    AttachList(NameIdModalityProfile(), false);
    const CPatientArray arr = WordStartPatients();
    for (INT_PTR i = 0; i < arr.GetSize(); ++i)
        m_list.AddPatient(arr[i], 0);
    m_list.Header().SetSortImage(1, FALSE);
    m_list.ReSort();
    EXPECT_EQ(m_list.Header().GetSortedColumn(), CSortedHeaderCtrl::NOT_SORTED);
    EXPECT_EQ(ItemData(), (Rows{ 0, 1, 2, 3, 4, 5, 6 }));
    m_list.m_nSortState = 1;
    const LPARAM lParamList = reinterpret_cast<LPARAM>(&m_list);
    EXPECT_GT(CTestPatientList::CompareFunc(0, 0x7FFFFFFF, lParamList), 0) << "a missing patient comes first";
    EXPECT_LT(CTestPatientList::CompareFunc(-1, 0, lParamList), 0);
}

TEST_F(PatientListTest, FilterMatchesAFirstOccurrenceAtAWordStartIgnoringCase)
{
    AttachList();
    const struct { LPCWSTR lpszFilter; Rows rows; } cases[] = {
        { L"an", { 0, 1, 4, 6 } },
        { L"AN", { 0, 1, 4, 6 } },
        { L"wEsT-aNNEX", { 0 } },
        { L"plan", { 2, 3, 4 } },
        { L"nothing like it", {} },
        { L"", { 0, 1, 2, 3, 4, 5, 6 } },
    };
    for (const auto& c : cases)
    {
        m_list.FilterChanged(c.lpszFilter, 0);
        EXPECT_EQ(ItemData(), c.rows) << "filter " << c.lpszFilter;
        EXPECT_EQ(m_list.Header().GetSortedColumn(), 0) << "the header keeps the sort mark";
    }
    m_list.FilterChanged(L"an", 0);
    EXPECT_EQ(Column(2), (Texts{ L"CT", L"MR", L"DX", L"PT" })) << "all columns of a shown row are filled";
    EXPECT_TRUE(m_list.GetPatient(-1).IsEmpty());
    EXPECT_TRUE(m_list.GetPatient(4).IsEmpty());
    ASSERT_TRUE(m_dialog.DestroyWindow());
    EXPECT_EQ(std::vector<HWND>({ m_list.m_hWnd, m_list.Header().m_hWnd, m_edit.m_hWnd }), std::vector<HWND>(3, NULL))
        << "destroying the dialog detaches the list, its header and the edit";
}

TEST_F(PatientListTest, RefilterClearsEachSelectedRowAndSelectsOnlyASingleResult)
{
    AttachList();
    m_list.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
    m_list.SetItemState(3, LVIS_SELECTED, LVIS_SELECTED);
    CMessageRecorder recorder;
    ASSERT_TRUE(recorder.Attach(&m_dialog, "dialog"));
    // Only changes of the selected state count: the row, negated for a clearing.
    recorder.SetNotifyDetail(LVN_ITEMCHANGED, [](const NMHDR* pNMHDR) -> INT_PTR {
        const NMLISTVIEW* pNM = reinterpret_cast<const NMLISTVIEW*>(pNMHDR);
        if ((pNM->uChanged & LVIF_STATE) == 0 || ((pNM->uOldState ^ pNM->uNewState) & LVIS_SELECTED) == 0)
            return 0;
        return (pNM->uNewState & LVIS_SELECTED) ? pNM->iItem + 1000 : -(pNM->iItem + 1000);
    });
    recorder.Clear();

    m_list.FilterChanged(L"old", 0);
    std::vector<INT_PTR> events;
    for (const SRecordedMessage& msg : recorder.GetMessages())
        if (msg.message == WM_NOTIFY && msg.nIDFrom == IDC_LIST
            && (msg.nCode == LVN_DELETEALLITEMS || (msg.nCode == LVN_ITEMCHANGED && msg.nDetail != 0)))
            events.push_back(msg.nDetail);
    EXPECT_EQ(events, (std::vector<INT_PTR>{ -1001, -1003, 0, 1000 }));
    EXPECT_TRUE(m_list.GetSelectedPatient() == m_patients[6]);

    m_list.FilterChanged(L"plan", 0);
    EXPECT_TRUE(Selected().empty()) << "three rows: nothing selected";
    EXPECT_EQ(m_list.IsPatientSelected(), 0);
    EXPECT_TRUE(m_list.GetSelectedPatient().IsEmpty());
}

TEST_F(PatientListTest, AddingShowsRowsAsToldAndDeletingAFilteredOutPatientDoesNothing)
{
    AttachList();
    m_list.FilterChanged(L"an", 0);
    m_list.AddPatient(MakePatient(L"Zed", L"Kim", L"Q-1", L"CR"), 0);
    EXPECT_EQ(ItemData(), (Rows{ 0, 1, 4, 6, 7 })) << "without the flag the new row shows unfiltered";
    EXPECT_EQ(m_list.GetItemText(4, 2), CString(L"CR"));
    m_list.AddPatient(MakePatient(L"Zed", L"Ann", L"Q-2", L"CR"), 1);
    EXPECT_EQ(ItemData(), (Rows{ 0, 1, 4, 6, 8 }));
    CPatientArray more;
    more.Add(MakePatient(L"Yates", L"Ann", L"Q-3", L"CR"));
    m_list.AddPatientArray(more);
    EXPECT_EQ(ItemData(), (Rows{ 4, 1, 0, 6, 9, 8 })) << "an array is added unfiltered and sorted";

    m_list.DeletePatient(m_patients[3]);     // stored but hidden
    m_list.DeletePatient(MakePatient(L"Nobody", L"At All", L"N-0", L"CT"));
    EXPECT_EQ(ItemData(), (Rows{ 4, 1, 0, 6, 9, 8 }));
    m_list.DeletePatient(m_patients[4]);
    EXPECT_EQ(ItemData(), (Rows{ 0, 1, 5, 7, 8 })) << "a shown one rebuilds the rows with new indices";
    EXPECT_TRUE(m_list.GetPatient(2) == m_patients[6]);
    m_list.FilterChanged(L"", 0);
    EXPECT_EQ(m_list.GetItemCount(), 9);
    EXPECT_TRUE(m_list.GetPatient(3) == m_patients[3]);

    m_list.DeleteAllPatients();
    m_list.ReFilter();
    EXPECT_EQ(m_list.GetItemCount(), 0);
}

TEST_F(PatientListTest, SelectPatientPicksTheLaterEqualRowElseTheLaterFullNameAndScrollsToIt)
{
    AttachList(NameIdModalityProfile(), false);
    CPatientArray arr;
    arr.Add(MakePatient(L"Doe", L"John", L"D-1", L"CT"));
    arr.Add(MakePatient(L"Adams", L"Ann", L"A-1", L"MR"));
    arr.Add(MakePatient(L"Doe", L"John", L"D-2", L"US"));
    arr.Add(MakePatient(L"Adams", L"Ann", L"A-1", L"XA"));
    CPatientGenerator(7).Generate(200, arr);
    m_list.AddPatientArray(arr);
    m_list.ReFilter();   // store order

    const struct { CPatient patient; Rows rows; } cases[] = {
        { MakePatient(L"Adams", L"Ann", L"A-1", L"DX"), { 3 } },      // equality beats the name
        { MakePatient(L"Doe", L"John", L"D-9", L"CT"), { 2 } },       // the later full name
        { MakePatient(L"DOE", L"John", L"D-9", L"CT"), {} },          // names compare case-sensitively
        { arr[194], { 194 } },
    };
    for (const auto& c : cases)
    {
        m_list.SelectPatient(c.patient);
        EXPECT_EQ(Selected(), c.rows) << c.patient.GetPatientId().GetString();
    }
    CRect rectClient, rectRow;
    m_list.GetClientRect(&rectClient);
    ASSERT_TRUE(m_list.GetItemRect(194, &rectRow, LVIR_BOUNDS));
    EXPECT_GE(rectRow.top, 0);
    EXPECT_LE(rectRow.bottom, rectClient.bottom) << "the row is scrolled fully into view";
}

TEST_F(PatientListTest, UpdateSelectedPatientRewritesTheRowAndTheStoreThenSortsAndFilters)
{
    AttachList();
    m_list.UpdateSelectedPatient(MakePatient(L"Nobody", L"Selected", L"N-1", L"CT"));
    EXPECT_EQ(m_list.GetItemCount(), 7) << "without a selected row nothing changes";

    m_list.FilterChanged(L"an", 0);
    m_list.SelectPatient(m_patients[4]);
    CPatient updated = m_patients[4];
    updated.SetLastName(L"Bakker");
    updated.SetModality(L"MG");
    m_list.UpdateSelectedPatient(updated);
    EXPECT_EQ(ItemData(), (Rows{ 0, 1, 6 }));

    m_list.FilterChanged(L"bakker", 0);
    EXPECT_EQ(Column(0), (Texts{ L"Bakker, Eve" }));
    EXPECT_EQ(Column(2), (Texts{ L"MG" }));
    EXPECT_EQ(ItemData(), (Rows{ 4 }));
}

// Profile columns and header items may disagree when a host edits the header itself.
TEST_F(PatientListTest, ColumnCountMismatchFillsAndSearchesOnlyColumnsInBoth)
{
    AttachList(NameIdModalityProfile(), false);
    ASSERT_TRUE(m_list.DeleteColumn(2));
    m_patients.Copy(WordStartPatients());
    m_list.AddPatientArray(m_patients);
    m_list.FilterChanged(L"xa", 0);
    EXPECT_EQ(m_list.GetItemCount(), 0) << "the modality is not in the header: not searched";
    m_list.FilterChanged(L"k-77", 0);
    EXPECT_EQ(ItemData(), (Rows{ 5 }));
    ASSERT_TRUE(m_list.DeleteColumn(1));
    ASSERT_TRUE(m_list.DeleteColumn(0));
    m_list.FilterChanged(L"an", 0);
    EXPECT_EQ(m_list.GetItemCount(), 0) << "no header items: a filter shows none";
    m_list.FilterChanged(L"", 0);
    EXPECT_EQ(m_list.GetItemCount(), 7);

    for (int nColumn = 0; nColumn < 4; ++nColumn)
        m_list.InsertColumn(nColumn, nColumn == 0 ? L"Id" : L"Extra", LVCFMT_LEFT, 80);
    m_list.SetItemText(0, 3, L"Annex");
    m_list.FilterChanged(L"", 0);
    EXPECT_EQ(Column(3), Texts(7, L"")) << "a column beyond the profile is not the list's to fill";
    m_list.FilterChanged(L"an", 0);
    EXPECT_EQ(ItemData(), (Rows{ 0, 1, 4, 6 }));
}

TEST_F(PatientListTest, AutoSizeAddsTwentyToTheHeaderMeasureExceptInTheLastColumn)
{
    const int aFields[] = { CPatientProfile::fieldSex, CPatientProfile::fieldModality,
                            CPatientProfile::fieldPatientId };
    AttachList(CPatientProfile(aFields, 3), false);
    m_list.AddPatient(MakePatient(L"Long", L"Id",
        L"PID-0123456789-ABCDEFGHIJKLMNOPQRSTUVWXYZ-0123456789-ABCDEFGHIJKLMNOPQRSTUVWXYZ-0123456789", L"CT"), 0);
    m_list.AddPatient(MakePatient(L"Short", L"Id", L"P1", L"MR"), 0);

    // The platform's own measures, on a plain list view with the same font, columns and texts.
    for (int nColumn = 0; nColumn < 3; ++nColumn)
        m_plain.InsertColumn(nColumn, CPatientProfile::GetFieldTitle(aFields[nColumn]), LVCFMT_LEFT, 50);
    for (int nRow = 0; nRow < 2; ++nRow)
    {
        m_plain.InsertItem(nRow, m_list.GetItemText(nRow, 0));
        for (int nColumn = 1; nColumn < 3; ++nColumn)
            m_plain.SetItemText(nRow, nColumn, m_list.GetItemText(nRow, nColumn));
    }
    m_plain.SetExtendedStyle(LVS_EX_FULLROWSELECT);
    auto plainWidth = [&](int nColumn, int nHow) {
        m_plain.SetColumnWidth(nColumn, nHow);
        return m_plain.GetColumnWidth(nColumn);
    };
    const int aHeader[2] = { plainWidth(0, LVSCW_AUTOSIZE_USEHEADER), plainWidth(1, LVSCW_AUTOSIZE_USEHEADER) };

    for (int nRows : { 2, 1 })
    {
        SCOPED_TRACE(testing::Message() << nRows << " rows");
        if (nRows == 1)
        {
            m_list.DeleteAllPatients();
            m_list.AddPatient(MakePatient(L"Short", L"Id", L"P1", L"MR"), 0);
            m_plain.DeleteItem(0);
        }
        m_list.AutoSizeColumnWidths();
        EXPECT_EQ(m_list.GetColumnWidth(0), aHeader[0] + 20);
        EXPECT_EQ(m_list.GetColumnWidth(1), aHeader[1] + 20);
        // The last column's header measure depends on the room the others leave.
        m_plain.SetColumnWidth(0, m_list.GetColumnWidth(0));
        m_plain.SetColumnWidth(1, m_list.GetColumnWidth(1));
        const int nHeader = plainWidth(2, LVSCW_AUTOSIZE_USEHEADER);
        const int nContent = plainWidth(2, LVSCW_AUTOSIZE);
        if (nRows == 2)
        {
            ASSERT_GT(nContent, nHeader + 20) << "the long ID was meant to be wider than the room left";
        }
        EXPECT_EQ(m_list.GetColumnWidth(2), std::max(nHeader, nContent));
    }
}
