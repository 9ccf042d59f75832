// Ivrel's program shell on real windows: its start-up, the window placed
// from the base and each frame's offsets, the centred slot that follows the
// screen's height, the display change it does not follow, the drag and the
// end of the session that move and store the base, and the settings
// dialog's timer.
#include "app/edition.h"
#include "app/main_window.h"
#include "app/program.h"
#include "app/shell.h"
#include "base/graphics/effect.h"
#include "editions/ivrel/ivrel_edition.h"
#include "editions/ivrel/ivrel_frames.h"
#include "editions/ivrel/ivrel_script.h"
#include "tests/editions/shell_checks.h"
#include "tests/shell/character_fixtures.h"
#include "tests/shell/gdi_exhaustion.h"
#include "tests/shell/queued_messages.h"
#include "tests/shell/timer_watch.h"
#include "tests/support/child_boxes.h"
#include "tests/support/child_process.h"
#include "tests/support/temp_dir.h"
#include "tests/support/working_directory.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace {

RECT WindowRect(HWND window)
{
    RECT rect = {};
    GetWindowRect(window, &rect);
    return rect;
}

IvrelScriptFrame Record(const std::string& image, const std::string& sound, const std::string& mask,
                        uint32_t durationMs, int32_t offsetX, int32_t offsetY)
{
    return IvrelScriptFrame{image, sound, mask, durationMs, offsetX, offsetY};
}

std::string Bytes(const std::vector<IvrelScriptFrame>& frames)
{
    const std::vector<uint8_t> bytes = EncodeIvrelScript(IvrelScript{0, frames});
    return std::string(bytes.begin(), bytes.end());
}

// A character whose frame 0 is the image (100 x 120) with a 40-pixel mask
// at offsets (-20, 15), frame 1 the image alone at (30, -10), and frame 2
// repeats frame 0's pictures at offsets of its own, which it does not use.
std::vector<std::pair<std::string, std::string>> Character()
{
    return {{"slot.ttp", Bytes({Record("image", "", "mask", 100000, -20, 15), Record("image", "", "", 100000, 30, -10),
                                Record("image", "", "mask", 100000, 500, 500)})},
            {"image.bmz", Picture(100, 120, kBlue)},
            {"mask.bmz", Picture(40, 60, kRed)}};
}

int32_t testScreenHeight = 0;
int32_t TestScreenHeight(HWND)
{
    return testScreenHeight;
}

// Ivrel's main window, made as the program makes it, with the shell's state
// fresh and setting.dat in a folder of the test's own.
class IvrelShell : public ::testing::Test {
protected:
    void SetUp() override
    {
        cEffect::InitCpu();
        AdoptEdition(IvrelEdition());
        ASSERT_EQ(CreateMainWindow(GetModuleHandleA(nullptr)), nullptr);
        TheApplication.mainWindow = MainWindow.Hwnd();
        Settings.path = settingsFolder_.File("setting.dat");
    }
    void TearDown() override
    {
        SetScreenHeightSource(CapturedScreenHeight);
        MainWindow.Timer.Set(0);
        if (TheApplication.modelessDialogs[0] != nullptr)
            DestroyWindow(TheApplication.modelessDialogs[0]);
        TheApplication.modelessDialogs[0] = nullptr;
    }

    HWND Window() const { return MainWindow.Hwnd(); }

    // Loads the character into a slot and plays it, the base at (300, 200).
    void Play(int32_t slot)
    {
        CharacterLoader(archive_.Path(), kMostLoadedBytes, kIvrelCharacterForm)
            .LoadSlotScript(Slots[static_cast<size_t>(slot)], "slot.ttp");
        ASSERT_EQ(Slots[static_cast<size_t>(slot)].slot.frames.size(), 3u);
        Shell.WindowX = 300;
        Shell.WindowY = 200;
        Shell.CurrentAction = slot;
        // Ticks find the hour they start in: no chime replaces the slot.
        Engine.StampClocks();
        TakeQueued(Window(), WM_TIMER);
    }
    void ShowFrame(int32_t slot, int32_t frame)
    {
        Slots[static_cast<size_t>(slot)].slot.current = frame;
        Host.UpdateSlot(slot);
    }

