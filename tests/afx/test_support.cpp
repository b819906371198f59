// The shared test helpers, driven the way the other tests use them: dialogs built from
// in-memory templates, the host window's geometry, pixels read back from windows and memory
// contexts, PNG files written and read through GDI+, and the message recorder's streams and
// failure dumps. A fault here would make every test that relies on a helper lie.

#include <afxwin.h>
#include <gtest/gtest.h>

#include "DialogTemplate.h"
#include "GeometryPrinters.h"
#include "HostWindow.h"
#include "MessagePump.h"
#include "MessageRecorder.h"
#include "PixelCapture.h"
#include "PngFile.h"

#include <algorithm>
#include <string>

using namespace zaduv_test;


namespace
{
const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kBlue = RGB(0, 0, 255);

std::wstring TempFilePath(LPCWSTR lpszName)
{
    WCHAR szFolder[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, szFolder);
    return std::wstring(szFolder) + L"zaduv-support-" + std::to_wstring(::GetCurrentProcessId()) + L"-" + lpszName;
}

BOOL FileExists(const std::wstring& strPath)
{
    return ::GetFileAttributesW(strPath.c_str()) != INVALID_FILE_ATTRIBUTES;
}

CString ClassOf(const CWnd* pWnd)
{
    WCHAR szClass[64] = {};
    ::GetClassNameW(pWnd->GetSafeHwnd(), szClass, 64);
    return szClass;
}

// One control of a template, and what the dialog made from it must show.
struct SExpectedControl
{
    UINT nID;
    LPCWSTR lpszClass;
    CRect rect;             // dialog units
    DWORD dwStyle;
    LPCWSTR lpszText;
};

// Ends its modal loop by clicking its own OK button, as a user would.
class CClickOkDialog : public CDialog
{
public:
    virtual BOOL OnInitDialog()
    {
        CDialog::OnInitDialog();
        m_bInitialised = TRUE;
        GetDlgItem(IDOK)->PostMessage(BM_CLICK);
        return TRUE;
    }

    BOOL m_bInitialised = FALSE;
};
}

// Texts of odd and even lengths before each item make every DWORD alignment case occur.
TEST(DialogTemplateTest, ModelessDialogHasEveryControlWithItsIdClassStyleTextAndPlace)
{
    const SExpectedControl controls[] = {
        { 1001, L"SysListView32", CRect(4, 4, 120, 60), LVS_REPORT | WS_BORDER, L"" },
        { 1002, L"Edit", CRect(4, 64, 120, 76), ES_AUTOHSCROLL | WS_BORDER, L"ab" },
        { 1003, L"Button", CRect(130, 4, 180, 18), BS_PUSHBUTTON, L"OK!" },
        { 1004, L"Static", CRect(130, 22, 180, 32), SS_LEFT, L"x" },
        { 1005, L"SysHeader32", CRect(4, 80, 120, 92), HDS_BUTTONS | HDS_HORZ, L"" },
        { 1006, L"ListBox", CRect(130, 40, 180, 90), LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, L"" },
    };
    CDialogTemplate dlgTemplate(CRect(0, 0, 190, 100), L"Odd", WS_POPUP | WS_CAPTION | WS_VISIBLE);
    for (const SExpectedControl& control : controls)
        dlgTemplate.AddControl(control.lpszClass, control.nID, control.rect, control.dwStyle, control.lpszText);
    ASSERT_EQ(6, dlgTemplate.GetControlCount());

    CDialog dlg;
    ASSERT_TRUE(dlg.CreateIndirect(dlgTemplate, NULL));
    CString strCaption;
    dlg.GetWindowText(strCaption);
    EXPECT_STREQ(L"Odd", strCaption);

    for (const SExpectedControl& control : controls)
    {
        SCOPED_TRACE(testing::Message() << "control " << control.nID);
        CWnd* pControl = dlg.GetDlgItem(control.nID);
        ASSERT_NE(nullptr, pControl);
        EXPECT_EQ(0, ClassOf(pControl).CompareNoCase(control.lpszClass)) << ClassOf(pControl).GetString();
        // In a DIALOG (not DIALOGEX) template the dialog manager turns a control's WS_BORDER
        // into WS_EX_CLIENTEDGE.
        DWORD dwExpected = (control.dwStyle & ~WS_BORDER) | WS_CHILD | WS_VISIBLE;
        EXPECT_EQ(dwExpected, pControl->GetStyle() & (control.dwStyle | WS_CHILD | WS_VISIBLE));
        EXPECT_EQ((control.dwStyle & WS_BORDER) != 0, (pControl->GetExStyle() & WS_EX_CLIENTEDGE) != 0);
        CString strText;
        pControl->GetWindowText(strText);
        EXPECT_STREQ(control.lpszText, strText);

        CRect rectExpected(control.rect);
        dlg.MapDialogRect(&rectExpected);
        CRect rectActual;
        pControl->GetWindowRect(&rectActual);
        dlg.ScreenToClient(&rectActual);
        EXPECT_EQ(rectExpected, rectActual);
    }

    // DS_SETFONT: the dialog uses the template's face, and its dialog units follow from it.
    CFont* pFont = dlg.GetFont();
    ASSERT_NE(nullptr, pFont);
    LOGFONTW lf = {};
    ASSERT_NE(0, pFont->GetLogFont(&lf));
    EXPECT_STREQ(L"MS Shell Dlg", lf.lfFaceName);
    dlg.DestroyWindow();
}

