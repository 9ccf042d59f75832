// The fast blends of effect types 0 to 9 and the stretching opacity blend:
// the scalar form for any channel layout, with the vector form taking the
// whole pairs of byte-ordered ARGB surfaces.

#include "base/graphics/effect_blend_rules.h"
#include "base/graphics/effect_fast.h"
#include "base/graphics/effect_internal.h"
#include "base/graphics/effect_vectors.h"

namespace effect_fast {
namespace {

using effect_internal::Read32;
using effect_internal::Write32;

constexpr int kChannels = 3;

const ColourChannel& ChannelOf(const PixelFormat& format, int channel)
{
    return channel == 0 ? format.red : channel == 1 ? format.green : format.blue;
}

const ColourComponent& ComponentOf(const Colour& colour, int channel)
{
    return channel == 0 ? colour.red : channel == 1 ? colour.green : colour.blue;
}

template <uint32_t Type> int32_t WeightOf(const BlendSetup& setup, uint32_t source)
{
    constexpr Weight weight = kBlendRules[Type].weight;
    if constexpr (weight == Weight::kSourceAlpha)
        return setup.source->alpha.Extract(source);
    else if constexpr (weight == Weight::kConstantAlpha)
        return setup.constant.alpha.Value();
    else
        return setup.source->alpha.Extract(source) * setup.constant.alpha.Value() >> 8;
}

template <uint32_t Type> int32_t TintOf(const BlendSetup& setup, uint32_t source, int channel)
{
    constexpr Tint tint = kBlendRules[Type].tint;
    if constexpr (tint == Tint::kSource)
        return ChannelOf(*setup.source, channel).Extract(source);
    else if constexpr (tint == Tint::kConstant)
        return ComponentOf(setup.constant, channel).Value();
    else if constexpr (tint == Tint::kModulated)
        return ChannelOf(*setup.source, channel).Extract(source) * ComponentOf(setup.constant, channel).Value() >> 8;
    else
        return 255 - ChannelOf(*setup.source, channel).Extract(source);
}

// X * a >> 8, through the channel operations where X is a source or a
// constant channel as it stands.
template <uint32_t Type> int32_t WeightedTint(const BlendSetup& setup, uint32_t source, int channel, int32_t a)
{
    constexpr Tint tint = kBlendRules[Type].tint;
    if constexpr (tint == Tint::kSource)
        return ChannelOf(*setup.source, channel).Scale(source, a);
    else if constexpr (tint == Tint::kConstant)
        return ComponentOf(setup.constant, channel).Scale(a);
    else
        return TintOf<Type>(setup, source, channel) * a >> 8;
}

uint32_t OpaqueAlpha(const PixelFormat& format)
{
    return ShiftLeft(255, format.alpha.shift);
}

// A pixel of a pair that is blended.
template <uint32_t Type> uint32_t MixPairPixel(const BlendSetup& setup, uint32_t source, uint32_t destination)
{
    constexpr PairMix mix = kBlendRules[Type].pairMix;
    const int32_t a = WeightOf<Type>(setup, source);
    uint32_t pixel = OpaqueAlpha(*setup.destination);
    for (int channel = 0; channel < kChannels; ++channel) {
        const ColourChannel& target = ChannelOf(*setup.destination, channel);
        const int32_t x = TintOf<Type>(setup, source, channel);
        const int32_t d = target.Extract(destination);
        int32_t value;
        if constexpr (mix == PairMix::kBy256)
            value = (x * a + d * (256 - a)) >> 8;
        else if constexpr (mix == PairMix::kBy255)
            value = (x * a + d * (255 - a)) >> 8;
        else
            value = (d * (256 - a) >> 8) + (x * a >> 8);
        pixel |= ShiftLeft(static_cast<uint32_t>(value), target.shift);
    }
    return pixel;
}

// The last pixel of an odd row.
template <uint32_t Type> uint32_t MixTailPixel(const BlendSetup& setup, uint32_t source, uint32_t destination)
{
    const int32_t a = WeightOf<Type>(setup, source);
    uint32_t pixel = OpaqueAlpha(*setup.destination);
    for (int channel = 0; channel < kChannels; ++channel)
        pixel |= ChannelOf(*setup.destination, channel)
                     .Compose(destination, 255 - a, WeightedTint<Type>(setup, source, channel, a));
    return pixel;
}

uint32_t InvertedSource(const BlendSetup& setup, uint32_t source)
{
    uint32_t pixel = OpaqueAlpha(*setup.destination);
    for (int channel = 0; channel < kChannels; ++channel)
        pixel |= ShiftLeft(255u - ChannelOf(*setup.source, channel).Extract(source),
                           ChannelOf(*setup.destination, channel).shift);
    return pixel;
}

template <uint32_t Type> void BlendPair(const BlendSetup& setup, const uint8_t* source, uint8_t* destination)
{
    constexpr BlendRule rule = kBlendRules[Type];
    uint32_t s0 = 0, s1 = 0;
    if constexpr (ReadsSource(rule)) {
        s0 = Read32(source);
        s1 = Read32(source + 4);
    }
    if constexpr (rule.pairSkip == PairSkip::kBothPixelsZero) {
        if ((s0 | s1) == 0)
            return;
    } else if constexpr (rule.pairSkip == PairSkip::kBothAlphasZero) {
        if (setup.source->alpha.Extract(s0) == 0 && setup.source->alpha.Extract(s1) == 0)
            return;
    }
    if constexpr (rule.opaquePair != OpaquePair::kBlend) {
        if (setup.source->alpha.Extract(s0) == 255 && setup.source->alpha.Extract(s1) == 255) {
            if constexpr (rule.opaquePair == OpaquePair::kCopySource) {
                Write32(destination, s0);
                Write32(destination + 4, s1);
            } else if constexpr (rule.opaquePair == OpaquePair::kOpaqueConstant) {
                Write32(destination, setup.opaqueConstant);
                Write32(destination + 4, setup.opaqueConstant);
            } else {
                Write32(destination, InvertedSource(setup, s0));
                Write32(destination + 4, InvertedSource(setup, s1));
            }
            return;
        }
    }
    Write32(destination, MixPairPixel<Type>(setup, s0, Read32(destination)));
    Write32(destination + 4, MixPairPixel<Type>(setup, s1, Read32(destination + 4)));
}

template <uint32_t Type> void BlendTail(const BlendSetup& setup, const uint8_t* source, uint8_t* destination)
{
    constexpr BlendRule rule = kBlendRules[Type];
    uint32_t s = 0;
    if constexpr (ReadsSource(rule))
        s = Read32(source);
    if (rule.tailSkipsZero && s == 0)
        return;
    Write32(destination, MixTailPixel<Type>(setup, s, Read32(destination)));
}

// Blends pixels from..width-1 of one row; from is even.
template <uint32_t Type>
void BlendRow(const BlendSetup& setup, const uint8_t* source, uint8_t* destination, int32_t from, int32_t width)
{
    constexpr bool readsSource = ReadsSource(kBlendRules[Type]);
    const int32_t pairsEnd = width & ~1;
    for (int32_t x = from; x < pairsEnd; x += 2)
        BlendPair<Type>(setup, readsSource ? source + 4 * x : nullptr, destination + 4 * x);
    if (width & 1)
        BlendTail<Type>(setup, readsSource ? source + 4 * pairsEnd : nullptr, destination + 4 * pairsEnd);
}

BlendSetup SetupFor(const Job& job, bool readsSource)
{
    BlendSetup setup;
    setup.destination = job.destination->format;
    setup.source = readsSource ? job.source->format : nullptr;
    setup.constant = job.constant;
    if (setup.source)
        setup.opaqueConstant = setup.source->ComposePixel(job.constant.Value() | 0xFF000000u);
    return setup;
}

} // namespace

template <uint32_t Type> void Blend(const Job& job)
{
    constexpr bool readsSource = ReadsSource(kBlendRules[Type]);
    BitmapLock& to = *job.destination;
    BitmapLock* from = readsSource ? job.source : nullptr;
    const BlendSetup setup = SetupFor(job, readsSource);
    const bool vectorFormats = IsByteOrderedArgb(*to.format) && (!readsSource || IsByteOrderedArgb(*from->format));
    const VectorKit* kit = vectorFormats ? Vectors() : nullptr;

    const int32_t width = to.rect.Width();
    const int32_t height = to.rect.Height();
    const size_t rowBytes = static_cast<size_t>(width) * 4;
    for (int32_t y = 0; y < height; ++y) {
        const uint8_t* sourceRow = from ? from->row : nullptr;
        // The vector form reads a register ahead of what it stores, so rows
        // that share pixels take the scalar form's order.
        const bool vectors = kit && (!sourceRow || !effect_internal::Overlap(sourceRow, to.row, rowBytes));
        const int32_t done = vectors ? kit->blends[Type](setup, sourceRow, to.row, width) : 0;
        BlendRow<Type>(setup, sourceRow, to.row, done, width);
        to.StepRow(1);
        if (from)
            from->StepRow(1);
    }
}

template void Blend<0>(const Job&);
template void Blend<1>(const Job&);
template void Blend<2>(const Job&);
template void Blend<3>(const Job&);
template void Blend<4>(const Job&);
template void Blend<5>(const Job&);
template void Blend<6>(const Job&);
template void Blend<7>(const Job&);
template void Blend<8>(const Job&);
template void Blend<9>(const Job&);

void StretchOpacityBlend(const Job& job)
{
    constexpr uint32_t kType = 2;
    BitmapLock& to = *job.destination;
    const BitmapLock& from = *job.source;
    const BlendSetup setup = SetupFor(job, true);
    const int32_t width = to.rect.Width();
    const int32_t height = to.rect.Height();
    const int32_t sourceWidth = from.rect.Width();
    const int32_t sourceHeight = from.rect.Height();
    const uint8_t* sourceRow = from.row;
    int64_t y = 0;
    for (int32_t row = 0; row < height; ++row) {
        uint8_t* target = to.row;
        int64_t x = 0;
        int32_t column = 0;
        for (; column + 1 < width; column += 2, x += 2 * static_cast<int64_t>(job.stepX), target += 8) {
            const uint32_t s0 = Read32(sourceRow + 4 * effect_internal::SourceIndex(x, sourceWidth));
            const uint32_t s1 = Read32(sourceRow + 4 * effect_internal::SourceIndex(x + job.stepX, sourceWidth));
            Write32(target, MixPairPixel<kType>(setup, s0, Read32(target)));
            Write32(target + 4, MixPairPixel<kType>(setup, s1, Read32(target + 4)));
        }
        if (column < width) {
            const uint32_t s = Read32(sourceRow + 4 * effect_internal::SourceIndex(x, sourceWidth));
            if (s != 0)
                Write32(target, MixTailPixel<kType>(setup, s, Read32(target)));
        }
        to.StepRow(1);
        if (row + 1 == height)
            break;
        // Later rows are found from the image's first row, so the source's
        // own row order does not matter.
        y += job.stepY;
        sourceRow = from.PixelAt(from.rect.left, from.rect.top + effect_internal::SourceIndex(y, sourceHeight), true);
        if (!sourceRow)
            return;
    }
}

} // namespace effect_fast
