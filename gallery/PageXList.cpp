// The extended list as a study queue worklist: a check column with a header check box, the
// patient, a bold, coloured status whose tool tip tells the transfer's details, the modality
// with its image, a priority drop-down and the transfer's progress with a pattern text. One
// study, locked by another reader, is disabled. Live, the transfers advance on a timer and a
// finished one turns its status to "Ready". The pictures show the list filled, a priority
// drop-down open on the selected row, a status cell's tip and the empty queue's message.

#include "GalleryPage.h"
#include "GalleryStyle.h"

#include <afxcmn.h>
#include <zaduv.h>

#include <iterator>
#include <vector>

class CPageXList : public CGalleryPage
{
public:
    CPageXList();

    virtual CString GetTitle() const { return L"Extended list"; }
    virtual CString GetDescription() const
    {
        return L"CXListCtrl as a study queue: check boxes, drop-downs, progress, images and status tips.";
    }
    virtual void PrepareScreenshot();
    virtual int GetExtraShotCount() const;
    virtual BOOL PrepareExtraShot(int nShot, SExtraShot& shot);

protected:
    virtual BOOL OnCreatePage();
    virtual void OnDraw(CDC* pDC);

// Implementation
private:
    enum
    {
        IDC_QUEUE = 100,
        TIMER_TRANSFER = 1,
        kTransferPeriod = 400,
        kStatusHeight = 22,
        kGap = 10,
    };
    enum EColumn { COL_CHECK, COL_PATIENT, COL_STATUS, COL_MODALITY, COL_PRIORITY, COL_TRANSFER };
    enum EStatus { STATUS_QUEUED, STATUS_RECEIVING, STATUS_READY, STATUS_FAILED, STATUS_LOCKED };

    struct SStudy
    {
        LPCWSTR lpszPatient;
        int nModality;          // index into the modality table and the image list
        LPCWSTR lpszDescription;
        int nPriority;          // 0 routine, 1 urgent, 2 stat
        int nPercent;
        int nImages;
        EStatus eStatus;
    };

    void CreateModalityImages();
    void CreateHeaderImages();
    BOOL CreateQueue();
    void FillQueue();
    void InsertStudy(int nItem, const SStudy& study);
    void ShowStatus(int nItem);
    void AdvanceTransfers();
    void OpenPriorityDropDown(int nItem);
    void ClickQueue(CPoint point);
    void HoverStatus(int nItem);
    static void PumpFor(DWORD nMs);
    CRect GetListRect() const;
    CRect GetStatusRect() const;

