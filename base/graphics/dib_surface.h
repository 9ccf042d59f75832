#pragma once

#include "base/graphics/bitmap.h"
#include "base/graphics/device_context.h"
#include "base/graphics/gdi_object.h"

#include <windows.h>

#include <cstdint>

// An image turned into a DIB section selected into a memory context, so it
// can be copied to a window with one BitBlt. Its own Bitmap holds the
// source's headers and table with its pixels in the section, so pixel work
// on Image() (Lock, the pixel engine) changes the section directly.
// Moves but never copies.
class DibSurface {
public:
    DibSurface();
    ~DibSurface();
    DibSurface(const DibSurface&) = delete;
    DibSurface& operator=(const DibSurface&) = delete;
    DibSurface(DibSurface&& other) noexcept;
    DibSurface& operator=(DibSurface&& other) noexcept;

    // Deletes the context, then the section and the palette, and empties
    // the image.
    void Release();
    // Builds the surface from source, starting from empty. Any step that
    // fails leaves it empty and gives false.
    bool Build(const Bitmap& source);
    // From a blank image of that size and depth (a 256-entry table for 8 bpp).
    bool BuildBlank(int32_t width, int32_t height, int32_t bitsPerPixel);
    // From an image loaded as Bitmap::Load does.
    bool BuildFromFile(PackSource source);
    // From the program's ZLC3 resource (see Bitmap::LoadFromResource).
    bool BuildFromResource(uint16_t id, const char* type);

    bool IsBuilt() const { return section_ != nullptr; }
    HBITMAP Section() const { return section_; }
    const GdiObject& Palette() const { return palette_; }
    MemoryDC& Context() { return context_; }
    Bitmap& Image() { return image_; }

private:
    void MoveFrom(DibSurface& other);

    HBITMAP section_ = nullptr;
    GdiObject palette_;
    MemoryDC context_;
    Bitmap image_;
};
