// The small controls page: a CColorListBox of study states, each in its own colours with a
// tabbed column; two CStaticLinks; and a row of KaCBitmapButtons from a viewer toolbar, one in
// each state (normal, disabled, pressed, checked).

#include "GalleryPage.h"
#include "GalleryResource.h"
#include "GalleryStyle.h"

#include <zaduv.h>

class CPageControls : public CGalleryPage
{
public:
    virtual CString GetTitle() const { return L"Small controls"; }
    virtual CString GetDescription() const
    {
        return L"CColorListBox with per-item colours and tab stops, CStaticLink, KaCBitmapButton in its four states.";
    }
    virtual void PrepareScreenshot();

protected:
    virtual BOOL OnCreatePage();
    virtual void OnDraw(CDC* pDC);

// Implementation
private:
    enum
    {
        IDC_STUDY_LIST = 100,
        IDC_LINK_SITE = 101,
        IDC_LINK_MAIL = 102,
        IDC_TOOL_FIRST = 110,
        kToolCount = 4,
        kListWidth = 320,
        kListHeight = 220,
        kColumnLeft = kListWidth + 40,
        kLinkHeight = 20,
        kToolSize = 40,
        kGap = 10,
    };

    BOOL CreateStudyList(const CRect& rectContent);
    BOOL CreateLinks(const CRect& rectContent);
    BOOL CreateToolButtons(const CRect& rectContent);
    CRect GetToolRect(const CRect& rectContent, int nTool) const;

    CColorListBox m_listStudies;
    CStaticLink m_linkSite;
    CStaticLink m_linkMail;
    KaCBitmapButton m_aTools[kToolCount];
};

REGISTER_GALLERY_PAGE(CPageControls, 60, L"controls");

namespace
{
struct SStudyState
{
    LPCWSTR lpszText;
    COLORREF crText;
    COLORREF crBk;
    DWORD_PTR dwStudyId;
};

const SStudyState STUDIES[] = {
    { L"Scheduled\tCT thorax, 09:30", RGB(96, 104, 118), CLR_INVALID, 7101 },
    { L"Arrived\tMR knee left, 10:05", RGB(150, 96, 0), CLR_INVALID, 7102 },
    { L"Acquired\tXR chest PA, 10:40", RGB(18, 116, 52), CLR_INVALID, 7103 },
    { L"Urgent\tCT head, 11:02", RGB(176, 20, 20), RGB(253, 232, 230), 7104 },
    { L"Reported\tUS abdomen, 08:15", RGB(28, 48, 140), CLR_INVALID, 7105 },
    { L"Cancelled\tMR spine, 12:00", RGB(160, 164, 170), CLR_INVALID, 7106 },
};

const LPCWSTR TOOL_NAMES[] = { L"normal", L"disabled", L"pressed", L"checked" };
const UINT TOOL_BITMAPS[] = { IDB_VIEWER_ZOOM, IDB_VIEWER_PAN, IDB_VIEWER_LEVEL, IDB_VIEWER_MEASURE };
}

// The links paint no background of their own: the page paints beneath its children here.
BOOL CPageControls::OnCreatePage()
{
    ModifyStyle(WS_CLIPCHILDREN, 0);
    const CRect rectContent = GetContentRect();
    return CreateStudyList(rectContent) && CreateLinks(rectContent) && CreateToolButtons(rectContent);
}

