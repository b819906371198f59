// Command user interface of dialogs and popup menus as hosts drive them: update handlers that
// enable and check controls, and a tracked popup whose chosen command reaches the dialog.
#include <afxwin.h>
#include <gtest/gtest.h>
#include "DialogTemplate.h"
#include "MessagePump.h"

using zaduv_test::CDialogTemplate;

namespace
{
const UINT IDC_SCAN = 701, IDC_ARCHIVE = 702, IDC_PURGE = 703, IDC_FLAG = 704, IDC_MODE_FIRST = 705, IDC_MODE_LAST = 706;
const UINT ID_OPEN = 710, ID_PRINT = 711;

CDialogTemplate MakeCommandDialog()
{
    CDialogTemplate t(CRect(30, 30, 230, 110), L"Commands", WS_POPUP | WS_CAPTION | WS_VISIBLE);
    t.AddButton(IDC_SCAN, CRect(5, 5, 55, 19), L"Scan")
     .AddButton(IDC_ARCHIVE, CRect(60, 5, 110, 19), L"Archive")
     .AddButton(IDC_PURGE, CRect(115, 5, 165, 19), L"Purge")
     .AddButton(IDC_FLAG, CRect(5, 25, 55, 39), L"Flag", BS_AUTOCHECKBOX | WS_TABSTOP)
     .AddButton(IDC_MODE_FIRST, CRect(60, 25, 110, 39), L"One", BS_AUTORADIOBUTTON)
     .AddButton(IDC_MODE_LAST, CRect(115, 25, 165, 39), L"Two", BS_AUTORADIOBUTTON);
    return t;
}

class CCommandDialog : public CDialog
{
public:
    BOOL m_bArchiveReady = FALSE;
    UINT m_nMode = IDC_MODE_LAST, m_nCommand = 0;
    afx_msg void OnScan() {}
    afx_msg void OnOpen() { m_nCommand = ID_OPEN; }
    afx_msg void OnPrint() { m_nCommand = ID_PRINT; }
    afx_msg void OnUpdateArchive(CCmdUI* pCmdUI) { pCmdUI->Enable(m_bArchiveReady); }
    afx_msg void OnUpdateMode(CCmdUI* pCmdUI) { pCmdUI->SetCheck(pCmdUI->m_nID == m_nMode); }
    afx_msg void OnUpdatePrint(CCmdUI* pCmdUI) { pCmdUI->Enable(FALSE); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCommandDialog, CDialog)
    ON_BN_CLICKED(IDC_SCAN, &CCommandDialog::OnScan)
    ON_COMMAND(ID_OPEN, &CCommandDialog::OnOpen)
    ON_COMMAND(ID_PRINT, &CCommandDialog::OnPrint)
    ON_UPDATE_COMMAND_UI(IDC_ARCHIVE, &CCommandDialog::OnUpdateArchive)
    ON_UPDATE_COMMAND_UI_RANGE(IDC_MODE_FIRST, IDC_MODE_LAST, &CCommandDialog::OnUpdateMode)
    ON_UPDATE_COMMAND_UI(ID_PRINT, &CCommandDialog::OnUpdatePrint)
END_MESSAGE_MAP()

// Chooses the second item of the open popup with the keyboard, once the menu loop runs.
void CALLBACK ChooseSecondItem(HWND hWnd, UINT, UINT_PTR nIDEvent, DWORD)
{
    ::KillTimer(hWnd, nIDEvent);
    ::PostMessageW(hWnd, WM_KEYDOWN, VK_DOWN, 1);
    ::PostMessageW(hWnd, WM_KEYDOWN, VK_DOWN, 1);
    ::PostMessageW(hWnd, WM_KEYDOWN, VK_RETURN, 1);
}
}

TEST(CmdUI, DialogControlsFollowTheUpdateHandlersAndATrackedPopupRoutesItsCommand)
{
    CDialogTemplate t = MakeCommandDialog();
    CCommandDialog dlg;
    ASSERT_TRUE(dlg.CreateIndirect(t, NULL));
    dlg.GetDlgItem(IDC_PURGE)->SetFocus();
    dlg.UpdateDialogControls(&dlg, TRUE);
    const struct { UINT nID; BOOL bEnabled; } cases[] = {
        { IDC_SCAN, TRUE },         // has a command handler
        { IDC_ARCHIVE, FALSE },     // its update handler says so
        { IDC_PURGE, FALSE },       // no handler at all
        { IDC_FLAG, TRUE },         // check boxes keep their state for the user
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.bEnabled, dlg.GetDlgItem(static_cast<int>(c.nID))->IsWindowEnabled()) << c.nID;
    // The focus moved on to the next control before the one it was on went disabled.
    EXPECT_EQ(dlg.GetDlgItem(IDC_FLAG), CWnd::GetFocus());
    EXPECT_EQ(std::make_pair(UINT(BST_UNCHECKED), UINT(BST_CHECKED)), std::make_pair(dlg.IsDlgButtonChecked(IDC_MODE_FIRST), dlg.IsDlgButtonChecked(IDC_MODE_LAST)));

    dlg.m_bArchiveReady = TRUE;
    dlg.m_nMode = IDC_MODE_FIRST;
    dlg.UpdateDialogControls(&dlg, TRUE);
    EXPECT_EQ(std::make_pair(TRUE, UINT(BST_CHECKED)), std::make_pair(dlg.GetDlgItem(IDC_ARCHIVE)->IsWindowEnabled(), dlg.IsDlgButtonChecked(IDC_MODE_FIRST)));

    CMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    ASSERT_TRUE(menu.AppendMenu(MF_STRING, ID_OPEN, L"&Open"));
    ASSERT_TRUE(menu.AppendMenu(MF_STRING, ID_PRINT, L"&Print"));
    CRect rect;
    dlg.GetWindowRect(&rect);

    // A dialog runs no update handlers for its popups (only frame windows do), so the print
    // item stays enabled although OnUpdatePrint would disable it.
    dlg.SetTimer(1, 50, &ChooseSecondItem);
    EXPECT_TRUE(menu.TrackPopupMenu(TPM_LEFTALIGN, rect.left + 10, rect.top + 10, &dlg));
    zaduv_test::PumpUntil([&] { return dlg.m_nCommand != 0; }, 2000);
    EXPECT_EQ(ID_PRINT, dlg.m_nCommand);

    EXPECT_FALSE(menu.TrackPopupMenu(0, 0, 0, NULL)) << "no owner, no menu";
    dlg.DestroyWindow();

    // The object owns its menu; a missing resource or handle leaves it empty.
    CMenu* pOwned = new CMenu;
    ASSERT_TRUE(pOwned->CreateMenu());
    const HMENU hMenu = pOwned->m_hMenu;
    delete pOwned;
    EXPECT_FALSE(::IsMenu(hMenu)) << "the object destroyed its menu";
    CMenu empty;
    EXPECT_FALSE(empty.LoadMenu(54321) || empty.Attach(NULL));
}
