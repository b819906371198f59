#include "HookedDialog.h"

namespace
{
const UINT_PTR kSafetyTimer = 0x5AFE;
}

BEGIN_MESSAGE_MAP(CHookedDialog, CDialog)
    ON_MESSAGE(WM_KICKIDLE, &CHookedDialog::OnKickIdle)
    ON_MESSAGE(WM_APP, &CHookedDialog::OnApp)
    ON_WM_TIMER()
    ON_COMMAND(ID_DIALOG_OWN_COMMAND, &CHookedDialog::OnOwnCommand)
END_MESSAGE_MAP()

BOOL CHookedDialog::OnInitDialog()
{
    m_bInitResult = CDialog::OnInitDialog();
    if (m_nFlags & WF_CONTINUEMODAL)
        SetTimer(kSafetyTimer, 5000);
    if (m_bInitResult && m_fnInit)
        m_fnInit(*this);
    return m_bInitResult;
}

LRESULT CHookedDialog::OnKickIdle(WPARAM wParam, LPARAM lParam)
{
    m_kicks.push_back({ m_hWnd, WM_KICKIDLE, wParam, lParam });
    return m_fnKickIdle ? m_fnKickIdle(*this, lParam) : FALSE;
}

void CHookedDialog::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == kSafetyTimer)
        EndDialog(static_cast<int>(kTimedOut));
}
