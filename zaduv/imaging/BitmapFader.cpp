#include "imaging/BitmapFader.h"

#include <gdiplus.h>

using namespace Gdiplus;

namespace
{
const int OPAQUE_STEP = 10;
const UINT FADE_PERIOD_MS = 50;
}

const UINT_PTR CBitmapFader::m_ciFaderTimerId = 2;

CBitmapFader::CBitmapFader(HWND hWnd)
    : m_hWnd(hWnd), m_listFadeSteps(10)
{
}

CBitmapFader::~CBitmapFader()
{
    DeleteAllBitmaps();
}

void CBitmapFader::SetBitmap(UINT nBitmapId)
{
    GpBitmap* pBitmap = LoadResourceBitmap(nBitmapId);
    ReplaceAllWith(SFadeStep{ pBitmap, nBitmapId, OPAQUE_STEP });
}

void CBitmapFader::SetBitmap(GpBitmap* pBitmap)
{
    ReplaceAllWith(SFadeStep{ CloneWhole(pBitmap), 0, OPAQUE_STEP });
}

void CBitmapFader::SetBitmap(CBitmap* pBitmap)
{
    HBITMAP hBitmap = pBitmap != NULL ? static_cast<HBITMAP>(pBitmap->GetSafeHandle()) : NULL;
    GpBitmap* pTemporary = NULL;
    DllExports::GdipCreateBitmapFromHBITMAP(hBitmap, NULL, &pTemporary);
    GpBitmap* pClone = CloneWhole(pTemporary);
    ReplaceAllWith(SFadeStep{ pClone, 0, OPAQUE_STEP });
    if (pTemporary != NULL)
        DllExports::GdipDisposeImage(pTemporary);
}

void CBitmapFader::FadeTo(UINT nBitmapId)
{
    CSingleLock lock(&m_csFadeSteps, TRUE);
    int nStep = OPAQUE_STEP;
    if (!m_listFadeSteps.IsEmpty())
    {
        const SFadeStep& shown = m_listFadeSteps.GetHead();
        if (m_listFadeSteps.GetCount() == 1 && shown.nBitmapId == nBitmapId && shown.nStep == OPAQUE_STEP)
            return;
        nStep = 1;
    }
    m_listFadeSteps.AddTail(SFadeStep{ LoadResourceBitmap(nBitmapId), nBitmapId, nStep });
    // Without a window a timer would belong to the thread, under an id of the system's choice
    // that KillTimer never stops.
    if (m_hWnd != NULL)
        ::SetTimer(m_hWnd, m_ciFaderTimerId, FADE_PERIOD_MS, NULL);
}

// One step more opacity for every layer still fading; a layer covered by a fully opaque one
// is dropped.
void CBitmapFader::OnTimer()
{
    INT_PTR nLayers = 0;
    {
        CSingleLock lock(&m_csFadeSteps, TRUE);
        for (POSITION pos = m_listFadeSteps.GetHeadPosition(); pos != NULL;)
        {
            SFadeStep& step = m_listFadeSteps.GetNext(pos);
            if (step.nStep < OPAQUE_STEP)
                ++step.nStep;
        }
        while (m_listFadeSteps.GetCount() >= 2)
        {
            POSITION posAbove = m_listFadeSteps.GetHeadPosition();
            m_listFadeSteps.GetNext(posAbove);
            if (m_listFadeSteps.GetAt(posAbove).nStep != OPAQUE_STEP)
                break;
            SFadeStep bottom = m_listFadeSteps.RemoveHead();
            if (bottom.pBitmap != NULL)
                DllExports::GdipDisposeImage(bottom.pBitmap);
        }
        nLayers = m_listFadeSteps.GetCount();
    }
    if (m_hWnd == NULL)
        return;     // invalidating no window would invalidate every window on the screen
    if (nLayers == 1)
        ::KillTimer(m_hWnd, m_ciFaderTimerId);
    ::InvalidateRect(m_hWnd, NULL, TRUE);
}

