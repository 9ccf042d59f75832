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

// The sounds the demo characters make, each 0.1 s to 0.3 s long.
enum class Voice { None, Hum, Hello, Step, Boing, Hmm, Oops, Giggle, Laugh, Surprise, Ding, Ring, RingLow, Mail, Yawn, Snore, Huff, Whoosh };

// The word that names the voice's archive entry ("hum" in "quenna_hum.wav").
const char* VoiceWord(Voice voice);

// The voice's tones. The voiced tones are raised or lowered by the pitch
// factor, so that each character speaks in a voice of its own; the struck
// tones of bells and clocks keep theirs.
std::vector<Tone> VoiceTones(Voice voice, float pitch);
