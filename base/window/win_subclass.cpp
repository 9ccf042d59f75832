#include "base/window/win_subclass.h"

#include "base/window/window_control.h"

WinSubClass::~WinSubClass()
{
    Restore();
}

bool WinSubClass::Set(WNDPROC procedure)
{
    if (!IsValid() || procedure == nullptr)
        return false;
    Restore();
    saved_ = reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(Hwnd(), GWLP_WNDPROC));
    ::SetWindowLongPtrA(Hwnd(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure));
    installed_ = procedure;
    return true;
}

bool WinSubClass::Restore()
{
    if (!IsValid() || saved_ == nullptr)
        return false;
    ::SetWindowLongPtrA(Hwnd(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(saved_));
    saved_ = nullptr;
    installed_ = nullptr;
    return true;
}

bool WinSubClass::SetOrRestore(WNDPROC procedure)
{
    return procedure != nullptr ? Set(procedure) : Restore();
}

bool WinSubClass::IsSubclassed(HWND window)
{
    return IsValid() && saved_ != nullptr && window == Hwnd();
}

LRESULT WinSubClass::CallOld(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (saved_ == nullptr)
        return 0;
    return ::CallWindowProcA(saved_, window, message, wParam, lParam);
}
