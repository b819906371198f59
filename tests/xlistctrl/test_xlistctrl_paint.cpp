// The cells of CXListCtrl as they reach the screen: each cell kind at the offsets its geometry
// fixes, read back from a real list view after it has painted itself through the reflected
// custom-draw notification. Text positions are compared with the same text drawn by the test.
#include <gtest/gtest.h>

#include "MessagePump.h"
#include "PixelCapture.h"
#include "header_test_helpers.h"
#include "xlist_test_helpers.h"

using namespace zaduv_test;

namespace
{
const COLORREF kInk = RGB(0, 0, 0);
const COLORREF kGround = RGB(200, 230, 250);
const COLORREF kRed = RGB(255, 0, 0);

class XListPaint : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_host.Create({ { L"Name", LVCFMT_LEFT, 120 }, { L"Value", LVCFMT_LEFT, 130 },
                                    { L"Right", LVCFMT_RIGHT, 110 }, { L"Centre", LVCFMT_CENTER, 110 } },
            TRUE, LVS_REPORT | LVS_SHOWSELALWAYS, 520));
        for (int i = 0; i < 3; ++i)
            List().InsertItem(i, L"row");
    }
    CProbeXList& List() { return m_host.m_list; }
    CRect Cell(int nItem, int nSubItem) { CRect rect; List().GetSubItemRect(nItem, nSubItem, LVIR_BOUNDS, rect); return rect; }
    // Black text on kGround, as the cell would show it.
    void SetCellText(int nItem, int nSubItem, LPCWSTR lpszText)
    {
        ASSERT_TRUE(List().SetItemText(nItem, nSubItem, lpszText, kInk, kGround));
    }
    // The text as the test's own DrawText puts it inside rect, and where its ink is.
    CCapturedImage Reference(LPCWSTR lpszText, const CRect& rect, UINT nFormat, CFont* pFont = nullptr)
    {
        return RenderText(rect.right + 10, rect.bottom + 10, kGround, pFont != nullptr ? pFont : &m_host.m_font,
            lpszText, rect, nFormat);
    }
    CRect ReferenceInk(LPCWSTR lpszText, const CRect& rect, UINT nFormat)
    {
        return InkBox(Reference(lpszText, rect, nFormat), rect, kGround);
    }

    CXListHost m_host;
};

TEST_F(XListPaint, TextStandsSixPixelsInsideItsCellAsItsColumnAlignsIt)
{
    const struct { int nCol; LPCWSTR lpszText; UINT nAlign; } aCases[] = { { 1, L"Hello", DT_LEFT }, { 2, L"Right", DT_RIGHT }, { 3, L"Mid", DT_CENTER } };
    for (const auto& c : aCases)
        SetCellText(1, c.nCol, c.lpszText);
    CCapturedImage image = CaptureClient(&List());
    for (const auto& c : aCases)
    {
        SCOPED_TRACE(c.nCol);
        const CRect cell = Cell(1, c.nCol);
        EXPECT_PIXEL(image, cell.left + 1, cell.top + 1, kGround);
        EXPECT_PIXEL(image, cell.right - 1, cell.bottom - 1, kGround);
        EXPECT_EQ(InkBox(image, cell, kGround), ReferenceInk(c.lpszText,
            CRect(cell.left + 6, cell.top, cell.right - 6, cell.bottom), c.nAlign | DT_VCENTER | DT_SINGLELINE));
    }
}

// Wine draws Tahoma of 13 pixels bold with the regular glyphs; at 12 its bold is bold.
TEST_F(XListPaint, BoldCellDrawsItsTextInTheBoldOfTheListFont)
{
    CFont fonts[2];
    ASSERT_TRUE(CreateCrispFont(fonts[0], 12));
    LOGFONT lf = {};
    fonts[0].GetLogFont(&lf);
    lf.lfWeight = FW_BOLD;
    ASSERT_TRUE(fonts[1].CreateFontIndirect(&lf));
    List().SetFont(&fonts[0]);
    SetCellText(0, 1, L"Stat");
    SetCellText(1, 1, L"Stat");
    ASSERT_TRUE(List().SetBold(0, 1, TRUE));
    CCapturedImage image = CaptureClient(&List());
    for (int nItem = 0; nItem < 2; ++nItem)
    {
        const CRect cell = Cell(nItem, 1);
        const CRect rectText(cell.left + 6, cell.top, cell.right - 6, cell.bottom);
        const UINT nFormat = DT_LEFT | DT_VCENTER | DT_SINGLELINE;
        CCapturedImage reference = Reference(L"Stat", rectText, nFormat, &fonts[1 - nItem]);
        EXPECT_SAME_INK(image, reference, cell, kGround);
        EXPECT_GT(CountInkDifferences(reference, Reference(L"Stat", rectText, nFormat, &fonts[nItem]), cell, kGround), 0);
    }
    List().SetFont(&m_host.m_font);
}