    CXListCtrl m_listQueue;
    CImageList m_imagesModality;
    CImageList m_imagesHeader;
    std::vector<SStudy> m_studies;      // in list order; the list's item data is the index

    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnDestroy();
    afx_msg LRESULT OnCheckboxClicked(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnComboSelection(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};

REGISTER_GALLERY_PAGE(CPageXList, 45, L"extended-list");

namespace
{
struct SModality
{
    LPCWSTR lpszCode;
    COLORREF crTile;
};

const SModality s_modalities[] = {
    { L"CT", RGB(38, 98, 178) },
    { L"MR", RGB(122, 62, 160) },
    { L"US", RGB(22, 140, 120) },
    { L"CR", RGB(200, 120, 30) },
    { L"XA", RGB(180, 50, 60) },
};

LPCWSTR const s_priorities[] = { L"Routine", L"Urgent", L"Stat" };

const COLORREF s_crStatus[] = {
    RGB(112, 118, 128),     // queued
    RGB(38, 98, 178),       // receiving
    RGB(20, 130, 60),       // ready
    RGB(190, 30, 40),       // failed
    RGB(112, 118, 128),     // locked
};

LPCWSTR const s_statusTexts[] = { L"Queued", L"Receiving", L"Ready", L"Failed", L"Locked" };
}

BEGIN_MESSAGE_MAP(CPageXList, CGalleryPage)
    ON_WM_TIMER()
    ON_WM_DESTROY()
    ON_REGISTERED_MESSAGE(WM_XLISTCTRL_CHECKBOX_CLICKED, &CPageXList::OnCheckboxClicked)
    ON_REGISTERED_MESSAGE(WM_XLISTCTRL_COMBO_SELECTION, &CPageXList::OnComboSelection)
END_MESSAGE_MAP()

CPageXList::CPageXList()
{
    const SStudy studies[] = {
        { L"Keller, Anna", 0, L"Thorax with contrast", 1, 100, 612, STATUS_READY },
        { L"Brandt, Jonas", 1, L"Knee left", 0, 64, 380, STATUS_RECEIVING },
        { L"Albers, Mia", 2, L"Abdomen", 0, 100, 48, STATUS_READY },
        { L"Dorn, Lukas", 4, L"Coronary angiography", 2, 23, 1450, STATUS_RECEIVING },
        { L"Ernst, Clara", 3, L"Chest PA/lateral", 0, 0, 2, STATUS_QUEUED },
        { L"Fischer, Paul", 0, L"Head without contrast", 2, 41, 260, STATUS_FAILED },
        { L"Hartmann, Lea", 1, L"Spine lumbar", 0, 100, 540, STATUS_LOCKED },
        { L"Jung, Felix", 2, L"Thyroid", 1, 87, 36, STATUS_RECEIVING },
        { L"Lang, Emma", 3, L"Hand right", 0, 0, 3, STATUS_QUEUED },
        { L"Meyer, Noah", 0, L"Pelvis", 0, 100, 410, STATUS_READY },
    };
    m_studies.assign(std::begin(studies), std::end(studies));
}

BOOL CPageXList::OnCreatePage()
{
    CreateModalityImages();
    CreateHeaderImages();
    if (!CreateQueue())
        return FALSE;
    FillQueue();
    SetTimer(TIMER_TRANSFER, kTransferPeriod, NULL);
    return TRUE;
}

// A small coloured tile per modality, as a viewer's worklist marks them.
void CPageXList::CreateModalityImages()
{
    const int cx = 16;
    m_imagesModality.Create(cx, cx, ILC_COLOR24, _countof(s_modalities), 0);
    CClientDC dcScreen(NULL);
    CDC dc;
    dc.CreateCompatibleDC(&dcScreen);
    for (const SModality& modality : s_modalities)
    {
        CBitmap bitmap;
        bitmap.CreateCompatibleBitmap(&dcScreen, cx, cx);
        CBitmap* pOldBitmap = dc.SelectObject(&bitmap);
        dc.FillSolidRect(0, 0, cx, cx, GalleryStyle::crPage);
        CBrush brush(modality.crTile);
        CPen pen(PS_SOLID, 1, modality.crTile);
        CBrush* pOldBrush = dc.SelectObject(&brush);
        CPen* pOldPen = dc.SelectObject(&pen);
        dc.RoundRect(1, 2, 15, 14, 4, 4);
        dc.FillSolidRect(4, 5, 8, 2, RGB(255, 255, 255));
        dc.FillSolidRect(4, 9, 5, 2, RGB(255, 255, 255));
        dc.SelectObject(pOldPen);
        dc.SelectObject(pOldBrush);
        dc.SelectObject(pOldBitmap);
        m_imagesModality.Add(&bitmap, static_cast<CBitmap*>(NULL));
    }
}

// Header image 0 means none; 1 and 2 are the unchecked and checked header boxes.
void CPageXList::CreateHeaderImages()
{
    const int cx = 16;
    m_imagesHeader.Create(cx, cx, ILC_COLOR24, 3, 0);
    CClientDC dcScreen(NULL);
    CDC dc;
    dc.CreateCompatibleDC(&dcScreen);
    for (int nImage = 0; nImage < 3; ++nImage)
    {
        CBitmap bitmap;
        bitmap.CreateCompatibleBitmap(&dcScreen, cx, cx);
        CBitmap* pOldBitmap = dc.SelectObject(&bitmap);
        CRect rect(0, 0, cx, cx);
        dc.FillSolidRect(&rect, ::GetSysColor(COLOR_3DFACE));
        if (nImage != 0)
        {
            CRect rectBox(2, 2, 15, 15);
            dc.DrawFrameControl(&rectBox, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_FLAT | (nImage == 2 ? DFCS_CHECKED : 0));
        }
        dc.SelectObject(pOldBitmap);
        m_imagesHeader.Add(&bitmap, static_cast<CBitmap*>(NULL));
    }
}

BOOL CPageXList::CreateQueue()
{
    if (!m_listQueue.CreateEx(WS_EX_CLIENTEDGE, WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_SHOWSELALWAYS |
            LVS_SINGLESEL, GetListRect(), this, IDC_QUEUE))
        return FALSE;
    m_listQueue.SetFont(&m_fontText);
    m_listQueue.SetExtendedStyle(LVS_EX_FULLROWSELECT);
    m_listQueue.SetImageList(&m_imagesModality, LVSIL_SMALL);
    m_listQueue.GetHeaderCtrl()->SetImageList(&m_imagesHeader);
    m_listQueue.SetEmptyMessageText(L"No studies are waiting.\nNew studies appear here as soon as a modality sends them.");

    const struct
    {
        LPCWSTR lpszTitle;
        int nFormat;
        int nWidth;
    } columns[] = {
        { L"", LVCFMT_LEFT, 30 },
        { L"Patient", LVCFMT_LEFT, 110 },
        { L"Status", LVCFMT_CENTER, 100 },
        { L"Modality", LVCFMT_LEFT, 180 },
        { L"Priority", LVCFMT_LEFT, 80 },
        { L"Transfer", LVCFMT_LEFT, 150 },
    };
    for (int nColumn = 0; nColumn < static_cast<int>(_countof(columns)); ++nColumn)
        m_listQueue.InsertColumn(nColumn, columns[nColumn].lpszTitle, columns[nColumn].nFormat, columns[nColumn].nWidth);
    // The header shows the check column's state as its image.
    HDITEM hdi = {};
    hdi.mask = HDI_FORMAT;
    m_listQueue.GetHeaderCtrl()->GetItem(COL_CHECK, &hdi);
    hdi.fmt |= HDF_IMAGE;
    m_listQueue.GetHeaderCtrl()->SetItem(COL_CHECK, &hdi);
    m_listQueue.SetHeaderCheckedState(COL_CHECK, 1);
    m_listQueue.EnableToolTips(TRUE);
    return TRUE;
}

void CPageXList::FillQueue()
{
    m_listQueue.DeleteAllItems();
    for (int nItem = 0; nItem < static_cast<int>(m_studies.size()); ++nItem)
        InsertStudy(nItem, m_studies[nItem]);
}

void CPageXList::InsertStudy(int nItem, const SStudy& study)
{
    m_listQueue.InsertItem(nItem, L"");
    m_listQueue.SetItemData(nItem, static_cast<DWORD_PTR>(nItem));
    m_listQueue.SetCheckbox(nItem, COL_CHECK, study.eStatus == STATUS_READY ? 1 : 0);
    m_listQueue.SetItemText(nItem, COL_PATIENT, study.lpszPatient);
    CString strModality;
    strModality.Format(L"%s  %s", s_modalities[study.nModality].lpszCode, study.lpszDescription);
    m_listQueue.SetItemText(nItem, COL_MODALITY, strModality);
    m_listQueue.SetItemImage(nItem, COL_MODALITY, study.nModality);

    CXListComboData priorities;
    for (int nPriority = 0; nPriority < static_cast<int>(_countof(s_priorities)); ++nPriority)
        priorities.AddItem(s_priorities[nPriority], nPriority);
    m_listQueue.SetComboBox(nItem, COL_PRIORITY, TRUE, priorities, 3, study.nPriority);
    if (study.nPriority == 2)
        m_listQueue.SetBold(nItem, COL_PRIORITY, TRUE);

    m_listQueue.SetProgress(nItem, COL_TRANSFER, TRUE, L"%d%% received");
    m_listQueue.UpdateProgress(nItem, COL_TRANSFER, study.nPercent);
    ShowStatus(nItem);
    if (study.eStatus == STATUS_LOCKED)
        m_listQueue.SetEnabled(nItem, FALSE);
}

void CPageXList::ShowStatus(int nItem)
{
    const SStudy& study = m_studies[nItem];
    const COLORREF crBackground = study.eStatus == STATUS_FAILED ? RGB(253, 234, 234) : static_cast<COLORREF>(-1);
    m_listQueue.SetItemText(nItem, COL_STATUS, s_statusTexts[study.eStatus], s_crStatus[study.eStatus], crBackground);
    m_listQueue.SetBold(nItem, COL_STATUS, study.eStatus == STATUS_READY || study.eStatus == STATUS_FAILED);

    const int nReceived = study.nImages * study.nPercent / 100;
    CString strTip;
    switch (study.eStatus)
    {
    case STATUS_QUEUED:
        strTip.Format(L"Waiting for the modality\n%d images announced", study.nImages);
        break;
    case STATUS_RECEIVING:
        strTip.Format(L"Receiving from %s-2\n%d of %d images", s_modalities[study.nModality].lpszCode, nReceived,
            study.nImages);
        break;
    case STATUS_READY:
        strTip.Format(L"All %d images received\nReady for reading", study.nImages);
        break;
    case STATUS_FAILED:
        strTip.Format(L"Association aborted by the sender\n%d of %d images kept; retry from the modality", nReceived,
            study.nImages);
        break;
    case STATUS_LOCKED:
        strTip = L"Opened by another reader\nRead-only until it is released";
        break;
    }
    m_listQueue.SetItemToolTipText(nItem, COL_STATUS, strTip);
}

// Each receiving transfer gains a few per cent; a finished one is ready and checked.
void CPageXList::AdvanceTransfers()
{
    for (int nItem = 0; nItem < m_listQueue.GetItemCount(); ++nItem)
    {
        SStudy& study = m_studies[m_listQueue.GetItemData(nItem)];
        if (study.eStatus != STATUS_RECEIVING)
            continue;
        study.nPercent = study.nPercent + 3 + nItem % 4 > 100 ? 100 : study.nPercent + 3 + nItem % 4;
        m_listQueue.UpdateProgress(nItem, COL_TRANSFER, study.nPercent);
        if (study.nPercent == 100)
        {
            study.eStatus = STATUS_READY;
            ShowStatus(nItem);
            m_listQueue.SetCheckbox(nItem, COL_CHECK, 1);
        }
    }
}

// As a user opens it: the row selected, then a press on the cell's combo button.
void CPageXList::OpenPriorityDropDown(int nItem)
{
    m_listQueue.SetCurSel(nItem);
    m_listQueue.SetFocus();
    m_listQueue.EnsureVisible(nItem, FALSE);
    CRect rect;
    m_listQueue.GetSubItemRect(nItem, COL_PRIORITY, LVIR_BOUNDS, rect);
    ClickQueue(CPoint(rect.right - 8, rect.CenterPoint().y));
}

// A press and release as the mouse gives them; what they start (the drop-down's opening and
// closing run on the list's timers) is given time to happen.
void CPageXList::ClickQueue(CPoint point)
{
    const LPARAM lParam = MAKELPARAM(point.x, point.y);
    m_listQueue.PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, lParam);
    m_listQueue.PostMessage(WM_LBUTTONUP, 0, lParam);
    PumpFor(400);
}

void CPageXList::PumpFor(DWORD nMs)
{
    const ULONGLONG tEnd = ::GetTickCount64() + nMs;
    while (::GetTickCount64() < tEnd)
    {
        MSG msg;
        while (::PeekMessageW(&msg, NULL, 0, 0, PM_NOREMOVE))
        {
            if (msg.message == WM_QUIT || !AfxPumpMessage())
                return;
        }
        ::MsgWaitForMultipleObjects(0, NULL, FALSE, 10, QS_ALLINPUT);
    }
}

void CPageXList::PrepareScreenshot()
{
    KillTimer(TIMER_TRANSFER);
    m_listQueue.SetCurSel(1);
}

int CPageXList::GetExtraShotCount() const
{
    return 3;
}

// The page as a whole each time, with the drop-down or the tip laid over it.
BOOL CPageXList::PrepareExtraShot(int nShot, SExtraShot& shot)
{
    shot.pWnd = this;
    CRect rectClient;
    m_listQueue.GetClientRect(&rectClient);
    switch (nShot)
    {
    case 0:
        shot.strName = L"dropdown";
        OpenPriorityDropDown(3);
        return TRUE;
    case 1:
        shot.strName = L"tooltip";
        // A click below the rows closes the drop-down, as it would for a user.
        ClickQueue(CPoint(rectClient.CenterPoint().x, rectClient.bottom - 4));
        HoverStatus(5);
        return TRUE;
    case 2:
        shot.strName = L"empty";
        m_listQueue.CancelToolTips();
        m_listQueue.DeleteAllItems();
        InvalidateRect(GetStatusRect(), FALSE);
        return TRUE;
    default:
        return FALSE;
    }
}

// The pointer rests on a status cell until its tip shows.
void CPageXList::HoverStatus(int nItem)
{
    CRect rect;
    m_listQueue.GetSubItemRect(nItem, COL_STATUS, LVIR_BOUNDS, rect);
    CPoint point(rect.CenterPoint());
    CPoint ptScreen(point);
    m_listQueue.ClientToScreen(&ptScreen);
    ::SetCursorPos(ptScreen.x, ptScreen.y);
    for (int nMove = 0; nMove < 3; ++nMove)
        m_listQueue.PostMessage(WM_MOUSEMOVE, 0, MAKELPARAM(point.x, point.y));
    PumpFor(1500);
}

void CPageXList::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != TIMER_TRANSFER)
        return CGalleryPage::OnTimer(nIDEvent);
    AdvanceTransfers();
    InvalidateRect(GetStatusRect(), FALSE);
}

