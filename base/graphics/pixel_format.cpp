#include "base/graphics/pixel_format.h"

#include <ddraw.h>

void ColourChannel::Analyse(uint32_t channelMask, int32_t bitsPerPixel)
{
    mask = channelMask;
    shift = 0;
    while (shift < 32 && ((mask >> shift) & 1) == 0)
        ++shift;
    int32_t width = 0;
    while (shift + width < 32 && ((mask >> (shift + width)) & 1) != 0)
        ++width;
    loss = 8 - width;
    netShift = shift - loss;
    byteIndex = mask == 0 ? 0 : shift / 8;
    normalisedMask = ShiftRight(mask, shift);
    halfMask = (mask >> 1) & mask;
    const uint64_t wide = mask;
    switch (bitsPerPixel) {
    case 16:
        halfMask |= halfMask << 16;
        fillPattern = wide | wide << 16 | wide << 32 | wide << 48;
        break;
    case 24:
    case 32:
        fillPattern = wide | wide << 32;
        break;
    default:
        fillPattern = 0;
        break;
    }
    halfPattern = (fillPattern >> 1) & fillPattern;
}

bool PixelFormat::Set(int32_t bpp, uint32_t alphaMask, uint32_t redMask, uint32_t greenMask, uint32_t blueMask)
{
    bitsPerPixel = bpp;
    alpha.Analyse(alphaMask, bpp);
    red.Analyse(redMask, bpp);
    green.Analyse(greenMask, bpp);
    blue.Analyse(blueMask, bpp);
    combinedHalfMask = red.halfMask | green.halfMask | blue.halfMask;
    allChannelsMask = alphaMask | redMask | greenMask | blueMask;
    colourMask = redMask | greenMask | blueMask;
    combinedHalfPattern = static_cast<uint64_t>(combinedHalfMask) | static_cast<uint64_t>(combinedHalfMask) << 32;
    return true;
}

bool PixelFormat::Analyse(const BITMAPINFOHEADER* header)
{
    if (!header)
        return false;
    const int32_t bpp = header->biBitCount;
    switch (bpp) {
    case 16:
        return Set(bpp, 0, 0x7C00, 0x03E0, 0x001F);
    case 24:
        return Set(bpp, 0, 0xFF0000, 0xFF00, 0xFF);
    case 32:
        return Set(bpp, 0xFF000000, 0xFF0000, 0xFF00, 0xFF);
    default:
        return Set(bpp, 0, 0, 0, 0);
    }
}

bool PixelFormat::SetFromDirectDraw(const _DDPIXELFORMAT* format)
{
    if (!format)
        return false;
    return Set(static_cast<int32_t>(format->dwRGBBitCount), format->dwRGBAlphaBitMask, format->dwRBitMask,
               format->dwGBitMask, format->dwBBitMask);
}

uint16_t PixelFormat::ColourToPixel(const Colour& colour) const
{
    const uint32_t value = ShiftLeft(ShiftRight(colour.red.Get(), red.loss), red.shift) |
                           ShiftLeft(ShiftRight(colour.green.Get(), green.loss), green.shift) |
                           ShiftLeft(ShiftRight(colour.blue.Get(), blue.loss), blue.shift);
    return static_cast<uint16_t>(value);
}

uint32_t PixelFormat::ComposePixel(uint32_t argb) const
{
    return ShiftLeft(argb >> 24, alpha.shift) | ShiftLeft((argb >> 16) & 0xFF, red.shift) |
           ShiftLeft((argb >> 8) & 0xFF, green.shift) | ShiftLeft(argb & 0xFF, blue.shift);
}

Colour PixelFormat::PixelToColour(uint16_t pixel, uint8_t alphaValue) const
{
    // Each widened channel goes to its own byte of the colour; left at the
    // channel's shift within the pixel it would land in the wrong byte for
    // every format whose channels are not 8 bits at 16, 8 and 0.
    Colour colour;
    colour.red.Set(red.ToByte(pixel));
    colour.green.Set(green.ToByte(pixel));
    colour.blue.Set(blue.ToByte(pixel));
    colour.alpha.Set(alphaValue);
    return colour;
}
