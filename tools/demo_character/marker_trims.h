#pragma once

#include "tools/demo_character/demo_markers.h"
#include "tools/demo_character/raster.h"

#include <cstdint>

// The trims that carry a picture's marker (demo_markers.h) inside the
// character, so that it reads as part of the picture and the window has no
// piece of its own for it. A trim is drawn round the marker's box on the
// canvas, with the marker's cells on it, at the same place in every frame:
// the readers find the marker there whatever the pose.

// The marker of the slot and the frame in its box, the cells alone.
void DrawMarker(Raster& raster, const DemoMarkerBox& marker, int slot, int frame);

// A hair clip: a bar of the colour with round ends and an outline, the
// marker's cells set in it like beads. It reaches 3 pixels beyond the box
// on every side.
void DrawMarkerClip(Raster& raster, const DemoMarkerBox& marker, uint32_t colour, int slot, int frame);

// Stones set in a narrow part such as a hat's brim: the marker's cells in a
// frame of the colour 1 pixel wide.
void DrawMarkerStones(Raster& raster, const DemoMarkerBox& marker, uint32_t colour, int slot, int frame);
