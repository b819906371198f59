#ifndef AFX_COLL_H
#define AFX_COLL_H
// Building blocks shared by the collection classes:
//   POSITION, BEFORE_START_POSITION - opaque iterator of the lists
//   CPlex                           - chain of fixed-size node blocks that a list carves nodes from
//   CompareElements, CopyElements   - element helpers the templates call (overridable by specialising)

#include <afx/AfxDefs.h>
#include <afx/Exception.h>
#include <cstdlib>

struct __POSITION {};
typedef __POSITION* POSITION;

#define BEFORE_START_POSITION ((POSITION)-1L)

// A list allocates its nodes nBlockSize at a time; the blocks are freed together when the
// list becomes empty, never one by one.
struct alignas(16) CPlex
{
    CPlex* pNext;

    void* data() { return this + 1; }

    static CPlex* PASCAL Create(CPlex*& pHead, UINT_PTR nMax, UINT_PTR cbElement)
    {
        if (nMax == 0 || cbElement == 0 || nMax > (SIZE_MAX - sizeof(CPlex)) / cbElement)
            AfxThrowMemoryException();
        CPlex* p = static_cast<CPlex*>(std::malloc(sizeof(CPlex) + nMax * cbElement));
        if (p == NULL)
            AfxThrowMemoryException();
        p->pNext = pHead;
        pHead = p;
        return p;
    }

    void FreeDataChain()
    {
        CPlex* p = this;
        while (p != NULL)
        {
            CPlex* pNextBlock = p->pNext;
            std::free(p);
            p = pNextBlock;
        }
    }
};

template<class TYPE, class ARG_TYPE>
inline BOOL AFXAPI CompareElements(const TYPE* pElement1, const ARG_TYPE* pElement2)
{
    return *pElement1 == *pElement2;
}

template<class TYPE>
inline void AFXAPI CopyElements(TYPE* pDest, const TYPE* pSrc, INT_PTR nCount)
{
    while (nCount-- > 0)
        *pDest++ = *pSrc++;
}

#endif
