// LoadDib against broken pictures: thousands of mutations of our own PNG, BMP, GIF and TIFF
// files, and headers that claim sizes no memory can hold. Every call must return, hold either
// nothing or a well-formed copy, and leave the file free to delete.

#include <gtest/gtest.h>

#include <zaduv.h>

#include "MessagePump.h"
#include "PictureFiles.h"
#include "PreviewHost.h"

#include <random>

using namespace zaduv_test;

namespace
{
const int MUTATIONS_PER_FORMAT = 600;

// One of three damages a file suffers on its way: flipped bits, a cut, two blocks swapped.
std::vector<BYTE> Mutate(const std::vector<BYTE>& original, std::mt19937& random)
{
    std::vector<BYTE> bytes(original);
    auto pick = [&random](size_t nLimit) { return std::uniform_int_distribution<size_t>(0, nLimit - 1)(random); };
    switch (pick(3))
    {
    case 0:
        for (size_t nFlips = 1 + pick(8); nFlips > 0; --nFlips)
            bytes[pick(bytes.size())] ^= static_cast<BYTE>(1 << pick(8));
        break;
    case 1:
        bytes.resize(pick(bytes.size()));
        break;
    default:
    {
        const size_t nLength = 1 + pick(bytes.size() / 4);
        const size_t nFirst = pick(bytes.size() - nLength);
        const size_t nSecond = pick(bytes.size() - nLength);
        std::vector<BYTE> block(bytes.begin() + nFirst, bytes.begin() + nFirst + nLength);
        std::copy(bytes.begin() + nSecond, bytes.begin() + nSecond + nLength, bytes.begin() + nFirst);
        std::copy(block.begin(), block.end(), bytes.begin() + nSecond);
        break;
    }
    }
    return bytes;
}

DWORD Crc32(const BYTE* p, size_t n)
{
    DWORD crc = 0xFFFFFFFF;
    for (size_t i = 0; i < n; ++i)
    {
        crc ^= p[i];
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320 & (0 - (crc & 1)));
    }
    return ~crc;
}

void PutBigEndian(std::vector<BYTE>& bytes, size_t nAt, DWORD dw)
{
    for (int i = 0; i < 4; ++i)
        bytes[nAt + i] = static_cast<BYTE>(dw >> (24 - 8 * i));
}

class PreviewFuzzTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dialog.CreateHost(120, 90));
    }

    void TearDown() override
    {
        m_dialog.DestroyWindow();
        PumpPending();
    }

    // The result matches what is held, and the file is free again. Wine difference: when one
    // of Wine's decoders (BMP, TIFF) rejects a file after reading its header,
    // GdipCreateBitmapFromFile returns the error but the decoder keeps its reference to the
    // file stream, so the file stays open until the process ends; Windows closes it. A failed
    // decode hands LoadDib no object to release, so only that case is let through on Wine.
    void LoadAndCheck(const std::vector<BYTE>& bytes, const char* lpszFormat, int nCase)
    {
        const std::wstring strPath = m_folder.File((CString(lpszFormat) + std::to_wstring(nCase).c_str() + L".img").GetString());
        ASSERT_TRUE(WriteBytes(strPath, bytes));
        const int nResult = m_dialog.m_preview.LoadDib(strPath.c_str());
        ASSERT_EQ(nResult != 0, m_dialog.m_preview.IsValidDib() != 0) << lpszFormat << " case " << nCase;
        ASSERT_EQ(0, AfxGetApp()->m_nWaitCursorCount);
        const bool bWineKeepsItOpen = RunningOnWine() && nResult == 0;
        if (!bWineKeepsItOpen)
        {
            ASSERT_TRUE(::DeleteFileW(strPath.c_str())) << lpszFormat << " case " << nCase << " left the file open";
        }
    }

    CScratchFolder m_folder;
    CPreviewDialog m_dialog;
};
}

TEST_F(PreviewFuzzTest, MutatedFilesOfEveryFormatNeverCrashOrKeepTheFileOpen)
{
    const struct { LPCWSTR lpszMime; const char* lpszName; } formats[] = {
        { L"image/png", "PNG" }, { L"image/bmp", "BMP" }, { L"image/gif", "GIF" }, { L"image/tiff", "TIFF" },
    };
    std::mt19937 random(9);
    for (const auto& format : formats)
    {
        const std::wstring strSeed = m_folder.File(L"seed.img");
        ASSERT_TRUE(WritePicture(strSeed, format.lpszMime, RampPixels(48, 32), 48, 32));
        const std::vector<BYTE> original = ReadBytes(strSeed);
        ASSERT_GT(original.size(), 16u);
        for (int i = 0; i < MUTATIONS_PER_FORMAT; ++i)
            ASSERT_NO_FATAL_FAILURE(LoadAndCheck(Mutate(original, random), format.lpszName, i));
    }
}

TEST_F(PreviewFuzzTest, HeadersClaimingHugeSizesLoadNothing)
{
    const std::wstring strPng = m_folder.File(L"seed.png");
    ASSERT_TRUE(WritePicture(strPng, L"image/png", RampPixels(8, 8), 8, 8));
    std::vector<BYTE> png = ReadBytes(strPng);
    // IHDR's width and height, with its checksum made right again so the decoder believes them.
    PutBigEndian(png, 16, 0x7FFFFFFF);
    PutBigEndian(png, 20, 0x7FFFFFFF);
    PutBigEndian(png, 29, Crc32(&png[12], 17));

    const std::wstring strBmp = m_folder.File(L"seed.bmp");
    ASSERT_TRUE(WriteBmp16(strBmp, 8, 8, 0x1234));
    std::vector<BYTE> bmp = ReadBytes(strBmp);
    BITMAPINFOHEADER* pInfo = reinterpret_cast<BITMAPINFOHEADER*>(&bmp[sizeof(BITMAPFILEHEADER)]);
    pInfo->biWidth = 0x7FFFFFFF;
    pInfo->biHeight = -0x7FFFFFFF;

    const std::vector<BYTE>* files[] = { &png, &bmp };
    for (const std::vector<BYTE>* pBytes : files)
    {
        ASSERT_NO_FATAL_FAILURE(LoadAndCheck(*pBytes, pBytes == &bmp ? "BMP" : "PNG", 0));
        EXPECT_EQ(0, m_dialog.m_preview.IsValidDib());
    }
}
