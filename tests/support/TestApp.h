#ifndef ZADUV_TESTS_TESTAPP_H
#define ZADUV_TESTS_TESTAPP_H
// CTestApp: the application object of every test executable. A test that checks what reaches
// the application sets m_fnCmdMsg, which sees each command before the application's own map.

#include <afxwin.h>
#include <functional>

namespace zaduv_test
{
class CTestApp : public CWinApp
{
public:
    explicit CTestApp(LPCTSTR lpszAppName) : CWinApp(lpszAppName) {}

    std::function<BOOL(UINT nID, int nCode)> m_fnCmdMsg;

    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override
    {
        if (m_fnCmdMsg && m_fnCmdMsg(nID, nCode))
            return TRUE;
        return CWinApp::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
    }
};

CTestApp& TestApp();
}

#endif
