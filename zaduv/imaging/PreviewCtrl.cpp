#include "imaging/PreviewCtrl.h"

#include <gdiplus.h>

using namespace Gdiplus;

BEGIN_MESSAGE_MAP(CPreviewCtrl, CStatic)
    ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

CPreviewCtrl::CPreviewCtrl()
    : m_pImage(NULL)
{
}

CPreviewCtrl::~CPreviewCtrl()
{
    DestroyImage();
}

int CPreviewCtrl::IsValidDib() const
{
    return m_pImage != NULL;
}

void CPreviewCtrl::SetNoImageText(LPCTSTR lpszText)
{
    m_strNoImageText = lpszText;
}

int CPreviewCtrl::LoadDib(LPCTSTR lpszPath)
{
    // A path that names nothing, or a folder, is a slip of the caller: keep what is shown.
    DWORD dwAttributes = lpszPath != NULL ? ::GetFileAttributesW(lpszPath) : INVALID_FILE_ATTRIBUTES;
    if (dwAttributes == INVALID_FILE_ATTRIBUTES || (dwAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
        return 0;

    DestroyImage();
    BeginWaitCursor();
    GpBitmap* pDecoded = NULL;
    try
    {
        if (DllExports::GdipCreateBitmapFromFile(lpszPath, &pDecoded) != Ok || pDecoded == NULL)
            AfxThrowFileException(CFileException::none, -1);
        CopyDecodedImage(pDecoded);
        EndWaitCursor();
    }
    catch (CException* e)
    {
        e->Delete();
        DestroyImage();
        EndWaitCursor();
    }
    catch (...)
    {
        DestroyImage();
        EndWaitCursor();
    }
    // The decoder holds the file open; only the copy outlives this call.
    if (pDecoded != NULL)
        DllExports::GdipDisposeImage(pDecoded);
    UpdateDib();
    return IsValidDib();
}

void CPreviewCtrl::RemoveDib()
{
    DestroyImage();
    UpdateDib();
}

void CPreviewCtrl::UpdateDib()
{
    PaintDib(m_pImage != NULL);
}

void CPreviewCtrl::PaintDib(int bDraw)
{
    ClearDib();
    CClientDC dc(this);
    CRect rectInner;
    GetClientRect(&rectInner);
    rectInner.InflateRect(-1, -1);
    if (bDraw && m_pImage != NULL)
        DrawImage(&dc, rectInner);
    else
        DrawNoImageText(&dc, rectInner);
}

void CPreviewCtrl::ClearDib()
{
    CClientDC dc(this);
    CRect rectInner;
    GetClientRect(&rectInner);
    rectInner.InflateRect(-1, -1);
    dc.FillSolidRect(&rectInner, ::GetSysColor(m_pImage != NULL ? COLOR_BTNFACE : COLOR_BTNSHADOW));
}

void CPreviewCtrl::DestroyImage()
{
    if (m_pImage != NULL)
    {
        DllExports::GdipDisposeImage(m_pImage);
        m_pImage = NULL;
    }
}

// Draws the decoded picture once into a new 32-bit ARGB bitmap that becomes m_pImage.
void CPreviewCtrl::CopyDecodedImage(GpBitmap* pDecoded)
{
    UINT nWidth = 0;
    UINT nHeight = 0;
    DllExports::GdipGetImageWidth(pDecoded, &nWidth);
    DllExports::GdipGetImageHeight(pDecoded, &nHeight);
    GpBitmap* pCopy = NULL;
    if (DllExports::GdipCreateBitmapFromScan0(static_cast<INT>(nWidth), static_cast<INT>(nHeight), 0,
            PixelFormat32bppARGB, NULL, &pCopy) != Ok || pCopy == NULL)
        AfxThrowMemoryException();
    m_pImage = pCopy;

    GpGraphics* pGraphics = NULL;
    GpImageAttributes* pAttributes = NULL;
    DllExports::GdipGetImageGraphicsContext(m_pImage, &pGraphics);
    DllExports::GdipCreateImageAttributes(&pAttributes);
    DllExports::GdipDrawImageRectRectI(pGraphics, pDecoded, 0, 0, nWidth, nHeight, 0, 0, nWidth, nHeight,
        UnitPixel, pAttributes, NULL, NULL);
    DllExports::GdipDisposeImageAttributes(pAttributes);
    DllExports::GdipDeleteGraphics(pGraphics);
}

// Shrinks a picture that does not fit, never enlarges one, and centres it in the inner area.
void CPreviewCtrl::DrawImage(CDC* pDC, const CRect& rectInner)
{
    const int cxInner = rectInner.Width();
    const int cyInner = rectInner.Height();
    if (cxInner <= 0 || cyInner <= 0)
        return;
    UINT nWidth = 0;
    UINT nHeight = 0;
    DllExports::GdipGetImageWidth(m_pImage, &nWidth);
    DllExports::GdipGetImageHeight(m_pImage, &nHeight);
    const int cxImage = static_cast<int>(nWidth);
    const int cyImage = static_cast<int>(nHeight);

    double dScale = 1.0;
    if (cxImage > cxInner || cyImage > cyInner)
    {
        double dRatioX = static_cast<double>(cxImage) / cxInner;
        double dRatioY = static_cast<double>(cyImage) / cyInner;
        dScale = 1.0 / (dRatioX >= dRatioY ? dRatioX : dRatioY);
    }
    const int cxDraw = static_cast<int>(cxImage * dScale);
    const int cyDraw = static_cast<int>(cyImage * dScale);
    const int x = (cxInner - cxDraw) / 2 + rectInner.left;
    const int y = (cyInner - cyDraw) / 2 + rectInner.top;

    GpGraphics* pGraphics = NULL;
    if (DllExports::GdipCreateFromHDC(pDC->GetSafeHdc(), &pGraphics) != Ok)
        return;
    DllExports::GdipDrawImageRectRectI(pGraphics, m_pImage, x, y, cxDraw, cyDraw, 0, 0, cxImage, cyImage,
        UnitPixel, NULL, NULL, NULL);
    DllExports::GdipDeleteGraphics(pGraphics);
}

// White text on button shadow, wrapped, centred in the inner area as one block.
void CPreviewCtrl::DrawNoImageText(CDC* pDC, const CRect& rectInner)
{
    CFont* pFont = GetFont();
    CFont* pOldFont = pFont != NULL ? pDC->SelectObject(pFont) : NULL;
    COLORREF crOldText = pDC->SetTextColor(RGB(255, 255, 255));
    COLORREF crOldBk = pDC->SetBkColor(::GetSysColor(COLOR_BTNSHADOW));

    CRect rectText(rectInner);
    pDC->DrawText(m_strNoImageText, &rectText, DT_CALCRECT | DT_WORDBREAK | DT_CENTER);
    rectText.OffsetRect((rectInner.Width() - rectText.Width()) / 2, (rectInner.Height() - rectText.Height()) / 2);
    pDC->DrawText(m_strNoImageText, &rectText, DT_WORDBREAK);

    if (pOldFont != NULL)
        pDC->SelectObject(pOldFont);
    pDC->SetTextColor(crOldText);
    pDC->SetBkColor(crOldBk);
}

HBRUSH CPreviewCtrl::CtlColor(CDC* pDC, UINT nCtlColor)
{
    UNUSED(pDC);
    UNUSED(nCtlColor);
    UpdateDib();
    return static_cast<HBRUSH>(::GetStockObject(HOLLOW_BRUSH));
}
