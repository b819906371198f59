#ifndef ZADUV_GALLERY_GALLERYPAGE_H
#define ZADUV_GALLERY_GALLERYPAGE_H
// CGalleryPage: one page of the gallery, a child window of the frame's page area. A page shows
// its title and a line of description on top and, below them, either drawing (override
// OnDraw) or controls (create them in OnCreatePage). Every page registers itself from its own
// source file:
//
//     class CPageFoo : public CGalleryPage { ... };
//     REGISTER_GALLERY_PAGE(CPageFoo, 20, L"foo");
//
// The order number sorts the pages; the slug names the page's screenshot file.

#include <afxwin.h>
#include <vector>

class CGalleryPage : public CWnd
{
public:
    typedef CGalleryPage* (*PFNCREATEPAGE)();
    struct SPageEntry
    {
        int nOrder;
        LPCWSTR lpszSlug;
        PFNCREATEPAGE pfnCreate;
    };

// Construction
    CGalleryPage();
    virtual ~CGalleryPage();

    virtual BOOL Create(CWnd* pParentWnd, const CRect& rect);

    static void RegisterPage(int nOrder, LPCWSTR lpszSlug, PFNCREATEPAGE pfnCreate);
    static const std::vector<SPageEntry>& GetPages();    // sorted by order

// Attributes
    virtual CString GetTitle() const = 0;
    virtual CString GetDescription() const;
    // The part of the client area below the title, where the page draws or puts controls.
    CRect GetContentRect() const;

// Overridables
    // Puts the page into the state its screenshot shows; called once it is on the screen.
    virtual void PrepareScreenshot();
    // A page that shows more than one state gives one more picture per extra state: after the
    // first picture the gallery calls this with 0, 1, ... until it returns FALSE, and names
    // each picture after the page with strName appended.
    virtual BOOL PrepareExtraScreenshot(int nExtra, CString& strName);

protected:
    // Control pages create their controls here, inside GetContentRect().
    virtual BOOL OnCreatePage();
    // Drawn pages draw here, inside GetContentRect(); the DC is restored afterwards.
    virtual void OnDraw(CDC* pDC);

// Implementation
protected:
    enum { kMargin = 20, kHeaderHeight = 64 };

    // Fonts shared by the pages' drawing: text, bold text, small print and the page title.
    CFont m_fontText;
    CFont m_fontBold;
    CFont m_fontSmall;
    CFont m_fontTitle;

    void CreateFonts();
    void DrawPage(CDC* pDC);
    void DrawHeader(CDC* pDC);

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnPaint();
    afx_msg LRESULT OnPrintClient(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};

template <class TPage>
class CGalleryPageRegistration
{
public:
    CGalleryPageRegistration(int nOrder, LPCWSTR lpszSlug)
    {
        CGalleryPage::RegisterPage(nOrder, lpszSlug, &CreatePage);
    }

private:
    static CGalleryPage* CreatePage() { return new TPage; }
};

#define REGISTER_GALLERY_PAGE(pageClass, nOrder, lpszSlug) \
    static const CGalleryPageRegistration<pageClass> s_registration##pageClass(nOrder, lpszSlug)

#endif
