#include "app/behaviour_engine.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

ActionRange ChimeActions(const BehaviourParameters& parameters)
{
    return {parameters.chimeBase, parameters.chimeBase + 11};
}

// The idle animations and the mail announcement, which end after the
// action time-out or at a click.
bool EndsByTimeOutOrClick(const BehaviourParameters& parameters, int32_t action)
{
    return (parameters.idlePick.Contains(action) && !parameters.walkActions.Contains(action)) ||
           action == parameters.mailAction;
}

// The i686 build may keep floats in wider x87 registers; storing through a
// volatile rounds each result to single precision, so both builds walk the
// same steps.
float Single(float value)
{
    volatile float rounded = value;
    return rounded;
}

// The step along the shorter distance: step scaled by shorter / longer,
// truncated, at least 1.
int64_t ScaledStep(float shorter, float longer, int32_t step)
{
    const float scaled = Single(Single(shorter / longer) * static_cast<float>(step));
    return std::max<int64_t>(1, static_cast<int64_t>(std::trunc(scaled)));
}

// One coordinate of the new centre: step from centre toward target without
// passing it.
int64_t StepToward(int64_t centre, int64_t target, int64_t step)
{
    return centre < target ? std::min(centre + step, target) : std::max(centre - step, target);
}

} // namespace

BehaviourEngine::BehaviourEngine(ShellState& state, BehaviourHost& host, const BehaviourParameters& parameters)
    : state_(state), host_(host), parameters_(parameters)
{
}

void BehaviourEngine::StartUp()
{
    host_.SetTimerPeriod(parameters_.normalTimerMs);
    host_.RestartSlot(0, true);
    state_.ActionClock = host_.Milliseconds();
    state_.MailClock = host_.Milliseconds();
    state_.LastLocalTime = host_.LocalTime();
}

void BehaviourEngine::ActionTick()
{
    const ActionTickFunction tick = parameters_.actionTick ? parameters_.actionTick : DefaultActionTick;
    tick(*this);
}

bool BehaviourEngine::PlayCurrentSlot()
{
    const int32_t slot = state_.CurrentAction;
    host_.UpdateSlot(slot);
    const bool ranThrough = host_.AdvanceSlot(slot);
    if (ranThrough)
        host_.RestartSlot(slot, false);
    if (state_.ShowPending) {
        state_.ShowPending = false;
        host_.ShowWindow();
    }
    return ranThrough;
}

void BehaviourEngine::SetAction(int32_t action)
{
    state_.ActionClock = host_.Milliseconds();
    state_.CurrentAction = action;
    host_.RestartSlot(action, true);
}

bool BehaviourEngine::TimeElapsed(uint32_t stamp, uint32_t milliseconds)
{
    if (stamp == 0)
        return false;
    return static_cast<uint32_t>(host_.Milliseconds() - stamp) > milliseconds;
}

int32_t BehaviourEngine::PickOneOfTwo(ActionPair pair)
{
    return host_.Draw(kPairPicker, 0, 99) >= 50 ? pair.first : pair.second;
}

int32_t BehaviourEngine::CursorSideAction()
{
    const int64_t centreX = int64_t{state_.WindowX} + parameters_.originOffsetX;
    return host_.CursorPosition().x > centreX ? parameters_.walkActions.second : parameters_.walkActions.first;
}

void BehaviourEngine::StepTowardCursor()
{
    const POINT cursor = host_.CursorPosition();
    const int64_t centreX = int64_t{state_.WindowX} + parameters_.originOffsetX;
    const int64_t centreY = int64_t{state_.WindowY} + parameters_.originOffsetY;
    const float distanceX = Single(static_cast<float>(std::abs(cursor.x - centreX)));
    const float distanceY = Single(static_cast<float>(std::abs(cursor.y - centreY)));
    if (distanceX == 0 && distanceY == 0)
        return;
    const int32_t step = parameters_.walkStep;
    int64_t stepX = step;
    int64_t stepY = step;
    if (distanceY < distanceX)
        stepY = ScaledStep(distanceY, distanceX, step);
    else
        stepX = ScaledStep(distanceX, distanceY, step);
    state_.WindowX = ClampToInt32(StepToward(centreX, cursor.x, stepX) - parameters_.originOffsetX);
    state_.WindowY = ClampToInt32(StepToward(centreY, cursor.y, stepY) - parameters_.originOffsetY);
}

