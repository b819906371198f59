#include "imaging/AniCursor.h"

namespace
{
const int FRAME_COUNT = 18;
const UINT FRAME_PERIOD_MS = 33;
const LPCTSTR RT_ANICURSORS = _T("ANICURSORS");
}

CAniCursor::CAniCursor()
    : m_hCursor(NULL), m_nFrame(0)
{
}

CAniCursor::~CAniCursor()
{
    DestroyCursor();
}

CAniCursor& CAniCursor::operator=(const CAniCursor& other)
{
    if (this != &other)
    {
        DestroyCursor();
        m_hCursor = other.m_hCursor;
        m_nFrame = other.m_nFrame;
        other.m_hCursor = NULL;
    }
    return *this;
}

UINT CAniCursor::GetTimerMsec() const
{
    return FRAME_PERIOD_MS;
}

bool CAniCursor::Load(UINT nResourceId)
{
    DestroyCursor();
    LPCTSTR lpszName = MAKEINTRESOURCE(LOWORD(nResourceId));
    HINSTANCE hInstance = AfxFindResourceHandle(lpszName, RT_ANICURSORS);
    if (hInstance == NULL)
        return false;
    HRSRC hResource = ::FindResourceW(hInstance, lpszName, RT_ANICURSORS);
    if (hResource == NULL)
        return false;
    DWORD nSize = ::SizeofResource(hInstance, hResource);
    HGLOBAL hData = ::LoadResource(hInstance, hResource);
    PBYTE pBytes = hData != NULL ? static_cast<PBYTE>(::LockResource(hData)) : NULL;
    if (pBytes == NULL)
        return false;
    m_hCursor = ::CreateIconFromResource(pBytes, nSize, FALSE, 0x00030000);
    return m_hCursor != NULL;
}

// The counter runs through 18 frames whatever the resource holds.
void CAniCursor::OnTimer()
{
    m_nFrame = (m_nFrame + 1) % FRAME_COUNT;
}

void CAniCursor::Draw(CDC* pDC, int x, int y, int cx, int cy)
{
    if (pDC == NULL || m_hCursor == NULL)
        return;
    ::DrawIconEx(pDC->GetSafeHdc(), x, y, m_hCursor, cx, cy, static_cast<UINT>(m_nFrame), NULL, DI_NORMAL);
}

void CAniCursor::DestroyCursor()
{
    if (m_hCursor != NULL)
    {
        ::DestroyIcon(m_hCursor);
        m_hCursor = NULL;
    }
}
