#pragma once

#include "tools/demo_character/raster.h"
#include "tools/demo_character/sketch.h"

#include <vector>

// The pictures drawn beneath a character's figures (the mask pictures of
// the frames), each a picture of its own placed at its Left(), Top() on the
// canvas.

// The shadow on the ground under each figure; a small one for a figure in
// the air.
Raster DrawShadow(const std::vector<Placement>& figures, bool small);

// A clock face 106 pixels square with its top-left corner at the canvas
// point, showing the hour (0 .. 11; 0 shows twelve o'clock).
Raster DrawClock(int left, int top, int hour);
