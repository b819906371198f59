#include "GuiObjectCounter.h"

#include <windows.h>
#include <commctrl.h>

#include <unordered_map>

namespace hostkit {
namespace {

enum class EKind { Gdi, Icon, Menu, ImageList };

struct SLedger
{
    CRITICAL_SECTION lock;
    std::unordered_map<void*, EKind> live;
    long nBorrowedDCs = 0;

    SLedger() { InitializeCriticalSection(&lock); }
};

// Never destroyed: wrapped calls may still arrive while the process shuts down.
SLedger& Ledger()
{
    static SLedger* ledger = new SLedger;
    return *ledger;
}

class CLedgerLock
{
public:
    CLedgerLock() { EnterCriticalSection(&Ledger().lock); }
    ~CLedgerLock() { LeaveCriticalSection(&Ledger().lock); }
};

void Created(void* h, EKind kind)
{
    if (h == nullptr)
        return;
    CLedgerLock guard;
    Ledger().live[h] = kind;
}

void Released(void* h, BOOL succeeded)
{
    if (!succeeded)
        return;
    CLedgerLock guard;
    Ledger().live.erase(h);
}

void Borrowed(long delta)
{
    CLedgerLock guard;
    Ledger().nBorrowedDCs += delta;
}

EKind KindOfImage(UINT type)
{
    return type == IMAGE_BITMAP ? EKind::Gdi : EKind::Icon;
}

// One real-function pointer and one wrapper per watched import.
#define COUNTED_CREATE(kind, ret, name, params, args)                      \
    ret (WINAPI* real##name) params = nullptr;                             \
    ret WINAPI Counted##name params                                        \
    {                                                                      \
        ret created = real##name args;                                     \
        Created(created, kind);                                            \
        return created;                                                    \
    }
#define COUNTED_RELEASE(name, handleType)                                  \
    BOOL (WINAPI* real##name)(handleType) = nullptr;                       \
    BOOL WINAPI Counted##name(handleType h)                                \
    {                                                                      \
        BOOL ok = real##name(h);                                           \
        Released(h, ok);                                                   \
        return ok;                                                         \
    }

COUNTED_CREATE(EKind::Gdi, HPEN, CreatePen, (int s, int w, COLORREF c), (s, w, c))
COUNTED_CREATE(EKind::Gdi, HPEN, CreatePenIndirect, (const LOGPEN* p), (p))
COUNTED_CREATE(EKind::Gdi, HPEN, ExtCreatePen,
    (DWORD s, DWORD w, const LOGBRUSH* b, DWORD n, const DWORD* st), (s, w, b, n, st))
COUNTED_CREATE(EKind::Gdi, HBRUSH, CreateSolidBrush, (COLORREF c), (c))
COUNTED_CREATE(EKind::Gdi, HBRUSH, CreateBrushIndirect, (const LOGBRUSH* b), (b))
COUNTED_CREATE(EKind::Gdi, HBRUSH, CreatePatternBrush, (HBITMAP bm), (bm))
COUNTED_CREATE(EKind::Gdi, HBRUSH, CreateHatchBrush, (int s, COLORREF c), (s, c))
COUNTED_CREATE(EKind::Gdi, HBRUSH, CreateDIBPatternBrushPt, (const VOID* p, UINT u), (p, u))
COUNTED_CREATE(EKind::Gdi, HFONT, CreateFontW,
    (int h, int w, int e, int o, int wt, DWORD i, DWORD u, DWORD s, DWORD cs, DWORD op, DWORD cp,
     DWORD q, DWORD pf, LPCWSTR face), (h, w, e, o, wt, i, u, s, cs, op, cp, q, pf, face))
COUNTED_CREATE(EKind::Gdi, HFONT, CreateFontIndirectW, (const LOGFONTW* lf), (lf))
COUNTED_CREATE(EKind::Gdi, HDC, CreateCompatibleDC, (HDC dc), (dc))
COUNTED_CREATE(EKind::Gdi, HDC, CreateDCW,
    (LPCWSTR d, LPCWSTR dev, LPCWSTR o, const DEVMODEW* m), (d, dev, o, m))
COUNTED_CREATE(EKind::Gdi, HDC, CreateICW,
    (LPCWSTR d, LPCWSTR dev, LPCWSTR o, const DEVMODEW* m), (d, dev, o, m))
COUNTED_CREATE(EKind::Gdi, HBITMAP, CreateCompatibleBitmap, (HDC dc, int cx, int cy), (dc, cx, cy))
COUNTED_CREATE(EKind::Gdi, HBITMAP, CreateDiscardableBitmap, (HDC dc, int cx, int cy), (dc, cx, cy))
COUNTED_CREATE(EKind::Gdi, HBITMAP, CreateBitmap,
    (int cx, int cy, UINT pl, UINT bpp, const VOID* bits), (cx, cy, pl, bpp, bits))
COUNTED_CREATE(EKind::Gdi, HBITMAP, CreateBitmapIndirect, (const BITMAP* bm), (bm))
COUNTED_CREATE(EKind::Gdi, HBITMAP, CreateDIBSection,
    (HDC dc, const BITMAPINFO* bi, UINT u, VOID** bits, HANDLE sec, DWORD off),
    (dc, bi, u, bits, sec, off))
COUNTED_CREATE(EKind::Gdi, HBITMAP, CreateDIBitmap,
    (HDC dc, const BITMAPINFOHEADER* h, DWORD init, const VOID* bits, const BITMAPINFO* bi, UINT u),
    (dc, h, init, bits, bi, u))
COUNTED_CREATE(EKind::Gdi, HRGN, CreateRectRgn, (int l, int t, int r, int b), (l, t, r, b))
COUNTED_CREATE(EKind::Gdi, HRGN, CreateRectRgnIndirect, (const RECT* rc), (rc))
COUNTED_CREATE(EKind::Gdi, HRGN, CreateRoundRectRgn,
    (int l, int t, int r, int b, int w, int h), (l, t, r, b, w, h))
COUNTED_CREATE(EKind::Gdi, HRGN, CreateEllipticRgn, (int l, int t, int r, int b), (l, t, r, b))
COUNTED_CREATE(EKind::Gdi, HRGN, CreateEllipticRgnIndirect, (const RECT* rc), (rc))
COUNTED_CREATE(EKind::Gdi, HRGN, CreatePolygonRgn, (const POINT* p, int n, int m), (p, n, m))
COUNTED_CREATE(EKind::Gdi, HRGN, CreatePolyPolygonRgn,
    (const POINT* p, const INT* c, int n, int m), (p, c, n, m))
COUNTED_CREATE(EKind::Gdi, HRGN, ExtCreateRegion,
    (const XFORM* x, DWORD n, const RGNDATA* d), (x, n, d))
COUNTED_CREATE(EKind::Gdi, HPALETTE, CreatePalette, (const LOGPALETTE* lp), (lp))
COUNTED_CREATE(EKind::Gdi, HPALETTE, CreateHalftonePalette, (HDC dc), (dc))
COUNTED_CREATE(EKind::Gdi, HBITMAP, LoadBitmapW, (HINSTANCE i, LPCWSTR n), (i, n))
COUNTED_RELEASE(DeleteObject, HGDIOBJ)
COUNTED_RELEASE(DeleteDC, HDC)

COUNTED_CREATE(EKind::Icon, HICON, CreateIconIndirect, (PICONINFO ii), (ii))
COUNTED_CREATE(EKind::Icon, HICON, CopyIcon, (HICON h), (h))
COUNTED_CREATE(EKind::Icon, HICON, CreateIconFromResource,
    (PBYTE p, DWORD n, BOOL icon, DWORD v), (p, n, icon, v))
COUNTED_CREATE(EKind::Icon, HICON, CreateIconFromResourceEx,
    (PBYTE p, DWORD n, BOOL icon, DWORD v, int cx, int cy, UINT f), (p, n, icon, v, cx, cy, f))
COUNTED_CREATE(EKind::Icon, HICON, CreateIcon,
    (HINSTANCE i, int cx, int cy, BYTE pl, BYTE bpp, const BYTE* a, const BYTE* x),
    (i, cx, cy, pl, bpp, a, x))
COUNTED_CREATE(EKind::Icon, HCURSOR, CreateCursor,
    (HINSTANCE i, int hx, int hy, int cx, int cy, const VOID* a, const VOID* x),
    (i, hx, hy, cx, cy, a, x))
COUNTED_RELEASE(DestroyIcon, HICON)
COUNTED_RELEASE(DestroyCursor, HCURSOR)
COUNTED_CREATE(EKind::Menu, HMENU, CreateMenu, (), ())
COUNTED_CREATE(EKind::Menu, HMENU, CreatePopupMenu, (), ())
COUNTED_CREATE(EKind::Menu, HMENU, LoadMenuW, (HINSTANCE i, LPCWSTR n), (i, n))
COUNTED_CREATE(EKind::Menu, HMENU, LoadMenuIndirectW, (const MENUTEMPLATEW* t), (t))
COUNTED_RELEASE(DestroyMenu, HMENU)

COUNTED_CREATE(EKind::ImageList, HIMAGELIST, ImageList_Create,
    (int cx, int cy, UINT f, int n, int g), (cx, cy, f, n, g))
COUNTED_CREATE(EKind::ImageList, HIMAGELIST, ImageList_Duplicate, (HIMAGELIST il), (il))
COUNTED_CREATE(EKind::ImageList, HIMAGELIST, ImageList_LoadImageW,
    (HINSTANCE i, LPCWSTR n, int cx, int g, COLORREF m, UINT t, UINT f), (i, n, cx, g, m, t, f))
COUNTED_CREATE(EKind::ImageList, HIMAGELIST, ImageList_Merge,
    (HIMAGELIST a, int i, HIMAGELIST b, int j, int dx, int dy), (a, i, b, j, dx, dy))
COUNTED_CREATE(EKind::Icon, HICON, ImageList_GetIcon, (HIMAGELIST il, int i, UINT f), (il, i, f))
COUNTED_RELEASE(ImageList_Destroy, HIMAGELIST)

// Loading or copying creates an object unless the system shares it.
HANDLE (WINAPI* realLoadImageW)(HINSTANCE, LPCWSTR, UINT, int, int, UINT) = nullptr;
HANDLE WINAPI CountedLoadImageW(HINSTANCE i, LPCWSTR n, UINT type, int cx, int cy, UINT flags)
{
    HANDLE h = realLoadImageW(i, n, type, cx, cy, flags);
    if ((flags & LR_SHARED) == 0)
        Created(h, KindOfImage(type));
    return h;
}

HANDLE (WINAPI* realCopyImage)(HANDLE, UINT, int, int, UINT) = nullptr;
HANDLE WINAPI CountedCopyImage(HANDLE original, UINT type, int cx, int cy, UINT flags)
{
    HANDLE h = realCopyImage(original, type, cx, cy, flags);
    if (h != nullptr && h != original) {
        if (flags & LR_COPYDELETEORG)
            Released(original, TRUE);
        Created(h, KindOfImage(type));
    }
    return h;
}

HDC (WINAPI* realGetDC)(HWND) = nullptr;
HDC WINAPI CountedGetDC(HWND w)
{
    HDC dc = realGetDC(w);
    if (dc != nullptr)
        Borrowed(+1);
    return dc;
}

HDC (WINAPI* realGetWindowDC)(HWND) = nullptr;
HDC WINAPI CountedGetWindowDC(HWND w)
{
    HDC dc = realGetWindowDC(w);
    if (dc != nullptr)
        Borrowed(+1);
    return dc;
}

HDC (WINAPI* realGetDCEx)(HWND, HRGN, DWORD) = nullptr;
HDC WINAPI CountedGetDCEx(HWND w, HRGN clip, DWORD flags)
{
    HDC dc = realGetDCEx(w, clip, flags);
    if (dc != nullptr)
        Borrowed(+1);
    return dc;
}

int (WINAPI* realReleaseDC)(HWND, HDC) = nullptr;
int WINAPI CountedReleaseDC(HWND w, HDC dc)
{
    int released = realReleaseDC(w, dc);
    if (released == 1)
        Borrowed(-1);
    return released;
}

HDC (WINAPI* realBeginPaint)(HWND, LPPAINTSTRUCT) = nullptr;
HDC WINAPI CountedBeginPaint(HWND w, LPPAINTSTRUCT ps)
{
    Borrowed(+1);
    return realBeginPaint(w, ps);
}

BOOL (WINAPI* realEndPaint)(HWND, const PAINTSTRUCT*) = nullptr;
BOOL WINAPI CountedEndPaint(HWND w, const PAINTSTRUCT* ps)
{
    Borrowed(-1);
    return realEndPaint(w, ps);
}

struct SWatchedImport
{
    const char* module;   // lower case
    const char* name;
    ULONG_PTR* real;      // where the original address is kept
    ULONG_PTR counted;
};

#define WATCH(module, name) \
    { module, #name, reinterpret_cast<ULONG_PTR*>(&real##name), reinterpret_cast<ULONG_PTR>(&Counted##name) }

const SWatchedImport kWatched[] = {
    WATCH("gdi32.dll", CreatePen), WATCH("gdi32.dll", CreatePenIndirect),
    WATCH("gdi32.dll", ExtCreatePen), WATCH("gdi32.dll", CreateSolidBrush),
    WATCH("gdi32.dll", CreateBrushIndirect), WATCH("gdi32.dll", CreatePatternBrush),
    WATCH("gdi32.dll", CreateHatchBrush), WATCH("gdi32.dll", CreateDIBPatternBrushPt),
    WATCH("gdi32.dll", CreateFontW), WATCH("gdi32.dll", CreateFontIndirectW),
    WATCH("gdi32.dll", CreateCompatibleDC), WATCH("gdi32.dll", CreateDCW),
    WATCH("gdi32.dll", CreateICW), WATCH("gdi32.dll", CreateCompatibleBitmap),
    WATCH("gdi32.dll", CreateDiscardableBitmap), WATCH("gdi32.dll", CreateBitmap),
    WATCH("gdi32.dll", CreateBitmapIndirect), WATCH("gdi32.dll", CreateDIBSection),
    WATCH("gdi32.dll", CreateDIBitmap), WATCH("gdi32.dll", CreateRectRgn),
    WATCH("gdi32.dll", CreateRectRgnIndirect), WATCH("gdi32.dll", CreateRoundRectRgn),
    WATCH("gdi32.dll", CreateEllipticRgn), WATCH("gdi32.dll", CreateEllipticRgnIndirect),
    WATCH("gdi32.dll", CreatePolygonRgn), WATCH("gdi32.dll", CreatePolyPolygonRgn),
    WATCH("gdi32.dll", ExtCreateRegion), WATCH("gdi32.dll", CreatePalette),
    WATCH("gdi32.dll", CreateHalftonePalette), WATCH("gdi32.dll", DeleteObject),
    WATCH("gdi32.dll", DeleteDC),
    WATCH("user32.dll", LoadBitmapW), WATCH("user32.dll", LoadImageW),
    WATCH("user32.dll", CopyImage), WATCH("user32.dll", CreateIconIndirect),
    WATCH("user32.dll", CopyIcon), WATCH("user32.dll", CreateIconFromResource),
    WATCH("user32.dll", CreateIconFromResourceEx), WATCH("user32.dll", CreateIcon),
    WATCH("user32.dll", CreateCursor), WATCH("user32.dll", DestroyIcon),
    WATCH("user32.dll", DestroyCursor), WATCH("user32.dll", CreateMenu),
    WATCH("user32.dll", CreatePopupMenu), WATCH("user32.dll", LoadMenuW),
    WATCH("user32.dll", LoadMenuIndirectW), WATCH("user32.dll", DestroyMenu),
    WATCH("user32.dll", GetDC), WATCH("user32.dll", GetWindowDC), WATCH("user32.dll", GetDCEx),
    WATCH("user32.dll", ReleaseDC), WATCH("user32.dll", BeginPaint), WATCH("user32.dll", EndPaint),
    WATCH("comctl32.dll", ImageList_Create), WATCH("comctl32.dll", ImageList_Duplicate),
    WATCH("comctl32.dll", ImageList_LoadImageW), WATCH("comctl32.dll", ImageList_Merge),
    WATCH("comctl32.dll", ImageList_GetIcon), WATCH("comctl32.dll", ImageList_Destroy),
};

const SWatchedImport* FindWatched(const char* module, const char* name)
{
    for (const SWatchedImport& w : kWatched)
        if (lstrcmpiA(w.module, module) == 0 && lstrcmpA(w.name, name) == 0)
            return &w;
    return nullptr;
}

void PatchSlot(ULONG_PTR* slot, const SWatchedImport& w)
{
    if (*w.real == 0)
        *w.real = *slot;
    else if (*w.real != *slot)
        return;   // bound elsewhere (another comctl32): calling the first one would be wrong
    DWORD oldProtect = 0;
    if (VirtualProtect(slot, sizeof(*slot), PAGE_READWRITE, &oldProtect)) {
        *slot = w.counted;
        VirtualProtect(slot, sizeof(*slot), oldProtect, &oldProtect);
    }
}

// Redirects the module's imports by name from the watched system modules to the wrappers.
bool PatchModule(HMODULE module)
{
    if (module == nullptr)
        return false;
    BYTE* base = reinterpret_cast<BYTE*>(module);
    const IMAGE_NT_HEADERS* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(
        base + reinterpret_cast<const IMAGE_DOS_HEADER*>(base)->e_lfanew);
    const IMAGE_DATA_DIRECTORY& dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (dir.VirtualAddress == 0)
        return true;
    for (const IMAGE_IMPORT_DESCRIPTOR* d =
             reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + dir.VirtualAddress);
         d->Name != 0; ++d) {
        const char* dll = reinterpret_cast<const char*>(base + d->Name);
        if (d->OriginalFirstThunk == 0)
            continue;
        const IMAGE_THUNK_DATA* names = reinterpret_cast<const IMAGE_THUNK_DATA*>(base + d->OriginalFirstThunk);
        ULONG_PTR* slots = reinterpret_cast<ULONG_PTR*>(base + d->FirstThunk);
        for (; names->u1.AddressOfData != 0; ++names, ++slots) {
            if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal))
                continue;
            const IMAGE_IMPORT_BY_NAME* byName =
                reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
            if (const SWatchedImport* w = FindWatched(dll, reinterpret_cast<const char*>(byName->Name)))
                PatchSlot(slots, *w);
        }
    }
    return true;
}

bool IsStillValid(void* h, EKind kind)
{
    switch (kind) {
    case EKind::Gdi:
        return GetObjectType(static_cast<HGDIOBJ>(h)) != 0;
    case EKind::Menu:
        return IsMenu(static_cast<HMENU>(h)) != FALSE;
    case EKind::ImageList: {
        int cx = 0, cy = 0;
        return ImageList_GetIconSize(static_cast<HIMAGELIST>(h), &cx, &cy) != FALSE;
    }
    case EKind::Icon: {
        ICONINFO info = {};
        if (!GetIconInfo(static_cast<HICON>(h), &info))
            return false;
        // The answer's bitmaps are ours to delete; the real function, so the ledger stays as it was.
        BOOL (WINAPI* deleteObject)(HGDIOBJ) = realDeleteObject ? realDeleteObject : &::DeleteObject;
        if (info.hbmMask)
            deleteObject(info.hbmMask);
        if (info.hbmColor)
            deleteObject(info.hbmColor);
        return true;
    }
    }
    return false;
}

BOOL CALLBACK CountChild(HWND, LPARAM counter)
{
    ++*reinterpret_cast<long*>(counter);
    return TRUE;
}

// The input method's window comes with a thread's first window and goes with its last one.
bool IsInputMethodWindow(HWND hwnd)
{
    wchar_t className[16] = {};
    GetClassNameW(hwnd, className, ARRAYSIZE(className));
    return lstrcmpW(className, L"IME") == 0;
}

void CountWindowAndChildren(HWND hwnd, long& count)
{
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid != GetCurrentProcessId() || IsInputMethodWindow(hwnd))
        return;
    ++count;
    EnumChildWindows(hwnd, &CountChild, reinterpret_cast<LPARAM>(&count));
}

BOOL CALLBACK CountTopLevel(HWND hwnd, LPARAM counter)
{
    CountWindowAndChildren(hwnd, *reinterpret_cast<long*>(counter));
    return TRUE;
}

long CountWindows()
{
    long count = 0;
    EnumWindows(&CountTopLevel, reinterpret_cast<LPARAM>(&count));
    for (HWND h = FindWindowExW(HWND_MESSAGE, nullptr, nullptr, nullptr); h != nullptr;
         h = FindWindowExW(HWND_MESSAGE, h, nullptr, nullptr))
        CountWindowAndChildren(h, count);
    return count;
}

} // namespace

