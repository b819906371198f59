#include <afxwin.h>

IMPLEMENT_DYNAMIC(CUserException, CSimpleException)

CUserException::CUserException() : CSimpleException() {}
CUserException::~CUserException() {}

void AFXAPI AfxThrowUserException()
{
    throw new CUserException;
}
