#include "app/shell_state.h"
#include "editions/ivrel/ivrel_edition.h"

namespace {

// The actions (= slots) and what starts and ends them.
constexpr int32_t kIdle = 0;
// An idle draw of 1 is one of two forms of the same animation.
constexpr int32_t kTwoFormed = 1;
constexpr ActionPair kTwoForms = {1, 24};
constexpr int32_t kUpperReaction = 5;
constexpr ActionPair kLowerReactions = {6, 22};
// Every third lower click while idle plays this instead; it ends when its
// animation has run through.
constexpr int32_t kThirdClickReaction = kIvrelCentredSlot;
constexpr int32_t kClicksPerThird = 3;
constexpr int32_t kChimeBase = 10;
constexpr ActionPair kAlarmActions = {8, 23};
constexpr int32_t kMailAction = 9;

constexpr uint32_t kReactionMs = 5000;

void IdleStep(BehaviourEngine& engine)
{
    ShellState& state = engine.State();
    if (engine.TimeElapsed(state.ActionClock, engine.Parameters().idleTimeoutMs)) {
        state.CurrentAction = engine.Host().Draw(kIdlePicker, kIvrelIdlePick.first, kIvrelIdlePick.last);
        if (state.CurrentAction == kTwoFormed)
            state.CurrentAction = engine.PickOneOfTwo(kTwoForms);
    }
    // A click replaces an idle pick of the same tick. Only the height of
    // the press tells the parts apart.
    if (state.Clicked) {
        const int32_t y = state.ClickPoint.y;
        if (kIvrelUpperBand.Contains(y)) {
            state.CurrentAction = kUpperReaction;
        } else if (kIvrelLowerBand.Contains(y)) {
            // Drawn even when the third click replaces it.
            state.CurrentAction =
                engine.CountThirdClick(engine.PickOneOfTwo(kLowerReactions), kThirdClickReaction, kClicksPerThird);
        }
    }
    engine.StartPickedAction();
}

} // namespace

void IvrelActionTick(BehaviourEngine& engine)
{
    ShellState& state = engine.State();
    const bool ranThrough = engine.PlayCurrentSlot();

    switch (state.CurrentAction) {
    case kIdle:
        IdleStep(engine);
        break;
    case 1:
    case 2:
    case 3:
    case 4:
    case 24:
    case kMailAction:
        if (engine.ActionTimedOutOrClicked())
            engine.SetAction(kIdle);
        break;
    case kUpperReaction:
    case 6:
    case 22:
        engine.EndActionAfter(kReactionMs);
        break;
    case kThirdClickReaction:
        if (ranThrough || state.Clicked)
            engine.SetAction(kIdle);
        break;
    case 8:
    case 23:
        if (state.Clicked)
            engine.SetAction(kIdle);
        break;
    default: // the hour chime (10 to 21)
        break;
    }

    engine.EndHourChime();
    const SYSTEMTIME now = engine.Host().LocalTime();
    if (engine.HourChimeDue(now))
        engine.SetAction(kChimeBase + now.wHour % 12);
    if (engine.AlarmDue(now))
        engine.SetAction(engine.PickOneOfTwo(kAlarmActions));
    if (engine.NewMailDue())
        engine.SetAction(kMailAction);

    state.Clicked = false;
}
