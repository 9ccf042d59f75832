// A program that moves its window without a redraw.
#include <gtest/gtest.h>

#include <vector>

#include "base/util/library_options.h"
#include "base/window/window_control.h"
#include "tests/support/library_options_scope.h"
#include "tests/window/window_test_support.h"

namespace {

TEST(EditionFlags, MovesAndResizesPassTheProgramsFlags)
{
    LibraryOptionsScope noRedraw({.convertPathSeparators = true,
                                  .windowMoveFlags = SWP_NOSIZE | SWP_NOZORDER | SWP_NOREDRAW,
                                  .windowResizeFlags = SWP_NOMOVE | SWP_NOZORDER | SWP_NOREDRAW});
    TestWindow window(Rect(100, 100, 400, 300), WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    WindowControl control;
    control.SetHwnd(window.Hwnd());
    ClearMessages();
    ASSERT_TRUE(control.Rect.Move(10, 20));
    ASSERT_TRUE(control.Rect.X.Set(15));
    ASSERT_TRUE(control.Rect.Resize(200, 150));
    ASSERT_TRUE(control.Rect.Height.Set(120));
    ASSERT_TRUE(control.Client.SetSize(250, 120));
    const std::vector<UINT> flags = PositionChangeFlags(window.Hwnd());
    ASSERT_EQ(flags.size(), 5u);
    const UINT expected[] = {0x0D, 0x0D, 0x0E, 0x0E, 0x0E};
    for (size_t i = 0; i < flags.size(); ++i)
        EXPECT_EQ(flags[i] & 0x0F, expected[i]) << i;
    RECT client = {};
    GetClientRect(window.Hwnd(), &client);
    EXPECT_EQ(client.right, 250);
    EXPECT_EQ(client.bottom, 120);
    EXPECT_EQ(ScreenRect(window.Hwnd()).left, 15);
}

} // namespace
