#pragma once

#include <cstdint>
#include <ctime>

class BehaviourEngine;

// One timer tick of the behaviour. An edition with rules of its own puts its
// tick here and builds it from the steps BehaviourEngine offers.
using ActionTickFunction = void (*)(BehaviourEngine&);

// The seed of a random picker, taken when the picker is first used.
using PickerSeedFunction = uint32_t (*)();

inline uint32_t SeedFromTime()
{
    return static_cast<uint32_t>(std::time(nullptr));
}

// A run of action numbers, both ends included.
struct ActionRange {
    int32_t first;
    int32_t last;
    bool Contains(int32_t action) const { return first <= action && action <= last; }
};

// Two actions of which PickOneOfTwo chooses one.
struct ActionPair {
    int32_t first;
    int32_t second;
    bool Contains(int32_t action) const { return action == first || action == second; }
};

// A part of the character that reacts to a click, in window coordinates;
// right and bottom lie outside it.
struct ClickArea {
    int32_t left;
    int32_t top;
    int32_t right;
    int32_t bottom;
    ActionPair reactions;
    bool Contains(int32_t x, int32_t y) const { return left <= x && x < right && top <= y && y < bottom; }
};

// What the character does, and when. The defaults are the reference
// edition's values.
struct BehaviourParameters {
    // The character's centre relative to the window's top-left corner (half
    // the 508 x 448 character area). At start-up the window's corner is the
    // desktop centre minus this.
    int32_t originOffsetX = 254;
    int32_t originOffsetY = 224;

    // After this long idle, an action is drawn from idlePick.
    uint32_t idleTimeoutMs = 30000;
    ActionRange idlePick{1, 6};

    // The walk toward the cursor: the action with the cursor on the left,
    // the one with it on the right; the timer period and the step length
    // while walking.
    ActionPair walkActions{3, 4};
    uint32_t walkTimerMs = 30;
    int32_t walkStep = 10;

    ClickArea clickAreaA{196, 97, 317, 192, {7, 8}};
    ClickArea clickAreaB{196, 193, 317, 226, {9, 10}};

    // Idle animations, the walk, the hour chime and the mail announcement
    // end after actionTimeoutMs (or a click); the click reactions after
    // reactionTimeoutMs; the alarm only by a click.
    uint32_t actionTimeoutMs = 30000;
    uint32_t reactionTimeoutMs = 5000;

    // The hour chime is chimeBase + hour % 12.
    int32_t chimeBase = 11;
    ActionPair alarmActions{23, 24};
    int32_t mailAction = 25;
    // While one of these plays, neither the hour chime nor the mail poll runs.
    ActionRange blockingActions{23, 24};

    uint32_t mailPeriodMs = 60000;
    uint32_t normalTimerMs = 100;

    // Null runs the shared tick, DefaultActionTick.
    ActionTickFunction actionTick = nullptr;
    PickerSeedFunction pickerSeed = SeedFromTime;
};
