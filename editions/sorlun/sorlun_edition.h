#pragma once

#include "app/behaviour_engine.h"
#include "app/edition.h"

// Sorlun: two characters side by side, ソルビ on the left and ルネット on
// the right; 30 actions, four click areas and a reaction to every third
// click on ソルビ's lower body; no walk.
const EditionParameters& SorlunEdition();

// The parts of the two characters that react to a click while they idle,
// tested in this order. The left and right areas meet at x = 260, which
// belongs to the right ones.
inline constexpr ClickRect kSorlunRightUpper = {260, 115, 385, 200};
inline constexpr ClickRect kSorlunRightLower = {260, 200, 385, 245};
inline constexpr ClickRect kSorlunLeftUpper = {145, 116, 260, 200};
inline constexpr ClickRect kSorlunLeftLower = {145, 200, 260, 245};
// The idle actions a time-out draws from (3 only after 2; a 4 may become
// 29).
inline constexpr ActionRange kSorlunIdlePick = {1, 5};

// One tick by Sorlun's rules.
void SorlunActionTick(BehaviourEngine& engine);
