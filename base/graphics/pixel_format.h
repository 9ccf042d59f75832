#pragma once

#include "base/util/colour.h"

#include <windows.h>

#include <cstdint>

struct _DDPIXELFORMAT;

// Shifts by a channel's shift or loss. Counts of 32 or more (an empty mask
// has shift 32) give 0 instead of undefined behaviour, and a negative count
// (the loss of a channel wider than 8 bits) shifts the other way.
inline uint32_t ShiftRight(uint32_t value, int32_t count);
inline uint32_t ShiftLeft(uint32_t value, int32_t count)
{
    if (count < 0)
        return ShiftRight(value, -count);
    return count >= 32 ? 0 : value << count;
}
inline uint32_t ShiftRight(uint32_t value, int32_t count)
{
    if (count < 0)
        return ShiftLeft(value, -count);
    return count >= 32 ? 0 : value >> count;
}

// One channel of a pixel format: where its bits lie and how far they are
// from an 8-bit value, with the 64-bit patterns that serve two or four
// pixels at a time.
struct ColourChannel {
    uint32_t mask = 0;
    uint32_t normalisedMask = 0; // mask >> shift
    uint32_t halfMask = 0;       // (mask >> 1) & mask; both 16-bit halves for 16 bpp
    int32_t shift = 0;           // zero bits below the mask; 32 for an empty mask
    int32_t loss = 0;            // 8 - the number of contiguous bits from the shift up
    int32_t netShift = 0;        // shift - loss
    int32_t byteIndex = 0;       // whole zero bytes below the mask; 0 for an empty mask
    uint64_t fillPattern = 0;    // the mask once per pixel of a 64-bit word
    uint64_t halfPattern = 0;    // (fillPattern >> 1) & fillPattern

    void Clear() { *this = ColourChannel(); }
    void Analyse(uint32_t channelMask, int32_t bitsPerPixel);
    // The channel's field of a pixel, as one byte.
    uint8_t Extract(uint32_t pixel) const { return static_cast<uint8_t>(ShiftRight(pixel & mask, shift)); }
    // The channel's field widened (or narrowed) to 8 bits.
    uint8_t ToByte(uint32_t pixel) const { return static_cast<uint8_t>(ShiftLeft(ShiftRight(pixel & mask, shift), loss)); }
    // An 8-bit value reduced to the channel's width and put in its place.
    uint32_t FromByte(uint32_t value) const { return ShiftLeft(ShiftRight(value, loss), shift) & mask; }
    // factor times the channel's field, / 256.
    int32_t Scale(uint32_t pixel, int32_t factor) const { return factor * Extract(pixel) >> 8; }
    // The low bytes of this channel's Scale by factor and of addend, added
    // and put in the channel's place. Not capped: callers keep the sum
    // within a byte.
    uint32_t Compose(uint32_t pixel, int32_t factor, int32_t addend) const
    {
        const uint32_t scaled = static_cast<uint32_t>(Scale(pixel, factor) & 0xFF);
        return ShiftLeft(scaled + static_cast<uint32_t>(addend & 0xFF), shift);
    }
};

// How a pixel of 8, 16, 24 or 32 bits holds its channels.
struct PixelFormat {
    ColourChannel red;
    ColourChannel green;
    ColourChannel blue;
    ColourChannel alpha;
    int32_t bitsPerPixel = 0;
    uint32_t combinedHalfMask = 0;    // red | green | blue half masks
    uint32_t allChannelsMask = 0;     // alpha | red | green | blue masks
    uint32_t colourMask = 0;          // red | green | blue masks
    uint64_t combinedHalfPattern = 0; // combinedHalfMask in both 32-bit halves

    bool Set(int32_t bpp, uint32_t alphaMask, uint32_t redMask, uint32_t greenMask, uint32_t blueMask);
    // The masks of a BMP image by its bit count: 16 bpp is always 5-5-5,
    // 24 and 32 bpp are 8 bits a channel (32 with alpha on top), any other
    // depth has no channels. False without a header.
    bool Analyse(const BITMAPINFOHEADER* header);
    bool SetFromDirectDraw(const _DDPIXELFORMAT* format);

    // The colour as a 16-bit pixel of this format.
    uint16_t ColourToPixel(const Colour& colour) const;
    // 0xAARRGGBB with each byte put at its channel's shift, unreduced.
    uint32_t ComposePixel(uint32_t argb) const;
    // A 16-bit pixel of this format as a colour, each channel widened to 8
    // bits, with the given alpha.
    Colour PixelToColour(uint16_t pixel, uint8_t alphaValue) const;
};
