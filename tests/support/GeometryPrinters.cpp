#include "GeometryPrinters.h"

void PrintTo(const CRect& rect, std::ostream* pStream)
{
    *pStream << "(" << rect.left << ", " << rect.top << ", " << rect.right << ", " << rect.bottom << ")";
}

void PrintTo(const CPoint& point, std::ostream* pStream)
{
    *pStream << "(" << point.x << ", " << point.y << ")";
}

void PrintTo(const CSize& size, std::ostream* pStream)
{
    *pStream << size.cx << " x " << size.cy;
}
