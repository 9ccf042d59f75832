// Ivrel's demo character archive as the build made it, in Ivrel's older
// form: a script for every slot of his table with frames placed from the
// base, side pictures left of the images, and the table's voices.
#include "app/wave_image.h"
#include "base/graphics/bitmap.h"
#include "base/io/pack_file.h"
#include "editions/ivrel/ivrel_edition.h"
#include "editions/ivrel/ivrel_script.h"
#include "tests/demo/demo_checks.h"
#include "tests/support/temp_dir.h"
#include "tools/demo_character/demo_markers.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <set>
#include <string>
#include <vector>

namespace {

constexpr int32_t kSlots = 25;

// A point of his robe below both click bands: the image's middle column
// (the image stands right of the mask) in this row.
constexpr int32_t kRobeRow = 200;

POINT RobePoint(int32_t canvasWidth, int32_t maskWidth)
{
    return {maskWidth + (canvasWidth - maskWidth) / 2, kRobeRow};
}

// Reads a copy of the archive: the reader opens files without sharing.
class IvrelDemoArchive : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(CopyFileA(IVREL_DEMO_ARCHIVE, path_.c_str(), FALSE)) << IVREL_DEMO_ARCHIVE; }

    bool LoadEntry(const std::string& name, std::string& bytes) { return LoadArchiveEntry(path_, name, bytes); }

    IvrelScript LoadScript(int32_t slot)
    {
        IvrelScript script;
        std::string bytes;
        const std::string name = IvrelSlotTable(slot).script;
        EXPECT_TRUE(LoadEntry(name, bytes)) << name;
        EXPECT_TRUE(ParseIvrelScript(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), script)) << name;
        return script;
    }

    // The picture of a record's name as the program loads it; none for an
    // empty mask (the archive has no null.bmz).
    Bitmap LoadPicture(const std::string& name)
    {
        Bitmap picture;
        if (name.empty())
            return picture;
        PackSource source;
        source.path = path_;
        source.name = name + ".bmz";
        EXPECT_TRUE(picture.Load(source)) << name;
        return picture;
    }

    // The window's canvas: the mask, then the image right of it.
    Canvas Compose(const IvrelScriptFrame& frame, int32_t& maskWidth)
    {
        const Bitmap mask = LoadPicture(frame.maskName);
        const Bitmap image = LoadPicture(frame.imageName);
        maskWidth = mask.HasImage() ? mask.Width() : 0;
        Canvas canvas(maskWidth + image.Width(), image.Height());
        if (mask.HasImage())
            canvas.Copy(mask, 0, 0);
        canvas.Copy(image, maskWidth, 0);
        return canvas;
    }
    Canvas Compose(const IvrelScriptFrame& frame)
    {
        int32_t maskWidth = 0;
        return Compose(frame, maskWidth);
    }

    TempDir dir_;
    const std::string path_ = dir_.File("ivrel.pac");
};

// The index of the first frame with the same pictures: the frame whose
// picture and place the program shows for this one.
size_t ShownFrame(const IvrelScript& script, size_t index)
{
    for (size_t earlier = 0; earlier < index; ++earlier)
        if (script.frames[earlier].imageName == script.frames[index].imageName &&
            script.frames[earlier].maskName == script.frames[index].maskName)
            return earlier;
    return index;
}

TEST_F(IvrelDemoArchive, HoldsAScriptInTheOlderFormForEverySlotOfTheTable)
{
    std::set<std::string> names;
    for (int32_t slot = 0; slot < kSlots; ++slot) {
        SCOPED_TRACE(slot);
        names.insert(IvrelSlotTable(slot).script);
        const IvrelScript script = LoadScript(slot);
        EXPECT_GE(script.frames.size(), 2u) << "7 among them, which ends when it has run through";
        EXPECT_LE(script.frames.size(), 6u);
        for (const IvrelScriptFrame& frame : script.frames) {
            EXPECT_FALSE(frame.imageName.empty());
            EXPECT_GE(frame.durationMs, 100u);
            EXPECT_LE(frame.durationMs, 500u);
        }
    }
    for (const char* named : {"ivrel08_x.ttp", "ivrel06_0.ttp", "ivrel01_0.ttp", "ivrel08_11.ttp"})
        EXPECT_EQ(names.count(named), 1u) << named;
}

