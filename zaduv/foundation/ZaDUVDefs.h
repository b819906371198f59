#ifndef ZADUV_FOUNDATION_ZADUVDEFS_H
#define ZADUV_FOUNDATION_ZADUVDEFS_H
// What every part of the library and every host sees first: the export macro, the two
// registered messages a list control sends to its parent, and the module's instance handle.

#include <afx.h>

#ifdef ZADUV_BUILDING
#define ZADUV_API __declspec(dllexport)
#else
#define ZADUV_API __declspec(dllimport)
#endif

// Registered when the module loads; a host compares incoming message numbers with these.
// Both are sent with the item index in WPARAM and the column index in LPARAM.
extern "C++" ZADUV_API UINT WM_XLISTCTRL_COMBO_SELECTION;
extern "C++" ZADUV_API UINT WM_XLISTCTRL_CHECKBOX_CLICKED;

// The instance handle of zaduv.dll itself, stored when the module attaches to the process;
// the library's own resources are loaded through it.
ZADUV_API HINSTANCE ZaDUVGetInstanceHandle();

#endif
