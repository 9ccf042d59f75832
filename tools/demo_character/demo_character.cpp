#include "tools/demo_character/demo_character.h"

#include "app/animation_script.h"
#include "tools/demo_character/demo_markers.h"
#include "tools/demo_character/figure.h"
#include "tools/demo_character/media_files.h"
#include "tools/demo_character/voices.h"

#include <cstdint>
#include <cstdio>
#include <map>
#include <set>

namespace {

constexpr int kCanvasWidth = 508;
constexpr int kCanvasHeight = 448;

// The picture drawn beneath the figure in a frame.
enum class Backdrop { None, Shadow, SmallShadow, Clock };

struct FramePlan {
    Pose pose;
    Backdrop backdrop = Backdrop::None;
    const char* voice = nullptr; // a name of VoiceRecipes(), or none
    uint32_t ms = 300;
    // The index of an earlier frame whose pictures this one repeats; its own
    // pose and backdrop are then unused.
    int sameAs = -1;
};

struct SlotPlan {
    std::vector<FramePlan> frames;
    // Voices only when every voice is wanted: the chatter of the idle actions.
    bool voiceFlag = false;
};

FramePlan Again(int frame, uint32_t ms)
{
    FramePlan plan;
    plan.sameAs = frame;
    plan.ms = ms;
    return plan;
}

FramePlan Frame(Pose pose, Backdrop backdrop, uint32_t ms, const char* voice = nullptr)
{
    FramePlan plan;
    plan.pose = std::move(pose);
    plan.backdrop = backdrop;
    plan.ms = ms;
    plan.voice = voice;
    return plan;
}

SlotPlan Idle()
{
    Pose breathe;
    breathe.leftArm = breathe.rightArm = 24;
    breathe.lift = 2;
    Pose blink;
    blink.eyes = Eyes::Closed;
    return {{Frame(Pose{}, Backdrop::Shadow, 500), Frame(breathe, Backdrop::Shadow, 400), Again(0, 400),
             Frame(blink, Backdrop::Shadow, 150)}};
}

SlotPlan Hum()
{
    Pose low;
    low.eyes = Eyes::Happy;
    low.mouth = Mouth::Open;
    low.leftArm = low.rightArm = -30;
    low.floating = {{PropKind::Note, {350, 74}}};
    Pose high = low;
    high.mouth = Mouth::Smile;
    high.lift = 3;
    high.floating = {{PropKind::Note, {366, 52}}, {PropKind::Note, {164, 64}}};
    return {{Frame(low, Backdrop::Shadow, 400, "quenna_hum"), Frame(high, Backdrop::Shadow, 400), Again(0, 400)}, true};
}

SlotPlan Wave()
{
    Pose up;
    up.rightArm = 145;
    up.mouth = Mouth::Open;
    Pose out = up;
    out.rightArm = 112;
    out.mouth = Mouth::Smile;
    return {{Frame(up, Backdrop::Shadow, 250, "quenna_hello"), Frame(out, Backdrop::Shadow, 250), Again(0, 250), Again(1, 250)}, true};
}

// A walk cycle: one foot ahead, feet together, the other foot ahead, with
// the arms swinging against the legs.
SlotPlan Walk(Facing facing)
{
    const float ahead = facing == Facing::Left ? -20.0f : 20.0f;
    Pose stride;
    stride.facing = facing;
    stride.leftFoot = ahead;
    stride.rightFoot = -ahead;
    stride.leftArm = 4;
    stride.rightArm = 34;
    Pose together;
    together.facing = facing;
    together.lift = -3;
    Pose other = stride;
    other.leftFoot = -ahead;
    other.rightFoot = ahead;
    other.leftArm = 34;
    other.rightArm = 4;
    return {{Frame(stride, Backdrop::Shadow, 200, "quenna_step"), Frame(together, Backdrop::Shadow, 150),
             Frame(other, Backdrop::Shadow, 200, "quenna_step"), Again(1, 150)},
            true};
}

SlotPlan Hop()
{
    Pose crouch;
    crouch.lift = 6;
    crouch.eyes = Eyes::Happy;
    crouch.leftArm = crouch.rightArm = 40;
    Pose air;
    air.lift = -12;
    air.mouth = Mouth::Open;
    air.leftArm = air.rightArm = 150;
    air.leftArmLength = air.rightArmLength = 64;
    return {{Frame(crouch, Backdrop::Shadow, 200, "quenna_boing"), Frame(air, Backdrop::SmallShadow, 300), Again(0, 200)}, true};
}

SlotPlan LookAround()
{
    Pose left;
    left.facing = Facing::Left;
    left.look = {-5, 0};
    Pose right;
    right.facing = Facing::Right;
    right.look = {5, 0};
    Pose puzzled;
    puzzled.look = {0, -5};
    puzzled.mouth = Mouth::Wavy;
    puzzled.rightArm = -160; // a hand on her cheek
    puzzled.rightArmLength = 56;
    puzzled.floating = {{PropKind::Question, {356, 66}}};
    return {{Frame(left, Backdrop::Shadow, 500, "quenna_hmm"), Frame(right, Backdrop::Shadow, 500), Frame(puzzled, Backdrop::Shadow, 400)}, true};
}

SlotPlan Ouch()
{
    Pose hurt;
    hurt.eyes = Eyes::Squeezed;
    hurt.mouth = Mouth::Wavy;
    hurt.leftArm = hurt.rightArm = 155;
    hurt.leftArmLength = hurt.rightArmLength = 60;
    hurt.floating = {{PropKind::Bump, {296, 60}}};
    Pose crying = hurt;
    crying.mouth = Mouth::Open;
    crying.tears = true;
    return {{Frame(hurt, Backdrop::Shadow, 300, "quenna_oops"), Frame(crying, Backdrop::Shadow, 300)}};
}

SlotPlan Shy()
{
    Pose shy;
    shy.eyes = Eyes::Happy;
    shy.blush = true;
    shy.leftArm = shy.rightArm = -38;
    shy.floating = {{PropKind::Heart, {350, 62}, 14}};
    Pose more = shy;
    more.lift = 2;
    more.floating = {{PropKind::Heart, {362, 44}, 18}, {PropKind::Heart, {170, 60}, 10}};
    return {{Frame(shy, Backdrop::Shadow, 400, "quenna_giggle"), Frame(more, Backdrop::Shadow, 400)}};
}

SlotPlan Tickle()
{
    Pose one;
    one.eyes = Eyes::Happy;
    one.mouth = Mouth::Grin;
    one.leftArm = 110;
    one.rightArm = 70;
    one.lift = 2;
    Pose two = one;
    two.leftArm = 70;
    two.rightArm = 110;
    two.lift = -2;
    return {{Frame(one, Backdrop::Shadow, 200, "quenna_laugh"), Frame(two, Backdrop::Shadow, 200), Again(0, 200), Again(1, 200)}};
}

SlotPlan Surprise()
{
    Pose startled;
    startled.eyes = Eyes::Wide;
    startled.mouth = Mouth::Oh;
    startled.leftArm = startled.rightArm = 120;
    startled.floating = {{PropKind::Exclaim, {354, 52}}};
    Pose jumped = startled;
    jumped.lift = -8;
    jumped.leftArm = jumped.rightArm = 100;
    jumped.floating.push_back({PropKind::Sweat, {168, 112}});
    return {{Frame(startled, Backdrop::Shadow, 300, "quenna_surprise"), Frame(jumped, Backdrop::SmallShadow, 300)}};
}

SlotPlan Chime()
{
    Pose point;
    point.rightArm = 105;
    point.rightArmLength = 66;
    point.look = {5, -3};
    point.mouth = Mouth::Open;
    Pose sing;
    sing.rightArm = 128;
    sing.rightArmLength = 66;
    sing.eyes = Eyes::Happy;
    sing.floating = {{PropKind::Note, {364, 250}}};
    return {{Frame(point, Backdrop::Clock, 500, "quenna_ding"), Frame(sing, Backdrop::Clock, 500), Again(0, 400)}};
}

SlotPlan RingBell()
{
    Pose ring;
    ring.eyes = Eyes::Happy;
    ring.mouth = Mouth::Open;
    ring.leftArm = ring.rightArm = -35;
    ring.held = {{PropKind::Bell, {256, 290}, -20}};
    ring.floating = {{PropKind::Shake, {256, 318}, 44}};
    Pose back = ring;
    back.held = {{PropKind::Bell, {256, 290}, 20}};
    back.lift = 2;
    return {{Frame(ring, Backdrop::None, 150, "quenna_ring"), Frame(back, Backdrop::None, 150), Again(0, 150), Again(1, 150)}};
}

SlotPlan CoverEars()
{
    Pose loud;
    loud.eyes = Eyes::Squeezed;
    loud.mouth = Mouth::Wavy;
    loud.leftArm = loud.rightArm = 150;
    loud.leftArmLength = loud.rightArmLength = 58;
    loud.floating = {{PropKind::Bell, {330, 44}, -25}, {PropKind::Shake, {330, 72}, 34}};
    Pose louder = loud;
    louder.floating = {{PropKind::Bell, {330, 44}, 25}, {PropKind::Shake, {330, 72}, 34}};
    louder.lift = -4;
    return {{Frame(loud, Backdrop::None, 150, "quenna_ring_low"), Frame(louder, Backdrop::None, 150)}};
}

SlotPlan Mail()
{
    Pose arrived;
    arrived.eyes = Eyes::Wide;
    arrived.mouth = Mouth::Oh;
    arrived.leftArm = arrived.rightArm = -35;
    arrived.held = {{PropKind::Envelope, {256, 264}, 0}};
    arrived.floating = {{PropKind::Exclaim, {352, 60}}};
    Pose opened = arrived;
    opened.eyes = Eyes::Happy;
    opened.mouth = Mouth::Smile;
    opened.blush = true;
    opened.held = {{PropKind::Envelope, {256, 264}, 1}};
    opened.floating = {{PropKind::Heart, {352, 56}, 14}};
    return {{Frame(arrived, Backdrop::None, 400, "quenna_mail"), Frame(opened, Backdrop::None, 400), Again(0, 300)}};
}

// Slot n plays action n: 0 idle; 1, 2, 5, 6 idle actions; 3, 4 the walk to
// the left and to the right; 7, 8 reactions to the head and 9, 10 to the
// body; 11 .. 22 the hours 0 .. 11; 23, 24 the alarm; 25 new mail.
std::vector<SlotPlan> Slots()
{
    std::vector<SlotPlan> slots{Idle(), Hum(), Wave(), Walk(Facing::Left), Walk(Facing::Right), Hop(), LookAround(),
                                Ouch(), Shy(),  Tickle(), Surprise()};
    for (int hour = 0; hour < 12; ++hour)
        slots.push_back(Chime());
    slots.push_back(RingBell());
    slots.push_back(CoverEars());
    slots.push_back(Mail());
    return slots;
}

const std::map<std::string, std::vector<Tone>>& VoiceRecipes()
{
    static const std::map<std::string, std::vector<Tone>> recipes{
        {"quenna_hum", {{523, 587, 120, false}, {659, 659, 130, false}}},
        {"quenna_hello", {{440, 660, 100, false}, {660, 880, 120, false}}},
        {"quenna_step", {{190, 140, 100, true}}},
        {"quenna_boing", {{200, 620, 220, false}}},
        {"quenna_hmm", {{330, 300, 150, false}, {300, 360, 110, false}}},
        {"quenna_oops", {{880, 440, 180, false}}},
        {"quenna_giggle", {{700, 900, 60, false}, {700, 900, 60, false}, {700, 1000, 80, false}}},
        {"quenna_laugh", {{500, 700, 70, false}, {500, 700, 70, false}, {500, 800, 90, false}}},
        {"quenna_surprise", {{400, 1200, 200, false}}},
        {"quenna_ding", {{1047, 1047, 300, true}}},
        {"quenna_ring", {{1400, 1400, 60, true}, {1400, 1400, 60, true}, {1400, 1400, 60, true}, {1400, 1400, 60, true}}},
        {"quenna_ring_low", {{1000, 1000, 60, true}, {1000, 1000, 60, true}, {1000, 1000, 60, true}, {1000, 1000, 60, true}}},
        {"quenna_mail", {{784, 784, 120, true}, {1047, 1047, 160, true}}},
    };
    return recipes;
}

std::string SlotName(const char* format, int slot)
{
    char name[32];
    std::snprintf(name, sizeof name, format, slot);
    return name;
}

std::string PictureName(int slot, int frame)
{
    char name[32];
    std::snprintf(name, sizeof name, "quenna%02d_%d", slot, frame);
    return name;
}

void DrawMarker(Raster& raster, int slot, int frame)
{
    for (int cell = 0; cell < DemoMarker::kCellCount; ++cell)
        raster.FillRect(DemoMarker::kLeft + cell * DemoMarker::kCellSize, DemoMarker::kTop, DemoMarker::kCellSize,
                        DemoMarker::kCellSize, DemoMarkerCellColour(slot, frame, cell));
}

// The backdrop's entry name (without extension) and picture; the hour picks
// the clock face.
std::string BackdropName(Backdrop backdrop, int hour)
{
    switch (backdrop) {
    case Backdrop::None:
        return "";
    case Backdrop::Shadow:
        return "quenna_shadow";
    case Backdrop::SmallShadow:
        return "quenna_shadow_small";
    case Backdrop::Clock:
        return SlotName("quenna_clock%02d", hour);
    }
    return "";
}

Raster BackdropPicture(Backdrop backdrop, int hour)
{
    if (backdrop == Backdrop::Clock)
        return DrawClock(hour);
    return DrawShadow(backdrop == Backdrop::SmallShadow);
}

class ArchiveContent {
public:
    // An empty entry is one that could not be made.
    void Add(const std::string& name, std::string bytes)
    {
        complete_ = complete_ && !bytes.empty();
        if (names_.insert(name).second)
            entries_.push_back({name, std::move(bytes)});
    }
    bool Has(const std::string& name) const { return names_.count(name) != 0; }
    bool Complete() const { return complete_; }
    std::vector<ArchiveItem> Take() { return std::move(entries_); }

private:
    std::set<std::string> names_;
    std::vector<ArchiveItem> entries_;
    bool complete_ = true;
};

AnimationScript BuildSlot(int slot, const SlotPlan& plan, ArchiveContent& content)
{
    const int hour = slot - 11; // meaningful for the hour slots only
    AnimationScript script;
    script.version = 3;
    script.width = kCanvasWidth;
    script.height = kCanvasHeight;
    script.voiceFlag = plan.voiceFlag ? 1 : 0;
    for (size_t index = 0; index < plan.frames.size(); ++index) {
        const FramePlan& framePlan = plan.frames[index];
        const int owner = framePlan.sameAs >= 0 ? framePlan.sameAs : static_cast<int>(index);
        const FramePlan& drawn = plan.frames[static_cast<size_t>(owner)];
        ScriptFrame frame;
        frame.imageName = PictureName(slot, owner);
        frame.imageX = FigureBox::kLeft;
        frame.imageY = FigureBox::kTop;
        frame.durationMs = framePlan.ms;
        if (!content.Has(frame.imageName + ".bmz")) {
            Raster picture(FigureBox::kLeft, FigureBox::kTop, FigureBox::kWidth, FigureBox::kHeight, kKeyColour);
            DrawFigure(picture, drawn.pose);
            DrawMarker(picture, slot, owner);
            content.Add(frame.imageName + ".bmz", EncodeBmp32(picture));
        }
        if (drawn.backdrop != Backdrop::None) {
            const Raster backdrop = BackdropPicture(drawn.backdrop, hour);
            frame.maskName = BackdropName(drawn.backdrop, hour);
            frame.maskX = backdrop.Left();
            frame.maskY = backdrop.Top();
            if (!content.Has(frame.maskName + ".bmz"))
                content.Add(frame.maskName + ".bmz", EncodeBmp32(backdrop));
        }
        if (framePlan.voice) {
            frame.soundName = framePlan.voice;
            if (!content.Has(frame.soundName + ".wav"))
                content.Add(frame.soundName + ".wav", EncodeWave(SynthesiseVoice(VoiceRecipes().at(frame.soundName)), kVoiceSampleRate));
        }
        script.frames.push_back(frame);
    }
    return script;
}

} // namespace

bool BuildDemoCharacter(std::vector<ArchiveItem>& items)
{
    ArchiveContent content;
    const std::vector<SlotPlan> slots = Slots();
    for (size_t slot = 0; slot < slots.size(); ++slot) {
        const AnimationScript script = BuildSlot(static_cast<int>(slot), slots[slot], content);
        const std::vector<uint8_t> bytes = EncodeAnimationScript(script);
        content.Add(SlotName("quenna%02d.ttp", static_cast<int>(slot)), std::string(bytes.begin(), bytes.end()));
    }
    items = content.Take();
    return content.Complete();
}
