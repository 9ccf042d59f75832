// Sorlun's demo character: two girls side by side. ソルビ on the left has a
// golden bob with a blunt fringe and a white clip, and a sky-blue dress
// with puffed sleeves; ルネット on the right has rose twin tails tied with
// white bows and a sailor blouse over a plum skirt. ソルビ stands a little
// in front where they meet, as on the edition's icon.
//
// The two stand close, each over the two click areas of her side: the
// figure is drawn smaller than the one-figure characters, and what the
// smaller heads leave open at the areas' corners is filled by the hair (the
// bob's straight sides, the tails) and the wide shoulders of the outfits.
#include "editions/sorlun/sorlun_edition.h"
#include "tools/demo_character/character_registry.h"
#include "tools/demo_character/numbered_archive.h"

namespace {

constexpr Palette kSorubi = {
    .skin = 0xFFE4D0,
    .hair = 0xE6B428,
    .hairDark = 0xC8961E,
    .eyes = 0x1E4678,
    .outfit = 0x6EA0DC,
    .trim = 0xFAFAF0,
    .sleeves = 0x8CB8EC,
    .legs = 0xF4F0F8, // white stockings
    .shoes = 0x46506E,
};

constexpr Palette kRunette = {
    .skin = 0xFFE0CA,
    .hair = 0xE66E9A,
    .hairDark = 0xC4507C,
    .eyes = 0x501E50,
    .outfit = 0xF6F2F8, // the blouse
    .trim = 0x8C3C78,   // the collar, the skirt and the scarf
    .sleeves = 0xF6F2F8,
    .legs = 0xFFE0CA,
    .shoes = 0x7A2E5A,
};

// The bob: a dome over the skull with straight sides falling to a blunt
// cut just below the chin.
void Bob(Sketch& sketch, const Palette& colours, const Skeleton& s)
{
    const float dy = s.dy;
    std::vector<Point> outline = Arc(Oval{kFigureCentreX, 148 + dy, 106, 98}, 180, 360, 24);
    outline.push_back({kFigureCentreX + 112, 238 + dy});
    outline.push_back({kFigureCentreX - 112, 238 + dy});
    sketch.Paint(PolygonShape{outline}, colours.hair, kOutline, kLine);
    // The shade where the cut turns under.
    sketch.Fill(PolygonShape{{{kFigureCentreX - 108, 226 + dy}, {kFigureCentreX + 108, 226 + dy}, {kFigureCentreX + 108, 235 + dy},
                              {kFigureCentreX - 108, 235 + dy}}},
                colours.hairDark);
}

// A blunt fringe and locks that frame the cheeks (her clip is the design's
// marker clip). The skull's outline is hair inside the bob, which wraps the
// whole head.
void BluntFringe(Sketch& sketch, const Palette& colours, const Skeleton& s)
{
    const float fx = kFigureCentreX + s.faceDx;
    const float dy = s.dy;
    sketch.FillOver(Oval{kFigureCentreX, kHeadY + dy, kHeadRadiusX + 4, kHeadRadiusY + 4}, colours.hair, kOutline);
    sketch.FillOver(PolygonShape{{{fx - 90, 76 + dy}, {fx + 90, 76 + dy}, {fx + 90, 118 + dy}, {fx - 90, 118 + dy}}}, colours.hair,
                    colours.skin);
    for (float side : {-1.0f, 1.0f})
        sketch.FillOver(Oval{fx + side * 82, 182 + dy, 14, 44}, colours.hair, colours.skin);
}

// Two tails tied high on the sides of the head, hanging to the waist.
void TwinTails(Sketch& sketch, const Palette& colours, const Skeleton& s)
{
    const float dy = s.dy;
    for (float side : {-1.0f, 1.0f}) {
        const Point root{kFigureCentreX + side * 78, 92 + dy};
        const Point end{kFigureCentreX + side * 100, 300 + dy};
        sketch.Paint(Capsule{root, end, 26}, colours.hairDark, kOutline, kLine);
        sketch.Stroke({{root.x + side * 6, root.y + 30}, {end.x - side * 4, end.y - 16}}, 2, kOutline);
    }
}

// A fringe swept to one side, and the white bows that tie the tails.
void PartedFringe(Sketch& sketch, const Palette& colours, const Skeleton& s)
{
    const float fx = kFigureCentreX + s.faceDx;
    const float dy = s.dy;
    sketch.FillOver(PolygonShape{{{fx - 92, 70 + dy}, {fx + 92, 70 + dy}, {fx + 92, 138 + dy}, {fx - 92, 110 + dy}}}, colours.hair,
                    colours.skin);
    for (float side : {-1.0f, 1.0f}) {
        const Point knot{kFigureCentreX + side * 78, 84 + dy};
        for (float wing : {-1.0f, 1.0f})
            sketch.Paint(PolygonShape{{knot, {knot.x + wing * 26, knot.y - 16}, {knot.x + wing * 26, knot.y + 16}}}, kWhite, kOutline, 2);
        sketch.Paint(Oval{knot.x, knot.y, 8, 8}, kWhite, kOutline, 2);
    }
}

// A dress flaring from wide shoulders, puffed sleeves, a round collar and a
// bow at the neck.
void PuffedDress(Sketch& sketch, const Palette& colours, const Skeleton& s)
{
    const float dy = s.dy;
    sketch.Paint(PolygonShape{{{182, 198 + dy}, {330, 198 + dy}, {362, 336 + dy}, {150, 336 + dy}}}, colours.outfit, kOutline, kLine);
    sketch.Stroke({{156, 322 + dy}, {356, 322 + dy}}, 3, colours.trim);
    for (float side : {-1.0f, 1.0f})
        sketch.Paint(Oval{kFigureCentreX + side * 70, 232 + dy, 30, 26}, colours.sleeves, kOutline, kLine);
    sketch.Paint(Oval{kFigureCentreX, 212 + dy, 44, 14}, colours.trim, kOutline, 2);
    for (float wing : {-1.0f, 1.0f})
        sketch.Paint(PolygonShape{{{kFigureCentreX, 230 + dy}, {kFigureCentreX + wing * 20, 220 + dy}, {kFigureCentreX + wing * 20, 240 + dy}}},
                     kSorubi.hairDark, kOutline, 2);
}

// A sailor blouse with a wide collar and a scarf over a pleated skirt.
void SailorSuit(Sketch& sketch, const Palette& colours, const Skeleton& s)
{
    const float dy = s.dy;
    sketch.Paint(PolygonShape{{{160, 286 + dy}, {352, 286 + dy}, {368, 338 + dy}, {144, 338 + dy}}}, colours.trim, kOutline, kLine);
    for (float pleat : {-60.0f, -20.0f, 20.0f, 60.0f})
        sketch.Stroke({{kFigureCentreX + pleat, 292 + dy}, {kFigureCentreX + pleat * 1.2f, 334 + dy}}, 1.5f, kOutline);
    sketch.Paint(PolygonShape{{{184, 198 + dy}, {328, 198 + dy}, {344, 294 + dy}, {168, 294 + dy}}}, colours.outfit, kOutline, kLine);
    sketch.Paint(PolygonShape{{{168, 206 + dy}, {344, 206 + dy}, {334, 248 + dy}, {256, 268 + dy}, {178, 248 + dy}}}, colours.trim, kOutline,
                 kLine);
    sketch.Stroke({{178, 240 + dy}, {256, 258 + dy}, {334, 240 + dy}}, 2, colours.outfit);
    sketch.Paint(PolygonShape{{{236, 256 + dy}, {276, 256 + dy}, {256, 290 + dy}}}, kRunette.hair, kOutline, 2);
}

const CharacterDesign& Design()
{
    // Each figure over the two click areas of her side: ソルビ over the left
    // ones (145 .. 260), ルネット over the right ones (260 .. 385), both
    // from y 115 to 245; the clock below them, between their feet.
    static const CharacterDesign design{"sorlun",
                                        {{{kSorubi, Bob, BluntFringe, PuffedDress}, {200, 32, 0.75f}},
                                         {{kRunette, TwinTails, PartedFringe, SailorSuit}, {322, 32, 0.75f}}},
                                        207,
                                        354,
                                        1.12f,
                                        {kSorlunDemoMarker, 0, kSorubi.trim}};
    return design;
}

// The plan with each pose played by the figures named; the others stand at
// rest. Frames that repeat an earlier one keep repeating it.
SlotPlan Cast(SlotPlan plan, bool left, bool right)
{
    for (FramePlan& frame : plan.frames) {
        if (frame.sameAs >= 0 || frame.poses.empty())
            continue;
        const Pose pose = frame.poses.front();
        frame.poses = {left ? pose : Pose{}, right ? pose : Pose{}};
    }
    return plan;
}

SlotPlan Left(SlotPlan plan)
{
    return Cast(std::move(plan), true, false);
}

SlotPlan Right(SlotPlan plan)
{
    return Cast(std::move(plan), false, true);
}

SlotPlan Both(SlotPlan plan)
{
    return Cast(std::move(plan), true, true);
}

// The pose of frame index of a plan, through the frame it repeats.
const Pose& PoseOf(const SlotPlan& plan, size_t index)
{
    const FramePlan& frame = plan.frames[index % plan.frames.size()];
    const FramePlan& drawn = frame.sameAs >= 0 ? plan.frames[static_cast<size_t>(frame.sameAs)] : frame;
    return drawn.poses.front();
}

// The left figure plays one plan while the right one plays another, frame
// by frame; the timing and the voices are the left one's.
SlotPlan Duet(SlotPlan left, const SlotPlan& right)
{
    for (size_t index = 0; index < left.frames.size(); ++index) {
        FramePlan& frame = left.frames[index];
        if (frame.sameAs >= 0)
            continue;
        frame.poses = {frame.poses.front(), PoseOf(right, index)};
    }
    return left;
}

// Slot n plays action n: 0 both at rest; 1, 2, 4, 5 their idle actions, 3
// the doze that follows the yawn of 2 and 29 the other play of 4;
// ルネット's reactions to her upper body (6) and lower body (7, 28);
// ソルビ's to her upper body (8, 9) and lower body (10, 11), and 12 at every
// third click on it; 13 .. 24 the hours 0 .. 11; 25 the alarm; 26, 27 new
// mail.
std::vector<SlotPlan> Slots()
{
    std::vector<SlotPlan> slots{Both(Idle()),
                                Chatter(Both(Hum())),
                                Chatter(Both(Yawn())),
                                Chatter(Both(Doze())),
                                Chatter(Both(Hop())),
                                Chatter(Both(LookAround())),
                                Right(Surprise()),
                                Right(Tickle()),
                                Left(Ouch()),
                                Left(Shy()),
                                Left(Tickle()),
                                Left(Pout()),
                                Duet(Leap(), Surprise())};
    for (int hour = 0; hour < 12; ++hour)
        slots.push_back(Both(Chime(hour)));
    slots.push_back(Duet(RingBell(), CoverEars()));
    slots.push_back(Both(Mail()));
    slots.push_back(Duet(Mail(), ReadLetter()));
    slots.push_back(Right(Shy()));
    slots.push_back(Both(Wave()));
    return slots;
}

bool BuildSorlunArchive(std::vector<ArchiveItem>& items, std::string& error)
{
    return BuildNumberedArchive(SorlunEdition(), Design(), Slots(), items, error);
}

const DemoCharacterRegistration kRegistration("sorlun", BuildSorlunArchive);

} // namespace
