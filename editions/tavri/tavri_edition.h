#pragma once

#include "app/behaviour_engine.h"
#include "app/edition.h"

#include <cstdint>

// Tavri: 40 actions, a walk to the left or the right at a click on the
// lower body, two sets of hour chimes and four alarms.
const EditionParameters& TavriEdition();

// The parts of Tavri that react to a click while she idles, and the idle
// actions a time-out draws from.
inline constexpr ClickRect kTavriClickA = {168, 96, 280, 191};
inline constexpr ClickRect kTavriClickB = {214, 192, 257, 239};
inline constexpr ActionRange kTavriIdlePick = {1, 5};

// The walks a click on B starts.
inline constexpr int32_t kTavriWalkLeft = 8;
inline constexpr int32_t kTavriWalkRight = 9;
// The timer period while she walks.
inline constexpr uint32_t kTavriWalkTimerMs = 10;

// The edition's picker, after the shared ones.
constexpr int32_t kPickOneOfFourPicker = kFirstEditionPicker;

// The alarm: a draw of 0..99, more than 75 gives 34, more than 50 gives 35,
// less than 26 gives 37, else 36.
int32_t PickOneOfFour(BehaviourEngine& engine);

// One tick by Tavri's rules.
void TavriActionTick(BehaviourEngine& engine);
