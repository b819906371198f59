// The flat skin: skinned dialogs and the skinned toolbar, as a host creates and paints them.
#include "TestWindows.h"
#include "resource.h"
#include <DialogTemplate.h>
#include <duvazi.h>
#include <gtest/gtest.h>
#include <map>
#include <vector>

using duvazi_test::CHostWnd;
using duvazi_test::PrintClient;
using zaduv_test::CCapturedImage;

namespace
{
const int IDC_NAME = 1001;

// The library passes this value to every skinned dialog it makes.
const CSkinStubWnd::EFlags eLibraryFlags = static_cast<CSkinStubWnd::EFlags>(2);

// A dialog of the host, with a message map of its own on top of the skin's.
class CTestSkinDialog : public CSkinDialog
{
public:
    explicit CTestSkinDialog(CSkinStubWnd::EFlags eFlags) : CSkinDialog(eFlags) {}
    CTestSkinDialog(UINT nIDTemplate, CSkinStubWnd::EFlags eFlags) : CSkinDialog(nIDTemplate, NULL, eFlags) {}
    CTestSkinDialog(LPCTSTR lpszTemplateName, CSkinStubWnd::EFlags eFlags) : CSkinDialog(lpszTemplateName, NULL, eFlags) {}

    BOOL OnInitSkinBitmapInfos() override
    {
        ++m_nInitSkin;
        return CSkinDialog::OnInitSkinBitmapInfos();
    }
    BOOL OnInitDialog() override
    {
        BOOL bResult = CSkinDialog::OnInitDialog();
        if (m_bCloseAtOnce)
        {
            m_crSeenInModal = duvazi_test::PrintClient(m_hWnd).Pixel(1, 1);
            PostMessage(WM_COMMAND, IDOK);
        }
        return bResult;
    }
    HGDIOBJ GetFaceBrush() const { return m_brushFace.GetSafeHandle(); }

    int m_nInitSkin = 0;
    int m_nSizes = 0;
    bool m_bCloseAtOnce = false;
    COLORREF m_crSeenInModal = CLR_INVALID;

protected:
    afx_msg void OnSize(UINT nType, int cx, int cy)
    {
        ++m_nSizes;
        CSkinDialog::OnSize(nType, cx, cy);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTestSkinDialog, CSkinDialog)
    ON_WM_SIZE()
END_MESSAGE_MAP()

COLORREF Face()
{
    return CSkinStubWnd::GetSkinColor(CSkinStubWnd::colorFace);
}
}

TEST(SkinDialog, LibraryFlagsPaintTheFaceThroughADerivedMap)
{
    zaduv_test::CDialogTemplate dlgTemplate(CRect(0, 0, 160, 80), L"Skinned", WS_POPUP | WS_CAPTION | DS_MODALFRAME);
    dlgTemplate.AddStatic(IDC_NAME, CRect(10, 10, 90, 22), L"Patient Name");
    ASSERT_NE(::GetSysColor(COLOR_3DFACE), Face());
    struct { CSkinStubWnd::EFlags eFlags; COLORREF crFace; } cases[] = {
        { eLibraryFlags, Face() },
        { CSkinStubWnd::SKIN_NONE, ::GetSysColor(COLOR_3DFACE) },
    };
    for (const auto& c : cases)
    {
        CTestSkinDialog dlg(c.eFlags);
        ASSERT_TRUE(dlg.CreateIndirect(dlgTemplate, NULL));
        EXPECT_EQ(1, dlg.m_nInitSkin) << "OnInitDialog prepares the skin once";
        dlg.SetWindowPos(NULL, 0, 0, 300, 200, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        EXPECT_GT(dlg.m_nSizes, 0) << "the derived map's own handler runs";
        CCapturedImage capture = PrintClient(dlg.m_hWnd);
        EXPECT_EQ(capture.Width() * capture.Height(), capture.CountColor(c.crFace)) << "the whole client, flags " << c.eFlags;
        CCapturedImage label = PrintClient(dlg.GetDlgItem(IDC_NAME)->m_hWnd);
        EXPECT_EQ(c.crFace, label.Pixel(label.Width() - 1, label.Height() - 1)) << "static text, flags " << c.eFlags;
        HGDIOBJ hBrush = dlg.GetFaceBrush();
        ASSERT_EQ(static_cast<DWORD>(OBJ_BRUSH), ::GetObjectType(hBrush));
        dlg.DestroyWindow();
        EXPECT_EQ(0u, ::GetObjectType(hBrush)) << "the skin's brush goes with the window, not leaked";
    }
}

TEST(SkinDialog, ModalDialogsFromTemplateIdAndName)
{
    CTestSkinDialog byId(IDD_SKINTEST, eLibraryFlags);
    CTestSkinDialog byName(L"SKINTESTDLG", eLibraryFlags);
    for (CTestSkinDialog* pDlg : { &byId, &byName })
    {
        pDlg->m_bCloseAtOnce = true;
        EXPECT_EQ(IDOK, pDlg->DoModal());
        EXPECT_EQ(1, pDlg->m_nInitSkin);
        EXPECT_EQ(Face(), pDlg->m_crSeenInModal);
    }
}

namespace
{
// Records what the skin's drawing stages see.
class CRecordingSkinToolBar : public CSkinToolBar
{
public:
    void OnItemPrePaint(CDC* pDC, LPNMTBCUSTOMDRAW lpTBCustomDraw, LRESULT* pResult) override
    {
        ++m_prePaints[lpTBCustomDraw->nmcd.dwItemSpec];
        CSkinToolBar::OnItemPrePaint(pDC, lpTBCustomDraw, pResult);
    }
    void OnItemPostPaint(CDC* pDC, LPNMTBCUSTOMDRAW lpTBCustomDraw, LRESULT* pResult) override
    {
        ++m_postPaints[lpTBCustomDraw->nmcd.dwItemSpec];
        CSkinToolBar::OnItemPostPaint(pDC, lpTBCustomDraw, pResult);
    }

    std::map<DWORD_PTR, int> m_prePaints;
    std::map<DWORD_PTR, int> m_postPaints;
};

const UINT s_aButtons[] = { ID_TEST_OPEN, ID_TEST_SAVE, ID_SEPARATOR, ID_TEST_PRINT };

class SkinToolBarTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_host.CreateHost());
        ASSERT_TRUE(m_bar.CreateEx(&m_host, 0, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP | CBRS_TOOLTIPS));
        ASSERT_TRUE(m_bar.SetButtons(s_aButtons, 4));
        m_bar.RecalcLayout(TRUE);
    }

