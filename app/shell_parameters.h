#pragma once

#include <windows.h>

#include <cstdint>

struct ShellState;
struct BehaviourParameters;
struct FrameInfo;
struct FrameMedia;

// The program's own start-up after the window exists and before the message
// loop: loading the animations, the menu, the tray icon, the timer and the
// stored settings.
using StartUpFunction = void (*)();

// The period timer 1 restarts at when the settings dialog closes.
using DialogTimerFunction = uint32_t (*)(const ShellState& state, const BehaviourParameters& behaviour);

// The normal period, whatever plays: for the editions without a walk, and
// for the one whose walk goes on at the normal period after the dialog.
uint32_t NormalDialogTimer(const ShellState& state, const BehaviourParameters& behaviour);

// A frame about to be shown on the main window, with the slot that shows
// it; for an alias, the frame whose picture it borrows.
struct FramePlacement {
    const ShellState& state;
    int32_t slot;
    const FrameInfo& frame;
    const FrameMedia& media;
    HWND window;
};

// Where the window's top-left corner stands while the frame is shown.
using FramePlacementFunction = POINT (*)(const FramePlacement& shown);

// The shell's window position, whatever the frame: for the editions whose
// frames all share one canvas.
POINT PlaceAtWindowPosition(const FramePlacement& shown);

// What the program shell of one edition is made of. Each edition writes the
// whole table out.
struct ShellParameters {
    // The character archive, opened relative to the working directory.
    const char* archiveName;
    // The script of slot i is this pattern formatted with i.
    const char* scriptPattern;
    // Slots 0 .. slotCount - 1: one animation per action.
    int32_t slotCount;
    // The window class name, the window title and the tray icon's tip.
    const char* windowName;
    // The resource id of the tray icon.
    uint16_t trayIconId;

    // Whether the main window takes a change of the display mode in
    // (WM_DISPLAYCHANGE captures the new mode); otherwise the message takes
    // the default road and the first capture stands.
    bool followDisplayChanges;

    // The program's start-up (DefaultStartUp, or the edition's own).
    StartUpFunction startUp;
    // The timer period after the settings dialog.
    DialogTimerFunction dialogCloseTimer;
    // Where the window stands for each frame shown.
    FramePlacementFunction placeFrame;
};
