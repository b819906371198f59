// The small controls against models of their state: the colour list box's items and data, the
// link's target, the bitmap button's bitmaps and check, the toolbar's buttons, pointer,
// saved position and docking.
#include <zaduv.h>

#include "FuzzEngine.h"
#include "MessagePump.h"
#include "resource.h"

#include <map>

using namespace zaduv_fuzz;

namespace
{
class CColorListBoxSubject : public CFuzzSubject
{
public:
    CWnd* Window() override { return &m_list; }

    void Create() override
    {
        m_dialog.Create(IDD_FUZZ);
        m_list.SubclassDlgItem(IDC_LIST, &m_dialog);
    }
    void Destroy(CFuzz&) override
    {
        m_dialog.DestroyWindow();
        m_data.clear();
        m_nSel = -1;
    }

    int Count() const { return static_cast<int>(m_data.size()); }

    void Check(CFuzz& f) override
    {
        f.Expect(m_list.GetCount(), Count(), "GetCount");
        const int i = f.Index(Count());
        f.Expect(m_list.GetItemData(i), i >= 0 && i < Count() ? m_data[i] : static_cast<DWORD_PTR>(-1), "GetItemData");
        f.Expect(m_list.GetItemDataPtr(i), reinterpret_cast<void*>(m_list.GetItemData(i)), "GetItemDataPtr");
        // A message to no window answers 0.
        f.Expect(m_list.GetCurSel(), m_list.GetSafeHwnd() ? m_nSel : 0, "GetCurSel");
        f.Expect(m_list.GetSelectedItemData(), m_nSel >= 0 ? m_data[m_nSel] : 0, "GetSelectedItemData");
    }

    std::vector<SFuzzOp> Ops() override
    {
        return {
            { "AddString", 5, [this](CFuzz& f) {
                 const int nResult = m_list.AddString(L"item", RGB(f.Pick(256), 0, 0));
                 // A list box without a window answers 0 and keeps nothing.
                 f.Expect(nResult, m_list.GetSafeHwnd() ? Count() : 0, "AddString");
                 if (m_list.GetSafeHwnd())
                     m_data.push_back(0);
             } },
            { "InsertString", 4, [this](CFuzz& f) {
                 const int nWhere = f.Index(Count());
                 const int nResult = m_list.InsertString(nWhere, L"inserted", RGB(0, f.Pick(256), 0));
                 int nStated = nWhere == -1 ? Count() : (nWhere <= Count() ? nWhere : LB_ERR);
                 if (!m_list.GetSafeHwnd())
                     nStated = 0;
                 f.Expect(nResult, nStated, "InsertString");
                 if (m_list.GetSafeHwnd() && nStated >= 0)
                 {
                     m_data.insert(m_data.begin() + nStated, 0);
                     if (m_nSel >= nStated)
                         ++m_nSel;
                 }
             } },
            { "DeleteString", 3, [this](CFuzz& f) {
                 const int i = f.Index(Count());
                 const bool bValid = i >= 0 && i < Count();
                 f.Expect(m_list.DeleteString(static_cast<UINT>(i)), bValid ? Count() - 1 : (m_list.GetSafeHwnd() ? LB_ERR : 0),
                     "DeleteString");
                 if (!bValid)
                     return;
                 m_data.erase(m_data.begin() + i);
                 m_nSel = m_nSel == i ? -1 : (m_nSel > i ? m_nSel - 1 : m_nSel);
             } },
            { "SetItemData", 4, [this](CFuzz& f) {
                 const int i = f.Index(Count());
                 const bool bValid = i >= 0 && i < Count();
                 const DWORD_PTR dwData = static_cast<DWORD_PTR>(f.Pick(6));
                 f.Expect(f.Chance(50) ? m_list.SetItemData(i, dwData) : m_list.SetItemDataPtr(i, reinterpret_cast<void*>(dwData)),
                     bValid ? 1 : 0, "SetItemData");
                 if (bValid)
                     m_data[i] = dwData;
             } },
            { "SetItemColor and SetTabStop", 2, [this](CFuzz& f) {
                 m_list.SetItemColor(f.Index(Count()), RGB(1, 2, 3), f.Chance(50) ? static_cast<COLORREF>(-1) : RGB(4, 5, 6),
                     static_cast<COLORREF>(-1), RGB(7, 8, 9));
                 m_list.SetTabStop(f.Pick(40) - 5);
             } },
            { "SelectByItemData", 3, [this](CFuzz& f) {
                 const DWORD_PTR dwData = static_cast<DWORD_PTR>(f.Pick(7));
                 m_list.SelectByItemData(dwData);
                 m_nSel = -1;
                 for (int i = Count() - 1; i >= 0; --i)
                     if (m_data[i] == dwData)
                         m_nSel = i;
             } },
            { "ResetContent", 1, [this](CFuzz&) {
                 m_list.ResetContent();
                 m_data.clear();
                 m_nSel = -1;
             } },
        };
    }

