#pragma once

#include "app/animation_frames.h"
#include "app/behaviour_engine.h"
#include "app/settings_record.h"
#include "app/shell_host.h"
#include "app/shell_state.h"
#include "base/window/application.h"
#include "base/window/display_settings.h"
#include "base/window/menu.h"
#include "base/window/window_control.h"

#include <vector>

// The objects the program keeps for its whole run. Windows reaches the
// program only through its window and dialog procedures, which find these
// here. They are built before WinMain in the order declared and destroyed
// in the reverse order at exit.
extern Application TheApplication;
extern WindowControl MainWindow;
extern PopupMenuItems PopupItems;
// One per action (the edition's slot count), empty until start-up loads them.
extern std::vector<CharacterSlot> Slots;
extern ShellState Shell;
extern SettingsRecord Settings;
extern DisplaySettings Display;
extern ShellHost Host;
extern BehaviourEngine Engine;
