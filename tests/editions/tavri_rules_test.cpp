// Tavri's tick on a fake host: what starts each action and what ends it,
// above all the walk a click on the lower body starts.
#include "editions/tavri/tavri_edition.h"
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

const char kFourDraw[] = "picker 2 from 0 to 99";

// Points of the two click areas.
constexpr POINT kOnA{200, 150};
constexpr POINT kOnB{230, 210};

// A started engine with Tavri's parameters on a 1024-pixel-wide screen: the
// window at (300, 50), at 9:00.
struct World : BehaviourWorld {
    World() : BehaviourWorld(TavriEdition().behaviour)
    {
        state.WindowX = 300;
        state.WindowY = 50;
        host.local.wHour = 9;
        host.screenWidth = 1024;
        engine.StartUp();
        host.events.clear();
    }
    // The walk as a click on B starts it at now, with the window at x.
    void StartWalk(int32_t walk, int32_t x, uint32_t now)
    {
        state.WindowX = x;
        host.draws = {walk == kTavriWalkLeft ? 50 : 49};
        host.screenWidth = 1024;
        ClickAndTick(kOnB, now);
        host.events.clear();
        host.drawRequests.clear();
    }
};

TEST(TavriRules, IdlePickComesAfterMoreThanThirtySecondsFromOneToFive)
{
    std::vector<IdlePick> picks;
    for (int32_t draw : {1, 2, 3, 4, 5})
        picks.push_back({{draw}, draw, {"picker 0 from 1 to 5"}});
    ExpectIdlePicks<World>(picks, 30000, kStart);
}

TEST(TavriRules, ClickAreasAndTheirBorders)
{
    constexpr int32_t kNoDraw = -1;
    struct Case {
        int32_t x, y;
        int32_t draw;
        int32_t action; // 0: the click starts nothing
    };
    const Case cases[] = {
        {168, 96, 50, 6},          // A's top-left corner; 50 gives the first
        {279, 190, 49, 7},         // A's last pixel
        {280, 150, kNoDraw, 0},    // A's right edge excluded
        {167, 150, kNoDraw, 0},
        {200, 95, kNoDraw, 0},
        {200, 191, kNoDraw, 0},    // below A, left of B
        {214, 192, 50, 8},         // B's top-left corner: a walk
        {256, 238, 49, 9},         // B's last pixel
        {257, 200, kNoDraw, 0},    // B is narrower than A
        {213, 200, kNoDraw, 0},
        {230, 239, kNoDraw, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x << "," << c.y << " draw " << c.draw);
        World world;
        if (c.draw != kNoDraw)
            world.host.draws = {c.draw};
        world.ClickAndTick(POINT{c.x, c.y}, kStart + 10);
        EXPECT_EQ(world.state.CurrentAction, c.action);
        EXPECT_FALSE(world.state.Clicked) << "every tick consumes the click";
        if (c.action == 0) {
            EXPECT_THAT(world.host.drawRequests, IsEmpty());
            EXPECT_THAT(world.host.Changes(), IsEmpty());
        } else {
            EXPECT_THAT(world.host.drawRequests, ElementsAre(kPairDraw));
        }
    }
}