    CDialog m_dialog;
    CColorListBox m_list;
    std::vector<DWORD_PTR> m_data;
    int m_nSel = -1;
};

class CStaticLinkSubject : public CFuzzSubject
{
public:
    CWnd* Window() override { return &m_link; }
    void Destroy(CFuzz&) override { m_dialog.DestroyWindow(); }

    void Create() override
    {
        m_dialog.Create(IDD_FUZZ);
        m_link.SubclassDlgItem(IDC_LABEL, &m_dialog);
        m_link.SetWindowText(L"");
    }

    std::vector<SFuzzOp> Ops() override
    {
        return {
            { "SetURL and GetURL", 3, [this](CFuzz& f) {
                 m_strURL = f.Chance(40) ? L"" : L"zaduv-fuzz:" + std::to_wstring(f.Pick(1000));
                 m_link.SetURL(m_strURL.c_str());
                 f.Expect(Text(m_link.GetURL()), m_strURL, "GetURL");
             } },
            { "Navigate without a target", 2, [this](CFuzz& f) {
                 if (!m_strURL.empty())
                     m_link.SetURL(CString());
                 m_strURL.clear();
                 f.Expect(m_link.Navigate(), static_cast<HINSTANCE>(nullptr), "Navigate with no target");
             } },
            { "click on a link with no target and no text", 1, [this](CFuzz& f) {
                 if (!m_link.GetSafeHwnd() || !m_strURL.empty())
                     return;
                 m_link.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
                 m_link.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
                 f.Expect(Text(m_link.GetURL()), std::wstring(), "the target after a click on empty text");
             } },
            { "hit test and cursor", 2, [this](CFuzz& f) {
                 f.Expect(m_link.SendMessage(WM_NCHITTEST, 0, 0), static_cast<LRESULT>(HTCLIENT), "WM_NCHITTEST");
                 f.Expect(m_link.SendMessage(WM_SETCURSOR, reinterpret_cast<WPARAM>(m_link.m_hWnd), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)),
                     static_cast<LRESULT>(CStaticLink::g_hCursorLink != nullptr), "WM_SETCURSOR");
             }, true },
        };
    }

    CDialog m_dialog;
    CStaticLink m_link;
    std::wstring m_strURL;
};

class CFuzzBitmapButton : public KaCBitmapButton
{
public:
    bool HasBitmap(int i) const { return m_aBitmaps[i].GetSafeHandle() != nullptr; }
    bool IsChecked() const { return m_bChecked; }
};

class CBitmapButtonSubject : public CFuzzSubject
{
public:
    CWnd* Window() override { return &m_button; }
    void Destroy(CFuzz&) override { m_dialog.DestroyWindow(); }

    void Create() override
    {
        m_dialog.Create(IDD_FUZZ);
        m_button.SubclassDlgItem(IDCANCEL, &m_dialog);
    }

