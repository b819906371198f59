// CStaticLink subclassing statics of a real dialog: the underlined link colour of plain text
// statics, the hand cursor, and real clicks that open a target through the shell. The shell
// opens a URL scheme registered for these tests, whose command records what it was given.

#include <gtest/gtest.h>

#include <zaduv.h>
#include <foundation/res/resource.h>

#include "DialogTemplate.h"
#include "MessagePump.h"
#include "PixelCapture.h"
#include "SendMouse.h"

#include <algorithm>
#include <cstdio>
#include <string>

using namespace zaduv_test;

namespace
{
const UINT IDC_LINK = 100;
const UINT IDC_OTHER = 101;
const UINT IDC_NOPREFIX = 102;
const UINT IDC_IMAGE = 103;
const wchar_t SCHEME[] = L"zaduvlinktest";
const COLORREF BLUE = RGB(0, 0, 255);
const COLORREF PURPLE = RGB(128, 0, 128);

bool IsWine()
{
    return ::GetProcAddress(::GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != NULL;
}

// HKCU\Software\Classes\<scheme> while it lives, its open command running url_recorder.
// Wine difference: Windows' shell reads HKEY_CLASSES_ROOT as the merged view of the user's and
// the machine's classes, Wine's shell only the machine's, so under Wine it goes there as well.
class CRecordingScheme
{
public:
    CRecordingScheme()
    {
        wchar_t szPath[MAX_PATH] = {};
        ::GetTempPathW(MAX_PATH, szPath);
        m_strOutput = std::wstring(szPath) + L"zaduv_link_opened.txt";
        ::DeleteFileW(m_strOutput.c_str());
        ::GetModuleFileNameW(NULL, szPath, MAX_PATH);
        std::wstring strCommand(szPath);
        strCommand = L"\"" + strCommand.substr(0, strCommand.rfind(L'\\')) + L"\\url_recorder.exe\" \"" + m_strOutput + L"\" \"%1\"";
        for (HKEY hRoot : m_hRoots)
            m_bRegistered = m_bRegistered && (hRoot == NULL || (Set(hRoot, L"", L"URL Protocol", L"")
                && Set(hRoot, L"\\shell\\open\\command", NULL, strCommand.c_str())));
    }

    ~CRecordingScheme()
    {
        for (HKEY hRoot : m_hRoots)
            if (hRoot != NULL)
                ::RegDeleteTreeW(hRoot, KeyPath(hRoot, L"").c_str());
        ::DeleteFileW(m_strOutput.c_str());
    }

    bool IsRegistered() const { return m_bRegistered; }

    // What the scheme's command was given; empty when it did not run in time.
    std::wstring WaitForOpened(DWORD nTimeoutMs) const
    {
        std::wstring strOpened;
        PumpUntil([&] {
            FILE* pFile = _wfopen(m_strOutput.c_str(), L"rb");
            wchar_t szText[256] = {};
            if (pFile == NULL)
                return false;
            strOpened.assign(szText, fread(szText, sizeof(wchar_t), 255, pFile));
            fclose(pFile);
            return true;
        }, nTimeoutMs);
        return strOpened;
    }

private:
    static std::wstring KeyPath(HKEY hRoot, LPCWSTR lpszSub)
    {
        return std::wstring(hRoot == HKEY_CURRENT_USER ? L"Software\\Classes\\" : L"") + SCHEME + lpszSub;
    }

    static bool Set(HKEY hRoot, LPCWSTR lpszSub, LPCWSTR lpszName, LPCWSTR lpszValue)
    {
        return ::RegSetKeyValueW(hRoot, KeyPath(hRoot, lpszSub).c_str(), lpszName, REG_SZ, lpszValue,
            static_cast<DWORD>((wcslen(lpszValue) + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
    }

    const HKEY m_hRoots[2] = { HKEY_CURRENT_USER, IsWine() ? HKEY_CLASSES_ROOT : NULL };
    std::wstring m_strOutput;
    bool m_bRegistered = true;
};

class StaticLinkTest : public ::testing::Test
{
protected:
    StaticLinkTest()
        : m_link(L"zaduvlinktest:patient/42"), m_other(L"zaduvlinktest:other")
    {
    }

    void SetUp() override
    {
        ASSERT_TRUE(m_scheme.IsRegistered());
        CDialogTemplate dlgTemplate(CRect(0, 0, 200, 90), L"Link test", WS_POPUP | WS_CAPTION | WS_VISIBLE | DS_MODALFRAME);
        dlgTemplate.AddStatic(IDC_LINK, CRect(7, 7, 120, 17), L"Visit the archive");
        dlgTemplate.AddStatic(IDC_OTHER, CRect(7, 22, 120, 32), L"Second link");
        dlgTemplate.AddStatic(IDC_NOPREFIX, CRect(7, 37, 120, 47), L"No prefix", SS_LEFT | SS_NOPREFIX);
        dlgTemplate.AddStatic(IDC_IMAGE, CRect(7, 52, 40, 80), L"", SS_BLACKRECT);
        ASSERT_TRUE(m_dialog.CreateIndirect(dlgTemplate.GetTemplate()));
        ASSERT_TRUE(m_link.SubclassDlgItem(IDC_LINK, &m_dialog));
        ASSERT_TRUE(m_other.SubclassDlgItem(IDC_OTHER, &m_dialog));
        m_dialog.SetForegroundWindow();
        PumpPending();
    }

    void TearDown() override { m_dialog.DestroyWindow(); PumpPending(); }

    // A real press and release in the middle of the control, through the input queue, once
    // the pointer is seen there.
    void Click(CWnd* pWnd)
    {
        CRect rect;
        pWnd->GetWindowRect(&rect);
        SendMouse(rect.CenterPoint(), 0);
        ASSERT_TRUE(PumpUntil([&] {
            CPoint pt;
            ::GetCursorPos(&pt);
            return ::WindowFromPoint(pt) == pWnd->m_hWnd;
        }, 3000)) << "the pointer did not reach the control";
        SendMouse(rect.CenterPoint(), MOUSEEVENTF_LEFTDOWN);
        SendMouse(rect.CenterPoint(), MOUSEEVENTF_LEFTUP);
        PumpPending();
    }

    // The longest run of one colour along any row: an underline spans the text.
    static int LongestRun(const CCapturedImage& image, COLORREF cr)
    {
        int nLongest = 0;
        for (int y = 0; y < image.Height(); ++y)
            for (int x = 0, nRun = 0; x < image.Width(); ++x)
            {
                nRun = image.Pixel(x, y) == cr ? nRun + 1 : 0;
                nLongest = std::max(nLongest, nRun);
            }
        return nLongest;
    }

    int TextWidth(CWnd* pWnd)
    {
        CString strText;
        pWnd->GetWindowText(strText);
        CClientDC dc(pWnd);
        if (pWnd->GetFont() != NULL)
            dc.SelectObject(pWnd->GetFont());
        return dc.GetTextExtent(strText).cx;
    }

    CRecordingScheme m_scheme;
    CDialog m_dialog;
    CStaticLink m_link;
    CStaticLink m_other;
};
}

TEST_F(StaticLinkTest, PlainTextIsUnderlinedInTheLinkColourOtherStaticsKeepTheParentsColouring)
{
    // The colour request as the static sends it to the dialog, reflected to the link.
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(NULL));
    auto requestColours = [&](CWnd* pStatic) {
        return reinterpret_cast<HGDIOBJ>(m_dialog.SendMessage(WM_CTLCOLORSTATIC,
            reinterpret_cast<WPARAM>(dc.GetSafeHdc()), reinterpret_cast<LPARAM>(pStatic->m_hWnd)));
    };
    EXPECT_EQ(::GetStockObject(HOLLOW_BRUSH), requestColours(&m_link));
    EXPECT_EQ(BLUE, dc.GetTextColor());
    EXPECT_EQ(TRANSPARENT, dc.GetBkMode());
    LOGFONT lfSelected = {}, lfControl = {};
    ::GetObjectW(::GetCurrentObject(dc.GetSafeHdc(), OBJ_FONT), sizeof(LOGFONT), &lfSelected);
    m_link.GetFont()->GetObject(sizeof(LOGFONT), &lfControl);
    EXPECT_TRUE(lfSelected.lfUnderline);
    EXPECT_STREQ(lfControl.lfFaceName, lfSelected.lfFaceName);
    EXPECT_EQ(lfControl.lfHeight, lfSelected.lfHeight);

    CCapturedImage image = CaptureClient(&m_link);
    EXPECT_GT(image.CountColor(BLUE), 20) << SaveFailureArtifact(image);
    // Wine difference: Wine's static selects its own font after asking its parent for colours,
    // so the font chosen there is replaced; Windows selects the control's font first.
    if (!IsWine())
    {
        EXPECT_GE(LongestRun(image, BLUE), TextWidth(&m_link) - 2) << SaveFailureArtifact(image);
    }

    CStaticLink noPrefix(L"zaduvlinktest:np");
    ASSERT_TRUE(noPrefix.SubclassDlgItem(IDC_NOPREFIX, &m_dialog));
    EXPECT_NE(::GetStockObject(HOLLOW_BRUSH), requestColours(&noPrefix));
    CCapturedImage plain = CaptureClient(&noPrefix);
    EXPECT_EQ(0, plain.CountColor(BLUE)) << SaveFailureArtifact(plain);
}

TEST_F(StaticLinkTest, AClickOpensTheTargetThroughTheShellAndTurnsOnlyThatLinkVisited)
{
    Click(&m_link);
    EXPECT_EQ(L"zaduvlinktest:patient/42", m_scheme.WaitForOpened(10000));
    CCapturedImage image = CaptureClient(&m_link);
    EXPECT_GT(image.CountColor(PURPLE), 20) << SaveFailureArtifact(image);
    EXPECT_EQ(0, image.CountColor(BLUE));
    CCapturedImage other = CaptureClient(&m_other);
    EXPECT_GT(other.CountColor(BLUE), 0) << "the other link stays unvisited";
}

TEST_F(StaticLinkTest, WithoutATargetTheWindowTextIsOpenedAndKept)
{
    CStaticLink fromText;
    EXPECT_EQ(nullptr, fromText.Navigate()) << "no target: the shell is not asked";
    ASSERT_TRUE(fromText.SubclassDlgItem(IDC_NOPREFIX, &m_dialog));
    fromText.SetWindowText(L"zaduvlinktest:fromtext");
    Click(&fromText);
    EXPECT_EQ(L"zaduvlinktest:fromtext", m_scheme.WaitForOpened(10000));
    EXPECT_EQ(CString(L"zaduvlinktest:fromtext"), fromText.GetURL());
    fromText.SetWindowText(L"changed");
    EXPECT_EQ(CString(L"zaduvlinktest:fromtext"), fromText.GetURL());
}

TEST_F(StaticLinkTest, AFailedOpeningKeepsTheUnvisitedColourAndTheTarget)
{
    const CString strMissing(L"C:\\zaduv\\no such folder\\missing.zdv");
    m_link.SetURL(strMissing);
    EXPECT_LE(reinterpret_cast<UINT_PTR>(m_link.Navigate()), 32u);
    Click(&m_link);
    CCapturedImage image = CaptureClient(&m_link);
    EXPECT_GT(image.CountColor(BLUE), 0) << SaveFailureArtifact(image);
    EXPECT_EQ(0, image.CountColor(PURPLE));
    EXPECT_EQ(strMissing, m_link.GetURL());
}

TEST_F(StaticLinkTest, AnImageStaticShowsTheHandAndOpensItsTargetWhenClicked)
{
    CStaticLink image(L"zaduvlinktest:image");
    ASSERT_TRUE(image.SubclassDlgItem(IDC_IMAGE, &m_dialog));
    CRect rect;
    image.GetWindowRect(&rect);
    SendMouse(rect.CenterPoint(), 0);
    // The library's own hand, shared by all links.
    const HCURSOR hHand = ::LoadCursorW(ZaDUVGetInstanceHandle(), MAKEINTRESOURCEW(IDC_ZADUV_HAND));
    ASSERT_NE(hHand, nullptr);
    EXPECT_TRUE(PumpUntil([&] { return ::GetCursor() == hHand; }, 3000));
    Click(&image);
    EXPECT_EQ(L"zaduvlinktest:image", m_scheme.WaitForOpened(10000));
}

TEST_F(StaticLinkTest, AStaticWithoutAFontIsColouredWithTheSystemFontUnderlined)
{
    CStaticLink bare(L"zaduvlinktest:bare");
    ASSERT_TRUE(bare.Create(L"Bare link", WS_CHILD | WS_VISIBLE | SS_LEFT, CRect(10, 130, 200, 160), &m_dialog, 104));
    ASSERT_EQ(0, bare.SendMessage(WM_GETFONT));
    CCapturedImage image = CaptureClient(&bare);
    EXPECT_GE(LongestRun(image, BLUE), TextWidth(&bare) - 2) << SaveFailureArtifact(image);
}
