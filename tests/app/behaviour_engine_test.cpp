#include "app/behaviour_engine.h"
#include "editions/quenna/quenna_edition.h"
#include "tests/support/action_endings.h"
#include "tests/support/fake_behaviour_host.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <deque>
#include <limits>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr uint32_t kStart = 1000;
constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
constexpr int32_t kMin = std::numeric_limits<int32_t>::min();

// A started engine with the reference edition's parameters: the window at
// (100, 50), so the character's centre is at (354, 274), at 9:00.
struct World : BehaviourWorld {
    World() : BehaviourWorld(QuennaEdition().behaviour)
    {
        state.WindowX = 100;
        state.WindowY = 50;
        host.local.wHour = 9;
        host.cursor = POINT{354, 274};
        engine.StartUp();
        host.events.clear();
    }
};

TEST(BehaviourEngine, StartUpArmsIdleAndTheFirstTickShowsTheWindowOnce)
{
    ShellState state;
    FakeBehaviourHost host;
    host.local.wHour = 17;
    BehaviourEngine engine(state, host, QuennaEdition().behaviour);
    engine.StartUp();
    EXPECT_THAT(host.events, ElementsAre("timer 100", "restart 0 armed"));
    EXPECT_EQ(state.ActionClock, kStart);
    EXPECT_EQ(state.MailClock, kStart);
    EXPECT_EQ(state.LastLocalTime.wHour, 17);

    host.events.clear();
    engine.ActionTick();
    EXPECT_THAT(host.events, ElementsAre("update 0", "advance 0", "show"));
    host.events.clear();
    engine.ActionTick();
    EXPECT_THAT(host.events, ElementsAre("update 0", "advance 0"));
    EXPECT_EQ(state.CurrentAction, 0);
}

TEST(BehaviourEngine, AnimationThatRanThroughStartsAgainWithoutItsVoices)
{
    World world;
    world.Start(2, kStart + 10);
    world.host.slotsRunningThrough = {2};
    world.TickAt(kStart + 20);
    EXPECT_THAT(world.host.events, ElementsAre("update 2", "advance 2", "restart 2 quiet", "show"));
    EXPECT_EQ(world.state.CurrentAction, 2);
}

TEST(BehaviourEngine, TimeElapsedIsStrictWrapsAndIgnoresUnstartedClocks)
{
    struct Case {
        uint32_t stamp, now, limit;
        bool elapsed;
    };
    const Case cases[] = {
        {0, 90000, 100, false},          // a stamp of 0 was never started
        {1000, 1100, 100, false},        // exactly the limit is not more
        {1000, 1101, 100, true},
        {0xFFFFFF00u, 0x64, 356, false}, // the clock wrapped: 356 ms passed
        {0xFFFFFF00u, 0x64, 355, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.stamp << " " << c.now << " " << c.limit);
        World world;
        world.host.now = c.now;
        EXPECT_EQ(world.engine.TimeElapsed(c.stamp, c.limit), c.elapsed);
    }
}

TEST(BehaviourEngine, IdlePickComesOnlyAfterMoreThanTheIdleTimeOut)
{
    for (int32_t draw : {1, 2, 5, 6}) {
        SCOPED_TRACE(draw);
        World world;
        world.host.draws = {draw};
        world.TickAt(kStart + 30000);
        EXPECT_THAT(world.host.drawRequests, IsEmpty());
        EXPECT_EQ(world.state.CurrentAction, 0);

        world.TickAt(kStart + 30001);
        EXPECT_THAT(world.host.drawRequests, ElementsAre("picker 0 from 1 to 6"));
        EXPECT_EQ(world.state.CurrentAction, draw);
        EXPECT_EQ(world.state.ActionClock, kStart + 30001);
        EXPECT_THAT(world.host.Changes(), ElementsAre("restart 0 armed", "restart " + std::to_string(draw) + " armed"));
    }
}

TEST(BehaviourEngine, IdleClockNeverStartedPicksNothing)
{
    World world;
    world.state.ActionClock = 0;
    world.TickAt(kStart + 90000000);
    EXPECT_THAT(world.host.drawRequests, IsEmpty());
    EXPECT_EQ(world.state.CurrentAction, 0);
}

