#include "editions/pelmo/pelmo_edition.h"

#include "app/shell_state.h"

namespace {

// The actions (= slots) and what starts and ends them.
constexpr int32_t kIdle = 0;
constexpr ActionRange kIdlePick = kPelmoIdlePick;
// 4 follows 3 only: an idle draw of 4 is drawn again.
constexpr int32_t kFollowUpLead = 3;
constexpr int32_t kFollowUp = 4;
constexpr ClickRect kClickA = kPelmoClickA;
constexpr ClickRect kClickB = kPelmoClickB;
constexpr ActionPair kClickBReactions = {9, 10};
// Every third click on B while idle jumps instead.
constexpr int32_t kJump = 11;
constexpr int32_t kClicksPerJump = 3;
// On every tick that shows this frame of the jump, the window moves by a
// draw in -kJumpReach..kJumpReach on each axis.
constexpr int32_t kJumpFrame = 1;
constexpr int32_t kJumpReach = 100;
constexpr int32_t kChimeBase = 12;
constexpr ActionPair kAlarmActions = {24, 25};
constexpr ActionPair kMailActions = {27, 28};

constexpr uint32_t kReactionA6Ms = 8000;
constexpr uint32_t kReactionA7Ms = 5000;
constexpr uint32_t kReactionA8Ms = 7000;
constexpr uint32_t kReactionBMs = 5000;

void IdleStep(BehaviourEngine& engine)
{
    ShellState& state = engine.State();
    BehaviourHost& host = engine.Host();
    if (engine.TimeElapsed(state.ActionClock, engine.Parameters().idleTimeoutMs)) {
        int32_t draw = kFollowUp;
        while (draw == kFollowUp)
            draw = host.Draw(kIdlePicker, kIdlePick.first, kIdlePick.last);
        state.CurrentAction = draw;
    }
    // A click replaces an idle pick of the same tick.
    if (state.Clicked) {
        const POINT click = state.ClickPoint;
        if (kClickA.Contains(click.x, click.y)) {
            state.CurrentAction = PickOneOfThree(engine);
        } else if (kClickB.Contains(click.x, click.y)) {
            state.CurrentAction = engine.CountThirdClick(engine.PickOneOfTwo(kClickBReactions), kJump, kClicksPerJump);
        }
    }
    engine.StartPickedAction();
}

// The jump moves the position every tick shows the frame at, and exit
// stores; a stored position may lie anywhere, so the sum is held at the
// int32 range.
void JumpStep(BehaviourEngine& engine, bool ranThrough)
{
    ShellState& state = engine.State();
    BehaviourHost& host = engine.Host();
    if (host.Playback(kJump).frame == kJumpFrame) {
        const int32_t dx = host.Draw(kJumpPicker, -kJumpReach, kJumpReach);
        const int32_t dy = host.Draw(kJumpPicker, -kJumpReach, kJumpReach);
        state.WindowX = ClampToInt32(int64_t{state.WindowX} + dx);
        state.WindowY = ClampToInt32(int64_t{state.WindowY} + dy);
    }
    if (ranThrough || state.Clicked)
        engine.SetAction(kIdle);
}

} // namespace

int32_t PickOneOfThree(BehaviourEngine& engine)
{
    const int32_t draw = engine.Host().Draw(kPickOneOfThreePicker, 0, 99);
    if (draw > 66)
        return 6;
    if (draw < 34)
        return 8;
    return 7;
}

void PelmoActionTick(BehaviourEngine& engine)
{
    ShellState& state = engine.State();
    const bool ranThrough = engine.PlayCurrentSlot();

    switch (state.CurrentAction) {
    case kIdle:
        IdleStep(engine);
        break;
    case 1:
    case 2:
    case 5:
    case 27:
    case 28:
        if (engine.ActionTimedOutOrClicked())
            engine.SetAction(kIdle);
        break;
    case kFollowUpLead:
        if (engine.ActionTimedOutOrClicked())
            engine.SetAction(engine.PickOneOfTwo({kIdle, kFollowUp}));
        break;
    case kFollowUp:
        if (ranThrough || state.Clicked)
            engine.SetAction(kIdle);
        break;
    case 6:
        engine.EndActionAfter(kReactionA6Ms);
        break;
    case 7:
        engine.EndActionAfter(kReactionA7Ms);
        break;
    case 8:
        engine.EndActionAfter(kReactionA8Ms);
        break;
    case 9:
    case 10:
        engine.EndActionAfter(kReactionBMs);
        break;
    case kJump:
        JumpStep(engine, ranThrough);
        break;
    case 24:
    case 25:
        if (state.Clicked)
            engine.SetAction(kIdle);
        break;
    default: // the hour chime (12 to 23), and 26, which nothing starts
        break;
    }

    engine.EndHourChime();
    const SYSTEMTIME now = engine.Host().LocalTime();
    if (engine.HourChimeDue(now))
        engine.SetAction(kChimeBase + now.wHour % 12);
    if (engine.AlarmDue(now))
        engine.SetAction(engine.PickOneOfTwo(kAlarmActions));
    if (engine.NewMailDue())
        engine.SetAction(engine.PickOneOfTwo(kMailActions));

    state.Clicked = false;
}
