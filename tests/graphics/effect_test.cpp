// The pixel engine's generic road, bit for bit, on small hand-made pictures.

#include "base/graphics/effect.h"

#include "tests/graphics/test_surface.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Pixels = std::vector<uint32_t>;

class GenericRoad : public testing::Test {
protected:
    void SetUp() override
    {
        cEffect::InitCpu();
        hadMmx_ = cEffect::HasMmx();
        cEffect::OverrideMmx(false);
    }
    void TearDown() override { cEffect::OverrideMmx(hadMmx_); }

    // Draws type from the whole of from onto the whole of to.
    bool Draw(uint32_t type, TestSurface& to, TestSurface* from, uint32_t constant = 0)
    {
        cEffect effect;
        effect.destination = &to.lock;
        effect.source = from ? &from->lock : nullptr;
        effect.constantColour = Colour(constant);
        return effect.Draw(type);
    }

    // The destination pixel after drawing type from one source pixel onto
    // one destination pixel of the given depths.
    uint32_t OnePixel(uint32_t type, int32_t sourceBits, uint32_t source, int32_t destinationBits,
                      uint32_t destination, uint32_t constant = 0)
    {
        TestSurface from(1, 1, sourceBits);
        TestSurface to(1, 1, destinationBits);
        from.Set(0, 0, source);
        to.Set(0, 0, destination);
        EXPECT_TRUE(Draw(type, to, &from, constant));
        return to.Get(0, 0);
    }

private:
    bool hadMmx_ = false;
};

// One source pixel S over one destination pixel D with constant colour K,
// each colour channel of S, D and K different, worked out by hand from
// (X.c * a >> 8) + (D.c * (255 - a) >> 8).
TEST_F(GenericRoad, BlendsFollowTheStageArithmetic)
{
    const uint32_t S = 0x80C86432; // a 128, c 200 100 50
    const uint32_t D = 0xFF204060; //        c  32  64 96
    const uint32_t K = 0x40FF8010; // a 64,  c 255 128 16
    const struct {
        uint32_t type;
        uint32_t expected;
    } cases[] = {
        {0, 0xFF735148}, // S by S.A
        {1, 0xFF8E5F37}, // K by S.A
        {2, 0xFF494853}, // S by K.A
        {3, 0xFF564F4B}, // K by K.A
        {4, 0xFF723830}, // S*K>>8 by S.A
        {5, 0xFF344359}, // S by S.A*K.A>>8
        {6, 0xFF333D53}, // S*K>>8 by S.A*K.A>>8
        {7, 0xFF3A4755}, // K by S.A*K.A>>8
        {8, 0xFF483B47}, // S*K>>8 by K.A
        {9, 0xFF2A2D2F}, // max(K-S, 0) by S.A
    };
    for (const auto& c : cases)
        EXPECT_EQ(OnePixel(c.type, 32, S, 32, D, K), c.expected) << "type " << c.type;
}

TEST_F(GenericRoad, RoundingAndAlphaEdges)
{
    const struct {
        const char* name;
        uint32_t type, source, destination, constant, expected;
    } cases[] = {
        {"opaque white loses one step to the >> 8", 0, 0xFFFFFFFF, 0xFF000000, 0, 0xFFFEFEFE},
        {"transparent source keeps all but the >> 8", 0, 0x00FFFFFF, 0xFF808080, 0, 0xFF7F7F7F},
        {"modulating by white loses one step, the blend one more", 4, 0xFFFFFFFF, 0xFF000000, 0xFFFFFFFF, 0xFFFDFDFD},
        {"invert against white, weighted by 255", 9, 0xFF0A80FF, 0xFF000000, 0x00FFFFFF, 0xFFF47E00},
        {"invert below zero stops at 0", 9, 0xFF80FF10, 0xFF000000, 0x00404040, 0xFF00002F},
        {"copy stores alpha 255", 10, 0x12345678, 0x00000000, 0, 0xFF345678},
        {"fill stores alpha 255", 12, 0x00000000, 0x00000000, 0x0000FF00, 0xFF00FF00},
        {"OR copy keeps both alphas", 11, 0x10204080, 0x00000000, 0x01020304, 0x11224384},
    };
    for (const auto& c : cases)
        EXPECT_EQ(OnePixel(c.type, 32, c.source, 32, c.destination, c.constant), c.expected) << c.name;
}

