#include "base/window/win_mouse.h"

#include "base/window/window_control.h"

namespace {

// Unit conversion of one axis. A scale of 0 (which no caller means) reads as
// 0 instead of dividing by it. A result beyond the int32 range (a very small
// or large scale) stops at its limit: converting it as it stands would be
// undefined and gives the other limit on x86.
int32_t ToUnits(int32_t client, int32_t origin, float scale)
{
    if (scale == 0.0f)
        return 0;
    return Rect::TruncateToInt32(static_cast<float>(int64_t{client} - origin) / scale);
}

int32_t FromUnits(int32_t units, int32_t origin, float scale)
{
    const int64_t point = int64_t{Rect::TruncateToInt32(static_cast<float>(units) * scale)} + origin;
    return Rect::TruncateToInt32(static_cast<double>(point));
}

} // namespace

ScreenPoint WinMousePos::Get()
{
    POINT cursor = {};
    if (!IsValid() || !::GetCursorPos(&cursor) || !::ScreenToClient(Hwnd(), &cursor))
        return ScreenPoint();
    return ScreenPoint(ToUnits(cursor.x, origin_.x, scaleX_), ToUnits(cursor.y, origin_.y, scaleY_));
}

bool WinMousePos::Set(int32_t x, int32_t y)
{
    if (!IsValid())
        return false;
    ScreenPoint point(FromUnits(x, origin_.x, scaleX_), FromUnits(y, origin_.y, scaleY_));
    return point.ClientToScreen(Hwnd()) && point.SetCursorPos();
}

bool WinMouseX::Set(int32_t x)
{
    return IsValid() && WinMousePos::Set(x, WinMousePos::Get().y);
}

bool WinMouseY::Set(int32_t y)
{
    return IsValid() && WinMousePos::Set(WinMousePos::Get().x, y);
}

WinMouseCapture::~WinMouseCapture()
{
    ::ReleaseCapture();
}

bool WinMouseCapture::Get()
{
    return IsValid() && ::GetCapture() == Hwnd();
}

bool WinMouseCapture::Set(bool capture)
{
    if (!IsValid())
        return false;
    if (capture)
        ::SetCapture(Hwnd());
    else
        ::ReleaseCapture();
    return true;
}

void WinMouse::Attach(WindowControl* owner)
{
    WinProperty::Attach(owner);
    X.Attach(owner);
    Y.Attach(owner);
    Capture.Attach(owner);
}

void WinMouse::SetOrigin(int32_t x, int32_t y)
{
    X.SetOrigin(x, y);
    Y.SetOrigin(x, y);
}

void WinMouse::SetScale(float x, float y)
{
    X.SetScale(x, y);
    Y.SetScale(x, y);
}

bool WinMouse::IsIn(const Rect& rect)
{
    if (!IsValid())
        return false;
    const ScreenPoint point = GetPos();
    return rect.Contains(point.x, point.y);
}

bool WinMouse::IsInWhenForeground(int32_t left, int32_t top, int32_t right, int32_t bottom)
{
    if (!IsValid() || ::GetForegroundWindow() != Hwnd())
        return false;
    return IsIn(Rect(left, top, right, bottom));
}

void ShowCursorFully(bool show)
{
    // ShowCursor moves a display count by one per call; the cursor shows
    // while the count is >= 0.
    for (int count = ::ShowCursor(show); show ? count < 0 : count >= 0;)
        count = ::ShowCursor(show);
}

bool IsCursorShowing()
{
    CURSORINFO info = {};
    info.cbSize = sizeof info;
    return ::GetCursorInfo(&info) && info.flags != 0;
}

#if !defined(_WIN64)
static_assert(sizeof(CURSORINFO) == 20, "CURSORINFO of the 32-bit system");
#endif
