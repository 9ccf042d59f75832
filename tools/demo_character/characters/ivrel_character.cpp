// Ivrel's demo character: a wizard with long silver hair under a pointed
// green hat with a gold band and stones set in its brim, in a green robe
// with gold stars. An owl on a floating book keeps him company at his left,
// and the hour chimes show a clock there.
//
// Ivrel's archive is in his own older form (editions/ivrel/ivrel_script.h):
// scripts named by his slot table, frames that each place the window from
// the character's base position, the second picture of a frame standing
// left of the image (the owl, the clock, or none), and the table's voices
// attached to the first frames of their slots.
#include "editions/ivrel/ivrel_edition.h"
#include "editions/ivrel/ivrel_script.h"
#include "tools/demo_character/action_plans.h"
#include "tools/demo_character/archive_content.h"
#include "tools/demo_character/backdrops.h"
#include "tools/demo_character/character_registry.h"
#include "tools/demo_character/marker_trims.h"
#include "tools/demo_character/media_files.h"
#include "tools/demo_character/voices.h"

#include <windows.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr Palette kColours = {
    .skin = 0xFFE2CC,
    .hair = 0xC8C8DC,
    .hairDark = 0xA0A0BC,
    .eyes = 0x462878,
    .outfit = 0x2E7850,
    .trim = 0xF0C43C,
    .sleeves = 0x2E7850,
    .legs = 0x463C5A,
    .shoes = 0x6E4628,
};
constexpr uint32_t kHatBand = 0xF0C43C;
constexpr float kVoicePitch = 0.8f;

// Every image is this size. The figure fills it with its hat's tip above
// the top row, so that the figure's middle column is his from the first row
// down: the click bands of the edition (0 to 114 and 116 to 164) both lie on
// him whatever he does.
constexpr int kImageWidth = 170;
constexpr int kImageHeight = 240;
constexpr float kScale = 0.625f;
constexpr float kTop = -16;

// Long hair falling behind the shoulders.
void LongHair(Sketch& sketch, const Palette& colours, const Skeleton& s)
{
    sketch.Paint(PolygonShape{{{166, 120 + s.dy}, {346, 120 + s.dy}, {360, 250 + s.dy}, {152, 250 + s.dy}}}, colours.hairDark, kOutline,
                 kLine);
}

// A parted fringe and the pointed hat with its gold band, its tip folded
// over, and its broad brim.
void PointedHat(Sketch& sketch, const Palette& colours, const Skeleton& s)
{
    const float fx = kFigureCentreX + s.faceDx;
    const float dy = s.dy;
    sketch.FillOver(Oval{fx - 40, 104 + dy, 46, 20}, colours.hair, colours.skin);
    sketch.FillOver(Oval{fx + 40, 104 + dy, 46, 20}, colours.hair, colours.skin);
    sketch.Paint(PolygonShape{{{176, 82 + dy}, {kFigureCentreX, 16 + dy}, {336, 82 + dy}}}, colours.outfit, kOutline, kLine);
    // The tip folds over to his left, a gold star at its end.
    sketch.Paint(PolygonShape{{{236, 22 + dy}, {278, 22 + dy}, {326, 60 + dy}, {262, 44 + dy}}}, colours.outfit, kOutline, kLine);
    std::vector<Point> star;
    for (int i = 0; i < 10; ++i) {
        const float a = Radians(-90 + 36.0f * static_cast<float>(i));
        const float r = i % 2 == 0 ? 13.0f : 5.5f;
        star.push_back({328 + r * std::cos(a), 62 + dy + r * std::sin(a)});
    }
    sketch.Paint(PolygonShape{star}, kHatBand, kOutline, 2);
    sketch.Fill(PolygonShape{{{206, 58 + dy}, {306, 58 + dy}, {314, 68 + dy}, {198, 68 + dy}}}, kHatBand);
    sketch.Paint(Oval{kFigureCentreX, 84 + dy, 122, 13}, colours.outfit, kOutline, kLine);
}

// A robe down to the ankles with a gold hem and gold stars.
void Robe(Sketch& sketch, const Palette& colours, const Skeleton& s)
{
    const float dy = s.dy;
    sketch.Paint(PolygonShape{{{192, 194 + dy}, {320, 194 + dy}, {352, 362 + dy}, {160, 362 + dy}}}, colours.outfit, kOutline, kLine);
    sketch.Fill(PolygonShape{{{162, 350 + dy}, {350, 350 + dy}, {352, 362 + dy}, {160, 362 + dy}}}, colours.trim);
    for (const Point star : {Point{226, 262}, Point{290, 296}, Point{240, 326}})
        sketch.Fill(Oval{star.x, star.y + dy, 7, 7}, colours.trim);
}

