#ifndef ZADUV_TESTS_CONTROLS_SENDMOUSE_H
#define ZADUV_TESTS_CONTROLS_SENDMOUSE_H
// Real pointer input through the system's input queue: a move to a screen point, with button
// flags (MOUSEEVENTF_LEFTDOWN...) when given.

#include <windows.h>

inline void SendMouse(POINT ptScreen, DWORD dwFlags)
{
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = MulDiv(ptScreen.x, 65535, ::GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = MulDiv(ptScreen.y, 65535, ::GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = dwFlags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    ::SendInput(1, &input, sizeof(INPUT));
}

#endif
