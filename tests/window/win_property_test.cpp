#include <windows.h>
#include <imm.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <cstring>

#include <string>
#include <vector>

#include "base/window/window_control.h"
#include "tests/window/window_test_support.h"

namespace {

// A control bound to a fresh test window.
struct Bound {
    explicit Bound(const Rect& rect = Rect(100, 100, 400, 300), DWORD style = WS_POPUP | WS_VISIBLE,
                   DWORD exStyle = 0)
        : window(rect, style, exStyle)
    {
        control.SetHwnd(window.Hwnd());
    }
    TestWindow window;
    WindowControl control;
};

void ExpectRect(HWND window, LONG left, LONG top, LONG right, LONG bottom)
{
    const RECT r = ScreenRect(window);
    EXPECT_EQ(r.left, left);
    EXPECT_EQ(r.top, top);
    EXPECT_EQ(r.right, right);
    EXPECT_EQ(r.bottom, bottom);
}

TEST(WinRect, PartsReadTheWindowRectangle)
{
    Bound bound;
    WinRect& r = bound.control.Rect;
    const struct {
        WinRectProperty& part;
        int32_t expected;
    } cases[] = {{r.Left, 100}, {r.Top, 100}, {r.Right, 400}, {r.Bottom, 300},
                 {r.X, 100},    {r.Y, 100},   {r.Width, 300}, {r.Height, 200}};
    for (const auto& c : cases)
        EXPECT_EQ(c.part.Get(), c.expected);
}

TEST(WinRect, SettingAPartMovesOrResizesAndKeepsTheRest)
{
    struct Case {
        const char* name;
        WinRectProperty WinRect::*part;
        int32_t value;
        bool changes;
        RECT expected;
    };
    const Case cases[] = {
        {"width", &WinRect::Width, 250, true, {100, 100, 350, 300}},
        {"height", &WinRect::Height, 50, true, {100, 100, 400, 150}},
        {"x", &WinRect::X, 120, true, {120, 100, 420, 300}},
        {"y", &WinRect::Y, 130, true, {100, 130, 400, 330}},
        {"left", &WinRect::Left, 5, false, {100, 100, 400, 300}},
        {"top", &WinRect::Top, 5, false, {100, 100, 400, 300}},
        {"right", &WinRect::Right, 5, false, {100, 100, 400, 300}},
        {"bottom", &WinRect::Bottom, 5, false, {100, 100, 400, 300}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Bound bound;
        EXPECT_EQ((bound.control.Rect.*c.part).Set(c.value), c.changes);
        ExpectRect(bound.window.Hwnd(), c.expected.left, c.expected.top, c.expected.right, c.expected.bottom);
    }
}

TEST(WinRect, MoveResizeAndSetRectUseTheEditionsFlags)
{
    Bound bound;
    WinRect& r = bound.control.Rect;
    ClearMessages();
    ASSERT_TRUE(r.Move(10, 20));
    ASSERT_TRUE(r.Resize(30, 40));
    ExpectRect(bound.window.Hwnd(), 10, 20, 40, 60);
    const std::vector<UINT> flags = PositionChangeFlags(bound.window.Hwnd());
    ASSERT_EQ(flags.size(), 2u);
    // The reference edition redraws: no SWP_NOREDRAW.
    EXPECT_EQ(flags[0] & 0x0F, static_cast<UINT>(SWP_NOSIZE | SWP_NOZORDER));
    EXPECT_EQ(flags[1] & 0x0F, static_cast<UINT>(SWP_NOMOVE | SWP_NOZORDER));

    ASSERT_TRUE(r.SetRect(Rect(5, 6, 105, 56)));
    const Rect got = r.GetRect();
    EXPECT_EQ(got.left, 5);
    EXPECT_EQ(got.top, 6);
    EXPECT_EQ(got.right, 105);
    EXPECT_EQ(got.bottom, 56);
}

TEST(WinRect, CenterOnAnotherWindowOrTheScreen)
{
    Bound bound; // 300 x 200
    ASSERT_TRUE(bound.control.Rect.CenterOn(nullptr));
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    ExpectRect(bound.window.Hwnd(), (screenWidth >> 1) - 150, (screenHeight >> 1) - 100,
               (screenWidth >> 1) + 150, (screenHeight >> 1) + 100);

    TestWindow other(Rect(0, 0, 201, 101));
    SetTimer(other.Hwnd(), 7, 10, nullptr);
    ASSERT_TRUE(bound.control.Rect.CenterOn(other.Hwnd()));
    // The centre (0 + 201/2, 0 + 101/2) halves by shifting: (100, 50).
    ExpectRect(bound.window.Hwnd(), -50, -50, 250, 150);
    ExpectRect(other.Hwnd(), 0, 0, 201, 101);
    ClearMessages();
    PumpMessages(60);
    EXPECT_GT(CountMessages(other.Hwnd(), WM_TIMER), 0) << "the other window's timer runs on";
}

TEST(WinClient, SetSizeGivesExactlyTheClientArea)
{
    struct Case {
        const char* name;
        DWORD style;
        DWORD exStyle;
        bool menu;
    };
    const Case cases[] = {
        {"frame", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, false},
        {"frame and extended style", WS_OVERLAPPEDWINDOW | WS_VISIBLE, WS_EX_TOOLWINDOW, false},
        {"menu bar", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, true},
        {"scroll bars", WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Bound bound(Rect(50, 50, 450, 350), c.style, c.exStyle);
        if (c.menu) {
            HMENU menu = CreateMenu();
            AppendMenuA(menu, MF_STRING, 1, "File");
            SetMenu(bound.window.Hwnd(), menu);
        }
        ASSERT_TRUE(bound.control.Client.SetSize(200, 100));
        RECT client = {};
        GetClientRect(bound.window.Hwnd(), &client);
        EXPECT_EQ(client.right, 200);
        EXPECT_EQ(client.bottom, 100);
        EXPECT_EQ(bound.control.Client.Width.Get(), 200);

        ASSERT_TRUE(bound.control.Client.Width.Set(180));
        GetClientRect(bound.window.Hwnd(), &client);
        EXPECT_EQ(client.right, 180);
        EXPECT_EQ(client.bottom, 100) << "the client height is kept";
        EXPECT_FALSE(bound.control.Client.X.Set(3)) << "a client position is no size";
    }
}

TEST(WinClient, ScrollBarsWidenTheWindowBeyondTheAdjustedRectangle)
{
    const DWORD style = WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_VSCROLL;
    Bound bound(Rect(50, 50, 450, 350), style);
    ASSERT_TRUE(bound.control.Client.SetSize(200, 100));
    RECT adjusted = {0, 0, 200, 100};
    AdjustWindowRect(&adjusted, style, FALSE);
    const RECT window = ScreenRect(bound.window.Hwnd());
    EXPECT_EQ(window.right - window.left, adjusted.right - adjusted.left + GetSystemMetrics(SM_CXVSCROLL));
    EXPECT_EQ(window.bottom - window.top, adjusted.bottom - adjusted.top);
}

TEST(WinCaption, ReadsWritesAndFormatsTheWindowText)
{
    Bound bound;
    WinCaption& caption = bound.control.Caption;
    ASSERT_TRUE(caption.SetText("hello"));
    EXPECT_EQ(caption.Get(), "hello");
    ASSERT_TRUE(caption.Format("%s %03d", "no.", 7));
    EXPECT_EQ(caption.Get(), "no. 007");

    caption.SetText(std::string(300, 'c').c_str());
    EXPECT_EQ(caption.Get(), std::string(254, 'c')) << "Get reads at most 254 characters";
    EXPECT_FALSE(caption.Format(nullptr));
}

TEST(WinCaption, FormatCutsAtACharacterBoundary)
{
    if (GetACP() != 932)
        GTEST_SKIP() << "needs code page 932";
    Bound bound;
    const std::string fits(4095, 'f');
    ASSERT_TRUE(bound.control.Caption.Format("%s", fits.c_str()));
    EXPECT_EQ(GetWindowTextLengthA(bound.window.Hwnd()), 4095);
    // 4094 bytes and a double-byte character: the character does not fit.
    const std::string overflowing = std::string(4094, 'f') + "字";
    ASSERT_TRUE(bound.control.Caption.Format("%s", overflowing.c_str()));
    std::vector<char> text(5000, '\0');
    GetWindowTextA(bound.window.Hwnd(), text.data(), static_cast<int>(text.size()));
    EXPECT_EQ(std::string(text.data()), std::string(4094, 'f'));
}

TEST(WinStyle, CombinesBitsAndRefreshesTheFrame)
{
    Bound bound(Rect(100, 100, 400, 300), WS_POPUP | WS_VISIBLE);
    WinStyle& style = bound.control.Style;
    ClearMessages();
    ASSERT_TRUE(style.OrAssign(WS_BORDER));
    EXPECT_TRUE(GetWindowLongA(bound.window.Hwnd(), GWL_STYLE) & WS_BORDER);
    const std::vector<UINT> flags = PositionChangeFlags(bound.window.Hwnd());
    ASSERT_FALSE(flags.empty());
    EXPECT_TRUE(flags.back() & SWP_FRAMECHANGED);

    ASSERT_TRUE(style.XorAssign(WS_BORDER | WS_DISABLED));
    EXPECT_EQ(style.Get() & (WS_BORDER | WS_DISABLED), static_cast<uint32_t>(WS_DISABLED));
    ASSERT_TRUE(style.AndAssign(~static_cast<uint32_t>(WS_DISABLED)));
    EXPECT_EQ(style.Get() & WS_DISABLED, 0u);
    ASSERT_TRUE(style.Set(WS_POPUP | WS_VISIBLE | WS_DLGFRAME));
    EXPECT_EQ(style.Get() & WS_DLGFRAME, static_cast<uint32_t>(WS_DLGFRAME));

    WinExStyle& exStyle = bound.control.ExStyle;
    ASSERT_TRUE(exStyle.OrAssign(WS_EX_TOOLWINDOW));
    EXPECT_TRUE(GetWindowLongA(bound.window.Hwnd(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    ASSERT_TRUE(exStyle.Set(0));
    EXPECT_EQ(exStyle.Get() & WS_EX_TOOLWINDOW, 0u);
}

TEST(WinState, VisibleAndEnableFollowTheWindow)
{
    Bound bound;
    ASSERT_TRUE(bound.control.Visible.Set(false));
    EXPECT_FALSE(IsWindowVisible(bound.window.Hwnd()));
    EXPECT_FALSE(bound.control.Visible.Get());
    ASSERT_TRUE(bound.control.Visible.Set(true));
    EXPECT_TRUE(bound.control.Visible.Get());

    ASSERT_TRUE(bound.control.Enable.Set(false));
    EXPECT_FALSE(IsWindowEnabled(bound.window.Hwnd()));
    EXPECT_FALSE(bound.control.Enable.Get());
    ASSERT_TRUE(bound.control.Enable.Set(true));
    EXPECT_TRUE(bound.control.Enable.Get());
}

TEST(WinState, FocusActivationAndForegroundAreAskedForNotGivenAway)
{
    Bound first(Rect(100, 100, 200, 200), WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    Bound second(Rect(300, 100, 400, 200), WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    ASSERT_TRUE(first.control.Forground.Set(true));
    EXPECT_TRUE(first.control.Forground.Get());
    EXPECT_TRUE(first.control.Active.Get());
    ASSERT_TRUE(second.control.Active.Set(true));
    EXPECT_TRUE(second.control.Active.Get());
    EXPECT_FALSE(first.control.Active.Get());
    ASSERT_TRUE(first.control.Focus.Set(true));
    EXPECT_TRUE(first.control.Focus.Get());
    EXPECT_FALSE(second.control.Focus.Get());

    EXPECT_FALSE(first.control.Focus.Set(false));
    EXPECT_FALSE(first.control.Active.Set(false));
    EXPECT_FALSE(first.control.Forground.Set(false));
    EXPECT_EQ(GetFocus(), first.window.Hwnd()) << "Set(false) gives nothing away";
}

// True when a lies above b in the z-order.
bool IsAbove(HWND a, HWND b)
{
    for (HWND w = GetWindow(a, GW_HWNDNEXT); w != nullptr; w = GetWindow(w, GW_HWNDNEXT)) {
        if (w == b)
            return true;
    }
    return false;
}

TEST(WinZOrder, PlacesTheWindowAndKeepsItsRectangle)
{
    Bound lower(Rect(100, 100, 200, 200));
    Bound upper(Rect(150, 150, 250, 250));
    WinZOrder& order = lower.control.ZOrder;
    ASSERT_TRUE(order.Set(order.TopMost));
    EXPECT_TRUE(GetWindowLongA(lower.window.Hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_TRUE(IsAbove(lower.window.Hwnd(), upper.window.Hwnd()));
    ASSERT_TRUE(order.Set(order.NoTopMost));
    EXPECT_FALSE(GetWindowLongA(lower.window.Hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    // Without SWP_NOACTIVATE the system activates the window, which takes
    // it back to the top of its group: Bottom only counts as done.
    EXPECT_TRUE(order.Set(order.Bottom));
    SetWindowPos(upper.window.Hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    ASSERT_TRUE(order.Set(order.Top));
    EXPECT_TRUE(IsAbove(lower.window.Hwnd(), upper.window.Hwnd()));
    ExpectRect(lower.window.Hwnd(), 100, 100, 200, 200);
}

TEST(WinTimer, RunsTimerOneAndReplacesIt)
{
    Bound bound;
    ClearMessages();
    ASSERT_TRUE(bound.control.Timer.Set(10));
    ASSERT_TRUE(PumpUntil([&] { return CountMessages(bound.window.Hwnd(), WM_TIMER) >= 2; }));
    for (const ReceivedMessage& m : Messages()) {
        if (m.message == WM_TIMER) {
            EXPECT_EQ(m.wParam, 1u);
        }
    }

    // A new period replaces the running timer 1.
    ASSERT_TRUE(bound.control.Timer.Set(500));
    PumpMessages(20);
    ClearMessages();
    PumpMessages(150);
    EXPECT_EQ(CountMessages(bound.window.Hwnd(), WM_TIMER), 0);

    ASSERT_TRUE(bound.control.Timer.Set(0)) << "0 stops and starts nothing";
    ClearMessages();
    PumpMessages(600);
    EXPECT_EQ(CountMessages(bound.window.Hwnd(), WM_TIMER), 0);
}

TEST(WinMouse, PositionUsesOriginAndScale)
{
    Bound bound(Rect(100, 100, 400, 300)); // popup: client origin (100, 100)
    WinMouse& mouse = bound.control.Mouse;
    mouse.SetOrigin(10, 10);
    mouse.SetScale(2.0f, 2.0f);

    ASSERT_TRUE(SetCursorPos(100 + 30, 100 + 50));
    EXPECT_EQ(mouse.GetPos().x, 10);
    EXPECT_EQ(mouse.GetPos().y, 20);
    EXPECT_EQ(mouse.X.Get(), 10);
    EXPECT_EQ(mouse.Y.Get(), 20);
    EXPECT_TRUE(mouse.IsIn(Rect(10, 20, 11, 21)));
    EXPECT_FALSE(mouse.IsIn(Rect(0, 0, 10, 20))) << "right and bottom are outside";

    ASSERT_TRUE(SetCursorPos(0, 0));
    ASSERT_TRUE(mouse.SetPos(10, 20));
    POINT cursor = {};
    GetCursorPos(&cursor);
    EXPECT_EQ(cursor.x, 130);
    EXPECT_EQ(cursor.y, 150);

    ASSERT_TRUE(mouse.X.Set(5));
    GetCursorPos(&cursor);
    EXPECT_EQ(cursor.x, 120);
    EXPECT_EQ(cursor.y, 150) << "y is kept";
    ASSERT_TRUE(mouse.Y.Set(0));
    GetCursorPos(&cursor);
    EXPECT_EQ(cursor.x, 120);
    EXPECT_EQ(cursor.y, 110);

    // Reading truncates toward zero, also left of the origin.
    ASSERT_TRUE(SetCursorPos(100 + 7, 100 + 13));
    EXPECT_EQ(mouse.GetPos().x, -1);
    EXPECT_EQ(mouse.GetPos().y, 1);

    // A scale so small that the units leave the int32 range stops at the
    // limit on the cursor's side of the origin.
    mouse.SetScale(1e-9f, 1e-9f);
    EXPECT_EQ(mouse.GetPos().x, INT32_MIN);
    EXPECT_EQ(mouse.GetPos().y, INT32_MAX);
}

TEST(WinMouse, IsInWhenForegroundNeedsTheForeground)
{
    Bound first(Rect(100, 100, 200, 200), WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    Bound second(Rect(300, 100, 400, 200), WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    POINT origin = {0, 0};
    ClientToScreen(first.window.Hwnd(), &origin);
    ASSERT_TRUE(SetCursorPos(origin.x + 5, origin.y + 5));
    ASSERT_TRUE(second.control.Forground.Set(true));
    EXPECT_TRUE(first.control.Mouse.IsIn(Rect(0, 0, 10, 10)));
    EXPECT_FALSE(first.control.Mouse.IsInWhenForeground(0, 0, 10, 10));
    ASSERT_TRUE(first.control.Forground.Set(true));
    EXPECT_TRUE(first.control.Mouse.IsInWhenForeground(0, 0, 10, 10));
}

TEST(WinMouse, CaptureIsTakenAndReleased)
{
    Bound bound;
    WinMouseCapture& capture = bound.control.Mouse.Capture;
    ASSERT_TRUE(capture.Set(true));
    EXPECT_EQ(GetCapture(), bound.window.Hwnd());
    EXPECT_TRUE(capture.Get());
    ASSERT_TRUE(capture.Set(false));
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_FALSE(capture.Get());
}

TEST(Cursor, ShowCursorFullyReachesTheStateInOneGo)
{
    // The system tells the cursor state of the foreground window's thread.
    Bound foreground(Rect(100, 100, 200, 200), WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    ASSERT_TRUE(foreground.control.Forground.Set(true));
    // Drive the display count well below 0, then show in one call.
    for (int i = 0; i < 3; ++i)
        ShowCursor(FALSE);
    ShowCursorFully(true);
    EXPECT_TRUE(IsCursorShowing());
    EXPECT_EQ(ShowCursor(FALSE), -1) << "shown at count 0 exactly";
    ShowCursor(TRUE);

    // Already shown: one step only.
    ShowCursorFully(true);
    EXPECT_EQ(ShowCursor(FALSE), 0);

    ShowCursorFully(false);
    EXPECT_FALSE(IsCursorShowing());
    ShowCursorFully(true);
    EXPECT_TRUE(IsCursorShowing());
}

TEST(WinDC, GivesBackWhicheverContextWasBegun)
{
    Bound bound;
    WinDC& dc = bound.control.DC;
    ASSERT_TRUE(dc.Begin(false));
    const HDC held = dc.Hdc();
    ASSERT_NE(held, nullptr);
    EXPECT_EQ(WindowFromDC(held), bound.window.Hwnd());
    EXPECT_FALSE(dc.Begin(false)) << "a second context would orphan the first";
    EXPECT_EQ(dc.Hdc(), held);
    EXPECT_TRUE(dc.End());
    EXPECT_EQ(dc.Hdc(), nullptr);
    EXPECT_FALSE(dc.End()) << "nothing left to give back";

    InvalidateRect(bound.window.Hwnd(), nullptr, FALSE);
    ASSERT_TRUE(dc.Begin(true));
    const HDC painting = dc.Hdc();
    EXPECT_NE(painting, nullptr);
    EXPECT_FALSE(dc.Begin(true)) << "painting begun twice";
    EXPECT_EQ(dc.Hdc(), painting);
    EXPECT_TRUE(dc.End());
    RECT update = {};
    EXPECT_FALSE(GetUpdateRect(bound.window.Hwnd(), &update, FALSE)) << "painting validated the window";
}

TEST(WinMenu, SetsAndRedrawsTheMenuBar)
{
    Bound bound(Rect(50, 50, 350, 250), WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    HMENU menu = CreateMenu();
    AppendMenuA(menu, MF_STRING, 1, "File");
    ASSERT_TRUE(bound.control.Menu.Set(menu));
    EXPECT_EQ(GetMenu(bound.window.Hwnd()), menu);
    EXPECT_EQ(bound.control.Menu.Get(), menu);
    EXPECT_TRUE(bound.control.Menu.Redraw());
}

// Picks the first item of the open popup menu from inside its loop.
void CALLBACK PickFirstItem(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
    HWND popup = FindWindowA(MAKEINTATOM(0x8000), nullptr); // the menu class "#32768"
    HWND target = popup != nullptr ? popup : GetCapture();
    PostMessageA(target, WM_KEYDOWN, VK_DOWN, 0);
    PostMessageA(target, WM_KEYDOWN, VK_RETURN, 0);
}

TEST(WinPopupMenu, ShowsAtTheCursorAndSendsTheCommandToTheOwner)
{
    Bound bound;
    WinPopupMenu& popup = bound.control.PopupMenu;
    EXPECT_FALSE(popup.Show()) << "no menu held";

    HMENU menu = CreatePopupMenu();
    AppendMenuA(menu, MF_STRING, 0x2000, "settings");
    AppendMenuA(menu, MF_STRING, 0x1000, "exit");
    popup.SetMenu(menu);
    EXPECT_EQ(popup.GetMenu(), menu);
    SetCursorPos(150, 150);
    ClearMessages();
    SetTimer(nullptr, 0, 100, PickFirstItem);
    EXPECT_TRUE(popup.Show());
    PumpMessages(50);
    EXPECT_EQ(CountMessages(bound.window.Hwnd(), WM_ENTERMENULOOP), 1);
    bool commanded = false;
    for (const ReceivedMessage& m : Messages())
        commanded |= m.window == bound.window.Hwnd() && m.message == WM_COMMAND && m.wParam == 0x2000;
    EXPECT_TRUE(commanded);
    DestroyMenu(menu);
}

bool TrayIconExists(HWND window, UINT id)
{
    NOTIFYICONDATAA data = {};
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = window;
    data.uID = id;
    data.uFlags = NIF_TIP;
    return Shell_NotifyIconA(NIM_MODIFY, &data) != 0;
}

TEST(WinTaskIcon, AddsOnceAndRemoves)
{
    Bound bound;
    WinTaskIcon& tray = bound.control.TaskIcon;
    HICON icon = LoadIconA(nullptr, MAKEINTRESOURCEA(32512));
    ASSERT_TRUE(tray.Add("quennacot", icon, WM_USER, 0));
    EXPECT_TRUE(tray.IsShown());
    EXPECT_TRUE(TrayIconExists(bound.window.Hwnd(), 0));

    // Remove it behind the property's back: a second Add must not add it.
    NOTIFYICONDATAA data = {};
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = bound.window.Hwnd();
    ASSERT_TRUE(Shell_NotifyIconA(NIM_DELETE, &data));
    EXPECT_FALSE(tray.Add("quennacot", icon, WM_USER, 0));
    EXPECT_FALSE(TrayIconExists(bound.window.Hwnd(), 0));

    EXPECT_FALSE(tray.Remove()) << "asks for the removal, which the shell refuses";
    EXPECT_FALSE(tray.IsShown());
    EXPECT_FALSE(tray.Remove()) << "nothing shown, nothing asked";

    ASSERT_TRUE(tray.Add("again", icon, WM_USER, 0));
    ASSERT_TRUE(tray.Remove());
    EXPECT_FALSE(TrayIconExists(bound.window.Hwnd(), 0));
}

TEST(WinTaskIcon, ARefusedAddStillCountsAsShownSoRemoveAsks)
{
    Bound bound;
    HICON icon = LoadIconA(nullptr, MAKEINTRESOURCEA(32512));
    // An icon of the same window and id already there: the shell refuses a
    // second one.
    NOTIFYICONDATAA data = {};
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = bound.window.Hwnd();
    data.uFlags = NIF_ICON;
    data.hIcon = icon;
    ASSERT_TRUE(Shell_NotifyIconA(NIM_ADD, &data));
    WinTaskIcon& tray = bound.control.TaskIcon;
    EXPECT_FALSE(tray.Add("refused", icon, WM_USER, 0));
    EXPECT_TRUE(tray.IsShown());
    EXPECT_TRUE(tray.Remove()) << "the removal reaches the icon that was there";
    EXPECT_FALSE(TrayIconExists(bound.window.Hwnd(), 0));
}

TEST(WinTaskIcon, TipIsCutAtACharacterBoundary)
{
    if (GetACP() != 932)
        GTEST_SKIP() << "needs code page 932";
    struct Case {
        std::string text;
        std::string expected;
    };
    const std::string a61(61, 'a'), a62(62, 'a'), a63(63, 'a');
    const Case cases[] = {
        {"quennacot", "quennacot"},
        {a63, a63},
        {a63 + "b", a63},
        {a62 + "字", a62},       // the character's trail byte would be the 64th
        {a61 + "字", a61 + "字"}, // ends exactly at 63 bytes
        {"", ""},
    };
    for (const Case& c : cases) {
        char tip[64];
        std::memset(tip, 'x', sizeof tip);
        CopyTipText(tip, sizeof tip, c.text.c_str());
        EXPECT_EQ(std::string(tip), c.expected) << c.text;
    }
    char tip[64] = "old";
    CopyTipText(tip, sizeof tip, nullptr);
    EXPECT_STREQ(tip, "");
}

TEST(WinIcon, SetsTheBigIconAndReadsTheSmallOne)
{
    Bound bound;
    HICON application = LoadIconA(nullptr, MAKEINTRESOURCEA(32512));
    HICON warning = LoadIconA(nullptr, MAKEINTRESOURCEA(32515));
    ASSERT_TRUE(bound.control.Icon.Set(application));
    EXPECT_EQ(reinterpret_cast<HICON>(SendMessageA(bound.window.Hwnd(), WM_GETICON, ICON_BIG, 0)), application);
    ASSERT_TRUE(bound.control.Icon.SetTyped(warning, ICON_SMALL));
    EXPECT_EQ(bound.control.Icon.Get(), warning);
}

TEST(WinFont, SetsTheControlsFont)
{
    TestWindow parent(Rect(0, 0, 200, 100), WS_POPUP);
    HWND edit = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE, 0, 0, 100, 20, parent.Hwnd(), nullptr,
                                TestInstance(), nullptr);
    WindowControl control;
    control.SetHwnd(edit);
    HFONT font = static_cast<HFONT>(GetStockObject(ANSI_VAR_FONT));
    ASSERT_TRUE(control.Font.Set(font));
    EXPECT_EQ(control.Font.Get(), font);
}

// A subclassing procedure that counts one message and passes everything on.
WindowControl* subclassed = nullptr;
int counted = 0;

LRESULT CALLBACK CountingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_USER + 5)
        ++counted;
    return subclassed->SubClass.CallOld(window, message, wParam, lParam);
}

LRESULT CALLBACK OtherProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return subclassed->SubClass.CallOld(window, message, wParam, lParam);
}

TEST(WinSubClass, InstallsPassesOnAndRestores)
{
    Bound bound;
    HWND window = bound.window.Hwnd();
    subclassed = &bound.control;
    counted = 0;
    WinSubClass& sub = bound.control.SubClass;
    const LONG_PTR original = GetWindowLongPtrA(window, GWLP_WNDPROC);
    EXPECT_EQ(sub.CallOld(window, WM_USER + 5, 0, 0), 0) << "nothing saved yet";
    EXPECT_FALSE(sub.Set(nullptr));

    ASSERT_TRUE(sub.Set(CountingProc));
    EXPECT_TRUE(sub.IsSubclassed(window));
    EXPECT_FALSE(sub.IsSubclassed(GetDesktopWindow()));
    ClearMessages();
    SendMessageA(window, WM_USER + 5, 0, 0);
    EXPECT_EQ(counted, 1);
    EXPECT_EQ(CountMessages(window, WM_USER + 5), 1) << "the old procedure got it too";

    // A second Set undoes the first: Restore goes back to the original.
    ASSERT_TRUE(sub.Set(OtherProc));
    SendMessageA(window, WM_USER + 5, 0, 0);
    EXPECT_EQ(counted, 1);
    ASSERT_TRUE(sub.SetOrRestore(nullptr));
    EXPECT_EQ(GetWindowLongPtrA(window, GWLP_WNDPROC), original);
    EXPECT_FALSE(sub.IsSubclassed(window));
    EXPECT_FALSE(sub.Restore());

    ASSERT_TRUE(sub.SetOrRestore(CountingProc));
    bound.control.Release();
    EXPECT_EQ(GetWindowLongPtrA(window, GWLP_WNDPROC), original);
    subclassed = nullptr;
}

TEST(WinDrop, AcceptsDroppedFiles)
{
    Bound bound;
    ASSERT_TRUE(bound.control.Drop.Set(true));
    EXPECT_TRUE(GetWindowLongA(bound.window.Hwnd(), GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
    ASSERT_TRUE(bound.control.Drop.Set(false));
    EXPECT_FALSE(GetWindowLongA(bound.window.Hwnd(), GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
}

TEST(WinIme, OpensAndClosesTheInputMethod)
{
    Bound bound;
    HIMC context = ImmGetContext(bound.window.Hwnd());
    if (context == nullptr) {
        EXPECT_EQ(bound.control.Ime.SetOpen(true), 0);
        EXPECT_FALSE(bound.control.Ime.IsOpen());
        return;
    }
    ImmReleaseContext(bound.window.Hwnd(), context);
    EXPECT_NE(bound.control.Ime.SetOpen(true), 0);
    EXPECT_TRUE(bound.control.Ime.IsOpen());
    bound.control.Ime.SetOpen(false);
    EXPECT_FALSE(bound.control.Ime.IsOpen());
}

} // namespace
