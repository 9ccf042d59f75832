#pragma once

#include "tools/demo_character/action_plans.h"
#include "tools/demo_character/character_design.h"
#include "tools/demo_character/demo_markers.h"
#include "tools/demo_character/raster.h"

#include <string>

// The pictures of a character's frames, for any form of script.

// The figures in the frame's poses, the marker of the slot and the frame
// (demo_markers.h) in its box on the canvas on the clip of the design, on a
// picture that covers every figure's box and the marker; the picture's
// Left(), Top() is its place on the canvas.
Raster DrawFramePicture(const CharacterDesign& design, const FramePlan& frame, const DemoMarkerBox& marker, int slot,
                        int frameIndex);

// The top-left corner on the canvas of every frame picture of the design.
void PictureCorner(const CharacterDesign& design, const DemoMarkerBox& marker, int& left, int& top);

// The backdrop beneath the figures (never Backdrop::None), and its entry
// name without extension; the clock shows the hour.
Raster DrawBackdrop(const CharacterDesign& design, Backdrop backdrop, int hour);
std::string BackdropName(const CharacterDesign& design, Backdrop backdrop, int hour);

// The entry name, without extension, of the picture of a slot's frame.
std::string PictureName(const CharacterDesign& design, int slot, int frameIndex);
