// The flat skin: skinned dialogs and the skinned toolbar, as a host creates and paints them.
#include "TestWindows.h"
#include "resource.h"
#include <MessagePump.h>
#include <duvazi.h>
#include <gtest/gtest.h>
#include <map>
#include <vector>

using duvazi_test::CCapture;
using duvazi_test::CHostWnd;
using zaduv_test::PumpPending;
using zaduv_test::PumpUntil;

namespace
{
const int IDC_NAME = 1001;
const int IDC_SELF_COLOURED = 1002;

// A dialog template in memory: a popup with a caption and two static texts.
class CDialogTemplate
{
public:
    CDialogTemplate()
    {
        DLGTEMPLATE dlg = {};
        dlg.style = WS_POPUP | WS_CAPTION | DS_SETFONT | DS_MODALFRAME;
        dlg.cdit = 2;
        dlg.cx = 160;
        dlg.cy = 80;
        AppendStruct(dlg);
        m_words.push_back(0);                   // no menu
        m_words.push_back(0);                   // the dialog class
        AppendString(L"Skinned");
        m_words.push_back(8);                   // DS_SETFONT: point size and face
        AppendString(L"MS Shell Dlg");
        AppendStatic(IDC_NAME, 10, 10, 80, 12, L"Patient Name");
        AppendStatic(IDC_SELF_COLOURED, 10, 30, 80, 12, L"Own colours");
    }

    LPCDLGTEMPLATE Get() const { return reinterpret_cast<LPCDLGTEMPLATE>(m_words.data()); }

private:
    template<class T>
    void AppendStruct(const T& value)
    {
        const WORD* p = reinterpret_cast<const WORD*>(&value);
        m_words.insert(m_words.end(), p, p + sizeof(T) / sizeof(WORD));
    }
    void AppendString(LPCWSTR lpsz)
    {
        do
            m_words.push_back(static_cast<WORD>(*lpsz));
        while (*lpsz++ != 0);
    }
    void AppendStatic(int nID, short x, short y, short cx, short cy, LPCWSTR lpszText)
    {
        if (m_words.size() % 2 != 0)
            m_words.push_back(0);               // items start on a DWORD boundary
        DLGITEMTEMPLATE item = {};
        item.style = WS_CHILD | WS_VISIBLE | SS_LEFT;
        item.x = x;
        item.y = y;
        item.cx = cx;
        item.cy = cy;
        item.id = static_cast<WORD>(nID);
        AppendStruct(item);
        m_words.push_back(0xFFFF);
        m_words.push_back(0x0082);              // the static class
        AppendString(lpszText);
        m_words.push_back(0);                   // no creation data
    }

    std::vector<WORD> m_words;
};

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
            CCapture capture;
            if (capture.Take(m_hWnd))
                m_crSeenInModal = capture.Pixel(1, 1);
            PostMessage(WM_COMMAND, IDOK);
        }
        return bResult;
    }
    HGDIOBJ GetFaceBrush() const { return m_brushFace.GetSafeHandle(); }

    int m_nInitSkin = 0;
    bool m_bCloseAtOnce = false;
    COLORREF m_crSeenInModal = CLR_INVALID;
};

// A dialog of the host, with a message map of its own on top of the skin's.
class CHostDialog : public CTestSkinDialog
{
public:
    CHostDialog() : CTestSkinDialog(CSkinStubWnd::SKIN_BACKGROUND) {}
    int m_nSizes = 0;

protected:
    afx_msg void OnSize(UINT nType, int cx, int cy)
    {
        ++m_nSizes;
        CTestSkinDialog::OnSize(nType, cx, cy);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CHostDialog, CTestSkinDialog)
    ON_WM_SIZE()
END_MESSAGE_MAP()

// A static that answers its own colour request (reflected), in red.
class CRedStatic : public CStatic
{
public:
    CRedStatic() : m_brush(RGB(255, 0, 0)) {}

protected:
    afx_msg HBRUSH CtlColor(CDC* pDC, UINT)
    {
        pDC->SetBkColor(RGB(255, 0, 0));
        return static_cast<HBRUSH>(m_brush.GetSafeHandle());
    }
    DECLARE_MESSAGE_MAP()

private:
    CBrush m_brush;
};

BEGIN_MESSAGE_MAP(CRedStatic, CStatic)
    ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

COLORREF Face()
{
    return CSkinStubWnd::GetSkinColor(CSkinStubWnd::colorFace);
}

// Every pixel of the capture that has the colour, as a share of all.
double ShareOf(const CCapture& capture, COLORREF cr)
{
    CRect rcAll(0, 0, capture.Width(), capture.Height());
    return static_cast<double>(capture.CountColor(rcAll, cr)) / (capture.Width() * capture.Height());
}

class SkinDialogTest : public ::testing::Test
{
protected:
    void TearDown() override
    {
        CSkinStubWnd::ResetSkinColors();
    }

