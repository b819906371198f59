#include "HostWindow.h"

#include "MessagePump.h"

namespace zaduv_test
{
const POINT CHostWindow::kDefaultOrigin = { 40, 40 };

BEGIN_MESSAGE_MAP(CHostWindow, CWnd)
    ON_WM_ERASEBKGND()
    ON_WM_PAINT()
    ON_MESSAGE(WM_PRINTCLIENT, &CHostWindow::OnPrintClient)
END_MESSAGE_MAP()

CHostWindow::CHostWindow()
{
}

CHostWindow::~CHostWindow()
{
    // Destroyed here rather than by CWnd, while the paint handler still exists.
    if (m_hWnd != NULL)
        DestroyWindow();
}

BOOL CHostWindow::CreateHost(int cxClient, int cyClient, DWORD dwStyle, LPCTSTR lpszTitle, POINT ptClient)
{
    // WS_CLIPCHILDREN keeps the background painting off the children, as a dialog would.
    dwStyle |= WS_CLIPCHILDREN;
    CRect rect(ptClient.x, ptClient.y, ptClient.x + cxClient, ptClient.y + cyClient);
    ::AdjustWindowRectEx(&rect, dwStyle, FALSE, 0);
    LPCTSTR lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorW(NULL, IDC_ARROW));
    if (!CreateEx(0, lpszClass, lpszTitle, dwStyle, rect.left, rect.top, rect.Width(), rect.Height(),
            NULL, NULL))
        return FALSE;
    if (dwStyle & WS_VISIBLE)
    {
        UpdateWindow();
        PumpPending();
    }
    return TRUE;
}

void CHostWindow::SetPaintHandler(std::function<void(CDC*)> fnPaint)
{
    m_fnPaint = std::move(fnPaint);
    if (m_hWnd != NULL)
        Invalidate();
}

void CHostWindow::DrawClient(CDC* pDC)
{
    CRect rectClient;
    GetClientRect(&rectClient);
    pDC->FillSolidRect(&rectClient, RGB(255, 255, 255));
    if (m_fnPaint)
        m_fnPaint(pDC);
}

BOOL CHostWindow::OnEraseBkgnd(CDC*)
{
    return TRUE;    // OnPaint covers every pixel
}

void CHostWindow::OnPaint()
{
    CPaintDC dc(this);
    DrawClient(&dc);
}

LRESULT CHostWindow::OnPrintClient(WPARAM wParam, LPARAM)
{
    DrawClient(CDC::FromHandle(reinterpret_cast<HDC>(wParam)));
    return 0;
}
}
