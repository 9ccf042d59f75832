#include "base/window/window_control.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/message_box_watcher.h"
#include "tests/window/window_test_support.h"

namespace {

WindowCreateParams PopupParams(const Rect& rect = Rect(50, 60, 250, 160))
{
    WindowCreateParams params;
    params.instance = TestInstance();
    params.rect = rect;
    params.style = WS_POPUP | WS_VISIBLE;
    params.className = TestClassName();
    params.text = "made";
    return params;
}

// Every property of a control without a window gives its empty value, and
// every setter refuses.
void ExpectNoWindow(WindowControl& control)
{
    EXPECT_EQ(control.Hwnd(), nullptr);
    EXPECT_EQ(control.Rect.Width.Get(), 0);
    EXPECT_EQ(control.Rect.GetRect().right, 0);
    EXPECT_EQ(control.Client.Height.Get(), 0);
    EXPECT_EQ(control.Caption.Get(), "");
    EXPECT_EQ(control.Style.Get(), 0u);
    EXPECT_FALSE(control.Visible.Get());
    EXPECT_EQ(control.Mouse.GetPos().x, 0);
    EXPECT_EQ(control.Icon.Get(), nullptr);
    EXPECT_EQ(control.Font.Get(), nullptr);
    EXPECT_EQ(control.Menu.Get(), nullptr);
    EXPECT_FALSE(control.Rect.Move(1, 2));
    EXPECT_FALSE(control.Caption.SetText("x"));
    EXPECT_FALSE(control.Caption.Format("%d", 1));
    EXPECT_FALSE(control.Style.OrAssign(WS_BORDER));
    EXPECT_FALSE(control.Visible.Set(true));
    EXPECT_FALSE(control.Timer.Set(100));
    EXPECT_FALSE(control.DC.Begin(false));
    EXPECT_FALSE(control.ZOrder.Set(HWND_TOPMOST));
    EXPECT_FALSE(control.TaskIcon.Add("tip", nullptr, WM_USER, 0));
    EXPECT_FALSE(control.TaskIcon.IsShown());
    EXPECT_FALSE(control.Mouse.Capture.Set(true));
    EXPECT_EQ(control.SendMessage(WM_USER, 0, 0), 0);
    EXPECT_EQ(control.PostMessage(WM_USER, 0, 0), 0);
    EXPECT_EQ(control.MessageBoxPrintf("text", "caption", MB_OK), -1);
    EXPECT_FALSE(control.Invalidate(Rect(), true));
}

TEST(WindowControl, PropertiesActOnTheWindowTheControlHasAtTheTime)
{
    WindowControl control;
    ExpectNoWindow(control);

    control.baseStyle = WS_POPUP;
    control.baseExStyle = WS_EX_TOOLWINDOW;
    WindowCreateParams params = PopupParams();
    params.style = WS_VISIBLE;
    params.exStyle = WS_EX_TOPMOST;
    ASSERT_TRUE(control.Create(params));
    ASSERT_NE(control.Hwnd(), nullptr);
    EXPECT_EQ(control.Caption.Get(), "made");
    const Rect rect = control.Rect.GetRect();
    EXPECT_EQ(rect.left, 50);
    EXPECT_EQ(rect.top, 60);
    EXPECT_EQ(rect.Width(), 200);
    EXPECT_EQ(rect.Height(), 100);
    EXPECT_EQ(control.Style.Get() & (WS_POPUP | WS_VISIBLE), static_cast<uint32_t>(WS_POPUP | WS_VISIBLE))
        << "base style ORed with the parameters' style";
    EXPECT_EQ(control.ExStyle.Get() & (WS_EX_TOOLWINDOW | WS_EX_TOPMOST),
              static_cast<uint32_t>(WS_EX_TOOLWINDOW | WS_EX_TOPMOST));

    // Binding another window moves every property over to it.
    TestWindow other;
    EXPECT_TRUE(control.SetHwnd(other.Hwnd()));
    EXPECT_EQ(control.Caption.Get(), "test window");
    HWND made = FindWindowA(TestClassName(), "made");
    DestroyWindow(made);

    // A window destroyed behind the control's back reads as empty.
    DestroyWindow(other.Hwnd());
    EXPECT_EQ(control.Caption.Get(), "");
    EXPECT_EQ(control.Rect.Width.Get(), 0);
    EXPECT_FALSE(control.Visible.Get());
}

TEST(WindowControl, CreateRefusesAnEmptyClassWithoutParentAndKeepsTheHandle)
{
    WindowControl control;
    ASSERT_TRUE(control.Create(PopupParams()));
    HWND made = control.Hwnd();
    WindowCreateParams empty = PopupParams();
    empty.className.clear();
    EXPECT_FALSE(control.Create(empty));
    EXPECT_EQ(control.Hwnd(), made);

    // A failed creation replaces the handle with NULL.
    WindowCreateParams unknown = PopupParams();
    unknown.className = "NoSuchClassHere";
    EXPECT_FALSE(control.Create(unknown));
    EXPECT_EQ(control.Hwnd(), nullptr);
    DestroyWindow(made);
}

TEST(WindowControl, ReleaseLeavesTheWindowAndUndoesWhatThePropertiesSetUp)
{
    TestWindow window;
    const LONG_PTR procedure = GetWindowLongPtrA(window.Hwnd(), GWLP_WNDPROC);
    {
        WindowControl control;
        control.SetHwnd(window.Hwnd());
        ASSERT_TRUE(control.Timer.Set(10));
        ASSERT_TRUE(control.SubClass.Set(DefWindowProcA));
        ASSERT_TRUE(control.Mouse.Capture.Set(true));
        ASSERT_TRUE(control.DC.Begin(false));
        control.TaskIcon.Add("release", LoadIconA(nullptr, MAKEINTRESOURCEA(32512)), WM_USER, 0);

        control.Release();
        ExpectNoWindow(control);
        EXPECT_TRUE(IsWindow(window.Hwnd()));
        EXPECT_TRUE(IsWindowVisible(window.Hwnd()));
        EXPECT_EQ(GetWindowLongPtrA(window.Hwnd(), GWLP_WNDPROC), procedure);
        EXPECT_EQ(GetCapture(), nullptr);
        NOTIFYICONDATAA icon = {};
        icon.cbSize = NOTIFYICONDATAA_V1_SIZE;
        icon.hWnd = window.Hwnd();
        EXPECT_FALSE(Shell_NotifyIconA(NIM_DELETE, &icon)) << "the tray icon is gone";
    }
    ClearMessages();
    PumpMessages(100);
    EXPECT_EQ(CountMessages(window.Hwnd(), WM_TIMER), 0) << "timer 1 stopped";
}

TEST(WindowControl, DestructorReleasesButKeepsTheWindow)
{
    TestWindow window;
    {
        WindowControl control;
        control.SetHwnd(window.Hwnd());
        control.Timer.Set(10);
    }
    ClearMessages();
    PumpMessages(100);
    EXPECT_TRUE(IsWindow(window.Hwnd()));
    EXPECT_EQ(CountMessages(window.Hwnd(), WM_TIMER), 0);
}

// A window's own context taken while painting: Release and the destructor
// give back both. ReleaseDC answers 0 for a context that is no longer out.
TEST(WindowControl, ReleaseGivesBackBothKindsOfDeviceContext)
{
    for (const bool byDestructor : {false, true}) {
        SCOPED_TRACE(byDestructor ? "destructor" : "Release");
        TestWindow window;
        HDC painting = nullptr;
        HDC own = nullptr;
        {
            WindowControl control;
            control.SetHwnd(window.Hwnd());
            InvalidateRect(window.Hwnd(), nullptr, FALSE);
            ASSERT_TRUE(control.DC.Begin(true));
            painting = control.DC.Hdc();
            ASSERT_TRUE(control.DC.Begin(false));
            own = control.DC.Hdc();
            ASSERT_NE(own, painting);
            if (!byDestructor)
                control.Release();
        }
        EXPECT_EQ(ReleaseDC(window.Hwnd(), own), 0) << "the window's context was given back";
        EXPECT_EQ(ReleaseDC(window.Hwnd(), painting), 0) << "painting ended";
    }
}

TEST(WindowControl, SendAndPostReachTheWindow)
{
    TestWindow window;
    WindowControl control;
    control.SetHwnd(window.Hwnd());
    ClearMessages();
    control.SendMessage(WM_USER + 1, 2, 3);
    EXPECT_EQ(CountMessages(window.Hwnd(), WM_USER + 1), 1);
    EXPECT_TRUE(control.PostMessage(WM_USER + 2, 0, 0));
    EXPECT_EQ(CountMessages(window.Hwnd(), WM_USER + 2), 0) << "posted, not yet dispatched";
    PumpMessages(20);
    EXPECT_EQ(CountMessages(window.Hwnd(), WM_USER + 2), 1);
}

TEST(WindowHandle, FindChildCountsMatchesInEnumerationOrder)
{
    TestWindow parent(Rect(0, 0, 300, 300), WS_POPUP);
    const DWORD child = WS_CHILD | WS_VISIBLE;
    TestWindow first(Rect(0, 0, 10, 10), child, 0, parent.Hwnd());
    SetWindowTextA(first.Hwnd(), "a");
    TestWindow label(Rect(0, 20, 10, 30), child, 0, parent.Hwnd(), "Static");
    SetWindowTextA(label.Hwnd(), "a");
    TestWindow second(Rect(0, 40, 10, 50), child, 0, parent.Hwnd());
    SetWindowTextA(second.Hwnd(), "b");
    // A grandchild is a descendant too.
    TestWindow nested(Rect(0, 0, 5, 5), child, 0, second.Hwnd());
    SetWindowTextA(nested.Hwnd(), "a");

    WindowHandle handle;
    handle.SetHwnd(parent.Hwnd());
    struct Case {
        const char* className;
        const char* text;
        int32_t index;
        HWND expected;
    };
    const std::string testClass = TestClassName();
    const Case cases[] = {
        {testClass.c_str(), "", 0, first.Hwnd()},
        {testClass.c_str(), "", 1, second.Hwnd()},
        {testClass.c_str(), "", 2, nested.Hwnd()},
        {testClass.c_str(), "", 3, nullptr},
        {"", "a", 1, label.Hwnd()},
        {testClass.c_str(), "a", 1, nested.Hwnd()},
        {"Static", "b", 0, nullptr},
        {"", "A", 0, nullptr}, // exact, case-sensitive text
        {"", "", 0, nullptr},  // both filters empty: no search
    };
    for (const Case& c : cases)
        EXPECT_EQ(handle.FindChild(c.className, c.text, c.index), c.expected)
            << c.className << " / " << c.text << " / " << c.index;

    WindowHandle none;
    EXPECT_EQ(none.FindChild(testClass, "a", 0), nullptr);
}

TEST(WindowHandle, AttachDlgItemBindsByIdentifier)
{
    TestWindow parent(Rect(0, 0, 300, 300), WS_POPUP);
    HWND item = CreateWindowExA(0, "Static", "", WS_CHILD, 0, 0, 10, 10, parent.Hwnd(),
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(1234)), TestInstance(), nullptr);
    WindowHandle handle;
    handle.SetHwnd(item);
    EXPECT_FALSE(handle.AttachDlgItem(nullptr, 1234));
    EXPECT_EQ(handle.Hwnd(), item) << "a NULL parent leaves the handle";
    EXPECT_TRUE(handle.AttachDlgItem(parent.Hwnd(), 999));
    EXPECT_EQ(handle.Hwnd(), nullptr) << "a missing item still binds, to nothing";
    EXPECT_TRUE(handle.AttachDlgItem(parent.Hwnd(), 1234));
    EXPECT_EQ(handle.Hwnd(), item);
    EXPECT_EQ(handle.GetParent(), parent.Hwnd());

