#pragma once

#include "tools/demo_character/raster.h"

#include <cstdint>
#include <vector>

// The demo character: a round-headed girl with two hair buns, a teal dress
// and red shoes, drawn from simple shapes. Every picture of her is made from
// a Pose: where she looks, what her face does, where her arms and feet are
// and what she holds or what floats around her.

// Pixels of this colour (0x00RRGGBB, pure green) lie outside the window's
// shape; no part of the drawing uses it.
constexpr uint32_t kKeyColour = 0x00FF00;

enum class Facing { Front, Left, Right };
enum class Eyes { Open, Closed, Happy, Squeezed, Wide };
enum class Mouth { Smile, Open, Grin, Oh, Wavy };

enum class PropKind {
    Note,     // a music note
    Heart,
    Question, // a question mark
    Exclaim,  // an exclamation mark
    Bump,     // a bump on the head with stars
    Sweat,    // a drop of sweat
    Bell,     // a hand bell; value is its tilt in degrees
    Envelope, // a letter; value 1 shows it open
    Shake,    // motion lines around the point; value is their spread
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
    // Arm angles in degrees, 0 hanging straight down, 90 straight out to her
    // side, 180 straight up; negative angles bring the hand in front of her.
    float leftArm = 18;
    float rightArm = 18;
    float leftArmLength = 74;
    float rightArmLength = 74;
    // Sideways offsets of the feet, for steps.
    float leftFoot = 0;
    float rightFoot = 0;
    // Pixels the figure sits lower (a crouch) or, when negative, higher (a jump).
    float lift = 0;
    bool blush = false;
    bool tears = false;
    // Held props are drawn under her hands, the others in front of everything.
    std::vector<Prop> held;
    std::vector<Prop> floating;
};

// Where every picture of the figure lies on the 508 x 448 character canvas:
// the figure and its props stay inside this box, and the marker sits at its
// top-left corner.
struct FigureBox {
    static constexpr int kLeft = 120;
    static constexpr int kTop = 16;
    static constexpr int kWidth = 272;
    static constexpr int kHeight = 384;
};

void DrawFigure(Raster& raster, const Pose& pose);

// The backdrop pieces drawn beneath the figure (the mask pictures), each a
// picture of its own placed at its Left(), Top() on the canvas.
Raster DrawShadow(bool small);
// A clock face showing the hour (0 .. 11; 0 shows twelve o'clock).
Raster DrawClock(int hour);
