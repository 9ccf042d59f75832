#pragma once

// What every edition's demo archive is checked for, whatever the form of its
// scripts: its pictures as the program loads them and its voices.
#include "base/graphics/bitmap.h"
#include "base/io/pack_file.h"
#include "base/util/byte_reader.h"
#include "tools/demo_character/demo_markers.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

constexpr uint32_t kKey = 0x0000FF00; // compared with all four bytes, as the region builder does

// An entry of the archive, unpacked, as the program reads it.
inline bool LoadArchiveEntry(const std::string& archive, const std::string& name, std::string& bytes)
{
    PackFile pack;
    if (!pack.LoadByName(archive, name, true))
        return false;
    bytes.assign(reinterpret_cast<const char*>(pack.Data()), static_cast<size_t>(pack.LoadedSize()));
    return true;
}

// A picture pixel as stored: blue, green, red and the fourth byte.
inline uint32_t PixelAt(const Bitmap& picture, int32_t x, int32_t y)
{
    const uint8_t* pixel = picture.PixelAddress(x, y);
    return static_cast<uint32_t>(pixel[0]) | static_cast<uint32_t>(pixel[1]) << 8 | static_cast<uint32_t>(pixel[2]) << 16 |
           static_cast<uint32_t>(pixel[3]) << 24;
}

// A frame as the program composes it: the canvas filled with the key
// colour, then the pictures copied on in the order the form draws them.
struct Canvas {
    Canvas(int32_t w, int32_t h) : width(w), height(h), pixels(static_cast<size_t>(w) * static_cast<size_t>(h), kKey) {}
    int32_t width;
    int32_t height;
    std::vector<uint32_t> pixels;

    uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)]; }
    void Set(int x, int y, uint32_t pixel) { pixels[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)] = pixel; }
    void Copy(const Bitmap& picture, int32_t left, int32_t top)
    {
        for (int32_t y = 0; y < picture.Height(); ++y)
            for (int32_t x = 0; x < picture.Width(); ++x)
                if (left + x >= 0 && left + x < width && top + y >= 0 && top + y < height)
                    Set(left + x, top + y, PixelAt(picture, x, y));
    }
    // Whether the pixel lies in the window's shape: on the canvas and not the
    // key colour.
    bool InShape(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height && At(x, y) != kKey; }
    // The window's shape: which pixels are not the key colour.
    std::vector<bool> Shape() const
    {
        std::vector<bool> shape;
        for (uint32_t pixel : pixels)
            shape.push_back(pixel != kKey);
        return shape;
    }
    // The picture without the marker, whose cells differ from frame to frame.
    Canvas WithoutMarker(const DemoMarkerPlace& place) const
    {
        Canvas bare = *this;
        const DemoMarkerBox marker = DemoMarkerOn(place, width);
        for (int y = marker.top; y < marker.bottom; ++y)
            for (int x = marker.left; x < marker.right; ++x)
                bare.Set(x, y, kKey);
        return bare;
    }
};

// Whether a road of pixels of the window's shape, each beside the last (not
// only corner to corner), leads from one pixel to the other: whether both
// lie in one piece of the window.
inline bool InOnePiece(const Canvas& canvas, POINT from, POINT to)
{
    if (!canvas.InShape(from.x, from.y))
        return false;
    std::vector<bool> reached(canvas.pixels.size(), false);
    std::vector<POINT> next{from};
    reached[static_cast<size_t>(from.y) * static_cast<size_t>(canvas.width) + static_cast<size_t>(from.x)] = true;
    while (!next.empty()) {
        const POINT at = next.back();
        next.pop_back();
        if (at.x == to.x && at.y == to.y)
            return true;
        for (const POINT step : {POINT{1, 0}, POINT{-1, 0}, POINT{0, 1}, POINT{0, -1}}) {
            const POINT beside{at.x + step.x, at.y + step.y};
            if (!canvas.InShape(beside.x, beside.y))
                continue;
            const size_t index = static_cast<size_t>(beside.y) * static_cast<size_t>(canvas.width) + static_cast<size_t>(beside.x);
            if (!reached[index]) {
                reached[index] = true;
                next.push_back(beside);
            }
        }
    }
    return false;
}

