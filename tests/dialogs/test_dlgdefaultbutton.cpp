// CDlgDefaultButton: the pointer lands on the default button whenever the dialog is shown.
#include "resource.h"
#include <DialogTemplate.h>
#include <MessagePump.h>
#include <gtest/gtest.h>
#include <zaduv.h>

namespace
{
const UINT IDC_ACCEPT = 1201;
const UINT IDC_REJECT = 1202;
const UINT IDC_PANEL = 1203;
const UINT IDC_MISSING = 1299;
const CPoint ptAway(3, 3);

class CConfirmDialog : public CDlgDefaultButton
{
public:
    explicit CConfirmDialog(UINT nIDDefault, UINT nIDTemplate = 0) : CDlgDefaultButton(nIDTemplate, nIDDefault) {}
    using CDlgDefaultButton::SetDefaultButton;
    using CDlgDefaultButton::SetCursor;

    BOOL OnInitDialog() override
    {
        BOOL bResult = CDlgDefaultButton::OnInitDialog();
        if (m_bModalTest)
            SetTimer(1, 20, NULL);
        return bResult;
    }

    bool m_bModalTest = false;
    CPoint m_ptSeen = CPoint(-1, -1);
    CPoint m_ptCentre = CPoint(-2, -2);

protected:
    afx_msg void OnTimer(UINT_PTR /*nIDEvent*/)
    {
        KillTimer(1);
        ::GetCursorPos(&m_ptSeen);
        CRect rect;
        GetDlgItem(IDOK)->GetWindowRect(&rect);
        m_ptCentre = rect.CenterPoint();
        EndDialog(IDOK);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CConfirmDialog, CDlgDefaultButton)
    ON_WM_TIMER()
END_MESSAGE_MAP()

CPoint CursorPos()
{
    CPoint pt;
    ::GetCursorPos(&pt);
    return pt;
}

CPoint CentreOf(HWND hWnd)
{
    CRect rect;
    ::GetWindowRect(hWnd, &rect);
    return CPoint((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
}

// A hidden dialog with two buttons and, before them in z-order, a panel whose own child
// carries the id of the first button.
class DlgDefaultButtonTest : public ::testing::Test
{
protected:
    void Create(CConfirmDialog& dlg)
    {
        zaduv_test::CDialogTemplate tmpl(CRect(0, 0, 200, 80), L"Confirm", WS_POPUP | WS_CAPTION);
        tmpl.AddStatic(IDC_PANEL, CRect(5, 5, 60, 30), L"")
            .AddButton(IDC_ACCEPT, CRect(70, 55, 120, 69), L"Yes")
            .AddButton(IDC_REJECT, CRect(130, 55, 180, 69), L"No")
            .AddButton(IDC_REJECT, CRect(130, 5, 180, 19), L"No again");
        ASSERT_TRUE(dlg.CreateIndirect(tmpl, NULL));
        dlg.SetWindowPos(NULL, 200, 150, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        ASSERT_FALSE(dlg.IsWindowVisible());
        m_hNested = ::CreateWindowExW(0, L"BUTTON", L"Inner", WS_CHILD | WS_VISIBLE, 2, 2, 30, 12,
            dlg.GetDlgItem(IDC_PANEL)->GetSafeHwnd(), reinterpret_cast<HMENU>(static_cast<UINT_PTR>(IDC_ACCEPT)),
            NULL, NULL);
        ASSERT_NE(nullptr, m_hNested);
    }
    HWND m_hNested = NULL;
};
}

TEST_F(DlgDefaultButtonTest, PointerGoesToTheFirstDescendantWithTheIdOnShowAndHide)
{
    CConfirmDialog dlg(IDC_REJECT);
    Create(dlg);
    HWND hFirstNo = ::GetDlgItem(dlg.m_hWnd, IDC_REJECT);
    ::SetCursorPos(ptAway.x, ptAway.y);
    dlg.ShowWindow(SW_SHOW);
    EXPECT_EQ(CentreOf(hFirstNo), CursorPos()) << "the first of two siblings sharing the id";

    ::SetCursorPos(ptAway.x, ptAway.y);
    dlg.SetDefaultButton(IDC_ACCEPT);
    dlg.ShowWindow(SW_HIDE);
    EXPECT_EQ(CentreOf(m_hNested), CursorPos()) << "hiding moves it too; the panel's child is met first";
    dlg.DestroyWindow();
}

TEST_F(DlgDefaultButtonTest, PointerStaysForIdZeroOrAnUnknownId)
{
    for (UINT nID : { 0u, IDC_MISSING })
    {
        CConfirmDialog dlg(nID);
        Create(dlg);
        ::SetCursorPos(ptAway.x, ptAway.y);
        dlg.ShowWindow(SW_SHOW);
        dlg.SetCursor(IDC_MISSING);
        EXPECT_EQ(ptAway, CursorPos()) << "id " << nID;
        dlg.DestroyWindow();
    }
}

TEST_F(DlgDefaultButtonTest, SetCursorLandsOnTheCentreTruncated)
{
    CConfirmDialog dlg(0);
    Create(dlg);
    // A button at (100, 200)-(181, 223) on the screen: the centre halves toward zero.
    HWND hYes = ::GetDlgItem(dlg.m_hWnd, IDC_ACCEPT);
    CRect rcYes(100, 200, 181, 223);
    dlg.ScreenToClient(&rcYes);
    ::MoveWindow(hYes, rcYes.left, rcYes.top, rcYes.Width(), rcYes.Height(), FALSE);
    ::DestroyWindow(m_hNested);
    dlg.SetCursor(IDC_ACCEPT);
    EXPECT_EQ(CPoint(140, 211), CursorPos());
    dlg.DestroyWindow();
}

TEST(DlgDefaultButtonModal, ModalDialogFromAResourceFindsItsDefaultButton)
{
    ::SetCursorPos(ptAway.x, ptAway.y);
    CConfirmDialog dlg(IDOK, IDD_EXPORT);
    dlg.m_bModalTest = true;
    EXPECT_EQ(2, dlg.GetSkinFlags());
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ(dlg.m_ptCentre, dlg.m_ptSeen);
}