    std::vector<SFuzzOp> Ops() override
    {
        return {
            { "LoadBitmaps", 2, [this](CFuzz& f) {
                 const UINT aIds[] = { 0, IDB_RED, IDB_GREEN, IDB_BLUE, 999 };
                 UINT ids[4];
                 for (UINT& nID : ids)
                     nID = aIds[f.Pick(5)];
                 m_button.LoadBitmaps(ids[0], ids[1], ids[2], ids[3]);
                 for (int i = 0; i < 4; ++i)
                 {
                     const UINT nID = i > 0 && ids[i] == 0 ? ids[0] : ids[i];
                     f.Expect(m_button.HasBitmap(i), nID >= IDB_RED && nID <= IDB_BLUE, "bitmap loaded");
                 }
             } },
            { "check", 3, [this](CFuzz& f) {
                 const WPARAM nState = static_cast<WPARAM>(f.Pick(4));
                 m_button.SendMessage(BM_SETCHECK, nState);
                 f.Expect(m_button.IsChecked(), nState == BST_CHECKED, "checked");
             }, true },
            { "press, enable and disable", 3, [this](CFuzz& f) {
                 m_button.SendMessage(BM_SETSTATE, f.Pick(2));
                 m_button.EnableWindow(f.Chance(70));
             }, true },
        };
    }

    CDialog m_dialog;
    CFuzzBitmapButton m_button;
};

// A settings store in memory.
class CMemoryRegistry : public CTavrinRegistry
{
public:
    CMemoryRegistry() : CTavrinRegistry(L"") {}
    virtual DWORD ReadDWord(CString strKey, DWORD dwDefault)
    {
        auto it = m_dwords.find(strKey);
        return it == m_dwords.end() ? dwDefault : it->second;
    }
    virtual void WriteDWord(CString strKey, DWORD dwValue) { m_dwords[strKey] = dwValue; }
    virtual CRect ReadRect(CString strKey)
    {
        auto it = m_rects.find(strKey);
        return it == m_rects.end() ? CRect() : it->second;
    }
    virtual void WriteRect(CString strKey, const CRect& rect) { m_rects[strKey] = rect; }

    std::map<CString, DWORD> m_dwords;
    std::map<CString, CRect> m_rects;
};

const UINT kToolIds[] = { ID_TOOL_A, ID_TOOL_B, ID_TOOL_C, ID_TOOL_D, 105, 999 };

class CToolBarSubject : public CFuzzSubject
{
public:
    CToolBarSubject() : m_pBar(new CTavrinToolBar(m_registry)) {}
    CWnd* Window() override { return m_pFrame ? static_cast<CWnd*>(m_pFrame) : m_pBar.get(); }

    void Destroy(CFuzz&) override
    {
        if (m_pFrame)
            m_pFrame->DestroyWindow();      // the frame deletes itself
        m_pFrame = nullptr;
    }

    void Create() override
    {
        m_pBar.reset(new CTavrinToolBar(m_registry));
        m_pFrame = new CFrameWnd;
        m_pFrame->Create(nullptr, L"Toolbar host", WS_OVERLAPPED | WS_CAPTION | WS_VISIBLE, CRect(100, 100, 560, 420));
        m_pFrame->EnableDocking(CBRS_ALIGN_ANY);
        m_pBar->Create(m_pFrame, L"Main", IDR_BAR, 0);
        zaduv_test::PumpPending();
    }

    bool HasButton(UINT nID) const { return m_pBar->GetSafeHwnd() && nID >= ID_TOOL_A && nID <= ID_TOOL_D; }