    CDialogTemplate m_template;
};
}

TEST_F(SkinDialogTest, BackgroundSkinPaintsTheFace)
{
    CTestSkinDialog dlg(CSkinStubWnd::SKIN_BACKGROUND);
    ASSERT_TRUE(dlg.CreateIndirect(m_template.Get(), NULL));
    EXPECT_TRUE(dlg.IsKindOf(RUNTIME_CLASS(CSkinDialog)));
    EXPECT_STREQ("CSkinDialog", dlg.GetRuntimeClass()->m_lpszClassName);
    EXPECT_EQ(1, dlg.m_nInitSkin) << "OnInitDialog prepares the skin once";
    EXPECT_EQ(Face(), dlg.GetSkinFaceColor());

    CCapture capture;
    ASSERT_TRUE(capture.Take(dlg.m_hWnd));
    EXPECT_EQ(Face(), capture.Pixel(0, 0));
    EXPECT_EQ(Face(), capture.Pixel(capture.Width() - 1, capture.Height() - 1));
    EXPECT_DOUBLE_EQ(1.0, ShareOf(capture, Face())) << "the whole client area";
    dlg.DestroyWindow();
}

TEST_F(SkinDialogTest, UnskinnedDialogKeepsTheSystemFace)
{
    CTestSkinDialog dlg(CSkinStubWnd::SKIN_NONE);
    ASSERT_TRUE(dlg.CreateIndirect(m_template.Get(), NULL));
    CCapture capture;
    ASSERT_TRUE(capture.Take(dlg.m_hWnd));
    EXPECT_EQ(::GetSysColor(COLOR_3DFACE), capture.Pixel(5, 5));
    EXPECT_EQ(0.0, ShareOf(capture, Face()));

    CCapture label;
    ASSERT_TRUE(label.Take(dlg.GetDlgItem(IDC_NAME)->m_hWnd));
    EXPECT_EQ(0.0, ShareOf(label, Face()));
    dlg.DestroyWindow();
}

TEST_F(SkinDialogTest, StaticTextsTakeTheFaceAndOptionallyTheTextColour)
{
    CTestSkinDialog background(CSkinStubWnd::SKIN_BACKGROUND);
    ASSERT_TRUE(background.CreateIndirect(m_template.Get(), NULL));
    CCapture label;
    ASSERT_TRUE(label.Take(background.GetDlgItem(IDC_NAME)->m_hWnd));
    EXPECT_EQ(Face(), label.Pixel(label.Width() - 1, label.Height() - 1));
    EXPECT_GT(ShareOf(label, Face()), 0.5) << "text on the face, not on the system colour";
    EXPECT_EQ(0.0, ShareOf(label, CSkinStubWnd::GetSkinColor(CSkinStubWnd::colorText)))
        << "without SKIN_TEXT the text keeps the system colour";
    background.DestroyWindow();

    // A text colour that no antialiasing produces by chance.
    CSkinStubWnd::SetSkinColor(CSkinStubWnd::colorText, RGB(0, 160, 0));
    CTestSkinDialog all(CSkinStubWnd::SKIN_ALL);
    ASSERT_TRUE(all.CreateIndirect(m_template.Get(), NULL));
    ASSERT_TRUE(label.Take(all.GetDlgItem(IDC_NAME)->m_hWnd));
    EXPECT_GT(ShareOf(label, Face()), 0.5);
    EXPECT_GT(ShareOf(label, RGB(0, 160, 0)), 0.0) << "SKIN_TEXT writes in the skin's text colour";
    all.DestroyWindow();
}

