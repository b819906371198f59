// CAniCursor::Load of damaged animated cursors, found by the host's resource chain in a
// satellite module (hostile_resources.dll, set as the application's resource handle). The
// module's slot resource is overwritten in memory with each damaged cursor and its recorded
// size changed to the damaged length, so the loader sees what a damaged module would hand it:
// cut chunks, wrong chunk sizes, frame and step counts beyond the data, zero rates, sequences
// naming frames that are not there, broken frame headers. Load answers true exactly when it
// holds a cursor, destroys the one held before either way, and every frame then draws.

#include <gtest/gtest.h>

#include <zaduv.h>

#include "DibSurface.h"
#include "HostileInput.h"
#include "PictureFiles.h"

#include <cstring>

using namespace zaduv_test;
using namespace hostile_test;

namespace
{
const UINT IDR_BUSY = 301, IDR_SLOT = 399;
const LPCWSTR RT_ANICURSORS = L"ANICURSORS";

// The offsets of the generated busy cursor (see cmake/MakeImagingResources.cmake).
const size_t RIFF_SIZE = 4, ANIH_SIZE = 16, ANIH_FRAMES = 24, ANIH_STEPS = 28, ANIH_RATE = 48, ANIH_FLAGS = 52;
const size_t LIST_SIZE = 60, FIRST_ICON = 68, ICON_CHUNK = 8 + 326;
const size_t SIZE_FIELDS[] = { RIFF_SIZE, ANIH_SIZE, LIST_SIZE };
// Inside one icon chunk: its size, the directory's count, the entry's size and offset, the
// bitmap header's width, height and depth.
const size_t ICON_FIELDS[] = { 4, 12, 22, 26, 34, 38, 44 };
const DWORD AF_ICON = 1, AF_SEQUENCE = 2;

class CAniCursorProbe : public CAniCursor
{
public:
    HICON Handle() const { return m_hCursor; }
};

bool IsLiveIcon(HICON hIcon)
{
    ICONINFO info = {};
    if (hIcon == NULL || !::GetIconInfo(hIcon, &info))
        return false;
    ::DeleteObject(info.hbmMask);
    if (info.hbmColor != NULL)
        ::DeleteObject(info.hbmColor);
    return true;
}

// The satellite module in the resource chain, its slot writable for as long as it is loaded.
class CCursorModule
{
public:
    CCursorModule() : m_hOldResource(AfxGetResourceHandle())
    {
        wchar_t szPath[MAX_PATH];
        DWORD nLength = ::GetModuleFileNameW(NULL, szPath, MAX_PATH);
        while (nLength > 0 && szPath[nLength - 1] != L'\\')
            --nLength;
        m_hModule = ::LoadLibraryW((std::wstring(szPath, nLength) + L"hostile_resources.dll").c_str());
        AfxSetResourceHandle(m_hModule != NULL ? m_hModule : m_hOldResource);
        // A resource handle is the module's data entry of the resource: its offset and size.
        HRSRC hSlot = Find(IDR_SLOT);
        auto* pEntry = reinterpret_cast<IMAGE_RESOURCE_DATA_ENTRY*>(hSlot);
        BYTE* pSlot = Data(IDR_SLOT);
        DWORD dwOld = 0;
        if (pSlot != NULL && reinterpret_cast<BYTE*>(m_hModule) + pEntry->OffsetToData == pSlot
            && pEntry->Size == ::SizeofResource(m_hModule, hSlot) && ::VirtualProtect(pSlot, pEntry->Size, PAGE_READWRITE, &dwOld)
            && ::VirtualProtect(pEntry, sizeof(*pEntry), PAGE_READWRITE, &dwOld))
            m_pSlot = pSlot, m_pEntry = pEntry, m_nCapacity = pEntry->Size;
    }
    ~CCursorModule()
    {
        AfxSetResourceHandle(m_hOldResource);
        if (m_hModule != NULL)
            ::FreeLibrary(m_hModule);
    }

