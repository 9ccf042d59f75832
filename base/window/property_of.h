#pragma once

#include <windows.h>

// The pattern shared by every property object of the window framework: it
// keeps a pointer to its owner (a window control) and re-reads the owner's
// window handle before every operation. The check fails without an owner or
// without a handle. With requireLiveWindow it also fails once the handle's
// window has been destroyed: the dialog controls' parts then give their
// not-attached values. Window properties keep acting on a handle whose window
// is gone, so that clean-up such as removing the tray icon after the window's
// end still reaches the system.
template <typename OwnerType, bool requireLiveWindow>
class PropertyOf {
public:
    PropertyOf() = default;
    PropertyOf(const PropertyOf&) = delete;
    PropertyOf& operator=(const PropertyOf&) = delete;

    // Stores the owner; NULL detaches.
    virtual void Attach(OwnerType* owner) { owner_ = owner; }

    // Copies the owner's current handle into Hwnd(); true when there is one
    // (and its window lives, where that is required).
    bool IsValid()
    {
        if (owner_ == nullptr)
            return false;
        hwnd_ = owner_->Hwnd();
        return hwnd_ != nullptr && (!requireLiveWindow || ::IsWindow(hwnd_));
    }

protected:
    ~PropertyOf() = default;

    OwnerType* Owner() const { return owner_; }
    // The handle cached by the last IsValid.
    HWND Hwnd() const { return hwnd_; }

    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return ::SendMessageA(hwnd_, message, wParam, lParam);
    }

private:
    OwnerType* owner_ = nullptr;
    HWND hwnd_ = nullptr;
};
