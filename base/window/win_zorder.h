#pragma once

#include "base/window/win_property.h"

// The window's place in the z-order.
class WinZOrder : public WinProperty {
public:
    // The places a caller passes to Set.
    const HWND Bottom = HWND_BOTTOM;
    const HWND NoTopMost = HWND_NOTOPMOST;
    const HWND Top = HWND_TOP;
    const HWND TopMost = HWND_TOPMOST;

    // Puts the window after insertAfter (one of the four above); its
    // position and size stay.
    bool Set(HWND insertAfter);
};
