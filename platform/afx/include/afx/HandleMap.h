#ifndef AFX_HANDLEMAP_H
#define AFX_HANDLEMAP_H
// CHandleMap maps Windows handles to the framework objects that wrap them, per thread, as the
// framework does for windows, device contexts and GDI objects. A permanent entry belongs to an
// object that the program created and attached; a temporary entry is an object that FromHandle
// made on the fly for a handle nobody wrapped, owned by the map and deleted when the thread
// goes idle (DeleteTemp), with its handle detached first so that the handle itself survives.

#include <afx/AfxDefs.h>
#include <unordered_map>

class CObject;

class AFX_API CHandleMap
{
public:
    // Makes a temporary wrapper object with the handle set but not owned.
    typedef CObject* (*PFNCREATE)(HANDLE h);
    // Clears the handle in a temporary wrapper before it is deleted.
    typedef void (*PFNDETACH)(CObject* pObject);

    CHandleMap(PFNCREATE pfnCreate, PFNDETACH pfnDetach);
    ~CHandleMap();

    CObject* FromHandle(HANDLE h);
    CObject* LookupPermanent(HANDLE h) const;
    CObject* LookupTemporary(HANDLE h) const;
    void SetPermanent(HANDLE h, CObject* pObject);
    void RemoveHandle(HANDLE h);
    void DeleteTemp();

private:
    CHandleMap(const CHandleMap&) = delete;
    CHandleMap& operator=(const CHandleMap&) = delete;

    PFNCREATE m_pfnCreate;
    PFNDETACH m_pfnDetach;
    std::unordered_map<HANDLE, CObject*> m_permanentMap;
    std::unordered_map<HANDLE, CObject*> m_temporaryMap;
};

// The calling thread's maps (created on first use, destroyed with the thread's state).
AFX_API CHandleMap* AFXAPI afxMapHWND(BOOL bCreate = FALSE);
AFX_API CHandleMap* AFXAPI afxMapHDC(BOOL bCreate = FALSE);
AFX_API CHandleMap* AFXAPI afxMapHGDIOBJ(BOOL bCreate = FALSE);
AFX_API CHandleMap* AFXAPI afxMapHIMAGELIST(BOOL bCreate = FALSE);
AFX_API CHandleMap* AFXAPI afxMapHMENU(BOOL bCreate = FALSE);

// Deletes the calling thread's temporary wrappers (windows, DCs, GDI objects, image lists, menus). The
// message pump does this when the thread goes idle; a temporary pointer must not be kept past that.
AFX_API void AFXAPI AfxDeleteTempMaps();

#endif
