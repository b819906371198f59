#ifndef AFX_ARRAY_H
#define AFX_ARRAY_H
// CArray, a growable array of TYPE passed as ARG_TYPE. Elements are constructed in place
// (zero-filled first, then default-constructed, as the framework does) and destroyed when
// removed. An index outside the array throws CInvalidArgException.
//
// Growth: SetSize's nGrowBy fixes how many extra elements each reallocation adds; 0 (the
// default) lets the array add an eighth of its size, at least 4. The eighth is not capped, so
// that Add stays amortised constant time for records that can only be copied, not moved: a
// fixed cap would copy every element again every few thousand additions.

#include <afx/AfxDefs.h>
#include <afx/Object.h>
#include <afx/Exception.h>
#include <afx/Coll.h>
#include <cstdint>
#include <cstring>
#include <memory>
#include <new>
#include <type_traits>
#include <utility>

template<class TYPE, class ARG_TYPE = const TYPE&>
class CArray : public CObject
{
public:
// Construction
    CArray() : m_pData(NULL), m_nSize(0), m_nMaxSize(0), m_nGrowBy(0) {}
    virtual ~CArray()
    {
        DestructElements(m_pData, m_nSize);
        FreeElements(m_pData);
    }

// Attributes
    INT_PTR GetSize() const { return m_nSize; }
    INT_PTR GetCount() const { return m_nSize; }
    BOOL IsEmpty() const { return m_nSize == 0; }
    INT_PTR GetUpperBound() const { return m_nSize - 1; }
    void SetSize(INT_PTR nNewSize, INT_PTR nGrowBy = -1);

// Operations
    // Gives back the memory beyond the current size.
    void FreeExtra();
    void RemoveAll() { SetSize(0, -1); }

    const TYPE& GetAt(INT_PTR nIndex) const { return m_pData[CheckedIndex(nIndex)]; }
    TYPE& GetAt(INT_PTR nIndex) { return m_pData[CheckedIndex(nIndex)]; }
    void SetAt(INT_PTR nIndex, ARG_TYPE newElement) { m_pData[CheckedIndex(nIndex)] = newElement; }
    const TYPE& ElementAt(INT_PTR nIndex) const { return m_pData[CheckedIndex(nIndex)]; }
    TYPE& ElementAt(INT_PTR nIndex) { return m_pData[CheckedIndex(nIndex)]; }

    // Direct access to the elements; valid until the array grows or shrinks.
    const TYPE* GetData() const { return m_pData; }
    TYPE* GetData() { return m_pData; }

    // Grows the array when nIndex is past its end.
    void SetAtGrow(INT_PTR nIndex, ARG_TYPE newElement);
    // Returns the index of the new element.
    INT_PTR Add(ARG_TYPE newElement)
    {
        INT_PTR nIndex = m_nSize;
        SetAtGrow(nIndex, newElement);
        return nIndex;
    }
    // Returns the index of the first appended element.
    INT_PTR Append(const CArray& src);
    void Copy(const CArray& src);

// Overloaded operator helpers
    const TYPE& operator[](INT_PTR nIndex) const { return GetAt(nIndex); }
    TYPE& operator[](INT_PTR nIndex) { return ElementAt(nIndex); }

// Operations that move elements
    // nCount copies of newElement at nIndex; past the end the array grows to reach nIndex.
    void InsertAt(INT_PTR nIndex, ARG_TYPE newElement, INT_PTR nCount = 1);
    void RemoveAt(INT_PTR nIndex, INT_PTR nCount = 1);
    void InsertAt(INT_PTR nStartIndex, CArray* pNewArray);

// Implementation
protected:
    TYPE* m_pData;          // the elements, m_nMaxSize allocated and m_nSize constructed
    INT_PTR m_nSize;
    INT_PTR m_nMaxSize;
    INT_PTR m_nGrowBy;      // 0: chosen from the size at each growth

private:
    // Only a const reference to TYPE can point at one of the array's own elements, which
    // growing or shifting would move away from under it.
    static constexpr bool bArgMayAlias =
        std::is_reference<ARG_TYPE>::value &&
        std::is_same<typename std::decay<ARG_TYPE>::type, TYPE>::value;
    static constexpr bool bRelocateBitwise =
        std::is_trivially_copyable<TYPE>::value || !std::is_move_constructible<TYPE>::value;

    INT_PTR CheckedIndex(INT_PTR nIndex) const
    {
        if (nIndex < 0 || nIndex >= m_nSize)
            AfxThrowInvalidArgException();
        return nIndex;
    }
    bool IsElement(const void* p) const
    {
        auto address = reinterpret_cast<std::uintptr_t>(p);
        return m_pData != NULL && address >= reinterpret_cast<std::uintptr_t>(m_pData) &&
               address < reinterpret_cast<std::uintptr_t>(m_pData + m_nSize);
    }
    INT_PTR GrownMaxSize(INT_PTR nNewSize) const;
    void Reallocate(INT_PTR nNewMax);

