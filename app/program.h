#pragma once

#include <windows.h>

#include <string>

struct EditionParameters;

// The whole run of the program with the edition's table: the window,
// start-up, the message loop until the window is closed, and the shut-down
// that writes setting.dat. Returns the process's exit code. A program that
// cannot make its window ends in the fatal-error box (exit code -1) before
// start-up, with setting.dat untouched.
int RunProgram(HINSTANCE instance, const EditionParameters& edition);
// The same with the edition adopted already.
int RunAdoptedProgram(HINSTANCE instance);

// Makes the table the one the program runs with (Edition()), before
// anything reads it: the base library's options, the animation slots, the
// settings record with its path, the random pickers and the behaviour. The
// table must outlive the program. Called again, it starts over with another
// table (the slots are emptied, the settings back to their defaults).
void AdoptEdition(const EditionParameters& edition);

// Registers the main window class with the edition's window procedure and
// creates the hidden main window, then places it at the desktop centre less
// the character's origin. Null when the window was made; otherwise what
// failed, in the words of the fatal-error box.
const char* CreateMainWindow(HINSTANCE instance);

// The shared start-up: every slot's script by the edition's pattern, then
// AddMenuAndTrayIcon, the behaviour's start (timer, idle animation, clocks)
// and LoadStoredSettings.
void DefaultStartUp();

// The pieces every edition's start-up is built from, besides the
// behaviour's (BehaviourEngine::StartTimer and StampClocks):
// The popup menu ("設定(&S)", "終了(&E)") and the tray icon with the
// edition's tip and icon.
void AddMenuAndTrayIcon();
// The settings and the character's place from setting.dat (the runtime's
// generator, which fills setting.dat, seeded first), and the z-order they
// ask for.
void LoadStoredSettings();

// Writes setting.dat as the end of the program does: the settings record
// with the character's place. Both ways a run ends save through it: the
// close of the window, and the end of the session, after which Windows ends
// the process without closing it. False when the file cannot be written.
bool SaveSettingsAtExit();

// The archive entry name of slot's script.
std::string ScriptName(const char* pattern, int slot);
