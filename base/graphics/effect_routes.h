#pragma once

#include <cstdint>

// The effects of the pixel engine, the argument of cEffect::Draw.
enum EffectType : uint32_t {
    kEffectBlendSourceAlpha = 0,        // source over destination by source alpha
    kEffectConstantThroughAlpha = 1,    // constant colour through source alpha
    kEffectOpacityBlend = 2,            // source by the constant colour's alpha
    kEffectFlatColourBlend = 3,         // constant colour by its own alpha
    kEffectModulate = 4,                // source times constant, source alpha
    kEffectSourceAlphaModulated = 5,    // source, alpha times constant alpha
    kEffectModulateAlphaModulated = 6,  // both modulated
    kEffectConstantAlphaModulated = 7,  // constant colour, alpha modulated
    kEffectModulateOpacity = 8,         // source times constant, constant alpha
    kEffectInvert = 9,                  // constant minus source
    kEffectCopy = 10,                   // copy, converting the depth
    kEffectCopyOr = 11,                 // copy with the constant colour OR-ed in
    kEffectFill = 12,                   // fill with the constant colour
    kEffectTypeCount = 13
};

// The routines of the fast road, one per row of the route table.
enum class FastRoutine : uint8_t {
    kNone, // no fast routine: the draw takes the generic road
    kBlendSourceAlpha,
    kConstantThroughAlpha,
    kOpacityBlend,
    kFlatColourBlend,
    kModulate,
    kSourceAlphaModulated,
    kModulateAlphaModulated,
    kConstantAlphaModulated,
    kModulateOpacity,
    kInvert,
    kCopyOr,
    kCopy32To32,
    kConvert24To32,
    kConvert32To24,
    kConvert16To24,
    kFill,
    kStretchOpacityBlend,
    kStretchCopy,
    kCount
};

// The fast routine for an effect between surfaces of these depths
// (sourceBits 0 when there is no source), or kNone. sameSize tells whether
// the two rectangles have the same width and height (always true without a
// source).
FastRoutine FindFastRoute(uint32_t type, int32_t sourceBits, int32_t destinationBits, bool sameSize);

// Whether the routine reads the source surface.
bool FastRoutineReadsSource(FastRoutine routine);
