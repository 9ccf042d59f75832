// The generic road of the pixel engine: stage settings per effect and the
// per-pixel loop of fetch, colour stage, alpha stage, blend and store.

#include "base/diag/debug_output.h"
#include "base/graphics/effect.h"
#include "base/graphics/effect_internal.h"

#include <algorithm>
#include <cstring>

namespace {

using effect_internal::ByteOf;
using effect_internal::Read16;
using effect_internal::Read32;

// Reads the pixel into colour by the lock's format. 16- and 24-bit pixels
// have no alpha and read as opaque.
void Fetch(const uint8_t* pixel, const BitmapLock& lock, Colour& colour)
{
    const PixelFormat& format = *lock.format;
    switch (lock.bitsPerPixel) {
    case 16: {
        const uint32_t value = Read16(pixel);
        colour.red.Set(format.red.ToByte(value));
        colour.green.Set(format.green.ToByte(value));
        colour.blue.Set(format.blue.ToByte(value));
        colour.alpha.Set(255);
        break;
    }
    case 24: {
        const uint8_t* red = ByteOf(pixel, format.red);
        const uint8_t* green = ByteOf(pixel, format.green);
        const uint8_t* blue = ByteOf(pixel, format.blue);
        colour.red.Set(red ? *red : 0);
        colour.green.Set(green ? *green : 0);
        colour.blue.Set(blue ? *blue : 0);
        colour.alpha.Set(255);
        break;
    }
    case 32: {
        const uint32_t value = Read32(pixel);
        colour.alpha.Set(format.alpha.Extract(value));
        colour.red.Set(format.red.Extract(value));
        colour.green.Set(format.green.Extract(value));
        colour.blue.Set(format.blue.Extract(value));
        break;
    }
    default:
        break;
    }
}

void Store(uint8_t* pixel, const BitmapLock& lock, const Colour& colour)
{
    const PixelFormat& format = *lock.format;
    switch (lock.bitsPerPixel) {
    case 16: {
        const uint16_t value = static_cast<uint16_t>(format.red.FromByte(colour.red.Get()) |
                                                     format.green.FromByte(colour.green.Get()) |
                                                     format.blue.FromByte(colour.blue.Get()));
        std::memcpy(pixel, &value, sizeof value);
        break;
    }
    case 24:
        if (uint8_t* red = ByteOf(pixel, format.red))
            *red = colour.red.Get();
        if (uint8_t* green = ByteOf(pixel, format.green))
            *green = colour.green.Get();
        if (uint8_t* blue = ByteOf(pixel, format.blue))
            *blue = colour.blue.Get();
        break;
    case 32: {
        const uint32_t value =
            ShiftLeft(colour.alpha.Get(), format.alpha.shift) | ShiftLeft(colour.red.Get(), format.red.shift) |
            ShiftLeft(colour.green.Get(), format.green.shift) | ShiftLeft(colour.blue.Get(), format.blue.shift);
        std::memcpy(pixel, &value, sizeof value);
        break;
    }
    default:
        break;
    }
}

} // namespace

void cEffect::SetColourStage(int32_t argument1, int32_t operation, int32_t argument2)
{
    colourArg1_ = argument1;
    colourOperation_ = operation;
    colourArg2_ = argument2;
}

void cEffect::SetAlphaStage(int32_t argument1, int32_t operation, int32_t argument2)
{
    alphaArg1_ = argument1;
    alphaOperation_ = operation;
    alphaArg2_ = argument2;
}

void cEffect::SetBlend(int32_t sourceFactorValue, int32_t destinationFactorValue)
{
    sourceFactor_ = sourceFactorValue;
    destinationFactor_ = destinationFactorValue;
}

