// The Sorlun program from the outside: its own process with the demo
// character of two girls, driven with the system's mouse input and read
// from the screen. Its first start is in edition_process_test.cpp with
// every edition's.
#include "editions/sorlun/sorlun_edition.h"
#include "tests/e2e/edition_process.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// A point of ルネット's face, in the right upper area, and one of ソルビ's
// dress below every area, in canvas coordinates.
constexpr POINT kRightFace{322, 150};
constexpr POINT kLeftDress{202, 262};

TEST(SorlunProgram, AClickOnTheRightUpperAreaPlaysSix)
{
    ASSERT_TRUE(kSorlunRightUpper.Contains(kRightFace.x, kRightFace.y));
    for (const ClickRect& area : {kSorlunRightUpper, kSorlunRightLower, kSorlunLeftUpper, kSorlunLeftLower})
        ASSERT_FALSE(area.Contains(kLeftDress.x, kLeftDress.y));
    EditionProcess sorlun(SorlunProgram());
    ASSERT_TRUE(sorlun.Start());
    ASSERT_TRUE(sorlun.WaitForFrame([](int slot, int) { return slot == 0; }, 3000));
    const POINT face = OnScreen(sorlun.WindowRect(), kRightFace);
    ClickLeft(face.x, face.y);
    EXPECT_TRUE(sorlun.WaitForFrame([](int slot, int) { return slot == 6; }, 3000));
}

TEST(SorlunProgram, ExitStoresThePlaceInItsFolderAndTheNextStartPutsTheWindowBackThere)
{
    EditionProcess sorlun(SorlunProgram());
    const std::string folder = "\\ソルビ＆ルネット編\\setting.dat";
    ASSERT_GE(sorlun.SettingsPath().size(), folder.size());
    EXPECT_EQ(sorlun.SettingsPath().substr(sorlun.SettingsPath().size() - folder.size()), folder);
    ASSERT_TRUE(sorlun.Start());
    const RECT before = sorlun.WindowRect();
    EXPECT_EQ(before.left, GetSystemMetrics(SM_CXSCREEN) / 2 - 260);
    EXPECT_EQ(before.top, GetSystemMetrics(SM_CYSCREEN) / 2 - 236);
    const POINT dress = OnScreen(before, kLeftDress);
    MoveMouse(dress.x, dress.y);
    PressLeft();
    for (int step = 1; step <= 5; ++step)
        MoveMouse(dress.x + 8 * step, dress.y - 7 * step);
    ReleaseLeft();
    ASSERT_TRUE(WaitUntil([&] { return sorlun.WindowRect().left == before.left + 40; }, 3000));
    EXPECT_TRUE(sorlun.WaitForFrame([](int slot, int) { return slot == 0; }, 1000)) << "a drag is no click";

    EXPECT_EQ(sorlun.ExitThroughTheMenu(kLeftDress), 0);
    SettingsRecord saved;
    int32_t x = 0, y = 0;
    ASSERT_TRUE(sorlun.ReadSettings(saved, x, y)) << "終了(&E) writes setting.dat";
    EXPECT_EQ(x, before.left + 40);
    EXPECT_EQ(y, before.top - 35);

    ASSERT_TRUE(sorlun.Start());
    EXPECT_EQ(sorlun.WindowRect().left, before.left + 40);
    EXPECT_EQ(sorlun.WindowRect().top, before.top - 35);
}

} // namespace