    WindowHandle dialog;
    dialog.SetHwnd(parent.Hwnd());
    EXPECT_EQ(dialog.GetDlgItem(1234), item);
    WindowHandle none;
    EXPECT_EQ(none.GetDlgItem(1234), nullptr);
    EXPECT_EQ(none.GetParent(), nullptr);
}

TEST(WindowControl, MessageBoxPrintfShowsTheFormattedText)
{
    TestWindow window;
    WindowControl control;
    control.SetHwnd(window.Hwnd());
    MessageBoxWatcher watcher;
    EXPECT_EQ(control.MessageBoxPrintf("%s has %d items", "the caption", MB_OK, "list", 3), IDOK);
    ASSERT_TRUE(watcher.WaitFor(1));
    EXPECT_EQ(watcher.Boxes()[0].text, "list has 3 items");
    EXPECT_EQ(watcher.Boxes()[0].caption, "the caption");

    EXPECT_EQ(control.MessageBoxPrintf("", "empty", MB_OK), -1);
    Sleep(100);
    EXPECT_EQ(watcher.Boxes().size(), 1u) << "an empty format shows nothing";
}

TEST(WindowControl, MessageBoxPrintfCutsALongTextAtACharacterBoundary)
{
    if (GetACP() != 932)
        GTEST_SKIP() << "needs code page 932";
    TestWindow window;
    WindowControl control;
    control.SetHwnd(window.Hwnd());
    MessageBoxWatcher watcher;
    // 2046 bytes and a double-byte character: only the single bytes fit
    // into the 2047 characters of the buffer.
    const std::string text = std::string(2046, 'a') + "字";
    EXPECT_EQ(control.MessageBoxPrintf("%s", "long", MB_OK, text.c_str()), IDOK);
    ASSERT_TRUE(watcher.WaitFor(1));
    EXPECT_EQ(watcher.Boxes()[0].text, std::string(2046, 'a'));
}

