// Pelmo's program shell on real windows: its main window, the display
// change it does not follow, the settings dialog's timer, and the jump's
// place as the window shows it and the end of the session stores it.
#include "app/edition.h"
#include "app/main_window.h"
#include "app/program.h"
#include "app/random_picker.h"
#include "app/shell.h"
#include "base/graphics/effect.h"
#include "editions/pelmo/pelmo_edition.h"
#include "tests/editions/dialog_timer_check.h"
#include "tests/shell/character_fixtures.h"
#include "tests/shell/queued_messages.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <string>

namespace {

RECT WindowRect(HWND window)
{
    RECT rect = {};
    GetWindowRect(window, &rect);
    return rect;
}

// Pelmo's main window, made as the program makes it, with the shell's state
// fresh and setting.dat in a folder of the test's own.
class PelmoShell : public ::testing::Test {
protected:
    void SetUp() override
    {
        cEffect::InitCpu();
        AdoptEdition(PelmoEdition());
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

    TempDir settingsFolder_;
};

TEST_F(PelmoShell, TheWindowIsMadeAtTheDesktopCentreLessPelmosOrigin)
{
    char name[64] = {};
    GetClassNameA(Window(), name, sizeof name);
    EXPECT_STREQ(name, "pelmocot");
    GetWindowTextA(Window(), name, sizeof name);
    EXPECT_STREQ(name, "pelmocot");
    EXPECT_EQ(Shell.WindowX, GetSystemMetrics(SM_CXSCREEN) / 2 - 260);
    EXPECT_EQ(Shell.WindowY, GetSystemMetrics(SM_CYSCREEN) / 2 - 236);
}

TEST_F(PelmoShell, ADisplayChangeTakesTheDefaultRoadAndMovesNothing)
{
    MoveWindow(Window(), 40, 30, 120, 90, FALSE);
    Shell.WindowX = 40;
    Shell.WindowY = 30;
    const int32_t capturedWidth = Display.width;
    const int32_t capturedHeight = Display.height;
    Display.width = 640; // a capture would put the desktop's own size here
    Display.height = 480;
    TakeQueued(Window(), WM_TIMER);

    const WPARAM depth = 16;
    const LPARAM size = MAKELPARAM(800, 600);
    const LRESULT answer = SendMessageA(Window(), WM_DISPLAYCHANGE, depth, size);
    EXPECT_EQ(answer, DefWindowProcA(Window(), WM_DISPLAYCHANGE, depth, size));
    EXPECT_EQ(Display.width, 640) << "not captured again";
    EXPECT_EQ(Display.height, 480);
    EXPECT_EQ(Shell.WindowX, 40);
    EXPECT_EQ(Shell.WindowY, 30);
    const RECT rect = WindowRect(Window());
    EXPECT_EQ(rect.left, 40);
    EXPECT_EQ(rect.top, 30);
    EXPECT_EQ(TakeQueued(Window(), WM_TIMER), 0);
    Display.width = capturedWidth;
    Display.height = capturedHeight;
}

TEST_F(PelmoShell, TheSettingsDialogRestartsTheTimerAtTheNormalPeriodWhateverPlays)
{
    ExpectTheDialogRestartsTheTimerAtTheNormalPeriod({0, 3, 4, 11, 24});
}

// The jump moves the shell's own position: the next tick shows the frame
// there, and the end of the session stores it.
TEST_F(PelmoShell, TheJumpMovesThePlaceTheWindowIsShownAtAndStored)
{
    CharacterArchive archive({{"jump.ttp", Script(2, 60, 40,
                                                  {Frame("body", "", "", 100000), Frame("body", "", "", 100000),
                                                   Frame("body", "", "", 100000)})},
                              {"body.bmz", Picture(20, 20, kBlue)}});
    LoadSlotScript(Slots[11], archive.Path(), "jump.ttp");
    ASSERT_EQ(Slots[11].slot.frames.size(), 3u);
    Engine.StartUp();
    MainWindow.Timer.Set(0);
    TakeQueued(Window(), WM_TIMER);
    Engine.SetAction(11);
    Slots[11].slot.current = 1;

    // The jump picker's first draws: the pickers start over with the
    // edition.
    PickerSet fresh(PelmoEdition().behaviour.pickerSeed);
    const int32_t dx1 = fresh.Draw(kJumpPicker, -100, 100);
    const int32_t dy1 = fresh.Draw(kJumpPicker, -100, 100);
    const int32_t dx2 = fresh.Draw(kJumpPicker, -100, 100);
    const int32_t dy2 = fresh.Draw(kJumpPicker, -100, 100);
    const int32_t x0 = Shell.WindowX;
    const int32_t y0 = Shell.WindowY;

    SendMessageA(Window(), WM_TIMER, 1, 0);
    RECT rect = WindowRect(Window());
    EXPECT_EQ(rect.left, x0) << "shown where it stood";
    EXPECT_EQ(rect.top, y0);
    EXPECT_EQ(Shell.WindowX, x0 + dx1);
    EXPECT_EQ(Shell.WindowY, y0 + dy1);

    SendMessageA(Window(), WM_TIMER, 1, 0);
    rect = WindowRect(Window());
    EXPECT_EQ(rect.left, x0 + dx1) << "the next tick shows it at the jumped place";
    EXPECT_EQ(rect.top, y0 + dy1);
    EXPECT_EQ(Shell.WindowX, x0 + dx1 + dx2);
    EXPECT_EQ(Shell.WindowY, y0 + dy1 + dy2);
    EXPECT_EQ(Shell.CurrentAction, 11);

    SendMessageA(Window(), WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
    SettingsRecord stored;
    stored.path = Settings.path;
    int32_t x = 0, y = 0;
    ASSERT_TRUE(stored.Load(x, y));
    EXPECT_EQ(x, x0 + dx1 + dx2);
    EXPECT_EQ(y, y0 + dy1 + dy2);
}

} // namespace
