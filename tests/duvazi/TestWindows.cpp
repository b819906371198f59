#include "TestWindows.h"

#include "DibSurface.h"

namespace duvazi_test
{
BEGIN_MESSAGE_MAP(CHostWnd, CWnd)
    ON_NOTIFY(NM_CUSTOMDRAW, AFX_IDW_TOOLBAR, &CHostWnd::OnChildCustomDraw)
END_MESSAGE_MAP()

BOOL CHostWnd::CreateHost(int cx, int cy)
{
    LPCTSTR lpszClass = AfxRegisterWndClass(0, ::LoadCursorW(NULL, IDC_ARROW),
        reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    return CreateEx(0, lpszClass, L"duvazi test host", WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN,
        40, 40, cx, cy, NULL, NULL);
}

void CHostWnd::OnChildCustomDraw(NMHDR*, LRESULT* pResult)
{
    ++m_nCustomDrawNotifies;
    *pResult = CDRF_DODEFAULT;
}

zaduv_test::CCapturedImage PrintClient(HWND hWnd)
{
    CRect rectClient;
    if (!::GetClientRect(hWnd, &rectClient) || rectClient.IsRectEmpty())
        return zaduv_test::CCapturedImage();
    zaduv_test::CDibSurface surface(rectClient.Width(), rectClient.Height(), RGB(1, 2, 3));
    ::SendMessageW(hWnd, WM_PRINT, reinterpret_cast<WPARAM>(surface.DC().GetSafeHdc()), PRF_CLIENT | PRF_ERASEBKGND);
    return surface.Capture();
}
}
