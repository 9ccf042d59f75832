// Ivrel's tick on a fake host: what starts each action and what ends it.
#include "editions/ivrel/ivrel_edition.h"
#include "tests/support/action_endings.h"
#include "tests/support/fake_behaviour_host.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr uint32_t kStart = 1000;

const char kIdleDraw[] = "picker 0 from 1 to 4";

// An engine with Ivrel's parameters, started as Ivrel's start-up starts it
// (no slot restarted), at 9:00.
struct World : BehaviourWorld {
    World() : BehaviourWorld(IvrelEdition().behaviour)
    {
        host.local.wHour = 9;
        engine.StartTimer();
        engine.StampClocks();
        host.events.clear();
    }
};

TEST(IvrelRules, StartUpSetsTheTimerAndTheClocksAndRestartsNoSlot)
{
    BehaviourWorld world(IvrelEdition().behaviour);
    world.host.local.wHour = 7;
    world.engine.StartTimer();
    world.engine.StampClocks();
    EXPECT_THAT(world.host.events, ElementsAre("timer 100"));
    EXPECT_EQ(world.state.ActionClock, 1000u);
    EXPECT_EQ(world.state.MailClock, 1000u);
    EXPECT_EQ(world.state.LastLocalTime.wHour, 7);
}

// Neither 3 nor 4 walks: no timer change, the window stays.
TEST(IvrelRules, TheFirstIdlePickComesMoreThanThirtySecondsAfterStartUpFromOneToFour)
{
    ExpectIdlePicks<World>(
        {
            {{2}, 2, {kIdleDraw}},
            {{3}, 3, {kIdleDraw}},
            {{4}, 4, {kIdleDraw}},
            // A 1 is one of its two forms.
            {{1, 50}, 1, {kIdleDraw, kPairDraw}},
            {{1, 49}, 24, {kIdleDraw, kPairDraw}},
        },
        30000, kStart);
}

// Only the press's height counts: the upper band is 0 to 114, the lower one
// 116 to 164; 115 and 165 or more start nothing, wherever x lies.
TEST(IvrelRules, AClickWhileIdleIsToldApartByItsHeightAlone)
{
    constexpr int32_t kNoDraw = -1;
    struct Case {
        int32_t y;
        int32_t draw;
        int32_t action; // 0: the click starts nothing
    };
    const Case cases[] = {
        {0, kNoDraw, 5},   {60, kNoDraw, 5},  {114, kNoDraw, 5}, {115, kNoDraw, 0}, {116, 50, 6},
        {140, 49, 22},     {164, 50, 6},      {164, 0, 22},      {165, kNoDraw, 0}, {300, kNoDraw, 0},
        {65535, kNoDraw, 0},
    };
    for (const Case& c : cases) {
        for (int32_t x : {0, 90, 65535}) {
            SCOPED_TRACE(testing::Message() << x << "," << c.y << " draw " << c.draw);
            World world;
            if (c.draw != kNoDraw)
                world.host.draws = {c.draw};
            world.ClickAndTick(x, c.y, kStart + 10);
            EXPECT_EQ(world.state.CurrentAction, c.action);
            EXPECT_FALSE(world.state.Clicked) << "every tick consumes the click";
            const bool lower = c.draw != kNoDraw;
            EXPECT_EQ(world.state.ClickCount, lower ? 1 : 0) << "only lower clicks count";
            if (lower) {
                EXPECT_THAT(world.host.drawRequests, ElementsAre(kPairDraw));
            } else {
                EXPECT_THAT(world.host.drawRequests, IsEmpty());
            }
            if (c.action == 0) {
                EXPECT_THAT(world.host.Changes(), IsEmpty());
            } else {
                EXPECT_THAT(world.host.Changes(), ElementsAre(Armed(0), Armed(c.action)));
                EXPECT_EQ(world.state.ActionClock, kStart + 10);
            }
        }
    }
}

TEST(IvrelRules, TheThirdLowerClickFromIdlePlaysSevenAndTheCountStartsOver)
{
    // An upper click (5) is not counted.
    ExpectEveryThirdClick<World>(POINT{40, 130}, ActionPair{6, 22}, 5000, {{{40, 50}, 0, 5, 5000}}, 7, kStart);
}

