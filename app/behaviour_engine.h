#pragma once

#include "app/behaviour_host.h"
#include "app/behaviour_parameters.h"
#include "app/shell_state.h"

#include <windows.h>

#include <cstdint>

// The pickers of the shared steps; an edition with more pickers numbers its
// own from kFirstEditionPicker on.
constexpr int32_t kIdlePicker = 0;
constexpr int32_t kPairPicker = 1;
constexpr int32_t kFirstEditionPicker = 2;

// Decides once per timer tick which animation the character plays. The tick
// itself is the edition's (BehaviourParameters::actionTick); this class
// holds the steps every edition's tick is made of.
class BehaviourEngine {
public:
    BehaviourEngine(ShellState& state, BehaviourHost& host);
    // An engine that ticks by these parameters at once.
    BehaviourEngine(ShellState& state, BehaviourHost& host, const BehaviourParameters& parameters);

    // The edition's parameters, from now on; they must outlive the engine.
    void Adopt(const BehaviourParameters& parameters) { parameters_ = &parameters; }

    ShellState& State() { return state_; }
    BehaviourHost& Host() { return host_; }
    const BehaviourParameters& Parameters() const { return *parameters_; }

    // The behaviour's part of start-up: StartTimer, the idle animation from
    // its start, StampClocks.
    void StartUp();
    // Timer 1 at the normal period.
    void StartTimer();
    // Both clocks stamped now, and the hour noted so that the chime waits
    // for the next one.
    void StampClocks();
    // One tick of the edition's rules; nothing before parameters are
    // adopted.
    void ActionTick();

    // Shows the current action's frame and moves its animation on; a
    // finished pass starts again from the first frame without re-arming the
    // voices, so a looping animation speaks once per action. Shows the window
    // on the first tick. True when the animation ran through on this tick.
    bool PlayCurrentSlot();
    // Starts an action: its stamp on the action clock, its slot from the
    // start with the voices armed.
    void SetAction(int32_t action);
    // The start of an action that the idle rules picked into CurrentAction,
    // if they picked one: the idle animation is restarted armed beneath it,
    // then the action's slot.
    void StartPickedAction();
    // Whether more than milliseconds have passed since the stamp (unsigned
    // 32-bit difference). A stamp of 0 counts as a clock not started where
    // the edition says so.
    bool TimeElapsed(uint32_t stamp, uint32_t milliseconds);
    // A draw of 50 or more in 0..99 gives the pair's first action.
    int32_t PickOneOfTwo(ActionPair pair);

    // The action a click in an area picks, counted with the other clicks
    // there (ShellState::ClickCount): every third one gives thirdAction
    // instead, and the count starts again.
    int32_t CountThirdClick(int32_t picked, int32_t thirdAction, int32_t clicksPerThird);

    // Back to idle once the current action has played for more than
    // milliseconds; a click does not end it.
    void EndActionAfter(uint32_t milliseconds);
    // Whether the current action has played for more than the action
    // time-out, or the user clicked.
    bool ActionTimedOutOrClicked();

    // Back to idle when the hour chime has played long enough or was
    // clicked.
    void EndHourChime();
    // True when the local hour has changed since the last chime and no
    // blocking action plays; notes the new time.
    bool HourChimeDue(const SYSTEMTIME& now);
    // True once per stored alarm time, when the alarm is on and now is its
    // hour and minute; marks the alarm fired.
    bool AlarmDue(const SYSTEMTIME& now);
    // The mail poll of each mail period while no blocking action plays:
    // reports failures when asked to and is true when the mailbox differs
    // from the one last announced.
    bool NewMailDue();

private:
    ShellState& state_;
    BehaviourHost& host_;
    const BehaviourParameters* parameters_ = nullptr;
};
