#pragma once

#include "app/behaviour_host.h"
#include "app/behaviour_parameters.h"
#include "app/shell_state.h"

#include <windows.h>

#include <cstdint>

// The pickers of the shared tick; an edition with more pickers numbers its
// own after these.
constexpr int32_t kIdlePicker = 0;
constexpr int32_t kPairPicker = 1;

// Decides once per timer tick which animation the character plays. The tick
// itself is the edition's (BehaviourParameters::actionTick, by default
// DefaultActionTick); this class holds the steps every tick is made of.
class BehaviourEngine {
public:
    BehaviourEngine(ShellState& state, BehaviourHost& host, const BehaviourParameters& parameters);

    ShellState& State() { return state_; }
    BehaviourHost& Host() { return host_; }
    const BehaviourParameters& Parameters() const { return parameters_; }

    // The behaviour's part of start-up: the normal timer period, the idle
    // animation from its start, both clocks stamped, the hour noted so that
    // the chime waits for the next one.
    void StartUp();
    // One tick of the edition's rules.
    void ActionTick();

    // Shows the current action's frame and moves its animation on; a
    // finished pass starts again from the first frame without re-arming the
    // voices, so a looping animation speaks once per action. Shows the window
    // on the first tick. True when the animation ran through on this tick.
    bool PlayCurrentSlot();
    void SetAction(int32_t action);
    // False for a stamp of 0 (a clock not started); otherwise whether more
    // than milliseconds have passed since it.
    bool TimeElapsed(uint32_t stamp, uint32_t milliseconds);
    // A draw of 50 or more in 0..99 gives the pair's first action.
    int32_t PickOneOfTwo(ActionPair pair);
    // The walk action that faces the cursor.
    int32_t CursorSideAction();
    // Moves the window one walk step toward the cursor.
    void StepTowardCursor();

    // Rules of the shared tick, usable by an edition's own tick.
    void IdleStep();
    void WalkStep();
    void EndHourChime();
    // True when the local hour has changed since the last chime and no
    // blocking action plays; notes the new time.
    bool HourChimeDue(const SYSTEMTIME& now);
    // True once per stored alarm time, when the alarm is on and now is its
    // hour and minute; marks the alarm fired.
    bool AlarmDue(const SYSTEMTIME& now);
    // The mail poll of each mail period: reports failures when asked to and
    // is true when the mailbox differs from the one last announced.
    bool NewMailDue();

private:
    ShellState& state_;
    BehaviourHost& host_;
    const BehaviourParameters& parameters_;
};

// The shared tick (the reference edition's rules).
void DefaultActionTick(BehaviourEngine& engine);
