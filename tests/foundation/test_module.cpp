#include <gtest/gtest.h>

#include <zaduv.h>
#include <foundation/res/resource.h>

#include "DibSurface.h"
#include "PixelCapture.h"
#include "foundation_helpers.h"

#include <thread>
#include <vector>

namespace
{
HMODULE ZaDUVModule()
{
    return ::GetModuleHandleW(L"zaduv.dll");
}

// What a loaded copy of the library reports: its stored instance handle and its two numbers.
std::vector<ULONG_PTR> CopyState(HMODULE hModule)
{
    typedef HINSTANCE (*PFNGETINSTANCE)();
    PFNGETINSTANCE pfnGet = ModuleExport<PFNGETINSTANCE>(hModule, ZaDUVExportName::INSTANCE_HANDLE);
    const UINT* pComboSelection = ModuleExport<const UINT*>(hModule, ZaDUVExportName::COMBO_SELECTION);
    const UINT* pCheckboxClicked = ModuleExport<const UINT*>(hModule, ZaDUVExportName::CHECKBOX_CLICKED);
    if (pfnGet == NULL || pComboSelection == NULL || pCheckboxClicked == NULL)
        return {};
    return { reinterpret_cast<ULONG_PTR>(pfnGet()), *pComboSelection, *pCheckboxClicked };
}

}

TEST(ModuleStartUp, RegisteredMessageNumbersAndTheInstanceHandleSurviveThreadNotifications)
{
    EXPECT_EQ(WM_XLISTCTRL_COMBO_SELECTION, ::RegisterWindowMessageW(L"WM_XLISTCTRL_COMBO_SELECTION"));
    EXPECT_EQ(WM_XLISTCTRL_CHECKBOX_CLICKED, ::RegisterWindowMessageW(L"WM_XLISTCTRL_CHECKBOX_CLICKED"));
    const HINSTANCE hModule = ZaDUVModule();
    ASSERT_NE(hModule, nullptr);
    EXPECT_EQ(ZaDUVGetInstanceHandle(), hModule);
    std::thread([] {}).join();
    EXPECT_EQ(ZaDUVGetInstanceHandle(), hModule);
    // A handle that is not the library's, which only an entry point storing it for every reason takes.
    const PFNDLLENTRYPOINT pfnEntry = ModuleEntryPoint(hModule);
    for (DWORD dwReason : { DLL_THREAD_ATTACH, DLL_THREAD_DETACH })
    {
        EXPECT_TRUE(pfnEntry(::GetModuleHandleW(NULL), dwReason, NULL));
        EXPECT_EQ(ZaDUVGetInstanceHandle(), hModule) << "reason " << dwReason;
    }
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

    for (int nLoad = 0; nLoad < 2; nLoad++)
    {
        HMODULE hCopy = ::LoadLibraryW(copy.Path().c_str());
        ASSERT_NE(hCopy, nullptr);
        const std::vector<ULONG_PTR> expected = { reinterpret_cast<ULONG_PTR>(hCopy), WM_XLISTCTRL_COMBO_SELECTION,
                                                  WM_XLISTCTRL_CHECKBOX_CLICKED };
        EXPECT_EQ(CopyState(hCopy), expected) << "load " << nLoad;
        // A process detach, delivered as the loader would, keeps the stored handle.
        EXPECT_TRUE(ModuleEntryPoint(hCopy)(::GetModuleHandleW(NULL), DLL_PROCESS_DETACH, NULL));
        EXPECT_EQ(CopyState(hCopy), expected) << "load " << nLoad;
        ASSERT_TRUE(::FreeLibrary(hCopy));
        ASSERT_EQ(::GetModuleHandleW(copy.Path().c_str()), nullptr) << "the copy is still loaded";
    }
}

TEST(ModuleResources, HandCursorLoadsThroughTheModuleHandleAndShowsAFingertip)
{
    EXPECT_EQ(::LoadCursorW(::GetModuleHandleW(NULL), MAKEINTRESOURCEW(IDC_ZADUV_HAND)), nullptr)
        << "only the library's module carries the cursor";
    HCURSOR hCursor = ::LoadCursorW(ZaDUVGetInstanceHandle(), MAKEINTRESOURCEW(IDC_ZADUV_HAND));
    ASSERT_NE(hCursor, nullptr);
    ICONINFO info = {};
    ASSERT_TRUE(::GetIconInfo(hCursor, &info));
    EXPECT_FALSE(info.fIcon);
    EXPECT_EQ(CPoint(info.xHotspot, info.yHotspot), CPoint(0, 0));
    ::DeleteObject(info.hbmMask);
    if (info.hbmColor != NULL)
        ::DeleteObject(info.hbmColor);

    const COLORREF crScreen = RGB(0, 128, 128);
    zaduv_test::CDibSurface surface(32, 32, crScreen);
    ASSERT_TRUE(::DrawIconEx(surface.DC().GetSafeHdc(), 0, 0, hCursor, 32, 32, 0, NULL, DI_NORMAL));
    const zaduv_test::CCapturedImage image = surface.Capture();
    // Only the two black pixels of the tip cover the screen in the top row.
    EXPECT_COLOR_COUNT(image, CRect(0, 0, 32, 1), crScreen, 30);
    EXPECT_PIXEL(image, 5, 0, RGB(0, 0, 0));
    EXPECT_PIXEL(image, 6, 0, RGB(0, 0, 0));
    EXPECT_PIXEL(image, 5, 2, RGB(255, 255, 255));          // inside the finger
}

// The manifest resource must make an activation context that asks for no elevation and sends
// comctl32.dll to the common controls 6 assembly.
TEST(ModuleResources, ManifestRequestsAsInvokerAndCommonControlsSix)
{
    WCHAR szModule[MAX_PATH] = {};
    ::GetModuleFileNameW(ZaDUVModule(), szModule, MAX_PATH);
    ACTCTXW actctx = {};
    actctx.cbSize = sizeof(actctx);
    actctx.dwFlags = ACTCTX_FLAG_HMODULE_VALID | ACTCTX_FLAG_RESOURCE_NAME_VALID;
    actctx.hModule = ZaDUVModule();
    actctx.lpSource = szModule;
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
    // Only the common controls 6 assembly redirects comctl32.dll.
    EXPECT_TRUE(::FindActCtxSectionStringW(0, NULL, ACTIVATION_CONTEXT_SECTION_DLL_REDIRECTION, L"comctl32.dll", &keyed));
    ::DeactivateActCtx(0, ulCookie);
    ::ReleaseActCtx(hContext);
}
