// The framework toolbar under the skin: creation, buttons, layout, hit testing, images.
#include "TestWindows.h"
#include "resource.h"
#include <MessagePump.h>
#include <afxext.h>
#include <gtest/gtest.h>

using duvazi_test::CCapture;
using duvazi_test::CHostWnd;

namespace
{
const UINT s_aButtons[] = { ID_TEST_OPEN, ID_TEST_SAVE, ID_SEPARATOR, ID_TEST_PRINT };

class ToolBarTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_host.CreateHost());
    }

    void TearDown() override
    {
        m_host.DestroyWindow();
    }

    CHostWnd m_host;
};

// Knows when its object goes, for the auto-delete case.
class CTrackedToolBar : public CToolBar
{
public:
    explicit CTrackedToolBar(bool* pbDeleted) : m_pbDeleted(pbDeleted) {}
    ~CTrackedToolBar() override { *m_pbDeleted = true; }

private:
    bool* m_pbDeleted;
};

// A strip of nImages 16x15 images on light grey, each with a square of its colour.
HBITMAP MakeStrip(const COLORREF* pColors, int nImages)
{
    HDC hdcScreen = ::GetDC(NULL);
    HBITMAP hbm = ::CreateCompatibleBitmap(hdcScreen, 16 * nImages, 15);
    HDC hdc = ::CreateCompatibleDC(hdcScreen);
    ::ReleaseDC(NULL, hdcScreen);
    HGDIOBJ hOld = ::SelectObject(hdc, hbm);
    RECT rcAll = { 0, 0, 16 * nImages, 15 };
    HBRUSH hbrGrey = ::CreateSolidBrush(RGB(192, 192, 192));
    ::FillRect(hdc, &rcAll, hbrGrey);
    ::DeleteObject(hbrGrey);
    for (int i = 0; i < nImages; i++)
    {
        RECT rc = { 16 * i + 4, 4, 16 * i + 12, 11 };
        HBRUSH hbr = ::CreateSolidBrush(pColors[i]);
        ::FillRect(hdc, &rc, hbr);
        ::DeleteObject(hbr);
    }
    ::SelectObject(hdc, hOld);
    ::DeleteDC(hdc);
    return hbm;
}
}

TEST_F(ToolBarTest, BarStylesStayApartFromTheWindowStyle)
{
    CToolBar bar;
    ASSERT_TRUE(bar.CreateEx(&m_host, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP | CBRS_TOOLTIPS | CBRS_FLYBY));
    EXPECT_EQ(static_cast<DWORD>(CBRS_ALIGN_TOP | CBRS_TOOLTIPS | CBRS_FLYBY), bar.GetBarStyle());
    EXPECT_EQ(static_cast<UINT>(AFX_IDW_TOOLBAR), static_cast<UINT>(bar.GetDlgCtrlID()));
    DWORD dwWndStyle = bar.GetStyle();
    EXPECT_TRUE(dwWndStyle & WS_CHILD);
    EXPECT_TRUE(dwWndStyle & TBSTYLE_FLAT);
    EXPECT_TRUE(dwWndStyle & CCS_NORESIZE) << "the bar, not the control, decides its size";
    EXPECT_TRUE(dwWndStyle & CCS_NOPARENTALIGN);
    EXPECT_FALSE(dwWndStyle & CBRS_ALIGN_TOP) << "bar alignment is no control style";
    EXPECT_TRUE(bar.GetToolBarCtrl().GetToolTips() != NULL) << "CBRS_TOOLTIPS gives the control its tool tips";

    CToolBar plain;
    ASSERT_TRUE(plain.CreateEx(&m_host, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP, CRect(0, 0, 0, 0), 0xE900));
    EXPECT_TRUE(plain.GetToolBarCtrl().GetToolTips() == NULL);

    bar.EnableDocking(CBRS_ALIGN_ANY);
    EXPECT_EQ(static_cast<DWORD>(CBRS_ALIGN_ANY), bar.m_dwDockStyle);
    EXPECT_FALSE(bar.IsFloating());
    EXPECT_TRUE(bar.IsHorz());
}

