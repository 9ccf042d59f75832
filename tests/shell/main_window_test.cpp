#include "app/main_window.h"

#include "app/program.h"
#include "app/shell.h"
#include "editions/quenna/quenna_edition.h"
#include "base/graphics/effect.h"
#include "tests/shell/character_fixtures.h"
#include "tests/shell/timer_watch.h"
#include "tests/support/message_box_watcher.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

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

// Messages of this kind waiting in the queue for the window, taken out.
int TakeQueued(HWND window, UINT message)
{
    int taken = 0;
    MSG queued;
    while (PeekMessageA(&queued, window, message, message, PM_REMOVE))
        ++taken;
    return taken;
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
            ASSERT_TRUE(CreateMainWindow(GetModuleHandleA(nullptr)));
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
    ASSERT_TRUE(CreateMainWindow(GetModuleHandleA(nullptr)));
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

TEST_F(MainWindowTest, ADisplayChangeIsCapturedAgain)
{
    Display.width = 0;
    Display.height = 0;
    SendMessageA(Window(), WM_DISPLAYCHANGE, 32, MAKELPARAM(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)));
    EXPECT_EQ(Display.width, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(Display.height, GetSystemMetrics(SM_CYSCREEN));
}

} // namespace
