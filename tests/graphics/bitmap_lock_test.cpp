#include "base/graphics/bitmap_lock.h"

#include "tests/graphics/test_surface.h"

#include <gtest/gtest.h>

namespace {

TEST(BitmapLock, ClearedLockHasNothing)
{
    TestSurface surface(2, 2, 32);
    BitmapLock lock = surface.lock;
    lock.Clear();
    EXPECT_EQ(lock.base, nullptr);
    EXPECT_EQ(lock.row, nullptr);
    EXPECT_EQ(lock.format, nullptr);
    EXPECT_EQ(lock.rect.Width(), 0);
    EXPECT_EQ(lock.stride, 0);
    EXPECT_EQ(lock.bottomUp, 0);
    EXPECT_EQ(lock.PixelAt(0, 0, true), nullptr);
}

TEST(BitmapLock, PixelAtFollowsThePictureInBothRowOrders)
{
    // 3 x 4 pixels of 24 bits: 9 bytes a row, stride 12.
    TestSurface bottomUp(3, 4, 24, true);
    TestSurface topDown(3, 4, 24, false);
    uint8_t* up = bottomUp.lock.base;
    uint8_t* down = topDown.lock.base;
    struct Case {
        int32_t x, y;
        ptrdiff_t bottomUpOffset, topDownOffset; // -1: outside
    };
    const Case cases[] = {
        {0, 0, 3 * 12, 0},       {2, 0, 3 * 12 + 6, 6}, {1, 3, 3, 3 * 12 + 3}, {0, 2, 12, 24},
        {3, 0, -1, -1},          {-1, 0, -1, -1},       {0, 4, -1, -1},        {0, -1, -1, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.x) + "," + std::to_string(c.y));
        uint8_t* a = bottomUp.lock.PixelAt(c.x, c.y, true);
        uint8_t* b = topDown.lock.PixelAt(c.x, c.y, true);
        EXPECT_EQ(a, c.bottomUpOffset < 0 ? nullptr : up + c.bottomUpOffset);
        EXPECT_EQ(b, c.topDownOffset < 0 ? nullptr : down + c.topDownOffset);
    }
}

TEST(BitmapLock, PixelAtWithoutTheFlagCountsFromTheRowPosition)
{
    TestSurface surface(4, 4, 16, false);
    surface.lock.row = surface.lock.base + 8; // row 1 of the memory block
    EXPECT_EQ(surface.lock.PixelAt(1, 1, false), surface.lock.base + 8 + 8 + 2);
    surface.lock.row = nullptr;
    EXPECT_EQ(surface.lock.PixelAt(0, 0, false), nullptr);
}

TEST(BitmapLock, StepRowAndPitchGoDownThePicture)
{
    TestSurface up(2, 3, 32, true);
    BitmapLock& lock = up.lock;
    EXPECT_EQ(lock.Pitch(), -8);
    EXPECT_EQ(lock.row, up.Address(0, 0));
    EXPECT_EQ(lock.StepRow(1), up.Address(0, 1));
    EXPECT_EQ(lock.row, up.Address(0, 1));
    EXPECT_EQ(lock.StepRow(1), up.Address(0, 2));
    EXPECT_EQ(lock.StepRow(-2), up.Address(0, 0));

    TestSurface down(2, 3, 32, false);
    EXPECT_EQ(down.lock.Pitch(), 8);
    EXPECT_EQ(down.lock.StepRow(2), down.Address(0, 2));
}

TEST(BitmapLock, CanWalkOnlyInsideThePixelBlock)
{
    struct Case {
        const char* name;
        bool bottomUp;
        int32_t startX, startY; // row position on this picture pixel
        int32_t rows, pixels;
        bool expected;
    };
    // 4 x 3 pixels of 32 bits.
    const Case cases[] = {
        {"whole picture, bottom-up", true, 0, 0, 3, 4, true},
        {"whole picture, top-down", false, 0, 0, 3, 4, true},
        {"one row too many, bottom-up", true, 0, 0, 4, 4, false},
        {"one row too many, top-down", false, 0, 1, 3, 1, false},
        {"past the right edge", true, 1, 0, 1, 4, false},
        {"inner block", true, 1, 1, 2, 3, true},
        {"nothing to walk", true, 3, 2, 0, 0, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestSurface surface(4, 3, 32, c.bottomUp);
        surface.lock.row = surface.Address(c.startX, c.startY);
        EXPECT_EQ(surface.lock.CanWalk(c.rows, c.pixels), c.expected);
    }

    TestSurface surface(4, 3, 32);
    surface.lock.row = surface.lock.base - 16;
    EXPECT_FALSE(surface.lock.CanWalk(1, 1)) << "a row position before the block";
    surface.lock.row = surface.lock.base + 2;
    EXPECT_FALSE(surface.lock.CanWalk(1, 1)) << "a row position inside a pixel";
    surface.Lock(Rect(0, 0, 4, 3));
    surface.lock.stride = 8;
    EXPECT_FALSE(surface.lock.CanWalk(1, 1)) << "a stride shorter than a row";
}

TEST(BitmapLock, RectMustLieInsideTheImage)
{
    TestSurface surface(4, 3, 32);
    const struct {
        Rect rect;
        bool inside;
    } cases[] = {
        {Rect(0, 0, 4, 3), true}, {Rect(1, 1, 2, 2), true},  {Rect(2, 2, 2, 2), true},
        {Rect(0, 0, 5, 3), false}, {Rect(-1, 0, 2, 2), false}, {Rect(0, 0, 4, 4), false},
        {Rect(3, 0, 2, 2), false},
    };
    for (const auto& c : cases) {
        surface.lock.rect = c.rect;
        EXPECT_EQ(surface.lock.RectInsideImage(), c.inside)
            << c.rect.left << "," << c.rect.top << "," << c.rect.right << "," << c.rect.bottom;
    }
}

} // namespace
