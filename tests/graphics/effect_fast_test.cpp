// The pixel engine's fast road: its own results (pairs and the last pixel
// of odd rows rounded differently, whole pairs kept or copied), the choice
// between it and the generic road, how each routine moves the locks, and
// that every vector form gives the scalar form's pixels.

#include "base/graphics/effect.h"
#include "base/graphics/effect_fast.h"
#include "base/util/cpu_info.h"

#include "tests/graphics/test_surface.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <random>
#include <string>
#include <vector>

namespace {

using effect_fast::VectorSet;
using Pixels = std::vector<uint32_t>;

// The instruction sets this processor lets the routines use, scalar first.
std::vector<VectorSet> SetsOffered()
{
    std::vector<VectorSet> sets;
    for (VectorSet set : {VectorSet::kNone, VectorSet::kSse2, VectorSet::kAvx2})
        if (set <= effect_fast::VectorsOffered())
            sets.push_back(set);
    return sets;
}

std::string NameOf(VectorSet set)
{
    return set == VectorSet::kNone ? "scalar" : set == VectorSet::kSse2 ? "SSE2" : "AVX2";
}

// The vector tests below compare only the sets offered. Every processor
// these tests run on has SSE2 and every system they run on saves its
// registers, so the SSE2 kit at least must be offered, in the 32-bit build
// too, which asks the system before it takes the kit: were it not, those
// tests would pass on the scalar forms alone.
TEST(VectorChoice, OffersTheSse2KitWhereTheProcessorAndTheSystemHaveIt)
{
    ASSERT_TRUE(ProcessorHasSse2(ProcessorProbe()));
    ASSERT_TRUE(IsProcessorFeaturePresent(PF_XMMI64_INSTRUCTIONS_AVAILABLE)) << "the system saves the SSE registers";
    EXPECT_GE(effect_fast::VectorsOffered(), VectorSet::kSse2);
}

class FastRoad : public testing::Test {
protected:
    void SetUp() override
    {
        cEffect::InitCpu();
        hadMmx_ = cEffect::HasMmx();
        cEffect::OverrideMmx(true);
    }
    void TearDown() override
    {
        cEffect::OverrideMmx(hadMmx_);
        effect_fast::LimitVectors(VectorSet::kAvx2);
    }

