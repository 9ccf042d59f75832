#pragma once

#include "app/edition.h"
#include "app/settings_record.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

// The byte layout of setting.dat: a block of random filler with the window
// position and the settings laid over it at fixed offsets, little-endian.
// Only the offsets of the three strings differ between editions.
constexpr size_t kSettingsFileSize = 512000;

// Where one string lies: its int32 length word, then at most room bytes.
struct SettingsStringPlace {
    size_t lengthOffset;
    size_t room;
};

struct SettingsStringPlaces {
    SettingsStringPlace server;
    SettingsStringPlace user;
    SettingsStringPlace password;
};

// Each string's room runs from its data to the next length word or the end
// of the file, in the order the edition's offsets come in.
SettingsStringPlaces PlaceSettingsStrings(const SettingsStringOffsets& offsets);

// One filler byte per call, drawn for every byte of the block in file order
// before the fields are laid over it; only the low 8 bits are used.
using SettingsFiller = std::function<int()>;

// The whole file image. A string longer than its room is cut to the room at
// a character boundary (code page 932), so it never reaches the next field.
std::vector<uint8_t> EncodeSettings(const SettingsRecord& record, int32_t windowX, int32_t windowY,
                                    const SettingsStringOffsets& offsets, const SettingsFiller& filler);

// Takes the window position and the stored fields from a file image into
// record (path stays). A block shorter than the file gives only the fixed
// fields that lie wholly inside it; the others keep their values. A string
// whose length lies outside its room, or whose bytes are not all inside
// the block, loads as "".
void DecodeSettings(const uint8_t* data, size_t size, const SettingsStringOffsets& offsets,
                    SettingsRecord& record, int32_t& windowX, int32_t& windowY);