    TempDir settingsFolder_;
    CharacterArchive archive_{Character()};
};

TEST_F(IvrelShell, TheBaseStartsAtTheDesktopCentreLessNinetyAndAHundredAndForty)
{
    char name[64] = {};
    GetClassNameA(Window(), name, sizeof name);
    EXPECT_STREQ(name, "ivrelcot");
    GetWindowTextA(Window(), name, sizeof name);
    EXPECT_STREQ(name, "ivrelcot");
    EXPECT_EQ(Shell.WindowX, GetSystemMetrics(SM_CXSCREEN) / 2 - 90);
    EXPECT_EQ(Shell.WindowY, GetSystemMetrics(SM_CYSCREEN) / 2 - 140);
    EXPECT_EQ(GetClassLongPtrA(Window(), GCLP_HICON), 0u) << "the window class has no icon";
    EXPECT_EQ(GetClassLongPtrA(Window(), GCLP_HICONSM), 0u);
}

// Start-up loads the table's slots with their voices, makes the menu, the
// tray icon and the timer, and restarts no slot: the idle animation starts
// from its first frame with its clock at 0, so it moves on at once.
TEST_F(IvrelShell, StartUpAttachesTheVoicesAndRestartsNoSlot)
{
    std::vector<std::pair<std::string, std::string>> entries = {{"image.bmz", Picture(100, 120, kBlue)}};
    for (int32_t slot = 0; slot < 25; ++slot) {
        const IvrelSlotEntries names = IvrelSlotTable(slot);
        entries.push_back({names.script, Bytes({Record("image", "", "", 100, 0, 0), Record("", "", "", 100, 0, 0)})});
        if (!names.voice.empty())
            entries.push_back({names.voice, Voice(static_cast<uint8_t>(slot))});
    }
    TempDir work;
    CharacterArchive archive(entries);
    ASSERT_TRUE(CopyFileA(archive.Path().c_str(), work.File("ivrel.pac").c_str(), FALSE));
    ScopedWorkingDirectory inWork(work.Path());
    ASSERT_TRUE(inWork.Ok());
    const int32_t baseX = Shell.WindowX;
    const int32_t baseY = Shell.WindowY;

    IvrelStartUp();
    for (int32_t slot = 0; slot < 25; ++slot) {
        SCOPED_TRACE(slot);
        const CharacterSlot& loaded = Slots[static_cast<size_t>(slot)];
        ASSERT_EQ(loaded.media.size(), 2u);
        EXPECT_EQ(loaded.slot.clock, 0u) << "not restarted";
        EXPECT_EQ(loaded.slot.current, 0);
        EXPECT_TRUE(loaded.slot.frames[0].soundPending);
        const IvrelSlotEntries names = IvrelSlotTable(slot);
        EXPECT_EQ(loaded.slot.voiceFlag, names.voiceFlag);
        EXPECT_EQ(static_cast<bool>(loaded.media[0].wave), !names.voice.empty());
    }
    ASSERT_EQ(GetMenuItemCount(PopupItems.Hmenu()), 2);
    EXPECT_EQ(PopupItems.ItemAt(0).Text.Get(), "設定(&S)");
    EXPECT_EQ(PopupItems.ItemAt(1).Text.Get(), "終了(&E)");
    EXPECT_EQ(MainWindow.PopupMenu.GetMenu(), PopupItems.Hmenu());
    EXPECT_TRUE(MainWindow.TaskIcon.IsShown());
    EXPECT_NE(Shell.ActionClock, 0u);
    EXPECT_NE(Shell.MailClock, 0u);
    EXPECT_EQ(Shell.WindowX, baseX) << "no setting.dat: the base stays";
    EXPECT_EQ(Shell.WindowY, baseY);
    const TimerWatch watch = WatchTimer(Window(), 600);
    EXPECT_GE(watch.ticks, 3);
    EXPECT_GE(watch.meanGap, 80u) << "100 ms";
    MainWindow.Timer.Set(0);
    MainWindow.TaskIcon.Remove();
}

