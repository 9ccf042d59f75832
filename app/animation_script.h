#pragma once

#include "base/util/byte_reader.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// One frame record of a ".ttp" animation script, as stored: names without
// their extensions, empty where the record has none.
struct ScriptFrame {
    std::string imageName;
    std::string soundName;
    // The picture drawn beneath the image.
    std::string maskName;
    uint32_t durationMs = 0;
    int32_t maskX = 0;
    int32_t maskY = 0;
    // Stored from version 2 on; 0 in version 1 scripts.
    int32_t imageX = 0;
    int32_t imageY = 0;
};

// A whole animation script: the canvas size of every frame, the frames in
// order and, from version 3 on, whether the voices play only when every
// voice is wanted.
struct AnimationScript {
    int32_t version = 0;
    int32_t width = 0;
    int32_t height = 0;
    std::vector<ScriptFrame> frames;
    uint8_t voiceFlag = 0;
};

// No animation has more frames than this. A script that says it has more is
// damaged: loading it would take memory and start-up time without bound.
constexpr int32_t kMostScriptFrames = 1024;

// Reads a script entry (already unpacked). The layout, all integers 32-bit
// signed little-endian: version, frame count, width, height; the frame
// records; from version 3 on one voice-flag byte. A record holds three
// counted strings (length, then that many bytes; length 0 is no name):
// image, sound and mask; then duration, mask x and y, and from version 2 on
// image x and y.
//
// False, leaving script unchanged, when the entry is shorter than its header
// and records say or holds a negative count or length, or more than
// kMostScriptFrames frames. Bytes after the
// script are ignored.
bool ParseAnimationScript(const uint8_t* data, size_t size, AnimationScript& script);

// One counted string of a script: an int32 length, then that many bytes
// (no terminator). False when the length is negative or the bytes run past
// the entry; a length of 0 is the empty name.
bool ReadCountedString(ByteReader& reader, std::string& text);
void AppendCountedString(std::vector<uint8_t>& out, const std::string& text);

// The entry bytes of a script, laid out as ParseAnimationScript reads them:
// the frame count is the number of frames, and the version decides which
// fields are written.
std::vector<uint8_t> EncodeAnimationScript(const AnimationScript& script);
