// The imaging controls against models of their state: the preview's picture through good,
// missing, folder, undecodable and null paths; the fader's layers; the animated cursor's frame.
#include <zaduv.h>

#include "DibSurface.h"
#include "FuzzEngine.h"
#include "HostWindow.h"
#include "MessagePump.h"
#include "resource.h"

#include <gdiplus.h>

using namespace zaduv_fuzz;
using zaduv_test::CDibSurface;
using zaduv_test::CHostWindow;

namespace
{
const UINT kBitmapIds[] = { IDB_RED, IDB_GREEN, IDB_BLUE, 999 };
const COLORREF kBitmapColours[] = { RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255) };

// A 2 x 2 24-bit bitmap file, a text file and a folder in the temporary directory.
struct SPictureFiles
{
    SPictureFiles()
    {
        wchar_t szTemp[MAX_PATH];
        ::GetTempPathW(MAX_PATH, szTemp);
        strFolder = std::wstring(szTemp) + L"zaduv_fuzz_" + std::to_wstring(::GetCurrentProcessId());
        ::CreateDirectoryW(strFolder.c_str(), nullptr);
        strPicture = strFolder + L"\\red.bmp";
        strText = strFolder + L"\\notes.bmp";
        strMissing = strFolder + L"\\missing.png";
        const unsigned char bmp[] = { 'B', 'M', 70, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0, 40, 0, 0, 0, 2, 0, 0, 0, 2, 0, 0, 0,
            1, 0, 24, 0, 0, 0, 0, 0, 16, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
            0, 0, 255, 0, 0, 255, 0, 0, 0, 0, 255, 0, 0, 255, 0, 0 };
        Write(strPicture, bmp, sizeof(bmp));
        Write(strText, "not a picture", 13);
    }
    static void Write(const std::wstring& strPath, const void* pBytes, DWORD nBytes)
    {
        HANDLE hFile = ::CreateFileW(strPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        DWORD nWritten = 0;
        ::WriteFile(hFile, pBytes, nBytes, &nWritten, nullptr);
        ::CloseHandle(hFile);
    }
    ~SPictureFiles()
    {
        ::DeleteFileW(strPicture.c_str());
        ::DeleteFileW(strText.c_str());
        ::RemoveDirectoryW(strFolder.c_str());
    }
    std::wstring strFolder, strPicture, strText, strMissing;
};

class CPreviewSubject : public CFuzzSubject
{
public:
    CWnd* Window() override { return &m_preview; }
    void Destroy(CFuzz&) override { m_host.DestroyWindow(); }

    void Create() override
    {
        m_host.CreateHost(120, 90);
        m_preview.Create(L"", WS_CHILD | WS_VISIBLE, CRect(5, 5, 115, 85), &m_host, 100);
    }

    std::vector<SFuzzOp> Ops() override
    {
        return {
            { "LoadDib", 6, [this](CFuzz& f) {
                 const int nKind = f.Pick(5);
                 const wchar_t* aPaths[] = { m_files.strPicture.c_str(), m_files.strText.c_str(),
                     m_files.strMissing.c_str(), m_files.strFolder.c_str(), nullptr };
                 const int nResult = m_preview.LoadDib(aPaths[nKind]);
                 // The picture decodes; the text file does not and drops the picture shown;
                 // a missing path, a folder and no path at all change nothing.
                 if (nKind <= 1)
                     m_bValid = nKind == 0;
                 f.Expect(nResult != 0, nKind == 0, "LoadDib");
                 f.Expect(m_preview.IsValidDib() != 0, m_bValid, "IsValidDib");
             } },
            { "RemoveDib", 2, [this](CFuzz& f) {
                 m_preview.RemoveDib();
                 m_bValid = false;
                 f.Expect(m_preview.IsValidDib(), 0, "IsValidDib after RemoveDib");
             } },
            { "SetNoImageText and UpdateDib", 2, [this](CFuzz& f) {
                 m_preview.SetNoImageText(f.Chance(50) ? L"No picture" : L"");
                 m_preview.UpdateDib();
                 f.Expect(m_preview.IsValidDib() != 0, m_bValid, "IsValidDib after UpdateDib");
             } },
        };
    }

