#pragma once

#include <cstddef>
#include <cstdint>

// The layout of a BMP image held whole in one block, as a .bmp file holds
// it: the 14-byte file header, the information header, the colour table (or
// the three 16-bpp bit masks), then the pixel rows, bottom row first.
//
// A BMP is outside input: ReadBmpLayout checks every field that decides
// where a later read or write lands, so that an image accepted here is
// never walked outside its block.

constexpr uint32_t kBmpFileHeaderSize = 14;
constexpr uint32_t kBmpInfoHeaderSize = 40;
constexpr uint32_t kBmpHeadersSize = kBmpFileHeaderSize + kBmpInfoHeaderSize;
constexpr uint32_t kBmpLargestBlock = 0x7FFFFFFF; // sizes are signed 32-bit values
constexpr int32_t kBmpLargestColourTable = 256;
constexpr uint16_t kBmpMagic = 0x4D42; // "BM"

// Offsets of the header fields in the block.
constexpr size_t kBmpOffSize = 2;        // bfSize
constexpr size_t kBmpOffPixels = 10;     // bfOffBits
constexpr size_t kBmpOffHeaderSize = 14; // biSize
constexpr size_t kBmpOffWidth = 18;
constexpr size_t kBmpOffHeight = 22;
constexpr size_t kBmpOffPlanes = 26;
constexpr size_t kBmpOffBitCount = 28;
constexpr size_t kBmpOffCompression = 30;
constexpr size_t kBmpOffColoursUsed = 46;

struct BmpLayout {
    uint32_t pixelOffset = 0; // bfOffBits
    uint32_t tableOffset = 0; // first byte after the information header
    int32_t width = 0;
    int32_t height = 0;
    int32_t bitsPerPixel = 0;
    int32_t rowBytes = 0; // (bpp / 8) x width
    int32_t stride = 0;   // rowBytes rounded up to a multiple of 4
    int32_t colourCount = 0; // biClrUsed, 256 when 0
    // Whole 4-byte entries between the information header and the pixels:
    // what palette work may touch, whatever the count says.
    int32_t tableEntries = 0;

    int64_t PixelBytes() const { return static_cast<int64_t>(stride) * height; }
};

// Row bytes and stride of a row of width pixels; false when the stride
// would not fit a signed 32-bit value.
bool ComputeBmpStride(int32_t width, int32_t bitsPerPixel, int32_t& rowBytes, int32_t& stride);

// True for the depths an image may have: 8, 16, 24 and 32 bits per pixel.
inline bool IsBmpDepth(int32_t bitsPerPixel)
{
    return bitsPerPixel == 8 || bitsPerPixel == 16 || bitsPerPixel == 24 || bitsPerPixel == 32;
}

// Reads and checks the headers of the BMP image in block[0, size). With
// pixelsInBlock the pixel rows must lie in the block too; without, the
// block ends where the pixels would begin (a copy of the headers alone).
// False for anything an image of this library cannot be: no "BM", headers
// cut short, an information header under 40 bytes, a width or height that
// is not positive or whose rows outgrow 32 bits, a depth other than 8, 16,
// 24 or 32, a compression other than none or bit fields (the pixels would
// not be plain rows), a colour count above 256, a colour table or bit masks
// that do not fit before the pixels, pixels that start inside the headers
// or do not fit in the block.
bool ReadBmpLayout(const void* block, size_t size, bool pixelsInBlock, BmpLayout& layout);
