#pragma once

#include "base/graphics/bitmap.h"
#include "base/window/region.h"

#include <cstdint>

// Pictures for window shapes, drawn by our own code: 32-bpp images whose
// background is the key colour.
constexpr uint32_t kMaskKey = 0x0000FF00;

// A standing character in the image's size, cut from ellipses, triangles
// and boxes: spiky hair, twin tails falling apart into strands, arms with
// fingers and a hole, a skirt with a zigzag hem, legs and shoes.
void PaintFigureMask(Bitmap& image, int32_t width, int32_t height);

// Pixels that differ from the key with about the given chance in 1000 each,
// from a fixed seed.
void PaintNoiseMask(Bitmap& image, int32_t width, int32_t height, uint32_t perMille, uint32_t seed);

// The shape built the plain way, one OR of a one-row region per run, to
// check faster ways against: only 32 bpp; the whole image or area.
bool BuildRegionRunByRun(Bitmap& image, uint32_t key, Region& out, const Rect& area = Rect());
