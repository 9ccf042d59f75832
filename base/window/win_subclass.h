#pragma once

#include "base/window/win_property.h"

// Replaces the window's procedure and keeps the one it replaced, so the new
// procedure can pass messages on (CallOld) and the old one can be put back.
class WinSubClass : public WinProperty {
public:
    // Puts the saved procedure back.
    ~WinSubClass();

    // Installs procedure (after undoing an earlier Set); NULL does nothing.
    bool Set(WNDPROC procedure);
    // Puts the saved procedure back and forgets both.
    bool Restore();
    // Set for a procedure, Restore for NULL.
    bool SetOrRestore(WNDPROC procedure);
    // True when a procedure is saved and window is the own window.
    bool IsSubclassed(HWND window);
    // The saved procedure's answer; 0 when none is saved.
    LRESULT CallOld(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

private:
    WNDPROC saved_ = nullptr;
    WNDPROC installed_ = nullptr;
};
