// Pelmo's tick drawing from real pickers seeded by the edition's own seed
// function: the same sequences in every run, and one generator per picker.
#include "app/random_picker.h"
#include "editions/pelmo/pelmo_edition.h"
#include "tests/editions/seeded_world.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <vector>

namespace {

using ::testing::ElementsAreArray;

// The first idle actions and the first jump draws of every run: the standard
// mt19937 seeded 5489 starts 3499211612, 581869302, 3890346734, ..., each
// output taken into equal buckets of the range (the ninth idle draw is a 4,
// drawn again).
const int32_t kFirstIdleActions[] = {5, 1, 5, 5, 1, 5, 5, 2, 2, 1, 3, 2};
const int32_t kFirstJumpDraws[] = {63, -73, 82, 67};

// The follow-up and the jump run through at their first tick; the jump
// shows frame 1 then, so each jump moves the window once.
struct PelmoWorld : SeededWorld {
    PelmoWorld() : SeededWorld(PelmoEdition().behaviour, {4, 11}) { host.playback[11] = SlotPlayback{1, 0}; }
};

TEST(PelmoPickers, TheIdleActionsComeInTheSameSequenceInEveryRun)
{
    constexpr size_t kCount = sizeof kFirstIdleActions / sizeof kFirstIdleActions[0];
    PelmoWorld first;
    PelmoWorld second;
    EXPECT_THAT(first.IdlePicks(kCount), ElementsAreArray(kFirstIdleActions));
    EXPECT_THAT(second.IdlePicks(kCount), ElementsAreArray(kFirstIdleActions));
}

TEST(PelmoPickers, TheIdlePickNeverGivesFourAndFourFollowsOnlyThree)
{
    PelmoWorld world;
    const std::vector<int32_t> picks = world.IdlePicks(300);
    EXPECT_EQ(std::count(picks.begin(), picks.end(), 4), 0);
    const std::vector<int32_t>& idleDraws = world.drawn[kIdlePicker];
    EXPECT_GT(std::count(idleDraws.begin(), idleDraws.end(), 4), 0) << "fours were drawn and drawn again";

    int follows = 0;
    for (size_t i = 1; i < world.played.size(); ++i) {
        if (world.played[i] == 4) {
            EXPECT_EQ(world.played[i - 1], 3) << "at " << i;
            ++follows;
        }
    }
    EXPECT_GT(follows, 0);
}

// Idle picks, clicks on A and B and jumps, interleaved: each picker still
// gives the sequence of its own generator seeded 5489, as if it drew alone.
TEST(PelmoPickers, EachPickerDrawsItsOwnSequence)
{
    PelmoWorld world;
    for (int round = 0; round < 8; ++round) {
        world.NextIdlePick();
        world.Click(200, 150); // A: PickOneOfThree
        world.Click(200, 240); // B: PickOneOfTwo, every third time the jump
    }
    struct Picker {
        int32_t id;
        int32_t min, max;
    };
    const Picker pickers[] = {
        {kIdlePicker, 1, 5}, {kPairPicker, 0, 99}, {kPickOneOfThreePicker, 0, 99}, {kJumpPicker, -100, 100}};
    for (const Picker& picker : pickers) {
        SCOPED_TRACE(picker.id);
        const std::vector<int32_t>& values = world.drawn[picker.id];
        ASSERT_GE(values.size(), 4u);
        RandomPicker alone = RandomPicker::Create(picker.min, picker.max, 5489);
        for (int32_t value : values)
            EXPECT_EQ(value, alone.Draw());
    }

    // The two pickers of 0..99 are two generators: they give the same
    // values, neither continuing the other's sequence.
    const std::vector<int32_t>& pair = world.drawn[kPairPicker];
    const std::vector<int32_t>& three = world.drawn[kPickOneOfThreePicker];
    const size_t common = std::min(pair.size(), three.size());
    EXPECT_TRUE(std::equal(pair.begin(), pair.begin() + common, three.begin()));

    const std::vector<int32_t>& jumps = world.drawn[kJumpPicker];
    constexpr size_t kJumps = sizeof kFirstJumpDraws / sizeof kFirstJumpDraws[0];
    ASSERT_GE(jumps.size(), kJumps);
    EXPECT_THAT(std::vector<int32_t>(jumps.begin(), jumps.begin() + kJumps), ElementsAreArray(kFirstJumpDraws));
}

} // namespace
