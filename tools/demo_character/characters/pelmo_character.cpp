// Pelmo's demo character: a boy with spiky ginger hair, a star clip and a
// bar clip, a yellow shirt under blue overalls and brown boots. He stands
// left of the canvas centre, over the edition's click areas (the head and
// the chest).
#include "editions/pelmo/pelmo_edition.h"
#include "tools/demo_character/character_registry.h"
#include "tools/demo_character/numbered_archive.h"

#include <cmath>

namespace {

constexpr Palette kColours = {
    .skin = 0xFFDCC0,
    .hair = 0xE87828,
    .hairDark = 0xC05A18,
    .eyes = 0x2E6E3A,
    .outfit = 0x3C64B4,
    .trim = 0xFAD232,
    .sleeves = 0xFAD232,
    .legs = 0xFFDCC0, // bare legs under the shorts
    .shoes = 0x8C5A32,
};

// Spikes that stand up from the skull all round its top.
void Spikes(Sketch& sketch, const Palette& colours, const Skeleton& s)
{
    for (float degrees : {-150.0f, -120.0f, -90.0f, -60.0f, -30.0f}) {
        const float a = Radians(degrees);
        // The spikes over the ears are shorter.
        const float length = std::fabs(degrees + 90) > 45 ? 30.0f : 40.0f;
        const Point base{kFigureCentreX + kHeadRadiusX * std::cos(a), kHeadY + s.dy + kHeadRadiusY * std::sin(a)};
        // Along the skull's edge, and a little swept to the right.
        const Point along{-std::sin(a), std::cos(a)};
        const float tipAngle = a + 0.25f;
        const Point tip{base.x + length * std::cos(tipAngle), base.y + length * std::sin(tipAngle)};
        sketch.Paint(PolygonShape{{{base.x - 24 * along.x - 10 * std::cos(a), base.y - 24 * along.y - 10 * std::sin(a)},
                                   tip,
                                   {base.x + 24 * along.x - 10 * std::cos(a), base.y + 24 * along.y - 10 * std::sin(a)}}},
                     colours.hair, kOutline, kLine);
    }
}

// A jagged fringe and a yellow star clip on the right.
void SpikyFringe(Sketch& sketch, const Palette& colours, const Skeleton& s)
{
    const float fx = kFigureCentreX + s.faceDx;
    const float dy = s.dy;
    sketch.FillOver(Oval{fx, 98 + dy, 86, 24}, colours.hair, colours.skin);
    for (float tooth : {-60.0f, -26.0f, 8.0f, 42.0f})
        sketch.FillOver(PolygonShape{{{fx + tooth - 22, 104 + dy}, {fx + tooth + 22, 104 + dy}, {fx + tooth + 6, 140 + dy}}}, colours.hair,
                        colours.skin);
    std::vector<Point> star;
    for (int i = 0; i < 10; ++i) {
        const float a = Radians(-90 + 36.0f * static_cast<float>(i));
        const float r = i % 2 == 0 ? 17.0f : 7.5f;
        star.push_back({fx + 62 + r * std::cos(a), 84 + dy + r * std::sin(a)});
    }
    sketch.Paint(PolygonShape{star}, colours.trim, kOutline, 2);
}

// A shirt under overalls: the bib with its straps and buttons, the shorts.
void Overalls(Sketch& sketch, const Palette& colours, const Skeleton& s)
{
    const float dy = s.dy;
    sketch.Paint(PolygonShape{{{194, 194 + dy}, {318, 194 + dy}, {326, 300 + dy}, {186, 300 + dy}}}, colours.sleeves, kOutline, kLine);
    sketch.Paint(PolygonShape{{{182, 290 + dy}, {330, 290 + dy}, {342, 338 + dy}, {264, 338 + dy}, {256, 320 + dy}, {248, 338 + dy}, {170, 338 + dy}}},
                 colours.outfit, kOutline, kLine);
    sketch.Paint(PolygonShape{{{214, 236 + dy}, {298, 236 + dy}, {300, 296 + dy}, {212, 296 + dy}}}, colours.outfit, kOutline, kLine);
    for (float side : {-1.0f, 1.0f}) {
        sketch.Paint(Capsule{{kFigureCentreX + side * 38, 240 + dy}, {kFigureCentreX + side * 50, 198 + dy}, 6}, colours.outfit, kOutline, 2);
        sketch.Paint(Oval{kFigureCentreX + side * 34, 246 + dy, 6, 6}, colours.trim, kOutline, 2);
    }
    sketch.Stroke({{236, 262 + dy}, {276, 262 + dy}, {276, 284 + dy}, {236, 284 + dy}, {236, 262 + dy}}, 1.5f, kOutline);
}

const CharacterDesign& Design()
{
    // Head and chest over the click areas A (160, 128)-(272, 218) and
    // B (160, 219)-(270, 265); the clock to his right.
    static const CharacterDesign design{"pelmo", {{{kColours, Spikes, SpikyFringe, Overalls}, {216, 36, 0.95f}}}, 400, 50, 0.85f,
                                        {kPelmoDemoMarker, 0, kColours.trim}};
    return design;
}

// The alarm that nothing starts: he sleeps through it, the bell in hand.
SlotPlan SleepThroughAlarm()
{
    Pose asleep;
    asleep.eyes = Eyes::Closed;
    asleep.mouth = Mouth::Oh;
    asleep.leftArm = asleep.rightArm = -30;
    asleep.held = {{PropKind::Bell, {256, 292}, 8}};
    asleep.floating = {{PropKind::Sleep, {330, 90}}};
    Pose stirring = asleep;
    stirring.mouth = Mouth::Wavy;
    stirring.held = {{PropKind::Bell, {256, 292}, -8}};
    stirring.floating = {{PropKind::Sleep, {340, 76}}, {PropKind::Shake, {256, 320}, 40}};
    return {{Frame(asleep, Backdrop::Shadow, 500, Voice::Snore), Frame(stirring, Backdrop::Shadow, 300, Voice::RingLow)}};
}

// Slot n plays action n: 0 idle; 1, 2, 3, 5 idle actions and 4 the doze
// that follows the yawn of 3; 6, 7, 8 reactions to the head and 9, 10 to the
// chest; 11 the leap of every third chest click (the window jumps while its
// frame 1 shows); 12 .. 23 the hours 0 .. 11; 24, 25 the alarm, and 26 the
// alarm nothing starts; 27, 28 new mail.
std::vector<SlotPlan> Slots()
{
    std::vector<SlotPlan> slots{Idle(), Chatter(Hum()), Chatter(Wave()), Chatter(Yawn()), Chatter(Doze()), Chatter(LookAround()),
                                Ouch(), Shy(),          Surprise(),      Tickle(),        Pout(),          Leap()};
    AddHourChimes(slots);
    slots.push_back(RingBell());
    slots.push_back(CoverEars());
    slots.push_back(SleepThroughAlarm());
    slots.push_back(Mail());
    slots.push_back(ReadLetter());
    return slots;
}

bool BuildPelmoArchive(std::vector<ArchiveItem>& items, std::string& error)
{
    return BuildNumberedArchive(PelmoEdition(), Design(), Slots(), items, error);
}

const DemoCharacterRegistration kRegistration("pelmo", BuildPelmoArchive);

} // namespace
