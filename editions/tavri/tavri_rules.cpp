#include "editions/tavri/tavri_edition.h"

#include "app/shell_state.h"

#include <cstdint>
#include <cstdio>

namespace {

// The actions (= slots) and what starts and ends them.
constexpr int32_t kIdle = 0;
constexpr ActionRange kIdlePick = kTavriIdlePick;
constexpr ClickRect kClickA = kTavriClickA;
constexpr ClickRect kClickB = kTavriClickB;
constexpr ActionPair kClickAReactions = {6, 7};
constexpr uint32_t kReactionAMs = 5000;
constexpr ActionPair kWalks = {kTavriWalkLeft, kTavriWalkRight};
// Near the left edge of the screen she always walks right; within this of
// the right edge, always left.
constexpr int32_t kLeftEdgeRoom = 100;
constexpr int32_t kRightEdgeRoom = 500;
// On the walk's first frame the window glides 4/5 of a pixel per
// millisecond of the frame; from its second frame on it stands this far
// from where the walk began.
constexpr int32_t kStrideLength = 200;
// The two sets of hour chimes: the pair's draw picks the set.
constexpr int32_t kChimeBase = 10;
constexpr ActionPair kChimeSets = {0, 12};
constexpr ActionRange kAlarmActions = {34, 37};
constexpr ActionPair kMailActions = {38, 39};

// Where the walk stands: left or right of the walk start by offset, held at
// the int32 range (the start comes from setting.dat and may lie anywhere).
int32_t WalkX(int32_t startX, int32_t action, int64_t offset)
{
    return ClampToInt32(int64_t{startX} + (action == kTavriWalkLeft ? -offset : offset));
}

// The walk the window's place asks for, or either one.
int32_t WalkFrom(BehaviourEngine& engine, int32_t x)
{
    if (x < kLeftEdgeRoom)
        return kTavriWalkRight;
    if (int64_t{x} > int64_t{engine.Host().ScreenWidth()} - kRightEdgeRoom)
        return kTavriWalkLeft;
    return engine.PickOneOfTwo(kWalks);
}

void StartWalk(BehaviourEngine& engine)
{
    ShellState& state = engine.State();
    BehaviourHost& host = engine.Host();
    state.WalkStart = POINT{state.WindowX, state.WindowY};
    state.CurrentAction = WalkFrom(engine, state.WindowX);
    char text[16];
    std::snprintf(text, sizeof text, "%d\n", static_cast<int>(state.WindowX));
    host.DebugText(text);
    host.SetTimerPeriod(kTavriWalkTimerMs);
}

void IdleStep(BehaviourEngine& engine)
{
    ShellState& state = engine.State();
    if (engine.TimeElapsed(state.ActionClock, engine.Parameters().idleTimeoutMs))
        state.CurrentAction = engine.Host().Draw(kIdlePicker, kIdlePick.first, kIdlePick.last);
    // A click replaces an idle pick of the same tick.
    if (state.Clicked) {
        const POINT click = state.ClickPoint;
        if (kClickA.Contains(click.x, click.y))
            state.CurrentAction = engine.PickOneOfTwo(kClickAReactions);
        else if (kClickB.Contains(click.x, click.y))
            StartWalk(engine);
    }
    engine.StartPickedAction();
}

// A walk ends once its animation has played through. An animation of one
// frame never wraps, and one without frames never moves at all: the first
// has played once when its frame's time is up, the second at once.
// Otherwise such a walk would never end by itself, since clicks do not end
// it: only a chime, an alarm or mail would replace it.
bool WalkPlayedThrough(bool ranThrough, const SlotPlayback& playback)
{
    return ranThrough || playback.frameCount == 0 || (playback.frameCount == 1 && playback.frameTimeUp);
}

void WalkStep(BehaviourEngine& engine, bool ranThrough)
{
    ShellState& state = engine.State();
    BehaviourHost& host = engine.Host();
    const int32_t action = state.CurrentAction;
    const SlotPlayback playback = host.Playback(action);
    if (WalkPlayedThrough(ranThrough, playback)) {
        // The window stays where the walk left it.
        host.SetTimerPeriod(engine.Parameters().normalTimerMs);
        engine.SetAction(kIdle);
        return;
    }
    // In 64 bits: four times a 32-bit time does not fit 32 bits.
    if (playback.frame == 0)
        state.WindowX = WalkX(state.WalkStart.x, action, int64_t{playback.elapsed} * 4 / 5);
    else if (playback.frame == 1)
        state.WindowX = WalkX(state.WalkStart.x, action, kStrideLength);
}

} // namespace

int32_t PickOneOfFour(BehaviourEngine& engine)
{
    const int32_t draw = engine.Host().Draw(kPickOneOfFourPicker, 0, 99);
    if (draw > 75)
        return 34;
    if (draw > 50)
        return 35;
    if (draw < 26)
        return 37;
    return 36;
}

void TavriActionTick(BehaviourEngine& engine)
{
    ShellState& state = engine.State();
    const bool ranThrough = engine.PlayCurrentSlot();

    const int32_t action = state.CurrentAction;
    if (action == kIdle) {
        IdleStep(engine);
    } else if (kIdlePick.Contains(action) || kMailActions.Contains(action)) {
        if (engine.ActionTimedOutOrClicked())
            engine.SetAction(kIdle);
    } else if (kClickAReactions.Contains(action)) {
        engine.EndActionAfter(kReactionAMs);
    } else if (kWalks.Contains(action)) {
        WalkStep(engine, ranThrough);
    } else if (kAlarmActions.Contains(action)) {
        if (state.Clicked)
            engine.SetAction(kIdle);
    }
    // The hour chimes (10 to 33) end below.

    engine.EndHourChime();
    const SYSTEMTIME now = engine.Host().LocalTime();
    if (engine.HourChimeDue(now)) {
        const int32_t set = engine.PickOneOfTwo(kChimeSets);
        engine.SetAction(set + kChimeBase + now.wHour % 12);
    }
    if (engine.AlarmDue(now))
        engine.SetAction(PickOneOfFour(engine));
    if (engine.NewMailDue())
        engine.SetAction(engine.PickOneOfTwo(kMailActions));

    state.Clicked = false;
}
