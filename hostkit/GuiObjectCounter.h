#ifndef ZADUV_HOSTKIT_GUIOBJECTCOUNTER_H
#define ZADUV_HOSTKIT_GUIOBJECTCOUNTER_H
// Live GDI and USER objects of this process, counted where GetGuiResources cannot be asked
// (Wine answers 0 to it).
//
// How it counts: InstallGuiObjectCounter patches the import address tables of afx.dll,
// duvazi.dll, zaduv.dll and the host executable, so that every call those modules make to
// create a pen, brush, font, bitmap, region, palette or DC, an icon, cursor or menu, or an image
// list records the handle it returns, and every delete or destroy call forgets it. Before
// answering, GetLiveGuiObjectCounts drops the handles that are no longer valid, so an object
// released elsewhere (a menu destroyed with its window, an image list a list view owned) does not
// count as a leak. Borrowed DCs (GetDC, GetWindowDC, GetDCEx, BeginPaint) are counted apart:
// they are given back, not deleted. Windows are not wrapped but enumerated: every top-level,
// message-only and child window whose thread belongs to this process, but for the input
// method's window, which the system makes and removes with a thread's first and last window.
//
// What it cannot see: objects that comctl32, user32 or GDI+ create for themselves (the bitmaps
// inside an image list, a themed control's brushes), and objects created through functions
// looked up with GetProcAddress or from modules loaded after installation. Shared icons and
// cursors (LoadIcon, LoadCursor, LoadImage with LR_SHARED) are not created per call and are
// not counted.

namespace hostkit {

struct SGuiObjectCounts
{
    long nGdi;          // GDI objects created by the watched modules and still valid
    long nUser;         // icons, cursors and menus created by the watched modules and still valid
    long nImageLists;   // image lists created by the watched modules and not destroyed
    long nBorrowedDCs;  // DCs obtained with GetDC, GetWindowDC, GetDCEx or BeginPaint, not released
    long nWindows;      // windows of this process
};

bool operator==(const SGuiObjectCounts& a, const SGuiObjectCounts& b);
inline bool operator!=(const SGuiObjectCounts& a, const SGuiObjectCounts& b) { return !(a == b); }

// Patches the watched modules once; later calls answer whether the first one succeeded.
bool InstallGuiObjectCounter();
SGuiObjectCounts GetLiveGuiObjectCounts();

} // namespace hostkit

#endif
