#include "StudyImage.h"

#include "PngFile.h"

#include <zaduv.h>

#include <algorithm>
#include <cmath>

namespace
{
double Ellipse(double u, double v, double cu, double cv, double ru, double rv)
{
    const double du = (u - cu) / ru;
    const double dv = (v - cv) / rv;
    return du * du + dv * dv;
}

// 1 well inside an ellipse, 0 outside, a soft edge between: tissue has no hard outlines.
double Inside(double u, double v, double cu, double cv, double ru, double rv, double soft)
{
    const double d = Ellipse(u, v, cu, cv, ru, rv);
    return std::min(1.0, std::max(0.0, (1.0 - d) / soft));
}
}

BOOL CStudyImage::WritePng(LPCWSTR lpszPath)
{
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bmi.bmiHeader.biWidth = kWidth;
    bmi.bmiHeader.biHeight = -kHeight;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    bmi.bmiHeader.biCompression = BI_RGB;
    void* pBits = NULL;
    HBITMAP hBitmap = ::CreateDIBSection(NULL, &bmi, DIB_RGB_COLORS, &pBits, NULL, 0);
    if (hBitmap == NULL)
        return FALSE;
    DWORD* pPixels = static_cast<DWORD*>(pBits);
    for (int y = 0; y < kHeight; ++y)
    {
        for (int x = 0; x < kWidth; ++x)
        {
            const DWORD g = Density(x, y);
            pPixels[y * kWidth + x] = (g << 16) | (g << 8) | g;
        }
    }
    CDC dc;
    dc.CreateCompatibleDC(NULL);
    HGDIOBJ hOld = dc.SelectObject(hBitmap);
    DrawAnnotations(&dc);
    dc.SelectObject(hOld);
    const BOOL bSaved = CPngFile::Save(lpszPath, hBitmap);
    ::DeleteObject(hBitmap);
    return bSaved;
}

BOOL CStudyImage::ShowIn(CPreviewCtrl& preview)
{
    WCHAR szFolder[MAX_PATH] = {};
    WCHAR szPath[MAX_PATH] = {};
    if (::GetTempPathW(MAX_PATH, szFolder) == 0 || ::GetTempFileNameW(szFolder, L"zst", 0, szPath) == 0)
        return FALSE;
    const BOOL bShown = WritePng(szPath) && preview.LoadDib(szPath) != 0;
    ::DeleteFileW(szPath);
    return bShown;
}

// Brighter where more is in the way: soft tissue, then the spine, heart and ribs over dark lungs.
BYTE CStudyImage::Density(int x, int y)
{
    const double u = (x - kWidth / 2.0) / (kWidth / 2.0);
    const double v = static_cast<double>(y) / kHeight;
    double a = 0.42 * Inside(u, v, 0.0, 0.62, 0.86, 0.62, 0.25);
    a += 0.10 * Inside(u, v, 0.0, 0.1, 0.34, 0.16, 0.5);
    const double lungs = std::max(Inside(u, v, -0.38, 0.46, 0.29, 0.3, 0.2), Inside(u, v, 0.38, 0.46, 0.29, 0.3, 0.2));
    a -= 0.24 * lungs;
    a += 0.26 * Inside(u, v, 0.0, 0.55, 0.1, 0.8, 0.3);
    a += 0.09 * Inside(u, v, 0.14, 0.62, 0.27, 0.15, 0.8);
    for (int k = 0; k < 9; ++k)
    {
        const double vRib = 0.2 + k * 0.058 + 0.16 * u * u - 0.03 * std::fabs(u);
        const double dist = std::fabs(v - vRib);
        if (dist < 0.007 && std::fabs(u) > 0.1 && std::fabs(u) < 0.72)
            a += (0.06 * lungs + 0.02) * (1.0 - dist / 0.007);
    }
    for (int side = -1; side <= 1; side += 2)
    {
        const double vClavicle = 0.15 + 0.06 * (side * u);
        if (std::fabs(v - vClavicle) < 0.012 && side * u > 0.08 && side * u < 0.55)
            a += 0.16;
    }
    const unsigned nHash = (static_cast<unsigned>(x) * 73856093u) ^ (static_cast<unsigned>(y) * 19349663u);
    a += ((nHash >> 7) % 17) / 800.0 - 0.01;
    a -= 0.12 * (u * u + (v - 0.5) * (v - 0.5));
    const int nGrey = static_cast<int>(20 + a * 300);
    return static_cast<BYTE>(std::min(245, std::max(6, nGrey)));
}

// The ruler in centimetres at 10 pixels each down the right edge, and the film's lettering.
void CStudyImage::DrawAnnotations(CDC* pDC)
{
    CPen pen(PS_SOLID, 1, RGB(235, 235, 235));
    CPen* pOldPen = pDC->SelectObject(&pen);
    CFont font;
    font.CreatePointFont(80, L"Tahoma");
    CFont* pOldFont = pDC->SelectObject(&font);
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(RGB(235, 235, 235));

    const int xRuler = kWidth - 14;
    pDC->MoveTo(xRuler, 40);
    pDC->LineTo(xRuler, kHeight - 40);
    for (int y = 40, n = 0; y <= kHeight - 40; y += 10, ++n)
    {
        const int nTick = n % 5 == 0 ? 10 : 5;
        pDC->MoveTo(xRuler - nTick, y);
        pDC->LineTo(xRuler + 1, y);
        if (n % 5 == 0)
        {
            CString strLabel;
            strLabel.Format(L"%d", n);
            CRect rectLabel(xRuler - 44, y - 7, xRuler - 13, y + 7);
            pDC->DrawText(strLabel, &rectLabel, DT_RIGHT | DT_VCENTER | DT_SINGLELINE);
        }
    }
    pDC->TextOut(xRuler - 10, kHeight - 36, CString(L"cm"));

    CFont fontMarker;
    fontMarker.CreatePointFont(200, L"Tahoma");
    pDC->SelectObject(&fontMarker);
    pDC->TextOut(18, 14, CString(L"R"));
    pDC->SelectObject(&font);
    pDC->TextOut(18, kHeight - 40, CString(L"PA ERECT  SYNTHETIC"));
    pDC->TextOut(18, kHeight - 24, CString(L"DOE, JANE  1961-04-17"));

    pDC->SelectObject(pOldFont);
    pDC->SelectObject(pOldPen);
}