    void TearDown() override { m_host.DestroyWindow(); }

    CRect ItemRect(int nIndex) { CRect rc; m_bar.GetItemRect(nIndex, &rc); return rc; }

    CHostWnd m_host;
    CRecordingSkinToolBar m_bar;
};
}

TEST_F(SkinToolBarTest, AFlatBarSizedToItsButtonsPaintsStatesInTheSkinColoursThroughReflectedCustomDraw)
{
    CRect rcWindow;
    m_bar.GetWindowRect(&rcWindow);
    EXPECT_EQ(m_bar.CalcFixedLayout(FALSE, TRUE), rcWindow.Size()) << "RecalcLayout gives the bar its ideal size";
    CRecordingSkinToolBar unborn;
    unborn.RecalcLayout(TRUE);
    EXPECT_EQ(nullptr, unborn.m_hWnd) << "a bar without a window stays without one";

    m_bar.GetToolBarCtrl().SetHotItem(0);
    m_bar.GetToolBarCtrl().PressButton(ID_TEST_PRINT, TRUE);
    m_bar.m_prePaints.clear();
    m_bar.m_postPaints.clear();
    CCapturedImage capture = PrintClient(m_bar.m_hWnd);
    const struct { int nIndex; UINT nID; COLORREF crExpected; } cases[] = {
        { 0, ID_TEST_OPEN, CSkinStubWnd::GetSkinColor(CSkinStubWnd::colorHot) },
        { 1, ID_TEST_SAVE, m_bar.GetFaceColor() },
        { 3, ID_TEST_PRINT, m_bar.GetPressedColor() },
    };
    for (const auto& c : cases)
    {
        // Inside the button, off its frame and off its (empty) image area.
        EXPECT_EQ(c.crExpected, capture.Pixel(ItemRect(c.nIndex).left + 2, ItemRect(c.nIndex).top + 2)) << c.nIndex;
        EXPECT_GE(m_bar.m_prePaints[c.nID], 1) << "pre-paint of " << c.nID;
        EXPECT_GE(m_bar.m_postPaints[c.nID], 1) << "post-paint of " << c.nID;
    }
    EXPECT_EQ(0, m_host.m_nCustomDrawNotifies) << "the reflected notification is the toolbar's alone";
}

TEST_F(SkinToolBarTest, CaptionTextColoursOrTheSkinsOwn)
{
    // Selected and disabled each win over hot.
    m_bar.SetCaptionTextColors(RGB(255, 0, 0), RGB(0, 128, 0), RGB(0, 0, 255), RGB(128, 128, 0));
    EXPECT_EQ(std::vector<COLORREF>({ RGB(0, 0, 255), RGB(128, 128, 0) }),
        std::vector<COLORREF>({ m_bar.GetTextColor(CDIS_SELECTED | CDIS_HOT), m_bar.GetTextColor(CDIS_DISABLED | CDIS_HOT) }));
    // The library's toolbar sets "no colour" everywhere: the skin's colours apply.
    m_bar.SetCaptionTextColors(0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF);
    EXPECT_EQ(CSkinStubWnd::GetSkinColor(CSkinStubWnd::colorText), m_bar.GetTextColor(CDIS_HOT));
    EXPECT_EQ(CSkinStubWnd::GetSkinColor(CSkinStubWnd::colorDisabledText), m_bar.GetTextColor(CDIS_DISABLED));
}