TEST_F(SkinDialogTest, ControlsThatColourThemselvesKeepTheirColours)
{
    CTestSkinDialog dlg(CSkinStubWnd::SKIN_ALL);
    ASSERT_TRUE(dlg.CreateIndirect(m_template.Get(), NULL));
    CRedStatic ownColours;
    ASSERT_TRUE(ownColours.SubclassDlgItem(IDC_SELF_COLOURED, &dlg));
    CCapture label;
    ASSERT_TRUE(label.Take(ownColours.m_hWnd));
    EXPECT_GT(ShareOf(label, RGB(255, 0, 0)), 0.5);
    EXPECT_EQ(0.0, ShareOf(label, Face()));

    CCapture other;
    ASSERT_TRUE(other.Take(dlg.GetDlgItem(IDC_NAME)->m_hWnd));
    EXPECT_GT(ShareOf(other, Face()), 0.5) << "the other static is still skinned";
    dlg.DestroyWindow();
}

TEST_F(SkinDialogTest, DerivedMessageMapsKeepTheSkin)
{
    CHostDialog dlg;
    ASSERT_TRUE(dlg.CreateIndirect(m_template.Get(), NULL));
    dlg.SetWindowPos(NULL, 0, 0, 300, 200, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_GT(dlg.m_nSizes, 0) << "the host's own handler runs";
    CCapture capture;
    ASSERT_TRUE(capture.Take(dlg.m_hWnd));
    EXPECT_DOUBLE_EQ(1.0, ShareOf(capture, Face())) << "and the skin's handlers still paint";
    dlg.DestroyWindow();
}

TEST_F(SkinDialogTest, SkinFlagsChangeAtRunTime)
{
    CTestSkinDialog dlg(CSkinStubWnd::SKIN_BACKGROUND);
    ASSERT_TRUE(dlg.CreateIndirect(m_template.Get(), NULL));
    dlg.SetSkinFlags(CSkinStubWnd::SKIN_NONE);
    EXPECT_EQ(CSkinStubWnd::SKIN_NONE, dlg.GetSkinFlags());
    CCapture capture;
    ASSERT_TRUE(capture.Take(dlg.m_hWnd));
    EXPECT_EQ(0.0, ShareOf(capture, Face()));
    dlg.SetSkinFlags(CSkinStubWnd::SKIN_BACKGROUND);
    ASSERT_TRUE(capture.Take(dlg.m_hWnd));
    EXPECT_DOUBLE_EQ(1.0, ShareOf(capture, Face()));
    dlg.DestroyWindow();
}

TEST_F(SkinDialogTest, PaletteIsReadWhenTheSkinIsPrepared)
{
    const COLORREF crCustom = RGB(200, 100, 50);
    CSkinStubWnd::SetSkinColor(CSkinStubWnd::colorFace, crCustom);
    CTestSkinDialog dlg(CSkinStubWnd::SKIN_BACKGROUND);
    ASSERT_TRUE(dlg.CreateIndirect(m_template.Get(), NULL));
    CCapture capture;
    ASSERT_TRUE(capture.Take(dlg.m_hWnd));
    EXPECT_EQ(crCustom, capture.Pixel(3, 3));

    CSkinStubWnd::ResetSkinColors();
    ASSERT_TRUE(capture.Take(dlg.m_hWnd));
    EXPECT_EQ(crCustom, capture.Pixel(3, 3)) << "a dialog keeps its colours until it prepares its skin again";
    EXPECT_TRUE(dlg.OnInitSkinBitmapInfos());
    ASSERT_TRUE(capture.Take(dlg.m_hWnd));
    EXPECT_EQ(Face(), capture.Pixel(3, 3));
    dlg.DestroyWindow();
}

TEST_F(SkinDialogTest, DestroyingReleasesTheSkinBrush)
{
    CTestSkinDialog dlg(CSkinStubWnd::SKIN_BACKGROUND);
    EXPECT_TRUE(dlg.GetFaceBrush() == NULL) << "nothing is made before the dialog exists";
    ASSERT_TRUE(dlg.CreateIndirect(m_template.Get(), NULL));
    HGDIOBJ hBrush = dlg.GetFaceBrush();
    ASSERT_TRUE(hBrush != NULL);
    EXPECT_EQ(static_cast<DWORD>(OBJ_BRUSH), ::GetObjectType(hBrush));
    dlg.DestroyWindow();
    EXPECT_TRUE(dlg.GetFaceBrush() == NULL);
    EXPECT_EQ(0u, ::GetObjectType(hBrush)) << "the brush is deleted, not leaked";

    // The object can make its window again.
    ASSERT_TRUE(dlg.CreateIndirect(m_template.Get(), NULL));
    EXPECT_TRUE(dlg.GetFaceBrush() != NULL);
    EXPECT_EQ(2, dlg.m_nInitSkin);
    dlg.DestroyWindow();
}

TEST_F(SkinDialogTest, ModalDialogsFromTemplateIdAndName)
{
    CTestSkinDialog byId(IDD_SKINTEST, CSkinStubWnd::SKIN_BACKGROUND);
    byId.m_bCloseAtOnce = true;
    EXPECT_EQ(IDOK, byId.DoModal());
    EXPECT_EQ(1, byId.m_nInitSkin);
    EXPECT_EQ(Face(), byId.m_crSeenInModal);
    EXPECT_TRUE(byId.m_hWnd == NULL);

    CTestSkinDialog byName(L"SKINTESTDLG", CSkinStubWnd::SKIN_NONE);
    byName.m_bCloseAtOnce = true;
    EXPECT_EQ(IDOK, byName.DoModal());
    EXPECT_EQ(::GetSysColor(COLOR_3DFACE), byName.m_crSeenInModal);
}

namespace
{
// Records what the skin's drawing stages see.
class CRecordingSkinToolBar : public CSkinToolBar
{
public:
    BOOL OnInitSkinBitmapInfos() override
    {
        ++m_nInitSkin;
        return CSkinToolBar::OnInitSkinBitmapInfos();
    }
    void OnItemPrePaint(CDC* pDC, LPNMTBCUSTOMDRAW lpTBCustomDraw, LRESULT* pResult) override
    {
        DWORD_PTR nID = lpTBCustomDraw->nmcd.dwItemSpec;
        ++m_prePaints[nID];
        CSkinToolBar::OnItemPrePaint(pDC, lpTBCustomDraw, pResult);
        m_textColors[nID] = lpTBCustomDraw->clrText;
        m_preResults[nID] = *pResult;
    }
    void OnItemPostPaint(CDC* pDC, LPNMTBCUSTOMDRAW lpTBCustomDraw, LRESULT* pResult) override
    {
        ++m_postPaints[lpTBCustomDraw->nmcd.dwItemSpec];
        CSkinToolBar::OnItemPostPaint(pDC, lpTBCustomDraw, pResult);
    }
    BOOL IsTrackingMouse() const { return m_bTrackingMouse; }
    void Forget()
    {
        m_prePaints.clear();
        m_postPaints.clear();
        m_textColors.clear();
    }

    int m_nInitSkin = 0;
    std::map<DWORD_PTR, int> m_prePaints;
    std::map<DWORD_PTR, int> m_postPaints;
    std::map<DWORD_PTR, COLORREF> m_textColors;
    std::map<DWORD_PTR, LRESULT> m_preResults;
};

const UINT s_aButtons[] = { ID_TEST_OPEN, ID_TEST_SAVE, ID_SEPARATOR, ID_TEST_PRINT, ID_TEST_NOPROMPT };
const int nButtons = 5;

class SkinToolBarTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_host.CreateHost());
    }

    void TearDown() override
    {
        m_host.DestroyWindow();
        CSkinStubWnd::ResetSkinColors();
    }

    void CreateBar(DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP | CBRS_TOOLTIPS)
    {
        ASSERT_TRUE(m_bar.CreateEx(&m_host, 0, dwStyle));
        ASSERT_TRUE(m_bar.SetButtons(s_aButtons, nButtons));
        ASSERT_TRUE(m_bar.RecalcLayout());
    }

    CRect ItemRect(int nIndex)
    {
        CRect rc;
        m_bar.GetItemRect(nIndex, &rc);
        return rc;
    }

    // A pixel inside a button, off its frame and off its (empty) image area.
    static CPoint Inside(const CRect& rc) { return CPoint(rc.left + 2, rc.top + 2); }

    CHostWnd m_host;
    CRecordingSkinToolBar m_bar;
};
}

