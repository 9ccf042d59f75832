// Sorlun's tick on a fake host: what starts each action and what ends it.
#include "editions/sorlun/sorlun_edition.h"
#include "tests/support/action_endings.h"
#include "tests/support/fake_behaviour_host.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <type_traits>
#include <vector>

namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr uint32_t kStart = 1000;

const char kIdleDraw[] = "picker 0 from 1 to 5";

// A started engine with Sorlun's parameters, at 9:00.
struct World : BehaviourWorld {
    explicit World(uint32_t start = kStart) : BehaviourWorld(SorlunEdition().behaviour)
    {
        host.now = start;
        host.local.wHour = 9;
        engine.StartUp();
        host.events.clear();
    }
};

TEST(SorlunRules, IdlePickComesAfterMoreThanThirtySecondsAndIsNeverThree)
{
    ExpectIdlePicks<World>(
        {
            {{1}, 1, {kIdleDraw}},
            {{2}, 2, {kIdleDraw}},
            {{5}, 5, {kIdleDraw}},
            {{3, 3, 1}, 1, {kIdleDraw, kIdleDraw, kIdleDraw}}, // 3 is drawn again
            {{4, 50}, 4, {kIdleDraw, kPairDraw}},             // 4 becomes 4 or 29
            {{4, 49}, 29, {kIdleDraw, kPairDraw}},
            {{3, 4, 99}, 4, {kIdleDraw, kIdleDraw, kPairDraw}},
        },
        30000, kStart);
}

// The areas are tried right upper, right lower, left upper, left lower;
// each is half-open, so a point on a shared edge belongs to the area that
// begins there.
TEST(SorlunRules, ClickAreasInTheirOrderAndTheirBorders)
{
    constexpr int32_t kNoDraw = -1;
    struct Case {
        int32_t x, y;
        int32_t draw;
        int32_t action; // 0: the click starts nothing
    };
    const Case cases[] = {
        {260, 115, kNoDraw, 6}, // right upper's top-left corner: 6 with no draw
        {384, 199, kNoDraw, 6}, // its last pixel
        {320, 150, kNoDraw, 6},
        {260, 200, 50, 7},  // right lower begins at y = 200; 50 gives the first
        {384, 244, 49, 28}, // its last pixel
        {260, 244, 99, 7},  // the border x = 260 is the right's
        {260, 222, 0, 28},
        {145, 116, 50, 8}, // left upper's top-left corner
        {259, 199, 49, 9}, // its last pixel, beside the border
        {145, 200, 50, 10}, // left lower
        {259, 244, 49, 11},
        {145, 115, kNoDraw, 0}, // the left areas begin one row lower
        {259, 115, kNoDraw, 0},
        {385, 150, kNoDraw, 0}, // right and bottom edges are outside
        {300, 245, kNoDraw, 0},
        {200, 245, kNoDraw, 0},
        {144, 220, kNoDraw, 0},
        {202, 300, kNoDraw, 0}, // below both characters' areas
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x << "," << c.y << " draw " << c.draw);
        World world;
        if (c.draw != kNoDraw)
            world.host.draws = {c.draw};
        world.ClickAndTick(c.x, c.y, kStart + 10);
        EXPECT_EQ(world.state.CurrentAction, c.action);
        EXPECT_FALSE(world.state.Clicked) << "every tick consumes the click";
        EXPECT_EQ(world.state.ClickCount, c.action == 10 || c.action == 11 ? 1 : 0) << "only left lower clicks count";
        if (c.draw == kNoDraw) {
            EXPECT_THAT(world.host.drawRequests, IsEmpty());
        } else {
            EXPECT_THAT(world.host.drawRequests, ElementsAre(kPairDraw));
        }
        if (c.action == 0) {
            EXPECT_THAT(world.host.Changes(), IsEmpty());
        } else {
            EXPECT_THAT(world.host.Changes(), ElementsAre(Armed(0), Armed(c.action)));
        }
    }
}

