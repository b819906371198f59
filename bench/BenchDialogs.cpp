// The dialog bases: one layout pass of a CResizableDialog with 10, 100 and 1,000 anchored
// controls against a plain dialog of the same controls resized alike and its controls moved to
// the same rectangles by one bare deferred batch. Target: within 1.3 times, which also keeps
// the growth linear, as the bare batch grows linearly. AdjustButtonWidths over a row of 50
// buttons is shown without a target: it measures every caption by design.

#include "BenchCase.h"

#include <zaduv.h>

#include <vector>

namespace
{
const CSize kSizeA(600, 400);
const CSize kSizeB(700, 480);

// A popup dialog template without controls and without a font; the controls are made at run
// time, as many as a case needs.
struct SEmptyTemplate
{
    DLGTEMPLATE dlg;
    WORD wMenu, wClass, wTitle;
};

BOOL CreateEmpty(CDialog& dlg)
{
    static SEmptyTemplate tmpl = { { WS_POPUP | WS_THICKFRAME, 0, 0, 0, 0, 100, 60 }, 0, 0, 0 };
    return dlg.CreateIndirect(&tmpl.dlg, NULL);
}

void AddButtons(CWnd& parent, int nCount)
{
    for (int i = 0; i < nCount; ++i)
        ::CreateWindowExW(0, L"BUTTON", L"Series", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON,
            10 + (i % 20) * 25, 10 + (i / 20) * 6, 22, 5, parent.m_hWnd,
            reinterpret_cast<HMENU>(static_cast<UINT_PTR>(1000 + i)), NULL, NULL);
}

class CBenchResizableDialog : public CResizableDialog
{
public:
    void SetClientSize(CSize size)
    {
        CRect rcWindow, rcClient;
        GetWindowRect(&rcWindow);
        GetClientRect(&rcClient);
        SetWindowPos(NULL, 0, 0, size.cx + rcWindow.Width() - rcClient.Width(),
            size.cy + rcWindow.Height() - rcClient.Height(), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
};

class CBenchLayout : public CBenchCase
{
public:
    explicit CBenchLayout(int nControls) : m_nControls(nControls), m_bToB(TRUE) {}

    virtual std::string GetName() const { return "CResizableDialog layout"; }
    virtual std::string GetSize() const { return std::to_string(m_nControls) + " controls"; }
    virtual std::string GetBaselineName() const { return "one bare deferred batch"; }
    virtual double GetTarget() const { return 1.3; }

    virtual BOOL SetUp()
    {
        if (!CreateEmpty(m_dlg) || !CreateEmpty(m_plain))
            return FALSE;
        m_dlg.ResetMinTrackSize();
        m_dlg.SetClientSize(kSizeA);
        SetClientSize(m_plain, kSizeA);
        AddButtons(m_dlg, m_nControls);
        AddButtons(m_plain, m_nControls);
        for (int i = 0; i < m_nControls; ++i)
            m_plainControls.push_back(::GetDlgItem(m_plain.m_hWnd, 1000 + i));
        static const CSize anchors[][2] = {
            { CSize(0, 0), CSize(100, 0) }, { CSize(100, 100), ANCHOR_NONE }, { CSize(50, 0), CSize(50, 100) },
        };
        for (int i = 0; i < m_nControls; ++i)
            m_dlg.AddAnchor(static_cast<UINT>(1000 + i), anchors[i % 3][0], anchors[i % 3][1]);
        // The rectangles the layout gives at either size are the baseline's.
        m_dlg.SetClientSize(kSizeB);
        ReadRects(m_rectsB);
        m_dlg.SetClientSize(kSizeA);
        ReadRects(m_rectsA);
        return TRUE;
    }

    virtual void TearDown()
    {
        m_dlg.DestroyWindow();
        m_plain.DestroyWindow();
    }

    virtual void RunOperation()
    {
        m_dlg.SetClientSize(m_bToB ? kSizeB : kSizeA);
        m_bToB = !m_bToB;
    }

    virtual void RunBaseline()
    {
        SetClientSize(m_plain, m_bPlainToB ? kSizeB : kSizeA);
        const std::vector<CRect>& rects = m_bPlainToB ? m_rectsB : m_rectsA;
        m_bPlainToB = !m_bPlainToB;
        HDWP hdwp = ::BeginDeferWindowPos(m_nControls);
        for (int i = 0; i < m_nControls && hdwp != NULL; ++i)
            hdwp = ::DeferWindowPos(hdwp, m_plainControls[i], NULL, rects[i].left,
                rects[i].top, rects[i].Width(), rects[i].Height(), SWP_NOZORDER | SWP_NOACTIVATE);
        if (hdwp != NULL)
            ::EndDeferWindowPos(hdwp);
    }

private:
    static void SetClientSize(CWnd& wnd, CSize size)
    {
        CRect rcWindow, rcClient;
        wnd.GetWindowRect(&rcWindow);
        wnd.GetClientRect(&rcClient);
        wnd.SetWindowPos(NULL, 0, 0, size.cx + rcWindow.Width() - rcClient.Width(),
            size.cy + rcWindow.Height() - rcClient.Height(), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    void ReadRects(std::vector<CRect>& rects)
    {
        rects.clear();
        for (int i = 0; i < m_nControls; ++i)
            rects.push_back(m_dlg.GetControlRect(static_cast<UINT>(1000 + i)));
    }

    int m_nControls;
    BOOL m_bToB;
    BOOL m_bPlainToB = TRUE;
    CBenchResizableDialog m_dlg;
    CDialog m_plain;
    std::vector<HWND> m_plainControls;
    std::vector<CRect> m_rectsA;
    std::vector<CRect> m_rectsB;
};

class CBenchAdjustButtonWidths : public CBenchCase
{
public:
    virtual std::string GetName() const { return "AdjustButtonWidths"; }
    virtual std::string GetSize() const { return "50 buttons"; }
    virtual std::string GetBaselineName() const { return "resizing the 50 buttons"; }

    virtual BOOL SetUp()
    {
        if (!CreateEmpty(m_dlg))
            return FALSE;
        m_dlg.SetWindowPos(NULL, 0, 0, 4000, 300, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        AddButtons(m_dlg, 50);
        for (int i = 0; i < 50; ++i)
            m_ids.Add(static_cast<UINT>(1000 + i));
        return TRUE;
    }

    virtual void TearDown() { m_dlg.DestroyWindow(); }

    virtual void RunOperation()
    {
        NarrowAll();
        m_dlg.AdjustButtonWidths(m_ids, 4);
    }

    virtual void RunBaseline()
    {
        NarrowAll();
        for (INT_PTR i = 0; i < m_ids.GetSize(); ++i)
            m_dlg.GetDlgItem(static_cast<int>(m_ids[i]))->SetWindowPos(NULL, 0, 0, 60, 20, SWP_NOMOVE | SWP_NOZORDER);
    }

private:
    void NarrowAll()
    {
        for (INT_PTR i = 0; i < m_ids.GetSize(); ++i)
            m_dlg.GetDlgItem(static_cast<int>(m_ids[i]))->SetWindowPos(NULL, 0, 0, 10, 20, SWP_NOMOVE | SWP_NOZORDER);
    }

    CDialogEx m_dlg;
    CArray<UINT, UINT> m_ids;
};
}

REGISTER_BENCH_CASE(new CBenchLayout(10));
REGISTER_BENCH_CASE(new CBenchLayout(100));
REGISTER_BENCH_CASE(new CBenchLayout(1000));
REGISTER_BENCH_CASE(new CBenchAdjustButtonWidths());
