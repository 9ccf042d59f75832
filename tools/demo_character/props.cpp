#include "tools/demo_character/props.h"

#include <cmath>

namespace {

// The props' colours; none of them is the key colour.
constexpr uint32_t kHeart = 0xF05078;
constexpr uint32_t kSign = 0xFAC828;
constexpr uint32_t kGold = 0xF0C43C;
constexpr uint32_t kGoldDark = 0xB48C1E;
constexpr uint32_t kPaper = 0xF8F8F0;
constexpr uint32_t kInk = 0x965CBE;
constexpr uint32_t kBump = 0xFFA0AA;
constexpr uint32_t kDrop = 0x8CC8FF;
constexpr uint32_t kAnger = 0xE03C3C;
constexpr uint32_t kSleep = 0x5A78C8;

PolygonShape Rotated(std::vector<Point> corners, Point pivot, float degrees)
{
    const float c = std::cos(Radians(degrees));
    const float s = std::sin(Radians(degrees));
    for (Point& p : corners) {
        const float x = p.x - pivot.x;
        const float y = p.y - pivot.y;
        p = {pivot.x + x * c - y * s, pivot.y + x * s + y * c};
    }
    return PolygonShape{corners};
}

void DrawHeart(Sketch& sketch, Point at, float size)
{
    const float r = size * 0.55f;
    const PolygonShape tip{{{at.x - size, at.y + size * 0.15f}, {at.x + size, at.y + size * 0.15f}, {at.x, at.y + size * 1.3f}}};
    sketch.Fill(Oval{at.x - size * 0.5f, at.y, r, r}, kOutline, kLine);
    sketch.Fill(Oval{at.x + size * 0.5f, at.y, r, r}, kOutline, kLine);
    sketch.Fill(tip, kOutline, kLine);
    sketch.Fill(Oval{at.x - size * 0.5f, at.y, r, r}, kHeart);
    sketch.Fill(Oval{at.x + size * 0.5f, at.y, r, r}, kHeart);
    sketch.Fill(tip, kHeart);
}

void DrawBell(Sketch& sketch, Point at, float tilt)
{
    // The bell hangs from its handle at 'at' and swings about it.
    const Point pivot = at;
    sketch.Paint(Rotated({{at.x - 4, at.y - 26}, {at.x + 4, at.y - 26}, {at.x + 4, at.y}, {at.x - 4, at.y}}, pivot, tilt), kGoldDark,
                 kOutline, 2);
    sketch.Paint(Rotated({{at.x - 12, at.y}, {at.x + 12, at.y}, {at.x + 22, at.y + 30}, {at.x + 30, at.y + 44}, {at.x - 30, at.y + 44},
                          {at.x - 22, at.y + 30}},
                         pivot, tilt),
                 kGold, kOutline, kLine);
    const PolygonShape clapper = Rotated({{at.x, at.y + 52}}, pivot, tilt * 1.6f);
    sketch.Paint(Oval{clapper.corners[0].x, clapper.corners[0].y, 7, 7}, kGoldDark, kOutline, 2);
}

void DrawEnvelope(Sketch& sketch, Point at, bool open)
{
    const float w = 40;
    const float h = 27;
    if (open) {
        sketch.Paint(PolygonShape{{{at.x - w, at.y - h}, {at.x + w, at.y - h}, {at.x, at.y - h - 30}}}, kPaper, kOutline, kLine);
        sketch.Paint(PolygonShape{{{at.x - 30, at.y - h - 24}, {at.x + 30, at.y - h - 24}, {at.x + 30, at.y}, {at.x - 30, at.y}}}, kWhite,
                     kOutline, 2);
        for (int line = 0; line < 3; ++line)
            sketch.Stroke({{at.x - 20, at.y - h - 12 + line * 9.0f}, {at.x + 20, at.y - h - 12 + line * 9.0f}}, 1.5f, kInk);
    }
    sketch.Paint(PolygonShape{{{at.x - w, at.y - h}, {at.x + w, at.y - h}, {at.x + w, at.y + h}, {at.x - w, at.y + h}}}, kPaper, kOutline,
                 kLine);
    sketch.Stroke({{at.x - w, at.y + h}, {at.x, at.y + 2}, {at.x + w, at.y + h}}, 1.5f, kOutline);
    if (!open)
        sketch.Stroke({{at.x - w, at.y - h}, {at.x, at.y + 4}, {at.x + w, at.y - h}}, 1.5f, kOutline);
    DrawHeart(sketch, {at.x, at.y - 2}, 8);
}

// A "Z" of the given height with its top-left corner at 'at'.
void DrawZ(Sketch& sketch, Point at, float size)
{
    OutlinedStroke(sketch, {{at.x, at.y}, {at.x + size, at.y}, {at.x, at.y + size}, {at.x + size, at.y + size}}, size / 8, kSleep);
}

} // namespace

