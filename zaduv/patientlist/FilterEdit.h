#ifndef ZADUV_PATIENTLIST_FILTEREDIT_H
#define ZADUV_PATIENTLIST_FILTEREDIT_H
// CFilterEdit: an edit control that hands its whole text to one listener one second after
// the last change. It filters nothing itself.

#include <afxwin.h>
#include "foundation/ZaDUVDefs.h"
#include "patientlist/FilterListener.h"

class ZADUV_API CFilterEdit : public CEdit
{
public:
// Construction
    CFilterEdit();
    virtual ~CFilterEdit();

// Operations
    // Replaces any earlier listener; the listener stays the caller's.
    void AddListener(IFilterListener* pListener);

// Implementation
protected:
    IFilterListener* m_pListener;   // not owned; NULL when none
    UINT_PTR m_nTimerId;            // what the last SetTimer returned, 0 before the first

    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnChange();
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()
};

#endif
