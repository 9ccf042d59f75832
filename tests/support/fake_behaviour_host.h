#pragma once

#include "app/behaviour_engine.h"
#include "app/behaviour_host.h"
#include "app/behaviour_parameters.h"
#include "app/shell_state.h"

#include <windows.h>

#include <cstdint>
#include <deque>
#include <functional>
#include <limits>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

// The program around a behaviour engine, set by the test and recording every
// effect as a line of text in order. Its clock starts at 1000.
class FakeBehaviourHost : public BehaviourHost {
public:
    uint32_t now = 1000;
    SYSTEMTIME local{};
    POINT cursor{};
    int32_t screenWidth = 1024;
    BehaviourSettings settings{};
    // Draws handed out in order; once they run out, each draw comes from
    // drawSource, or gives its range's minimum when that is unset.
    std::deque<int32_t> draws;
    std::function<int32_t(int32_t picker, int32_t min, int32_t max)> drawSource;
    std::vector<std::string> drawRequests;
    // Mailboxes (count, size) the checks find in order; then 0.
    std::deque<std::pair<int32_t, int32_t>> mailboxes;
    int mailChecks = 0;
    // Slots whose animation runs through at their next advance.
    std::set<int32_t> slotsRunningThrough;
    // Where each slot's playback stands; when unset, the first frame of an
    // animation of several, with no time passed.
    std::map<int32_t, SlotPlayback> playback;
    std::vector<std::string> events;

    uint32_t Milliseconds() override { return now; }
    SYSTEMTIME LocalTime() override { return local; }
    POINT CursorPosition() override { return cursor; }
    int32_t Draw(int32_t picker, int32_t min, int32_t max) override
    {
        drawRequests.push_back(Text("picker", picker) + Text(" from", min) + Text(" to", max));
        if (draws.empty())
            return drawSource ? drawSource(picker, min, max) : min;
        const int32_t value = draws.front();
        draws.pop_front();
        return value;
    }
    int32_t CheckMail(int32_t& size) override
    {
        ++mailChecks;
        if (mailboxes.empty())
            return 0;
        const auto mailbox = mailboxes.front();
        mailboxes.pop_front();
        size = mailbox.second;
        return mailbox.first;
    }
    BehaviourSettings Settings() override { return settings; }
    void MarkAlarmFired() override { settings.alarmFired = true; }
    void UpdateSlot(int32_t slot) override { events.push_back(Text("update", slot)); }
    bool AdvanceSlot(int32_t slot) override
    {
        events.push_back(Text("advance", slot));
        return slotsRunningThrough.count(slot) != 0;
    }
    void RestartSlot(int32_t slot, bool rearm) override
    {
        events.push_back(Text("restart", slot) + (rearm ? " armed" : " quiet"));
    }
    SlotPlayback Playback(int32_t slot) override
    {
        const auto found = playback.find(slot);
        return found != playback.end() ? found->second : SlotPlayback{0, 0, 4, false};
    }
    int32_t ScreenWidth() override { return screenWidth; }
    void DebugText(const char* text) override { events.push_back(std::string("debug ") + text); }
    void SetTimerPeriod(uint32_t ms) override { events.push_back(Text("timer", static_cast<int64_t>(ms))); }
    void ShowWindow() override { events.push_back("show"); }
    void PostMailError(uint32_t code) override { events.push_back(Text("mail error", code)); }

    // The events that start or end an animation or change the timer.
    std::vector<std::string> Changes() const
    {
        std::vector<std::string> changes;
        for (const std::string& event : events) {
            if (event.rfind("restart", 0) == 0 || event.rfind("timer", 0) == 0)
                changes.push_back(event);
        }
        return changes;
    }

    static std::string Text(const char* what, int64_t value) { return std::string(what) + " " + std::to_string(value); }
};

// An engine ticking by one edition's behaviour on a fake host, with the
// The draw request of PickOneOfTwo, as the fake host records it.
inline constexpr char kPairDraw[] = "picker 1 from 0 to 99";

// The change a restart of that slot with its sounds armed records.
inline std::string Armed(int32_t action)
{
    return "restart " + std::to_string(action) + " armed";
}

// parameters copied so that a test may change them.
struct BehaviourWorld {
    ShellState state;
    FakeBehaviourHost host;
    BehaviourParameters parameters;
    BehaviourEngine engine{state, host, parameters};

    explicit BehaviourWorld(const BehaviourParameters& edition) : parameters(edition) {}
    BehaviourWorld(const BehaviourWorld&) = delete;
    BehaviourWorld& operator=(const BehaviourWorld&) = delete;

    void TickAt(uint32_t now)
    {
        host.now = now;
        engine.ActionTick();
    }
    void ClickAt(int32_t x, int32_t y)
    {
        state.ClickPoint = POINT{x, y};
        state.Clicked = true;
    }
    void ClickAndTick(int32_t x, int32_t y, uint32_t now)
    {
        ClickAt(x, y);
        TickAt(now);
    }
    void ClickAndTick(POINT at, uint32_t now) { ClickAndTick(at.x, at.y, now); }
    // For tests of other rules: the idle time-out never passes.
    void NoIdlePicks() { parameters.idleTimeoutMs = std::numeric_limits<uint32_t>::max(); }
    // Starts an action as the engine does, then forgets what that recorded.
    void Start(int32_t action, uint32_t now)
    {
        host.now = now;
        engine.SetAction(action);
        host.events.clear();
    }
};
