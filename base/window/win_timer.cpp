#include "base/window/win_timer.h"

#include "base/window/window_control.h"

WinTimer::~WinTimer()
{
    Set(0);
}

bool WinTimer::Set(uint32_t milliseconds)
{
    if (!IsValid())
        return false;
    ::KillTimer(Hwnd(), kId);
    if (milliseconds == 0)
        return true;
    return ::SetTimer(Hwnd(), kId, milliseconds, nullptr) != 0;
}