const Look kLook = {kColours, LongHair, PointedHat, Robe};

// The picture that stands left of a frame's image.
enum class Side { None, Owl, Clock };

Side SideOf(Backdrop backdrop)
{
    switch (backdrop) {
    case Backdrop::Shadow:
        return Side::Owl;
    case Backdrop::Clock:
        return Side::Clock;
    case Backdrop::None:
    case Backdrop::SmallShadow:
        break;
    }
    return Side::None;
}

// An owl sitting on a floating book, beside his chest.
Raster DrawOwl()
{
    Raster owl(0, 0, 48, kImageHeight, kKeyColour);
    Paint(owl, PolygonShape{{{4, 176}, {44, 172}, {44, 184}, {4, 188}}}, 0x8C3C3C, kOutline, 2);
    Paint(owl, Oval{24, 150, 15, 21}, 0x8C6446, kOutline, 2);
    Fill(owl, Oval{24, 158, 9, 12}, 0xE6D2AA);
    for (float side : {-1.0f, 1.0f}) {
        Paint(owl, PolygonShape{{{24 + side * 6, 134}, {24 + side * 15, 124}, {24 + side * 13, 138}}}, 0x8C6446, kOutline, 2);
        Paint(owl, Oval{24 + side * 6, 144, 5, 5}, kWhite, kOutline, 1.5f);
        Fill(owl, Oval{24 + side * 6, 144, 2, 2}, kOutline);
    }
    Fill(owl, PolygonShape{{{21, 149}, {27, 149}, {24, 155}}}, 0xF09628);
    return owl;
}

// The clock of the hour chimes, at the height of his pointing hand.
Raster DrawSideClock(int hour)
{
    const Raster clock = DrawClock(2, 100, hour);
    Raster side(0, 0, clock.Left() + clock.Width() + 2, kImageHeight, kKeyColour);
    for (int y = clock.Top(); y < clock.Top() + clock.Height(); ++y)
        for (int x = clock.Left(); x < clock.Left() + clock.Width(); ++x)
            side.Set(x, y, clock.At(x, y));
    return side;
}

std::string Numbered(const char* pattern, int a, int b = 0)
{
    char name[64];
    std::snprintf(name, sizeof name, pattern, a, b);
    return name;
}

// The plan of one slot and where each of its frames stands from the base.
struct IvrelSlotPlan {
    SlotPlan plan;
    std::vector<POINT> offsets;
};

// He stands a little right of the base and above it.
constexpr POINT kRest = {8, -6};

IvrelSlotPlan AtRest(SlotPlan plan)
{
    const std::vector<POINT> offsets(plan.frames.size(), kRest);
    return {std::move(plan), offsets};
}

IvrelSlotPlan Moving(SlotPlan plan, std::vector<POINT> offsets)
{
    return {std::move(plan), std::move(offsets)};
}

// The other form of the humming: turned to his right, the notes on the
// other side.
SlotPlan HumAside()
{
    SlotPlan plan = Hum();
    for (FramePlan& frame : plan.frames) {
        for (Pose& pose : frame.poses) {
            pose.facing = Facing::Right;
            pose.look = {4, -2};
            for (Prop& prop : pose.floating)
                prop.at.x = 2 * kFigureCentreX - prop.at.x;
        }
    }
    return plan;
}

// Slot n plays action n: 0 idle; 1, 2, 3, 4 idle actions and 24 the other
// form of 1; 5 the reaction to the upper band; 6, 22 to the lower band; 7
// the leap of every third lower click, centred on the screen's height; 8,
// 23 the alarm; 9 new mail; 10 .. 21 the hours 0 .. 11.
std::vector<IvrelSlotPlan> Slots()
{
    std::vector<IvrelSlotPlan> slots{
        AtRest(Idle()),
        Moving(Hum(), {kRest, {8, -10}, kRest}),
        AtRest(Wave()),
        Moving(LookAround(), {{-12, -6}, {28, -6}, kRest}),
        Moving(Yawn(), {kRest, {8, -12}, kRest}),
        Moving(Ouch(), {kRest, {2, -14}}),
        Moving(Tickle(), {{4, -6}, {12, -6}, {4, -6}, {12, -6}}),
        // The height is the screen's; the offsets carry him right.
        Moving(Leap(), {{8, -40}, {40, -40}, {72, -40}}),
        AtRest(RingBell()),
        AtRest(Mail()),
    };
    for (int hour = 0; hour < 12; ++hour)
        slots.push_back(AtRest(Chime(hour)));
    slots.push_back(Moving(Shy(), {kRest, {8, -9}}));
    slots.push_back(Moving(CoverEars(), {kRest, {-4, -10}}));
    slots.push_back(AtRest(HumAside()));
    return slots;
}

