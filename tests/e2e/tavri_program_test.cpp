// The Tavri program from the outside: its own process with its demo
// character, driven with the system's mouse input and read from the screen.
// Its first start (at the screen centre minus its origin) is in
// edition_process_test.cpp with every edition's.
#include "editions/tavri/tavri_edition.h"
#include "tests/e2e/edition_process.h"

#include <gtest/gtest.h>

namespace {

// A point of the chest, in click area B, and one of the body below both
// areas, in canvas coordinates.
constexpr POINT kChest{235, 215};
constexpr POINT kBody{224, 300};

// Near the left edge of the screen a click on the chest always walks right:
// the window glides on her first stride, stands 200 pixels from where it
// started once the second shows, and stays there when the walk is over.
// The exit stores that place.
TEST(TavriProgram, AClickOnTheChestNearTheLeftEdgeWalksRightAndTheExitStoresWhereTheWalkEnded)
{
    ASSERT_TRUE(kTavriClickB.Contains(kChest.x, kChest.y));
    ASSERT_FALSE(kTavriClickA.Contains(kBody.x, kBody.y) || kTavriClickB.Contains(kBody.x, kBody.y));
    constexpr int32_t kStartX = 40;
    constexpr int32_t kStartY = 120;
    EditionProcess tavri(TavriProgram());
    ASSERT_TRUE(tavri.WriteSettings(SettingsRecord{}, kStartX, kStartY));
    ASSERT_TRUE(tavri.Start());
    ASSERT_EQ(tavri.WindowRect().left, kStartX) << "the stored position";
    ASSERT_TRUE(tavri.WaitForFrame([](int slot, int) { return slot == 0; }, 3000));

    const POINT chest = OnScreen(tavri.WindowRect(), kChest);
    ClickLeft(chest.x, chest.y);
    ASSERT_TRUE(tavri.WaitForFrame([](int slot, int frame) { return slot == kTavriWalkRight && frame == 1; }, 3000))
        << "the walk to the right, at its second stride";
    EXPECT_EQ(tavri.WindowRect().left, kStartX + 200);
    EXPECT_EQ(tavri.WindowRect().top, kStartY);

    ASSERT_TRUE(tavri.WaitForFrame([](int slot, int) { return slot == 0; }, 3000)) << "the walk is over";
    Sleep(500);
    EXPECT_EQ(tavri.WindowRect().left, kStartX + 200) << "the window stays where the walk left it";

    EXPECT_EQ(tavri.ExitThroughTheMenu(kBody), 0);
    SettingsRecord saved;
    int32_t x = 0, y = 0;
    ASSERT_TRUE(tavri.ReadSettings(saved, x, y)) << "終了(&E) writes setting.dat";
    EXPECT_EQ(x, kStartX + 200);
    EXPECT_EQ(y, kStartY);
}

} // namespace
