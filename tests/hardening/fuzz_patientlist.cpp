// The patient list against a plain model of its store, rows, filter, sort state and selection,
// and the filter edit against a model of its one listener.
#include <zaduv.h>

#include <PatientGenerator.h>

#include "DialogTemplate.h"
#include "FuzzEngine.h"
#include "MessagePump.h"

#include <algorithm>
#include <cwctype>

using namespace zaduv_fuzz;

namespace
{
const UINT IDC_LIST = 200;
const UINT IDC_FILTER = 201;

class CFuzzPatientList : public CPatientListCtrl
{
public:
    using CPatientListCtrl::m_nSortState;
};

CPatientProfile ThreeColumns()
{
    const int aFields[] = { CPatientProfile::fieldName, CPatientProfile::fieldPatientId, CPatientProfile::fieldModality };
    return CPatientProfile(aFields, 3);
}

class CPatientListSubject : public CFuzzSubject
{
public:
    CPatientListSubject() : m_generator(7), m_profile(ThreeColumns()) { m_list.Init(m_profile); }
    CWnd* Window() override { return &m_list; }
    bool CanRecreate() override { return false; }
    void Destroy(CFuzz&) override
    {
        m_dialog.DestroyWindow();
        m_rows.clear();
        m_nSelected = -1;
    }

    void Create() override
    {
        zaduv_test::CDialogTemplate dlgTemplate(CRect(0, 0, 300, 160), L"Patients", WS_POPUP | WS_VISIBLE);
        dlgTemplate.AddListView(IDC_LIST, CRect(0, 0, 300, 160));
        m_dialog.CreateIndirect(dlgTemplate.GetTemplate());
        m_list.SubclassDlgItem(IDC_LIST, &m_dialog);
    }

    bool Matches(const CPatient& patient) const
    {
        if (m_strFilter.empty())
            return true;
        for (int j = 0; j < m_profile.GetColumnCount(); ++j)
        {
            CString strCell = m_profile.FormatColumn(j, patient);
            strCell.MakeLower();
            const int nAt = strCell.Find(m_strFilter.c_str());
            if (nAt == 0 || (nAt > 0 && (iswpunct(strCell[nAt - 1]) || iswspace(strCell[nAt - 1]))))
                return true;
        }
        return false;
    }

    void ReFilter()
    {
        m_rows.clear();
        m_nSelected = -1;
        if (!m_list.GetSafeHwnd())
            return;
        for (int i = 0; i < static_cast<int>(m_store.size()); ++i)
            if (Matches(m_store[i]))
                m_rows.push_back(i);
        if (m_rows.size() == 1)
            m_nSelected = 0;
    }

    // The rows of a sort come out in the profile's order; equal patients in any order.
    void CheckSorted(CFuzz& f)
    {
        const int nState = m_list.m_nSortState;
        std::vector<int> rows;
        for (int r = 0; r < m_list.GetItemCount(); ++r)
            rows.push_back(static_cast<int>(m_list.GetItemData(r)));
        std::vector<int> a = rows, b = m_rows;
        std::sort(a.begin(), a.end());
        std::sort(b.begin(), b.end());
        f.Expect(a, b, "the sorted rows are the shown patients");
        for (size_t r = 1; nState != 0 && r < rows.size(); ++r)
        {
            const int nOrder = m_profile.ComparePatients(std::abs(nState) - 1, &m_store[rows[r - 1]], &m_store[rows[r]]);
            f.Expect(nState > 0 ? nOrder <= 0 : nOrder >= 0, true, "adjacent rows in sort order");
        }
        if (m_nSelected >= 0)
        {
            const int nStore = m_rows[m_nSelected];
            m_nSelected = static_cast<int>(std::find(rows.begin(), rows.end(), nStore) - rows.begin());
        }
        if (a == b)
            m_rows = rows;
    }