void BehaviourEngine::IdleStep()
{
    if (TimeElapsed(state_.ActionClock, parameters_.idleTimeoutMs)) {
        const int32_t draw = host_.Draw(kIdlePicker, parameters_.idlePick.first, parameters_.idlePick.last);
        state_.CurrentAction = draw;
        if (parameters_.walkActions.Contains(draw)) {
            state_.CurrentAction = CursorSideAction();
            state_.ActionClock = host_.Milliseconds();
            host_.SetTimerPeriod(parameters_.walkTimerMs);
            state_.WalkStart = POINT{state_.WindowX, state_.WindowY};
        }
    }
    // A click replaces an idle pick of the same tick. A walk picked in that
    // tick keeps its timer and start point all the same.
    if (state_.Clicked) {
        const POINT click = state_.ClickPoint;
        if (parameters_.clickAreaA.Contains(click.x, click.y))
            state_.CurrentAction = PickOneOfTwo(parameters_.clickAreaA.reactions);
        else if (parameters_.clickAreaB.Contains(click.x, click.y))
            state_.CurrentAction = PickOneOfTwo(parameters_.clickAreaB.reactions);
    }
    if (state_.CurrentAction != 0) {
        host_.RestartSlot(0, true);
        state_.ActionClock = host_.Milliseconds();
        host_.RestartSlot(state_.CurrentAction, true);
    }
}

void BehaviourEngine::WalkStep()
{
    StepTowardCursor();
    // The animation follows the cursor's side without starting over.
    state_.CurrentAction = CursorSideAction();
    if (state_.Clicked || TimeElapsed(state_.ActionClock, parameters_.actionTimeoutMs)) {
        SetAction(0);
        host_.SetTimerPeriod(parameters_.normalTimerMs);
        state_.WindowX = state_.WalkStart.x;
        state_.WindowY = state_.WalkStart.y;
    }
}

void BehaviourEngine::EndHourChime()
{
    if (!ChimeActions(parameters_).Contains(state_.CurrentAction))
        return;
    if (TimeElapsed(state_.ActionClock, parameters_.actionTimeoutMs) || state_.Clicked)
        SetAction(0);
}

bool BehaviourEngine::HourChimeDue(const SYSTEMTIME& now)
{
    if (now.wHour == state_.LastLocalTime.wHour || parameters_.blockingActions.Contains(state_.CurrentAction))
        return false;
    state_.LastLocalTime = now;
    return true;
}

bool BehaviourEngine::AlarmDue(const SYSTEMTIME& now)
{
    const BehaviourSettings settings = host_.Settings();
    if (!settings.alarmOn || settings.alarmFired || now.wHour != settings.alarmHour ||
        now.wMinute != settings.alarmMinute)
        return false;
    host_.MarkAlarmFired();
    return true;
}

bool BehaviourEngine::NewMailDue()
{
    if (!TimeElapsed(state_.MailClock, parameters_.mailPeriodMs) ||
        parameters_.blockingActions.Contains(state_.CurrentAction))
        return false;
    bool changed = false;
    const BehaviourSettings settings = host_.Settings();
    if (settings.mailCheckOn) {
        int32_t size = 0;
        const int32_t count = host_.CheckMail(size);
        if (count < 0 && settings.reportConnectionErrors)
            host_.PostMailError(static_cast<uint32_t>(-int64_t{count}));
        if (count > 0 && (count != state_.LastMailCount || size != state_.LastMailSize)) {
            state_.LastMailCount = count;
            state_.LastMailSize = size;
            changed = true;
        }
    }
    // Moved also when the check is off, so switching it on gives the first
    // check within one period.
    state_.MailClock = host_.Milliseconds();
    return changed;
}

void DefaultActionTick(BehaviourEngine& engine)
{
    ShellState& state = engine.State();
    const BehaviourParameters& parameters = engine.Parameters();

    engine.PlayCurrentSlot();

    const int32_t action = state.CurrentAction;
    if (action == 0) {
        engine.IdleStep();
    } else if (parameters.walkActions.Contains(action)) {
        engine.WalkStep();
    } else if (parameters.clickAreaA.reactions.Contains(action) ||
               parameters.clickAreaB.reactions.Contains(action)) {
        if (engine.TimeElapsed(state.ActionClock, parameters.reactionTimeoutMs))
            engine.SetAction(0);
    } else if (parameters.alarmActions.Contains(action)) {
        if (state.Clicked)
            engine.SetAction(0);
    } else if (EndsByTimeOutOrClick(parameters, action)) {
        if (engine.TimeElapsed(state.ActionClock, parameters.actionTimeoutMs) || state.Clicked)
            engine.SetAction(0);
    }

    engine.EndHourChime();
    const SYSTEMTIME now = engine.Host().LocalTime();
    if (engine.HourChimeDue(now))
        engine.SetAction(parameters.chimeBase + now.wHour % 12);
    if (engine.AlarmDue(now))
        engine.SetAction(engine.PickOneOfTwo(parameters.alarmActions));
    if (engine.NewMailDue())
        engine.SetAction(parameters.mailAction);

    state.Clicked = false;
}
