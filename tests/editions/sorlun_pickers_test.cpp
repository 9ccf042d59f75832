// Sorlun's tick drawing from real pickers in the edition's own form: each
// picker a plain record seeded 5489, so that every run plays the same
// sequence.
#include "app/program.h"
#include "app/random_picker.h"
#include "app/shell.h"
#include "editions/sorlun/sorlun_edition.h"
#include "tests/editions/seeded_world.h"
#include "tests/support/engine_state.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <vector>

namespace {

using ::testing::ElementsAreArray;

const BehaviourParameters& Behaviour()
{
    return SorlunEdition().behaviour;
}

// The first idle actions of every run: the standard mt19937 seeded 5489
// starts 3499211612, 581869302, 3890346734, ..., each output taken into five
// equal buckets of 1..5; none of these is a 3 or a 4.
const int32_t kFirstIdleActions[] = {5, 1, 5, 5, 1, 5, 5, 2};

// 1 and 12 run through at their first tick.
struct SorlunWorld : SeededWorld {
    SorlunWorld() : SeededWorld(Behaviour(), {1, 12}) {}
};

TEST(SorlunPickers, EachPickerIsAPlainRecordWhoseEngineIsSeeded5489)
{
    EXPECT_EQ(Behaviour().pickerForm, PickerForm::PlainRecord);
    ASSERT_NE(Behaviour().pickerSeed, nullptr);
    // The idle picker and the pair picker, built as the program builds them.
    for (const auto& [min, max] : {std::pair{1, 5}, std::pair{0, 99}}) {
        SCOPED_TRACE(testing::Message() << min << ".." << max);
        PlainPicker picker;
        ASSERT_TRUE(picker.Build(min, max, Behaviour().pickerSeed()));
        EXPECT_EQ(FirstEngineWord(picker.engine), 5489u);
        EXPECT_EQ(FirstEngineWord(picker.pair.engine), 5489u);
        picker.Draw();
        EXPECT_EQ(FirstEngineWord(picker.engine), 5489u) << "a draw moves only the pair's copy";
    }
}

TEST(SorlunPickers, TwoRunsPlayTheSameIdleActions)
{
    constexpr size_t kCount = 60;
    SorlunWorld first;
    SorlunWorld second;
    const std::vector<int32_t> picks = first.IdlePicks(kCount);
    EXPECT_EQ(second.IdlePicks(kCount), picks);
    EXPECT_EQ(second.played, first.played);
    constexpr size_t kKnown = sizeof kFirstIdleActions / sizeof kFirstIdleActions[0];
    EXPECT_THAT(std::vector<int32_t>(picks.begin(), picks.begin() + kKnown), ElementsAreArray(kFirstIdleActions));

    // The program's own pickers start over with the edition: the same
    // draws after each adoption.
    std::vector<int32_t> runs[2];
    for (std::vector<int32_t>& run : runs) {
        AdoptEdition(SorlunEdition());
        for (int i = 0; i < 20; ++i) {
            run.push_back(Host.Draw(kIdlePicker, 1, 5));
            run.push_back(Host.Draw(kPairPicker, 0, 99));
        }
    }
    EXPECT_EQ(runs[0], runs[1]);
}

TEST(SorlunPickers, TheIdlePickNeverGivesThreeWhichFollowsOnlyTwo)
{
    SorlunWorld world;
    const std::vector<int32_t> picks = world.IdlePicks(300);
    EXPECT_EQ(std::count(picks.begin(), picks.end(), 3), 0);
    const std::vector<int32_t>& idleDraws = world.drawn[kIdlePicker];
    EXPECT_GT(std::count(idleDraws.begin(), idleDraws.end(), 3), 0) << "threes were drawn and drawn again";
    EXPECT_GT(std::count(picks.begin(), picks.end(), 29), 0) << "a four may play 29";
    EXPECT_GT(std::count(picks.begin(), picks.end(), 4), 0);

    int follows = 0;
    for (size_t i = 1; i < world.played.size(); ++i) {
        if (world.played[i] == 3) {
            EXPECT_EQ(world.played[i - 1], 2) << "at " << i;
            ++follows;
        }
    }
    EXPECT_GT(follows, 0);
}

// Idle picks and clicks on all four areas, interleaved: each picker still
// gives the sequence of its own record, as if it drew alone.
TEST(SorlunPickers, EachPickerDrawsItsOwnSequence)
{
    SorlunWorld world;
    for (int round = 0; round < 8; ++round) {
        world.NextIdlePick();
        for (const POINT area : {POINT{320, 150}, POINT{320, 220}, POINT{200, 150}, POINT{200, 220}})
            world.Click(area.x, area.y);
    }
    struct Picker {
        int32_t id;
        int32_t min, max;
    };
    for (const Picker& picker : {Picker{kIdlePicker, 1, 5}, Picker{kPairPicker, 0, 99}}) {
        SCOPED_TRACE(picker.id);
        const std::vector<int32_t>& values = world.drawn[picker.id];
        ASSERT_GE(values.size(), 8u);
        PlainPicker alone;
        ASSERT_TRUE(alone.Build(picker.min, picker.max, 5489));
        for (int32_t value : values)
            EXPECT_EQ(value, alone.Draw());
    }
    EXPECT_EQ(world.drawn.size(), 2u) << "Sorlun draws from these two pickers only";
}

} // namespace
