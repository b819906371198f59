#ifndef AFX_H
#define AFX_H
// Core of the framework: objects, strings, geometry, exceptions, files and pointer lists.
#include <afx/AfxDefs.h>
#include <afx/Object.h>
#include <afx/AfxString.h>
#include <afx/Rect.h>
#include <afx/Exception.h>
#include <afx/File.h>
#include <afx/PtrList.h>
#endif
