// The demo character archive as the build made it: the scripts, pictures and
// voices that the Quenna program loads when no other character is given.
#include "app/animation_script.h"
#include "editions/quenna/quenna_edition.h"
#include "base/graphics/bitmap.h"
#include "base/io/pack_file.h"
#include "base/util/byte_reader.h"
#include "tests/support/temp_dir.h"
#include "tools/demo_character/demo_markers.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kSlotCount = 26;
constexpr int kCanvasWidth = 508;
constexpr int kCanvasHeight = 448;
constexpr uint32_t kKey = 0x0000FF00; // compared with all four bytes, as the region builder does


std::string ScriptName(int slot)
{
    char name[16];
    std::snprintf(name, sizeof name, "quenna%02d.ttp", slot);
    return name;
}


// A picture pixel as stored: blue, green, red and the fourth byte.
uint32_t PixelAt(const Bitmap& picture, int32_t x, int32_t y)
{
    const uint8_t* pixel = picture.PixelAddress(x, y);
    return static_cast<uint32_t>(pixel[0]) | static_cast<uint32_t>(pixel[1]) << 8 | static_cast<uint32_t>(pixel[2]) << 16 |
           static_cast<uint32_t>(pixel[3]) << 24;
}

// A frame as the program composes it: the canvas filled with the key
// colour, the mask picture copied on, then the image picture copied over it.
struct Canvas {
    std::vector<uint32_t> pixels = std::vector<uint32_t>(static_cast<size_t>(kCanvasWidth) * kCanvasHeight, kKey);
    uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * kCanvasWidth + static_cast<size_t>(x)]; }
    void Copy(const Bitmap& picture, int32_t left, int32_t top)
    {
        for (int32_t y = 0; y < picture.Height(); ++y)
            for (int32_t x = 0; x < picture.Width(); ++x)
                if (left + x >= 0 && left + x < kCanvasWidth && top + y >= 0 && top + y < kCanvasHeight)
                    pixels[static_cast<size_t>(top + y) * kCanvasWidth + static_cast<size_t>(left + x)] = PixelAt(picture, x, y);
    }
};

// Reads a copy of the archive: the reader opens files without sharing, so
// test programs running side by side cannot all open the build's own.
class DemoArchive : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(CopyFileA(DEMO_ARCHIVE, path_.c_str(), FALSE)); }

    bool LoadEntry(const std::string& name, std::string& bytes)
    {
        PackFile pack;
        if (!pack.LoadByName(path_, name, true))
            return false;
        bytes.assign(reinterpret_cast<const char*>(pack.Data()), static_cast<size_t>(pack.LoadedSize()));
        return true;
    }

    // Only the frames of a script that loads and parses; none otherwise.
    AnimationScript LoadScript(int slot)
    {
        AnimationScript script;
        std::string bytes;
        EXPECT_TRUE(LoadEntry(ScriptName(slot), bytes));
        EXPECT_TRUE(ParseAnimationScript(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), script));
        return script;
    }

    // The picture as the program loads it. It must be a 32-bit image, the
    // only depth that frames are composed from.
    Bitmap LoadPicture(const std::string& name)
    {
        Bitmap picture;
        PackSource source;
        source.path = path_;
        source.name = name + ".bmz";
        EXPECT_TRUE(picture.Load(source)) << name;
        EXPECT_EQ(picture.BitsPerPixel(), 32) << name;
        EXPECT_EQ(picture.Info()->bmiHeader.biCompression, static_cast<DWORD>(BI_RGB)) << name;
        return picture;
    }

    Canvas Compose(const ScriptFrame& frame, bool withMask = true)
    {
        Canvas canvas;
        if (withMask && !frame.maskName.empty())
            canvas.Copy(LoadPicture(frame.maskName), frame.maskX, frame.maskY);
        canvas.Copy(LoadPicture(frame.imageName), frame.imageX, frame.imageY);
        return canvas;
    }

    TempDir dir_;
    const std::string path_ = dir_.File("quenna.pac");
};

// The index of the first frame with the same pictures: the frame whose
// picture the program shows for this one.
size_t ShownFrame(const AnimationScript& script, size_t index)
{
    for (size_t earlier = 0; earlier < index; ++earlier)
        if (script.frames[earlier].imageName == script.frames[index].imageName &&
            script.frames[earlier].maskName == script.frames[index].maskName)
            return earlier;
    return index;
}

