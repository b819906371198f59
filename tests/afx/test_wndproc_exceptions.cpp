// Framework exceptions thrown by message handlers stop in the window procedure: creation fails,
// a paint is not retried forever, the user is told of failures other than CUserException, and
// the exception is deleted. A modal dialog ends with -1 and gives its owner back.
#include <afxwin.h>
#include <gtest/gtest.h>

#include "DialogTemplate.h"
#include "HookedDialog.h"
#include "HostWindow.h"
#include "MessageBoxCatcher.h"

namespace
{
int g_nLiveExceptions = 0;

// An exception of the base's kind that counts its own life.
template <class TBase>
class CCounted : public TBase
{
public:
    template <class... TArgs> explicit CCounted(TArgs... args) : TBase(args...) { ++g_nLiveExceptions; }
    virtual ~CCounted() { --g_nLiveExceptions; }
};

enum EThrow { THROW_NONE, THROW_USER, THROW_PLAIN, THROW_FILE };

[[noreturn]] int Throw(EThrow eThrow)
{
    if (eThrow == THROW_USER)
        throw new CCounted<CUserException>;
    if (eThrow == THROW_FILE)
        throw new CCounted<CFileException>(CFileException::fileNotFound, -1, L"study.dcm");
    throw new CCounted<CException>;
}

class CThrowingWnd : public CWnd
{
public:
    EThrow m_eThrow = THROW_NONE;
    int m_nPaints = 0;
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct) { return m_eThrow == THROW_NONE ? CWnd::OnCreate(lpCreateStruct) : Throw(m_eThrow); }
    afx_msg void OnPaint() { ++m_nPaints; Throw(m_eThrow); }
    afx_msg LRESULT OnApp(WPARAM, LPARAM) { return Throw(m_eThrow); }
    afx_msg void OnMenuCommand() { Throw(m_eThrow); }
    DECLARE_MESSAGE_MAP()
};

const UINT ID_THROWING_COMMAND = 0x8200;

BEGIN_MESSAGE_MAP(CThrowingWnd, CWnd)
    ON_WM_CREATE()
    ON_WM_PAINT()
    ON_MESSAGE(WM_APP, &CThrowingWnd::OnApp)
    ON_COMMAND(ID_THROWING_COMMAND, &CThrowingWnd::OnMenuCommand)
END_MESSAGE_MAP()

BOOL CreateThrowing(CThrowingWnd& wnd)
{
    return wnd.CreateEx(0, AfxRegisterWndClass(0), L"throwing", WS_POPUP | WS_VISIBLE, 40, 40, 200, 100, NULL, NULL);
}
}

TEST(WndProcExceptions, FailedCreationIsQuietAndHandlerFailuresAreReportedUnlessTheUserWasToldAlready)
{
    for (EThrow eThrow : { THROW_USER, THROW_PLAIN })
    {
        zaduv_test::CMessageBoxCatcher catcher;
        CThrowingWnd failing;
        failing.m_eThrow = eThrow;
        EXPECT_FALSE(CreateThrowing(failing) || failing.m_hWnd != NULL);
        EXPECT_EQ(0, catcher.GetCount()) << "a failed creation is the creator's to report";
        EXPECT_EQ(0, g_nLiveExceptions);
    }
    CThrowingWnd wnd;
    ASSERT_TRUE(CreateThrowing(wnd));
    struct SCase { EThrow eThrow; UINT message; WPARAM wParam; LRESULT lExpected; LPCWSTR pszBox; };
    const SCase cases[] = {
        { THROW_USER, WM_APP, 0, 0, NULL },
        { THROW_PLAIN, WM_APP, 0, 0, L"Internal application error." },
        { THROW_FILE, WM_APP, 0, 0, L"study.dcm was not found." },
        { THROW_PLAIN, WM_COMMAND, ID_THROWING_COMMAND, TRUE, L"Command failed." },
    };
    for (const SCase& c : cases)
    {
        zaduv_test::CMessageBoxCatcher catcher;
        wnd.m_eThrow = c.eThrow;
        EXPECT_EQ(c.lExpected, wnd.SendMessage(c.message, c.wParam, 0)) << c.message;
        EXPECT_EQ(0, g_nLiveExceptions) << "the window procedure deletes what it caught";
        EXPECT_TRUE(::IsWindow(wnd.m_hWnd));
        ASSERT_EQ(c.pszBox != NULL, catcher.GetCount()) << c.eThrow;
        for (const auto& box : catcher.GetBoxes())
            EXPECT_EQ(std::make_pair(CString(c.pszBox), CString(L"ZaDUVTests")), std::make_pair(box.strText, box.strCaption));
    }
    // A failed paint is not reported and validates the window, else WM_PAINT would come back forever.
    zaduv_test::CMessageBoxCatcher catcher;
    wnd.m_eThrow = THROW_PLAIN;
    wnd.m_nPaints = 0;
    wnd.Invalidate();
    wnd.UpdateWindow();
    EXPECT_EQ(1, wnd.m_nPaints);
    EXPECT_FALSE(wnd.GetUpdateRect(NULL));
    EXPECT_EQ(std::make_pair(0, 0), std::make_pair(catcher.GetCount(), g_nLiveExceptions));
}

TEST(WndProcExceptions, ExceptionInTheModalLoopEndsTheDialogAndFreesTheOwner)
{
    zaduv_test::CHostWindow host;
    ASSERT_TRUE(host.CreateHost(300, 200, WS_POPUP | WS_VISIBLE | WS_CAPTION));
    zaduv_test::CDialogTemplate t(CRect(0, 0, 120, 60), L"Failing");
    CHookedDialog dlg;
    dlg.InitModalIndirect(t, &host);
    dlg.m_fnKickIdle = [](CHookedDialog& d, LPARAM) {
        d.PostMessage(WM_APP + 1);
        return FALSE;
    };
    // Outside any window procedure: the exception reaches DoModal itself.
    dlg.m_fnPreTranslate = [](MSG* pMsg) -> BOOL {
        if (pMsg->message == WM_APP + 1)
            Throw(THROW_PLAIN);
        return FALSE;
    };
    EXPECT_EQ(-1, dlg.DoModal());
    EXPECT_EQ(nullptr, dlg.m_hWnd);
    EXPECT_TRUE(host.IsWindowEnabled());
    EXPECT_EQ(0, g_nLiveExceptions);
}
