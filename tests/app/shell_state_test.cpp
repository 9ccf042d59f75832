#include "app/shell_state.h"
#include "editions/quenna/quenna_edition.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <vector>

namespace {

constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
constexpr int32_t kMin = std::numeric_limits<int32_t>::min();

TEST(ShellState, PressTakesTheClientPointAsUnsignedWords)
{
    ShellState state;
    state.Clicked = true;
    state.Dragged = true;
    PressLeftButton(state, 0xFFFF0001u, POINT{500, 600});
    EXPECT_EQ(state.ClickPoint.x, 1);
    EXPECT_EQ(state.ClickPoint.y, 65535);
    EXPECT_EQ(state.LastCursorPoint.x, 500);
    EXPECT_FALSE(state.Clicked);
    EXPECT_FALSE(state.Dragged);
}

TEST(ShellState, OnlyADiagonalStepTurnsAPressIntoADrag)
{
    struct Case {
        const char* what;
        std::vector<POINT> steps; // cursor offsets from the press point
        bool clicked;
        int32_t movedX, movedY;
        int posted;
    };
    const Case cases[] = {
        {"no movement", {}, true, 0, 0, 0},
        {"no-op step", {{0, 0}}, true, 0, 0, 0},
        {"one diagonal step", {{5, 5}}, false, 5, 5, 1},
        {"along the axes only", {{5, 0}, {5, -3}, {5, -3}}, true, 5, -3, 0},
        {"an axis step, then a diagonal one", {{0, 4}, {-2, 6}}, false, -2, 6, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ShellState state;
        state.WindowX = 100;
        state.WindowY = 200;
        const POINT press{400, 300};
        PressLeftButton(state, 0x00400020u, press);
        int posted = 0;
        for (const POINT& step : c.steps)
            posted += DragStep(state, POINT{press.x + step.x, press.y + step.y}) ? 1 : 0;
        ReleaseLeftButton(state);
        EXPECT_EQ(state.Clicked, c.clicked);
        EXPECT_EQ(state.WindowX, 100 + c.movedX);
        EXPECT_EQ(state.WindowY, 200 + c.movedY);
        EXPECT_EQ(posted, c.posted);
        EXPECT_EQ(state.ClickPoint.x, 0x20) << "a click counts at the press point";
    }
}

TEST(ShellState, DragHoldsTheWindowPositionAtTheLimits)
{
    struct Case {
        int32_t window;
        POINT from, to;
        int32_t moved;
    };
    const Case cases[] = {
        {kMax, {0, 0}, {10, 10}, kMax},
        {kMin, {0, 0}, {-10, -10}, kMin},
        {0, {kMin, kMin}, {kMax, kMax}, kMax},
        {kMax - 5, {0, 0}, {3, 3}, kMax - 2},
    };
    for (const Case& c : cases) {
        ShellState state;
        state.WindowX = c.window;
        state.WindowY = c.window;
        PressLeftButton(state, 0, c.from);
        DragStep(state, c.to);
        EXPECT_EQ(state.WindowX, c.moved) << c.window;
        EXPECT_EQ(state.WindowY, c.moved) << c.window;
    }
}

TEST(ShellState, StartPositionCentresTheCharacterOnTheDesktop)
{
    ShellState state;
    PlaceAtDesktopCentre(state, 1024, 768, QuennaEdition().behaviour);
    EXPECT_EQ(state.WindowX, 512 - 254);
    EXPECT_EQ(state.WindowY, 384 - 224);
    PlaceAtDesktopCentre(state, 1023, 767, QuennaEdition().behaviour);
    EXPECT_EQ(state.WindowX, 511 - 254);
    EXPECT_EQ(state.WindowY, 383 - 224);
}

} // namespace
