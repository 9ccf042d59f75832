#pragma once

#include <windows.h>

#include <cstdint>

// A point in pixels, usually the mouse cursor's position on the screen.
struct ScreenPoint {
    int32_t x = 0;
    int32_t y = 0;

    ScreenPoint() = default;
    ScreenPoint(int32_t px, int32_t py) : x(px), y(py) {}

    void Reset() { x = y = 0; }
    // Fills the point from the cursor's screen position; false (point
    // unchanged) when the system cannot tell it.
    bool ReadCursor();
    // Converts the point from the window's client coordinates to screen
    // coordinates.
    bool ClientToScreen(HWND window);
    // Moves the cursor to the point (screen coordinates).
    bool SetCursorPos() const;
};
