#ifndef ZADUV_GALLERY_GALLERYFRAME_H
#define ZADUV_GALLERY_GALLERYFRAME_H
// CGalleryFrame: the gallery's main window, the list of pages on the left and the selected
// page on the right. Every page has an object for its title; only the selected one has a
// window, and a page's object is made anew each time it is shown again.

#include <afxwin.h>
#include <memory>
#include <vector>

#include "GallerySelector.h"

class CGalleryPage;

class CGalleryFrame : public CWnd
{
public:
// Construction
    CGalleryFrame();
    virtual ~CGalleryFrame();

    enum { kClientWidth = 900, kClientHeight = 640, kSelectorWidth = 200 };
    BOOL CreateFrame(int nCmdShow);

// Attributes
    int GetPageCount() const { return static_cast<int>(m_pages.size()); }
    CGalleryPage* GetPage(int nPage) const;
    int GetCurrentPage() const { return m_nCurrentPage; }
    CString GetPageSlug(int nPage) const;

// Operations
    BOOL ShowPage(int nPage);
    // Answers the monkey's question for the live object counts from now on.
    void AnswerLiveObjectCounts() { m_bAnswerCounts = TRUE; }

// Implementation
protected:
    enum { IDC_PAGE_LIST = 100 };

    std::vector<std::unique_ptr<CGalleryPage>> m_pages;
    int m_nCurrentPage;
    BOOL m_bAnswerCounts;
    CGallerySelector m_listPages;

    CRect GetPageRect() const;
    void LayoutChildren();
    void DestroyCurrentPage();

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnSelChangePages();
    afx_msg LRESULT OnQueryLiveObjects(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};

#endif
