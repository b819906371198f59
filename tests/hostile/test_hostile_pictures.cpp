// CPreviewCtrl::LoadDib against damaged picture files of every format the tests can write:
// blind damage, and header fields (sizes, depths, offsets) set to boundary values with the
// checksums made right again so that the decoder believes them. Before each damaged file the
// control holds a good picture; afterwards it holds either nothing (result 0) or a well-formed
// 32-bit copy, paints, keeps no wait cursor and no file open.

#include <gtest/gtest.h>

#include <zaduv.h>

#include "HostileInput.h"
#include "MessagePump.h"
#include "PictureFiles.h"
#include "PreviewHost.h"

#include <gdiplus.h>

using namespace zaduv_test;
using namespace hostile_test;

namespace
{
// A header field: its offset, width in bytes and byte order.
struct SField
{
    size_t nOffset;
    size_t nBytes;
    bool bBigEndian;
};

void PutField(std::vector<BYTE>& bytes, const SField& field, DWORD dwValue)
{
    for (size_t i = 0; i < field.nBytes && field.nOffset + i < bytes.size(); ++i)
    {
        const size_t nShift = 8 * (field.bBigEndian ? field.nBytes - 1 - i : i);
        bytes[field.nOffset + i] = static_cast<BYTE>(dwValue >> nShift);
    }
}

DWORD Crc32(const BYTE* p, size_t n)
{
    DWORD dwCrc = 0xFFFFFFFF;
    while (n-- > 0)
    {
        dwCrc ^= *p++;
        for (int k = 0; k < 8; ++k)
            dwCrc = (dwCrc >> 1) ^ (0xEDB88320 & (0 - (dwCrc & 1)));
    }
    return ~dwCrc;
}

// The size, depth and offset fields of each format's header, found in the file as written.
std::vector<SField> HeaderFields(const std::wstring& strMime, const std::vector<BYTE>& bytes)
{
    if (strMime == L"image/bmp")     // file size, pixel offset, header size, width, height, planes, depth, compression, image size, colours
        return { { 2, 4, false }, { 10, 4, false }, { 14, 4, false }, { 18, 4, false }, { 22, 4, false }, { 26, 2, false },
            { 28, 2, false }, { 30, 4, false }, { 34, 4, false }, { 46, 4, false } };
    if (strMime == L"image/png")     // IHDR length, width, height, depth, colour type, interlace
        return { { 8, 4, true }, { 16, 4, true }, { 20, 4, true }, { 24, 1, true }, { 25, 1, true }, { 28, 1, true } };
    if (strMime == L"image/gif")     // screen width and height, flags, first image's place, size and flags
    {
        std::vector<SField> fields = { { 6, 2, false }, { 8, 2, false }, { 10, 1, false } };
        size_t i = 13 + ((bytes[10] & 0x80) != 0 ? 3u << ((bytes[10] & 7) + 1) : 0);
        while (i + 2 < bytes.size() && bytes[i] == 0x21)           // extensions: label, sized blocks, 0
        {
            for (i += 2; i < bytes.size() && bytes[i] != 0; i += 1 + bytes[i])
                ;
            ++i;
        }
        if (i + 10 <= bytes.size() && bytes[i] == 0x2C)
            fields.insert(fields.end(), { { i + 1, 2, false }, { i + 5, 2, false }, { i + 7, 2, false }, { i + 9, 1, false } });
        return fields;
    }
    if (strMime == L"image/tiff")    // first directory's offset, entry count, and each entry's count and value
    {
        std::vector<SField> fields = { { 4, 4, false } };
        const size_t nDirectory = GetDWord(bytes, 4);
        fields.push_back({ nDirectory, 2, false });
        for (size_t nEntry = nDirectory + 2; nEntry + 12 <= bytes.size() && fields.size() < 24; nEntry += 12)
        {
            fields.push_back({ nEntry + 4, 4, false });
            fields.push_back({ nEntry + 8, 4, false });
        }
        return fields;
    }
    std::vector<SField> fields;      // JPEG: every segment length, and the frame's depth, height and width
    for (size_t i = 2; i + 9 < bytes.size() && bytes[i] == 0xFF; i += 2 + (bytes[i + 2] << 8 | bytes[i + 3]))
    {
        fields.push_back({ i + 2, 2, true });
        if (bytes[i + 1] == 0xC0)
            fields.insert(fields.end(), { { i + 4, 1, true }, { i + 5, 2, true }, { i + 7, 2, true } });
        if (bytes[i + 1] == 0xDA)
            break;
    }
    return fields;
}

void SetHeaderField(const std::wstring& strMime, std::vector<BYTE>& bytes, std::mt19937& random)
{
    const std::vector<SField> fields = HeaderFields(strMime, bytes);
    ASSERT_FALSE(fields.empty());
    PutField(bytes, fields[Pick(random, fields.size())], BoundaryValue(random));
    if (strMime == L"image/png")
        PutField(bytes, SField{ 29, 4, true }, Crc32(&bytes[12], 17));
}

class HostilePictures : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_dialog.CreateHost(120, 90)); }
    void TearDown() override
    {
        m_dialog.DestroyWindow();
        PumpPending();
    }

    // Wine difference: when one of Wine's decoders (BMP, TIFF) rejects a file after reading its
    // header, GdipCreateBitmapFromFile returns the error but keeps its reference to the file
    // stream, so the file stays open until the process ends; Windows closes it. A failed decode
    // hands LoadDib no object to release, so only that case is let through on Wine, and every
    // file gets a name of its own.
    void LoadAndCheck(const std::vector<BYTE>& bytes, EOutcome& outcome)
    {
        using namespace Gdiplus;
        CPreviewProbe& preview = m_dialog.m_preview;
        ASSERT_NE(0, preview.LoadDib(m_strGood.c_str()));
        const std::wstring strPath = m_folder.File(std::to_wstring(++m_nFiles).c_str());
        ASSERT_TRUE(WriteBytes(strPath, bytes));
        const int nResult = preview.LoadDib(strPath.c_str());
        outcome = nResult != 0 ? ACCEPTED : REFUSED;
        ASSERT_EQ(nResult != 0, preview.IsValidDib() != 0);
        ASSERT_EQ(0, AfxGetApp()->m_nWaitCursorCount);
        if (nResult != 0)
        {
            PixelFormat format = 0;
            UINT cx = 0, cy = 0;
            DllExports::GdipGetImagePixelFormat(preview.m_pImage, &format);
            DllExports::GdipGetImageWidth(preview.m_pImage, &cx);
            DllExports::GdipGetImageHeight(preview.m_pImage, &cy);
            EXPECT_EQ(PixelFormat32bppARGB, format);
            EXPECT_TRUE(cx > 0 && cy > 0);
        }
        preview.Invalidate();
        preview.UpdateWindow();
        preview.PaintDib(TRUE);
        if (!RunningOnWine() || nResult != 0)
        {
            ASSERT_TRUE(::DeleteFileW(strPath.c_str())) << "the file was left open";
        }
    }

    CScratchFolder m_folder;
    CPreviewDialog m_dialog;
    std::wstring m_strGood;
    int m_nFiles = 0;
};
}