TEST_F(SkinToolBarTest, CreatesAFlatBarAndPreparesTheSkin)
{
    CreateBar();
    EXPECT_TRUE(m_bar.IsKindOf(RUNTIME_CLASS(CSkinToolBar)));
    EXPECT_TRUE(m_bar.IsKindOf(RUNTIME_CLASS(CToolBar)));
    EXPECT_TRUE(m_bar.GetStyle() & TBSTYLE_FLAT);
    EXPECT_EQ(1, m_bar.m_nInitSkin);
    EXPECT_EQ(CSkinStubWnd::GetSkinColor(CSkinStubWnd::colorHot), m_bar.GetHotColor());

    CRect rcWindow;
    m_bar.GetWindowRect(&rcWindow);
    CSize sizeIdeal = m_bar.CalcFixedLayout(FALSE, TRUE);
    EXPECT_EQ(sizeIdeal, rcWindow.Size()) << "RecalcLayout gives the bar its ideal size";
    EXPECT_EQ(ItemRect(nButtons - 1).right, sizeIdeal.cx);

    CRecordingSkinToolBar unborn;
    EXPECT_FALSE(unborn.RecalcLayout());
}

TEST_F(SkinToolBarTest, CustomDrawComesBackFromTheParent)
{
    CreateBar();
    m_bar.Forget();
    m_bar.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    for (UINT nID : { ID_TEST_OPEN, ID_TEST_SAVE, ID_TEST_PRINT, ID_TEST_NOPROMPT })
    {
        EXPECT_GE(m_bar.m_prePaints[nID], 1) << "pre-paint of " << nID;
        EXPECT_GE(m_bar.m_postPaints[nID], 1) << "post-paint of " << nID;
        EXPECT_TRUE(m_bar.m_preResults[nID] & CDRF_NOTIFYPOSTPAINT);
    }
    EXPECT_EQ(0, m_host.m_nCustomDrawNotifies) << "the reflected notification is the toolbar's alone";
}

