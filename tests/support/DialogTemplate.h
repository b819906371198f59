#ifndef ZADUV_TESTS_DIALOGTEMPLATE_H
#define ZADUV_TESTS_DIALOGTEMPLATE_H
// CDialogTemplate: builds a dialog template in memory (DLGTEMPLATE and its DLGITEMTEMPLATEs,
// classes given by name) that CDialog::CreateIndirect and InitModalIndirect accept, so a test
// lays out the dialog it needs without a resource script. Coordinates are dialog units.

#include <afxwin.h>
#include <vector>

namespace zaduv_test
{
class CDialogTemplate
{
public:
// Construction
    // rect is in dialog units; the font is "MS Shell Dlg" 8 (DS_SETFONT is added).
    CDialogTemplate(const CRect& rect, LPCWSTR lpszCaption = L"",
        DWORD dwStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME,
        DWORD dwExStyle = 0);

// Attributes
    // Valid until the next AddControl, which may move the buffer.
    operator LPCDLGTEMPLATE() const { return GetTemplate(); }
    LPCDLGTEMPLATE GetTemplate() const;

// Operations
    // Adds a control of a window class given by name (WS_CHILD | WS_VISIBLE are added).
    CDialogTemplate& AddControl(LPCWSTR lpszClass, UINT nID, const CRect& rect, DWORD dwStyle,
        LPCWSTR lpszText = L"", DWORD dwExStyle = 0);

    CDialogTemplate& AddListView(UINT nID, const CRect& rect,
        DWORD dwStyle = LVS_REPORT | LVS_SHOWSELALWAYS | WS_BORDER | WS_TABSTOP)
    { return AddControl(WC_LISTVIEWW, nID, rect, dwStyle); }
    CDialogTemplate& AddHeader(UINT nID, const CRect& rect, DWORD dwStyle = HDS_BUTTONS | HDS_HORZ)
    { return AddControl(WC_HEADERW, nID, rect, dwStyle); }
    CDialogTemplate& AddEdit(UINT nID, const CRect& rect, LPCWSTR lpszText = L"",
        DWORD dwStyle = ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP)
    { return AddControl(L"Edit", nID, rect, dwStyle, lpszText); }
    CDialogTemplate& AddButton(UINT nID, const CRect& rect, LPCWSTR lpszText, DWORD dwStyle = BS_PUSHBUTTON | WS_TABSTOP)
    { return AddControl(L"Button", nID, rect, dwStyle, lpszText); }
    CDialogTemplate& AddStatic(UINT nID, const CRect& rect, LPCWSTR lpszText, DWORD dwStyle = SS_LEFT)
    { return AddControl(L"Static", nID, rect, dwStyle, lpszText); }
    CDialogTemplate& AddListBox(UINT nID, const CRect& rect, DWORD dwStyle = LBS_NOTIFY | WS_VSCROLL | WS_BORDER | WS_TABSTOP)
    { return AddControl(L"ListBox", nID, rect, dwStyle); }

// Implementation
private:
    void AppendWord(WORD w);
    void AppendDword(DWORD dw);
    void AppendString(LPCWSTR lpsz);
    void AlignToDword();

    // WORDs keep every field 2-aligned; the allocation itself is at least DWORD-aligned, so
    // padding to an even WORD count aligns an item template on a DWORD.
    std::vector<WORD> m_words;
};
}

#endif