void CPageXList::OnDestroy()
{
    KillTimer(TIMER_TRANSFER);
    CGalleryPage::OnDestroy();
}

LRESULT CPageXList::OnCheckboxClicked(WPARAM, LPARAM)
{
    InvalidateRect(GetStatusRect(), FALSE);
    return 0;
}

LRESULT CPageXList::OnComboSelection(WPARAM wParam, LPARAM lParam)
{
    const int nItem = static_cast<int>(wParam);
    const int nPriority = m_listQueue.GetSelectedComboItemData(nItem, static_cast<int>(lParam));
    if (nPriority >= 0)
    {
        m_studies[m_listQueue.GetItemData(nItem)].nPriority = nPriority;
        m_listQueue.SetBold(nItem, COL_PRIORITY, nPriority == 2);
    }
    InvalidateRect(GetStatusRect(), FALSE);
    return 0;
}

void CPageXList::OnDraw(CDC* pDC)
{
    int nChecked = 0;
    int nReceiving = 0;
    const int nItems = m_listQueue.m_hWnd != NULL ? m_listQueue.GetItemCount() : 0;
    for (int nItem = 0; nItem < nItems; ++nItem)
    {
        nChecked += m_listQueue.GetCheckbox(nItem, COL_CHECK) == 1;
        nReceiving += m_studies[m_listQueue.GetItemData(nItem)].eStatus == STATUS_RECEIVING;
    }
    CString strStatus;
    strStatus.Format(L"%d studies    \x2022    %d selected for reading    \x2022    %d transfers running", nItems,
        nChecked, nReceiving);
    CRect rectStatus = GetStatusRect();
    CFont* pOldFont = pDC->SelectObject(&m_fontText);
    pDC->SetTextColor(GalleryStyle::crText);
    pDC->DrawText(strStatus, &rectStatus, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
    pDC->SelectObject(pOldFont);
}

CRect CPageXList::GetListRect() const
{
    CRect rectContent = GetContentRect();
    return CRect(rectContent.left, rectContent.top, rectContent.right, rectContent.bottom - kStatusHeight - kGap / 2);
}

CRect CPageXList::GetStatusRect() const
{
    CRect rectContent = GetContentRect();
    return CRect(rectContent.left, rectContent.bottom - kStatusHeight, rectContent.right, rectContent.bottom);
}
