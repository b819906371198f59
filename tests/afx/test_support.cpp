// The shared test helpers, one check each that would catch a broken helper: a fault here would
// make every test that relies on the helper lie.

#include <afxwin.h>
#include <gtest/gtest.h>

#include "DialogTemplate.h"
#include "HostWindow.h"
#include "MessageRecorder.h"
#include "PixelCapture.h"

#include <string>

using namespace zaduv_test;

namespace
{
const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kBlue = RGB(0, 0, 255);

// Dialog units to pixels as the dialog manager converts one coordinate pair: the base units
// come from the dialog's own font, each value rounded on its own.
CPoint ToPixels(CDialog& dlg, int x, int y)
{
    CRect rectBase(0, 0, 4, 8);
    dlg.MapDialogRect(&rectBase);
    return CPoint(::MulDiv(x, rectBase.right, 4), ::MulDiv(y, rectBase.bottom, 8));
}
}

// Texts of odd and even lengths before each item make every DWORD alignment case occur.
TEST(DialogTemplateTest, DialogHasEveryControlWithItsIdClassTextAndPlace)
{
    const struct { UINT nID; LPCWSTR lpszClass; CRect rect; DWORD dwStyle; LPCWSTR lpszText; } controls[] = {
        { 1001, L"SysListView32", CRect(4, 4, 120, 60), LVS_REPORT, L"" },
        { 1002, L"Edit", CRect(4, 64, 120, 76), ES_AUTOHSCROLL, L"ab" },
        { 1003, L"Button", CRect(130, 4, 180, 18), BS_PUSHBUTTON, L"OK!" },
        { 1004, L"Static", CRect(130, 22, 180, 32), SS_LEFT, L"x" },
        { 1005, L"SysHeader32", CRect(4, 80, 120, 92), HDS_BUTTONS | HDS_HORZ, L"" },
    };
    CDialogTemplate dlgTemplate(CRect(0, 0, 190, 100), L"Odd", WS_POPUP | WS_CAPTION);
    for (const auto& control : controls)
        dlgTemplate.AddControl(control.lpszClass, control.nID, control.rect, control.dwStyle, control.lpszText);

    CDialog dlg;
    ASSERT_TRUE(dlg.CreateIndirect(dlgTemplate, NULL));
    CString strText;
    dlg.GetWindowText(strText);
    EXPECT_STREQ(L"Odd", strText);
    for (const auto& control : controls)
    {
        SCOPED_TRACE(testing::Message() << "control " << control.nID);
        CWnd* pControl = dlg.GetDlgItem(control.nID);
        ASSERT_NE(nullptr, pControl);
        WCHAR szClass[64] = {};
        ::GetClassNameW(pControl->m_hWnd, szClass, 64);
        EXPECT_EQ(0, _wcsicmp(control.lpszClass, szClass)) << szClass;
        EXPECT_EQ(control.dwStyle | WS_CHILD | WS_VISIBLE, pControl->GetStyle() & (control.dwStyle | WS_CHILD | WS_VISIBLE));
        pControl->GetWindowText(strText);
        EXPECT_STREQ(control.lpszText, strText);

        // The dialog manager scales a control's x, y, cx and cy one by one, so right and bottom
        // carry their own rounding: mapping the whole rectangle can differ by a pixel.
        const CPoint ptExpected = ToPixels(dlg, control.rect.left, control.rect.top);
        const CPoint ptExtent = ToPixels(dlg, control.rect.Width(), control.rect.Height());
        const CRect rectExpected(ptExpected, CSize(ptExtent.x, ptExtent.y));
        CRect rectActual;
        pControl->GetWindowRect(&rectActual);
        dlg.ScreenToClient(&rectActual);
        EXPECT_EQ(rectExpected, rectActual);
    }
    dlg.DestroyWindow();
}

