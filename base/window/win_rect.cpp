#include "base/window/win_rect.h"

#include "base/util/library_options.h"
#include "base/window/display_settings.h"
#include "base/window/window_control.h"

void WinRectProperty::Init(WindowControl* owner, int32_t part, bool client)
{
    Attach(owner);
    part_ = part;
    client_ = client;
}

Rect WinRectProperty::GetWindowRect()
{
    Rect r;
    if (!IsValid() || !r.GetWindowRect(Hwnd()))
        return Rect();
    return r;
}

Rect WinRectProperty::GetClientRect()
{
    Rect r;
    if (!IsValid() || !r.GetClientRect(Hwnd()))
        return Rect();
    return r;
}

int32_t WinRectProperty::Get()
{
    const Rect r = client_ ? GetClientRect() : GetWindowRect();
    switch (part_) {
    case kRectLeft:
    case kRectX:
        return r.left;
    case kRectTop:
    case kRectY:
        return r.top;
    case kRectRight:
        return r.right;
    case kRectBottom:
        return r.bottom;
    case kRectWidth:
        return r.Width();
    case kRectHeight:
        return r.Height();
    default:
        return 0;
    }
}

bool WinRectProperty::Set(int32_t value)
{
    if (!IsValid())
        return false;
    if (client_) {
        const Rect r = GetClientRect();
        if (part_ == kRectWidth)
            return SetClientSize(value, r.Height());
        if (part_ == kRectHeight)
            return SetClientSize(r.Width(), value);
        return false;
    }
    const Rect r = GetWindowRect();
    switch (part_) {
    case kRectWidth:
        return Resize(value, r.Height());
    case kRectHeight:
        return Resize(r.Width(), value);
    case kRectX:
        return Move(value, r.top);
    case kRectY:
        return Move(r.left, value);
    default:
        return false;
    }
}

bool WinRectProperty::Move(int32_t x, int32_t y)
{
    if (!IsValid())
        return false;
    return ::SetWindowPos(Hwnd(), nullptr, x, y, 0, 0, LibraryOptions().windowMoveFlags) != 0;
}

bool WinRectProperty::Resize(int32_t width, int32_t height)
{
    if (!IsValid())
        return false;
    return ::SetWindowPos(Hwnd(), nullptr, 0, 0, width, height, LibraryOptions().windowResizeFlags) != 0;
}

bool WinRectProperty::SetClientSize(int32_t width, int32_t height)
{
    if (!IsValid())
        return false;
    WindowControl& owner = *Owner();
    const DWORD style = owner.Style.Get();
    const DWORD exStyle = owner.ExStyle.Get();
    const BOOL hasMenu = owner.Menu.Get() != nullptr;
    RECT r = {0, 0, width, height};
    if (exStyle != 0)
        ::AdjustWindowRectEx(&r, style, hasMenu, exStyle);
    else
        ::AdjustWindowRect(&r, style, hasMenu);
    if (style & WS_VSCROLL)
        r.right += ::GetSystemMetrics(SM_CXVSCROLL);
    if (style & WS_HSCROLL)
        r.bottom += ::GetSystemMetrics(SM_CYHSCROLL);
    return Resize(r.right - r.left, r.bottom - r.top);
}

void WinRectParts::Attach(WindowControl* owner)
{
    WinProperty::Attach(owner);
    Left.Init(owner, kRectLeft, client_);
    Top.Init(owner, kRectTop, client_);
    Right.Init(owner, kRectRight, client_);
    Bottom.Init(owner, kRectBottom, client_);
    X.Init(owner, kRectX, client_);
    Y.Init(owner, kRectY, client_);
    Width.Init(owner, kRectWidth, client_);
    Height.Init(owner, kRectHeight, client_);
}

bool WinRect::SetRect(const Rect& rect)
{
    const bool moved = Move(rect.left, rect.top);
    const bool sized = Resize(rect.Width(), rect.Height());
    return moved && sized;
}

bool WinRect::CenterOn(HWND window)
{
    if (!IsValid())
        return false;
    int32_t centreX = 0;
    int32_t centreY = 0;
    if (window != nullptr) {
        Rect other;
        if (!other.GetWindowRect(window))
            return false;
        centreX = other.left + (other.Width() >> 1);
        centreY = other.top + (other.Height() >> 1);
    } else {
        DisplaySettings display;
        if (!display.Capture(nullptr))
            return false;
        centreX = display.width >> 1;
        centreY = display.height >> 1;
    }
    const Rect own = GetRect();
    return Move(centreX - (own.Width() >> 1), centreY - (own.Height() >> 1));
}