void CBitmapFader::Draw(GpGraphics& graphics, const CRect& rect)
{
    const REAL cx = static_cast<REAL>(rect.Width());
    const REAL cy = static_cast<REAL>(rect.Height());
    CSingleLock lock(&m_csFadeSteps, TRUE);
    for (POSITION pos = m_listFadeSteps.GetHeadPosition(); pos != NULL;)
    {
        const SFadeStep& step = m_listFadeSteps.GetNext(pos);
        if (step.pBitmap == NULL)
            continue;
        if (step.nStep == OPAQUE_STEP)
            DllExports::GdipDrawImageRect(&graphics, step.pBitmap, 0, 0, cx, cy);
        else
            DrawTranslucent(graphics, step, cx, cy);
    }
}

void CBitmapFader::DeleteAllBitmaps()
{
    CSingleLock lock(&m_csFadeSteps, TRUE);
    for (POSITION pos = m_listFadeSteps.GetHeadPosition(); pos != NULL;)
    {
        const SFadeStep& step = m_listFadeSteps.GetNext(pos);
        if (step.pBitmap != NULL)
            DllExports::GdipDisposeImage(step.pBitmap);
    }
    m_listFadeSteps.RemoveAll();
}

void CBitmapFader::ReplaceAllWith(const SFadeStep& step)
{
    CSingleLock lock(&m_csFadeSteps, TRUE);
    DeleteAllBitmaps();
    m_listFadeSteps.AddTail(step);
}

// The layer's own alpha scaled by its opacity through the colour matrix.
void CBitmapFader::DrawTranslucent(GpGraphics& graphics, const SFadeStep& step, float cx, float cy)
{
    GpImageAttributes* pAttributes = NULL;
    if (DllExports::GdipCreateImageAttributes(&pAttributes) != Ok)
        return;
    ColorMatrix matrix = {};
    for (int i = 0; i < 5; ++i)
        matrix.m[i][i] = 1.0f;
    matrix.m[3][3] = static_cast<REAL>(step.nStep / 10.0);
    DllExports::GdipResetImageAttributes(pAttributes, ColorAdjustTypeDefault);
    DllExports::GdipSetImageAttributesColorMatrix(pAttributes, ColorAdjustTypeDefault, TRUE, &matrix, NULL,
        ColorMatrixFlagsDefault);
    UINT nWidth = 0;
    UINT nHeight = 0;
    DllExports::GdipGetImageWidth(step.pBitmap, &nWidth);
    DllExports::GdipGetImageHeight(step.pBitmap, &nHeight);
    DllExports::GdipDrawImageRectRect(&graphics, step.pBitmap, 0, 0, cx, cy, 0, 0,
        static_cast<REAL>(nWidth), static_cast<REAL>(nHeight), UnitPixel, pAttributes, NULL, NULL);
    DllExports::GdipDisposeImageAttributes(pAttributes);
}

// The host's bitmap resource, looked for along its resource chain; NULL when there is none.
GpBitmap* CBitmapFader::LoadResourceBitmap(UINT nBitmapId)
{
    LPCTSTR lpszName = MAKEINTRESOURCE(LOWORD(nBitmapId));
    HINSTANCE hInstance = AfxFindResourceHandle(lpszName, RT_BITMAP);
    GpBitmap* pBitmap = NULL;
    if (DllExports::GdipCreateBitmapFromResource(hInstance, lpszName, &pBitmap) != Ok)
        pBitmap = NULL;
    return pBitmap;
}

GpBitmap* CBitmapFader::CloneWhole(GpBitmap* pBitmap)
{
    if (pBitmap == NULL)
        return NULL;
    UINT nWidth = 0;
    UINT nHeight = 0;
    DllExports::GdipGetImageWidth(pBitmap, &nWidth);
    DllExports::GdipGetImageHeight(pBitmap, &nHeight);
    GpBitmap* pClone = NULL;
    if (DllExports::GdipCloneBitmapAreaI(0, 0, static_cast<INT>(nWidth), static_cast<INT>(nHeight), 0, pBitmap,
            &pClone) != Ok)
        pClone = NULL;
    return pClone;
}
