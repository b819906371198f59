#include <gtest/gtest.h>

#include <zaduv.h>
#include <foundation/res/resource.h>

#include "DibSurface.h"
#include "PixelCapture.h"
#include "foundation_helpers.h"

#include <cstring>
#include <string>
#include <thread>
#include <vector>

namespace
{
const wchar_t* const s_registeredNames[] = {
    L"WM_XCOMBOLIST_VK_RETURN", L"WM_XCOMBOLIST_VK_ESCAPE", L"WM_XCOMBOLIST_KEYDOWN",
    L"WM_XCOMBOLIST_LBUTTONUP", L"WM_XLISTCTRL_COMBO_SELECTION", L"WM_XLISTCTRL_CHECKBOX_CLICKED",
};

HMODULE ZaDUVModule()
{
    return ::GetModuleHandleW(L"zaduv.dll");
}

// The two exported numbers of a loaded copy of the library.
void ReadExportedNumbers(HMODULE hModule, UINT numbers[2])
{
    const UINT* pComboSelection = ModuleExport<const UINT*>(hModule, ZaDUVExportName::COMBO_SELECTION);
    const UINT* pCheckboxClicked = ModuleExport<const UINT*>(hModule, ZaDUVExportName::CHECKBOX_CLICKED);
    ASSERT_NE(pComboSelection, nullptr);
    ASSERT_NE(pCheckboxClicked, nullptr);
    numbers[0] = *pComboSelection;
    numbers[1] = *pCheckboxClicked;
}

HINSTANCE InstanceHandleOf(HMODULE hModule)
{
    typedef HINSTANCE (*PFNGETINSTANCE)();
    PFNGETINSTANCE pfnGet = ModuleExport<PFNGETINSTANCE>(hModule, ZaDUVExportName::INSTANCE_HANDLE);
    return pfnGet != NULL ? pfnGet() : NULL;
}

// A host's view of the version block, through the platform's version functions.
class CVersionInfo
{
public:
    explicit CVersionInfo(const std::wstring& strFile)
    {
        m_hVersion = ::LoadLibraryW(L"version.dll");
        typedef DWORD (WINAPI* PFNSIZE)(LPCWSTR, LPDWORD);
        typedef BOOL (WINAPI* PFNINFO)(LPCWSTR, DWORD, DWORD, LPVOID);
        PFNSIZE pfnSize = ModuleExport<PFNSIZE>(m_hVersion, "GetFileVersionInfoSizeW");
        PFNINFO pfnInfo = ModuleExport<PFNINFO>(m_hVersion, "GetFileVersionInfoW");
        m_pfnQuery = ModuleExport<PFNQUERY>(m_hVersion, "VerQueryValueW");
        if (pfnSize == NULL || pfnInfo == NULL || m_pfnQuery == NULL)
            return;
        DWORD dwHandle = 0;
        m_block.resize(pfnSize(strFile.c_str(), &dwHandle));
        if (m_block.empty() || !pfnInfo(strFile.c_str(), 0, static_cast<DWORD>(m_block.size()), m_block.data()))
            m_block.clear();
    }
    ~CVersionInfo() { ::FreeLibrary(m_hVersion); }

    const VS_FIXEDFILEINFO* FixedInfo()
    {
        return static_cast<const VS_FIXEDFILEINFO*>(Query(L"\\"));
    }
    std::wstring String(const wchar_t* pszName)
    {
        const wchar_t* psz = static_cast<const wchar_t*>(Query((std::wstring(L"\\StringFileInfo\\040904b0\\") + pszName).c_str()));
        return psz != NULL ? psz : L"";
    }

private:
    typedef BOOL (WINAPI* PFNQUERY)(LPCVOID, LPCWSTR, LPVOID*, PUINT);

    void* Query(const wchar_t* pszPath)
    {
        void* pValue = NULL;
        UINT nLength = 0;
        if (m_block.empty() || !m_pfnQuery(m_block.data(), pszPath, &pValue, &nLength))
            return NULL;
        return pValue;
    }

    HMODULE m_hVersion;
    PFNQUERY m_pfnQuery = NULL;
    std::vector<BYTE> m_block;
};

std::wstring ModulePath(HMODULE hModule)
{
    WCHAR szPath[MAX_PATH] = {};
    ::GetModuleFileNameW(hModule, szPath, MAX_PATH);
    return szPath;
}
}

TEST(RegisteredMessages, ExportedNumbersEqualAHostsOwnRegistration)
{
    EXPECT_EQ(WM_XLISTCTRL_COMBO_SELECTION, ::RegisterWindowMessageW(L"WM_XLISTCTRL_COMBO_SELECTION"));
    EXPECT_EQ(WM_XLISTCTRL_CHECKBOX_CLICKED, ::RegisterWindowMessageW(L"WM_XLISTCTRL_CHECKBOX_CLICKED"));
}

