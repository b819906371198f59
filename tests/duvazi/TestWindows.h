#ifndef DUVAZI_TESTS_TESTWINDOWS_H
#define DUVAZI_TESTS_TESTWINDOWS_H
// Helpers of the duvazi tests: a top-level host window that counts the notifications it gets,
// and a capture of what a window paints of itself.

#include <afxext.h>

#include "PixelCapture.h"

namespace duvazi_test
{
// A plain framework window to host controls; it counts the custom-draw notifications that
// reach its own message map (and not a reflecting child).
class CHostWnd : public CWnd
{
public:
    BOOL CreateHost(int cx = 480, int cy = 200);

    int m_nCustomDrawNotifies = 0;

protected:
    afx_msg void OnChildCustomDraw(NMHDR* pNMHDR, LRESULT* pResult);
    DECLARE_MESSAGE_MAP()
};

// The client area, erased, painted through WM_PRINT into a 32-bit memory bitmap first filled
// with a colour no skin uses; empty when the window has no client area.
zaduv_test::CCapturedImage PrintClient(HWND hWnd);
}

#endif
