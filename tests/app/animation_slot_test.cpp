#include "app/animation_slot.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace {

using ::testing::ElementsAre;

class FakeClock : public MillisecondClock {
public:
    uint32_t now = 1000;
    uint32_t Milliseconds() override { return now; }
};

ScriptFrame Frame(const std::string& image, const std::string& mask, uint32_t durationMs = 100,
                  const std::string& sound = "")
{
    ScriptFrame frame;
    frame.imageName = image;
    frame.maskName = mask;
    frame.soundName = sound;
    frame.durationMs = durationMs;
    return frame;
}

AnimationSlot SlotOf(std::vector<ScriptFrame> frames, uint8_t voiceFlag = 0)
{
    AnimationScript script;
    script.version = 3;
    script.width = 508;
    script.height = 448;
    script.frames = std::move(frames);
    script.voiceFlag = voiceFlag;
    AnimationSlot slot;
    slot.Load(script);
    return slot;
}

TEST(AnimationSlot, LoadNamesTheEntriesAndLoopsOverEveryFrame)
{
    ScriptFrame placed = Frame("q_wave", "q_shadow", 120, "q_hello");
    placed.maskX = -2;
    placed.maskY = 3;
    placed.imageX = 4;
    placed.imageY = 5;
    const AnimationSlot slot = SlotOf({placed, Frame("q_blink", ""), Frame("", "")}, 1);

    ASSERT_EQ(slot.frames.size(), 3u);
    const FrameInfo& first = slot.frames[0];
    EXPECT_EQ(first.imageName, "q_wave.bmz");
    EXPECT_EQ(first.maskName, "q_shadow.bmz");
    EXPECT_EQ(first.soundName, "q_hello.wav");
    EXPECT_EQ(first.durationMs, 120u);
    EXPECT_EQ(first.maskX, -2);
    EXPECT_EQ(first.maskY, 3);
    EXPECT_EQ(first.imageX, 4);
    EXPECT_EQ(first.imageY, 5);
    EXPECT_EQ(first.canvasWidth, 508);
    EXPECT_EQ(first.canvasHeight, 448);
    EXPECT_EQ(slot.frames[1].maskName, "") << "no mask: no extension either";
    EXPECT_EQ(slot.frames[1].soundName, "");
    EXPECT_EQ(slot.frames[2].imageName, "");
    for (const FrameInfo& frame : slot.frames) {
        EXPECT_TRUE(frame.loaded);
        EXPECT_TRUE(frame.soundPending);
    }
    EXPECT_EQ(slot.first, 0);
    EXPECT_EQ(slot.last, 2);
    EXPECT_EQ(slot.step, 1);
    EXPECT_EQ(slot.voiceFlag, 1);
    EXPECT_EQ(slot.version, 3);
}

TEST(AnimationSlot, FramesRepeatingAPicturePairBorrowTheFirstOne)
{
    const AnimationSlot slot = SlotOf({Frame("a", "m"), Frame("a", "m"), Frame("a", "n"), Frame("b", ""),
                                       Frame("a", "m"), Frame("b", ""), Frame("A", "m")});
    std::vector<int32_t> aliases;
    for (const FrameInfo& frame : slot.frames)
        aliases.push_back(frame.aliasIndex);
    EXPECT_THAT(aliases, ElementsAre(-1, 0, -1, -1, 0, 3, -1));

    EXPECT_EQ(slot.FindSameFrame("a.bmz", "m.bmz"), 0);
    EXPECT_EQ(slot.FindSameFrame("a.bm", "m.bmz"), -1) << "the whole name, not a prefix";
    EXPECT_EQ(slot.FindSameFrame("a.bmz", ""), -1);
}

TEST(AnimationSlot, FindSameFrameSkipsFramesNotYetLoaded)
{
    AnimationSlot slot = SlotOf({Frame("a", ""), Frame("b", "")});
    slot.frames[0].loaded = false;
    EXPECT_EQ(slot.FindSameFrame("a.bmz", ""), -1);
    EXPECT_EQ(slot.FindSameFrame("b.bmz", ""), 1);
}

TEST(AnimationSlot, UnreadableScriptLeavesTheSlotEmpty)
{
    const uint8_t truncated[] = {3, 0, 0, 0, 5, 0, 0, 0};
    AnimationSlot slot;
    EXPECT_FALSE(slot.LoadScript(truncated, sizeof truncated));
    EXPECT_TRUE(slot.frames.empty());

    FakeClock clock;
    EXPECT_FALSE(slot.Advance(clock));
    slot.Restart(clock, true);
    EXPECT_EQ(slot.clock, clock.now);
    EXPECT_EQ(slot.BeginUpdate(0).pictureFrame, -1);
    EXPECT_EQ(slot.BeginUpdate(0).soundFrame, -1);
}

