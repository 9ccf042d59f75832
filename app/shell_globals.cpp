#include "app/edition.h"
#include "app/shell.h"

#include <algorithm>

// One translation unit, so the objects are built in this order.
Application TheApplication;
WindowControl MainWindow;
PopupMenuItems PopupItems;
std::vector<CharacterSlot> Slots(static_cast<size_t>(std::max(0, Edition().shell.slotCount)));
ShellState Shell;
SettingsRecord Settings = InitSettings();
DisplaySettings Display;
ShellHost Host(Slots, Settings, Shell, MainWindow, Edition().behaviour.pickerSeed);
BehaviourEngine Engine(Shell, Host, Edition().behaviour);
