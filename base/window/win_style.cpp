#include "base/window/win_style.h"

#include "base/window/window_control.h"

uint32_t WinStyleWord::Get()
{
    if (!IsValid())
        return 0;
    return static_cast<uint32_t>(::GetWindowLongA(Hwnd(), index_));
}

bool WinStyleWord::Set(uint32_t value)
{
    if (!IsValid())
        return false;
    ::SetLastError(0);
    const LONG previous = ::SetWindowLongA(Hwnd(), index_, static_cast<LONG>(value));
    if (previous == 0 && ::GetLastError() != 0)
        return false;
    ::SetWindowPos(Hwnd(), nullptr, 0, 0, 0, 0,
                   SWP_FRAMECHANGED | SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE);
    return true;
}

bool WinStyleWord::OrAssign(uint32_t bits)
{
    return IsValid() && Set(Get() | bits);
}

bool WinStyleWord::XorAssign(uint32_t bits)
{
    return IsValid() && Set(Get() ^ bits);
}

bool WinStyleWord::AndAssign(uint32_t bits)
{
    return IsValid() && Set(Get() & bits);
}