TEST_F(IvrelDemoArchive, TheTablesVoicesAndTheFramesOwnAreShortPcmWaves)
{
    std::vector<std::string> voices;
    for (int32_t slot = 0; slot < kSlots; ++slot) {
        if (!IvrelSlotTable(slot).voice.empty())
            voices.push_back(IvrelSlotTable(slot).voice);
        for (const IvrelScriptFrame& frame : LoadScript(slot).frames)
            if (!frame.soundName.empty())
                voices.push_back(frame.soundName);
    }
    EXPECT_GE(voices.size(), 22u + 2u) << "every voice of the table, and some frames' own";
    for (const std::string& voice : voices) {
        SCOPED_TRACE(voice);
        std::string bytes;
        ASSERT_TRUE(LoadEntry(voice, bytes)) << "a whole entry name";
        EXPECT_TRUE(WaveFitsItsBytes(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()));
        ExpectShortPcmWave(bytes);
    }
}

// Every picture is one a frame can be composed from, and the marker, at its
// place from the canvas's right edge, lies in the image right of the side
// picture.
TEST_F(IvrelDemoArchive, PicturesAre32BitAndTheMarkerLiesInEveryImage)
{
    for (int32_t slot = 0; slot < kSlots; ++slot) {
        SCOPED_TRACE(slot);
        for (const IvrelScriptFrame& frame : LoadScript(slot).frames) {
            const Bitmap image = LoadPicture(frame.imageName);
            ASSERT_NO_FATAL_FAILURE(ExpectComposablePicture(image, frame.imageName));
            int32_t maskWidth = 0;
            if (!frame.maskName.empty()) {
                const Bitmap mask = LoadPicture(frame.maskName);
                ASSERT_NO_FATAL_FAILURE(ExpectComposablePicture(mask, frame.maskName));
                EXPECT_LE(mask.Height(), image.Height()) << frame.maskName;
                maskWidth = mask.Width();
            }
            const DemoMarkerBox marker = DemoMarkerOn(kIvrelDemoMarker, maskWidth + image.Width());
            EXPECT_LE(maskWidth, marker.left) << frame.maskName;
            EXPECT_GE(image.Height(), marker.bottom) << frame.imageName;
        }
    }
}

TEST_F(IvrelDemoArchive, MarkerInsideTheCharacterNamesTheSlotAndTheFrameWhosePictureIsShown)
{
    for (int32_t slot = 0; slot < kSlots; ++slot) {
        const IvrelScript script = LoadScript(slot);
        for (size_t index = 0; index < script.frames.size(); ++index) {
            SCOPED_TRACE(testing::Message() << "slot " << slot << " frame " << index);
            int32_t maskWidth = 0;
            const Canvas canvas = Compose(script.frames[index], maskWidth);
            const DemoMarkerBox marker = DemoMarkerOn(kIvrelDemoMarker, canvas.width);
            int markedSlot = -1;
            int markedFrame = -1;
            ASSERT_TRUE(DecodeDemoMarker(marker, [&](int x, int y) { return canvas.At(x, y); }, markedSlot, markedFrame));
            EXPECT_EQ(markedSlot, slot);
            EXPECT_EQ(markedFrame, static_cast<int>(ShownFrame(script, index)));
            ASSERT_NO_FATAL_FAILURE(ExpectMarkerInsideTheCharacter(canvas, marker, RobePoint(canvas.width, maskWidth)));
        }
    }
}

