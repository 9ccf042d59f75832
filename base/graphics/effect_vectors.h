#pragma once

#include "base/graphics/effect_blend_rules.h"
#include "base/graphics/pixel_format.h"

#include <cstdint>

// The vector forms of the fast routines' inner loops, one kit per
// instruction set. Each gives exactly the pixels of the scalar form it
// stands for.
namespace effect_fast {

enum class VectorSet : uint8_t {
    kNone, // scalar forms only
    kSse2, // 16-byte registers
    kAvx2, // 32-byte registers
};

// True for the 32-bit format with alpha, red, green and blue in the bytes
// 3, 2, 1 and 0, the one the vector blends are written for.
inline bool IsByteOrderedArgb(const PixelFormat& format)
{
    return format.bitsPerPixel == 32 && format.alpha.mask == 0xFF000000u && format.red.mask == 0x00FF0000u &&
           format.green.mask == 0x0000FF00u && format.blue.mask == 0x000000FFu;
}

struct VectorKit {
    // Blends the first pixels of a row, whole pairs with the pair tests and
    // the pair formula, as many as fill whole registers; returns how many
    // (a multiple of 4). Both formats must be byte-ordered ARGB.
    using Blend = int32_t (*)(const BlendSetup& setup, const uint8_t* source, uint8_t* destination, int32_t pixels);
    Blend blends[kBlendTypes];

    // Stores value into pixels 32-bit pixels. With stream set, the stores
    // go past the caches (for draws far bigger than they are); fence must
    // then run before the draw returns.
    void (*fillRow)(uint8_t* row, int32_t pixels, uint32_t value, bool stream);
    // Each source pixel OR value.
    void (*orRow)(const uint8_t* source, uint8_t* destination, int32_t pixels, uint32_t value);
    void (*fence)();
};

// The kit of an instruction set; null for VectorSet::kNone.
const VectorKit* VectorKitFor(VectorSet set);

} // namespace effect_fast
