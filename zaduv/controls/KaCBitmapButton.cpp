#include "controls/KaCBitmapButton.h"

namespace
{
const DWORD OWNER_DRAW_STYLE = BS_OWNERDRAW;
const CPoint PRESSED_SHIFT(2, 2);
}

BEGIN_MESSAGE_MAP(KaCBitmapButton, CButton)
    ON_MESSAGE(BM_SETCHECK, &KaCBitmapButton::OnSetCheck)
END_MESSAGE_MAP()

KaCBitmapButton::KaCBitmapButton()
    : m_bChecked(false)
{
}

KaCBitmapButton::~KaCBitmapButton()
{
    for (CBitmap& bitmap : m_aBitmaps)
        bitmap.DeleteObject();
}

// A second call replaces the earlier bitmaps and deletes them.
void KaCBitmapButton::LoadBitmaps(UINT nIDNormal, UINT nIDDisabled, UINT nIDPressed, UINT nIDChecked)
{
    const UINT aIDs[BMP_COUNT] = { nIDNormal, nIDDisabled, nIDPressed, nIDChecked };
    for (int i = 0; i < BMP_COUNT; ++i)
    {
        m_aBitmaps[i].DeleteObject();
        const UINT nID = aIDs[i] != 0 ? aIDs[i] : nIDNormal;
        LPCTSTR lpszName = MAKEINTRESOURCE(LOWORD(nID));
        HINSTANCE hInst = AfxFindResourceHandle(lpszName, RT_BITMAP);
        m_aBitmaps[i].Attach(::LoadBitmapW(hInst, lpszName));
    }
    ModifyStyle(0, OWNER_DRAW_STYLE, 0);
}

// Disabled chooses the bitmap over everything, checked over pressed; pressed and checked both
// shift the bitmap and push or check the frame.
void KaCBitmapButton::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    const UINT nState = lpDrawItemStruct->itemState;
    const bool bSelected = (nState & ODS_SELECTED) != 0;
    int nBitmap = BMP_NORMAL;
    UINT nFrame = DFCS_BUTTONPUSH;
    CPoint ptOffset(0, 0);
    if (bSelected)
    {
        nFrame = DFCS_BUTTONPUSH | DFCS_PUSHED;
        nBitmap = BMP_PRESSED;
        ptOffset = PRESSED_SHIFT;
    }
    if (m_bChecked)
    {
        nFrame = DFCS_BUTTONPUSH | DFCS_CHECKED | (bSelected ? DFCS_PUSHED : 0);
        nBitmap = BMP_CHECKED;
        ptOffset = PRESSED_SHIFT;
    }
    if (nState & ODS_DISABLED)
    {
        nFrame |= DFCS_INACTIVE;
        nBitmap = BMP_DISABLED;
    }

    CDC* pDC = CDC::FromHandle(lpDrawItemStruct->hDC);
    CRect rect(lpDrawItemStruct->rcItem);
    pDC->DrawFrameControl(&rect, DFC_BUTTON, nFrame);
    if (m_aBitmaps[nBitmap].GetSafeHandle() != NULL)
        DrawBitmapCentred(pDC, m_aBitmaps[nBitmap], rect, ptOffset);
}

// Only 1 checks the button; indeterminate and anything else count as unchecked.
LRESULT KaCBitmapButton::OnSetCheck(WPARAM wParam, LPARAM /*lParam*/)
{
    const bool bChecked = wParam == BST_CHECKED;
    if (bChecked != m_bChecked)
    {
        m_bChecked = bChecked;
        InvalidateRect(NULL, TRUE);
    }
    return Default();
}

// Copied opaquely; a bitmap larger than the button gets negative coordinates and is clipped.
void KaCBitmapButton::DrawBitmapCentred(CDC* pDC, CBitmap& bitmap, const CRect& rect, CPoint ptOffset)
{
    CDC memDC;
    if (!memDC.CreateCompatibleDC(pDC))
        return;
    CBitmap* pOldBitmap = memDC.SelectObject(&bitmap);
    BITMAP bm = {};
    bitmap.GetObject(sizeof(bm), &bm);
    const int x = ptOffset.x + (rect.Width() - bm.bmWidth) / 2;
    const int y = ptOffset.y + (rect.Height() - bm.bmHeight) / 2;
    pDC->BitBlt(x, y, bm.bmWidth, bm.bmHeight, &memDC, 0, 0, SRCCOPY);
    memDC.SelectObject(pOldBitmap);
    memDC.DeleteDC();
}
