#pragma once

#include "app/behaviour_engine.h"
#include "app/edition.h"

#include <cstdint>

// Pelmo: 29 actions, a three-way pick on the upper body and a window jump at
// every third click on the lower body; no walk.
const EditionParameters& PelmoEdition();

// The edition's pickers, after the shared ones.
constexpr int32_t kPickOneOfThreePicker = kFirstEditionPicker;
constexpr int32_t kJumpPicker = kFirstEditionPicker + 1;

// A draw of 0..99: more than 66 gives 6, less than 34 gives 8, else 7.
int32_t PickOneOfThree(BehaviourEngine& engine);

// One tick by Pelmo's rules.
void PelmoActionTick(BehaviourEngine& engine);
