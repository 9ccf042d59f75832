#pragma once

#include <string>

#include "base/window/win_property.h"

// The window text.
class WinCaption : public WinProperty, public WinString {
public:
    // Reads at most 254 characters; empty without a window. The result
    // stays valid until the next Get.
    const std::string& Get();
    bool SetText(const char* text) override;

private:
    std::string text_;
};