TEST(IvrelRules, AClickBeatsAnIdlePickOfTheSameTick)
{
    World world;
    world.host.draws = {1, 50, 49};
    world.ClickAndTick(10, 150, kStart + 30001);
    EXPECT_EQ(world.state.CurrentAction, 22);
    EXPECT_THAT(world.host.drawRequests, ElementsAre(kIdleDraw, kPairDraw, kPairDraw));
    EXPECT_THAT(world.host.Changes(), ElementsAre(Armed(0), Armed(22)));
}

// Every row of the action table but idle and the run-through end of 7.
TEST(IvrelRules, EachActionEndsByItsTimeOutOrClick)
{
    constexpr uint32_t kNone = ActionEnding::kNoTimeOut;
    ExpectActionEndings<World>(
        {
            {{1, 2, 3, 4, 24}, 30000, true},                                 // idle animations
            {{9}, 30000, true},                                              // new mail
            {{5, 6, 22}, 5000, false},                                       // click reactions
            {{10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21}, 30000, true}, // hour chime
            {{8, 23}, kNone, true},                                          // alarm
            {{7}, kNone, true},                                              // the third click's
        },
        POINT{40, 130}, kStart + 100);
}

TEST(IvrelRules, SevenEndsAtItsFirstRunThroughAndAOneFrameSevenWaitsForAClick)
{
    World world;
    world.Start(7, kStart + 10);
    for (uint32_t tick = 1; tick <= 400; ++tick)
        world.TickAt(kStart + 10 + tick * 100);
    EXPECT_EQ(world.state.CurrentAction, 7) << "a slot that never runs through (one frame, or none)";

    world.host.events.clear();
    world.host.slotsRunningThrough = {7};
    world.TickAt(kStart + 50000);
    EXPECT_EQ(world.state.CurrentAction, 0);
    EXPECT_EQ(world.state.ActionClock, kStart + 50000);
    EXPECT_THAT(world.host.events, ElementsAre("update 7", "advance 7", "restart 7 quiet", Armed(0)));
}

// A stamp of 0 is a time like any other: 30001 ms after it the idle pick
// comes, as do the ends of the reactions and the mail poll.
TEST(IvrelRules, NoStampIsSpecialWhenItIsZero)
{
    World idle;
    idle.state.ActionClock = 0;
    idle.state.MailClock = 0;
    idle.host.draws = {3};
    idle.host.settings.mailCheckOn = true;
    idle.TickAt(30001);
    EXPECT_EQ(idle.state.CurrentAction, 3);
    EXPECT_EQ(idle.host.mailChecks, 0);
    idle.TickAt(60001);
    EXPECT_EQ(idle.host.mailChecks, 1);

    World reaction;
    reaction.Start(5, 0);
    reaction.TickAt(5001);
    EXPECT_EQ(reaction.state.CurrentAction, 0);

    World chime;
    chime.Start(15, 0);
    chime.TickAt(30001);
    EXPECT_EQ(chime.state.CurrentAction, 0);
}

TEST(IvrelRules, TheHourChimeIsTenPlusTheHourAndStartsOverAnyActionButEight)
{
    struct Case {
        uint16_t hour;
        int32_t chime;
    };
    const Case cases[] = {{0, 10}, {11, 21}, {12, 10}, {23, 21}, {10, 20}};
    for (const Case& c : cases) {
        for (int32_t playing : {0, 1, 3, 5, 7, 9, 15, 23, 24}) {
            SCOPED_TRACE(testing::Message() << "hour " << c.hour << " over " << playing);
            World world;
            world.NoIdlePicks();
            world.Start(playing, kStart + 10);
            world.host.local.wHour = c.hour;
            world.TickAt(kStart + 20);
            EXPECT_EQ(world.state.CurrentAction, c.chime);
            EXPECT_EQ(world.state.LastLocalTime.wHour, c.hour);
            EXPECT_THAT(world.host.Changes(), ElementsAre(Armed(c.chime)));
        }
    }
}

