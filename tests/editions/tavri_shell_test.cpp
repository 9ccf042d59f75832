// Tavri's program shell on real windows: its main window, the display
// change it follows, the walk through the program's own host (its timer,
// its debugger output, its end on animations that cannot run through), the
// settings dialog's timer during a walk, a server name typed longer than
// its room, and window moves without a redraw.
#include "app/program.h"
#include "app/settings_dialog.h"
#include "app/shell.h"
#include "base/window/window_control.h"
#include "editions/tavri/tavri_edition.h"
#include "tests/editions/shell_checks.h"
#include "tests/shell/character_fixtures.h"
#include "tests/shell/queued_messages.h"
#include "tests/shell/timer_watch.h"
#include "tests/support/debug_output_capture.h"
#include "tests/window/window_test_support.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

using ::testing::Contains;

// A point of click area B, in client coordinates.
const LPARAM kOnB = MAKELPARAM(230, 210);

// Tavri's main window. The timer is left stopped: each test ticks by hand
// or watches the ticks the timer queues.
class TavriShell : public EditionShellTest {
protected:
    void SetUp() override { MakeMainWindowFor(TavriEdition()); }

    // The idle animation started, the timer stopped, no tick waiting.
    void StartIdle()
    {
        Engine.StartUp();
        MainWindow.Timer.Set(0);
        TakeQueued(Window(), WM_TIMER);
    }
    // A click on the lower body and the tick that takes it, with the window
    // at x.
    void ClickBAt(int32_t x)
    {
        Shell.WindowX = x;
        SendMessageA(Window(), WM_LBUTTONDOWN, MK_LBUTTON, kOnB);
        SendMessageA(Window(), WM_LBUTTONUP, 0, kOnB);
        Tick();
    }
    void Tick() { SendMessageA(Window(), WM_TIMER, 1, 0); }
    // The mean gap of the ticks the timer queues meanwhile.
    DWORD TimerPeriod()
    {
        TakeQueued(Window(), WM_TIMER);
        return WatchTimer(Window(), 500).meanGap;
    }
};

// A walk of a frame per duration, each of its own picture.
void LoadWalk(int32_t slot, const std::vector<uint32_t>& durations)
{
    std::vector<ScriptFrame> frames;
    for (size_t i = 0; i < durations.size(); ++i)
        frames.push_back(Frame("step" + std::to_string(i), "", "", durations[i]));
    CharacterArchive archive({{"walk.ttp", Script(2, 60, 40, frames)},
                              {"step0.bmz", Picture(20, 20, kBlue)},
                              {"step1.bmz", Picture(20, 20, kRed)},
                              {"step2.bmz", Picture(20, 20, kWhite)}});
    LoadSlotScript(Slots[static_cast<size_t>(slot)], archive.Path(), "walk.ttp");
}

TEST_F(TavriShell, TheWindowIsMadeAtTheDesktopCentreLessTavrisOrigin)
{
    char name[64] = {};
    GetClassNameA(Window(), name, sizeof name);
    EXPECT_STREQ(name, "tavrikot");
    GetWindowTextA(Window(), name, sizeof name);
    EXPECT_STREQ(name, "tavrikot");
    EXPECT_EQ(Shell.WindowX, GetSystemMetrics(SM_CXSCREEN) / 2 - 234);
    EXPECT_EQ(Shell.WindowY, GetSystemMetrics(SM_CYSCREEN) / 2 - 224);
}

TEST_F(TavriShell, ADisplayChangeIsCapturedAgain)
{
    Display.width = 0;
    Display.height = 0;
    SendMessageA(Window(), WM_DISPLAYCHANGE, 32, MAKELPARAM(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)));
    EXPECT_EQ(Display.width, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(Display.height, GetSystemMetrics(SM_CYSCREEN));
}

// Near the left edge of the screen a click on B walks right: the window x
// goes to the debugger output, the timer runs at 10 ms, the window glides
// on the first stride and stands 200 pixels away on the second, and stays
// there when the walk has run through, with the timer back at 100 ms. The
// first stride is long enough to watch the timer meanwhile.
TEST_F(TavriShell, TheWalkThroughTheProgramsOwnHost)
{
    LoadWalk(kTavriWalkRight, {1500, 300, 100});
    ASSERT_EQ(Slots[kTavriWalkRight].slot.frames.size(), 3u);
    StartIdle();
    {
        DebugOutputCapture capture;
        ClickBAt(50);
        EXPECT_THAT(capture.Texts(), Contains("50\n"));
    }
    ASSERT_EQ(Shell.CurrentAction, kTavriWalkRight);
    EXPECT_LE(TimerPeriod(), 50u) << "10 ms while walking";
    MainWindow.Timer.Set(0);

    const AnimationSlot& walk = Slots[kTavriWalkRight].slot;
    Sleep(100);
    Tick();
    ASSERT_EQ(walk.current, 0);
    EXPECT_GE(walk.elapsed, 100u);
    const int32_t glided = Shell.WindowX;
    EXPECT_EQ(glided, 50 + static_cast<int32_t>(walk.elapsed * 4 / 5));
    Tick();
    EXPECT_EQ(WindowRect().left, glided) << "the next tick shows the frame there";

    Sleep(1500);
    Tick();
    ASSERT_EQ(walk.current, 1);
    EXPECT_EQ(Shell.WindowX, 250);
    Sleep(350);
    Tick();
    ASSERT_EQ(walk.current, 2);
    EXPECT_EQ(Shell.WindowX, 250);
    Sleep(150);
    Tick();
    EXPECT_EQ(Shell.CurrentAction, 0) << "ran through";
    EXPECT_EQ(Shell.WindowX, 250);
    Tick();
    EXPECT_EQ(WindowRect().left, 250) << "the window stays where the walk left it";
    EXPECT_GE(TimerPeriod(), 80u) << "100 ms again";
}

