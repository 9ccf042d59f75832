#include "app/shell.h"

// One translation unit, so the objects are built in this order.
Application TheApplication;
WindowControl MainWindow;
ShellState Shell;
SettingsRecord Settings = InitSettings();
