#include "app/behaviour_engine.h"

#include <cstdint>
#include <ctime>

uint32_t SeedFromTime()
{
    return static_cast<uint32_t>(std::time(nullptr));
}

uint32_t FixedDefaultSeed()
{
    return 5489;
}

BehaviourEngine::BehaviourEngine(ShellState& state, BehaviourHost& host) : state_(state), host_(host)
{
}

BehaviourEngine::BehaviourEngine(ShellState& state, BehaviourHost& host, const BehaviourParameters& parameters)
    : state_(state), host_(host), parameters_(&parameters)
{
}

void BehaviourEngine::StartUp()
{
    StartTimer();
    host_.RestartSlot(0, true);
    StampClocks();
}

void BehaviourEngine::StartTimer()
{
    host_.SetTimerPeriod(parameters_->normalTimerMs);
}

void BehaviourEngine::StampClocks()
{
    state_.ActionClock = host_.Milliseconds();
    state_.MailClock = host_.Milliseconds();
    state_.LastLocalTime = host_.LocalTime();
}

void BehaviourEngine::ActionTick()
{
    if (parameters_ != nullptr && parameters_->actionTick != nullptr)
        parameters_->actionTick(*this);
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

void BehaviourEngine::StartPickedAction()
{
    if (state_.CurrentAction == 0)
        return;
    host_.RestartSlot(0, true);
    state_.ActionClock = host_.Milliseconds();
    host_.RestartSlot(state_.CurrentAction, true);
}

bool BehaviourEngine::TimeElapsed(uint32_t stamp, uint32_t milliseconds)
{
    if (stamp == 0 && parameters_->zeroStampMeansNotStarted)
        return false;
    return static_cast<uint32_t>(host_.Milliseconds() - stamp) > milliseconds;
}

int32_t BehaviourEngine::PickOneOfTwo(ActionPair pair)
{
    return host_.Draw(kPairPicker, 0, 99) >= 50 ? pair.first : pair.second;
}

int32_t BehaviourEngine::CountThirdClick(int32_t picked, int32_t thirdAction, int32_t clicksPerThird)
{
    if (++state_.ClickCount < clicksPerThird)
        return picked;
    state_.ClickCount = 0;
    return thirdAction;
}

void BehaviourEngine::EndActionAfter(uint32_t milliseconds)
{
    if (TimeElapsed(state_.ActionClock, milliseconds))
        SetAction(0);
}

bool BehaviourEngine::ActionTimedOutOrClicked()
{
    return TimeElapsed(state_.ActionClock, parameters_->actionTimeoutMs) || state_.Clicked;
}

void BehaviourEngine::EndHourChime()
{
    if (!parameters_->chimeActions.Contains(state_.CurrentAction))
        return;
    if (ActionTimedOutOrClicked())
        SetAction(0);
}

bool BehaviourEngine::HourChimeDue(const SYSTEMTIME& now)
{
    if (now.wHour == state_.LastLocalTime.wHour || parameters_->blockingActions.Contains(state_.CurrentAction))
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
    if (!TimeElapsed(state_.MailClock, parameters_->mailPeriodMs) ||
        parameters_->blockingActions.Contains(state_.CurrentAction))
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
