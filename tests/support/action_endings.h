#pragma once

#include "app/behaviour_parameters.h"
#include "tests/support/fake_behaviour_host.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

// One row of an edition's action table: how long its actions last and
// whether a click ends them.
struct ActionEnding {
    static constexpr uint32_t kNoTimeOut = 0;
    std::vector<int32_t> actions;
    // kNoTimeOut: time alone never ends them.
    uint32_t timeoutMs;
    bool endedByClick;
};

// Checks each row's actions on fresh worlds (a BehaviourWorld started by its
// default constructor): started at begun, an action still plays after
// exactly its time-out and goes back to idle 1 ms later; a click at click
// ends it at the next tick or not at all.
template <typename World>
void ExpectActionEndings(const std::vector<ActionEnding>& rows, POINT click, uint32_t begun)
{
    using ::testing::ElementsAre;
    for (const ActionEnding& row : rows) {
        for (int32_t action : row.actions) {
            SCOPED_TRACE(action);
            World timed;
            timed.Start(action, begun);
            const bool timesOut = row.timeoutMs != ActionEnding::kNoTimeOut;
            const uint32_t last = timesOut ? begun + row.timeoutMs : begun + 10000000;
            timed.TickAt(last);
            EXPECT_EQ(timed.state.CurrentAction, action) << "not over at " << last - begun << " ms";
            if (timesOut) {
                timed.TickAt(last + 1);
                EXPECT_EQ(timed.state.CurrentAction, 0);
                EXPECT_EQ(timed.state.ActionClock, last + 1);
                EXPECT_THAT(timed.host.Changes(), ElementsAre(Armed(0)));
            }

            World clicked;
            clicked.Start(action, begun);
            clicked.ClickAt(click.x, click.y);
            clicked.TickAt(begun + 1);
            EXPECT_EQ(clicked.state.CurrentAction, row.endedByClick ? 0 : action) << "after a click";
            EXPECT_THAT(clicked.host.drawRequests, ::testing::IsEmpty()) << "a click draws nothing outside idle";
        }
    }
}

// One idle pick: the draws the host gives, the action they start and the
// draw requests they take.
struct IdlePick {
    std::vector<int32_t> draws;
    int32_t action;
    std::vector<std::string> requests;
};

// Each pick on a fresh world started at begun: nothing is drawn at exactly
// the idle time-out; 1 ms later the draws start the action with both the
// idle slot and the action's restarted armed, no timer change and the
// window where it was.
template <typename World>
void ExpectIdlePicks(const std::vector<IdlePick>& picks, uint32_t idleTimeoutMs, uint32_t begun)
{
    using ::testing::ElementsAre;
    for (const IdlePick& pick : picks) {
        SCOPED_TRACE(testing::Message() << "first draw " << pick.draws.front() << ", gives " << pick.action);
        World world;
        const POINT window{world.state.WindowX, world.state.WindowY};
        world.host.draws.assign(pick.draws.begin(), pick.draws.end());
        world.TickAt(begun + idleTimeoutMs);
        EXPECT_THAT(world.host.drawRequests, ::testing::IsEmpty());
        EXPECT_EQ(world.state.CurrentAction, 0);

        world.TickAt(begun + idleTimeoutMs + 1);
        EXPECT_EQ(world.host.drawRequests, pick.requests);
        EXPECT_EQ(world.state.CurrentAction, pick.action);
        EXPECT_EQ(world.state.ActionClock, begun + idleTimeoutMs + 1);
        EXPECT_THAT(world.host.Changes(), ElementsAre(Armed(0), Armed(pick.action)));
        EXPECT_EQ(world.state.WindowX, window.x);
        EXPECT_EQ(world.state.WindowY, window.y);
    }
}

// A click while idle that starts a reaction but does not count toward the
// third: where it lands, the pair's draw it is given, the reaction it starts
// and how long that lasts.
struct UncountedClick {
    POINT at;
    int32_t draw;
    int32_t action;
    uint32_t lastsMs;
};

