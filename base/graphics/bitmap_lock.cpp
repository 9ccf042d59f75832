#include "base/graphics/bitmap_lock.h"

namespace {

uint8_t* Offset(uint8_t* pointer, int64_t bytes)
{
    // Through integers: a row position may be stepped past either end of
    // the block after the last row, which pointer arithmetic may not do.
    return reinterpret_cast<uint8_t*>(reinterpret_cast<uintptr_t>(pointer) + static_cast<uintptr_t>(bytes));
}

} // namespace

uint8_t* BitmapLock::PixelAt(int32_t x, int32_t y, bool fromBase) const
{
    if (x < 0 || x >= width || y < 0 || y >= height)
        return nullptr;
    uint8_t* origin = fromBase ? base : row;
    if (!origin)
        return nullptr;
    const int64_t memoryRow = bottomUp ? static_cast<int64_t>(height) - 1 - y : y;
    return Offset(origin, memoryRow * stride + static_cast<int64_t>(x) * (bitsPerPixel / 8));
}

uint8_t* BitmapLock::StepRow(int32_t n)
{
    row = Offset(row, static_cast<int64_t>(n) * Pitch());
    return row;
}

bool BitmapLock::RectInsideImage() const
{
    return rect.left <= rect.right && rect.top <= rect.bottom && Rect(0, 0, width, height).ContainsRect(rect);
}

bool BitmapLock::CanWalk(int32_t rows, int32_t pixels) const
{
    const int64_t pixelBytes = bitsPerPixel / 8;
    if (!base || !row || pixelBytes <= 0 || width < 0 || height < 0 || rows < 0 || pixels < 0)
        return false;
    const int64_t rowBytes = pixelBytes * width;
    if (stride < rowBytes)
        return false;
    if (rows == 0 || pixels == 0)
        return true;
    const int64_t start = static_cast<int64_t>(reinterpret_cast<uintptr_t>(row) - reinterpret_cast<uintptr_t>(base));
    if (start < 0 || start >= static_cast<int64_t>(stride) * height)
        return false;
    const int64_t column = start % stride;
    if (column % pixelBytes != 0 || column + pixels * pixelBytes > rowBytes)
        return false;
    const int64_t firstMemoryRow = start / stride;
    const int64_t lastMemoryRow = firstMemoryRow + (bottomUp ? -(rows - 1) : rows - 1);
    return lastMemoryRow >= 0 && lastMemoryRow < height;
}
