#include "app/main_window.h"

#include "app/program.h"
#include "app/shell.h"
#include "editions/quenna/quenna_edition.h"
#include "base/graphics/effect.h"
#include "tests/shell/character_fixtures.h"
#include "tests/shell/queued_messages.h"
#include "tests/shell/timer_watch.h"
#include "tests/support/child_boxes.h"
#include "tests/support/child_process.h"
#include "tests/support/message_box_watcher.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

std::string ClassOf(HWND window)
{
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

std::string TitleOf(HWND window)
{
    char text[64] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

// The program makes its window once in a run: a test that needs a new one
// removes the class of the one before.
void MakeMainWindow()
{
    UnregisterClassA(Edition().shell.windowName, GetModuleHandleA(nullptr));
    ASSERT_EQ(CreateMainWindow(GetModuleHandleA(nullptr)), nullptr);
}

// The program's main window, made the way the program makes it, with the
// shell's state fresh for every test. Start-up reads setting.dat from a
// folder of the test's own: the documents folder is shared with the tests
// of the settings file and of the whole program, which make and remove
// their own setting.dat there while this one runs.
class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        cEffect::InitCpu();
        AdoptEdition(QuennaEdition());
        if (!IsWindow(MainWindow.Hwnd())) {
            ASSERT_NO_FATAL_FAILURE(MakeMainWindow());
        }
        TheApplication.mainWindow = MainWindow.Hwnd();
        Shell = ShellState{};
        PlaceAtDesktopCentre(Shell, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), QuennaEdition().behaviour);
        Settings = SettingsRecord{};
        Settings.path = settingsFolder_.File("setting.dat");
    }

    HWND Window() const { return MainWindow.Hwnd(); }

    TempDir settingsFolder_;
};

TEST_F(MainWindowTest, IsMadeHiddenAsATopmostToolPopupAtTheDesktopCentreLessTheOrigin)
{
    Shell.WindowX = Shell.WindowY = 0;
    HWND window = Window();
    DestroyWindow(window);
    ASSERT_NO_FATAL_FAILURE(MakeMainWindow());
    window = Window();
    EXPECT_EQ(ClassOf(window), "quennacot");
    EXPECT_EQ(TitleOf(window), "quennacot");
    EXPECT_FALSE(IsWindowVisible(window));
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE)) & WS_POPUP, static_cast<DWORD>(WS_POPUP));
    EXPECT_EQ(GetWindowLongA(window, GWL_EXSTYLE) & (WS_EX_TOPMOST | WS_EX_TOOLWINDOW), WS_EX_TOPMOST | WS_EX_TOOLWINDOW);
    EXPECT_EQ(GetClassLongA(window, GCL_STYLE) & CS_OWNDC, CS_OWNDC);
    EXPECT_EQ(Shell.WindowX, GetSystemMetrics(SM_CXSCREEN) / 2 - 254);
    EXPECT_EQ(Shell.WindowY, GetSystemMetrics(SM_CYSCREEN) / 2 - 224);
}

TEST_F(MainWindowTest, StartUpBuildsTheMenuTheTrayIconAndTheTimer)
{
    DefaultStartUp();
    ASSERT_EQ(GetMenuItemCount(PopupItems.Hmenu()), 2);
    EXPECT_EQ(PopupItems.ItemAt(0).Text.Get(), "設定(&S)");
    EXPECT_EQ(PopupItems.ItemAt(0).Id.Get(), kSettingsCommand);
    EXPECT_EQ(PopupItems.ItemAt(1).Text.Get(), "終了(&E)");
    EXPECT_EQ(PopupItems.ItemAt(1).Id.Get(), kExitCommand);
    EXPECT_EQ(MainWindow.PopupMenu.GetMenu(), PopupItems.Hmenu());
    EXPECT_TRUE(MainWindow.TaskIcon.IsShown());
    EXPECT_NE(Shell.ActionClock, 0u);
    EXPECT_NE(Shell.MailClock, 0u);
    const TimerWatch watch = WatchTimer(Window(), 600);
    EXPECT_GE(watch.ticks, 3);
    EXPECT_GE(watch.meanGap, 80u) << "the normal period";
    EXPECT_FALSE(IsWindowVisible(Window())) << "shown only by the first tick";
}

