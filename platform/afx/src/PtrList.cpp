#include <afx.h>

IMPLEMENT_DYNAMIC(CPtrList, CObject)

// Construction

CPtrList::CPtrList(INT_PTR nBlockSize)
    : m_pNodeHead(NULL), m_pNodeTail(NULL), m_nCount(0), m_pNodeFree(NULL), m_pBlocks(NULL),
      m_nBlockSize(nBlockSize > 0 ? nBlockSize : 10)
{
}

CPtrList::~CPtrList()
{
    RemoveAll();
}

// Attributes

void*& CPtrList::GetHead()
{
    if (m_pNodeHead == NULL)
        AfxThrowInvalidArgException();
    return m_pNodeHead->data;
}

const void* CPtrList::GetHead() const
{
    if (m_pNodeHead == NULL)
        AfxThrowInvalidArgException();
    return m_pNodeHead->data;
}

void*& CPtrList::GetTail()
{
    if (m_pNodeTail == NULL)
        AfxThrowInvalidArgException();
    return m_pNodeTail->data;
}

const void* CPtrList::GetTail() const
{
    if (m_pNodeTail == NULL)
        AfxThrowInvalidArgException();
    return m_pNodeTail->data;
}

// Operations

void* CPtrList::RemoveHead()
{
    if (m_pNodeHead == NULL)
        AfxThrowInvalidArgException();
    CNode* pOldNode = m_pNodeHead;
    void* returnValue = pOldNode->data;
    m_pNodeHead = pOldNode->pNext;
    if (m_pNodeHead != NULL)
        m_pNodeHead->pPrev = NULL;
    else
        m_pNodeTail = NULL;
    FreeNode(pOldNode);
    return returnValue;
}

void* CPtrList::RemoveTail()
{
    if (m_pNodeTail == NULL)
        AfxThrowInvalidArgException();
    CNode* pOldNode = m_pNodeTail;
    void* returnValue = pOldNode->data;
    m_pNodeTail = pOldNode->pPrev;
    if (m_pNodeTail != NULL)
        m_pNodeTail->pNext = NULL;
    else
        m_pNodeHead = NULL;
    FreeNode(pOldNode);
    return returnValue;
}

POSITION CPtrList::AddHead(void* newElement)
{
    CNode* pNewNode = NewNode(NULL, m_pNodeHead);
    pNewNode->data = newElement;
    if (m_pNodeHead != NULL)
        m_pNodeHead->pPrev = pNewNode;
    else
        m_pNodeTail = pNewNode;
    m_pNodeHead = pNewNode;
    return reinterpret_cast<POSITION>(pNewNode);
}

POSITION CPtrList::AddTail(void* newElement)
{
    CNode* pNewNode = NewNode(m_pNodeTail, NULL);
    pNewNode->data = newElement;
    if (m_pNodeTail != NULL)
        m_pNodeTail->pNext = pNewNode;
    else
        m_pNodeHead = pNewNode;
    m_pNodeTail = pNewNode;
    return reinterpret_cast<POSITION>(pNewNode);
}

void CPtrList::AddHead(CPtrList* pNewList)
{
    if (pNewList == NULL)
        AfxThrowInvalidArgException();
    // Walking backwards keeps the other list's order at the head of this one; counting the
    // elements first lets a list add itself.
    POSITION pos = pNewList->GetTailPosition();
    for (INT_PTR nCount = pNewList->GetCount(); nCount > 0; --nCount)
        AddHead(pNewList->GetPrev(pos));
}

void CPtrList::AddTail(CPtrList* pNewList)
{
    if (pNewList == NULL)
        AfxThrowInvalidArgException();
    POSITION pos = pNewList->GetHeadPosition();
    for (INT_PTR nCount = pNewList->GetCount(); nCount > 0; --nCount)
        AddTail(pNewList->GetNext(pos));
}

void CPtrList::RemoveAll()
{
    m_nCount = 0;
    m_pNodeHead = m_pNodeTail = m_pNodeFree = NULL;
    if (m_pBlocks != NULL)
        m_pBlocks->FreeDataChain();
    m_pBlocks = NULL;
}

// Iteration

void*& CPtrList::GetNext(POSITION& rPosition)
{
    CNode* pNode = NodeAt(rPosition);
    rPosition = reinterpret_cast<POSITION>(pNode->pNext);
    return pNode->data;
}

const void* CPtrList::GetNext(POSITION& rPosition) const
{
    CNode* pNode = NodeAt(rPosition);
    rPosition = reinterpret_cast<POSITION>(pNode->pNext);
    return pNode->data;
}