TEST_F(DemoArchive, HoldsAVersion3ScriptPerActionOnTheCharacterCanvas)
{
    for (int slot = 0; slot < kSlotCount; ++slot) {
        SCOPED_TRACE(slot);
        const AnimationScript script = LoadScript(slot);
        EXPECT_EQ(script.version, 3);
        EXPECT_EQ(script.width, kCanvasWidth);
        EXPECT_EQ(script.height, kCanvasHeight);
        EXPECT_GE(script.frames.size(), 2u);
        EXPECT_LE(script.frames.size(), 6u);
        for (const ScriptFrame& frame : script.frames) {
            EXPECT_FALSE(frame.imageName.empty());
            EXPECT_GE(frame.durationMs, 100u);
            EXPECT_LE(frame.durationMs, 500u);
        }
    }
    std::string bytes;
    EXPECT_FALSE(LoadEntry(ScriptName(kSlotCount), bytes));
}

TEST_F(DemoArchive, PicturesAre32BitAndLieOnTheCanvas)
{
    for (int slot = 0; slot < kSlotCount; ++slot) {
        SCOPED_TRACE(slot);
        for (const ScriptFrame& frame : LoadScript(slot).frames) {
            const struct {
                const std::string& name;
                int32_t x, y;
            } pictures[] = {{frame.imageName, frame.imageX, frame.imageY}, {frame.maskName, frame.maskX, frame.maskY}};
            for (const auto& placed : pictures) {
                if (placed.name.empty())
                    continue;
                const Bitmap picture = LoadPicture(placed.name);
                ASSERT_TRUE(picture.HasImage()) << placed.name;
                EXPECT_GE(placed.x, 0) << placed.name;
                EXPECT_GE(placed.y, 0) << placed.name;
                EXPECT_LE(placed.x + picture.Width(), kCanvasWidth) << placed.name;
                EXPECT_LE(placed.y + picture.Height(), kCanvasHeight) << placed.name;
                // The region builder compares whole pixels: green with any
                // fourth byte but 0 would count as part of the figure.
                for (int32_t y = 0; y < picture.Height(); ++y) {
                    for (int32_t x = 0; x < picture.Width(); ++x) {
                        const uint32_t pixel = PixelAt(picture, x, y);
                        if ((pixel & 0xFFFFFF) == kKey) {
                            ASSERT_EQ(pixel, kKey) << placed.name;
                        }
                    }
                }
            }
        }
    }
}

TEST_F(DemoArchive, VoicesAreShortPcmWaves)
{
    for (int slot = 0; slot < kSlotCount; ++slot) {
        for (const ScriptFrame& frame : LoadScript(slot).frames) {
            if (frame.soundName.empty())
                continue;
            SCOPED_TRACE(frame.soundName);
            std::string bytes;
            ASSERT_TRUE(LoadEntry(frame.soundName + ".wav", bytes));
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
            // Between 0.1 s and 0.3 s, in whole samples: a division in
            // floating point lands on either side of 0.1 by the build's
            // rounding.
            const uint64_t samples = blockAlign != 0 ? dataSize / blockAlign : 0;
            EXPECT_GE(samples * 10, uint64_t{rate});
            EXPECT_LE(samples * 10, uint64_t{rate} * 3);
        }
    }
}

TEST_F(DemoArchive, FigureOnTheKeyColourCoversBothClickAreas)
{
    const ClickRect areas[] = {QuennaRules().clickA.area, QuennaRules().clickB.area};
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const AnimationScript script = LoadScript(slot);
        for (size_t index = 0; index < script.frames.size(); ++index) {
            SCOPED_TRACE(testing::Message() << "slot " << slot << " frame " << index);
            const Canvas canvas = Compose(script.frames[index]);
            // Around the figure: the canvas edges are outside the shape.
            for (int x = 0; x < kCanvasWidth; ++x) {
                ASSERT_EQ(canvas.At(x, 0), kKey);
                ASSERT_EQ(canvas.At(x, kCanvasHeight - 1), kKey);
            }
            for (int y = 0; y < kCanvasHeight; ++y) {
                ASSERT_EQ(canvas.At(0, y), kKey);
                ASSERT_EQ(canvas.At(kCanvasWidth - 1, y), kKey);
            }
            // Every point of both areas can be clicked.
            for (const ClickRect& area : areas)
                for (int y = area.top; y < area.bottom; ++y)
                    for (int x = area.left; x < area.right; ++x)
                        ASSERT_NE(canvas.At(x, y), kKey) << x << "," << y;
        }
    }
}

