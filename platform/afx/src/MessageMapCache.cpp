#include "MessageMapCache.h"

CMessageMapCache::CMessageMapCache()
    : m_slots()
{
}

const AFX_MSGMAP_ENTRY* CMessageMapCache::Lookup(const AFX_MSGMAP* pMap, UINT nMsg, UINT nCode, UINT nID,
    PFNFINDINCHAIN pfnFind)
{
    SSlot& slot = m_slots[Hash(pMap, nMsg, nCode, nID)];
    if (slot.pMap == pMap && slot.nMsg == nMsg && slot.nCode == nCode && slot.nID == nID)
        return slot.pEntry;
    const AFX_MSGMAP_ENTRY* pEntry = (*pfnFind)(pMap, nMsg, nCode, nID);
    slot.pMap = pMap;
    slot.nMsg = nMsg;
    slot.nCode = nCode;
    slot.nID = nID;
    slot.pEntry = pEntry;
    return pEntry;
}

UINT CMessageMapCache::Hash(const AFX_MSGMAP* pMap, UINT nMsg, UINT nCode, UINT nID)
{
    // Maps are pointer-aligned statics: the low bits say nothing.
    const UINT_PTR nMap = reinterpret_cast<UINT_PTR>(pMap) >> 4;
    UINT nHash = static_cast<UINT>(nMap ^ (nMap >> 9)) * 31u;
    nHash ^= nMsg * 0x9E3779B1u;
    nHash ^= nCode * 0x85EBCA77u;
    nHash ^= nID * 0xC2B2AE3Du;
    nHash ^= nHash >> 15;
    return nHash & (SLOT_COUNT - 1);
}