TEST(WindowControl, InvalidateTakesTheEmptyRectangleForTheWholeClientArea)
{
    TestWindow window(Rect(100, 100, 300, 250));
    WindowControl control;
    control.SetHwnd(window.Hwnd());
    struct Case {
        Rect given;
        RECT expected;
    };
    const Case cases[] = {
        {Rect(0, 0, 0, 0), {0, 0, 200, 150}},
        {Rect(10, 20, 30, 40), {10, 20, 30, 40}},
        {Rect(0, 0, 0, 1), {0, 0, 0, 0}}, // an empty rectangle of its own
    };
    for (const Case& c : cases) {
        ValidateRect(window.Hwnd(), nullptr);
        EXPECT_TRUE(control.Invalidate(c.given, false));
        RECT update = {};
        GetUpdateRect(window.Hwnd(), &update, FALSE);
        EXPECT_EQ(update.left, c.expected.left);
        EXPECT_EQ(update.top, c.expected.top);
        EXPECT_EQ(update.right, c.expected.right);
        EXPECT_EQ(update.bottom, c.expected.bottom);
    }

    control.Invalidate(Rect(), false);
    ClearMessages();
    EXPECT_TRUE(control.Update());
    EXPECT_EQ(CountMessages(window.Hwnd(), WM_PAINT), 1) << "Update paints at once";
}

} // namespace