TEST(DialogTemplateTest, ModalDialogRunsFromTheTemplateAndEndsWithTheButtonClicked)
{
    CDialogTemplate dlgTemplate(CRect(0, 0, 120, 60), L"Modal");
    dlgTemplate.AddButton(IDOK, CRect(10, 30, 60, 44), L"OK", BS_DEFPUSHBUTTON | WS_TABSTOP)
               .AddButton(IDCANCEL, CRect(64, 30, 114, 44), L"Cancel");

    CClickOkDialog dlg;
    ASSERT_TRUE(dlg.InitModalIndirect(dlgTemplate, NULL));
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_TRUE(dlg.m_bInitialised);
    EXPECT_EQ(nullptr, dlg.m_hWnd);
}

TEST(HostWindowTest, ClientAreaHasTheAskedSizeAtTheFixedOrigin)
{
    const DWORD styles[] = { WS_POPUP | WS_VISIBLE, WS_OVERLAPPEDWINDOW | WS_VISIBLE };
    for (DWORD dwStyle : styles)
    {
        SCOPED_TRACE(testing::Message() << "style 0x" << std::hex << dwStyle);
        CHostWindow host;
        ASSERT_TRUE(host.CreateHost(230, 170, dwStyle));
        CRect rectClient;
        host.GetClientRect(&rectClient);
        EXPECT_EQ(CRect(0, 0, 230, 170), rectClient);
        CPoint ptOrigin(0, 0);
        host.ClientToScreen(&ptOrigin);
        EXPECT_EQ(CPoint(CHostWindow::kDefaultOrigin), ptOrigin);
    }
}

