#ifndef AFX_FILE_H
#define AFX_FILE_H
// CFile: unbuffered binary file access over a Win32 file handle. Failures throw CFileException
// with the cause, the system's error code and the file's path; Open with a CFileException
// argument fills that one and returns FALSE instead.

#include <afx/AfxDefs.h>
#include <afx/Object.h>
#include <afx/AfxString.h>
#include <afx/Exception.h>

class AFX_API CFile : public CObject
{
    DECLARE_DYNAMIC(CFile)
public:
    enum OpenFlags
    {
        modeRead =          0x00000,
        modeWrite =         0x00001,
        modeReadWrite =     0x00002,
        shareCompat =       0x00000,
        shareExclusive =    0x00010,
        shareDenyWrite =    0x00020,
        shareDenyRead =     0x00030,
        shareDenyNone =     0x00040,
        modeNoInherit =     0x00080,
        modeCreate =        0x01000,
        modeNoTruncate =    0x02000,
        typeText =          0x04000,    // for the text files of derived classes
        typeBinary =        0x08000,
        osNoBuffer =        0x10000,
        osWriteThrough =    0x20000,
        osRandomAccess =    0x40000,
        osSequentialScan =  0x80000
    };

    enum SeekPosition { begin = 0x0, current = 0x1, end = 0x2 };

    static const HANDLE hFileNull;

// Construction
    CFile();
    // Attaches an open handle; the destructor leaves it open, Close() closes it.
    CFile(HANDLE hFile);
    // Opens the file or throws CFileException.
    CFile(LPCTSTR lpszFileName, UINT nOpenFlags);
    virtual ~CFile();

    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;

// Attributes
    HANDLE m_hFile;
    operator HANDLE() const { return m_hFile; }

    virtual ULONGLONG GetPosition() const;
    virtual CString GetFileName() const;
    virtual CString GetFilePath() const;
    virtual void SetFilePath(LPCTSTR lpszNewName);

// Operations
    virtual BOOL Open(LPCTSTR lpszFileName, UINT nOpenFlags, CFileException* pError = NULL);

    static void PASCAL Rename(LPCTSTR lpszOldName, LPCTSTR lpszNewName);
    static void PASCAL Remove(LPCTSTR lpszFileName);

    void SeekToBegin();
    ULONGLONG SeekToEnd();

// Overridables
    virtual ULONGLONG Seek(LONGLONG lOff, UINT nFrom);
    virtual void SetLength(ULONGLONG dwNewLen);
    virtual ULONGLONG GetLength() const;

    virtual UINT Read(void* lpBuf, UINT nCount);    // fewer than nCount bytes at the end
    virtual void Write(const void* lpBuf, UINT nCount);

    virtual void Flush();
    virtual void Close();
    virtual void Abort();   // closes without reporting errors

// Implementation
protected:
    void ThrowLastError() const;

    BOOL m_bCloseOnDelete;
    CString m_strFileName;  // the full path of the file opened
};

#endif
