#pragma once

#include "app/behaviour_parameters.h"

#include <windows.h>

#include <cstdint>

// The state the program keeps for the whole run: what the character plays,
// where its window stands and what the mouse did. The behaviour engine reads
// and writes it on every tick; the window procedure feeds the mouse into it.
struct ShellState {
    // The running action, which is also the index of the slot being played.
    int32_t CurrentAction = 0;
    // Millisecond-clock stamps of the last action change and the last mail
    // attempt; 0 means not started.
    uint32_t ActionClock = 0;
    uint32_t MailClock = 0;
    // The character's place on the screen: the window's top-left corner,
    // or the base an edition's own placement puts each frame's window
    // from (ShellParameters::placeFrame). Dragged, stored and restored the
    // same either way.
    int32_t WindowX = 0;
    int32_t WindowY = 0;
    // Client position of the last left-button press.
    POINT ClickPoint{};
    // Screen cursor position at the last press or drag step.
    POINT LastCursorPoint{};
    // A press and release without a drag happened since the last tick.
    bool Clicked = false;
    // The current press has become a drag.
    bool Dragged = false;
    // A mail-error box is open.
    bool ErrorBoxBusy = false;
    // The window has not been shown yet.
    bool ShowPending = true;
    // The window position when the walk toward the cursor began.
    POINT WalkStart{};
    // Local time at the last hour chime (at start-up before the first).
    SYSTEMTIME LastLocalTime{};
    // Mailbox count and size last announced.
    int32_t LastMailCount = 0;
    int32_t LastMailSize = 0;
    // Clicks counted by an edition whose every third click in one area
    // plays an action of its own.
    int32_t ClickCount = 0;
};

// Window positions may come from setting.dat, so sums with them are made in
// 64 bits and brought back into range rather than overflowing.
int32_t ClampToInt32(int64_t value);

// The window's start-up position: the desktop centre minus the character's
// origin offsets.
void PlaceAtDesktopCentre(ShellState& state, int32_t desktopWidth, int32_t desktopHeight,
                          const BehaviourParameters& parameters);

// Left button pressed: pressLParam is the message's lParam (client x and y
// as unsigned words), cursor the screen cursor position.
void PressLeftButton(ShellState& state, uint32_t pressLParam, POINT cursor);

// The cursor moved with only the left button held: the window follows the
// cursor. True when the step was diagonal, which makes the press a drag and
// asks for an immediate tick so the window follows at once; a step along
// one axis moves the window only at the next regular tick.
bool DragStep(ShellState& state, POINT cursor);

// Left button released: a press that never became a drag is a click.
void ReleaseLeftButton(ShellState& state);
