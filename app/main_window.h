#pragma once

#include <windows.h>

#include <cstdint>

// Commands of the popup menu.
constexpr UINT kSettingsCommand = 0x2000;
constexpr UINT kExitCommand = 0x1000;

// The caption of the mail-error boxes, and the text of each failure code
// (1 to 4; null for any other code).
extern const char kMailErrorCaption[];
const char* MailErrorText(WPARAM code);

// The procedure of the main window, every edition's: the timer ticks the
// behaviour, the mouse presses, drags and clicks the character, the menu and
// the tray icon open the settings or end the program, WM_USER also reports
// mail failures, the end of the session saves the settings, and a change of
// the display is captured again where the edition follows the display
// (ShellParameters::followDisplayChanges).
LRESULT CALLBACK MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