// Near the left edge of the screen she walks right, near the right edge
// left, in between either way: the window x goes to the debugger output,
// the timer to 10 ms, and the walk starts where the window stands.
TEST(TavriRules, AClickOnBWalksAwayFromTheNearEdgeOfTheScreen)
{
    constexpr int32_t kNoDraw = -1;
    struct Case {
        int32_t x;
        int32_t screenWidth;
        int32_t draw;
        int32_t walk;
    };
    const Case cases[] = {
        {50, 1024, kNoDraw, 9},
        {99, 1024, kNoDraw, 9},
        {-3000, 1024, kNoDraw, 9},
        {kMin, 1024, kNoDraw, 9},
        {100, 1024, 50, 8}, // picked
        {100, 1024, 49, 9},
        {524, 1024, 50, 8}, // exactly the width minus 500: picked
        {524, 1024, 49, 9},
        {525, 1024, kNoDraw, 8},
        {5000, 1024, kNoDraw, 8},
        {kMax, 1024, kNoDraw, 8},
        {100, 500, kNoDraw, 8}, // a screen narrower than 600 pixels
        {99, 500, kNoDraw, 9},  // the left edge is asked first
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "x " << c.x << " on " << c.screenWidth << " draw " << c.draw);
        World world;
        world.state.WindowX = c.x;
        world.state.WindowY = -70;
        world.host.screenWidth = c.screenWidth;
        if (c.draw != kNoDraw)
            world.host.draws = {c.draw};
        world.ClickAndTick(kOnB, kStart + 10);
        EXPECT_EQ(world.state.CurrentAction, c.walk);
        EXPECT_EQ(world.state.WalkStart.x, c.x);
        EXPECT_EQ(world.state.WalkStart.y, -70);
        EXPECT_EQ(world.state.WindowX, c.x) << "the window moves from the next tick";
        EXPECT_EQ(world.state.ActionClock, kStart + 10);
        if (c.draw == kNoDraw) {
            EXPECT_THAT(world.host.drawRequests, IsEmpty());
        } else {
            EXPECT_THAT(world.host.drawRequests, ElementsAre(kPairDraw));
        }
        EXPECT_THAT(world.host.events, ElementsAre("update 0", "advance 0", "show", "debug " + std::to_string(c.x) + "\n",
                                                   "timer 10", Armed(0), Armed(c.walk)));
    }
}

TEST(TavriRules, AClickBeatsAnIdlePickOfTheSameTick)
{
    World onA;
    onA.host.draws = {2, 49};
    onA.ClickAndTick(kOnA, kStart + 30001);
    EXPECT_EQ(onA.state.CurrentAction, 7);
    EXPECT_THAT(onA.host.drawRequests, ElementsAre("picker 0 from 1 to 5", kPairDraw));
    EXPECT_THAT(onA.host.Changes(), ElementsAre(Armed(0), Armed(7)));

    World onB;
    onB.state.WindowX = 50;
    onB.host.draws = {3};
    onB.ClickAndTick(kOnB, kStart + 30001);
    EXPECT_EQ(onB.state.CurrentAction, 9);
    EXPECT_THAT(onB.host.Changes(), ElementsAre("timer 10", Armed(0), Armed(9)));
}

// On frame 0 the window glides 4/5 of the frame's elapsed time (rounded
// down) from the walk start, on frame 1 it stands 200 pixels away, and the
// later frames leave it where it is.
TEST(TavriRules, TheWalkPlacesTheWindowByItsFrameAndTheFramesTime)
{
    struct Case {
        int32_t frame;
        uint32_t elapsed;
        int32_t offset;
    };
    const Case cases[] = {
        {0, 0, 0}, {0, 3, 2}, {0, 124, 99}, {0, 125, 100}, {0, 249, 199}, {0, 250, 200}, {1, 0, 200}, {1, 7000, 200},
    };
    for (const int32_t walk : {kTavriWalkLeft, kTavriWalkRight}) {
        const int32_t direction = walk == kTavriWalkLeft ? -1 : 1;
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message() << "walk " << walk << ", frame " << c.frame << " at " << c.elapsed << " ms");
            World world;
            world.StartWalk(walk, 400, kStart + 10);
            world.state.WindowY = 77; // a drag across the walk moves y only
            world.host.playback[walk] = SlotPlayback{c.frame, c.elapsed, 3, c.elapsed > 0};
            world.TickAt(kStart + 20);
            EXPECT_EQ(world.state.CurrentAction, walk);
            EXPECT_EQ(world.state.WindowX, 400 + direction * c.offset);
            EXPECT_EQ(world.state.WindowY, 77);
            EXPECT_THAT(world.host.Changes(), IsEmpty()) << "the walk goes on at 10 ms";
        }

        World later;
        later.StartWalk(walk, 400, kStart + 10);
        later.host.playback[walk] = SlotPlayback{1, 30, 3, true};
        later.TickAt(kStart + 20);
        later.state.WindowX = 123; // dragged meanwhile
        later.host.playback[walk] = SlotPlayback{2, 40, 3, true};
        later.TickAt(kStart + 30);
        EXPECT_EQ(later.state.WindowX, 123) << "frame 2 leaves the window";
    }
}

