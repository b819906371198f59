#include <afx.h>
#include <afx/HandleMap.h>

CHandleMap::CHandleMap(PFNCREATE pfnCreate, PFNDETACH pfnDetach)
    : m_pfnCreate(pfnCreate), m_pfnDetach(pfnDetach)
{
}

CHandleMap::~CHandleMap()
{
    DeleteTemp();
}

CObject* CHandleMap::FromHandle(HANDLE h)
{
    if (h == NULL)
        return NULL;
    if (CObject* pObject = LookupPermanent(h))
        return pObject;
    if (CObject* pObject = LookupTemporary(h))
        return pObject;
    CObject* pTemp = (*m_pfnCreate)(h);
    m_temporaryMap[h] = pTemp;
    return pTemp;
}

CObject* CHandleMap::LookupPermanent(HANDLE h) const
{
    auto it = m_permanentMap.find(h);
    return it != m_permanentMap.end() ? it->second : NULL;
}

CObject* CHandleMap::LookupTemporary(HANDLE h) const
{
    auto it = m_temporaryMap.find(h);
    return it != m_temporaryMap.end() ? it->second : NULL;
}

void CHandleMap::SetPermanent(HANDLE h, CObject* pObject)
{
    m_permanentMap[h] = pObject;
}

void CHandleMap::RemoveHandle(HANDLE h)
{
    // A temporary made for the same handle before it was attached stays owned by the map and
    // goes at the next idle time.
    m_permanentMap.erase(h);
}

void CHandleMap::DeleteTemp()
{
    // Detach before deleting: the wrapper's destructor must not destroy a handle it never owned.
    std::unordered_map<HANDLE, CObject*> temporaries;
    temporaries.swap(m_temporaryMap);
    for (auto& entry : temporaries)
    {
        (*m_pfnDetach)(entry.second);
        delete entry.second;
    }
}

void AFXAPI AfxDeleteTempMaps()
{
    // Windows last: a temporary CDC may have been made for a temporary window's context.
    if (CHandleMap* pMap = afxMapHDC())
        pMap->DeleteTemp();
    if (CHandleMap* pMap = afxMapHGDIOBJ())
        pMap->DeleteTemp();
    if (CHandleMap* pMap = afxMapHIMAGELIST())
        pMap->DeleteTemp();
    if (CHandleMap* pMap = afxMapHMENU())
        pMap->DeleteTemp();
    if (CHandleMap* pMap = afxMapHWND())
        pMap->DeleteTemp();
}
