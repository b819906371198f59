#include <afx.h>
#include "FrameworkPrompt.h"
#include <algorithm>
#include <cerrno>
#include <cwchar>

IMPLEMENT_DYNAMIC(CException, CObject)
IMPLEMENT_DYNAMIC(CSimpleException, CException)
IMPLEMENT_DYNAMIC(CMemoryException, CSimpleException)
IMPLEMENT_DYNAMIC(CResourceException, CSimpleException)
IMPLEMENT_DYNAMIC(CInvalidArgException, CSimpleException)
IMPLEMENT_DYNAMIC(CNotSupportedException, CSimpleException)
IMPLEMENT_DYNAMIC(CFileException, CException)

namespace
{
// The framework has no string table of its own; these are its texts for its own ids.
LPCTSTR BuiltInMessage(UINT nResourceID)
{
    switch (nResourceID)
    {
    case AFX_IDS_MEMORY_EXCEPTION:
        return _T("Out of memory.");
    case AFX_IDS_NOT_SUPPORTED_EXCEPTION:
        return _T("The operation is not supported.");
    case AFX_IDS_RESOURCE_EXCEPTION:
        return _T("A required resource could not be found or loaded.");
    case AFX_IDS_INVALID_ARG_EXCEPTION:
        return _T("An invalid argument was passed.");
    default:
        return NULL;
    }
}

// Message templates of the file exception causes; %s is the file name.
LPCTSTR FileCauseMessage(int cause)
{
    switch (cause)
    {
    case CFileException::none:
        return _T("No error occurred on %s.");
    case CFileException::fileNotFound:
        return _T("%s was not found.");
    case CFileException::badPath:
        return _T("%s contains an invalid path.");
    case CFileException::tooManyOpenFiles:
        return _T("%s could not be opened because there are too many open files.");
    case CFileException::accessDenied:
        return _T("Access to %s was denied.");
    case CFileException::invalidFile:
        return _T("An invalid file handle was associated with %s.");
    case CFileException::removeCurrentDir:
        return _T("%s could not be removed because it is the current directory.");
    case CFileException::directoryFull:
        return _T("%s could not be created because the directory is full.");
    case CFileException::badSeek:
        return _T("Seek failed on %s.");
    case CFileException::hardIO:
        return _T("A hardware I/O error was reported while accessing %s.");
    case CFileException::sharingViolation:
        return _T("A sharing violation occurred while accessing %s.");
    case CFileException::lockViolation:
        return _T("A locking violation occurred while accessing %s.");
    case CFileException::diskFull:
        return _T("The disk is full while accessing %s.");
    case CFileException::endOfFile:
        return _T("An attempt was made to access %s past its end.");
    default:
        return _T("An unexpected error occurred while accessing %s.");
    }
}

struct OsErrorCause
{
    LONG lOsError;
    int cause;
};

const OsErrorCause osErrorCauses[] =
{
    { NO_ERROR, CFileException::none },
    { ERROR_FILE_NOT_FOUND, CFileException::fileNotFound },
    { ERROR_PATH_NOT_FOUND, CFileException::badPath },
    { ERROR_TOO_MANY_OPEN_FILES, CFileException::tooManyOpenFiles },
    { ERROR_ACCESS_DENIED, CFileException::accessDenied },
    { ERROR_INVALID_HANDLE, CFileException::fileNotFound },
    { ERROR_BAD_FORMAT, CFileException::invalidFile },
    { ERROR_INVALID_ACCESS, CFileException::accessDenied },
    { ERROR_INVALID_DRIVE, CFileException::badPath },
    { ERROR_CURRENT_DIRECTORY, CFileException::removeCurrentDir },
    { ERROR_NOT_SAME_DEVICE, CFileException::badPath },
    { ERROR_NO_MORE_FILES, CFileException::fileNotFound },
    { ERROR_WRITE_PROTECT, CFileException::accessDenied },
    { ERROR_BAD_UNIT, CFileException::hardIO },
    { ERROR_NOT_READY, CFileException::hardIO },
    { ERROR_BAD_COMMAND, CFileException::hardIO },
    { ERROR_CRC, CFileException::hardIO },
    { ERROR_BAD_LENGTH, CFileException::badSeek },
    { ERROR_SEEK, CFileException::badSeek },
    { ERROR_NOT_DOS_DISK, CFileException::invalidFile },
    { ERROR_SECTOR_NOT_FOUND, CFileException::badSeek },
    { ERROR_WRITE_FAULT, CFileException::accessDenied },
    { ERROR_READ_FAULT, CFileException::badSeek },
    { ERROR_SHARING_VIOLATION, CFileException::sharingViolation },
    { ERROR_LOCK_VIOLATION, CFileException::lockViolation },
    { ERROR_WRONG_DISK, CFileException::badPath },
    { ERROR_SHARING_BUFFER_EXCEEDED, CFileException::tooManyOpenFiles },
    { ERROR_HANDLE_EOF, CFileException::endOfFile },
    { ERROR_HANDLE_DISK_FULL, CFileException::diskFull },
    { ERROR_BAD_NETPATH, CFileException::badPath },
    { ERROR_NETWORK_ACCESS_DENIED, CFileException::accessDenied },
    { ERROR_BAD_NET_NAME, CFileException::badPath },
    { ERROR_FILE_EXISTS, CFileException::accessDenied },
    { ERROR_CANNOT_MAKE, CFileException::accessDenied },
    { ERROR_INVALID_PASSWORD, CFileException::accessDenied },
    { ERROR_DRIVE_LOCKED, CFileException::lockViolation },
    { ERROR_DISK_FULL, CFileException::diskFull },
    { ERROR_INVALID_NAME, CFileException::badPath },
    { ERROR_NEGATIVE_SEEK, CFileException::badSeek },
    { ERROR_SEEK_ON_DEVICE, CFileException::badSeek },
    { ERROR_DIR_NOT_EMPTY, CFileException::removeCurrentDir },
    { ERROR_BAD_PATHNAME, CFileException::badPath },
    { ERROR_LOCK_FAILED, CFileException::lockViolation },
    { ERROR_BUSY, CFileException::accessDenied },
    { ERROR_ALREADY_EXISTS, CFileException::accessDenied },
    { ERROR_BAD_EXE_FORMAT, CFileException::invalidFile },
    { ERROR_FILENAME_EXCED_RANGE, CFileException::badPath },
    { ERROR_DIRECTORY, CFileException::badPath },
    { ERROR_OPERATION_ABORTED, CFileException::hardIO },
    { ERROR_IO_INCOMPLETE, CFileException::hardIO },
};
}