    bool IsReady() const { return m_pSlot != NULL; }
    size_t Capacity() const { return m_nCapacity; }

    std::vector<BYTE> Resource(UINT nId) const
    {
        const BYTE* p = Data(nId);
        return p != NULL ? std::vector<BYTE>(p, p + ::SizeofResource(m_hModule, Find(nId))) : std::vector<BYTE>();
    }

    void Fill(const std::vector<BYTE>& bytes)
    {
        std::fill(m_pSlot, m_pSlot + m_nCapacity, 0);
        std::copy(bytes.begin(), bytes.end(), m_pSlot);
        m_pEntry->Size = static_cast<DWORD>(bytes.size());
    }

private:
    HRSRC Find(UINT nId) const { return m_hModule != NULL ? ::FindResourceW(m_hModule, MAKEINTRESOURCEW(nId), RT_ANICURSORS) : NULL; }
    BYTE* Data(UINT nId) const
    {
        HRSRC hResource = Find(nId);
        return hResource != NULL ? static_cast<BYTE*>(::LockResource(::LoadResource(m_hModule, hResource))) : NULL;
    }

    HMODULE m_hModule = NULL;
    HINSTANCE m_hOldResource;
    BYTE* m_pSlot = NULL;
    IMAGE_RESOURCE_DATA_ENTRY* m_pEntry = NULL;
    DWORD m_nCapacity = 0;
};

// A chunk (four-character code, then its data) added at the end, the RIFF size made to fit.
void AppendChunk(std::vector<BYTE>& bytes, const char* pszCode, const std::vector<DWORD>& values)
{
    const size_t nAt = bytes.size();
    bytes.insert(bytes.end(), pszCode, pszCode + 4);
    bytes.resize(nAt + 8 + 4 * values.size());
    PutDWord(bytes, nAt + 4, static_cast<DWORD>(values.size() * 4));
    for (size_t i = 0; i < values.size(); ++i)
        PutDWord(bytes, nAt + 8 + 4 * i, values[i]);
    PutDWord(bytes, RIFF_SIZE, static_cast<DWORD>(bytes.size() - 8));
}

// One damage of the ways a cursor resource goes wrong, chosen at random.
std::vector<BYTE> DamagedCursor(const std::vector<BYTE>& good, std::mt19937& random)
{
    std::vector<BYTE> bytes = good;
    const size_t nIcon = FIRST_ICON + Pick(random, 18) * ICON_CHUNK;
    const DWORD nSteps = Pick(random, 2) != 0 ? BoundaryValue(random) : static_cast<DWORD>(Pick(random, 40));
    switch (Pick(random, 9))
    {
    case 0:
        bytes.resize(Pick(random, bytes.size()));
        break;
    case 1:
        PutDWord(bytes, SIZE_FIELDS[Pick(random, 3)],
            Pick(random, 2) != 0 ? BoundaryValue(random) : GetDWord(bytes, ANIH_SIZE) + static_cast<DWORD>(Pick(random, 9)) - 4);
        break;
    case 2:
        PutDWord(bytes, ANIH_FRAMES, nSteps);
        PutDWord(bytes, ANIH_STEPS, static_cast<DWORD>(Pick(random, 40)));
        break;
    case 3:
        PutDWord(bytes, ANIH_STEPS, nSteps);
        break;
    case 4:
        PutDWord(bytes, nIcon + ICON_FIELDS[Pick(random, sizeof(ICON_FIELDS) / sizeof(ICON_FIELDS[0]))], BoundaryValue(random));
        break;
    case 5:     // zero (or absurd) rates for every step
        PutDWord(bytes, ANIH_RATE, 0);
        PutDWord(bytes, ANIH_FLAGS, AF_ICON | AF_SEQUENCE * static_cast<DWORD>(Pick(random, 2)));
        AppendChunk(bytes, "rate", std::vector<DWORD>(Pick(random, 2) != 0 ? 18 : Pick(random, 40), Pick(random, 2) != 0 ? 0 : BoundaryValue(random)));
        break;
    case 6:     // a sequence naming frames that are not there
    {
        std::vector<DWORD> sequence(Pick(random, 40));
        for (DWORD& dwFrame : sequence)
            dwFrame = Pick(random, 2) != 0 ? static_cast<DWORD>(Pick(random, 18)) : BoundaryValue(random);
        PutDWord(bytes, ANIH_STEPS, Pick(random, 2) != 0 ? static_cast<DWORD>(sequence.size()) : nSteps);
        PutDWord(bytes, ANIH_FLAGS, AF_ICON | AF_SEQUENCE);
        AppendChunk(bytes, "seq ", sequence);
        break;
    }
    case 7:
        PutDWord(bytes, ANIH_FLAGS, BoundaryValue(random));
        break;
    default:
        Damage(bytes, random, Pick(random, 2) != 0 ? 12 : 0);
        break;
    }
    return bytes;
}

// Wine difference: Wine's loader of animated cursors (CreateIconFromResourceEx) trusts the
// chunk sizes, the frame and step counts of the header, the sequence and each frame's icon
// directory, and walks past the data they describe: a cut resource makes it read a frame
// directory with no entries through a null pointer and fault. Windows answers such a resource
// with a null handle, which Load turns into false. On Wine only resources whose chunks, frames
// and sequence hold together are handed over; the rest are counted as withheld.
bool WineLoaderCanWalk(const std::vector<BYTE>& bytes)
{
    auto code = [&bytes](size_t nAt, const char* pszCode) { return std::memcmp(&bytes[nAt], pszCode, 4) == 0; };
    auto word = [&bytes](size_t nAt) { return static_cast<size_t>(bytes[nAt] | bytes[nAt + 1] << 8); };
    if (bytes.size() < 12 || !code(0, "RIFF"))
        return true;
    const size_t nRiffSize = GetDWord(bytes, 4);
    if (nRiffSize < 4 || nRiffSize > bytes.size() - 8)
        return false;
    size_t nAnih = 0, nFram = 0, nFramEnd = 0, nSeq = 0, nSeqBytes = 0, nRate = 0, nRateBytes = 0;
    for (size_t nAt = 12; nAt + 8 <= 8 + nRiffSize; nAt += 8 + ((GetDWord(bytes, nAt + 4) + 1) & ~size_t(1)))
    {
        const size_t nSize = GetDWord(bytes, nAt + 4);
        if (nSize > nRiffSize - nAt)
            return false;
        if (code(nAt, "anih"))
            nAnih = nSize >= 36 ? nAt + 8 : 0;
        else if (code(nAt, "LIST") && nSize >= 4 && code(nAt + 8, "fram"))
            nFram = nAt + 12, nFramEnd = nAt + 8 + nSize;
        else if (code(nAt, "seq "))
            nSeq = nAt + 8, nSeqBytes = nSize;
        else if (code(nAt, "rate"))
            nRate = nAt + 8, nRateBytes = nSize;
    }
    if (nAnih == 0 || nFram == 0)
        return true;        // refused before any frame is read
    const DWORD nFrames = GetDWord(bytes, nAnih + 4), nSteps = GetDWord(bytes, nAnih + 8);
    if (nFrames == 0 || nFrames > 64 || nSteps == 0 || nSteps > 64 || (nSeq == 0 && nSteps != nFrames)
        || (nSeq != 0 && nSeqBytes < 4 * nSteps) || (nRate != 0 && nRateBytes < 4 * nSteps))
        return false;
    for (DWORD i = 0; nSeq != 0 && i < nSteps; ++i)
        if (GetDWord(bytes, nSeq + 4 * i) >= nFrames)
            return false;
    for (size_t nAt = nFram, i = 0; i < nFrames; ++i)
    {
        const size_t nDir = nAt + 8, nSize = nDir <= nFramEnd ? GetDWord(bytes, nAt + 4) : 0;
        if (!code(nAt, "icon") || nSize > nFramEnd - nDir || nSize < 6 + 16 || word(nDir + 4) == 0 || 6 + 16 * word(nDir + 4) > nSize)
            return false;
        for (size_t nEntry = nDir + 6; nEntry < nDir + 6 + 16 * word(nDir + 4); nEntry += 16)
        {
            // Each frame's bitmap: its header, palette, colour and mask rows inside the entry.
            const size_t nBytes = GetDWord(bytes, nEntry + 8), nOffset = GetDWord(bytes, nEntry + 12), nBmp = nDir + nOffset;
            if (nOffset > nSize || nBytes > nSize - nOffset || nBytes < 40)
                return false;
            const long long cx = static_cast<LONG>(GetDWord(bytes, nBmp + 4)), cy = static_cast<LONG>(GetDWord(bytes, nBmp + 8)) / 2;
            const long long nBitCount = word(nBmp + 14), nColours = GetDWord(bytes, nBmp + 32);
            if (GetDWord(bytes, nBmp) != 40 || cx < 1 || cx > 256 || cy < 1 || cy > 256 || word(nBmp + 12) != 1
                || (nBitCount != 1 && nBitCount != 4 && nBitCount != 8 && nBitCount != 24 && nBitCount != 32) || nColours > 256
                || GetDWord(bytes, nBmp + 16) != BI_RGB
                || 40 + (nBitCount <= 8 ? 4 * (nColours != 0 ? nColours : 1LL << nBitCount) : 0) + ((cx * nBitCount + 31) / 32 * 4 + (cx + 31) / 32 * 4) * cy > static_cast<long long>(nBytes))
                return false;
        }
        nAt = nDir + ((nSize + 1) & ~size_t(1));
    }
    return true;
}

// Every frame the counter reaches, drawn over one another; nothing is drawn without a cursor.
bool DrawsAnything(CAniCursor& cursor)
{
    CDibSurface surface(32, 32, RGB(255, 255, 255));
    for (int nFrame = 0; nFrame < 18; ++nFrame)
    {
        cursor.Draw(&surface.DC(), 0, 0, 32, 32);
        cursor.OnTimer();
    }
    return !surface.Capture().BoundingBox(RGB(0, 0, 0)).IsRectEmpty();
}
}