    CPoint ButtonCentre(UINT nID) const
    {
        CRect rect;
        m_pBar->GetItemRect(m_pBar->CommandToIndex(nID), rect);
        CPoint pt((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
        m_pBar->ClientToScreen(&pt);
        return pt;
    }

    std::vector<SFuzzOp> Ops() override
    {
        return {
            { "SetCursor", 3, [this](CFuzz& f) {
                 const UINT nID = kToolIds[f.Pick(6)];
                 ::SetCursorPos(5, 5);
                 f.Expect(m_pBar->SetCursor(nID), static_cast<BOOL>(HasButton(nID)), "SetCursor");
                 CPoint pt;
                 ::GetCursorPos(&pt);
                 f.Expect(pt, HasButton(nID) ? ButtonCentre(nID) : CPoint(5, 5), "pointer");
             } },
            { "ReleasePressedButtonWithNoMouse", 3, [this](CFuzz& f) {
                 const UINT nID = kToolIds[f.Pick(6)];
                 const bool bPressed = HasButton(nID) && f.Chance(60);
                 if (bPressed)
                     m_pBar->GetToolBarCtrl().PressButton(nID, TRUE);
                 const bool bOver = bPressed && f.Chance(50);
                 if (bOver)
                     m_pBar->SetCursor(nID);
                 else
                     ::SetCursorPos(5, 5);
                 f.Expect(m_pBar->ReleasePressedButtonWithNoMouse(nID), static_cast<BOOL>(!bOver), "ReleasePressedButtonWithNoMouse");
                 if (bPressed)
                     f.Expect(m_pBar->GetToolBarCtrl().IsButtonPressed(nID) != FALSE, bOver, "still pressed");
                 if (bOver)
                     m_pBar->GetToolBarCtrl().PressButton(nID, FALSE);
             } },
            { "SavePosition", 2, [this](CFuzz& f) {
                 m_pBar->SavePosition();
                 const DWORD dwStated = (m_pBar->GetStyle() & 0xFFFF0000) | (m_pBar->GetBarStyle() & 0xFFFF);
                 f.Expect(m_registry.m_dwords[L"Main"], dwStated, "saved style");
                 CRect rect;
                 CFrameWnd* pDockingFrame = m_pBar->GetDockingFrame();
                 if ((dwStated & CBRS_FLOATING) && pDockingFrame != nullptr)
                     pDockingFrame->GetWindowRect(rect);
                 else
                 {
                     m_pBar->GetWindowRect(rect);
                     if (rect.left < 0 && rect.right > 100)
                         rect = CRect(0, rect.top, rect.right - rect.left, rect.bottom);
                 }
                 f.Expect(m_registry.m_rects[L"Main"], rect, "saved rectangle");
             }, true },
            { "float and dock", 3, [this](CFuzz& f) {
                 const bool bFloat = f.Chance(50);
                 if (bFloat)
                     m_pFrame->FloatControlBar(m_pBar.get(), CPoint(200 + f.Pick(200), 300 + f.Pick(100)));
                 else
                     m_pFrame->DockControlBar(m_pBar.get());
                 f.Expect(m_pBar->IsFloating() != FALSE, bFloat, "floating");
             }, true },
            { "SetInitialPosition from stored settings", 2, [this](CFuzz& f) {
                 const bool bFloating = f.Chance(50);
                 m_registry.m_dwords[L"Main"] = bFloating ? (0x50001434 | CBRS_FLOATING) : 0x50001434;
                 m_registry.m_rects[L"Main"] = f.Chance(30) ? CRect() : CRect(200, 300, 360, 330);
                 m_pBar->SetInitialPosition(true);
                 f.Expect(m_pBar->IsFloating() != FALSE, bFloating, "floating as stored");
             }, true },
            { "SetCaptionTextColors", 1, [this](CFuzz& f) {
                 const COLORREF cr[4] = { RGB(f.Pick(256), 0, 0), RGB(0, f.Pick(256), 0), RGB(0, 0, f.Pick(256)), 0xFFFFFFFF };
                 m_pBar->SetCaptionTextColors(cr[0], cr[1], cr[2], cr[3]);
                 COLORREF got[4] = {};
                 m_pBar->GetCaptionTextColors(got[0], got[1], got[2], got[3]);
                 f.Expect(std::vector<COLORREF>(got, got + 4), std::vector<COLORREF>(cr, cr + 4), "caption colours");
             } },
        };
    }

    CMemoryRegistry m_registry;
    CFrameWnd* m_pFrame = nullptr;      // deletes itself with its window
    std::unique_ptr<CTavrinToolBar> m_pBar;
};
}

ZADUV_FUZZ_CLASS(CColorListBox, CColorListBoxSubject)
ZADUV_FUZZ_CLASS(CStaticLink, CStaticLinkSubject)
ZADUV_FUZZ_CLASS(KaCBitmapButton, CBitmapButtonSubject)
ZADUV_FUZZ_CLASS(CTavrinToolBar, CToolBarSubject)
