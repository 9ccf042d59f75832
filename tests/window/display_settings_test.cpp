#include "base/window/display_settings.h"

#include <gtest/gtest.h>

#include <cstring>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/message_box_watcher.h"
#include "tests/support/temp_dir.h"
#include "tests/support/working_directory.h"
#include "tests/window/window_test_support.h"

namespace {

int CurrentBitsPerPixel()
{
    HDC dc = GetDC(nullptr);
    const int bits = GetDeviceCaps(dc, BITSPIXEL);
    ReleaseDC(nullptr, dc);
    return bits;
}

TEST(DisplaySettings, CaptureReadsTheDesktopAndListsTheMonitors)
{
    DisplaySettings display;
    ASSERT_TRUE(display.Capture(nullptr));
    EXPECT_EQ(display.width, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(display.height, GetSystemMetrics(SM_CYSCREEN));
    EXPECT_EQ(display.bitsPerPixel, CurrentBitsPerPixel());
    EXPECT_NE(display.refresh, DisplaySettings::kAnyRefresh);
    ASSERT_FALSE(display.Monitors().empty());
    EXPECT_TRUE(display.monitorRect.left == 0 && display.monitorRect.top == 0 && display.monitorRect.right == 0 &&
                display.monitorRect.bottom == 0)
        << "no window, no monitor";
}

TEST(DisplaySettings, FindsTheMonitorThatHoldsTheWindowsCorner)
{
    DisplaySettings display;
    TestWindow inside(Rect(100, 100, 300, 200));
    ASSERT_TRUE(display.Capture(inside.Hwnd()));
    const RECT& first = display.Monitors().front().rcMonitor;
    EXPECT_EQ(display.monitorRect.left, first.left);
    EXPECT_EQ(display.monitorRect.right, first.right);
    EXPECT_EQ(display.monitorRect.bottom, first.bottom);
    EXPECT_STREQ(display.MonitorOf(inside.Hwnd()), display.Monitors().front().szDevice);

    // Only the top-left corner counts: a window hanging off the left edge
    // belongs to no monitor.
    TestWindow outside(Rect(-5000, -5000, -4800, -4900));
    EXPECT_EQ(display.MonitorOf(outside.Hwnd()), nullptr);
    EXPECT_EQ(display.monitorRect.Width(), 0);
    TestWindow straddling(Rect(-50, 100, 150, 200));
    EXPECT_EQ(display.MonitorOf(straddling.Hwnd()), nullptr);
    EXPECT_EQ(display.MonitorOf(nullptr), nullptr);
}

TEST(DisplaySettings, FindModeMatchesSizeDepthAndRate)
{
    DisplaySettings display;
    ASSERT_TRUE(display.Capture(nullptr));
    display.bitsPerPixel = 16;
    display.refresh = DisplaySettings::kAnyRefresh;
    ASSERT_TRUE(display.FindMode(nullptr));
    EXPECT_EQ(display.Mode().dmBitsPerPel, 16u);
    EXPECT_EQ(static_cast<int32_t>(display.Mode().dmPelsWidth), display.width);

    display.width = 1234;
    EXPECT_FALSE(display.FindMode(nullptr));
}

TEST(DisplaySettings, TestModeFallsBackToAnyRefreshRate)
{
    const int original = CurrentBitsPerPixel();
    DisplaySettings display;
    ASSERT_TRUE(display.Capture(nullptr));
    display.bitsPerPixel = 16;
    display.refresh = 75; // no mode of this rate here
    TestWindow window;
    EXPECT_TRUE(display.TestMode(window.Hwnd()));
    EXPECT_EQ(display.refresh, DisplaySettings::kAnyRefresh);
    EXPECT_EQ(display.Mode().dmFields, 0x1C0000u);
    EXPECT_FALSE(display.IsModeChanged()) << "a test changes nothing";
    EXPECT_EQ(CurrentBitsPerPixel(), original);

    display.width = 1234;
    EXPECT_FALSE(display.TestMode(window.Hwnd()));
}

TEST(DisplaySettings, ModeSwitchIsUndoneByRestoreAndByTheDestructor)
{
    const int original = CurrentBitsPerPixel();
    const int other = original == 16 ? 32 : 16;
    TestWindow window;
    {
        DisplaySettings display;
        ASSERT_TRUE(display.Capture(window.Hwnd()));
        display.bitsPerPixel = other;
        ASSERT_TRUE(display.ApplyMode(window.Hwnd()));
        EXPECT_TRUE(display.IsModeChanged());
        EXPECT_EQ(CurrentBitsPerPixel(), other);
        ASSERT_TRUE(display.RestoreMode());
        EXPECT_FALSE(display.IsModeChanged());
        EXPECT_EQ(CurrentBitsPerPixel(), original);

        ASSERT_TRUE(display.ApplyMode(window.Hwnd()));
        EXPECT_EQ(CurrentBitsPerPixel(), other);
    }
    EXPECT_EQ(CurrentBitsPerPixel(), original) << "the destructor puts the stored mode back";
}

TEST(DisplaySettings, ListDevicesShowsEachAttachedDevice)
{
    MessageBoxWatcher watcher;
    DisplaySettings display;
    EXPECT_EQ(display.ListDevices(), 0);
    ASSERT_FALSE(display.Devices().empty());
    ASSERT_TRUE(watcher.WaitFor(display.Devices().size()));
    const MessageBoxWatcher::Box box = watcher.Boxes().front();
    EXPECT_EQ(box.caption, "info");
    const DISPLAY_DEVICEA& device = display.Devices().front();
    EXPECT_TRUE(device.StateFlags & DISPLAY_DEVICE_ATTACHED_TO_DESKTOP);
    // A set flag prints as its mask value.
    EXPECT_EQ(box.text.rfind("Attached to desktop 1\nMulti Driver ", 0), 0u) << box.text;
    if (device.StateFlags & DISPLAY_DEVICE_PRIMARY_DEVICE) {
        EXPECT_NE(box.text.find("Primary Device 4\n"), std::string::npos) << box.text;
    }
    EXPECT_NE(box.text.find(std::string("\n") + device.DeviceName + "\n"), std::string::npos) << box.text;
}

// The log file is written in text mode: lines end in "\r\n".
std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

TEST(DisplaySettings, DumpDevModeWritesOneLinePerField)
{
    TempDir folder;
    ScopedWorkingDirectory inFolder(folder.Path());
    ASSERT_TRUE(inFolder.Ok());

    DEVMODEA mode;
    std::memset(&mode, 0, sizeof mode);
    // Names that fill their fields with no terminator.
    std::memset(mode.dmDeviceName, 'D', sizeof mode.dmDeviceName);
    std::memset(mode.dmFormName, 'F', sizeof mode.dmFormName);
    mode.dmSize = 156;
    mode.dmFields = 0x1C0000;
    mode.dmOrientation = -3;
    mode.dmCollate = 7;
    mode.dmLogPixels = 96;
    mode.dmBitsPerPel = 16;
    mode.dmPelsWidth = 1024;
    mode.dmPanningHeight = 9;
    DisplaySettings::DumpDevMode("title", mode);

    std::string text;
    ASSERT_TRUE(ReadWholeFile(folder.File("DebugLF.DLF"), text));
    const std::vector<std::string> lines = Lines(text);
    ASSERT_EQ(lines.size(), 35u) << text;
    EXPECT_EQ(lines[0], "title");
    EXPECT_EQ(lines[1], std::string(32, 'D'));
    EXPECT_EQ(lines[4], "156");
    EXPECT_EQ(lines[6], "1835008");
    EXPECT_EQ(lines[7], "-3") << "the printer fields print signed";
    EXPECT_EQ(lines[19], "7");
    EXPECT_EQ(lines[20], std::string(32, 'F'));
    EXPECT_EQ(lines[21], "96");
    EXPECT_EQ(lines[22], "16");
    EXPECT_EQ(lines[23], "1024");
    EXPECT_EQ(lines[34], "9");
}

} // namespace