bool operator==(const SGuiObjectCounts& a, const SGuiObjectCounts& b)
{
    return a.nGdi == b.nGdi && a.nUser == b.nUser && a.nImageLists == b.nImageLists
        && a.nBorrowedDCs == b.nBorrowedDCs && a.nWindows == b.nWindows;
}

bool InstallGuiObjectCounter()
{
    static const bool installed = [] {
        Ledger();
        bool ok = true;
        // Loaded here if the host has not needed them yet, and kept: a module loaded later
        // would go unwatched.
        for (const wchar_t* name : { L"afx.dll", L"duvazi.dll", L"zaduv.dll" })
            ok = PatchModule(LoadLibraryW(name)) && ok;
        return PatchModule(GetModuleHandleW(nullptr)) && ok;
    }();
    return installed;
}

SGuiObjectCounts GetLiveGuiObjectCounts()
{
    SGuiObjectCounts counts = {};
    {
        CLedgerLock guard;
        SLedger& ledger = Ledger();
        for (auto it = ledger.live.begin(); it != ledger.live.end();) {
            if (!IsStillValid(it->first, it->second)) {
                it = ledger.live.erase(it);
                continue;
            }
            switch (it->second) {
            case EKind::Gdi: ++counts.nGdi; break;
            case EKind::Icon:
            case EKind::Menu: ++counts.nUser; break;
            case EKind::ImageList: ++counts.nImageLists; break;
            }
            ++it;
        }
        counts.nBorrowedDCs = ledger.nBorrowedDCs;
    }
    counts.nWindows = CountWindows();
    return counts;
}

} // namespace hostkit
