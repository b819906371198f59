#ifndef AFX_PTRLIST_H
#define AFX_PTRLIST_H
// CPtrList, a doubly linked list of untyped pointers. The list owns its nodes, not what the
// pointers point to. A POSITION names a node; it stays valid until that node is removed.

#include <afx/AfxDefs.h>
#include <afx/Object.h>
#include <afx/Coll.h>

class AFX_API CPtrList : public CObject
{
    DECLARE_DYNAMIC(CPtrList)

protected:
    struct CNode
    {
        CNode* pNext;
        CNode* pPrev;
        void* data;
    };

public:
// Construction
    // Nodes are allocated nBlockSize at a time.
    explicit CPtrList(INT_PTR nBlockSize = 10);
    virtual ~CPtrList();

// Attributes (head and tail)
    INT_PTR GetCount() const { return m_nCount; }
    INT_PTR GetSize() const { return m_nCount; }
    BOOL IsEmpty() const { return m_nCount == 0; }

    // The list must not be empty.
    void*& GetHead();
    const void* GetHead() const;
    void*& GetTail();
    const void* GetTail() const;

// Operations
    // The list must not be empty.
    void* RemoveHead();
    void* RemoveTail();

    POSITION AddHead(void* newElement);
    POSITION AddTail(void* newElement);
    void AddHead(CPtrList* pNewList);
    void AddTail(CPtrList* pNewList);
    void RemoveAll();

// Iteration
    POSITION GetHeadPosition() const { return reinterpret_cast<POSITION>(m_pNodeHead); }
    POSITION GetTailPosition() const { return reinterpret_cast<POSITION>(m_pNodeTail); }
    // Returns the element at rPosition and moves rPosition on (NULL after the last).
    void*& GetNext(POSITION& rPosition);
    const void* GetNext(POSITION& rPosition) const;
    void*& GetPrev(POSITION& rPosition);
    const void* GetPrev(POSITION& rPosition) const;

// Retrieval and modification
    void*& GetAt(POSITION position);
    const void* GetAt(POSITION position) const;
    void SetAt(POSITION pos, void* newElement);
    void RemoveAt(POSITION position);

// Insertion (a NULL position inserts at the head, respectively the tail)
    POSITION InsertBefore(POSITION position, void* newElement);
    POSITION InsertAfter(POSITION position, void* newElement);

// Searching (linear; NULL when not found)
    POSITION Find(void* searchValue, POSITION startAfter = NULL) const;
    POSITION FindIndex(INT_PTR nIndex) const;

// Implementation
protected:
    CNode* NewNode(CNode* pPrev, CNode* pNext);
    void FreeNode(CNode* pNode);
    static CNode* NodeAt(POSITION position);

    CNode* m_pNodeHead;
    CNode* m_pNodeTail;
    INT_PTR m_nCount;
    CNode* m_pNodeFree;
    CPlex* m_pBlocks;
    INT_PTR m_nBlockSize;
};

#endif
