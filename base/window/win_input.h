#pragma once

#include "base/window/win_property.h"

// Whether files dropped from the shell reach the window (WM_DROPFILES).
class WinDrop : public WinProperty {
public:
    bool Set(bool accept);
};

// The open state of the window's input method.
class WinIme : public WinProperty {
public:
    // 0 when the window has no input context, else the system's answer.
    int SetOpen(bool open);
    bool IsOpen();
};
