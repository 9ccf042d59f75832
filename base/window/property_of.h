#pragma once

#include <windows.h>

// The pattern shared by every property object of the window framework: it
// keeps a pointer to its owner (a window control) and re-reads the owner's
// window handle before every operation. The check fails without an owner,
// without a handle, and when the handle's window has been destroyed, so a
// property never acts on a window that is gone.
template <typename OwnerType>
class PropertyOf {
public:
    PropertyOf() = default;
    PropertyOf(const PropertyOf&) = delete;
    PropertyOf& operator=(const PropertyOf&) = delete;

    // Stores the owner; NULL detaches.
    virtual void Attach(OwnerType* owner) { owner_ = owner; }

    // Copies the owner's current handle into Hwnd(); true when it names a
    // live window.
    bool IsValid()
    {
        if (owner_ == nullptr)
            return false;
        hwnd_ = owner_->Hwnd();
        return hwnd_ != nullptr && ::IsWindow(hwnd_);
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
