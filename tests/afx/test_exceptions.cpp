// Exceptions thrown as pointers: catching through the base class, run-time classes, deletion
// of heap and pre-allocated objects, the TRY/CATCH macros, file error causes and messages.

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

void ThrowCounted(int cause)
{
    throw new CCountedFileException(cause);
}

// Runs TRY/CATCH/AND_CATCH around a throw of the given kind; returns which handler ran.
int HandlerFor(int nKind)
{
    int nHandler = 0;
    TRY
    {
        if (nKind == 1)
            ThrowCounted(CFileException::diskFull);
        if (nKind == 2)
            AfxThrowMemoryException();
        if (nKind == 3)
            AfxThrowInvalidArgException();
    }
    CATCH(CFileException, e)
    {
        nHandler = e->m_cause == CFileException::diskFull ? 1 : -1;
    }
    AND_CATCH(CMemoryException, e)
    {
        nHandler = 2;
    }
    AND_CATCH_ALL(e)
    {
        nHandler = e->IsKindOf(RUNTIME_CLASS(CInvalidArgException)) ? 3 : -3;
    }
    END_CATCH_ALL
    return nHandler;
}
}

TEST(CExceptionTest, FileExceptionIsCaughtThroughTheBaseAndDeleted)
{
    CException* pCaught = NULL;
    try
    {
        AfxThrowFileException(CFileException::accessDenied, ERROR_ACCESS_DENIED, L"C:\\data\\patients.db");
    }
    catch (CException* e)
    {
        pCaught = e;
    }
    ASSERT_NE(nullptr, pCaught);
    EXPECT_TRUE(pCaught->IsKindOf(RUNTIME_CLASS(CFileException)));
    EXPECT_TRUE(pCaught->IsKindOf(RUNTIME_CLASS(CException)));
    EXPECT_FALSE(pCaught->IsKindOf(RUNTIME_CLASS(CSimpleException)));
    EXPECT_STREQ("CFileException", pCaught->GetRuntimeClass()->m_lpszClassName);
    CFileException* pFile = DYNAMIC_DOWNCAST(CFileException, pCaught);
    ASSERT_NE(nullptr, pFile);
    EXPECT_EQ(CFileException::accessDenied, pFile->m_cause);
    EXPECT_EQ(ERROR_ACCESS_DENIED, pFile->m_lOsError);
    EXPECT_STREQ(L"C:\\data\\patients.db", pFile->m_strFileName.GetString());

    TCHAR szMessage[256];
    UINT nHelpContext = 99;
    EXPECT_TRUE(pFile->GetErrorMessage(szMessage, _countof(szMessage), &nHelpContext));
    EXPECT_NE(nullptr, wcsstr(szMessage, L"patients.db"));
    EXPECT_EQ(0u, nHelpContext);
    // A short buffer receives a truncated, terminated message.
    TCHAR szShort[6];
    EXPECT_TRUE(pFile->GetErrorMessage(szShort, _countof(szShort)));
    EXPECT_EQ(5u, wcslen(szShort));
    pCaught->Delete();

    CCountedFileException::s_nDestroyed = 0;
    try
    {
        ThrowCounted(CFileException::endOfFile);
    }
    catch (CException* e)
    {
        e->Delete();
    }
    EXPECT_EQ(1, CCountedFileException::s_nDestroyed);
}

TEST(CExceptionTest, PreallocatedExceptionsSurviveDelete)
{
    CException* pFirst = NULL;
    CException* pSecond = NULL;
    for (CException** ppCaught : { &pFirst, &pSecond })
    {
        try
        {
            AfxThrowMemoryException();
        }
        catch (CException* e)
        {
            *ppCaught = e;
            e->Delete();
        }
    }
    ASSERT_NE(nullptr, pFirst);
    EXPECT_EQ(pFirst, pSecond);
    EXPECT_TRUE(pFirst->IsKindOf(RUNTIME_CLASS(CMemoryException)));
    EXPECT_TRUE(pFirst->IsKindOf(RUNTIME_CLASS(CSimpleException)));
    TCHAR szMessage[128];
    EXPECT_TRUE(pFirst->GetErrorMessage(szMessage, _countof(szMessage)));
    EXPECT_STRNE(L"", szMessage);

    struct
    {
        void (AFXAPI* pfnThrow)();
        CRuntimeClass* pClass;
    } const throwers[] = {
        { AfxThrowResourceException, RUNTIME_CLASS(CResourceException) },
        { AfxThrowInvalidArgException, RUNTIME_CLASS(CInvalidArgException) },
        { AfxThrowNotSupportedException, RUNTIME_CLASS(CNotSupportedException) },
    };
    for (const auto& thrower : throwers)
    {
        CException* pCaught = NULL;
        try
        {
            thrower.pfnThrow();
        }
        catch (CSimpleException* e)
        {
            pCaught = e;
            e->Delete();
        }
        ASSERT_NE(nullptr, pCaught) << thrower.pClass->m_lpszClassName;
        EXPECT_TRUE(pCaught->IsKindOf(thrower.pClass)) << thrower.pClass->m_lpszClassName;
        EXPECT_FALSE(pCaught->m_bAutoDelete);
    }
}