void DrawProp(Sketch& sketch, const Prop& prop)
{
    const Point at = prop.at;
    switch (prop.kind) {
    case PropKind::Note:
        sketch.Stroke({{at.x + 8, at.y}, {at.x + 8, at.y - 30}, {at.x + 20, at.y - 22}}, 2.5f, kFaceLine);
        sketch.Fill(Oval{at.x, at.y, 10, 8}, kFaceLine);
        break;
    case PropKind::Heart:
        DrawHeart(sketch, at, prop.value > 0 ? prop.value : 14);
        break;
    case PropKind::Question:
        OutlinedStroke(sketch, Arc(Oval{at.x, at.y - 14, 12, 12}, 180, 420, 12), 4, kSign);
        OutlinedStroke(sketch, {{at.x + 9, at.y - 6}, {at.x, at.y + 2}, {at.x, at.y + 8}}, 4, kSign);
        sketch.Paint(Oval{at.x, at.y + 20, 5, 5}, kSign, kOutline, kLine);
        break;
    case PropKind::Exclaim:
        OutlinedStroke(sketch, {{at.x, at.y - 24}, {at.x, at.y + 4}}, 5, kSign);
        sketch.Paint(Oval{at.x, at.y + 18, 5, 5}, kSign, kOutline, kLine);
        break;
    case PropKind::Bump:
        sketch.Paint(Oval{at.x, at.y, 16, 12}, kBump, kOutline, kLine);
        for (float angle : {200.0f, 270.0f, 340.0f}) {
            const Point near{at.x + 22 * std::cos(Radians(angle)), at.y + 18 * std::sin(Radians(angle))};
            const Point far{at.x + 34 * std::cos(Radians(angle)), at.y + 28 * std::sin(Radians(angle))};
            OutlinedStroke(sketch, {near, far}, 2, kSign);
        }
        break;
    case PropKind::Sweat:
        sketch.Paint(PolygonShape{{{at.x, at.y - 14}, {at.x + 7, at.y}, {at.x - 7, at.y}}}, kDrop, kOutline, 2);
        sketch.Paint(Oval{at.x, at.y + 2, 7, 7}, kDrop, kOutline, 2);
        break;
    case PropKind::Bell:
        DrawBell(sketch, at, prop.value);
        break;
    case PropKind::Envelope:
        DrawEnvelope(sketch, at, prop.value != 0);
        break;
    case PropKind::Shake: {
        const float spread = prop.value > 0 ? prop.value : 40;
        for (float side : {-1.0f, 1.0f})
            for (int i = 0; i < 2; ++i) {
                const float x = at.x + side * (spread + 10.0f * i);
                sketch.Stroke(Arc(Oval{x, at.y, 8, 14 + 6.0f * i}, side < 0 ? 120 : -60, side < 0 ? 240 : 60, 8), 2, kOutline);
            }
        break;
    }
    case PropKind::Sleep:
        DrawZ(sketch, at, 12);
        DrawZ(sketch, {at.x + 16, at.y - 22}, 16);
        DrawZ(sketch, {at.x + 38, at.y - 50}, 20);
        break;
    case PropKind::Anger:
        // Four bent strokes around a point, like swollen veins.
        for (float angle : {45.0f, 135.0f, 225.0f, 315.0f}) {
            const float c = std::cos(Radians(angle));
            const float s = std::sin(Radians(angle));
            sketch.Stroke({{at.x + 7 * c, at.y + 20 * s}, {at.x + 20 * c, at.y + 20 * s}, {at.x + 20 * c, at.y + 7 * s}}, 4, kAnger);
        }
        break;
    case PropKind::Sparkle: {
        const float size = prop.value > 0 ? prop.value : 10;
        sketch.Paint(PolygonShape{{{at.x, at.y - size}, {at.x + size * 0.3f, at.y - size * 0.3f}, {at.x + size, at.y},
                                   {at.x + size * 0.3f, at.y + size * 0.3f}, {at.x, at.y + size}, {at.x - size * 0.3f, at.y + size * 0.3f},
                                   {at.x - size, at.y}, {at.x - size * 0.3f, at.y - size * 0.3f}}},
                     kSign, kOutline, 2);
        break;
    }
    case PropKind::Speed: {
        const float length = prop.value > 0 ? prop.value : 30;
        for (float dx : {-40.0f, 0.0f, 40.0f})
            sketch.Stroke({{at.x + dx, at.y}, {at.x + dx, at.y + length}}, 2, kOutline);
        break;
    }
    }
}
