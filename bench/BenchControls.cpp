// CColorListBox against a plain list box doing the same visible work: AddString of 10,000 and
// 100,000 texts (against a plain owner-draw list box's AddString), SelectByItemData of the last
// item (against a plain scan of the item data), both also at 100,000 against ten runs at
// 10,000 to show they grow linearly, and the repaint of a visible page (against the default
// painting of a plain list box, no target: owner drawing costs what it costs).

#include "BenchCase.h"

#include <zaduv.h>

#include <memory>
#include <vector>

namespace
{
const DWORD LIST_STYLE = WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOINTEGRALHEIGHT | LBS_HASSTRINGS;
const COLORREF TEXT_COLOUR = RGB(0, 0, 160);

// A parent with the colour list box and a plain list box of the same size, side by side.
class CListBoxFixture
{
public:
    explicit CListBoxFixture(BOOL bVisible) : m_bVisible(bVisible) {}

    BOOL Create(DWORD dwPlainStyle)
    {
        if (!m_wndParent.CreateEx(0, AfxRegisterWndClass(0), L"bench", WS_POPUP | (m_bVisible ? WS_VISIBLE : 0),
            0, 0, 640, 420, NULL, NULL))
            return FALSE;
        if (!m_plain.Create(LIST_STYLE | dwPlainStyle, CRect(320, 0, 620, 400), &m_wndParent, 2))
            return FALSE;
        HWND hWndColor = ::CreateWindowExW(0, L"LISTBOX", L"", LIST_STYLE | LBS_OWNERDRAWFIXED, 0, 0, 300, 400,
            m_wndParent.m_hWnd, reinterpret_cast<HMENU>(1), AfxGetInstanceHandle(), NULL);
        return hWndColor != NULL && m_color.SubclassWindow(hWndColor);
    }

    // Formatted once, so both sides time only the list boxes.
    void MakeTexts(int nItems)
    {
        m_texts.resize(static_cast<size_t>(nItems));
        for (int i = 0; i < nItems; ++i)
            m_texts[i].Format(L"Study %d\tCT thorax", i);
    }

    void FillColor(int nItems)
    {
        m_color.ResetContent();
        for (int i = 0; i < nItems; ++i)
            m_color.AddString(m_texts[i], TEXT_COLOUR);
    }

    void FillPlain(int nItems)
    {
        m_plain.ResetContent();
        for (int i = 0; i < nItems; ++i)
            m_plain.AddString(m_texts[i]);
    }

    void SetData(int nItems)
    {
        for (int i = 0; i < nItems; ++i)
        {
            m_color.SetItemData(i, static_cast<DWORD_PTR>(i));
            m_plain.SetItemData(i, static_cast<DWORD_PTR>(i));
        }
    }

    // The plainest search: every item's data read until the value is found.
    void SelectPlainByData(DWORD_PTR dwData)
    {
        const int nCount = m_plain.GetCount();
        int nFound = -1;
        for (int i = 0; i < nCount && nFound < 0; ++i)
            if (m_plain.GetItemData(i) == dwData)
                nFound = i;
        m_plain.SetCurSel(nFound);
    }

    BOOL m_bVisible;
    std::vector<CString> m_texts;
    CWnd m_wndParent;
    CColorListBox m_color;
    CListBox m_plain;
};

enum EOperation { OP_ADD_STRING, OP_SELECT_BY_DATA };

const char* OperationName(EOperation eOperation)
{
    return eOperation == OP_ADD_STRING ? "CColorListBox::AddString" : "CColorListBox::SelectByItemData";
}

class CBenchColorListBox : public CBenchCase
{
public:
    CBenchColorListBox(EOperation eOperation, int nItems) : m_eOperation(eOperation), m_nItems(nItems) {}

    virtual std::string GetName() const { return OperationName(m_eOperation); }
    virtual std::string GetSize() const { return std::to_string(m_nItems) + " items"; }
    virtual std::string GetBaselineName() const
    {
        return m_eOperation == OP_ADD_STRING ? "owner-draw CListBox::AddString" : "scan of the item data";
    }
    virtual double GetTarget() const { return 1.5; }

