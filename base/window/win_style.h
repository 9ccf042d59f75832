#pragma once

#include <cstdint>

#include "base/window/win_property.h"

// A style word of the window (GWL_STYLE or GWL_EXSTYLE). Every change is
// followed by a frame update so that the new style shows at once.
class WinStyleWord : public WinProperty {
public:
    uint32_t Get();
    bool Set(uint32_t value);
    bool OrAssign(uint32_t bits);
    bool XorAssign(uint32_t bits);
    bool AndAssign(uint32_t bits);

protected:
    explicit WinStyleWord(int index) : index_(index) {}
    ~WinStyleWord() = default;

private:
    int index_;
};

class WinStyle : public WinStyleWord {
public:
    WinStyle() : WinStyleWord(GWL_STYLE) {}
};

class WinExStyle : public WinStyleWord {
public:
    WinExStyle() : WinStyleWord(GWL_EXSTYLE) {}
};
