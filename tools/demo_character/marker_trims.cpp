#include "tools/demo_character/marker_trims.h"

#include "tools/demo_character/figure.h"

void DrawMarker(Raster& raster, const DemoMarkerBox& marker, int slot, int frame)
{
    for (int cell = 0; cell < DemoMarker::kCellCount; ++cell)
        raster.FillRect(marker.left + cell * DemoMarker::kCellSize, marker.top, DemoMarker::kCellSize, DemoMarker::kCellSize,
                        DemoMarkerCellColour(slot, frame, cell));
}

void DrawMarkerClip(Raster& raster, const DemoMarkerBox& marker, uint32_t colour, int slot, int frame)
{
    // The bar's line runs through the middle of the cells' row, a pixel in
    // from either end: with a radius of 3 and an outline of 1 it covers
    // the box and 3 pixels round it.
    const float middle = static_cast<float>(marker.top + marker.bottom) / 2;
    const Capsule bar{{static_cast<float>(marker.left + 1), middle}, {static_cast<float>(marker.right - 1), middle}, 3};
    Paint(raster, bar, colour, kOutline, 1);
    DrawMarker(raster, marker, slot, frame);
}

void DrawMarkerStones(Raster& raster, const DemoMarkerBox& marker, uint32_t colour, int slot, int frame)
{
    raster.FillRect(marker.left - 1, marker.top - 1, marker.right - marker.left + 2, marker.bottom - marker.top + 2, colour);
    DrawMarker(raster, marker, slot, frame);
}
