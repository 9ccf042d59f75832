#pragma once

#include "app/behaviour_parameters.h"
#include "app/shell_state.h"

#include <cstdint>

// A click area and the two actions a click there picks from.
struct ClickReaction {
    ClickRect area;
    ActionPair reactions;
};

// The rules of the reference tick, ReferenceActionTick: random idle actions,
// a walk toward the cursor, two click areas, the hour chime, a daily alarm
// and the new-mail announcement. The edition that plays by them writes its
// numbers out in a table of this kind.
struct ReferenceRules {
    // An idle time-out draws one of these.
    ActionRange idlePick;

    // The walk toward the cursor: the action with the cursor on the left,
    // the one with it on the right; the timer period and the step length
    // while walking.
    ActionPair walkActions;
    uint32_t walkTimerMs;
    int32_t walkStep;

    ClickReaction clickA;
    ClickReaction clickB;
    // The click reactions end after this (a click does not end them).
    uint32_t reactionTimeoutMs;

    // The hour chime is chimeBase + hour % 12.
    int32_t chimeBase;
    // The alarm ends only at a click.
    ActionPair alarmActions;
    int32_t mailAction;
};

// The walk action that faces the cursor: the cursor right of the
// character's centre walks right.
int32_t CursorSideAction(BehaviourEngine& engine, const ReferenceRules& rules);
// Moves the window one walk step toward the cursor.
void StepTowardCursor(BehaviourEngine& engine, const ReferenceRules& rules);

// One tick by the reference rules.
void ReferenceActionTick(BehaviourEngine& engine, const ReferenceRules& rules);

// The timer period after the settings dialog closes, for an edition that
// walks: the walk period while a walk plays, else the normal one.
uint32_t WalkAwareDialogTimer(const ShellState& state, const BehaviourParameters& behaviour,
                              const ReferenceRules& rules);
