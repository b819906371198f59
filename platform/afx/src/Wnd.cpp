#include <afxwin.h>
#include <afx/HandleMap.h>
#include <memory>
#include "AfxState.h"

namespace
{
CObject* CreateTempWnd(HANDLE h)
{
    CWnd* pWnd = new CWnd;
    pWnd->m_hWnd = static_cast<HWND>(h);
    return pWnd;
}

void DetachTempWnd(CObject* pObject)
{
    static_cast<CWnd*>(pObject)->m_hWnd = NULL;
}

// Walks the map chain for a window message; registered messages are found through the
// variables their entries point to.
const AFX_MSGMAP_ENTRY* FindWindowEntryInChain(const AFX_MSGMAP* pMap, UINT message, UINT, UINT)
{
    for (; pMap->pfnGetBaseMap != NULL; pMap = (*pMap->pfnGetBaseMap)())
    {
        if (message < 0xC000)
        {
            if (const AFX_MSGMAP_ENTRY* pEntry = AfxFindMessageEntry(pMap->lpEntries, message, 0, 0))
                return pEntry;
        }
        else
        {
            // Registered messages: the entry holds the address of the variable with the number.
            for (const AFX_MSGMAP_ENTRY* pEntry = pMap->lpEntries; pEntry->nSig != AfxSig_end; ++pEntry)
            {
                if (pEntry->nMessage == 0xC000 && *reinterpret_cast<const UINT*>(pEntry->nSig) == message)
                    return pEntry;
            }
        }
    }
    return NULL;
}
}

// Looks up a window message in the object's map and its bases. Registered messages bypass the
// cache: the variable an entry names may get its number after a first lookup.
const AFX_MSGMAP_ENTRY* AfxFindWindowMessageEntry(const CWnd* pWnd, UINT message)
{
    if (message >= 0xC000)
        return FindWindowEntryInChain(pWnd->GetMessageMap(), message, 0, 0);
    return AfxGetThreadState()->m_msgMapCache.Lookup(pWnd->GetMessageMap(), message, 0, 0,
        &FindWindowEntryInChain);
}

