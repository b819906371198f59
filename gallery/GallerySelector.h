#ifndef ZADUV_GALLERY_GALLERYSELECTOR_H
#define ZADUV_GALLERY_GALLERYSELECTOR_H
// CGallerySelector: the owner-drawn list of page titles on the left of the frame.

#include <afxwin.h>

class CGallerySelector : public CListBox
{
public:
    CGallerySelector();
    virtual ~CGallerySelector();

    enum { kItemHeight = 30 };
    BOOL CreateSelector(const CRect& rect, CWnd* pParentWnd, UINT nID);

// Overridables
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
    virtual void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct);

// Implementation
protected:
    CFont m_font;
    CFont m_fontSelected;

    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    DECLARE_MESSAGE_MAP()
};

#endif