// Every way of capturing a window sees the same exact pixels: the screen copy after a repaint
// and the WM_PRINTCLIENT and WM_PRINT renderings into a memory bitmap (the popup host has no
// frame, so its window is its client area).
TEST(PixelCaptureTest, CapturesReadBackFilledRectanglesAtExactPixels)
{
    CHostWindow host;
    ASSERT_TRUE(host.CreateHost(120, 80));
    host.SetPaintHandler([](CDC* pDC) {
        pDC->FillSolidRect(10, 20, 30, 5, kRed);
        pDC->FillSolidRect(50, 0, 1, 80, kBlue);
    });

    struct SCapture { const char* lpszName; CCapturedImage (*pfnCapture)(HWND); };
    const SCapture captures[] = {
        { "CaptureClient", [](HWND hWnd) { return CaptureClient(hWnd); } },
        { "CapturePrintClient", [](HWND hWnd) { return CapturePrintClient(hWnd); } },
        { "CapturePrint", [](HWND hWnd) { return CapturePrint(hWnd); } },
    };
    for (const SCapture& capture : captures)
    {
        SCOPED_TRACE(capture.lpszName);
        CCapturedImage image = capture.pfnCapture(host.m_hWnd);
        ASSERT_EQ(120, image.Width());
        ASSERT_EQ(80, image.Height());

        EXPECT_PIXEL(image, 10, 20, kRed);
        EXPECT_PIXEL(image, 39, 24, kRed);
        EXPECT_PIXEL(image, 9, 20, kWhite);
        EXPECT_PIXEL(image, 40, 24, kWhite);
        EXPECT_PIXEL(image, 10, 19, kWhite);
        EXPECT_PIXEL(image, 10, 25, kWhite);
        EXPECT_PIXEL(image, 0, 0, kWhite);
        EXPECT_PIXEL(image, 119, 79, kWhite);
        EXPECT_COLOR_COUNT(image, image.GetRect(), kRed, 150);
        EXPECT_UNIFORM(image, CRect(10, 20, 40, 25), kRed);
        EXPECT_EQ(CRect(10, 20, 40, 25), image.BoundingBox(kRed));
        EXPECT_EQ(50, image.FindColumn(image.GetRect(), kBlue));
        EXPECT_EQ(20, image.FindRow(image.GetRect(), kRed));
        EXPECT_EQ(80, image.CountColor(CRect(50, 0, 51, 80), kBlue));
    }
}

TEST(PixelCaptureTest, CaptureDCReadsARectangleOfAMemoryContext)
{
    CClientDC dcScreen(NULL);
    CDC dc;
    CBitmap bitmap;
    ASSERT_TRUE(dc.CreateCompatibleDC(&dcScreen));
    ASSERT_TRUE(bitmap.CreateCompatibleBitmap(&dcScreen, 64, 48));
    CBitmap* pOldBitmap = dc.SelectObject(&bitmap);
    dc.FillSolidRect(0, 0, 64, 48, kWhite);
    dc.FillSolidRect(20, 10, 4, 3, kRed);

    CCapturedImage image = CaptureDC(&dc, CRect(16, 8, 48, 40));
    dc.SelectObject(pOldBitmap);

    ASSERT_EQ(32, image.Width());
    ASSERT_EQ(32, image.Height());
    EXPECT_EQ(CRect(4, 2, 8, 5), image.BoundingBox(kRed));
    EXPECT_PIXEL(image, 4, 2, kRed);
    EXPECT_PIXEL(image, 3, 2, kWhite);
}

TEST(PixelCaptureTest, BadInputGivesEmptyAnswers)
{
    EXPECT_TRUE(CaptureClient(HWND(NULL)).IsEmpty());
    EXPECT_TRUE(CapturePrintClient(NULL).IsEmpty());
    EXPECT_TRUE(CaptureDC(NULL, CRect(0, 0, 4, 4)).IsEmpty());

    CCapturedImage image(4, 3, kBlue);
    EXPECT_EQ(CLR_INVALID, image.Pixel(4, 0));
    EXPECT_EQ(CLR_INVALID, image.Pixel(-1, 0));
    EXPECT_EQ(CLR_INVALID, image.Pixel(0, 3));
    EXPECT_EQ(0, image.CountColor(CRect(10, 10, 20, 20), kBlue));
    EXPECT_EQ(6, image.CountColor(CRect(-5, -5, 2, 20), kBlue));
    EXPECT_FALSE(image.IsUniform(CRect(10, 10, 20, 20), kBlue));
    EXPECT_TRUE(image.BoundingBox(kRed).IsRectEmpty());
    EXPECT_EQ(-1, image.FindColumn(image.GetRect(), kRed));
    EXPECT_EQ(-1, image.FindRow(image.GetRect(), kRed));
}