TEST(RegisteredMessages, AllSixNamesHaveDistinctRegisteredNumbers)
{
    EXPECT_NE(WM_XLISTCTRL_COMBO_SELECTION, 0u);
    EXPECT_NE(WM_XLISTCTRL_CHECKBOX_CLICKED, 0u);
    UINT numbers[6] = {};
    for (int i = 0; i < 6; i++)
    {
        numbers[i] = ::RegisterWindowMessageW(s_registeredNames[i]);
        EXPECT_GE(numbers[i], 0xC000u) << "registered numbers start at 0xC000";
        EXPECT_LE(numbers[i], 0xFFFFu);
        for (int j = 0; j < i; j++)
            EXPECT_NE(numbers[i], numbers[j]) << "names " << i << " and " << j;
    }
}

TEST(ModuleInstance, AccessorAnswersTheLoadedModule)
{
    ASSERT_NE(ZaDUVModule(), nullptr);
    EXPECT_EQ(ZaDUVGetInstanceHandle(), ZaDUVModule());
}

TEST(ModuleInstance, ThreadNotificationsLeaveTheHandleUnchanged)
{
    const HINSTANCE hModule = ZaDUVModule();

    // A real thread makes the loader send attach and detach to every module.
    std::thread([] {}).join();
    EXPECT_EQ(ZaDUVGetInstanceHandle(), hModule);

    // Straight through the entry point, with a handle that is not the library's, which only an
    // entry point that stores the handle for every reason would take.
    const HINSTANCE hOther = ::GetModuleHandleW(NULL);
    const PFNDLLENTRYPOINT pfnEntry = ModuleEntryPoint(hModule);
    EXPECT_TRUE(pfnEntry(hOther, DLL_THREAD_ATTACH, NULL));
    EXPECT_EQ(ZaDUVGetInstanceHandle(), hModule);
    EXPECT_TRUE(pfnEntry(hOther, DLL_THREAD_DETACH, NULL));
    EXPECT_EQ(ZaDUVGetInstanceHandle(), hModule);
}

// The test executable links the library and cannot unload it, so a copy under another name
// plays the library. It runs in a child process: an unloaded copy would leave its run-time
// classes registered with the framework of this one.
TEST(ModuleLoad, ReloadAfterUnloadRegistersTheSameNumbers)
{
    EXPECT_CHILD_TEST_PASSES("ModuleLoadInChild.DISABLED_ReloadAfterUnloadRegistersTheSameNumbers");
}

TEST(ModuleLoadInChild, DISABLED_ReloadAfterUnloadRegistersTheSameNumbers)
{
    CModuleCopy copy;
    ASSERT_TRUE(copy.IsValid());

    HMODULE hFirst = ::LoadLibraryW(copy.Path().c_str());
    ASSERT_NE(hFirst, nullptr);
    UINT first[2] = {};
    ReadExportedNumbers(hFirst, first);
    EXPECT_EQ(InstanceHandleOf(hFirst), hFirst);
    ASSERT_TRUE(::FreeLibrary(hFirst));
    ASSERT_EQ(::GetModuleHandleW(copy.Path().c_str()), nullptr) << "the copy is still loaded";

    HMODULE hSecond = ::LoadLibraryW(copy.Path().c_str());
    ASSERT_NE(hSecond, nullptr);
    UINT second[2] = {};
    ReadExportedNumbers(hSecond, second);
    EXPECT_EQ(InstanceHandleOf(hSecond), hSecond);

    EXPECT_EQ(second[0], first[0]);
    EXPECT_EQ(second[1], first[1]);
    EXPECT_EQ(second[0], WM_XLISTCTRL_COMBO_SELECTION);
    EXPECT_EQ(second[1], WM_XLISTCTRL_CHECKBOX_CLICKED);

    // A process detach, delivered as the loader would, keeps the stored handle; the copy is
    // only read from afterwards, then unloaded.
    const PFNDLLENTRYPOINT pfnEntry = ModuleEntryPoint(hSecond);
    EXPECT_TRUE(pfnEntry(::GetModuleHandleW(NULL), DLL_PROCESS_DETACH, NULL));
    EXPECT_EQ(InstanceHandleOf(hSecond), hSecond);
    EXPECT_TRUE(::FreeLibrary(hSecond));
}