TEST_F(SkinToolBarTest, ButtonsTakeTheSkinColoursOfTheirState)
{
    CreateBar();
    CToolBarCtrl& ctrl = m_bar.GetToolBarCtrl();
    ctrl.SetHotItem(0);
    ctrl.PressButton(ID_TEST_PRINT, TRUE);
    ctrl.EnableButton(ID_TEST_NOPROMPT, FALSE);
    ASSERT_EQ(0, ctrl.GetHotItem());

    CCapture capture;
    ASSERT_TRUE(capture.Take(m_bar.m_hWnd));
    CRect rcOpen = ItemRect(0);
    CRect rcSave = ItemRect(1);
    CRect rcPrint = ItemRect(3);
    CRect rcDisabled = ItemRect(4);
    CPoint ptOpen = Inside(rcOpen);
    CPoint ptSave = Inside(rcSave);
    CPoint ptPrint = Inside(rcPrint);
    CPoint ptDisabled = Inside(rcDisabled);
    EXPECT_EQ(m_bar.GetHotColor(), capture.Pixel(ptOpen.x, ptOpen.y)) << "hot button";
    EXPECT_EQ(m_bar.GetBorderColor(), capture.Pixel(rcOpen.left, rcOpen.CenterPoint().y)) << "hot button frame";
    EXPECT_EQ(m_bar.GetFaceColor(), capture.Pixel(ptSave.x, ptSave.y)) << "plain button";
    EXPECT_NE(m_bar.GetBorderColor(), capture.Pixel(rcSave.left, rcSave.CenterPoint().y)) << "no frame on a plain button";
    EXPECT_EQ(m_bar.GetPressedColor(), capture.Pixel(ptPrint.x, ptPrint.y)) << "pressed button";
    EXPECT_EQ(m_bar.GetFaceColor(), capture.Pixel(ptDisabled.x, ptDisabled.y)) << "disabled button";
    EXPECT_EQ(m_bar.GetFaceColor(), capture.Pixel(capture.Width() - 1, capture.Height() - 1))
        << "the bar's background";

    ctrl.PressButton(ID_TEST_PRINT, FALSE);
    ctrl.SetHotItem(-1);
    m_bar.SetButtonStyle(1, TBBS_CHECKBOX | TBBS_CHECKED);
    ASSERT_TRUE(capture.Take(m_bar.m_hWnd));
    EXPECT_EQ(m_bar.GetPressedColor(), capture.Pixel(ptSave.x, ptSave.y)) << "checked button";
    EXPECT_EQ(m_bar.GetFaceColor(), capture.Pixel(ptOpen.x, ptOpen.y)) << "no longer hot";
    EXPECT_EQ(m_bar.GetFaceColor(), capture.Pixel(ptPrint.x, ptPrint.y)) << "released";
}