void cEffect::SetupStages(uint32_t type)
{
    struct Stages {
        int32_t colourArg1, colourOperation, colourArg2;
        int32_t alphaOperation;
        int32_t sourceFactor, destinationFactor;
    };
    const int32_t S = kArgSource;
    const int32_t K = kArgConstant;
    static const Stages table[kEffectTypeCount] = {
        /* 0 */ {S, kOpSelectArg1, K, kOpSelectArg1, kBlendSourceAlpha, kBlendInverseSourceAlpha},
        /* 1 */ {S, kOpSelectArg2, K, kOpSelectArg1, kBlendSourceAlpha, kBlendInverseSourceAlpha},
        /* 2 */ {S, kOpSelectArg1, K, kOpSelectArg2, kBlendSourceAlpha, kBlendInverseSourceAlpha},
        /* 3 */ {S, kOpSelectArg2, K, kOpSelectArg2, kBlendSourceAlpha, kBlendInverseSourceAlpha},
        /* 4 */ {S, kOpModulate, K, kOpSelectArg1, kBlendSourceAlpha, kBlendInverseSourceAlpha},
        /* 5 */ {S, kOpSelectArg1, K, kOpModulate, kBlendSourceAlpha, kBlendInverseSourceAlpha},
        /* 6 */ {S, kOpModulate, K, kOpModulate, kBlendSourceAlpha, kBlendInverseSourceAlpha},
        /* 7 */ {S, kOpSelectArg2, K, kOpModulate, kBlendSourceAlpha, kBlendInverseSourceAlpha},
        /* 8 */ {S, kOpModulate, K, kOpSelectArg2, kBlendSourceAlpha, kBlendInverseSourceAlpha},
        /* 9 */ {K, kOpSubtract, S, kOpSelectArg1, kBlendSourceAlpha, kBlendInverseSourceAlpha},
        /* 10 */ {S, kOpSelectArg1, K, kOpSelectArg1, kBlendOne, kBlendZero},
        // The OR of the fast copy-with-OR, per channel and alpha included.
        /* 11 */ {S, kOpOr, K, kOpOr, kBlendOne, kBlendZero},
        /* 12 */ {S, kOpSelectArg2, K, kOpSelectArg2, kBlendOne, kBlendZero},
    };
    if (type >= kEffectTypeCount)
        return;
    const Stages& stages = table[type];
    SetBlend(stages.sourceFactor, stages.destinationFactor);
    SetColourStage(stages.colourArg1, stages.colourOperation, stages.colourArg2);
    SetAlphaStage(S, stages.alphaOperation, K);
}

void cEffect::LoadArguments(int32_t operation, int32_t argument1, int32_t argument2, Colour& register1,
                            Colour& register2) const
{
    auto load = [this](int32_t argument, Colour& target) {
        if (argument == kArgConstant)
            target = constantColour;
        else if (argument == kArgSource)
            target = sourceColour_;
    };
    if (operation != kOpSelectArg2)
        load(argument1, register1);
    if (operation != kOpSelectArg1)
        load(argument2, register2);
}

void cEffect::ColourStage()
{
    LoadArguments(colourOperation_, colourArg1_, colourArg2_, colourArgument1_, colourArgument2_);
    const Colour& a = colourArgument1_;
    const Colour& b = colourArgument2_;
    Colour& result = colourResult_;
    switch (colourOperation_) {
    case kOpSelectArg1:
        result = a;
        break;
    case kOpSelectArg2:
        result = b;
        break;
    case kOpModulate:
        result.red.Set(a.red.Value() * b.red.Value() >> 8);
        result.green.Set(a.green.Value() * b.green.Value() >> 8);
        result.blue.Set(a.blue.Value() * b.blue.Value() >> 8);
        break;
    case kOpSubtract:
        result.red.Set(std::max(a.red.Value() - b.red.Value(), 0));
        result.green.Set(std::max(a.green.Value() - b.green.Value(), 0));
        result.blue.Set(std::max(a.blue.Value() - b.blue.Value(), 0));
        break;
    case kOpOr:
        result = Colour(a.Value() | b.Value());
        break;
    default:
        break;
    }
}