TEST(BehaviourEngine, WalkPickFacesTheCursorAndSwitchesToTheWalkTimer)
{
    struct Case {
        int32_t draw;
        int32_t cursorX;
        int32_t action;
    };
    const Case cases[] = {
        {3, 355, 4}, // right of the centre (354): walk right, whatever was drawn
        {4, 354, 3}, // exactly at the centre counts as the left
        {4, 0, 3},
        {3, 0, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.cursorX);
        World world;
        world.host.draws = {c.draw};
        world.host.cursor.x = c.cursorX;
        world.TickAt(kStart + 30001);
        EXPECT_EQ(world.state.CurrentAction, c.action);
        EXPECT_EQ(world.state.ActionClock, kStart + 30001);
        EXPECT_EQ(world.state.WalkStart.x, 100);
        EXPECT_EQ(world.state.WalkStart.y, 50);
        EXPECT_THAT(world.host.Changes(),
                    ElementsAre("timer 30", "restart 0 armed", "restart " + std::to_string(c.action) + " armed"));
        EXPECT_EQ(world.state.WindowX, 100) << "the first step comes with the next tick";
    }
}

TEST(BehaviourEngine, ClickAreasAndTheirBordersPickOneOfTwoReactions)
{
    struct Case {
        int32_t x, y;
        int32_t pairDraw;
        int32_t action; // 0: the click starts nothing
    };
    const Case cases[] = {
        {196, 97, 50, 7},  // top-left corner of A; a draw of 50 gives the first
        {316, 191, 49, 8}, // last pixel of A; 49 gives the second
        {250, 192, 99, 0}, // the row between A and B
        {317, 150, 99, 0}, // right edge excluded
        {195, 150, 99, 0},
        {250, 96, 99, 0},
        {196, 193, 99, 9}, // top-left corner of B
        {316, 225, 0, 10}, // last pixel of B
        {250, 226, 99, 0}, // bottom edge of B excluded
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x << "," << c.y);
        World world;
        world.host.draws = {c.pairDraw};
        world.ClickAt(c.x, c.y);
        world.TickAt(kStart + 10);
        EXPECT_EQ(world.state.CurrentAction, c.action);
        EXPECT_FALSE(world.state.Clicked) << "every tick consumes the click";
        if (c.action == 0) {
            EXPECT_THAT(world.host.drawRequests, IsEmpty());
            EXPECT_THAT(world.host.Changes(), IsEmpty());
        } else {
            EXPECT_THAT(world.host.drawRequests, ElementsAre(kPairDraw));
            EXPECT_THAT(world.host.Changes(),
                        ElementsAre("restart 0 armed", "restart " + std::to_string(c.action) + " armed"));
        }
    }
}

TEST(BehaviourEngine, ClickBeatsAnIdlePickOfTheSameTick)
{
    World world;
    world.host.draws = {1, 99};
    world.ClickAt(200, 100);
    world.TickAt(kStart + 30001);
    EXPECT_EQ(world.state.CurrentAction, 7);
    EXPECT_THAT(world.host.Changes(), ElementsAre("restart 0 armed", "restart 7 armed"));
}

TEST(BehaviourEngine, ClickBeatingAWalkPickKeepsTheWalkTimerUntilAWalkEnds)
{
    World world;
    world.host.draws = {3, 0};
    world.ClickAt(200, 200);
    world.TickAt(kStart + 30001);
    EXPECT_EQ(world.state.CurrentAction, 10);
    EXPECT_EQ(world.state.WalkStart.x, 100);
    EXPECT_THAT(world.host.Changes(), ElementsAre("timer 30", "restart 0 armed", "restart 10 armed"));

    world.host.events.clear();
    world.TickAt(kStart + 30001 + 5001);
    EXPECT_EQ(world.state.CurrentAction, 0);
    EXPECT_THAT(world.host.Changes(), ElementsAre("restart 0 armed")) << "no return to the 100 ms timer";
}

// Every row of the action table but the idle and walk ones: how long the
// action lasts and whether a click ends it.
TEST(BehaviourEngine, EachActionEndsByItsTimeOutOrClick)
{
    constexpr uint32_t kNone = ActionEnding::kNoTimeOut;
    ExpectActionEndings<World>(
        {
            {{1, 2, 5, 6}, 30000, true},                                      // idle animations
            {{7, 8, 9, 10}, 5000, false},                                     // click reactions
            {{11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22}, 30000, true}, // hour chime
            {{23, 24}, kNone, true},                                          // alarm
            {{25}, 30000, true},                                              // new mail
        },
        POINT{200, 100}, kStart + 100);
}

