#pragma once

#include "base/graphics/bitmap.h"

#include <cstdint>

// The picture that the test program carries as a ZLC3 resource, made at
// build time by make_resource_picture and again by the tests to compare.
constexpr uint16_t kPictureResource = 101;      // a 24-bpp picture
constexpr uint16_t kNotAPictureResource = 102;  // inflates to bytes that are no BMP
constexpr uint16_t kCutResource = 103;          // shorter than a ZLC3 header
constexpr const char kPictureResourceType[] = "BMZ";

inline bool PaintResourcePicture(Bitmap& image)
{
    if (!image.Create(7, 5, 24, 0))
        return false;
    for (int32_t y = 0; y < image.Height(); ++y)
        for (int32_t x = 0; x < image.RowBytes(); ++x)
            image.PixelAddress(0, y)[x] = static_cast<uint8_t>(x * 11 + y * 37);
    return true;
}
