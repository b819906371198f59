#include <SkinDialog.h>

IMPLEMENT_DYNAMIC(CSkinDialog, CDialog)

BEGIN_MESSAGE_MAP(CSkinDialog, CDialog)
    ON_WM_DESTROY()
    ON_WM_ERASEBKGND()
    ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

CSkinDialog::CSkinDialog(CSkinStubWnd::EFlags eFlags)
    : m_eSkinFlags(eFlags),
      m_crFace(CSkinStubWnd::GetSkinColor(CSkinStubWnd::colorFace)),
      m_crText(CSkinStubWnd::GetSkinColor(CSkinStubWnd::colorText))
{
}

CSkinDialog::CSkinDialog(UINT nIDTemplate, CWnd* pParentWnd, CSkinStubWnd::EFlags eFlags)
    : CDialog(nIDTemplate, pParentWnd),
      m_eSkinFlags(eFlags),
      m_crFace(CSkinStubWnd::GetSkinColor(CSkinStubWnd::colorFace)),
      m_crText(CSkinStubWnd::GetSkinColor(CSkinStubWnd::colorText))
{
}

CSkinDialog::CSkinDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd, CSkinStubWnd::EFlags eFlags)
    : CDialog(lpszTemplateName, pParentWnd),
      m_eSkinFlags(eFlags),
      m_crFace(CSkinStubWnd::GetSkinColor(CSkinStubWnd::colorFace)),
      m_crText(CSkinStubWnd::GetSkinColor(CSkinStubWnd::colorText))
{
}

CSkinDialog::~CSkinDialog()
{
}

void CSkinDialog::SetSkinFlags(CSkinStubWnd::EFlags eFlags)
{
    m_eSkinFlags = eFlags;
    if (m_hWnd != NULL)
        RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void CSkinDialog::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
}

BOOL CSkinDialog::OnInitDialog()
{
    BOOL bResult = CDialog::OnInitDialog();
    OnInitSkinBitmapInfos();
    return bResult;
}

BOOL CSkinDialog::OnInitSkinBitmapInfos()
{
    ReleaseSkinResources();
    m_crFace = CSkinStubWnd::GetSkinColor(CSkinStubWnd::colorFace);
    m_crText = CSkinStubWnd::GetSkinColor(CSkinStubWnd::colorText);
    return m_brushFace.CreateSolidBrush(m_crFace);
}

void CSkinDialog::ReleaseSkinResources()
{
    m_brushFace.DeleteObject();
}

BOOL PASCAL CSkinDialog::IsSkinnedCtlColor(UINT nCtlColor)
{
    // Edits and list boxes keep their window colour: they hold the user's data.
    return nCtlColor == CTLCOLOR_DLG || nCtlColor == CTLCOLOR_STATIC;
}

void CSkinDialog::OnDestroy()
{
    ReleaseSkinResources();
    CDialog::OnDestroy();
}

BOOL CSkinDialog::OnEraseBkgnd(CDC* pDC)
{
    if (!IsSkinned(CSkinStubWnd::SKIN_BACKGROUND))
        return CDialog::OnEraseBkgnd(pDC);
    CRect rcClient;
    GetClientRect(&rcClient);
    pDC->FillRect(&rcClient, &m_brushFace);
    return TRUE;
}

HBRUSH CSkinDialog::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    if (!IsSkinnedCtlColor(nCtlColor) || !IsSkinned(CSkinStubWnd::SKIN_ALL))
        return CDialog::OnCtlColor(pDC, pWnd, nCtlColor);

    LRESULT lResult = 0;
    if (pWnd != NULL && pWnd->m_hWnd != m_hWnd && ReflectLastMsg(pWnd->m_hWnd, &lResult))
        return reinterpret_cast<HBRUSH>(lResult);

    HBRUSH hbr = reinterpret_cast<HBRUSH>(Default());
    if (IsSkinned(CSkinStubWnd::SKIN_TEXT))
        pDC->SetTextColor(m_crText);
    if (IsSkinned(CSkinStubWnd::SKIN_BACKGROUND))
    {
        pDC->SetBkColor(m_crFace);
        hbr = static_cast<HBRUSH>(m_brushFace.GetSafeHandle());
    }
    return hbr;
}
