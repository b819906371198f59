// CColorListBox subclassed in a real dialog: per-item colours and data by index, selection by
// data, deletion, and what the reflected owner-draw requests paint (colours, grey text of a
// disabled control, the inverting focus frame, tab stops).

#include <gtest/gtest.h>

#include <zaduv.h>

#include "DialogTemplate.h"
#include "DibSurface.h"
#include "MessagePump.h"
#include "PixelCapture.h"

#include <cstring>

using namespace zaduv_test;

namespace
{
const UINT IDC_COLORS = 100;
const UINT IDC_TABBED = 101;
const COLORREF RED = RGB(200, 0, 0);
const COLORREF BLUE = RGB(0, 0, 210);
const COLORREF PALE = RGB(250, 240, 200);
const COLORREF NAVY = RGB(0, 0, 90);
const COLORREF ALL_BITS = static_cast<COLORREF>(-1);
const DWORD_PTR NO_ITEM_DATA = static_cast<DWORD_PTR>(-1);
const DWORD OWNER_DRAWN = LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOTIFY | WS_VSCROLL | WS_BORDER | WS_TABSTOP;

class ColorListBoxTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CDialogTemplate dlgTemplate(CRect(0, 0, 260, 150), L"Colour list box test",
            WS_POPUP | WS_CAPTION | WS_VISIBLE | DS_MODALFRAME);
        dlgTemplate.AddListBox(IDC_COLORS, CRect(7, 7, 253, 70), OWNER_DRAWN);
        dlgTemplate.AddListBox(IDC_TABBED, CRect(7, 77, 253, 140), OWNER_DRAWN | LBS_USETABSTOPS);
        ASSERT_TRUE(m_dialog.CreateIndirect(dlgTemplate.GetTemplate()));
        ASSERT_TRUE(m_list.SubclassDlgItem(IDC_COLORS, &m_dialog));
        ASSERT_TRUE(m_tabbed.SubclassDlgItem(IDC_TABBED, &m_dialog));
        PumpPending();
    }

    void TearDown() override { m_dialog.DestroyWindow(); PumpPending(); }

    // The record is documented to be the list box's item data.
    static const COLORLISTITEM* Record(const CColorListBox& list, int nIndex)
    {
        return static_cast<const COLORLISTITEM*>(list.CListBox::GetItemDataPtr(nIndex));
    }

    void AddThree(DWORD_PTR d0, DWORD_PTR d1, DWORD_PTR d2)
    {
        const DWORD_PTR data[] = { d0, d1, d2 };
        for (int i = 0; i < 3; ++i)
            m_list.SetItemData(m_list.AddString(L"Item", RED), data[i]);
    }

    static CRect ItemRect(CColorListBox& list, int nIndex) { CRect rect; list.GetItemRect(nIndex, &rect); return rect; }

    CDialog m_dialog;
    CColorListBox m_list;
    CColorListBox m_tabbed;
};

// The first column at or right of xFrom, inside the item's rows, holding anything but crBk.
int FirstInkColumn(const CCapturedImage& image, const CRect& rectItem, int xFrom, COLORREF crBk)
{
    for (int x = xFrom; x < rectItem.right; ++x)
        for (int y = rectItem.top; y < rectItem.bottom; ++y)
            if (image.Pixel(x, y) != crBk)
                return x;
    return -1;
}
}

