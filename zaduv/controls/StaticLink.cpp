#include "controls/StaticLink.h"
#include "foundation/res/resource.h"

#include <shellapi.h>

IMPLEMENT_DYNAMIC(CStaticLink, CStatic)

COLORREF CStaticLink::g_colorUnvisited = RGB(0, 0, 255);
COLORREF CStaticLink::g_colorVisited = RGB(128, 0, 128);
HCURSOR CStaticLink::g_hCursorLink = NULL;

BEGIN_MESSAGE_MAP(CStaticLink, CStatic)
    ON_WM_NCHITTEST()
    ON_WM_CTLCOLOR_REFLECT()
    ON_WM_LBUTTONDOWN()
    ON_WM_SETCURSOR()
END_MESSAGE_MAP()

CStaticLink::CStaticLink(LPCTSTR lpszLink)
    : m_color(g_colorUnvisited), m_link(lpszLink != NULL ? lpszLink : L"")
{
    g_hCursorLink = ::LoadCursorW(ZaDUVGetInstanceHandle(), MAKEINTRESOURCEW(IDC_ZADUV_HAND));
}

CStaticLink::~CStaticLink()
{
}

void CStaticLink::SetURL(const CString& strURL)
{
    m_link = strURL;
}

CString CStaticLink::GetURL() const
{
    return m_link;
}

// Only the target goes to the shell, as the file to open; no command line is built from it.
HINSTANCE CStaticLink::Navigate()
{
    if (m_link.IsEmpty())
        return NULL;
    return ::ShellExecuteW(NULL, L"open", m_link, NULL, NULL, SW_SHOWNORMAL);
}

// Plain statics pass mouse input through to their parent; a link takes it.
LRESULT CStaticLink::OnNcHitTest(CPoint /*point*/)
{
    return HTCLIENT;
}

// Images, owner-drawn statics and text statics with flags in the low byte keep the parent's
// colouring; they still take clicks and show the hand.
HBRUSH CStaticLink::CtlColor(CDC* pDC, UINT /*nCtlColor*/)
{
    if (!IsPlainText())
        return NULL;
    if (m_font.GetSafeHandle() == NULL)
        CreateUnderlinedFont();
    pDC->SelectObject(&m_font);
    pDC->SetTextColor(m_color);
    pDC->SetBkMode(TRANSPARENT);
    return static_cast<HBRUSH>(::GetStockObject(HOLLOW_BRUSH));
}

void CStaticLink::OnLButtonDown(UINT /*nFlags*/, CPoint /*point*/)
{
    if (m_link.IsEmpty())
        GetWindowText(m_link);
    if (m_link.IsEmpty())
        return;
    const UINT_PTR nResult = reinterpret_cast<UINT_PTR>(Navigate());
    if (static_cast<DWORD>(nResult) > 32)
    {
        m_color = g_colorVisited;
        Invalidate(TRUE);
    }
    else
        ::MessageBeep(0);
}

BOOL CStaticLink::OnSetCursor(CWnd* /*pWnd*/, UINT /*nHitTest*/, UINT /*message*/)
{
    if (g_hCursorLink == NULL)
        return FALSE;
    ::SetCursor(g_hCursorLink);
    return TRUE;
}

// Implementation

BOOL CStaticLink::IsPlainText() const
{
    return (GetStyle() & 0xFF) <= SS_RIGHT;
}

// Made once: later font changes of the control are not followed. A static that was never
// given a font draws with the system font, so the underlined copy is made from that.
void CStaticLink::CreateUnderlinedFont()
{
    HFONT hFont = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
    if (hFont == NULL)
        hFont = static_cast<HFONT>(::GetStockObject(SYSTEM_FONT));
    LOGFONT lf = {};
    ::GetObjectW(hFont, sizeof(lf), &lf);
    lf.lfUnderline = TRUE;
    m_font.CreateFontIndirect(&lf);
}