// 8 holds back the hour chime and the mail poll; the alarm's other form,
// 23, holds back neither, and either may replace it.
TEST(IvrelRules, OnlyEightHoldsBackTheChimeAndTheMailPoll)
{
    World eight;
    eight.host.settings.mailCheckOn = true;
    eight.host.mailboxes = {{2, 500}};
    eight.Start(8, kStart + 10);
    eight.host.local.wHour = 10;
    eight.TickAt(kStart + 200000);
    EXPECT_EQ(eight.state.CurrentAction, 8);
    EXPECT_EQ(eight.host.mailChecks, 0);
    EXPECT_EQ(eight.state.MailClock, kStart) << "the mail clock waits";
    EXPECT_EQ(eight.state.LastLocalTime.wHour, 9) << "the hour is not taken";
    // The tick that ends the alarm chimes, then announces the mail.
    eight.ClickAndTick(40, 300, kStart + 200100);
    EXPECT_EQ(eight.host.mailChecks, 1);
    EXPECT_EQ(eight.state.CurrentAction, 9);
    EXPECT_THAT(eight.host.Changes(), ElementsAre(Armed(0), Armed(20), Armed(9)));

    World chimed;
    chimed.Start(23, kStart + 10);
    chimed.host.local.wHour = 10;
    chimed.TickAt(kStart + 20);
    EXPECT_EQ(chimed.state.CurrentAction, 20) << "the chime replaces 23";

    World mailed;
    mailed.host.settings.mailCheckOn = true;
    mailed.host.mailboxes = {{2, 500}};
    mailed.Start(23, kStart + 10);
    mailed.TickAt(kStart + 60001);
    EXPECT_EQ(mailed.host.mailChecks, 1);
    EXPECT_EQ(mailed.state.CurrentAction, 9) << "new mail replaces 23";
}

TEST(IvrelRules, TheAlarmPicksEightOrTwentyThreeWhateverPlays)
{
    for (const auto& [draw, alarm] : {std::pair{50, 8}, std::pair{49, 23}}) {
        for (int32_t playing : {0, 5, 8, 15}) {
            SCOPED_TRACE(testing::Message() << "draw " << draw << " over " << playing);
            World world;
            world.NoIdlePicks();
            world.host.settings.alarmOn = true;
            world.host.settings.alarmHour = 9;
            world.host.settings.alarmMinute = 30;
            world.host.local.wMinute = 30;
            world.Start(playing, kStart + 10);
            world.host.draws = {draw};
            world.TickAt(kStart + 20);
            EXPECT_EQ(world.state.CurrentAction, alarm);
            EXPECT_TRUE(world.host.settings.alarmFired);
            EXPECT_THAT(world.host.drawRequests, ElementsAre(kPairDraw));
            world.TickAt(kStart + 30);
            EXPECT_EQ(world.state.CurrentAction, alarm) << "once per alarm time";
        }
    }
}

TEST(IvrelRules, NewMailPlaysNineOncePerChangedMailbox)
{
    World world;
    world.NoIdlePicks();
    world.host.settings.mailCheckOn = true;
    world.host.settings.reportConnectionErrors = true;
    world.host.mailboxes = {{3, 900}, {3, 900}, {0, 0}, {3, 900}, {-2, 0}, {4, 950}};
    uint32_t now = kStart;
    std::vector<int32_t> actions;
    for (int poll = 0; poll < 6; ++poll) {
        world.TickAt(now += 60001);
        actions.push_back(world.state.CurrentAction);
        world.ClickAndTick(40, 300, now += 10); // ends 9, starts nothing
    }
    EXPECT_THAT(actions, ElementsAre(9, 0, 0, 0, 0, 9));
    EXPECT_EQ(world.host.mailChecks, 6);
    EXPECT_THAT(world.host.events, testing::Contains("mail error 2"));
}

// Whatever plays, the behaviour never sets the timer: 100 ms from start-up
// on.
TEST(IvrelRules, TheTimerStaysAtItsStartUpPeriod)
{
    World world;
    world.host.settings.mailCheckOn = true;
    world.host.mailboxes = {{1, 10}};
    world.host.settings.alarmOn = true;
    world.host.settings.alarmHour = 10;
    world.host.drawSource = [](int32_t, int32_t min, int32_t max) { return (min + max) / 2; };
    uint32_t now = kStart;
    for (int tick = 0; tick < 3000; ++tick) {
        if (tick % 37 == 0)
            world.ClickAt(5, tick % 2 == 0 ? 60 : 130);
        if (tick == 2000)
            world.host.local.wHour = 10;
        world.TickAt(now += 100);
    }
    for (const std::string& change : world.host.Changes())
        EXPECT_EQ(change.rfind("timer", 0), std::string::npos) << change;
}

} // namespace