TEST(SorlunRules, TheThirdLeftLowerClickFromIdlePlaysTwelve)
{
    // Clicks on the other areas are not counted: left upper, right upper,
    // right lower.
    ExpectEveryThirdClick<World>(POINT{200, 220}, ActionPair{10, 11}, 5000,
                                 {{{200, 150}, 50, 8, 5000}, {{320, 150}, 50, 6, 5000}, {{320, 220}, 50, 7, 5000}}, 12,
                                 kStart);
}

TEST(SorlunRules, AClickBeatsAnIdlePickOfTheSameTick)
{
    World world;
    world.host.draws = {2};
    world.ClickAndTick(320, 150, kStart + 30001);
    EXPECT_EQ(world.state.CurrentAction, 6);
    EXPECT_THAT(world.host.drawRequests, ElementsAre(kIdleDraw));
    EXPECT_THAT(world.host.Changes(), ElementsAre(Armed(0), Armed(6)));
}

// Every row of the action table but idle, 2 (which ends into a draw) and
// the run-through ends of 1 and 12.
TEST(SorlunRules, EachActionEndsByItsTimeOutOrClick)
{
    constexpr uint32_t kNone = ActionEnding::kNoTimeOut;
    ExpectActionEndings<World>(
        {
            {{3, 4, 5, 29}, 30000, true},                                    // idle actions
            {{26, 27}, 30000, true},                                         // new mail
            {{6}, 5000, false},                                              // right upper
            {{7, 28}, 5000, false},                                          // right lower
            {{8, 9}, 5000, false},                                           // left upper
            {{10, 11}, 5000, false},                                         // left lower
            {{13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24}, 30000, true}, // hour chime
            {{1, 12, 25}, kNone, true},                                      // 1, the third click, the alarm
        },
        POINT{320, 150}, kStart + 100);
}

TEST(SorlunRules, OneAndTwelveEndWhenTheirAnimationRanThrough)
{
    for (int32_t action : {1, 12}) {
        SCOPED_TRACE(action);
        World world;
        world.Start(action, kStart + 10);
        world.TickAt(kStart + 10000000);
        ASSERT_EQ(world.state.CurrentAction, action) << "no time ends it";
        world.host.events.clear();
        world.host.slotsRunningThrough = {action};
        world.TickAt(kStart + 10000010);
        EXPECT_EQ(world.state.CurrentAction, 0);
        const std::string slot = std::to_string(action);
        EXPECT_THAT(world.host.events,
                    ElementsAre("update " + slot, "advance " + slot, "restart " + slot + " quiet", Armed(0)));
    }
}

TEST(SorlunRules, TwoEndsIntoIdleOrThree)
{
    ExpectEndsIntoAPick<World>(2, 30000, {0, 3}, POINT{320, 150}, kStart + 100);
}

TEST(SorlunRules, HourChimeIsThirteenPlusTheHourAndStartsOverAnyUnblockedAction)
{
    ExpectHourChimes<World>(13, {0, 1, 3, 6, 12, 27, 29}, kStart + 10);
}

TEST(SorlunRules, TheAlarmStartsTwentyFiveWithoutADraw)
{
    for (int32_t playing : {0, 6, 26}) { // the alarm does not look at what plays
        SCOPED_TRACE(playing);
        World world;
        world.NoIdlePicks();
        world.host.settings.alarmOn = true;
        world.host.settings.alarmHour = 9;
        world.host.settings.alarmMinute = 30;
        world.Start(playing, kStart + 10);
        world.TickAt(kStart + 20);
        EXPECT_EQ(world.state.CurrentAction, playing) << "not before its minute";
        world.host.local.wMinute = 30;
        world.TickAt(kStart + 30);
        EXPECT_EQ(world.state.CurrentAction, 25);
        EXPECT_TRUE(world.host.settings.alarmFired);
        EXPECT_THAT(world.host.drawRequests, IsEmpty());
        EXPECT_THAT(world.host.Changes(), ElementsAre(Armed(25)));

        world.Start(0, kStart + 40);
        world.TickAt(kStart + 50);
        EXPECT_EQ(world.state.CurrentAction, 0) << "once per stored alarm time";
    }
}

