#pragma once

#include "tools/demo_character/demo_markers.h"
#include "tools/demo_character/figure.h"

#include <vector>

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
    // Where its pictures carry their marker (demo_markers.h).
    DemoMarkerPlace marker;
};
