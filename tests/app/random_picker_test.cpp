#include "app/random_picker.h"
#include "tests/support/engine_state.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <set>
#include <string>
#include <vector>

namespace {

// The next draws of a picker of either form.
template <typename Picker> std::vector<int32_t> Draws(Picker& picker, int count)
{
    std::vector<int32_t> values;
    for (int i = 0; i < count; ++i)
        values.push_back(picker.Draw());
    return values;
}

TEST(RandomPicker, DrawsCoverTheInclusiveRangeAndNothingElse)
{
    RandomPicker picker = RandomPicker::Create(1, 6, 20240101);
    ASSERT_FALSE(picker.Empty());
    std::set<int32_t> seen;
    for (int32_t value : Draws(picker, 2000)) {
        ASSERT_GE(value, 1);
        ASSERT_LE(value, 6);
        seen.insert(value);
    }
    EXPECT_EQ(seen.size(), 6u) << "both ends are drawn";
}

TEST(RandomPicker, SameSeedGivesTheSameSequenceAndCopiesShareOne)
{
    RandomPicker first = RandomPicker::Create(0, 99, 7);
    RandomPicker second = RandomPicker::Create(0, 99, 7);
    const std::vector<int32_t> sequence = Draws(first, 20);
    EXPECT_EQ(Draws(second, 20), sequence);

    RandomPicker original = RandomPicker::Create(0, 99, 7);
    RandomPicker copy = original;
    std::vector<int32_t> interleaved;
    for (int i = 0; i < 10; ++i) {
        interleaved.push_back(original.Draw());
        interleaved.push_back(copy.Draw());
    }
    EXPECT_EQ(interleaved, sequence);

    copy.Release();
    EXPECT_TRUE(copy.Empty());
    EXPECT_FALSE(original.Empty()) << "the other copy keeps the generator";
}

TEST(RandomPicker, InvertedRangeLeavesThePickerEmpty)
{
    RandomPicker picker = RandomPicker::Create(0, 9, 1);
    EXPECT_FALSE(picker.Build(6, 1, 1));
    EXPECT_TRUE(picker.Empty());
    EXPECT_EQ(picker.Draw(), 0);
    EXPECT_TRUE(RandomPicker::Create(6, 1, 1).Empty());
    EXPECT_FALSE(RandomPicker::Create(5, 5, 1).Empty());
    EXPECT_EQ(RandomPicker::Create(5, 5, 1).Draw(), 5);
}

int g_seedsTaken = 0;
uint32_t CountedSeed()
{
    ++g_seedsTaken;
    return 5489;
}

TEST(PickerSet, EachPickerIsSeededAtItsFirstDrawAndKeepsItsOwnSequence)
{
    g_seedsTaken = 0;
    PickerSet alone(CountedSeed);
    EXPECT_EQ(g_seedsTaken, 0) << "nothing is seeded before it is used";
    std::vector<int32_t> idleAlone;
    for (int i = 0; i < 10; ++i)
        idleAlone.push_back(alone.Draw(0, 1, 6));
    EXPECT_EQ(g_seedsTaken, 1);

    PickerSet mixed(CountedSeed);
    std::vector<int32_t> idleMixed;
    for (int i = 0; i < 10; ++i) {
        idleMixed.push_back(mixed.Draw(0, 1, 6));
        mixed.Draw(1, 0, 99);
    }
    EXPECT_EQ(g_seedsTaken, 3);
    EXPECT_EQ(idleMixed, idleAlone) << "draws of one picker leave another's sequence alone";
}

TEST(PickerSet, InvertedRangeGivesItsLowerEnd)
{
    for (const PickerForm form : {PickerForm::SharedGenerator, PickerForm::PlainRecord}) {
        PickerSet pickers(CountedSeed, form);
        EXPECT_EQ(pickers.Draw(0, 9, 3), 9);
    }
}

TEST(PlainPicker, IsSeededOnceAndDrawsOnlyThroughItsPair)
{
    PlainPicker picker;
    ASSERT_TRUE(picker.Build(1, 5, 5489));
    EXPECT_EQ(FirstEngineWord(picker.engine), 5489u);
    EXPECT_EQ(picker.min, 1);
    EXPECT_EQ(picker.max, 5);
    EXPECT_EQ(picker.range, 4u);
    const std::string seeded = EngineStateText(picker.engine);
    EXPECT_EQ(EngineStateText(picker.pair.engine), seeded) << "the pair starts from a copy of the engine";

    Draws(picker, 100);
    EXPECT_EQ(EngineStateText(picker.engine), seeded) << "draws leave the record's own engine as seeded";
    EXPECT_NE(EngineStateText(picker.pair.engine), seeded);

    // The standard's check of mt19937 seeded 5489: its 10000th output.
    PlainPicker check;
    ASSERT_TRUE(check.Build(0, 99, 5489));
    check.pair.engine.discard(9999);
    EXPECT_EQ(check.pair.engine(), 4123659995u);
}

TEST(PlainPicker, DrawsWhatTheSharedPickerDrawsForTheSameSeedAndRange)
{
    struct Case {
        int32_t min, max;
        uint32_t seed;
    };
    const Case cases[] = {{1, 5, 5489}, {0, 99, 5489}, {-100, 100, 5489}, {1, 6, 20240101}, {7, 7, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.min << ".." << c.max << " seed " << c.seed);
        PlainPicker plain;
        ASSERT_TRUE(plain.Build(c.min, c.max, c.seed));
        RandomPicker shared = RandomPicker::Create(c.min, c.max, c.seed);
        std::vector<int32_t> expected;
        for (int i = 0; i < 500; ++i)
            expected.push_back(shared.Draw());
        EXPECT_EQ(Draws(plain, 500), expected);
    }
}

TEST(PlainPicker, ACopyDrawsOnByItself)
{
    PlainPicker original;
    ASSERT_TRUE(original.Build(0, 99, 5489));
    Draws(original, 3);
    PlainPicker copy = original;
    const std::vector<int32_t> fromCopy = Draws(copy, 10);
    EXPECT_EQ(Draws(original, 10), fromCopy) << "the copy's draws did not move the original on";
}

TEST(PlainPicker, TheWidestRangeAndAnInvertedOne)
{
    constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
    constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
    PlainPicker widest;
    ASSERT_TRUE(widest.Build(kMin, kMax, 5489));
    EXPECT_EQ(widest.range, 0xFFFFFFFFu);

    PlainPicker picker;
    EXPECT_EQ(picker.Draw(), 0) << "a record never built";
    ASSERT_TRUE(picker.Build(0, 9, 5489));
    const std::string seeded = EngineStateText(picker.engine);
    EXPECT_FALSE(picker.Build(6, 1, 77));
    EXPECT_EQ(picker.min, 0);
    EXPECT_EQ(picker.max, 9);
    EXPECT_EQ(EngineStateText(picker.engine), seeded);
}

TEST(PickerSet, BothFormsDrawTheSameSequencesEachPickerSeededAtItsFirstDraw)
{
    g_seedsTaken = 0;
    PickerSet shared(CountedSeed, PickerForm::SharedGenerator);
    PickerSet plain(CountedSeed, PickerForm::PlainRecord);
    EXPECT_EQ(g_seedsTaken, 0);
    for (int i = 0; i < 50; ++i) {
        EXPECT_EQ(plain.Draw(0, 1, 5), shared.Draw(0, 1, 5)) << i;
        EXPECT_EQ(plain.Draw(1, 0, 99), shared.Draw(1, 0, 99)) << i;
    }
    EXPECT_EQ(g_seedsTaken, 4) << "one seed per picker and form";
}

} // namespace