TEST(TavriRules, TheWalkEndsWhenItsAnimationRanThroughAndLeavesTheWindowThere)
{
    for (const int32_t walk : {kTavriWalkLeft, kTavriWalkRight}) {
        SCOPED_TRACE(walk);
        World world;
        world.StartWalk(walk, 400, kStart + 10);
        world.host.playback[walk] = SlotPlayback{1, 100, 3, true};
        world.TickAt(kStart + 20);
        const int32_t walked = world.state.WindowX;
        EXPECT_EQ(walked, walk == kTavriWalkLeft ? 200 : 600);

        // Clicks and time do not end it.
        world.host.playback[walk] = SlotPlayback{2, 100, 3, true};
        world.ClickAndTick(kOnA, kStart + 60000);
        EXPECT_EQ(world.state.CurrentAction, walk);
        EXPECT_THAT(world.host.Changes(), IsEmpty());

        world.host.slotsRunningThrough = {walk};
        world.host.playback[walk] = SlotPlayback{0, 201, 3, true};
        world.TickAt(kStart + 60010);
        EXPECT_EQ(world.state.CurrentAction, 0);
        EXPECT_EQ(world.state.WindowX, walked) << "where the walk left it, not the walk start";
        EXPECT_EQ(world.state.ActionClock, kStart + 60010);
        EXPECT_THAT(world.host.Changes(), ElementsAre("restart " + std::to_string(walk) + " quiet", "timer 100", Armed(0)));
    }
}

// A walk on a slot whose script is missing, or that has only one frame,
// never runs through; neither may keep the character walking at 10 ms.
TEST(TavriRules, AWalkOnAnEmptyOrOneFrameSlotEndsAsIfItRanThrough)
{
    World empty;
    empty.StartWalk(kTavriWalkRight, 400, kStart + 10);
    empty.host.playback[kTavriWalkRight] = SlotPlayback{0, 0, 0, false};
    empty.TickAt(kStart + 20);
    EXPECT_EQ(empty.state.CurrentAction, 0) << "at its first tick";
    EXPECT_EQ(empty.state.WindowX, 400);
    EXPECT_THAT(empty.host.Changes(), ElementsAre("timer 100", Armed(0)));

    World single;
    single.StartWalk(kTavriWalkLeft, 400, kStart + 10);
    single.host.playback[kTavriWalkLeft] = SlotPlayback{0, 150, 1, false};
    single.TickAt(kStart + 160);
    EXPECT_EQ(single.state.CurrentAction, kTavriWalkLeft) << "its frame's time is not up";
    EXPECT_EQ(single.state.WindowX, 280);
    single.host.playback[kTavriWalkLeft] = SlotPlayback{0, 301, 1, true};
    single.TickAt(kStart + 311);
    EXPECT_EQ(single.state.CurrentAction, 0) << "back from frame 0 to frame 0";
    EXPECT_EQ(single.state.WindowX, 280) << "where the walk left it";
    EXPECT_THAT(single.host.Changes(), ElementsAre("timer 100", Armed(0)));

    // In an animation of several frames a frame's time being up is no end.
    World several;
    several.StartWalk(kTavriWalkLeft, 400, kStart + 10);
    several.host.playback[kTavriWalkLeft] = SlotPlayback{1, 251, 2, true};
    several.TickAt(kStart + 261);
    EXPECT_EQ(several.state.CurrentAction, kTavriWalkLeft);
    EXPECT_EQ(several.state.WindowX, 200);
}

