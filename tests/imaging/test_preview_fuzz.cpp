// LoadDib against broken pictures: thousands of mutations of our own PNG, BMP, GIF and TIFF
// files, and a header that claims a size no memory can hold. Every call must return, hold
// either nothing or a well-formed copy, and leave the file free to delete.

#include <gtest/gtest.h>

#include <zaduv.h>

#include "MessagePump.h"
#include "PictureFiles.h"
#include "PreviewHost.h"

#include <random>

using namespace zaduv_test;

namespace
{
// One of three damages a file suffers on its way: flipped bits, a cut, two blocks swapped.
std::vector<BYTE> Mutate(std::vector<BYTE> bytes, std::mt19937& random)
{
    auto pick = [&random](size_t nLimit) { return std::uniform_int_distribution<size_t>(0, nLimit - 1)(random); };
    const size_t nKind = pick(3);
    if (nKind == 0)
        for (size_t nFlips = 1 + pick(8); nFlips > 0; --nFlips)
            bytes[pick(bytes.size())] ^= static_cast<BYTE>(1 << pick(8));
    else if (nKind == 1)
        bytes.resize(pick(bytes.size()));
    else
    {
        const size_t nLength = 1 + pick(bytes.size() / 4);
        const size_t nFirst = pick(bytes.size() - nLength), nSecond = pick(bytes.size() - nLength);
        std::vector<BYTE> block(bytes.begin() + nFirst, bytes.begin() + nFirst + nLength);
        std::copy(bytes.begin() + nSecond, bytes.begin() + nSecond + nLength, bytes.begin() + nFirst);
        std::copy(block.begin(), block.end(), bytes.begin() + nSecond);
    }
    return bytes;
}

class PreviewFuzzTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_dialog.CreateHost(120, 90)); }
    void TearDown() override { m_dialog.DestroyWindow(); PumpPending(); }

    // The result matches what is held, and the file is free again. Wine difference: when one
    // of Wine's decoders (BMP, TIFF) rejects a file after reading its header,
    // GdipCreateBitmapFromFile returns the error but the decoder keeps its reference to the
    // file stream, so the file stays open until the process ends; Windows closes it. A failed
    // decode hands LoadDib no object to release, so only that case is let through on Wine.
    void LoadAndCheck(const std::vector<BYTE>& bytes, const std::wstring& strName)
    {
        const std::wstring strPath = m_folder.File(strName.c_str());
        ASSERT_TRUE(WriteBytes(strPath, bytes));
        const int nResult = m_dialog.m_preview.LoadDib(strPath.c_str());
        ASSERT_EQ(nResult != 0, m_dialog.m_preview.IsValidDib() != 0) << strName;
        ASSERT_EQ(0, AfxGetApp()->m_nWaitCursorCount);
        if (!RunningOnWine() || nResult != 0)
        {
            ASSERT_TRUE(::DeleteFileW(strPath.c_str())) << strName << " left the file open";
        }
    }

    CScratchFolder m_folder;
    CPreviewDialog m_dialog;
};
}

TEST_F(PreviewFuzzTest, MutatedFilesOfEveryFormatNeverCrashOrKeepTheFileOpen)
{
    std::mt19937 random(9);
    for (LPCWSTR lpszMime : { L"image/png", L"image/bmp", L"image/gif", L"image/tiff" })
    {
        const std::wstring strSeed = m_folder.File(L"seed.img");
        ASSERT_TRUE(WritePicture(strSeed, lpszMime, RampPixels(48, 32), 48, 32));
        const std::vector<BYTE> original = ReadBytes(strSeed);
        ASSERT_GT(original.size(), 16u);
        for (int i = 0; i < 600; ++i)
            ASSERT_NO_FATAL_FAILURE(LoadAndCheck(Mutate(original, random), std::wstring(lpszMime + 6) + std::to_wstring(i)));
    }
}

TEST_F(PreviewFuzzTest, AHeaderClaimingAHugeSizeLoadsNothing)
{
    const std::wstring strSeed = m_folder.File(L"seed.bmp");
    ASSERT_TRUE(WriteBmp16(strSeed, 8, 8, 0x1234));
    std::vector<BYTE> bmp = ReadBytes(strSeed);
    BITMAPINFOHEADER* pInfo = reinterpret_cast<BITMAPINFOHEADER*>(&bmp[sizeof(BITMAPFILEHEADER)]);
    pInfo->biWidth = 0x7FFFFFFF;
    pInfo->biHeight = -0x7FFFFFFF;
    ASSERT_NO_FATAL_FAILURE(LoadAndCheck(bmp, L"huge.bmp"));
    EXPECT_EQ(0, m_dialog.m_preview.IsValidDib());
}
