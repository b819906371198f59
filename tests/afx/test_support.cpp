// The shared test helpers, one check each that would catch a broken helper: a fault here would
// make every test that relies on the helper lie.

#include <afxwin.h>
#include <gtest/gtest.h>

#include "DialogTemplate.h"
#include "HostWindow.h"
#include "MessageRecorder.h"
#include "PixelCapture.h"
#include "PngFile.h"

#include <string>

using namespace zaduv_test;

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
    CRect rectBase(0, 0, 4, 8);
    dlg.MapDialogRect(&rectBase);
    for (const auto& control : controls)
    {
        CWnd* pControl = dlg.GetDlgItem(control.nID);
        ASSERT_NE(nullptr, pControl) << control.nID;
        WCHAR szClass[64] = {};
        ::GetClassNameW(pControl->m_hWnd, szClass, 64);
        EXPECT_EQ(0, _wcsicmp(control.lpszClass, szClass)) << szClass;
        EXPECT_EQ(control.dwStyle | WS_CHILD | WS_VISIBLE, pControl->GetStyle() & (control.dwStyle | WS_CHILD | WS_VISIBLE));
        pControl->GetWindowText(strText);
        EXPECT_STREQ(control.lpszText, strText);
        // The dialog manager scales x, y, cx and cy one by one, each rounded on its own.
        const CRect& r = control.rect;
        const CRect rectExpected(CPoint(::MulDiv(r.left, rectBase.right, 4), ::MulDiv(r.top, rectBase.bottom, 8)),
            CSize(::MulDiv(r.Width(), rectBase.right, 4), ::MulDiv(r.Height(), rectBase.bottom, 8)));
        CRect rectActual;
        pControl->GetWindowRect(&rectActual);
        dlg.ScreenToClient(&rectActual);
        EXPECT_EQ(rectExpected, rectActual) << control.nID;
    }
}

// The screen copy after a repaint and the WM_PRINTCLIENT rendering see the same exact pixels.
TEST(PixelCaptureTest, CapturesReadBackFilledRectanglesAtExactPixels)
{
    const COLORREF kWhite = RGB(255, 255, 255), kRed = RGB(255, 0, 0), kBlue = RGB(0, 0, 255);
    CHostWindow host;
    ASSERT_TRUE(host.CreateHost(120, 80));
    host.SetPaintHandler([&](CDC* pDC) {
        pDC->FillSolidRect(10, 20, 30, 5, kRed);
        pDC->FillSolidRect(50, 0, 1, 80, kBlue);
    });
    for (const CCapturedImage& image : { CaptureClient(host.m_hWnd), CapturePrintClient(host.m_hWnd) })
    {
        ASSERT_EQ(CSize(120, 80), CSize(image.Width(), image.Height()));
        for (CPoint pt : { CPoint(9, 20), CPoint(40, 24), CPoint(10, 19), CPoint(10, 25) })
            EXPECT_PIXEL(image, pt.x, pt.y, kWhite);
        EXPECT_EQ(CRect(10, 20, 40, 25), image.BoundingBox(kRed));
        EXPECT_EQ(80, image.CountColor(CRect(50, 0, 51, 80), kBlue));
        EXPECT_EQ(CLR_INVALID, image.Pixel(120, 0));
    }
}

TEST(PngTest, SavedPngLoadsBackWithTheSamePixels)
{
    // Odd sizes, so that row padding or a swapped width and height would show.
    CCapturedImage image(37, 23);
    for (int i = 0; i < 37 * 23; ++i)
        image.GetBits()[i] = static_cast<DWORD>(i * 0x010307) & 0x00FFFFFF;
    WCHAR szFolder[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, szFolder);
    std::wstring strPath = szFolder + std::to_wstring(::GetCurrentProcessId()) + L"-roundtrip.png";
    ASSERT_TRUE(SavePng(image, strPath.c_str()));
    std::vector<DWORD> pixels;
    int cx = 0, cy = 0;
    const bool bLoaded = CPngFile::Load(strPath.c_str(), pixels, cx, cy);
    ::DeleteFileW(strPath.c_str());
    ASSERT_TRUE(bLoaded && CSize(37, 23) == CSize(cx, cy));
    for (DWORD& dw : pixels)
        dw &= 0x00FFFFFF;
    EXPECT_TRUE(std::equal(pixels.begin(), pixels.end(), image.GetBits()));
}

TEST(MessageRecorderTest, MatchesWhatTheParentGotAndMarksAMismatch)
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

    EXPECT_MESSAGES(recorder, ExpectCommand(BN_CLICKED, 7), ExpectMessage(nTestMessage, 5, 7));
    EXPECT_EQ(button.m_hWnd, recorder.GetMessages()[0].hWndFrom);
    EXPECT_FALSE(MatchMessages(recorder, { ExpectCommand(BN_CLICKED, 7), ExpectMessage(nTestMessage, 5, 6) }));
    EXPECT_FALSE(MatchMessages(recorder, { ExpectCommand(BN_CLICKED, 7) })) << "an extra message breaks the match";
    EXPECT_FALSE(MatchMessages(recorder, { ExpectCommand(BN_CLICKED, 8), ExpectMessage(nTestMessage) }));
}
