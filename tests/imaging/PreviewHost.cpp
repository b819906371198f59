#include "PreviewHost.h"

#include "DialogTemplate.h"
#include "MessagePump.h"

namespace zaduv_test
{
BOOL CPreviewDialog::CreateHost(int cx, int cy)
{
    CDialogTemplate dlgTemplate(CRect(0, 0, 300, 240), L"Preview test", WS_POPUP | WS_VISIBLE);
    dlgTemplate.AddStatic(IDC_PREVIEW, CRect(4, 4, 60, 40), L"", SS_LEFT);
    if (!CreateIndirect(dlgTemplate.GetTemplate()) || !m_preview.SubclassDlgItem(IDC_PREVIEW, this))
        return FALSE;
    // Pixel sizes, not dialog units: the geometry under test is the control's own.
    MoveWindow(0, 0, cx + 40, cy + 40);
    m_preview.MoveWindow(10, 10, cx, cy);
    PumpPending();
    return TRUE;
}
}
