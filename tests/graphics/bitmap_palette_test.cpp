// Whole-image pixel work and colour tables.

#include "base/graphics/bitmap.h"

#include "tests/graphics/bmp_fixtures.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// An 8-bpp image of width x 1 with the given indices and count entries,
// entry i = (blue i, green 100 + i, red 200 + i).
void Indexed(Bitmap& image, const std::vector<uint8_t>& pixels, int32_t count)
{
    ASSERT_TRUE(image.Create(static_cast<int32_t>(pixels.size()), 1, 8, count));
    for (int32_t i = 0; i < count; ++i)
        image.SetPaletteEntry(static_cast<uint8_t>(i), static_cast<uint8_t>(200 + i), static_cast<uint8_t>(100 + i),
                              static_cast<uint8_t>(i));
    std::memcpy(image.PixelAddress(0, 0), pixels.data(), pixels.size());
}

std::vector<uint8_t> Row(const Bitmap& image)
{
    const uint8_t* row = image.PixelAddress(0, 0);
    return std::vector<uint8_t>(row, row + image.Width());
}

// The blue byte of each entry, which Indexed set to the entry's index.
std::vector<uint8_t> TableBlues(const Bitmap& image)
{
    std::vector<uint8_t> blues;
    for (int32_t i = 0; i < image.UsableTableEntries(); ++i)
        blues.push_back(image.ColourTable()[4 * i]);
    return blues;
}

TEST(BitmapPixels, SwapRedBlueAndFlipVertical)
{
    Bitmap image;
    ASSERT_TRUE(image.Create(2, 3, 24, 0));
    for (int32_t y = 0; y < 3; ++y) {
        const uint8_t row[6] = {1, 2, static_cast<uint8_t>(3 + y), 4, 5, 6};
        std::memcpy(image.PixelAddress(0, y), row, 6);
    }
    ASSERT_TRUE(image.SwapRedBlue());
    const uint8_t swapped[6] = {3, 2, 1, 6, 5, 4};
    EXPECT_EQ(std::memcmp(image.PixelAddress(0, 0), swapped, 6), 0);
    ASSERT_TRUE(image.FlipVertical());
    EXPECT_EQ(image.PixelAddress(0, 0)[0], 5) << "the bottom row is on top";
    EXPECT_EQ(image.PixelAddress(0, 1)[0], 4) << "the middle row stays";
    EXPECT_EQ(image.PixelAddress(0, 2)[0], 3);

    Bitmap other;
    ASSERT_TRUE(other.Create(2, 2, 32, 0));
    EXPECT_FALSE(other.SwapRedBlue());
    EXPECT_EQ(other.GetError(), Error::kInvalidValue);
    Bitmap empty;
    EXPECT_FALSE(empty.SwapRedBlue());
    EXPECT_EQ(empty.GetError(), Error::kNullPointer);
    EXPECT_FALSE(empty.FlipVertical());
    EXPECT_EQ(empty.GetError(), Error::kNullPointer);
}

TEST(BitmapPalette, SwapColoursExchangesPixelsAndEntries)
{
    Bitmap image;
    Indexed(image, {0, 1, 2, 3, 1}, 4);
    ASSERT_TRUE(image.SwapColours(1, 3));
    EXPECT_EQ(Row(image), (std::vector<uint8_t>{0, 3, 2, 1, 3}));
    EXPECT_EQ(TableBlues(image), (std::vector<uint8_t>{0, 3, 2, 1}));

    const struct {
        int32_t a, b;
    } bad[] = {{3, 3}, {-1, 0}, {0, 4}, {4, 0}};
    for (const auto& c : bad) {
        EXPECT_FALSE(image.SwapColours(c.a, c.b)) << c.a << "," << c.b;
        EXPECT_EQ(image.GetError(), Error::kInvalidValue);
    }
    Bitmap deep;
    ASSERT_TRUE(deep.Create(2, 2, 24, 0));
    EXPECT_FALSE(deep.SwapColours(0, 1));
    EXPECT_EQ(deep.GetError(), Error::kInvalidValue);
}

TEST(BitmapPalette, RotatePaletteMovesEntriesAndPixelsTogether)
{
    const struct {
        int32_t shift;
        std::vector<uint8_t> row, blues;
    } cases[] = {
        {1, {1, 2, 3, 0, 1}, {3, 0, 1, 2}},
        {-1, {3, 0, 1, 2, 3}, {1, 2, 3, 0}},
        {6, {2, 3, 0, 1, 2}, {2, 3, 0, 1}},
        {4, {0, 1, 2, 3, 0}, {0, 1, 2, 3}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.shift);
        Bitmap image;
        Indexed(image, {0, 1, 2, 3, 0}, 4);
        ASSERT_TRUE(image.RotatePalette(c.shift));
        EXPECT_EQ(Row(image), c.row);
        EXPECT_EQ(TableBlues(image), c.blues);
        // Every pixel keeps its colour (the blue byte tells the old entry).
        const std::vector<uint8_t> before = {0, 1, 2, 3, 0};
        const std::vector<uint8_t> after = Row(image);
        for (size_t x = 0; x < before.size(); ++x)
            EXPECT_EQ(image.ColourTable()[4 * after[x]], before[x]);
    }
    Bitmap deep;
    ASSERT_TRUE(deep.Create(2, 2, 16, 0));
    EXPECT_FALSE(deep.RotatePalette(1));
    EXPECT_EQ(deep.GetError(), Error::kInvalidValue);
    Bitmap empty;
    EXPECT_FALSE(empty.RotatePalette(1));
    EXPECT_EQ(empty.GetError(), Error::kNullPointer);
}

