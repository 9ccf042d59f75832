// Tavri's demo character: a girl with long navy hair down to her shoulders
// under a red headband with a red slide in her fringe, in a jade tunic with
// a red sash and dark boots. She stands left of the canvas centre, over the
// edition's click areas (the head and the chest), and walks in long strides.
#include "editions/tavri/tavri_edition.h"
#include "tools/demo_character/character_registry.h"
#include "tools/demo_character/numbered_archive.h"

namespace {

constexpr Palette kColours = {
    .skin = 0xFFE0C8,
    .hair = 0x2E3C8C,
    .hairDark = 0x222C6A,
    .eyes = 0x6E2E1E,
    .outfit = 0x3E9A6E,
    .trim = 0xDC323C,
    .sleeves = 0x3E9A6E,
    .legs = 0x3A3046,
    .shoes = 0x6E4628,
};

// Long hair behind the head, falling in two locks to the shoulders; it
// swings a little away from the side she faces.
void LongHair(Sketch& sketch, const Palette& colours, const Skeleton& s)
{
    const float dx = -s.faceDx * 0.25f;
    const float dy = s.dy;
    sketch.Paint(Oval{kFigureCentreX + dx, 138 + dy, 104, 86}, colours.hairDark, kOutline, kLine);
    for (float side : {-1.0f, 1.0f}) {
        const float inner = kFigureCentreX + dx + side * 62;
        const float outer = kFigureCentreX + dx + side * 108;
        sketch.Paint(PolygonShape{{{inner, 150 + dy}, {outer, 150 + dy}, {outer - side * 6, 256 + dy}, {inner + side * 4, 256 + dy}}},
                     colours.hairDark, kOutline, kLine);
        sketch.Paint(Oval{(inner + outer) / 2 - side, 256 + dy, 21, 12}, colours.hairDark, kOutline, kLine);
    }
}

// A straight fringe cut level above the eyes, and the red headband over the
// crown.
void FringeAndHeadband(Sketch& sketch, const Palette& colours, const Skeleton& s)
{
    const float fx = kFigureCentreX + s.faceDx;
    const float dy = s.dy;
    sketch.FillOver(Oval{fx, 104 + dy, 88, 30}, colours.hair, colours.skin);
    sketch.FillOver(PolygonShape{{{fx - 84, 100 + dy}, {fx + 84, 100 + dy}, {fx + 84, 130 + dy}, {fx - 84, 130 + dy}}}, colours.hair,
                    colours.skin);
    OutlinedStroke(sketch, Arc(Oval{kFigureCentreX, 140 + dy, 88, 72}, 196, 344, 20), 6, colours.trim);
}

// A tunic to the thighs with a high collar and a red sash tied at the side.
void Tunic(Sketch& sketch, const Palette& colours, const Skeleton& s)
{
    const float dy = s.dy;
    sketch.Paint(PolygonShape{{{188, 190 + dy}, {324, 190 + dy}, {338, 300 + dy}, {350, 348 + dy}, {162, 348 + dy}, {174, 300 + dy}}},
                 colours.outfit, kOutline, kLine);
    sketch.Paint(PolygonShape{{{226, 190 + dy}, {286, 190 + dy}, {276, 212 + dy}, {236, 212 + dy}}}, colours.outfit, kOutline, 2);
    sketch.Paint(PolygonShape{{{174, 286 + dy}, {338, 286 + dy}, {340, 304 + dy}, {172, 304 + dy}}}, colours.trim, kOutline, 2);
    sketch.Paint(Capsule{{300, 304 + dy}, {310, 336 + dy}, 5}, colours.trim, kOutline, 2);
}

const CharacterDesign& Design()
{
    // Head and chest over the click areas A (168, 96)-(280, 191) and
    // B (214, 192)-(257, 239); the clock to her right.
    static const CharacterDesign design{"tavri", {{{kColours, LongHair, FringeAndHeadband, Tunic}, {224, 0, 1}}}, 356, 40, 1.1f,
                                        {kTavriDemoMarker, 0, kColours.trim}};
    return design;
}

// A walk in two long strides. The program glides the window along while the
// first stride shows, 4/5 of a pixel per millisecond, and sets it 200 pixels
// from the start for the second: a first stride of 250 ms ends exactly where
// the second stands.
SlotPlan Stride(Facing facing)
{
    const float ahead = facing == Facing::Left ? -24.0f : 24.0f;
    Pose reach;
    reach.facing = facing;
    reach.leftFoot = ahead;
    reach.rightFoot = -ahead;
    reach.leftArm = 0;
    reach.rightArm = 40;
    reach.mouth = Mouth::Open;
    Pose land = reach;
    land.leftFoot = -ahead;
    land.rightFoot = ahead;
    land.leftArm = 40;
    land.rightArm = 0;
    land.mouth = Mouth::Smile;
    land.lift = -3;
    Pose stand;
    stand.facing = facing;
    stand.eyes = Eyes::Happy;
    return {{Frame(reach, Backdrop::Shadow, 250, Voice::Step), Frame(land, Backdrop::Shadow, 500, Voice::Step),
             Frame(stand, Backdrop::Shadow, 200)}};
}

// The second set of hour chimes: a bow beside the clock.
SlotPlan Bow(int hour)
{
    Pose bow;
    bow.eyes = Eyes::Closed;
    bow.lift = 4;
    bow.leftArm = bow.rightArm = -40;
    bow.leftArmLength = bow.rightArmLength = 60;
    Pose up;
    up.eyes = Eyes::Happy;
    up.mouth = Mouth::Open;
    up.leftArm = -40;
    up.leftArmLength = 60;
    up.rightArm = 150;
    up.floating = {{PropKind::Note, {150, 70}}};
    SlotPlan plan{{Frame(bow, Backdrop::Clock, 500, Voice::Ding), Frame(up, Backdrop::Clock, 400), Again(0, 300)}};
    plan.clockHour = hour;
    return plan;
}

// Jolted by the alarm, the bell over her head.
SlotPlan Jolt()
{
    Pose jolt;
    jolt.eyes = Eyes::Wide;
    jolt.mouth = Mouth::Oh;
    jolt.lift = -8;
    jolt.leftArm = jolt.rightArm = 130;
    jolt.floating = {{PropKind::Bell, {256, 30}, -15}, {PropKind::Exclaim, {356, 60}}};
    Pose shaken = jolt;
    shaken.lift = 0;
    shaken.floating = {{PropKind::Bell, {256, 30}, 15}, {PropKind::Shake, {256, 40}, 30}};
    return {{Frame(jolt, Backdrop::SmallShadow, 300, Voice::Ring), Frame(shaken, Backdrop::Shadow, 300, Voice::Surprise)}};
}

// Dancing to the alarm, the bell swung high.
SlotPlan DanceToTheBell()
{
    Pose swing;
    swing.eyes = Eyes::Happy;
    swing.mouth = Mouth::Grin;
    swing.rightArm = 160;
    swing.leftArm = 60;
    swing.leftFoot = -10;
    swing.held = {{PropKind::Bell, {330, 70}, 25}};
    swing.floating = {{PropKind::Note, {160, 70}}};
    Pose other = swing;
    other.leftFoot = 10;
    other.lift = -4;
    other.held = {{PropKind::Bell, {330, 70}, -25}};
    other.floating = {{PropKind::Note, {150, 52}}, {PropKind::Sparkle, {372, 40}}};
    return {{Frame(swing, Backdrop::Shadow, 200, Voice::RingLow), Frame(other, Backdrop::SmallShadow, 200), Again(0, 200), Again(1, 200)}};
}

// Slot n plays action n: 0 idle; 1 .. 5 idle actions; 6, 7 reactions to the
// head; 8, 9 the walk to the left and to the right; 10 .. 21 the hours 0 ..
// 11 and 22 .. 33 the same hours with a bow; 34 .. 37 the alarm; 38, 39 new
// mail.
std::vector<SlotPlan> Slots()
{
    std::vector<SlotPlan> slots{Idle(), Chatter(Hum()), Chatter(Wave()), Chatter(Hop()), Chatter(LookAround()), Chatter(Yawn()),
                                Ouch(), Shy(),          Stride(Facing::Left), Stride(Facing::Right)};
    AddHourChimes(slots);
    for (int hour = 0; hour < 12; ++hour)
        slots.push_back(Bow(hour));
    slots.push_back(RingBell());
    slots.push_back(CoverEars());
    slots.push_back(Jolt());
    slots.push_back(DanceToTheBell());
    slots.push_back(Mail());
    slots.push_back(ReadLetter());
    return slots;
}

bool BuildTavriArchive(std::vector<ArchiveItem>& items, std::string& error)
{
    return BuildNumberedArchive(TavriEdition(), Design(), Slots(), items, error);
}

const DemoCharacterRegistration kRegistration("tavri", BuildTavriArchive);

} // namespace