TEST_F(ToolBarTest, ButtonsFromIds)
{
    CToolBar bar;
    ASSERT_TRUE(bar.CreateEx(&m_host));
    ASSERT_TRUE(bar.SetButtons(s_aButtons, 4));
    ASSERT_EQ(4, bar.GetCount());
    EXPECT_EQ(static_cast<UINT>(ID_TEST_OPEN), bar.GetItemID(0));
    EXPECT_EQ(static_cast<UINT>(ID_TEST_SAVE), bar.GetItemID(1));
    EXPECT_EQ(static_cast<UINT>(ID_SEPARATOR), bar.GetItemID(2));
    EXPECT_EQ(static_cast<UINT>(ID_TEST_PRINT), bar.GetItemID(3));
    EXPECT_EQ(static_cast<UINT>(ID_SEPARATOR), bar.GetItemID(4));
    EXPECT_EQ(static_cast<UINT>(ID_SEPARATOR), bar.GetItemID(-1));
    EXPECT_EQ(3, bar.CommandToIndex(ID_TEST_PRINT));
    EXPECT_EQ(-1, bar.CommandToIndex(999));

    UINT nID = 0;
    UINT nStyle = 0;
    int iImage = -1;
    bar.GetButtonInfo(3, nID, nStyle, iImage);
    EXPECT_EQ(static_cast<UINT>(ID_TEST_PRINT), nID);
    EXPECT_EQ(static_cast<UINT>(TBBS_BUTTON), nStyle) << "an enabled plain button";
    EXPECT_EQ(2, iImage) << "separators take no image";
    EXPECT_EQ(static_cast<UINT>(TBBS_SEPARATOR), bar.GetButtonStyle(2));

    // Replacing the buttons removes the old ones.
    const UINT aOther[] = { 201, 202 };
    ASSERT_TRUE(bar.SetButtons(aOther, 2));
    EXPECT_EQ(2, bar.GetCount());
    EXPECT_EQ(-1, bar.CommandToIndex(ID_TEST_OPEN));

    // A NULL list makes separators to fill in.
    ASSERT_TRUE(bar.SetButtons(NULL, 3));
    EXPECT_EQ(3, bar.GetCount());
    bar.SetButtonInfo(1, 301, TBBS_BUTTON, 0);
    EXPECT_EQ(301u, bar.GetItemID(1));
    EXPECT_EQ(1, bar.CommandToIndex(301));
    EXPECT_EQ(static_cast<UINT>(TBBS_BUTTON), bar.GetButtonStyle(1));
}

TEST_F(ToolBarTest, ButtonStylesCarryTheDisabledBit)
{
    CToolBar bar;
    ASSERT_TRUE(bar.CreateEx(&m_host));
    ASSERT_TRUE(bar.SetButtons(s_aButtons, 4));
    CToolBarCtrl& ctrl = bar.GetToolBarCtrl();

    ctrl.EnableButton(ID_TEST_SAVE, FALSE);
    EXPECT_EQ(static_cast<UINT>(TBBS_DISABLED), bar.GetButtonStyle(1) & TBBS_DISABLED);
    EXPECT_EQ(0u, bar.GetButtonStyle(0) & TBBS_DISABLED);

    bar.SetButtonStyle(0, TBBS_CHECKBOX | TBBS_CHECKED);
    EXPECT_TRUE(ctrl.IsButtonChecked(ID_TEST_OPEN));
    EXPECT_TRUE(ctrl.IsButtonEnabled(ID_TEST_OPEN));
    EXPECT_EQ(static_cast<UINT>(TBBS_CHECKBOX | TBBS_CHECKED), bar.GetButtonStyle(0));

    bar.SetButtonStyle(3, TBBS_BUTTON | TBBS_DISABLED);
    EXPECT_FALSE(ctrl.IsButtonEnabled(ID_TEST_PRINT));
    bar.SetButtonStyle(3, TBBS_BUTTON);
    EXPECT_TRUE(ctrl.IsButtonEnabled(ID_TEST_PRINT));

    EXPECT_EQ(0u, bar.GetButtonStyle(17)) << "an index outside the bar has no style";
    bar.SetButtonStyle(17, TBBS_CHECKED);
}

