#include "base/window/application.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>

#include "base/window/menu.h"
#include "base/window/window_control.h"
#include "tests/window/test_resources.h"
#include "tests/window/window_test_support.h"

namespace {

TEST(Application, StartsEmpty)
{
    Application application;
    EXPECT_EQ(application.classRecord.cbSize, sizeof(WNDCLASSEXA));
    EXPECT_TRUE(application.IsNt()) << "Wine reports the NT platform";
    EXPECT_FALSE(application.KeysBlocked());
    EXPECT_EQ(application.mainWindow, nullptr);
    EXPECT_EQ(application.classRecord.hbrBackground, nullptr);
    for (HWND dialog : application.modelessDialogs)
        EXPECT_EQ(dialog, nullptr);
    for (HACCEL table : application.acceleratorTables)
        EXPECT_EQ(table, nullptr);
    EXPECT_FALSE(application.idleMode);
}

TEST(Application, SetClassLookMakesOrPicksTheBackgroundBrush)
{
    Application application;
    application.SetClassLook(0x000000FF, 0x10123, nullptr, nullptr, nullptr);
    HBRUSH solid = application.classRecord.hbrBackground;
    LOGBRUSH look = {};
    ASSERT_EQ(GetObjectA(solid, sizeof look, &look), static_cast<int>(sizeof look));
    EXPECT_EQ(look.lbStyle, static_cast<UINT>(BS_SOLID));
    EXPECT_EQ(look.lbColor, 0x000000FFu) << "a red solid brush";
    EXPECT_EQ(application.classRecord.lpszMenuName, MAKEINTRESOURCEA(0x123)) << "the id's low word";

    HCURSOR cursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
    HICON icon = LoadIconA(nullptr, MAKEINTRESOURCEA(32512));
    application.SetClassLook(0x01000005, 0, cursor, icon, icon);
    EXPECT_EQ(application.classRecord.hbrBackground, GetStockObject(NULL_BRUSH)) << "a top byte names a stock object";
    EXPECT_EQ(GetObjectType(solid), 0u) << "the earlier brush was deleted";
    EXPECT_EQ(application.classRecord.hCursor, cursor);
    EXPECT_EQ(application.classRecord.hIcon, icon);
    EXPECT_EQ(application.classRecord.hIconSm, icon);
}

LRESULT CALLBACK ClassProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcA(window, message, wParam, lParam);
}

TEST(Application, RegistersTheClassItWasGiven)
{
    Application application;
    application.InitClass(CS_OWNDC, ClassProcedure, TestInstance(), "ApplicationTestClass");
    application.SetClassLook(0, 0, nullptr, nullptr, nullptr);
    ASSERT_TRUE(application.RegisterClass());
    WNDCLASSEXA found = {};
    found.cbSize = sizeof found;
    ASSERT_TRUE(GetClassInfoExA(TestInstance(), "ApplicationTestClass", &found));
    EXPECT_EQ(found.style, static_cast<UINT>(CS_OWNDC));
    EXPECT_EQ(found.lpfnWndProc, ClassProcedure);
    EXPECT_EQ(application.Instance(), TestInstance());
    EXPECT_FALSE(application.RegisterClass()) << "registered already";
    UnregisterClassA("ApplicationTestClass", TestInstance());
}

TEST(Application, LoadsResourcesOfItsInstance)
{
    Application application;
    application.InitClass(0, ClassProcedure, TestInstance(), "unused");
    HMENU menu = application.LoadMenu(IDM_BAR);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(GetMenuItemCount(menu), 1);
    DestroyMenu(menu);
    HACCEL keys = application.LoadAccelerators(IDA_KEYS);
    EXPECT_NE(keys, nullptr);
    DestroyAcceleratorTable(keys);
    EXPECT_EQ(application.LoadIcon(999), nullptr);
    EXPECT_EQ(application.LoadCursor(999), nullptr);
    EXPECT_EQ(application.LoadBitmap(999), nullptr);
    EXPECT_EQ(application.LoadMenu(999), nullptr);
}

INT_PTR CALLBACK EndAtOnce(HWND dialog, UINT message, WPARAM, LPARAM)
{
    if (message == WM_INITDIALOG) {
        EndDialog(dialog, 42);
        return TRUE;
    }
    return FALSE;
}

