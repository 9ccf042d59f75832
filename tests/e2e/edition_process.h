#pragma once

#include "app/edition.h"
#include "app/settings_record.h"
#include "tests/support/documents_folder_lock.h"
#include "tests/support/temp_dir.h"
#include "tools/demo_character/demo_markers.h"

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// An edition's program as the build made it, with its demo character's
// archive (both paths in Windows form) and where that character's pictures
// carry their marker.
struct EditionProgram {
    const EditionParameters& edition;
    std::string program;
    std::string archive;
    DemoMarkerPlace marker;
};

// The editions' programs of this build.
const EditionProgram& QuennaProgram();
const EditionProgram& PelmoProgram();
const EditionProgram& TavriProgram();
const EditionProgram& SorlunProgram();
const EditionProgram& IvrelProgram();

// An edition's program run as the user would run it: its own process with
// the demo character's archive in its working folder, under the test's
// control. Its setting.dat lies in the documents folder of the session's
// Wine user, which the test holds for itself while the object lives.
class EditionProcess {
public:
    // Makes the edition's settings folders in the documents folder (the
    // program never makes them) without a setting.dat, and the working
    // folder with the archive under the edition's archive name.
    explicit EditionProcess(const EditionProgram& program);
    // Ends a program still running, without letting it save, and removes
    // the settings folders (all of them, from the outermost down, so that no
    // run leaves them to the next).
    ~EditionProcess();
    EditionProcess(const EditionProcess&) = delete;
    EditionProcess& operator=(const EditionProcess&) = delete;

    // The demo archive as the program will find it; ReplaceArchive puts
    // other bytes in its place.
    bool ReadArchive(std::string& bytes) const;
    bool ReplaceArchive(const std::string& bytes);

    // setting.dat for the next start, laid out as the edition lays it out.
    bool WriteSettings(const SettingsRecord& record, int32_t windowX, int32_t windowY);
    // Reads setting.dat back as the edition reads it; false when there is
    // none.
    bool ReadSettings(SettingsRecord& record, int32_t& windowX, int32_t& windowY);
    std::string SettingsPath() const { return settingsPath_; }

    // Starts the program and waits until its window is visible. A run
    // before it is ended first.
    bool Start();
    // Waits for the program to end by itself; its exit code or -1.
    int WaitForExit(DWORD timeoutMs = 10000);
    // Ends the program with "終了(&E)" from the menu that a right click on
    // the character at canvas point opens; its exit code, or -1 when the
    // menu does not open or the program does not end.
    int ExitThroughTheMenu(POINT onCharacter);
    // The same with the right click at a point of the screen (the
    // program's tray icon, say).
    int ExitThroughTheMenuAt(POINT onScreen);
    bool Running() const;

    HWND Window() const { return window_; }
    RECT WindowRect() const;
    // The top-level window of the program with this class and caption
    // (empty: any), or null.
    HWND FindProcessWindow(const std::string& className, const std::string& caption) const;

    // The marker's cells on the window's canvas as the window stands now.
    DemoMarkerBox Marker() const;
    // The slot and frame the window shows now, read from the picture's
    // marker on the screen; false when no marker can be read.
    bool ShownFrame(int& slot, int& frame) const;
    // Waits until the shown frame meets the test; false on time-out.
    bool WaitForFrame(const std::function<bool(int slot, int frame)>& wanted, DWORD timeoutMs) const;

private:
    void Forget();

    const EditionProgram& program_;
    DocumentsFolderLock documentsLock_;
    TempDir workFolder_;
    std::string settingsPath_;
    std::string outermostFolder_;
    PROCESS_INFORMATION process_ = {};
    HWND window_ = nullptr;
};

// The folders that lead to the file at path below the folder base (which
// path begins with), outermost first. Only a real separator divides them:
// a '\' that is the second byte of a double-byte character (as in "ソ" or
// "表") belongs to its name.
std::vector<std::string> FoldersBelow(const std::string& base, const std::string& path);

// A point of the window's client area (the character canvas) on the screen.
POINT OnScreen(const RECT& window, POINT canvas);

// Waits until done() is true; done()'s last answer.
bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs);

// The screen pixel as 0x00RRGGBB.
uint32_t ScreenPixel(int32_t x, int32_t y);
// The screen's pixels in rect, row by row, as 0x00RRGGBB.
std::vector<uint32_t> ScreenPixels(const RECT& rect);
// The layout of a top-down 32-bit picture of that size, rows without gaps.
BITMAPINFO TopDown32BitLayout(int32_t width, int32_t height);

// The mouse as the user moves it: the system's own input, at screen points.
void MoveMouse(int32_t x, int32_t y);
void PressLeft();
void ReleaseLeft();
void ClickLeft(int32_t x, int32_t y);
void ClickRight(int32_t x, int32_t y);

// Chooses the item at position (from 0) of the popup menu that is open now,
// as the keyboard would; false when no menu opens in time.
bool ChooseMenuItem(int position);
