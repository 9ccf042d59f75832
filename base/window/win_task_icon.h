#pragma once

#include <cstddef>

#include "base/window/win_property.h"

// The window's icon in the taskbar's notification area. Mouse events on it
// arrive at the window as the callback message, with the mouse message in
// lParam.
class WinTaskIcon : public WinProperty {
public:
    // Forgets the shown state (the icon belonged to the former window).
    void Attach(WindowControl* owner) override;

    // Adds the icon with its tip text. Does nothing while the icon is shown.
    // The icon counts as shown afterwards even when the system refused it, so
    // that Remove still asks for its removal. A tip longer than 63 bytes is
    // cut at a character boundary.
    bool Add(const char* tip, HICON icon, UINT callbackMessage, UINT id);
    // Removes the icon (id 0) when it is shown.
    bool Remove();
    bool IsShown() const { return shown_; }

private:
    bool shown_ = false;
};

// Copies text into tip[size] (size > 0), cut at a character boundary of the
// ANSI code page when it does not fit; always terminated.
void CopyTipText(char* tip, size_t size, const char* text);
