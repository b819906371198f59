// CDialogEx: measuring and moving the controls of real dialogs made from templates.
#include <DialogTemplate.h>
#include <gtest/gtest.h>
#include <zaduv.h>
#include <initializer_list>

namespace
{
const UINT IDC_FIRST = 1101, IDC_SECOND = 1102, IDC_THIRD = 1103, IDC_MISSING = 1199;

// A borderless dialog 400 pixels wide, so that its client area is its window; three 75 x 23
// buttons.
class DialogExTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        zaduv_test::CDialogTemplate tmpl(CRect(0, 0, 200, 100), L"", WS_POPUP);
        for (UINT nID : { IDC_FIRST, IDC_SECOND, IDC_THIRD })
            tmpl.AddButton(nID, CRect(0, 0, 20, 10), L"OK");
        ASSERT_TRUE(m_dlg.CreateIndirect(tmpl, NULL));
        SetClientWidth(400);
        for (UINT nID : { IDC_FIRST, IDC_SECOND, IDC_THIRD })
            Place(nID, CRect(5, 250, 80, 273));
    }
    void TearDown() override { m_dlg.DestroyWindow(); }

    void SetClientWidth(int cx) { m_dlg.SetWindowPos(NULL, 100, 100, cx, 300, SWP_NOZORDER | SWP_NOACTIVATE); }
    void Place(UINT nID, const CRect& rect, LPCWSTR lpszCaption = L"OK")
    {
        m_dlg.GetDlgItem(nID)->MoveWindow(&rect);
        m_dlg.SetDlgItemText(nID, lpszCaption);
    }
    const CArray<UINT, UINT>& Ids(std::initializer_list<UINT> ids)
    {
        m_ids.RemoveAll();
        for (UINT nID : ids)
            m_ids.Add(nID);
        return m_ids;
    }
    int Left(UINT nID) const { return m_dlg.GetControlRect(nID).left; }
    int Width(UINT nID) const { return m_dlg.GetControlRect(nID).Width(); }
    int TextWidth(LPCWSTR lpsz)
    {
        CClientDC dc(&m_dlg);
        HGDIOBJ hOld = dc.SelectObject(reinterpret_cast<HGDIOBJ>(m_dlg.SendMessage(WM_GETFONT)));
        SIZE size = {};
        ::GetTextExtentPoint32W(dc.GetSafeHdc(), lpsz, ::lstrlenW(lpsz), &size);
        dc.SelectObject(hOld);
        return size.cx;
    }

    CDialogEx m_dlg;
    CArray<UINT, UINT> m_ids;
};
}