void*& CPtrList::GetPrev(POSITION& rPosition)
{
    CNode* pNode = NodeAt(rPosition);
    rPosition = reinterpret_cast<POSITION>(pNode->pPrev);
    return pNode->data;
}

const void* CPtrList::GetPrev(POSITION& rPosition) const
{
    CNode* pNode = NodeAt(rPosition);
    rPosition = reinterpret_cast<POSITION>(pNode->pPrev);
    return pNode->data;
}

// Retrieval and modification

void*& CPtrList::GetAt(POSITION position)
{
    return NodeAt(position)->data;
}

const void* CPtrList::GetAt(POSITION position) const
{
    return NodeAt(position)->data;
}

void CPtrList::SetAt(POSITION pos, void* newElement)
{
    NodeAt(pos)->data = newElement;
}

void CPtrList::RemoveAt(POSITION position)
{
    CNode* pOldNode = NodeAt(position);
    if (pOldNode == m_pNodeHead)
        m_pNodeHead = pOldNode->pNext;
    else
        pOldNode->pPrev->pNext = pOldNode->pNext;
    if (pOldNode == m_pNodeTail)
        m_pNodeTail = pOldNode->pPrev;
    else
        pOldNode->pNext->pPrev = pOldNode->pPrev;
    FreeNode(pOldNode);
}

// Insertion

POSITION CPtrList::InsertBefore(POSITION position, void* newElement)
{
    if (position == NULL)
        return AddHead(newElement);
    CNode* pOldNode = NodeAt(position);
    CNode* pNewNode = NewNode(pOldNode->pPrev, pOldNode);
    pNewNode->data = newElement;
    if (pOldNode->pPrev != NULL)
        pOldNode->pPrev->pNext = pNewNode;
    else
        m_pNodeHead = pNewNode;
    pOldNode->pPrev = pNewNode;
    return reinterpret_cast<POSITION>(pNewNode);
}

POSITION CPtrList::InsertAfter(POSITION position, void* newElement)
{
    if (position == NULL)
        return AddTail(newElement);
    CNode* pOldNode = NodeAt(position);
    CNode* pNewNode = NewNode(pOldNode, pOldNode->pNext);
    pNewNode->data = newElement;
    if (pOldNode->pNext != NULL)
        pOldNode->pNext->pPrev = pNewNode;
    else
        m_pNodeTail = pNewNode;
    pOldNode->pNext = pNewNode;
    return reinterpret_cast<POSITION>(pNewNode);
}

// Searching

POSITION CPtrList::Find(void* searchValue, POSITION startAfter) const
{
    CNode* pNode = startAfter == NULL ? m_pNodeHead : NodeAt(startAfter)->pNext;
    for (; pNode != NULL; pNode = pNode->pNext)
    {
        if (pNode->data == searchValue)
            return reinterpret_cast<POSITION>(pNode);
    }
    return NULL;
}

POSITION CPtrList::FindIndex(INT_PTR nIndex) const
{
    if (nIndex < 0 || nIndex >= m_nCount)
        return NULL;
    CNode* pNode = m_pNodeHead;
    while (nIndex--)
        pNode = pNode->pNext;
    return reinterpret_cast<POSITION>(pNode);
}

// Implementation

CPtrList::CNode* CPtrList::NewNode(CNode* pPrev, CNode* pNext)
{
    if (m_pNodeFree == NULL)
    {
        CPlex* pNewBlock = CPlex::Create(m_pBlocks, m_nBlockSize, sizeof(CNode));
        // Chained in reverse so that the first node handed out is the block's first.
        CNode* pNode = static_cast<CNode*>(pNewBlock->data()) + m_nBlockSize - 1;
        for (INT_PTR i = m_nBlockSize - 1; i >= 0; --i, --pNode)
        {
            pNode->pNext = m_pNodeFree;
            m_pNodeFree = pNode;
        }
    }
    CNode* pNode = m_pNodeFree;
    m_pNodeFree = m_pNodeFree->pNext;
    pNode->pPrev = pPrev;
    pNode->pNext = pNext;
    pNode->data = NULL;
    ++m_nCount;
    return pNode;
}

void CPtrList::FreeNode(CNode* pNode)
{
    pNode->pNext = m_pNodeFree;
    m_pNodeFree = pNode;
    --m_nCount;
    // The blocks go back to the heap only when the list is empty.
    if (m_nCount == 0)
        RemoveAll();
}

CPtrList::CNode* CPtrList::NodeAt(POSITION position)
{
    if (position == NULL || position == BEFORE_START_POSITION)
        AfxThrowInvalidArgException();
    return reinterpret_cast<CNode*>(position);
}
