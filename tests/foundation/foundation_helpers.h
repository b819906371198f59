#ifndef TESTS_FOUNDATION_FOUNDATION_HELPERS_H
#define TESTS_FOUNDATION_FOUNDATION_HELPERS_H
// Helpers of the foundation tests:
//   CModuleCopy         zaduv.dll copied under another name, optionally with bytes replaced
//   RunChildTest        runs one disabled test of this executable in a fresh process
//   ModuleEntryPoint    a module's loader entry point, read from its PE header
//   ModuleExport        an exported function or variable of a module, by its exported name

#include <afxwin.h>
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

// Copying the library is the only way to unload and reload it, or to run it with its strings
// altered, inside a process that already links the real one.
class CModuleCopy
{
public:
    typedef std::pair<std::string, std::string> Patch;  // bytes to find, bytes of equal length to put

    explicit CModuleCopy(const std::vector<Patch>& patches = std::vector<Patch>());
    ~CModuleCopy();

    bool IsValid() const { return !m_strPath.empty(); }
    const std::wstring& Path() const { return m_strPath; }
    // How often each patch was applied, in the order given.
    const std::vector<int>& PatchCounts() const { return m_patchCounts; }

private:
    std::wstring m_strFolder;
    std::wstring m_strPath;
    std::vector<int> m_patchCounts;
};

// The bytes of a wide string as they sit in a module's read-only data.
std::string WideBytes(const wchar_t* psz);

struct SChildResult
{
    DWORD dwExitCode;
    std::string strOutput;
};

// Runs this executable again with only the named test enabled (it is one whose name starts
// with DISABLED_, so that ordinary runs leave it out) and answers its exit code and output.
SChildResult RunChildTest(const char* pszTestName);

#define EXPECT_CHILD_TEST_PASSES(name)                                              \
    do                                                                              \
    {                                                                               \
        const SChildResult child = RunChildTest(name);                              \
        EXPECT_EQ(child.dwExitCode, 0u) << "child test " << (name) << " said:\n"    \
                                        << child.strOutput;                         \
    } while (0)

typedef BOOL (WINAPI* PFNDLLENTRYPOINT)(HINSTANCE, DWORD, LPVOID);
PFNDLLENTRYPOINT ModuleEntryPoint(HMODULE hModule);

// Exports may be data as well as code; the address in between keeps both casts buildable.
template <class T>
T ModuleExport(HMODULE hModule, const char* pszName)
{
    return reinterpret_cast<T>(reinterpret_cast<ULONG_PTR>(::GetProcAddress(hModule, pszName)));
}

// The exported names that gcc gives the library's C++ entry points and data.
namespace ZaDUVExportName
{
const char INSTANCE_HANDLE[] = "_Z22ZaDUVGetInstanceHandlev";
const char COMBO_SELECTION[] = "WM_XLISTCTRL_COMBO_SELECTION";
const char CHECKBOX_CLICKED[] = "WM_XLISTCTRL_CHECKBOX_CLICKED";
const char RGB_TO_HLS[] = "_ZN9CGdiUtils8RGBToHLSEmPtS0_S0_";
const char HLS_TO_RGB[] = "_ZN9CGdiUtils8HLSToRGBEttt";
const char PFN_RGB_TO_HLS[] = "_ZN9CGdiUtils18m_pfnColorRGBToHLSE";
const char PFN_HLS_TO_RGB[] = "_ZN9CGdiUtils18m_pfnColorHLSToRGBE";
}

#endif
