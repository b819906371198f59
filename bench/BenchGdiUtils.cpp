// CGdiUtils::DrawVerticalColoredLine against FillRect painting the same one-pixel-wide column.
// The line makes, selects and destroys one pen per row by design, so no target applies: the
// ratio shows what that costs.

#include "BenchCase.h"

#include <zaduv.h>

namespace
{
class CBenchVerticalColoredLine : public CBenchCase
{
public:
    CBenchVerticalColoredLine(int nRows, int nPenWidth)
        : m_nRows(nRows), m_nPenWidth(nPenWidth), m_hBitmap(NULL), m_hOldBitmap(NULL)
    {
    }

    virtual std::string GetName() const
    {
        return m_nPenWidth == 1 ? "DrawVerticalColoredLine"
                                : "DrawVerticalColoredLine/w" + std::to_string(m_nPenWidth);
    }
    virtual std::string GetSize() const { return std::to_string(m_nRows) + " rows"; }
    virtual std::string GetBaselineName() const { return "FillRect, one brush"; }

    virtual BOOL SetUp()
    {
        // A 32-bit DIB section: the memory DC draws in process, as an off-screen buffer does.
        BITMAPINFO bmi = {};
        bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        bmi.bmiHeader.biWidth = 16 + m_nPenWidth;
        bmi.bmiHeader.biHeight = -(m_nRows + m_nPenWidth);
        bmi.bmiHeader.biPlanes = 1;
        bmi.bmiHeader.biBitCount = 32;
        bmi.bmiHeader.biCompression = BI_RGB;
        void* pBits = NULL;
        if (!m_dc.CreateCompatibleDC(NULL))
            return FALSE;
        m_hBitmap = ::CreateDIBSection(m_dc.GetSafeHdc(), &bmi, DIB_RGB_COLORS, &pBits, NULL, 0);
        if (m_hBitmap == NULL)
            return FALSE;
        m_hOldBitmap = m_dc.SelectObject(m_hBitmap);
        return m_brush.CreateSolidBrush(RGB(255, 0, 0));
    }

    virtual void TearDown()
    {
        if (m_hOldBitmap != NULL)
            m_dc.SelectObject(m_hOldBitmap);
        if (m_hBitmap != NULL)
            ::DeleteObject(m_hBitmap);
        m_dc.DeleteDC();
        m_brush.DeleteObject();
    }

    virtual void RunOperation()
    {
        CGdiUtils::DrawVerticalColoredLine(&m_dc, m_nPenWidth, CPoint(8, 0), m_nRows, RGB(0, 0, 0), RGB(255, 0, 0));
    }

    virtual void RunBaseline()
    {
        CRect rect(8, 0, 8 + m_nPenWidth, m_nRows);
        m_dc.FillRect(&rect, &m_brush);
    }

private:
    int m_nRows;
    int m_nPenWidth;
    CDC m_dc;
    CBrush m_brush;
    HBITMAP m_hBitmap;
    HGDIOBJ m_hOldBitmap;
};
}

REGISTER_BENCH_CASE(new CBenchVerticalColoredLine(64, 1));
