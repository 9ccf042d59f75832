#pragma once

#include <cstdint>

#include "base/window/win_property.h"

// Timer 1 of the window: one timer per window, posting WM_TIMER with id 1.
class WinTimer : public WinProperty {
public:
    static constexpr UINT_PTR kId = 1;

    // Stops the timer.
    ~WinTimer();

    // Stops timer 1, then starts it anew at the given period when that is
    // not 0 (0 only stops it).
    bool Set(uint32_t milliseconds);
};
