#pragma once

#include "app/settings_record.h"
#include "app/shell_state.h"
#include "base/window/application.h"
#include "base/window/window_control.h"

// The objects the program keeps for its whole run. Windows reaches the
// program only through its window and dialog procedures, which find these
// here. They are built before WinMain in the order declared and destroyed
// in the reverse order at exit.
extern Application TheApplication;
extern WindowControl MainWindow;
extern ShellState Shell;
extern SettingsRecord Settings;
