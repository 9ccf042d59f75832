#pragma once

#include <windows.h>

#include <string>

struct EditionParameters;

// The whole run of the program with the edition's table: the window,
// start-up, the message loop until the window is closed, and the shut-down
// that writes setting.dat. Returns the process's exit code.
int RunProgram(HINSTANCE instance, const EditionParameters& edition);

// Makes the table the one the program runs with (Edition()), before
// anything reads it: the base library's options, the animation slots, the
// settings record with its path, the random pickers and the behaviour. The
// table must outlive the program. Called again, it starts over with another
// table (the slots are emptied, the settings back to their defaults).
void AdoptEdition(const EditionParameters& edition);

// Registers the main window class with the edition's window procedure and
// creates the hidden main window, then places it at the desktop centre less
// the character's origin. False when the window could not be made.
bool CreateMainWindow(HINSTANCE instance);

// The shared start-up: every slot's script, the popup menu, the tray icon,
// the behaviour's start (timer, idle animation, clocks), the settings from
// setting.dat and the z-order they ask for.
void DefaultStartUp();

// The archive entry name of slot's script.
std::string ScriptName(const char* pattern, int slot);
