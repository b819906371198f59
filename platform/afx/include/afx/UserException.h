#ifndef AFX_USEREXCEPTION_H
#define AFX_USEREXCEPTION_H
#include <afx/Exception.h>

// Thrown to stop an operation that the user has already been told about (data exchange).
class AFX_API CUserException : public CSimpleException
{
    DECLARE_DYNAMIC(CUserException)
public:
    CUserException();
    virtual ~CUserException();
};

AFX_API void AFXAPI AfxThrowUserException();
#endif
