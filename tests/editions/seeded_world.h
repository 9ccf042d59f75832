#pragma once

#include "app/random_picker.h"
#include "tests/support/fake_behaviour_host.h"

#include <cstdint>
#include <map>
#include <set>
#include <vector>

// An edition's tick on a fake host whose draws come from real pickers, made
// as the program makes them (the edition's seed and form), recording each
// picker's values and every action played. The slots named run through at
// every tick.
struct SeededWorld : BehaviourWorld {
    PickerSet pickers;
    std::map<int32_t, std::vector<int32_t>> drawn;
    std::vector<int32_t> played;
    uint32_t now = 1000;

    SeededWorld(const BehaviourParameters& behaviour, const std::set<int32_t>& runningThrough)
        : BehaviourWorld(behaviour), pickers(behaviour.pickerSeed, behaviour.pickerForm)
    {
        host.local.wHour = 9;
        host.drawSource = [this](int32_t picker, int32_t min, int32_t max) {
            const int32_t value = pickers.Draw(picker, min, max);
            drawn[picker].push_back(value);
            return value;
        };
        host.slotsRunningThrough = runningThrough;
        engine.StartUp();
    }

    void Tick(uint32_t after)
    {
        TickAt(now += after);
        if (played.empty() || played.back() != state.CurrentAction)
            played.push_back(state.CurrentAction);
    }
    // Every action but the idle one ends within this.
    void BackToIdle()
    {
        while (state.CurrentAction != 0)
            Tick(30001);
    }
    int32_t NextIdlePick()
    {
        BackToIdle();
        Tick(30001);
        return state.CurrentAction;
    }
    void Click(int32_t x, int32_t y)
    {
        BackToIdle();
        ClickAt(x, y);
        Tick(10);
    }
    // The next count idle picks.
    std::vector<int32_t> IdlePicks(size_t count)
    {
        std::vector<int32_t> picks;
        while (picks.size() < count)
            picks.push_back(NextIdlePick());
        return picks;
    }
};
