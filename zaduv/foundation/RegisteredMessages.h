#ifndef ZADUV_FOUNDATION_REGISTEREDMESSAGES_H
#define ZADUV_FOUNDATION_REGISTEREDMESSAGES_H
// The registered messages the combo drop-down list sends to its list control, synchronously
// and with both parameters 0. They stay inside the library; the two a host sees are in
// ZaDUVDefs.h.

#include "foundation/ZaDUVDefs.h"

extern UINT WM_XCOMBOLIST_VK_RETURN;
extern UINT WM_XCOMBOLIST_VK_ESCAPE;
extern UINT WM_XCOMBOLIST_KEYDOWN;
extern UINT WM_XCOMBOLIST_LBUTTONUP;

#endif
