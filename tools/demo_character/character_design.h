#pragma once

#include "tools/demo_character/demo_markers.h"
#include "tools/demo_character/figure.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// The hair clip that carries the marker of every picture (demo_markers.h,
// marker_trims.h): the marker's place on the canvas, the figure that wears
// the clip (its index among the figures) and its colour. The place lies on
// that figure's hair in every pose of the character's actions.
struct MarkerClip {
    DemoMarkerPlace place;
    size_t wearer;
    uint32_t colour;
};

// One figure of a demo character: how it looks and where it stands.
struct FigureDesign {
    Look look;
    Placement placement;
};

// What an edition's demo character is drawn from, besides its actions.
struct CharacterDesign {
    // Begins the names of the character's pictures and voices ("quenna" in
    // "quenna03_1.bmz" and "quenna_hum.wav").
    const char* entryPrefix;
    // Left to right; an edition of two characters has two. Where they
    // meet, the left one stands in front.
    std::vector<FigureDesign> figures;
    // The top-left corner of the hour chime's clock on the canvas.
    int clockLeft;
    int clockTop;
    // Each character's voice is the shared recipes raised or lowered by this.
    float voicePitch;
    MarkerClip markerClip;
};
