#pragma once

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
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
                EXPECT_THAT(timed.host.Changes(), ElementsAre("restart 0 armed"));
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
