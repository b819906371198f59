// CDlgDefaultButton: the pointer lands on the default button whenever the dialog is shown.
#include "resource.h"
#include <DialogTemplate.h>
#include <gtest/gtest.h>
#include <zaduv.h>
#include <functional>

namespace
{
const UINT IDC_ACCEPT = 1201, IDC_REJECT = 1202, IDC_PANEL = 1203, IDC_MISSING = 1299;
const CPoint ptAway(3, 3);

class CConfirmDialog : public CDlgDefaultButton
{
public:
    explicit CConfirmDialog(UINT nIDDefault, UINT nIDTemplate = 0) : CDlgDefaultButton(nIDTemplate, nIDDefault) {}
    using CDlgDefaultButton::SetDefaultButton;
    using CDlgDefaultButton::SetCursor;

    // Modal: the timer comes once the dialog is shown; it notes where the pointer is and ends it.
    BOOL OnInitDialog() override
    {
        SetTimer(1, 20, NULL);
        return CDlgDefaultButton::OnInitDialog();
    }
    CPoint m_ptSeen = CPoint(-1, -1), m_ptCentre = CPoint(-2, -2);

protected:
    afx_msg void OnTimer(UINT_PTR)
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

CPoint PointerAfter(const std::function<void()>& action)
{
    ::SetCursorPos(ptAway.x, ptAway.y);
    action();
    CPoint pt;
    ::GetCursorPos(&pt);
    return pt;
}

CPoint CentreOf(HWND hWnd) { CRect rect; ::GetWindowRect(hWnd, &rect); return rect.CenterPoint(); }

// A hidden dialog with two buttons sharing IDC_REJECT and, before them in z-order, a panel
// whose own child carries the id IDC_ACCEPT.
HWND Create(CConfirmDialog& dlg)
{
    zaduv_test::CDialogTemplate tmpl(CRect(0, 0, 200, 80), L"Confirm", WS_POPUP | WS_CAPTION);
    tmpl.AddStatic(IDC_PANEL, CRect(5, 5, 60, 30), L"")
        .AddButton(IDC_ACCEPT, CRect(70, 55, 120, 69), L"Yes")
        .AddButton(IDC_REJECT, CRect(130, 55, 180, 69), L"No")
        .AddButton(IDC_REJECT, CRect(130, 5, 180, 19), L"No again");
    if (!dlg.CreateIndirect(tmpl, NULL))
        return NULL;
    dlg.SetWindowPos(NULL, 200, 150, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return ::CreateWindowExW(0, L"BUTTON", L"Inner", WS_CHILD | WS_VISIBLE, 2, 2, 30, 12,
        dlg.GetDlgItem(IDC_PANEL)->GetSafeHwnd(), reinterpret_cast<HMENU>(static_cast<UINT_PTR>(IDC_ACCEPT)), NULL, NULL);
}
}

TEST(DlgDefaultButton, PointerGoesToTheFirstDescendantWithTheIdOnShowAndHide)
{
    CConfirmDialog dlg(IDC_REJECT);
    HWND hNested = Create(dlg);
    ASSERT_NE(nullptr, hNested);
    EXPECT_EQ(CentreOf(::GetDlgItem(dlg.m_hWnd, IDC_REJECT)), PointerAfter([&] { dlg.ShowWindow(SW_SHOW); }))
        << "the first of two siblings sharing the id";
    dlg.SetDefaultButton(IDC_ACCEPT);
    EXPECT_EQ(CentreOf(hNested), PointerAfter([&] { dlg.ShowWindow(SW_HIDE); }))
        << "hiding moves it too; the panel's child is met first";

    // A button at (100, 200)-(181, 223) on the screen: the centre halves toward zero.
    CRect rcYes(100, 200, 181, 223);
    dlg.ScreenToClient(&rcYes);
    dlg.GetDlgItem(IDC_ACCEPT)->MoveWindow(&rcYes, FALSE);
    ::DestroyWindow(hNested);
    EXPECT_EQ(CPoint(140, 211), PointerAfter([&] { dlg.SetCursor(IDC_ACCEPT); }));
    dlg.DestroyWindow();
}

TEST(DlgDefaultButton, PointerStaysForIdZeroOrAnUnknownId)
{
    for (UINT nID : { 0u, IDC_MISSING })
    {
        CConfirmDialog dlg(nID);
        ASSERT_NE(nullptr, Create(dlg));
        EXPECT_EQ(ptAway, PointerAfter([&] { dlg.ShowWindow(SW_SHOW); dlg.SetCursor(IDC_MISSING); })) << "id " << nID;
        dlg.DestroyWindow();
    }
}

TEST(DlgDefaultButton, ModalDialogFromAResourceFindsItsDefaultButton)
{
    ::SetCursorPos(ptAway.x, ptAway.y);
    CConfirmDialog dlg(IDOK, IDD_EXPORT);
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ(dlg.m_ptCentre, dlg.m_ptSeen);
}
