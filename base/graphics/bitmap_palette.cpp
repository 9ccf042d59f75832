// Pixel and colour-table work on a whole image.
#include "base/graphics/bitmap.h"

#include "base/util/byte_writer.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <utility>

bool Bitmap::SwapRedBlue()
{
    if (!NeedsPixels())
        return false;
    if (layout_.bitsPerPixel != 24)
        return Fail(kInvalidValue);
    for (int32_t row = 0; row < layout_.height; ++row) {
        uint8_t* pixel = pixels_ + static_cast<int64_t>(row) * layout_.stride;
        for (int32_t x = 0; x < layout_.width; ++x, pixel += 3)
            std::swap(pixel[0], pixel[2]);
    }
    return true;
}

bool Bitmap::FlipVertical()
{
    if (!NeedsPixels())
        return false;
    const size_t stride = static_cast<size_t>(layout_.stride);
    for (int32_t i = 0; i < layout_.height / 2; ++i) {
        uint8_t* upper = pixels_ + static_cast<size_t>(i) * stride;
        uint8_t* lower = pixels_ + static_cast<size_t>(layout_.height - 1 - i) * stride;
        std::swap_ranges(upper, upper + stride, lower);
    }
    return true;
}

bool Bitmap::SwapColours(int32_t a, int32_t b)
{
    if (!NeedsPixels())
        return false;
    const int32_t entries = UsableTableEntries();
    if (layout_.bitsPerPixel != 8 || a == b || a < 0 || b < 0 || a >= entries || b >= entries)
        return Fail(kInvalidValue);
    const uint8_t first = static_cast<uint8_t>(a), second = static_cast<uint8_t>(b);
    uint8_t* const end = pixels_ + layout_.PixelBytes();
    for (uint8_t* pixel = pixels_; pixel != end; ++pixel) {
        if (*pixel == first)
            *pixel = second;
        else if (*pixel == second)
            *pixel = first;
    }
    std::swap_ranges(colourTable_ + 4 * a, colourTable_ + 4 * a + 4, colourTable_ + 4 * b);
    return true;
}

bool Bitmap::RotatePalette(int32_t n)
{
    SetError(0);
    if (!colourTable_)
        return Fail(kNullPointer);
    if (layout_.bitsPerPixel != 8)
        return Fail(kInvalidValue);
    const int32_t count = UsableTableEntries();
    if (count <= 0)
        return Fail(kInvalidValue);
    const int32_t shift = ((n % count) + count) % count;
    if (shift == 0)
        return true;
    const size_t tableBytes = static_cast<size_t>(count) * 4;
    uint8_t* old = static_cast<uint8_t*>(std::malloc(tableBytes));
    if (!old)
        return Fail(kMemoryAllocationFailed);
    std::memcpy(old, colourTable_, tableBytes);
    for (int32_t i = 0; i < count; ++i)
        std::memcpy(colourTable_ + 4 * i, old + 4 * ((i - shift + count) % count), 4);
    std::free(old);
    if (pixels_) {
        for (int32_t row = 0; row < layout_.height; ++row) {
            uint8_t* pixel = pixels_ + static_cast<int64_t>(row) * layout_.stride;
            for (int32_t x = 0; x < layout_.width; ++x)
                pixel[x] = static_cast<uint8_t>((pixel[x] + shift) % count);
        }
    }
    return true;
}

bool Bitmap::ResizePalette(int32_t n)
{
    if (!NeedsPixels())
        return false;
    if (n < 1 || n > 255)
        return Fail(kAreaCheckError);
    // The lock points into the block about to be replaced.
    if (IsLocked())
        return Fail(kLockAlready);
    const uint32_t headBytes = layout_.tableOffset; // file and information headers
    const uint64_t pixelOffset = uint64_t{headBytes} + 4 * static_cast<uint64_t>(n);
    const uint64_t total = pixelOffset + static_cast<uint64_t>(layout_.PixelBytes());
    if (total > kBmpLargestBlock)
        return Fail(kInvalidValue);
    uint8_t* block = static_cast<uint8_t*>(std::calloc(static_cast<size_t>(total), 1));
    if (!block)
        return Fail(kMemoryAllocationFailed);
    const int32_t kept = std::min(UsableTableEntries(), n);
    std::memcpy(block, block_, headBytes);
    std::memcpy(block + headBytes, colourTable_, static_cast<size_t>(kept) * 4);
    std::memcpy(block + pixelOffset, pixels_, static_cast<size_t>(layout_.PixelBytes()));
    StoreU32LE(block + kBmpOffSize, static_cast<uint32_t>(total));
    StoreU32LE(block + kBmpOffPixels, static_cast<uint32_t>(pixelOffset));
    StoreU32LE(block + kBmpOffColoursUsed, static_cast<uint32_t>(n));

    BmpLayout layout;
    if (!ReadBmpLayout(block, static_cast<size_t>(total), true, layout)) {
        // A 16-bpp image with bit fields: its masks and n entries do not
        // both fit a table of n entries.
        std::free(block);
        return Fail(kInvalidValue);
    }
    const int32_t fillValue = fillValue_;
    const uint64_t fillPattern = fillPattern_;
    Release();
    Adopt(block, static_cast<size_t>(total), layout, block + layout.pixelOffset);
    fillValue_ = fillValue;
    fillPattern_ = fillPattern;
    return true;
}

bool Bitmap::SetPaletteEntry(uint8_t index, uint8_t red, uint8_t green, uint8_t blue)
{
    SetError(0);
    if (!colourTable_)
        return Fail(kNullPointer);
    if (index >= UsableTableEntries())
        return Fail(kAreaCheckError);
    const uint8_t entry[4] = {blue, green, red, 0};
    std::memcpy(colourTable_ + 4 * index, entry, sizeof entry);
    return true;
}
