#include <afx.h>
#include <afx/ImageList.h>
#include <afx/DC.h>
#include <afx/GdiObject.h>
#include <afx/HandleMap.h>
#include <memory>
#include "AfxState.h"

namespace
{
CObject* CreateTempImageList(HANDLE h)
{
    CImageList* pImageList = new CImageList;
    pImageList->m_hImageList = static_cast<HIMAGELIST>(h);
    return pImageList;
}

void DetachTempImageList(CObject* pObject)
{
    static_cast<CImageList*>(pObject)->m_hImageList = NULL;
}

HBITMAP SafeBitmap(const CBitmap* pBitmap)
{
    return pBitmap != NULL ? static_cast<HBITMAP>(pBitmap->m_hObject) : NULL;
}

HDC SafeHdc(const CDC* pDC)
{
    return pDC != NULL ? pDC->m_hDC : NULL;
}
}

CHandleMap* AFXAPI afxMapHIMAGELIST(BOOL bCreate)
{
    std::unique_ptr<CHandleMap>& pMap = AfxGetThreadState()->m_pMapHIMAGELIST;
    if (!pMap && bCreate)
        pMap.reset(new CHandleMap(&CreateTempImageList, &DetachTempImageList));
    return pMap.get();
}

IMPLEMENT_DYNCREATE(CImageList, CObject)

CImageList::CImageList()
    : m_hImageList(NULL)
{
}

CImageList::~CImageList()
{
    DeleteImageList();
}

BOOL CImageList::Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow)
{
    return Attach(ImageList_Create(cx, cy, nFlags, nInitial, nGrow));
}

BOOL CImageList::Create(UINT nBitmapID, int cx, int nGrow, COLORREF crMask)
{
    return Create(MAKEINTRESOURCE(nBitmapID), cx, nGrow, crMask);
}

BOOL CImageList::Create(LPCTSTR lpszBitmapID, int cx, int nGrow, COLORREF crMask)
{
    HINSTANCE hInst = AfxFindResourceHandle(lpszBitmapID, RT_BITMAP);
    return Attach(ImageList_LoadBitmap(hInst, lpszBitmapID, cx, nGrow, crMask));
}

BOOL CImageList::Create(CImageList& imagelist1, int nImage1, CImageList& imagelist2, int nImage2, int dx, int dy)
{
    return Attach(ImageList_Merge(imagelist1.m_hImageList, nImage1, imagelist2.m_hImageList, nImage2, dx, dy));
}

BOOL CImageList::Create(CImageList* pImageList)
{
    if (pImageList == NULL)
        return FALSE;
    return Attach(ImageList_Duplicate(pImageList->m_hImageList));
}

CImageList::operator HIMAGELIST() const
{
    return m_hImageList;
}

HIMAGELIST CImageList::GetSafeHandle() const
{
    return m_hImageList;
}

CImageList* PASCAL CImageList::FromHandle(HIMAGELIST hImageList)
{
    CHandleMap* pMap = afxMapHIMAGELIST(TRUE);
    return static_cast<CImageList*>(pMap->FromHandle(hImageList));
}

CImageList* PASCAL CImageList::FromHandlePermanent(HIMAGELIST hImageList)
{
    CHandleMap* pMap = afxMapHIMAGELIST();
    return pMap != NULL ? static_cast<CImageList*>(pMap->LookupPermanent(hImageList)) : NULL;
}

void PASCAL CImageList::DeleteTempMap()
{
    if (CHandleMap* pMap = afxMapHIMAGELIST())
        pMap->DeleteTemp();
}

BOOL CImageList::Attach(HIMAGELIST hImageList)
{
    ASSERT(m_hImageList == NULL);
    if (hImageList == NULL)
        return FALSE;
    CHandleMap* pMap = afxMapHIMAGELIST(TRUE);
    pMap->SetPermanent(m_hImageList = hImageList, this);
    return TRUE;
}

HIMAGELIST CImageList::Detach()
{
    HIMAGELIST hImageList = m_hImageList;
    CHandleMap* pMap = afxMapHIMAGELIST();
    if (hImageList != NULL && pMap != NULL && pMap->LookupPermanent(hImageList) == this)
        pMap->RemoveHandle(hImageList);
    m_hImageList = NULL;
    return hImageList;
}

int CImageList::GetImageCount() const
{
    return ImageList_GetImageCount(m_hImageList);
}