// A base stored far outside the desktop is taken as it is.
TEST_F(IvrelShell, StartUpTakesTheStoredBaseAsItIs)
{
    SettingsRecord stored = Settings;
    stored.keepOnTop = false;
    ASSERT_TRUE(SaveSettings(stored, -70000, 90000));
    TempDir work;
    ScopedWorkingDirectory inWork(work.Path());
    IvrelStartUp();
    MainWindow.Timer.Set(0);
    MainWindow.TaskIcon.Remove();
    EXPECT_EQ(Shell.WindowX, -70000);
    EXPECT_EQ(Shell.WindowY, 90000);
    EXPECT_FALSE(GetWindowLongA(Window(), GWL_EXSTYLE) & WS_EX_TOPMOST);
}

// The image stands at the base plus the frame's offsets, the mask to its
// left: (300 - 20 - 40, 200 + 15), 140 x 120. An alias stands where the
// frame it repeats stands.
TEST_F(IvrelShell, EachFrameIsShownAtTheBasePlusItsOffsetsLessTheMaskWidth)
{
    ASSERT_NO_FATAL_FAILURE(Play(0));
    SendMessageA(Window(), WM_TIMER, 1, 0);
    EXPECT_TRUE(IsWindowVisible(Window()));
    RECT rect = WindowRect(Window());
    EXPECT_EQ(rect.left, 240);
    EXPECT_EQ(rect.top, 215);
    EXPECT_EQ(rect.right - rect.left, 140);
    EXPECT_EQ(rect.bottom - rect.top, 120);

    struct Case {
        int32_t frame;
        RECT rect;
    };
    for (const Case& c : {Case{1, {330, 190, 430, 310}}, Case{2, {240, 215, 380, 335}}, Case{0, {240, 215, 380, 335}}}) {
        SCOPED_TRACE(c.frame);
        ShowFrame(0, c.frame);
        rect = WindowRect(Window());
        EXPECT_EQ(rect.left, c.rect.left);
        EXPECT_EQ(rect.top, c.rect.top);
        EXPECT_EQ(rect.right, c.rect.right);
        EXPECT_EQ(rect.bottom, c.rect.bottom);
    }
}

// Slot 7 stands at half the screen's height less half the image's, read
// afresh at every show; its x is the base's like any other's.
TEST_F(IvrelShell, TheCentredSlotFollowsTheScreenHeightAtEveryShow)
{
    ASSERT_NO_FATAL_FAILURE(Play(kIvrelCentredSlot));
    EXPECT_EQ(CapturedScreenHeight(Window()), GetSystemMetrics(SM_CYSCREEN));
    ShowFrame(kIvrelCentredSlot, 0);
    RECT rect = WindowRect(Window());
    EXPECT_EQ(rect.left, 240);
    EXPECT_EQ(rect.top, GetSystemMetrics(SM_CYSCREEN) / 2 - 60) << "the screen's own height";

    SetScreenHeightSource(TestScreenHeight);
    for (const int32_t height : {600, 1001, 768}) {
        SCOPED_TRACE(height);
        testScreenHeight = height;
        ShowFrame(kIvrelCentredSlot, 1);
        rect = WindowRect(Window());
        EXPECT_EQ(rect.left, 330);
        EXPECT_EQ(rect.top, (height >> 1) - 60);
        EXPECT_EQ(rect.bottom - rect.top, 120);
    }
    // Any other slot stands at the base, whatever the screen.
    ASSERT_NO_FATAL_FAILURE(Play(3));
    ShowFrame(3, 1);
    EXPECT_EQ(WindowRect(Window()).top, 190);
}

