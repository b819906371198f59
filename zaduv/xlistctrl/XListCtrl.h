#ifndef ZADUV_XLISTCTRL_XLISTCTRL_H
#define ZADUV_XLISTCTRL_XLISTCTRL_H
// CXListCtrl: a report-view list control whose cells carry more than text: a check box, a
// drop-down combo box, a progress bar, an image, their own colours, bold text, an enabled flag
// and a tool-tip text. Each item owns one XLISTCTRLDATA record per column (allocated at its
// insertion, addressed by the item's lParam); element 0 also holds the item's enabled flag and
// the caller's item data.
//
// The host subclasses a report-view list of its dialog (or creates one), inserts every column
// first, then inserts and edits items only through this class. The parent receives
// WM_XLISTCTRL_CHECKBOX_CLICKED when a click toggles a check box and
// WM_XLISTCTRL_COMBO_SELECTION when a drop-down choice is committed (item in WPARAM, column in
// LPARAM). Tool tips show once the host calls EnableToolTips on the control.

#include <afxcmn.h>
#include "foundation/ZaDUVDefs.h"
#include "xlistctrl/XListComboData.h"
#include "xlistctrl/XSortedHeaderCtrl.h"

class CXComboList;

struct XLISTCTRLDATA
{
    XLISTCTRLDATA();
    ~XLISTCTRLDATA();

    BOOL bEnabled;              // element 0: also the item's enabled flag
    BOOL bBold;
    int nImage;                 // small image list index, -1 none
    CString strToolTip;
    BOOL bCombo;
    BOOL bComboButtonDown;
    CXListComboData* pComboItems;   // owned
    int nComboListRows;
    int nComboSel;
    COLORREF crText;
    COLORREF crBackground;
    BOOL bProgress;
    int nProgressPercent;
    CString strProgressText;    // a format pattern with one integer conversion
    BOOL bShowProgressText;
    int nCheckState;            // -1 none, 0 unchecked, 1 checked, 2 indeterminate
    DWORD_PTR dwItemData;       // element 0 only

private:
    XLISTCTRLDATA(const XLISTCTRLDATA&) = delete;
    XLISTCTRLDATA& operator=(const XLISTCTRLDATA&) = delete;
};

class ZADUV_API CXListCtrl : public CListCtrl
{
public:
// Construction
    CXListCtrl();
    virtual ~CXListCtrl();

// Attributes
    int GetColumns();
    int GetCurSel();
    virtual BOOL SetCurSel(int nItem);

    DWORD_PTR GetItemData(int nItem);
    BOOL SetItemData(int nItem, DWORD_PTR dwData);

    BOOL SetItemText(int nItem, int nSubItem, LPCTSTR lpszText);
    // A colour of -1 stands for the control's window text or window colour.
    BOOL SetItemText(int nItem, int nSubItem, LPCTSTR lpszText, COLORREF crText, COLORREF crBackground);
    // Stores both colours as given (-1 included) and repaints the whole control when either changed.
    void SetItemColor(int nItem, int nSubItem, COLORREF crText, COLORREF crBackground);
    // The cell's background colour.
    COLORREF GetItemColor(int nItem, int nSubItem);
    BOOL SetItemImage(int nItem, int nSubItem, int nImage);
    BOOL SetBold(int nItem, int nSubItem, BOOL bBold);
    BOOL GetBold(int nItem, int nSubItem);
    BOOL SetEnabled(int nItem, BOOL bEnable);
    // Column 0's flag is the item's flag.
    BOOL SetEnabled(int nItem, int nSubItem, BOOL bEnable);
    BOOL GetEnabled(int nItem);

    BOOL SetCheckbox(int nItem, int nSubItem, int nCheckedState);
    int GetCheckbox(int nItem, int nSubItem);
    int CountCheckedItems(int nSubItem);
    // A header check box is the header item's image: 0 none, 1 unchecked, 2 checked.
    int GetHeaderCheckedState(int nSubItem);
    BOOL SetHeaderCheckedState(int nSubItem, int nCheckedState);

    BOOL SetProgress(int nItem, int nSubItem, BOOL bShowProgressText = TRUE, LPCTSTR lpszProgressText = NULL);
    void UpdateProgress(int nItem, int nSubItem, int nPercent);
    void DeleteProgress(int nItem, int nSubItem);

    // The combo queries check the item through its record only; the caller passes a valid column.
    BOOL SetComboBox(int nItem, int nSubItem, BOOL bEnableCombo, const CXListComboData& comboItems,
        int nComboListRows, int nInitialComboSel);
    BOOL IsComboBoxItem(int nItem, int nSubItem) const;
    int GetComboSel(int nItem, int nSubItem) const;
    int GetComboItemCount(int nItem, int nSubItem) const;
    int GetComboItemData(int nItem, int nSubItem, int nComboItem) const;
    int GetSelectedComboItemData(int nItem, int nSubItem) const;
    void SetComboSelByData(int nItem, int nSubItem, int nData);
    CString GetComboText(int nItem, int nSubItem);

    BOOL SetItemToolTipText(int nItem, int nSubItem, LPCTSTR lpszToolTipText);
    CString GetItemToolTipText(int nItem, int nSubItem);
    void DeleteAllToolTips();

    DWORD SetExtendedStyleX(DWORD dwNewStyle);
    DWORD GetExtendedStyleX() { return m_dwExtendedStyleX; }
    void SetEmptyMessageText(LPCTSTR lpszEmptyMessage) { m_strEmptyMessage = lpszEmptyMessage; }