namespace
{
// The handler types that the signature codes stand for.
typedef void (AFX_MSG_CALL CWnd::*PFN_vv)();
typedef BOOL (AFX_MSG_CALL CWnd::*PFN_bD)(CDC*);
typedef int (AFX_MSG_CALL CWnd::*PFN_is)(LPCREATESTRUCT);
typedef void (AFX_MSG_CALL CWnd::*PFN_vwp)(UINT, CPoint);
typedef void (AFX_MSG_CALL CWnd::*PFN_vW)(CWnd*);
typedef void (AFX_MSG_CALL CWnd::*PFN_vwii)(UINT, int, int);
typedef void (AFX_MSG_CALL CWnd::*PFN_vwww)(UINT, UINT, UINT);
typedef void (AFX_MSG_CALL CWnd::*PFN_vw)(UINT);
typedef void (AFX_MSG_CALL CWnd::*PFN_vt)(UINT_PTR);
typedef HBRUSH (AFX_MSG_CALL CWnd::*PFN_hDWw)(CDC*, CWnd*, UINT);
typedef HBRUSH (AFX_MSG_CALL CWnd::*PFN_hDw)(CDC*, UINT);
typedef BOOL (AFX_MSG_CALL CWnd::*PFN_bWww)(CWnd*, UINT, UINT);
typedef LRESULT (AFX_MSG_CALL CWnd::*PFN_lp)(CPoint);
typedef void (AFX_MSG_CALL CWnd::*PFN_vMMI)(MINMAXINFO*);
typedef void (AFX_MSG_CALL CWnd::*PFN_vwwX)(UINT, UINT, CScrollBar*);
typedef BOOL (AFX_MSG_CALL CWnd::*PFN_bwsp)(UINT, short, CPoint);
typedef void (AFX_MSG_CALL CWnd::*PFN_vOWNER)(int, LPVOID);
typedef void (AFX_MSG_CALL CWnd::*PFN_vs)(LPVOID);
typedef int (AFX_MSG_CALL CWnd::*PFN_iis)(int, LPVOID);
typedef int (AFX_MSG_CALL CWnd::*PFN_iS)(LPVOID);
typedef int (AFX_MSG_CALL CWnd::*PFN_iwWw)(UINT, CListBox*, UINT);
typedef int (AFX_MSG_CALL CWnd::*PFN_iww)(UINT, UINT);
typedef void (AFX_MSG_CALL CWnd::*PFN_vww)(UINT, UINT);
typedef UINT (AFX_MSG_CALL CWnd::*PFN_wv)();
typedef void (AFX_MSG_CALL CWnd::*PFN_vbw)(BOOL, UINT);
typedef void (AFX_MSG_CALL CWnd::*PFN_vPOS)(WINDOWPOS*);
typedef void (AFX_MSG_CALL CWnd::*PFN_vwR)(UINT, LPRECT);
typedef void (AFX_MSG_CALL CWnd::*PFN_vWp)(CWnd*, CPoint);
typedef LRESULT (AFX_MSG_CALL CWnd::*PFN_lwl)(WPARAM, LPARAM);
typedef void (AFX_MSG_CALL CWnd::*PFN_vwWb)(UINT, CWnd*, BOOL);
typedef void (AFX_MSG_CALL CWnd::*PFN_vb)(BOOL);
typedef void (AFX_MSG_CALL CWnd::*PFN_vwSt)(UINT, LPCTSTR);
typedef int (AFX_MSG_CALL CWnd::*PFN_iWww)(CWnd*, UINT, UINT);
typedef void (AFX_MSG_CALL CWnd::*PFN_vbNCCALC)(BOOL, NCCALCSIZE_PARAMS*);
typedef void (AFX_MSG_CALL CWnd::*PFN_vwl)(UINT, LPARAM);

template <class PFN>
PFN As(AFX_PMSG pfn)
{
    return reinterpret_cast<PFN>(pfn);
}

CPoint PointFromLParam(LPARAM lParam)
{
    return CPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
}

// Calls a window-message handler with the parameters unpacked for its signature.
LRESULT DispatchWindowMessage(CWnd* pWnd, const AFX_MSGMAP_ENTRY* pEntry, UINT message,
    WPARAM wParam, LPARAM lParam)
{
    AFX_PMSG pfn = pEntry->pfn;
    UINT_PTR nSig = message >= 0xC000 && pEntry->nMessage == 0xC000 ? UINT_PTR(AfxSig_lwl) : pEntry->nSig;
    switch (nSig)
    {
    case AfxSig_vv:
        (pWnd->*As<PFN_vv>(pfn))();
        return 0;
    case AfxSig_bD:
        return (pWnd->*As<PFN_bD>(pfn))(CDC::FromHandle(reinterpret_cast<HDC>(wParam)));
    case AfxSig_is:
        return (pWnd->*As<PFN_is>(pfn))(reinterpret_cast<LPCREATESTRUCT>(lParam));
    case AfxSig_vwp:
        (pWnd->*As<PFN_vwp>(pfn))(static_cast<UINT>(wParam), PointFromLParam(lParam));
        return 0;
    case AfxSig_vW:
        (pWnd->*As<PFN_vW>(pfn))(CWnd::FromHandle(reinterpret_cast<HWND>(wParam)));
        return 0;
    case AfxSig_vwii:
        (pWnd->*As<PFN_vwii>(pfn))(static_cast<UINT>(wParam), GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        return 0;
    case AfxSig_vwww:
        (pWnd->*As<PFN_vwww>(pfn))(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam));
        return 0;
    case AfxSig_vw:
        (pWnd->*As<PFN_vw>(pfn))(static_cast<UINT>(wParam));
        return 0;
    case AfxSig_vt:
        (pWnd->*As<PFN_vt>(pfn))(static_cast<UINT_PTR>(wParam));
        return 0;
    case AfxSig_hDWw:
    {
        // The WM_CTLCOLOR* family arrives here folded into WM_CTLCOLOR; the type is the offset.
        UINT nCtlType = message - WM_CTLCOLORMSGBOX;
        return reinterpret_cast<LRESULT>((pWnd->*As<PFN_hDWw>(pfn))(
            CDC::FromHandle(reinterpret_cast<HDC>(wParam)),
            CWnd::FromHandle(reinterpret_cast<HWND>(lParam)), nCtlType));
    }
    case AfxSig_hDw:
    {
        // Reflected colour request: lParam holds the context and the control type.
        const MSG* pMsg = AfxGetCurrentMessage();
        UINT nCtlType = pMsg->message - WM_CTLCOLORMSGBOX;
        return reinterpret_cast<LRESULT>((pWnd->*As<PFN_hDw>(pfn))(
            CDC::FromHandle(reinterpret_cast<HDC>(pMsg->wParam)), nCtlType));
    }
    case AfxSig_bWww:
        return (pWnd->*As<PFN_bWww>(pfn))(CWnd::FromHandle(reinterpret_cast<HWND>(wParam)),
            LOWORD(lParam), HIWORD(lParam));
    case AfxSig_lp:
        return (pWnd->*As<PFN_lp>(pfn))(PointFromLParam(lParam));
    case AfxSig_vMMI:
        (pWnd->*As<PFN_vMMI>(pfn))(reinterpret_cast<MINMAXINFO*>(lParam));
        return 0;
    case AfxSig_vwwX:
        (pWnd->*As<PFN_vwwX>(pfn))(LOWORD(wParam), HIWORD(wParam),
            reinterpret_cast<CScrollBar*>(CWnd::FromHandle(reinterpret_cast<HWND>(lParam))));
        return 0;
    case AfxSig_bwsp:
        return (pWnd->*As<PFN_bwsp>(pfn))(LOWORD(wParam), static_cast<short>(HIWORD(wParam)),
            PointFromLParam(lParam));
    case AfxSig_vOWNER:
        (pWnd->*As<PFN_vOWNER>(pfn))(static_cast<int>(wParam), reinterpret_cast<LPVOID>(lParam));
        return TRUE;
    case AfxSig_vs:
        (pWnd->*As<PFN_vs>(pfn))(reinterpret_cast<LPVOID>(lParam));
        return TRUE;
    case AfxSig_iis:
        return (pWnd->*As<PFN_iis>(pfn))(static_cast<int>(wParam), reinterpret_cast<LPVOID>(lParam));
    case AfxSig_iS:
        return (pWnd->*As<PFN_iS>(pfn))(reinterpret_cast<LPVOID>(lParam));
    case AfxSig_iwWw:
        return (pWnd->*As<PFN_iwWw>(pfn))(LOWORD(wParam),
            reinterpret_cast<CListBox*>(CWnd::FromHandle(reinterpret_cast<HWND>(lParam))), HIWORD(wParam));
    case AfxSig_iww:
        return (pWnd->*As<PFN_iww>(pfn))(LOWORD(wParam), HIWORD(wParam));
    case AfxSig_vww:
        (pWnd->*As<PFN_vww>(pfn))(LOWORD(wParam), HIWORD(wParam));
        return 0;
    case AfxSig_wv:
        return (pWnd->*As<PFN_wv>(pfn))();
    case AfxSig_vbw:
        (pWnd->*As<PFN_vbw>(pfn))(static_cast<BOOL>(wParam), static_cast<UINT>(lParam));
        return 0;
    case AfxSig_vPOS:
        (pWnd->*As<PFN_vPOS>(pfn))(reinterpret_cast<WINDOWPOS*>(lParam));
        return 0;
    case AfxSig_vwR:
        (pWnd->*As<PFN_vwR>(pfn))(static_cast<UINT>(wParam), reinterpret_cast<LPRECT>(lParam));
        return TRUE;
    case AfxSig_vWp:
        (pWnd->*As<PFN_vWp>(pfn))(CWnd::FromHandle(reinterpret_cast<HWND>(wParam)), PointFromLParam(lParam));
        return 0;
    case AfxSig_lwl:
        return (pWnd->*As<PFN_lwl>(pfn))(wParam, lParam);
    case AfxSig_vwWb:
        (pWnd->*As<PFN_vwWb>(pfn))(LOWORD(wParam), CWnd::FromHandle(reinterpret_cast<HWND>(lParam)),
            static_cast<BOOL>(HIWORD(wParam)));
        return 0;
    case AfxSig_vb:
        (pWnd->*As<PFN_vb>(pfn))(static_cast<BOOL>(wParam));
        return 0;
    case AfxSig_vwSt:
        (pWnd->*As<PFN_vwSt>(pfn))(static_cast<UINT>(wParam), reinterpret_cast<LPCTSTR>(lParam));
        return 0;
    case AfxSig_iWww:
        return (pWnd->*As<PFN_iWww>(pfn))(CWnd::FromHandle(reinterpret_cast<HWND>(wParam)),
            LOWORD(lParam), HIWORD(lParam));
    case AfxSig_vbNCCALC:
        (pWnd->*As<PFN_vbNCCALC>(pfn))(static_cast<BOOL>(wParam), reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam));
        return 0;
    case AfxSig_vwl:
        // WM_PARENTNOTIFY keeps the child's id in the high word for creation and destruction.
        (pWnd->*As<PFN_vwl>(pfn))(static_cast<UINT>(wParam), lParam);
        return 0;
    default:
        return 0;
    }
}
}