TEST_F(ColorListBoxTest, ItemsTakeTheChosenTextColourAndSetItemColorKeepsAllBitsAsAColour)
{
    ASSERT_EQ(0, m_list.AddString(L"Zeta", RED));
    ASSERT_EQ(0, m_list.InsertString(0, L"Alpha", BLUE));
    EXPECT_EQ(LB_ERR, m_list.InsertString(5, L"Beyond", RED));
    const COLORLISTITEM* pRecord = Record(m_list, 0);
    ASSERT_NE(nullptr, pRecord);
    const COLORLISTITEM expected = { 0, BLUE, ::GetSysColor(COLOR_WINDOW), ::GetSysColor(COLOR_HIGHLIGHTTEXT),
                                     ::GetSysColor(COLOR_HIGHLIGHT) };
    EXPECT_EQ(0, memcmp(&expected, pRecord, sizeof(expected))) << "the system colours for the rest";
    EXPECT_EQ(RED, Record(m_list, 1)->crText);
    CWindowDC dc(&m_list);
    TEXTMETRIC tm;
    dc.GetTextMetrics(&tm);
    EXPECT_EQ(tm.tmHeight - 3, m_list.GetItemHeight(0)) << "set when subclassed, from the window DC's own font";

    m_list.AddString(L"Third", RED);
    m_list.SetItemColor(1, NAVY, PALE, BLUE, RED);
    for (int nIndex : { -1, 3 })
        m_list.SetItemColor(nIndex, BLUE, BLUE, BLUE, BLUE);
    for (int i = 0; i < 3; ++i)
        EXPECT_NE(BLUE, Record(m_list, i)->crBk) << "item " << i;
    m_list.SetItemColor(1, ALL_BITS, ALL_BITS, ALL_BITS, ALL_BITS);
    const COLORLISTITEM kept = { 0, ALL_BITS, PALE, BLUE, RED };
    EXPECT_EQ(0, memcmp(&kept, Record(m_list, 1), sizeof(kept))) << "-1 is stored as the text colour only";
}

TEST_F(ColorListBoxTest, DataByIndexSelectionByDataAndDeletionAnswerOutsideTheListAndForItemsWithoutARecordAsInvalid)
{
    AddThree(0x123456789ABCDEF0ull, 7, 7);
    EXPECT_EQ(0x123456789ABCDEF0ull, m_list.GetItemData(0));
    EXPECT_EQ(reinterpret_cast<void*>(7), m_list.GetItemDataPtr(1));
    EXPECT_EQ(0u, m_list.GetSelectedItemData());
    m_list.SelectByItemData(7);
    EXPECT_EQ(1, m_list.GetCurSel()) << "the lowest index of two matches";
    EXPECT_EQ(7u, m_list.GetSelectedItemData());
    m_list.SelectByItemData(9);
    EXPECT_EQ(LB_ERR, m_list.GetCurSel()) << "no match clears the selection";
    for (int nIndex : { -1, 3 })
    {
        EXPECT_EQ(NO_ITEM_DATA, m_list.GetItemData(nIndex)) << nIndex;
        EXPECT_EQ(0, m_list.SetItemData(nIndex, 1)) << nIndex;
    }

    // Items added through the base class have no record, whatever their item data holds.
    const int nBare = m_list.CListBox::AddString(L"Bare");
    COLORLISTITEM foreign = { 0, RED, PALE, BLUE, NAVY };
    m_list.CListBox::SetItemDataPtr(nBare, &foreign);
    EXPECT_EQ(NO_ITEM_DATA, m_list.GetItemData(nBare));
    EXPECT_EQ(0, m_list.SetItemData(nBare, 9));
    m_list.SetCurSel(nBare);
    EXPECT_EQ(0u, m_list.GetSelectedItemData());
    m_list.SelectByItemData(0);
    EXPECT_EQ(LB_ERR, m_list.GetCurSel());
    EXPECT_EQ(0u, foreign.dwData);

    // Deleting at or past the count answers the error and frees nothing.
    for (UINT nIndex : { 4u, 5u, static_cast<UINT>(-1) })
        EXPECT_EQ(LB_ERR, m_list.DeleteString(nIndex)) << nIndex;
    EXPECT_EQ(3, m_list.DeleteString(0));
    EXPECT_EQ(7u, m_list.GetItemData(0));
    m_list.ResetContent();
    EXPECT_EQ(NO_ITEM_DATA, m_list.GetItemData(0));
}

