#ifndef AFXCMN_H
#define AFXCMN_H
// Common controls.
#include <afxwin.h>
#include <afx/ImageList.h>
#include <afx/HeaderCtrl.h>
#include <afx/ListCtrl.h>
#include <afx/ToolBarCtrl.h>
#endif