    virtual BOOL SetUp()
    {
        m_pFixture.reset(new CListBoxFixture(FALSE));
        if (!m_pFixture->Create(LBS_OWNERDRAWFIXED))
            return FALSE;
        m_pFixture->MakeTexts(m_nItems);
        if (m_eOperation == OP_SELECT_BY_DATA)
        {
            m_pFixture->FillColor(m_nItems);
            m_pFixture->FillPlain(m_nItems);
            m_pFixture->SetData(m_nItems);
        }
        return TRUE;
    }

    virtual void TearDown() { m_pFixture.reset(); }

    virtual void RunOperation()
    {
        if (m_eOperation == OP_ADD_STRING)
            m_pFixture->FillColor(m_nItems);
        else
            m_pFixture->m_color.SelectByItemData(static_cast<DWORD_PTR>(m_nItems - 1));
    }

    virtual void RunBaseline()
    {
        if (m_eOperation == OP_ADD_STRING)
            m_pFixture->FillPlain(m_nItems);
        else
            m_pFixture->SelectPlainByData(static_cast<DWORD_PTR>(m_nItems - 1));
    }

private:
    EOperation m_eOperation;
    int m_nItems;
    std::unique_ptr<CListBoxFixture> m_pFixture;
};

// One run at 100,000 items against ten runs at 10,000.
class CBenchColorListBoxGrowth : public CBenchCase
{
public:
    explicit CBenchColorListBoxGrowth(EOperation eOperation)
        : m_large(eOperation, 100000), m_small(eOperation, 10000), m_eOperation(eOperation)
    {
    }

    virtual std::string GetName() const { return std::string(OperationName(m_eOperation)) + "/growth"; }
    virtual std::string GetSize() const { return "100000 items"; }
    virtual std::string GetBaselineName() const { return "10 x the same at 10000"; }
    virtual double GetTarget() const { return 1.2; }

    virtual BOOL SetUp()
    {
        return m_large.SetUp() && m_small.SetUp();
    }

    virtual void TearDown()
    {
        m_large.TearDown();
        m_small.TearDown();
    }

    virtual void RunOperation() { m_large.RunOperation(); }

    virtual void RunBaseline()
    {
        for (int i = 0; i < 10; ++i)
            m_small.RunOperation();
    }

private:
    CBenchColorListBox m_large;
    CBenchColorListBox m_small;
    EOperation m_eOperation;
};

class CBenchColorListBoxPaint : public CBenchCase
{
public:
    virtual std::string GetName() const { return "CColorListBox repaint"; }
    virtual std::string GetSize() const { return "one visible page"; }
    virtual std::string GetBaselineName() const { return "plain list box painting"; }

    virtual BOOL SetUp()
    {
        m_pFixture.reset(new CListBoxFixture(TRUE));
        if (!m_pFixture->Create(0))
            return FALSE;
        m_pFixture->MakeTexts(200);
        m_pFixture->FillColor(200);
        m_pFixture->FillPlain(200);
        m_pFixture->m_color.SetTabStop(12);
        return TRUE;
    }

    virtual void TearDown() { m_pFixture.reset(); }

    virtual void RunOperation() { Repaint(m_pFixture->m_color); }
    virtual void RunBaseline() { Repaint(m_pFixture->m_plain); }

private:
    static void Repaint(CWnd& wnd)
    {
        wnd.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    }

    std::unique_ptr<CListBoxFixture> m_pFixture;
};
}

REGISTER_BENCH_CASE(new CBenchColorListBox(OP_ADD_STRING, 10000));
REGISTER_BENCH_CASE(new CBenchColorListBox(OP_ADD_STRING, 100000));
REGISTER_BENCH_CASE(new CBenchColorListBoxGrowth(OP_ADD_STRING));
REGISTER_BENCH_CASE(new CBenchColorListBox(OP_SELECT_BY_DATA, 10000));
REGISTER_BENCH_CASE(new CBenchColorListBox(OP_SELECT_BY_DATA, 100000));
REGISTER_BENCH_CASE(new CBenchColorListBoxGrowth(OP_SELECT_BY_DATA));
REGISTER_BENCH_CASE(new CBenchColorListBoxPaint());
