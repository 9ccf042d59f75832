// A surface copied onto a real window on the display, and the contexts a
// window gives: its own (GetDC) and the one of WM_PAINT.

#include "base/graphics/device_context.h"
#include "base/graphics/dib_surface.h"

#include "tests/graphics/bmp_fixtures.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace {

constexpr int32_t kLeft = 40, kTop = 30, kWidth = 64, kHeight = 48;

std::function<void(HWND)> g_paint;

LRESULT CALLBACK TestWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_PAINT && g_paint) {
        g_paint(window);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void PumpMessages()
{
    MSG msg;
    for (int round = 0; round < 20; ++round) {
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(10);
    }
}

// A shown popup window on top of everything, destroyed with the object.
class TestWindow {
public:
    TestWindow()
    {
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = TestWindowProc;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "ScreenCopyTestWindow";
        RegisterClassA(&windowClass);
        window_ = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, "ScreenCopyTestWindow", "screen copy", WS_POPUP,
                                  kLeft, kTop, kWidth, kHeight, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        ShowWindow(window_, SW_SHOWNOACTIVATE);
        UpdateWindow(window_);
        PumpMessages();
    }
    ~TestWindow()
    {
        DestroyWindow(window_);
        g_paint = nullptr;
    }
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;

    HWND Handle() const { return window_; }

private:
    HWND window_ = nullptr;
};

// Quarters of four colours, so a copy that lands shifted or mirrored shows.
void Quarters(Bitmap& image)
{
    ASSERT_TRUE(image.Create(kWidth, kHeight, 32, 0));
    for (int32_t y = 0; y < kHeight; ++y)
        for (int32_t x = 0; x < kWidth; ++x)
            Set32(image, x, y,
                  y < kHeight / 2 ? (x < kWidth / 2 ? 0x00FF0000u : 0x0000FF00u)
                                  : (x < kWidth / 2 ? 0x000000FFu : 0x00FFFF00u));
}

struct Probe {
    int32_t x, y;
    COLORREF colour;
};
const Probe kProbes[] = {
    {2, 2, RGB(255, 0, 0)},           {kWidth - 3, 2, RGB(0, 255, 0)},
    {2, kHeight - 3, RGB(0, 0, 255)}, {kWidth - 3, kHeight - 3, RGB(255, 255, 0)},
    {kWidth / 2 - 1, kHeight / 2 - 1, RGB(255, 0, 0)},
};

TEST(ScreenCopy, ASurfaceCopiedToAWindowShowsOnTheDisplay)
{
    Bitmap picture;
    Quarters(picture);
    DibSurface surface;
    ASSERT_TRUE(surface.Build(picture));
    TestWindow window;

    WindowDC dc(true);
    ASSERT_TRUE(dc.GetDC(window.Handle()));
    EXPECT_EQ(dc.Window(), window.Handle());
    EXPECT_FALSE(dc.GetDC(window.Handle())) << "a context is held already";
    ASSERT_TRUE(dc.BitBlt(surface.Context(), 0, 0, surface.Image().ImageRect()));
    GdiFlush();
    PumpMessages();

    // Read back through the window's context and from the screen itself.
    HDC screen = GetDC(nullptr);
    for (const Probe& probe : kProbes) {
        SCOPED_TRACE(std::to_string(probe.x) + "," + std::to_string(probe.y));
        EXPECT_EQ(GetPixel(dc.Handle(), probe.x, probe.y), probe.colour);
        EXPECT_EQ(GetPixel(screen, kLeft + probe.x, kTop + probe.y), probe.colour);
    }
    ReleaseDC(nullptr, screen);
    dc.ReleaseDC();
    EXPECT_EQ(dc.Handle(), nullptr);
    EXPECT_EQ(dc.Window(), nullptr);
}

TEST(ScreenCopy, PaintContextDrawsDuringWmPaint)
{
    Bitmap picture;
    Quarters(picture);
    DibSurface surface;
    ASSERT_TRUE(surface.Build(picture));
    bool painted = false;
    bool secondBegin = true;
    g_paint = [&](HWND window) {
        PaintDC dc(true);
        painted = dc.BeginPaint(window);
        secondBegin = dc.BeginPaint(window);
        dc.BitBlt(surface.Context(), 0, 0, surface.Image().ImageRect());
    };
    TestWindow window;
    InvalidateRect(window.Handle(), nullptr, FALSE);
    UpdateWindow(window.Handle());
    PumpMessages();
    EXPECT_TRUE(painted);
    EXPECT_FALSE(secondBegin);
    EXPECT_FALSE(GetUpdateRect(window.Handle(), nullptr, FALSE)) << "the paint was ended";

    WindowDC dc(true);
    ASSERT_TRUE(dc.GetDC(window.Handle()));
    for (const Probe& probe : kProbes)
        EXPECT_EQ(GetPixel(dc.Handle(), probe.x, probe.y), probe.colour);
}

TEST(ScreenCopy, WindowContextsMoveAndGiveBackOnce)
{
    TestWindow window;
    std::vector<WindowDC> contexts;
    for (int i = 0; i < 6; ++i) {
        contexts.emplace_back(true);
        ASSERT_TRUE(contexts.back().GetDC(window.Handle()));
    }
    for (WindowDC& dc : contexts)
        EXPECT_EQ(dc.Window(), window.Handle());
    contexts.clear();
    HDC handle = nullptr;
    {
        WindowDC kept(false);
        ASSERT_TRUE(kept.GetDC(window.Handle()));
        handle = kept.Handle();
    }
    EXPECT_EQ(ReleaseDC(window.Handle(), handle), 1) << "a context held without the release flag stays out";
}

} // namespace
