#include "editions/sorlun/sorlun_edition.h"

#include "app/shell_state.h"

namespace {

// The actions (= slots) and what starts and ends them.
constexpr int32_t kIdle = 0;
constexpr ActionRange kIdlePick = kSorlunIdlePick;
// 3 follows 2 only: an idle draw of 3 is drawn again.
constexpr int32_t kFollowUpLead = 2;
constexpr int32_t kFollowUp = 3;
// An idle draw of 4 plays 4 or 29.
constexpr ActionPair kFourOrTwentyNine = {4, 29};
constexpr int32_t kRightUpperReaction = 6;
constexpr ActionPair kRightLowerReactions = {7, 28};
constexpr ActionPair kLeftUpperReactions = {8, 9};
constexpr ActionPair kLeftLowerReactions = {10, 11};
// Every third click on the left lower area while idle plays this instead.
constexpr int32_t kThirdClick = 12;
constexpr int32_t kClicksPerThirdClick = 3;
constexpr int32_t kChimeBase = 13;
constexpr int32_t kAlarm = 25;
constexpr ActionPair kMailActions = {26, 27};

constexpr uint32_t kReactionMs = 5000;

int32_t IdleDraw(BehaviourEngine& engine)
{
    int32_t draw = kFollowUp;
    while (draw == kFollowUp)
        draw = engine.Host().Draw(kIdlePicker, kIdlePick.first, kIdlePick.last);
    if (draw == kFourOrTwentyNine.first)
        draw = engine.PickOneOfTwo(kFourOrTwentyNine);
    return draw;
}

void IdleStep(BehaviourEngine& engine)
{
    ShellState& state = engine.State();
    if (engine.TimeElapsed(state.ActionClock, engine.Parameters().idleTimeoutMs))
        state.CurrentAction = IdleDraw(engine);
    // A click replaces an idle pick of the same tick; the areas are tried
    // right before left, upper before lower.
    if (state.Clicked) {
        const int32_t x = state.ClickPoint.x;
        const int32_t y = state.ClickPoint.y;
        if (kSorlunRightUpper.Contains(x, y)) {
            state.CurrentAction = kRightUpperReaction;
        } else if (kSorlunRightLower.Contains(x, y)) {
            state.CurrentAction = engine.PickOneOfTwo(kRightLowerReactions);
        } else if (kSorlunLeftUpper.Contains(x, y)) {
            state.CurrentAction = engine.PickOneOfTwo(kLeftUpperReactions);
        } else if (kSorlunLeftLower.Contains(x, y)) {
            state.CurrentAction =
                engine.CountThirdClick(engine.PickOneOfTwo(kLeftLowerReactions), kThirdClick, kClicksPerThirdClick);
        }
    }
    engine.StartPickedAction();
}

} // namespace

void SorlunActionTick(BehaviourEngine& engine)
{
    ShellState& state = engine.State();
    const bool ranThrough = engine.PlayCurrentSlot();

    switch (state.CurrentAction) {
    case kIdle:
        IdleStep(engine);
        break;
    case 1:
    case kThirdClick:
        if (ranThrough || state.Clicked)
            engine.SetAction(kIdle);
        break;
    case kFollowUpLead:
        if (engine.ActionTimedOutOrClicked())
            engine.SetAction(engine.PickOneOfTwo({kIdle, kFollowUp}));
        break;
    case kFollowUp:
    case 4:
    case 5:
    case 26:
    case 27:
    case 29:
        if (engine.ActionTimedOutOrClicked())
            engine.SetAction(kIdle);
        break;
    case 6:
    case 7:
    case 8:
    case 9:
    case 10:
    case 11:
    case 28:
        // A click does not end a reaction.
        engine.EndActionAfter(kReactionMs);
        break;
    case kAlarm:
        if (state.Clicked)
            engine.SetAction(kIdle);
        break;
    default: // the hour chime, 13 to 24
        engine.EndHourChime();
        break;
    }

    const SYSTEMTIME now = engine.Host().LocalTime();
    if (engine.HourChimeDue(now))
        engine.SetAction(kChimeBase + now.wHour % 12);
    if (engine.AlarmDue(now))
        engine.SetAction(kAlarm);
    if (engine.NewMailDue())
        engine.SetAction(engine.PickOneOfTwo(kMailActions));

    state.Clicked = false;
}