CHandleMap* AFXAPI afxMapHWND(BOOL bCreate)
{
    std::unique_ptr<CHandleMap>& pMap = AfxGetThreadState()->m_pMapHWND;
    if (!pMap && bCreate)
        pMap.reset(new CHandleMap(&CreateTempWnd, &DetachTempWnd));
    return pMap.get();
}

IMPLEMENT_DYNCREATE(CWnd, CCmdTarget)

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
    ON_WM_DRAWITEM()
    ON_WM_MEASUREITEM()
    ON_WM_COMPAREITEM()
    ON_WM_DELETEITEM()
    ON_WM_CHARTOITEM()
    ON_WM_VKEYTOITEM()
    ON_WM_HSCROLL()
    ON_WM_VSCROLL()
    ON_WM_PARENTNOTIFY()
    ON_WM_CTLCOLOR()
    ON_WM_NCDESTROY()
    ON_WM_SYSCOLORCHANGE()
    ON_WM_SETTINGCHANGE()
    ON_MESSAGE(WM_DISPLAYCHANGE, &CWnd::OnDisplayChange)
END_MESSAGE_MAP()

CWnd::CWnd()
    : m_hWnd(NULL), m_pfnSuper(NULL), m_hWndOwner(NULL), m_nFlags(0), m_nModalResult(0)
{
}