// CException

CException::CException() : m_bAutoDelete(TRUE)
{
}

CException::CException(BOOL bAutoDelete) : m_bAutoDelete(bAutoDelete)
{
}

CException::~CException()
{
}

void CException::Delete()
{
    if (m_bAutoDelete > 0)
        delete this;
}

BOOL CException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const
{
    if (pnHelpContext != NULL)
        *pnHelpContext = 0;
    if (lpszError != NULL && nMaxError > 0)
        *lpszError = 0;
    return FALSE;
}

int CException::ReportError(UINT nType, UINT nMessageID)
{
    TCHAR szMessage[512];
    if (GetErrorMessage(szMessage, _countof(szMessage)) && szMessage[0] != 0)
        return AfxShowPrompt(szMessage, nType);
    return AfxShowPrompt(nMessageID != 0 ? nMessageID : AFX_IDP_NO_ERROR_AVAILABLE, nType);
}

BOOL CException::CopyErrorMessage(LPCTSTR lpszMessage, LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext)
{
    if (pnHelpContext != NULL)
        *pnHelpContext = 0;
    if (lpszError == NULL || nMaxError == 0)
        return FALSE;
    // Truncates to the caller's buffer, always terminated.
    size_t nCopy = std::min<size_t>(std::wcslen(lpszMessage), nMaxError - 1);
    std::wmemcpy(lpszError, lpszMessage, nCopy);
    lpszError[nCopy] = 0;
    return TRUE;
}

// CSimpleException

CSimpleException::CSimpleException()
    : m_bInitialized(FALSE), m_bLoaded(FALSE), m_nResourceID(0)
{
    m_szMessage[0] = 0;
}

CSimpleException::CSimpleException(BOOL bAutoDelete)
    : CException(bAutoDelete), m_bInitialized(FALSE), m_bLoaded(FALSE), m_nResourceID(0)
{
    m_szMessage[0] = 0;
}

CSimpleException::~CSimpleException()
{
}

void CSimpleException::InitString()
{
    m_bInitialized = TRUE;
    m_szMessage[0] = 0;
    if (m_nResourceID == 0)
        return;
    CString strMessage;
    LPCTSTR lpszBuiltIn = BuiltInMessage(m_nResourceID);
    if (strMessage.LoadString(m_nResourceID))
        m_bLoaded = CopyErrorMessage(strMessage, m_szMessage, _countof(m_szMessage), NULL);
    else if (lpszBuiltIn != NULL)
        m_bLoaded = CopyErrorMessage(lpszBuiltIn, m_szMessage, _countof(m_szMessage), NULL);
}

BOOL CSimpleException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const
{
    if (!m_bInitialized)
        const_cast<CSimpleException*>(this)->InitString();
    if (!m_bLoaded)
        return CException::GetErrorMessage(lpszError, nMaxError, pnHelpContext);
    return CopyErrorMessage(m_szMessage, lpszError, nMaxError, pnHelpContext);
}

