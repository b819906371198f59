#ifndef AFXTEMPL_H
#define AFXTEMPL_H
// Collection templates.
#include <afx.h>
#include <afx/Array.h>
#include <afx/List.h>
#endif