TEST(AnimationSlot, AdvanceMovesOnStrictlyAfterEachDurationAndReportsTheWrap)
{
    // Durations 100, 0 and 50 ms.
    AnimationSlot slot = SlotOf({Frame("a", "", 100), Frame("b", "", 0), Frame("c", "", 50)});
    FakeClock clock;
    slot.Restart(clock, false);
    struct Step {
        uint32_t now;
        bool wrapped;
        int32_t current;
        bool timeUp;
    };
    const Step steps[] = {
        {1100, false, 0, false}, // exactly the duration: stays
        {1101, false, 1, true},
        {1101, false, 1, false}, // a 0 ms frame stays until 1 ms has passed
        {1102, false, 2, true},
        {1152, false, 2, false},
        {1153, true, 0, true},   // from 2 back to 0
        {1254, false, 1, true},
    };
    for (const Step& step : steps) {
        clock.now = step.now;
        EXPECT_EQ(slot.Advance(clock), step.wrapped) << step.now;
        EXPECT_EQ(slot.current, step.current) << step.now;
        EXPECT_EQ(slot.frameTimeUp, step.timeUp) << step.now;
    }
    EXPECT_EQ(slot.clock, 1254u);
    EXPECT_EQ(slot.elapsed, 101u);
}

// Only the frame's time being up tells that such an animation has played
// once.
TEST(AnimationSlot, OneFrameAnimationNeverReportsAWrapButTellsItsTimeWasUp)
{
    AnimationSlot slot = SlotOf({Frame("a", "", 10)});
    FakeClock clock;
    slot.Restart(clock, false);
    for (int i = 0; i < 3; ++i) {
        clock.now += 10;
        EXPECT_FALSE(slot.Advance(clock));
        EXPECT_FALSE(slot.frameTimeUp) << "exactly its duration";
        clock.now += 1;
        EXPECT_FALSE(slot.Advance(clock));
        EXPECT_TRUE(slot.frameTimeUp);
        EXPECT_EQ(slot.current, 0);
        EXPECT_EQ(slot.clock, clock.now) << "but the frame starts over";
    }

    AnimationSlot empty;
    empty.frameTimeUp = true;
    EXPECT_FALSE(empty.Advance(clock));
    EXPECT_FALSE(empty.frameTimeUp) << "no frame, no time to be up";
}

TEST(AnimationSlot, ElapsedTimeSurvivesTheClockWrapping)
{
    AnimationSlot slot = SlotOf({Frame("a", "", 0x30), Frame("b", "")});
    FakeClock clock;
    clock.now = 0xFFFFFFF0u;
    slot.Restart(clock, false);
    clock.now = 0x20;
    EXPECT_FALSE(slot.Advance(clock));
    EXPECT_EQ(slot.elapsed, 0x30u);
    clock.now = 0x21;
    EXPECT_FALSE(slot.Advance(clock));
    EXPECT_EQ(slot.current, 1);
}

TEST(AnimationSlot, RestartBeginsAtTheFirstFrameHeldInsideTheLoop)
{
    struct Case {
        int32_t first, last, current;
    };
    const Case cases[] = {{0, 2, 0}, {-3, 2, 0}, {2, 4, 2}, {5, 2, 2}};
    for (const Case& c : cases) {
        AnimationSlot slot = SlotOf({Frame("a", ""), Frame("b", ""), Frame("c", ""), Frame("d", ""), Frame("e", "")});
        slot.first = c.first;
        slot.last = c.last;
        slot.current = 1;
        FakeClock clock;
        clock.now = 5000;
        slot.Restart(clock, false);
        EXPECT_EQ(slot.current, c.current) << c.first << ".." << c.last;
        EXPECT_EQ(slot.clock, 5000u);
    }
}

TEST(AnimationSlot, VoiceModeAndFlagDecideWhetherAFrameSpeaks)
{
    struct Case {
        int32_t voiceMode;
        uint8_t voiceFlag;
        bool speaks;
    };
    const Case cases[] = {
        {0, 0, true}, {0, 1, true},  {1, 0, true},  {1, 1, false},
        {2, 0, false}, {2, 1, false}, {7, 0, true}, {7, 1, false}, // a stored mode out of range acts as 1
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.voiceMode << " " << int{c.voiceFlag});
        AnimationSlot slot = SlotOf({Frame("a", "", 100, "hi")}, c.voiceFlag);
        const SlotUpdate update = slot.BeginUpdate(c.voiceMode);
        EXPECT_EQ(update.soundFrame, c.speaks ? 0 : -1);
        EXPECT_EQ(update.pictureFrame, 0);
        EXPECT_EQ(slot.frames[0].soundPending, !c.speaks) << "a silenced voice stays pending";
    }
}

TEST(AnimationSlot, VoicePlaysOncePerArmedRestartAndAliasesShowTheirOriginal)
{
    AnimationSlot slot = SlotOf({Frame("a", "m", 100, "one"), Frame("a", "m", 100, "two")});
    FakeClock clock;
    slot.Restart(clock, true);
    slot.current = 1;
    SlotUpdate update = slot.BeginUpdate(0);
    EXPECT_EQ(update.soundFrame, 1) << "its own sound";
    EXPECT_EQ(update.pictureFrame, 0) << "the first frame's picture";
    EXPECT_EQ(slot.BeginUpdate(0).soundFrame, -1);

    slot.Restart(clock, false);
    slot.current = 1;
    EXPECT_EQ(slot.BeginUpdate(0).soundFrame, -1) << "a restart without re-arming stays silent";
    slot.Restart(clock, true);
    slot.current = 1;
    EXPECT_EQ(slot.BeginUpdate(0).soundFrame, 1);
}

} // namespace