TEST_F(ToolBarTest, ItemRectsFormARow)
{
    CToolBar bar;
    ASSERT_TRUE(bar.CreateEx(&m_host));
    ASSERT_TRUE(bar.SetButtons(s_aButtons, 4));
    CRect aItems[4];
    for (int i = 0; i < 4; i++)
    {
        bar.GetItemRect(i, &aItems[i]);
        EXPECT_FALSE(aItems[i].IsRectEmpty()) << i;
    }
    for (int i : { 0, 1, 3 })
    {
        EXPECT_EQ(23, aItems[i].Width()) << "button " << i << " has the default button size";
        EXPECT_EQ(22, aItems[i].Height()) << i;
    }
    EXPECT_LT(aItems[2].Width(), aItems[0].Width()) << "a separator is narrower than a button";
    for (int i = 1; i < 4; i++)
    {
        EXPECT_EQ(aItems[i - 1].right, aItems[i].left) << "items follow each other without overlap";
        EXPECT_EQ(aItems[0].top, aItems[i].top);
    }

    CRect rcNone(1, 2, 3, 4);
    bar.GetItemRect(4, &rcNone);
    EXPECT_TRUE(rcNone.IsRectEmpty());

    CSize sizeRow = bar.CalcFixedLayout(FALSE, TRUE);
    EXPECT_EQ(aItems[3].right, sizeRow.cx) << "no borders were asked for";
    EXPECT_EQ(aItems[3].bottom, sizeRow.cy);
    EXPECT_EQ(32767, bar.CalcFixedLayout(TRUE, TRUE).cx);
    EXPECT_EQ(sizeRow.cy, bar.CalcFixedLayout(TRUE, TRUE).cy);
}

TEST_F(ToolBarTest, VerticalLayoutStacksTheButtons)
{
    CToolBar bar;
    ASSERT_TRUE(bar.CreateEx(&m_host, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_LEFT));
    ASSERT_TRUE(bar.SetButtons(s_aButtons, 4));
    EXPECT_FALSE(bar.IsHorz());
    CSize sizeColumn = bar.CalcFixedLayout(FALSE, FALSE);
    EXPECT_GT(sizeColumn.cy, sizeColumn.cx);
    CRect rcOpen, rcSave, rcPrint;
    bar.GetItemRect(0, &rcOpen);
    bar.GetItemRect(1, &rcSave);
    bar.GetItemRect(3, &rcPrint);
    EXPECT_EQ(rcOpen.left, rcSave.left);
    EXPECT_GE(rcSave.top, rcOpen.bottom);
    EXPECT_GT(rcPrint.top, rcSave.bottom) << "the separator lies between them";
    EXPECT_TRUE(bar.GetButtonStyle(0) & TBBS_WRAPPED);
    EXPECT_EQ(32767, bar.CalcFixedLayout(TRUE, FALSE).cy);

    // Laying the bar out as a row again undoes the column.
    CSize sizeRow = bar.CalcFixedLayout(FALSE, TRUE);
    EXPECT_GT(sizeRow.cx, sizeRow.cy);
    EXPECT_FALSE(bar.GetButtonStyle(0) & TBBS_WRAPPED);
    bar.GetItemRect(1, &rcSave);
    EXPECT_EQ(rcOpen.top, rcSave.top);
}

TEST_F(ToolBarTest, BordersTakeTheNonClientArea)
{
    CToolBar bar;
    ASSERT_TRUE(bar.CreateEx(&m_host, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM,
        CRect(5, 3, 4, 2)));
    ASSERT_TRUE(bar.SetButtons(s_aButtons, 4));
    CSize size = bar.CalcFixedLayout(FALSE, TRUE);
    bar.SetWindowPos(NULL, 0, 0, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);

    CRect rcWindow;
    bar.GetWindowRect(&rcWindow);
    CRect rcClient;
    bar.GetClientRect(&rcClient);
    bar.ClientToScreen(&rcClient);
    EXPECT_EQ(5, rcClient.left - rcWindow.left);
    EXPECT_EQ(3, rcClient.top - rcWindow.top);
    EXPECT_EQ(4, rcWindow.right - rcClient.right);
    EXPECT_EQ(2 + CControlBar::cxEdge, rcWindow.bottom - rcClient.bottom) << "margin plus the etched edge";

    CRect rcLast;
    bar.GetItemRect(3, &rcLast);
    EXPECT_EQ(rcLast.right + 5 + 4, size.cx) << "the ideal size shows every button inside the borders";
    EXPECT_EQ(rcLast.bottom + 3 + 2 + CControlBar::cxEdge, size.cy);

    // Dropping the edge gives the client its two pixels back.
    bar.SetBarStyle(bar.GetBarStyle() & ~CBRS_BORDER_BOTTOM);
    bar.GetWindowRect(&rcWindow);
    bar.GetClientRect(&rcClient);
    bar.ClientToScreen(&rcClient);
    EXPECT_EQ(2, rcWindow.bottom - rcClient.bottom);
}

