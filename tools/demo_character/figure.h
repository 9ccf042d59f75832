#pragma once

#include "tools/demo_character/sketch.h"

#include <cstdint>
#include <functional>
#include <vector>

// The figure every demo character is made of: a round head with a face,
// a body, arms and legs, drawn from simple shapes in figure units
// (sketch.h). Each character gives it a Look of its own (colours, hair,
// outfit); every picture of a character is made from a Pose: where it
// looks, what its face does, where its arms and feet are and what it holds
// or what floats around it.

// Pixels of this colour (0x00RRGGBB, pure green) lie outside the window's
// shape; no part of any drawing uses it.
constexpr uint32_t kKeyColour = 0x00FF00;

// Colours every character shares: outlines and the lines of the face.
constexpr uint32_t kOutline = 0x3A2848;
constexpr uint32_t kFaceLine = 0x281E3C;
constexpr uint32_t kWhite = 0xFFFFFF;

enum class Facing { Front, Left, Right };
enum class Eyes { Open, Closed, Happy, Squeezed, Wide };
enum class Mouth { Smile, Open, Grin, Oh, Wavy };

enum class PropKind {
    Note,     // a music note
    Heart,    // value is its size (14 when 0)
    Question, // a question mark
    Exclaim,  // an exclamation mark
    Bump,     // a bump on the head with stars
    Sweat,    // a drop of sweat
    Bell,     // a hand bell; value is its tilt in degrees
    Envelope, // a letter; value 1 shows it open
    Shake,    // motion lines around the point; value is their spread
    Sleep,    // a rising "Z Z Z" of sleep
    Anger,    // the crossed veins of a temper
    Sparkle,  // a four-pointed glint; value is its size (10 when 0)
    Speed,    // lines that trail below a leap; value is their length
};

struct Prop {
    PropKind kind;
    Point at;
    float value = 0;
};

struct Pose {
    Facing facing = Facing::Front;
    Eyes eyes = Eyes::Open;
    // How far the pupils move, in pixels, from looking straight ahead.
    Point look{0, 0};
    Mouth mouth = Mouth::Smile;
    // Arm angles in degrees, 0 hanging straight down, 90 straight out to the
    // side, 180 straight up; negative angles bring the hand in front.
    float leftArm = 18;
    float rightArm = 18;
    float leftArmLength = 74;
    float rightArmLength = 74;
    // Sideways offsets of the feet, for steps.
    float leftFoot = 0;
    float rightFoot = 0;
    // Pixels the figure sits lower (a crouch) or, when negative, higher (a
    // jump).
    float lift = 0;
    bool blush = false;
    bool tears = false;
    // Held props are drawn under the hands, the others in front of
    // everything.
    std::vector<Prop> held;
    std::vector<Prop> floating;
};

// A character's own colours.
struct Palette {
    uint32_t skin;
    uint32_t hair;
    uint32_t hairDark;
    uint32_t eyes; // the open eyes and the pupils
    uint32_t outfit;
    uint32_t trim;
    uint32_t sleeves;
    uint32_t legs;
    uint32_t shoes;
};

// Where the parts of the figure are for one pose, in figure units.
struct Skeleton {
    float dy;     // the body's shift down (negative: up)
    float feetDy; // the feet's shift: they leave the ground only in a jump
    float faceDx; // the face turns toward the side the figure faces
    float toeDx;  // shoes point the same way
    Point leftShoulder, rightShoulder;
    Point leftHand, rightHand;
};

// The head: the skull in the hair colour, centred at (kFigureCentreX,
// kHeadY + dy) with these radii, and the face, centred kFaceDrop lower and
// faceDx aside.
constexpr float kHeadY = 140;
constexpr float kHeadRadiusX = 96;
constexpr float kHeadRadiusY = 84;
constexpr float kFaceDrop = 18;
// The body runs from the shoulders (kShoulderY) to the hips (kHipY).
constexpr float kShoulderY = 222;
constexpr float kHipY = 326;
// The outline width of every part.
constexpr float kLine = 3;

// One part of a character's own design, drawn for one pose.
using PartDrawer = void (*)(Sketch& sketch, const Palette& colours, const Skeleton& skeleton);

// What makes a character look like itself: its colours, its hair (the part
// behind the skull, such as buns or tails, and the part over the face: the
// fringe and what is worn in the hair) and its outfit from the shoulders to
// the hips. Head, face, arms and legs are the figure every character
// shares.
struct Look {
    Palette colours;
    PartDrawer hairBehind;
    PartDrawer hairFront;
    PartDrawer outfit;
};

// The figure in the pose. wornOnHead, when given, draws what the figure
// wears in its hair or on its hat: after the head, so that it lies on it,
// and before the arms and props, which pass in front of it as they pass in
// front of the head.
void DrawFigure(Sketch& sketch, const Look& look, const Pose& pose, const std::function<void()>& wornOnHead = {});

// A thick line with an outline around it.
void OutlinedStroke(Sketch& sketch, const std::vector<Point>& points, float radius, uint32_t colour);

// The figure's box in figure units: the figure and its props stay inside it.
struct FigureBox {
    static constexpr float kLeft = 120;
    static constexpr float kTop = 16;
    static constexpr float kRight = 392;
    static constexpr float kBottom = 400;
};