CWnd::CWnd(HWND hWnd)
    : m_hWnd(hWnd), m_pfnSuper(NULL), m_hWndOwner(NULL), m_nFlags(0), m_nModalResult(0)
{
}

CWnd::~CWnd()
{
    // A window still attached when its object goes away is destroyed with it, as the
    // framework does, so that no window keeps calling into freed memory.
    if (m_hWnd != NULL && FromHandlePermanent(m_hWnd) == this)
        DestroyWindow();
}

CWnd* PASCAL CWnd::FromHandle(HWND hWnd)
{
    return static_cast<CWnd*>(afxMapHWND(TRUE)->FromHandle(AfxCanonicalHwnd(hWnd)));
}

CWnd* PASCAL CWnd::FromHandlePermanent(HWND hWnd)
{
    CHandleMap* pMap = afxMapHWND();
    return pMap != NULL && hWnd != NULL ? static_cast<CWnd*>(pMap->LookupPermanent(AfxCanonicalHwnd(hWnd))) : NULL;
}

void PASCAL CWnd::DeleteTempMap()
{
    if (CHandleMap* pMap = afxMapHWND())
        pMap->DeleteTemp();
}

BOOL CWnd::Attach(HWND hWndNew)
{
    hWndNew = AfxCanonicalHwnd(hWndNew);
    if (hWndNew == NULL || m_hWnd != NULL || FromHandlePermanent(hWndNew) != NULL)
        return FALSE;
    afxMapHWND(TRUE)->SetPermanent(hWndNew, this);
    m_hWnd = hWndNew;
    return TRUE;
}

HWND CWnd::Detach()
{
    HWND hWnd = m_hWnd;
    if (hWnd != NULL)
    {
        if (CHandleMap* pMap = afxMapHWND())
            pMap->RemoveHandle(hWnd);
        m_hWnd = NULL;
    }
    return hWnd;
}

HWND CWnd::GetSafeHwnd() const
{
    // Hosts call this through pointers that may be null (m_pMainWnd->GetSafeHwnd()).
    const CWnd* volatile pThis = this;
    return pThis == NULL ? NULL : pThis->m_hWnd;
}

BOOL CWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    // No background brush: the window paints all of itself, so erasing first would only flicker;
    // a resize repaints the whole client.
    if (cs.lpszClass == NULL)
        cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, ::LoadCursorW(NULL, IDC_ARROW));
    return TRUE;
}

