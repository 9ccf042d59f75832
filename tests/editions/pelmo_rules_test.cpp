// Pelmo's tick on a fake host: what starts each action and what ends it.
#include "editions/pelmo/pelmo_edition.h"
#include "tests/support/action_endings.h"
#include "tests/support/fake_behaviour_host.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr uint32_t kStart = 1000;
constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
constexpr int32_t kMin = std::numeric_limits<int32_t>::min();

const char kThreeDraw[] = "picker 2 from 0 to 99";
const char kJumpDraw[] = "picker 3 from -100 to 100";

// A started engine with Pelmo's parameters: the window at (100, 50), at
// 9:00.
struct World : BehaviourWorld {
    World() : BehaviourWorld(PelmoEdition().behaviour)
    {
        state.WindowX = 100;
        state.WindowY = 50;
        host.local.wHour = 9;
        engine.StartUp();
        host.events.clear();
    }
};

TEST(PelmoRules, IdlePickComesAfterMoreThanThirtySecondsFromOneToFive)
{
    std::vector<IdlePick> picks;
    for (int32_t draw : {1, 2, 3, 5})
        picks.push_back({{draw}, draw, {"picker 0 from 1 to 5"}});
    ExpectIdlePicks<World>(picks, 30000, kStart);
}

TEST(PelmoRules, AnIdleDrawOfFourIsDrawnAgain)
{
    World world;
    world.host.draws = {4, 4, 5};
    world.TickAt(kStart + 30001);
    EXPECT_EQ(world.state.CurrentAction, 5);
    EXPECT_EQ(world.host.drawRequests.size(), 3u);
    EXPECT_THAT(world.host.Changes(), ElementsAre(Armed(0), Armed(5)));
}

TEST(PelmoRules, ClickAreasAndTheirBorders)
{
    constexpr int32_t kNoDraw = -1;
    struct Case {
        int32_t x, y;
        int32_t draw;
        int32_t action; // 0: the click starts nothing
        const char* picker;
    };
    const Case cases[] = {
        {160, 128, 67, 6, kThreeDraw}, // A's top-left corner; more than 66 gives 6
        {271, 217, 66, 7, kThreeDraw}, // A's last pixel; 66 gives 7
        {200, 150, 34, 7, kThreeDraw},
        {200, 150, 33, 8, kThreeDraw}, // less than 34 gives 8
        {200, 150, 99, 6, kThreeDraw},
        {200, 150, 0, 8, kThreeDraw},
        {272, 150, kNoDraw, 0, nullptr}, // A's right edge excluded
        {159, 150, kNoDraw, 0, nullptr},
        {200, 127, kNoDraw, 0, nullptr},
        {200, 218, kNoDraw, 0, nullptr}, // the row between A and B
        {160, 219, 50, 9, kPairDraw},    // B's top-left corner; 50 gives the first
        {269, 264, 49, 10, kPairDraw},   // B's last pixel
        {270, 240, kNoDraw, 0, nullptr}, // B is narrower than A
        {200, 265, kNoDraw, 0, nullptr},
        {150, 150, kNoDraw, 0, nullptr}, // left of both
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x << "," << c.y << " draw " << c.draw);
        World world;
        if (c.draw != kNoDraw)
            world.host.draws = {c.draw};
        world.ClickAndTick(c.x, c.y, kStart + 10);
        EXPECT_EQ(world.state.CurrentAction, c.action);
        EXPECT_FALSE(world.state.Clicked) << "every tick consumes the click";
        EXPECT_EQ(world.state.ClickCount, c.action >= 9 ? 1 : 0) << "only clicks on B count";
        if (c.action == 0) {
            EXPECT_THAT(world.host.drawRequests, IsEmpty());
            EXPECT_THAT(world.host.Changes(), IsEmpty());
        } else {
            EXPECT_THAT(world.host.drawRequests, ElementsAre(c.picker));
            EXPECT_THAT(world.host.Changes(), ElementsAre(Armed(0), Armed(c.action)));
        }
    }
}

TEST(PelmoRules, EveryThirdClickOnBWhileIdleJumps)
{
    // A click on A (8 with the draw 0) is not counted.
    ExpectEveryThirdClick<World>(POINT{200, 240}, ActionPair{9, 10}, 5000, {{{200, 150}, 0, 8, 7000}}, 11, kStart);
}

