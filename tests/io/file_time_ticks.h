#pragma once

#include <windows.h>

#include <cstdint>

// A FILETIME as one 64-bit count of 100-nanosecond ticks, and back.
inline FILETIME Ticks(uint64_t ticks)
{
    return FILETIME{static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
}

inline uint64_t TicksOf(const FILETIME& time)
{
    return (uint64_t{time.dwHighDateTime} << 32) | time.dwLowDateTime;
}
