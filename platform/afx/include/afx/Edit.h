#ifndef AFX_EDIT_H
#define AFX_EDIT_H
#include <afx/Wnd.h>

class AFX_API CEdit : public CWnd
{
    DECLARE_DYNAMIC(CEdit)
public:
    CEdit();
    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    BOOL CanUndo() const;
    int GetLineCount() const;
    BOOL GetModify() const;
    void SetModify(BOOL bModified = TRUE);
    DWORD GetSel() const;
    void GetSel(int& nStartChar, int& nEndChar) const;
    void SetSel(int nStartChar, int nEndChar, BOOL bNoScroll = FALSE);
    void SetSel(DWORD dwSelection, BOOL bNoScroll = FALSE);
    void ReplaceSel(LPCTSTR lpszNewText, BOOL bCanUndo = FALSE);
    void SetLimitText(UINT nMax);
    UINT GetLimitText() const;
    void SetReadOnly(BOOL bReadOnly = TRUE);
    BOOL SetCueBanner(LPCWSTR lpszText, BOOL fDrawIfFocused = FALSE);
    void Clear();
    void Copy();
    void Cut();
    void Paste();
    BOOL Undo();

    virtual ~CEdit();
};
#endif