// Idle again, the normal timer, the window back at (100, 50).
void ExpectWalkEndedAtItsStart(World& world)
{
    EXPECT_EQ(world.state.CurrentAction, 0);
    EXPECT_EQ(world.state.WindowX, 100);
    EXPECT_EQ(world.state.WindowY, 50);
    EXPECT_THAT(world.host.Changes(), ElementsAre("restart 0 armed", "timer 100"));
}

TEST(BehaviourEngine, WalkFollowsTheCursorAndEndsBackAtItsStart)
{
    World world;
    world.host.draws = {4};
    world.host.cursor = POINT{1000, 274};
    const uint32_t walkBegun = kStart + 30001;
    world.TickAt(walkBegun);
    ASSERT_EQ(world.state.CurrentAction, 4);

    world.host.events.clear();
    world.TickAt(walkBegun + 30);
    EXPECT_EQ(world.state.WindowX, 110);
    EXPECT_EQ(world.state.WindowY, 50);

    world.host.cursor = POINT{0, 274};
    world.TickAt(walkBegun + 60);
    EXPECT_EQ(world.state.WindowX, 100);
    EXPECT_EQ(world.state.CurrentAction, 3);
    EXPECT_THAT(world.host.Changes(), IsEmpty()) << "turning round does not start the animation over";

    world.state.WindowX = 600; // dragged meanwhile
    world.state.WindowY = 400;
    world.TickAt(walkBegun + 30000);
    EXPECT_EQ(world.state.CurrentAction, 3);
    world.TickAt(walkBegun + 30001);
    ExpectWalkEndedAtItsStart(world);
}

TEST(BehaviourEngine, ClickEndsAWalkAtOnce)
{
    World world;
    world.host.draws = {3};
    world.host.cursor = POINT{0, 0};
    world.TickAt(kStart + 30001);
    world.TickAt(kStart + 30031);
    ASSERT_NE(world.state.WindowX, 100);
    world.host.events.clear();
    world.ClickAt(200, 100);
    world.TickAt(kStart + 30061);
    ExpectWalkEndedAtItsStart(world);
}

TEST(BehaviourEngine, WalkStepMovesTheCentreTowardTheCursor)
{
    struct Case {
        POINT window;
        POINT cursor;
        POINT moved;
    };
    const Case cases[] = {
        {{0, 0}, {254, 224}, {0, 0}},        // the cursor at the centre: no move
        {{0, 0}, {1254, 224}, {10, 0}},      // straight right
        {{0, 0}, {354, 274}, {10, 5}},       // the shorter side scaled: 50 / 100 * 10
        {{0, 0}, {224, 124}, {-3, -10}},     // left and up, y the longer
        {{0, 0}, {259, 224}, {5, 0}},        // never past the cursor
        {{0, 0}, {354, 225}, {10, 1}},       // a scaled step of 0 becomes 1
        {{0, 0}, {324, 294}, {10, 10}},      // equal distances
        {{0, 0}, {1254, 924}, {10, 7}},      // 700 / 1000 * 10 in single precision is 7
        {{0, 0}, {254, 1224}, {0, 10}},      // straight down
        {{kMax, kMax}, {0, 0}, {kMax - 10, kMax - 10}}, // a stored position at the limit
        {{kMin, 0}, {kMin, 224}, {kMin, 0}}, // the result is held at the limit
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.cursor.x << "," << c.cursor.y);
        World world;
        world.state.WindowX = c.window.x;
        world.state.WindowY = c.window.y;
        world.host.cursor = c.cursor;
        StepTowardCursor(world.engine, QuennaRules());
        EXPECT_EQ(world.state.WindowX, c.moved.x);
        EXPECT_EQ(world.state.WindowY, c.moved.y);
    }
}

TEST(BehaviourEngine, CursorSideComparesWithTheCentreWithoutOverflow)
{
    struct Case {
        int32_t windowX, cursorX, action;
    };
    const Case cases[] = {{0, 254, 3}, {0, 255, 4}, {kMax, kMax, 3}, {kMin, kMin + 255, 4}};
    for (const Case& c : cases) {
        World world;
        world.state.WindowX = c.windowX;
        world.host.cursor.x = c.cursorX;
        EXPECT_EQ(CursorSideAction(world.engine, QuennaRules()), c.action) << c.windowX << " " << c.cursorX;
    }
}

