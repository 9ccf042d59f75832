#include "app/animation_frames.h"
#include "app/program.h"
#include "app/shell.h"
#include "editions/ivrel/ivrel_edition.h"
#include "editions/ivrel/ivrel_frames.h"

#include <cstdint>
#include <iterator>
#include <string>

namespace {

// Slots 0 .. 9 are named by the table's pattern with their number.
constexpr int32_t kNumberedSlots = 10;
// Slots 10 .. 21, the hour chimes, and their voices.
constexpr int32_t kFirstChime = 10;
constexpr int32_t kChimeCount = 12;
constexpr char kChimeScript[] = "ivrel08_%d.ttp";  // with slot - 10
constexpr char kVoicePattern[] = "ivrel%02d.wav";
constexpr int32_t kChimeVoiceFirst = 4; // slot - 6
// Slots 22 .. 24 are named one by one.
constexpr const char* kNamedScripts[] = {"ivrel06_0.ttp", "ivrel08_x.ttp", "ivrel01_0.ttp"};
constexpr int32_t kFirstNamed = 22;
constexpr int32_t kNamedCount = static_cast<int32_t>(std::size(kNamedScripts));

struct SlotVoice {
    int32_t slot;
    int32_t voice;
    uint8_t flag;
};
// The voices of the other slots, in the order they are attached.
constexpr SlotVoice kLateVoices[] = {{8, 2, 0},   {23, 3, 0},  {1, 16, 1}, {24, 17, 1}, {2, 18, 1},
                                     {6, 21, 0},  {22, 20, 0}, {7, 22, 0}, {5, 23, 0},  {4, 24, 1}};

void Load(CharacterLoader& loader, std::vector<CharacterSlot>& slots, int32_t slot)
{
    if (slot >= 0 && static_cast<size_t>(slot) < slots.size())
        loader.LoadSlotScript(slots[static_cast<size_t>(slot)], IvrelSlotTable(slot).script);
}

void Attach(CharacterLoader& loader, std::vector<CharacterSlot>& slots, int32_t slot)
{
    const IvrelSlotEntries entries = IvrelSlotTable(slot);
    if (!entries.voice.empty() && slot >= 0 && static_cast<size_t>(slot) < slots.size())
        AttachVoice(loader, slots[static_cast<size_t>(slot)], entries.voice, entries.voiceFlag);
}

} // namespace

// The names are patterns formatted with a number, as the program's own
// scripts are (ScriptName).
IvrelSlotEntries IvrelSlotTable(int32_t slot)
{
    IvrelSlotEntries entries{"", "", 0};
    if (slot >= 0 && slot < kNumberedSlots)
        entries.script = ScriptName(IvrelEdition().shell.scriptPattern, slot);
    else if (slot >= kFirstChime && slot < kFirstChime + kChimeCount)
        entries.script = ScriptName(kChimeScript, slot - kFirstChime);
    else if (slot >= kFirstNamed && slot < kFirstNamed + kNamedCount)
        entries.script = kNamedScripts[slot - kFirstNamed];

    if (slot >= kFirstChime && slot < kFirstChime + kChimeCount)
        entries.voice = ScriptName(kVoicePattern, kChimeVoiceFirst + slot - kFirstChime);
    for (const SlotVoice& late : kLateVoices) {
        if (late.slot == slot) {
            entries.voice = ScriptName(kVoicePattern, late.voice);
            entries.voiceFlag = late.flag;
        }
    }
    return entries;
}

void LoadIvrelSlots(CharacterLoader& loader, std::vector<CharacterSlot>& slots)
{
    for (int32_t slot = 0; slot < kNumberedSlots; ++slot)
        Load(loader, slots, slot);
    for (int32_t slot = kFirstChime; slot < kFirstChime + kChimeCount; ++slot) {
        Load(loader, slots, slot);
        Attach(loader, slots, slot);
    }
    for (int32_t slot = kFirstNamed; slot < kFirstNamed + kNamedCount; ++slot)
        Load(loader, slots, slot);
    for (const SlotVoice& late : kLateVoices)
        Attach(loader, slots, late.slot);
}

void IvrelStartUp()
{
    CharacterLoader loader(Edition().shell.archiveName, kMostLoadedBytes, kIvrelCharacterForm);
    LoadIvrelSlots(loader, Slots);
    AddMenuAndTrayIcon();
    Engine.StartTimer();
    Engine.StampClocks();
    LoadStoredSettings();
}
