#include "foundation/MemDC.h"

CMemDC::CMemDC(CDC* pDC)
    : CDC(), m_oldBitmap(NULL), m_pDC(pDC)
{
    ASSERT(m_pDC != NULL);
    m_bMemDC = !pDC->IsPrinting();

    if (m_bMemDC)
    {
        pDC->GetClipBox(&m_rect);
        // An empty clip box gives no usable bitmap; drawing is then lost and the copy moves
        // nothing, which leaves the target as it was.
        CreateCompatibleDC(pDC);
        m_bitmap.CreateCompatibleBitmap(pDC, m_rect.Width(), m_rect.Height());
        m_oldBitmap = SelectObject(&m_bitmap);
        SetWindowOrg(m_rect.left, m_rect.top);
    }
    else
    {
        m_bPrinting = pDC->m_bPrinting;
        m_hDC = pDC->m_hDC;
        m_hAttribDC = pDC->m_hAttribDC;
    }
}

CMemDC::~CMemDC()
{
    if (m_bMemDC)
    {
        m_pDC->BitBlt(m_rect.left, m_rect.top, m_rect.Width(), m_rect.Height(),
            this, m_rect.left, m_rect.top, SRCCOPY);
        SelectObject(m_oldBitmap);
    }
    else
    {
        // The handles are the target's: the base must not delete them.
        m_hDC = m_hAttribDC = NULL;
    }
    // m_bitmap deletes its bitmap next, then the base deletes the memory context.
}
