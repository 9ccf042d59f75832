#pragma once

#include "base/window/win_property.h"

// Yes/no states of the window. For focus, activation and the foreground,
// Set(true) asks for the state and Set(false) does nothing: there is no way
// to give them away without naming another window.

class WinFocus : public WinProperty {
public:
    bool Get();
    bool Set(bool focus);
};

class WinActive : public WinProperty {
public:
    bool Get();
    bool Set(bool active);
};

class WinForground : public WinProperty {
public:
    bool Get();
    bool Set(bool foreground);
};

class WinVisible : public WinProperty {
public:
    bool Get();
    // Shows (SW_SHOW) or hides the window.
    bool Set(bool visible);
};

class WinEnable : public WinProperty {
public:
    bool Get();
    bool Set(bool enable);
};