TEST_F(SkinToolBarTest, CaptionTextColours)
{
    CreateBar();
    COLORREF cr[4] = { 1, 2, 3, 4 };
    m_bar.GetCaptionTextColors(cr[0], cr[1], cr[2], cr[3]);
    for (COLORREF c : cr)
        EXPECT_EQ(CLR_NONE, c) << "no caption colour is set at first";
    const COLORREF crSkinText = CSkinStubWnd::GetSkinColor(CSkinStubWnd::colorText);
    EXPECT_EQ(crSkinText, m_bar.GetTextColor(0));
    EXPECT_EQ(crSkinText, m_bar.GetTextColor(CDIS_HOT));
    EXPECT_EQ(CSkinStubWnd::GetSkinColor(CSkinStubWnd::colorDisabledText), m_bar.GetTextColor(CDIS_DISABLED));

    const COLORREF crNormal = RGB(255, 0, 0);
    const COLORREF crHot = RGB(0, 128, 0);
    const COLORREF crPressed = RGB(0, 0, 255);
    const COLORREF crDisabled = RGB(128, 128, 0);
    m_bar.SetCaptionTextColors(crNormal, crHot, crPressed, crDisabled);
    m_bar.GetCaptionTextColors(cr[0], cr[1], cr[2], cr[3]);
    EXPECT_EQ(crNormal, cr[0]);
    EXPECT_EQ(crHot, cr[1]);
    EXPECT_EQ(crPressed, cr[2]);
    EXPECT_EQ(crDisabled, cr[3]);
    EXPECT_EQ(crHot, m_bar.GetTextColor(CDIS_HOT));
    EXPECT_EQ(crPressed, m_bar.GetTextColor(CDIS_SELECTED | CDIS_HOT));
    EXPECT_EQ(crPressed, m_bar.GetTextColor(CDIS_CHECKED));
    EXPECT_EQ(crDisabled, m_bar.GetTextColor(CDIS_DISABLED | CDIS_HOT));

    // What the control is told to write with, per button state.
    m_bar.GetToolBarCtrl().SetHotItem(1);
    m_bar.Forget();
    CCapture capture;
    ASSERT_TRUE(capture.Take(m_bar.m_hWnd));
    EXPECT_EQ(crNormal, m_bar.m_textColors[ID_TEST_OPEN]);
    EXPECT_EQ(crHot, m_bar.m_textColors[ID_TEST_SAVE]);

    // Captions are written in that colour.
    ASSERT_TRUE(m_bar.SetButtonText(0, L"OPEN"));
    ASSERT_TRUE(m_bar.RecalcLayout());
    m_bar.GetToolBarCtrl().SetHotItem(-1);
    ASSERT_TRUE(capture.Take(m_bar.m_hWnd));
    EXPECT_GT(capture.CountColor(ItemRect(0), crNormal), 0);

    // Setting the "no colour" value brings the skin's colour back.
    m_bar.SetCaptionTextColors(0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF);
    EXPECT_EQ(crSkinText, m_bar.GetTextColor(0));
}

