// Exceptions thrown as pointers: deletion of heap and pre-allocated objects, and the TRY/CATCH
// macros.

#include <afx.h>
#include <gtest/gtest.h>

namespace
{
// A file exception that reports its destruction.
class CCountedFileException : public CFileException
{
public:
    static int s_nDestroyed;
    explicit CCountedFileException(int cause) : CFileException(cause) {}
    ~CCountedFileException() override { ++s_nDestroyed; }
};
int CCountedFileException::s_nDestroyed = 0;

// Runs TRY/CATCH/AND_CATCH around a throw of the given kind; returns which handler ran.
int HandlerFor(int nKind)
{
    int nHandler = 0;
    TRY
    {
        if (nKind == 1)
            throw new CCountedFileException(CFileException::diskFull);
        if (nKind == 2)
            AfxThrowMemoryException();
        if (nKind == 3)
            AfxThrowInvalidArgException();
    }
    CATCH(CFileException, e)
        nHandler = e->m_cause == CFileException::diskFull ? 1 : -1;
    AND_CATCH(CMemoryException, e)
        nHandler = 2;
    AND_CATCH_ALL(e)
        nHandler = e->IsKindOf(RUNTIME_CLASS(CInvalidArgException)) ? 3 : -3;
    END_CATCH_ALL
    return nHandler;
}
}

// Thrown twice, each is the same object both times, and alive after the handlers' Delete().
TEST(CExceptionTest, PreallocatedExceptionsSurviveDelete)
{
    const struct { void (AFXAPI* pfnThrow)(); CRuntimeClass* pClass; } throwers[] = {
        { AfxThrowMemoryException, RUNTIME_CLASS(CMemoryException) },
        { AfxThrowResourceException, RUNTIME_CLASS(CResourceException) },
        { AfxThrowInvalidArgException, RUNTIME_CLASS(CInvalidArgException) },
        { AfxThrowNotSupportedException, RUNTIME_CLASS(CNotSupportedException) },
    };
    for (const auto& thrower : throwers)
    {
        CException* pCaught[2] = {};
        for (CException*& pThisTime : pCaught)
            try { thrower.pfnThrow(); } catch (CSimpleException* e) { pThisTime = e; e->Delete(); }
        ASSERT_NE(nullptr, pCaught[0]) << thrower.pClass->m_lpszClassName;
        EXPECT_EQ(pCaught[0], pCaught[1]);
        EXPECT_TRUE(pCaught[0]->IsKindOf(thrower.pClass));
        TCHAR szMessage[128] = {};
        EXPECT_TRUE(pCaught[0]->GetErrorMessage(szMessage, _countof(szMessage)) && szMessage[0] != 0);
    }
}

TEST(CExceptionTest, MacrosPickTheHandlerAndDeleteOnlyWhatTheyHandled)
{
    CCountedFileException::s_nDestroyed = 0;
    for (int nKind : { 0, 1, 2, 3 })
        EXPECT_EQ(nKind, HandlerFor(nKind));
    EXPECT_EQ(1, CCountedFileException::s_nDestroyed);

    // A handler list that does not match and THROW_LAST both pass the exception on undeleted.
    CCountedFileException::s_nDestroyed = 0;
    int nDestroyedWhenCaught = -1;
    try
    {
        TRY
        {
            TRY
                throw new CCountedFileException(CFileException::badSeek);
            CATCH(CMemoryException, e)
                ADD_FAILURE() << "wrong handler";
            END_CATCH
        }
        CATCH(CFileException, e)
            THROW_LAST();
        END_CATCH
    }
    catch (CFileException* e)
    {
        nDestroyedWhenCaught = e->m_cause == CFileException::badSeek ? CCountedFileException::s_nDestroyed : -2;
        e->Delete();
    }
    EXPECT_EQ(0, nDestroyedWhenCaught);
    EXPECT_EQ(1, CCountedFileException::s_nDestroyed);
}
