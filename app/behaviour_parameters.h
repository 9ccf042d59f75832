#pragma once

#include <cstdint>

class BehaviourEngine;

// One timer tick of the behaviour: the edition's rules, built from the
// steps BehaviourEngine offers.
using ActionTickFunction = void (*)(BehaviourEngine&);

// The seed of a random picker, taken when the picker is first used.
using PickerSeedFunction = uint32_t (*)();

// The runtime's clock as a seed: a new sequence on every run.
uint32_t SeedFromTime();
// mt19937's own default seed: the same sequence on every run.
uint32_t FixedDefaultSeed();

// How a program holds its random pickers. Both draw alike for one seed;
// they differ in what a picker is made of.
enum class PickerForm {
    // Copies of a picker share its generator (RandomPicker).
    SharedGenerator,
    // Each picker is a plain record of its own, built in place at its first
    // draw and never shared (PlainPicker).
    PlainRecord,
};

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
struct ClickRect {
    int32_t left;
    int32_t top;
    int32_t right;
    int32_t bottom;
    bool Contains(int32_t x, int32_t y) const { return left <= x && x < right && top <= y && y < bottom; }
};

// What every edition's behaviour is made of: the steps the editions share
// read these, and the edition's own tick does the rest with rules of its
// own. Each edition writes the whole table out.
struct BehaviourParameters {
    // The character's centre relative to the window's top-left corner (half
    // the character's area). At start-up the window's corner is the desktop
    // centre minus this.
    int32_t originOffsetX;
    int32_t originOffsetY;

    // After this long idle, an idle action is drawn.
    uint32_t idleTimeoutMs;
    // The hour chime (and the edition's longer actions) end after this, or
    // at a click.
    uint32_t actionTimeoutMs;
    // The actions of the hour chime.
    ActionRange chimeActions;
    // While one of these plays (the alarm), neither the hour chime nor the
    // mail poll runs.
    ActionRange blockingActions;

    uint32_t mailPeriodMs;
    uint32_t normalTimerMs;

    // Whether a clock stamp of 0 means a clock not started yet, so that no
    // time has passed since it; otherwise 0 is a stamp like any other.
    bool zeroStampMeansNotStarted;

    ActionTickFunction actionTick;
    PickerSeedFunction pickerSeed;
    PickerForm pickerForm;
};
