#include "base/window/win_input.h"

#include <imm.h>
#include <shellapi.h>

#include "base/window/window_control.h"

bool WinDrop::Set(bool accept)
{
    if (!IsValid())
        return false;
    ::DragAcceptFiles(Hwnd(), accept);
    return true;
}

int WinIme::SetOpen(bool open)
{
    if (!IsValid())
        return 0;
    HIMC context = ::ImmGetContext(Hwnd());
    if (context == nullptr)
        return 0;
    const int result = ::ImmSetOpenStatus(context, open);
    ::ImmReleaseContext(Hwnd(), context);
    return result;
}

bool WinIme::IsOpen()
{
    if (!IsValid())
        return false;
    HIMC context = ::ImmGetContext(Hwnd());
    if (context == nullptr)
        return false;
    const bool open = ::ImmGetOpenStatus(context) != 0;
    ::ImmReleaseContext(Hwnd(), context);
    return open;
}
