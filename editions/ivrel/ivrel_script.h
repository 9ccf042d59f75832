#pragma once

#include "app/animation_slot.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Ivrel's scripts are of an older form than the numbered ones: no version,
// no canvas size, and each frame says where the window stands relative to
// the character's base position instead of where its pictures go.

// One frame record as stored.
struct IvrelScriptFrame {
    // Without ".bmz"; empty: no picture.
    std::string imageName;
    // The whole entry name of the frame's voice; empty: none.
    std::string soundName;
    // The picture that stands left of the image, without ".bmz"; empty: the
    // entry "null.bmz" stands in its place.
    std::string maskName;
    uint32_t durationMs = 0;
    // The image's left edge relative to the base x, and the window's top
    // relative to the base y.
    int32_t offsetX = 0;
    int32_t offsetY = 0;
};

struct IvrelScript {
    // The first word of the entry, which nothing reads.
    int32_t unused = 0;
    std::vector<IvrelScriptFrame> frames;
};

// The mask entry of a frame whose record names none.
extern const char kIvrelNoMaskName[];

// Reads a script entry (already unpacked), all integers 32-bit signed
// little-endian: one word not read, the frame count, then the records,
// each three counted strings (image, sound, mask) and the duration, offset
// x and offset y. Bytes after the records are ignored.
//
// False, leaving script unchanged, when the count is negative, larger than
// kMostScriptFrames or than the bytes left hold records (24 bytes the
// shortest), or when a string or record would read past the entry.
bool ParseIvrelScript(const uint8_t* data, size_t size, IvrelScript& script);

// The entry bytes of a script, as ParseIvrelScript reads them.
std::vector<uint8_t> EncodeIvrelScript(const IvrelScript& script);

// The loader's reader of Ivrel's scripts (CharacterForm): the slot's frames
// in script order with their entry names (".bmz" after the picture names,
// kIvrelNoMaskName for a missing mask, the sound's name as it stands), the
// offsets, and each frame that repeats an earlier one's pictures an alias
// of it. The slot's playback place and clock stay as they were. A script
// that cannot be read leaves the slot untouched and gives false.
bool ReadIvrelScript(const uint8_t* data, size_t size, AnimationSlot& slot);