TEST(HostileAniCursor, DamagedResourcesLoadAsStatedAndDraw)
{
    CCursorModule module;
    ASSERT_TRUE(module.IsReady()) << "the satellite module and its writable slot";
    const std::vector<BYTE> good = module.Resource(IDR_BUSY);
    ASSERT_GT(good.size(), FIRST_ICON + 18 * ICON_CHUNK - 1);
    module.Fill(good);
    CAniCursorProbe cursor;
    ASSERT_TRUE(cursor.Load(IDR_SLOT)) << "the good cursor through the slot";
    ASSERT_TRUE(DrawsAnything(cursor));

    RunRounds("animated cursors", 2, 10000, [&](std::mt19937& random, EOutcome& outcome) {
        ASSERT_TRUE(cursor.Load(IDR_BUSY));
        const HICON hEarlier = cursor.Handle();
        const std::vector<BYTE> bytes = DamagedCursor(good, random);
        ASSERT_LE(bytes.size(), module.Capacity());
        if (RunningOnWine() && !WineLoaderCanWalk(bytes))
        {
            outcome = WITHHELD;
            return;
        }
        module.Fill(bytes);
        const bool bLoaded = cursor.Load(IDR_SLOT);
        outcome = bLoaded ? ACCEPTED : REFUSED;
        ASSERT_EQ(bLoaded, cursor.Handle() != NULL);
        ASSERT_EQ(bLoaded, IsLiveIcon(cursor.Handle()));
        ASSERT_TRUE(cursor.Handle() == hEarlier || !IsLiveIcon(hEarlier)) << "the cursor held before lives on";
        ASSERT_TRUE(bLoaded || !DrawsAnything(cursor)) << "a refused cursor draws";
    });
}
