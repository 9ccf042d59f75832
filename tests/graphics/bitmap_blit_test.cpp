// Locks and copies between images.

#include "base/graphics/bitmap.h"
#include "base/graphics/effect.h"

#include "tests/graphics/bmp_fixtures.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(BitmapLocking, FillsTheLockAndRefusesTwice)
{
    Bitmap image;
    ASSERT_TRUE(image.Create(5, 4, 24, 0));
    ASSERT_TRUE(image.Lock(Rect(1, 2, 4, 4)));
    const BitmapLock& lock = image.LockView();
    EXPECT_EQ(lock.base, image.Pixels());
    EXPECT_EQ(lock.row, image.PixelAddress(1, 2));
    EXPECT_TRUE(lock.rect.Equals(1, 2, 4, 4));
    EXPECT_EQ(lock.width, 5);
    EXPECT_EQ(lock.height, 4);
    EXPECT_EQ(lock.bitsPerPixel, 24);
    EXPECT_EQ(lock.stride, 16);
    EXPECT_EQ(lock.format, &image.Format());
    EXPECT_EQ(lock.bottomUp, 1);

    EXPECT_FALSE(image.Lock());
    EXPECT_EQ(image.GetError(), Error::kLockAlready);
    EXPECT_EQ(image.Message(), "Lock already");
    EXPECT_TRUE(image.Unlock());
    EXPECT_EQ(image.GetError(), 0);
    EXPECT_FALSE(image.Unlock());
    EXPECT_EQ(image.GetError(), Error::kUnlockAlready);

    ASSERT_TRUE(image.Lock());
    EXPECT_TRUE(image.LockView().rect.Equals(0, 0, 5, 4)) << "an all-zero rect locks the whole image";
}

TEST(BitmapLocking, RectsThatAreEmptyOrLeaveTheImageFail)
{
    const Rect rects[] = {Rect(2, 0, 2, 4), Rect(3, 1, 1, 2), Rect(-1, 0, 2, 2), Rect(0, 0, 6, 4),
                          Rect(0, 3, 5, 5), Rect(5, 0, 6, 1), Rect(0, 0, 0x7FFFFFFF, 1)};
    for (const Rect& rect : rects) {
        SCOPED_TRACE(rect.ToString());
        Bitmap image;
        ASSERT_TRUE(image.Create(5, 4, 32, 0));
        EXPECT_FALSE(image.Lock(rect));
        EXPECT_EQ(image.GetError(), Error::kInvalidValue);
        EXPECT_FALSE(image.IsLocked());
    }
    Bitmap empty;
    EXPECT_FALSE(empty.Lock());
    EXPECT_EQ(empty.GetError(), Error::kNullPointer);
    EXPECT_FALSE(empty.Unlock());
    EXPECT_EQ(empty.GetError(), Error::kNullPointer);
}

class BitmapBlit : public testing::Test {
protected:
    void SetUp() override { cEffect::InitCpu(); }

    // A 32-bpp image whose pixel (x, y) is 0x00YYXX + base, alpha 0xFF so
    // that both roads of the engine copy it alike.
    static void Numbered(Bitmap& image, int32_t width, int32_t height, uint32_t base)
    {
        ASSERT_TRUE(image.Create(width, height, 32, 0));
        for (int32_t y = 0; y < height; ++y)
            for (int32_t x = 0; x < width; ++x)
                Set32(image, x, y, 0xFF000000u | base | static_cast<uint32_t>(y) << 8 | static_cast<uint32_t>(x));
    }
};

TEST_F(BitmapBlit, ClipsToTheDestination)
{
    struct Case {
        const char* name;
        int32_t x, y;
        Rect source;
        // The destination pixels that receive a copy: (dx, dy) gets source
        // pixel (dx + sx, dy + sy).
        Rect landed;
        int32_t sx, sy;
    };
    const Case cases[] = {
        {"whole source inside", 1, 1, Rect(), Rect(1, 1, 4, 3), -1, -1},
        {"part of the source", 0, 0, Rect(1, 0, 3, 2), Rect(0, 0, 2, 2), 1, 0},
        {"over the left and top edges", -2, -1, Rect(), Rect(0, 0, 1, 1), 2, 1},
        {"over the right and bottom edges", 4, 3, Rect(), Rect(4, 3, 5, 4), -4, -3},
        {"wholly outside", 5, 0, Rect(), Rect(), 0, 0},
        {"wholly above", 0, -2, Rect(), Rect(), 0, 0},
    };
    Bitmap source;
    Numbered(source, 3, 2, 0x100000);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Bitmap destination;
        ASSERT_TRUE(destination.Create(5, 4, 32, 0));
        EXPECT_TRUE(destination.Blit(&source, c.x, c.y, c.source));
        EXPECT_EQ(destination.GetError(), 0);
        EXPECT_FALSE(destination.IsLocked());
        EXPECT_FALSE(source.IsLocked());
        for (int32_t y = 0; y < 4; ++y) {
            for (int32_t x = 0; x < 5; ++x) {
                const uint32_t expected = c.landed.Contains(x, y) ? Get32(source, x + c.sx, y + c.sy) : 0;
                EXPECT_EQ(Get32(destination, x, y) & 0xFFFFFF, expected & 0xFFFFFF) << x << "," << y;
            }
        }
    }
}

