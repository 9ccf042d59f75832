#pragma once

#include "base/graphics/pixel_format.h"
#include "base/util/colour.h"

#include <cstdint>

// How each fast blend (effect types 0 to 9) weighs and mixes its pixels.
// A blended pair pixel is (X * a + D * (256 - a)) >> 8 per channel, one
// shift after the sum; the last pixel of an odd row is
// (X * a >> 8) + (D * (255 - a) >> 8), two shifts. Both store alpha 255.
namespace effect_fast {

// a, the weight of X.
enum class Weight : uint8_t {
    kSourceAlpha,    // S.A
    kConstantAlpha,  // K.A
    kModulatedAlpha, // S.A * K.A >> 8
};

// X, the colour laid over the destination.
enum class Tint : uint8_t {
    kSource,    // S.c
    kConstant,  // K.c
    kModulated, // S.c * K.c >> 8
    kInverted,  // 255 - S.c
};

// When a pair is left as it is.
enum class PairSkip : uint8_t {
    kNever,
    kBothPixelsZero, // both source pixel values are 0
    kBothAlphasZero, // both source alpha fields are 0
};

// What a pair of two opaque source pixels stores.
enum class OpaquePair : uint8_t {
    kBlend,          // no special case
    kCopySource,     // the source pixels unchanged
    kOpaqueConstant, // the constant colour with alpha 255, by the source's channel shifts
    kInvertSource,   // 255 - S.c per channel, alpha 255
};

// The pair formula.
enum class PairMix : uint8_t {
    kBy256,     // (X * a + D * (256 - a)) >> 8
    kBy255,     // (X * a + D * (255 - a)) >> 8
    kTwoShifts, // (D * (256 - a) >> 8) + (X * a >> 8)
};

struct BlendRule {
    Weight weight;
    Tint tint;
    PairSkip pairSkip;
    OpaquePair opaquePair;
    PairMix pairMix;
    bool tailSkipsZero; // the last pixel is left when its source value is 0
};

constexpr uint32_t kBlendTypes = 10;

constexpr BlendRule kBlendRules[kBlendTypes] = {
    /* 0 */ {Weight::kSourceAlpha, Tint::kSource, PairSkip::kBothPixelsZero, OpaquePair::kCopySource,
             PairMix::kBy256, true},
    /* 1 */
    {Weight::kSourceAlpha, Tint::kConstant, PairSkip::kBothPixelsZero, OpaquePair::kOpaqueConstant,
     PairMix::kBy256, true},
    /* 2 */ {Weight::kConstantAlpha, Tint::kSource, PairSkip::kNever, OpaquePair::kBlend, PairMix::kBy256, true},
    /* 3 */
    {Weight::kConstantAlpha, Tint::kConstant, PairSkip::kNever, OpaquePair::kBlend, PairMix::kTwoShifts, false},
    /* 4 */
    {Weight::kSourceAlpha, Tint::kModulated, PairSkip::kBothAlphasZero, OpaquePair::kBlend, PairMix::kBy256, true},
    /* 5 */
    {Weight::kModulatedAlpha, Tint::kSource, PairSkip::kBothPixelsZero, OpaquePair::kBlend, PairMix::kBy256, true},
    /* 6 */
    {Weight::kModulatedAlpha, Tint::kModulated, PairSkip::kBothPixelsZero, OpaquePair::kBlend, PairMix::kBy256,
     true},
    /* 7 */
    {Weight::kModulatedAlpha, Tint::kConstant, PairSkip::kBothPixelsZero, OpaquePair::kBlend, PairMix::kBy256,
     true},
    /* 8 */
    {Weight::kConstantAlpha, Tint::kModulated, PairSkip::kNever, OpaquePair::kBlend, PairMix::kBy256, false},
    /* 9 */
    {Weight::kSourceAlpha, Tint::kInverted, PairSkip::kBothPixelsZero, OpaquePair::kInvertSource, PairMix::kBy255,
     true},
};

// Whether the blend reads the source surface (the flat-colour blend
// does not).
constexpr bool ReadsSource(const BlendRule& rule)
{
    return rule.weight != Weight::kConstantAlpha || rule.tint != Tint::kConstant;
}

// What one draw of a blend works with, formed once before the first row.
struct BlendSetup {
    const PixelFormat* source = nullptr; // null when the blend reads no source
    const PixelFormat* destination = nullptr;
    Colour constant;
    // The constant colour with alpha 255 by the source's channel shifts
    // (the opaque pair of type 1).
    uint32_t opaqueConstant = 0;
};

} // namespace effect_fast
