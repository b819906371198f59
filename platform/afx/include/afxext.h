#ifndef AFXEXT_H
#define AFXEXT_H
// Extension classes: control bars and toolbars.
#include <afxwin.h>
#include <afxcmn.h>
#include <afx/ControlBar.h>
#include <afx/ToolBar.h>
#endif
