// Quenna's demo character: a round-headed girl with lilac hair in two buns
// and a cream clip, a teal dress with a heart pocket and red shoes.
#include "editions/quenna/quenna_edition.h"
#include "tools/demo_character/character_registry.h"
#include "tools/demo_character/numbered_archive.h"

namespace {

constexpr Palette kColours = {
    .skin = 0xFFE2CC,
    .hair = 0x965CBE,
    .hairDark = 0x7A4AA0,
    .eyes = 0x281E3C,
    .outfit = 0x40A8B0,
    .trim = 0xFAF0DC,
    .sleeves = 0x40A8B0,
    .legs = 0x5A466E,
    .shoes = 0xD64650,
};

// Buns behind the head, the far one hiding further as she turns, and a
// curl standing up from the top.
void Buns(Sketch& sketch, const Palette& colours, const Skeleton& s)
{
    for (float x : {172.0f, 340.0f})
        sketch.Paint(Oval{x + s.faceDx * 0.5f, 74 + s.dy, 30, 30}, colours.hairDark, kOutline, kLine);
    OutlinedStroke(sketch, Arc(Oval{kFigureCentreX + 14, 44 + s.dy, 14, 12}, 180, 400, 12), 3, colours.hair);
}

// The fringe: three locks over the forehead.
void Locks(Sketch& sketch, const Palette& colours, const Skeleton& s)
{
    const float fx = kFigureCentreX + s.faceDx;
    for (float lock : {-44.0f, 0.0f, 44.0f})
        sketch.FillOver(Oval{fx + lock, 112 + s.dy, 34, 22}, colours.hair, colours.skin);
    sketch.FillOver(Oval{fx, 96 + s.dy, 84, 22}, colours.hair, colours.skin);
}

// A dress flaring to the knees, a round collar and a heart-shaped pocket.
void Dress(Sketch& sketch, const Palette& colours, const Skeleton& s)
{
    const float dy = s.dy;
    sketch.Paint(PolygonShape{{{190, 194 + dy}, {322, 194 + dy}, {334, 260 + dy}, {348, 336 + dy}, {164, 336 + dy}, {178, 260 + dy}}},
                 colours.outfit, kOutline, kLine);
    sketch.Paint(Oval{kFigureCentreX + s.faceDx * 0.4f, 226 + dy, 38, 12}, colours.trim, kOutline, 2);
    const float px = kFigureCentreX + s.faceDx * 0.8f;
    const float py = 280 + dy;
    sketch.Fill(Oval{px - 7, py, 8, 8}, colours.trim);
    sketch.Fill(Oval{px + 7, py, 8, 8}, colours.trim);
    sketch.Fill(PolygonShape{{{px - 15, py + 2}, {px + 15, py + 2}, {px, py + 18}}}, colours.trim);
}

const CharacterDesign& Design()
{
    // She fills the edition's canvas as the figure units were made for her.
    static const CharacterDesign design{
        "quenna", {{{kColours, Buns, Locks, Dress}, {kFigureCentreX, 0, 1}}}, 398, 36, 1.0f, {kQuennaDemoMarker, 0, kColours.trim}};
    return design;
}

// Slot n plays action n: 0 idle; 1, 2, 5, 6 idle actions; 3, 4 the walk to
// the left and to the right; 7, 8 reactions to the head and 9, 10 to the
// body; 11 .. 22 the hours 0 .. 11; 23, 24 the alarm; 25 new mail.
std::vector<SlotPlan> Slots()
{
    std::vector<SlotPlan> slots{Idle(),           Chatter(Hum()), Chatter(Wave()), Chatter(Walk(Facing::Left)), Chatter(Walk(Facing::Right)),
                                Chatter(Hop()),   Chatter(LookAround()), Ouch(), Shy(), Tickle(), Surprise()};
    AddHourChimes(slots);
    slots.push_back(RingBell());
    slots.push_back(CoverEars());
    slots.push_back(Mail());
    return slots;
}

bool BuildQuennaArchive(std::vector<ArchiveItem>& items, std::string& error)
{
    return BuildNumberedArchive(QuennaEdition(), Design(), Slots(), items, error);
}

const DemoCharacterRegistration kRegistration("quenna", BuildQuennaArchive);

} // namespace
