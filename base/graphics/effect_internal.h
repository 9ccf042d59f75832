#pragma once

#include "base/graphics/bitmap_lock.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

// Shared by the files of the pixel engine.
namespace effect_internal {

constexpr char kNotInitialised[] = "初期化されていません";
// The name the fatal-error box shows for the engine.
constexpr char kSourceName[] = "effect.cpp";
constexpr int32_t kUnitStep = 65536; // 1.0 in 16.16

inline bool IsSupportedDepth(const BitmapLock& lock)
{
    return lock.format && (lock.bitsPerPixel == 16 || lock.bitsPerPixel == 24 || lock.bitsPerPixel == 32);
}

// Pixels are read and written through memcpy: the pixel block of an image
// held as a whole BMP file starts 54 bytes into its heap block, so 16- and
// 32-bit pixels are not aligned.
inline uint32_t Read16(const uint8_t* p)
{
    uint16_t value;
    std::memcpy(&value, p, sizeof value);
    return value;
}

inline uint32_t Read32(const uint8_t* p)
{
    uint32_t value;
    std::memcpy(&value, p, sizeof value);
    return value;
}

inline void Write32(uint8_t* p, uint32_t value)
{
    std::memcpy(p, &value, sizeof value);
}

// The byte of a 3-byte pixel that holds a channel; null for a mask that
// would point past the pixel.
template <typename Byte> Byte* ByteOf(Byte* pixel, const ColourChannel& channel)
{
    return channel.byteIndex >= 0 && channel.byteIndex < 3 ? pixel + channel.byteIndex : nullptr;
}

// Whether bytes bytes from a and from b share any byte.
inline bool Overlap(const uint8_t* a, const uint8_t* b, size_t bytes)
{
    const uintptr_t first = reinterpret_cast<uintptr_t>(a);
    const uintptr_t second = reinterpret_cast<uintptr_t>(b);
    return first < second + bytes && second < first + bytes;
}

// The source column or row of a scaled draw at a 16.16 position, kept
// inside the count pixels of the source rectangle: the single-precision step
// can come out a hair long, which over a very long row would reach one
// pixel past the rectangle.
inline int32_t SourceIndex(int64_t position, int32_t count)
{
    return static_cast<int32_t>(std::min<int64_t>(position >> 16, count - 1));
}

// An image drawn onto itself through one lock (source and destination the
// same object): for the scope of a draw the source reads through a copy of
// the lock, or every row would step the one lock twice and the draw would
// leave its rectangle. The lock itself moves as the destination does.
class SourceOfItsOwn {
public:
    SourceOfItsOwn(BitmapLock*& source, const BitmapLock* destination) : source_(source), given_(source)
    {
        if (source != nullptr && source == destination) {
            copy_ = *source;
            source_ = &copy_;
        }
    }
    ~SourceOfItsOwn() { source_ = given_; }
    SourceOfItsOwn(const SourceOfItsOwn&) = delete;
    SourceOfItsOwn& operator=(const SourceOfItsOwn&) = delete;

private:
    BitmapLock*& source_;
    BitmapLock* given_;
    BitmapLock copy_;
};

} // namespace effect_internal
