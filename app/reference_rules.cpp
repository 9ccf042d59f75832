#include "app/reference_rules.h"

#include "app/behaviour_engine.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

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

void IdleStep(BehaviourEngine& engine, const ReferenceRules& rules)
{
    ShellState& state = engine.State();
    BehaviourHost& host = engine.Host();
    if (engine.TimeElapsed(state.ActionClock, engine.Parameters().idleTimeoutMs)) {
        const int32_t draw = host.Draw(kIdlePicker, rules.idlePick.first, rules.idlePick.last);
        state.CurrentAction = draw;
        if (rules.walkActions.Contains(draw)) {
            state.CurrentAction = CursorSideAction(engine, rules);
            state.ActionClock = host.Milliseconds();
            host.SetTimerPeriod(rules.walkTimerMs);
            state.WalkStart = POINT{state.WindowX, state.WindowY};
        }
    }
    // A click replaces an idle pick of the same tick. A walk picked in that
    // tick keeps its timer and start point all the same.
    if (state.Clicked) {
        const POINT click = state.ClickPoint;
        if (rules.clickA.area.Contains(click.x, click.y))
            state.CurrentAction = engine.PickOneOfTwo(rules.clickA.reactions);
        else if (rules.clickB.area.Contains(click.x, click.y))
            state.CurrentAction = engine.PickOneOfTwo(rules.clickB.reactions);
    }
    engine.StartPickedAction();
}

void WalkStep(BehaviourEngine& engine, const ReferenceRules& rules)
{
    ShellState& state = engine.State();
    StepTowardCursor(engine, rules);
    // The animation follows the cursor's side without starting over.
    state.CurrentAction = CursorSideAction(engine, rules);
    if (state.Clicked || engine.TimeElapsed(state.ActionClock, engine.Parameters().actionTimeoutMs)) {
        engine.SetAction(0);
        engine.Host().SetTimerPeriod(engine.Parameters().normalTimerMs);
        state.WindowX = state.WalkStart.x;
        state.WindowY = state.WalkStart.y;
    }
}

// The idle animations and the mail announcement, which end after the
// action time-out or at a click.
bool EndsByTimeOutOrClick(const ReferenceRules& rules, int32_t action)
{
    return (rules.idlePick.Contains(action) && !rules.walkActions.Contains(action)) || action == rules.mailAction;
}

} // namespace

int32_t CursorSideAction(BehaviourEngine& engine, const ReferenceRules& rules)
{
    const int64_t centreX = int64_t{engine.State().WindowX} + engine.Parameters().originOffsetX;
    return engine.Host().CursorPosition().x > centreX ? rules.walkActions.second : rules.walkActions.first;
}

void StepTowardCursor(BehaviourEngine& engine, const ReferenceRules& rules)
{
    ShellState& state = engine.State();
    const BehaviourParameters& parameters = engine.Parameters();
    const POINT cursor = engine.Host().CursorPosition();
    const int64_t centreX = int64_t{state.WindowX} + parameters.originOffsetX;
    const int64_t centreY = int64_t{state.WindowY} + parameters.originOffsetY;
    const float distanceX = Single(static_cast<float>(std::abs(cursor.x - centreX)));
    const float distanceY = Single(static_cast<float>(std::abs(cursor.y - centreY)));
    if (distanceX == 0 && distanceY == 0)
        return;
    const int32_t step = rules.walkStep;
    int64_t stepX = step;
    int64_t stepY = step;
    if (distanceY < distanceX)
        stepY = ScaledStep(distanceY, distanceX, step);
    else
        stepX = ScaledStep(distanceX, distanceY, step);
    state.WindowX = ClampToInt32(StepToward(centreX, cursor.x, stepX) - parameters.originOffsetX);
    state.WindowY = ClampToInt32(StepToward(centreY, cursor.y, stepY) - parameters.originOffsetY);
}

void ReferenceActionTick(BehaviourEngine& engine, const ReferenceRules& rules)
{
    ShellState& state = engine.State();

    engine.PlayCurrentSlot();

    const int32_t action = state.CurrentAction;
    if (action == 0) {
        IdleStep(engine, rules);
    } else if (rules.walkActions.Contains(action)) {
        WalkStep(engine, rules);
    } else if (rules.clickA.reactions.Contains(action) || rules.clickB.reactions.Contains(action)) {
        engine.EndActionAfter(rules.reactionTimeoutMs);
    } else if (rules.alarmActions.Contains(action)) {
        if (state.Clicked)
            engine.SetAction(0);
    } else if (EndsByTimeOutOrClick(rules, action)) {
        if (engine.ActionTimedOutOrClicked())
            engine.SetAction(0);
    }

    engine.EndHourChime();
    const SYSTEMTIME now = engine.Host().LocalTime();
    if (engine.HourChimeDue(now))
        engine.SetAction(rules.chimeBase + now.wHour % 12);
    if (engine.AlarmDue(now))
        engine.SetAction(engine.PickOneOfTwo(rules.alarmActions));
    if (engine.NewMailDue())
        engine.SetAction(rules.mailAction);

    state.Clicked = false;
}

uint32_t WalkAwareDialogTimer(const ShellState& state, const BehaviourParameters& behaviour,
                              const ReferenceRules& rules)
{
    return rules.walkActions.Contains(state.CurrentAction) ? rules.walkTimerMs : behaviour.normalTimerMs;
}
