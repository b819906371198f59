// CFilterEdit in a real dialog: keystrokes and text changes, the one-second restartable delay
// measured on the message pump, the listener, destruction, and what the parent gets to see.

#include <gtest/gtest.h>

#include <zaduv.h>

#include "DialogTemplate.h"
#include "MessagePump.h"
#include "MessageRecorder.h"

#include <memory>
#include <string>
#include <vector>

using namespace zaduv_test;

namespace
{
const UINT IDC_FILTER = 100;
const UINT IDC_PLAIN = 101;

// Windows that are robust against a busy machine: the delay is one second, so a notification
// must not come before 900 ms and must have come by 2000 ms.
const DWORD EARLIEST_MS = 900;
const DWORD LATEST_MS = 2000;

// What a listener was told, and when.
class CRecordingListener : public IFilterListener
{
public:
    struct SCall
    {
        std::wstring strText;
        int nReserved;
        ULONGLONG tArrived;
    };

    virtual void FilterChanged(CString strFilter, int nReserved)
    {
        m_calls.push_back(SCall{ std::wstring(strFilter.GetString()), nReserved, ::GetTickCount64() });
    }

    size_t Count() const { return m_calls.size(); }
    const SCall& Last() const { return m_calls.back(); }

    std::vector<SCall> m_calls;
};

// A modeless dialog with the filter edit and a plain edit. Its own map has an EN_CHANGE
// handler for each, so it shows which change notifications reach the parent's handlers.
class CFilterHostDialog : public CDialog
{
public:
    int m_nFilterChanges = 0;
    int m_nPlainChanges = 0;

    BOOL CreateHost()
    {
        CDialogTemplate dlgTemplate(CRect(0, 0, 200, 60), L"Filter edit test",
            WS_POPUP | WS_CAPTION | WS_VISIBLE | DS_MODALFRAME);
        dlgTemplate.AddEdit(IDC_FILTER, CRect(7, 7, 193, 21));
        dlgTemplate.AddEdit(IDC_PLAIN, CRect(7, 28, 193, 42));
        return CreateIndirect(dlgTemplate.GetTemplate());
    }

protected:
    virtual void OnOK() {}
    virtual void OnCancel() {}

    afx_msg void OnFilterChange() { ++m_nFilterChanges; }
    afx_msg void OnPlainChange() { ++m_nPlainChanges; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CFilterHostDialog, CDialog)
    ON_EN_CHANGE(IDC_FILTER, &CFilterHostDialog::OnFilterChange)
    ON_EN_CHANGE(IDC_PLAIN, &CFilterHostDialog::OnPlainChange)
END_MESSAGE_MAP()

class FilterEditTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dialog.CreateHost());
        ASSERT_TRUE(m_edit.SubclassDlgItem(IDC_FILTER, &m_dialog));
        PumpPending();
    }

    void TearDown() override
    {
        if (m_dialog.m_hWnd != NULL)
            m_dialog.DestroyWindow();
        PumpPending();
    }

    // Real keyboard input as the edit gets it from the queue, one character at a time.
    void TypeChar(HWND hWnd, wchar_t ch)
    {
        ::PostMessageW(hWnd, WM_CHAR, ch, 1);
        PumpPending();
    }

    CFilterHostDialog m_dialog;
    CFilterEdit m_edit;
};
}

TEST_F(FilterEditTest, FiveKeystrokesWithinASecondNotifyOnceWithTheFullTextAfterTheLastOne)
{
    CRecordingListener listener;
    m_edit.AddListener(&listener);

    const ULONGLONG tFirst = ::GetTickCount64();
    ULONGLONG tLast = tFirst;
    for (wchar_t ch : std::wstring(L"Annex"))
    {
        TypeChar(m_edit.m_hWnd, ch);
        tLast = ::GetTickCount64();
        // A pause shorter than the delay between keys: each one must restart it.
        PumpFor(150);
        EXPECT_EQ(listener.Count(), 0u) << "notified while the user was still typing";
    }
    CString strText;
    m_edit.GetWindowText(strText);
    ASSERT_EQ(std::wstring(strText.GetString()), L"Annex");

    ASSERT_TRUE(PumpUntil([&] { return listener.Count() > 0; }, LATEST_MS));
    EXPECT_EQ(listener.Last().strText, L"Annex");
    EXPECT_EQ(listener.Last().nReserved, 0);
    EXPECT_GE(listener.Last().tArrived - tLast, EARLIEST_MS) << "the delay was not restarted by the last key";

    // The timer was killed after firing: nothing more follows.
    PumpFor(1500);
    EXPECT_EQ(listener.Count(), 1u);
}

TEST_F(FilterEditTest, EveryKindOfChangeRestartsTheDelay)
{
    CRecordingListener listener;
    m_edit.AddListener(&listener);

    // Changes from code, from a replaced selection and from a keystroke, each within the
    // delay of the one before.
    m_edit.SetWindowText(L"pl");
    PumpFor(600);
    m_edit.SetSel(2, 2);
    m_edit.ReplaceSel(L"an");
    PumpFor(600);
    TypeChar(m_edit.m_hWnd, L'e');
    const ULONGLONG tLast = ::GetTickCount64();
    EXPECT_EQ(listener.Count(), 0u);

    ASSERT_TRUE(PumpUntil([&] { return listener.Count() > 0; }, LATEST_MS));
    EXPECT_EQ(listener.Last().strText, L"plane");
    EXPECT_GE(listener.Last().tArrived - tLast, EARLIEST_MS);
    PumpFor(1200);
    EXPECT_EQ(listener.Count(), 1u);
}

