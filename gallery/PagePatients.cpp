// The patient list page: a CFilterEdit above a CPatientListCtrl holding 500 sample patients
// of the deterministic generator. Typing filters one second after the last key; a click on a
// column header sorts by that column and a second click turns the direction. The status line
// counts the rows shown against the patients stored and times the last filtering.

#include "GalleryApp.h"
#include "GalleryPage.h"
#include "GalleryStyle.h"

#include <zaduv.h>
#include <PatientGenerator.h>

class CPagePatients : public CGalleryPage, public IFilterListener
{
public:
    CPagePatients();

    virtual CString GetTitle() const { return L"Patient list"; }
    virtual CString GetDescription() const
    {
        return L"CPatientListCtrl with CFilterEdit: filter one second after typing, sort by clicking a column header.";
    }
    virtual void PrepareScreenshot();

    // The edit's listener is the page, which hands the text on to the list and times it.
    virtual void FilterChanged(CString strFilter, int nReserved);

protected:
    virtual BOOL OnCreatePage();
    virtual void OnDraw(CDC* pDC);

// Implementation
private:
    enum
    {
        IDC_FILTER_EDIT = 100,
        IDC_PATIENT_LIST = 101,
        kPatientCount = 500,
        kGeneratorSeed = 2024,
        kEditHeight = 24,
        kLabelWidth = 44,
        kEditWidth = 240,
        kStatusHeight = 22,
        kGap = 10,
    };

    CRect GetEditRect() const;
    CRect GetListRect() const;
    CRect GetStatusRect() const;
    BOOL CreateList();
    void ClickColumnHeader(int nColumn);
    void UpdateStatus();
    BOOL WaitForFilter(DWORD nTimeoutMs);

    CFilterEdit m_editFilter;
    CPatientListCtrl m_listPatients;
    CPatientArray m_arrSample;
    double m_dLastFilterMs;     // negative until the first filtering
    int m_nFilterCount;         // filterings so far, for the screenshot's wait
};

REGISTER_GALLERY_PAGE(CPagePatients, 40, L"patient-list");

CPagePatients::CPagePatients()
    : m_dLastFilterMs(-1.0), m_nFilterCount(0)
{
}

BOOL CPagePatients::OnCreatePage()
{
    if (!m_editFilter.CreateEx(WS_EX_CLIENTEDGE, L"EDIT", L"",
            WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, GetEditRect(), this, IDC_FILTER_EDIT))
        return FALSE;
    m_editFilter.SetFont(&m_fontText);
    m_editFilter.SetCueBanner(L"name, ID, date, modality...", TRUE);
    if (!CreateList())
        return FALSE;
    m_editFilter.AddListener(this);
    UpdateStatus();
    return TRUE;
}

// A host's way: a report-view list view exists first, the profile goes in, then the list is
// subclassed and filled.
BOOL CPagePatients::CreateList()
{
    CRect rect = GetListRect();
    HWND hWndList = ::CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"",
        WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_SHOWSELALWAYS,
        rect.left, rect.top, rect.Width(), rect.Height(), m_hWnd,
        reinterpret_cast<HMENU>(static_cast<UINT_PTR>(IDC_PATIENT_LIST)), AfxGetInstanceHandle(), NULL);
    if (hWndList == NULL)
        return FALSE;
    ::SendMessageW(hWndList, WM_SETFONT, reinterpret_cast<WPARAM>(m_fontText.GetSafeHandle()), FALSE);
    m_listPatients.Init(CPatientProfile());
    if (!m_listPatients.SubclassWindow(hWndList))
    {
        ::DestroyWindow(hWndList);
        return FALSE;
    }
    CPatientGenerator generator(kGeneratorSeed);
    generator.Generate(kPatientCount, m_arrSample);
    m_listPatients.AddPatientArray(m_arrSample);
    m_listPatients.AutoSizeColumnWidths();
    return TRUE;
}

void CPagePatients::FilterChanged(CString strFilter, int nReserved)
{
    LARGE_INTEGER frequency;
    LARGE_INTEGER tStart;
    LARGE_INTEGER tEnd;
    ::QueryPerformanceFrequency(&frequency);
    ::QueryPerformanceCounter(&tStart);
    m_listPatients.FilterChanged(strFilter, nReserved);
    ::QueryPerformanceCounter(&tEnd);
    m_dLastFilterMs = static_cast<double>(tEnd.QuadPart - tStart.QuadPart) * 1000.0 / frequency.QuadPart;
    ++m_nFilterCount;
    // The list shows filtered rows in the order they were added; the page keeps them in the
    // order the header shows.
    m_listPatients.ReSort();
    UpdateStatus();
}