    static TYPE* AllocateElements(INT_PTR nCount);
    static void FreeElements(TYPE* pElements) { ::operator delete(static_cast<void*>(pElements)); }
    static void ConstructElements(TYPE* pElements, INT_PTR nCount);
    static void DestructElements(TYPE* pElements, INT_PTR nCount);
    static void RelocateElements(TYPE* pDest, TYPE* pSrc, INT_PTR nCount);
    static void MoveElementsUp(TYPE* pElements, INT_PTR nCount, INT_PTR nDistance);
    static void MoveElementsDown(TYPE* pElements, INT_PTR nCount, INT_PTR nDistance);
};

template<class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::SetSize(INT_PTR nNewSize, INT_PTR nGrowBy)
{
    if (nNewSize < 0)
        AfxThrowInvalidArgException();
    if (nGrowBy >= 0)
        m_nGrowBy = nGrowBy;

    if (nNewSize == 0)
    {
        DestructElements(m_pData, m_nSize);
        FreeElements(m_pData);
        m_pData = NULL;
        m_nSize = m_nMaxSize = 0;
    }
    else if (m_pData == NULL)
    {
        INT_PTR nAllocSize = nNewSize > m_nGrowBy ? nNewSize : m_nGrowBy;
        m_pData = AllocateElements(nAllocSize);
        m_nMaxSize = nAllocSize;
        ConstructElements(m_pData, nNewSize);
        m_nSize = nNewSize;
    }
    else if (nNewSize <= m_nMaxSize)
    {
        if (nNewSize > m_nSize)
            ConstructElements(m_pData + m_nSize, nNewSize - m_nSize);
        else if (m_nSize > nNewSize)
            DestructElements(m_pData + nNewSize, m_nSize - nNewSize);
        m_nSize = nNewSize;
    }
    else
    {
        Reallocate(GrownMaxSize(nNewSize));
        ConstructElements(m_pData + m_nSize, nNewSize - m_nSize);
        m_nSize = nNewSize;
    }
}

template<class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::FreeExtra()
{
    if (m_nSize == m_nMaxSize)
        return;
    if (m_nSize == 0)
    {
        FreeElements(m_pData);
        m_pData = NULL;
        m_nMaxSize = 0;
    }
    else
    {
        Reallocate(m_nSize);
    }
}

template<class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::SetAtGrow(INT_PTR nIndex, ARG_TYPE newElement)
{
    if (nIndex < 0)
        AfxThrowInvalidArgException();
    if (nIndex >= m_nSize)
    {
        if constexpr (bArgMayAlias)
        {
            if (nIndex >= m_nMaxSize && IsElement(std::addressof(newElement)))
            {
                TYPE copy(newElement);
                SetSize(nIndex + 1, -1);
                m_pData[nIndex] = std::move(copy);
                return;
            }
        }
        SetSize(nIndex + 1, -1);
    }
    m_pData[nIndex] = newElement;
}

template<class TYPE, class ARG_TYPE>
INT_PTR CArray<TYPE, ARG_TYPE>::Append(const CArray& src)
{
    if (this == &src)
        AfxThrowInvalidArgException();
    INT_PTR nOldSize = m_nSize;
    SetSize(m_nSize + src.m_nSize, -1);
    CopyElements<TYPE>(m_pData + nOldSize, src.m_pData, src.m_nSize);
    return nOldSize;
}

template<class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::Copy(const CArray& src)
{
    if (this == &src)
        return;
    SetSize(src.m_nSize, -1);
    CopyElements<TYPE>(m_pData, src.m_pData, src.m_nSize);
}

template<class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::InsertAt(INT_PTR nIndex, ARG_TYPE newElement, INT_PTR nCount)
{
    if (nIndex < 0 || nCount <= 0)
        AfxThrowInvalidArgException();
    if constexpr (bArgMayAlias)
    {
        if (IsElement(std::addressof(newElement)))
        {
            TYPE copy(newElement);
            InsertAt(nIndex, copy, nCount);
            return;
        }
    }

    if (nIndex >= m_nSize)
    {
        SetSize(nIndex + nCount, -1);
    }
    else
    {
        INT_PTR nOldSize = m_nSize;
        SetSize(m_nSize + nCount, -1);
        MoveElementsUp(m_pData + nIndex, nOldSize - nIndex, nCount);
    }
    while (nCount--)
        m_pData[nIndex++] = newElement;
}