// The marker lies inside the character: the pixels all round its cells are
// the window's too, so the picture encloses it, and it is in the piece of
// the window that holds a point of the character's body, not a piece of
// its own that a click could hit beside the character.
inline void ExpectMarkerInsideTheCharacter(const Canvas& canvas, const DemoMarkerBox& marker, POINT body)
{
    for (int y = marker.top - 1; y <= marker.bottom; ++y)
        for (int x = marker.left - 1; x <= marker.right; ++x)
            ASSERT_TRUE(canvas.InShape(x, y)) << "around the marker at " << x << "," << y;
    EXPECT_TRUE(InOnePiece(canvas, POINT{marker.left, marker.top}, body)) << "the marker stands apart from the character";
}

// A 32-bit picture without compression, the only kind frames are composed
// from, whose green is the key colour exactly: the region builder compares
// whole pixels, so green with any fourth byte but 0 would count as part of
// the figure.
inline void ExpectComposablePicture(const Bitmap& picture, const std::string& name)
{
    ASSERT_TRUE(picture.HasImage()) << name;
    EXPECT_EQ(picture.BitsPerPixel(), 32) << name;
    EXPECT_EQ(picture.Info()->bmiHeader.biCompression, static_cast<DWORD>(BI_RGB)) << name;
    for (int32_t y = 0; y < picture.Height(); ++y) {
        for (int32_t x = 0; x < picture.Width(); ++x) {
            const uint32_t pixel = PixelAt(picture, x, y);
            if ((pixel & 0xFFFFFF) == kKey) {
                ASSERT_EQ(pixel, kKey) << name;
            }
        }
    }
}

// A voice as the demo characters speak: a mono PCM RIFF wave of 0.1 s to
// 0.3 s whose chunks say its own sizes.
inline void ExpectShortPcmWave(const std::string& bytes)
{
    ByteReader reader(bytes.data(), bytes.size());
    uint32_t riff = 0, riffSize = 0, wave = 0, fmt = 0, fmtSize = 0, rate = 0, byteRate = 0, data = 0, dataSize = 0;
    uint16_t format = 0, channels = 0, blockAlign = 0, bits = 0;
    reader.ReadU32LE(riff);
    reader.ReadU32LE(riffSize);
    reader.ReadU32LE(wave);
    reader.ReadU32LE(fmt);
    reader.ReadU32LE(fmtSize);
    reader.ReadU16LE(format);
    reader.ReadU16LE(channels);
    reader.ReadU32LE(rate);
    reader.ReadU32LE(byteRate);
    reader.ReadU16LE(blockAlign);
    reader.ReadU16LE(bits);
    reader.Skip(fmtSize - 16);
    reader.ReadU32LE(data);
    reader.ReadU32LE(dataSize);
    ASSERT_TRUE(reader.Ok());
    EXPECT_EQ(riff, 0x46464952u); // "RIFF"
    EXPECT_EQ(riffSize, bytes.size() - 8);
    EXPECT_EQ(wave, 0x45564157u); // "WAVE"
    EXPECT_EQ(fmt, 0x20746D66u);  // "fmt "
    EXPECT_EQ(data, 0x61746164u); // "data"
    EXPECT_EQ(format, 1);         // PCM
    EXPECT_EQ(channels, 1);
    EXPECT_TRUE(rate == 11025 || rate == 22050) << rate;
    EXPECT_TRUE(bits == 8 || bits == 16) << bits;
    EXPECT_EQ(blockAlign, bits / 8);
    EXPECT_EQ(byteRate, rate * blockAlign);
    EXPECT_TRUE(reader.Fits(reader.Position(), dataSize));
    // Between 0.1 s and 0.3 s, in whole samples: a division in floating
    // point lands on either side of 0.1 by the build's rounding.
    const uint64_t samples = blockAlign != 0 ? dataSize / blockAlign : 0;
    EXPECT_GE(samples * 10, uint64_t{rate});
    EXPECT_LE(samples * 10, uint64_t{rate} * 3);
}

// The most common colour of a picture besides the key colour and the
// outline: the hair or the clothes, what tells one character from another.
inline uint32_t MainColour(const std::string& archive, const std::string& entry)
{
    Bitmap bitmap;
    PackSource source;
    source.path = archive;
    source.name = entry;
    if (!bitmap.Load(source))
        return kKey;
    std::map<uint32_t, int> counts;
    for (int32_t y = 0; y < bitmap.Height(); ++y)
        for (int32_t x = 0; x < bitmap.Width(); ++x)
            ++counts[PixelAt(bitmap, x, y)];
    counts.erase(kKey);
    counts.erase(0x3A2848);
    uint32_t main = kKey;
    int most = 0;
    for (const auto& [colour, count] : counts)
        if (count > most) {
            most = count;
            main = colour;
        }
    return main;
}
