#include "base/util/rect.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace {

// A borderless window at (100, 120), 200 by 150, so that its client area
// starts at its own top-left.
class PopupWindow {
public:
    PopupWindow()
        : window_(CreateWindowExA(0, "STATIC", "", WS_POPUP, 100, 120, 200, 150, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr))
    {
    }
    ~PopupWindow() { DestroyWindow(window_); }
    PopupWindow(const PopupWindow&) = delete;
    PopupWindow& operator=(const PopupWindow&) = delete;
    HWND Handle() const { return window_; }

private:
    HWND window_;
};

TEST(RectWindow, WindowAndClientRects)
{
    PopupWindow popup;
    ASSERT_NE(popup.Handle(), nullptr);
    Rect rect;
    ASSERT_TRUE(rect.GetWindowRect(popup.Handle()));
    EXPECT_EQ(rect.ToString(), "{ 100 120 300 270 }");
    ASSERT_TRUE(rect.GetClientRect(popup.Handle()));
    EXPECT_EQ(rect.ToString(), "{ 0 0 200 150 }");

    Rect untouched(1, 2, 3, 4);
    EXPECT_FALSE(untouched.GetWindowRect(nullptr));
    EXPECT_FALSE(untouched.GetClientRect(nullptr));
    EXPECT_EQ(untouched.ToString(), "{ 1 2 3 4 }");
}

TEST(RectWindow, ScreenAndClientConversionsMoveTheCornerAndKeepTheSize)
{
    PopupWindow popup;
    ASSERT_NE(popup.Handle(), nullptr);
    Rect rect(110, 130, 140, 145);
    ASSERT_TRUE(rect.ScreenToClient(popup.Handle()));
    EXPECT_EQ(rect.ToString(), "{ 10 10 40 25 }");
    ASSERT_TRUE(rect.ClientToScreen(popup.Handle()));
    EXPECT_EQ(rect.ToString(), "{ 110 130 140 145 }");

    EXPECT_FALSE(rect.ScreenToClient(nullptr));
    EXPECT_FALSE(rect.ClientToScreen(nullptr));
    EXPECT_EQ(rect.ToString(), "{ 110 130 140 145 }");
}

TEST(RectWindow, HitTestCursorUsesClientCoordinates)
{
    PopupWindow popup;
    ASSERT_NE(popup.Handle(), nullptr);
    ASSERT_TRUE(SetCursorPos(150, 170));
    POINT cursor;
    ASSERT_TRUE(GetCursorPos(&cursor));
    ASSERT_EQ(cursor.x, 150);
    ASSERT_EQ(cursor.y, 170);

    RectList list;
    list.Add(150, 170, 160, 180); // the cursor in screen coordinates: no hit
    list.Add(45, 45, 55, 55);     // around (50, 50) in client coordinates
    EXPECT_EQ(list.HitTestCursor(popup.Handle()), 1);
    list.SetEnabled(1, -1, false);
    EXPECT_EQ(list.HitTestCursor(popup.Handle()), -1);
    list.SetEnabled(1, -1, true);
    EXPECT_EQ(list.HitTestCursor(nullptr), -1);
}

} // namespace
