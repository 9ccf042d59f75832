#include "base/util/colour.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

TEST(Colour, HoldsTheValueAsBgraBytes)
{
    const Colour colour(0x80FF4020);
    EXPECT_EQ(colour.blue.Value(), 0x20);
    EXPECT_EQ(colour.green.Value(), 0x40);
    EXPECT_EQ(colour.red.Value(), 0xFF);
    EXPECT_EQ(colour.alpha.Value(), 0x80);
    EXPECT_EQ(colour.Value(), 0x80FF4020u);
    uint8_t bytes[4];
    std::memcpy(bytes, &colour, 4);
    EXPECT_EQ(bytes[0], 0x20);
    EXPECT_EQ(bytes[3], 0x80);
    EXPECT_EQ(Colour().Value(), 0u);
}

TEST(Colour, ComponentKeepsTheLowByte)
{
    ColourComponent component;
    component.Set(0x1FE);
    EXPECT_EQ(component.Get(), 0xFE);
    component.Set(-1);
    EXPECT_EQ(component.Value(), 255);
}

} // namespace