BOOL CWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
    CWnd* pParentWnd, UINT nID, CCreateContext*)
{
    return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect.left, rect.top,
        rect.right - rect.left, rect.bottom - rect.top, pParentWnd->GetSafeHwnd(),
        reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)));
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
    const RECT& rect, CWnd* pParentWnd, UINT nID, LPVOID lpParam)
{
    return CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top,
        rect.right - rect.left, rect.bottom - rect.top, pParentWnd->GetSafeHwnd(),
        reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)), lpParam);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
    int x, int y, int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu, LPVOID lpParam)
{
    if (m_hWnd != NULL)
        return FALSE;
    CREATESTRUCT cs = {};
    cs.dwExStyle = dwExStyle;
    cs.lpszClass = lpszClassName;
    cs.lpszName = lpszWindowName;
    cs.style = dwStyle;
    cs.x = x;
    cs.y = y;
    cs.cx = nWidth;
    cs.cy = nHeight;
    cs.hwndParent = hWndParent;
    cs.hMenu = nIDorHMenu;
    cs.hInstance = AfxGetInstanceHandle();
    cs.lpCreateParams = lpParam;
    if (!PreCreateWindow(cs))
    {
        PostNcDestroy();
        return FALSE;
    }

    AfxHookWindowCreate(this);
    HWND hWnd = ::CreateWindowExW(cs.dwExStyle, cs.lpszClass, cs.lpszName, cs.style, cs.x, cs.y,
        cs.cx, cs.cy, cs.hwndParent, cs.hMenu, cs.hInstance, cs.lpCreateParams);
    if (!AfxUnhookWindowCreate())
        PostNcDestroy();    // the window was never attached: let an auto-deleting object go
    if (hWnd == NULL)
        return FALSE;
    return TRUE;
}

BOOL CWnd::DestroyWindow()
{
    HWND hWndOrig = m_hWnd;
    if (hWndOrig == NULL)
        return FALSE;
    const bool bPermanent = FromHandlePermanent(hWndOrig) == this;
    BOOL bResult = ::DestroyWindow(hWndOrig);
    // A window whose procedure was never ours did not run OnNcDestroy; detach it here. When
    // OnNcDestroy did run, the object may already be deleted by PostNcDestroy: touch nothing.
    if (bPermanent)
    {
        if (FromHandlePermanent(hWndOrig) == this)
            Detach();
    }
    else if (m_hWnd == hWndOrig)
    {
        m_hWnd = NULL;
    }
    return bResult;
}

WNDPROC* CWnd::GetSuperWndProcAddr()
{
    return &m_pfnSuper;
}

void CWnd::PreSubclassWindow()
{
}

BOOL CWnd::SubclassWindow(HWND hWnd)
{
    if (!Attach(hWnd))
        return FALSE;
    PreSubclassWindow();
    WNDPROC* ppfnSuper = GetSuperWndProcAddr();
    WNDPROC pfnOld = reinterpret_cast<WNDPROC>(::SetWindowLongPtrW(hWnd, GWLP_WNDPROC,
        reinterpret_cast<LONG_PTR>(&AfxWndProc)));
    if (*ppfnSuper == NULL && pfnOld != &AfxWndProc)
        *ppfnSuper = pfnOld;
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent)
{
    HWND hWndControl = ::GetDlgItem(pParent->GetSafeHwnd(), static_cast<int>(nID));
    if (hWndControl == NULL)
        return FALSE;
    return SubclassWindow(hWndControl);
}

