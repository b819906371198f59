// Stored state as a damaged registry holds it: a resizable dialog's placement line under the
// application's profile, and a toolbar's style value and rectangle under its settings key,
// written with the registry calls themselves - mangled text, values of another type or size,
// absurd numbers. What cannot be read gives the stated fallback (the template placement; the
// default style, docked without a position); what can be read is applied and saved back
// readable; nothing crashes, and the windows keep answering.

#include <gtest/gtest.h>

#include <zaduv.h>

#include "../dialogs/ResizableTestDialog.h"
#include "../toolbar/resource.h"
#include "HostileInput.h"
#include "MessagePump.h"

#include <cwctype>

using namespace zaduv_test;
using namespace hostile_test;

namespace
{
const LPCWSTR SECTION = L"Hostile placement";
const LPCWSTR ENTRY = L"Study export";
const DWORD DEFAULT_STYLE = 0x50001434;

// The value types a damaged store holds where text or numbers belong.
const DWORD OTHER_TYPES[] = { REG_DWORD, REG_BINARY, REG_EXPAND_SZ, REG_MULTI_SZ, REG_QWORD, REG_NONE };

void SetValue(HKEY hKey, LPCWSTR lpszName, DWORD dwType, const void* pData, size_t cbData)
{
    ASSERT_EQ(ERROR_SUCCESS, ::RegSetValueExW(hKey, lpszName, 0, dwType, static_cast<const BYTE*>(pData),
        static_cast<DWORD>(cbData)));
}

// Reaches CWinApp's protected SetRegistryKey for the application object; never instantiated.
struct CAppProfileAccess : CWinApp
{
    static void SetRegistryKeyOf(CWinApp* pApp, LPCTSTR lpszKey)
    {
        void (CWinApp::*pfnSetKey)(LPCTSTR) = &CAppProfileAccess::SetRegistryKey;
        (pApp->*pfnSetKey)(lpszKey);
    }
};

// A line that "%d,%d,%d,%d,%d,%d" reads whole, and the text it was made from.
struct SLine
{
    std::wstring strText;
    bool bReadable;
    CRect rect;         // what a readable line places the dialog at, when it is an ordinary place
    bool bOrdinary;
};


// A placement on the screen, shown normally, then one damage that keeps it readable or not.
SLine MakeLine(std::mt19937& random)
{
    const CRect rect(CPoint(static_cast<int>(Pick(random, 300)), static_cast<int>(Pick(random, 200))),
        CSize(220 + static_cast<int>(Pick(random, 300)), 160 + static_cast<int>(Pick(random, 200))));
    std::vector<std::wstring> numbers = { std::to_wstring(rect.left), std::to_wstring(rect.top), std::to_wstring(rect.right),
        std::to_wstring(rect.bottom), L"1", L"0" };
    SLine line = { L"", true, rect, true };
    const size_t nAt = Pick(random, 6);
    const wchar_t* const junk[] = { L"", L"-", L"+", L" ", L"x", L"0x", L"\u00e9", L",", L"--1", L"1e3" };
    switch (Pick(random, 7))
    {
    case 0:     // readable: blanks and signs before numbers, anything after the sixth
        numbers[nAt] = std::wstring(L" \t\n").substr(Pick(random, 3)) + (Pick(random, 2) != 0 ? L"+" : L"") + numbers[nAt];
        numbers[5] += std::vector<LPCWSTR>{ L",7", L" and more", L"x", L",,,", L"\u00e9" }[Pick(random, 5)];
        break;
    case 1:     // a number replaced by something that is none
        numbers[nAt] = junk[Pick(random, sizeof(junk) / sizeof(junk[0]))] + std::wstring(Pick(random, 2) != 0 ? L"" : L"q");
        // text after the sixth number is ignored, so a sixth number still read stays readable
        line.bReadable = nAt == 5 && std::iswdigit(numbers[5][0]);
        break;
    case 2:     // absurd but readable numbers: extremes, inverted, odd show commands and flags
    {
        const long long values[] = { INT_MIN, INT_MAX, -1, 0, 65535, -30000, 30000 };
        for (size_t i = 0; i < 6; ++i)
            if (Pick(random, 2) != 0)
                numbers[i] = std::to_wstring(values[Pick(random, sizeof(values) / sizeof(values[0]))]);
        numbers[4] = std::to_wstring(static_cast<long long>(Pick(random, 14)) - 1);
        line.bOrdinary = false;
        break;
    }
    case 3:     // a number too large for 32 bits
        numbers[nAt] += std::wstring(10 + Pick(random, 30), L'9');
        line.bReadable = false;
        break;
    default:
        break;
    }
    for (size_t i = 0; i < 6; ++i)
        line.strText += (i > 0 ? L"," : L"") + numbers[i];
    if (line.bReadable && Pick(random, 3) == 0)
    {
        // cut before the sixth number has a digit, or a separator changed
        std::vector<size_t> commas;
        for (size_t nPos = 0; commas.size() < 5; ++nPos)
            if (line.strText[nPos] == L',')
                commas.push_back(nPos);
        if (Pick(random, 2) != 0)
            line.strText.resize(Pick(random, commas[4] + 2));
        else
            line.strText[commas[Pick(random, 5)]] = L";. \t"[Pick(random, 4)];
        line.bReadable = false;
    }
    return line;
}

class HostilePlacement : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_strIniFile = AfxGetApp()->m_pszProfileName;
        CAppProfileAccess::SetRegistryKeyOf(AfxGetApp(), L"ZaDUV Tests");
        AfxGetApp()->WriteProfileString(SECTION, NULL, NULL);
        m_hSection = AfxGetApp()->GetSectionKey(SECTION);
        ASSERT_TRUE(m_hSection != NULL);
    }
    void TearDown() override
    {
        if (m_hSection != NULL)
            ::RegCloseKey(m_hSection);
        AfxGetApp()->WriteProfileString(SECTION, NULL, NULL);
        AfxGetApp()->m_pszRegistryKey = NULL;
        AfxGetApp()->m_pszProfileName = m_strIniFile;
    }

    // Opens the dialog at (100, 80), 640 x 480, restoring what the store holds; closes it and
    // returns where it was and what it saved.
    CRect OpenAndClose(CString& strSaved)
    {
        dialogs_test::CTestResizableDialog dlg;
        if (!dlg.CreateFromTemplate(dialogs_test::MakeResizableTemplate(), CPoint(100, 80)))
            return CRect();
        dlg.SetWindowPos(NULL, 0, 0, 640, 480, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        dlg.ShowWindow(SW_SHOWNA);
        dlg.EnableSaveRestore(SECTION, ENTRY);
        PumpPending();
        WINDOWPLACEMENT wp = { sizeof(WINDOWPLACEMENT) };
        dlg.GetWindowPlacement(&wp);
        dlg.SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(300, 200));
        dlg.DestroyWindow();
        strSaved = AfxGetApp()->GetProfileString(SECTION, ENTRY);
        return wp.showCmd == SW_SHOWNORMAL ? CRect(wp.rcNormalPosition) : CRect();
    }

    HKEY m_hSection = NULL;
    CString m_strIniFile;
};

