#include "GalleryPage.h"

#include "GalleryStyle.h"

#include <algorithm>

BEGIN_MESSAGE_MAP(CGalleryPage, CWnd)
    ON_WM_CREATE()
    ON_WM_ERASEBKGND()
    ON_WM_PAINT()
    ON_MESSAGE(WM_PRINTCLIENT, &CGalleryPage::OnPrintClient)
END_MESSAGE_MAP()

namespace
{
// Function-local so that registrations from other files' static objects find it built.
std::vector<CGalleryPage::SPageEntry>& PageRegistry()
{
    static std::vector<CGalleryPage::SPageEntry> s_pages;
    return s_pages;
}
}

CGalleryPage::CGalleryPage()
{
}

CGalleryPage::~CGalleryPage()
{
    if (m_hWnd != NULL)
        DestroyWindow();
}

BOOL CGalleryPage::Create(CWnd* pParentWnd, const CRect& rect)
{
    LPCTSTR lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorW(NULL, IDC_ARROW));
    return CWnd::Create(lpszClass, GetTitle(), WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, rect, pParentWnd, 0);
}

void CGalleryPage::RegisterPage(int nOrder, LPCWSTR lpszSlug, PFNCREATEPAGE pfnCreate)
{
    std::vector<SPageEntry>& pages = PageRegistry();
    SPageEntry entry = { nOrder, lpszSlug, pfnCreate };
    pages.insert(std::upper_bound(pages.begin(), pages.end(), entry,
        [](const SPageEntry& a, const SPageEntry& b) { return a.nOrder < b.nOrder; }), entry);
}

const std::vector<CGalleryPage::SPageEntry>& CGalleryPage::GetPages()
{
    return PageRegistry();
}

CString CGalleryPage::GetDescription() const
{
    return CString();
}

CRect CGalleryPage::GetContentRect() const
{
    CRect rect;
    GetClientRect(&rect);
    rect.DeflateRect(kMargin, kHeaderHeight + 12, kMargin, 12);
    return rect;
}

void CGalleryPage::PrepareScreenshot()
{
}

BOOL CGalleryPage::PrepareExtraScreenshot(int, CString&)
{
    return FALSE;
}

BOOL CGalleryPage::OnCreatePage()
{
    return TRUE;
}

void CGalleryPage::OnDraw(CDC*)
{
}

void CGalleryPage::CreateFonts()
{
    NONCLIENTMETRICSW ncm = {};
    ncm.cbSize = sizeof(ncm);
    ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(ncm), &ncm, 0);
    LOGFONTW lf = ncm.lfMessageFont;
    m_fontText.CreateFontIndirect(&lf);
    lf.lfWeight = FW_BOLD;
    m_fontBold.CreateFontIndirect(&lf);
    LOGFONTW lfSmall = ncm.lfMessageFont;
    lfSmall.lfHeight = lfSmall.lfHeight * 7 / 8;
    m_fontSmall.CreateFontIndirect(&lfSmall);
    LOGFONTW lfTitle = ncm.lfMessageFont;
    lfTitle.lfHeight = lfTitle.lfHeight * 7 / 4;
    lfTitle.lfWeight = FW_BOLD;
    m_fontTitle.CreateFontIndirect(&lfTitle);
}

void CGalleryPage::DrawPage(CDC* pDC)
{
    CRect rectClient;
    GetClientRect(&rectClient);
    pDC->FillSolidRect(&rectClient, GalleryStyle::crPage);
    DrawHeader(pDC);
    int nSaved = pDC->SaveDC();
    pDC->SetBkMode(TRANSPARENT);
    OnDraw(pDC);
    pDC->RestoreDC(nSaved);
}

void CGalleryPage::DrawHeader(CDC* pDC)
{
    CRect rectClient;
    GetClientRect(&rectClient);
    CRect rectHeader(rectClient.left, rectClient.top, rectClient.right, rectClient.top + kHeaderHeight);
    pDC->FillSolidRect(&rectHeader, GalleryStyle::crHeader);
    pDC->FillSolidRect(rectHeader.left, rectHeader.bottom - 1, rectHeader.Width(), 1, GalleryStyle::crRule);

    int nOldMode = pDC->SetBkMode(TRANSPARENT);
    COLORREF crOldText = pDC->SetTextColor(GalleryStyle::crTitle);
    CFont* pOldFont = pDC->SelectObject(&m_fontTitle);
    CRect rectTitle(rectHeader.left + kMargin, rectHeader.top + 10, rectHeader.right - kMargin, rectHeader.top + 36);
    pDC->DrawText(GetTitle(), &rectTitle, DT_LEFT | DT_BOTTOM | DT_SINGLELINE | DT_NOPREFIX);

    pDC->SelectObject(&m_fontText);
    pDC->SetTextColor(GalleryStyle::crMuted);
    CRect rectDescription(rectTitle.left, rectTitle.bottom + 4, rectTitle.right, rectHeader.bottom - 6);
    pDC->DrawText(GetDescription(), &rectDescription, DT_LEFT | DT_TOP | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);

    pDC->SelectObject(pOldFont);
    pDC->SetTextColor(crOldText);
    pDC->SetBkMode(nOldMode);
}

int CGalleryPage::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    CreateFonts();
    SetFont(&m_fontText, FALSE);
    return OnCreatePage() ? 0 : -1;
}

BOOL CGalleryPage::OnEraseBkgnd(CDC*)
{
    return TRUE;    // the paint draws every pixel, through a memory bitmap
}

void CGalleryPage::OnPaint()
{
    CPaintDC dc(this);
    CRect rectClient;
    GetClientRect(&rectClient);
    CDC dcMem;
    CBitmap bitmap;
    if (!dcMem.CreateCompatibleDC(&dc) || !bitmap.CreateCompatibleBitmap(&dc, rectClient.Width(), rectClient.Height()))
    {
        DrawPage(&dc);
        return;
    }
    CBitmap* pOldBitmap = dcMem.SelectObject(&bitmap);
    DrawPage(&dcMem);
    dc.BitBlt(0, 0, rectClient.Width(), rectClient.Height(), &dcMem, 0, 0, SRCCOPY);
    dcMem.SelectObject(pOldBitmap);
}

LRESULT CGalleryPage::OnPrintClient(WPARAM wParam, LPARAM)
{
    DrawPage(CDC::FromHandle(reinterpret_cast<HDC>(wParam)));
    return 0;
}