TEST(BehaviourEngine, HourChimeWaitsForTheFirstTickOfANewHour)
{
    struct Case {
        uint16_t hour;
        int32_t action;
    };
    const Case cases[] = {{0, 11}, {11, 22}, {12, 11}, {23, 22}, {10, 21}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.hour);
        World world;
        world.TickAt(kStart + 100);
        EXPECT_EQ(world.state.CurrentAction, 0) << "no chime at start-up";
        world.host.local.wHour = c.hour;
        world.host.local.wMinute = 59;
        world.TickAt(kStart + 200);
        EXPECT_EQ(world.state.CurrentAction, c.action);
        EXPECT_EQ(world.state.LastLocalTime.wMinute, 59);
        EXPECT_THAT(world.host.Changes(), ElementsAre("restart " + std::to_string(c.action) + " armed"));
        world.host.events.clear();
        world.TickAt(kStart + 300);
        EXPECT_THAT(world.host.Changes(), IsEmpty()) << "once per hour";
    }
}

TEST(BehaviourEngine, AlarmHoldsBackTheChimeUntilItEnds)
{
    World world;
    world.Start(23, kStart + 10);
    world.host.local.wHour = 10;
    world.TickAt(kStart + 20);
    world.TickAt(kStart + 40000);
    EXPECT_EQ(world.state.CurrentAction, 23);
    EXPECT_EQ(world.state.LastLocalTime.wHour, 9);

    world.ClickAt(200, 100);
    world.TickAt(kStart + 40100);
    EXPECT_EQ(world.state.CurrentAction, 21) << "the tick that ends the alarm chimes";
    EXPECT_THAT(world.host.Changes(), ElementsAre("restart 0 armed", "restart 21 armed"));
}

TEST(BehaviourEngine, AlarmFiresOncePerStoredTimeWhateverPlays)
{
    World world;
    world.host.settings.alarmOn = true;
    world.host.settings.alarmHour = 9;
    world.host.settings.alarmMinute = 30;
    world.host.local.wMinute = 29;
    world.TickAt(kStart + 10);
    EXPECT_EQ(world.state.CurrentAction, 0);

    world.Start(7, kStart + 20); // a click reaction plays
    world.host.local.wMinute = 30;
    world.host.draws = {10};
    world.TickAt(kStart + 30);
    EXPECT_TRUE(world.host.settings.alarmFired);
    EXPECT_EQ(world.state.CurrentAction, 24);
    EXPECT_THAT(world.host.drawRequests, ElementsAre(kPairDraw));

    world.ClickAt(200, 100);
    world.TickAt(kStart + 40);
    EXPECT_EQ(world.state.CurrentAction, 0);
    world.TickAt(kStart + 50);
    EXPECT_EQ(world.state.CurrentAction, 0) << "still the alarm minute, but it has fired";
    world.host.local.wDay += 1;
    world.TickAt(kStart + 60);
    EXPECT_EQ(world.state.CurrentAction, 0) << "nor the next day";
}

TEST(BehaviourEngine, AlarmSwitchedOffOrAtAnotherMinuteStaysQuiet)
{
    struct Case {
        bool on;
        uint16_t hour, minute;
    };
    const Case cases[] = {{false, 9, 0}, {true, 9, 1}, {true, 21, 0}};
    for (const Case& c : cases) {
        World world;
        world.host.settings.alarmOn = c.on;
        world.host.settings.alarmHour = c.hour;
        world.host.settings.alarmMinute = c.minute;
        world.TickAt(kStart + 10);
        EXPECT_EQ(world.state.CurrentAction, 0);
        EXPECT_FALSE(world.host.settings.alarmFired);
    }
}

TEST(BehaviourEngine, AlarmOfTheChimeTickWins)
{
    World world;
    world.host.settings.alarmOn = true;
    world.host.settings.alarmHour = 10;
    world.host.local.wHour = 10;
    world.host.draws = {50};
    world.TickAt(kStart + 10);
    EXPECT_EQ(world.state.CurrentAction, 23);
    EXPECT_THAT(world.host.Changes(), ElementsAre("restart 21 armed", "restart 23 armed"));
}

