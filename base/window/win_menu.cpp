#include "base/window/win_menu.h"

#include "base/window/window_control.h"

HMENU WinMenu::Get()
{
    return IsValid() ? ::GetMenu(Hwnd()) : nullptr;
}

bool WinMenu::Set(HMENU menu)
{
    return IsValid() && ::SetMenu(Hwnd(), menu) != 0;
}

bool WinMenu::Redraw()
{
    return IsValid() && ::DrawMenuBar(Hwnd()) != 0;
}

bool WinPopupMenu::Show()
{
    if (!IsValid() || menu_ == nullptr)
        return false;
    POINT cursor = {};
    ::GetCursorPos(&cursor);
    return ::TrackPopupMenu(menu_, TPM_LEFTBUTTON, cursor.x, cursor.y, 0, Hwnd(), nullptr) != 0;
}
