#ifndef AFX_CRITICALSECTION_H
#define AFX_CRITICALSECTION_H
// Synchronisation objects:
//   CSyncObject      - base of the lockable objects; a kernel handle waited on by Lock
//   CCriticalSection - a recursive in-process lock over CRITICAL_SECTION
//   CSingleLock      - holds one lockable object for a scope and releases it when destroyed

#include <afx/AfxDefs.h>
#include <afx/Object.h>

class AFX_API CSyncObject : public CObject
{
    DECLARE_DYNAMIC(CSyncObject)
public:
// Construction
    explicit CSyncObject(LPCTSTR pstrName);
    virtual ~CSyncObject();

// Attributes
    operator HANDLE() const { return m_hObject; }
    HANDLE m_hObject;       // the kernel object; NULL for CCriticalSection

// Operations
    // Waits for the object; non-zero once it is held.
    virtual BOOL Lock(DWORD dwTimeout = INFINITE);
    virtual BOOL Unlock() = 0;
    virtual BOOL Unlock(LONG lCount, LPLONG lpPrevCount = NULL);
};

class AFX_API CCriticalSection : public CSyncObject
{
    DECLARE_DYNAMIC(CCriticalSection)
public:
// Construction
    // Throws CMemoryException when the section cannot be initialised.
    CCriticalSection();
    virtual ~CCriticalSection();

// Attributes
    operator CRITICAL_SECTION*() { return &m_sect; }
    CRITICAL_SECTION m_sect;

// Operations
    // The thread that holds the section may lock it again; each Lock needs its Unlock.
    BOOL Lock();
    // A critical section cannot time out: any timeout waits as long as it takes.
    virtual BOOL Lock(DWORD dwTimeout);
    virtual BOOL Unlock();
    using CSyncObject::Unlock;
};

class AFX_API CSingleLock
{
public:
// Construction
    explicit CSingleLock(CSyncObject* pObject, BOOL bInitialLock = FALSE);
    ~CSingleLock();

// Operations
    BOOL Lock(DWORD dwTimeOut = INFINITE);
    BOOL Unlock();
    BOOL Unlock(LONG lCount, LPLONG lPrevCount = NULL);
    BOOL IsLocked() { return m_bAcquired; }

// Implementation
protected:
    CSyncObject* m_pObject;
    HANDLE m_hObject;
    BOOL m_bAcquired;

private:
    CSingleLock(const CSingleLock&) = delete;
    CSingleLock& operator=(const CSingleLock&) = delete;
};

#endif