const CRect TEMPLATE_PLACE(100, 80, 740, 560);
}

TEST_F(HostilePlacement, DamagedLinesGiveTheTemplatePlaceOrTheirOwn)
{
    RunRounds("placement lines", 3, 400, [&](std::mt19937& random, EOutcome& outcome) {
        const SLine line = MakeLine(random);
        const size_t nForm = Pick(random, 4);
        std::vector<BYTE> data(reinterpret_cast<const BYTE*>(line.strText.c_str()),
            reinterpret_cast<const BYTE*>(line.strText.c_str() + line.strText.size()));
        if (nForm == 1)             // no terminator, and an odd byte left over
            data.push_back(0x41);
        else if (nForm == 2)        // more after an embedded terminator
            data.insert(data.end(), { 0, 0, '9', 0, ',', 0, 0, 0 });
        else
            data.insert(data.end(), { 0, 0 });
        const DWORD dwType = nForm == 3 ? OTHER_TYPES[Pick(random, sizeof(OTHER_TYPES) / sizeof(OTHER_TYPES[0]))] : REG_SZ;
        ASSERT_NO_FATAL_FAILURE(SetValue(m_hSection, ENTRY, dwType, data.data(), data.size()));

        CString strSaved;
        const CRect rect = OpenAndClose(strSaved);
        const bool bApplied = dwType == REG_SZ && line.bReadable;
        outcome = bApplied ? ACCEPTED : REFUSED;
        SCOPED_TRACE(std::string(line.strText.begin(), line.strText.begin() + std::min<size_t>(60, line.strText.size())));
        if (!bApplied || line.bOrdinary)
        {
            ASSERT_EQ(bApplied ? line.rect : TEMPLATE_PLACE, rect);
        }
        int an[6] = {};
        ASSERT_EQ(6, swscanf(strSaved, L"%d,%d,%d,%d,%d,%d", &an[0], &an[1], &an[2], &an[3], &an[4], &an[5]))
            << "saved as " << std::wstring(strSaved.GetString());
    });
}

