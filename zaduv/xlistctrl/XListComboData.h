#ifndef ZADUV_XLISTCTRL_XLISTCOMBODATA_H
#define ZADUV_XLISTCTRL_XLISTCOMBODATA_H
// The entries of a combo cell of CXListCtrl: SXListComboItem is one entry (the text shown and
// written into the cell, and the caller's value); CXListComboData is the list of them, built
// by the host with the ordinary array operations and copied by the list control.
//
//     CXListComboData items;
//     items.AddItem(L"Routine", 0);
//     items.AddItem(L"Urgent", 1);
//     list.SetComboBox(nItem, 2, TRUE, items, 5, 0);

#include <afxtempl.h>
#include "foundation/ZaDUVDefs.h"

struct SXListComboItem : public CObject
{
    SXListComboItem() : m_nData(0) {}
    SXListComboItem(LPCTSTR lpszText, int nData) : m_strText(lpszText), m_nData(nData) {}
    SXListComboItem(const SXListComboItem& src) : CObject(), m_strText(src.m_strText), m_nData(src.m_nData) {}
    SXListComboItem& operator=(const SXListComboItem& src)
    {
        m_strText = src.m_strText;
        m_nData = src.m_nData;
        return *this;
    }
    virtual ~SXListComboItem() {}

    CString m_strText;
    int m_nData;
};

// A framework array that can be copied: the copy holds element-wise copies of the source.
template<class TYPE, class ARG_TYPE = const TYPE&>
class CArrayEx : public CArray<TYPE, ARG_TYPE>
{
public:
    CArrayEx() {}
    CArrayEx(const CArrayEx& src) : CArray<TYPE, ARG_TYPE>() { this->Copy(src); }
    CArrayEx& operator=(const CArrayEx& src)
    {
        if (this != &src)
            this->Copy(src);
        return *this;
    }
    virtual ~CArrayEx() {}
};

class ZADUV_API CXListComboData : public CArrayEx<SXListComboItem, const SXListComboItem&>
{
public:
    CXListComboData() {}
    CXListComboData(const CXListComboData& src) : CArrayEx<SXListComboItem, const SXListComboItem&>(src) {}
    CXListComboData& operator=(const CXListComboData& src)
    {
        CArrayEx<SXListComboItem, const SXListComboItem&>::operator=(src);
        return *this;
    }
    virtual ~CXListComboData() {}

    // Appends one entry; returns its index.
    INT_PTR AddItem(LPCTSTR lpszText, int nData) { return Add(SXListComboItem(lpszText, nData)); }
};

#endif
