#include "base/graphics/pixel_format.h"

#include <ddraw.h>
#include <gtest/gtest.h>

namespace {

PixelFormat FromHeader(int bpp)
{
    BITMAPINFOHEADER header = {};
    header.biSize = sizeof header;
    header.biBitCount = static_cast<WORD>(bpp);
    PixelFormat format;
    EXPECT_TRUE(format.Analyse(&header));
    return format;
}

TEST(PixelFormat, ChannelsOfEachBmpDepth)
{
    struct Case {
        int bpp;
        const char* channel;
        uint32_t mask, normalised, half;
        int32_t shift, loss, netShift, byteIndex;
        uint64_t fill;
    };
    const Case cases[] = {
        {16, "red", 0x7C00, 0x1F, 0x3C003C00, 10, 3, 7, 1, 0x7C007C007C007C00},
        {16, "green", 0x03E0, 0x1F, 0x01E001E0, 5, 3, 2, 0, 0x03E003E003E003E0},
        {16, "blue", 0x001F, 0x1F, 0x000F000F, 0, 3, -3, 0, 0x001F001F001F001F},
        {16, "alpha", 0, 0, 0, 32, 8, 24, 0, 0},
        {24, "red", 0xFF0000, 0xFF, 0x7F0000, 16, 0, 16, 2, 0x00FF000000FF0000},
        {24, "blue", 0xFF, 0xFF, 0x7F, 0, 0, 0, 0, 0x000000FF000000FF},
        {32, "red", 0xFF0000, 0xFF, 0x7F0000, 16, 0, 16, 2, 0x00FF000000FF0000},
        {32, "green", 0xFF00, 0xFF, 0x7F00, 8, 0, 8, 1, 0x0000FF000000FF00},
        {32, "alpha", 0xFF000000, 0xFF, 0x7F000000, 24, 0, 24, 3, 0xFF000000FF000000},
        {8, "red", 0, 0, 0, 32, 8, 24, 0, 0},
        {8, "alpha", 0, 0, 0, 32, 8, 24, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.bpp) + " bpp " + c.channel);
        const PixelFormat format = FromHeader(c.bpp);
        const std::string name = c.channel;
        const ColourChannel& channel = name == "red"     ? format.red
                                       : name == "green" ? format.green
                                       : name == "blue"  ? format.blue
                                                         : format.alpha;
        EXPECT_EQ(channel.mask, c.mask);
        EXPECT_EQ(channel.normalisedMask, c.normalised);
        EXPECT_EQ(channel.halfMask, c.half);
        EXPECT_EQ(channel.shift, c.shift);
        EXPECT_EQ(channel.loss, c.loss);
        EXPECT_EQ(channel.netShift, c.netShift);
        EXPECT_EQ(channel.byteIndex, c.byteIndex);
        EXPECT_EQ(channel.fillPattern, c.fill);
        EXPECT_EQ(channel.halfPattern, (c.fill >> 1) & c.fill);
        EXPECT_EQ(format.bitsPerPixel, c.bpp);
    }
}

TEST(PixelFormat, CombinedMasks)
{
    const PixelFormat p16 = FromHeader(16);
    EXPECT_EQ(p16.colourMask, 0x7FFFu);
    EXPECT_EQ(p16.allChannelsMask, 0x7FFFu);
    EXPECT_EQ(p16.combinedHalfMask, 0x3DEF3DEFu);
    const PixelFormat p32 = FromHeader(32);
    EXPECT_EQ(p32.allChannelsMask, 0xFFFFFFFFu);
    EXPECT_EQ(p32.colourMask, 0x00FFFFFFu);
    EXPECT_EQ(p32.combinedHalfMask, 0x007F7F7Fu);
    EXPECT_EQ(p32.combinedHalfPattern, 0x007F7F7F007F7F7Full);
    EXPECT_EQ(FromHeader(8).colourMask, 0u);
}

TEST(PixelFormat, MissingRecordsAreRefused)
{
    PixelFormat format;
    EXPECT_FALSE(format.Analyse(nullptr));
    EXPECT_FALSE(format.SetFromDirectDraw(nullptr));
    EXPECT_EQ(format.bitsPerPixel, 0);
}