class IvrelArchive {
public:
    bool AddSlot(int slot, const IvrelSlotPlan& slotPlan, std::string& error)
    {
        const SlotPlan& plan = slotPlan.plan;
        if (slotPlan.offsets.size() != plan.frames.size()) {
            error = "slot " + std::to_string(slot) + " has not one place per frame";
            return false;
        }
        const IvrelSlotEntries entries = IvrelSlotTable(slot);
        IvrelScript script;
        for (size_t index = 0; index < plan.frames.size(); ++index) {
            const FramePlan& framePlan = plan.frames[index];
            size_t owner = index;
            if (!PictureOwner(plan, slot, index, owner, error))
                return false;
            const FramePlan& drawn = plan.frames[owner];
            IvrelScriptFrame frame;
            frame.maskName = AddSide(SideOf(drawn.backdrop), plan.clockHour);
            frame.imageName = AddImage(slot, static_cast<int>(owner), drawn);
            frame.durationMs = framePlan.ms;
            // An alias stands where the frame it repeats stands.
            frame.offsetX = slotPlan.offsets[owner].x;
            frame.offsetY = slotPlan.offsets[owner].y;
            // The first frame's voice is the table's, attached at start-up.
            if (index == 0 && !entries.voice.empty())
                AddVoice(entries.voice, framePlan.voice == Voice::None ? Voice::Hmm : framePlan.voice);
            else if (framePlan.voice != Voice::None)
                frame.soundName = AddVoice(std::string("ivrel_") + VoiceWord(framePlan.voice) + ".wav", framePlan.voice);
            script.frames.push_back(frame);
        }
        const std::vector<uint8_t> bytes = EncodeIvrelScript(script);
        content_.Add(entries.script, std::string(bytes.begin(), bytes.end()));
        return true;
    }

    bool Take(std::vector<ArchiveItem>& items, std::string& error) { return content_.Take(items, error); }

private:
    // The side picture's name without ".bmz" (empty for none), added once.
    std::string AddSide(Side side, int hour)
    {
        std::string name;
        if (side == Side::Owl)
            name = "ivrel_owl";
        else if (side == Side::Clock)
            name = Numbered("ivrel_clock%02d", hour);
        if (!name.empty() && !content_.Has(name + ".bmz")) {
            const Raster picture = side == Side::Owl ? DrawOwl() : DrawSideClock(hour);
            content_.Add(name + ".bmz", EncodeBmp32(picture));
        }
        return name;
    }

    // The frame's image with the marker in the stones of his hat's brim.
    // The image is the right part of the window's canvas whatever side
    // picture stands left of it, so the marker's place, counted from the
    // canvas's right edge, is the same in every image.
    std::string AddImage(int slot, int owner, const FramePlan& drawn)
    {
        const std::string name = Numbered("ivrel%02d_%d", slot, owner);
        if (content_.Has(name + ".bmz"))
            return name;
        Raster picture(0, 0, kImageWidth, kImageHeight, kKeyColour);
        const Placement placement{(kFigureCentreX - FigureBox::kLeft) * kScale, kTop, kScale};
        Sketch sketch(picture, placement);
        const DemoMarkerBox marker = DemoMarkerOn(kIvrelDemoMarker, kImageWidth);
        DrawFigure(sketch, kLook, drawn.poses.empty() ? Pose{} : drawn.poses[0],
                   [&] { DrawMarkerStones(picture, marker, kHatBand, slot, owner); });
        content_.Add(name + ".bmz", EncodeBmp32(picture));
        return name;
    }

    std::string AddVoice(const std::string& name, Voice voice)
    {
        if (!content_.Has(name))
            content_.Add(name, EncodeWave(SynthesiseVoice(VoiceTones(voice, kVoicePitch)), kVoiceSampleRate));
        return name;
    }

    ArchiveContent content_;
};

bool BuildIvrelArchive(std::vector<ArchiveItem>& items, std::string& error)
{
    const std::vector<IvrelSlotPlan> slots = Slots();
    if (static_cast<int32_t>(slots.size()) != IvrelEdition().shell.slotCount) {
        error = "the character has " + std::to_string(slots.size()) + " actions, the edition " +
                std::to_string(IvrelEdition().shell.slotCount) + " slots";
        return false;
    }
    IvrelArchive archive;
    for (size_t slot = 0; slot < slots.size(); ++slot) {
        if (!archive.AddSlot(static_cast<int>(slot), slots[slot], error))
            return false;
    }
    return archive.Take(items, error);
}

const DemoCharacterRegistration kRegistration("ivrel", BuildIvrelArchive);

} // namespace
