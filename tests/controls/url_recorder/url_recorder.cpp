// Stands in for an application registered for a URL scheme: writes what the shell handed it
// (its second argument) to the file named by its first, so a test sees exactly what was opened.
// The text goes to a side file first and is renamed into place, so a reader never sees half.
#include <windows.h>
#include <cwchar>
#include <string>

int wmain(int argc, wchar_t** argv)
{
    if (argc < 3)
        return 2;
    const std::wstring strTemp = std::wstring(argv[1]) + L".part";
    HANDLE hFile = ::CreateFileW(strTemp.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
    if (hFile == INVALID_HANDLE_VALUE)
        return 1;
    DWORD cbWritten = 0;
    const BOOL bWritten = ::WriteFile(hFile, argv[2], static_cast<DWORD>(wcslen(argv[2]) * sizeof(wchar_t)), &cbWritten, NULL);
    ::CloseHandle(hFile);
    if (!bWritten)
        return 1;
    return ::MoveFileExW(strTemp.c_str(), argv[1], MOVEFILE_REPLACE_EXISTING) ? 0 : 1;
}
