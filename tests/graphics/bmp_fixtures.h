#pragma once

#include "base/graphics/bitmap.h"
#include "base/util/byte_writer.h"

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
        const size_t blockSize = size ? size : SoundSize();
        // The two headers whole, then cut or padded with zeros to the block.
        std::string block(magic, sizeof magic);
        AppendU32LE(block, static_cast<uint32_t>(blockSize));
        AppendU32LE(block, 0); // reserved
        AppendU32LE(block, pixelOffset);
        AppendU32LE(block, headerSize);
        AppendI32LE(block, width);
        AppendI32LE(block, height);
        AppendU16LE(block, 1); // planes
        AppendU16LE(block, bitCount);
        AppendU32LE(block, compression);
        block.append(12, '\0'); // image size, resolution
        AppendU32LE(block, coloursUsed);
        AppendU32LE(block, 0); // important colours
        block.resize(blockSize, '\0');
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
