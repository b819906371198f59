#include <afxwin.h>
#include "AfxState.h"

namespace
{
typedef void (AFX_MSG_CALL CCmdTarget::*PFNCMD_v)();
typedef BOOL (AFX_MSG_CALL CCmdTarget::*PFNCMD_b)();
typedef void (AFX_MSG_CALL CCmdTarget::*PFNCMD_RANGE)(UINT);
typedef BOOL (AFX_MSG_CALL CCmdTarget::*PFNCMD_EX)(UINT);
typedef void (AFX_MSG_CALL CCmdTarget::*PFNNOTIFY_v)(NMHDR*, LRESULT*);
typedef BOOL (AFX_MSG_CALL CCmdTarget::*PFNNOTIFY_b)(NMHDR*, LRESULT*);
typedef void (AFX_MSG_CALL CCmdTarget::*PFNNOTIFY_RANGE)(UINT, NMHDR*, LRESULT*);
typedef BOOL (AFX_MSG_CALL CCmdTarget::*PFNNOTIFY_EX)(UINT, NMHDR*, LRESULT*);
typedef void (AFX_MSG_CALL CCmdTarget::*PFNCMDUI)(CCmdUI*);

template <class PFN>
PFN As(AFX_PMSG pfn)
{
    return reinterpret_cast<PFN>(pfn);
}

// Calls a command or notification handler. Returns whether the handler took the message:
// the _b and _EX forms decide that themselves.
BOOL DispatchCmdMsg(CCmdTarget* pTarget, UINT nID, int nCode, AFX_PMSG pfn, void* pExtra, UINT_PTR nSig)
{
    AFX_NOTIFY* pNotify = static_cast<AFX_NOTIFY*>(pExtra);
    switch (nSig)
    {
    case AfxSigCmd_v:
        (pTarget->*As<PFNCMD_v>(pfn))();
        return TRUE;
    case AfxSigCmd_b:
        return (pTarget->*As<PFNCMD_b>(pfn))();
    case AfxSigCmd_RANGE:
        (pTarget->*As<PFNCMD_RANGE>(pfn))(nID);
        return TRUE;
    case AfxSigCmd_EX:
        return (pTarget->*As<PFNCMD_EX>(pfn))(nID);
    case AfxSigNotify_v:
        (pTarget->*As<PFNNOTIFY_v>(pfn))(pNotify->pNMHDR, pNotify->pResult);
        return TRUE;
    case AfxSigNotify_b:
        return (pTarget->*As<PFNNOTIFY_b>(pfn))(pNotify->pNMHDR, pNotify->pResult);
    case AfxSigNotify_RANGE:
        (pTarget->*As<PFNNOTIFY_RANGE>(pfn))(nID, pNotify->pNMHDR, pNotify->pResult);
        return TRUE;
    case AfxSigNotify_EX:
        return (pTarget->*As<PFNNOTIFY_EX>(pfn))(nID, pNotify->pNMHDR, pNotify->pResult);
    case AfxSigCmdUI:
    {
        // The handler may hand the item on to the next target with ContinueRouting.
        CCmdUI* pCmdUI = static_cast<CCmdUI*>(pExtra);
        pCmdUI->m_bContinueRouting = FALSE;
        (pTarget->*As<PFNCMDUI>(pfn))(pCmdUI);
        return !pCmdUI->m_bContinueRouting;
    }
    default:
        (void)nCode;
        return FALSE;
    }
}

// The first entry for a command or notification in a class's map or, failing that, its bases'.
const AFX_MSGMAP_ENTRY* FindCmdEntryInChain(const AFX_MSGMAP* pMap, UINT nMsg, UINT nCode, UINT nID)
{
    for (; pMap->pfnGetBaseMap != NULL; pMap = (*pMap->pfnGetBaseMap)())
    {
        if (const AFX_MSGMAP_ENTRY* pEntry = AfxFindMessageEntry(pMap->lpEntries, nMsg, nCode, nID))
            return pEntry;
    }
    return NULL;
}
}

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

const AFX_MSGMAP* PASCAL CCmdTarget::GetThisMessageMap()
{
    static const AFX_MSGMAP_ENTRY _messageEntries[] = { { 0, 0, 0, 0, AfxSig_end, (AFX_PMSG)0 } };
    static const AFX_MSGMAP messageMap = { NULL, &_messageEntries[0] };
    return &messageMap;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const
{
    return GetThisMessageMap();
}

CCmdTarget::CCmdTarget()
{
}

CCmdTarget::~CCmdTarget()
{
}

const AFX_MSGMAP_ENTRY* AFXAPI AfxFindMessageEntry(const AFX_MSGMAP_ENTRY* lpEntry, UINT nMsg, UINT nCode, UINT nID)
{
    for (; lpEntry->nSig != AfxSig_end; ++lpEntry)
    {
        if (lpEntry->nMessage == nMsg && lpEntry->nCode == nCode &&
            nID >= lpEntry->nID && nID <= lpEntry->nLastID)
            return lpEntry;
    }
    return NULL;
}

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    // The high word of nCode carries the message (0 for WM_COMMAND), the low word the code.
    UINT nMsg = 0;
    if (static_cast<UINT>(nCode) != CN_UPDATE_COMMAND_UI)
    {
        nMsg = HIWORD(nCode);
        nCode = LOWORD(nCode);
    }
    if (nMsg == 0)
        nMsg = WM_COMMAND;

    const AFX_MSGMAP_ENTRY* pEntry = AfxGetThreadState()->m_msgMapCache.Lookup(GetMessageMap(), nMsg,
        static_cast<UINT>(nCode), nID, &FindCmdEntryInChain);
    if (pEntry == NULL)
        return FALSE;
    if (pHandlerInfo != NULL)
    {
        pHandlerInfo->pTarget = this;
        pHandlerInfo->pmf = pEntry->pfn;
        return TRUE;
    }
    return DispatchCmdMsg(this, nID, nCode, pEntry->pfn, pExtra, pEntry->nSig);
}

void CCmdTarget::BeginWaitCursor()
{
    if (CWinApp* pApp = AfxGetApp())
        pApp->DoWaitCursor(1);
}

void CCmdTarget::EndWaitCursor()
{
    if (CWinApp* pApp = AfxGetApp())
        pApp->DoWaitCursor(-1);
}

void CCmdTarget::RestoreWaitCursor()
{
    if (CWinApp* pApp = AfxGetApp())
        pApp->DoWaitCursor(0);
}