    static bool Draw(uint32_t type, TestSurface& to, TestSurface* from, uint32_t constant = 0)
    {
        cEffect effect;
        effect.destination = &to.lock;
        effect.source = from ? &from->lock : nullptr;
        effect.constantColour = Colour(constant);
        return effect.Draw(type);
    }

private:
    bool hadMmx_ = false;
};

// Five pixels, worked out by hand: two pairs and the last pixel of an odd
// row. S = 0x80C86432 (a 128; c 200 100 50) over D = 0xFF204060 (c 32 64 96)
// with K = 0x40FF8010 (a 64; c 255 128 16) blends a pair as
// (X * a + D * (256 - a)) >> 8 and the last pixel as
// (X * a >> 8) + (D * (255 - a) >> 8); red of type 0: 29696 >> 8 = 116 in
// the pair, 100 + 15 = 115 at the end. The second pair shows each type's
// pair test.
struct BlendCase {
    const char* name;
    uint32_t type;
    uint32_t constant;
    Pixels source, destination, expected;
};

constexpr uint32_t S = 0x80C86432;
constexpr uint32_t D = 0xFF204060;
constexpr uint32_t K = 0x40FF8010;
constexpr uint32_t B1 = 0x12345678; // destination pixels a kept pair leaves as they are
constexpr uint32_t B2 = 0x9ABCDEF0;

const BlendCase kBlendCases[] = {
    {"0: a pair of zero pixels is kept, alpha included", 0, 0, {S, S, 0, 0, S}, {D, D, B1, B2, D},
     {0xFF745249, 0xFF745249, B1, B2, 0xFF735148}},
    {"0: an opaque pair is copied exactly; a last zero pixel is kept", 0, 0, {0xFFFFFFFF, 0xFF102030, S, S, 0},
     {D, D, D, D, B1}, {0xFFFFFFFF, 0xFF102030, 0xFF745249, 0xFF745249, B1}},
    {"0: a = 0 keeps D.c exactly, a = 255 gives (255 S.c + D.c) >> 8; one zero pixel is blended", 0, 0,
     {0x00C86432, 0xFFC86432, 0, S, S}, {D, D, B1, D, D},
     {0xFF204060, 0xFFC76332, 0xFF345678, 0xFF745249, 0xFF735148}},
    {"1: an opaque pair stores the constant colour, opaque", 1, K, {S, S, 0xFF000000, 0xFFFFFFFF, S},
     {D, D, B1, B2, D}, {0xFF8F6038, 0xFF8F6038, 0xFFFF8010, 0xFFFF8010, 0xFF8E5F37}},
    {"2: no pair test, a zero pair is blended", 2, K, {S, S, 0, 0, S}, {D, D, B1, B2, D},
     {0xFF4A4954, 0xFF4A4954, 0xFF27405A, 0xFF8DA6B4, 0xFF494853}},
    {"2: a = 128 over 255 gives 255 in a pair and 253 at the end", 2, 0x80000000, Pixels(5, 0xFFFFFFFF),
     Pixels(5, 0xFFFFFFFF), {0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFDFDFD}},
    {"3: (D.c * (256 - a) >> 8) + (K.c * a >> 8), no source", 3, K, {}, {D, D, B1, B2, D},
     {0xFF57504C, 0xFF57504C, 0xFF66605E, 0xFFCCC6B8, 0xFF564F4B}},
    {"4: a pair of zero alphas is kept though its colours are not 0", 4, K, {S, S, 0x00FFFFFF, 0x00808080, S},
     {D, D, B1, B2, D}, {0xFF733931, 0xFF733931, B1, B2, 0xFF723830}},
    {"4: an opaque pair is blended, white modulation losing a step", 4, 0xFFFFFFFF,
     {0xFFFFFFFF, 0xFFFFFFFF, S, S, 0}, {0xFF000000, 0xFF000000, D, D, B1},
     {0xFFFDFDFD, 0xFFFDFDFD, 0xFF735148, 0xFF735148, B1}},
    {"5: a = S.A * K.A >> 8", 5, K, {S, S, 0, 0, S}, {D, D, B1, B2, D},
     {0xFF35445A, 0xFF35445A, B1, B2, 0xFF344359}},
    {"6: colour and alpha modulated", 6, K, {S, S, 0, 0, S}, {D, D, B1, B2, D},
     {0xFF343E54, 0xFF343E54, B1, B2, 0xFF333D53}},
    {"7: constant colour, alpha modulated", 7, K, {S, S, 0, 0, S}, {D, D, B1, B2, D},
     {0xFF3B4856, 0xFF3B4856, B1, B2, 0xFF3A4755}},
    {"8: no tests: a zero pair and a zero last pixel are blended", 8, K, {S, S, 0, 0, 0}, {D, D, B1, B2, D},
     {0xFF493C48, 0xFF493C48, 0xFF27405A, 0xFF8DA6B4, 0xFF172F47}},
    {"9: inverts against 255, not the red constant; opaque pairs store 255 - S.c", 9, 0xFFFF0000,
     {S, S, 0xFF0A80FF, 0xFFFFFFFF, S}, {D, D, B1, B2, D},
     {0xFF2B6D96, 0xFF2B6D96, 0xFFF57F00, 0xFF000000, 0xFF2A6C95}},
};

// Two pairs repeated and the last pixel: nine pixels, so that every vector
// form takes the pairs and the scalar form the end.
Pixels NinePixels(const Pixels& five)
{
    return {five[0], five[1], five[2], five[3], five[0], five[1], five[2], five[3], five[4]};
}

TEST_F(FastRoad, BlendsRoundPairsAndTheLastPixelEachTheirWay)
{
    for (VectorSet set : SetsOffered()) {
        effect_fast::LimitVectors(set);
        for (const BlendCase& c : kBlendCases) {
            SCOPED_TRACE(NameOf(set) + ", type " + c.name);
            TestSurface target(9, 2, 32);
            TestSurface source(9, 2, 32);
            for (int32_t y = 0; y < 2; ++y) {
                for (int32_t x = 0; x < 9; ++x) {
                    target.Set(x, y, NinePixels(c.destination)[static_cast<size_t>(x)]);
                    if (!c.source.empty())
                        source.Set(x, y, NinePixels(c.source)[static_cast<size_t>(x)]);
                }
            }
            ASSERT_TRUE(Draw(c.type, target, c.source.empty() ? nullptr : &source, c.constant));
            EXPECT_EQ(target.Row(0), NinePixels(c.expected));
            EXPECT_EQ(target.Row(1), NinePixels(c.expected)) << "second row";
        }
    }
}

TEST_F(FastRoad, CopiesFillAndConverters)
{
    const struct {
        const char* name;
        uint32_t type;
        int32_t sourceBits, destinationBits;
        Pixels source;
        uint32_t constant;
        Pixels expected; // 24 bpp as 0xRRGGBB
    } cases[] = {
        {"copy keeps every bit, alpha included", 10, 32, 32, {0x12345678, 0x00000000, 0x80FF00FF}, 0,
         {0x12345678, 0x00000000, 0x80FF00FF}},
        {"fill keeps the key colour's alpha 0, without a source", 12, 0, 32, {}, 0x0000FF00,
         {0x0000FF00, 0x0000FF00, 0x0000FF00}},
        {"OR copy", 11, 32, 32, {0x10204080, 0x00000000, 0xFF000001}, 0x01020304,
         {0x11224384, 0x01020304, 0xFF020305}},
        {"24 to 32 is opaque", 10, 24, 32, {0x123456, 0x000000, 0xFFFFFF}, 0, {0xFF123456, 0xFF000000, 0xFFFFFFFF}},
        {"32 to 24 drops alpha", 10, 32, 24, {0x80123456, 0xFF000000, 0x00FFFFFF}, 0, {0x123456, 0x000000, 0xFFFFFF}},
        {"16 to 24 widens 31 to 248", 10, 16, 24, {0x7FFF, 0x7C1F, 0x0421}, 0, {0xF8F8F8, 0xF800F8, 0x080808}},
    };
    for (VectorSet set : SetsOffered()) {
        effect_fast::LimitVectors(set);
        for (const auto& c : cases) {
            SCOPED_TRACE(NameOf(set) + ", " + c.name);
            // Three pixels a row: one pair and one last pixel.
            TestSurface target(3, 2, c.destinationBits);
            TestSurface source(3, 2, c.sourceBits ? c.sourceBits : 32);
            for (int32_t y = 0; y < 2; ++y)
                for (int32_t x = 0; x < 3; ++x)
                    if (!c.source.empty())
                        source.Set(x, y, c.source[static_cast<size_t>(x)]);
            ASSERT_TRUE(Draw(c.type, target, c.sourceBits ? &source : nullptr, c.constant));
            EXPECT_EQ(target.Row(0), c.expected);
            EXPECT_EQ(target.Row(1), c.expected);
        }
    }
}

TEST_F(FastRoad, CopyBetweenBottomUpPicturesKeepsThemUpright)
{
    TestSurface source(3, 3, 32, true);
    for (int32_t y = 0; y < 3; ++y)
        for (int32_t x = 0; x < 3; ++x)
            source.Set(x, y, static_cast<uint32_t>(y * 16 + x));
    const struct {
        const char* name;
        Rect sourceRect, targetRect;
        bool targetBottomUp;
        std::vector<Pixels> expected;
    } cases[] = {
        {"whole pictures", Rect(0, 0, 3, 3), Rect(0, 0, 3, 3), true,
         {{0x00, 0x01, 0x02}, {0x10, 0x11, 0x12}, {0x20, 0x21, 0x22}}},
        {"into a top-down picture", Rect(0, 0, 3, 3), Rect(0, 0, 3, 3), false,
         {{0x00, 0x01, 0x02}, {0x10, 0x11, 0x12}, {0x20, 0x21, 0x22}}},
        {"a part at an offset", Rect(1, 1, 3, 3), Rect(0, 0, 2, 2), true,
         {{0x11, 0x12, 0}, {0x21, 0x22, 0}, {0, 0, 0}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TestSurface target(3, 3, 32, c.targetBottomUp);
        source.Lock(c.sourceRect);
        target.Lock(c.targetRect);
        ASSERT_TRUE(Draw(kEffectCopy, target, &source));
        for (int32_t y = 0; y < 3; ++y)
            EXPECT_EQ(target.Row(y), c.expected[static_cast<size_t>(y)]) << "row " << y;
    }
}

TEST_F(FastRoad, TheRouteDecidesTheResult)
{
    // Each case draws a row of two equal source pixels (four for a source
    // of another size) onto two destination pixels, where the two roads
    // store different values.
    const struct {
        const char* name;
        bool mmx;
        uint32_t type;
        int32_t sourceBits, sourceWidth, destinationBits;
        uint32_t source, destination, constant;
        bool drawn;
        uint32_t expected;
    } cases[] = {
        {"fast copy keeps alpha", true, 10, 32, 2, 32, 0x12345678, 0, 0, true, 0x12345678},
        {"without MMX the copy is generic: alpha 255", false, 10, 32, 2, 32, 0x12345678, 0, 0, true, 0xFF345678},
        {"16 to 32 has no fast converter", true, 10, 16, 2, 32, 0x7FFF, 0, 0, true, 0xFFF8F8F8},
        {"fast blend copies an opaque pair", true, 0, 32, 2, 32, 0xFFFFFFFF, 0xFF000000, 0, true, 0xFFFFFFFF},
        {"a 24-bit source blends on the generic road", true, 0, 24, 2, 32, 0xFFFFFF, 0xFF000000, 0, true,
         0xFFFEFEFE},
        {"without MMX a blend is generic", false, 0, 32, 2, 32, 0xFFFFFFFF, 0xFF000000, 0, true, 0xFFFEFEFE},
        {"fill of a 32-bit destination is fast: alpha kept", true, 12, 0, 2, 32, 0, 0, 0x0000FF00, true,
         0x0000FF00},
        {"fill without MMX and without a source is refused", false, 12, 0, 2, 32, 0, 0x01010101, 0x0000FF00, false,
         0x01010101},
        {"fill with a source of another size is generic: alpha 255", true, 12, 32, 4, 32, 0, 0, 0x0000FF00, true,
         0xFF00FF00},
        {"fill of a 24-bit destination without a source is refused", true, 12, 0, 2, 24, 0, 0x010101, 0xFFFFFF,
         false, 0x010101},
        {"stretching copy keeps alpha", true, 10, 32, 4, 32, 0x12345678, 0, 0, true, 0x12345678},
        {"stretching opacity blend, pair formula", true, 2, 32, 4, 32, 0xFFFFFFFF, 0xFFFFFFFF, 0x80000000, true,
         0xFFFFFFFF},
        {"a stretched blend of another type is generic", true, 0, 32, 4, 32, 0xFFFFFFFF, 0xFF000000, 0, true,
         0xFFFEFEFE},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        cEffect::OverrideMmx(c.mmx);
        TestSurface target(2, 1, c.destinationBits);
        TestSurface source(c.sourceWidth, 1, c.sourceBits ? c.sourceBits : 32);
        target.Fill(c.destination);
        source.Fill(c.source);
        EXPECT_EQ(Draw(c.type, target, c.sourceBits ? &source : nullptr, c.constant), c.drawn);
        EXPECT_EQ(target.Row(0), Pixels(2, c.expected));
    }
}

TEST_F(FastRoad, EachRoutineMovesTheLocksItsOwnWay)
{
    enum Move { kKept, kOneRowOn };
    const struct {
        const char* name;
        uint32_t type;
        int32_t sourceBits, sourceWidth, destinationBits;
        Move destination, source;
    } cases[] = {
        {"copy", 10, 32, 3, 32, kKept, kKept},
        {"OR copy", 11, 32, 3, 32, kKept, kKept},
        {"fill", 12, 32, 3, 32, kKept, kKept},
        {"24 to 32", 10, 24, 3, 32, kKept, kKept},
        {"stretching copy", 10, 32, 5, 32, kKept, kKept},
        {"32 to 24", 10, 32, 3, 24, kOneRowOn, kOneRowOn},
        {"16 to 24", 10, 16, 3, 24, kOneRowOn, kOneRowOn},
        {"blend", 0, 32, 3, 32, kOneRowOn, kOneRowOn},
        {"modulate", 8, 32, 3, 32, kOneRowOn, kOneRowOn},
        {"flat colour: the source is not read", 3, 32, 3, 32, kOneRowOn, kKept},
        {"stretching opacity blend", 2, 32, 5, 32, kOneRowOn, kKept},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        // Rows 1 and 2 of 4-row pictures.
        TestSurface target(3, 4, c.destinationBits);
        TestSurface source(c.sourceWidth, 4, c.sourceBits);
        target.Lock(Rect(0, 1, 3, 3));
        source.Lock(Rect(0, 1, c.sourceWidth, 3));
        ASSERT_TRUE(Draw(c.type, target, &source, 0x80FFFFFF));
        EXPECT_EQ(target.lock.row, target.Address(0, c.destination == kKept ? 1 : 3));
        EXPECT_EQ(source.lock.row, source.Address(0, c.source == kKept ? 1 : 3));
    }
}

TEST_F(FastRoad, StretchingCopyPicksColumnsAndRows)
{
    const struct {
        const char* name;
        int32_t sourceWidth, sourceHeight, destinationWidth, destinationHeight;
        std::vector<Pixels> expected; // source pixels are 0x80000000 | y * 16 + x
    } cases[] = {
        {"4 to 2 wide: columns 0 and 2", 4, 1, 2, 1, {{0x80000000, 0x80000002}}},
        {"6 to 4 wide: floor(x * 1.5)", 6, 1, 4, 1, {{0x80000000, 0x80000001, 0x80000003, 0x80000004}}},
        {"2 to 5 wide, a pair twice and a last pixel", 2, 1, 5, 1,
         {{0x80000000, 0x80000000, 0x80000000, 0x80000001, 0x80000001}}},
        {"4 to 2 high: rows 0 and 2", 1, 4, 1, 2, {{0x80000000}, {0x80000020}}},
        {"1 to 3 high", 1, 1, 1, 3, {{0x80000000}, {0x80000000}, {0x80000000}}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RowsOfScaledCopy(c.sourceWidth, c.sourceHeight, c.destinationWidth, c.destinationHeight,
                                   0x80000000),
                  c.expected)
            << c.name;
    }
}

TEST_F(FastRoad, StretchingOpacityBlendFindsRowsFromTheSourceRectangle)
{
    // The source rectangle (1, 1)-(5, 3) of a bottom-up 6 x 4 picture of
    // opaque greys, the rest white, onto 3 x 4 white with a = 128: columns
    // 0, 1 | 2 (step 4/3), rows 0, 0, 1, 1. A pair pixel is
    // (v * 128 + 255 * 128) >> 8, the last pixel (v * 128 >> 8) + 126; a
    // last source pixel of 0 is left.
    TestSurface source(6, 4, 32, true);
    source.Fill(0xFFFFFFFF);
    const uint32_t greys[2][4] = {{10, 20, 30, 40}, {50, 60, 0, 80}};
    for (int32_t y = 0; y < 2; ++y)
        for (int32_t x = 0; x < 4; ++x) {
            const uint32_t v = greys[y][x];
            source.Set(1 + x, 1 + y, v ? 0xFF000000 | v << 16 | v << 8 | v : 0);
        }
    source.Lock(Rect(1, 1, 5, 3));
    TestSurface target(3, 4, 32);
    target.Fill(0xFFFFFFFF);
    ASSERT_TRUE(Draw(kEffectOpacityBlend, target, &source, 0x80000000));
    const Pixels first = {0xFF848484, 0xFF898989, 0xFF8D8D8D};  // 132, 137 | 15 + 126
    const Pixels second = {0xFF989898, 0xFF9D9D9D, 0xFFFFFFFF}; // 152, 157 | left
    EXPECT_EQ(target.Row(0), first);
    EXPECT_EQ(target.Row(1), first);
    EXPECT_EQ(target.Row(2), second);
    EXPECT_EQ(target.Row(3), second);
}

// Random pictures whose pairs are of every kind the pair tests tell apart.
uint32_t RandomPixel(std::mt19937& random, int kind)
{
    const uint32_t colour = random() & 0x00FFFFFF;
    switch (kind) {
    case 0:
        return 0;
    case 1:
        return colour; // alpha 0
    case 2:
        return 0xFF000000 | colour;
    default:
        return static_cast<uint32_t>(random());
    }
}

void FillRandomly(TestSurface& surface, int32_t width, int32_t height, std::mt19937& random)
{
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t x = 0; x < width; x += 2) {
            // Mostly pairs of one kind, sometimes two kinds.
            const int kind = static_cast<int>(random() % 4);
            const int other = random() % 4 == 0 ? static_cast<int>(random() % 4) : kind;
            surface.Set(x, y, RandomPixel(random, kind));
            if (x + 1 < width)
                surface.Set(x + 1, y, RandomPixel(random, other));
        }
    }
}

TEST_F(FastRoad, VectorFormsGiveTheScalarPixels)
{
    std::mt19937 random(20240611);
    const int32_t widths[] = {1, 3, 4, 5, 7, 8, 9, 12, 15, 17, 31, 34};
    std::vector<uint32_t> types;
    for (uint32_t type = 0; type <= kEffectInvert; ++type)
        types.push_back(type);
    types.push_back(kEffectCopyOr);
    types.push_back(kEffectFill);
    for (VectorSet set : SetsOffered()) {
        if (set == VectorSet::kNone)
            continue;
        for (uint32_t type : types) {
            for (int32_t width : widths) {
                SCOPED_TRACE(NameOf(set) + ", type " + std::to_string(type) + ", width " + std::to_string(width));
                // A rectangle one pixel in from the left, so that rows do
                // not start on a register boundary.
                TestSurface source(width + 2, 3, 32);
                TestSurface start(width + 2, 3, 32);
                FillRandomly(source, width + 2, 3, random);
                FillRandomly(start, width + 2, 3, random);
                const uint32_t constant = static_cast<uint32_t>(random());
                std::vector<uint8_t> results[2];
                for (int road = 0; road < 2; ++road) {
                    effect_fast::LimitVectors(road == 0 ? VectorSet::kNone : set);
                    TestSurface target = start;
                    target.Lock(Rect(1, 0, width + 1, 3));
                    source.Lock(Rect(1, 0, width + 1, 3));
                    ASSERT_TRUE(Draw(type, target, &source, constant));
                    results[road] = target.Bytes();
                }
                EXPECT_EQ(results[1], results[0]);

                // Source and destination one pixel apart in one picture.
                for (int road = 0; road < 2; ++road) {
                    effect_fast::LimitVectors(road == 0 ? VectorSet::kNone : set);
                    TestSurface shared = start;
                    BitmapLock from = shared.Lock(Rect(0, 0, width, 3));
                    shared.Lock(Rect(1, 0, width + 1, 3));
                    cEffect effect;
                    effect.destination = &shared.lock;
                    effect.source = &from;
                    effect.constantColour = Colour(constant);
                    ASSERT_TRUE(effect.Draw(type));
                    results[road] = shared.Bytes();
                }
                EXPECT_EQ(results[1], results[0]) << "overlapping rows";
            }
        }
    }
}

TEST_F(FastRoad, LargeFillsStreamPastTheCachesWithTheSamePixels)
{
    // More than the size from which fills stream, in a block that starts
    // 2 bytes past an alignment, so the stored pattern is rotated; once as
    // one block (whole rows), once row by row (an inner rectangle).
    const int32_t width = 2048, height = 1100;
    const uint32_t value = 0x0000FF00;
    const struct {
        const char* name;
        Rect rect;
    } cases[] = {{"whole picture", Rect(0, 0, width, height)}, {"inner rectangle", Rect(1, 1, width - 1, height - 1)}};
    for (VectorSet set : SetsOffered()) {
        effect_fast::LimitVectors(set);
        for (const auto& c : cases) {
            SCOPED_TRACE(NameOf(set) + ", " + c.name);
            const size_t blockBytes = static_cast<size_t>(width) * height * 4;
            std::vector<uint8_t> memory(blockBytes + 8, 0);
            PixelFormat format;
            format.Set(32, 0xFF000000, 0xFF0000, 0xFF00, 0xFF);
            BitmapLock lock;
            lock.base = memory.data() + 2;
            lock.rect = c.rect;
            lock.width = width;
            lock.height = height;
            lock.bitsPerPixel = 32;
            lock.stride = width * 4;
            lock.format = &format;
            lock.row = lock.PixelAt(c.rect.left, c.rect.top, true);
            cEffect effect;
            effect.destination = &lock;
            effect.constantColour = Colour(value);
            ASSERT_TRUE(effect.Draw(kEffectFill));
            size_t wrong = 0;
            for (int32_t y = 0; y < height; ++y) {
                for (int32_t x = 0; x < width; ++x) {
                    uint32_t pixel;
                    std::memcpy(&pixel, lock.PixelAt(x, y, true), 4);
                    const bool inside = x >= c.rect.left && x < c.rect.right && y >= c.rect.top && y < c.rect.bottom;
                    wrong += pixel != (inside ? value : 0);
                }
            }
            EXPECT_EQ(wrong, 0u);
            EXPECT_EQ(memory[0] | memory[1] | memory[blockBytes + 2], 0) << "nothing outside the block";
        }
    }
}

} // namespace
