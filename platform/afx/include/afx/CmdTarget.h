#ifndef AFX_CMDTARGET_H
#define AFX_CMDTARGET_H
// CCmdTarget and the message-map machinery: map records, handler signatures, the map macros.
// A map entry stores its handler as a generic member pointer plus a signature code; the
// dispatcher casts it back to the exact handler type for that code before calling.

#include <afx/Object.h>

class CCmdTarget;
class CCmdUI;
typedef void (AFX_MSG_CALL CCmdTarget::*AFX_PMSG)(void);

struct AFX_MSGMAP_ENTRY
{
    UINT nMessage;      // window message, or WM_COMMAND / WM_NOTIFY (+ WM_REFLECT_BASE) for commands
    UINT nCode;         // control notification code
    UINT nID;           // first control id
    UINT nLastID;       // last control id of a range
    UINT_PTR nSig;      // handler signature (AfxSig), or the address of a registered message number
    AFX_PMSG pfn;
};

struct AFX_MSGMAP
{
    const AFX_MSGMAP* (PASCAL* pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

// The parameters of a WM_NOTIFY handed to a command handler.
struct AFX_NOTIFY
{
    LRESULT* pResult;
    NMHDR* pNMHDR;
};

struct AFX_CMDHANDLERINFO
{
    CCmdTarget* pTarget;
    AFX_PMSG pmf;
};

// Reflected notifications come back to the child as WM_REFLECT_BASE + the parent's message.
#define WM_REFLECT_BASE 0xBC00
// The old combined colour message that the reflected WM_CTLCOLOR* family is mapped onto.
#ifndef WM_CTLCOLOR
#define WM_CTLCOLOR 0x0019
#endif
// Asks a window whether its procedure is the framework's.
#define WM_QUERYAFXWNDPROC 0x0360
// Posted to a modal loop to run its idle work; never dispatched.
#define WM_KICKIDLE 0x036A
// Sent to the main window and its descendants when the thread goes idle; wParam says whether
// commands without a handler are disabled.
#define WM_IDLEUPDATECMDUI 0x0363
// The caret blink timer.
#define WM_SYSTIMER 0x0118

#define CN_COMMAND 0
#define CN_UPDATE_COMMAND_UI ((UINT)(-1))

enum AfxSig
{
    AfxSig_end = 0,
    AfxSig_vv,          // void ()
    AfxSig_bD,          // BOOL (CDC*)
    AfxSig_is,          // int (LPCREATESTRUCT)
    AfxSig_vwp,         // void (UINT, CPoint)
    AfxSig_vW,          // void (CWnd*)
    AfxSig_vwii,        // void (UINT, int, int)
    AfxSig_vwww,        // void (UINT, UINT, UINT)
    AfxSig_vw,          // void (UINT)
    AfxSig_vt,          // void (UINT_PTR)
    AfxSig_hDWw,        // HBRUSH (CDC*, CWnd*, UINT)
    AfxSig_hDw,         // HBRUSH (CDC*, UINT), reflected WM_CTLCOLOR
    AfxSig_bWww,        // BOOL (CWnd*, UINT, UINT)
    AfxSig_lp,          // LRESULT (CPoint)
    AfxSig_vMMI,        // void (MINMAXINFO*)
    AfxSig_vwwX,        // void (UINT, UINT, CScrollBar*)
    AfxSig_bwsp,        // BOOL (UINT, short, CPoint)
    AfxSig_vOWNER,      // void (int, LPDRAWITEMSTRUCT or LPMEASUREITEMSTRUCT)
    AfxSig_vs,          // void (LPDRAWITEMSTRUCT or LPMEASUREITEMSTRUCT), reflected
    AfxSig_iis,         // int (int, LPCOMPAREITEMSTRUCT)
    AfxSig_iS,          // int (LPCOMPAREITEMSTRUCT), reflected
    AfxSig_iwWw,        // int (UINT, CListBox*, UINT): WM_CHARTOITEM, WM_VKEYTOITEM
    AfxSig_iww,         // int (UINT, UINT), reflected WM_CHARTOITEM, WM_VKEYTOITEM
    AfxSig_vww,         // void (UINT, UINT), reflected WM_HSCROLL, WM_VSCROLL
    AfxSig_wv,          // UINT ()
    AfxSig_vbw,         // void (BOOL, UINT)
    AfxSig_vPOS,        // void (WINDOWPOS*)
    AfxSig_vwR,         // void (UINT, LPRECT)
    AfxSig_vWp,         // void (CWnd*, CPoint)
    AfxSig_lwl,         // LRESULT (WPARAM, LPARAM)
    AfxSig_vwWb,        // void (UINT, CWnd*, BOOL)
    AfxSig_vb,          // void (BOOL)
    AfxSig_vwSt,        // void (UINT, LPCTSTR)
    AfxSig_iWww,        // int (CWnd*, UINT, UINT)
    AfxSig_vbNCCALC,    // void (BOOL, NCCALCSIZE_PARAMS*)
    AfxSig_vwl,         // void (UINT, LPARAM)

    // Command and notification handlers (dispatched through OnCmdMsg).
    AfxSigCmd_v,        // void ()
    AfxSigCmd_b,        // BOOL ()
    AfxSigCmd_RANGE,    // void (UINT)
    AfxSigCmd_EX,       // BOOL (UINT)
    AfxSigNotify_v,     // void (NMHDR*, LRESULT*)
    AfxSigNotify_b,     // BOOL (NMHDR*, LRESULT*)
    AfxSigNotify_RANGE, // void (UINT, NMHDR*, LRESULT*)
    AfxSigNotify_EX,    // BOOL (UINT, NMHDR*, LRESULT*)
    AfxSigCmdUI,        // void (CCmdUI*)
};

class AFX_API CCmdTarget : public CObject
{
    DECLARE_DYNAMIC(CCmdTarget)
public:
    CCmdTarget();

    void BeginWaitCursor();
    void EndWaitCursor();
    void RestoreWaitCursor();

    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);

    static const AFX_MSGMAP* PASCAL GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;

    virtual ~CCmdTarget();
};

// Finds the first entry of one map that matches a message, a code and an id.
AFX_API const AFX_MSGMAP_ENTRY* AFXAPI AfxFindMessageEntry(const AFX_MSGMAP_ENTRY* lpEntry,
    UINT nMsg, UINT nCode, UINT nID);

#define DECLARE_MESSAGE_MAP() \
protected: \
    static const AFX_MSGMAP* PASCAL GetThisMessageMap(); \
    virtual const AFX_MSGMAP* GetMessageMap() const;

#define BEGIN_TEMPLATE_MESSAGE_MAP(theClass, type_name, baseClass) \
    template <typename type_name> \
    const AFX_MSGMAP* theClass<type_name>::GetMessageMap() const { return GetThisMessageMap(); } \
    template <typename type_name> \
    const AFX_MSGMAP* PASCAL theClass<type_name>::GetThisMessageMap() \
    { \
        typedef theClass<type_name> ThisClass; \
        typedef baseClass TheBaseClass; \
        (void)sizeof(ThisClass*); \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = \
        {

#define BEGIN_MESSAGE_MAP(theClass, baseClass) \
    const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
    const AFX_MSGMAP* PASCAL theClass::GetThisMessageMap() \
    { \
        typedef theClass ThisClass; \
        typedef baseClass TheBaseClass; \
        (void)sizeof(ThisClass*); \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = \
        {

#define END_MESSAGE_MAP() \
            { 0, 0, 0, 0, AfxSig_end, (AFX_PMSG)0 } \
        }; \
        static const AFX_MSGMAP messageMap = { &TheBaseClass::GetThisMessageMap, &_messageEntries[0] }; \
        return &messageMap; \
    }

#include <afx/AfxMsg.h>

#endif
