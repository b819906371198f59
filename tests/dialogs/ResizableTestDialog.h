#ifndef ZADUV_TESTS_DIALOGS_RESIZABLETESTDIALOG_H
#define ZADUV_TESTS_DIALOGS_RESIZABLETESTDIALOG_H
// What the resizable-dialog tests share: a host's resizable dialog made from a template in
// memory (100 x 60 dialog units, more controls as a test adds them), sized in client pixels.
#include <DialogTemplate.h>
#include <zaduv.h>

namespace dialogs_test
{
inline zaduv_test::CDialogTemplate MakeResizableTemplate()
{
    return zaduv_test::CDialogTemplate(CRect(0, 0, 100, 60), L"Resizable",
        WS_POPUP | WS_CAPTION | WS_THICKFRAME | WS_SYSMENU);
}

class CTestResizableDialog : public CResizableDialog
{
public:
    BOOL CreateFromTemplate(const zaduv_test::CDialogTemplate& tmpl = MakeResizableTemplate(),
        CPoint ptScreen = CPoint(60, 60))
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
    CRect WindowRect() const { CRect rect; GetWindowRect(&rect); return rect; }
};
}

#endif