TEST(ModuleResources, HandCursorLoadsThroughTheModuleHandle)
{
    HCURSOR hCursor = ::LoadCursorW(ZaDUVGetInstanceHandle(), MAKEINTRESOURCEW(IDC_ZADUV_HAND));
    ASSERT_NE(hCursor, nullptr);

    ICONINFO info = {};
    ASSERT_TRUE(::GetIconInfo(hCursor, &info));
    EXPECT_FALSE(info.fIcon);
    EXPECT_EQ(info.xHotspot, 0u);
    EXPECT_EQ(info.yHotspot, 0u);
    BITMAP bmMask = {};
    ASSERT_TRUE(::GetObjectW(info.hbmMask, sizeof(bmMask), &bmMask));
    EXPECT_EQ(bmMask.bmWidth, 32);
    // A monochrome cursor keeps both masks in one bitmap of twice the height.
    EXPECT_EQ(info.hbmColor == NULL ? bmMask.bmHeight / 2 : bmMask.bmHeight, 32);
    ::DeleteObject(info.hbmMask);
    if (info.hbmColor != NULL)
        ::DeleteObject(info.hbmColor);

    // The host's own module carries no such cursor: the library's is found only through its handle.
    EXPECT_EQ(::LoadCursorW(::GetModuleHandleW(NULL), MAKEINTRESOURCEW(IDC_ZADUV_HAND)), nullptr);
}

TEST(ModuleResources, HandCursorShowsAFingertipInTheTopRow)
{
    HCURSOR hCursor = ::LoadCursorW(ZaDUVGetInstanceHandle(), MAKEINTRESOURCEW(IDC_ZADUV_HAND));
    ASSERT_NE(hCursor, nullptr);
    const COLORREF crScreen = RGB(0, 128, 128);
    zaduv_test::CDibSurface surface(32, 32, crScreen);
    ASSERT_TRUE(surface.IsValid());
    ASSERT_TRUE(::DrawIconEx(surface.DC().GetSafeHdc(), 0, 0, hCursor, 32, 32, 0, NULL, DI_NORMAL));
    const zaduv_test::CCapturedImage image = surface.Capture();

    // Only the two black pixels of the tip cover the screen in the top row.
    const CRect rectTopRow(0, 0, 32, 1);
    EXPECT_COLOR_COUNT(image, rectTopRow, RGB(0, 0, 0), 2);
    EXPECT_COLOR_COUNT(image, rectTopRow, crScreen, 30);
    EXPECT_PIXEL(image, 5, 0, RGB(0, 0, 0));
    EXPECT_PIXEL(image, 6, 0, RGB(0, 0, 0));
    EXPECT_PIXEL(image, 4, 2, RGB(0, 0, 0));                // outline of the finger
    EXPECT_PIXEL(image, 5, 2, RGB(255, 255, 255));          // inside it
    EXPECT_PIXEL(image, 0, 0, crScreen);                    // the hot spot corner is transparent
    EXPECT_UNIFORM(image, CRect(0, 24, 32, 32), crScreen);
}

TEST(ModuleResources, CursorGroupHoldsOneMonochromeImage)
{
    const HMODULE hModule = ZaDUVGetInstanceHandle();
    HRSRC hGroup = ::FindResourceW(hModule, MAKEINTRESOURCEW(IDC_ZADUV_HAND), RT_GROUP_CURSOR);
    ASSERT_NE(hGroup, nullptr);
    ASSERT_EQ(::SizeofResource(hModule, hGroup), 6u + 14u);
    const BYTE* pGroup = static_cast<const BYTE*>(::LockResource(::LoadResource(hModule, hGroup)));
    ASSERT_NE(pGroup, nullptr);

    // Directory: reserved, type (2 = cursor), count; then one entry whose height counts both masks.
    WORD header[3];
    std::memcpy(header, pGroup, sizeof(header));
    EXPECT_EQ(header[0], 0);
    EXPECT_EQ(header[1], 2);
    EXPECT_EQ(header[2], 1);
    WORD wWidth, wHeight, wPlanes, wBitCount, wImageId;
    DWORD dwBytes;
    std::memcpy(&wWidth, pGroup + 6, 2);
    std::memcpy(&wHeight, pGroup + 8, 2);
    std::memcpy(&wPlanes, pGroup + 10, 2);
    std::memcpy(&wBitCount, pGroup + 12, 2);
    std::memcpy(&dwBytes, pGroup + 14, 4);
    std::memcpy(&wImageId, pGroup + 18, 2);
    EXPECT_EQ(wWidth, 32);
    EXPECT_EQ(wHeight, 64);
    EXPECT_EQ(wPlanes, 1);
    EXPECT_EQ(wBitCount, 1);
    EXPECT_EQ(dwBytes, 308u);
    EXPECT_EQ(wImageId, 1);
    EXPECT_EQ(::LookupIconIdFromDirectoryEx(const_cast<BYTE*>(pGroup), FALSE, 32, 32, LR_MONOCHROME), 1);

    HRSRC hImage = ::FindResourceW(hModule, MAKEINTRESOURCEW(1), RT_CURSOR);
    ASSERT_NE(hImage, nullptr);
    EXPECT_EQ(::SizeofResource(hModule, hImage), 308u);
}