TEST_F(BitmapBlit, CopiesSixteenAndTwentyFourBitPixelsExactly)
{
    Bitmap source;
    ASSERT_TRUE(source.Create(2, 1, 24, 0));
    const uint8_t bgr[] = {0x10, 0x20, 0x30, 0x40, 0x50, 0x60};
    std::memcpy(source.PixelAddress(0, 0), bgr, sizeof bgr);
    Bitmap copy;
    ASSERT_TRUE(copy.CopyFrom(source));
    EXPECT_EQ(copy.BitsPerPixel(), 24);
    EXPECT_EQ(std::memcmp(copy.PixelAddress(0, 0), bgr, sizeof bgr), 0);

    Bitmap sixteen;
    ASSERT_TRUE(sixteen.Create(2, 1, 16, 0));
    const uint16_t pixels[] = {0x7C00, 0x03FF};
    std::memcpy(sixteen.PixelAddress(0, 0), pixels, sizeof pixels);
    Bitmap sixteenCopy;
    ASSERT_TRUE(sixteenCopy.CopyFrom(sixteen));
    EXPECT_EQ(std::memcmp(sixteenCopy.PixelAddress(0, 0), pixels, sizeof pixels), 0);
}

TEST_F(BitmapBlit, IndexedImagesCopyTheirIndicesAndSharedColours)
{
    Bitmap source;
    ASSERT_TRUE(source.Create(3, 2, 8, 4));
    for (uint8_t i = 0; i < 4; ++i)
        source.SetPaletteEntry(i, static_cast<uint8_t>(10 * i), 1, 2);
    const uint8_t rows[2][3] = {{1, 2, 3}, {3, 0, 1}};
    for (int32_t y = 0; y < 2; ++y)
        std::memcpy(source.PixelAddress(0, y), rows[y], 3);

    Bitmap destination;
    ASSERT_TRUE(destination.Create(4, 3, 8, 2));
    ASSERT_TRUE(destination.Blit(&source, 1, 1));
    const uint8_t expected[3][4] = {{0, 0, 0, 0}, {0, 1, 2, 3}, {0, 3, 0, 1}};
    for (int32_t y = 0; y < 3; ++y)
        EXPECT_EQ(std::memcmp(destination.PixelAddress(0, y), expected[y], 4), 0) << y;
    // Two entries fit the destination's table; the bytes after it are pixels.
    EXPECT_EQ(std::memcmp(destination.ColourTable(), source.ColourTable(), 8), 0);
    EXPECT_EQ(destination.Pixels(), destination.ColourTable() + 8);
}

TEST_F(BitmapBlit, ErrorsLeaveBothImagesUnlocked)
{
    Bitmap source32;
    Numbered(source32, 2, 2, 0);
    Bitmap source24;
    ASSERT_TRUE(source24.Create(2, 2, 24, 0));
    Bitmap empty;

    struct Case {
        const char* name;
        Bitmap* source;
        Rect rect;
        bool lockDestinationFirst;
        int32_t error;
    };
    const Case cases[] = {
        {"no source", nullptr, Rect(), false, Error::kNullPointer},
        {"empty source", &empty, Rect(), false, Error::kNullPointer},
        {"different depths", &source24, Rect(), false, Error::kInvalidValue},
        {"source rect leaves the source", &source32, Rect(0, 0, 3, 2), false, Error::kInvalidValue},
        {"empty source rect", &source32, Rect(1, 1, 1, 2), false, Error::kInvalidValue},
        {"destination locked already", &source32, Rect(), true, Error::kLockAlready},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Bitmap destination;
        ASSERT_TRUE(destination.Create(4, 4, 32, 0));
        if (c.lockDestinationFirst)
            destination.Lock();
        EXPECT_FALSE(destination.Blit(c.source, 0, 0, c.rect));
        EXPECT_EQ(destination.GetError(), c.error);
        EXPECT_EQ(destination.IsLocked(), c.lockDestinationFirst);
        EXPECT_FALSE(source32.IsLocked());
    }

    Bitmap destination;
    ASSERT_TRUE(destination.Create(4, 4, 32, 0));
    EXPECT_FALSE(empty.Blit(&source32, 0, 0));
    EXPECT_EQ(empty.GetError(), Error::kNullPointer);
    ASSERT_TRUE(source32.Lock());
    EXPECT_FALSE(destination.Blit(&source32, 0, 0));
    EXPECT_EQ(destination.GetError(), Error::kLockAlready) << "the source's lock error";
    EXPECT_FALSE(destination.IsLocked()) << "the destination's lock is given back";
    source32.Unlock();
    EXPECT_FALSE(destination.Blit(&destination, 0, 0)) << "an image cannot be locked twice for itself";
}

TEST_F(BitmapBlit, CopyHeadersTakesEverythingBeforeThePixels)
{
    Bitmap source;
    ASSERT_TRUE(source.Create(3, 2, 8, 5));
    source.SetPaletteEntry(4, 9, 8, 7);
    Bitmap headers;
    ASSERT_TRUE(headers.CopyHeaders(source));
    EXPECT_EQ(headers.BlockSize(), 54u + 20);
    EXPECT_EQ(std::memcmp(headers.Block(), source.Block(), 54 + 20), 0);
    EXPECT_EQ(headers.Pixels(), nullptr);
    EXPECT_EQ(headers.Width(), 3);
    EXPECT_EQ(headers.ColourCount(), 5);

    Bitmap empty;
    EXPECT_FALSE(headers.CopyHeaders(empty));
    EXPECT_FALSE(empty.CopyHeaders(headers)) << "a source without pixels";
}

} // namespace
