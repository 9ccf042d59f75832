#pragma once

#include <cstdint>

// One 8-bit channel of a Colour.
class ColourComponent {
public:
    uint8_t Get() const { return value_; }
    int Value() const { return value_; }
    // Keeps the low byte of the value.
    void Set(int value) { value_ = static_cast<uint8_t>(value); }
    // The byte times factor, / 256.
    int Scale(int factor) const { return value_ * factor >> 8; }

private:
    uint8_t value_ = 0;
};

// A 32-bit colour 0xAARRGGBB, held as its bytes in memory order blue, green,
// red, alpha, so that it lies in memory like a 32-bit BGRA pixel.
struct Colour {
    ColourComponent blue;
    ColourComponent green;
    ColourComponent red;
    ColourComponent alpha;

    Colour() = default;
    explicit Colour(uint32_t argb)
    {
        blue.Set(static_cast<int>(argb & 0xFF));
        green.Set(static_cast<int>((argb >> 8) & 0xFF));
        red.Set(static_cast<int>((argb >> 16) & 0xFF));
        alpha.Set(static_cast<int>(argb >> 24));
    }

    // The whole colour as 0xAARRGGBB.
    uint32_t Value() const
    {
        return static_cast<uint32_t>(alpha.Get()) << 24 | static_cast<uint32_t>(red.Get()) << 16 |
               static_cast<uint32_t>(green.Get()) << 8 | blue.Get();
    }
};

static_assert(sizeof(Colour) == 4, "a Colour is one 32-bit pixel");