// The walk start comes from setting.dat and may lie anywhere; four times a
// long elapsed time does not fit 32 bits. The place is held at the int32
// range.
TEST(TavriRules, TheWalkIsComputedIn64BitsAndHeldAtTheInt32Limits)
{
    struct Case {
        int32_t walk;
        int32_t start;
        int32_t frame;
        uint32_t elapsed;
        int32_t x;
    };
    const Case cases[] = {
        {9, 0, 0, 0x40000000u, 858993459},  // 4 x elapsed is 2^32
        {8, 0, 0, 0x40000000u, -858993459},
        {9, 0, 0, 0xFFFFFFFFu, kMax},       // 3435973836 to the right
        {8, 0, 0, 0xFFFFFFFFu, kMin},
        {9, kMax - 50, 0, 125, kMax},
        {8, kMin + 50, 0, 125, kMin},
        {8, kMin + 100, 0, 125, kMin},      // exactly to the limit
        {9, kMax - 199, 1, 0, kMax},
        {8, kMin + 199, 1, 0, kMin},
        {8, kMax, 1, 0, kMax - 200},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "walk " << c.walk << " from " << c.start << ", frame " << c.frame << " at "
                                        << c.elapsed << " ms");
        World world;
        world.Start(c.walk, kStart + 10);
        world.state.WalkStart = POINT{c.start, 0};
        world.host.playback[c.walk] = SlotPlayback{c.frame, c.elapsed, 3, false};
        world.TickAt(kStart + 20);
        EXPECT_EQ(world.state.WindowX, c.x);
    }
}

// Every row of the action table but idle and the walk's own end.
TEST(TavriRules, EachActionEndsByItsTimeOutOrClick)
{
    constexpr uint32_t kNone = ActionEnding::kNoTimeOut;
    std::vector<int32_t> chimes;
    for (int32_t action = 10; action <= 33; ++action)
        chimes.push_back(action);
    ExpectActionEndings<World>(
        {
            {{1, 2, 3, 4, 5}, 30000, true}, // idle animations
            {{38, 39}, 30000, true},        // new mail
            {{6, 7}, 5000, false},          // clicks on A
            {chimes, 30000, true},          // both sets of hour chimes
            {{34, 35, 36, 37}, kNone, true}, // alarm
            {{8, 9}, kNone, false},         // the walk: only its animation ends it
        },
        kOnB, kStart + 100);
}

TEST(TavriRules, HourChimeComesFromOneOfTwoSetsOverAnyUnblockedAction)
{
    struct Case {
        uint16_t hour;
        int32_t draw;
        int32_t chime;
    };
    const Case cases[] = {
        {0, 50, 10}, {0, 49, 22}, {11, 99, 21}, {11, 0, 33}, {12, 50, 10}, {12, 49, 22}, {23, 50, 21}, {23, 49, 33}, {15, 60, 13},
    };
    for (const Case& c : cases) {
        for (int32_t playing : {0, 1, 6, 8, 10, 33, 38}) {
            SCOPED_TRACE(testing::Message() << "hour " << c.hour << " draw " << c.draw << " over " << playing);
            World world;
            world.NoIdlePicks();
            world.Start(playing, kStart + 10);
            world.host.local.wHour = c.hour;
            world.host.draws = {c.draw};
            world.TickAt(kStart + 20);
            EXPECT_EQ(world.state.CurrentAction, c.chime);
            EXPECT_EQ(world.state.ActionClock, kStart + 20);
            EXPECT_EQ(world.state.LastLocalTime.wHour, c.hour);
            EXPECT_THAT(world.host.drawRequests, ElementsAre(kPairDraw));
            EXPECT_THAT(world.host.Changes(), ElementsAre(Armed(c.chime)));
        }
    }
}

