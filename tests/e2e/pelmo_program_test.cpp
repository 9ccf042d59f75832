// The Pelmo program from the outside: its own process with its demo
// character, driven with the system's mouse input and read from the screen.
// Its first start is in edition_process_test.cpp with every edition's.
#include "editions/pelmo/pelmo_edition.h"
#include "tests/e2e/edition_process.h"

#include <gtest/gtest.h>

namespace {

// A point of the head, in click area A, and one of the body below both
// areas, in canvas coordinates.
constexpr POINT kHead{216, 170};
constexpr POINT kBody{216, 330};

TEST(PelmoProgram, AClickOnTheUpperBodyPlaysOneOfItsThreeReactions)
{
    ASSERT_TRUE(kPelmoClickA.Contains(kHead.x, kHead.y));
    ASSERT_FALSE(kPelmoClickA.Contains(kBody.x, kBody.y) || kPelmoClickB.Contains(kBody.x, kBody.y));
    EditionProcess pelmo(PelmoProgram());
    ASSERT_TRUE(pelmo.Start());
    ASSERT_TRUE(pelmo.WaitForFrame([](int slot, int) { return slot == 0; }, 3000));
    const POINT head = OnScreen(pelmo.WindowRect(), kHead);
    ClickLeft(head.x, head.y);
    EXPECT_TRUE(pelmo.WaitForFrame([](int slot, int) { return slot >= 6 && slot <= 8; }, 3000));
}

TEST(PelmoProgram, ExitStoresThePlaceAndTheNextStartPutsTheWindowBackThere)
{
    EditionProcess pelmo(PelmoProgram());
    ASSERT_TRUE(pelmo.Start());
    const RECT before = pelmo.WindowRect();
    const POINT body = OnScreen(before, kBody);
    MoveMouse(body.x, body.y);
    PressLeft();
    for (int step = 1; step <= 5; ++step)
        MoveMouse(body.x - 9 * step, body.y + 6 * step);
    ReleaseLeft();
    ASSERT_TRUE(WaitUntil([&] { return pelmo.WindowRect().left == before.left - 45; }, 3000));

    EXPECT_EQ(pelmo.ExitThroughTheMenu(kBody), 0);
    SettingsRecord saved;
    int32_t x = 0, y = 0;
    ASSERT_TRUE(pelmo.ReadSettings(saved, x, y)) << "終了(&E) writes setting.dat";
    EXPECT_EQ(x, before.left - 45);
    EXPECT_EQ(y, before.top + 30);

    ASSERT_TRUE(pelmo.Start());
    EXPECT_EQ(pelmo.WindowRect().left, before.left - 45);
    EXPECT_EQ(pelmo.WindowRect().top, before.top + 30);
}

} // namespace