TEST(PixelFormat, DirectDrawMasksAreTakenAsGiven)
{
    DDPIXELFORMAT dd = {};
    dd.dwSize = sizeof dd;
    dd.dwRGBBitCount = 16;
    dd.dwRBitMask = 0xF800;
    dd.dwGBitMask = 0x07E0;
    dd.dwBBitMask = 0x001F;
    PixelFormat format;
    ASSERT_TRUE(format.SetFromDirectDraw(&dd));
    EXPECT_EQ(format.red.shift, 11);
    EXPECT_EQ(format.green.loss, 2) << "six bits of green";
    EXPECT_EQ(format.blue.loss, 3);
    EXPECT_EQ(format.colourMask, 0xFFFFu);
    EXPECT_EQ(format.ColourToPixel(Colour(0xFFFFFFFF)), 0xFFFF);
}

TEST(PixelFormat, ColourToPixelReducesEachChannel)
{
    const PixelFormat p16 = FromHeader(16);
    struct Case {
        uint32_t colour;
        uint16_t pixel;
    };
    const Case cases[] = {
        {0xFFFFFFFF, 0x7FFF},
        {0x00FFFFFF, 0x7FFF}, // alpha plays no part
        {0x00FF0000, 0x7C00},
        {0x0000FF00, 0x03E0},
        {0x00070707, 0x0000}, // below one step of five bits
        {0x00084210, 0x0502},
    };
    for (const Case& c : cases)
        EXPECT_EQ(p16.ColourToPixel(Colour(c.colour)), c.pixel) << std::hex << c.colour;
    EXPECT_EQ(FromHeader(8).ColourToPixel(Colour(0xFFFFFFFF)), 0) << "no channels, no bits, no undefined shift";
}

TEST(PixelFormat, ComposePixelPlacesBytesWithoutReducing)
{
    EXPECT_EQ(FromHeader(32).ComposePixel(0x80FF4020), 0x80FF4020u);
    // 16 bpp: bytes go to the channel shifts unreduced, alpha has no place.
    EXPECT_EQ(FromHeader(16).ComposePixel(0x80010203), (1u << 10) | (2u << 5) | 3u);
    EXPECT_EQ(FromHeader(8).ComposePixel(0xFFFFFFFF), 0u);
    PixelFormat swapped;
    swapped.Set(32, 0, 0xFF, 0xFF00, 0xFF0000);
    EXPECT_EQ(swapped.ComposePixel(0x80112233), 0x00332211u) << "red and blue change places, alpha is dropped";
}

TEST(PixelFormat, PixelToColourWidensIntoTheColourBytes)
{
    const PixelFormat p16 = FromHeader(16);
    struct Case {
        uint16_t pixel;
        uint8_t alpha;
        uint32_t colour;
    };
    const Case cases[] = {
        {0x7FFF, 0xFF, 0xFFF8F8F8},
        {0x7C00, 0x80, 0x80F80000},
        {0x03E0, 0x00, 0x0000F800},
        {0x0421, 0x01, 0x01080808},
    };
    for (const Case& c : cases)
        EXPECT_EQ(p16.PixelToColour(c.pixel, c.alpha).Value(), c.colour) << std::hex << c.pixel;
    EXPECT_EQ(FromHeader(32).PixelToColour(0x1234, 0x55).Value(), 0x55001234u);
    EXPECT_EQ(p16.PixelToColour(p16.ColourToPixel(Colour(0x00F80800)), 0).Value(), 0x00F80800u)
        << "a colour on the 5-bit grid survives the round trip";
}

TEST(PixelFormat, ShiftsOfAWholeWordOrMoreGiveZero)
{
    struct Case {
        uint32_t value;
        int32_t count;
        uint32_t left, right;
    };
    const Case cases[] = {
        {0x1, 0, 0x1, 0x1},
        {0x80000001, 31, 0x80000000, 0x1},
        {0xFFFFFFFF, 32, 0, 0},
        {0xFFFFFFFF, 40, 0, 0},
        {0xF0, -4, 0xF, 0xF00}, // a negative count shifts the other way
        {0xF0, -32, 0, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ShiftLeft(c.value, c.count), c.left) << c.count;
        EXPECT_EQ(ShiftRight(c.value, c.count), c.right) << c.count;
    }
    ColourChannel empty;
    empty.Analyse(0, 32);
    EXPECT_EQ(empty.Extract(0xFFFFFFFF), 0);
    EXPECT_EQ(empty.ToByte(0xFFFFFFFF), 0);
    EXPECT_EQ(empty.FromByte(0xFF), 0u);
}

} // namespace
