#include "patientlist/FilterEdit.h"

namespace
{
const UINT_PTR DELAY_TIMER_ID = 1;
const UINT DELAY_MS = 1000;
}

BEGIN_MESSAGE_MAP(CFilterEdit, CEdit)
    ON_WM_TIMER()
    ON_CONTROL_REFLECT(EN_CHANGE, &CFilterEdit::OnChange)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CFilterEdit::CFilterEdit()
    : m_pListener(NULL), m_nTimerId(0)
{
}

CFilterEdit::~CFilterEdit()
{
}

void CFilterEdit::AddListener(IFilterListener* pListener)
{
    m_pListener = pListener;
}

// The delay is over: the text has stood still for a second.
void CFilterEdit::OnTimer(UINT_PTR nIDEvent)
{
    if (m_pListener != NULL)
    {
        CString strText;
        GetWindowText(strText);
        m_pListener->FilterChanged(strText, 0);
        // The listener may have closed the window that holds this control.
        if (!::IsWindow(m_hWnd))
            return;
    }
    KillTimer(m_nTimerId);
    CWnd::Default();
}

// Every change starts the delay again, so typing notifies only once the user pauses.
void CFilterEdit::OnChange()
{
    KillTimer(m_nTimerId);
    m_nTimerId = SetTimer(DELAY_TIMER_ID, DELAY_MS, NULL);
}

void CFilterEdit::OnDestroy()
{
    KillTimer(m_nTimerId);
    m_pListener = NULL;
    CWnd::OnDestroy();
}
