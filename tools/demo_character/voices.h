#pragma once

#include <cstdint>
#include <vector>

// One piece of a generated voice: a tone gliding from one pitch to another.
// A struck tone starts loud and dies away like a small bell; the others
// fade in and out quickly so that they start and end without a click.
struct Tone {
    float fromHz;
    float toHz;
    int milliseconds;
    bool struck;
};

constexpr uint32_t kVoiceSampleRate = 22050;

// The tones one after the other as 16-bit samples at kVoiceSampleRate.
std::vector<int16_t> SynthesiseVoice(const std::vector<Tone>& tones);
