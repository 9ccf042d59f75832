#pragma once

#include <cstdint>

// The millisecond clock of the system (timeGetTime in the program). It wraps
// after 49.7 days, so elapsed time is always the unsigned 32-bit difference
// of two readings.
class MillisecondClock {
public:
    virtual ~MillisecondClock() = default;
    virtual uint32_t Milliseconds() = 0;
};