TEST_F(ToolBarTest, HitTestNamesTheCommandUnderThePoint)
{
    CToolBar bar;
    ASSERT_TRUE(bar.CreateEx(&m_host));
    ASSERT_TRUE(bar.SetButtons(s_aButtons, 4));
    CRect rcSave, rcSeparator;
    bar.GetItemRect(1, &rcSave);
    bar.GetItemRect(2, &rcSeparator);

    EXPECT_EQ(ID_TEST_SAVE, bar.OnToolHitTest(rcSave.CenterPoint(), NULL));
    EXPECT_EQ(-1, bar.OnToolHitTest(rcSeparator.CenterPoint(), NULL));
    EXPECT_EQ(-1, bar.OnToolHitTest(CPoint(-5, -5), NULL));
    EXPECT_EQ(-1, bar.OnToolHitTest(CPoint(1000, 5), NULL));

    TOOLINFO ti = {};
    ti.cbSize = sizeof(ti);
    EXPECT_EQ(ID_TEST_SAVE, bar.OnToolHitTest(CPoint(rcSave.left + 1, rcSave.top + 1), &ti));
    EXPECT_EQ(bar.m_hWnd, ti.hwnd);
    EXPECT_EQ(static_cast<UINT_PTR>(ID_TEST_SAVE), ti.uId);
    EXPECT_EQ(rcSave, CRect(ti.rect));
    EXPECT_EQ(LPSTR_TEXTCALLBACK, ti.lpszText);
}

TEST_F(ToolBarTest, ButtonTexts)
{
    CToolBar bar;
    ASSERT_TRUE(bar.CreateEx(&m_host));
    ASSERT_TRUE(bar.SetButtons(s_aButtons, 4));
    EXPECT_STREQ(L"", bar.GetButtonText(0));
    ASSERT_TRUE(bar.SetButtonText(0, L"Open"));
    EXPECT_STREQ(L"Open", bar.GetButtonText(0));

    CString strLong(L'x', 300);
    ASSERT_TRUE(bar.SetButtonText(1, strLong));
    EXPECT_STREQ(strLong, bar.GetButtonText(1)) << "texts longer than the first buffer come back whole";

    CString strOut(L"keep");
    bar.GetButtonText(9, strOut);
    EXPECT_STREQ(L"", strOut);
    EXPECT_FALSE(bar.SetButtonText(9, L"nowhere"));
    EXPECT_FALSE(bar.SetButtonText(-1, L"nowhere"));
}

