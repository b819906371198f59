#ifndef ZADUV_IMAGING_BITMAPFADER_H
#define ZADUV_IMAGING_BITMAPFADER_H
// CBitmapFader: a picture in an area of a host window that cross-fades to another one. It is
// not a window: the host forwards timer m_ciFaderTimerId of its window to OnTimer and calls
// Draw from its paint handler. Layers may be set from another thread while the window draws.

#include <afxwin.h>
#include <afxtempl.h>
#include <afxmt.h>
#include "foundation/ZaDUVDefs.h"

namespace Gdiplus
{
class GpBitmap;
class GpGraphics;
}

class ZADUV_API CBitmapFader
{
public:
    // One layer; its opacity is nStep / 10.
    struct SFadeStep
    {
        Gdiplus::GpBitmap* pBitmap;     // owned; NULL when it could not be made
        UINT nBitmapId;                 // the resource it came from; 0 for a handed-in bitmap
        int nStep;                      // 1 to 10
    };

    static const UINT_PTR m_ciFaderTimerId;

// Construction
    explicit CBitmapFader(HWND hWnd);
    ~CBitmapFader();

// Operations
    // Each shows its bitmap alone and fully opaque at once; a bitmap object stays the caller's.
    void SetBitmap(UINT nBitmapId);
    void SetBitmap(Gdiplus::GpBitmap* pBitmap);
    void SetBitmap(CBitmap* pBitmap);
    // Lays the bitmap over the current ones and starts the fade timer; on the window's thread.
    void FadeTo(UINT nBitmapId);
    void OnTimer();
    // Only the size of rect counts: the picture is stretched into (0, 0, width, height).
    void Draw(Gdiplus::GpGraphics& graphics, const CRect& rect);

// Implementation
protected:
    HWND m_hWnd;
    CList<SFadeStep, const SFadeStep&> m_listFadeSteps;    // head is the bottom layer
    CCriticalSection m_csFadeSteps;

    void DeleteAllBitmaps();
    void ReplaceAllWith(const SFadeStep& step);
    void DrawTranslucent(Gdiplus::GpGraphics& graphics, const SFadeStep& step, float cx, float cy);
    static Gdiplus::GpBitmap* LoadResourceBitmap(UINT nBitmapId);
    static Gdiplus::GpBitmap* CloneWhole(Gdiplus::GpBitmap* pBitmap);

private:
    CBitmapFader(const CBitmapFader&) = delete;
    CBitmapFader& operator=(const CBitmapFader&) = delete;
};

#endif
