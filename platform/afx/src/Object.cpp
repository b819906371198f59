#include <afx.h>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace
{
// Every class implemented with IMPLEMENT_DYNAMIC or IMPLEMENT_DYNCREATE in a loaded module.
// Never destroyed: modules unloaded after this one still take their classes out of it.
std::vector<const CRuntimeClass*>& KnownClasses()
{
    static std::vector<const CRuntimeClass*>* s_pClasses = new std::vector<const CRuntimeClass*>;
    return *s_pClasses;
}
}

const CRuntimeClass CObject::classCObject = { "CObject", sizeof(CObject), 0xFFFF, NULL, NULL, NULL, NULL };

CRuntimeClass* PASCAL CObject::_GetBaseClass() { return NULL; }
CRuntimeClass* PASCAL CObject::GetThisClass() { return _RUNTIME_CLASS(CObject); }
CRuntimeClass* CObject::GetRuntimeClass() const { return _RUNTIME_CLASS(CObject); }
CObject::~CObject() {}
void CObject::AssertValid() const {}

BOOL CObject::IsKindOf(const CRuntimeClass* pClass) const
{
    return GetRuntimeClass()->IsDerivedFrom(pClass);
}

BOOL CObject::IsSerializable() const
{
    return GetRuntimeClass()->m_wSchema != 0xFFFF;
}

CObject* CRuntimeClass::CreateObject()
{
    if (m_pfnCreateObject == NULL)
        return NULL;
    try
    {
        return (*m_pfnCreateObject)();
    }
    catch (...)
    {
        return NULL;
    }
}

BOOL CRuntimeClass::IsDerivedFrom(const CRuntimeClass* pBaseClass) const
{
    for (const CRuntimeClass* pClass = this; pClass != NULL;
         pClass = pClass->m_pfnGetBaseClass ? (*pClass->m_pfnGetBaseClass)() : NULL)
    {
        if (pClass == pBaseClass)
            return TRUE;
    }
    return FALSE;
}

CRuntimeClass* PASCAL CRuntimeClass::FromName(LPCSTR lpszClassName)
{
    for (const CRuntimeClass* pClass : KnownClasses())
    {
        if (std::strcmp(pClass->m_lpszClassName, lpszClassName) == 0)
            return const_cast<CRuntimeClass*>(pClass);
    }
    return NULL;
}

CObject* PASCAL CRuntimeClass::CreateObject(LPCSTR lpszClassName)
{
    CRuntimeClass* pClass = FromName(lpszClassName);
    return pClass ? pClass->CreateObject() : NULL;
}

AFX_CLASSINIT::AFX_CLASSINIT(const CRuntimeClass* pNewClass)
    : m_pClass(pNewClass)
{
    KnownClasses().push_back(pNewClass);
}

AFX_CLASSINIT::~AFX_CLASSINIT()
{
    std::vector<const CRuntimeClass*>& classes = KnownClasses();
    classes.erase(std::remove(classes.begin(), classes.end(), m_pClass), classes.end());
}

CObject* AFXAPI AfxDynamicDownCast(CRuntimeClass* pClass, CObject* pObject)
{
    return (pObject != NULL && pObject->IsKindOf(pClass)) ? pObject : NULL;
}

void AFXAPI AfxAssertFailedLine(const char* lpszFileName, int nLine)
{
    std::fprintf(stderr, "afx assertion failed: %s(%d)\n", lpszFileName, nLine);
    std::abort();
}