TEST_F(ColorListBoxTest, ItemsPaintInTheirOwnColoursAndADisabledControlGreysOnlyUnselectedText)
{
    AddThree(0, 0, 0);
    m_list.SetItemColor(0, RED, PALE, ALL_BITS, ALL_BITS);
    m_list.SetItemColor(1, RED, PALE, BLUE, NAVY);
    m_list.SetCurSel(1);

    for (BOOL bEnabled : { TRUE, FALSE })
    {
        SCOPED_TRACE(bEnabled ? "enabled" : "disabled");
        m_list.EnableWindow(bEnabled);
        CCapturedImage image = CaptureClient(&m_list);
        const CRect rect0 = ItemRect(m_list, 0);
        const CRect rect1 = ItemRect(m_list, 1);
        EXPECT_PIXEL(image, rect0.right - 2, rect0.top + 1, PALE);
        EXPECT_PIXEL(image, rect1.right - 2, rect1.top + 1, NAVY);
        const COLORREF crExpected = bEnabled ? RED : ::GetSysColor(COLOR_GRAYTEXT);
        EXPECT_GT(image.CountColor(rect0, crExpected), 0);
        EXPECT_EQ(0, image.CountColor(rect0, bEnabled ? ::GetSysColor(COLOR_GRAYTEXT) : RED));
        EXPECT_GT(image.CountColor(rect1, BLUE), 0) << "selected text keeps its colour";
    }
}

TEST_F(ColorListBoxTest, EachFocusRequestInvertsTheFrameOnce)
{
    m_list.AddString(L"Focus", RED);
    m_list.SetItemColor(0, RED, PALE, ALL_BITS, ALL_BITS);
    CDibSurface surface(120, 20, RGB(9, 9, 9));
    DRAWITEMSTRUCT dis = { ODT_LISTBOX, IDC_COLORS, 0, ODA_DRAWENTIRE, 0, m_list.m_hWnd, surface.DC().GetSafeHdc(),
        { 0, 0, 100, 14 }, m_list.CListBox::GetItemData(0) };
    m_dialog.SendMessage(WM_DRAWITEM, IDC_COLORS, reinterpret_cast<LPARAM>(&dis));
    const CRect rectFrame(0, 0, 100, 1);
    EXPECT_UNIFORM(surface.Capture(), rectFrame, PALE);

    dis.itemAction = ODA_FOCUS;
    dis.itemState = ODS_FOCUS;
    m_dialog.SendMessage(WM_DRAWITEM, IDC_COLORS, reinterpret_cast<LPARAM>(&dis));
    EXPECT_LT(surface.Capture().CountColor(rectFrame, PALE), 80) << "the frame inverts every other pixel";

    dis.itemState = 0;
    m_dialog.SendMessage(WM_DRAWITEM, IDC_COLORS, reinterpret_cast<LPARAM>(&dis));
    EXPECT_UNIFORM(surface.Capture(), rectFrame, PALE);
}

TEST_F(ColorListBoxTest, TabsExpandOnlyWithTheStyleAndStopAtTheTabLength)
{
    struct SCase { CColorListBox* pList; int nTabStop; int nStopChars; } cases[] = {
        { &m_tabbed, 0, 8 },        // the platform's default stops
        { &m_tabbed, 20, 20 },
        { &m_list, 20, 0 },         // drawn through the tab-aware call, tabs not expanded
    };
    for (const SCase& c : cases)
    {
        SCOPED_TRACE(testing::Message() << (c.pList == &m_tabbed ? "tab stops" : "plain") << ", " << c.nTabStop);
        c.pList->ResetContent();
        c.pList->AddString(L"A\tB", RED);
        c.pList->SetItemColor(0, RED, PALE, ALL_BITS, ALL_BITS);
        c.pList->SetTabStop(c.nTabStop);

        CClientDC dc(c.pList);
        CFont* pOldFont = dc.SelectObject(c.pList->GetFont());
        TEXTMETRIC tm;
        dc.GetTextMetrics(&tm);
        const int cxA = dc.GetTextExtent(CString(L"A")).cx;
        dc.SelectObject(pOldFont);

        CCapturedImage image = CaptureClient(c.pList);
        const int xB = FirstInkColumn(image, ItemRect(*c.pList, 0), cxA + 1, PALE);
        if (c.nStopChars > 0)
        {
            EXPECT_GE(xB, c.nStopChars * tm.tmAveCharWidth);
            EXPECT_LE(xB, c.nStopChars * tm.tmAveCharWidth + 2);
        }
        else
        {
            EXPECT_GT(xB, 0);
            EXPECT_LT(xB, 4 * tm.tmAveCharWidth);
        }
    }
}
