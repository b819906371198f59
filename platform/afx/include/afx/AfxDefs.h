#ifndef AFX_AFXDEFS_H
#define AFX_AFXDEFS_H
// Basic definitions every afx header builds on: Windows headers, the export macro, the
// diagnostic macros and the application-wide free functions.

#include <windows.h>
// Old USER32 aliases that would rename CWnd members.
#undef GetNextWindow
#undef GetSysModalWindow
#undef SetSysModalWindow
#include <commctrl.h>
#include <tchar.h>
#include <cstddef>

#ifdef AFX_BUILDING
#define AFX_API __declspec(dllexport)
#else
#define AFX_API __declspec(dllimport)
#endif
// Data exported from a DLL, as the framework's own AFX_DATA.
#define AFX_DATA AFX_API

// windowsx.h is not included: its macros (SubclassWindow, GetNextWindow, CopyRgn, ...) would
// replace member functions of the same names. Only its coordinate helpers are needed.
#ifndef GET_X_LPARAM
#define GET_X_LPARAM(lp) ((int)(short)LOWORD(lp))
#define GET_Y_LPARAM(lp) ((int)(short)HIWORD(lp))
#endif

#define afx_msg
#define AFX_MSG_CALL
#ifndef PASCAL
#define PASCAL __stdcall
#endif
#define AFXAPI __stdcall
#define AFX_CDECL __cdecl
#define AFX_INLINE inline

#ifdef _DEBUG
#define ASSERT(f) ((f) ? (void)0 : AfxAssertFailedLine(__FILE__, __LINE__))
#define VERIFY(f) ASSERT(f)
#define ASSERT_VALID(p) ((p) ? (void)0 : AfxAssertFailedLine(__FILE__, __LINE__))
#else
#define ASSERT(f) ((void)0)
#define VERIFY(f) ((void)(f))
#define ASSERT_VALID(p) ((void)0)
#endif
#define ASSERT_KINDOF(cls, p) ASSERT((p)->IsKindOf(RUNTIME_CLASS(cls)))
#define TRACE(...) ((void)0)
#define TRACE0(s) ((void)0)
#define UNUSED(x) (void)(x)
#define UNUSED_ALWAYS(x) (void)(x)

AFX_API void AFXAPI AfxAssertFailedLine(const char* lpszFileName, int nLine);

// Resource chain of the running application (the host's module, then its extension modules).
AFX_API HINSTANCE AFXAPI AfxGetInstanceHandle();
AFX_API HINSTANCE AFXAPI AfxGetResourceHandle();
AFX_API void AFXAPI AfxSetResourceHandle(HINSTANCE hInstResource);
AFX_API HINSTANCE AFXAPI AfxFindResourceHandle(LPCTSTR lpszName, LPCTSTR lpszType);

#endif