// The pre-allocated exceptions

CMemoryException::CMemoryException() : CSimpleException() { m_nResourceID = AFX_IDS_MEMORY_EXCEPTION; }
CMemoryException::CMemoryException(BOOL bAutoDelete, UINT nResourceID) : CSimpleException(bAutoDelete)
{
    m_nResourceID = nResourceID;
}
CMemoryException::~CMemoryException() {}

CResourceException::CResourceException() : CSimpleException() { m_nResourceID = AFX_IDS_RESOURCE_EXCEPTION; }
CResourceException::CResourceException(BOOL bAutoDelete, UINT nResourceID) : CSimpleException(bAutoDelete)
{
    m_nResourceID = nResourceID;
}
CResourceException::~CResourceException() {}

CInvalidArgException::CInvalidArgException() : CSimpleException() { m_nResourceID = AFX_IDS_INVALID_ARG_EXCEPTION; }
CInvalidArgException::CInvalidArgException(BOOL bAutoDelete, UINT nResourceID) : CSimpleException(bAutoDelete)
{
    m_nResourceID = nResourceID;
}
CInvalidArgException::~CInvalidArgException() {}

CNotSupportedException::CNotSupportedException() : CSimpleException() { m_nResourceID = AFX_IDS_NOT_SUPPORTED_EXCEPTION; }
CNotSupportedException::CNotSupportedException(BOOL bAutoDelete, UINT nResourceID) : CSimpleException(bAutoDelete)
{
    m_nResourceID = nResourceID;
}
CNotSupportedException::~CNotSupportedException() {}

// CFileException

CFileException::CFileException(int cause, LONG lOsError, LPCTSTR lpszArchiveName)
    : m_cause(cause), m_lOsError(lOsError), m_strFileName(lpszArchiveName)
{
}

CFileException::~CFileException()
{
}

void CFileException::Empty()
{
    m_cause = none;
    m_lOsError = -1;
    m_strFileName.Empty();
}

int PASCAL CFileException::OsErrorToException(LONG lOsError)
{
    for (const OsErrorCause& entry : osErrorCauses)
    {
        if (entry.lOsError == lOsError)
            return entry.cause;
    }
    return genericException;
}

int PASCAL CFileException::ErrnoToException(int nErrno)
{
    switch (nErrno)
    {
    case EPERM:
    case EACCES:
        return accessDenied;
    case ENOENT:
    case ENFILE:
        return fileNotFound;
    case EBADF:
        return invalidFile;
    case EMFILE:
        return tooManyOpenFiles;
    case ENOSPC:
        return diskFull;
    case EDEADLOCK:
        return sharingViolation;
    case EINVAL:
    case EIO:
        return hardIO;
    default:
        return genericException;
    }
}

void PASCAL CFileException::ThrowOsError(LONG lOsError, LPCTSTR lpszFileName)
{
    if (lOsError != 0)
        AfxThrowFileException(OsErrorToException(lOsError), lOsError, lpszFileName);
}

void PASCAL CFileException::ThrowErrno(int nErrno, LPCTSTR lpszFileName)
{
    if (nErrno != 0)
        AfxThrowFileException(ErrnoToException(nErrno), _doserrno, lpszFileName);
}

BOOL CFileException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const
{
    CString strMessage;
    strMessage.Format(FileCauseMessage(m_cause),
                      m_strFileName.IsEmpty() ? _T("an unnamed file") : m_strFileName.GetString());
    return CopyErrorMessage(strMessage, lpszError, nMaxError, pnHelpContext);
}

// Throw helpers. The memory, resource, argument and support exceptions are pre-allocated and
// not auto-deleted: throwing them needs no memory, and handlers may Delete() them all the same.

void AFXAPI AfxThrowMemoryException()
{
    static CMemoryException simpleMemoryException(FALSE, AFX_IDS_MEMORY_EXCEPTION);
    throw &simpleMemoryException;
}

void AFXAPI AfxThrowResourceException()
{
    static CResourceException simpleResourceException(FALSE, AFX_IDS_RESOURCE_EXCEPTION);
    throw &simpleResourceException;
}

void AFXAPI AfxThrowInvalidArgException()
{
    static CInvalidArgException simpleInvalidArgException(FALSE, AFX_IDS_INVALID_ARG_EXCEPTION);
    throw &simpleInvalidArgException;
}

void AFXAPI AfxThrowNotSupportedException()
{
    static CNotSupportedException simpleNotSupportedException(FALSE, AFX_IDS_NOT_SUPPORTED_EXCEPTION);
    throw &simpleNotSupportedException;
}

void AFXAPI AfxThrowFileException(int cause, LONG lOsError, LPCTSTR lpszFileName)
{
    throw new CFileException(cause, lOsError, lpszFileName);
}
