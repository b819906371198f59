// The imaging controls against plain GDI+ doing the same visible work: CPreviewCtrl::LoadDib of
// a generated 1,000 x 1,000 and 4,000 x 4,000 PNG against decoding the file to 32-bit ARGB
// pixels (target 1.5: the control's copy is one draw and it paints once); PaintDib of the large
// picture into a 400 x 300 control against one bare scaled draw into the same control (target
// 1.2); CBitmapFader::Draw of three layers against three bare draws with the same opacities
// (no target: the fader builds its colour matrix per layer and draw).

#include "BenchCase.h"
#include "PngFile.h"

#include <zaduv.h>
#include <gdiplus.h>

#include <vector>

using namespace Gdiplus;

namespace
{
// A picture with structure on every scale, so the encoder and decoder have real work.
BOOL WriteStudyPng(const CString& strPath, int cx, int cy)
{
    std::vector<DWORD> pixels(static_cast<size_t>(cx) * cy);
    for (int y = 0; y < cy; ++y)
        for (int x = 0; x < cx; ++x)
        {
            const DWORD g = static_cast<DWORD>((x * 255 / cx + y * 255 / cy) / 2) ^ static_cast<DWORD>((x ^ y) & 15);
            pixels[static_cast<size_t>(y) * cx + x] = (g << 16) | ((g * 3 / 4) << 8) | (255 - g);
        }
    return CPngFile::Save(strPath, pixels.data(), cx, cy);
}

CString TempPath(LPCWSTR lpszName)
{
    WCHAR szFolder[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, szFolder);
    return CString(szFolder) + lpszName;
}

class CPreviewProbe : public CPreviewCtrl
{
public:
    using CPreviewCtrl::m_pImage;
    using CPreviewCtrl::PaintDib;
};

// A visible popup with one subclassed static of the given size: drawing into a hidden window
// would cost nothing.
class CPreviewFixture
{
public:
    BOOL Create(int cx, int cy)
    {
        if (!m_wndParent.CreateEx(0, AfxRegisterWndClass(0), L"bench", WS_POPUP | WS_VISIBLE, 0, 0, cx + 20, cy + 20,
                NULL, NULL))
            return FALSE;
        HWND hWnd = ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_LEFT, 10, 10, cx, cy,
            m_wndParent.m_hWnd, NULL, AfxGetInstanceHandle(), NULL);
        return hWnd != NULL && m_preview.SubclassWindow(hWnd);
    }

    CWnd m_wndParent;
    CPreviewProbe m_preview;
};

class CBenchLoadDib : public CBenchCase
{
public:
    explicit CBenchLoadDib(int nSide) : m_nSide(nSide) {}
    virtual ~CBenchLoadDib() { ::DeleteFileW(m_strPath); }

    virtual std::string GetName() const { return "Imaging: CPreviewCtrl::LoadDib"; }
    virtual std::string GetSize() const { return std::to_string(m_nSide) + " x " + std::to_string(m_nSide) + " PNG"; }
    virtual std::string GetBaselineName() const { return "GDI+ decode to ARGB"; }
    virtual double GetTarget() const { return 1.5; }

    virtual BOOL SetUp()
    {
        m_strPath = TempPath(m_nSide > 1000 ? L"zaduv-bench-large.png" : L"zaduv-bench-small.png");
        return WriteStudyPng(m_strPath, m_nSide, m_nSide) && m_fixture.Create(64, 64);
    }
    virtual void RunOperation() { m_fixture.m_preview.LoadDib(m_strPath); }
    virtual void RunBaseline()
    {
        GpBitmap* pBitmap = NULL;
        if (DllExports::GdipCreateBitmapFromFile(m_strPath, &pBitmap) != Ok)
            return;
        BitmapData data = {};
        GpRect rect(0, 0, m_nSide, m_nSide);
        if (DllExports::GdipBitmapLockBits(pBitmap, &rect, ImageLockModeRead, PixelFormat32bppARGB, &data) == Ok)
            DllExports::GdipBitmapUnlockBits(pBitmap, &data);
        DllExports::GdipDisposeImage(pBitmap);
    }

private:
    int m_nSide;
    CString m_strPath;
    CPreviewFixture m_fixture;
};

class CBenchPaintDib : public CBenchCase
{
public:
    virtual std::string GetName() const { return "Imaging: CPreviewCtrl::PaintDib"; }
    virtual std::string GetSize() const { return "4000 x 4000 into 400 x 300"; }
    virtual std::string GetBaselineName() const { return "one bare GDI+ scaled draw"; }
    virtual double GetTarget() const { return 1.2; }

    virtual BOOL SetUp()
    {
        const CString strPath = TempPath(L"zaduv-bench-paint.png");
        const BOOL bReady = WriteStudyPng(strPath, 4000, 4000) && m_fixture.Create(400, 300)
            && m_fixture.m_preview.LoadDib(strPath) != 0;
        ::DeleteFileW(strPath);
        return bReady;
    }
    virtual void RunOperation() { m_fixture.m_preview.PaintDib(TRUE); }
    // The same centred, shrunk rectangle the control computes: 298 x 298 centred in the 398 x 298 inner area.
    virtual void RunBaseline()
    {
        CClientDC dc(&m_fixture.m_preview);
        GpGraphics* pGraphics = NULL;
        if (DllExports::GdipCreateFromHDC(dc.GetSafeHdc(), &pGraphics) != Ok)
            return;
        DllExports::GdipDrawImageRectRectI(pGraphics, m_fixture.m_preview.m_pImage, 51, 1, 298, 298, 0, 0, 4000, 4000,
            UnitPixel, NULL, NULL, NULL);
        DllExports::GdipDeleteGraphics(pGraphics);
    }

private:
    CPreviewFixture m_fixture;
};