HWND CWnd::UnsubclassWindow()
{
    WNDPROC* ppfnSuper = GetSuperWndProcAddr();
    if (m_hWnd == NULL || *ppfnSuper == NULL)
        return NULL;
    ::SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(*ppfnSuper));
    *ppfnSuper = NULL;
    return Detach();
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_pfnSuper != NULL)
        return ::CallWindowProcW(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcW(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default()
{
    const MSG* pMsg = AfxGetCurrentMessage();
    return DefWindowProc(pMsg->message, pMsg->wParam, pMsg->lParam);
}

const MSG* PASCAL CWnd::GetCurrentMessage()
{
    // A sent message carries no position or time of its own: they are those of the last
    // message taken from the queue.
    MSG* pMsg = &AfxGetThreadState()->m_lastSentMsg;
    pMsg->time = static_cast<DWORD>(::GetMessageTime());
    const DWORD dwPos = ::GetMessagePos();
    pMsg->pt.x = GET_X_LPARAM(dwPos);
    pMsg->pt.y = GET_Y_LPARAM(dwPos);
    return pMsg;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT lResult = 0;
    if (!OnWndMsg(message, wParam, lParam, &lResult))
        lResult = DefWindowProc(message, wParam, lParam);
    return lResult;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    LRESULT lResult = 0;
    if (message == WM_COMMAND)
    {
        if (!OnCommand(wParam, lParam))
            return FALSE;
        lResult = 1;
    }
    else if (message == WM_NOTIFY)
    {
        NMHDR* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
        if (pNMHDR->hwndFrom == NULL || !OnNotify(wParam, lParam, &lResult))
            return FALSE;
    }
    else
    {
        // The colour requests of every control type share one map entry, as WM_CTLCOLOR.
        UINT nMapMessage = message;
        if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC)
            nMapMessage = WM_CTLCOLOR;
        const AFX_MSGMAP_ENTRY* pEntry = AfxFindWindowMessageEntry(this, nMapMessage);
        if (pEntry == NULL)
            return FALSE;
        lResult = DispatchWindowMessage(this, pEntry, message, wParam, lParam);
    }
    if (pResult != NULL)
        *pResult = lResult;
    return TRUE;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    UINT nID = LOWORD(wParam);
    HWND hWndCtrl = reinterpret_cast<HWND>(lParam);
    int nCode = HIWORD(wParam);
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (hWndCtrl != NULL)
    {
        if (pState->m_hLockoutNotifyWindow == m_hWnd)
            return TRUE;
        if (ReflectLastMsg(hWndCtrl))
            return TRUE;    // the control handled its own notification
    }
    else
    {
        nCode = CN_COMMAND;     // menus and accelerators
    }
    return OnCmdMsg(nID, nCode, NULL, NULL);
}

BOOL CWnd::OnNotify(WPARAM, LPARAM lParam, LRESULT* pResult)
{
    NMHDR* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
    HWND hWndCtrl = pNMHDR->hwndFrom;
    int nCode = static_cast<int>(pNMHDR->code);
    if (AfxGetThreadState()->m_hLockoutNotifyWindow == m_hWnd)
        return TRUE;
    if (ReflectLastMsg(hWndCtrl, pResult))
        return TRUE;
    // Asked only now: a notification the control takes back itself needs no id.
    UINT nID = static_cast<UINT>(::GetDlgCtrlID(hWndCtrl));
    AFX_NOTIFY notify;
    notify.pResult = pResult;
    notify.pNMHDR = pNMHDR;
    return OnCmdMsg(nID, MAKELONG(nCode, WM_NOTIFY), &notify, NULL);
}

BOOL PASCAL CWnd::ReflectLastMsg(HWND hWndChild, LRESULT* pResult)
{
    CWnd* pWnd = FromHandlePermanent(hWndChild);
    if (pWnd == NULL)
        return FALSE;
    return pWnd->SendChildNotifyLastMsg(pResult);
}

BOOL CWnd::SendChildNotifyLastMsg(LRESULT* pResult)
{
    const MSG* pMsg = AfxGetCurrentMessage();
    return OnChildNotify(pMsg->message, pMsg->wParam, pMsg->lParam, pResult);
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    return ReflectChildNotify(message, wParam, lParam, pResult);
}

BOOL CWnd::ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    switch (message)
    {
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_PARENTNOTIFY:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_DELETEITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_COMPAREITEM:
        return CWnd::OnWndMsg(WM_REFLECT_BASE + message, wParam, lParam, pResult);

    case WM_COMMAND:
        if (CWnd::OnCmdMsg(0, MAKELONG(HIWORD(wParam), WM_REFLECT_BASE + WM_COMMAND), NULL, NULL))
        {
            if (pResult != NULL)
                *pResult = 1;
            return TRUE;
        }
        return FALSE;

    case WM_NOTIFY:
    {
        NMHDR* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
        AFX_NOTIFY notify;
        notify.pResult = pResult;
        notify.pNMHDR = pNMHDR;
        return CWnd::OnCmdMsg(0, MAKELONG(pNMHDR->code, WM_REFLECT_BASE + WM_NOTIFY), &notify, NULL);
    }

    default:
        if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC)
        {
            LRESULT lResult = 0;
            BOOL bHandled = CWnd::OnWndMsg(WM_REFLECT_BASE + WM_CTLCOLOR, wParam, lParam, &lResult);
            if (lResult == 0)
                return FALSE;   // a null brush lets the parent answer after all
            if (pResult != NULL)
                *pResult = lResult;
            return bHandled;
        }
        return FALSE;
    }
}

