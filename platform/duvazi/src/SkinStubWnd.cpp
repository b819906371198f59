#include <SkinStubWnd.h>

namespace
{
// A light steel-blue face that keeps the controls' default black text readable.
const COLORREF s_aDefaultColors[CSkinStubWnd::colorCount] =
{
    RGB(0xE4, 0xEA, 0xF1),  // colorFace
    RGB(0x1F, 0x2D, 0x3D),  // colorText
    RGB(0xC5, 0xD9, 0xF1),  // colorHot
    RGB(0x9D, 0xBC, 0xE3),  // colorPressed
    RGB(0x4A, 0x6F, 0x9C),  // colorBorder
    RGB(0x8C, 0x96, 0xA0)   // colorDisabledText
};

COLORREF s_aSkinColors[CSkinStubWnd::colorCount] =
{
    s_aDefaultColors[0], s_aDefaultColors[1], s_aDefaultColors[2],
    s_aDefaultColors[3], s_aDefaultColors[4], s_aDefaultColors[5]
};
}

COLORREF PASCAL CSkinStubWnd::GetSkinColor(int nColor)
{
    if (nColor < 0 || nColor >= colorCount)
        return CLR_INVALID;
    return s_aSkinColors[nColor];
}

COLORREF PASCAL CSkinStubWnd::SetSkinColor(int nColor, COLORREF crColor)
{
    if (nColor < 0 || nColor >= colorCount)
        return CLR_INVALID;
    COLORREF crOld = s_aSkinColors[nColor];
    s_aSkinColors[nColor] = crColor;
    return crOld;
}

void PASCAL CSkinStubWnd::ResetSkinColors()
{
    for (int i = 0; i < colorCount; i++)
        s_aSkinColors[i] = s_aDefaultColors[i];
}
