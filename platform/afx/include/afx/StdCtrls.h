#ifndef AFX_STDCTRLS_H
#define AFX_STDCTRLS_H
// The standard controls: CStatic, CButton, CEdit, CScrollBar, CListBox, CComboBox.
#include <afx/Static.h>
#include <afx/Button.h>
#include <afx/Edit.h>
#include <afx/ScrollBar.h>
#include <afx/ListBox.h>
#include <afx/ComboBox.h>
#endif