// Three layers put in directly: a fader makes its own only from resources, which the benchmark
// host has none of.
class CFaderProbe : public CBitmapFader
{
public:
    CFaderProbe() : CBitmapFader(NULL) {}
    void AddLayer(GpBitmap* pBitmap, int nStep) { m_listFadeSteps.AddTail(SFadeStep{ pBitmap, 0, nStep }); }
};

class CBenchFaderDraw : public CBenchCase
{
public:
    CBenchFaderDraw() : m_hBitmap(NULL), m_pGraphics(NULL) {}
    virtual ~CBenchFaderDraw()
    {
        for (GpImageAttributes* pAttributes : { m_pAttributes[0], m_pAttributes[1] })
            if (pAttributes != NULL)
                DllExports::GdipDisposeImageAttributes(pAttributes);
        if (m_pGraphics != NULL)
            DllExports::GdipDeleteGraphics(m_pGraphics);
        if (m_dc.GetSafeHdc() != NULL)
            m_dc.SelectObject(m_hOldBitmap);
        if (m_hBitmap != NULL)
            ::DeleteObject(m_hBitmap);
    }

    virtual std::string GetName() const { return "Imaging: CBitmapFader::Draw"; }
    virtual std::string GetSize() const { return "3 layers 640 x 480 into 400 x 300"; }
    virtual std::string GetBaselineName() const { return "three bare GDI+ draws"; }

    virtual BOOL SetUp()
    {
        BITMAPINFO bmi = {};
        bmi.bmiHeader = { sizeof(BITMAPINFOHEADER), 400, -300, 1, 32, BI_RGB, 0, 0, 0, 0, 0 };
        void* pBits = NULL;
        m_hBitmap = ::CreateDIBSection(NULL, &bmi, DIB_RGB_COLORS, &pBits, NULL, 0);
        if (m_hBitmap == NULL || !m_dc.CreateCompatibleDC(NULL))
            return FALSE;
        m_hOldBitmap = m_dc.SelectObject(m_hBitmap);
        if (DllExports::GdipCreateFromHDC(m_dc.GetSafeHdc(), &m_pGraphics) != Ok)
            return FALSE;
        const int steps[] = { 10, 6, 2 };
        for (int i = 0; i < 3; ++i)
        {
            m_layers[i] = MakeLayer(RGB(60 * i, 255 - 80 * i, 120));
            if (m_layers[i] == NULL)
                return FALSE;
            m_fader.AddLayer(MakeLayer(RGB(60 * i, 255 - 80 * i, 120)), steps[i]);
        }
        for (int i = 0; i < 2; ++i)
        {
            ColorMatrix matrix = {};
            for (int k = 0; k < 5; ++k)
                matrix.m[k][k] = 1.0f;
            matrix.m[3][3] = steps[i + 1] / 10.0f;
            DllExports::GdipCreateImageAttributes(&m_pAttributes[i]);
            DllExports::GdipSetImageAttributesColorMatrix(m_pAttributes[i], ColorAdjustTypeDefault, TRUE, &matrix,
                NULL, ColorMatrixFlagsDefault);
        }
        return TRUE;
    }
    virtual void TearDown()
    {
        for (GpBitmap* pBitmap : m_layers)
            if (pBitmap != NULL)
                DllExports::GdipDisposeImage(pBitmap);
    }
    virtual void RunOperation() { m_fader.Draw(*m_pGraphics, CRect(0, 0, 400, 300)); }
    virtual void RunBaseline()
    {
        DllExports::GdipDrawImageRect(m_pGraphics, m_layers[0], 0, 0, 400, 300);
        for (int i = 0; i < 2; ++i)
            DllExports::GdipDrawImageRectRect(m_pGraphics, m_layers[i + 1], 0, 0, 400, 300, 0, 0, 640, 480,
                UnitPixel, m_pAttributes[i], NULL, NULL);
    }

private:
    static GpBitmap* MakeLayer(COLORREF cr)
    {
        GpBitmap* pBitmap = NULL;
        if (DllExports::GdipCreateBitmapFromScan0(640, 480, 0, PixelFormat32bppARGB, NULL, &pBitmap) != Ok)
            return NULL;
        GpGraphics* pGraphics = NULL;
        DllExports::GdipGetImageGraphicsContext(pBitmap, &pGraphics);
        DllExports::GdipGraphicsClear(pGraphics, 0xFF000000 | (GetRValue(cr) << 16) | (GetGValue(cr) << 8) | GetBValue(cr));
        DllExports::GdipDeleteGraphics(pGraphics);
        return pBitmap;
    }

    CFaderProbe m_fader;
    GpBitmap* m_layers[3] = {};
    HBITMAP m_hBitmap;
    HGDIOBJ m_hOldBitmap = NULL;
    CDC m_dc;
    GpGraphics* m_pGraphics;
    GpImageAttributes* m_pAttributes[2] = {};
};
}

REGISTER_BENCH_CASE(new CBenchLoadDib(1000));
REGISTER_BENCH_CASE(new CBenchLoadDib(4000));
REGISTER_BENCH_CASE(new CBenchPaintDib());
REGISTER_BENCH_CASE(new CBenchFaderDraw());
