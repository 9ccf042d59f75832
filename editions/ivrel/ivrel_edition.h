#pragma once

#include "app/behaviour_engine.h"
#include "app/edition.h"

#include <cstdint>
#include <string>
#include <vector>

class CharacterLoader;
struct CharacterSlot;

// Ivrel, the oldest edition: 25 actions from a fixed table of named scripts
// with voices attached after loading, scripts and frames of an older form
// placed from a base position (ivrel_frames.h), clicks told apart by their
// height alone, and no walk.
const EditionParameters& IvrelEdition();

// The parts of Ivrel a click reacts to while he idles: rows of the window
// (a press's client y), both ends included; x plays no part.
struct ClickBand {
    int32_t top;
    int32_t bottom;
    bool Contains(int32_t y) const { return top <= y && y <= bottom; }
};
inline constexpr ClickBand kIvrelUpperBand = {0, 114};
inline constexpr ClickBand kIvrelLowerBand = {116, 164};
// The idle actions a time-out draws from; a 1 is then drawn again as 1 or
// its other form, 24.
inline constexpr ActionRange kIvrelIdlePick = {1, 4};
// The action of every third click in the lower band; its window stands
// centred on the screen's height.
constexpr int32_t kIvrelCentredSlot = 7;

// One tick by Ivrel's rules.
void IvrelActionTick(BehaviourEngine& engine);

// The archive entries of one slot of Ivrel's table: its script, and the
// voice attached to its first frame (empty for none) with its flag.
struct IvrelSlotEntries {
    std::string script;
    std::string voice;
    uint8_t voiceFlag;
};
IvrelSlotEntries IvrelSlotTable(int32_t slot);

// Loads the slots of Ivrel's table from the loader's archive and attaches
// their voices, in the order the program always has (which decides what a
// spent byte budget leaves out). A missing script leaves its slot empty and
// without voice; a voice that cannot be loaded changes nothing.
void LoadIvrelSlots(CharacterLoader& loader, std::vector<CharacterSlot>& slots);

// Ivrel's start-up: its table's slots, the menu and tray icon, the timer and
// clocks, the stored settings. No slot is restarted: the idle animation
// starts from its first frame with the voices pending as loaded.
void IvrelStartUp();
