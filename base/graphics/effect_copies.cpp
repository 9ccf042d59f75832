// The fast copies of the pixel engine: 32-bit copy (plain, OR-ed with the
// constant colour, stretched), fill, and the depth converters. Routines
// that leave the locks' row positions where they are walk copies of the
// locks.

#include "base/graphics/effect_fast.h"
#include "base/graphics/effect_internal.h"
#include "base/graphics/effect_vectors.h"

#include <climits>
#include <cstring>

namespace effect_fast {
namespace {

using effect_internal::ByteOf;
using effect_internal::Overlap;
using effect_internal::Read16;
using effect_internal::Read32;
using effect_internal::Write32;

// Writes the 8-bit value of a channel into a 3-byte pixel.
void PutByte(uint8_t* pixel, const ColourChannel& channel, uint32_t value)
{
    if (uint8_t* byte = ByteOf(pixel, channel))
        *byte = static_cast<uint8_t>(value);
}

uint32_t GetByte(const uint8_t* pixel, const ColourChannel& channel)
{
    const uint8_t* byte = ByteOf(pixel, channel);
    return byte ? *byte : 0;
}

// Whether a draw of width x height 32-bit pixels stores past the caches:
// one far bigger than they are would only push out what they hold.
bool Streams(int32_t width, int32_t height)
{
    constexpr int64_t kStreamBytes = 8 << 20;
    return static_cast<int64_t>(width) * height * 4 > kStreamBytes;
}

// The lowest address of the height rows from the lock's row position when
// they follow one another in memory with nothing between them (whole rows
// of an unpadded image), else null: such rows are one block.
uint8_t* BlockStart(const BitmapLock& lock, int32_t height)
{
    const int64_t rowBytes = static_cast<int64_t>(lock.rect.Width()) * (lock.bitsPerPixel / 8);
    if (rowBytes != lock.stride || rowBytes * height > INT32_MAX)
        return nullptr;
    if (!lock.bottomUp)
        return lock.row;
    BitmapLock last = lock;
    return last.StepRow(height - 1);
}

} // namespace

void Copy32To32(const Job& job)
{
    BitmapLock to = *job.destination;
    BitmapLock from = *job.source;
    const int32_t width = to.rect.Width();
    const int32_t height = to.rect.Height();
    const size_t rowBytes = static_cast<size_t>(width) * 4;
    // Whole images of one layout are one block each.
    uint8_t* toBlock = BlockStart(to, height);
    uint8_t* fromBlock = BlockStart(from, height);
    const size_t blockBytes = rowBytes * static_cast<size_t>(height);
    if (toBlock && fromBlock && to.bottomUp == from.bottomUp && !Overlap(toBlock, fromBlock, blockBytes)) {
        std::memcpy(toBlock, fromBlock, blockBytes);
        return;
    }
    for (int32_t y = 0; y < height; ++y) {
        // Source and destination may be two rectangles of one image.
        std::memmove(to.row, from.row, rowBytes);
        to.StepRow(1);
        from.StepRow(1);
    }
}

void Fill(const Job& job)
{
    BitmapLock to = *job.destination;
    const uint32_t value = to.format->ComposePixel(job.constant.Value());
    const VectorKit* kit = Vectors();
    const int32_t width = to.rect.Width();
    const int32_t height = to.rect.Height();
    const bool stream = Streams(width, height);
    if (uint8_t* block = kit ? BlockStart(to, height) : nullptr) {
        kit->fillRow(block, width * height, value, stream);
        if (stream)
            kit->fence();
        return;
    }
    for (int32_t y = 0; y < height; ++y) {
        if (kit) {
            kit->fillRow(to.row, width, value, stream);
        } else {
            for (int32_t x = 0; x < width; ++x)
                Write32(to.row + 4 * x, value);
        }
        to.StepRow(1);
    }
    if (kit && stream)
        kit->fence();
}

void CopyOr(const Job& job)
{
    BitmapLock to = *job.destination;
    BitmapLock from = *job.source;
    const uint32_t value = to.format->ComposePixel(job.constant.Value());
    const VectorKit* kit = Vectors();
    const int32_t width = to.rect.Width();
    const int32_t height = to.rect.Height();
    for (int32_t y = 0; y < height; ++y) {
        // The vector form reads a register ahead of what it stores, so rows
        // that share pixels take the scalar form's order.
        if (kit && !Overlap(from.row, to.row, static_cast<size_t>(width) * 4)) {
            kit->orRow(from.row, to.row, width, value);
        } else {
            for (int32_t x = 0; x < width; ++x)
                Write32(to.row + 4 * x, Read32(from.row + 4 * x) | value);
        }
        to.StepRow(1);
        from.StepRow(1);
    }
}

void Convert24To32(const Job& job)
{
    BitmapLock to = *job.destination;
    BitmapLock from = *job.source;
    const PixelFormat& in = *from.format;
    const PixelFormat& out = *to.format;
    const uint32_t opaque = ShiftLeft(255, out.alpha.shift);
    const int32_t width = to.rect.Width();
    const int32_t height = to.rect.Height();
    for (int32_t y = 0; y < height; ++y) {
        // Each source pixel is read as its three bytes: a four-byte read of
        // the last pixel of a picture would reach past the pixel block.
        const uint8_t* source = from.row;
        uint8_t* target = to.row;
        for (int32_t x = 0; x < width; ++x, source += 3, target += 4) {
            Write32(target, ShiftLeft(GetByte(source, in.red), out.red.shift) |
                                ShiftLeft(GetByte(source, in.green), out.green.shift) |
                                ShiftLeft(GetByte(source, in.blue), out.blue.shift) | opaque);
        }
        to.StepRow(1);
        from.StepRow(1);
    }
}

namespace {

// A 32- or 16-bit source into a 24-bit destination, one pixel at a time:
// each channel's field of the source pixel (a 16-bit field widened to 8
// bits) stored as the destination channel's byte; alpha is dropped.
template <int32_t SourceBytes> void ConvertTo24(const Job& job)
{
    BitmapLock& to = *job.destination;
    BitmapLock& from = *job.source;
    const PixelFormat& in = *from.format;
    const PixelFormat& out = *to.format;
    const int32_t width = to.rect.Width();
    const int32_t height = to.rect.Height();
    const ColourChannel PixelFormat::*const channels[] = {&PixelFormat::red, &PixelFormat::green, &PixelFormat::blue};
    for (int32_t y = 0; y < height; ++y) {
        const uint8_t* source = from.row;
        uint8_t* target = to.row;
        for (int32_t x = 0; x < width; ++x, source += SourceBytes, target += 3) {
            for (const ColourChannel PixelFormat::*channel : channels) {
                const ColourChannel& field = in.*channel;
                if constexpr (SourceBytes == 4)
                    PutByte(target, out.*channel, field.Extract(Read32(source)));
                else
                    PutByte(target, out.*channel, field.ToByte(Read16(source)));
            }
        }
        to.StepRow(1);
        from.StepRow(1);
    }
}

} // namespace

void Convert32To24(const Job& job)
{
    ConvertTo24<4>(job);
}

void Convert16To24(const Job& job)
{
    ConvertTo24<2>(job);
}

void StretchCopy(const Job& job)
{
    BitmapLock to = *job.destination;
    const BitmapLock& from = *job.source;
    const int32_t width = to.rect.Width();
    const int32_t height = to.rect.Height();
    const int32_t sourceWidth = from.rect.Width();
    const int32_t sourceHeight = from.rect.Height();
    int64_t y = 0;
    for (int32_t row = 0; row < height; ++row, y += job.stepY) {
        // Rows are counted from the source's current row by its own pitch.
        const uint8_t* source = from.row + static_cast<int64_t>(effect_internal::SourceIndex(y, sourceHeight)) *
                                               from.Pitch();
        uint8_t* target = to.row;
        int64_t x = 0;
        for (int32_t column = 0; column < width; ++column, x += job.stepX)
            std::memcpy(target + 4 * column, source + 4 * effect_internal::SourceIndex(x, sourceWidth), 4);
        to.StepRow(1);
    }
}

} // namespace effect_fast
