#include "GalleryFrame.h"

#include "GalleryPage.h"
#include "GalleryStyle.h"
#include "GuiObjectCounter.h"

namespace
{
// Asked by the monkey from its own process: wParam picks the count, in the order of
// hostkit::SGuiObjectCounts; -1 when the gallery does not count.
const UINT WM_GALLERY_LIVE_OBJECTS = ::RegisterWindowMessageW(L"ZaDUV.Gallery.LiveGuiObjects");
}

BEGIN_MESSAGE_MAP(CGalleryFrame, CWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_SIZE()
    ON_WM_ERASEBKGND()
    ON_LBN_SELCHANGE(IDC_PAGE_LIST, &CGalleryFrame::OnSelChangePages)
    ON_REGISTERED_MESSAGE(WM_GALLERY_LIVE_OBJECTS, &CGalleryFrame::OnQueryLiveObjects)
END_MESSAGE_MAP()

CGalleryFrame::CGalleryFrame()
    : m_nCurrentPage(-1), m_bAnswerCounts(FALSE)
{
    for (const CGalleryPage::SPageEntry& entry : CGalleryPage::GetPages())
        m_pages.emplace_back(entry.pfnCreate());
}

CGalleryFrame::~CGalleryFrame()
{
}

BOOL CGalleryFrame::CreateFrame(int nCmdShow)
{
    const DWORD dwStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
    CRect rect(0, 0, kClientWidth, kClientHeight);
    ::AdjustWindowRectEx(&rect, dwStyle, FALSE, 0);
    rect.OffsetRect(-rect.left, -rect.top);
    LPCTSTR lpszClass = AfxRegisterWndClass(0, ::LoadCursorW(NULL, IDC_ARROW), NULL,
        ::LoadIconW(NULL, IDI_APPLICATION));
    if (!CreateEx(0, lpszClass, L"ZaDUV gallery", dwStyle, 0, 0, rect.Width(), rect.Height(), NULL, NULL))
        return FALSE;
    ShowWindow(nCmdShow);
    UpdateWindow();
    return TRUE;
}

CGalleryPage* CGalleryFrame::GetPage(int nPage) const
{
    return nPage >= 0 && nPage < GetPageCount() ? m_pages[nPage].get() : NULL;
}

CString CGalleryFrame::GetPageSlug(int nPage) const
{
    const std::vector<CGalleryPage::SPageEntry>& entries = CGalleryPage::GetPages();
    return nPage >= 0 && nPage < static_cast<int>(entries.size()) ? CString(entries[nPage].lpszSlug) : CString();
}

BOOL CGalleryFrame::ShowPage(int nPage)
{
    CGalleryPage* pPage = GetPage(nPage);
    if (pPage == NULL)
        return FALSE;
    if (nPage == m_nCurrentPage)
        return TRUE;
    DestroyCurrentPage();
    if (!pPage->Create(this, GetPageRect()))
        return FALSE;
    m_nCurrentPage = nPage;
    if (m_listPages.GetCurSel() != nPage)
        m_listPages.SetCurSel(nPage);
    return TRUE;
}

CRect CGalleryFrame::GetPageRect() const
{
    CRect rect;
    GetClientRect(&rect);
    rect.left += kSelectorWidth;
    return rect;
}

void CGalleryFrame::LayoutChildren()
{
    CRect rectClient;
    GetClientRect(&rectClient);
    if (m_listPages.m_hWnd != NULL)
        m_listPages.MoveWindow(0, 0, kSelectorWidth - 1, rectClient.Height());
    if (CGalleryPage* pPage = GetPage(m_nCurrentPage))
    {
        if (pPage->m_hWnd != NULL)
            pPage->MoveWindow(GetPageRect());
    }
}

void CGalleryFrame::DestroyCurrentPage()
{
    if (CGalleryPage* pPage = GetPage(m_nCurrentPage))
    {
        if (pPage->m_hWnd != NULL)
            pPage->DestroyWindow();
        // The next showing starts from a new object: nothing of this one (its fonts and image
        // lists, a drop-down its list still holds open) lingers over other pages or piles up.
        m_pages[m_nCurrentPage].reset(CGalleryPage::GetPages()[m_nCurrentPage].pfnCreate());
    }
    m_nCurrentPage = -1;
}

int CGalleryFrame::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (!m_listPages.CreateSelector(CRect(0, 0, kSelectorWidth - 1, kClientHeight), this, IDC_PAGE_LIST))
        return -1;
    for (const std::unique_ptr<CGalleryPage>& pPage : m_pages)
        m_listPages.AddString(pPage->GetTitle());

    LayoutChildren();
    ShowPage(0);
    return 0;
}

void CGalleryFrame::OnDestroy()
{
    DestroyCurrentPage();
    CWnd::OnDestroy();
}

void CGalleryFrame::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    LayoutChildren();
}

BOOL CGalleryFrame::OnEraseBkgnd(CDC* pDC)
{
    // Only the divider between the list and the page shows through.
    CRect rectClient;
    GetClientRect(&rectClient);
    pDC->FillSolidRect(kSelectorWidth - 1, 0, 1, rectClient.Height(), GalleryStyle::crRule);
    return TRUE;
}

void CGalleryFrame::OnSelChangePages()
{
    ShowPage(m_listPages.GetCurSel());
}

LRESULT CGalleryFrame::OnQueryLiveObjects(WPARAM wParam, LPARAM)
{
    if (!m_bAnswerCounts)
        return -1;
    const hostkit::SGuiObjectCounts counts = hostkit::GetLiveGuiObjectCounts();
    const long values[] = { counts.nGdi, counts.nUser, counts.nImageLists, counts.nBorrowedDCs, counts.nWindows };
    return wParam < _countof(values) ? values[wParam] : -1;
}
