#pragma once

#include <windows.h>

#include <cstdint>

struct ShellState;
struct BehaviourParameters;

// The program's own start-up after the window exists and before the message
// loop: loading the animations, the menu, the tray icon, the timer and the
// stored settings.
using StartUpFunction = void (*)();

// The period timer 1 restarts at when the settings dialog closes.
using DialogTimerFunction = uint32_t (*)(const ShellState& state, const BehaviourParameters& behaviour);

// What the program shell of one edition is made of. The defaults are the
// reference edition's values; the window's origin offsets are the
// behaviour's (BehaviourParameters::originOffsetX and Y).
struct ShellParameters {
    // The character archive, opened relative to the working directory.
    const char* archiveName = "quenna.pac";
    // The script of slot i is this pattern formatted with i.
    const char* scriptPattern = "quenna%02d.ttp";
    // Slots 0 .. slotCount - 1: one animation per action.
    int32_t slotCount = 26;
    // The window class name, the window title and the tray icon's tip.
    const char* windowName = "quennacot";
    // The resource id of the tray icon.
    uint16_t trayIconId = 111;

    // The functions an edition may replace; null takes the shared one.
    // The main window procedure (MainWndProc).
    WNDPROC windowProcedure = nullptr;
    // Start-up (DefaultStartUp).
    StartUpFunction startUp = nullptr;
    // The timer period after the settings dialog (WalkAwareDialogTimer).
    DialogTimerFunction dialogCloseTimer = nullptr;
};
