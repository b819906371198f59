#ifndef ZADUV_IMAGING_ANICURSOR_H
#define ZADUV_IMAGING_ANICURSOR_H
// CAniCursor: an animated cursor of the host's resources (type "ANICURSORS") painted frame by
// frame. It is not a window and starts no timer: the host ticks OnTimer every GetTimerMsec()
// milliseconds and repaints, calling Draw.

#include <afxwin.h>
#include "foundation/ZaDUVDefs.h"

class ZADUV_API CAniCursor
{
public:
// Construction
    CAniCursor();
    ~CAniCursor();

    // Hands the cursor over: the source keeps its frame but no longer owns a cursor, so no two
    // objects ever destroy the same one.
    CAniCursor& operator=(const CAniCursor& other);

// Attributes
    UINT GetTimerMsec() const;

// Operations
    // The frame index is kept. False, with no cursor held, for a missing or unusable resource.
    bool Load(UINT nResourceId);
    void OnTimer();
    void Draw(CDC* pDC, int x, int y, int cx, int cy);

// Implementation
protected:
    mutable HICON m_hCursor;    // owned; mutable so that assignment can take it from a const source
    int m_nFrame;               // 0 to 17

    void DestroyCursor();

private:
    CAniCursor(const CAniCursor&) = delete;
};

#endif