TEST_F(MainWindowTest, StartUpTakesThePlaceAndTheZOrderFromTheStoredSettings)
{
    SettingsRecord stored = Settings;
    stored.keepOnTop = false;
    ASSERT_TRUE(SaveSettings(stored, 40, 30));
    ASSERT_TRUE(GetWindowLongA(Window(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    DefaultStartUp();
    MainWindow.Timer.Set(0);
    EXPECT_EQ(Shell.WindowX, 40);
    EXPECT_EQ(Shell.WindowY, 30);
    EXPECT_FALSE(Settings.keepOnTop);
    EXPECT_FALSE(GetWindowLongA(Window(), GWL_EXSTYLE) & WS_EX_TOPMOST) << "not on top when the settings say so";
}

// A paint request of the system, with erasing, answered at once; then the
// screen pixel at (5, 5) of the window.
uint32_t RepaintedCorner(HWND window)
{
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    PumpMessagesAWhile();
    RECT rect = {};
    GetWindowRect(window, &rect);
    return ScreenAt(rect.left + 5, rect.top + 5);
}

TEST_F(MainWindowTest, TheFirstTickShowsTheCurrentFrameAtTheShellsPosition)
{
    CharacterArchive archive({{"slot.ttp", Script(2, 60, 40, {Frame("body", "", "")})},
                              {"body.bmz", Picture(20, 20, kBlue)}});
    Slots[0] = CharacterSlot();
    LoadSlotScript(Slots[0], archive.Path(), "slot.ttp");
    Engine.StartUp();
    SendMessageA(Window(), WM_TIMER, 1, 0);
    EXPECT_TRUE(IsWindowVisible(Window()));
    RECT rect = {};
    GetWindowRect(Window(), &rect);
    EXPECT_EQ(rect.left, Shell.WindowX);
    EXPECT_EQ(rect.top, Shell.WindowY);
    EXPECT_EQ(rect.right - rect.left, 60);
    EXPECT_EQ(rect.bottom - rect.top, 40);
    MainWindow.Timer.Set(0);

    // Between ticks only the window's own painting restores the picture:
    // what the system asks for gets the frame shown, and erasing paints
    // nothing over it.
    PumpMessagesAWhile();
    EXPECT_EQ(ScreenAt(rect.left + 5, rect.top + 5), kBlue) << "the picture, once the window shows";
    Smear(Window(), kYellow);
    PumpMessagesAWhile();
    ASSERT_EQ(ScreenAt(rect.left + 5, rect.top + 5), kYellow);
    EXPECT_EQ(RepaintedCorner(Window()), kBlue);
}

// A slot without pictures leaves the window as Windows has it: the class
// brush (black), not whatever was there before.
TEST_F(MainWindowTest, WithoutAPictureShownAPaintRequestGetsTheClassBrush)
{
    Slots[0] = CharacterSlot();
    SetWindowRgn(Window(), nullptr, TRUE);
    Engine.StartUp();
    SendMessageA(Window(), WM_TIMER, 1, 0);
    MainWindow.Timer.Set(0);
    ASSERT_TRUE(IsWindowVisible(Window()));
    PumpMessagesAWhile();
    Smear(Window(), kYellow);
    EXPECT_EQ(RepaintedCorner(Window()), 0u);
}

TEST_F(MainWindowTest, TheLeftButtonClicksOrDragsTheCharacter)
{
    struct Step {
        int dx, dy;
        WPARAM buttons;
    };
    struct Case {
        const char* what;
        std::vector<Step> moves;
        bool clicked;
        int movedX, movedY;
        int ticksAsked;
    };
    const Case cases[] = {
        {"press and release", {}, true, 0, 0, 0},
        {"a diagonal drag", {{6, 4, MK_LBUTTON}, {9, 9, MK_LBUTTON}}, false, 9, 9, 2},
        {"along one axis", {{0, 7, MK_LBUTTON}, {5, 7, MK_LBUTTON}}, true, 5, 7, 0},
        {"with Shift held", {{6, 4, MK_LBUTTON | MK_SHIFT}}, true, 0, 0, 0},
    };
    const POINT press{400, 300};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Shell.Clicked = false;
        const int32_t startX = Shell.WindowX;
        const int32_t startY = Shell.WindowY;
        TakeQueued(Window(), WM_TIMER);
        SetCursorPos(press.x, press.y);
        SendMessageA(Window(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(200, 150));
        EXPECT_EQ(GetCapture(), Window());
        for (const Step& step : c.moves) {
            SetCursorPos(press.x + step.dx, press.y + step.dy);
            SendMessageA(Window(), WM_MOUSEMOVE, step.buttons, 0);
        }
        SendMessageA(Window(), WM_LBUTTONUP, 0, MAKELPARAM(200, 150));
        EXPECT_EQ(GetCapture(), nullptr);
        EXPECT_EQ(Shell.Clicked, c.clicked);
        EXPECT_EQ(Shell.ClickPoint.x, 200);
        EXPECT_EQ(Shell.ClickPoint.y, 150);
        EXPECT_EQ(Shell.WindowX - startX, c.movedX);
        EXPECT_EQ(Shell.WindowY - startY, c.movedY);
        EXPECT_EQ(TakeQueued(Window(), WM_TIMER), c.ticksAsked) << "a diagonal step asks for a tick at once";
    }
}

TEST_F(MainWindowTest, MailFailuresShowTheirBoxOneAtATime)
{
    struct Case {
        WPARAM code;
        const char* text; // null: no box
    };
    const Case cases[] = {
        {1, "初期化に失敗しました"},
        {2, "サーバー名を確認してください"},
        {3, "ポート番号を確認してください"},
        {4, "ユーザー名、パスワードを確認してください"},
        {0, nullptr},
        {5, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        MessageBoxWatcher watcher;
        SendMessageA(Window(), WM_USER, c.code, 0);
        EXPECT_FALSE(Shell.ErrorBoxBusy);
        const auto boxes = watcher.Boxes();
        if (c.text == nullptr) {
            EXPECT_TRUE(boxes.empty());
            continue;
        }
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].caption, "メールチェックエラー");
        EXPECT_EQ(boxes[0].text, c.text);
    }

    // A report that comes while a box is open is dropped.
    MessageBoxWatcher watcher;
    PostMessageA(Window(), WM_USER, 3, 0);
    PostMessageA(Window(), WM_USER, 4, 0);
    MSG message;
    while (PeekMessageA(&message, Window(), WM_USER, WM_USER, PM_REMOVE))
        DispatchMessageA(&message);
    const auto boxes = watcher.Boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "ポート番号を確認してください");
}

// Chooses the item at position from inside the open popup menu's loop.
int chosenPosition = 0;
void CALLBACK ChooseItem(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
    HWND popup = FindWindowA(MAKEINTATOM(0x8000), nullptr); // the menu class "#32768"
    HWND target = popup != nullptr ? popup : GetCapture();
    for (int i = 0; i <= chosenPosition; ++i)
        PostMessageA(target, WM_KEYDOWN, VK_DOWN, 0);
    PostMessageA(target, WM_KEYDOWN, VK_RETURN, 0);
}

TEST_F(MainWindowTest, TheTrayIconAndTheRightButtonOpenTheMenu)
{
    DefaultStartUp();
    MainWindow.Timer.Set(0);
    struct Case {
        const char* how;
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
        int position;
    };
    const Case cases[] = {
        {"tray icon, settings", WM_USER, 0, WM_RBUTTONUP, 0},
        {"tray icon with a mail code, settings", WM_USER, 4, WM_RBUTTONUP, 0},
        {"context menu, exit", WM_CONTEXTMENU, 0, 0, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.how);
        MessageBoxWatcher watcher;
        TakeQueued(Window(), WM_CLOSE);
        chosenPosition = c.position;
        SetCursorPos(300, 300);
        SetTimer(nullptr, 0, 100, ChooseItem);
        SendMessageA(Window(), c.message, c.wParam, c.lParam);
        MSG message;
        while (PeekMessageA(&message, Window(), WM_COMMAND, WM_COMMAND, PM_REMOVE))
            DispatchMessageA(&message);
        EXPECT_TRUE(watcher.Boxes().empty()) << "no mail box";
        if (c.position == 0) {
            HWND dialog = TheApplication.modelessDialogs[0];
            EXPECT_NE(dialog, nullptr) << "the settings dialog opened";
            DestroyWindow(dialog);
        } else {
            EXPECT_EQ(TakeQueued(Window(), WM_CLOSE), 1) << "exit asks the window to close";
        }
    }
}

TEST_F(MainWindowTest, ClosingTheWindowEndsTheMessageLoop)
{
    HWND window = Window();
    SendMessageA(window, WM_COMMAND, kExitCommand, 0);
    MSG message;
    ASSERT_TRUE(PeekMessageA(&message, window, WM_CLOSE, WM_CLOSE, PM_REMOVE));
    DispatchMessageA(&message);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_TRUE(PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

// The reference edition as an edition that does not follow the display.
const EditionParameters& NotFollowingTheDisplay()
{
    static const EditionParameters edition = [] {
        EditionParameters copy = QuennaEdition();
        copy.shell.followDisplayChanges = false;
        return copy;
    }();
    return edition;
}

// Windows ends the process after WM_ENDSESSION without closing the window:
// the settings are written then, as an exit writes them, whether or not the
// edition follows the display.
TEST_F(MainWindowTest, TheEndOfTheSessionWritesTheSettingsAsAnExitDoes)
{
    for (const EditionParameters* edition : {&QuennaEdition(), &NotFollowingTheDisplay()}) {
        SCOPED_TRACE(edition->shell.followDisplayChanges ? "following the display" : "not following it");
        AdoptEdition(*edition);
        Settings.path = settingsFolder_.File("setting.dat");
        const auto deliver = [&](WPARAM ending) { SendMessageA(Window(), WM_ENDSESSION, ending, ENDSESSION_LOGOFF); };
        const std::string& file = Settings.path;
        DeleteFileA(file.c_str());
        Shell.WindowX = 123;
        Shell.WindowY = -45;
        Settings.keepOnTop = false;
        Settings.server = "pop.example.test";
        deliver(FALSE);
        EXPECT_EQ(GetFileAttributesA(file.c_str()), INVALID_FILE_ATTRIBUTES) << "the session goes on: nothing written";

        deliver(TRUE);
        SettingsRecord stored;
        stored.path = file;
        int32_t x = 0, y = 0;
        ASSERT_TRUE(stored.Load(x, y));
        EXPECT_EQ(x, 123);
        EXPECT_EQ(y, -45);
        EXPECT_FALSE(stored.keepOnTop);
        EXPECT_EQ(stored.server, "pop.example.test");
    }
}

TEST_F(MainWindowTest, ADisplayChangeIsCapturedAgain)
{
    Display.width = 0;
    Display.height = 0;
    SendMessageA(Window(), WM_DISPLAYCHANGE, 32, MAKELPARAM(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)));
    EXPECT_EQ(Display.width, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(Display.height, GetSystemMetrics(SM_CYSCREEN));

    // The editions that do not follow the display leave it as it was.
    AdoptEdition(NotFollowingTheDisplay());
    Display.width = 0;
    SendMessageA(Window(), WM_DISPLAYCHANGE, 32, 0);
    EXPECT_EQ(Display.width, 0);
}

// Without its window the program could not be seen, used or ended: it says
// so in the fatal-error box and ends before start-up. The children run the
// whole program in a working folder of the parent's that holds a
// setting.dat, which they take for theirs.

void UseTheWorkingFoldersSettings()
{
    AdoptEdition(QuennaEdition());
    char folder[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, folder);
    Settings.path = std::string(folder) + "\\setting.dat";
}

// A class of that name is there already (with another procedure), so the
// program's own cannot be registered.
TEST_CHILD(MainClassTakenAlready)
{
    WatchBoxesUntilExit();
    UseTheWorkingFoldersSettings();
    WNDCLASSEXA other = {};
    other.cbSize = sizeof other;
    other.lpfnWndProc = DefWindowProcA;
    other.hInstance = GetModuleHandleA(nullptr);
    other.lpszClassName = Edition().shell.windowName;
    if (RegisterClassExA(&other) == 0)
        return 4;
    return RunAdoptedProgram(GetModuleHandleA(nullptr));
}

// The system refuses to create the main window (a CBT hook may veto any
// window); other windows, such as the box, are made.
HHOOK refusal = nullptr;
LRESULT CALLBACK RefuseTheMainWindow(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_CREATEWND) {
        const char* className = reinterpret_cast<CBT_CREATEWNDA*>(lParam)->lpcs->lpszClass;
        if (!IS_INTRESOURCE(className) && std::strcmp(className, Edition().shell.windowName) == 0)
            return 1;
    }
    return CallNextHookEx(refusal, code, wParam, lParam);
}

TEST_CHILD(MainWindowRefused)
{
    WatchBoxesUntilExit();
    UseTheWorkingFoldersSettings();
    refusal = SetWindowsHookExA(WH_CBT, RefuseTheMainWindow, nullptr, GetCurrentThreadId());
    if (refusal == nullptr)
        return 4;
    return RunAdoptedProgram(GetModuleHandleA(nullptr));
}

TEST(MainWindowFailure, IsAFatalErrorBeforeStartUpAndLeavesTheSettingsAsTheyWere)
{
    ASSERT_EQ(GetACP(), 932u);
    AdoptEdition(QuennaEdition());
    struct Case {
        const char* child;
        const char* message;
    };
    const Case cases[] = {
        {"MainClassTakenAlready", "ウィンドウクラスを登録できませんでした"},
        {"MainWindowRefused", "ウィンドウを作成できませんでした"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.child);
        TempDir folder;
        SettingsRecord stored;
        stored.path = folder.File("setting.dat");
        stored.server = "stored.example";
        ASSERT_TRUE(SaveSettings(stored, 12, 34));
        std::string before;
        ASSERT_TRUE(ReadWholeFile(stored.path, before));

        const ChildResult child = RunChild(c.child, 15000, folder.Path());
        ASSERT_TRUE(child.started);
        EXPECT_FALSE(child.timedOut) << "a program without a window would run for ever";
        EXPECT_EQ(child.exitCode, 0xFFFFFFFFu);
        const std::vector<std::string> boxes = BoxesIn(child.output);
        ASSERT_EQ(boxes.size(), 1u) << child.output;
        const std::string start =
            "致命的なエラー|復帰できないエラーが出ました。\nＯＫを押すとプログラムを終了します。\nファイル名: program.cpp\n行数: ";
        const std::string end = std::string("\n") + c.message;
        EXPECT_EQ(boxes[0].compare(0, start.size(), start), 0) << boxes[0];
        ASSERT_GE(boxes[0].size(), end.size());
        EXPECT_EQ(boxes[0].substr(boxes[0].size() - end.size()), end) << boxes[0];

        std::string after;
        ASSERT_TRUE(ReadWholeFile(stored.path, after));
        EXPECT_TRUE(after == before) << "setting.dat is not written";
    }
}

} // namespace
