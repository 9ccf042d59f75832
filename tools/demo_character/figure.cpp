#include "tools/demo_character/figure.h"

#include <cmath>

namespace {

// The palette. None of these is the key colour.
constexpr uint32_t kOutline = 0x3A2848;
constexpr uint32_t kSkin = 0xFFE2CC;
constexpr uint32_t kHair = 0x965CBE;
constexpr uint32_t kHairDark = 0x7A4AA0;
constexpr uint32_t kDress = 0x40A8B0;
constexpr uint32_t kTrim = 0xFAF0DC;
constexpr uint32_t kLegs = 0x5A466E;
constexpr uint32_t kShoes = 0xD64650;
constexpr uint32_t kEye = 0x281E3C;
constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kCheek = 0xFFA0AA;
constexpr uint32_t kMouth = 0xAA3246;
constexpr uint32_t kTongue = 0xF07A8C;
constexpr uint32_t kTear = 0x8CC8FF;
constexpr uint32_t kHeart = 0xF05078;
constexpr uint32_t kSign = 0xFAC828;
constexpr uint32_t kGold = 0xF0C43C;
constexpr uint32_t kGoldDark = 0xB48C1E;
constexpr uint32_t kPaper = 0xF8F8F0;
constexpr uint32_t kShadow = 0x606870;
constexpr uint32_t kClockRim = 0xC88C3C;
constexpr uint32_t kClockFace = 0xFCF6E0;

constexpr float kLine = 3; // outline width
constexpr float kCentreX = 256;
constexpr float kPi = 3.14159265f;

float Radians(float degrees)
{
    return degrees * kPi / 180;
}

Point Offset(Point p, float dx, float dy)
{
    return {p.x + dx, p.y + dy};
}

// A stroke with an outline around it.
void OutlinedStroke(Raster& raster, const std::vector<Point>& points, float radius, uint32_t colour)
{
    Stroke(raster, points, radius + kLine, kOutline);
    Stroke(raster, points, radius, colour);
}

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

// Where the figure's parts are for one pose.
struct Skeleton {
    float dy;       // the body's shift down (negative: up)
    float feetDy;   // the feet's shift: they leave the ground only in a jump
    float faceDx;   // the face turns toward the side she faces
    float toeDx;    // shoes point the same way
    Point leftShoulder, rightShoulder;
    Point leftHand, rightHand;
};

Skeleton Place(const Pose& pose)
{
    Skeleton s{};
    s.dy = pose.lift;
    s.feetDy = pose.lift < 0 ? pose.lift : 0;
    s.faceDx = pose.facing == Facing::Left ? -24.0f : pose.facing == Facing::Right ? 24.0f : 0.0f;
    s.toeDx = pose.facing == Facing::Left ? -8.0f : pose.facing == Facing::Right ? 8.0f : 0.0f;
    s.leftShoulder = {kCentreX - 56, 222 + s.dy};
    s.rightShoulder = {kCentreX + 56, 222 + s.dy};
    s.leftHand = Offset(s.leftShoulder, -std::sin(Radians(pose.leftArm)) * pose.leftArmLength,
                        std::cos(Radians(pose.leftArm)) * pose.leftArmLength);
    s.rightHand = Offset(s.rightShoulder, std::sin(Radians(pose.rightArm)) * pose.rightArmLength,
                         std::cos(Radians(pose.rightArm)) * pose.rightArmLength);
    return s;
}

void DrawLegs(Raster& raster, const Pose& pose, const Skeleton& s)
{
    const float hipY = 326 + s.dy;
    const float footY = 376 + s.feetDy;
    const Point hips[2] = {{kCentreX - 22, hipY}, {kCentreX + 22, hipY}};
    const float feet[2] = {pose.leftFoot, pose.rightFoot};
    for (int i = 0; i < 2; ++i) {
        const Point foot{hips[i].x + feet[i], footY};
        Paint(raster, Capsule{hips[i], foot, 10}, kLegs, kOutline, kLine);
        Paint(raster, Oval{foot.x + s.toeDx, foot.y + 8, s.toeDx != 0 ? 21.0f : 17.0f, 10}, kShoes, kOutline, kLine);
    }
}

void DrawBody(Raster& raster, const Skeleton& s)
{
    const float dy = s.dy;
    Paint(raster,
          PolygonShape{{{190, 194 + dy}, {322, 194 + dy}, {334, 260 + dy}, {348, 336 + dy}, {164, 336 + dy}, {178, 260 + dy}}},
          kDress, kOutline, kLine);
    Paint(raster, Oval{kCentreX + s.faceDx * 0.4f, 226 + dy, 38, 12}, kTrim, kOutline, 2);
    // A heart-shaped pocket on the front of the dress.
    const float px = kCentreX + s.faceDx * 0.8f;
    const float py = 280 + dy;
    Fill(raster, Oval{px - 7, py, 8, 8}, kTrim);
    Fill(raster, Oval{px + 7, py, 8, 8}, kTrim);
    Fill(raster, PolygonShape{{{px - 15, py + 2}, {px + 15, py + 2}, {px, py + 18}}}, kTrim);
}

void DrawEye(Raster& raster, const Pose& pose, Point centre, bool left)
{
    switch (pose.eyes) {
    case Eyes::Open: {
        const Point c = Offset(centre, pose.look.x, pose.look.y);
        Fill(raster, Oval{c.x, c.y, 11, 15}, kEye);
        Fill(raster, Oval{c.x - 3, c.y - 6, 4, 4}, kWhite);
        break;
    }
    case Eyes::Wide: {
        Paint(raster, Oval{centre.x, centre.y, 14, 17}, kWhite, kEye, 2);
        Fill(raster, Oval{centre.x + pose.look.x, centre.y + pose.look.y, 5, 6}, kEye);
        break;
    }
    case Eyes::Closed:
        Stroke(raster, Arc(Oval{centre.x, centre.y - 4, 12, 9}, 20, 160, 10), 2.5f, kEye);
        break;
    case Eyes::Happy:
        Stroke(raster, Arc(Oval{centre.x, centre.y + 6, 12, 12}, 200, 340, 10), 2.5f, kEye);
        break;
    case Eyes::Squeezed: {
        const float d = left ? -1.0f : 1.0f; // > on the left eye, < on the right one
        Stroke(raster, {{centre.x + 9 * d, centre.y - 9}, {centre.x - 9 * d, centre.y}, {centre.x + 9 * d, centre.y + 9}}, 2.5f, kEye);
        break;
    }
    }
}

void DrawMouth(Raster& raster, Mouth mouth, Point at)
{
    switch (mouth) {
    case Mouth::Smile:
        Stroke(raster, Arc(Oval{at.x, at.y - 8, 13, 10}, 30, 150, 10), 2.5f, kMouth);
        break;
    case Mouth::Open:
        Paint(raster, Oval{at.x, at.y, 10, 9}, kMouth, kOutline, 2);
        Fill(raster, Oval{at.x, at.y + 4, 6, 4}, kTongue);
        break;
    case Mouth::Grin:
        Paint(raster, PolygonShape{Arc(Oval{at.x, at.y - 6, 20, 20}, 0, 180, 16)}, kMouth, kOutline, 2);
        Fill(raster, Oval{at.x, at.y + 8, 9, 4}, kTongue);
        break;
    case Mouth::Oh:
        Paint(raster, Oval{at.x, at.y + 2, 6, 8}, kMouth, kOutline, 2);
        break;
    case Mouth::Wavy:
        Stroke(raster, {{at.x - 14, at.y + 2}, {at.x - 7, at.y - 3}, {at.x, at.y + 2}, {at.x + 7, at.y - 3}, {at.x + 14, at.y + 2}}, 2.5f, kMouth);
        break;
    }
}

void DrawHead(Raster& raster, const Pose& pose, const Skeleton& s)
{
    const float dy = s.dy;
    const float fx = kCentreX + s.faceDx;
    // Buns behind the head; the far one hides further when she turns.
    Paint(raster, Oval{172 + s.faceDx * 0.5f, 74 + dy, 30, 30}, kHairDark, kOutline, kLine);
    Paint(raster, Oval{340 + s.faceDx * 0.5f, 74 + dy, 30, 30}, kHairDark, kOutline, kLine);
    // A curl standing up from the top of the head.
    OutlinedStroke(raster, Arc(Oval{kCentreX + 14, 44 + dy, 14, 12}, 180, 400, 12), 3, kHair);
    Paint(raster, Oval{kCentreX, 140 + dy, 96, 84}, kHair, kOutline, kLine);
    FillOver(raster, Oval{fx, 158 + dy, 80, 64}, kSkin, kHair);
    // The fringe: three locks over the forehead.
    for (float lock : {-44.0f, 0.0f, 44.0f})
        FillOver(raster, Oval{fx + lock, 112 + dy, 34, 22}, kHair, kSkin);
    FillOver(raster, Oval{fx, 96 + dy, 84, 22}, kHair, kSkin);

    const float eyeY = 162 + dy;
    DrawEye(raster, pose, {fx - 34, eyeY}, true);
    DrawEye(raster, pose, {fx + 34, eyeY}, false);
    if (pose.blush || pose.eyes == Eyes::Happy) {
        Fill(raster, Oval{fx - 56, 188 + dy, 12, 6}, kCheek);
        Fill(raster, Oval{fx + 56, 188 + dy, 12, 6}, kCheek);
    }
    if (pose.tears) {
        Paint(raster, Oval{fx - 54, 184 + dy, 6, 9}, kTear, kOutline, 2);
        Paint(raster, Oval{fx + 54, 184 + dy, 6, 9}, kTear, kOutline, 2);
    }
    DrawMouth(raster, pose.mouth, {fx, 200 + dy});
}

void DrawArm(Raster& raster, Point shoulder, Point hand)
{
    Paint(raster, Capsule{shoulder, hand, 12}, kDress, kOutline, kLine);
}

void DrawHand(Raster& raster, Point hand)
{
    Paint(raster, Oval{hand.x, hand.y, 14, 14}, kSkin, kOutline, kLine);
}

void DrawHeart(Raster& raster, Point at, float size)
{
    const float r = size * 0.55f;
    const PolygonShape tip{{{at.x - size, at.y + size * 0.15f}, {at.x + size, at.y + size * 0.15f}, {at.x, at.y + size * 1.3f}}};
    Fill(raster, Oval{at.x - size * 0.5f, at.y, r, r}, kOutline, kLine);
    Fill(raster, Oval{at.x + size * 0.5f, at.y, r, r}, kOutline, kLine);
    Fill(raster, tip, kOutline, kLine);
    Fill(raster, Oval{at.x - size * 0.5f, at.y, r, r}, kHeart);
    Fill(raster, Oval{at.x + size * 0.5f, at.y, r, r}, kHeart);
    Fill(raster, tip, kHeart);
}

void DrawBell(Raster& raster, Point at, float tilt)
{
    // The bell hangs from its handle at 'at' and swings about it.
    const Point pivot = at;
    Paint(raster, Rotated({{at.x - 4, at.y - 26}, {at.x + 4, at.y - 26}, {at.x + 4, at.y}, {at.x - 4, at.y}}, pivot, tilt),
          kGoldDark, kOutline, 2);
    Paint(raster,
          Rotated({{at.x - 12, at.y}, {at.x + 12, at.y}, {at.x + 22, at.y + 30}, {at.x + 30, at.y + 44}, {at.x - 30, at.y + 44}, {at.x - 22, at.y + 30}},
                  pivot, tilt),
          kGold, kOutline, kLine);
    const PolygonShape clapper = Rotated({{at.x, at.y + 52}}, pivot, tilt * 1.6f);
    Paint(raster, Oval{clapper.corners[0].x, clapper.corners[0].y, 7, 7}, kGoldDark, kOutline, 2);
}

void DrawEnvelope(Raster& raster, Point at, bool open)
{
    const float w = 40;
    const float h = 27;
    if (open) {
        Paint(raster, PolygonShape{{{at.x - w, at.y - h}, {at.x + w, at.y - h}, {at.x, at.y - h - 30}}}, kPaper, kOutline, kLine);
        Paint(raster, PolygonShape{{{at.x - 30, at.y - h - 24}, {at.x + 30, at.y - h - 24}, {at.x + 30, at.y}, {at.x - 30, at.y}}}, kWhite, kOutline, 2);
        for (int line = 0; line < 3; ++line)
            Stroke(raster, {{at.x - 20, at.y - h - 12 + line * 9.0f}, {at.x + 20, at.y - h - 12 + line * 9.0f}}, 1.5f, kHair);
    }
    Paint(raster, PolygonShape{{{at.x - w, at.y - h}, {at.x + w, at.y - h}, {at.x + w, at.y + h}, {at.x - w, at.y + h}}}, kPaper, kOutline, kLine);
    Stroke(raster, {{at.x - w, at.y + h}, {at.x, at.y + 2}, {at.x + w, at.y + h}}, 1.5f, kOutline);
    if (!open)
        Stroke(raster, {{at.x - w, at.y - h}, {at.x, at.y + 4}, {at.x + w, at.y - h}}, 1.5f, kOutline);
    DrawHeart(raster, {at.x, at.y - 2}, 8);
}

void DrawProp(Raster& raster, const Prop& prop)
{
    const Point at = prop.at;
    switch (prop.kind) {
    case PropKind::Note:
        Stroke(raster, {{at.x + 8, at.y}, {at.x + 8, at.y - 30}, {at.x + 20, at.y - 22}}, 2.5f, kEye);
        Fill(raster, Oval{at.x, at.y, 10, 8}, kEye);
        break;
    case PropKind::Heart:
        DrawHeart(raster, at, prop.value > 0 ? prop.value : 14);
        break;
    case PropKind::Question:
        OutlinedStroke(raster, Arc(Oval{at.x, at.y - 14, 12, 12}, 180, 420, 12), 4, kSign);
        OutlinedStroke(raster, {{at.x + 9, at.y - 6}, {at.x, at.y + 2}, {at.x, at.y + 8}}, 4, kSign);
        Paint(raster, Oval{at.x, at.y + 20, 5, 5}, kSign, kOutline, kLine);
        break;
    case PropKind::Exclaim:
        OutlinedStroke(raster, {{at.x, at.y - 24}, {at.x, at.y + 4}}, 5, kSign);
        Paint(raster, Oval{at.x, at.y + 18, 5, 5}, kSign, kOutline, kLine);
        break;
    case PropKind::Bump:
        Paint(raster, Oval{at.x, at.y, 16, 12}, kCheek, kOutline, kLine);
        for (float angle : {200.0f, 270.0f, 340.0f}) {
            const Point near{at.x + 22 * std::cos(Radians(angle)), at.y + 18 * std::sin(Radians(angle))};
            const Point far{at.x + 34 * std::cos(Radians(angle)), at.y + 28 * std::sin(Radians(angle))};
            OutlinedStroke(raster, {near, far}, 2, kSign);
        }
        break;
    case PropKind::Sweat:
        Paint(raster, PolygonShape{{{at.x, at.y - 14}, {at.x + 7, at.y}, {at.x - 7, at.y}}}, kTear, kOutline, 2);
        Paint(raster, Oval{at.x, at.y + 2, 7, 7}, kTear, kOutline, 2);
        break;
    case PropKind::Bell:
        DrawBell(raster, at, prop.value);
        break;
    case PropKind::Envelope:
        DrawEnvelope(raster, at, prop.value != 0);
        break;
    case PropKind::Shake: {
        const float spread = prop.value > 0 ? prop.value : 40;
        for (float side : {-1.0f, 1.0f})
            for (int i = 0; i < 2; ++i) {
                const float x = at.x + side * (spread + 10.0f * i);
                Stroke(raster, Arc(Oval{x, at.y, 8, 14 + 6.0f * i}, side < 0 ? 120 : -60, side < 0 ? 240 : 60, 8), 2, kOutline);
            }
        break;
    }
    }
}

} // namespace

