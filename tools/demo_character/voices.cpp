#include "tools/demo_character/voices.h"

#include <algorithm>
#include <cmath>

std::vector<int16_t> SynthesiseVoice(const std::vector<Tone>& tones)
{
    const double twoPi = 6.283185307179586;
    const double rate = kVoiceSampleRate;
    std::vector<int16_t> samples;
    for (const Tone& tone : tones) {
        const int count = static_cast<int>(rate * tone.milliseconds / 1000);
        const int fade = std::max(1, static_cast<int>(rate * 0.008));
        double phase = 0;
        for (int i = 0; i < count; ++i) {
            const double t = static_cast<double>(i) / count;
            const double hz = tone.fromHz + (tone.toHz - tone.fromHz) * t;
            phase += twoPi * hz / rate;
            double level;
            double wave;
            if (tone.struck) {
                level = std::exp(-5.0 * t) * std::min(1.0, static_cast<double>(count - i) / fade);
                // An overtone an octave and a fifth up gives the bell its edge.
                wave = 0.75 * std::sin(phase) + 0.25 * std::sin(3.0 * phase);
            } else {
                level = std::min({1.0, static_cast<double>(i) / fade, static_cast<double>(count - i) / fade});
                wave = std::sin(phase);
            }
            samples.push_back(static_cast<int16_t>(std::lround(wave * level * 12000.0)));
        }
    }
    return samples;
}

namespace {

struct VoiceRecipe {
    Voice voice;
    const char* word;
    std::vector<Tone> tones;
};

const std::vector<VoiceRecipe>& Recipes()
{
    static const std::vector<VoiceRecipe> recipes{
        {Voice::Hum, "hum", {{523, 587, 120, false}, {659, 659, 130, false}}},
        {Voice::Hello, "hello", {{440, 660, 100, false}, {660, 880, 120, false}}},
        {Voice::Step, "step", {{190, 140, 100, true}}},
        {Voice::Boing, "boing", {{200, 620, 220, false}}},
        {Voice::Hmm, "hmm", {{330, 300, 150, false}, {300, 360, 110, false}}},
        {Voice::Oops, "oops", {{880, 440, 180, false}}},
        {Voice::Giggle, "giggle", {{700, 900, 60, false}, {700, 900, 60, false}, {700, 1000, 80, false}}},
        {Voice::Laugh, "laugh", {{500, 700, 70, false}, {500, 700, 70, false}, {500, 800, 90, false}}},
        {Voice::Surprise, "surprise", {{400, 1200, 200, false}}},
        {Voice::Ding, "ding", {{1047, 1047, 300, true}}},
        {Voice::Ring, "ring", {{1400, 1400, 60, true}, {1400, 1400, 60, true}, {1400, 1400, 60, true}, {1400, 1400, 60, true}}},
        {Voice::RingLow, "ring_low", {{1000, 1000, 60, true}, {1000, 1000, 60, true}, {1000, 1000, 60, true}, {1000, 1000, 60, true}}},
        {Voice::Mail, "mail", {{784, 784, 120, true}, {1047, 1047, 160, true}}},
        {Voice::Yawn, "yawn", {{420, 520, 120, false}, {520, 260, 160, false}}},
        {Voice::Snore, "snore", {{140, 190, 150, false}, {190, 130, 110, false}}},
        {Voice::Huff, "huff", {{360, 240, 110, false}, {300, 200, 110, false}}},
        {Voice::Whoosh, "whoosh", {{300, 1100, 180, false}}},
    };
    return recipes;
}

const VoiceRecipe* FindRecipe(Voice voice)
{
    for (const VoiceRecipe& recipe : Recipes())
        if (recipe.voice == voice)
            return &recipe;
    return nullptr;
}

} // namespace

const char* VoiceWord(Voice voice)
{
    const VoiceRecipe* recipe = FindRecipe(voice);
    return recipe != nullptr ? recipe->word : "";
}

std::vector<Tone> VoiceTones(Voice voice, float pitch)
{
    const VoiceRecipe* recipe = FindRecipe(voice);
    if (recipe == nullptr)
        return {};
    std::vector<Tone> tones = recipe->tones;
    for (Tone& tone : tones) {
        if (!tone.struck) {
            tone.fromHz *= pitch;
            tone.toHz *= pitch;
        }
    }
    return tones;
}
