#include "base/window/win_state.h"

#include "base/window/window_control.h"

bool WinFocus::Get()
{
    return IsValid() && ::GetFocus() == Hwnd();
}

bool WinFocus::Set(bool focus)
{
    if (!IsValid() || !focus)
        return false;
    ::SetFocus(Hwnd());
    return ::GetFocus() == Hwnd();
}

bool WinActive::Get()
{
    return IsValid() && ::GetActiveWindow() == Hwnd();
}

bool WinActive::Set(bool active)
{
    if (!IsValid() || !active)
        return false;
    ::SetActiveWindow(Hwnd());
    return ::GetActiveWindow() == Hwnd();
}

bool WinForground::Get()
{
    return IsValid() && ::GetForegroundWindow() == Hwnd();
}

bool WinForground::Set(bool foreground)
{
    if (!IsValid() || !foreground)
        return false;
    return ::SetForegroundWindow(Hwnd()) != 0;
}

bool WinVisible::Get()
{
    return IsValid() && ::IsWindowVisible(Hwnd());
}

bool WinVisible::Set(bool visible)
{
    if (!IsValid())
        return false;
    ::ShowWindow(Hwnd(), visible ? SW_SHOW : SW_HIDE);
    return true;
}

bool WinEnable::Get()
{
    return IsValid() && ::IsWindowEnabled(Hwnd());
}

bool WinEnable::Set(bool enable)
{
    if (!IsValid())
        return false;
    ::EnableWindow(Hwnd(), enable);
    return true;
}
