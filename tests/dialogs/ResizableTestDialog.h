#ifndef ZADUV_TESTS_DIALOGS_RESIZABLETESTDIALOG_H
#define ZADUV_TESTS_DIALOGS_RESIZABLETESTDIALOG_H
// What the resizable-dialog tests share: a host's resizable dialog made from a template in
// memory, and exact client sizes in pixels.
#include <DialogTemplate.h>
#include <zaduv.h>

namespace dialogs_test
{
const DWORD kResizableStyle = WS_POPUP | WS_CAPTION | WS_THICKFRAME | WS_SYSMENU;

class CTestResizableDialog : public CResizableDialog
{
public:
    // The template is 100 x 60 dialog units; the dialog is placed at ptScreen.
    BOOL CreateFromTemplate(zaduv_test::CDialogTemplate& tmpl, CPoint ptScreen = CPoint(60, 60))
    {
        if (!CreateIndirect(tmpl, NULL))
            return FALSE;
        SetWindowPos(NULL, ptScreen.x, ptScreen.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        return TRUE;
    }
    void SetClientSize(int cx, int cy)
    {
        CRect rcWindow, rcClient;
        GetWindowRect(&rcWindow);
        GetClientRect(&rcClient);
        SetWindowPos(NULL, 0, 0, cx + rcWindow.Width() - rcClient.Width(),
            cy + rcWindow.Height() - rcClient.Height(), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    CRect ClientRectOf(UINT nID) const { return GetControlRect(nID); }
};

inline zaduv_test::CDialogTemplate MakeResizableTemplate()
{
    return zaduv_test::CDialogTemplate(CRect(0, 0, 100, 60), L"Resizable", kResizableStyle);
}
}

#endif