// Every third counted click from idle, on a fresh world started at begun.
// Clicks at counted give reactions.first (draw 50) or reactions.second (draw
// 49), each over after reactionMs; a click during a reaction neither ends it
// nor counts, and the uncounted clicks do not count either. The third
// counted click draws the pair all the same, plays third and sets the count
// back to 0; a click ends third, uncounted and drawing nothing, and the
// count starts over.
template <typename World>
void ExpectEveryThirdClick(POINT counted, ActionPair reactions, uint32_t reactionMs,
                           const std::vector<UncountedClick>& uncounted, int32_t third, uint32_t begun)
{
    using ::testing::ElementsAre;
    World world;
    uint32_t now = begun;
    const auto click = [&](POINT at, int32_t draw) {
        world.host.draws = {draw};
        world.host.drawRequests.clear();
        world.host.events.clear();
        world.ClickAndTick(at, now += 10);
    };
    const auto backToIdle = [&](uint32_t lastsMs) {
        world.TickAt(now += lastsMs + 1);
        EXPECT_EQ(world.state.CurrentAction, 0) << "over after " << lastsMs << " ms";
    };

    click(counted, 50);
    EXPECT_EQ(world.state.CurrentAction, reactions.first);
    EXPECT_EQ(world.state.ClickCount, 1);
    click(counted, 0);
    EXPECT_EQ(world.state.CurrentAction, reactions.first) << "a click does not end the reaction";
    EXPECT_EQ(world.state.ClickCount, 1) << "nor is it counted";
    backToIdle(reactionMs);

    for (const UncountedClick& other : uncounted) {
        SCOPED_TRACE(testing::Message() << "a click at (" << other.at.x << ", " << other.at.y << ")");
        click(other.at, other.draw);
        EXPECT_EQ(world.state.CurrentAction, other.action);
        EXPECT_EQ(world.state.ClickCount, 1) << "is not counted";
        backToIdle(other.lastsMs);
    }

    click(counted, 49);
    EXPECT_EQ(world.state.CurrentAction, reactions.second);
    EXPECT_EQ(world.state.ClickCount, 2);
    backToIdle(reactionMs);

    click(counted, 50);
    EXPECT_EQ(world.state.CurrentAction, third);
    EXPECT_EQ(world.state.ClickCount, 0);
    EXPECT_THAT(world.host.drawRequests, ElementsAre(kPairDraw)) << "the pair is drawn all the same";
    EXPECT_THAT(world.host.Changes(), ElementsAre(Armed(0), Armed(third)));

    click(counted, 0);
    EXPECT_EQ(world.state.CurrentAction, 0) << "a click ends " << third;
    EXPECT_EQ(world.state.ClickCount, 0) << "and is not counted";
    EXPECT_THAT(world.host.drawRequests, ::testing::IsEmpty());
    click(counted, 49);
    EXPECT_EQ(world.state.CurrentAction, reactions.second) << "the count starts over";
    EXPECT_EQ(world.state.ClickCount, 1);
}

// New mail announced by PickOneOfTwo(mail), on fresh worlds started at begun
// (idle picks off) whose mailbox holds the same mail at every check: no
// check before more than periodMs, then draw 50 gives mail.first and 49
// mail.second; the next check, a period later, finds nothing new.
template <typename World>
void ExpectNewMailPicksOneOfTwo(ActionPair mail, uint32_t periodMs, uint32_t begun)
{
    using ::testing::ElementsAre;
    for (const auto& [draw, action] : {std::pair{50, mail.first}, std::pair{49, mail.second}}) {
        SCOPED_TRACE(draw);
        World world;
        world.NoIdlePicks();
        world.host.settings.mailCheckOn = true;
        world.host.mailboxes = {{3, 1000}, {3, 1000}};
        world.host.draws = {draw};
        world.TickAt(begun + periodMs);
        EXPECT_EQ(world.host.mailChecks, 0) << "not before more than a period";
        world.TickAt(begun + periodMs + 1);
        EXPECT_EQ(world.state.CurrentAction, action);
        EXPECT_THAT(world.host.drawRequests, ElementsAre(kPairDraw));
        world.Start(0, begun + periodMs + 2);
        world.TickAt(begun + 2 * periodMs + 2);
        EXPECT_EQ(world.host.mailChecks, 2);
        EXPECT_EQ(world.state.CurrentAction, 0) << "the same mailbox is not announced again";
    }
}

// An action that ends after timeoutMs or at a click into PickOneOfTwo(pair):
// started at begun, on fresh worlds, each end with each draw. A click is
// made at click.
template <typename World>
void ExpectEndsIntoAPick(int32_t action, uint32_t timeoutMs, ActionPair pair, POINT click, uint32_t begun)
{
    using ::testing::ElementsAre;
    struct Case {
        bool byClick;
        int32_t draw;
        int32_t next;
    };
    const Case cases[] = {{false, 50, pair.first}, {false, 49, pair.second}, {true, 99, pair.first}, {true, 0, pair.second}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << action << " by " << (c.byClick ? "click" : "time-out") << ", draw " << c.draw);
        World world;
        world.Start(action, begun);
        world.host.draws = {c.draw};
        uint32_t end = begun + 10;
        if (c.byClick) {
            world.ClickAt(click.x, click.y);
        } else {
            world.TickAt(begun + timeoutMs);
            ASSERT_EQ(world.state.CurrentAction, action);
            end = begun + timeoutMs + 1;
        }
        world.TickAt(end);
        EXPECT_EQ(world.state.CurrentAction, c.next);
        EXPECT_EQ(world.state.ActionClock, end);
        EXPECT_THAT(world.host.drawRequests, ElementsAre(kPairDraw));
        EXPECT_THAT(world.host.Changes(), ElementsAre(Armed(c.next)));
    }
}

// The hour chime of an edition whose chime for hour h is chimeBase + h % 12:
// on fresh worlds (made at 9:00, idle picks off) it starts over each of the
// actions playing at the first tick of a new hour.
template <typename World>
void ExpectHourChimes(int32_t chimeBase, const std::vector<int32_t>& playing, uint32_t begun)
{
    using ::testing::ElementsAre;
    for (const uint16_t hour : {0, 11, 12, 23, 10}) {
        const int32_t chime = chimeBase + hour % 12;
        for (int32_t action : playing) {
            SCOPED_TRACE(testing::Message() << "hour " << hour << " over " << action);
            World world;
            world.NoIdlePicks();
            world.Start(action, begun);
            world.host.local.wHour = hour;
            world.TickAt(begun + 10);
            EXPECT_EQ(world.state.CurrentAction, chime);
            EXPECT_EQ(world.state.LastLocalTime.wHour, hour);
            EXPECT_THAT(world.host.Changes(), ElementsAre(Armed(chime)));
        }
    }
}
