// The counter the neutrality cases rely on sees what the library creates and forgets what it
// releases: a deliberate leak of each kind shows, and its release takes it back.
#include <afxwin.h>
#include <gtest/gtest.h>

#include "GuiObjectCounter.h"
#include "HostWindow.h"
#include "resource.h"

#include <zaduv.h>

using hostkit::SGuiObjectCounts;

TEST(GuiObjectCounter, SeesDeliberateLeaksOfEachKindAndTheirRelease)
{
    ASSERT_TRUE(hostkit::InstallGuiObjectCounter());
    const SGuiObjectCounts before = hostkit::GetLiveGuiObjectCounts();

    // Created inside afx.dll, through its import table.
    CBrush* pBrush = new CBrush(RGB(1, 2, 3));
    CMenu* pMenu = new CMenu;
    ASSERT_TRUE(pMenu->CreatePopupMenu());
    CImageList* pImages = new CImageList;
    ASSERT_TRUE(pImages->Create(16, 16, ILC_COLOR32, 1, 1));
    CClientDC* pBorrowed = new CClientDC(CWnd::GetDesktopWindow());
    CAniCursor* pCursor = new CAniCursor;     // inside zaduv.dll
    ASSERT_TRUE(pCursor->Load(IDR_CURSOR));
    zaduv_test::CHostWindow host;
    ASSERT_TRUE(host.CreateHost(50, 50, WS_POPUP));

    const SGuiObjectCounts leaking = hostkit::GetLiveGuiObjectCounts();
    EXPECT_EQ(before.nGdi + 1, leaking.nGdi);
    EXPECT_EQ(before.nUser + 2, leaking.nUser);
    EXPECT_EQ(before.nImageLists + 1, leaking.nImageLists);
    EXPECT_EQ(before.nBorrowedDCs + 1, leaking.nBorrowedDCs);
    EXPECT_EQ(before.nWindows + 1, leaking.nWindows);

    delete pBrush;
    delete pMenu;
    delete pImages;
    delete pBorrowed;
    delete pCursor;
    host.DestroyWindow();
    EXPECT_TRUE(before == hostkit::GetLiveGuiObjectCounts());

    // Released behind the counter's back (a menu destroyed with its window) is not live either.
    HMENU hMenu = ::CreatePopupMenu();
    EXPECT_EQ(before.nUser + 1, hostkit::GetLiveGuiObjectCounts().nUser);
    CMenu::FromHandle(hMenu)->DestroyMenu();
    EXPECT_EQ(before.nUser, hostkit::GetLiveGuiObjectCounts().nUser);
}