TEST_F(GenericRoad, SumsOfTheBlendAreCappedAt255)
{
    TestSurface source(1, 1, 32);
    TestSurface target(1, 1, 32);
    source.Set(0, 0, 0xFFC86432);
    target.Set(0, 0, 0x00646464);
    cEffect effect;
    effect.destination = &target.lock;
    effect.source = &source.lock;
    effect.SetupStages(kEffectCopy);
    effect.SetBlend(cEffect::kBlendOne, cEffect::kBlendOne);
    ASSERT_TRUE(effect.DrawGeneric());
    EXPECT_EQ(target.Get(0, 0), 0xFFFFC896u);
}

TEST_F(GenericRoad, CopiesConvertBetweenDepths)
{
    const struct {
        const char* name;
        int32_t sourceBits, destinationBits;
        uint32_t source, expected;
    } cases[] = {
        {"16 to 32 widens to 248", 16, 32, 0x7FFF, 0xFFF8F8F8},
        {"16 to 24", 16, 24, 0x7C1F, 0xF800F8},
        {"16 to 16", 16, 16, 0x1234, 0x1234},
        {"24 to 32 is opaque", 24, 32, 0x123456, 0xFF123456},
        {"24 to 24", 24, 24, 0xABCDEF, 0xABCDEF},
        {"24 to 16 drops the low bits", 24, 16, 0xFF8040, 0x7E08},
        {"32 to 24 drops alpha", 32, 24, 0x00FF8040, 0xFF8040},
        {"32 to 16", 32, 16, 0x80FF8040, 0x7E08},
    };
    for (const auto& c : cases)
        EXPECT_EQ(OnePixel(kEffectCopy, c.sourceBits, c.source, c.destinationBits, 0), c.expected) << c.name;
}

TEST_F(GenericRoad, BlendsInto16And24BitSurfaces)
{
    // 0x4210 reads as 128 in each channel; red (248*128>>8) + (128*127>>8)
    // = 124 + 63 = 187 is stored as 23, green and blue 63 as 7.
    EXPECT_EQ(OnePixel(kEffectBlendSourceAlpha, 32, 0x80F80000, 16, 0x4210), (23u << 10) | (7u << 5) | 7u);
    // 255*128>>8 = 127 plus c*127>>8.
    EXPECT_EQ(OnePixel(kEffectFlatColourBlend, 32, 0, 24, 0x102030, 0x80FFFFFF), 0x868E96u);
}

TEST_F(GenericRoad, OrCopyAcrossDepths)
{
    TestSurface source(2, 1, 24);
    TestSurface target(2, 1, 32);
    source.Set(0, 0, 0x010203);
    source.Set(1, 0, 0x800000);
    ASSERT_TRUE(Draw(kEffectCopyOr, target, &source, 0x00100010));
    EXPECT_EQ(target.Row(0), (Pixels{0xFF110213, 0xFF900010})) << "a 24-bit source reads as opaque";
}

