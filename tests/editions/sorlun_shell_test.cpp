// Sorlun's program shell on real windows: its main window, the display
// change it does not follow, the settings dialog's timer and password, and
// the mends of the shared shell (damaged scripts, clamped positions, the
// save at the end of the session) in a window procedure that leaves the
// display change to the default road.
#include "app/edition.h"
#include "app/main_window.h"
#include "app/program.h"
#include "app/settings_dialog.h"
#include "app/shell.h"
#include "base/graphics/effect.h"
#include "editions/sorlun/sorlun_edition.h"
#include "tests/editions/settings_folders.h"
#include "tests/editions/shell_checks.h"
#include "tests/shell/character_fixtures.h"
#include "tests/shell/queued_messages.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <limits>
#include <string>

namespace {

constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
constexpr int32_t kMin = std::numeric_limits<int32_t>::min();

// Sorlun's main window.
class SorlunShell : public EditionShellTest {
protected:
    void SetUp() override { MakeMainWindowFor(SorlunEdition()); }

    // What the end of the session stores.
    void EndTheSession(int32_t& x, int32_t& y, SettingsRecord& stored)
    {
        SendMessageA(Window(), WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
        stored.path = Settings.path;
        ASSERT_TRUE(stored.Load(x, y));
    }
};

TEST_F(SorlunShell, TheWindowIsMadeAtTheDesktopCentreLessSorlunsOrigin)
{
    char name[64] = {};
    GetClassNameA(Window(), name, sizeof name);
    EXPECT_STREQ(name, "sorluncot");
    GetWindowTextA(Window(), name, sizeof name);
    EXPECT_STREQ(name, "sorluncot");
    EXPECT_EQ(Shell.WindowX, GetSystemMetrics(SM_CXSCREEN) / 2 - 260);
    EXPECT_EQ(Shell.WindowY, GetSystemMetrics(SM_CYSCREEN) / 2 - 236);
    EXPECT_EQ(Slots.size(), 30u);
}

TEST_F(SorlunShell, ADisplayChangeTakesTheDefaultRoadAndMovesNothing)
{
    ExpectADisplayChangeToMoveNothing();
}

TEST_F(SorlunShell, TheSettingsDialogRestartsTheTimerAtTheNormalPeriodWhateverPlays)
{
    ExpectTheDialogToRestartTheTimerAtTheNormalPeriod({0, 3, 4, 12, 25});
}

// The password box admits more than the password's room in setting.dat
// (46122 bytes): what the dialog stores is written cut at the room, at a
// character boundary, with the other strings whole.
TEST_F(SorlunShell, APasswordLongerThanItsRoomIsStoredCutAtACharacter)
{
    std::string typed = "a";
    while (typed.size() < 48000)
        typed += "パ";
    Settings.server = "pop.example.jp";
    Settings.user = "ユーザー名";
    OpenSettingsDialog();
    HWND dialog = TheApplication.modelessDialogs[0];
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(SetDlgItemTextA(dialog, 1004, typed.c_str()));
    SendMessageA(dialog, WM_COMMAND, IDOK, 0);
    ASSERT_EQ(Settings.password, typed) << "the record keeps what was typed";

    ASSERT_TRUE(SaveSettingsAtExit());
    std::string file;
    ASSERT_TRUE(ReadWholeFile(Settings.path, file));
    EXPECT_EQ(StringAt(file, 465874), typed.substr(0, 46121)) << "the pair at the room's end is left out whole";
    SettingsRecord stored;
    stored.path = Settings.path;
    int32_t x = 0, y = 0;
    ASSERT_TRUE(stored.Load(x, y));
    EXPECT_EQ(stored.password, typed.substr(0, 46121));
    EXPECT_EQ(stored.server, "pop.example.jp");
    EXPECT_EQ(stored.user, "ユーザー名");
}

// Windows ends the process after WM_ENDSESSION without closing the window:
// Sorlun's procedure stores as an exit does. A drag from a stored place at
// the edge of the int32 range is held there instead of wrapping.
TEST_F(SorlunShell, TheEndOfTheSessionStoresTheDraggedPlaceHeldAtTheInt32Range)
{
    struct Case {
        POINT from;
        POINT step;
        POINT stored;
    };
    const Case cases[] = {
        {{kMax - 5, kMin + 5}, {100, -100}, {kMax, kMin}},
        {{kMin + 5, kMax - 5}, {-100, 100}, {kMin, kMax}},
        {{100, 200}, {-30, 40}, {70, 240}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.from.x << "," << c.from.y);
        Shell.WindowX = c.from.x;
        Shell.WindowY = c.from.y;
        POINT cursor = {};
        GetCursorPos(&cursor);
        SendMessageA(Window(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(200, 300));
        // The press took the cursor where it is; the drag step is measured
        // from a point the test sets.
        Shell.LastCursorPoint = POINT{cursor.x - c.step.x, cursor.y - c.step.y};
        SendMessageA(Window(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(200, 300));
        SendMessageA(Window(), WM_LBUTTONUP, 0, MAKELPARAM(200, 300));
        TakeQueued(Window(), WM_TIMER);
        EXPECT_FALSE(Shell.Clicked) << "a diagonal step is a drag";

        int32_t x = 0, y = 0;
        SettingsRecord stored;
        ASSERT_NO_FATAL_FAILURE(EndTheSession(x, y, stored));
        EXPECT_EQ(x, c.stored.x);
        EXPECT_EQ(y, c.stored.y);
    }
}

// A damaged script leaves its slot empty; the character's tick runs over
// it in Sorlun's window procedure as over any slot, and a good script of
// the same archive loads as usual.
TEST_F(SorlunShell, ADamagedScriptLeavesItsSlotEmptyAndTheTickRunsOn)
{
    const std::string good = Script(3, 60, 40, {Frame("body", "", "", 100000)});
    std::string cut = good.substr(0, good.size() - 9);
    std::string lying = good;
    lying[4] = '\x7F'; // a frame count far past the data
    CharacterArchive archive({{"sorlun00.ttp", good},
                              {"sorlun01.ttp", cut},
                              {"sorlun02.ttp", lying},
                              {"body.bmz", Picture(20, 20, kBlue)}});
    for (size_t slot = 0; slot < 3; ++slot)
        LoadSlotScript(Slots[slot], archive.Path(), ScriptName("sorlun%02d.ttp", static_cast<int>(slot)));
    EXPECT_EQ(Slots[0].slot.frames.size(), 1u);
    EXPECT_TRUE(Slots[1].slot.frames.empty());
    EXPECT_TRUE(Slots[2].slot.frames.empty());

    Engine.StartUp();
    MainWindow.Timer.Set(0);
    for (int32_t action : {1, 2}) {
        Engine.SetAction(action);
        for (int tick = 0; tick < 3; ++tick)
            SendMessageA(Window(), WM_TIMER, 1, 0);
        EXPECT_EQ(Shell.CurrentAction, action) << "no time or click has ended it";
        EXPECT_TRUE(IsWindow(Window()));
    }
}

} // namespace