INT_PTR CALLBACK Modeless(HWND, UINT message, WPARAM, LPARAM)
{
    return message == WM_INITDIALOG;
}

TEST(Application, DialogsNeedTheMainWindow)
{
    Application application;
    application.InitClass(0, ClassProcedure, TestInstance(), "unused");
    EXPECT_EQ(application.ModalDialog(IDD_CONTROLS, EndAtOnce), -1);
    EXPECT_EQ(application.ModelessDialog(IDD_CONTROLS, Modeless), nullptr);

    TestWindow main;
    application.mainWindow = main.Hwnd();
    EXPECT_EQ(application.ModalDialog(IDD_CONTROLS, EndAtOnce), 42);
    HWND dialog = application.ModelessDialog(IDD_CONTROLS, Modeless);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(GetWindow(dialog, GW_OWNER), main.Hwnd());
    EXPECT_EQ(application.modelessDialogs[0], nullptr) << "the caller fills the slots";
    DestroyWindow(dialog);
}

std::string Text(HWND window)
{
    char text[64] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

TEST(Application, RunOffersMessagesToTheModelessDialogsFirst)
{
    struct Case {
        const char* name;
        bool throughVariable;
    };
    for (const Case c : {Case{"slot 3", false}, Case{"handle variable", true}}) {
        SCOPED_TRACE(c.name);
        Application application;
        application.InitClass(0, ClassProcedure, TestInstance(), "unused");
        TestWindow main;
        application.mainWindow = main.Hwnd();
        HWND dialog = application.ModelessDialog(IDD_CONTROLS, Modeless);
        ASSERT_NE(dialog, nullptr);
        HWND variable = dialog;
        if (c.throughVariable)
            application.dialogVariables[1] = &variable;
        else
            application.modelessDialogs[3] = dialog;

        HWND edit = GetDlgItem(dialog, IDC_PORT);
        ClearMessages();
        PostMessageA(edit, WM_CHAR, 'x', 1);
        PostMessageA(main.Hwnd(), WM_USER + 3, 0, 0);
        PostQuitMessage(0);
        application.Run();
        // The dialog pass dispatched the character itself; the loop did not
        // dispatch it a second time.
        EXPECT_EQ(Text(edit), "x");
        EXPECT_EQ(CountMessages(main.Hwnd(), WM_USER + 3), 1) << "other messages are dispatched";
        DestroyWindow(dialog);
    }
}

TEST(Application, AnAcceleratorTurnsTheKeyIntoACommandAndStopsIt)
{
    Application application;
    application.InitClass(0, ClassProcedure, TestInstance(), "unused");
    TestWindow window;
    application.acceleratorWindows[1] = window.Hwnd(); // a pair without its table is skipped
    application.acceleratorWindows[2] = window.Hwnd();
    application.acceleratorTables[2] = application.LoadAccelerators(IDA_KEYS);
    ASSERT_NE(application.acceleratorTables[2], nullptr);

    ClearMessages();
    PostMessageA(window.Hwnd(), WM_KEYDOWN, VK_F5, 1);
    PostQuitMessage(0);
    application.Run();
    EXPECT_EQ(CountMessages(window.Hwnd(), WM_KEYDOWN), 0);
    bool commanded = false;
    for (const ReceivedMessage& m : Messages())
        commanded |= m.message == WM_COMMAND && LOWORD(m.wParam) == IDM_REFRESH;
    EXPECT_TRUE(commanded);
    DestroyAcceleratorTable(application.acceleratorTables[2]);
}

TEST(Application, WithoutAcceleratorsKeysAreTranslatedAndDispatched)
{
    Application application;
    TestWindow window;
    ClearMessages();
    const LPARAM scanCode = static_cast<LPARAM>(MapVirtualKeyA('A', MAPVK_VK_TO_VSC)) << 16;
    PostMessageA(window.Hwnd(), WM_KEYDOWN, 'A', scanCode | 1);
    PostQuitMessage(0);
    application.Run();
    EXPECT_EQ(CountMessages(window.Hwnd(), WM_KEYDOWN), 1);
    EXPECT_EQ(CountMessages(window.Hwnd(), WM_CHAR), 1) << "translated";
}

int idleCalls = 0;

void CountIdle()
{
    if (++idleCalls == 3)
        PostQuitMessage(0);
}

TEST(Application, TheIdleFormCallsBackWhenTheQueueIsEmpty)
{
    Application application;
    application.idleMode = true;
    application.idleCallback = CountIdle;
    idleCalls = 0;
    TestWindow window;
    PumpMessages(10);
    ClearMessages();
    PostMessageA(window.Hwnd(), WM_USER + 4, 0, 0);
    application.Run();
    EXPECT_EQ(idleCalls, 3);
    EXPECT_EQ(CountMessages(window.Hwnd(), WM_USER + 4), 1);
}

TEST(Application, SystemKeysChangeStateOnlyOnce)
{
    Application application;
    EXPECT_FALSE(application.SetSystemKeys(true)) << "nothing to release";
    EXPECT_TRUE(application.SetSystemKeys(false));
    EXPECT_TRUE(application.KeysBlocked());
    EXPECT_FALSE(application.SetSystemKeys(false)) << "blocked already";
    EXPECT_TRUE(application.SetSystemKeys(true));
    EXPECT_FALSE(application.KeysBlocked());

    // The loop never leaves the keys blocked.
    application.SetSystemKeys(false);
    PostQuitMessage(0);
    application.Run();
    EXPECT_FALSE(application.KeysBlocked());
}

void PressKey(WORD key, bool down)
{
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
    SendInput(1, &input, sizeof input);
}

// Injected keys never carry the Alt flag, so the hook procedure is called
// with made-up records here.
TEST(SystemKeyHook, SwallowsTheTaskSwitchKeysOnly)
{
    struct Case {
        const char* name;
        DWORD key;
        DWORD flags;
        WORD held; // a key held down meanwhile, 0 for none
        bool swallowed;
    };
    const Case cases[] = {
        {"Esc", VK_ESCAPE, 0, 0, false},
        {"Alt+Esc", VK_ESCAPE, LLKHF_ALTDOWN, 0, true},
        {"Ctrl+Esc", VK_ESCAPE, 0, VK_CONTROL, true},
        {"Shift+Esc", VK_ESCAPE, 0, VK_SHIFT, true},
        {"Tab", VK_TAB, 0, 0, false},
        {"Alt+Tab", VK_TAB, LLKHF_ALTDOWN, 0, true},
        {"Ctrl+Tab", VK_TAB, 0, VK_CONTROL, false},
        {"left Windows key", VK_LWIN, 0, 0, true},
        {"right Windows key", VK_RWIN, 0, 0, true},
        {"Alt+A", 'A', LLKHF_ALTDOWN, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.held != 0) {
            PressKey(c.held, true);
            ASSERT_TRUE(PumpUntil([&] { return GetAsyncKeyState(c.held) < 0; }, 1000));
        }
        KBDLLHOOKSTRUCT record = {};
        record.vkCode = c.key;
        record.flags = c.flags;
        EXPECT_EQ(SystemKeyHook(HC_ACTION, WM_KEYDOWN, reinterpret_cast<LPARAM>(&record)) == 1, c.swallowed);
        if (c.held != 0) {
            PressKey(c.held, false);
            PumpUntil([&] { return GetAsyncKeyState(c.held) >= 0; }, 1000);
        }
    }
    KBDLLHOOKSTRUCT windows = {};
    windows.vkCode = VK_LWIN;
    EXPECT_NE(SystemKeyHook(HC_NOREMOVE, WM_KEYDOWN, reinterpret_cast<LPARAM>(&windows)), 1)
        << "only HC_ACTION is looked at";
}

TEST(SystemKeyHook, BlockedWindowsKeysNeverReachTheWindow)
{
    Application application;
    application.InitClass(0, ClassProcedure, TestInstance(), "unused");
    TestWindow window(Rect(100, 100, 300, 200), WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    SetForegroundWindow(window.Hwnd());
    SetFocus(window.Hwnd());
    ASSERT_TRUE(PumpUntil([&] { return GetFocus() == window.Hwnd(); }));
    ASSERT_TRUE(application.SetSystemKeys(false));

    // The hook runs on this thread while it pumps: type from another one.
    ClearMessages();
    std::thread typist([] {
        for (WORD key : {static_cast<WORD>(VK_LWIN), static_cast<WORD>('B')}) {
            PressKey(key, true);
            PressKey(key, false);
        }
    });
    const bool typed = PumpUntil([&] { return CountMessages(window.Hwnd(), WM_KEYUP) >= 1; });
    typist.join();
    PumpMessages(50);
    application.SetSystemKeys(true);
    ASSERT_TRUE(typed);
    int windowsKeys = 0;
    int others = 0;
    for (const ReceivedMessage& m : Messages()) {
        if (m.window == window.Hwnd() && m.message == WM_KEYDOWN)
            (m.wParam == VK_LWIN ? windowsKeys : others) += 1;
    }
    EXPECT_EQ(windowsKeys, 0);
    EXPECT_EQ(others, 1);
}

} // namespace

// A main window run the way the program runs its own: a registered popup
// class with its own device context, timer 1, a tray icon, a popup menu
// whose commands open a modeless dialog and end the program.
namespace shell {

Application* application = nullptr;
WindowControl* mainWindow = nullptr;
int ticks = 0;
HWND dialog = nullptr;
std::string typed;

INT_PTR CALLBACK DialogProc(HWND, UINT message, WPARAM, LPARAM)
{
    return message == WM_INITDIALOG;
}

LRESULT CALLBACK MainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_TIMER:
        if (++ticks == 2)
            PostMessageA(window, WM_COMMAND, 0x2000, 0);
        return 0;
    case WM_COMMAND:
        if (wParam == 0x2000) {
            mainWindow->Timer.Set(0);
            dialog = application->ModelessDialog(IDD_CONTROLS, DialogProc);
            application->modelessDialogs[0] = dialog;
            ShowWindow(dialog, SW_SHOW);
            PostMessageA(GetDlgItem(dialog, IDC_PORT), WM_CHAR, '5', 1);
            PostMessageA(window, WM_COMMAND, 0x1000, 0);
        } else if (wParam == 0x1000) {
            typed = Text(GetDlgItem(dialog, IDC_PORT));
            application->modelessDialogs[0] = nullptr;
            PostMessageA(window, WM_CLOSE, 0, 0);
        }
        return 0;
    case WM_CLOSE:
        DestroyWindow(window);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

} // namespace shell

TEST(Application, RunsAMainWindowTheWayTheProgramDoes)
{
    Application application;
    WindowControl main;
    shell::application = &application;
    shell::mainWindow = &main;
    application.InitClass(CS_OWNDC, shell::MainProc, TestInstance(), "ShellLikeWindow");
    application.SetClassLook(0, 0, nullptr, nullptr, nullptr);
    ASSERT_TRUE(application.RegisterClass());

    main.baseStyle = WS_POPUP;
    main.baseExStyle = WS_EX_TOPMOST | WS_EX_TOOLWINDOW;
    WindowCreateParams params;
    params.instance = application.Instance();
    params.rect = Rect(0, 0, 800, 600);
    params.className = "ShellLikeWindow";
    params.text = "ShellLikeWindow";
    ASSERT_TRUE(main.Create(params));
    EXPECT_FALSE(main.Visible.Get()) << "made hidden";
    ASSERT_TRUE(main.DC.Begin(false));
    HDC own = GetDC(main.Hwnd());
    EXPECT_EQ(main.DC.Hdc(), own) << "the class gives the window its own context";
    ReleaseDC(main.Hwnd(), own);
    main.DC.End();

    PopupMenuItems menu;
    menu.Append("設定(&S)", 0x2000);
    menu.Append("終了(&E)", 0x1000);
    main.PopupMenu.SetMenu(menu.Hmenu());
    ASSERT_TRUE(main.TaskIcon.Add("ShellLikeWindow", LoadIconA(nullptr, MAKEINTRESOURCEA(32512)), WM_USER, 0));
    ASSERT_TRUE(main.Timer.Set(20));
    application.mainWindow = main.Hwnd();
    shell::ticks = 0;
    application.Run();

    EXPECT_EQ(shell::ticks, 2) << "the dialog stopped timer 1";
    EXPECT_EQ(shell::typed, "5") << "the dialog got its key once";
    EXPECT_FALSE(IsWindow(main.Hwnd()));
    // After the loop the window is gone, yet the icon's removal is still
    // asked for with its handle.
    EXPECT_TRUE(main.TaskIcon.IsShown());
    main.TaskIcon.Remove();
    EXPECT_FALSE(main.TaskIcon.IsShown());
    main.Release();
    UnregisterClassA("ShellLikeWindow", TestInstance());
}