TEST_F(SkinToolBarTest, CustomizingFramesEveryButtonAndTracksNothing)
{
    CreateBar();
    CToolBarCtrl& ctrl = m_bar.GetToolBarCtrl();
    ctrl.SetHotItem(0);
    m_bar.BeginCustomize();
    EXPECT_TRUE(m_bar.IsCustomizing());
    EXPECT_EQ(-1, ctrl.GetHotItem());

    CCapture capture;
    ASSERT_TRUE(capture.Take(m_bar.m_hWnd));
    for (int nIndex : { 0, 1, 3, 4 })
    {
        CRect rc = ItemRect(nIndex);
        CRect rcTopEdge(rc.left, rc.top, rc.right, rc.top + 1);
        EXPECT_GT(capture.CountColor(rcTopEdge, m_bar.GetBorderColor()), rc.Width() / 4) << "dotted frame on " << nIndex;
    }
    EXPECT_EQ(m_bar.GetTextColor(0), m_bar.GetTextColor(CDIS_HOT));

    // No hot tracking while customizing.
    CRect rcSave = ItemRect(1);
    m_bar.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(rcSave.CenterPoint().x, rcSave.CenterPoint().y));
    EXPECT_EQ(-1, ctrl.GetHotItem());

    m_bar.EndCustomize();
    EXPECT_FALSE(m_bar.IsCustomizing());
    ASSERT_TRUE(capture.Take(m_bar.m_hWnd));
    CRect rcOpen = ItemRect(0);
    EXPECT_EQ(0, capture.CountColor(CRect(rcOpen.left, rcOpen.top, rcOpen.right, rcOpen.top + 1), m_bar.GetBorderColor()));
}

