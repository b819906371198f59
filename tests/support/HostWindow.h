#ifndef ZADUV_TESTS_HOSTWINDOW_H
#define ZADUV_TESTS_HOSTWINDOW_H
// CHostWindow: a top-level window at a fixed place on the screen with a client area of the
// size a test asks for, to parent the controls that tests create directly. It paints a white
// background (or whatever a test's paint handler draws) through one path shared by WM_PAINT
// and WM_PRINTCLIENT, so its pixels are known in captures.

#include <afxwin.h>
#include <functional>

namespace zaduv_test
{
class CHostWindow : public CWnd
{
public:
// Construction
    CHostWindow();
    virtual ~CHostWindow();

    static const POINT kDefaultOrigin;     // (40, 40)

    // A top-level window whose client area is cxClient x cyClient with its top-left corner on
    // ptClient (screen coordinates); a visible one has painted when this returns.
    BOOL CreateHost(int cxClient, int cyClient, DWORD dwStyle = WS_POPUP | WS_VISIBLE,
        LPCTSTR lpszTitle = L"ZaDUV test host", POINT ptClient = kDefaultOrigin);

// Attributes
    // Draws over the background on every paint and print; pass an empty function to remove.
    void SetPaintHandler(std::function<void(CDC*)> fnPaint);

// Implementation
protected:
    void DrawClient(CDC* pDC);

    std::function<void(CDC*)> m_fnPaint;

    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnPaint();
    afx_msg LRESULT OnPrintClient(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};
}

#endif
