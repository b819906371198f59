// CFile as a host uses it to keep its own data: write, reopen, read back, seek and resize; and
// the CFileException a host sees for missing files, locked files and misuse.

#include <afx.h>
#include <gtest/gtest.h>
#include <cstring>
#include <functional>

namespace
{
// A file name in the temporary folder, removed before and after the test.
class CScratchFile
{
public:
    explicit CScratchFile(LPCWSTR lpszName)
    {
        WCHAR szTemp[MAX_PATH];
        ::GetTempPathW(MAX_PATH, szTemp);
        m_strPath = CString(szTemp) + lpszName;
        ::DeleteFileW(m_strPath);
    }
    ~CScratchFile() { ::DeleteFileW(m_strPath); }
    operator LPCWSTR() const { return m_strPath; }
    CString m_strPath;
};

// The cause of the CFileException fnUse throws, or -1 when it throws none.
int ThrownCause(const std::function<void()>& fnUse)
{
    int cause = -1;
    try { fnUse(); } catch (CFileException* e) { cause = e->m_cause; e->Delete(); }
    return cause;
}
}

TEST(CFileTest, WritesReadsSeeksAndResizesAFile)
{
    CScratchFile path(L"zaduv_cfile_rw.bin");
    {
        CFile file(path, CFile::modeCreate | CFile::modeWrite | CFile::shareExclusive);
        EXPECT_STREQ(L"zaduv_cfile_rw.bin", file.GetFileName());
        file.Write("0123456789", 10);
        file.Write("abc", 3);
    }   // the destructor closes the file it opened: the exclusive open below succeeds
    CFile file;
    ASSERT_TRUE(file.Open(path, CFile::modeReadWrite | CFile::modeCreate | CFile::modeNoTruncate | CFile::shareExclusive));
    EXPECT_EQ(13u, file.GetLength());
    char buffer[16] = {};
    EXPECT_EQ(4u, file.Read(buffer, 4));
    EXPECT_EQ(8u, file.Seek(4, CFile::current));
    EXPECT_EQ(5u, file.Read(buffer + 4, sizeof(buffer) - 4));     // short read at the end
    EXPECT_STREQ("012389abc", buffer);
    file.SetLength(6);
    EXPECT_EQ(6u, file.SeekToEnd());
    file.Close();
    EXPECT_EQ(CFile::hFileNull, file.m_hFile);
    // modeCreate without modeNoTruncate empties an existing file.
    EXPECT_EQ(0u, CFile(path, CFile::modeCreate | CFile::modeReadWrite).GetLength());

    // An attached handle stays open when the object goes, until Close.
    HANDLE hFile = ::CreateFileW(path, GENERIC_READ | GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
    ASSERT_NE(INVALID_HANDLE_VALUE, hFile);
    CFile(hFile).Write("xy", 2);
    EXPECT_EQ(2u, ::GetFileSize(hFile, NULL));
    CFile(hFile).Close();
    EXPECT_EQ(INVALID_FILE_SIZE, ::GetFileSize(hFile, NULL));
}

TEST(CFileTest, FailuresReportCauseOsErrorAndFileName)
{
    CScratchFile missing(L"zaduv_cfile_missing.bin");
    CFileException error;
    CFile file;
    EXPECT_FALSE(file.Open(missing, CFile::modeRead, &error));
    EXPECT_EQ(CFileException::fileNotFound, error.m_cause);
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, error.m_lOsError);
    WCHAR szFull[MAX_PATH];
    ::GetFullPathNameW(missing, MAX_PATH, szFull, NULL);
    EXPECT_STREQ(szFull, error.m_strFileName);
    WCHAR szMessage[512];
    ASSERT_TRUE(error.GetErrorMessage(szMessage, 512));
    EXPECT_NE(nullptr, std::wcsstr(szMessage, L"zaduv_cfile_missing.bin"));
    // A short buffer receives a truncated, terminated message.
    EXPECT_TRUE(error.GetErrorMessage(szMessage, 6));
    EXPECT_EQ(5u, std::wcslen(szMessage));
    CFileException::ThrowOsError(NO_ERROR);     // no error, no exception
    EXPECT_EQ(CFileException::badPath, CFileException::OsErrorToException(ERROR_PATH_NOT_FOUND));
    EXPECT_FALSE(file.Open(NULL, CFile::modeRead, &error));
    EXPECT_EQ(CFileException::badPath, error.m_cause);
    EXPECT_EQ(CFileException::fileNotFound, ThrownCause([&] { CFile constructed(missing, CFile::modeRead); }));

    CScratchFile locked(L"zaduv_cfile_locked.bin");
    CFile writer(locked, CFile::modeCreate | CFile::modeWrite | CFile::shareDenyWrite);
    EXPECT_FALSE(file.Open(locked, CFile::modeWrite | CFile::shareDenyNone, &error));
    EXPECT_EQ(CFileException::sharingViolation, error.m_cause);
    EXPECT_EQ(ERROR_SHARING_VIOLATION, error.m_lOsError);
    // Reading a file opened for writing only, and any use of a closed file, throw.
    EXPECT_EQ(CFileException::accessDenied, ThrownCause([&] { char ch; writer.Read(&ch, 1); }));
    EXPECT_NE(-1, ThrownCause([&] { file.Write("x", 1); }));
    EXPECT_NE(-1, ThrownCause([&] { file.GetLength(); }));
    EXPECT_NE(-1, ThrownCause([&] { file.Seek(0, CFile::begin); }));
}
