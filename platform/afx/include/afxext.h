#ifndef AFXEXT_H
#define AFXEXT_H
// Extension classes: control bars and toolbars.
#include <afxwin.h>
#include <afxcmn.h>
#include <afx/ControlBar.h>
#include <afx/ToolBar.h>
// The docking machinery of frames and bars.
#include <afx/DockBar.h>
#include <afx/MiniDockFrameWnd.h>
#include <afx/DockContext.h>
#endif
