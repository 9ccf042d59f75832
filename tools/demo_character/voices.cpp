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