int CWnd::OnCompareItem(int, LPCOMPAREITEMSTRUCT lpCompareItemStruct)
{
    LRESULT lResult = 0;
    if (ReflectLastMsg(lpCompareItemStruct->hwndItem, &lResult))
        return static_cast<int>(lResult);
    return static_cast<int>(Default());
}

void CWnd::OnDeleteItem(int, LPDELETEITEMSTRUCT lpDeleteItemStruct)
{
    if (ReflectLastMsg(lpDeleteItemStruct->hwndItem))
        return;
    Default();
}

int CWnd::OnCharToItem(UINT, CListBox* pListBox, UINT)
{
    LRESULT lResult = -1;
    if (pListBox != NULL && ReflectLastMsg(pListBox->m_hWnd, &lResult))
        return static_cast<int>(lResult);
    return static_cast<int>(Default());
}

int CWnd::OnVKeyToItem(UINT, CListBox* pListBox, UINT)
{
    LRESULT lResult = -1;
    if (pListBox != NULL && ReflectLastMsg(pListBox->m_hWnd, &lResult))
        return static_cast<int>(lResult);
    return static_cast<int>(Default());
}

void CWnd::PostNcDestroy()
{
}

void CWnd::OnNcDestroy()
{
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (pState->m_pLastHit == this)
        pState->m_pLastHit = NULL;
    // The main window going ends the thread's message loop.
    CWinThread* pThread = AfxGetThread();
    if (pThread != NULL && pThread->m_pMainWnd == this)
    {
        AfxPostQuitMessage(0);
        pThread->m_pMainWnd = NULL;
    }

    LONG_PTR pfnWndProc = ::GetWindowLongPtrW(m_hWnd, GWLP_WNDPROC);
    Default();
    // Put the original procedure back unless someone subclassed the window after us.
    if (::GetWindowLongPtrW(m_hWnd, GWLP_WNDPROC) == pfnWndProc && m_pfnSuper != NULL)
        ::SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    m_pfnSuper = NULL;
    Detach();
    PostNcDestroy();
}

BOOL CWnd::PreTranslateMessage(MSG* pMsg)
{
    if (m_nFlags & WF_TOOLTIPS)
        FilterToolTipMessage(pMsg);
    return FALSE;
}

BOOL CWnd::PreTranslateInput(LPMSG lpMsg)
{
    if ((lpMsg->message < WM_KEYFIRST || lpMsg->message > WM_KEYLAST) &&
        (lpMsg->message < WM_MOUSEFIRST || lpMsg->message > WM_MOUSELAST))
        return FALSE;
    return IsDialogMessage(lpMsg);
}

BOOL PASCAL CWnd::WalkPreTranslateTree(HWND hWndStop, MSG* pMsg)
{
    for (HWND hWnd = pMsg->hwnd; hWnd != NULL; hWnd = ::GetParent(hWnd))
    {
        if (CWnd* pWnd = FromHandlePermanent(hWnd))
        {
            if (pWnd->PreTranslateMessage(pMsg))
                return TRUE;
        }
        if (hWnd == hWndStop)
            break;
    }
    return FALSE;
}

BOOL CWnd::IsDialogMessage(LPMSG lpMsg)
{
    return ::IsDialogMessageW(m_hWnd, lpMsg);
}

void CWnd::DoDataExchange(CDataExchange*)
{
}

void CWnd::CalcWindowRect(LPRECT lpClientRect, UINT)
{
    ::AdjustWindowRectEx(lpClientRect, GetStyle(), FALSE, GetExStyle());
}

BOOL CWnd::ContinueModal()
{
    return (m_nFlags & WF_CONTINUEMODAL) != 0;
}

void CWnd::EndModalLoop(int nResult)
{
    m_nModalResult = nResult;
    if (m_nFlags & WF_CONTINUEMODAL)
    {
        m_nFlags &= ~WF_CONTINUEMODAL;
        PostMessage(WM_NULL);   // wake the loop so that it notices
    }
}

