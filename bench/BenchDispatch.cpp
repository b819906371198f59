// The framework's own cost per message, against a bare window procedure doing the same work:
//
// - a window message (WM_MOUSEMOVE) sent to a subclassed static control whose message-map
//   chain is three classes deep, with the handler in the deepest base, so that a lookup walks
//   past the maps of both derived classes; the baseline is a subclassing procedure on another
//   static control that switches on the same messages. Target: 1.3 times.
// - a WM_NOTIFY sent to a parent and reflected to that child (ON_NOTIFY_REFLECT in the deepest
//   base); the baseline is a bare parent whose procedure reflects by hand: it calls its
//   child's subclassing procedure directly (no second message), which switches on the code.
//   Target: 1.5 times.
// - a message that no map names (WM_APP + 7), passed on to the control's own procedure; the
//   baseline's switch passes it on the same way. Target: 1.3 times.
//
// Both sides send one message through SendMessageW, so the figures include the system's own
// delivery of it.

#include "BenchCase.h"

#include <commctrl.h>
#include <memory>

namespace
{
const UINT REFLECTED_NOTIFY = WM_REFLECT_BASE + WM_NOTIFY;
const UINT ID_CHILD = 101;
const UINT WM_APP_UNMAPPED = WM_APP + 7;

// The handlers do the same little work on both sides: they add up what arrives.
class CDispatchBase : public CWnd
{
public:
    CDispatchBase() : m_nSum(0) {}

    volatile LONG_PTR m_nSum;

protected:
    afx_msg void OnMouseMove(UINT nFlags, CPoint point) { m_nSum += point.x + nFlags; }
    afx_msg void OnClickReflect(NMHDR* pNMHDR, LRESULT* pResult)
    {
        m_nSum += static_cast<LONG_PTR>(pNMHDR->idFrom);
        *pResult = 1;
    }
    afx_msg void OnTimer(UINT_PTR nIDEvent) { m_nSum += static_cast<LONG_PTR>(nIDEvent); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDispatchBase, CWnd)
    ON_WM_TIMER()
    ON_NOTIFY_REFLECT(NM_RCLICK, &CDispatchBase::OnClickReflect)
    ON_NOTIFY_REFLECT(NM_CLICK, &CDispatchBase::OnClickReflect)
    ON_WM_MOUSEMOVE()
END_MESSAGE_MAP()

class CDispatchMiddle : public CDispatchBase
{
protected:
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point) { m_nSum += point.y + nFlags; }
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point) { m_nSum -= point.y + nFlags; }
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) { m_nSum += nChar + nRepCnt + nFlags; }
    afx_msg void OnSetFocus(CWnd*) { ++m_nSum; }
    afx_msg void OnKillFocus(CWnd*) { --m_nSum; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDispatchMiddle, CDispatchBase)
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_KEYDOWN()
    ON_WM_SETFOCUS()
    ON_WM_KILLFOCUS()
END_MESSAGE_MAP()

class CDispatchLeaf : public CDispatchMiddle
{
protected:
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point) { m_nSum += point.x - nFlags; }
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags) { m_nSum += nChar - nRepCnt - nFlags; }
    afx_msg void OnSize(UINT nType, int cx, int cy) { m_nSum += nType + cx + cy; }
    afx_msg void OnDblClkReflect(NMHDR* pNMHDR, LRESULT* pResult)
    {
        m_nSum -= static_cast<LONG_PTR>(pNMHDR->idFrom);
        *pResult = 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDispatchLeaf, CDispatchMiddle)
    ON_WM_RBUTTONDOWN()
    ON_WM_CHAR()
    ON_WM_SIZE()
    ON_NOTIFY_REFLECT(NM_DBLCLK, &CDispatchLeaf::OnDblClkReflect)
END_MESSAGE_MAP()

// A parent with a map of its own, as a host's dialog has.
class CDispatchParent : public CWnd
{
protected:
    afx_msg void OnSize(UINT, int, int) {}
    afx_msg void OnSetFocus(CWnd*) {}
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDispatchParent, CWnd)
    ON_WM_SIZE()
    ON_WM_SETFOCUS()
END_MESSAGE_MAP()

// The bare side: the same handlers as one switch, the sum kept where the procedure finds it.
volatile LONG_PTR g_nBareSum = 0;
WNDPROC g_pfnBareStatic = NULL;

LRESULT CALLBACK BareChildProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_MOUSEMOVE:
        g_nBareSum += GET_X_LPARAM(lParam) + static_cast<LONG_PTR>(wParam);
        return 0;
    case WM_LBUTTONDOWN:
        g_nBareSum += GET_Y_LPARAM(lParam) + static_cast<LONG_PTR>(wParam);
        return 0;
    case WM_LBUTTONUP:
        g_nBareSum -= GET_Y_LPARAM(lParam) + static_cast<LONG_PTR>(wParam);
        return 0;
    case WM_RBUTTONDOWN:
        g_nBareSum += GET_X_LPARAM(lParam) - static_cast<LONG_PTR>(wParam);
        return 0;
    case WM_TIMER:
        g_nBareSum += static_cast<LONG_PTR>(wParam);
        return 0;
    case REFLECTED_NOTIFY:
    {
        const NMHDR* pNMHDR = reinterpret_cast<const NMHDR*>(lParam);
        switch (pNMHDR->code)
        {
        case NM_CLICK:
        case NM_RCLICK:
            g_nBareSum += static_cast<LONG_PTR>(pNMHDR->idFrom);
            return 1;
        case NM_DBLCLK:
            g_nBareSum -= static_cast<LONG_PTR>(pNMHDR->idFrom);
            return 0;
        }
        break;
    }
    }
    return ::CallWindowProcW(g_pfnBareStatic, hWnd, message, wParam, lParam);
}

