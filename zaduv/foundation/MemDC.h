#ifndef ZADUV_FOUNDATION_MEMDC_H
#define ZADUV_FOUNDATION_MEMDC_H
// CMemDC: a drawing surface that stands in for a paint context for the length of one paint.
// Drawing goes into an off-screen bitmap the size of the target's clip box, in the target's
// logical coordinates; the destructor copies the bitmap onto the target in one block transfer.
// A printing target is not buffered: the surface borrows its handles and draws straight on it.
//
//     CPaintDC dc(this);
//     CMemDC memDC(&dc);      // declared after the paint context, so destroyed before it
//     Draw(&memDC);
//
// Used inside the library only; exported so that test and demonstration hosts can drive it.

#include <afxwin.h>
#include "foundation/ZaDUVDefs.h"

class ZADUV_API CMemDC : public CDC
{
public:
// Construction
    // pDC must not be null and must outlive the surface.
    explicit CMemDC(CDC* pDC);

// Implementation
public:
    virtual ~CMemDC();

private:
    CBitmap m_bitmap;           // the off-screen bitmap; empty when passing through
    CBitmap* m_oldBitmap;       // selected in the memory context before m_bitmap
    CDC* m_pDC;                 // the target, borrowed
    CRect m_rect;               // the target's clip box: the area buffered and copied back
    BOOL m_bMemDC;              // FALSE when the target is printing and drawing passes through
};

#endif
