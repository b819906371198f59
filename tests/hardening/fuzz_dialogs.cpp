// The dialog bases on a real dialog: the control movers with ids that name a child and ids
// that do not, the default button's pointer, and the resizable dialog's anchors and limits.
#include <zaduv.h>

#include "FuzzEngine.h"
#include "MessagePump.h"
#include "resource.h"

#include <map>

using namespace zaduv_fuzz;

namespace
{
const UINT kIds[] = { IDC_LABEL, IDC_EDIT, IDC_LIST, IDC_CHECK, IDOK, IDCANCEL, 999, 0 };

UINT SomeId(CFuzz& f)
{
    return kIds[f.Pick(ARRAYSIZE(kIds))];
}

// The rectangle of a child in its dialog's client coordinates, asked of the platform; empty
// when there is no such child.
CRect ChildRect(CWnd& dialog, UINT nID)
{
    CRect rect(0, 0, 0, 0);
    HWND hChild = dialog.GetSafeHwnd() ? ::GetDlgItem(dialog.m_hWnd, nID) : nullptr;
    if (hChild == nullptr)
        return rect;
    ::GetWindowRect(hChild, rect);
    ::MapWindowPoints(nullptr, dialog.m_hWnd, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

std::map<UINT, CRect> AllRects(CWnd& dialog)
{
    std::map<UINT, CRect> rects;
    for (UINT nID : kIds)
        rects[nID] = ChildRect(dialog, nID);
    return rects;
}

class CDialogExSubject : public CFuzzSubject
{
public:
    CDialogExSubject() : m_dialog(IDD_FUZZ, nullptr) {}
    CWnd* Window() override { return &m_dialog; }
    void Create() override { m_dialog.Create(IDD_FUZZ); }
    void Destroy(CFuzz&) override { m_dialog.DestroyWindow(); }

    // One mover: the child moves to where stated; every other child stays.
    void Move(CFuzz& f, UINT nID, const std::function<void()>& fnMove, const std::function<CRect(CRect)>& fnStated)
    {
        std::map<UINT, CRect> stated = AllRects(m_dialog);
        fnMove();
        if (!stated[nID].IsRectNull())
            stated[nID] = fnStated(stated[nID]);
        f.Expect(AllRects(m_dialog) == stated, true, "children after a move");
    }

    std::vector<SFuzzOp> Ops() override
    {
        return {
            { "GetControlRect", 3, [this](CFuzz& f) {
                 const UINT nID = SomeId(f);
                 f.Expect(m_dialog.GetControlRect(nID), ChildRect(m_dialog, nID), "GetControlRect");
             } },
            { "OffsetControl", 3, [this](CFuzz& f) {
                 const UINT nID = SomeId(f);
                 const int dx = f.Pick(21) - 10, dy = f.Pick(21) - 10;
                 Move(f, nID, [&] { m_dialog.OffsetControl(nID, dx, dy); }, [&](CRect r) { r.OffsetRect(dx, dy); return r; });
             } },
            { "MoveControlLeftTo and TopTo", 3, [this](CFuzz& f) {
                 const UINT nID = SomeId(f);
                 const int v = f.Pick(200);
                 if (f.Chance(50))
                     Move(f, nID, [&] { m_dialog.MoveControlLeftTo(nID, v); }, [&](CRect r) { r.MoveToX(v); return r; });
                 else
                     Move(f, nID, [&] { m_dialog.MoveControlTopTo(nID, v); }, [&](CRect r) { r.MoveToY(v); return r; });
             } },
            { "CenterControlHorizontal", 2, [this](CFuzz& f) {
                 const UINT nID = SomeId(f);
                 CRect client;
                 if (m_dialog.GetSafeHwnd())
                     m_dialog.GetClientRect(client);
                 Move(f, nID, [&] { m_dialog.CenterControlHorizontal(nID); },
                     [&](CRect r) { r.MoveToX((client.Width() - r.Width()) / 2); return r; });
             } },
            { "CenterControlsHorizontal and AdjustButtonWidths", 2, [this](CFuzz& f) {
                 CArray<UINT, UINT> ids;
                 for (int n = f.Pick(4); n > 0; --n)
                     ids.Add(SomeId(f));
                 std::map<UINT, CRect> before = AllRects(m_dialog);
                 if (f.Chance(50))
                     m_dialog.CenterControlsHorizontal(ids, f.Pick(12));
                 else
                     m_dialog.AdjustButtonWidths(ids, f.Pick(12));
                 std::map<UINT, CRect> after = AllRects(m_dialog);
                 for (INT_PTR i = 0; i < ids.GetSize(); ++i)
                     before.erase(ids[i]), after.erase(ids[i]);
                 f.Expect(after == before, true, "children outside the row stay");
             } },
            { "PixelToDialogUnits", 1, [this](CFuzz& f) {
                 const int n = f.Pick(2001) - 1000;
                 const LONG units = ::GetDialogBaseUnits();
                 f.Expect(m_dialog.PixelToDialogUnitsX(n), ::MulDiv(n, 4, LOWORD(units)), "PixelToDialogUnitsX");
                 f.Expect(m_dialog.PixelToDialogUnitsY(n), ::MulDiv(n, 8, HIWORD(units)), "PixelToDialogUnitsY");
             } },
            { "MoveTopRightTo", 1, [this](CFuzz& f) {
                 const CPoint pt(400 + f.Pick(300), f.Pick(200));
                 m_dialog.MoveTopRightTo(pt);
                 if (!m_dialog.GetSafeHwnd())
                     return;
                 CRect rect;
                 m_dialog.GetWindowRect(rect);
                 f.Expect(rect.TopLeft(), CPoint(pt.x - rect.Width(), pt.y), "MoveTopRightTo");
             } },
        };
    }

    CDialogEx m_dialog;
};

class CDlgDefaultButtonSubject : public CFuzzSubject
{
public:
    CDlgDefaultButtonSubject() { Make(false, IDOK); }
    CWnd* Window() override { return m_pDialog.get(); }
    void Create() override { Make(true, IDOK); }
    void Destroy(CFuzz&) override { m_pDialog->DestroyWindow(); }

    // The pointer goes to the centre of the button's screen rectangle when the dialog is shown
    // or hidden; with id 0 or one that no child has it stays.
    CPoint StatedPointer(CPoint ptBefore) const
    {
        HWND hButton = m_pDialog->GetSafeHwnd() && m_nID ? ::GetDlgItem(m_pDialog->m_hWnd, m_nID) : nullptr;
        if (hButton == nullptr)
            return ptBefore;
        CRect rect;
        ::GetWindowRect(hButton, rect);
        return CPoint((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    }

    void Make(bool bCreate, UINT nID)
    {
        if (m_pDialog)
            m_pDialog->DestroyWindow();
        m_nID = nID;
        m_pDialog.reset(new CDlgDefaultButton(IDD_FUZZ, nID));
        if (bCreate)
            m_pDialog->Create(IDD_FUZZ);
    }

    void ExpectPointer(CFuzz& f, CPoint ptBefore)
    {
        CPoint pt;
        ::GetCursorPos(&pt);
        f.Expect(pt, StatedPointer(ptBefore), "pointer");
    }

    std::vector<SFuzzOp> Ops() override
    {
        return {
            { "create with a default button", 1, [this](CFuzz& f) {
                 const CPoint ptBefore(3 + f.Pick(20), 3);
                 ::SetCursorPos(ptBefore.x, ptBefore.y);
                 Make(true, SomeId(f));
                 ExpectPointer(f, ptBefore);
             } },
            { "hide and show", 3, [this](CFuzz& f) {
                 const CPoint ptBefore(3 + f.Pick(20), 3);
                 ::SetCursorPos(ptBefore.x, ptBefore.y);
                 m_pDialog->ShowWindow(m_pDialog->GetSafeHwnd() && m_pDialog->IsWindowVisible() ? SW_HIDE : SW_SHOW);
                 ExpectPointer(f, ptBefore);
             } },
        };
    }

    std::unique_ptr<CDlgDefaultButton> m_pDialog;
    UINT m_nID = 0;
};

class CResizableSubject : public CFuzzSubject
{
public:
    struct SAnchor
    {
        HWND hWnd;
        CSize tl, br, marginTL, marginBR;
    };

    CResizableSubject() { Make(false); }
    CWnd* Window() override { return m_pDialog.get(); }
    void Create() override { Make(true); }
    void Destroy(CFuzz&) override { m_pDialog->DestroyWindow(); }

    void Make(bool bCreate)
    {
        if (m_pDialog)
            m_pDialog->DestroyWindow();
        m_pDialog.reset(new CResizableDialog(IDD_FUZZ));
        m_anchors.clear();
        m_bMin = true;
        m_bMax = m_bMaximized = false;
        if (bCreate)
            m_pDialog->Create(IDD_FUZZ);
        if (m_pDialog->GetSafeHwnd())
        {
            CRect rect;
            m_pDialog->GetWindowRect(rect);
            m_sizeMin = rect.Size();
        }
    }

    void Register(HWND hWnd, CSize tl, CSize br)
    {
        CRect client, rect;
        m_pDialog->GetClientRect(client);
        ::GetWindowRect(hWnd, rect);
        m_pDialog->ScreenToClient(rect);
        if (br.cx == -1 && br.cy == -1)
            br = tl;
        const int W = client.Width(), H = client.Height();
        m_anchors.push_back({ hWnd, tl, br, CSize(rect.left - W * tl.cx / 100, rect.top - H * tl.cy / 100),
            CSize(rect.right - W * br.cx / 100, rect.bottom - H * br.cy / 100) });
    }

    void CheckLayout(CFuzz& f)
    {
        CRect client;
        m_pDialog->GetClientRect(client);
        const int W = client.Width(), H = client.Height();
        for (const SAnchor& a : m_anchors)
        {
            CRect rect;
            ::GetWindowRect(a.hWnd, rect);
            m_pDialog->ScreenToClient(rect);
            const CRect stated(a.tl.cx * W / 100 + a.marginTL.cx, a.tl.cy * H / 100 + a.marginTL.cy,
                a.br.cx * W / 100 + a.marginBR.cx, a.br.cy * H / 100 + a.marginBR.cy);
            // A window cannot be given a negative size; the platform makes it empty.
            if (stated.Width() >= 0 && stated.Height() >= 0)
                f.Expect(rect, stated, "anchored rectangle");
        }
    }

    std::vector<SFuzzOp> Ops() override
    {
        auto anchor = [](CFuzz& f) { return CSize(50 * f.Pick(3), 50 * f.Pick(3)); };
        return {
            { "AddAnchor", 3, [this, anchor](CFuzz& f) {
                 const UINT nID = kIds[f.Pick(6)];
                 HWND hWnd = ::GetDlgItem(m_pDialog->m_hWnd, nID);
                 for (const SAnchor& a : m_anchors)
                     if (a.hWnd == hWnd || (nID == IDC_EDIT && a.hWnd == ::GetDlgItem(m_pDialog->m_hWnd, IDC_LABEL)))
                         return;
                 const CSize tl = anchor(f), br = f.Chance(25) ? ANCHOR_NONE : anchor(f);
                 switch (f.Pick(3))
                 {
                 case 0:
                     m_pDialog->AddAnchor(hWnd, tl, br);
                     Register(hWnd, tl, br);
                     break;
                 case 1:
                     m_pDialog->AddAnchor(nID, tl, br);
                     Register(hWnd, tl, br);
                     break;
                 default:
                     if (nID != IDC_EDIT || ::GetDlgItem(m_pDialog->m_hWnd, IDC_LABEL) == nullptr)
                         return;
                     for (const SAnchor& a : m_anchors)
                         if (a.hWnd == ::GetDlgItem(m_pDialog->m_hWnd, IDC_LABEL))
                             return;
                     m_pDialog->AddAnchorWithLabel(nID, tl, br);
                     Register(hWnd, tl, br);
                     Register(::GetWindow(hWnd, GW_HWNDPREV), tl, br);
                     break;
                 }
             }, true },
            { "resize", 4, [this](CFuzz& f) {
                 m_pDialog->SetWindowPos(nullptr, 0, 0, 150 + f.Pick(500), 100 + f.Pick(400), SWP_NOMOVE | SWP_NOZORDER);
                 CheckLayout(f);
             }, true },
            { "track sizes", 3, [this](CFuzz& f) {
                 const CSize size(100 + f.Pick(300), 100 + f.Pick(300));
                 const CRect rect(f.Pick(50), f.Pick(50), 400 + f.Pick(300), 300 + f.Pick(300));
                 switch (f.Pick(6))
                 {
                 case 0: m_pDialog->SetMinTrackSize(size); m_sizeMin = size; m_bMin = true; break;
                 case 1: m_pDialog->ResetMinTrackSize(); m_bMin = false; break;
                 case 2: m_pDialog->SetMaxTrackSize(size); m_sizeMax = size; m_bMax = true; break;
                 case 3: m_pDialog->ResetMaxTrackSize(); m_bMax = false; break;
                 case 4: m_pDialog->SetMaximizedRect(rect); m_rcMaximized = rect; m_bMaximized = true; break;
                 default: m_pDialog->ResetMaximizedRect(); m_bMaximized = false; break;
                 }
                 if (!m_pDialog->GetSafeHwnd())
                     return;
                 MINMAXINFO info = {};
                 info.ptMinTrackSize = info.ptMaxTrackSize = info.ptMaxPosition = info.ptMaxSize = CPoint(-7, -7);
                 m_pDialog->SendMessage(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
                 const CPoint unset(-7, -7);
                 f.Expect(CPoint(info.ptMinTrackSize), m_bMin ? CPoint(m_sizeMin.cx, m_sizeMin.cy) : unset, "minimum track size");
                 f.Expect(CPoint(info.ptMaxTrackSize), m_bMax ? CPoint(m_sizeMax.cx, m_sizeMax.cy) : unset, "maximum track size");
                 f.Expect(CPoint(info.ptMaxPosition), m_bMaximized ? m_rcMaximized.TopLeft() : unset, "maximized position");
                 f.Expect(CPoint(info.ptMaxSize),
                     m_bMaximized ? CPoint(m_rcMaximized.Width(), m_rcMaximized.Height()) : unset, "maximized size");
             } },
            { "ShowSizeGrip", 2, [this](CFuzz& f) {
                 const BOOL bShow = f.Pick(2);
                 m_pDialog->ShowSizeGrip(bShow);
                 if (!m_pDialog->GetSafeHwnd())
                     return;
                 CRect client;
                 m_pDialog->GetClientRect(client);
                 CPoint pt(client.right - 1, client.bottom - 1);
                 m_pDialog->ClientToScreen(&pt);
                 const LRESULT nHit = m_pDialog->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(pt.x, pt.y));
                 f.Expect(nHit, static_cast<LRESULT>(bShow ? HTBOTTOMRIGHT : HTCLIENT), "hit test on the grip");
             } },
        };
    }

    std::unique_ptr<CResizableDialog> m_pDialog;
    std::vector<SAnchor> m_anchors;
    bool m_bMin = true, m_bMax = false, m_bMaximized = false;
    CSize m_sizeMin, m_sizeMax;
    CRect m_rcMaximized;
};
}

ZADUV_FUZZ_CLASS(CDialogEx, CDialogExSubject)
ZADUV_FUZZ_CLASS(CDlgDefaultButton, CDlgDefaultButtonSubject)
ZADUV_FUZZ_CLASS(CResizableDialog, CResizableSubject)