// As a host does it: the list box exists with the owner-draw styles, then it is subclassed.
BOOL CPageControls::CreateStudyList(const CRect& rectContent)
{
    HWND hWndList = ::CreateWindowExW(WS_EX_CLIENTEDGE, L"LISTBOX", L"",
        WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS
            | LBS_USETABSTOPS | LBS_NOINTEGRALHEIGHT,
        rectContent.left, rectContent.top, kListWidth, kListHeight, m_hWnd,
        reinterpret_cast<HMENU>(static_cast<UINT_PTR>(IDC_STUDY_LIST)), AfxGetInstanceHandle(), NULL);
    if (hWndList == NULL)
        return FALSE;
    ::SendMessageW(hWndList, WM_SETFONT, reinterpret_cast<WPARAM>(m_fontText.GetSafeHandle()), FALSE);
    if (!m_listStudies.SubclassWindow(hWndList))
        return FALSE;
    m_listStudies.SetTabStop(16);
    for (const SStudyState& study : STUDIES)
    {
        const int nIndex = m_listStudies.AddString(study.lpszText, study.crText);
        m_listStudies.SetItemColor(nIndex, study.crText, study.crBk, CLR_INVALID, CLR_INVALID);
        m_listStudies.SetItemData(nIndex, study.dwStudyId);
    }
    m_listStudies.SelectByItemData(7103);
    return TRUE;
}

BOOL CPageControls::CreateLinks(const CRect& rectContent)
{
    m_linkSite.SetURL(L"https://example.org/zaduv/reading-room");
    m_linkMail.SetURL(L"mailto:reading.room@example.org");
    const int x = rectContent.left + kColumnLeft;
    CRect rect(x, rectContent.top, x + 260, rectContent.top + kLinkHeight);
    if (!m_linkSite.Create(L"Reading room schedule", WS_CHILD | WS_VISIBLE | SS_LEFT, rect, this, IDC_LINK_SITE))
        return FALSE;
    rect.OffsetRect(0, kLinkHeight + kGap / 2);
    if (!m_linkMail.Create(L"Mail the reading room", WS_CHILD | WS_VISIBLE | SS_LEFT, rect, this, IDC_LINK_MAIL))
        return FALSE;
    m_linkSite.SetFont(&m_fontText);
    m_linkMail.SetFont(&m_fontText);
    return TRUE;
}

// One viewer tool per state: the first as it is, the second disabled, the third held down for
// the screenshot, the fourth checked as a toggle.
BOOL CPageControls::CreateToolButtons(const CRect& rectContent)
{
    for (int i = 0; i < kToolCount; ++i)
    {
        if (!m_aTools[i].Create(L"", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, GetToolRect(rectContent, i), this, IDC_TOOL_FIRST + i))
            return FALSE;
        const UINT nID = TOOL_BITMAPS[i];
        m_aTools[i].LoadBitmaps(nID, nID + 1, nID + 2, nID + 3);
    }
    m_aTools[1].EnableWindow(FALSE);
    m_aTools[3].SetCheck(BST_CHECKED);
    return TRUE;
}

CRect CPageControls::GetToolRect(const CRect& rectContent, int nTool) const
{
    const int x = rectContent.left + kColumnLeft + nTool * (kToolSize + 2 * kGap);
    const int y = rectContent.top + 2 * kLinkHeight + 3 * kGap + 20;
    return CRect(x, y, x + kToolSize, y + kToolSize);
}

void CPageControls::PrepareScreenshot()
{
    m_aTools[2].SetState(TRUE);
}

void CPageControls::OnDraw(CDC* pDC)
{
    const CRect rectContent = GetContentRect();
    pDC->SelectObject(&m_fontSmall);
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(GalleryStyle::crMuted);
    const CRect rectFirst = GetToolRect(rectContent, 0);
    pDC->TextOut(rectFirst.left, rectFirst.top - 20, CString(L"Viewer toolbar, one button per state"));
    for (int i = 0; i < kToolCount; ++i)
    {
        CRect rectLabel = GetToolRect(rectContent, i);
        rectLabel.InflateRect(kGap, 0);
        rectLabel.top = rectLabel.bottom + 4;
        rectLabel.bottom = rectLabel.top + 16;
        pDC->DrawText(TOOL_NAMES[i], -1, &rectLabel, DT_CENTER | DT_SINGLELINE);
    }
    CRect rectNote(rectContent.left, rectContent.top + kListHeight + kGap, rectContent.left + kListWidth, rectContent.top + kListHeight + kGap + 18);
    pDC->DrawText(L"Study states in their colours; \"Acquired\" selected by its study id.", -1, &rectNote, DT_LEFT | DT_SINGLELINE);
}
