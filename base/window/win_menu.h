#pragma once

#include "base/window/win_property.h"

// The window's menu bar.
class WinMenu : public WinProperty {
public:
    HMENU Get();
    bool Set(HMENU menu);
    // Redraws the menu bar after its items changed.
    bool Redraw();
};

// A popup menu shown at the cursor; its commands arrive as WM_COMMAND at the
// owner window. The menu is only held, never destroyed.
class WinPopupMenu : public WinProperty {
public:
    void SetMenu(HMENU menu) { menu_ = menu; }
    HMENU GetMenu() const { return menu_; }
    // Tracks the menu at the cursor position until it closes. Does nothing
    // without a window or a menu. The window is not made the foreground
    // window first.
    bool Show();

private:
    HMENU menu_ = nullptr;
};
