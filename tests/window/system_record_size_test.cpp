// The system records whose 32-bit sizes the library checks at compile time
// in the i686 build, handed to the calls that take them. The i686 run passes
// each stated size and shows the system takes the record at that size; the
// x86_64 run passes what the library passes there (sizeof the record, or
// NOTIFYICONDATAA_V1_SIZE), where several of those sizes are larger.

#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "tests/window/window_test_support.h"

namespace {

#if defined(_WIN64)
constexpr bool kBuild32 = false;
#else
constexpr bool kBuild32 = true;
#endif

// A zeroed record with room behind it, so that a size above the record's
// own can be offered without the system reading or writing past it.
template <typename Record> struct Padded {
    Record record;
    char spare[16];
    Padded() { std::memset(this, 0, sizeof *this); }
};

// Each call below gives the system a record of the given size and tells
// whether the system took it and answered in the fields where this build's
// headers place them; a check of the record's last field shows the size
// reaches to its end.

bool RegisterClassWithSize(UINT size)
{
    Padded<WNDCLASSEXA> padded;
    WNDCLASSEXA& wc = padded.record;
    wc.cbSize = size;
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = TestInstance();
    wc.lpszClassName = "RecordSizeTestClass";
    wc.hIconSm = LoadIconA(nullptr, MAKEINTRESOURCEA(32512));
    if (RegisterClassExA(&wc) == 0)
        return false;
    UnregisterClassA(wc.lpszClassName, wc.hInstance);
    return true;
}

bool GetVersionWithSize(UINT size)
{
    Padded<OSVERSIONINFOA> padded;
    padded.record.dwOSVersionInfoSize = size;
    return GetVersionExA(&padded.record) && padded.record.dwPlatformId == VER_PLATFORM_WIN32_NT;
}

bool CheckMenuItemWithSize(UINT size)
{
    HMENU menu = CreatePopupMenu();
    AppendMenuA(menu, MF_STRING, 1, "item");
    Padded<MENUITEMINFOA> padded;
    padded.record.cbSize = size;
    padded.record.fMask = MIIM_STATE;
    padded.record.fState = MFS_CHECKED;
    const bool taken =
        SetMenuItemInfoA(menu, 0, TRUE, &padded.record) && (GetMenuState(menu, 0, MF_BYPOSITION) & MF_CHECKED) != 0;
    DestroyMenu(menu);
    return taken;
}

bool InsertMenuItemWithSize(UINT size)
{
    HMENU menu = CreatePopupMenu();
    char text[] = "inserted";
    Padded<MENUITEMINFOA> padded;
    padded.record.cbSize = size;
    padded.record.fMask = MIIM_ID | MIIM_STRING;
    padded.record.wID = 7;
    padded.record.dwTypeData = text;
    char read[16] = {};
    const bool taken = InsertMenuItemA(menu, 0, TRUE, &padded.record) && GetMenuItemID(menu, 0) == 7 &&
                       GetMenuStringA(menu, 0, read, sizeof read, MF_BYPOSITION) > 0 && std::string(read) == text;
    DestroyMenu(menu);
    return taken;
}

// NIM_ADD, then NIM_DELETE of the same icon; a second NIM_DELETE finds
// nothing, so the first really removed the icon the add made.
bool AddAndDeleteTrayIconWithSize(UINT size)
{
    TestWindow window;
    Padded<NOTIFYICONDATAA> padded;
    NOTIFYICONDATAA& icon = padded.record;
    icon.cbSize = size;
    icon.hWnd = window.Hwnd();
    icon.uID = 3;
    icon.uFlags = NIF_ICON | NIF_TIP;
    icon.hIcon = LoadIconA(nullptr, MAKEINTRESOURCEA(32512));
    std::strcpy(icon.szTip, "record size");
    const bool added = Shell_NotifyIconA(NIM_ADD, &icon) != 0;
    const bool deleted = Shell_NotifyIconA(NIM_DELETE, &icon) != 0;
    const bool deletedTwice = Shell_NotifyIconA(NIM_DELETE, &icon) != 0;
    return added && deleted && !deletedTwice;
}

// The cursor's place is the record's last field.
bool GetCursorInfoWithSize(UINT size)
{
    if (!SetCursorPos(123, 45))
        return false;
    Padded<CURSORINFO> padded;
    padded.record.cbSize = size;
    return GetCursorInfo(&padded.record) && padded.record.ptScreenPos.x == 123 && padded.record.ptScreenPos.y == 45;
}

bool InitCommonControlsWithSize(UINT size)
{
    Padded<INITCOMMONCONTROLSEX> padded;
    padded.record.dwSize = size;
    padded.record.dwICC = ICC_DATE_CLASSES;
    return InitCommonControlsEx(&padded.record) != 0;
}

bool EnumDisplaySettingsWithSize(UINT size)
{
    Padded<DEVMODEA> padded;
    DEVMODEA& mode = padded.record;
    mode.dmSize = static_cast<WORD>(size);
    return EnumDisplaySettingsA(nullptr, ENUM_CURRENT_SETTINGS, &mode) &&
           static_cast<int>(mode.dmPelsWidth) == GetSystemMetrics(SM_CXSCREEN) &&
           static_cast<int>(mode.dmPelsHeight) == GetSystemMetrics(SM_CYSCREEN);
}

// The device name is the record's last field.
bool GetMonitorInfoWithSize(UINT size)
{
    Padded<MONITORINFOEXA> padded;
    MONITORINFOEXA& info = padded.record;
    info.cbSize = size;
    const HMONITOR primary = MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY);
    return GetMonitorInfoA(primary, &info) &&
           info.rcMonitor.right - info.rcMonitor.left == GetSystemMetrics(SM_CXSCREEN) && info.szDevice[0] != '\0';
}

