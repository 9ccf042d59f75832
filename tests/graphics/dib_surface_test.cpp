// Images turned into DIB sections with their memory contexts.

#include "base/graphics/dib_surface.h"
#include "base/graphics/effect.h"

#include "tests/graphics/bmp_fixtures.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Bytes of every pixel row of the image, padding left out.
std::string PixelRows(const Bitmap& image)
{
    std::string rows;
    for (int32_t y = 0; y < image.Height(); ++y)
        rows.append(reinterpret_cast<const char*>(image.PixelAddress(0, y)), static_cast<size_t>(image.RowBytes()));
    return rows;
}

void Pattern(Bitmap& image, int32_t width, int32_t height, int32_t bpp)
{
    ASSERT_TRUE(image.Create(width, height, bpp, 16));
    for (int32_t y = 0; y < height; ++y)
        for (int32_t x = 0; x < image.RowBytes(); ++x)
            image.PixelAddress(0, y)[x] = static_cast<uint8_t>(bpp == 8 ? (x + y) % 16 : x * 13 + y * 5 + 1);
    if (bpp == 8)
        for (uint8_t i = 0; i < 16; ++i)
            image.SetPaletteEntry(i, static_cast<uint8_t>(i * 16), static_cast<uint8_t>(255 - i), 7);
}

TEST(DibSurface, BuildsASectionHoldingTheImageOfEachDepth)
{
    for (int32_t bpp : {8, 16, 24, 32}) {
        SCOPED_TRACE(bpp);
        Bitmap source;
        Pattern(source, 5, 3, bpp);
        DibSurface surface;
        ASSERT_TRUE(surface.Build(source));
        ASSERT_TRUE(surface.IsBuilt());
        GdiFlush();

        DIBSECTION section = {};
        ASSERT_EQ(GetObjectA(surface.Section(), sizeof section, &section), static_cast<int>(sizeof section));
        EXPECT_EQ(section.dsBm.bmWidth, 5);
        EXPECT_EQ(section.dsBm.bmHeight, 3);
        EXPECT_EQ(section.dsBm.bmBitsPixel, bpp);
        EXPECT_EQ(GetCurrentObject(surface.Context().Handle(), OBJ_BITMAP), surface.Section());

        Bitmap& image = surface.Image();
        EXPECT_EQ(image.Pixels(), section.dsBm.bmBits) << "the image's pixels are the section's";
        EXPECT_EQ(image.Width(), 5);
        EXPECT_EQ(image.BitsPerPixel(), bpp);
        EXPECT_EQ(image.ColourCount(), source.ColourCount());
        EXPECT_EQ(std::memcmp(image.Block(), source.Block(), source.Pixels() - source.Block()), 0);
        EXPECT_EQ(PixelRows(image), PixelRows(source));
        EXPECT_EQ(surface.Palette().Handle() != nullptr, bpp == 8);
        if (bpp == 8) {
            RGBQUAD colours[16];
            ASSERT_EQ(GetDIBColorTable(surface.Context().Handle(), 0, 16, colours), 16u);
            EXPECT_EQ(std::memcmp(colours, source.ColourTable(), sizeof colours), 0);
        }
    }
}

TEST(DibSurface, PixelWorkOnTheImageChangesTheSection)
{
    cEffect::InitCpu();
    DibSurface surface;
    ASSERT_TRUE(surface.BuildBlank(4, 4, 32));
    Bitmap patch;
    ASSERT_TRUE(patch.Create(2, 2, 32, 0));
    for (int32_t y = 0; y < 2; ++y)
        for (int32_t x = 0; x < 2; ++x)
            Set32(patch, x, y, 0xFF123456);
    ASSERT_TRUE(surface.Image().Blit(&patch, 1, 1));
    EXPECT_EQ(GetPixel(surface.Context().Handle(), 1, 1), RGB(0x12, 0x34, 0x56));
    EXPECT_EQ(GetPixel(surface.Context().Handle(), 0, 0), RGB(0, 0, 0));
    EXPECT_EQ(GetPixel(surface.Context().Handle(), 2, 2), RGB(0x12, 0x34, 0x56));
}

TEST(DibSurface, FailuresLeaveItEmpty)
{
    DibSurface surface;
    ASSERT_TRUE(surface.BuildBlank(2, 2, 24));
    Bitmap empty;
    EXPECT_FALSE(surface.Build(empty));
    EXPECT_FALSE(surface.IsBuilt());
    EXPECT_EQ(surface.Context().Handle(), nullptr);
    EXPECT_FALSE(surface.Image().HasImage());
    EXPECT_FALSE(surface.BuildBlank(2, 2, 12));
    EXPECT_FALSE(surface.BuildBlank(0, 0, 32)) << "no rows to set";
    EXPECT_FALSE(surface.IsBuilt());
}

TEST(DibSurface, ReleaseGivesEverythingBack)
{
    Bitmap source;
    Pattern(source, 3, 3, 8);
    DibSurface surface;
    ASSERT_TRUE(surface.Build(source));
    const HDC dc = surface.Context().Handle();
    const HBITMAP section = surface.Section();
    const HGDIOBJ palette = surface.Palette().Handle();
    surface.Release();
    EXPECT_EQ(GetObjectType(dc), 0u);
    EXPECT_EQ(GetObjectType(section), 0u);
    EXPECT_EQ(GetObjectType(palette), 0u);
    EXPECT_FALSE(surface.IsBuilt());
    surface.Release();
}

TEST(DibSurface, SurfacesSurviveAGrowingVector)
{
    std::vector<DibSurface> frames;
    for (int32_t i = 0; i < 12; ++i) {
        frames.emplace_back();
        ASSERT_TRUE(frames.back().BuildBlank(3, 3, 32));
        Set32(frames.back().Image(), 1, 1, 0x010101u * static_cast<uint32_t>(i));
    }
    for (int32_t i = 0; i < 12; ++i) {
        DibSurface& frame = frames[static_cast<size_t>(i)];
        EXPECT_EQ(GetCurrentObject(frame.Context().Handle(), OBJ_BITMAP), frame.Section());
        EXPECT_EQ(GetPixel(frame.Context().Handle(), 1, 1), RGB(i, i, i));
    }
    DibSurface taken = std::move(frames[3]);
    EXPECT_FALSE(frames[3].IsBuilt());
    EXPECT_EQ(GetPixel(taken.Context().Handle(), 1, 1), RGB(3, 3, 3));
    const HBITMAP section = taken.Section();
    taken = std::move(frames[4]);
    EXPECT_EQ(GetObjectType(section), 0u) << "the surface replaced is released";
}

} // namespace
