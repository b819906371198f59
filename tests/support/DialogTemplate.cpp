#include "DialogTemplate.h"

#include <cwchar>

namespace zaduv_test
{
namespace
{
// DLGTEMPLATE::cdit follows style and dwExtendedStyle.
const size_t kCountOffset = offsetof(DLGTEMPLATE, cdit) / sizeof(WORD);
}

CDialogTemplate::CDialogTemplate(const CRect& rect, LPCWSTR lpszCaption, DWORD dwStyle, DWORD dwExStyle)
{
    AppendDword(dwStyle | DS_SETFONT);
    AppendDword(dwExStyle);
    AppendWord(0);                                  // cdit, counted up by AddControl
    AppendWord(static_cast<WORD>(rect.left));
    AppendWord(static_cast<WORD>(rect.top));
    AppendWord(static_cast<WORD>(rect.Width()));
    AppendWord(static_cast<WORD>(rect.Height()));
    AppendWord(0);                                  // no menu
    AppendWord(0);                                  // the predefined dialog class
    AppendString(lpszCaption != NULL ? lpszCaption : L"");
    AppendWord(8);                                  // point size
    AppendString(L"MS Shell Dlg");
}

LPCDLGTEMPLATE CDialogTemplate::GetTemplate() const
{
    return reinterpret_cast<LPCDLGTEMPLATE>(m_words.data());
}

CDialogTemplate& CDialogTemplate::AddControl(LPCWSTR lpszClass, UINT nID, const CRect& rect, DWORD dwStyle,
    LPCWSTR lpszText, DWORD dwExStyle)
{
    AlignToDword();
    AppendDword(dwStyle | WS_CHILD | WS_VISIBLE);
    AppendDword(dwExStyle);
    AppendWord(static_cast<WORD>(rect.left));
    AppendWord(static_cast<WORD>(rect.top));
    AppendWord(static_cast<WORD>(rect.Width()));
    AppendWord(static_cast<WORD>(rect.Height()));
    AppendWord(static_cast<WORD>(nID));
    AppendString(lpszClass);
    AppendString(lpszText != NULL ? lpszText : L"");
    AppendWord(0);                                  // no creation data
    ++m_words[kCountOffset];
    return *this;
}

void CDialogTemplate::AppendWord(WORD w)
{
    m_words.push_back(w);
}

void CDialogTemplate::AppendDword(DWORD dw)
{
    AppendWord(LOWORD(dw));
    AppendWord(HIWORD(dw));
}

void CDialogTemplate::AppendString(LPCWSTR lpsz)
{
    m_words.insert(m_words.end(), reinterpret_cast<const WORD*>(lpsz),
        reinterpret_cast<const WORD*>(lpsz) + wcslen(lpsz) + 1);
}

void CDialogTemplate::AlignToDword()
{
    if (m_words.size() % 2 != 0)
        AppendWord(0);
}
}