// The middle of the figure is his from the window's first row down through
// both click bands (0 to 114 and 116 to 164) in every frame, and below them
// his robe is a place to drag him by or open his menu without a reaction.
TEST_F(IvrelDemoArchive, TheFigureCoversBothClickBandsInEveryFrame)
{
    for (int32_t slot = 0; slot < kSlots; ++slot) {
        const IvrelScript script = LoadScript(slot);
        for (size_t index = 0; index < script.frames.size(); ++index) {
            SCOPED_TRACE(testing::Message() << "slot " << slot << " frame " << index);
            int32_t maskWidth = 0;
            const Canvas canvas = Compose(script.frames[index], maskWidth);
            const POINT robe = RobePoint(canvas.width, maskWidth);
            for (int32_t y = kIvrelUpperBand.top; y <= kIvrelLowerBand.bottom; ++y)
                ASSERT_NE(canvas.At(robe.x, y), kKey) << "row " << y;
            ASSERT_NE(canvas.At(robe.x, robe.y), kKey) << "the robe";
        }
    }
}

TEST_F(IvrelDemoArchive, FramesVaryTheirPlacesRepeatPicturesAndStandBesideSidePictures)
{
    int aliases = 0;
    int withSide = 0;
    int withoutSide = 0;
    std::set<int32_t> offsetsX;
    std::set<int32_t> offsetsY;
    for (int32_t slot = 0; slot < kSlots; ++slot) {
        const IvrelScript script = LoadScript(slot);
        for (size_t index = 0; index < script.frames.size(); ++index) {
            const IvrelScriptFrame& frame = script.frames[index];
            offsetsX.insert(frame.offsetX);
            offsetsY.insert(frame.offsetY);
            if (ShownFrame(script, index) != index) {
                ++aliases;
                continue;
            }
            if (frame.maskName.empty()) {
                ++withoutSide;
                continue;
            }
            // The side picture shows: it is not all key colour.
            ++withSide;
            const Bitmap side = LoadPicture(frame.maskName);
            Canvas drawn(side.Width(), side.Height());
            drawn.Copy(side, 0, 0);
            EXPECT_NE(drawn.Shape(), std::vector<bool>(drawn.pixels.size(), false)) << frame.maskName;
        }
    }
    EXPECT_GT(aliases, 0);
    EXPECT_GT(withSide, 0);
    EXPECT_GT(withoutSide, 0);
    EXPECT_GE(offsetsX.size(), 3u);
    EXPECT_GE(offsetsY.size(), 3u);
    EXPECT_LT(*offsetsX.begin(), 0) << "some stand left of the base";
    EXPECT_LT(*offsetsY.begin(), 0) << "some above it";
}

TEST_F(IvrelDemoArchive, EveryActionLooksDifferent)
{
    std::vector<Canvas> first;
    for (int32_t slot = 0; slot < kSlots; ++slot) {
        const IvrelScript script = LoadScript(slot);
        ASSERT_FALSE(script.frames.empty()) << slot;
        first.push_back(Compose(script.frames[0]).WithoutMarker(kIvrelDemoMarker));
    }
    for (int32_t a = 0; a < kSlots; ++a)
        for (int32_t b = a + 1; b < kSlots; ++b)
            EXPECT_FALSE(first[a].width == first[b].width && first[a].pixels == first[b].pixels) << "slots " << a << " and " << b;
}

// At rest he blinks and glances without changing the window's shape or
// place.
TEST_F(IvrelDemoArchive, IdleChangesThePictureButKeepsTheShapeAndThePlace)
{
    const IvrelScript idle = LoadScript(0);
    ASSERT_FALSE(idle.frames.empty());
    const Canvas first = Compose(idle.frames[0]);
    int otherPictures = 0;
    for (size_t index = 1; index < idle.frames.size(); ++index) {
        SCOPED_TRACE(index);
        const Canvas canvas = Compose(idle.frames[index]);
        EXPECT_EQ(canvas.Shape(), first.Shape());
        EXPECT_EQ(idle.frames[index].offsetX, idle.frames[0].offsetX);
        EXPECT_EQ(idle.frames[index].offsetY, idle.frames[0].offsetY);
        if (canvas.WithoutMarker(kIvrelDemoMarker).pixels != first.WithoutMarker(kIvrelDemoMarker).pixels)
            ++otherPictures;
    }
    EXPECT_GE(otherPictures, 2) << "a blink and a glance";
}

} // namespace