namespace
{
const LPCWSTR BAR_BASE = L"Software\\ZaDUV Tests\\Hostile toolbar";

class HostileToolBarState : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ::RegDeleteTreeW(HKEY_CURRENT_USER, BAR_BASE);
        m_pFrame = new CFrameWnd;
        ASSERT_TRUE(m_pFrame->Create(NULL, L"Toolbar host", WS_OVERLAPPED | WS_CAPTION | WS_VISIBLE, CRect(100, 100, 560, 420)));
        m_pFrame->EnableDocking(CBRS_ALIGN_ANY);
        PumpPending();
    }
    void TearDown() override
    {
        m_pFrame->DestroyWindow();
        PumpPending();
        ::RegDeleteTreeW(HKEY_CURRENT_USER, BAR_BASE);
    }

    // Writes the style value and the rectangle as the store keeps them, or damaged; returns the
    // style the bar must take (the default when the value cannot be read).
    DWORD StoreDamaged(std::mt19937& random, const CString& strKey)
    {
        HKEY hKey = NULL;
        if (::RegCreateKeyExW(HKEY_CURRENT_USER, CString(BAR_BASE) + L"\\" + strKey, 0, NULL, 0, KEY_SET_VALUE, NULL,
                &hKey, NULL) != ERROR_SUCCESS)
            return 0;
        DWORD dwStyle = Pick(random, 2) != 0 ? BoundaryValue(random) : static_cast<DWORD>(random());
        if (Pick(random, 3) == 0)
            dwStyle = (DEFAULT_STYLE & ~(CBRS_ALIGN_ANY | WS_VISIBLE)) | static_cast<DWORD>(random() & (CBRS_ALIGN_ANY | WS_VISIBLE | CBRS_FLOATING));
        const LONG aCoords[4] = { static_cast<LONG>(BoundaryValue(random)), static_cast<LONG>(random() % 2000) - 1000,
            static_cast<LONG>(BoundaryValue(random)), static_cast<LONG>(random() % 2000) - 1000 };
        const DWORD dwStyleType = Pick(random, 4) == 0 ? OTHER_TYPES[1 + Pick(random, 5)] : REG_DWORD;
        const DWORD aStyleBytes[2] = { dwStyle, 0 };
        SetValue(hKey, L"DWord", dwStyleType, aStyleBytes, dwStyleType == REG_DWORD ? 4 : Pick(random, 9));
        const size_t cbRect = Pick(random, 4) == 0 ? Pick(random, 17) : 16;     // drawn apart, so one seed gives one input on any compiler
        SetValue(hKey, L"Rect", Pick(random, 5) == 0 ? REG_DWORD : REG_BINARY, aCoords, cbRect);
        ::RegCloseKey(hKey);
        return dwStyleType == REG_DWORD ? dwStyle : DEFAULT_STYLE;
    }

    // A bar made from the settings under strKey floats or docks as dwStyle says, shows when it
    // says so, sits on a monitor and is a reachable child; then it saves and goes.
    void CreateAndCheck(CTavrinRegistry& registry, const CString& strKey, DWORD dwStyle)
    {
        CTavrinToolBar bar(registry);
        ASSERT_TRUE(bar.Create(m_pFrame, strKey, IDR_TESTBAR, 0));
        bar.SetInitialPosition(true);
        PumpPending();
        const bool bFloating = (dwStyle & CBRS_FLOATING) != 0, bVisible = (dwStyle & WS_VISIBLE) != 0;
        CRect rcBar;
        bar.GetWindowRect(&rcBar);
        EXPECT_EQ(bFloating, bar.IsFloating() != 0);
        EXPECT_TRUE(bar.m_pDockBar != NULL);
        EXPECT_EQ(bVisible, bar.IsWindowVisible() != 0);
        EXPECT_TRUE(bar.IsWindowEnabled());
        EXPECT_FALSE(bar.GetStyle() & WS_POPUP);
        if (bVisible && bFloating)
        {
            EXPECT_TRUE(::MonitorFromRect(&rcBar, MONITOR_DEFAULTTONULL) != NULL) << "at " << rcBar;
        }
        bar.SavePosition();
        m_pFrame->RecalcLayout();
        bar.DestroyWindow();
        PumpPending();
    }

    CFrameWnd* m_pFrame = nullptr;
};
}

TEST_F(HostileToolBarState, DamagedSettingsGiveTheStoredOrDefaultStateAndSaveBackReadable)
{
    CTavrinRegistry registry(BAR_BASE);
    int nBar = 0;
    RunRounds("toolbar settings", 4, 200, [&](std::mt19937& random, EOutcome& outcome) {
        const CString strKey = L"Bar" + CString(std::to_wstring(++nBar).c_str());
        const DWORD dwStyle = StoreDamaged(random, strKey);
        outcome = dwStyle != DEFAULT_STYLE ? ACCEPTED : REFUSED;
        ASSERT_NO_FATAL_FAILURE(CreateAndCheck(registry, strKey, dwStyle));
        const DWORD dwSaved = registry.ReadDWord(strKey, 0);
        EXPECT_EQ(dwStyle & (CBRS_FLOATING | WS_VISIBLE), dwSaved & (CBRS_FLOATING | WS_VISIBLE));
        SCOPED_TRACE("saved and restored");
        CreateAndCheck(registry, strKey, dwSaved);
    });
}