int CWnd::RunModalLoop(DWORD dwFlags)
{
    BOOL bIdle = TRUE;
    LONG lIdleCount = 0;
    BOOL bShowIdle = (dwFlags & MLF_SHOWONIDLE) && !(GetStyle() & WS_VISIBLE);
    HWND hWndSelf = m_hWnd;
    HWND hWndOwner = ::GetParent(m_hWnd);
    const MSG* pMsg = &AfxGetThreadState()->m_msgCur;
    m_nFlags |= WF_MODALLOOP | WF_CONTINUEMODAL;
    while (ContinueModal())
    {
        MSG msgPeek;
        while (bIdle && ContinueModal() && !::PeekMessageW(&msgPeek, NULL, 0, 0, PM_NOREMOVE))
            bIdle = ModalLoopIdle(dwFlags, hWndOwner, bShowIdle, lIdleCount);
        if (!ContinueModal())
            break;
        if (!AfxPumpMessage())
        {
            AfxPostQuitMessage(0);
            m_nModalResult = -1;
            break;
        }
        if (!::IsWindow(hWndSelf))
            break;
        // The caret blink and a system key mean the user is waiting to see the window.
        if (bShowIdle && (pMsg->message == WM_SYSTIMER || pMsg->message == WM_SYSKEYDOWN))
            ShowModalWindow(bShowIdle);
        if (IsModalLoopIdleMessage(pMsg))
        {
            bIdle = TRUE;
            lIdleCount = 0;
        }
    }
    m_nFlags &= ~(WF_MODALLOOP | WF_CONTINUEMODAL);
    return m_nModalResult;
}

BOOL CWnd::ModalLoopIdle(DWORD dwFlags, HWND hWndOwner, BOOL& bShowIdle, LONG& lIdleCount)
{
    if (bShowIdle)
        ShowModalWindow(bShowIdle);
    if (!(dwFlags & MLF_NOIDLEMSG) && hWndOwner != NULL && lIdleCount == 0)
        ::SendMessageW(hWndOwner, WM_ENTERIDLE, MSGF_DIALOGBOX, reinterpret_cast<LPARAM>(m_hWnd));
    if (dwFlags & MLF_NOKICKIDLE)
        return FALSE;
    return m_hWnd != NULL && SendMessage(WM_KICKIDLE, MSGF_DIALOGBOX, lIdleCount++) != 0;
}

void CWnd::ShowModalWindow(BOOL& bShowIdle)
{
    ShowWindow(SW_SHOWNORMAL);
    UpdateWindow();
    bShowIdle = FALSE;
}

BOOL CWnd::IsModalLoopIdleMessage(const MSG* pMsg)
{
    CWinThread* pThread = AfxGetThread();
    MSG msg = *pMsg;
    return pThread != NULL ? pThread->IsIdleMessage(&msg) : msg.message != WM_PAINT && msg.message != WM_SYSTIMER;
}

BOOL CWnd::UpdateData(BOOL bSaveAndValidate)
{
    CDataExchange dx(this, bSaveAndValidate);
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    HWND hWndOldLockout = pState->m_hLockoutNotifyWindow;
    pState->m_hLockoutNotifyWindow = m_hWnd;    // no change notifications while controls are filled
    BOOL bOK = FALSE;
    try
    {
        DoDataExchange(&dx);
        bOK = TRUE;
    }
    catch (CException* e)
    {
        e->Delete();
    }
    pState->m_hLockoutNotifyWindow = hWndOldLockout;
    return bOK;
}

namespace
{
// Check boxes and radio buttons keep their state for the user: they have no command to miss.
bool IsCommandButton(HWND hWnd)
{
    if (!(::SendMessageW(hWnd, WM_GETDLGCODE, 0, 0) & DLGC_BUTTON))
        return false;
    UINT nType = static_cast<UINT>(::GetWindowLongPtrW(hWnd, GWL_STYLE) & BS_TYPEMASK);
    return nType != BS_AUTOCHECKBOX && nType != BS_CHECKBOX && nType != BS_AUTO3STATE &&
        nType != BS_3STATE && nType != BS_AUTORADIOBUTTON && nType != BS_RADIOBUTTON;
}
}

void CWnd::UpdateDialogControls(CCmdTarget* pTarget, BOOL bDisableIfNoHndler)
{
    CCmdUI state;
    for (HWND hWndChild = ::GetTopWindow(m_hWnd); hWndChild != NULL; hWndChild = ::GetWindow(hWndChild, GW_HWNDNEXT))
    {
        state.m_nID = static_cast<UINT>(::GetDlgCtrlID(hWndChild));
        state.m_pOther = FromHandle(hWndChild);
        // This window's own handlers first, without routing them further.
        if (CWnd::OnCmdMsg(state.m_nID, static_cast<int>(CN_UPDATE_COMMAND_UI), &state, NULL))
            continue;
        state.DoUpdate(pTarget, bDisableIfNoHndler && IsCommandButton(hWndChild));
    }
}