    void Check(CFuzz& f) override
    {
        f.Expect(m_list.GetItemCount(), static_cast<int>(m_rows.size()), "row count");
        f.Expect(m_list.IsPatientSelected(), m_nSelected >= 0 ? 1 : 0, "IsPatientSelected");
        f.Expect(m_list.GetSelectedPatient() == (m_nSelected >= 0 ? m_store[m_rows[m_nSelected]] : CPatient()), TRUE,
            "GetSelectedPatient");
        const int nRow = f.Index(static_cast<int>(m_rows.size()));
        const bool bValid = nRow >= 0 && nRow < static_cast<int>(m_rows.size());
        f.Expect(m_list.GetPatient(nRow) == (bValid ? m_store[m_rows[nRow]] : CPatient()), TRUE, "GetPatient");
        if (bValid)
            f.Expect(Text(m_list.GetItemText(nRow, 1)), Text(m_profile.FormatColumn(1, m_store[m_rows[nRow]])),
                "cell text");
    }

    // A stored patient, or a new one from the sequence.
    CPatient SomePatient(CFuzz& f)
    {
        if (!m_store.empty() && f.Chance(70))
            return m_store[f.Pick(static_cast<int>(m_store.size()))];
        return m_generator.Next();
    }

    std::wstring SomeFilter(CFuzz& f)
    {
        if (f.Chance(20) || m_store.empty())
            return L"";
        CString strCell = m_profile.FormatColumn(f.Pick(3), m_store[f.Pick(static_cast<int>(m_store.size()))]);
        const int nFrom = f.Pick(strCell.GetLength());
        CString strPart = strCell.Mid(nFrom, 1 + f.Pick(3));
        if (f.Chance(30))
            strPart.MakeUpper();
        return Text(strPart);
    }

    std::vector<SFuzzOp> Ops() override
    {
        return {
            { "AddPatient", 10, [this](CFuzz& f) {
                 const BOOL bReFilter = f.Chance(30);
                 const CPatient patient = m_generator.Next();
                 m_list.AddPatient(patient, bReFilter);
                 m_store.push_back(patient);
                 if (m_list.GetSafeHwnd())
                     m_rows.push_back(static_cast<int>(m_store.size()) - 1);
                 if (bReFilter)
                     ReFilter();
             } },
            { "DeletePatient", 4, [this](CFuzz& f) {
                 const CPatient patient = SomePatient(f);
                 m_list.DeletePatient(patient);
                 auto it = std::find_if(m_rows.begin(), m_rows.end(), [&](int i) { return m_store[i] == patient; });
                 if (it == m_rows.end())
                     return;
                 m_store.erase(m_store.begin() + *it);
                 ReFilter();
             } },
            { "DeleteAllPatients", 1, [this](CFuzz&) {
                 m_list.DeleteAllPatients();
                 m_store.clear();
                 m_rows.clear();
                 m_nSelected = -1;
             } },
            { "FilterChanged", 5, [this](CFuzz& f) {
                 const std::wstring strFilter = SomeFilter(f);
                 m_list.FilterChanged(strFilter.c_str(), f.Pick(3));
                 CString strLower(strFilter.c_str());
                 strLower.MakeLower();
                 m_strFilter = Text(strLower);
                 ReFilter();
             } },
            { "SelectPatient", 4, [this](CFuzz& f) {
                 const CPatient patient = SomePatient(f);
                 m_list.SelectPatient(patient);
                 // The last equal row, else the last row of the same full name.
                 m_nSelected = -1;
                 for (int r = 0; r < static_cast<int>(m_rows.size()); ++r)
                     if (m_store[m_rows[r]] == patient)
                         m_nSelected = r;
                 if (m_nSelected >= 0)
                     return;
                 for (int r = 0; r < static_cast<int>(m_rows.size()); ++r)
                     if (m_store[m_rows[r]].GetFullName(1) == patient.GetFullName(1))
                         m_nSelected = r;
             } },
            { "UpdateSelectedPatient", 3, [this](CFuzz&) {
                 const CPatient patient = m_generator.Next();
                 m_list.UpdateSelectedPatient(patient);
                 if (m_nSelected < 0)
                     return;
                 m_store[m_rows[m_nSelected]] = patient;
                 ReFilter();
             } },
            { "header click", 3, [this](CFuzz& f) {
                 CHeaderCtrl* pHeader = m_list.GetHeaderCtrl();
                 const int nCol = f.Pick(3);
                 CRect rect;
                 pHeader->GetItemRect(nCol, rect);
                 const int nBefore = m_list.m_nSortState;
                 pHeader->PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(rect.CenterPoint().x, rect.CenterPoint().y));
                 pHeader->PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(rect.CenterPoint().x, rect.CenterPoint().y));
                 zaduv_test::PumpPending();
                 f.Expect(m_list.m_nSortState, std::abs(nBefore) == nCol + 1 ? -nBefore : nCol + 1, "sort state after a click");
                 CheckSorted(f);
             }, true },
            { "ReSort", 2, [this](CFuzz& f) {
                 m_list.ReSort();
                 CheckSorted(f);
             } },
            { "AutoSizeColumnWidths", 1, [this](CFuzz&) { m_list.AutoSizeColumnWidths(); } },
        };
    }

    CDialog m_dialog;
    CFuzzPatientList m_list;
    CPatientGenerator m_generator;
    CPatientProfile m_profile;
    std::vector<CPatient> m_store;
    std::vector<int> m_rows;            // store index of each row
    std::wstring m_strFilter;           // lower case
    int m_nSelected = -1;               // the one selected row
};

