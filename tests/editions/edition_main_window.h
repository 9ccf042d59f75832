#pragma once

// An edition's main window on a real display, made as the program makes it,
// with the shell's state fresh and setting.dat in a folder of the test's
// own.
#include "app/edition.h"
#include "app/main_window.h"
#include "app/program.h"
#include "app/shell.h"
#include "base/graphics/effect.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <windows.h>

class EditionMainWindow : public ::testing::Test {
protected:
    void Make(const EditionParameters& edition)
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
