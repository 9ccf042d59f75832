#pragma once

#include "base/graphics/bitmap.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

// BMP blocks written field by field, so a test can make any image, sound or
// damaged, without the code under test.
struct BmpFields {
    uint32_t pixelOffset = 54;
    uint32_t headerSize = 40;
    int32_t width = 2;
    int32_t height = 2;
    uint16_t bitCount = 32;
    uint32_t compression = 0;
    uint32_t coloursUsed = 0;
    // Bytes of the block in all; 0: exactly the headers, table and rows the
    // fields call for (the rows at stride width * bytes a pixel, padded).
    size_t size = 0;
    char magic[2] = {'B', 'M'};

    size_t SoundSize() const
    {
        const int64_t stride = (static_cast<int64_t>(bitCount / 8) * width + 3) & ~int64_t{3};
        return static_cast<size_t>(pixelOffset + stride * height);
    }

    std::string Bytes() const
    {
        std::string block(size ? size : SoundSize(), '\0');
        auto put32 = [&](size_t at, uint32_t value) {
            for (int i = 0; i < 4 && at + i < block.size(); ++i)
                block[at + i] = static_cast<char>(value >> (8 * i));
        };
        auto put16 = [&](size_t at, uint16_t value) {
            for (int i = 0; i < 2 && at + i < block.size(); ++i)
                block[at + i] = static_cast<char>(value >> (8 * i));
        };
        for (int i = 0; i < 2 && i < static_cast<int>(block.size()); ++i)
            block[i] = magic[i];
        put32(2, static_cast<uint32_t>(block.size()));
        put32(10, pixelOffset);
        put32(14, headerSize);
        put32(18, static_cast<uint32_t>(width));
        put32(22, static_cast<uint32_t>(height));
        put16(26, 1);
        put16(28, bitCount);
        put32(30, compression);
        put32(46, coloursUsed);
        // Distinct pixel bytes, so that copies can be told apart.
        for (size_t i = pixelOffset; i < block.size(); ++i)
            block[i] = static_cast<char>(i * 7 + 1);
        return block;
    }
};

// Hands a heap copy of bytes to the image, as a loader does.
inline bool AttachCopy(Bitmap& image, const std::string& bytes)
{
    void* block = std::malloc(bytes.size() ? bytes.size() : 1);
    std::memcpy(block, bytes.data(), bytes.size());
    return image.Attach(block, bytes.size());
}

inline std::string BlockOf(const Bitmap& image)
{
    return std::string(reinterpret_cast<const char*>(image.Block()), image.BlockSize());
}

// 32-bpp pixel access in picture coordinates.
inline uint32_t Get32(const Bitmap& image, int32_t x, int32_t y)
{
    uint32_t value = 0;
    std::memcpy(&value, image.PixelAddress(x, y), 4);
    return value;
}
inline void Set32(Bitmap& image, int32_t x, int32_t y, uint32_t value)
{
    std::memcpy(image.PixelAddress(x, y), &value, 4);
}