    SPictureFiles m_files;
    CHostWindow m_host;
    CPreviewCtrl m_preview;
    bool m_bValid = false;
};

class CFuzzFader : public CBitmapFader
{
public:
    explicit CFuzzFader(HWND hWnd) : CBitmapFader(hWnd) {}
    std::vector<std::pair<UINT, int>> Layers()
    {
        std::vector<std::pair<UINT, int>> layers;
        for (POSITION pos = m_listFadeSteps.GetHeadPosition(); pos != NULL;)
        {
            const SFadeStep& step = m_listFadeSteps.GetNext(pos);
            layers.push_back({ step.nBitmapId, step.nStep });
        }
        return layers;
    }
};

class CFaderSubject : public CFuzzSubject
{
public:
    // The fader keeps the window it was made for: its host lives as long as the subject.
    CFaderSubject() : m_pFader(new CFuzzFader(nullptr)) {}
    ~CFaderSubject()
    {
        m_pFader.reset();
        m_host.DestroyWindow();
    }
    void Create() override
    {
        m_host.CreateHost(40, 30);
        m_pFader.reset(new CFuzzFader(m_host.GetSafeHwnd()));
    }

    void Check(CFuzz& f) override { f.Expect(m_pFader->Layers(), m_layers, "layers (id, step)"); }

    std::vector<SFuzzOp> Ops() override
    {
        return {
            { "SetBitmap(id)", 2, [this](CFuzz& f) {
                 const UINT nID = kBitmapIds[f.Pick(4)];
                 m_pFader->SetBitmap(nID);
                 m_layers = { { nID, 10 } };
             } },
            { "SetBitmap(GpBitmap or CBitmap)", 1, [this](CFuzz& f) {
                 if (f.Chance(50))
                 {
                     Gdiplus::GpBitmap* pBitmap = nullptr;
                     Gdiplus::DllExports::GdipCreateBitmapFromScan0(4, 4, 0, PixelFormat32bppARGB, nullptr, &pBitmap);
                     m_pFader->SetBitmap(pBitmap);
                     Gdiplus::DllExports::GdipDisposeImage(pBitmap);
                 }
                 else
                 {
                     CBitmap bitmap;
                     if (f.Chance(50))
                         bitmap.LoadBitmap(IDB_GREEN);
                     m_pFader->SetBitmap(bitmap.GetSafeHandle() ? &bitmap : nullptr);
                 }
                 m_layers = { { 0u, 10 } };
             } },
            { "FadeTo", 4, [this](CFuzz& f) {
                 const UINT nID = kBitmapIds[f.Pick(4)];
                 m_pFader->FadeTo(nID);
                 if (m_layers.empty())
                     m_layers.push_back({ nID, 10 });
                 else if (!(m_layers.size() == 1 && m_layers[0] == std::make_pair(nID, 10)))
                     m_layers.push_back({ nID, 1 });
             } },
            { "OnTimer", 6, [this](CFuzz& f) {
                 m_pFader->OnTimer();
                 for (auto& layer : m_layers)
                     layer.second += layer.second < 10 ? 1 : 0;
                 while (m_layers.size() >= 2 && m_layers[1].second == 10)
                     m_layers.erase(m_layers.begin());
             } },
            { "Draw", 3, [this](CFuzz& f) {
                 CDibSurface surface(20, 10, RGB(9, 9, 9));
                 Gdiplus::GpGraphics* pGraphics = nullptr;
                 Gdiplus::DllExports::GdipCreateFromHDC(surface.DC().GetSafeHdc(), &pGraphics);
                 m_pFader->Draw(*pGraphics, CRect(30, 30, 50, 40));
                 Gdiplus::DllExports::GdipDeleteGraphics(pGraphics);
                 // One opaque resource picture fills the surface with its colour.
                 if (m_layers.size() == 1 && m_layers[0].first >= IDB_RED && m_layers[0].first <= IDB_BLUE)
                     f.Expect(surface.Pixel(10, 5), kBitmapColours[m_layers[0].first - IDB_RED], "drawn colour");
                 if (m_layers.empty())
                     f.Expect(surface.Pixel(10, 5), RGB(9, 9, 9), "nothing drawn");
             } },
            { "no thread timer without a window", 3, [this](CFuzz& f) {
                 if (m_host.GetSafeHwnd() || m_bTimerChecked)
                     return;
                 m_bTimerChecked = true;
                 m_pFader->FadeTo(IDB_RED);
                 m_pFader->FadeTo(IDB_GREEN);
                 m_layers = m_pFader->Layers();
                 // Waits on the queue for four fade periods: a thread timer's message has no window.
                 MSG msg;
                 bool bTimer = false;
                 const DWORD nStart = ::GetTickCount();
                 for (DWORD nElapsed = 0; !bTimer && nElapsed < 200; nElapsed = ::GetTickCount() - nStart)
                 {
                     ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 200 - nElapsed, QS_TIMER);
                     while (!bTimer && ::PeekMessageW(&msg, nullptr, WM_TIMER, WM_TIMER, PM_REMOVE))
                         bTimer = msg.hwnd == nullptr;
                 }
                 f.Expect(bTimer, false, "a timer message for the thread");
             } },
        };
    }

