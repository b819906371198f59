#ifndef AFXMT_H
#define AFXMT_H
// Synchronisation objects.
#include <afx.h>
#include <afx/CriticalSection.h>
#endif