TEST_F(GenericRoad, BottomUpRowsKeepThePictureUpright)
{
    // Source picture rows 0..2 of 3 pixels, copied from a sub-rectangle into
    // a top-down destination at an offset.
    TestSurface source(3, 3, 32, true);
    for (int32_t y = 0; y < 3; ++y)
        for (int32_t x = 0; x < 3; ++x)
            source.Set(x, y, 0xFF000000 | static_cast<uint32_t>(y * 16 + x));
    TestSurface target(4, 3, 32, false);
    source.Lock(Rect(1, 1, 3, 3));
    target.Lock(Rect(2, 0, 4, 2));
    ASSERT_TRUE(Draw(kEffectCopy, target, &source));
    EXPECT_EQ(target.Row(0), (Pixels{0, 0, 0xFF000011, 0xFF000012}));
    EXPECT_EQ(target.Row(1), (Pixels{0, 0, 0xFF000021, 0xFF000022}));
    EXPECT_EQ(target.Row(2), (Pixels{0, 0, 0, 0}));
    EXPECT_EQ(target.lock.row, target.Address(2, 2)) << "left one row below the last row drawn";
    EXPECT_EQ(source.lock.row, source.lock.PixelAt(1, 2, true) + source.lock.Pitch())
        << "one row below the last source row";
}

TEST_F(GenericRoad, ScalingPicksSourceColumnsAndRows)
{
    const struct {
        const char* name;
        int32_t sourceWidth, sourceHeight, destinationWidth, destinationHeight;
        std::vector<Pixels> expected; // source pixels are 0xFF0000yx
    } cases[] = {
        {"twice as wide: every second column", 4, 1, 2, 1, {{0xFF000000, 0xFF000002}}},
        {"one and a half: floor(x * 1.5)", 6, 1, 4, 1, {{0xFF000000, 0xFF000001, 0xFF000003, 0xFF000004}}},
        {"twice as wide on two rows: each row starts at column 0", 4, 2, 2, 2,
         {{0xFF000000, 0xFF000002}, {0xFF000010, 0xFF000012}}},
        {"half as wide: each column twice", 2, 1, 4, 1, {{0xFF000000, 0xFF000000, 0xFF000001, 0xFF000001}}},
        {"twice as high: every second row", 2, 4, 2, 2, {{0xFF000000, 0xFF000001}, {0xFF000020, 0xFF000021}}},
        {"both axes", 4, 4, 2, 2, {{0xFF000000, 0xFF000002}, {0xFF000020, 0xFF000022}}},
        {"each row twice", 1, 2, 1, 4, {{0xFF000000}, {0xFF000000}, {0xFF000010}, {0xFF000010}}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RowsOfScaledCopy(c.sourceWidth, c.sourceHeight, c.destinationWidth, c.destinationHeight, 0),
                  c.expected)
            << c.name;
    }
}

TEST_F(GenericRoad, ScaledRowsAreFoundFromTheSourceRectangle)
{
    // Source rectangle (1, 2)-(5, 6) of a bottom-up 6 x 7 picture, halved.
    TestSurface source(6, 7, 32, true);
    for (int32_t y = 0; y < 7; ++y)
        for (int32_t x = 0; x < 6; ++x)
            source.Set(x, y, static_cast<uint32_t>(y * 16 + x));
    source.Lock(Rect(1, 2, 5, 6));
    TestSurface target(2, 2, 32);
    ASSERT_TRUE(Draw(kEffectCopy, target, &source));
    EXPECT_EQ(target.Row(0), (Pixels{0xFF000021, 0xFF000023}));
    EXPECT_EQ(target.Row(1), (Pixels{0xFF000041, 0xFF000043}));
    EXPECT_EQ(source.lock.row, source.Address(1, 4)) << "left on the last source row used";
}

