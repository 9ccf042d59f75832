#include "base/window/win_zorder.h"

#include "base/window/window_control.h"

bool WinZOrder::Set(HWND insertAfter)
{
    return IsValid() && ::SetWindowPos(Hwnd(), insertAfter, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE) != 0;
}
