#pragma once

#include "base/window/region.h"

#include <cstdint>
#include <memory>
#include <unordered_map>

// The window shapes of a character, each kept once. Most frames of an
// animation share their silhouette (a blink, a small gesture), and a window
// that keeps its shape from one frame to the next costs the system nothing,
// while a new region costs it more than the whole picture. Frames whose
// shapes are equal therefore hold one region, and the show step knows them
// by it.
class ShapeBook {
public:
    // The kept shape equal to region, else region itself, kept from now on.
    // A region without a handle gives none: the frame has no shape.
    std::shared_ptr<Region> Share(Region region);

private:
    // By a hash of the region's rectangles; equal regions have the same.
    std::unordered_multimap<uint64_t, std::shared_ptr<Region>> shapes_;
};