TEST_F(GenericRoad, RefusedDrawsTouchNothing)
{
    TestSurface source(2, 2, 32);
    source.Fill(0xFFFFFFFF);
    TestSurface palette(2, 2, 8);
    struct Case {
        const char* name;
        uint32_t type;
        bool withSource;
        void (*spoil)(TestSurface& target, TestSurface& source);
        bool expected;
    };
    const Case cases[] = {
        {"unknown type", 13, true, nullptr, false},
        {"no source on the generic road", kEffectFill, false, nullptr, false},
        {"destination rectangle outside its image", kEffectCopy, true,
         [](TestSurface& t, TestSurface&) { t.lock.rect = Rect(0, 0, 3, 2); }, false},
        {"source rectangle outside its image", kEffectCopy, true,
         [](TestSurface&, TestSurface& s) { s.lock.rect = Rect(1, 1, 3, 3); }, false},
        {"row position that would leave the image", kEffectCopy, true,
         [](TestSurface& t, TestSurface&) { t.lock.row = t.Address(0, 1); }, false},
        {"source row position that would leave the image", kEffectCopy, true,
         [](TestSurface&, TestSurface& s) { s.lock.row = s.Address(1, 0); }, false},
        {"empty source rectangle", kEffectCopy, true,
         [](TestSurface&, TestSurface& s) { s.lock.rect = Rect(2, 2, 2, 2); }, false},
        {"no pixel format", kEffectCopy, true, [](TestSurface& t, TestSurface&) { t.lock.format = nullptr; },
         false},
        {"destination of width 0 draws nothing", kEffectCopy, true,
         [](TestSurface& t, TestSurface&) { t.Lock(Rect(1, 0, 1, 2)); }, true},
        {"destination of height 0 draws nothing", kEffectFill, true,
         [](TestSurface& t, TestSurface&) { t.Lock(Rect(0, 1, 2, 1)); }, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestSurface target(2, 2, 32);
        TestSurface from(2, 2, 32);
        from.Fill(0xFFFFFFFF);
        if (c.spoil)
            c.spoil(target, from);
        uint8_t* row = target.lock.row;
        EXPECT_EQ(Draw(c.type, target, c.withSource ? &from : nullptr, 0xFFFFFFFF), c.expected);
        EXPECT_EQ(target.Row(0), (Pixels{0, 0}));
        EXPECT_EQ(target.Row(1), (Pixels{0, 0}));
        EXPECT_EQ(target.lock.row, row) << "the lock did not move";
    }

    TestSurface target(2, 2, 32);
    cEffect effect;
    effect.source = &source.lock;
    EXPECT_FALSE(effect.Draw(kEffectCopy)) << "no destination";
    EXPECT_FALSE(Draw(kEffectCopy, palette, &source)) << "8-bit destination";
    EXPECT_FALSE(Draw(kEffectCopy, target, &palette)) << "8-bit source";
    EXPECT_EQ(target.Row(0), (Pixels{0, 0}));
}

TEST_F(GenericRoad, FillOf24BitsWithoutSourceIsRefused)
{
    TestSurface target(2, 1, 24);
    EXPECT_FALSE(Draw(kEffectFill, target, nullptr, 0xFFFFFFFF));
    EXPECT_EQ(target.Row(0), (Pixels{0, 0}));
}

// An image drawn onto itself through one lock, on either road, gives what a
// draw from an identical copy gives: each locked row is read and written
// once, and the rows below the lock stay as they were.
TEST(EffectOnItself, OneLockForBothSurfacesDrawsEachRowOnce)
{
    cEffect::InitCpu();
    const bool hadMmx = cEffect::HasMmx();
    const struct {
        const char* name;
        bool mmx;
        bool generic; // DrawGeneric called by the caller
    } roads[] = {{"fast road", true, false}, {"generic road", false, false}, {"DrawGeneric", false, true}};
    for (const auto& road : roads) {
        cEffect::OverrideMmx(road.mmx);
        for (uint32_t type : {kEffectBlendSourceAlpha, kEffectModulate, kEffectCopy, kEffectCopyOr}) {
            SCOPED_TRACE(std::string(road.name) + ", type " + std::to_string(type));
            TestSurface picture(3, 4, 32);
            for (int32_t y = 0; y < 4; ++y)
                for (int32_t x = 0; x < 3; ++x)
                    picture.Set(x, y, 0x3F2E1D0Cu * static_cast<uint32_t>(y * 3 + x + 1));
            const Rect topRows(0, 0, 3, 2);
            TestSurface expected = picture;
            TestSurface copy = picture;
            expected.Lock(topRows);
            copy.Lock(topRows);
            cEffect reference;
            reference.destination = &expected.lock;
            reference.source = &copy.lock;
            reference.constantColour = Colour(0x80C0A040);
            ASSERT_TRUE(reference.Draw(type));

            picture.Lock(topRows);
            cEffect effect;
            effect.destination = &picture.lock;
            effect.source = &picture.lock;
            effect.constantColour = Colour(0x80C0A040);
            if (road.generic)
                effect.SetupStages(type);
            ASSERT_TRUE(road.generic ? effect.DrawGeneric() : effect.Draw(type));
            EXPECT_EQ(effect.source, &picture.lock);
            for (int32_t y = 0; y < 4; ++y)
                EXPECT_EQ(picture.Row(y), expected.Row(y)) << "row " << y;
        }
    }
    cEffect::OverrideMmx(hadMmx);
}

TEST(EffectRoutes, FastRoutesByTypeDepthsAndSize)
{
    const struct {
        uint32_t type;
        int32_t sourceBits, destinationBits;
        bool sameSize;
        FastRoutine expected;
    } cases[] = {
        {0, 32, 32, true, FastRoutine::kBlendSourceAlpha},
        {9, 32, 32, true, FastRoutine::kInvert},
        {11, 32, 32, true, FastRoutine::kCopyOr},
        {0, 24, 32, true, FastRoutine::kNone},
        {0, 32, 32, false, FastRoutine::kNone},
        {3, 0, 32, true, FastRoutine::kFlatColourBlend},
        {3, 16, 32, true, FastRoutine::kFlatColourBlend},
        {3, 32, 24, true, FastRoutine::kNone},
        {10, 32, 32, true, FastRoutine::kCopy32To32},
        {10, 24, 32, true, FastRoutine::kConvert24To32},
        {10, 32, 24, true, FastRoutine::kConvert32To24},
        {10, 16, 24, true, FastRoutine::kConvert16To24},
        {10, 24, 24, true, FastRoutine::kNone},
        {10, 16, 32, true, FastRoutine::kNone},
        {10, 32, 32, false, FastRoutine::kStretchCopy},
        {10, 24, 32, false, FastRoutine::kNone},
        {2, 32, 32, false, FastRoutine::kStretchOpacityBlend},
        {12, 0, 32, true, FastRoutine::kFill},
        {12, 0, 24, true, FastRoutine::kNone},
        {12, 32, 32, false, FastRoutine::kNone},
        {13, 32, 32, true, FastRoutine::kNone},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FindFastRoute(c.type, c.sourceBits, c.destinationBits, c.sameSize), c.expected)
            << "type " << c.type << " " << c.sourceBits << "->" << c.destinationBits << (c.sameSize ? "" : " scaled");
    }
}

TEST(EffectRoutes, WithoutMmxEveryDrawTakesTheGenericRoad)
{
    cEffect::InitCpu();
    const bool hadMmx = cEffect::HasMmx();
    TestSurface source(2, 2, 32);
    TestSurface target(2, 2, 32);
    TestSurface wide(4, 2, 32);
    cEffect effect;
    effect.destination = &target.lock;
    effect.source = &source.lock;

    cEffect::OverrideMmx(true);
    EXPECT_EQ(effect.PlannedRoute(kEffectCopy), FastRoutine::kCopy32To32);
    effect.source = &wide.lock;
    EXPECT_EQ(effect.PlannedRoute(kEffectCopy), FastRoutine::kStretchCopy) << "sizes differ";
    effect.source = nullptr;
    EXPECT_EQ(effect.PlannedRoute(kEffectFill), FastRoutine::kFill) << "no source counts as the same size";

    cEffect::OverrideMmx(false);
    for (uint32_t type = 0; type < kEffectTypeCount; ++type)
        EXPECT_EQ(effect.PlannedRoute(type), FastRoutine::kNone) << type;
    cEffect::OverrideMmx(hadMmx);
}

} // namespace
