#include "tools/demo_character/action_plans.h"

#include <utility>

bool PictureOwner(const SlotPlan& plan, int slot, size_t index, size_t& owner, std::string& error)
{
    const int sameAs = plan.frames[index].sameAs;
    if (sameAs > static_cast<int>(index)) {
        error = "a frame of slot " + std::to_string(slot) + " repeats one that comes after it";
        return false;
    }
    owner = sameAs >= 0 ? static_cast<size_t>(sameAs) : index;
    return true;
}

FramePlan Again(int frame, uint32_t ms)
{
    FramePlan plan;
    plan.sameAs = frame;
    plan.ms = ms;
    return plan;
}

FramePlan Frame(Pose pose, Backdrop backdrop, uint32_t ms, Voice voice)
{
    FramePlan plan;
    plan.poses = {std::move(pose)};
    plan.backdrop = backdrop;
    plan.ms = ms;
    plan.voice = voice;
    return plan;
}

SlotPlan Chatter(SlotPlan plan)
{
    plan.voiceFlag = true;
    return plan;
}

SlotPlan Idle()
{
    Pose glance;
    glance.look = {5, 1};
    Pose blink;
    blink.eyes = Eyes::Closed;
    return {{Frame(Pose{}, Backdrop::Shadow, 500), Frame(glance, Backdrop::Shadow, 400), Again(0, 400),
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
    return {{Frame(low, Backdrop::Shadow, 400, Voice::Hum), Frame(high, Backdrop::Shadow, 400), Again(0, 400)}};
}

SlotPlan Wave()
{
    Pose up;
    up.rightArm = 145;
    up.mouth = Mouth::Open;
    Pose out = up;
    out.rightArm = 112;
    out.mouth = Mouth::Smile;
    return {{Frame(up, Backdrop::Shadow, 250, Voice::Hello), Frame(out, Backdrop::Shadow, 250), Again(0, 250), Again(1, 250)}};
}

// One foot ahead, feet together, the other foot ahead, with the arms
// swinging against the legs.
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
    return {{Frame(stride, Backdrop::Shadow, 200, Voice::Step), Frame(together, Backdrop::Shadow, 150),
             Frame(other, Backdrop::Shadow, 200, Voice::Step), Again(1, 150)}};
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
    return {{Frame(crouch, Backdrop::Shadow, 200, Voice::Boing), Frame(air, Backdrop::SmallShadow, 300), Again(0, 200)}};
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
    puzzled.rightArm = -160; // a hand on the cheek
    puzzled.rightArmLength = 56;
    puzzled.floating = {{PropKind::Question, {356, 66}}};
    return {{Frame(left, Backdrop::Shadow, 500, Voice::Hmm), Frame(right, Backdrop::Shadow, 500), Frame(puzzled, Backdrop::Shadow, 400)}};
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
    return {{Frame(hurt, Backdrop::Shadow, 300, Voice::Oops), Frame(crying, Backdrop::Shadow, 300)}};
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
    return {{Frame(shy, Backdrop::Shadow, 400, Voice::Giggle), Frame(more, Backdrop::Shadow, 400)}};
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
    return {{Frame(one, Backdrop::Shadow, 200, Voice::Laugh), Frame(two, Backdrop::Shadow, 200), Again(0, 200), Again(1, 200)}};
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
    return {{Frame(startled, Backdrop::Shadow, 300, Voice::Surprise), Frame(jumped, Backdrop::SmallShadow, 300)}};
}

SlotPlan Pout()
{
    Pose cross;
    cross.eyes = Eyes::Squeezed;
    cross.mouth = Mouth::Wavy;
    cross.blush = true;
    cross.leftArm = cross.rightArm = -50; // arms folded
    cross.leftArmLength = cross.rightArmLength = 56;
    cross.floating = {{PropKind::Anger, {340, 74}}};
    Pose turned = cross;
    turned.facing = Facing::Left;
    turned.eyes = Eyes::Closed;
    turned.floating = {{PropKind::Anger, {330, 66}}, {PropKind::Sweat, {180, 96}}};
    return {{Frame(cross, Backdrop::Shadow, 400, Voice::Huff), Frame(turned, Backdrop::Shadow, 400)}};
}

SlotPlan Yawn()
{
    Pose stretch;
    stretch.eyes = Eyes::Closed;
    stretch.mouth = Mouth::Oh;
    stretch.leftArm = stretch.rightArm = 170;
    stretch.leftArmLength = stretch.rightArmLength = 70;
    stretch.lift = -2;
    Pose wide = stretch;
    wide.mouth = Mouth::Open;
    wide.tears = true;
    return {{Frame(stretch, Backdrop::Shadow, 400, Voice::Yawn), Frame(wide, Backdrop::Shadow, 400), Again(0, 300)}};
}

SlotPlan Doze()
{
    Pose nod;
    nod.eyes = Eyes::Closed;
    nod.mouth = Mouth::Oh;
    nod.lift = 4;
    nod.leftArm = nod.rightArm = 8;
    nod.floating = {{PropKind::Sleep, {330, 96}}};
    Pose deeper = nod;
    deeper.lift = 6;
    deeper.mouth = Mouth::Wavy;
    deeper.floating = {{PropKind::Sleep, {340, 80}}};
    return {{Frame(nod, Backdrop::Shadow, 500, Voice::Snore), Frame(deeper, Backdrop::Shadow, 500), Again(0, 500)}};
}

SlotPlan Leap()
{
    Pose crouch;
    crouch.lift = 6;
    crouch.eyes = Eyes::Squeezed;
    crouch.mouth = Mouth::Grin;
    crouch.leftArm = crouch.rightArm = -20;
    Pose flight;
    flight.lift = -12;
    flight.eyes = Eyes::Wide;
    flight.mouth = Mouth::Open;
    flight.leftArm = flight.rightArm = 165;
    flight.leftFoot = -10;
    flight.rightFoot = 10;
    flight.floating = {{PropKind::Speed, {256, 396}, 24}, {PropKind::Sparkle, {150, 90}}, {PropKind::Sparkle, {364, 110}, 8}};
    Pose landed;
    landed.lift = 4;
    landed.eyes = Eyes::Happy;
    landed.mouth = Mouth::Grin;
    landed.leftArm = landed.rightArm = 95;
    return {{Frame(crouch, Backdrop::Shadow, 200, Voice::Whoosh), Frame(flight, Backdrop::SmallShadow, 300),
             Frame(landed, Backdrop::Shadow, 250)}};
}

SlotPlan Chime(int hour)
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
    SlotPlan plan{{Frame(point, Backdrop::Clock, 500, Voice::Ding), Frame(sing, Backdrop::Clock, 500), Again(0, 400)}};
    plan.clockHour = hour;
    return plan;
}