// A display change takes the default road: nothing is captured, and only the
// centred slot, which reads the height at every show, moves.
TEST_F(IvrelShell, ADisplayChangeMovesNothingButTheCentredSlotsHeight)
{
    ASSERT_NO_FATAL_FAILURE(Play(0));
    SetScreenHeightSource(TestScreenHeight);
    testScreenHeight = 768;
    SendMessageA(Window(), WM_TIMER, 1, 0);
    const RECT before = WindowRect(Window());
    const int32_t capturedWidth = Display.width;
    Display.width = 640; // a capture would put the desktop's own width here

    testScreenHeight = 480;
    const LRESULT answer = SendMessageA(Window(), WM_DISPLAYCHANGE, 16, MAKELPARAM(640, 480));
    EXPECT_EQ(answer, DefWindowProcA(Window(), WM_DISPLAYCHANGE, 16, MAKELPARAM(640, 480)));
    EXPECT_EQ(Display.width, 640) << "not captured again";
    EXPECT_EQ(Shell.WindowX, 300);
    EXPECT_EQ(Shell.WindowY, 200);
    EXPECT_EQ(TakeQueued(Window(), WM_TIMER), 0);
    ShowFrame(0, 0);
    const RECT after = WindowRect(Window());
    EXPECT_EQ(after.left, before.left);
    EXPECT_EQ(after.top, before.top);

    ASSERT_NO_FATAL_FAILURE(Play(kIvrelCentredSlot));
    ShowFrame(kIvrelCentredSlot, 0);
    EXPECT_EQ(WindowRect(Window()).top, 240 - 60);
    Display.width = capturedWidth;
}