// The registry key is the record's last field; the system fills it only
// when the size covers all of it.
bool EnumDisplayDevicesWithSize(UINT size)
{
    Padded<DISPLAY_DEVICEA> padded;
    DISPLAY_DEVICEA& device = padded.record;
    device.cb = size;
    return EnumDisplayDevicesA(nullptr, 0, &device, 0) && device.DeviceName[0] != '\0' && device.DeviceKey[0] != '\0';
}

struct RecordCase {
    const char* call;
    UINT size32;   // the size the library states for the 32-bit system
    UINT sizeHere; // what the library passes in this build
    // The call refuses sizes it does not know, a longer record among them.
    // The others take any size, so the fields they fill are what shows the
    // size fits.
    bool sizeChecked;
    bool (*takenWithSize)(UINT size);
};

const RecordCase kRecords[] = {
    {"RegisterClassExA (WNDCLASSEXA)", 48, sizeof(WNDCLASSEXA), true, RegisterClassWithSize},
    {"GetVersionExA (OSVERSIONINFOA)", 148, sizeof(OSVERSIONINFOA), true, GetVersionWithSize},
    {"SetMenuItemInfoA (MENUITEMINFOA)", 48, sizeof(MENUITEMINFOA), true, CheckMenuItemWithSize},
    {"InsertMenuItemA (MENUITEMINFOA)", 48, sizeof(MENUITEMINFOA), true, InsertMenuItemWithSize},
    {"Shell_NotifyIconA (first NOTIFYICONDATAA)", 88, NOTIFYICONDATAA_V1_SIZE, false, AddAndDeleteTrayIconWithSize},
    {"GetCursorInfo (CURSORINFO)", 20, sizeof(CURSORINFO), false, GetCursorInfoWithSize},
    {"InitCommonControlsEx (INITCOMMONCONTROLSEX)", 8, sizeof(INITCOMMONCONTROLSEX), true, InitCommonControlsWithSize},
    {"EnumDisplaySettingsA (DEVMODEA)", 156, sizeof(DEVMODEA), false, EnumDisplaySettingsWithSize},
    {"GetMonitorInfoA (MONITORINFOEXA)", 72, sizeof(MONITORINFOEXA), true, GetMonitorInfoWithSize},
    {"EnumDisplayDevicesA (DISPLAY_DEVICEA)", 424, sizeof(DISPLAY_DEVICEA), false, EnumDisplayDevicesWithSize},
};

TEST(SystemRecordSizes, EachCallTakesTheSizeThisBuildPasses)
{
    for (const RecordCase& c : kRecords) {
        const UINT size = kBuild32 ? c.size32 : c.sizeHere;
        EXPECT_TRUE(c.takenWithSize(size)) << c.call << " with size " << size;
    }
}

TEST(SystemRecordSizes, CallsThatCheckTheSizeRefuseALongerRecord)
{
    for (const RecordCase& c : kRecords) {
        if (!c.sizeChecked)
            continue;
        const UINT size = kBuild32 ? c.size32 : c.sizeHere;
        // So that their taking the size above means something.
        EXPECT_FALSE(c.takenWithSize(size + 4)) << c.call << " with size " << size + 4;
        // Here the 32-bit size is the wrong one: what the library must not pass.
        if (!kBuild32 && c.size32 != c.sizeHere) {
            EXPECT_FALSE(c.takenWithSize(c.size32)) << c.call << " with the 32-bit size " << c.size32;
        }
    }
}

} // namespace
