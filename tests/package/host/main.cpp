// A host application built against the installed package, written the way an application team
// writes one for the framework: its own dialog class from its resource script with a map of
// entries naming handlers as &CHostDlg::OnGo, a subclassed list with reflected notifications,
// and the library's exported messages and utilities.
#include <afxwin.h>
#include <afxcmn.h>
#include <zaduv.h>
#include <cstdio>

#include "resource.h"

CWinApp theApp(L"PackageHost");

namespace
{
const UINT WM_HOST_READY = WM_APP + 1;
const UINT g_wmHostPing = ::RegisterWindowMessageW(L"ZaDUV.PackageHost.Ping");

enum EReached
{
    REACHED_CLICK_REFLECTED = 0x01,
    REACHED_COLUMN_REFLECTED = 0x02,
    REACHED_COLUMN_PARENT = 0x04,
    REACHED_GO = 0x08,
    REACHED_NAME_CHANGE = 0x10,
    REACHED_PING = 0x20,
    REACHED_COMMAND = 0x40,
    REACHED_ALL = 0x7F
};

class CHostList : public CListCtrl
{
public:
    UINT m_nReached = 0;

protected:
    afx_msg void OnClick(NMHDR* pNMHDR, LRESULT* pResult)
    {
        m_nReached |= REACHED_CLICK_REFLECTED;
        *pResult = 0;
    }

    // Returns FALSE so that the parent's entry sees the column click too.
    afx_msg BOOL OnColumnClick(NMHDR* pNMHDR, LRESULT* pResult)
    {
        m_nReached |= REACHED_COLUMN_REFLECTED;
        return FALSE;
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CHostList, CListCtrl)
    ON_NOTIFY_REFLECT(NM_CLICK, &CHostList::OnClick)
    ON_NOTIFY_REFLECT_EX(LVN_COLUMNCLICK, &CHostList::OnColumnClick)
END_MESSAGE_MAP()

class CHostDlg : public CDialog
{
public:
    CHostDlg() : CDialog(IDD_HOST) {}

    UINT m_nReached = 0;
    CHostList m_list;

protected:
    virtual void DoDataExchange(CDataExchange* pDX)
    {
        CDialog::DoDataExchange(pDX);
        DDX_Control(pDX, IDC_LIST, m_list);
    }

    virtual BOOL OnInitDialog()
    {
        CDialog::OnInitDialog();
        m_list.InsertColumn(0, L"Patient", LVCFMT_LEFT, 120);
        m_list.InsertItem(0, L"Doe, Jane");
        PostMessage(WM_HOST_READY);
        return TRUE;
    }

    afx_msg void OnGo() { m_nReached |= REACHED_GO; }
    afx_msg void OnNameChange() { m_nReached |= REACHED_NAME_CHANGE; }
    afx_msg void OnRefresh() { m_nReached |= REACHED_COMMAND; }

    afx_msg void OnListColumnClick(NMHDR* pNMHDR, LRESULT* pResult)
    {
        m_nReached |= REACHED_COLUMN_PARENT;
        *pResult = 0;
    }

    afx_msg LRESULT OnPing(WPARAM wParam, LPARAM lParam)
    {
        m_nReached |= REACHED_PING;
        return static_cast<LRESULT>(wParam + lParam);
    }

    // Drives every entry the way the system would deliver it, then ends the dialog.
    afx_msg LRESULT OnReady(WPARAM, LPARAM)
    {
        SendDlgItemMessage(IDC_GO, BM_CLICK);
        SetDlgItemText(IDC_NAME, L"Doe");
        SendMessage(WM_COMMAND, ID_HOST_REFRESH);
        const LRESULT lPing = SendMessage(g_wmHostPing, 40, 2);
        NotifyFromList(NM_CLICK);
        NotifyFromList(LVN_COLUMNCLICK);
        EndDialog(lPing == 42 ? IDOK : IDABORT);
        return 0;
    }

    void NotifyFromList(UINT nCode)
    {
        NMLISTVIEW nmlv = {};
        nmlv.hdr.hwndFrom = m_list.m_hWnd;
        nmlv.hdr.idFrom = IDC_LIST;
        nmlv.hdr.code = nCode;
        nmlv.iItem = -1;
        SendMessage(WM_NOTIFY, IDC_LIST, reinterpret_cast<LPARAM>(&nmlv));
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CHostDlg, CDialog)
    ON_BN_CLICKED(IDC_GO, &CHostDlg::OnGo)
    ON_EN_CHANGE(IDC_NAME, &CHostDlg::OnNameChange)
    ON_COMMAND(ID_HOST_REFRESH, &CHostDlg::OnRefresh)
    ON_NOTIFY(LVN_COLUMNCLICK, IDC_LIST, &CHostDlg::OnListColumnClick)
    ON_MESSAGE(WM_HOST_READY, &CHostDlg::OnReady)
    ON_REGISTERED_MESSAGE(g_wmHostPing, &CHostDlg::OnPing)
END_MESSAGE_MAP()
}

int main()
{
    if (!AfxWinInit(::GetModuleHandleW(NULL), NULL, ::GetCommandLineW(), SW_HIDE))
        return 1;
    if (WM_XLISTCTRL_CHECKBOX_CLICKED != ::RegisterWindowMessageW(L"WM_XLISTCTRL_CHECKBOX_CLICKED"))
        return 2;
    CRect rect(10, 10, 20, 30);
    CGdiUtils::CenterRectInRect(rect, CRect(0, 0, 100, 100));
    if (rect != CRect(45, 40, 55, 60))
        return 3;

    CHostDlg dlg;
    const INT_PTR nResult = dlg.DoModal();
    const UINT nReached = dlg.m_nReached | dlg.m_list.m_nReached;
    if (nResult != IDOK || nReached != REACHED_ALL)
    {
        std::printf("package host: dialog ended %d, entries reached 0x%02X of 0x%02X\n",
            static_cast<int>(nResult), nReached, static_cast<unsigned>(REACHED_ALL));
        return 4;
    }
    std::printf("package host: ok\n");
    return 0;
}