TEST(BehaviourEngine, NewMailIsAnnouncedOnlyWhenTheMailboxChanged)
{
    struct Poll {
        int32_t count, size;
        bool announced;
    };
    const Poll polls[] = {
        {3, 1000, true},  {3, 1000, false}, {0, 0, false},     {3, 1000, false}, // back to the announced box
        {3, 1200, true},  {4, 1200, true},  {-2, 0, false},
    };
    World world;
    world.NoIdlePicks();
    world.host.settings.mailCheckOn = true;
    uint32_t now = kStart;
    world.TickAt(now + 60000);
    EXPECT_EQ(world.host.mailChecks, 0) << "exactly one period is not more";
    for (const Poll& poll : polls) {
        SCOPED_TRACE(testing::Message() << poll.count << " " << poll.size);
        world.host.mailboxes = {{poll.count, poll.size}};
        now += 60001;
        world.TickAt(now);
        EXPECT_EQ(world.host.mailboxes.size(), 0u);
        EXPECT_EQ(world.state.MailClock, now);
        EXPECT_EQ(world.state.CurrentAction, poll.announced ? 25 : 0);
    }
    EXPECT_EQ(world.state.LastMailCount, 4);
    EXPECT_EQ(world.state.LastMailSize, 1200);
}

TEST(BehaviourEngine, MailFailuresArePostedOnlyWhenReportsAreWanted)
{
    for (bool report : {true, false}) {
        for (int32_t failure : {-1, -2, -3, -4}) {
            SCOPED_TRACE(testing::Message() << report << " " << failure);
            World world;
            world.NoIdlePicks();
            world.host.settings.mailCheckOn = true;
            world.host.settings.reportConnectionErrors = report;
            world.host.mailboxes = {{failure, 0}};
            world.TickAt(kStart + 60001);
            std::vector<std::string> posted;
            for (const std::string& event : world.host.events) {
                if (event.rfind("mail error", 0) == 0)
                    posted.push_back(event);
            }
            if (report) {
                EXPECT_THAT(posted, ElementsAre("mail error " + std::to_string(-failure)));
            } else {
                EXPECT_THAT(posted, IsEmpty());
            }
            EXPECT_EQ(world.state.CurrentAction, 0);
        }
    }
}

TEST(BehaviourEngine, MailCheckSwitchedOffStillMovesTheMailClock)
{
    World world;
    world.TickAt(kStart + 60001);
    EXPECT_EQ(world.host.mailChecks, 0);
    EXPECT_EQ(world.state.MailClock, kStart + 60001);

    world.host.settings.mailCheckOn = true;
    world.TickAt(kStart + 120002);
    EXPECT_EQ(world.host.mailChecks, 1) << "switched on: checked within one period";
}

TEST(BehaviourEngine, AlarmHoldsBackTheMailPollWithoutMovingItsClock)
{
    World world;
    world.host.settings.mailCheckOn = true;
    world.Start(24, kStart + 10);
    world.TickAt(kStart + 200000);
    EXPECT_EQ(world.host.mailChecks, 0);
    EXPECT_EQ(world.state.MailClock, kStart);

    world.host.mailboxes = {{1, 10}};
    world.ClickAt(200, 100);
    world.TickAt(kStart + 200100);
    EXPECT_EQ(world.host.mailChecks, 1) << "polled in the tick that ends the alarm";
    EXPECT_EQ(world.state.CurrentAction, 25);
}

TEST(BehaviourEngine, MailClockNeverStartedNeverPolls)
{
    World world;
    world.host.settings.mailCheckOn = true;
    world.state.MailClock = 0;
    world.TickAt(kStart + 90000000);
    EXPECT_EQ(world.host.mailChecks, 0);
}

int g_editionTicks = 0;
void EditionTick(BehaviourEngine& engine)
{
    ++g_editionTicks;
    engine.PlayCurrentSlot();
}

TEST(BehaviourEngine, TheEditionsTickIsTheOneThatRuns)
{
    World world;
    world.parameters.actionTick = EditionTick;
    world.ClickAt(200, 100);
    world.TickAt(kStart + 30001);
    EXPECT_EQ(g_editionTicks, 1);
    EXPECT_EQ(world.state.CurrentAction, 0) << "none of the reference rules ran";
    EXPECT_TRUE(world.state.Clicked);
}

} // namespace