TEST(ModuleResources, VersionBlockDescribesTheLibrary)
{
    CVersionInfo version(ModulePath(ZaDUVModule()));
    const VS_FIXEDFILEINFO* pFixed = version.FixedInfo();
    ASSERT_NE(pFixed, nullptr);
    EXPECT_EQ(pFixed->dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(pFixed->dwFileVersionMS, static_cast<DWORD>(MAKELONG(1, 0)));
    EXPECT_EQ(pFixed->dwFileVersionLS, 0u);
    EXPECT_EQ(pFixed->dwProductVersionMS, static_cast<DWORD>(MAKELONG(1, 0)));
    EXPECT_EQ(pFixed->dwFileType, static_cast<DWORD>(VFT_DLL));
    EXPECT_EQ(version.String(L"FileDescription"), L"ZaDUV window controls");
    EXPECT_EQ(version.String(L"ProductName"), L"ZaDUV");
    EXPECT_EQ(version.String(L"OriginalFilename"), L"zaduv.dll");
    EXPECT_EQ(version.String(L"FileVersion"), L"0.1.0.0");
}

// The manifest resource must make an activation context that asks for no elevation and sends
// comctl32.dll to the common controls 6 assembly.
TEST(ModuleResources, ManifestRequestsAsInvokerAndCommonControlsSix)
{
    const std::wstring strModule = ModulePath(ZaDUVModule());
    ACTCTXW actctx = {};
    actctx.cbSize = sizeof(actctx);
    actctx.dwFlags = ACTCTX_FLAG_HMODULE_VALID | ACTCTX_FLAG_RESOURCE_NAME_VALID;
    actctx.hModule = ZaDUVModule();
    actctx.lpSource = strModule.c_str();
    actctx.lpResourceName = ISOLATIONAWARE_MANIFEST_RESOURCE_ID;
    HANDLE hContext = ::CreateActCtxW(&actctx);
    ASSERT_NE(hContext, INVALID_HANDLE_VALUE) << "error " << ::GetLastError();

    ACTIVATION_CONTEXT_RUN_LEVEL_INFORMATION runLevel = {};
    SIZE_T cbNeeded = 0;
    EXPECT_TRUE(::QueryActCtxW(0, hContext, NULL, RunlevelInformationInActivationContext, &runLevel,
                               sizeof(runLevel), &cbNeeded));
    EXPECT_EQ(runLevel.RunLevel, ACTCTX_RUN_LEVEL_AS_INVOKER);

    ULONG_PTR ulCookie = 0;
    ASSERT_TRUE(::ActivateActCtx(hContext, &ulCookie));
    ACTCTX_SECTION_KEYED_DATA keyed = {};
    keyed.cbSize = sizeof(keyed);
    const BOOL bRedirected = ::FindActCtxSectionStringW(0, NULL, ACTIVATION_CONTEXT_SECTION_DLL_REDIRECTION,
                                                        L"comctl32.dll", &keyed);
    ::DeactivateActCtx(0, ulCookie);
    std::wstring strIdentity;
    if (bRedirected)
    {
        DWORD dwIndex = keyed.ulAssemblyRosterIndex;
        ::QueryActCtxW(0, hContext, &dwIndex, AssemblyDetailedInformationInActivationContext, NULL, 0, &cbNeeded);
        std::vector<BYTE> info(cbNeeded);
        if (!info.empty()
            && ::QueryActCtxW(0, hContext, &dwIndex, AssemblyDetailedInformationInActivationContext, info.data(),
                              info.size(), &cbNeeded))
        {
            strIdentity = reinterpret_cast<const ACTIVATION_CONTEXT_ASSEMBLY_DETAILED_INFORMATION*>(info.data())
                              ->lpAssemblyEncodedAssemblyIdentity;
        }
    }
    ::ReleaseActCtx(hContext);

    ASSERT_TRUE(bRedirected) << "comctl32.dll is not redirected";
    EXPECT_NE(strIdentity.find(L"Microsoft.Windows.Common-Controls,"), std::wstring::npos) << ::testing::PrintToString(strIdentity);
    EXPECT_NE(strIdentity.find(L"publicKeyToken=\"6595b64144ccf1df\""), std::wstring::npos) << ::testing::PrintToString(strIdentity);
    EXPECT_NE(strIdentity.find(L"version=\"6.0."), std::wstring::npos) << ::testing::PrintToString(strIdentity);
}