TEST(CExceptionTest, MacrosPickTheHandlerAndDeleteTheException)
{
    CCountedFileException::s_nDestroyed = 0;
    EXPECT_EQ(0, HandlerFor(0));
    EXPECT_EQ(1, HandlerFor(1));
    EXPECT_EQ(1, CCountedFileException::s_nDestroyed);
    EXPECT_EQ(2, HandlerFor(2));
    EXPECT_EQ(3, HandlerFor(3));
}

TEST(CExceptionTest, ThrowLastPassesTheExceptionOnUndeleted)
{
    CCountedFileException::s_nDestroyed = 0;
    CException* pOuter = NULL;
    try
    {
        TRY
        {
            ThrowCounted(CFileException::badSeek);
        }
        CATCH(CFileException, e)
        {
            THROW_LAST();
        }
        END_CATCH
    }
    catch (CFileException* e)
    {
        pOuter = e;
        EXPECT_EQ(0, CCountedFileException::s_nDestroyed);
        EXPECT_EQ(CFileException::badSeek, e->m_cause);
        e->Delete();
    }
    EXPECT_NE(nullptr, pOuter);
    EXPECT_EQ(1, CCountedFileException::s_nDestroyed);

    // An exception no handler matches leaves the macros untouched and undeleted.
    bool bPassedOn = false;
    try
    {
        TRY
        {
            ThrowCounted(CFileException::hardIO);
        }
        CATCH(CMemoryException, e)
        {
            ADD_FAILURE() << "wrong handler";
        }
        END_CATCH
    }
    catch (CException* e)
    {
        bPassedOn = true;
        e->Delete();
    }
    EXPECT_TRUE(bPassedOn);
    EXPECT_EQ(2, CCountedFileException::s_nDestroyed);
}

TEST(CExceptionTest, OsErrorsMapToFileCauses)
{
    HANDLE hFile = ::CreateFileW(L"C:\\no-such-folder-afx\\missing.txt", GENERIC_READ, 0, NULL, OPEN_EXISTING,
                                 FILE_ATTRIBUTE_NORMAL, NULL);
    ASSERT_EQ(INVALID_HANDLE_VALUE, hFile);
    LONG lError = static_cast<LONG>(::GetLastError());
    EXPECT_EQ(CFileException::badPath, CFileException::OsErrorToException(lError));

    struct
    {
        LONG lOsError;
        int cause;
    } const cases[] = {
        { NO_ERROR, CFileException::none },
        { ERROR_FILE_NOT_FOUND, CFileException::fileNotFound },
        { ERROR_ACCESS_DENIED, CFileException::accessDenied },
        { ERROR_SHARING_VIOLATION, CFileException::sharingViolation },
        { ERROR_LOCK_VIOLATION, CFileException::lockViolation },
        { ERROR_DISK_FULL, CFileException::diskFull },
        { ERROR_HANDLE_EOF, CFileException::endOfFile },
        { ERROR_TOO_MANY_OPEN_FILES, CFileException::tooManyOpenFiles },
        { ERROR_NOT_ENOUGH_MEMORY, CFileException::genericException },
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.cause, CFileException::OsErrorToException(c.lOsError)) << c.lOsError;

    try
    {
        CFileException::ThrowOsError(ERROR_FILE_NOT_FOUND, L"gone.txt");
        ADD_FAILURE() << "ThrowOsError returned";
    }
    catch (CFileException* e)
    {
        EXPECT_EQ(CFileException::fileNotFound, e->m_cause);
        EXPECT_EQ(ERROR_FILE_NOT_FOUND, e->m_lOsError);
        EXPECT_STREQ(L"gone.txt", e->m_strFileName.GetString());
        e->Delete();
    }
    // No error, no exception.
    CFileException::ThrowOsError(NO_ERROR);

    CFileException fileException(CFileException::diskFull, 112, L"x");
    fileException.Empty();
    EXPECT_EQ(CFileException::none, fileException.m_cause);
    EXPECT_EQ(-1, fileException.m_lOsError);
    EXPECT_TRUE(fileException.m_strFileName.IsEmpty());
}
