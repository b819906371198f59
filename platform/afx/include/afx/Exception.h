#ifndef AFX_EXCEPTION_H
#define AFX_EXCEPTION_H
// The framework's exceptions. They are thrown as pointers (throw new CFileException(...)) and
// the handler releases them with Delete(): catch (CException* e) { ...; e->Delete(); }.
//   CException, CSimpleException                        - roots
//   CMemoryException, CResourceException,
//   CInvalidArgException, CNotSupportedException        - pre-allocated, Delete() keeps them
//   CFileException                                      - cause code, OS error and file name
//   AfxThrow... helpers, TRY/CATCH/END_CATCH macros

#include <afx/AfxDefs.h>
#include <afx/Object.h>
#include <afx/AfxString.h>

class AFX_API CException : public CObject
{
    DECLARE_DYNAMIC(CException)
public:
// Construction
    CException();
    explicit CException(BOOL bAutoDelete);
    virtual ~CException() = 0;

// Operations
    // Deletes the object when it was allocated with new; pre-allocated exceptions stay.
    void Delete();

// Overridables
    virtual BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext = NULL) const;
    // Shows the exception's message to the user, or the prompt nMessageID when it has none;
    // returns the message box's answer.
    virtual int ReportError(UINT nType = MB_OK, UINT nMessageID = 0);

// Implementation
    BOOL m_bAutoDelete;

protected:
    static BOOL CopyErrorMessage(LPCTSTR lpszMessage, LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext);
};

class AFX_API CSimpleException : public CException
{
    DECLARE_DYNAMIC(CSimpleException)
public:
// Construction
    CSimpleException();
    explicit CSimpleException(BOOL bAutoDelete);
    virtual ~CSimpleException();

// Overridables
    virtual BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext = NULL) const;

// Implementation
    // Loads the message of m_nResourceID once: from the application's string table when it has
    // one, else the framework's own text for its ids.
    void InitString();

protected:
    BOOL m_bInitialized;
    BOOL m_bLoaded;
    TCHAR m_szMessage[128];
    UINT m_nResourceID;
};

// Ids of the framework's messages for the pre-allocated exceptions.
#define AFX_IDS_MEMORY_EXCEPTION        0xF120
#define AFX_IDS_NOT_SUPPORTED_EXCEPTION 0xF121
#define AFX_IDS_RESOURCE_EXCEPTION      0xF122
#define AFX_IDS_INVALID_ARG_EXCEPTION   0xF123

class AFX_API CMemoryException : public CSimpleException
{
    DECLARE_DYNAMIC(CMemoryException)
public:
    CMemoryException();
    CMemoryException(BOOL bAutoDelete, UINT nResourceID);
    virtual ~CMemoryException();
};

class AFX_API CResourceException : public CSimpleException
{
    DECLARE_DYNAMIC(CResourceException)
public:
    CResourceException();
    CResourceException(BOOL bAutoDelete, UINT nResourceID);
    virtual ~CResourceException();
};

class AFX_API CInvalidArgException : public CSimpleException
{
    DECLARE_DYNAMIC(CInvalidArgException)
public:
    CInvalidArgException();
    CInvalidArgException(BOOL bAutoDelete, UINT nResourceID);
    virtual ~CInvalidArgException();
};

class AFX_API CNotSupportedException : public CSimpleException
{
    DECLARE_DYNAMIC(CNotSupportedException)
public:
    CNotSupportedException();
    CNotSupportedException(BOOL bAutoDelete, UINT nResourceID);
    virtual ~CNotSupportedException();
};

class AFX_API CFileException : public CException
{
    DECLARE_DYNAMIC(CFileException)
public:
    enum
    {
        none,
        genericException,
        fileNotFound,
        badPath,
        tooManyOpenFiles,
        accessDenied,
        invalidFile,
        removeCurrentDir,
        directoryFull,
        badSeek,
        hardIO,
        sharingViolation,
        lockViolation,
        diskFull,
        endOfFile
    };

// Construction
    CFileException(int cause = CFileException::none, LONG lOsError = -1, LPCTSTR lpszArchiveName = NULL);
    virtual ~CFileException();

// Operations
    void Empty();
    static int PASCAL OsErrorToException(LONG lOsError);
    static int PASCAL ErrnoToException(int nErrno);
    static void PASCAL ThrowOsError(LONG lOsError, LPCTSTR lpszFileName = NULL);
    static void PASCAL ThrowErrno(int nErrno, LPCTSTR lpszFileName = NULL);

// Overridables
    virtual BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext = NULL) const;

// Attributes
    int m_cause;
    LONG m_lOsError;
    CString m_strFileName;
};

// Throw helpers (never return)
AFX_API [[noreturn]] void AFXAPI AfxThrowMemoryException();
AFX_API [[noreturn]] void AFXAPI AfxThrowResourceException();
AFX_API [[noreturn]] void AFXAPI AfxThrowInvalidArgException();
AFX_API [[noreturn]] void AFXAPI AfxThrowNotSupportedException();
AFX_API [[noreturn]] void AFXAPI AfxThrowFileException(int cause, LONG lOsError = -1, LPCTSTR lpszFileName = NULL);

// The exception macros over C++ try/catch. As with the framework's own macros, the exception
// caught by CATCH is deleted at END_CATCH unless THROW_LAST passed it on.
struct AFX_EXCEPTION_LINK
{
    CException* m_pException;

    AFX_EXCEPTION_LINK() : m_pException(NULL) {}
    ~AFX_EXCEPTION_LINK()
    {
        if (m_pException != NULL)
            m_pException->Delete();
    }
    AFX_EXCEPTION_LINK(const AFX_EXCEPTION_LINK&) = delete;
    AFX_EXCEPTION_LINK& operator=(const AFX_EXCEPTION_LINK&) = delete;
};

#define TRY { AFX_EXCEPTION_LINK _afxExceptionLink; try {
#define CATCH(class, e) } catch (class* e) { \
    ASSERT((e)->IsKindOf(RUNTIME_CLASS(class))); _afxExceptionLink.m_pException = (e);
#define AND_CATCH(class, e) } catch (class* e) { \
    ASSERT((e)->IsKindOf(RUNTIME_CLASS(class))); _afxExceptionLink.m_pException = (e);
#define END_CATCH } }
#define CATCH_ALL(e) } catch (CException* e) { _afxExceptionLink.m_pException = (e);
#define AND_CATCH_ALL(e) } catch (CException* e) { _afxExceptionLink.m_pException = (e);
#define END_CATCH_ALL } }
#define END_TRY } catch (CException* e) { _afxExceptionLink.m_pException = e; } }

#define THROW(e) throw e
#define THROW_LAST() do { _afxExceptionLink.m_pException = NULL; throw; } while (0)
#define DELETE_EXCEPTION(e) do { if ((e) != NULL) { (e)->Delete(); } } while (0)

#endif
