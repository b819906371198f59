// A host application as MFC programs are written: a global application object without a name
// and an InitInstance that keeps its settings in the registry. The afx tests start it and read
// what it reports: its name, its profile key, a setting a previous run left and AfxMessageBox
// going through its own DoMessageBox.
#include <afxwin.h>
#include <cstdio>

class CAppHost : public CWinApp
{
public:
    virtual BOOL InitInstance()
    {
        SetRegistryKey(L"ZaDUV Tests");
        std::printf("app=%ls\nexe=%ls\nprofile=%ls\nkey=%ls\n", m_pszAppName, m_pszExeName,
                    m_pszProfileName, m_pszRegistryKey);
        std::printf("layout=%ls\n", GetProfileString(L"Settings", L"Layout", L"none").GetString());
        WriteProfileInt(L"Settings", L"Runs", static_cast<int>(GetProfileInt(L"Settings", L"Runs", 0)) + 1);
        std::printf("box=%d\n", AfxMessageBox(L"Saved.", MB_YESNO));
        return FALSE;
    }

    virtual int DoMessageBox(LPCTSTR lpszPrompt, UINT nType, UINT nIDPrompt)
    {
        std::printf("prompt=%ls type=%u\n", lpszPrompt, nType);
        return IDYES;
    }
};

CAppHost theApp;

int main()
{
    AfxWinMain(::GetModuleHandleW(NULL), NULL, ::GetCommandLineW(), SW_HIDE);
    return 0;
}
