// Run-time classes: kinds, dynamic creation and lookup by name, for classes of this module and
// of the framework's DLL alike.
#include <afxwin.h>
#include <gtest/gtest.h>

namespace
{
class CShape : public CObject
{
    DECLARE_DYNAMIC(CShape)
};
IMPLEMENT_DYNAMIC(CShape, CObject)

class CCircle : public CShape
{
    DECLARE_DYNCREATE(CCircle)
public:
    int m_nRadius = 7;
};
IMPLEMENT_DYNCREATE(CCircle, CShape)
}

TEST(RuntimeClass, KindsFollowTheBaseChainAndOnlyDynCreateClassesAreCreated)
{
    CCircle circle;
    EXPECT_EQ(&circle, DYNAMIC_DOWNCAST(CShape, &circle));
    EXPECT_TRUE(circle.IsKindOf(RUNTIME_CLASS(CObject)));
    EXPECT_EQ(nullptr, DYNAMIC_DOWNCAST(CWnd, &circle));
    EXPECT_EQ(RUNTIME_CLASS(CCircle), CRuntimeClass::FromName("CCircle"));
    CObject* pObject = RUNTIME_CLASS(CCircle)->CreateObject();
    ASSERT_NE(nullptr, pObject);
    EXPECT_EQ(7, static_cast<CCircle*>(pObject)->m_nRadius);
    delete pObject;
    EXPECT_EQ(nullptr, RUNTIME_CLASS(CShape)->CreateObject());
    EXPECT_EQ(nullptr, CRuntimeClass::FromName("CNoSuchClass"));
    CObject* pWnd = CRuntimeClass::CreateObject("CWnd");     // a class of the framework's DLL
    ASSERT_NE(nullptr, pWnd);
    EXPECT_TRUE(pWnd->IsKindOf(RUNTIME_CLASS(CWnd)));
    delete pWnd;
}