TEST_F(XListPaint, ImageSitsSixPixelsInCentredAndTheTextFollowsAtTwentyEight)
{
    CImageList images;
    ASSERT_TRUE(images.Create(16, 16, ILC_COLOR32, 1, 1));
    CBitmap bitmap;
    bitmap.Attach(MakeSolidBitmap(16, 16, kRed));
    ASSERT_EQ(images.Add(&bitmap, static_cast<CBitmap*>(nullptr)), 0);
    List().SetImageList(&images, LVSIL_SMALL);
    SetCellText(0, 1, L"Imaged");
    ASSERT_TRUE(List().SetItemImage(0, 1, 0));

    CCapturedImage image = CaptureClient(&List());
    const CRect cell = Cell(0, 1);
    const int nTop = (cell.top + cell.bottom) / 2 - 8;
    EXPECT_EQ(image.BoundingBox(kRed, cell), CRect(cell.left + 6, nTop, cell.left + 22, nTop + 16));
    CRect rectText(cell);
    rectText.left += 22;
    EXPECT_EQ(InkBox(image, CRect(rectText.left, cell.top, cell.right, cell.bottom), kGround),
        ReferenceInk(L"Imaged", CRect(cell.left + 28, cell.top, cell.right - 6, cell.bottom),
            DT_LEFT | DT_VCENTER | DT_SINGLELINE));
    List().SetImageList(nullptr, LVSIL_SMALL);
}

TEST_F(XListPaint, CheckBoxIsCentredWithoutCaptionAndNineInWithOne)
{
    List().SetItemText(0, 1, nullptr, kInk, kGround);
    ASSERT_TRUE(List().SetCheckbox(0, 1, 0));
    SetCellText(1, 1, L"Done");
    ASSERT_TRUE(List().SetCheckbox(1, 1, 1));
    List().SetItemText(2, 1, nullptr, kInk, kGround);
    ASSERT_TRUE(List().SetCheckbox(2, 1, 2));
    CCapturedImage image = CaptureClient(&List());

    const CRect centred = Cell(0, 1);
    const int nSide = centred.Height() - 1;
    const int nLeft = centred.left + centred.Width() / 2 - nSide / 2 - 1;
    const CRect inkCentred = InkBox(image, centred, kGround);
    EXPECT_GE(inkCentred.left, nLeft);
    EXPECT_LE(inkCentred.right, nLeft + nSide);
    // Centred: as much room left of the box as right of it, give or take the halvings.
    EXPECT_NEAR(inkCentred.left - centred.left, centred.right - inkCentred.right, 3);

    const CRect captioned = Cell(1, 1);
    const CRect inkBox = InkBox(image, CRect(captioned.left, captioned.top, captioned.left + 9 + nSide, captioned.bottom), kGround);
    EXPECT_GE(inkBox.left, captioned.left + 9);
    const CRect textRect(captioned.left + 9 + nSide + 4, captioned.top, captioned.right, captioned.bottom);
    EXPECT_EQ(InkBox(image, textRect, kGround), ReferenceInk(L"Done", textRect, DT_LEFT | DT_VCENTER | DT_SINGLELINE));

    // State 2: the box is empty but for a black "?" at its top centre.
    const CRect unknown = Cell(2, 1);
    const int nBoxLeft = unknown.left + unknown.Width() / 2 - nSide / 2 - 1;
    const CRect box(nBoxLeft, unknown.top, nBoxLeft + nSide, unknown.bottom - 1);
    const CRect question = image.BoundingBox(kInk, CRect(box.left + 3, box.top + 2, box.right - 3, box.bottom - 3));
    EXPECT_FALSE(question.IsRectEmpty());
    EXPECT_NEAR((question.left + question.right) / 2, (box.left + box.right) / 2, 2);
}