void cEffect::AlphaStage()
{
    LoadArguments(alphaOperation_, alphaArg1_, alphaArg2_, alphaArgument1_, alphaArgument2_);
    switch (alphaOperation_) {
    case kOpSelectArg1:
        alphaResult_ = alphaArgument1_;
        break;
    case kOpSelectArg2:
        alphaResult_ = alphaArgument2_;
        break;
    case kOpModulate:
        alphaResult_.alpha.Set(alphaArgument1_.alpha.Value() * alphaArgument2_.alpha.Value() >> 8);
        break;
    case kOpOr:
        alphaResult_.alpha.Set(alphaArgument1_.alpha.Value() | alphaArgument2_.alpha.Value());
        break;
    default:
        break;
    }
}

Colour cEffect::Weighted(const Colour& colour, int32_t factor, int32_t alpha) const
{
    Colour weighted;
    switch (factor) {
    case kBlendOne:
        weighted = colour;
        break;
    case kBlendSourceAlpha:
    case kBlendInverseSourceAlpha: {
        const int32_t weight = factor == kBlendSourceAlpha ? alpha : 255 - alpha;
        weighted.red.Set(colour.red.Value() * weight >> 8);
        weighted.green.Set(colour.green.Value() * weight >> 8);
        weighted.blue.Set(colour.blue.Value() * weight >> 8);
        break;
    }
    default: // kBlendZero and anything unknown weigh nothing
        break;
    }
    return weighted;
}

void cEffect::Blend()
{
    const int32_t alpha = alphaResult_.alpha.Value();
    const Colour weightedDestination = Weighted(destinationColour_, destinationFactor_, alpha);
    weightedSource_ = Weighted(colourResult_, sourceFactor_, alpha);
    blendedColour_.red.Set(std::min(weightedSource_.red.Value() + weightedDestination.red.Value(), 255));
    blendedColour_.green.Set(std::min(weightedSource_.green.Value() + weightedDestination.green.Value(), 255));
    blendedColour_.blue.Set(std::min(weightedSource_.blue.Value() + weightedDestination.blue.Value(), 255));
    // Every blend stores an opaque pixel; only the OR copy carries the alpha
    // it made, as its fast routine does.
    blendedColour_.alpha.Set(colourOperation_ == kOpOr ? alpha : 255);
}

bool cEffect::DrawGeneric()
{
    if (!initialised_)
        FatalError(effect_internal::kNotInitialised, effect_internal::kSourceName, 420);
    if (!destination || !source)
        return false;
    const effect_internal::SourceOfItsOwn ownSource(source, destination);
    if (!ComputeSteps() || !LocksAreWalkable(true))
        return false;
    const int32_t width = destination->rect.Width();
    const int32_t height = destination->rect.Height();
    if (width <= 0 || height <= 0)
        return true;

    fetchDestination_ = fetchSource_ = 1;
    const int32_t destinationBytes = destination->bitsPerPixel / 8;
    const int32_t sourceBytes = source->bitsPerPixel / 8;
    uint8_t* target = destination->row;
    const uint8_t* from = source->row;
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t x = 0; x < width; ++x) {
            if (fetchSource_)
                Fetch(from, *source, sourceColour_);
            if (fetchDestination_)
                Fetch(target, *destination, destinationColour_);
            ColourStage();
            AlphaStage();
            Blend();
            Store(target, *destination, blendedColour_);
            target += destinationBytes;
            if (scaledX_) {
                sourceX_ += stepX_;
                from = source->row + effect_internal::SourceIndex(sourceX_, source->rect.Width()) * sourceBytes;
            } else {
                from += sourceBytes;
            }
        }
        target = destination->StepRow(1);
        sourceX_ = 0;
        if (!scaledY_) {
            from = source->StepRow(1);
        } else if (y + 1 < height) {
            // Scaled rows are located from the image's first row, so the
            // source's own row order does not matter.
            sourceY_ += stepY_;
            uint8_t* row = source->PixelAt(
                source->rect.left, source->rect.top + effect_internal::SourceIndex(sourceY_, source->rect.Height()),
                true);
            if (!row)
                return true;
            source->row = row;
            from = row;
        }
    }
    return true;
}
