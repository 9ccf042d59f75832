#pragma once

#include "app/behaviour_parameters.h"
#include "app/shell_state.h"

#include <windows.h>

#include <cstdint>

// The dialog template of the settings dialog.
constexpr uint32_t kSettingsDialogId = 102;

// Opens the modeless settings dialog over the main window and keeps it in
// the application's first modeless slot. While it is open the character
// stands still (timer 1 stopped) and is not topmost. A dialog already open
// is brought to the front instead: the dialog's controls are one shared set,
// so a second one would take them over from the first.
void OpenSettingsDialog();

// The dialog procedure: fills the controls from Settings, stores them on OK
// (nothing on Cancel), and on closing restores the z-order from its own
// "always on top" box and restarts timer 1 at the edition's period
// (ShellParameters::dialogCloseTimer).
INT_PTR CALLBACK SettingsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