TEST_F(SkinToolBarTest, ToolTipsReadTheCommandPrompts)
{
    CreateBar();
    HWND hWndTip = m_bar.GetToolBarCtrl().GetToolTips();
    ASSERT_TRUE(hWndTip != NULL);
    wchar_t szSentinel[] = L"sentinel";
    auto askTip = [&](UINT nID) {
        NMTTDISPINFOW info = {};
        info.hdr.hwndFrom = hWndTip;
        info.hdr.idFrom = nID;
        info.hdr.code = TTN_GETDISPINFOW;
        info.lpszText = szSentinel;
        m_bar.SendMessage(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
        CString strTip;
        if (info.lpszText != NULL && info.lpszText != szSentinel && info.lpszText != LPSTR_TEXTCALLBACKW)
            strTip = info.lpszText;
        else if (info.lpszText == NULL || info.lpszText == szSentinel)
            strTip = info.szText;
        return strTip;
    };
    EXPECT_STREQ(L"Open Patient", askTip(ID_TEST_OPEN));
    EXPECT_STREQ(L"Save Study", askTip(ID_TEST_SAVE));
    EXPECT_STREQ(L"Print", askTip(ID_TEST_PRINT)) << "a prompt without a tip part is the tip";
    EXPECT_STREQ(L"", askTip(ID_TEST_NOPROMPT)) << "no prompt, no tip";
}

TEST_F(SkinToolBarTest, NoToolTipTextWithoutTheBarStyle)
{
    CreateBar(WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP);
    NMTTDISPINFOW info = {};
    info.hdr.hwndFrom = m_host.m_hWnd;
    info.hdr.idFrom = ID_TEST_OPEN;
    info.hdr.code = TTN_GETDISPINFOW;
    wchar_t szSentinel[] = L"sentinel";
    info.lpszText = szSentinel;
    m_bar.SendMessage(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_TRUE(info.lpszText == szSentinel || info.lpszText == info.szText || info.lpszText == NULL);
    if (info.lpszText == info.szText)
    {
        EXPECT_STREQ(L"", info.szText);
    }
}

TEST_F(SkinToolBarTest, PointerMovesHotTrackAndLeaving)
{
    CreateBar();
    m_host.SetForegroundWindow();
    PumpPending();
    CRect rcSave = ItemRect(1);
    CPoint ptSave = rcSave.CenterPoint();
    m_bar.ClientToScreen(&ptSave);

    auto moveTo = [](CPoint pt) {
        INPUT input = {};
        input.type = INPUT_MOUSE;
        input.mi.dx = MulDiv(pt.x, 65535, ::GetSystemMetrics(SM_CXSCREEN) - 1);
        input.mi.dy = MulDiv(pt.y, 65535, ::GetSystemMetrics(SM_CYSCREEN) - 1);
        input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
        ::SendInput(1, &input, sizeof(INPUT));
    };

    moveTo(ptSave);
    bool bHot = PumpUntil([&] { return m_bar.GetToolBarCtrl().GetHotItem() == 1; }, 3000);
    if (!bHot)
        GTEST_SKIP() << "the display delivered no pointer move to the toolbar";
    EXPECT_TRUE(m_bar.IsTrackingMouse()) << "the skin asks to hear when the pointer leaves";
    m_bar.Forget();
    m_bar.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_GE(m_bar.m_prePaints[ID_TEST_SAVE], 1);

    CRect rcHost;
    m_host.GetWindowRect(&rcHost);
    moveTo(CPoint(rcHost.right + 40, rcHost.bottom + 40));
    EXPECT_TRUE(PumpUntil([&] { return !m_bar.IsTrackingMouse(); }, 3000)) << "WM_MOUSELEAVE reached OnMouseLeave";
    EXPECT_TRUE(PumpUntil([&] { return m_bar.GetToolBarCtrl().GetHotItem() == -1; }, 3000))
        << "the control cleared its hot button";
}

TEST_F(SkinToolBarTest, PaletteChangesArriveWithTheNextPreparation)
{
    CreateBar();
    const COLORREF crOldHot = m_bar.GetHotColor();
    const COLORREF crNewHot = RGB(250, 200, 10);
    CSkinStubWnd::SetSkinColor(CSkinStubWnd::colorHot, crNewHot);
    EXPECT_EQ(crOldHot, m_bar.GetHotColor());
    EXPECT_TRUE(m_bar.OnInitSkinBitmapInfos());
    EXPECT_EQ(crNewHot, m_bar.GetHotColor());

    m_bar.GetToolBarCtrl().SetHotItem(0);
    CCapture capture;
    ASSERT_TRUE(capture.Take(m_bar.m_hWnd));
    CPoint pt = Inside(ItemRect(0));
    EXPECT_EQ(crNewHot, capture.Pixel(pt.x, pt.y));
}

TEST(SkinStubWnd, PaletteIndicesAreChecked)
{
    EXPECT_EQ(CLR_INVALID, CSkinStubWnd::GetSkinColor(-1));
    EXPECT_EQ(CLR_INVALID, CSkinStubWnd::GetSkinColor(CSkinStubWnd::colorCount));
    EXPECT_EQ(CLR_INVALID, CSkinStubWnd::SetSkinColor(CSkinStubWnd::colorCount, RGB(1, 2, 3)));
    COLORREF crFace = CSkinStubWnd::GetSkinColor(CSkinStubWnd::colorFace);
    EXPECT_EQ(crFace, CSkinStubWnd::SetSkinColor(CSkinStubWnd::colorFace, RGB(1, 2, 3)));
    EXPECT_EQ(RGB(1, 2, 3), CSkinStubWnd::GetSkinColor(CSkinStubWnd::colorFace));
    CSkinStubWnd::ResetSkinColors();
    EXPECT_EQ(crFace, CSkinStubWnd::GetSkinColor(CSkinStubWnd::colorFace));
    EXPECT_EQ(2, static_cast<int>(CSkinStubWnd::SKIN_BACKGROUND)) << "the value the library passes";
}