TEST_F(DemoArchive, MarkerNamesTheSlotAndTheFrameWhosePictureIsShown)
{
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const AnimationScript script = LoadScript(slot);
        for (size_t index = 0; index < script.frames.size(); ++index) {
            SCOPED_TRACE(testing::Message() << "slot " << slot << " frame " << index);
            const Canvas canvas = Compose(script.frames[index]);
            int markedSlot = -1;
            int markedFrame = -1;
            ASSERT_TRUE(DecodeDemoMarker([&](int x, int y) { return canvas.At(x, y); }, markedSlot, markedFrame));
            EXPECT_EQ(markedSlot, slot);
            EXPECT_EQ(markedFrame, static_cast<int>(ShownFrame(script, index)));
            // The marker is part of the window's shape.
            for (int x = DemoMarker::kLeft; x < DemoMarker::kLeft + DemoMarker::kWidth; ++x)
                EXPECT_NE(canvas.At(x, DemoMarker::kTop), kKey);
        }
    }
    // A canvas without the figure has no marker.
    int slot = 0;
    int frame = 0;
    EXPECT_FALSE(DecodeDemoMarker([](int, int) { return kKey; }, slot, frame));
    EXPECT_FALSE(DecodeDemoMarker([](int, int) { return 0u; }, slot, frame));
}

TEST_F(DemoArchive, FramesRepeatPicturesShowMasksAndCarryVoices)
{
    int aliases = 0;
    int visibleMasks = 0;
    int framesWithoutMask = 0;
    int flagged = 0;
    for (int slot = 0; slot < kSlotCount; ++slot) {
        SCOPED_TRACE(slot);
        const AnimationScript script = LoadScript(slot);
        bool voiced = false;
        for (size_t index = 0; index < script.frames.size(); ++index) {
            const ScriptFrame& frame = script.frames[index];
            voiced = voiced || !frame.soundName.empty();
            if (ShownFrame(script, index) != index) {
                ++aliases;
                continue;
            }
            if (frame.maskName.empty()) {
                ++framesWithoutMask;
                continue;
            }
            // The mask lies beneath the image: some of it must stay in view.
            if (Compose(frame).pixels != Compose(frame, false).pixels)
                ++visibleMasks;
            else
                ADD_FAILURE() << frame.maskName << " is hidden by " << frame.imageName;
        }
        // The flag quiets the idle chatter under the "some voices" setting;
        // what answers the user (clicks, hours, alarm, mail) always speaks.
        EXPECT_EQ(script.voiceFlag != 0, QuennaRules().idlePick.Contains(slot));
        if (slot != 0) {
            EXPECT_TRUE(voiced);
        }
        flagged += script.voiceFlag;
    }
    EXPECT_GT(aliases, 0);
    EXPECT_GT(visibleMasks, 0);
    EXPECT_GT(framesWithoutMask, 0);
    EXPECT_GT(flagged, 0);
}

TEST_F(DemoArchive, EveryActionLooksDifferent)
{
    std::vector<Canvas> first;
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const AnimationScript script = LoadScript(slot);
        ASSERT_FALSE(script.frames.empty()) << slot;
        first.push_back(Compose(script.frames[0]));
        // Leave the marker out: the pictures themselves must differ.
        for (int y = DemoMarker::kTop; y < DemoMarker::kTop + DemoMarker::kCellSize; ++y)
            for (int x = DemoMarker::kLeft; x < DemoMarker::kLeft + DemoMarker::kWidth; ++x)
                first.back().pixels[static_cast<size_t>(y) * kCanvasWidth + static_cast<size_t>(x)] = kKey;
    }
    for (int a = 0; a < kSlotCount; ++a)
        for (int b = a + 1; b < kSlotCount; ++b)
            EXPECT_NE(first[a].pixels, first[b].pixels) << "slots " << a << " and " << b;
}

} // namespace