void DrawFigure(Raster& raster, const Pose& pose)
{
    const Skeleton s = Place(pose);
    DrawLegs(raster, pose, s);
    DrawBody(raster, s);
    DrawHead(raster, pose, s);
    DrawArm(raster, s.leftShoulder, s.leftHand);
    DrawArm(raster, s.rightShoulder, s.rightHand);
    for (const Prop& prop : pose.held)
        DrawProp(raster, prop);
    DrawHand(raster, s.leftHand);
    DrawHand(raster, s.rightHand);
    for (const Prop& prop : pose.floating)
        DrawProp(raster, prop);
}

Raster DrawShadow(bool small)
{
    Raster raster(152, 388, 208, 36, kKeyColour);
    const float rx = small ? 56.0f : 86.0f;
    const float ry = small ? 8.0f : 13.0f;
    Fill(raster, Oval{kCentreX, 404, rx, ry}, kShadow);
    return raster;
}

Raster DrawClock(int hour)
{
    Raster raster(398, 36, 106, 106, kKeyColour);
    const Point c{451, 89};
    Paint(raster, Oval{c.x, c.y, 48, 48}, kClockRim, kOutline, kLine);
    Fill(raster, Oval{c.x, c.y, 40, 40}, kClockFace);
    for (int mark = 0; mark < 12; ++mark) {
        const float angle = Radians(mark * 30.0f - 90);
        const float inner = mark % 3 == 0 ? 28.0f : 32.0f;
        Stroke(raster, {{c.x + inner * std::cos(angle), c.y + inner * std::sin(angle)}, {c.x + 36 * std::cos(angle), c.y + 36 * std::sin(angle)}},
               mark % 3 == 0 ? 2.5f : 1.5f, kOutline);
    }
    const float hourAngle = Radians(static_cast<float>(hour % 12) * 30 - 90);
    Stroke(raster, {c, {c.x, c.y - 30}}, 2, kOutline);
    Stroke(raster, {c, {c.x + 20 * std::cos(hourAngle), c.y + 20 * std::sin(hourAngle)}}, 4, kMouth);
    Fill(raster, Oval{c.x, c.y, 5, 5}, kOutline);
    return raster;
}
