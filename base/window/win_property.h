#pragma once

#include <windows.h>

#include "base/window/property_of.h"

class WindowControl;

// Base of every attribute of a WindowControl (control.Visible, control.Rect,
// ...). Without an owner or a window handle a getter gives 0, false, NULL or
// an empty value and a setter does nothing and gives false; a property never
// creates a window. See PropertyOf.
class WinProperty : public PropertyOf<WindowControl, false> {
protected:
    ~WinProperty() = default;
};

// Something that holds a text: a window caption or a menu item's text.
class WinString {
public:
    virtual bool SetText(const char* text) = 0;

    // printf-style: formats into a 4096-byte buffer and passes the text to
    // SetText. A longer text is cut to fit, at a character boundary. A NULL
    // format does nothing and gives false.
    bool Format(const char* format, ...) __attribute__((format(gnu_printf, 2, 3)));

protected:
    ~WinString() = default;
};