TEST_F(FilterEditTest, ClearingTheTextNotifiesAnEmptyString)
{
    CRecordingListener listener;
    m_edit.AddListener(&listener);

    m_edit.SetWindowText(L"West");
    ASSERT_TRUE(PumpUntil([&] { return listener.Count() == 1; }, LATEST_MS));
    EXPECT_EQ(listener.Last().strText, L"West");

    m_edit.SetWindowText(L"");
    ASSERT_TRUE(PumpUntil([&] { return listener.Count() == 2; }, LATEST_MS));
    EXPECT_EQ(listener.Last().strText, L"");
    EXPECT_EQ(listener.Last().nReserved, 0);
}

TEST_F(FilterEditTest, WithoutAListenerTheTimerFiresOnceAndIsKilled)
{
    CMessageRecorder recorder;
    recorder.RecordCommand(FALSE);
    recorder.RecordNotify(FALSE);
    recorder.Watch(WM_TIMER);
    ASSERT_TRUE(recorder.Attach(&m_edit, "filter edit"));
    recorder.Clear();

    m_edit.SetWindowText(L"abc");
    ASSERT_MESSAGE_WITHIN(recorder, ExpectMessage(WM_TIMER, 1, 0), LATEST_MS);
    // A timer left running would fire again every second.
    PumpFor(2500);
    EXPECT_MESSAGES(recorder, ExpectMessage(WM_TIMER, 1, 0));
}

TEST_F(FilterEditTest, ASecondListenerReplacesTheFirst)
{
    CRecordingListener first;
    CRecordingListener second;
    m_edit.AddListener(&first);
    m_edit.AddListener(&second);

    m_edit.SetWindowText(L"Planet");
    ASSERT_TRUE(PumpUntil([&] { return second.Count() > 0; }, LATEST_MS));
    PumpFor(200);
    EXPECT_EQ(second.Count(), 1u);
    EXPECT_EQ(second.Last().strText, L"Planet");
    EXPECT_EQ(first.Count(), 0u);
}

TEST_F(FilterEditTest, NoNotificationAfterTheWindowIsDestroyed)
{
    CRecordingListener listener;
    m_edit.AddListener(&listener);

    m_edit.SetWindowText(L"Ann");
    PumpFor(300);
    ASSERT_TRUE(m_edit.DestroyWindow());
    EXPECT_EQ(m_edit.m_hWnd, (HWND)NULL);
    PumpFor(LATEST_MS);
    EXPECT_EQ(listener.Count(), 0u);

    // The destroyed window also took the listener with it: the same object on a new edit
    // notifies no one until a listener is added again.
    ASSERT_TRUE(m_edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(10, 60, 200, 80), &m_dialog, IDC_FILTER + 10));
    m_edit.SetWindowText(L"Annex");
    PumpFor(LATEST_MS);
    EXPECT_EQ(listener.Count(), 0u);

    m_edit.AddListener(&listener);
    m_edit.SetWindowText(L"Anne");
    ASSERT_TRUE(PumpUntil([&] { return listener.Count() > 0; }, LATEST_MS));
    EXPECT_EQ(listener.Last().strText, L"Anne");
}

TEST_F(FilterEditTest, ListenerThatDestroysTheDialogEndsTheDelayCleanly)
{
    struct CClosingListener : IFilterListener
    {
        CDialog* pDialog = nullptr;
        int nCalls = 0;
        virtual void FilterChanged(CString, int)
        {
            ++nCalls;
            pDialog->DestroyWindow();
        }
    } listener;
    listener.pDialog = &m_dialog;
    m_edit.AddListener(&listener);

    m_edit.SetWindowText(L"x");
    ASSERT_TRUE(PumpUntil([&] { return listener.nCalls > 0; }, LATEST_MS));
    PumpFor(1200);
    EXPECT_EQ(listener.nCalls, 1);
    EXPECT_EQ(m_edit.m_hWnd, (HWND)NULL);
}

TEST_F(FilterEditTest, TheParentDoesNotGetTheChangeNotification)
{
    CEdit plain;
    ASSERT_TRUE(plain.SubclassDlgItem(IDC_PLAIN, &m_dialog));
    CRecordingListener listener;
    m_edit.AddListener(&listener);

    // The same input into both edits: only the plain one's change reaches the parent's map.
    for (wchar_t ch : std::wstring(L"an"))
    {
        TypeChar(m_edit.m_hWnd, ch);
        TypeChar(plain.m_hWnd, ch);
    }
    m_edit.SetWindowText(L"Annex");
    plain.SetWindowText(L"Annex");
    PumpPending();
    EXPECT_EQ(m_dialog.m_nPlainChanges, 3);
    EXPECT_EQ(m_dialog.m_nFilterChanges, 0);

    // The filter edit did see its own changes.
    ASSERT_TRUE(PumpUntil([&] { return listener.Count() > 0; }, LATEST_MS));
    EXPECT_EQ(listener.Last().strText, L"Annex");
    plain.UnsubclassWindow();
}