TEST(PngTest, SavedPngLoadsBackWithTheSamePixels)
{
    // Odd sizes, so that row padding or a swapped width and height would show.
    CCapturedImage image(37, 23);
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x)
            image.SetPixel(x, y, RGB(x * 7, y * 11, (x + y) * 3));
    std::wstring strPath = TempFilePath(L"roundtrip.png");
    ASSERT_TRUE(SavePng(image, strPath.c_str()));

    CCapturedImage loaded;
    ASSERT_TRUE(ReadImageFile(strPath.c_str(), loaded));
    ::DeleteFileW(strPath.c_str());
    ASSERT_EQ(image.Width(), loaded.Width());
    ASSERT_EQ(image.Height(), loaded.Height());
    int nDifferent = 0;
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x)
            if (image.Pixel(x, y) != loaded.Pixel(x, y) && nDifferent++ == 0)
                ADD_FAILURE() << "first difference at (" << x << ", " << y << "): saved "
                              << ColorName(image.Pixel(x, y)) << ", loaded " << ColorName(loaded.Pixel(x, y));
    EXPECT_EQ(0, nDifferent);
}

TEST(PngTest, SavedBitmapLoadsBackOpaqueWithItsPixels)
{
    // A device-dependent bitmap made from known pixels, as a host would hand one over; their
    // fourth bytes are zero, as GDI leaves them.
    CCapturedImage image(21, 13);
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x)
            image.SetPixel(x, y, RGB(x * 12, y * 19, 200));
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateBitmap(image.Width(), image.Height(), 1, 32, image.GetBits()));
    std::wstring strPath = TempFilePath(L"bitmap.png");
    ASSERT_TRUE(CPngFile::Save(strPath.c_str(), static_cast<HBITMAP>(bitmap.GetSafeHandle())));

    std::vector<DWORD> pixels;
    int cx = 0;
    int cy = 0;
    ASSERT_TRUE(CPngFile::Load(strPath.c_str(), pixels, cx, cy));
    EXPECT_EQ(21, cx);
    EXPECT_EQ(13, cy);
    ASSERT_EQ(static_cast<size_t>(21 * 13), pixels.size());
    EXPECT_TRUE(std::all_of(pixels.begin(), pixels.end(), [](DWORD dw) { return (dw >> 24) == 0xFF; }))
        << "every pixel of the file is opaque";
    // Rows top-down, colours in their places: a corner, the far corner and one inside.
    EXPECT_EQ(0xFF0000C8u, pixels[0]);
    EXPECT_EQ(0xFFF0E4C8u, pixels[12 * 21 + 20]);
    EXPECT_EQ(0xFF3C5FC8u, pixels[5 * 21 + 5]);

    EXPECT_FALSE(CPngFile::Save(strPath.c_str(), HBITMAP(NULL)));
    ::DeleteFileW(strPath.c_str());
    EXPECT_FALSE(CPngFile::Load(strPath.c_str(), pixels, cx, cy));
    EXPECT_TRUE(pixels.empty());
    EXPECT_EQ(0, cx);
    EXPECT_EQ(0, cy);
}

TEST(PngTest, SaveAndReadRefuseWhatTheyCannotDo)
{
    std::wstring strPath = TempFilePath(L"empty.png");
    EXPECT_FALSE(SavePng(CCapturedImage(), strPath.c_str()));
    EXPECT_FALSE(FileExists(strPath));

    std::wstring strMissingFolder = TempFilePath(L"no-such-folder\\image.png");
    EXPECT_FALSE(SavePng(CCapturedImage(2, 2), strMissingFolder.c_str()));
    EXPECT_FALSE(FileExists(strMissingFolder));

    CCapturedImage image(3, 3);
    EXPECT_FALSE(ReadImageFile(TempFilePath(L"never-written.png").c_str(), image));
    EXPECT_TRUE(image.IsEmpty());
}

