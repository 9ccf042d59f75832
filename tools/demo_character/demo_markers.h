#pragma once

#include <cstdint>

// Every picture of an edition's demo character carries a marker that tells a
// test which animation slot and which of its pictures is on screen: a row of
// square cells at the edition's own place on the character canvas (the
// window's client area; below), part of the window's shape.
//
//   cell 0              start, red   (255, 0, 0)
//   cells 1 .. 6        slot number, most significant bit first (up to 63,
//                       room for the edition with the most slots, 40)
//   cells 7 .. 10       frame number, most significant bit first
//   cell 11             end, blue    (0, 0, 255)
//
// A bit is white (255, 255, 255) for 1 and black (0, 0, 0) for 0. The frame
// number is the index, within its script, of the frame whose picture is
// shown: a frame that repeats an earlier frame's pictures (an alias) shows
// the earlier frame's number. Only full and empty channels are used, so the
// colours survive a 16-bit display; the decoder reads a channel of 128 or
// more as full.
struct DemoMarker {
    static constexpr int kCellSize = 2; // each cell is kCellSize x kCellSize pixels
    static constexpr int kSlotBits = 6;
    static constexpr int kFrameBits = 4;
    static constexpr int kCellCount = 1 + kSlotBits + kFrameBits + 1;
    static constexpr int kWidth = kCellCount * kCellSize;

    static constexpr uint32_t kStart = 0xFF0000; // 0x00RRGGBB
    static constexpr uint32_t kEnd = 0x0000FF;
    static constexpr uint32_t kOne = 0xFFFFFF;
    static constexpr uint32_t kZero = 0x000000;
};

// Where an edition's marker lies: the top-left corner of cell 0, x pixels
// from the canvas's left edge or, for a canvas whose width changes from
// frame to frame while the character keeps to its right part, from its
// right edge.
struct DemoMarkerPlace {
    enum class Edge { kLeft, kRight };
    Edge edge;
    int x;
    int y;
};

// The marker's cells on a canvas of the given width (right and bottom
// exclusive).
struct DemoMarkerBox {
    int left;
    int top;
    int right;
    int bottom;
};

constexpr DemoMarkerBox DemoMarkerOn(const DemoMarkerPlace& place, int canvasWidth)
{
    const int left = place.edge == DemoMarkerPlace::Edge::kLeft ? place.x : canvasWidth - place.x;
    return {left, place.y, left + DemoMarker::kWidth, place.y + DemoMarker::kCellSize};
}

// Each edition's place, inside its character in every frame; the readers of
// the marker and the character that draws it (tools/demo_character/
// characters/) take it from here.
// On a clip in Quenna's hair, left of her crown.
inline constexpr DemoMarkerPlace kQuennaDemoMarker{DemoMarkerPlace::Edge::kLeft, 194, 100};
// On a bar clip on the left of Pelmo's hair.
inline constexpr DemoMarkerPlace kPelmoDemoMarker{DemoMarkerPlace::Edge::kLeft, 170, 120};
// On a slide in Tavri's fringe, below her headband.
inline constexpr DemoMarkerPlace kTavriDemoMarker{DemoMarkerPlace::Edge::kLeft, 180, 104};
// On the clip in the bob of ソルビ, the left one of the two.
inline constexpr DemoMarkerPlace kSorlunDemoMarker{DemoMarkerPlace::Edge::kLeft, 176, 92};
// Stones in the brim of Ivrel's hat. His frames' canvas is his image with the
// side picture of the frame (of several widths, or none) left of it, so the
// place is counted from the right edge, where the image ends.
inline constexpr DemoMarkerPlace kIvrelDemoMarker{DemoMarkerPlace::Edge::kRight, 104, 34};

// The colour (0x00RRGGBB) of marker cell index for the given slot and frame.
inline uint32_t DemoMarkerCellColour(int slot, int frame, int cell)
{
    if (cell <= 0)
        return DemoMarker::kStart;
    if (cell >= DemoMarker::kCellCount - 1)
        return DemoMarker::kEnd;
    const bool one = cell <= DemoMarker::kSlotBits
                         ? (slot >> (DemoMarker::kSlotBits - cell)) & 1
                         : (frame >> (DemoMarker::kSlotBits + DemoMarker::kFrameBits - cell)) & 1;
    return one ? DemoMarker::kOne : DemoMarker::kZero;
}

// Reads the marker in box through pixelAt(x, y), which gives the 0x00RRGGBB
// colour of canvas pixel (x, y) (high byte ignored). False when the start or
// end cell is missing or a bit cell is neither white nor black, which is what
// a window without the demo character's picture gives.
template <typename PixelAt> bool DecodeDemoMarker(const DemoMarkerBox& box, PixelAt pixelAt, int& slot, int& frame)
{
    int value = 0;
    for (int cell = 0; cell < DemoMarker::kCellCount; ++cell) {
        const uint32_t pixel = static_cast<uint32_t>(
            pixelAt(box.left + cell * DemoMarker::kCellSize + DemoMarker::kCellSize / 2, box.top + DemoMarker::kCellSize / 2));
        // One bit per full channel: red 4, green 2, blue 1.
        const uint32_t seen = (((pixel >> 16) & 0xFF) >= 128 ? 4u : 0u) | (((pixel >> 8) & 0xFF) >= 128 ? 2u : 0u) |
                              ((pixel & 0xFF) >= 128 ? 1u : 0u);
        if (cell == 0 || cell == DemoMarker::kCellCount - 1) {
            if (seen != (cell == 0 ? 4u : 1u))
                return false;
            continue;
        }
        if (seen != 0 && seen != 7)
            return false;
        value = value << 1 | (seen == 7 ? 1 : 0);
    }
    slot = value >> DemoMarker::kFrameBits;
    frame = value & ((1 << DemoMarker::kFrameBits) - 1);
    return true;
}
