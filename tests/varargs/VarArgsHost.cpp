// A host that hands a CString to a variable argument list. Through CString::Format it prints
// the name; through swprintf (THROUGH_SWPRINTF) the package's compile options reject it.
#include <afx.h>
#include <cstdio>
#include <cwchar>

int main()
{
    CString strName(L"Patient list");
    CString strLine;
#ifdef THROUGH_SWPRINTF
    wchar_t szLine[64];
    std::swprintf(szLine, 64, L"%s: %d", strName, 3);
    strLine = szLine;
#else
    strLine.Format(L"%s: %d", strName, 3);
#endif
    std::printf("varargs host: %ls\n", strLine.GetString());
    return strLine == L"Patient list: 3" ? 0 : 1;
}
