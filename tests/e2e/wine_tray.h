#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

// Wine's own notification area as a test can read it from outside. When the
// X display has no system tray (as under Xvfb), Wine's X11 driver shows the
// tray in a window of its own, in the process that keeps the tray: each
// icon there is a small window of class "__winex11_tray_icon" painted with
// the icon the program handed over, and each icon's tip is a tooltip window
// of that process that opens while the mouse rests on the icon. With a
// system tray on the display the icon windows stand alone, of the same
// class.

// The icon windows of the tray now, whichever programs added them.
std::vector<HWND> TrayIconWindows();

// The icon windows of the tray now that are not among before.
std::vector<HWND> TrayIconsAddedSince(const std::vector<HWND>& before);

// The tip the tray shows for the icon in iconWindow: the text of the
// tooltip that opens when the mouse comes to rest on the icon. Empty when
// none opens in time. The mouse stays on the icon.
std::string TrayIconTip(HWND iconWindow, DWORD timeoutMs);

// The picture the tray paints for icon in an icon window of size: the icon
// at the system's small-icon size, centred, drawn over background; row by
// row as 0x00RRGGBB.
std::vector<uint32_t> TrayIconPicture(HICON icon, SIZE size, uint32_t background);