TEST_F(ToolBarTest, BitmapImagesAreCopiedWithTransparentBackground)
{
    CToolBar bar;
    ASSERT_TRUE(bar.CreateEx(&m_host, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP));
    ASSERT_TRUE(bar.SetButtons(s_aButtons, 4));
    const COLORREF aColors[3] = { RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255) };
    HBITMAP hbmStrip = MakeStrip(aColors, 3);
    ASSERT_TRUE(bar.SetBitmap(hbmStrip));

    // The caller's bitmap is untouched: masking works on a copy.
    HDC hdc = ::CreateCompatibleDC(NULL);
    HGDIOBJ hOld = ::SelectObject(hdc, hbmStrip);
    EXPECT_EQ(RGB(192, 192, 192), ::GetPixel(hdc, 0, 0));
    ::SelectObject(hdc, hOld);
    ::DeleteDC(hdc);
    ::DeleteObject(hbmStrip);

    CImageList* pImages = bar.GetToolBarCtrl().GetImageList();
    ASSERT_TRUE(pImages != NULL && pImages->GetSafeHandle() != NULL);
    EXPECT_EQ(3, pImages->GetImageCount());

    CSize size = bar.CalcFixedLayout(FALSE, TRUE);
    bar.SetWindowPos(NULL, 0, 0, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
    CCapture capture;
    ASSERT_TRUE(capture.Take(bar.m_hWnd));
    CRect rcOpen, rcPrint;
    bar.GetItemRect(0, &rcOpen);
    bar.GetItemRect(3, &rcPrint);
    EXPECT_GT(capture.CountColor(rcOpen, RGB(255, 0, 0)), 30) << "the first image shows on the first button";
    EXPECT_GT(capture.CountColor(rcPrint, RGB(0, 0, 255)), 30) << "the print button shows the third image";

    // The strip's grey is transparent: drawn over magenta, only the image's square covers it.
    HDC hdcScreen = ::GetDC(NULL);
    HDC hdcDraw = ::CreateCompatibleDC(hdcScreen);
    HBITMAP hbmDraw = ::CreateCompatibleBitmap(hdcScreen, 16, 15);
    ::ReleaseDC(NULL, hdcScreen);
    HGDIOBJ hOldDraw = ::SelectObject(hdcDraw, hbmDraw);
    RECT rcDraw = { 0, 0, 16, 15 };
    HBRUSH hbrMagenta = ::CreateSolidBrush(RGB(255, 0, 255));
    ::FillRect(hdcDraw, &rcDraw, hbrMagenta);
    ::DeleteObject(hbrMagenta);
    ASSERT_TRUE(ImageList_Draw(pImages->GetSafeHandle(), 1, hdcDraw, 0, 0, ILD_TRANSPARENT));
    EXPECT_EQ(RGB(255, 0, 255), ::GetPixel(hdcDraw, 1, 1));
    EXPECT_EQ(RGB(255, 0, 255), ::GetPixel(hdcDraw, 14, 13));
    EXPECT_EQ(RGB(0, 255, 0), ::GetPixel(hdcDraw, 6, 6));
    ::SelectObject(hdcDraw, hOldDraw);
    ::DeleteObject(hbmDraw);
    ::DeleteDC(hdcDraw);
    if (::GetSysColor(COLOR_BTNFACE) != RGB(192, 192, 192))
    {
        EXPECT_EQ(0, capture.CountColor(rcOpen, RGB(192, 192, 192))) << "no grey shows on the button";
    }

    EXPECT_TRUE(bar.SetBitmap(NULL));
    EXPECT_TRUE(bar.GetToolBarCtrl().GetImageList() == NULL);
    HBITMAP hbmTiny = ::CreateBitmap(8, 8, 1, 32, NULL);
    EXPECT_FALSE(bar.SetBitmap(hbmTiny)) << "a bitmap narrower than one image holds no image";
    ::DeleteObject(hbmTiny);
}

TEST_F(ToolBarTest, AlphaStripsAreDrawnByTheirAlpha)
{
    CToolBar bar;
    ASSERT_TRUE(bar.CreateEx(&m_host));
    // One 16x15 image, premultiplied: transparent but for an opaque red square; the clear
    // pixels hold grey, which must not count as a mask colour here.
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bmi.bmiHeader.biWidth = 16;
    bmi.bmiHeader.biHeight = -15;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    void* pBits = NULL;
    HBITMAP hbmAlpha = ::CreateDIBSection(NULL, &bmi, DIB_RGB_COLORS, &pBits, NULL, 0);
    ASSERT_TRUE(hbmAlpha != NULL);
    DWORD* pPixels = static_cast<DWORD*>(pBits);
    for (int y = 0; y < 15; y++)
    {
        for (int x = 0; x < 16; x++)
            pPixels[y * 16 + x] = (x >= 4 && x < 12 && y >= 4 && y < 11) ? 0xFFFF0000 : 0x00000000;
    }
    ASSERT_TRUE(bar.SetBitmap(hbmAlpha));
    ::DeleteObject(hbmAlpha);

    HDC hdcScreen = ::GetDC(NULL);
    HDC hdcDraw = ::CreateCompatibleDC(hdcScreen);
    HBITMAP hbmDraw = ::CreateCompatibleBitmap(hdcScreen, 16, 15);
    ::ReleaseDC(NULL, hdcScreen);
    HGDIOBJ hOldDraw = ::SelectObject(hdcDraw, hbmDraw);
    RECT rcDraw = { 0, 0, 16, 15 };
    HBRUSH hbrMagenta = ::CreateSolidBrush(RGB(255, 0, 255));
    ::FillRect(hdcDraw, &rcDraw, hbrMagenta);
    ::DeleteObject(hbrMagenta);
    ASSERT_TRUE(ImageList_Draw(bar.GetToolBarCtrl().GetImageList()->GetSafeHandle(), 0, hdcDraw, 0, 0, ILD_TRANSPARENT));
    EXPECT_EQ(RGB(255, 0, 255), ::GetPixel(hdcDraw, 1, 1));
    EXPECT_EQ(RGB(255, 0, 0), ::GetPixel(hdcDraw, 6, 6));
    ::SelectObject(hdcDraw, hOldDraw);
    ::DeleteObject(hbmDraw);
    ::DeleteDC(hdcDraw);
}

