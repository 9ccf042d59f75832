#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include "base/util/rect.h"

// The desktop's resolution, colour depth and refresh rate, its monitors, and
// a switch of one monitor to another display mode and back. A switch is
// dynamic (never stored): Reset and the destructor put the stored mode back.
class DisplaySettings {
public:
    // Captured by Capture, or the wanted mode for TestMode and ApplyMode.
    int32_t width = 0;
    int32_t height = 0;
    int32_t bitsPerPixel = 0;
    // Hertz; kAnyRefresh accepts any rate.
    int32_t refresh = kAnyRefresh;
    // The monitor that MonitorOf found; (0, 0, 0, 0) when none.
    Rect monitorRect;

    static constexpr int32_t kAnyRefresh = -1;

    DisplaySettings();
    ~DisplaySettings();
    DisplaySettings(const DisplaySettings&) = delete;
    DisplaySettings& operator=(const DisplaySettings&) = delete;

    // Puts back the stored mode when one was switched, then forgets
    // everything: the wanted mode, the mode record and both lists.
    void Reset();
    // Reads the desktop's size, depth and refresh rate, lists the monitors
    // and finds the window's monitor (none for a NULL window).
    bool Capture(HWND window);
    void EnumMonitors();
    // The device name of the first monitor that holds the window's
    // top-left corner, NULL when none does (also when the window is gone);
    // sets monitorRect.
    const char* MonitorOf(HWND window);
    // Looks for the wanted mode among the device's modes (NULL: the default
    // display device) and keeps it in Mode().
    bool FindMode(const char* device);
    // True when the system would accept the wanted mode for the window's
    // monitor. When no mode has the wanted refresh rate, any rate will do.
    bool TestMode(HWND window);
    // Switches the window's monitor to the wanted mode after testing it.
    bool ApplyMode(HWND window);
    bool IsModeChanged() const { return modeChanged_; }
    // Back to the stored mode; on failure the switch is still remembered.
    bool RestoreMode();
    // Lists the display devices attached to the desktop and shows a
    // message box about each. Returns 0.
    int ListDevices();
    // Appends the mode record's fields, one a line, to the debug log file.
    static void DumpDevMode(const char* title, DEVMODEA mode);

    const std::vector<MONITORINFOEXA>& Monitors() const { return monitors_; }
    const std::vector<DISPLAY_DEVICEA>& Devices() const { return devices_; }
    const DEVMODEA& Mode() const { return mode_; }

private:
    static BOOL CALLBACK AddMonitor(HMONITOR monitor, HDC dc, LPRECT area, LPARAM self);
    // TestMode's search and test; the device is left in device.
    bool PrepareMode(HWND window, const char*& device);

    bool modeChanged_ = false;
    DEVMODEA mode_ = {};
    std::vector<MONITORINFOEXA> monitors_;
    std::vector<DISPLAY_DEVICEA> devices_;
};