template<class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::RemoveAt(INT_PTR nIndex, INT_PTR nCount)
{
    INT_PTR nUpperBound = nIndex + nCount;
    if (nIndex < 0 || nCount < 0 || nUpperBound > m_nSize || nUpperBound < nIndex)
        AfxThrowInvalidArgException();
    if (nCount == 0)
        return;
    MoveElementsDown(m_pData + nUpperBound, m_nSize - nUpperBound, nCount);
    DestructElements(m_pData + m_nSize - nCount, nCount);
    m_nSize -= nCount;
}

template<class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::InsertAt(INT_PTR nStartIndex, CArray* pNewArray)
{
    if (pNewArray == NULL || pNewArray == this || nStartIndex < 0)
        AfxThrowInvalidArgException();
    if (pNewArray->GetSize() == 0)
        return;
    InsertAt(nStartIndex, pNewArray->GetAt(0), pNewArray->GetSize());
    for (INT_PTR i = 1; i < pNewArray->GetSize(); i++)
        SetAt(nStartIndex + i, pNewArray->GetAt(i));
}

template<class TYPE, class ARG_TYPE>
INT_PTR CArray<TYPE, ARG_TYPE>::GrownMaxSize(INT_PTR nNewSize) const
{
    INT_PTR nGrowArrayBy = m_nGrowBy;
    if (nGrowArrayBy == 0)
        nGrowArrayBy = m_nSize / 8 < 4 ? 4 : m_nSize / 8;
    return nNewSize < m_nMaxSize + nGrowArrayBy ? m_nMaxSize + nGrowArrayBy : nNewSize;
}

template<class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::Reallocate(INT_PTR nNewMax)
{
    TYPE* pNewData = AllocateElements(nNewMax);
    RelocateElements(pNewData, m_pData, m_nSize);
    FreeElements(m_pData);
    m_pData = pNewData;
    m_nMaxSize = nNewMax;
}

template<class TYPE, class ARG_TYPE>
TYPE* CArray<TYPE, ARG_TYPE>::AllocateElements(INT_PTR nCount)
{
    if (nCount <= 0 || static_cast<size_t>(nCount) > SIZE_MAX / sizeof(TYPE))
        AfxThrowMemoryException();
    void* pElements = ::operator new(static_cast<size_t>(nCount) * sizeof(TYPE), std::nothrow);
    if (pElements == NULL)
        AfxThrowMemoryException();
    return static_cast<TYPE*>(pElements);
}

template<class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::ConstructElements(TYPE* pElements, INT_PTR nCount)
{
    std::memset(static_cast<void*>(pElements), 0, static_cast<size_t>(nCount) * sizeof(TYPE));
    INT_PTR i = 0;
    try
    {
        for (; i < nCount; i++)
            ::new (static_cast<void*>(pElements + i)) TYPE;
    }
    catch (...)
    {
        DestructElements(pElements, i);
        throw;
    }
}

template<class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::DestructElements(TYPE* pElements, INT_PTR nCount)
{
    for (INT_PTR i = 0; i < nCount; i++)
        pElements[i].~TYPE();
}

// Moves nCount elements into raw memory and ends their lives at the source.
template<class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::RelocateElements(TYPE* pDest, TYPE* pSrc, INT_PTR nCount)
{
    if constexpr (bRelocateBitwise)
    {
        if (nCount > 0)
            std::memcpy(static_cast<void*>(pDest), static_cast<const void*>(pSrc),
                        static_cast<size_t>(nCount) * sizeof(TYPE));
    }
    else
    {
        for (INT_PTR i = 0; i < nCount; i++)
        {
            ::new (static_cast<void*>(pDest + i)) TYPE(std::move(pSrc[i]));
            pSrc[i].~TYPE();
        }
    }
}

// Shifts nCount live elements nDistance places toward the end, into live elements; the
// nDistance elements at the front are left holding moved-from values.
template<class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::MoveElementsUp(TYPE* pElements, INT_PTR nCount, INT_PTR nDistance)
{
    if constexpr (std::is_trivially_copyable<TYPE>::value)
    {
        std::memmove(static_cast<void*>(pElements + nDistance), static_cast<const void*>(pElements),
                     static_cast<size_t>(nCount) * sizeof(TYPE));
    }
    else
    {
        for (INT_PTR i = nCount - 1; i >= 0; i--)
            pElements[i + nDistance] = std::move(pElements[i]);
    }
}

// Shifts nCount live elements nDistance places toward the front, over live elements.
template<class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::MoveElementsDown(TYPE* pElements, INT_PTR nCount, INT_PTR nDistance)
{
    if constexpr (std::is_trivially_copyable<TYPE>::value)
    {
        std::memmove(static_cast<void*>(pElements - nDistance), static_cast<const void*>(pElements),
                     static_cast<size_t>(nCount) * sizeof(TYPE));
    }
    else
    {
        for (INT_PTR i = 0; i < nCount; i++)
            pElements[i - nDistance] = std::move(pElements[i]);
    }
}

#endif
