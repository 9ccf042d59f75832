#pragma once

#include "tools/demo_character/figure.h"
#include "tools/demo_character/voices.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The plans of a character's actions: for every frame the poses of its
// figures, the picture beneath them, the voice and the duration.

// The picture drawn beneath the figures in a frame.
enum class Backdrop { None, Shadow, SmallShadow, Clock };

struct FramePlan {
    // One pose per figure of the character, left to right; a figure without
    // one stands in the default pose.
    std::vector<Pose> poses;
    Backdrop backdrop = Backdrop::None;
    Voice voice = Voice::None;
    uint32_t ms = 300;
    // The index of an earlier frame whose pictures this one repeats; its own
    // poses and backdrop are then unused.
    int sameAs = -1;
};

struct SlotPlan {
    std::vector<FramePlan> frames;
    // Voices only when every voice is wanted: the idle chatter.
    bool voiceFlag = false;
    // The hour the clock backdrop shows (0 .. 11).
    int clockHour = 0;
};

// The index of the frame whose pictures frame index of slot shows: itself,
// or the earlier frame it repeats. False, with the reason in error, when it
// repeats one that comes after it.
bool PictureOwner(const SlotPlan& plan, int slot, size_t index, size_t& owner, std::string& error);

FramePlan Frame(Pose pose, Backdrop backdrop, uint32_t ms, Voice voice = Voice::None);
FramePlan Again(int frame, uint32_t ms);
// The plan marked as idle chatter (its voices only when every voice is
// wanted).
SlotPlan Chatter(SlotPlan plan);

// Actions any one-figure character can play. Props float at places in
// figure units, so they follow the figure's placement.

// Standing idle: blinks and glances that keep the figure's outline, as a
// character at rest keeps its own.
SlotPlan Idle();
SlotPlan Hum();
SlotPlan Wave();
// A walk cycle facing one side.
SlotPlan Walk(Facing facing);
SlotPlan Hop();
SlotPlan LookAround();
// Reactions to a click on the head and the body.
SlotPlan Ouch();
SlotPlan Shy();
SlotPlan Tickle();
SlotPlan Surprise();
SlotPlan Pout();
// The stretch and yawn that leads to a doze.
SlotPlan Yawn();
SlotPlan Doze();
// A leap with its crouch, flight and landing: frame 1 is the flight.
SlotPlan Leap();
// The hour chime beside the clock showing the hour, and the twelve of them
// (hours 0 .. 11) appended to slots.
SlotPlan Chime(int hour);
void AddHourChimes(std::vector<SlotPlan>& slots);
// The alarm.
SlotPlan RingBell();
SlotPlan CoverEars();
// New mail: the letter arrives and is opened, or is read.
SlotPlan Mail();
SlotPlan ReadLetter();