TEST_F(DialogExTest, ControlsMoveInClientCoordinatesAndTheDialogKeepsItsSize)
{
    m_dlg.OffsetControl(IDC_FIRST, 10, -20);
    m_dlg.MoveControlLeftTo(IDC_FIRST, 40);
    EXPECT_EQ(CRect(40, 230, 115, 253), m_dlg.GetControlRect(IDC_FIRST));
    m_dlg.MoveControlTopTo(IDC_FIRST, 7);
    EXPECT_EQ(CRect(40, 7, 115, 30), m_dlg.GetControlRect(IDC_FIRST));
    m_dlg.CenterControlHorizontal(IDC_SECOND);
    EXPECT_EQ(CRect(162, 250, 237, 273), m_dlg.GetControlRect(IDC_SECOND));
    Place(IDC_THIRD, CRect(0, 0, 501, 20));
    m_dlg.CenterControlHorizontal(IDC_THIRD);
    EXPECT_EQ(-50, Left(IDC_THIRD)) << "(400 - 501) / 2 truncates toward zero";
    m_dlg.OffsetControl(IDC_MISSING, 5, 5);
    m_dlg.CenterControlHorizontal(IDC_MISSING);
    EXPECT_EQ(CRect(0, 0, 0, 0), m_dlg.GetControlRect(IDC_MISSING));

    m_dlg.SetWindowPos(NULL, 0, 0, 300, 200, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    m_dlg.MoveTopRightTo(CPoint(800, 10));
    CRect rect;
    m_dlg.GetWindowRect(&rect);
    EXPECT_EQ(CRect(500, 10, 800, 210), rect);
}

TEST_F(DialogExTest, RowsAreCentredWithHiddenControlsClosingUp)
{
    m_dlg.CenterControlsHorizontal(Ids({ IDC_FIRST, IDC_SECOND, IDC_THIRD }), 10);
    EXPECT_EQ(77, Left(IDC_FIRST));
    EXPECT_EQ(162, Left(IDC_SECOND));
    EXPECT_EQ(CRect(247, 250, 322, 273), m_dlg.GetControlRect(IDC_THIRD)) << "tops and sizes stay";

    m_dlg.GetDlgItem(IDC_SECOND)->ShowWindow(SW_HIDE);
    m_dlg.CenterControlsHorizontal(Ids({ IDC_FIRST, IDC_MISSING, IDC_SECOND, IDC_THIRD }), 10);
    EXPECT_EQ(120, Left(IDC_FIRST));
    EXPECT_EQ(162, Left(IDC_SECOND)) << "the hidden control is not moved";
    EXPECT_EQ(205, Left(IDC_THIRD));

    m_dlg.GetDlgItem(IDC_SECOND)->ShowWindow(SW_SHOW);
    for (UINT nID : { IDC_FIRST, IDC_SECOND, IDC_THIRD })
        Place(nID, CRect(0, 0, 150, 20));
    m_dlg.CenterControlsHorizontal(Ids({ IDC_FIRST, IDC_SECOND, IDC_THIRD }), 10);
    EXPECT_EQ(0, Left(IDC_FIRST)) << "a row wider than the client starts at 0";
    EXPECT_EQ(320, Left(IDC_THIRD));
}

TEST_F(DialogExTest, AdjustButtonWidthsFitsTheWidestCaptionWithinTheRow)
{
    const LPCWSTR lpszLong = L"Export all selected series";
    const int nNeeded = TextWidth(lpszLong) + 16;
    // The geometry of 60 and 100 wide buttons whose captions need 96 and less.
    ASSERT_GT(nNeeded, 90);
    ASSERT_LE(nNeeded, 185);
    Place(IDC_FIRST, CRect(10, 10, 10 + nNeeded - 20, 33), lpszLong);
    Place(IDC_SECOND, CRect(200, 10, 300, 33), L"OK");
    m_dlg.GetDlgItem(IDC_THIRD)->ShowWindow(SW_HIDE);
    Ids({ IDC_FIRST, IDC_SECOND, IDC_THIRD });

    m_dlg.AdjustButtonWidths(m_ids, 10);    // room for (400 - 20 - 10) / 2 = 185 each
    EXPECT_EQ(CRect(10, 10, 10 + nNeeded, 33), m_dlg.GetControlRect(IDC_FIRST));
    EXPECT_EQ(CRect(200, 10, 200 + nNeeded, 33), m_dlg.GetControlRect(IDC_SECOND));
    EXPECT_EQ(75, Width(IDC_THIRD)) << "a hidden button is left alone";

    SetClientWidth(210);                    // room for (210 - 20 - 10) / 2 = 90 each
    Place(IDC_FIRST, CRect(10, 10, 70, 33), lpszLong);
    m_dlg.AdjustButtonWidths(m_ids, 10);
    EXPECT_EQ(90, Width(IDC_FIRST));
    EXPECT_EQ(90, Width(IDC_SECOND));

    Place(IDC_FIRST, CRect(10, 10, 130, 33), L"OK");
    Place(IDC_SECOND, CRect(140, 10, 200, 33), L"Cancel");
    ASSERT_LE(TextWidth(L"Cancel") + 16, 60);
    m_dlg.AdjustButtonWidths(Ids({ IDC_FIRST, IDC_SECOND }), 10);
    EXPECT_EQ(120, Width(IDC_FIRST)) << "every caption fits: nothing changes";
    EXPECT_EQ(60, Width(IDC_SECOND));
    m_dlg.AdjustButtonWidths(Ids({ IDC_MISSING }), 10);
    m_dlg.AdjustButtonWidths(Ids({}), 10);
}
