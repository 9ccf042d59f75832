#pragma once

#include "app/settings_dialog.h"
#include "app/shell.h"
#include "tests/shell/queued_messages.h"
#include "tests/shell/timer_watch.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <initializer_list>

// Opens the settings dialog over the adopted edition's main window while each
// action plays, closes it with OK and watches timer 1: it runs again at the
// normal period (100 ms), whatever played.
inline void ExpectTheDialogRestartsTheTimerAtTheNormalPeriod(std::initializer_list<int32_t> actions)
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