LRESULT CALLBACK BareParentProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_NOTIFY:
    {
        // Reflection by hand: the child's own procedure answers its notification.
        const NMHDR* pNMHDR = reinterpret_cast<const NMHDR*>(lParam);
        return BareChildProc(pNMHDR->hwndFrom, REFLECTED_NOTIFY, wParam, lParam);
    }
    case WM_SIZE:
    case WM_SETFOCUS:
        return 0;
    }
    return ::DefWindowProcW(hWnd, message, wParam, lParam);
}

HWND CreateStatic(HWND hWndParent)
{
    return ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 0, 0, 100, 20, hWndParent,
        reinterpret_cast<HMENU>(static_cast<UINT_PTR>(ID_CHILD)), AfxGetInstanceHandle(), NULL);
}

LPCWSTR BareParentClass()
{
    static ATOM s_atom = 0;
    if (s_atom == 0)
    {
        WNDCLASSW wc = {};
        wc.lpfnWndProc = &BareParentProc;
        wc.hInstance = AfxGetInstanceHandle();
        wc.lpszClassName = L"ZaDUVBenchBareParent";
        s_atom = ::RegisterClassW(&wc);
    }
    return L"ZaDUVBenchBareParent";
}

enum EDispatch { DISPATCH_WINDOW_MESSAGE, DISPATCH_REFLECTED_NOTIFY, DISPATCH_PASSED_ON };

class CBenchDispatch : public CBenchCase
{
public:
    explicit CBenchDispatch(EDispatch eDispatch) : m_eDispatch(eDispatch), m_hWndBareParent(NULL), m_hWndBare(NULL) {}

    virtual std::string GetName() const
    {
        switch (m_eDispatch)
        {
        case DISPATCH_WINDOW_MESSAGE: return "Dispatch.WindowMessage";
        case DISPATCH_REFLECTED_NOTIFY: return "Dispatch.ReflectedNotify";
        case DISPATCH_PASSED_ON: return "Dispatch.PassedOn";
        }
        return "";
    }
    virtual std::string GetSize() const { return "3-class map chain"; }
    virtual std::string GetBaselineName() const
    {
        return m_eDispatch == DISPATCH_REFLECTED_NOTIFY ? "bare parent reflecting by hand" : "bare switch procedure";
    }
    virtual double GetTarget() const { return m_eDispatch == DISPATCH_REFLECTED_NOTIFY ? 1.5 : 1.3; }

    virtual BOOL SetUp()
    {
        if (!m_wndParent.CreateEx(0, AfxRegisterWndClass(0), L"bench", WS_POPUP, 0, 0, 200, 100, NULL, NULL))
            return FALSE;
        if (!m_ctrl.SubclassWindow(CreateStatic(m_wndParent.m_hWnd)))
            return FALSE;
        m_hWndBareParent = ::CreateWindowExW(0, BareParentClass(), L"bench", WS_POPUP, 0, 0, 200, 100,
            NULL, NULL, AfxGetInstanceHandle(), NULL);
        m_hWndBare = CreateStatic(m_hWndBareParent);
        if (m_hWndBare == NULL)
            return FALSE;
        g_pfnBareStatic = reinterpret_cast<WNDPROC>(::SetWindowLongPtrW(m_hWndBare, GWLP_WNDPROC,
            reinterpret_cast<LONG_PTR>(&BareChildProc)));
        return TRUE;
    }

    virtual void TearDown()
    {
        m_wndParent.DestroyWindow();
        if (m_hWndBareParent != NULL)
            ::DestroyWindow(m_hWndBareParent);
        m_hWndBareParent = NULL;
        m_hWndBare = NULL;
    }

    virtual void RunOperation() { Send(m_wndParent.m_hWnd, m_ctrl.m_hWnd); }
    virtual void RunBaseline() { Send(m_hWndBareParent, m_hWndBare); }

private:
    void Send(HWND hWndParent, HWND hWndChild)
    {
        if (m_eDispatch == DISPATCH_WINDOW_MESSAGE)
        {
            ::SendMessageW(hWndChild, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(7, 9));
            return;
        }
        if (m_eDispatch == DISPATCH_PASSED_ON)
        {
            ::SendMessageW(hWndChild, WM_APP_UNMAPPED, 1, 2);
            return;
        }
        NMHDR nmhdr = { hWndChild, ID_CHILD, static_cast<UINT>(NM_CLICK) };
        ::SendMessageW(hWndParent, WM_NOTIFY, ID_CHILD, reinterpret_cast<LPARAM>(&nmhdr));
    }

    EDispatch m_eDispatch;
    CDispatchParent m_wndParent;
    CDispatchLeaf m_ctrl;
    HWND m_hWndBareParent;
    HWND m_hWndBare;
};
}

REGISTER_BENCH_CASE(new CBenchDispatch(DISPATCH_WINDOW_MESSAGE));
REGISTER_BENCH_CASE(new CBenchDispatch(DISPATCH_REFLECTED_NOTIFY));
REGISTER_BENCH_CASE(new CBenchDispatch(DISPATCH_PASSED_ON));