TEST_F(HostilePictures, DamagedFilesOfEveryFormatLoadAsStatedAndPaint)
{
    m_strGood = m_folder.File(L"good.png");
    ASSERT_TRUE(WritePicture(m_strGood, L"image/png", RampPixels(20, 10), 20, 10));
    unsigned nSalt = 10;
    for (LPCWSTR lpszMime : { L"image/png", L"image/bmp", L"image/gif", L"image/tiff", L"image/jpeg" })
    {
        const std::wstring strSeed = m_folder.File(L"seed.img");
        ASSERT_TRUE(WritePicture(strSeed, lpszMime, RampPixels(48, 32), 48, 32));
        const std::vector<BYTE> original = ReadBytes(strSeed);
        ASSERT_GT(original.size(), 64u);
        RunRounds("picture files", ++nSalt, 300, [&](std::mt19937& random, EOutcome& outcome) {
            std::vector<BYTE> bytes = original;
            if (Pick(random, 2) == 0)
                Damage(bytes, random);
            else
                SetHeaderField(lpszMime, bytes, random);
            LoadAndCheck(bytes, outcome);
        });
    }
}

// A path the system refuses keeps the picture; a header claiming more than memory holds drops it.
TEST_F(HostilePictures, RefusedPathsAndImpossibleSizes)
{
    m_strGood = m_folder.File(L"good.bmp");
    ASSERT_TRUE(WriteBmp16(m_strGood, 8, 8, 0x1234));
    for (const std::wstring& strPath : { m_folder.File(std::wstring(40000, L'x').c_str()), std::wstring(L"a<b>|?*.png") })
    {
        ASSERT_NE(0, m_dialog.m_preview.LoadDib(m_strGood.c_str()));
        EXPECT_EQ(0, m_dialog.m_preview.LoadDib(strPath.c_str()));
        EXPECT_NE(0, m_dialog.m_preview.IsValidDib());
    }
    std::vector<BYTE> huge = ReadBytes(m_strGood);
    PutDWord(huge, 18, 0x7FFFFFFF);
    PutDWord(huge, 22, 0x80000001);
    EOutcome outcome = REFUSED;
    ASSERT_NO_FATAL_FAILURE(LoadAndCheck(huge, outcome));
    EXPECT_EQ(0, m_dialog.m_preview.IsValidDib());
}