// Typed as a user would, waited for as the user would; then the birth-date column, in the
// middle, is clicked twice for a descending sort.
void CPagePatients::PrepareScreenshot()
{
    const int nFiltered = m_nFilterCount;
    m_editFilter.SetWindowText(L"an");
    m_editFilter.SetSel(2, 2);
    WaitForFilter(3000);
    if (m_nFilterCount == nFiltered)
        FilterChanged(L"an", 0);
    const int nBirthDateColumn = 2;
    ClickColumnHeader(nBirthDateColumn);
    ClickColumnHeader(nBirthDateColumn);
    m_listPatients.EnsureVisible(0, FALSE);
    UpdateStatus();
}

BOOL CPagePatients::WaitForFilter(DWORD nTimeoutMs)
{
    const int nFiltered = m_nFilterCount;
    const ULONGLONG tEnd = ::GetTickCount64() + nTimeoutMs;
    while (m_nFilterCount == nFiltered && ::GetTickCount64() < tEnd)
    {
        MSG msg;
        while (::PeekMessageW(&msg, NULL, 0, 0, PM_REMOVE))
        {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
        ::MsgWaitForMultipleObjects(0, NULL, FALSE, 10, QS_ALLINPUT);
    }
    return m_nFilterCount != nFiltered;
}

// A press and release at the centre of the column's header item, as the mouse gives them.
void CPagePatients::ClickColumnHeader(int nColumn)
{
    HWND hWndHeader = ListView_GetHeader(m_listPatients.m_hWnd);
    CRect rect;
    if (hWndHeader == NULL || !Header_GetItemRect(hWndHeader, nColumn, &rect))
        return;
    const LPARAM lParam = MAKELPARAM(rect.CenterPoint().x, rect.CenterPoint().y);
    ::SendMessageW(hWndHeader, WM_LBUTTONDOWN, MK_LBUTTON, lParam);
    ::SendMessageW(hWndHeader, WM_LBUTTONUP, 0, lParam);
}

void CPagePatients::UpdateStatus()
{
    if (m_hWnd == NULL)
        return;
    CRect rectStatus = GetStatusRect();
    InvalidateRect(&rectStatus, FALSE);
}

void CPagePatients::OnDraw(CDC* pDC)
{
    CRect rectEdit = GetEditRect();
    CRect rectLabel(GetContentRect().left, rectEdit.top, rectEdit.left - 6, rectEdit.bottom);
    CFont* pOldFont = pDC->SelectObject(&m_fontBold);
    pDC->SetTextColor(GalleryStyle::crText);
    pDC->DrawText(L"Filter", &rectLabel, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);

    pDC->SelectObject(&m_fontSmall);
    pDC->SetTextColor(GalleryStyle::crMuted);
    CRect rectHint(rectEdit.right + 12, rectEdit.top, GetContentRect().right, rectEdit.bottom);
    pDC->DrawText(L"Matches a word start in any column. The list follows one second after the last key.",
        &rectHint, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);

    CString strStatus;
    const int nShown = m_listPatients.m_hWnd != NULL ? m_listPatients.GetItemCount() : 0;
    strStatus.Format(L"Showing %d of %d patients", nShown, static_cast<int>(m_arrSample.GetSize()));
    if (m_dLastFilterMs >= 0.0)
    {
        CString strFilter;
        m_editFilter.GetWindowText(strFilter);
        strStatus.AppendFormat(L"    \x2022    filter \"%s\"", strFilter.GetString());
        if (!static_cast<CGalleryApp*>(AfxGetApp())->IsRenderingScreenshots())
            strStatus.AppendFormat(L" took %.1f ms", m_dLastFilterMs);
    }
    CRect rectStatus = GetStatusRect();
    pDC->SelectObject(&m_fontText);
    pDC->SetTextColor(GalleryStyle::crText);
    pDC->DrawText(strStatus, &rectStatus, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
    pDC->SelectObject(pOldFont);
}

CRect CPagePatients::GetEditRect() const
{
    CRect rectContent = GetContentRect();
    const int x = rectContent.left + kLabelWidth;
    return CRect(x, rectContent.top, x + kEditWidth, rectContent.top + kEditHeight);
}

CRect CPagePatients::GetListRect() const
{
    CRect rectContent = GetContentRect();
    return CRect(rectContent.left, GetEditRect().bottom + kGap, rectContent.right,
        rectContent.bottom - kStatusHeight - kGap / 2);
}

CRect CPagePatients::GetStatusRect() const
{
    CRect rectContent = GetContentRect();
    return CRect(rectContent.left, rectContent.bottom - kStatusHeight, rectContent.right, rectContent.bottom);
}
