#ifndef ZADUV_CONTROLS_COLORLISTBOX_H
#define ZADUV_CONTROLS_COLORLISTBOX_H
// CColorListBox: an owner-drawn list box whose items each carry their own text and background
// colours (normal and selected) and a data value of the caller's. The window needs
// LBS_OWNERDRAWFIXED | LBS_HASSTRINGS; LBS_USETABSTOPS expands tabs.

#include <afxwin.h>
#include <unordered_set>
#include "foundation/ZaDUVDefs.h"

// One per item added through CColorListBox; its address is the list box's item data.
struct COLORLISTITEM
{
    DWORD_PTR dwData;
    COLORREF crText;
    COLORREF crBk;
    COLORREF crSelText;
    COLORREF crSelBk;
};

class ZADUV_API CColorListBox : public CListBox
{
public:
// Construction
    CColorListBox();
    virtual ~CColorListBox();

// Attributes
    // An index outside the list, or an item without a record, answers (DWORD_PTR)-1.
    DWORD_PTR GetItemData(int nIndex) const;
    void* GetItemDataPtr(int nIndex) const;
    int SetItemData(int nIndex, DWORD_PTR dwItemData);
    int SetItemDataPtr(int nIndex, void* pData);
    DWORD_PTR GetSelectedItemData() const;
    // -1 for any of the last three leaves that colour; the text colour is always stored.
    void SetItemColor(int nIndex, COLORREF crText, COLORREF crBk, COLORREF crSelText, COLORREF crSelBk);
    // Takes effect at the next paint.
    void SetTabStop(int nTabStop);

// Operations
    int AddString(LPCTSTR lpszItem, COLORREF crText);
    int InsertString(int nIndex, LPCTSTR lpszItem, COLORREF crText);
    int DeleteString(UINT nIndex);
    void ResetContent();
    void SelectByItemData(DWORD_PTR dwData);

// Overridables
    virtual void PreSubclassWindow();
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
    virtual void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct);

// Implementation
protected:
    int m_nTabStop;

    int AddRecord(int nIndex, COLORREF crText);
    COLORLISTITEM* GetRecord(int nIndex) const;
    BOOL OwnsRecord(const COLORLISTITEM* pRecord) const;
    void FreeRecord(int nIndex);
    int GetItemHeightFromFont();
    void DrawItemText(CDC* pDC, const CString& strText, CRect rect);

    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()

private:
    // The records this control made: items added through the base class have none, and what
    // their item data holds is never read through.
    std::unordered_set<const COLORLISTITEM*> m_records;
};

#endif
