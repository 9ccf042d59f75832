#pragma once

#include "base/graphics/pixel_format.h"
#include "base/util/rect.h"

#include <cstdint>

// The view of a locked rectangle of an image that the pixel engine walks.
// Rows of a bottom-up image (a BMP with positive height) lie in memory from
// the last picture row to the first; the lock hides that: row y of the
// picture, StepRow(1) and Pitch() all follow the picture downwards.
struct BitmapLock {
    uint8_t* base = nullptr; // first byte of the pixel block; null when not locked
    uint8_t* row = nullptr;  // current row position
    Rect rect;               // the locked rectangle
    int32_t width = 0;       // of the whole image
    int32_t height = 0;
    int32_t bitsPerPixel = 0;
    int32_t stride = 0; // bytes from one row to the next in memory
    const PixelFormat* format = nullptr;
    uint8_t bottomUp = 0;

    void Clear() { *this = BitmapLock(); }

    // The pixel (x, y) of the picture, counted from the base pointer when
    // fromBase is set, else from the current row position. Null outside
    // the image.
    uint8_t* PixelAt(int32_t x, int32_t y, bool fromBase) const;
    // Moves the current row position n picture rows on and returns it.
    uint8_t* StepRow(int32_t n);
    // The signed step in bytes from one picture row to the next.
    int32_t Pitch() const { return bottomUp ? -stride : stride; }

    // True when the locked rectangle lies inside the image.
    bool RectInsideImage() const;
    // True when rows picture rows of pixels pixels each, walked from the
    // current row position, lie inside the image. A draw checks this first
    // so that no lock, however it was filled, makes it touch memory outside
    // the pixel block.
    bool CanWalk(int32_t rows, int32_t pixels) const;
};