    CHostWindow m_host;
    std::unique_ptr<CFuzzFader> m_pFader;
    std::vector<std::pair<UINT, int>> m_layers;
    bool m_bTimerChecked = false;
};

class CFuzzAniCursor : public CAniCursor
{
public:
    int Frame() const { return m_nFrame; }
};

class CAniCursorSubject : public CFuzzSubject
{
public:
    std::vector<SFuzzOp> Ops() override
    {
        return {
            { "Load", 2, [this](CFuzz& f) {
                 const UINT aIds[] = { IDR_CURSOR, IDR_BROKEN_CURSOR, 999, 0, IDB_RED };
                 const UINT nID = aIds[f.Pick(5)];
                 m_bLoaded = nID == IDR_CURSOR;
                 f.Expect(m_cursor.Load(nID), m_bLoaded, "Load");
                 f.Expect(m_cursor.GetTimerMsec(), 33u, "GetTimerMsec");
             } },
            { "OnTimer", 6, [this](CFuzz& f) {
                 m_cursor.OnTimer();
                 m_nFrame = (m_nFrame + 1) % 18;
                 f.Expect(m_cursor.Frame(), m_nFrame, "frame");
             } },
            { "Draw", 3, [this](CFuzz& f) {
                 if (f.Chance(20))
                 {
                     m_cursor.Draw(nullptr, 0, 0, 32, 32);
                     return;
                 }
                 CDibSurface surface(32, 32, RGB(255, 255, 255));
                 m_cursor.Draw(&surface.DC(), 0, 0, 32, 32);
                 // Frame i is a black 6 x 6 block at (7 + i, 13).
                 const bool bBlack = surface.Pixel(7 + m_nFrame + 2, 15) == RGB(0, 0, 0);
                 f.Expect(bBlack, m_bLoaded, "the frame's block drawn");
                 f.Expect(surface.Pixel(2, 2), RGB(255, 255, 255), "transparent corner");
             } },
        };
    }

    CFuzzAniCursor m_cursor;
    bool m_bLoaded = false;
    int m_nFrame = 0;
};
}

ZADUV_FUZZ_CLASS(CPreviewCtrl, CPreviewSubject)
ZADUV_FUZZ_CLASS(CBitmapFader, CFaderSubject)
ZADUV_FUZZ_CLASS(CAniCursor, CAniCursorSubject)
