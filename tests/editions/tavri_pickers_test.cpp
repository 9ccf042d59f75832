// Tavri's tick drawing from real pickers seeded by the edition's own seed
// function: the same sequences in every run, and one generator per picker.
#include "app/random_picker.h"
#include "editions/tavri/tavri_edition.h"
#include "tests/support/fake_behaviour_host.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <vector>

namespace {

using ::testing::ElementsAreArray;

// The first idle actions and alarms of every run: the standard mt19937
// seeded 5489 starts 3499211612, 581869302, 3890346734, ..., each output
// taken into equal buckets of the range (0..99 gives 81, 13, 90, 83, 12,
// 96, ...).
const int32_t kFirstIdleActions[] = {5, 1, 5, 5, 1, 5, 5, 2, 4, 2, 1, 3};
const int32_t kFirstAlarms[] = {34, 37, 34, 34, 37, 34};

// Tavri's tick on a fake host whose draws come from a picker set seeded by
// the edition, recording each picker's values. Walks run through at their
// first tick.
struct SeededWorld : BehaviourWorld {
    PickerSet pickers{TavriEdition().behaviour.pickerSeed};
    std::map<int32_t, std::vector<int32_t>> drawn;
    uint32_t now = 1000;

    SeededWorld() : BehaviourWorld(TavriEdition().behaviour)
    {
        host.local.wHour = 9;
        host.screenWidth = 1024;
        state.WindowX = 300; // both walks are drawn for
        host.drawSource = [this](int32_t picker, int32_t min, int32_t max) {
            const int32_t value = pickers.Draw(picker, min, max);
            drawn[picker].push_back(value);
            return value;
        };
        host.slotsRunningThrough = {kTavriWalkLeft, kTavriWalkRight};
        engine.StartUp();
    }

    void Tick(uint32_t after) { TickAt(now += after); }
    // Every action but the idle one ends within this or at a click.
    void BackToIdle()
    {
        while (state.CurrentAction != 0) {
            ClickAt(200, 150);
            Tick(30001);
        }
        state.WindowX = 300;
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
    int32_t NextAlarm()
    {
        BackToIdle();
        host.settings.alarmOn = true;
        host.settings.alarmFired = false;
        host.settings.alarmHour = host.local.wHour;
        Tick(10);
        host.settings.alarmOn = false;
        return state.CurrentAction;
    }
    void NextHour()
    {
        BackToIdle();
        host.local.wHour = static_cast<WORD>((host.local.wHour + 1) % 24);
        Tick(10);
    }
};

TEST(TavriPickers, TheIdleActionsAndTheAlarmsComeInTheSameSequenceInEveryRun)
{
    for (int run = 0; run < 2; ++run) {
        SCOPED_TRACE(run);
        SeededWorld world;
        std::vector<int32_t> idle;
        for (size_t i = 0; i < sizeof kFirstIdleActions / sizeof kFirstIdleActions[0]; ++i)
            idle.push_back(world.NextIdlePick());
        EXPECT_THAT(idle, ElementsAreArray(kFirstIdleActions));
        std::vector<int32_t> alarms;
        for (size_t i = 0; i < sizeof kFirstAlarms / sizeof kFirstAlarms[0]; ++i)
            alarms.push_back(world.NextAlarm());
        EXPECT_THAT(alarms, ElementsAreArray(kFirstAlarms));
    }
}

// Idle picks, clicks on A and B, hour chimes, alarms, interleaved: each
// picker still gives the sequence of its own generator seeded 5489, as if
// it drew alone.
TEST(TavriPickers, EachPickerDrawsItsOwnSequence)
{
    SeededWorld world;
    for (int round = 0; round < 8; ++round) {
        world.NextIdlePick();
        world.Click(200, 150); // A: PickOneOfTwo(6, 7)
        world.Click(230, 210); // B in mid-screen: PickOneOfTwo(8, 9)
        world.NextHour();      // PickOneOfTwo(0, 12)
        world.NextAlarm();     // PickOneOfFour
    }
    struct Picker {
        int32_t id;
        int32_t min, max;
    };
    const Picker pickers[] = {{kIdlePicker, 1, 5}, {kPairPicker, 0, 99}, {kPickOneOfFourPicker, 0, 99}};
    for (const Picker& picker : pickers) {
        SCOPED_TRACE(picker.id);
        const std::vector<int32_t>& values = world.drawn[picker.id];
        ASSERT_GE(values.size(), 8u);
        RandomPicker alone = RandomPicker::Create(picker.min, picker.max, 5489);
        for (int32_t value : values)
            EXPECT_EQ(value, alone.Draw());
    }
    EXPECT_EQ(world.drawn[kPairPicker].size(), 24u) << "one pair picker for clicks, walks and chimes";

    // The two pickers of 0..99 are two generators: they give the same
    // values, neither continuing the other's sequence.
    const std::vector<int32_t>& pair = world.drawn[kPairPicker];
    const std::vector<int32_t>& four = world.drawn[kPickOneOfFourPicker];
    const size_t common = std::min(pair.size(), four.size());
    EXPECT_TRUE(std::equal(pair.begin(), pair.begin() + common, four.begin()));
}

} // namespace
