#include "foundation/ZaDUVDefs.h"
#include "foundation/RegisteredMessages.h"

// All six registrations live in this one file so that they run in the order written, while
// the loader initialises the module and before DllMain sees the process attach.
UINT WM_XCOMBOLIST_VK_RETURN = ::RegisterWindowMessageW(L"WM_XCOMBOLIST_VK_RETURN");
UINT WM_XCOMBOLIST_VK_ESCAPE = ::RegisterWindowMessageW(L"WM_XCOMBOLIST_VK_ESCAPE");
UINT WM_XCOMBOLIST_KEYDOWN = ::RegisterWindowMessageW(L"WM_XCOMBOLIST_KEYDOWN");
UINT WM_XCOMBOLIST_LBUTTONUP = ::RegisterWindowMessageW(L"WM_XCOMBOLIST_LBUTTONUP");
UINT WM_XLISTCTRL_COMBO_SELECTION = ::RegisterWindowMessageW(L"WM_XLISTCTRL_COMBO_SELECTION");
UINT WM_XLISTCTRL_CHECKBOX_CLICKED = ::RegisterWindowMessageW(L"WM_XLISTCTRL_CHECKBOX_CLICKED");

namespace
{
HINSTANCE g_hZaDUVInstance = NULL;
}

HINSTANCE ZaDUVGetInstanceHandle()
{
    return g_hZaDUVInstance;
}

// The library never refuses to load, and nothing is undone on detach: the handle and the
// message numbers stay valid until the module is unloaded.
extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID /*lpReserved*/)
{
    if (dwReason == DLL_PROCESS_ATTACH)
        g_hZaDUVInstance = hInstance;
    return TRUE;
}