BOOL CImageList::SetImageCount(UINT uNewCount)
{
    return ImageList_SetImageCount(m_hImageList, uNewCount);
}

COLORREF CImageList::SetBkColor(COLORREF cr)
{
    return ImageList_SetBkColor(m_hImageList, cr);
}

COLORREF CImageList::GetBkColor() const
{
    return ImageList_GetBkColor(m_hImageList);
}

BOOL CImageList::GetImageInfo(int nImage, IMAGEINFO* pImageInfo) const
{
    return ImageList_GetImageInfo(m_hImageList, nImage, pImageInfo);
}

BOOL CImageList::GetIconSize(int* cx, int* cy) const
{
    return ImageList_GetIconSize(m_hImageList, cx, cy);
}

BOOL CImageList::DeleteImageList()
{
    if (m_hImageList == NULL)
        return FALSE;
    return ImageList_Destroy(Detach());
}

int CImageList::Add(CBitmap* pbmImage, CBitmap* pbmMask)
{
    return ImageList_Add(m_hImageList, SafeBitmap(pbmImage), SafeBitmap(pbmMask));
}

int CImageList::Add(CBitmap* pbmImage, COLORREF crMask)
{
    return ImageList_AddMasked(m_hImageList, SafeBitmap(pbmImage), crMask);
}

int CImageList::Add(HICON hIcon)
{
    return ImageList_AddIcon(m_hImageList, hIcon);
}

BOOL CImageList::Remove(int nImage)
{
    return ImageList_Remove(m_hImageList, nImage);
}

BOOL CImageList::Replace(int nImage, CBitmap* pbmImage, CBitmap* pbmMask)
{
    return ImageList_Replace(m_hImageList, nImage, SafeBitmap(pbmImage), SafeBitmap(pbmMask));
}

int CImageList::Replace(int nImage, HICON hIcon)
{
    return ImageList_ReplaceIcon(m_hImageList, nImage, hIcon);
}

HICON CImageList::ExtractIcon(int nImage)
{
    return ImageList_ExtractIcon(NULL, m_hImageList, nImage);
}

BOOL CImageList::Copy(int iDst, int iSrc, UINT uFlags)
{
    return ImageList_Copy(m_hImageList, iDst, m_hImageList, iSrc, uFlags);
}

BOOL CImageList::SetOverlayImage(int nImage, int nOverlay)
{
    return ImageList_SetOverlayImage(m_hImageList, nImage, nOverlay);
}

BOOL CImageList::Draw(CDC* pDC, int nImage, POINT pt, UINT nStyle)
{
    return ImageList_Draw(m_hImageList, nImage, SafeHdc(pDC), pt.x, pt.y, nStyle);
}

BOOL CImageList::DrawEx(CDC* pDC, int nImage, POINT pt, SIZE sz, COLORREF clrBk, COLORREF clrFg, UINT nStyle)
{
    return ImageList_DrawEx(m_hImageList, nImage, SafeHdc(pDC), pt.x, pt.y, sz.cx, sz.cy, clrBk, clrFg, nStyle);
}

BOOL CImageList::DrawIndirect(IMAGELISTDRAWPARAMS* pimldp)
{
    pimldp->himl = m_hImageList;
    return ImageList_DrawIndirect(pimldp);
}

BOOL CImageList::DrawIndirect(CDC* pDC, int nImage, POINT pt, SIZE sz, POINT ptOrigin, UINT fStyle, DWORD dwRop,
                              COLORREF rgbBack, COLORREF rgbFore, UINT fState, DWORD Frame, COLORREF crEffect)
{
    IMAGELISTDRAWPARAMS drawing = {};
    drawing.cbSize = sizeof(IMAGELISTDRAWPARAMS);
    drawing.himl = m_hImageList;
    drawing.i = nImage;
    drawing.hdcDst = SafeHdc(pDC);
    drawing.x = pt.x;
    drawing.y = pt.y;
    drawing.cx = sz.cx;
    drawing.cy = sz.cy;
    drawing.xBitmap = ptOrigin.x;
    drawing.yBitmap = ptOrigin.y;
    drawing.rgbBk = rgbBack;
    drawing.rgbFg = rgbFore;
    drawing.fStyle = fStyle;
    drawing.dwRop = dwRop;
    drawing.fState = fState;
    drawing.Frame = Frame;
    drawing.crEffect = crEffect;
    return DrawIndirect(&drawing);
}
