#include "base/window/win_dc.h"

#include "base/window/window_control.h"

WinDC::~WinDC()
{
    End();
}

void WinDC::Attach(WindowControl* owner)
{
    WinProperty::Attach(owner);
    dc_ = nullptr;
    paint_ = PAINTSTRUCT{};
}

bool WinDC::Begin(bool paint)
{
    if (!IsValid())
        return false;
    // A context of the same kind begun again would overwrite the held one,
    // which End could then never give back.
    if (paint ? paint_.hdc != nullptr : dc_ != nullptr)
        return false;
    if (paint)
        return ::BeginPaint(Hwnd(), &paint_) != nullptr;
    dc_ = ::GetDC(Hwnd());
    return dc_ != nullptr;
}

bool WinDC::End()
{
    if (!IsValid())
        return false;
    bool ended = false;
    if (paint_.hdc != nullptr) {
        ended = ::EndPaint(Hwnd(), &paint_) != 0;
        paint_ = PAINTSTRUCT{};
    } else if (dc_ != nullptr) {
        ended = ::ReleaseDC(Hwnd(), dc_) != 0;
        dc_ = nullptr;
    }
    return ended;
}

void WinDC::EndAll()
{
    End();
    End();
}
