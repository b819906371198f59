// The imaging page of a clinical viewer: the gallery's synthetic chest film in a CPreviewCtrl
// of a wide and of a tall frame, a preview without a picture showing its text, a CBitmapFader
// half-way between two axial slices (click it to fade back and forth), and the 18 frames of the
// busy cursor drawn by CAniCursor side by side. Headless, each is also pictured alone and the
// fade at three known steps.

#include "GalleryPage.h"
#include "GalleryResource.h"
#include "GalleryStyle.h"
#include "FaderView.h"
#include "StudyImage.h"

#include <zaduv.h>

class CPageImaging : public CGalleryPage
{
public:
    virtual CString GetTitle() const { return L"Imaging"; }
    virtual CString GetDescription() const
    {
        return L"CPreviewCtrl shrinking to fit and centring, its no-image text; CBitmapFader; CAniCursor frames.";
    }
    virtual void PrepareScreenshot();
    virtual int GetExtraShotCount() const { return SHOT_COUNT; }
    virtual BOOL PrepareExtraShot(int nShot, SExtraShot& shot);
    virtual void EndExtraShots();

protected:
    virtual BOOL OnCreatePage();
    virtual void OnDraw(CDC* pDC);

// Implementation
private:
    enum { IDC_PREVIEW_WIDE = 100, IDC_PREVIEW_TALL, IDC_PREVIEW_EMPTY, IDC_FADER };
    enum
    {
        SHOT_WIDE, SHOT_TALL, SHOT_EMPTY, SHOT_CURSOR, SHOT_FADE_FIRST,
        SHOT_COUNT = SHOT_FADE_FIRST + 3
    };
    enum { kLabelHeight = 18, kRowB = 290, kFrames = 18, kCell = 40, kCellsPerRow = 9, kMidFadeTicks = 4 };

    // One labelled item of the page; its rectangle is the control's or the drawing's.
    struct SItem { LPCWSTR lpszLabel; CRect rect; };
    SItem GetItem(int nShot) const;
    CRect GetShotRect(int nShot) const;
    BOOL CreatePreview(CPreviewCtrl& preview, int nShot, UINT nID);
    void DrawCursorFrames(CDC* pDC, const CRect& rect);

    CPreviewCtrl m_previewWide;
    CPreviewCtrl m_previewTall;
    CPreviewCtrl m_previewEmpty;
    CFaderView m_viewFader;
    CAniCursor m_cursorBusy;
};

REGISTER_GALLERY_PAGE(CPageImaging, 80, L"imaging");

CPageImaging::SItem CPageImaging::GetItem(int nShot) const
{
    const CRect rc = GetContentRect();
    const int yA = rc.top + kLabelHeight;
    const int yB = rc.top + kRowB + kLabelHeight;
    switch (nShot)
    {
    case SHOT_WIDE:
        return { L"Wide frame, 300 x 150", CRect(rc.left, yA, rc.left + 300, yA + 150) };
    case SHOT_TALL:
        return { L"Tall frame", CRect(rc.left + 320, yA, rc.left + 440, yA + 250) };
    case SHOT_EMPTY:
        return { L"No picture", CRect(rc.left + 460, yA, rc.left + 660, yA + 150) };
    case SHOT_CURSOR:
        return { L"Busy cursor, frames 0-17 over its hot spot",
            CRect(rc.left + 280, yB, rc.left + 280 + kCellsPerRow * kCell, yB + 2 * (kCell + 14)) };
    default:
        return { L"Fade from chest to abdomen, step 5 of 10", CRect(rc.left, yB, rc.left + 240, yB + 180) };
    }
}

// The item with its label and a little room around it.
CRect CPageImaging::GetShotRect(int nShot) const
{
    CRect rect = GetItem(nShot).rect;
    rect.top -= kLabelHeight;
    rect.InflateRect(6, 6);
    return rect;
}

BOOL CPageImaging::OnCreatePage()
{
    // The previews paint no frame of their own: the page draws it beneath them.
    ModifyStyle(WS_CLIPCHILDREN, 0);
    if (!CreatePreview(m_previewWide, SHOT_WIDE, IDC_PREVIEW_WIDE)
        || !CreatePreview(m_previewTall, SHOT_TALL, IDC_PREVIEW_TALL)
        || !CreatePreview(m_previewEmpty, SHOT_EMPTY, IDC_PREVIEW_EMPTY))
        return FALSE;
    CStudyImage::ShowIn(m_previewWide);
    CStudyImage::ShowIn(m_previewTall);
    m_previewEmpty.SetNoImageText(L"No image: the series is still arriving from the modality");
    if (!m_viewFader.Create(this, GetItem(SHOT_FADE_FIRST).rect, IDC_FADER))
        return FALSE;
    m_viewFader.ShowFadeAfter(kMidFadeTicks);
    m_cursorBusy.Load(IDR_BUSY_CURSOR);
    return TRUE;
}

