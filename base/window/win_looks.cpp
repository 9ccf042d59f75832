#include "base/window/win_looks.h"

#include "base/window/window_control.h"

HFONT WinFont::Get()
{
    return IsValid() ? reinterpret_cast<HFONT>(Send(WM_GETFONT)) : nullptr;
}

bool WinFont::Set(HFONT font)
{
    if (!IsValid())
        return false;
    Send(WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return true;
}

void WinIcon::Attach(WindowControl* owner)
{
    WinProperty::Attach(owner);
    type_ = ICON_BIG;
}

HICON WinIcon::Get()
{
    return IsValid() ? reinterpret_cast<HICON>(Send(WM_GETICON, ICON_SMALL)) : nullptr;
}

bool WinIcon::Set(HICON icon)
{
    return SetTyped(icon, type_);
}

bool WinIcon::SetTyped(HICON icon, WPARAM type)
{
    if (!IsValid())
        return false;
    Send(WM_SETICON, type, reinterpret_cast<LPARAM>(icon));
    return true;
}
