// CFilterEdit in a real dialog: the one-second restartable delay measured on the message pump,
// the listener, destruction, and what the parent gets to see.

#include <gtest/gtest.h>

#include <zaduv.h>

#include "DialogTemplate.h"
#include "MessagePump.h"
#include "MessageRecorder.h"

#include <string>
#include <vector>

using namespace zaduv_test;

namespace
{
const UINT IDC_FILTER = 100;
const UINT IDC_PLAIN = 101;

// Bounds robust against a busy machine around the one-second delay.
const DWORD EARLIEST_MS = 900;
const DWORD LATEST_MS = 2000;

class CRecordingListener : public IFilterListener
{
public:
    virtual void FilterChanged(CString strFilter, int nReserved)
    {
        m_texts.push_back(strFilter.GetString());
        m_nReserved = nReserved;
        m_tLast = ::GetTickCount64();
    }

    size_t Count() const { return m_texts.size(); }

    std::vector<std::wstring> m_texts;
    int m_nReserved = -1;
    ULONGLONG m_tLast = 0;
};

// Counts the change notifications that reach the parent's own handlers.
class CFilterHostDialog : public CDialog
{
public:
    int m_nFilterChanges = 0;
    int m_nPlainChanges = 0;

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

// Keyboard input as the edit gets it from the queue.
void TypeText(HWND hWnd, const wchar_t* pszText)
{
    for (; *pszText != L'\0'; ++pszText)
        ::PostMessageW(hWnd, WM_CHAR, *pszText, 1);
    PumpPending();
}

class FilterEditTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CDialogTemplate dlgTemplate(CRect(0, 0, 200, 60), L"Filter edit test",
            WS_POPUP | WS_CAPTION | WS_VISIBLE | DS_MODALFRAME);
        dlgTemplate.AddEdit(IDC_FILTER, CRect(7, 7, 193, 21));
        dlgTemplate.AddEdit(IDC_PLAIN, CRect(7, 28, 193, 42));
        ASSERT_TRUE(m_dialog.CreateIndirect(dlgTemplate.GetTemplate()));
        ASSERT_TRUE(m_edit.SubclassDlgItem(IDC_FILTER, &m_dialog));
        m_edit.AddListener(&m_listener);
    }

    void TearDown() override { m_dialog.DestroyWindow(); PumpPending(); }

    CFilterHostDialog m_dialog;
    CFilterEdit m_edit;
    CRecordingListener m_listener;
};
}

TEST_F(FilterEditTest, EveryChangeRestartsTheDelayAndOneNoticeFollowsTheLast)
{
    // From code, from a replaced selection and from keystrokes, each within the delay.
    m_edit.SetWindowText(L"pl");
    PumpFor(500);
    m_edit.SetSel(2, 2);
    m_edit.ReplaceSel(L"an");
    PumpFor(500);
    TypeText(m_edit.m_hWnd, L"e");
    PumpFor(400);
    TypeText(m_edit.m_hWnd, L"x");
    const ULONGLONG tLastKey = ::GetTickCount64();
    PumpFor(400);
    EXPECT_EQ(m_listener.Count(), 0u) << "notified while the user was still typing";

    ASSERT_TRUE(PumpUntil([&] { return m_listener.Count() > 0; }, LATEST_MS));
    EXPECT_EQ(m_listener.m_texts, (std::vector<std::wstring>{ L"planex" }));
    EXPECT_EQ(m_listener.m_nReserved, 0);
    EXPECT_GE(m_listener.m_tLast - tLastKey, EARLIEST_MS) << "the last key did not restart the delay";
    PumpFor(1500);
    EXPECT_EQ(m_listener.Count(), 1u) << "the timer runs on after firing";

    m_edit.SetWindowText(L"");
    ASSERT_TRUE(PumpUntil([&] { return m_listener.Count() == 2; }, LATEST_MS));
    EXPECT_EQ(m_listener.m_texts.back(), L"");
}

TEST_F(FilterEditTest, WithoutAListenerTheTimerFiresOnceAndASecondListenerReplacesTheFirst)
{
    CFilterEdit bare;
    ASSERT_TRUE(bare.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(10, 60, 200, 80), &m_dialog, IDC_FILTER + 10));
    CMessageRecorder recorder;
    recorder.RecordCommand(FALSE);
    recorder.RecordNotify(FALSE);
    recorder.Watch(WM_TIMER);
    ASSERT_TRUE(recorder.Attach(&bare, "bare filter edit"));
    bare.SetWindowText(L"abc");

    CRecordingListener second;
    m_edit.AddListener(&second);
    m_edit.SetWindowText(L"Planet");
    PumpFor(LATEST_MS + 500);
    EXPECT_MESSAGES(recorder, ExpectMessage(WM_TIMER, 1, 0));
    EXPECT_EQ(second.m_texts, (std::vector<std::wstring>{ L"Planet" }));
    EXPECT_EQ(m_listener.Count(), 0u);
    bare.DestroyWindow();
}

TEST_F(FilterEditTest, NoNoticeAfterTheWindowIsDestroyedAndNoneAfterAListenerDestroysTheDialog)
{
    m_edit.SetWindowText(L"Ann");
    PumpFor(300);
    ASSERT_TRUE(m_edit.DestroyWindow());
    PumpFor(LATEST_MS);
    EXPECT_EQ(m_listener.Count(), 0u);

    // The listener went with the window: a new edit on the same object tells no one.
    ASSERT_TRUE(m_edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(10, 60, 200, 80), &m_dialog, IDC_FILTER + 10));
    m_edit.SetWindowText(L"Annex");
    PumpFor(LATEST_MS);
    EXPECT_EQ(m_listener.Count(), 0u);

    // A listener that destroys the dialog ends the delay cleanly.
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
    TypeText(m_edit.m_hWnd, L"an");
    TypeText(plain.m_hWnd, L"an");
    m_edit.SetWindowText(L"Annex");
    plain.SetWindowText(L"Annex");
    PumpPending();
    EXPECT_EQ(m_dialog.m_nPlainChanges, 3);
    EXPECT_EQ(m_dialog.m_nFilterChanges, 0);
    ASSERT_TRUE(PumpUntil([&] { return m_listener.Count() > 0; }, LATEST_MS));
    EXPECT_EQ(m_listener.m_texts.back(), L"Annex");
    plain.UnsubclassWindow();
}
