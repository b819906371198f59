#ifndef ZADUV_GALLERY_GALLERYSTYLE_H
#define ZADUV_GALLERY_GALLERYSTYLE_H
// The gallery's colours, so that every page looks like one application.

#include <windows.h>

namespace GalleryStyle
{
const COLORREF crPage = RGB(255, 255, 255);
const COLORREF crHeader = RGB(244, 246, 249);
const COLORREF crRule = RGB(214, 219, 226);
const COLORREF crTitle = RGB(28, 48, 82);
const COLORREF crText = RGB(48, 52, 58);
const COLORREF crMuted = RGB(112, 118, 128);
const COLORREF crCanvas = RGB(249, 250, 252);
const COLORREF crCanvasBorder = RGB(210, 215, 223);
const COLORREF crGuide = RGB(226, 230, 236);
const COLORREF crBefore = RGB(150, 156, 166);
const COLORREF crAfterFill = RGB(164, 198, 240);
const COLORREF crAfterEdge = RGB(38, 98, 178);
const COLORREF crReference = RGB(226, 132, 36);
const COLORREF crSelector = RGB(236, 240, 245);
}

#endif
