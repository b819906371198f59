#ifndef ZADUV_PATIENTLIST_FILTERLISTENER_H
#define ZADUV_PATIENTLIST_FILTERLISTENER_H
// IFilterListener: what a filter edit tells the one object that filters for it.

#include <afx.h>

class IFilterListener
{
public:
    // The whole filter text as the user left it; the int is always 0 from CFilterEdit.
    virtual void FilterChanged(CString strFilter, int nReserved) = 0;
    // No virtual destructor: the listener belongs to the host, which never deletes it
    // through this interface.
};

#endif
