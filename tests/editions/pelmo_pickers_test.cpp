// Pelmo's tick drawing from real pickers seeded by the edition's own seed
// function: the same sequences in every run, and one generator per picker.
#include "app/random_picker.h"
#include "editions/pelmo/pelmo_edition.h"
#include "tests/support/fake_behaviour_host.h"

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

// Pelmo's tick on a fake host whose draws come from a picker set seeded by
// the edition, recording each picker's values and every action played. The
// follow-up and the jump run through at their first tick; the jump shows
// frame 1 then, so each jump moves the window once.
struct SeededWorld : BehaviourWorld {
    PickerSet pickers{PelmoEdition().behaviour.pickerSeed};
    std::map<int32_t, std::vector<int32_t>> drawn;
    std::vector<int32_t> played;
    uint32_t now = 1000;

    SeededWorld() : BehaviourWorld(PelmoEdition().behaviour)
    {
        host.local.wHour = 9;
        host.drawSource = [this](int32_t picker, int32_t min, int32_t max) {
            const int32_t value = pickers.Draw(picker, min, max);
            drawn[picker].push_back(value);
            return value;
        };
        host.slotsRunningThrough = {4, 11};
        host.playback[11] = SlotPlayback{1, 0};
        engine.StartUp();
    }

    void Tick(uint32_t after)
    {
        TickAt(now += after);
        if (played.empty() || played.back() != state.CurrentAction)
            played.push_back(state.CurrentAction);
    }
    // Every action but the idle one ends within this.
    void BackToIdle()
    {
        while (state.CurrentAction != 0)
            Tick(30001);
    }
    int32_t NextIdlePick()
    {
        BackToIdle();
        Tick(30001);
        return state.CurrentAction;
    }
    void Click(int32_t x, int32_t y)
    {
        BackToIdle();
        ClickAt(x, y);
        Tick(10);
    }
};

std::vector<int32_t> IdlePicks(SeededWorld& world, size_t count)
{
    std::vector<int32_t> picks;
    while (picks.size() < count)
        picks.push_back(world.NextIdlePick());
    return picks;
}

TEST(PelmoPickers, TheIdleActionsComeInTheSameSequenceInEveryRun)
{
    constexpr size_t kCount = sizeof kFirstIdleActions / sizeof kFirstIdleActions[0];
    SeededWorld first;
    SeededWorld second;
    EXPECT_THAT(IdlePicks(first, kCount), ElementsAreArray(kFirstIdleActions));
    EXPECT_THAT(IdlePicks(second, kCount), ElementsAreArray(kFirstIdleActions));
}

TEST(PelmoPickers, TheIdlePickNeverGivesFourAndFourFollowsOnlyThree)
{
    SeededWorld world;
    const std::vector<int32_t> picks = IdlePicks(world, 300);
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
    SeededWorld world;
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
