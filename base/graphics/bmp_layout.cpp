#include "base/graphics/bmp_layout.h"

#include "base/util/byte_reader.h"

#include <windows.h>

bool ComputeBmpStride(int32_t width, int32_t bitsPerPixel, int32_t& rowBytes, int32_t& stride)
{
    const int64_t bytes = static_cast<int64_t>(bitsPerPixel / 8) * width;
    const int64_t padded = (bytes + 3) & ~int64_t{3};
    if (bytes < 0 || padded > INT32_MAX)
        return false;
    rowBytes = static_cast<int32_t>(bytes);
    stride = static_cast<int32_t>(padded);
    return true;
}

bool ReadBmpLayout(const void* block, size_t size, bool pixelsInBlock, BmpLayout& layout)
{
    layout = BmpLayout();
    ByteReader reader(block, size);
    uint16_t magic = 0, bitCount = 0;
    uint32_t pixelOffset = 0, headerSize = 0, compression = 0, coloursUsed = 0;
    int32_t width = 0, height = 0;
    reader.U16LEAt(0, magic);
    reader.U32LEAt(kBmpOffPixels, pixelOffset);
    reader.U32LEAt(kBmpOffHeaderSize, headerSize);
    reader.I32LEAt(kBmpOffWidth, width);
    reader.I32LEAt(kBmpOffHeight, height);
    reader.U16LEAt(kBmpOffBitCount, bitCount);
    reader.U32LEAt(kBmpOffCompression, compression);
    reader.U32LEAt(kBmpOffColoursUsed, coloursUsed);
    if (!reader.Ok() || size < kBmpHeadersSize || magic != kBmpMagic)
        return false;

    // Only bottom-up rows (positive height) are meant; a top-down image
    // would be walked from the wrong end.
    if (headerSize < kBmpInfoHeaderSize || width <= 0 || height <= 0 || !IsBmpDepth(bitCount))
        return false;
    const bool bitFields = compression == BI_BITFIELDS;
    if (compression != BI_RGB && !(bitFields && (bitCount == 16 || bitCount == 32)))
        return false;
    if (coloursUsed > static_cast<uint32_t>(kBmpLargestColourTable))
        return false;

    BmpLayout out;
    out.width = width;
    out.height = height;
    out.bitsPerPixel = bitCount;
    if (!ComputeBmpStride(width, bitCount, out.rowBytes, out.stride))
        return false;
    out.colourCount = coloursUsed == 0 ? kBmpLargestColourTable : static_cast<int32_t>(coloursUsed);

    // What the system reads after the information header: the bit masks of
    // a 40-byte header with bit fields, then biClrUsed entries (all 256 of
    // an 8-bpp image that states 0).
    const uint64_t tableOffset = uint64_t{kBmpFileHeaderSize} + headerSize;
    const uint64_t maskBytes = bitFields && headerSize == kBmpInfoHeaderSize ? 12 : 0;
    const uint64_t entryBytes = 4 * static_cast<uint64_t>(bitCount == 8 ? out.colourCount : coloursUsed);
    if (pixelOffset < tableOffset + maskBytes + entryBytes)
        return false;
    const uint64_t pixelEnd = uint64_t{pixelOffset} + static_cast<uint64_t>(out.PixelBytes());
    if (pixelsInBlock ? pixelEnd > size : pixelOffset > size)
        return false;
    if (pixelEnd > kBmpLargestBlock)
        return false;

    out.pixelOffset = pixelOffset;
    out.tableOffset = static_cast<uint32_t>(tableOffset);
    out.tableEntries = static_cast<int32_t>((pixelOffset - tableOffset) / 4);
    layout = out;
    return true;
}