// The program's own host tells a walk without frames and one of a single
// frame from one that has yet to run through.
TEST_F(TavriShell, AWalkOnAnEmptyOrOneFrameSlotEnds)
{
    StartIdle();
    ASSERT_TRUE(Slots[kTavriWalkRight].slot.frames.empty());
    ClickBAt(50);
    ASSERT_EQ(Shell.CurrentAction, kTavriWalkRight);
    Tick();
    EXPECT_EQ(Shell.CurrentAction, 0) << "an empty walk ends at its first tick";
    EXPECT_EQ(Shell.WindowX, 50);
    EXPECT_GE(TimerPeriod(), 80u);
    MainWindow.Timer.Set(0);

    LoadWalk(kTavriWalkLeft, {200});
    ASSERT_EQ(Slots[kTavriWalkLeft].slot.frames.size(), 1u);
    const int32_t rightEdge = Display.width;
    ClickBAt(rightEdge);
    ASSERT_EQ(Shell.CurrentAction, kTavriWalkLeft);
    MainWindow.Timer.Set(0);
    Sleep(50);
    Tick();
    EXPECT_EQ(Shell.CurrentAction, kTavriWalkLeft) << "its frame's time is not up";
    const int32_t walked = Shell.WindowX;
    EXPECT_LT(walked, rightEdge);
    Sleep(250);
    Tick();
    EXPECT_EQ(Shell.CurrentAction, 0) << "back from its one frame to the same";
    EXPECT_EQ(Shell.WindowX, walked);
    EXPECT_GE(TimerPeriod(), 80u);
}

// The dialog stops the timer while it is open and restarts it at 100 ms,
// also during a walk, which then goes on at 100 ms until it ends.
TEST_F(TavriShell, TheSettingsDialogRestartsTheTimerAtTheNormalPeriodAlsoDuringAWalk)
{
    LoadWalk(kTavriWalkRight, {2000, 2000, 2000});
    StartIdle();
    ClickBAt(50);
    ASSERT_EQ(Shell.CurrentAction, kTavriWalkRight);
    for (const bool ok : {true, false}) {
        SCOPED_TRACE(ok ? "OK" : "Cancel");
        MainWindow.Timer.Set(kTavriWalkTimerMs);
        OpenSettingsDialog();
        HWND dialog = TheApplication.modelessDialogs[0];
        ASSERT_NE(dialog, nullptr);
        TakeQueued(Window(), WM_TIMER);
        SendMessageA(dialog, WM_COMMAND, ok ? IDOK : IDCANCEL, 0);
        EXPECT_GE(TimerPeriod(), 80u);
        Tick();
        EXPECT_EQ(Shell.CurrentAction, kTavriWalkRight) << "the walk goes on";
        EXPECT_GE(TimerPeriod(), 80u) << "at 100 ms";
    }
}

// The settings dialog's edit box takes a longer server name than
// setting.dat has room for: it is stored cut at a character boundary, and
// the user name and password after it are stored whole.
TEST_F(TavriShell, AServerNameTypedLongerThanItsRoomIsStoredCut)
{
    constexpr size_t kServerRoom = 25984;
    std::string server = "m";
    while (server.size() < kServerRoom + 100)
        server += "表"; // its second byte is 0x5C
    const std::string user = "ユーザー" + std::string(3000, 'u');
    const std::string password = std::string(2000, 'p') + "パス";
    OpenSettingsDialog();
    HWND dialog = TheApplication.modelessDialogs[0];
    ASSERT_NE(dialog, nullptr);
    SetDlgItemTextA(dialog, 1012, server.c_str());
    SetDlgItemTextA(dialog, 1003, user.c_str());
    SetDlgItemTextA(dialog, 1004, password.c_str());
    SendMessageA(dialog, WM_COMMAND, IDOK, 0);
    ASSERT_EQ(Settings.server, server) << "the dialog took it whole";

    ASSERT_TRUE(SaveSettingsAtExit());
    SettingsRecord stored;
    stored.path = Settings.path;
    int32_t x = 0, y = 0;
    ASSERT_TRUE(stored.Load(x, y));
    EXPECT_EQ(stored.server, server.substr(0, kServerRoom - 1));
    EXPECT_EQ(stored.user, user);
    EXPECT_EQ(stored.password, password);
}

// The library moves and sizes windows through the property classes with
// Tavri's flags: no redraw.
TEST_F(TavriShell, PropertyClassesMoveAndResizeWithoutARedraw)
{
    TestWindow window(Rect(100, 100, 400, 300), WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    WindowControl control;
    control.SetHwnd(window.Hwnd());
    ClearMessages();
    ASSERT_TRUE(control.Rect.Move(10, 20));
    ASSERT_TRUE(control.Rect.Resize(200, 150));
    ASSERT_TRUE(control.Client.SetSize(250, 120));
    const std::vector<UINT> flags = PositionChangeFlags(window.Hwnd());
    ASSERT_EQ(flags.size(), 3u);
    EXPECT_EQ(flags[0] & 0x0F, 0x0Du);
    EXPECT_EQ(flags[1] & 0x0F, 0x0Eu);
    EXPECT_EQ(flags[2] & 0x0F, 0x0Eu);
    EXPECT_EQ(ScreenRect(window.Hwnd()).left, 10);
}

} // namespace
