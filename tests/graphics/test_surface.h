#pragma once

#include "base/graphics/bitmap_lock.h"
#include "base/graphics/effect.h"
#include "base/graphics/pixel_format.h"

#include <cstdint>
#include <cstring>
#include <vector>

// A small picture for engine tests, laid out as a BMP image holds it:
// rows bottom-up unless asked otherwise, each padded to a multiple of 4
// bytes, the format analysed from a header of that depth. Its lock is
// filled by hand as the image class will fill it.
class TestSurface {
public:
    TestSurface(int32_t width, int32_t height, int32_t bpp, bool bottomUp = true)
        : width_(width), height_(height), bpp_(bpp), bottomUp_(bottomUp),
          stride_((width * (bpp / 8) + 3) & ~3), bytes_(static_cast<size_t>(stride_) * height, 0)
    {
        BITMAPINFOHEADER header = {};
        header.biSize = sizeof header;
        header.biBitCount = static_cast<WORD>(bpp);
        format.Analyse(&header);
        Lock(Rect(0, 0, width, height));
    }

    // Locks rect and puts the row position on its top-left pixel.
    BitmapLock& Lock(const Rect& rect)
    {
        lock.base = bytes_.data();
        lock.rect = rect;
        lock.width = width_;
        lock.height = height_;
        lock.bitsPerPixel = bpp_;
        lock.stride = stride_;
        lock.format = &format;
        lock.bottomUp = bottomUp_ ? 1 : 0;
        lock.row = Address(rect.left, rect.top);
        return lock;
    }

    uint8_t* Address(int32_t x, int32_t y)
    {
        const int32_t memoryRow = bottomUp_ ? height_ - 1 - y : y;
        return bytes_.data() + static_cast<size_t>(memoryRow) * stride_ + static_cast<size_t>(x) * (bpp_ / 8);
    }

    // 16 bpp: the 16-bit value; 24 bpp: 0xRRGGBB; 32 bpp: the 32-bit value.
    uint32_t Get(int32_t x, int32_t y)
    {
        uint32_t value = 0;
        std::memcpy(&value, Address(x, y), static_cast<size_t>(bpp_ / 8));
        return value;
    }
    void Set(int32_t x, int32_t y, uint32_t value) { std::memcpy(Address(x, y), &value, static_cast<size_t>(bpp_ / 8)); }
    void Fill(uint32_t value)
    {
        for (int32_t y = 0; y < height_; ++y)
            for (int32_t x = 0; x < width_; ++x)
                Set(x, y, value);
    }
    // Row y of the picture, left to right.
    std::vector<uint32_t> Row(int32_t y)
    {
        std::vector<uint32_t> row;
        for (int32_t x = 0; x < width_; ++x)
            row.push_back(Get(x, y));
        return row;
    }
    const std::vector<uint8_t>& Bytes() const { return bytes_; }

    PixelFormat format;
    BitmapLock lock;

private:
    int32_t width_, height_, bpp_;
    bool bottomUp_;
    int32_t stride_;
    std::vector<uint8_t> bytes_;
};

// The rows of a destinationWidth x destinationHeight picture after a copy
// (effect type 10) from a sourceWidth x sourceHeight picture whose pixel
// (x, y) is high | y * 16 + x.
inline std::vector<std::vector<uint32_t>> RowsOfScaledCopy(int32_t sourceWidth, int32_t sourceHeight,
                                                           int32_t destinationWidth, int32_t destinationHeight,
                                                           uint32_t high)
{
    TestSurface source(sourceWidth, sourceHeight, 32);
    for (int32_t y = 0; y < sourceHeight; ++y)
        for (int32_t x = 0; x < sourceWidth; ++x)
            source.Set(x, y, high | static_cast<uint32_t>(y * 16 + x));
    TestSurface target(destinationWidth, destinationHeight, 32);
    cEffect effect;
    effect.destination = &target.lock;
    effect.source = &source.lock;
    std::vector<std::vector<uint32_t>> rows;
    if (effect.Draw(kEffectCopy)) {
        for (int32_t y = 0; y < destinationHeight; ++y)
            rows.push_back(target.Row(y));
    }
    return rows;
}