// The failure path of the pixel checks, called directly so that this test itself passes.
TEST(PngTest, FailedPixelCheckSavesTheCaptureOnceAndNamesTheFile)
{
    CCapturedImage image(8, 6, kWhite);
    image.SetPixel(1, 2, kBlue);
    std::wstring strFile = GetArtifactFolder() + L"\\PngTest.FailedPixelCheckSavesTheCaptureOnceAndNamesTheFile.png";
    ::DeleteFileW(strFile.c_str());

    testing::AssertionResult result = AssertPixel("image", "1", "2", "kRed", image, 1, 2, kRed);
    ASSERT_FALSE(result);
    std::string strMessage = result.message();
    EXPECT_NE(std::string::npos, strMessage.find("is RGB(0,0,255), expected kRed = RGB(255,0,0)")) << strMessage;
    EXPECT_NE(std::string::npos, strMessage.find("capture saved to")) << strMessage;
    EXPECT_NE(std::string::npos, strMessage.find("PngTest.FailedPixelCheckSavesTheCaptureOnceAndNamesTheFile.png"))
        << strMessage;
    ASSERT_TRUE(FileExists(strFile));

    CCapturedImage saved;
    ASSERT_TRUE(ReadImageFile(strFile.c_str(), saved));
    EXPECT_EQ(kBlue, saved.Pixel(1, 2));
    EXPECT_EQ(kWhite, saved.Pixel(0, 0));

    // The same capture failing again names the same file and writes no second one.
    ::DeleteFileW(strFile.c_str());
    testing::AssertionResult again = AssertPixel("image", "0", "0", "kRed", image, 0, 0, kRed);
    EXPECT_FALSE(again);
    EXPECT_NE(std::string::npos, std::string(again.message()).find("capture saved to"));
    EXPECT_FALSE(FileExists(strFile));
}

class MessageRecorderTest : public testing::Test
{
protected:
    void SetUp() override
    {
        m_nTestMessage = ::RegisterWindowMessageW(L"ZaDUVTestRecorderMessage");
        ASSERT_NE(0u, m_nTestMessage);
        ASSERT_TRUE(m_host.CreateHost(200, 120));
        ASSERT_TRUE(m_recorder.Attach(&m_host, "host"));
        m_recorder.Watch(m_nTestMessage);
    }

    UINT m_nTestMessage = 0;
    CHostWindow m_host;
    CMessageRecorder m_recorder;
};

TEST_F(MessageRecorderTest, RecordsCommandsAndWatchedMessagesOfTheParentInOrder)
{
    CButton button;
    ASSERT_TRUE(button.Create(L"Push", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(10, 10, 90, 34), &m_host, 7));
    m_recorder.Clear();

    button.SendMessage(BM_CLICK);
    m_host.SendMessage(m_nTestMessage, 5, 6);
    m_host.SendMessage(WM_USER + 40, 1, 2);     // not watched

    EXPECT_MESSAGES(m_recorder, ExpectCommand(BN_CLICKED, 7).From(button.m_hWnd),
                    ExpectMessage(m_nTestMessage, 5, 6).To(m_host.m_hWnd));
    EXPECT_EQ(1, m_recorder.Count(WM_COMMAND));
    EXPECT_EQ(2u, m_recorder.GetMessages(m_host.m_hWnd).size());
    EXPECT_TRUE(m_recorder.GetMessages(button.m_hWnd).empty());
}

