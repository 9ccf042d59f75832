#pragma once

#include "base/window/win_property.h"

// A device context of the window: the painting context of WM_PAINT
// (BeginPaint), the window's context (GetDC), or both at once. End gives back
// one of them, EndAll both.
class WinDC : public WinProperty {
public:
    // Ends what was begun.
    ~WinDC();

    // Forgets any context (without giving it back: the new owner's window is
    // another one).
    void Attach(WindowControl* owner) override;

    // BeginPaint when paint is true, else GetDC; true on success. False
    // while a context of that kind is held (End it first).
    bool Begin(bool paint);
    // Gives back one context: EndPaint when painting was begun, else
    // ReleaseDC.
    bool End();
    // Gives back both kinds when both are held (the window's context taken
    // while painting).
    void EndAll();
    // The held context: the GetDC one, else the painting one.
    HDC Hdc() const { return dc_ != nullptr ? dc_ : paint_.hdc; }

private:
    HDC dc_ = nullptr;
    PAINTSTRUCT paint_ = {};
};
