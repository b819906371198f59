#ifndef AFX_SRC_OWNERDRAWNOTIFY_H
#define AFX_SRC_OWNERDRAWNOTIFY_H
// The owner-draw requests a list or combo box's parent reflects back to it, handed to the
// control's own virtuals; one place for both classes.

#include <afxwin.h>

// TRUE when message is one of the four owner-draw requests; lResult then holds its answer.
template <class TControl>
BOOL AfxDispatchOwnerDraw(TControl* pControl, UINT message, LPARAM lParam, LRESULT& lResult)
{
    lResult = TRUE;
    switch (message)
    {
    case WM_DRAWITEM:
        pControl->DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
        return TRUE;
    case WM_MEASUREITEM:
        pControl->MeasureItem(reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam));
        return TRUE;
    case WM_COMPAREITEM:
        lResult = pControl->CompareItem(reinterpret_cast<LPCOMPAREITEMSTRUCT>(lParam));
        return TRUE;
    case WM_DELETEITEM:
        pControl->DeleteItem(reinterpret_cast<LPDELETEITEMSTRUCT>(lParam));
        return TRUE;
    default:
        return FALSE;
    }
}

#endif