TEST_F(XListPaint, ProgressShowsItsFrameTheBarAndTheTextInTwoColours)
{
    const COLORREF crShadow = ::GetSysColor(COLOR_BTNSHADOW);
    const COLORREF crBar = ::GetSysColor(COLOR_HIGHLIGHT);
    List().SetItemText(0, 1, nullptr, kInk, kGround);
    List().SetItemText(1, 1, nullptr, kInk, kGround);
    ASSERT_TRUE(List().SetProgress(0, 1));
    ASSERT_TRUE(List().SetProgress(1, 1));
    List().UpdateProgress(1, 1, 50);
    CCapturedImage image = CaptureClient(&List());

    for (int nItem = 0; nItem < 2; ++nItem)
    {
        SCOPED_TRACE(nItem);
        CRect r = Cell(nItem, 1);
        r.bottom -= 1;
        r.left += 1;
        r.right -= 2;
        EXPECT_PIXEL(image, r.left + 5, r.bottom, crShadow);
        EXPECT_PIXEL(image, r.left + 5, r.top, crShadow);
        EXPECT_PIXEL(image, r.right, r.top + 5, crShadow);
        EXPECT_PIXEL(image, r.left + 5, r.top + 1, kInk);
        EXPECT_PIXEL(image, r.left + 1, r.top + 5, kInk);
        const int nBarRight = (r.left + 2) + (r.right - (r.left + 2)) * (nItem == 0 ? 0 : 50) / 100;
        if (nItem == 0)
        {
            EXPECT_UNIFORM(image, CRect(r.left + 2, r.top + 2, r.right, r.bottom), RGB(0xE0, 0xE0, 0xE0));
            continue;
        }
        EXPECT_PIXEL(image, r.left + 2, r.top + 2, crBar);
        EXPECT_PIXEL(image, nBarRight - 1, r.bottom - 1, crBar);
        EXPECT_PIXEL(image, nBarRight, r.bottom - 1, RGB(0xE0, 0xE0, 0xE0));
        // "50%" straddles the bar's end: the ground colour over the bar, the text colour beyond.
        EXPECT_GT(image.CountColor(CRect(r.left + 2, r.top + 2, nBarRight, r.bottom), kGround), 0);
        EXPECT_GT(image.CountColor(CRect(nBarRight + 1, r.top + 2, r.right, r.bottom), kInk), 0);
    }
}

TEST_F(XListPaint, ProgressPatternsFormatOneIntegerAndShowAnyOtherAsWritten)
{
    const struct { LPCWSTR lpszPattern; LPCWSTR lpszShown; } aCases[] = {
        { L"", L"20%" }, { L"%d of 100", L"20 of 100" }, { L"%03d%%", L"020%" }, { L"done", L"done" },
        { L"%s", L"%s" }, { L"%d %d", L"%d %d" }, { L"%n", L"%n" }, { L"%*d", L"%*d" }, { L"50%", L"50%" },
    };
    for (const auto& c : aCases)
    {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.lpszPattern)));
        List().SetItemText(0, 1, nullptr, kInk, kGround);
        ASSERT_TRUE(List().SetProgress(0, 1, TRUE, c.lpszPattern));
        List().UpdateProgress(0, 1, 20);
        CCapturedImage image = CaptureClient(&List());
        CRect r = Cell(0, 1);
        r.DeflateRect(1, 0, 2, 1);
        const int nBarRight = (r.left + 2) + (r.right - (r.left + 2)) * 20 / 100;
        CRect rectText(r);
        rectText.DeflateRect(1, 1);
        rectText.top += 1;
        // Beyond the bar the text is in ink; compare it with the expected words drawn alike.
        CCapturedImage reference = RenderText(image.Width(), image.Height(), RGB(0xE0, 0xE0, 0xE0),
            &m_host.m_font, c.lpszShown, rectText, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        const CRect beyond(nBarRight + 1, r.top + 2, r.right, r.bottom);
        EXPECT_GT(reference.CountColor(beyond, kInk), 0);
        EXPECT_EQ(image.CountColor(beyond, kInk), reference.CountColor(beyond, kInk));
    }
}

// A press on the button draws it pressed and opens the drop-down from that painting; the list
// view's click ends the press at once, so the test holds the button down as a press shows it.
TEST_F(XListPaint, ComboOnASelectedRowShowsItsFrameAndARaisedThenPressedArrow)
{
    CXListComboData items;
    items.AddItem(L"Routine", 0);
    items.AddItem(L"Urgent", 1);
    ASSERT_TRUE(List().SetComboBox(1, 1, TRUE, items, 4, 1));
    CRect r = Cell(1, 1);
    EXPECT_EQ(CaptureClient(&List()).CountColor(r, ::GetSysColor(COLOR_BTNFACE)), 0);
    List().SetCurSel(1);
    r.DeflateRect(3, 0, 5, -1);
    const CRect button(r.right + 1 - r.Height(), r.top, r.right + 1, r.bottom);
    for (int nPressed = 0; nPressed < 2; ++nPressed)
    {
        SCOPED_TRACE(nPressed);
        if (nPressed)
        {
            ClickAt(&List(), button.CenterPoint());
            ASSERT_NE(List().m_pComboList, nullptr);
            List().GetCell(1, 1)->bComboButtonDown = TRUE;
        }
        CCapturedImage image = CaptureClient(&List());
        EXPECT_PIXEL(image, r.left + 4, r.top, ::GetSysColor(COLOR_BTNSHADOW));
        EXPECT_PIXEL(image, r.left, r.top + 4, ::GetSysColor(COLOR_BTNSHADOW));
        EXPECT_PIXEL(image, button.left + 2, button.CenterPoint().y,
            ::GetSysColor(nPressed ? COLOR_3DSHADOW : COLOR_3DLIGHT));
        // The 5-3-1 arrow in black on the button face, one pixel down and right when pressed.
        for (int k = 0; k < 3; ++k)
        {
            const CRect row(button.left + 5 + nPressed + k, button.top + 6 + nPressed + k,
                button.left + 10 + nPressed - k, button.top + 7 + nPressed + k);
            EXPECT_UNIFORM(image, row, kInk) << SaveFailureArtifact(image);
            EXPECT_PIXEL(image, row.left - 1, row.top, ::GetSysColor(COLOR_BTNFACE));
            EXPECT_PIXEL(image, row.right, row.top, ::GetSysColor(COLOR_BTNFACE));
        }
    }
}