// A listener that keeps what it was told.
class CRecordingListener : public IFilterListener
{
public:
    virtual void FilterChanged(CString strFilter, int nReserved)
    {
        ++m_nCalls;
        m_strLast = Text(strFilter);
        m_nReserved = nReserved;
    }
    int m_nCalls = 0;
    std::wstring m_strLast;
    int m_nReserved = 0;
};

class CFilterEditSubject : public CFuzzSubject
{
public:
    CWnd* Window() override { return &m_edit; }

    void Create() override
    {
        zaduv_test::CDialogTemplate dlgTemplate(CRect(0, 0, 200, 40), L"Filter", WS_POPUP | WS_VISIBLE);
        dlgTemplate.AddEdit(IDC_FILTER, CRect(5, 5, 195, 20));
        m_dialog.CreateIndirect(dlgTemplate.GetTemplate());
        m_edit.SubclassDlgItem(IDC_FILTER, &m_dialog);
    }

    void Destroy(CFuzz& f) override
    {
        if (!m_edit.GetSafeHwnd())
            return;
        m_edit.SendMessage(WM_CHAR, L'x', 1);   // a delay left running
        m_dialog.DestroyWindow();
        m_pListener = nullptr;
        const int nCalls = m_listeners[0].m_nCalls + m_listeners[1].m_nCalls;
        zaduv_test::PumpPending();
        f.Expect(m_listeners[0].m_nCalls + m_listeners[1].m_nCalls, nCalls, "nothing told after destruction");
    }

    std::vector<SFuzzOp> Ops() override
    {
        return {
            { "AddListener", 2, [this](CFuzz& f) {
                 const int n = f.Pick(3);
                 m_pListener = n == 0 ? nullptr : &m_listeners[n - 1];
                 m_edit.AddListener(m_pListener);
             } },
            { "type", 6, [this](CFuzz& f) {
                 m_edit.SetFocus();
                 const WCHAR ch = f.Chance(20) ? VK_BACK : static_cast<WCHAR>(L'a' + f.Pick(26));
                 m_edit.SendMessage(WM_CHAR, ch, 1);
             }, true },
            { "timer fires", 4, [this](CFuzz& f) {
                 CString strText;
                 m_edit.GetWindowText(strText);
                 const int aBefore[2] = { m_listeners[0].m_nCalls, m_listeners[1].m_nCalls };
                 m_edit.SendMessage(WM_TIMER, 1);
                 for (int i = 0; i < 2; ++i)
                 {
                     const bool bTold = m_pListener == &m_listeners[i];
                     f.Expect(m_listeners[i].m_nCalls, aBefore[i] + (bTold ? 1 : 0), "listener told once");
                     if (bTold)
                         f.Expect(m_listeners[i].m_strLast + L"|" + std::to_wstring(m_listeners[i].m_nReserved),
                             Text(strText) + L"|0", "filter text and reserved argument");
                 }
             }, true },
        };
    }

    CDialog m_dialog;
    CFilterEdit m_edit;
    CRecordingListener m_listeners[2];
    IFilterListener* m_pListener = nullptr;
};
}

ZADUV_FUZZ_CLASS(CPatientListCtrl, CPatientListSubject)
ZADUV_FUZZ_CLASS(CFilterEdit, CFilterEditSubject)
