#include "base/window/display_settings.h"

#include <cstring>

#include "base/diag/debug_output.h"
#include "base/util/string_utils.h"

#if !defined(_WIN64)
static_assert(sizeof(DEVMODEA) == 156, "DEVMODEA of the 32-bit system");
static_assert(sizeof(MONITORINFOEXA) == 72, "MONITORINFOEXA of the 32-bit system");
static_assert(sizeof(DISPLAY_DEVICEA) == 424, "DISPLAY_DEVICEA of the 32-bit system");
#endif

DisplaySettings::DisplaySettings()
{
    Reset();
}

DisplaySettings::~DisplaySettings()
{
    Reset();
}

void DisplaySettings::Reset()
{
    if (modeChanged_)
        ::ChangeDisplaySettingsA(nullptr, 0);
    width = height = bitsPerPixel = 0;
    modeChanged_ = false;
    std::memset(&mode_, 0, sizeof mode_);
    monitors_.clear();
    devices_.clear();
    refresh = kAnyRefresh;
}

bool DisplaySettings::Capture(HWND window)
{
    HWND desktop = ::GetDesktopWindow();
    HDC dc = ::GetDC(desktop);
    if (dc == nullptr)
        return false;
    bitsPerPixel = ::GetDeviceCaps(dc, BITSPIXEL);
    width = ::GetDeviceCaps(dc, HORZRES);
    height = ::GetDeviceCaps(dc, VERTRES);
    refresh = ::GetDeviceCaps(dc, VREFRESH);
    ::ReleaseDC(desktop, dc);
    EnumMonitors();
    MonitorOf(window);
    return true;
}

BOOL CALLBACK DisplaySettings::AddMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM self)
{
    MONITORINFOEXA info;
    std::memset(&info, 0, sizeof info);
    info.cbSize = sizeof info;
    if (::GetMonitorInfoA(monitor, &info))
        reinterpret_cast<DisplaySettings*>(self)->monitors_.push_back(info);
    return TRUE;
}

void DisplaySettings::EnumMonitors()
{
    monitors_.clear();
    ::EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(this));
}

const char* DisplaySettings::MonitorOf(HWND window)
{
    monitorRect = Rect();
    RECT area = {};
    if (!::GetWindowRect(window, &area))
        return nullptr;
    for (const MONITORINFOEXA& monitor : monitors_) {
        const RECT& m = monitor.rcMonitor;
        if (m.left <= area.left && area.left < m.right && m.top <= area.top && area.top < m.bottom) {
            monitorRect = Rect(m.left, m.top, m.right, m.bottom);
            return monitor.szDevice;
        }
    }
    return nullptr;
}

bool DisplaySettings::FindMode(const char* device)
{
    std::memset(&mode_, 0, sizeof mode_);
    mode_.dmSize = sizeof mode_;
    for (DWORD i = 0; ::EnumDisplaySettingsA(device, i, &mode_); ++i) {
        if (static_cast<int32_t>(mode_.dmPelsWidth) == width &&
            static_cast<int32_t>(mode_.dmPelsHeight) == height &&
            static_cast<int32_t>(mode_.dmBitsPerPel) == bitsPerPixel &&
            (refresh == kAnyRefresh || static_cast<int32_t>(mode_.dmDisplayFrequency) == refresh))
            return true;
    }
    return false;
}

bool DisplaySettings::PrepareMode(HWND window, const char*& device)
{
    EnumMonitors();
    device = MonitorOf(window);
    if (!FindMode(device)) {
        refresh = kAnyRefresh;
        if (!FindMode(device))
            return false;
    }
    mode_.dmFields = DM_BITSPERPEL | DM_PELSWIDTH | DM_PELSHEIGHT;
    if (refresh != kAnyRefresh)
        mode_.dmFields |= DM_DISPLAYFREQUENCY;
    return ::ChangeDisplaySettingsExA(device, &mode_, nullptr, CDS_TEST, nullptr) == DISP_CHANGE_SUCCESSFUL;
}

bool DisplaySettings::TestMode(HWND window)
{
    const char* device = nullptr;
    return PrepareMode(window, device);
}

bool DisplaySettings::ApplyMode(HWND window)
{
    const char* device = nullptr;
    if (!PrepareMode(window, device))
        return false;
    if (::ChangeDisplaySettingsExA(device, &mode_, nullptr, 0, nullptr) != DISP_CHANGE_SUCCESSFUL) {
        ReportLastError();
        return false;
    }
    modeChanged_ = true;
    return true;
}

bool DisplaySettings::RestoreMode()
{
    if (::ChangeDisplaySettingsA(nullptr, 0) != DISP_CHANGE_SUCCESSFUL)
        return false;
    modeChanged_ = false;
    return true;
}

int DisplaySettings::ListDevices()
{
    devices_.clear();
    DISPLAY_DEVICEA device;
    for (DWORD i = 0;; ++i) {
        std::memset(&device, 0, sizeof device);
        device.cb = sizeof device;
        if (!::EnumDisplayDevicesA(nullptr, i, &device, 0))
            break;
        if (!(device.StateFlags & DISPLAY_DEVICE_ATTACHED_TO_DESKTOP))
            continue;
        devices_.push_back(device);
        const DWORD flags = device.StateFlags;
        const char* text = FormatString(
            "Attached to desktop %d\nMulti Driver %d\nPrimary Device %d\nMirroring Driver %d\n"
            "Vga Compatible %d\n%s\n%s\n%s\n%s",
            static_cast<int>(flags & 1), static_cast<int>(flags & 2), static_cast<int>(flags & 4),
            static_cast<int>(flags & 8), static_cast<int>(flags & 0x10), device.DeviceID,
            device.DeviceKey, device.DeviceName, device.DeviceString);
        ::MessageBoxA(nullptr, text, "info", MB_OK);
    }
    return 0;
}

void DisplaySettings::DumpDevMode(const char* title, DEVMODEA mode)
{
    // The names are fixed fields that the system need not terminate.
    DebugLogPrintf("%s\n", title != nullptr ? title : "");
    DebugLogPrintf("%.*s\n", CCHDEVICENAME, reinterpret_cast<const char*>(mode.dmDeviceName));
    const int headerFields[] = {mode.dmSpecVersion, mode.dmDriverVersion, mode.dmSize, mode.dmDriverExtra,
                                static_cast<int>(mode.dmFields)};
    for (int value : headerFields)
        DebugLogPrintf("%d\n", value);
    const int shortFields[] = {mode.dmOrientation,   mode.dmPaperSize, mode.dmPaperLength,  mode.dmPaperWidth,
                               mode.dmScale,         mode.dmCopies,    mode.dmDefaultSource, mode.dmPrintQuality,
                               mode.dmColor,         mode.dmDuplex,    mode.dmYResolution,  mode.dmTTOption,
                               mode.dmCollate};
    for (int value : shortFields)
        DebugLogPrintf("%d\n", value);
    DebugLogPrintf("%.*s\n", CCHFORMNAME, reinterpret_cast<const char*>(mode.dmFormName));
    const DWORD wideFields[] = {mode.dmLogPixels,     mode.dmBitsPerPel,   mode.dmPelsWidth,
                                mode.dmPelsHeight,    mode.dmDisplayFlags, mode.dmDisplayFrequency,
                                mode.dmICMMethod,     mode.dmICMIntent,    mode.dmMediaType,
                                mode.dmDitherType,    mode.dmReserved1,    mode.dmReserved2,
                                mode.dmPanningWidth,  mode.dmPanningHeight};
    for (DWORD value : wideFields)
        DebugLogPrintf("%d\n", static_cast<int>(value));
}
