#include "tools/demo_character/frame_pictures.h"

#include "tools/demo_character/backdrops.h"
#include "tools/demo_character/marker_trims.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>

namespace {

struct Box {
    int left, top, right, bottom;
};

// Every figure's box on the canvas, and the marker.
Box PictureBox(const CharacterDesign& design, const DemoMarkerBox& marker)
{
    Box box{marker.left, marker.top, marker.right, marker.bottom};
    for (const FigureDesign& figure : design.figures) {
        const Point topLeft = figure.placement.ToCanvas({FigureBox::kLeft, FigureBox::kTop});
        const Point bottomRight = figure.placement.ToCanvas({FigureBox::kRight, FigureBox::kBottom});
        box.left = std::min(box.left, static_cast<int>(std::floor(topLeft.x)));
        box.top = std::min(box.top, static_cast<int>(std::floor(topLeft.y)));
        box.right = std::max(box.right, static_cast<int>(std::ceil(bottomRight.x)));
        box.bottom = std::max(box.bottom, static_cast<int>(std::ceil(bottomRight.y)));
    }
    return box;
}

std::vector<Placement> Placements(const CharacterDesign& design)
{
    std::vector<Placement> placements;
    for (const FigureDesign& figure : design.figures)
        placements.push_back(figure.placement);
    return placements;
}

} // namespace

Raster DrawFramePicture(const CharacterDesign& design, const FramePlan& frame, const DemoMarkerBox& marker, int slot,
                        int frameIndex)
{
    const Box box = PictureBox(design, marker);
    Raster picture(box.left, box.top, box.right - box.left, box.bottom - box.top, kKeyColour);
    const MarkerClip& clip = design.markerClip;
    const auto wearClip = [&] { DrawMarkerClip(picture, marker, clip.colour, slot, frameIndex); };
    // Right to left: where two figures meet, the left one stands in front.
    for (size_t i = design.figures.size(); i-- > 0;) {
        Sketch sketch(picture, design.figures[i].placement);
        DrawFigure(sketch, design.figures[i].look, i < frame.poses.size() ? frame.poses[i] : Pose{},
                   i == clip.wearer ? std::function<void()>(wearClip) : nullptr);
    }
    return picture;
}

void PictureCorner(const CharacterDesign& design, const DemoMarkerBox& marker, int& left, int& top)
{
    const Box box = PictureBox(design, marker);
    left = box.left;
    top = box.top;
}

Raster DrawBackdrop(const CharacterDesign& design, Backdrop backdrop, int hour)
{
    if (backdrop == Backdrop::Clock)
        return DrawClock(design.clockLeft, design.clockTop, hour);
    return DrawShadow(Placements(design), backdrop == Backdrop::SmallShadow);
}

std::string BackdropName(const CharacterDesign& design, Backdrop backdrop, int hour)
{
    char name[64] = "";
    switch (backdrop) {
    case Backdrop::None:
        break;
    case Backdrop::Shadow:
        std::snprintf(name, sizeof name, "%s_shadow", design.entryPrefix);
        break;
    case Backdrop::SmallShadow:
        std::snprintf(name, sizeof name, "%s_shadow_small", design.entryPrefix);
        break;
    case Backdrop::Clock:
        std::snprintf(name, sizeof name, "%s_clock%02d", design.entryPrefix, hour);
        break;
    }
    return name;
}

std::string PictureName(const CharacterDesign& design, int slot, int frameIndex)
{
    char name[64];
    std::snprintf(name, sizeof name, "%s%02d_%d", design.entryPrefix, slot, frameIndex);
    return name;
}