TEST_F(XListPaint, SelectionHighlightsColumnZeroOnlyAndTurnsToButtonFaceOutOfFocusADisabledItemIsGrey)
{
    SetCellText(0, 0, L"first");
    SetCellText(0, 1, L"second");
    SetCellText(2, 1, L"grey");
    ASSERT_TRUE(List().SetEnabled(2, FALSE));
    List().SetCurSel(0);
    List().SetFocus();
    ASSERT_TRUE(PumpUntil([&] { return ::GetFocus() == List().m_hWnd; }, 1000));
    CCapturedImage focused = CaptureClient(&List());
    const CRect c0 = Cell(0, 0);
    const CRect c1 = Cell(0, 1);
    EXPECT_PIXEL(focused, c0.left + 2, c0.top + 2, ::GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_PIXEL(focused, c1.left + 2, c1.top + 2, kGround);
    EXPECT_GT(focused.CountColor(Cell(2, 1), ::GetSysColor(COLOR_GRAYTEXT)), 0);
    EXPECT_EQ(focused.CountColor(Cell(2, 1), kInk), 0);

    ::SetFocus(NULL);
    CCapturedImage unfocused = CaptureClient(&List());
    EXPECT_PIXEL(unfocused, c0.left + 2, c0.top + 2, ::GetSysColor(COLOR_BTNFACE));
    EXPECT_PIXEL(unfocused, c1.left + 2, c1.top + 2, kGround);

    List().SetExtendedStyle(LVS_EX_FULLROWSELECT);
    CCapturedImage fullRow = CaptureClient(&List());
    EXPECT_PIXEL(fullRow, c0.left + 2, c0.top + 2, ::GetSysColor(COLOR_HIGHLIGHT));
    EXPECT_PIXEL(fullRow, c1.left + 2, c1.top + 2, ::GetSysColor(COLOR_HIGHLIGHT));
}

TEST_F(XListPaint, EmptyListShowsItsMessageTenPixelsBelowTheHeader)
{
    List().SetEmptyMessageText(L"No studies");
    ASSERT_TRUE(List().DeleteAllItems());
    CCapturedImage image = CaptureClient(&List());
    CRect rectHeader;
    List().GetHeaderCtrl()->GetItemRect(0, &rectHeader);
    CRect client;
    List().GetClientRect(&client);
    // The band is the window rectangle in client coordinates (the border lies outside the
    // client), from 10 pixels below the header's first item.
    CRect band;
    List().GetWindowRect(&band);
    List().ScreenToClient(&band);
    band.top += rectHeader.bottom + 10;
    const COLORREF crWindow = ::GetSysColor(COLOR_WINDOW);
    const CRect ink = InkBox(image, band & client, crWindow);
    ASSERT_FALSE(ink.IsRectEmpty()) << SaveFailureArtifact(image);
    // Where the message must stand: drawn by the test centred in the band, in the stock font.
    CCapturedImage reference = RenderText(client.Width(), client.Height(), crWindow,
        CFont::FromHandle(static_cast<HFONT>(::GetStockObject(ANSI_VAR_FONT))), L"No studies", band,
        DT_CENTER | DT_WORDBREAK | DT_NOCLIP | DT_NOPREFIX);
    EXPECT_EQ(InkBox(reference, band & client, crWindow), ink);

    List().InsertItem(0, L"back");
    CCapturedImage filled = CaptureClient(&List());
    EXPECT_EQ(filled.CountColor(CRect(client.left, band.top + 20, client.right, band.top + 40),
        ::GetSysColor(COLOR_WINDOWTEXT)), 0);
}
}