TEST_F(ToolBarTest, LoadToolBarFromResources)
{
    CToolBar bar;
    ASSERT_TRUE(bar.CreateEx(&m_host));
    ASSERT_TRUE(bar.LoadToolBar(IDR_TESTBAR));
    ASSERT_EQ(4, bar.GetCount());
    EXPECT_EQ(static_cast<UINT>(ID_TEST_OPEN), bar.GetItemID(0));
    EXPECT_EQ(static_cast<UINT>(ID_SEPARATOR), bar.GetItemID(2));
    EXPECT_EQ(static_cast<UINT>(ID_TEST_PRINT), bar.GetItemID(3));
    EXPECT_EQ(CSize(23, 22), bar.GetToolBarCtrl().GetButtonSize());
    EXPECT_EQ(3, bar.GetToolBarCtrl().GetImageList()->GetImageCount());

    CToolBar missing;
    ASSERT_TRUE(missing.CreateEx(&m_host, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP, CRect(0, 0, 0, 0), 0xE901));
    EXPECT_FALSE(missing.LoadToolBar(12345));
    EXPECT_FALSE(missing.LoadBitmap(12345));
    EXPECT_EQ(0, missing.GetCount());
}

TEST_F(ToolBarTest, AutoDeleteBarGoesWithItsWindow)
{
    bool bDeleted = false;
    CTrackedToolBar* pBar = new CTrackedToolBar(&bDeleted);
    pBar->m_bAutoDelete = TRUE;
    ASSERT_TRUE(pBar->CreateEx(&m_host));
    HWND hWnd = pBar->m_hWnd;
    ::DestroyWindow(hWnd);
    EXPECT_TRUE(bDeleted);
    EXPECT_FALSE(::IsWindow(hWnd));

    bDeleted = false;
    {
        CTrackedToolBar bar(&bDeleted);
        ASSERT_TRUE(bar.CreateEx(&m_host));
        hWnd = bar.m_hWnd;
    }
    EXPECT_TRUE(bDeleted);
    EXPECT_FALSE(::IsWindow(hWnd)) << "a bar object takes its window with it";
}

TEST_F(ToolBarTest, ToolBarCtrlOnItsOwn)
{
    CToolBarCtrl ctrl;
    ASSERT_TRUE(ctrl.Create(WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | CCS_NORESIZE | CCS_NOPARENTALIGN,
        CRect(0, 0, 300, 30), &m_host, 77));
    TBBUTTON aButtons[2] = {};
    aButtons[0].idCommand = 11;
    aButtons[0].fsState = TBSTATE_ENABLED;
    aButtons[0].fsStyle = BTNS_BUTTON;
    aButtons[1].idCommand = 12;
    aButtons[1].fsState = TBSTATE_ENABLED;
    aButtons[1].fsStyle = BTNS_CHECK;
    ASSERT_TRUE(ctrl.AddButtons(2, aButtons));
    EXPECT_EQ(2, ctrl.GetButtonCount());
    EXPECT_EQ(1u, ctrl.CommandToIndex(12));
    EXPECT_TRUE(ctrl.CheckButton(12));
    EXPECT_TRUE(ctrl.IsButtonChecked(12));
    EXPECT_TRUE(ctrl.GetState(12) & TBSTATE_CHECKED);
    EXPECT_TRUE(ctrl.EnableButton(11, FALSE));
    EXPECT_FALSE(ctrl.IsButtonEnabled(11));
    TBBUTTON button = {};
    ASSERT_TRUE(ctrl.GetButton(1, &button));
    EXPECT_EQ(12, button.idCommand);

    CRect rcItem;
    ASSERT_TRUE(ctrl.GetItemRect(1, &rcItem));
    CPoint pt = rcItem.CenterPoint();
    EXPECT_EQ(1, ctrl.HitTest(&pt));
    EXPECT_TRUE(ctrl.DeleteButton(0));
    EXPECT_EQ(1, ctrl.GetButtonCount());
    EXPECT_EQ(0u, ctrl.CommandToIndex(12));
}
