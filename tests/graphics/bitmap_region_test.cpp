// Window shapes cut from the pixels that differ from a key colour.

#include "base/graphics/bitmap.h"
#include "base/graphics/run_region_builder.h"
#include "base/window/region.h"

#include "tests/graphics/bmp_fixtures.h"
#include "tests/graphics/region_masks.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A 32-bpp image from rows of text: '.' is the key colour, a letter a pixel
// of another value.
void Picture(Bitmap& image, const std::vector<std::string>& rows)
{
    ASSERT_TRUE(image.Create(static_cast<int32_t>(rows[0].size()), static_cast<int32_t>(rows.size()), 32, 0));
    for (size_t y = 0; y < rows.size(); ++y)
        for (size_t x = 0; x < rows[y].size(); ++x)
            Set32(image, static_cast<int32_t>(x), static_cast<int32_t>(y),
                  rows[y][x] == '.' ? kMaskKey : 0xFF000000u | static_cast<uint8_t>(rows[y][x]));
}

// The rectangles of the region, in the system's order.
std::vector<RECT> RectsOf(const Region& region)
{
    const DWORD size = GetRegionData(region.Handle(), 0, nullptr);
    std::vector<uint8_t> data(size);
    GetRegionData(region.Handle(), size, reinterpret_cast<RGNDATA*>(data.data()));
    const RGNDATA* header = reinterpret_cast<const RGNDATA*>(data.data());
    const RECT* first = reinterpret_cast<const RECT*>(header->Buffer);
    return std::vector<RECT>(first, first + header->rdh.nCount);
}

std::string Describe(const std::vector<RECT>& rects)
{
    std::string text;
    for (const RECT& r : rects)
        text += "(" + std::to_string(r.left) + " " + std::to_string(r.top) + " " + std::to_string(r.right) + " " +
                std::to_string(r.bottom) + ")";
    return text;
}

TEST(BitmapRegion, RunsOfEachRowBecomeTheShape)
{
    struct Case {
        const char* name;
        std::vector<std::string> rows;
        Rect area;
        std::string rects;
    };
    const Case cases[] = {
        {"key, A, A, key, B", {".AA.B"}, Rect(), "(1 0 3 1)(4 0 5 1)"},
        {"a row of keys adds nothing", {".....", "AA..A"}, Rect(), "(0 1 2 2)(4 1 5 2)"},
        {"keys only", {"...", "..."}, Rect(), ""},
        {"equal rows merge", {".A.", ".A.", "AAA"}, Rect(), "(1 0 2 2)(0 2 3 3)"},
        {"a run to the end of the area", {"..AAA"}, Rect(0, 0, 4, 1), "(2 0 4 1)"},
        {"only inside the area", {"AAAA", "AAAA", "AAAA"}, Rect(1, 1, 3, 2), "(1 1 3 2)"},
        {"an area past the image is cut to it", {"AA", "A."}, Rect(1, 0, 50, 50), "(1 0 2 1)"},
        {"an area outside the image", {"AA"}, Rect(5, 5, 9, 9), ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Bitmap image;
        Picture(image, c.rows);
        Region region;
        ASSERT_TRUE(image.BuildRegion(kMaskKey, region, c.area));
        EXPECT_EQ(Describe(RectsOf(region)), c.rects);
        EXPECT_FALSE(image.IsLocked());
    }
}

TEST(BitmapRegion, TheKeyMatchesAllFourBytes)
{
    Bitmap image;
    ASSERT_TRUE(image.Create(4, 1, 32, 0));
    Set32(image, 0, 0, kMaskKey);
    Set32(image, 1, 0, 0xFF00FF00); // key colour with alpha
    Set32(image, 2, 0, kMaskKey);
    Set32(image, 3, 0, 0x0000FE00);
    Region region;
    ASSERT_TRUE(image.BuildRegion(kMaskKey, region));
    EXPECT_EQ(Describe(RectsOf(region)), "(1 0 2 1)(3 0 4 1)");
}

TEST(BitmapRegion, OtherDepthsAndLockedImages)
{
    Bitmap deep;
    ASSERT_TRUE(deep.Create(2, 2, 24, 0));
    Region region(0, 0, 5, 5);
    EXPECT_FALSE(deep.BuildRegion(kMaskKey, region));
    EXPECT_EQ(deep.GetError(), 0);

    Bitmap image;
    Picture(image, {"AA"});
    ASSERT_TRUE(image.Lock());
    EXPECT_TRUE(image.BuildRegion(kMaskKey, region)) << "a lock that fails gives the empty shape";
    EXPECT_EQ(Describe(RectsOf(region)), "");
    EXPECT_TRUE(image.IsLocked()) << "the caller's lock stays";
}

// The shape by merged rows equals the shape by one OR per run.
TEST(BitmapRegion, EqualsTheRunByRunShape)
{
    struct Case {
        std::string name;
        Bitmap image;
        Rect area;
    };
    std::vector<Case> cases;
    auto add = [&](std::string name, Rect area = Rect()) {
        cases.push_back(Case{std::move(name), Bitmap(), area});
        return &cases.back().image;
    };
    PaintFigureMask(*add("figure"), 120, 108);
    PaintFigureMask(*add("figure, part", Rect(10, 20, 100, 90)), 120, 108);
    PaintNoiseMask(*add("sparse noise"), 64, 50, 50, 1);
    PaintNoiseMask(*add("half noise"), 64, 50, 500, 2);
    PaintNoiseMask(*add("dense noise"), 64, 50, 950, 3);
    PaintNoiseMask(*add("one row"), 200, 1, 400, 4);
    PaintNoiseMask(*add("one column"), 1, 200, 400, 5);
    PaintNoiseMask(*add("full"), 33, 17, 1000, 6);
    PaintNoiseMask(*add("empty"), 33, 17, 0, 7);
    PaintNoiseMask(*add("odd row count"), 9, 37, 300, 8);
    for (Case& c : cases) {
        SCOPED_TRACE(c.name);
        Region fast, reference;
        ASSERT_TRUE(c.image.BuildRegion(kMaskKey, fast, c.area));
        ASSERT_TRUE(BuildRegionRunByRun(c.image, kMaskKey, reference, c.area));
        EXPECT_TRUE(EqualRgn(fast.Handle(), reference.Handle()));
    }
}

TEST(RunRegionBuilder, IsEmptyAgainAfterFinish)
{
    RunRegionBuilder builder;
    builder.AddRun(0, 2);
    ASSERT_TRUE(builder.EndRow(3));
    Region first;
    ASSERT_TRUE(builder.Finish(first));
    EXPECT_EQ(Describe(RectsOf(first)), "(0 3 2 4)");
    Region second(1, 1, 2, 2);
    ASSERT_TRUE(builder.Finish(second));
    EXPECT_EQ(Describe(RectsOf(second)), "");
}

} // namespace