TEST(PelmoRules, AClickBeatsAnIdlePickOfTheSameTick)
{
    World world;
    world.host.draws = {2, 67};
    world.ClickAndTick(200, 150, kStart + 30001);
    EXPECT_EQ(world.state.CurrentAction, 6);
    EXPECT_THAT(world.host.drawRequests, ElementsAre("picker 0 from 1 to 5", kThreeDraw));
    EXPECT_THAT(world.host.Changes(), ElementsAre(Armed(0), Armed(6)));
}

// Every row of the action table but idle, 3, and the run-through ends of 4
// and 11: how long each action lasts and whether a click ends it.
TEST(PelmoRules, EachActionEndsByItsTimeOutOrClick)
{
    constexpr uint32_t kNone = ActionEnding::kNoTimeOut;
    ExpectActionEndings<World>(
        {
            {{1, 2, 5}, 30000, true},                                        // idle animations
            {{27, 28}, 30000, true},                                         // new mail
            {{6}, 8000, false},                                              // clicks on A
            {{7}, 5000, false},                                              //
            {{8}, 7000, false},                                              //
            {{9, 10}, 5000, false},                                          // clicks on B
            {{12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23}, 30000, true}, // hour chime
            {{24, 25}, kNone, true},                                         // alarm
            {{4, 11}, kNone, true},                                          // follow-up, jump
            {{26}, kNone, false},                                            // never started
        },
        POINT{200, 240}, kStart + 100);
}

TEST(PelmoRules, ThreeEndsIntoIdleOrItsFollowUp)
{
    ExpectEndsIntoAPick<World>(3, 30000, {0, 4}, POINT{200, 150}, kStart + 100);
}

TEST(PelmoRules, FollowUpAndJumpEndWhenTheirAnimationRanThrough)
{
    for (int32_t action : {4, 11}) {
        SCOPED_TRACE(action);
        World world;
        world.Start(action, kStart + 10);
        world.host.slotsRunningThrough = {action};
        world.TickAt(kStart + 20);
        EXPECT_EQ(world.state.CurrentAction, 0);
        const std::string slot = std::to_string(action);
        EXPECT_THAT(world.host.events,
                    ElementsAre("update " + slot, "advance " + slot, "restart " + slot + " quiet", "show", Armed(0)));
    }
}

TEST(PelmoRules, TheJumpMovesTheWindowOnEveryTickThatShowsFrameOne)
{
    World world;
    world.Start(11, kStart + 10);
    world.host.playback[11] = SlotPlayback{1, 0};
    world.host.draws = {30, -70, -100, 100};
    world.TickAt(kStart + 20);
    EXPECT_EQ(world.state.WindowX, 130) << "dx is drawn first";
    EXPECT_EQ(world.state.WindowY, -20);
    EXPECT_THAT(world.host.drawRequests, ElementsAre(kJumpDraw, kJumpDraw));
    EXPECT_EQ(world.state.CurrentAction, 11);

    world.TickAt(kStart + 30);
    EXPECT_EQ(world.state.WindowX, 30) << "from the present position, again";
    EXPECT_EQ(world.state.WindowY, 80);

    world.host.drawRequests.clear();
    for (int32_t frame : {0, 2}) {
        world.host.playback[11] = SlotPlayback{frame, 0};
        world.TickAt(kStart + 40 + static_cast<uint32_t>(frame));
        EXPECT_THAT(world.host.drawRequests, IsEmpty()) << "frame " << frame;
        EXPECT_EQ(world.state.WindowX, 30);
        EXPECT_EQ(world.state.WindowY, 80);
    }

    // The tick that ends the jump on frame 1 still moves the window.
    world.host.playback[11] = SlotPlayback{1, 0};
    world.host.draws = {5, 6};
    world.ClickAndTick(200, 150, kStart + 50);
    EXPECT_EQ(world.state.CurrentAction, 0);
    EXPECT_EQ(world.state.WindowX, 35);
    EXPECT_EQ(world.state.WindowY, 86);
}