// The drag moves the base; the next frame stands from there, and the end of
// the session stores the base, not the window's corner.
TEST_F(IvrelShell, TheDragMovesTheBaseAndTheEndOfTheSessionStoresIt)
{
    ASSERT_NO_FATAL_FAILURE(Play(0));
    SendMessageA(Window(), WM_TIMER, 1, 0);
    const POINT press{400, 300};
    SetCursorPos(press.x, press.y);
    SendMessageA(Window(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(60, 50));
    SetCursorPos(press.x + 9, press.y + 6);
    SendMessageA(Window(), WM_MOUSEMOVE, MK_LBUTTON, 0);
    SendMessageA(Window(), WM_LBUTTONUP, 0, MAKELPARAM(60, 50));
    EXPECT_FALSE(Shell.Clicked);
    EXPECT_EQ(Shell.WindowX, 309);
    EXPECT_EQ(Shell.WindowY, 206);
    EXPECT_EQ(TakeQueued(Window(), WM_TIMER), 1) << "the window follows at once";
    // The first tick moved on from frame 0 (its clock was 0): frame 1, the
    // image alone at (30, -10), from the new base.
    SendMessageA(Window(), WM_TIMER, 1, 0);
    ASSERT_EQ(Slots[0].slot.current, 1);
    const RECT rect = WindowRect(Window());
    EXPECT_EQ(rect.left, 339);
    EXPECT_EQ(rect.top, 196);

    SendMessageA(Window(), WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
    SettingsRecord stored;
    stored.path = Settings.path;
    int32_t x = 0, y = 0;
    ASSERT_TRUE(stored.Load(x, y));
    EXPECT_EQ(x, 309) << "the base";
    EXPECT_EQ(y, 206);
}

TEST_F(IvrelShell, TheSettingsDialogRestartsTheTimerAtTheNormalPeriodWhateverPlays)
{
    ExpectTheDialogToRestartTheTimerAtTheNormalPeriod({0, 3, 4, 7, 8});
}

// Through Ivrel's placement as through the shared one: a frame of the
// shape the window has sets no region, even at another place and canvas
// size; the frame on screen at its place is not copied again; and a paint
// request gets the frame shown.
TEST_F(IvrelShell, AFrameOfTheShapeTheWindowHasSetsNoRegionAndTheFrameOnScreenIsNotCopiedAgain)
{
    CharacterArchive archive({{"slot.ttp", Bytes({Record("image", "", "", 100000, 30, -10),
                                                  Record("twin", "", "", 100000, 0, 0)})},
                              {"image.bmz", Picture(100, 120, kBlue)},
                              {"twin.bmz", Picture(100, 120, kRed)}});
    CharacterLoader(archive.Path(), kMostLoadedBytes, kIvrelCharacterForm).LoadSlotScript(Slots[0], "slot.ttp");
    ASSERT_EQ(Slots[0].media.size(), 2u);
    EXPECT_EQ(Slots[0].media[1].region, Slots[0].media[0].region) << "one shape, found at load";
    Shell.WindowX = 300;
    Shell.WindowY = 200;
    ShowFrame(0, 0);
    Host.ShowWindow();
    // A stand-in shape that no frame has: a show that set a region would
    // replace it.
    SetWindowRgn(Window(), CreateRectRgn(0, 0, 50, 50), TRUE);
    ShowFrame(0, 1);
    PumpMessagesAWhile();
    const RECT rect = WindowRect(Window());
    EXPECT_EQ(rect.left, 300);
    EXPECT_EQ(rect.top, 200);
    HRGN shape = CreateRectRgn(0, 0, 0, 0);
    HRGN standIn = CreateRectRgn(0, 0, 50, 50);
    ASSERT_NE(GetWindowRgn(Window(), shape), ERROR);
    EXPECT_TRUE(EqualRgn(shape, standIn)) << "no region set";
    DeleteObject(shape);
    DeleteObject(standIn);
    EXPECT_EQ(ScreenAt(305, 205), kRed) << "moved, its picture is copied";

    Smear(Window(), kYellow);
    ShowFrame(0, 1);
    PumpMessagesAWhile();
    EXPECT_EQ(ScreenAt(305, 205), kYellow) << "the frame on screen at its place is not copied again";
    RedrawWindow(Window(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    PumpMessagesAWhile();
    EXPECT_EQ(ScreenAt(305, 205), kRed) << "a paint request gets it";
}

// A shape the window did not take (no GDI handle left to copy it into) is
// given again at the next show, through Ivrel's placement as through the
// shared one; process-wide, so in a child of its own.
TEST_CHILD(IvrelShapeWhileNoRegionCanBeMade)
{
    cEffect::InitCpu();
    AdoptEdition(IvrelEdition());
    if (CreateMainWindow(GetModuleHandleA(nullptr)) != nullptr)
        return 2;
    CharacterArchive archive(Character());
    CharacterLoader(archive.Path(), kMostLoadedBytes, kIvrelCharacterForm).LoadSlotScript(Slots[0], "slot.ttp");
    if (Slots[0].media.size() != 3)
        return 3;
    Shell.WindowX = 300;
    Shell.WindowY = 200;
    Host.UpdateSlot(0);
    Slots[0].slot.current = 1;
    {
        GdiExhaustion exhausted;
        Host.UpdateSlot(0);
    }
    const bool kept = WindowHasShape(MainWindow.Hwnd(), Slots[0].media[0]);
    RECT moved = {};
    GetWindowRect(MainWindow.Hwnd(), &moved);
    Host.UpdateSlot(0);
    const bool given = WindowHasShape(MainWindow.Hwnd(), Slots[0].media[1]);
    WriteRaw(std::string("kept the shape it had: ") + (kept ? "yes" : "no") + "; moved to frame 1's place: " +
             (moved.left == 330 && moved.top == 190 ? "yes" : "no") + "; took the new one at the next show: " +
             (given ? "yes" : "no"));
    return kept && given && moved.left == 330 && moved.top == 190 ? 0 : 1;
}

TEST_F(IvrelShell, AShapeTheWindowDidNotTakeIsGivenAgainAtTheNextShow)
{
    const ChildResult child = RunChild("IvrelShapeWhileNoRegionCanBeMade");
    EXPECT_FALSE(child.timedOut);
    EXPECT_EQ(child.exitCode, 0u) << child.output;
}

} // namespace