// Draws of 76, 51 and 26 are the lowest of their alarm; 75, 50 and 25 the
// highest of the next.
TEST(TavriRules, TheAlarmIsOneOfFourByThresholds)
{
    struct Case {
        int32_t draw;
        int32_t alarm;
    };
    const Case cases[] = {{99, 34}, {76, 34}, {75, 35}, {51, 35}, {50, 36}, {26, 36}, {25, 37}, {0, 37}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.draw);
        World world;
        world.host.settings.alarmOn = true;
        world.host.settings.alarmHour = 9;
        world.host.settings.alarmMinute = 0;
        world.host.draws = {c.draw};
        world.Start(6, kStart + 10); // the alarm does not look at what plays
        world.TickAt(kStart + 20);
        EXPECT_EQ(world.state.CurrentAction, c.alarm);
        EXPECT_TRUE(world.host.settings.alarmFired);
        EXPECT_THAT(world.host.drawRequests, ElementsAre(kFourDraw));
        EXPECT_THAT(world.host.Changes(), ElementsAre(Armed(c.alarm)));
    }
}

TEST(TavriRules, AlarmActionsHoldBackTheChimeAndTheMailCheck)
{
    for (int32_t action : {34, 35, 36, 37}) {
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

        // The tick that ends the alarm chimes, then announces the mail.
        world.host.draws = {50, 49};
        world.ClickAndTick(kOnA, kStart + 200100);
        EXPECT_EQ(world.host.mailChecks, 1);
        EXPECT_EQ(world.state.CurrentAction, 39);
        EXPECT_THAT(world.host.Changes(), ElementsAre(Armed(0), Armed(20), Armed(39)));
    }
}

TEST(TavriRules, NewMailIsOneOfTwo)
{
    ExpectNewMailPicksOneOfTwo<World>(ActionPair{38, 39}, 60000, kStart);
}

// A chime, an alarm or mail that replaces a walk leaves the timer at the
// walk's 10 ms until a later walk ends (or the settings dialog closes); the
// window stays where the walk had taken it.
TEST(TavriRules, AnActionReplacingAWalkLeavesTheTimerAtTheWalkPeriod)
{
    World chime;
    chime.StartWalk(kTavriWalkRight, 400, kStart + 10);
    chime.host.playback[kTavriWalkRight] = SlotPlayback{1, 0, 3, true};
    chime.host.local.wHour = 10;
    chime.host.draws = {50};
    chime.TickAt(kStart + 20);
    EXPECT_EQ(chime.state.CurrentAction, 20);
    EXPECT_EQ(chime.state.WindowX, 600);
    EXPECT_THAT(chime.host.Changes(), ElementsAre(Armed(20))) << "no timer change";

    World alarm;
    alarm.StartWalk(kTavriWalkLeft, 400, kStart + 10);
    alarm.host.settings.alarmOn = true;
    alarm.host.settings.alarmHour = 9;
    alarm.host.draws = {0};
    alarm.TickAt(kStart + 20);
    EXPECT_EQ(alarm.state.CurrentAction, 37);
    EXPECT_THAT(alarm.host.Changes(), ElementsAre(Armed(37)));

    // The next walk's end puts the timer back.
    World mail;
    mail.NoIdlePicks();
    mail.StartWalk(kTavriWalkLeft, 400, kStart + 60000);
    mail.host.settings.mailCheckOn = true;
    mail.host.mailboxes = {{1, 10}};
    mail.host.draws = {50};
    mail.TickAt(kStart + 60010);
    ASSERT_EQ(mail.state.CurrentAction, 38);
    EXPECT_THAT(mail.host.Changes(), ElementsAre(Armed(38)));
    mail.ClickAndTick(kOnA, kStart + 60020);
    ASSERT_EQ(mail.state.CurrentAction, 0);
    mail.host.events.clear();
    mail.StartWalk(kTavriWalkLeft, 400, kStart + 60030);
    mail.host.slotsRunningThrough = {kTavriWalkLeft};
    mail.TickAt(kStart + 60040);
    EXPECT_THAT(mail.host.Changes(), ElementsAre("restart 8 quiet", "timer 100", Armed(0)));
}

} // namespace