void AddHourChimes(std::vector<SlotPlan>& slots)
{
    for (int hour = 0; hour < 12; ++hour)
        slots.push_back(Chime(hour));
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
    return {{Frame(ring, Backdrop::None, 150, Voice::Ring), Frame(back, Backdrop::None, 150), Again(0, 150), Again(1, 150)}};
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
    return {{Frame(loud, Backdrop::None, 150, Voice::RingLow), Frame(louder, Backdrop::None, 150)}};
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
    return {{Frame(arrived, Backdrop::None, 400, Voice::Mail), Frame(opened, Backdrop::None, 400), Again(0, 300)}};
}

SlotPlan ReadLetter()
{
    Pose raised;
    raised.eyes = Eyes::Happy;
    raised.mouth = Mouth::Open;
    raised.rightArm = 160;
    raised.rightArmLength = 70;
    raised.held = {{PropKind::Envelope, {320, 120}, 1}};
    raised.floating = {{PropKind::Sparkle, {370, 60}, 12}, {PropKind::Sparkle, {280, 50}, 8}};
    Pose reading = raised;
    reading.eyes = Eyes::Open;
    reading.look = {4, -4};
    reading.mouth = Mouth::Smile;
    reading.floating = {{PropKind::Sparkle, {376, 70}, 8}, {PropKind::Note, {170, 80}}};
    return {{Frame(raised, Backdrop::Shadow, 400, Voice::Mail), Frame(reading, Backdrop::Shadow, 400)}};
}
