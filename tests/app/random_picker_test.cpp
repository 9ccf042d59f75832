#include "app/random_picker.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <vector>

namespace {

std::vector<int32_t> Draws(RandomPicker& picker, int count)
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
    PickerSet pickers(CountedSeed);
    EXPECT_EQ(pickers.Draw(0, 9, 3), 9);
}

} // namespace