    // Column 0's bounds end where column 1 begins.
    BOOL GetSubItemRect(int nItem, int nSubItem, int nArea, CRect& rect);

// Operations
    int InsertItem(const LVITEM* pItem);
    int InsertItem(int nItem, LPCTSTR lpszItem);
    int InsertItem(int nItem, LPCTSTR lpszItem, COLORREF crText, COLORREF crBackground);
    BOOL DeleteItem(int nItem);
    BOOL DeleteAllItems();
    BOOL SetItem(const LVITEM* pItem);
    // pfnCompare receives the item data given to SetItemData, as with a plain list control.
    BOOL SortItems(PFNLVCOMPARE pfnCompare, DWORD_PTR dwData);

    // nSubItem -1 repaints the whole item.
    virtual void UpdateSubItem(int nItem, int nSubItem);

// Overridables
    // Called after a drop-down choice has been committed to a cell and the parent told.
    virtual void ComboboxItemChanged(int nItem, int nSubItem, int nComboSel);
    virtual INT_PTR OnToolHitTest(CPoint point, TOOLINFO* pTI) const;

// Implementation
protected:
    virtual void PreSubclassWindow();
    void SubclassHeaderControl();

    XLISTCTRLDATA* GetRecords(int nItem) const;
    // The record of a cell: NULL without records or when the column lies beyond them.
    XLISTCTRLDATA* GetCell(int nItem, int nSubItem) const;
    BOOL IsValidItem(int nItem) const;
    BOOL IsValidCell(int nItem, int nSubItem);
    int InsertRecords(int nItem);
    void ReleaseRecords(int nItem);
    void StoreCheckState(XLISTCTRLDATA* pCell, int nSubItem, int nCheckState);
    void UpdateHeaderCheckState(int nSubItem);
    void ReadSysColors();

    // Painting
    void GetDrawColors(int nItem, int nSubItem, COLORREF& crText, COLORREF& crBkgnd);
    void DrawProgress(int nItem, int nSubItem, CDC* pDC, COLORREF crText, COLORREF crBkgnd,
        CRect& rect, XLISTCTRLDATA* pXLCD);
    void DrawComboBox(int nItem, int nSubItem, CDC* pDC, COLORREF crText, COLORREF crBkgnd,
        CRect& rect, XLISTCTRLDATA* pXLCD);
    void DrawCheckbox(int nItem, int nSubItem, CDC* pDC, COLORREF crText, COLORREF crBkgnd,
        CRect& rect, XLISTCTRLDATA* pXLCD);
    int DrawImage(int nItem, int nSubItem, CDC* pDC, COLORREF crText, COLORREF crBkgnd,
        CRect rect, XLISTCTRLDATA* pXLCD);
    void DrawTextW(int nItem, int nSubItem, CDC* pDC, COLORREF crText, COLORREF crBkgnd,
        CRect rect, XLISTCTRLDATA* pXLCD);
    CString FormatProgressText(const XLISTCTRLDATA& cell) const;

    // Interaction
    void OpenComboList(int nItem, int nSubItem, XLISTCTRLDATA* pXLCD, CDC* pDC, const CRect& rect,
        CString strText);
    void UnpressComboButton();
    int ItemFromPoint(CPoint point);
    void ToggleCheckbox(int nItem, int nSubItem, XLISTCTRLDATA* pCell);
    void PressComboButton(int nItem, int nSubItem, XLISTCTRLDATA* pCell);
    void EscapeAndDefault();
    void DestroyComboList();
    void CommitComboSelection();
    void PreviewComboSelection();
    // Sends to the parent (or the owner); FALSE when the control or its window went away meanwhile.
    BOOL NotifyParent(UINT message, int nItem, int nSubItem);

    CXSortedHeaderCtrl m_HeaderCtrl;
    BOOL m_bHeaderSubclassed;
    DWORD m_dwExtendedStyleX;
    COLORREF m_cr3DFace;
    COLORREF m_cr3DHighLight;
    COLORREF m_cr3DShadow;
    COLORREF m_crBtnFace;
    COLORREF m_crBtnShadow;
    COLORREF m_crBtnText;
    COLORREF m_crGrayText;
    COLORREF m_crHighLight;
    COLORREF m_crHighLightText;
    COLORREF m_crWindow;
    COLORREF m_crWindowText;
    CString m_strEmptyMessage;
    BOOL m_bComboButtonClicked;
    int m_nComboItem;
    int m_nComboSubItem;
    CRect m_rcComboButton;      // client coordinates
    CRect m_rcComboList;        // screen coordinates
    CXComboList* m_pComboList;  // owned
    CFont m_fontComboList;
    BOOL m_bComboFontCreated;
    CString m_strComboInitialText;

    // Checked cells per column, kept as cells change so that the header check needs no scan.
    CArray<int, int> m_arrCheckedCount;
    // Frames of NotifyParent calls in progress; the destructor marks them all.
    struct SNotifyFrame
    {
        BOOL bDestroyed;
        SNotifyFrame* pOuter;
    };
    SNotifyFrame* m_pNotifyFrame;

    static int CALLBACK CompareRecords(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort);

    afx_msg BOOL OnClick(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg BOOL OnColumnClick(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg BOOL OnCustomDraw(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnDestroy();
    afx_msg virtual void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg virtual void OnPaint();
    afx_msg void OnSysColorChange();
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg LRESULT OnComboEscape(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnComboReturn(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnComboKeydown(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnComboLButtonUp(WPARAM wParam, LPARAM lParam);
    afx_msg virtual BOOL OnToolTipText(UINT nID, NMHDR* pNMHDR, LRESULT* pResult);
    DECLARE_MESSAGE_MAP()

private:
    CXListCtrl(const CXListCtrl&) = delete;
    CXListCtrl& operator=(const CXListCtrl&) = delete;
};

#endif