// 25 is the alarm; 26, a new-mail action, counts with it. While either
// plays the mail clock is not moved.
TEST(SorlunRules, TwentyFiveAndTwentySixHoldBackTheChimeAndTheMailCheck)
{
    for (int32_t action : {25, 26}) {
        SCOPED_TRACE(action);
        World world;
        world.host.settings.mailCheckOn = true;
        world.host.mailboxes = {{2, 500}};
        // Within 26's own time-out, past the mail period.
        world.Start(action, kStart + 50000);
        world.host.local.wHour = 10;
        world.TickAt(kStart + 60001);
        world.TickAt(kStart + 79000);
        EXPECT_EQ(world.state.CurrentAction, action);
        EXPECT_EQ(world.host.mailChecks, 0);
        EXPECT_EQ(world.state.MailClock, kStart) << "the mail clock waits";
        EXPECT_EQ(world.state.LastLocalTime.wHour, 9) << "the hour is not taken";

        // The tick that ends it chimes, then checks the mail and announces it.
        world.host.draws = {50};
        world.ClickAndTick(320, 150, kStart + 79100);
        EXPECT_EQ(world.host.mailChecks, 1);
        EXPECT_EQ(world.state.MailClock, kStart + 79100);
        EXPECT_EQ(world.state.CurrentAction, 26);
        EXPECT_THAT(world.host.Changes(), ElementsAre(Armed(0), Armed(23), Armed(26)));
    }
}

TEST(SorlunRules, NewMailPicksTwentySixOrTwentySeven)
{
    ExpectNewMailPicksOneOfTwo<World>(ActionPair{26, 27}, 60000, kStart);
}

// The clocks are 32-bit stamps of a millisecond clock that wraps about
// every 49.7 days: an elapsed time is the unsigned difference, also when
// the clock has wrapped since the stamp.
TEST(SorlunRules, ElapsedTimesStayRightAcrossTheClocksWrap)
{
    static_assert(std::is_same_v<decltype(ShellState::ActionClock), uint32_t>);
    static_assert(std::is_same_v<decltype(ShellState::MailClock), uint32_t>);
    constexpr uint32_t kBeforeWrap = 0xFFFFFFFFu - 9999; // 10000 ms before the wrap

    // The idle time-out: the stamp before the wrap, the ticks after it.
    World idle(kBeforeWrap);
    idle.host.draws = {5};
    idle.TickAt(kBeforeWrap + 30000u);
    EXPECT_EQ(idle.state.CurrentAction, 0) << "exactly 30000 ms";
    idle.TickAt(kBeforeWrap + 30001u);
    EXPECT_EQ(idle.state.CurrentAction, 5);
    EXPECT_EQ(idle.state.ActionClock, 20001u);

    // The reactions' 5000 ms, and the action time-out.
    for (const auto& [action, ms] : {std::pair{6, 5000u}, std::pair{27, 30000u}}) {
        SCOPED_TRACE(action);
        World world(kBeforeWrap);
        world.Start(action, 0xFFFFFFFFu - 999);
        world.TickAt(0xFFFFFFFFu - 999 + ms);
        EXPECT_EQ(world.state.CurrentAction, action);
        world.TickAt(0xFFFFFFFFu - 999 + ms + 1);
        EXPECT_EQ(world.state.CurrentAction, 0);
    }

    // The mail period.
    World mail(kBeforeWrap);
    mail.NoIdlePicks();
    mail.host.settings.mailCheckOn = true;
    mail.TickAt(kBeforeWrap + 60000u);
    EXPECT_EQ(mail.host.mailChecks, 0);
    mail.TickAt(kBeforeWrap + 60001u);
    EXPECT_EQ(mail.host.mailChecks, 1);
    EXPECT_EQ(mail.state.MailClock, 50001u);
    mail.TickAt(50001u + 60001u);
    EXPECT_EQ(mail.host.mailChecks, 2);
}

} // namespace
