#ifndef AFX_SRC_MESSAGEMAPCACHE_H
#define AFX_SRC_MESSAGEMAPCACHE_H
// CMessageMapCache remembers, per thread, which entry a class's message-map chain holds for a
// message (and, for commands and notifications, a code and an id), so that a message a window
// receives over and over costs one probe instead of a walk through every map of its bases.
// Misses are remembered too: most messages a control sees have no entry at all.
//
// The maps are constant tables, so an answer never goes stale while their module is loaded. The
// table is direct-mapped with a fixed number of slots: a collision replaces the older answer,
// and nothing is allocated after the thread's state is made. Private to the afx library.

#include <afxwin.h>

class CMessageMapCache
{
public:
    // Finds the entry in the chain that starts with pMap; pfnFind walks the chain on a miss.
    typedef const AFX_MSGMAP_ENTRY* (*PFNFINDINCHAIN)(const AFX_MSGMAP* pMap, UINT nMsg, UINT nCode, UINT nID);

    CMessageMapCache();

    const AFX_MSGMAP_ENTRY* Lookup(const AFX_MSGMAP* pMap, UINT nMsg, UINT nCode, UINT nID,
        PFNFINDINCHAIN pfnFind);

private:
    struct SSlot
    {
        const AFX_MSGMAP* pMap;         // NULL: the slot holds no answer yet
        UINT nMsg;
        UINT nCode;
        UINT nID;
        const AFX_MSGMAP_ENTRY* pEntry; // NULL: the chain has no entry for the key
    };

    enum { SLOT_COUNT = 512 };  // a power of two

    static UINT Hash(const AFX_MSGMAP* pMap, UINT nMsg, UINT nCode, UINT nID);

    SSlot m_slots[SLOT_COUNT];

    CMessageMapCache(const CMessageMapCache&) = delete;
    CMessageMapCache& operator=(const CMessageMapCache&) = delete;
};

#endif