// A stored position may lie anywhere: the jump is computed from it as it is
// and held at the int32 range, never at the desktop.
TEST(PelmoRules, TheJumpIsHeldAtTheInt32Limits)
{
    struct Case {
        POINT window;
        int32_t dx, dy;
        POINT moved;
    };
    const Case cases[] = {
        {{kMax, kMin}, 100, -100, {kMax, kMin}},
        {{kMax - 30, kMin + 30}, 100, -100, {kMax, kMin}},
        {{kMin, kMax}, -1, 1, {kMin, kMax}},
        {{kMax, kMin}, -100, 100, {kMax - 100, kMin + 100}},
        {{kMax - 100, kMin + 100}, 100, -100, {kMax, kMin}}, // exactly to the limit
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.window.x << "," << c.window.y << " by " << c.dx << "," << c.dy);
        World world;
        world.state.WindowX = c.window.x;
        world.state.WindowY = c.window.y;
        world.Start(11, kStart + 10);
        world.host.playback[11] = SlotPlayback{1, 0};
        world.host.draws = {c.dx, c.dy};
        world.TickAt(kStart + 20);
        EXPECT_EQ(world.state.WindowX, c.moved.x);
        EXPECT_EQ(world.state.WindowY, c.moved.y);
    }
}

TEST(PelmoRules, RepeatedJumpsCarryTheWindowOffTheScreen)
{
    struct Case {
        POINT from;
        int32_t step;
        POINT to;
    };
    const Case cases[] = {{{0, 0}, -100, {-2000, -2000}}, {{900, 700}, 100, {2900, 2700}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.step);
        World world;
        world.host.screenWidth = 1024;
        world.state.WindowX = c.from.x;
        world.state.WindowY = c.from.y;
        world.Start(11, kStart + 10);
        world.host.playback[11] = SlotPlayback{1, 0};
        world.host.draws.assign(40, c.step);
        for (uint32_t tick = 1; tick <= 20; ++tick)
            world.TickAt(kStart + 10 + tick * 100);
        EXPECT_EQ(world.state.WindowX, c.to.x);
        EXPECT_EQ(world.state.WindowY, c.to.y);
        EXPECT_EQ(world.state.CurrentAction, 11);
    }
}

TEST(PelmoRules, HourChimeIsTwelvePlusTheHourAndStartsOverAnyUnblockedAction)
{
    ExpectHourChimes<World>(12, {0, 1, 3, 4, 6, 11, 27}, kStart + 10);
}

// 24 and 25 are the alarm; 26 is never started but counts with them.
TEST(PelmoRules, AlarmActionsHoldBackTheChimeAndTheMailCheck)
{
    for (int32_t action : {24, 25, 26}) {
        SCOPED_TRACE(action);
        World world;
        world.host.settings.mailCheckOn = true;
        world.host.mailboxes = {{2, 500}};
        world.Start(action, kStart + 10);
        world.host.local.wHour = 10;
        world.TickAt(kStart + 200000);
        EXPECT_EQ(world.state.CurrentAction, action);
        EXPECT_EQ(world.host.mailChecks, 0);
        EXPECT_EQ(world.state.MailClock, kStart) << "the mail clock waits";
        EXPECT_EQ(world.state.LastLocalTime.wHour, 9) << "the hour is not taken";

        world.host.draws = {50};
        world.ClickAndTick(200, 150, kStart + 200100);
        if (action == 26) {
            EXPECT_EQ(world.state.CurrentAction, 26) << "nothing ends it";
            EXPECT_EQ(world.host.mailChecks, 0);
            continue;
        }
        // The tick that ends the alarm chimes, then announces the mail.
        EXPECT_EQ(world.host.mailChecks, 1);
        EXPECT_EQ(world.state.CurrentAction, 27);
        EXPECT_THAT(world.host.Changes(), ElementsAre(Armed(0), Armed(22), Armed(27)));
    }
}

TEST(PelmoRules, AlarmAndMailPickOneOfTheirTwoActions)
{
    struct Case {
        int32_t draw;
        int32_t alarm;
    };
    for (const Case c : {Case{50, 24}, Case{49, 25}}) {
        SCOPED_TRACE(c.draw);
        World alarm;
        alarm.host.settings.alarmOn = true;
        alarm.host.settings.alarmHour = 9;
        alarm.host.settings.alarmMinute = 0;
        alarm.host.draws = {c.draw};
        alarm.Start(6, kStart + 10); // the alarm does not look at what plays
        alarm.TickAt(kStart + 20);
        EXPECT_EQ(alarm.state.CurrentAction, c.alarm);
        EXPECT_TRUE(alarm.host.settings.alarmFired);
        EXPECT_THAT(alarm.host.drawRequests, ElementsAre(kPairDraw));
    }
    ExpectNewMailPicksOneOfTwo<World>(ActionPair{27, 28}, 60000, kStart);
}

} // namespace
