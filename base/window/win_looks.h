#pragma once

#include "base/window/win_property.h"

// The font that the window (a control) draws its text with.
class WinFont : public WinProperty {
public:
    HFONT Get();
    // Sets the font without a redraw. The font stays the caller's.
    bool Set(HFONT font);
};

// The window's icon. Set uses the held icon type, ICON_BIG after Attach;
// Get reads the small icon (ICON_SMALL).
class WinIcon : public WinProperty {
public:
    void Attach(WindowControl* owner) override;

    HICON Get();
    bool Set(HICON icon);
    bool SetTyped(HICON icon, WPARAM type);

private:
    WPARAM type_ = ICON_BIG;
};
