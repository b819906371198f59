#ifndef DUVAZI_SKINSTUBWND_H
#define DUVAZI_SKINSTUBWND_H
// CSkinStubWnd: what the skinned windows of the product share - the flags that say which parts
// of a window the skin takes over, and the colours of the flat skin. The colours are one palette
// for the whole process; skinned windows read it when they prepare their skin
// (OnInitSkinBitmapInfos).

#include <DuVaziDefs.h>
#include <afxwin.h>

class DUVAZI_API CSkinStubWnd
{
public:
    enum EFlags
    {
        SKIN_NONE       = 0x0000,   // the window keeps the system's look
        SKIN_TEXT       = 0x0001,   // static texts, check boxes and radio buttons write in the skin's text colour
        SKIN_BACKGROUND = 0x0002,   // the window and the backgrounds of its static controls take the skin's face colour
        SKIN_ALL        = SKIN_TEXT | SKIN_BACKGROUND
    };

    enum ESkinColor
    {
        colorFace = 0,      // window backgrounds
        colorText,          // text on the face
        colorHot,           // background of the item under the pointer
        colorPressed,       // background of a pressed or checked item
        colorBorder,        // frame of hot and pressed items
        colorDisabledText,
        colorCount
    };

// Attributes
    // CLR_INVALID for an unknown colour index.
    static COLORREF PASCAL GetSkinColor(int nColor);
    // Returns the previous colour; an unknown index changes nothing and returns CLR_INVALID.
    static COLORREF PASCAL SetSkinColor(int nColor, COLORREF crColor);
    static void PASCAL ResetSkinColors();

private:
    CSkinStubWnd() = delete;
};

#endif
