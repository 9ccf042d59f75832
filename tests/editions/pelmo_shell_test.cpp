// Pelmo's program shell on real windows: its main window, the display
// change it does not follow, the settings dialog's timer, and the jump's
// place as the window shows it and the end of the session stores it.
#include "app/edition.h"
#include "app/main_window.h"
#include "app/program.h"
#include "app/random_picker.h"
#include "app/settings_dialog.h"
#include "app/shell.h"
#include "base/graphics/effect.h"
#include "editions/pelmo/pelmo_edition.h"
#include "tests/editions/shell_checks.h"
#include "tests/shell/character_fixtures.h"
#include "tests/shell/queued_messages.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <string>

namespace {

// Pelmo's main window.
class PelmoShell : public EditionShellTest {
protected:
    void SetUp() override { MakeMainWindowFor(PelmoEdition()); }
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
    ExpectADisplayChangeToMoveNothing();
}

TEST_F(PelmoShell, TheSettingsDialogRestartsTheTimerAtTheNormalPeriodWhateverPlays)
{
    ExpectTheDialogToRestartTheTimerAtTheNormalPeriod({0, 3, 4, 11, 24});
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
    RECT rect = WindowRect();
    EXPECT_EQ(rect.left, x0) << "shown where it stood";
    EXPECT_EQ(rect.top, y0);
    EXPECT_EQ(Shell.WindowX, x0 + dx1);
    EXPECT_EQ(Shell.WindowY, y0 + dy1);

    SendMessageA(Window(), WM_TIMER, 1, 0);
    rect = WindowRect();
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
