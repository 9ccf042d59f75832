#pragma once

#include "app/behaviour_engine.h"
#include "app/edition.h"

#include <cstdint>

// Pelmo: 29 actions, a three-way pick on the upper body and a window jump at
// every third click on the lower body; no walk.
const EditionParameters& PelmoEdition();

// The parts of Pelmo that react to a click while he idles, and the idle
// actions a time-out draws from (4 only after 3).
inline constexpr ClickRect kPelmoClickA = {160, 128, 272, 218};
inline constexpr ClickRect kPelmoClickB = {160, 219, 270, 265};
inline constexpr ActionRange kPelmoIdlePick = {1, 5};

// The edition's pickers, after the shared ones.
constexpr int32_t kPickOneOfThreePicker = kFirstEditionPicker;
constexpr int32_t kJumpPicker = kFirstEditionPicker + 1;

// A draw of 0..99: more than 66 gives 6, less than 34 gives 8, else 7.
int32_t PickOneOfThree(BehaviourEngine& engine);

// One tick by Pelmo's rules.
void PelmoActionTick(BehaviourEngine& engine);
