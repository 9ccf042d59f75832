// Ivrel's tick drawing from real pickers seeded by the edition's own seed
// function: the same sequences in every run, one generator per picker.
#include "app/random_picker.h"
#include "editions/ivrel/ivrel_edition.h"
#include "tests/support/fake_behaviour_host.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <vector>

namespace {

using ::testing::ElementsAreArray;

// The first idle actions of every run: the idle picker's mt19937 seeded
// 5489 over 1..4, each 1 turned into 1 or 24 by the pair picker's own
// generator seeded 5489.
const int32_t kFirstIdleActions[] = {4, 1, 4, 4, 24, 4, 4, 1, 3, 2, 1, 3};

// Ivrel's tick on a fake host whose draws come from a picker set seeded by
// the edition, recording each picker's values and the actions played.
struct SeededWorld : BehaviourWorld {
    PickerSet pickers{IvrelEdition().behaviour.pickerSeed};
    std::map<int32_t, std::vector<int32_t>> drawn;
    uint32_t now = 1000;

    SeededWorld() : BehaviourWorld(IvrelEdition().behaviour)
    {
        host.local.wHour = 9;
        host.drawSource = [this](int32_t picker, int32_t min, int32_t max) {
            const int32_t value = pickers.Draw(picker, min, max);
            drawn[picker].push_back(value);
            return value;
        };
        // 7 runs through at its first tick.
        host.slotsRunningThrough = {7};
        engine.StartTimer();
        engine.StampClocks();
    }

    void Tick(uint32_t after) { TickAt(now += after); }
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
    int32_t Click(int32_t y)
    {
        BackToIdle();
        ClickAt(40, y);
        Tick(10);
        return state.CurrentAction;
    }
};

std::vector<int32_t> IdlePicks(SeededWorld& world, size_t count)
{
    std::vector<int32_t> picks;
    while (picks.size() < count)
        picks.push_back(world.NextIdlePick());
    return picks;
}

TEST(IvrelPickers, TwoRunsGiveTheSameSequence)
{
    constexpr size_t kCount = sizeof kFirstIdleActions / sizeof kFirstIdleActions[0];
    SeededWorld first;
    SeededWorld second;
    EXPECT_THAT(IdlePicks(first, kCount), ElementsAreArray(kFirstIdleActions));
    EXPECT_THAT(IdlePicks(second, kCount), ElementsAreArray(kFirstIdleActions));

    std::vector<int32_t> firstClicks;
    std::vector<int32_t> secondClicks;
    for (int i = 0; i < 12; ++i) {
        firstClicks.push_back(first.Click(130));
        secondClicks.push_back(second.Click(130));
    }
    EXPECT_EQ(firstClicks, secondClicks);
}

// Idle picks and lower clicks interleaved: each picker still gives the
// sequence of its own generator seeded 5489, as if it drew alone, and the
// 1 of the idle pick and the lower clicks share the pair picker.
TEST(IvrelPickers, EachPickerDrawsItsOwnSequence)
{
    SeededWorld world;
    std::vector<int32_t> lower;
    for (int round = 0; round < 12; ++round) {
        world.NextIdlePick();
        lower.push_back(world.Click(130));
    }
    struct Picker {
        int32_t id;
        int32_t min, max;
    };
    for (const Picker& picker : {Picker{kIdlePicker, 1, 4}, Picker{kPairPicker, 0, 99}}) {
        SCOPED_TRACE(picker.id);
        const std::vector<int32_t>& values = world.drawn[picker.id];
        ASSERT_GE(values.size(), 12u);
        RandomPicker alone = RandomPicker::Create(picker.min, picker.max, 5489);
        for (int32_t value : values)
            EXPECT_EQ(value, alone.Draw());
    }
    // Every third lower click plays 7.
    for (size_t i = 0; i < lower.size(); ++i)
        EXPECT_EQ(lower[i] == 7, i % 3 == 2) << "click " << i << " played " << lower[i];
}

} // namespace
