#include "base/util/screen_point.h"

bool ScreenPoint::ReadCursor()
{
    POINT cursor = {};
    if (!::GetCursorPos(&cursor))
        return false;
    x = cursor.x;
    y = cursor.y;
    return true;
}

bool ScreenPoint::ClientToScreen(HWND window)
{
    POINT point = {x, y};
    if (!::ClientToScreen(window, &point))
        return false;
    x = point.x;
    y = point.y;
    return true;
}

bool ScreenPoint::SetCursorPos() const
{
    return ::SetCursorPos(x, y) != 0;
}