// The screen copy after a repaint and the WM_PRINTCLIENT rendering see the same exact pixels.
TEST(PixelCaptureTest, CapturesReadBackFilledRectanglesAtExactPixels)
{
    CHostWindow host;
    ASSERT_TRUE(host.CreateHost(120, 80));
    host.SetPaintHandler([](CDC* pDC) {
        pDC->FillSolidRect(10, 20, 30, 5, kRed);
        pDC->FillSolidRect(50, 0, 1, 80, kBlue);
    });
    const CCapturedImage images[] = { CaptureClient(host.m_hWnd), CapturePrintClient(host.m_hWnd) };
    for (const CCapturedImage& image : images)
    {
        SCOPED_TRACE(&image == images ? "CaptureClient" : "CapturePrintClient");
        ASSERT_EQ(CSize(120, 80), CSize(image.Width(), image.Height()));
        EXPECT_PIXEL(image, 10, 20, kRed);
        EXPECT_PIXEL(image, 39, 24, kRed);
        EXPECT_PIXEL(image, 9, 20, kWhite);
        EXPECT_PIXEL(image, 40, 24, kWhite);
        EXPECT_PIXEL(image, 10, 19, kWhite);
        EXPECT_PIXEL(image, 10, 25, kWhite);
        EXPECT_EQ(CRect(10, 20, 40, 25), image.BoundingBox(kRed));
        EXPECT_EQ(80, image.CountColor(CRect(50, 0, 51, 80), kBlue));
        EXPECT_EQ(CLR_INVALID, image.Pixel(120, 0));
    }
}

TEST(PngTest, SavedPngLoadsBackWithTheSamePixels)
{
    // Odd sizes, so that row padding or a swapped width and height would show.
    CCapturedImage image(37, 23);
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x)
            image.SetPixel(x, y, RGB(x * 7, y * 11, (x + y) * 3));
    WCHAR szFolder[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, szFolder);
    std::wstring strPath = szFolder + std::to_wstring(::GetCurrentProcessId()) + L"-roundtrip.png";
    ASSERT_TRUE(SavePng(image, strPath.c_str()));

    CCapturedImage loaded;
    ASSERT_TRUE(ReadImageFile(strPath.c_str(), loaded));
    ::DeleteFileW(strPath.c_str());
    ASSERT_EQ(CSize(37, 23), CSize(loaded.Width(), loaded.Height()));
    int nDifferent = 0;
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x)
            nDifferent += image.Pixel(x, y) != loaded.Pixel(x, y);
    EXPECT_EQ(0, nDifferent);
}

TEST(MessageRecorderTest, MatchesWhatTheParentGotAndDumpsAMismatch)
{
    const UINT nTestMessage = ::RegisterWindowMessageW(L"ZaDUVTestRecorderMessage");
    CHostWindow host;
    ASSERT_TRUE(host.CreateHost(200, 120));
    CMessageRecorder recorder;
    ASSERT_TRUE(recorder.Attach(&host, "host"));
    recorder.Watch(nTestMessage);
    CButton button;
    ASSERT_TRUE(button.Create(L"Push", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(10, 10, 90, 34), &host, 7));
    recorder.Clear();

    button.SendMessage(BM_CLICK);
    host.SendMessage(nTestMessage, 5, 7);
    host.SendMessage(WM_USER + 40, 1, 2);     // not watched

    EXPECT_MESSAGES(recorder, ExpectCommand(BN_CLICKED, 7).From(button.m_hWnd),
                    ExpectMessage(nTestMessage, 5, 7).To(host.m_hWnd));
    EXPECT_EQ(1, recorder.Count(WM_COMMAND));

    testing::AssertionResult wrongParam = MatchMessages(recorder,
        { ExpectCommand(BN_CLICKED, 7), ExpectMessage(nTestMessage, 5, 6) }, MATCH_EXACT);
    ASSERT_FALSE(wrongParam);
    std::string strDump = wrongParam.message();
    size_t nFaultRow = strDump.find("  > 1  ZaDUVTestRecorderMessage w=5 l=6");
    ASSERT_NE(std::string::npos, nFaultRow) << strDump;
    std::string strRow = strDump.substr(nFaultRow, strDump.find('\n', nFaultRow) - nFaultRow);
    EXPECT_NE(std::string::npos, strRow.find("| 1  ZaDUVTestRecorderMessage w=5 l=7")) << strDump;

    // An extra message breaks only the exact match; a missing one breaks both.
    EXPECT_FALSE(MatchMessages(recorder, { ExpectCommand(BN_CLICKED, 7) }, MATCH_EXACT));
    EXPECT_TRUE(MatchMessages(recorder, { ExpectMessage(nTestMessage).WParam(5) }, MATCH_IN_ORDER));
    EXPECT_FALSE(MatchMessages(recorder, { ExpectMessage(nTestMessage), ExpectCommand(BN_CLICKED, 7) }, MATCH_IN_ORDER));
}