// As a host does it: a static of its own, subclassed.
BOOL CPageImaging::CreatePreview(CPreviewCtrl& preview, int nShot, UINT nID)
{
    const CRect rect = GetItem(nShot).rect;
    HWND hWnd = ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_LEFT, rect.left, rect.top,
        rect.Width(), rect.Height(), m_hWnd, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)),
        AfxGetInstanceHandle(), NULL);
    if (hWnd == NULL || !preview.SubclassWindow(hWnd))
        return FALSE;
    preview.SetFont(&m_fontText);
    return TRUE;
}

void CPageImaging::OnDraw(CDC* pDC)
{
    pDC->SetBkMode(TRANSPARENT);
    CBrush brushFrame(GalleryStyle::crCanvasBorder);
    for (int nShot = SHOT_WIDE; nShot <= SHOT_FADE_FIRST; ++nShot)
    {
        const SItem item = GetItem(nShot);
        pDC->SelectObject(&m_fontSmall);
        pDC->SetTextColor(GalleryStyle::crMuted);
        pDC->TextOut(item.rect.left, item.rect.top - kLabelHeight + 2, CString(item.lpszLabel));
        pDC->FrameRect(&item.rect, &brushFrame);
    }
    DrawCursorFrames(pDC, GetItem(SHOT_CURSOR).rect);
}

// Every frame once, left to right: 18 ticks bring the cursor back to the frame it started at.
void CPageImaging::DrawCursorFrames(CDC* pDC, const CRect& rect)
{
    pDC->FillSolidRect(&rect, GalleryStyle::crCanvas);
    pDC->SelectObject(&m_fontSmall);
    pDC->SetTextColor(GalleryStyle::crMuted);
    for (int nFrame = 0; nFrame < kFrames; ++nFrame)
    {
        const int x = rect.left + (nFrame % kCellsPerRow) * kCell;
        const int y = rect.top + (nFrame / kCellsPerRow) * (kCell + 14);
        pDC->FillSolidRect(x + 3, y + 3, 34, 34, RGB(255, 255, 255));
        // Cross hairs through the hot spot, so that the frame's step shows against them.
        pDC->FillSolidRect(x + 4 + 16, y + 4, 1, 32, GalleryStyle::crGuide);
        pDC->FillSolidRect(x + 4, y + 4 + 16, 32, 1, GalleryStyle::crGuide);
        m_cursorBusy.Draw(pDC, x + 4, y + 4, 32, 32);
        m_cursorBusy.OnTimer();
        CString strFrame;
        strFrame.Format(L"%d", nFrame);
        CRect rectNumber(x, y + kCell - 2, x + kCell, y + kCell + 12);
        pDC->DrawText(strFrame, &rectNumber, DT_CENTER | DT_SINGLELINE);
    }
}

void CPageImaging::PrepareScreenshot()
{
    m_viewFader.ShowFadeAfter(kMidFadeTicks);
}

// The previews and the cursor strip as the page shows them, then the fade after 0, 4 and 8
// ticks: its new layer at steps 1, 5 and 9 of 10.
BOOL CPageImaging::PrepareExtraShot(int nShot, SExtraShot& shot)
{
    static const LPCWSTR NAMES[] = { L"preview-wide", L"preview-tall", L"preview-empty", L"cursor-frames" };
    if (nShot < SHOT_FADE_FIRST)
    {
        shot.pWnd = this;
        shot.rectPart = GetShotRect(nShot);
        shot.strName = NAMES[nShot];
        return TRUE;
    }
    const int nTicks = (nShot - SHOT_FADE_FIRST) * kMidFadeTicks;
    m_viewFader.ShowFadeAfter(nTicks);
    shot.pWnd = &m_viewFader;
    shot.strName.Format(L"fader-step%d", nTicks + 1);
    return TRUE;
}

void CPageImaging::EndExtraShots()
{
    m_viewFader.ShowFadeAfter(kMidFadeTicks);
}