TEST_F(MessageRecorderTest, RecordsListViewNotificationsWithTheDetailRead)
{
    CWnd list;
    ASSERT_TRUE(list.CreateEx(0, WC_LISTVIEWW, L"", WS_CHILD | WS_VISIBLE | LVS_REPORT, CRect(0, 0, 180, 100),
        &m_host, 9));
    LVCOLUMNW column = {};
    column.mask = LVCF_WIDTH;
    column.cx = 100;
    list.SendMessage(LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
    m_recorder.IgnoreNotify(NM_CUSTOMDRAW);
    m_recorder.SetNotifyDetail(LVN_INSERTITEM,
        [](const NMHDR* pNMHDR) { return INT_PTR(reinterpret_cast<const NMLISTVIEW*>(pNMHDR)->iItem); });
    m_recorder.Clear();

    LVITEMW item = {};
    item.mask = LVIF_TEXT;
    item.pszText = const_cast<LPWSTR>(L"first");
    list.SendMessage(LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    item.iItem = 1;
    item.pszText = const_cast<LPWSTR>(L"second");
    list.SendMessage(LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    list.SendMessage(LVM_DELETEALLITEMS);

    EXPECT_MESSAGES_IN_ORDER(m_recorder, ExpectNotify(LVN_INSERTITEM, 9).Detail(0),
                             ExpectNotify(LVN_INSERTITEM, 9).Detail(1), ExpectNotify(LVN_DELETEALLITEMS, 9));
    EXPECT_EQ(0, m_recorder.CountNotify(NM_CUSTOMDRAW));
    EXPECT_EQ(2, m_recorder.CountNotify(LVN_INSERTITEM));
}

TEST_F(MessageRecorderTest, MismatchDumpShowsExpectedBesideActualAndMarksTheFault)
{
    m_recorder.Clear();
    m_host.SendMessage(WM_COMMAND, MAKEWPARAM(7, BN_CLICKED), 0);
    m_host.SendMessage(m_nTestMessage, 5, 7);

    testing::AssertionResult wrongParam = MatchMessages(m_recorder,
        { ExpectCommand(BN_CLICKED, 7), ExpectMessage(m_nTestMessage, 5, 6) }, MATCH_EXACT);
    ASSERT_FALSE(wrongParam);
    std::string strDump = wrongParam.message();
    size_t nFaultRow = strDump.find("  > 1  ZaDUVTestRecorderMessage w=5 l=6");
    ASSERT_NE(std::string::npos, nFaultRow) << strDump;
    size_t nRowEnd = strDump.find('\n', nFaultRow);
    EXPECT_NE(std::string::npos, strDump.substr(nFaultRow, nRowEnd - nFaultRow).find("| 1  ZaDUVTestRecorderMessage w=5 l=7"))
        << strDump;
    EXPECT_NE(std::string::npos, strDump.find("    0  WM_COMMAND code=0 id=7")) << strDump;

    // An extra message breaks only the exact match; a missing one breaks both.
    EXPECT_FALSE(MatchMessages(m_recorder, { ExpectCommand(BN_CLICKED, 7) }, MATCH_EXACT));
    EXPECT_TRUE(MatchMessages(m_recorder, { ExpectMessage(m_nTestMessage).WParam(5) }, MATCH_IN_ORDER));
    testing::AssertionResult missing = MatchMessages(m_recorder,
        { ExpectMessage(m_nTestMessage), ExpectCommand(BN_CLICKED, 7) }, MATCH_IN_ORDER);
    ASSERT_FALSE(missing);
    EXPECT_NE(std::string::npos, std::string(missing.message()).find("(missing)")) << missing.message();
}

TEST_F(MessageRecorderTest, WaitForMessagePumpsUntilAPostedMessageArrives)
{
    m_recorder.Clear();
    m_host.PostMessage(m_nTestMessage, 1, 2);
    EXPECT_TRUE(m_recorder.GetMessages().empty());
    EXPECT_MESSAGE_WITHIN(m_recorder, ExpectMessage(m_nTestMessage, 1, 2), 2000);

    testing::AssertionResult never = WaitForMessage(m_recorder, ExpectMessage(m_nTestMessage, 3, 4), 50);
    EXPECT_FALSE(never);
    EXPECT_NE(std::string::npos, std::string(never.message()).find("waited 50 ms")) << never.message();
}

TEST_F(MessageRecorderTest, StopsRecordingAWindowThatIsDestroyed)
{
    CHostWindow other;
    ASSERT_TRUE(other.CreateHost(50, 50, WS_POPUP));
    HWND hWndOther = other.m_hWnd;
    ASSERT_TRUE(m_recorder.Attach(&other, "other"));
    EXPECT_FALSE(m_recorder.Attach(&other, "twice"));
    m_recorder.Clear();

    other.SendMessage(m_nTestMessage, 1, 1);
    other.DestroyWindow();
    m_host.SendMessage(m_nTestMessage, 2, 2);

    EXPECT_MESSAGES(m_recorder, ExpectMessage(m_nTestMessage, 1, 1).To(hWndOther),
                    ExpectMessage(m_nTestMessage, 2, 2).To(m_host.m_hWnd));
    EXPECT_FALSE(m_recorder.Attach(hWndOther, "dead"));
}
