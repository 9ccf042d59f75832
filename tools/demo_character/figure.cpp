#include "tools/demo_character/figure.h"

#include "tools/demo_character/props.h"

#include <cmath>
#include <utility>

namespace {

constexpr uint32_t kCheek = 0xFFA0AA;
constexpr uint32_t kMouth = 0xAA3246;
constexpr uint32_t kTongue = 0xF07A8C;
constexpr uint32_t kTear = 0x8CC8FF;

Point Offset(Point p, float dx, float dy)
{
    return {p.x + dx, p.y + dy};
}

Skeleton Place(const Pose& pose)
{
    Skeleton s{};
    s.dy = pose.lift;
    s.feetDy = pose.lift < 0 ? pose.lift : 0;
    s.faceDx = pose.facing == Facing::Left ? -24.0f : pose.facing == Facing::Right ? 24.0f : 0.0f;
    s.toeDx = pose.facing == Facing::Left ? -8.0f : pose.facing == Facing::Right ? 8.0f : 0.0f;
    s.leftShoulder = {kFigureCentreX - 56, kShoulderY + s.dy};
    s.rightShoulder = {kFigureCentreX + 56, kShoulderY + s.dy};
    s.leftHand = Offset(s.leftShoulder, -std::sin(Radians(pose.leftArm)) * pose.leftArmLength,
                        std::cos(Radians(pose.leftArm)) * pose.leftArmLength);
    s.rightHand = Offset(s.rightShoulder, std::sin(Radians(pose.rightArm)) * pose.rightArmLength,
                         std::cos(Radians(pose.rightArm)) * pose.rightArmLength);
    return s;
}

void DrawLegs(Sketch& sketch, const Palette& colours, const Pose& pose, const Skeleton& s)
{
    const float hipY = kHipY + s.dy;
    const float footY = 376 + s.feetDy;
    const Point hips[2] = {{kFigureCentreX - 22, hipY}, {kFigureCentreX + 22, hipY}};
    const float feet[2] = {pose.leftFoot, pose.rightFoot};
    for (int i = 0; i < 2; ++i) {
        const Point foot{hips[i].x + feet[i], footY};
        sketch.Paint(Capsule{hips[i], foot, 10}, colours.legs, kOutline, kLine);
        sketch.Paint(Oval{foot.x + s.toeDx, foot.y + 8, s.toeDx != 0 ? 21.0f : 17.0f, 10}, colours.shoes, kOutline, kLine);
    }
}

void DrawEye(Sketch& sketch, const Palette& colours, const Pose& pose, Point centre, bool left)
{
    switch (pose.eyes) {
    case Eyes::Open: {
        const Point c = Offset(centre, pose.look.x, pose.look.y);
        sketch.Fill(Oval{c.x, c.y, 11, 15}, colours.eyes);
        sketch.Fill(Oval{c.x - 3, c.y - 6, 4, 4}, kWhite);
        break;
    }
    case Eyes::Wide:
        sketch.Paint(Oval{centre.x, centre.y, 14, 17}, kWhite, kFaceLine, 2);
        sketch.Fill(Oval{centre.x + pose.look.x, centre.y + pose.look.y, 5, 6}, colours.eyes);
        break;
    case Eyes::Closed:
        sketch.Stroke(Arc(Oval{centre.x, centre.y - 4, 12, 9}, 20, 160, 10), 2.5f, kFaceLine);
        break;
    case Eyes::Happy:
        sketch.Stroke(Arc(Oval{centre.x, centre.y + 6, 12, 12}, 200, 340, 10), 2.5f, kFaceLine);
        break;
    case Eyes::Squeezed: {
        const float d = left ? -1.0f : 1.0f; // > on the left eye, < on the right one
        sketch.Stroke({{centre.x + 9 * d, centre.y - 9}, {centre.x - 9 * d, centre.y}, {centre.x + 9 * d, centre.y + 9}}, 2.5f,
                      kFaceLine);
        break;
    }
    }
}

void DrawMouth(Sketch& sketch, Mouth mouth, Point at)
{
    switch (mouth) {
    case Mouth::Smile:
        sketch.Stroke(Arc(Oval{at.x, at.y - 8, 13, 10}, 30, 150, 10), 2.5f, kMouth);
        break;
    case Mouth::Open:
        sketch.Paint(Oval{at.x, at.y, 10, 9}, kMouth, kOutline, 2);
        sketch.Fill(Oval{at.x, at.y + 4, 6, 4}, kTongue);
        break;
    case Mouth::Grin:
        sketch.Paint(PolygonShape{Arc(Oval{at.x, at.y - 6, 20, 20}, 0, 180, 16)}, kMouth, kOutline, 2);
        sketch.Fill(Oval{at.x, at.y + 8, 9, 4}, kTongue);
        break;
    case Mouth::Oh:
        sketch.Paint(Oval{at.x, at.y + 2, 6, 8}, kMouth, kOutline, 2);
        break;
    case Mouth::Wavy:
        sketch.Stroke({{at.x - 14, at.y + 2}, {at.x - 7, at.y - 3}, {at.x, at.y + 2}, {at.x + 7, at.y - 3}, {at.x + 14, at.y + 2}}, 2.5f,
                      kMouth);
        break;
    }
}

void DrawHead(Sketch& sketch, const Look& look, const Pose& pose, const Skeleton& s)
{
    const Palette& colours = look.colours;
    const float dy = s.dy;
    const float fx = kFigureCentreX + s.faceDx;
    look.hairBehind(sketch, colours, s);
    sketch.Paint(Oval{kFigureCentreX, kHeadY + dy, kHeadRadiusX, kHeadRadiusY}, colours.hair, kOutline, kLine);
    sketch.FillOver(Oval{fx, kHeadY + kFaceDrop + dy, 80, 64}, colours.skin, colours.hair);
    look.hairFront(sketch, colours, s);

    const float eyeY = 162 + dy;
    DrawEye(sketch, colours, pose, {fx - 34, eyeY}, true);
    DrawEye(sketch, colours, pose, {fx + 34, eyeY}, false);
    if (pose.blush || pose.eyes == Eyes::Happy) {
        sketch.Fill(Oval{fx - 56, 188 + dy, 12, 6}, kCheek);
        sketch.Fill(Oval{fx + 56, 188 + dy, 12, 6}, kCheek);
    }
    if (pose.tears) {
        sketch.Paint(Oval{fx - 54, 184 + dy, 6, 9}, kTear, kOutline, 2);
        sketch.Paint(Oval{fx + 54, 184 + dy, 6, 9}, kTear, kOutline, 2);
    }
    DrawMouth(sketch, pose.mouth, {fx, 200 + dy});
}

} // namespace

void OutlinedStroke(Sketch& sketch, const std::vector<Point>& points, float radius, uint32_t colour)
{
    sketch.Stroke(points, radius + kLine, kOutline);
    sketch.Stroke(points, radius, colour);
}

void DrawFigure(Sketch& sketch, const Look& look, const Pose& pose, const std::function<void()>& wornOnHead)
{
    const Skeleton s = Place(pose);
    DrawLegs(sketch, look.colours, pose, s);
    look.outfit(sketch, look.colours, s);
    DrawHead(sketch, look, pose, s);
    if (wornOnHead)
        wornOnHead();
    for (const auto& [shoulder, hand] : {std::pair{s.leftShoulder, s.leftHand}, std::pair{s.rightShoulder, s.rightHand}})
        sketch.Paint(Capsule{shoulder, hand, 12}, look.colours.sleeves, kOutline, kLine);
    for (const Prop& prop : pose.held)
        DrawProp(sketch, prop);
    for (const Point& hand : {s.leftHand, s.rightHand})
        sketch.Paint(Oval{hand.x, hand.y, 14, 14}, look.colours.skin, kOutline, kLine);
    for (const Prop& prop : pose.floating)
        DrawProp(sketch, prop);
}
