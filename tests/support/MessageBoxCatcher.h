#ifndef ZADUV_TESTS_MESSAGEBOXCATCHER_H
#define ZADUV_TESTS_MESSAGEBOXCATCHER_H
// CMessageBoxCatcher: while it lives, every message box this thread opens is answered (OK
// unless told otherwise) as soon as it has initialized, and its text, caption and owner are recorded, so a test
// checks what the user was told without waiting for a person.

#include <afxwin.h>
#include <vector>

namespace zaduv_test
{
struct SCaughtMessageBox
{
    CString strText;
    CString strCaption;
    HWND hWndOwner;
};

class CMessageBoxCatcher
{
public:
    explicit CMessageBoxCatcher(WPARAM nAnswer = IDOK);
    ~CMessageBoxCatcher();

    const std::vector<SCaughtMessageBox>& GetBoxes() const { return m_boxes; }
    int GetCount() const { return static_cast<int>(m_boxes.size()); }

private:
    static LRESULT CALLBACK HookProc(int nCode, WPARAM wParam, LPARAM lParam);
    static bool IsMessageBox(HWND hWnd);

    HHOOK m_hHook;
    WPARAM m_nAnswer;
    CMessageBoxCatcher* m_pOuter;
    std::vector<SCaughtMessageBox> m_boxes;

    CMessageBoxCatcher(const CMessageBoxCatcher&) = delete;
    CMessageBoxCatcher& operator=(const CMessageBoxCatcher&) = delete;
};
}

#endif
