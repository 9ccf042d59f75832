#pragma once

// Checks of the main window that several editions share, run on the
// program's own window (made with the edition adopted).
#include "app/edition.h"
#include "app/program.h"
#include "app/settings_dialog.h"
#include "app/shell.h"
#include "base/graphics/effect.h"
#include "base/util/library_options.h"
#include "tests/shell/queued_messages.h"
#include "tests/shell/timer_watch.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <vector>

// An edition's main window, made as the program makes it (SetUp calls
// MakeMainWindowFor), with the shell's state fresh and setting.dat in a
// folder of the test's own.
class EditionShellTest : public ::testing::Test {
protected:
    void MakeMainWindowFor(const EditionParameters& edition)
    {
        cEffect::InitCpu();
        AdoptEdition(edition);
        ASSERT_EQ(CreateMainWindow(GetModuleHandleA(nullptr)), nullptr);
        TheApplication.mainWindow = MainWindow.Hwnd();
        Settings.path = settingsFolder_.File("setting.dat");
    }
    void TearDown() override
    {
        MainWindow.Timer.Set(0);
        if (TheApplication.modelessDialogs[0] != nullptr)
            DestroyWindow(TheApplication.modelessDialogs[0]);
        TheApplication.modelessDialogs[0] = nullptr;
        // The library's own form again for the tests that follow.
        SetLibraryOptions(kStandardLibraryOptions);
    }

    HWND Window() const { return MainWindow.Hwnd(); }
    RECT WindowRect() const
    {
        RECT rect = {};
        GetWindowRect(Window(), &rect);
        return rect;
    }

    TempDir settingsFolder_;
};

// An edition that does not follow the display: WM_DISPLAYCHANGE takes the
// default road, the window stays where it is, and the stored desktop size
// is not captured again.
inline void ExpectADisplayChangeToMoveNothing()
{
    HWND window = MainWindow.Hwnd();
    MoveWindow(window, 40, 30, 120, 90, FALSE);
    Shell.WindowX = 40;
    Shell.WindowY = 30;
    const int32_t capturedWidth = Display.width;
    const int32_t capturedHeight = Display.height;
    Display.width = 640; // a capture would put the desktop's own size here
    Display.height = 480;
    TakeQueued(window, WM_TIMER);

    const WPARAM depth = 16;
    const LPARAM size = MAKELPARAM(800, 600);
    const LRESULT answer = SendMessageA(window, WM_DISPLAYCHANGE, depth, size);
    EXPECT_EQ(answer, DefWindowProcA(window, WM_DISPLAYCHANGE, depth, size));
    EXPECT_EQ(Display.width, 640) << "not captured again";
    EXPECT_EQ(Display.height, 480);
    EXPECT_EQ(Shell.WindowX, 40);
    EXPECT_EQ(Shell.WindowY, 30);
    RECT rect = {};
    GetWindowRect(window, &rect);
    EXPECT_EQ(rect.left, 40);
    EXPECT_EQ(rect.top, 30);
    EXPECT_EQ(TakeQueued(window, WM_TIMER), 0);
    Display.width = capturedWidth;
    Display.height = capturedHeight;
}

// An edition without a walk: closing the settings dialog restarts timer 1
// at the normal 100 ms whatever plays.
inline void ExpectTheDialogToRestartTheTimerAtTheNormalPeriod(const std::vector<int32_t>& actions)
{
    HWND window = MainWindow.Hwnd();
    for (int32_t action : actions) {
        SCOPED_TRACE(action);
        Shell.CurrentAction = action;
        MainWindow.Timer.Set(100);
        OpenSettingsDialog();
        HWND dialog = TheApplication.modelessDialogs[0];
        ASSERT_NE(dialog, nullptr);
        TakeQueued(window, WM_TIMER);
        SendMessageA(dialog, WM_COMMAND, IDOK, 0);
        const TimerWatch watch = WatchTimer(window, 700);
        ASSERT_GE(watch.ticks, 3) << "the timer runs again";
        EXPECT_GE(watch.meanGap, 80u) << "100 ms, with no walk period";
        MainWindow.Timer.Set(0);
    }
}