TEST(BitmapPalette, ResizePaletteRebuildsTheBlock)
{
    const struct {
        int32_t count;
        std::vector<uint8_t> blues;
    } cases[] = {{2, {0, 1}}, {6, {0, 1, 2, 3, 0, 0}}, {255, {}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.count);
        Bitmap image;
        Indexed(image, {3, 1, 2}, 4);
        ASSERT_TRUE(image.ResizePalette(c.count));
        EXPECT_EQ(image.ColourCount(), c.count);
        EXPECT_EQ(image.BlockSize(), 54u + 4 * c.count + 4);
        EXPECT_EQ(image.Pixels(), image.Block() + 54 + 4 * c.count);
        EXPECT_EQ(Row(image), (std::vector<uint8_t>{3, 1, 2}));
        if (!c.blues.empty()) {
            EXPECT_EQ(TableBlues(image), c.blues);
        }
        // The block reads back as the same image.
        Bitmap copy;
        ASSERT_TRUE(AttachCopy(copy, BlockOf(image)));
        EXPECT_EQ(copy.ColourCount(), c.count);
        EXPECT_EQ(copy.Pixels() - copy.Block(), image.Pixels() - image.Block());
    }

    Bitmap image;
    Indexed(image, {0}, 2);
    for (int32_t count : {0, 256, -3}) {
        EXPECT_FALSE(image.ResizePalette(count)) << count;
        EXPECT_EQ(image.GetError(), Error::kAreaCheckError);
    }
    ASSERT_TRUE(image.Lock());
    EXPECT_FALSE(image.ResizePalette(8)) << "the lock points into the block";
    EXPECT_EQ(image.GetError(), Error::kLockAlready);
    Bitmap empty;
    EXPECT_FALSE(empty.ResizePalette(8));
    EXPECT_EQ(empty.GetError(), Error::kNullPointer);
}

TEST(BitmapPalette, ResizeOfOtherDepthsReadsNoTableThatIsNotThere)
{
    // A 24-bpp file whose count reads 256 holds no table: nothing is
    // copied from its pixels into the new entries.
    BmpFields fields;
    fields.bitCount = 24;
    fields.width = 1;
    fields.height = 1;
    Bitmap image;
    ASSERT_TRUE(AttachCopy(image, fields.Bytes()));
    const std::string pixel(reinterpret_cast<char*>(image.Pixels()), 3);
    ASSERT_TRUE(image.ResizePalette(200));
    EXPECT_EQ(std::string(reinterpret_cast<char*>(image.Pixels()), 3), pixel);
    EXPECT_EQ(TableBlues(image), std::vector<uint8_t>(200, 0));

    // A 16-bpp image's table is its three bit masks, which the system
    // reads before any colour entries: a block with n entries in their
    // place would not be a sound image, so the image stays as it was.
    Bitmap sixteen;
    ASSERT_TRUE(sixteen.Create(1, 1, 16, 0));
    const std::string before = BlockOf(sixteen);
    for (int32_t count : {2, 3, 255}) {
        EXPECT_FALSE(sixteen.ResizePalette(count)) << count;
        EXPECT_EQ(sixteen.GetError(), Error::kInvalidValue);
        EXPECT_EQ(BlockOf(sixteen), before);
    }
}

TEST(BitmapPalette, SetPaletteEntryStaysInTheTable)
{
    Bitmap image;
    ASSERT_TRUE(image.Create(1, 1, 8, 3));
    ASSERT_TRUE(image.SetPaletteEntry(2, 0x11, 0x22, 0x33));
    EXPECT_EQ(std::memcmp(image.ColourTable() + 8, "\x33\x22\x11\x00", 4), 0);
    EXPECT_FALSE(image.SetPaletteEntry(3, 1, 1, 1));
    EXPECT_EQ(image.GetError(), Error::kAreaCheckError);
    EXPECT_EQ(image.Pixels()[0], 0) << "the pixel after the table is untouched";
    Bitmap empty;
    EXPECT_FALSE(empty.SetPaletteEntry(0, 1, 1, 1));
    EXPECT_EQ(empty.GetError(), Error::kNullPointer);
}

TEST(BitmapFill, SetFillColourBuildsThePatternOfTheDepth)
{
    const struct {
        int32_t bpp;
        uint32_t colour;
        int32_t value;
        uint64_t pattern;
    } cases[] = {
        {16, 0x00FFFFFF, 0x7FFF, 0x7FFF7FFF7FFF7FFFull},
        {16, 0x00FF0000, 0x7C00, 0x7C007C007C007C00ull},
        {8, 0x00FFFFFF, 0, 0},
        {24, 0x00FF0000, 0xFF0000 & 0xFFFF, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bpp);
        Bitmap image;
        ASSERT_TRUE(image.Create(1, 1, c.bpp, 0));
        EXPECT_EQ(image.SetFillColour(Colour(c.colour)), c.value);
        EXPECT_EQ(image.GetFillValue(), c.value);
        EXPECT_EQ(image.GetFillPattern(), c.pattern);
    }
}

} // namespace
