#ifndef AFXWIN_H
#define AFXWIN_H
// Windows, dialogs, the application object and GDI.
#include <afx.h>
#include <afx/GdiObject.h>
#include <afx/DC.h>
#include <afx/UserException.h>
#include <afx/CmdTarget.h>
#include <afx/CmdUI.h>
#include <afx/Menu.h>
#include <afx/Wnd.h>
#include <afx/Dialog.h>
#include <afx/WinApp.h>
#include <afx/StdCtrls.h>
#include <afx/FrameWnd.h>
#include <afx/MiniFrameWnd.h>
#endif
